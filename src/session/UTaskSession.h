#pragma once
// TTaskSession: the file-bound part of a session: its recent list, the file
// dialog's filter, the default extension, the INI section, and the file it
// was last saved to or loaded from ("" until then).

#include "URecentFileList.h"
#include "USessionFileSetting.h"

#include <QString>

class TTaskSession {
public:
    TTaskSession() = default;
    virtual ~TTaskSession() = default;
    TTaskSession(const TTaskSession&) = delete;
    TTaskSession& operator=(const TTaskSession&) = delete;

    // The convert type's file setting: recent-list key, filter, extension, section.
    void ApplyFileSetting(const TSessionFileSetting& setting);

    const QString& FileName() const { return FFileName; }
    void SetFileName(const QString& fileName) { FFileName = fileName; }
    const QString& Filter() const { return FFilter; }
    void SetFilter(const QString& filter) { FFilter = filter; }
    const QString& DefaultExt() const { return FDefaultExt; }
    void SetDefaultExt(const QString& ext) { FDefaultExt = ext; }
    const QString& Section() const { return FSection; }
    void SetSection(const QString& section) { FSection = section; }
    // The section written and read: "Convert" when none is set.
    QString EffectiveSection() const;

    TRecentFileList& RecentList() { return FRecentList; }
    const TRecentFileList& RecentList() const { return FRecentList; }

private:
    TRecentFileList FRecentList;
    QString FFilter;
    QString FDefaultExt;
    QString FSection;
    QString FFileName;
};
