#pragma once
// Where long operations (a conversion, a download) report how far they are.
// The window's progress bar implements it; TMockProgressMonitor is for runs
// without a window, such as the command-line download of a URL source.

#include <QString>

class TProgressMonitor {
public:
    virtual ~TProgressMonitor() = default;
    virtual void SetTotal(int total) = 0;   // -1: the total is unknown
    virtual void Progress(int value) = 0;
    virtual void Finish(int value) = 0;
    virtual void Reset() = 0;
    virtual void ShowNotice(const QString& text) = 0;
    virtual void ShowStatus(const QString& text) = 0;
};

class TMockProgressMonitor : public TProgressMonitor {
public:
    void SetTotal(int) override {}
    void Progress(int) override {}
    void Finish(int) override {}
    void Reset() override {}
    void ShowNotice(const QString&) override {}
    void ShowStatus(const QString&) override {}
};
