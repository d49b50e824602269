#pragma once
// TGUIProgressMonitor: drives a progress bar with its status, percent and
// notice labels (none owned). Progress is shown only on multiples of the
// interval, so a large run repaints about a hundred times.

#include "UProgressControls.h"
#include "UProgressMonitor.h"

class TGUIProgressMonitor : public TProgressMonitor {
public:
    void SetTotal(int total) override;
    void Progress(int value) override;
    void Finish(int value) override;
    void Reset() override;
    void ShowNotice(const QString& text) override;
    void ShowStatus(const QString& text) override;

    void Setup(TProgressBarControl* bar, TLabelControl* statusLabel, TLabelControl* percentLabel,
               TLabelControl* noticeLabel);
    // 0 or less becomes 1.
    void SetInterval(int interval) { FInterval = interval < 1 ? 1 : interval; }
    int Interval() const { return FInterval; }
    void SetPosition(int value);
    void AppendStatus(const QString& text);

    double StartTime = 0;
    QString UnitWord = QStringLiteral("records");
    int Total() const { return FTotal; }
    bool TotalUnknown() const { return FTotalUnknown; }

private:
    void ShowPercent(int value);

    int FInterval = 1;
    TProgressBarControl* FBar = nullptr;
    TLabelControl* FStatusLabel = nullptr;
    TLabelControl* FNoticeLabel = nullptr;
    TLabelControl* FPercentLabel = nullptr;
    int FTotal = 0;
    bool FTotalUnknown = false;
};
