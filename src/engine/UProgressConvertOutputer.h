#pragma once
// TProgressConvertOutputer: the outputer of the convert page: a progress bar
// with its labels, the output memo and the session's log file.

#include "UConvertOutputer.h"
#include "UGUIProgressMonitor.h"

class TProgressConvertOutputer : public TConvertOutputer {
    AMBERTIDE_CLASS(TProgressConvertOutputer)
public:
    void Setup(TProgressBarControl* bar, TLabelControl* statusLabel, TMemoControl* memo, TLabelControl* percentLabel,
               TLabelControl* noticeLabel);
    void Clear() override;
    // A memo line, then the log-file line.
    void WriteLog(const QString& message) override;
    void HandleError(TConvertStatus& status) override;
    void HandleStop(TConvertStatus& status) override {}
    void HandleStart(TConvertStatus& status) override;
    void HandleEnd(TConvertStatus& status) override;
    void HandleProgress(TConvertStatus& status) override;

    TGUIProgressMonitor& Monitor() { return FMonitor; }
    // Every record below 100 rows, about a hundred steps up to 10,000, every
    // 100th record above.
    static int ProgressInterval(int totalRows);

private:
    TGUIProgressMonitor FMonitor;
    TMemoControl* FMemo = nullptr;
};
