#include "UProgressConvertOutputer.h"

#include "UConvertStatus.h"

void TProgressConvertOutputer::Setup(TProgressBarControl* bar, TLabelControl* statusLabel, TMemoControl* memo,
                                     TLabelControl* percentLabel, TLabelControl* noticeLabel)
{
    FMonitor.Setup(bar, statusLabel, percentLabel, noticeLabel);
    FMemo = memo;
}

void TProgressConvertOutputer::Clear()
{
    if (FMemo)
        FMemo->Clear();
    FMonitor.Reset();
}

void TProgressConvertOutputer::WriteLog(const QString& message)
{
    if (FMemo)
        FMemo->AddLine(message);
    TConvertOutputer::WriteLog(message);
}

void TProgressConvertOutputer::HandleError(TConvertStatus& status)
{
    WriteLog(status.ErrorMessage);
}

int TProgressConvertOutputer::ProgressInterval(int totalRows)
{
    if (totalRows < 100)
        return 1;
    if (totalRows <= 10000)
        return (totalRows + 99) / 100;
    return 100;
}

void TProgressConvertOutputer::HandleStart(TConvertStatus& status)
{
    FMonitor.StartTime = TConvertStatus::Now();
    FMonitor.SetTotal(status.TotalRows);
    FMonitor.SetInterval(ProgressInterval(status.TotalRows));
    FMonitor.Progress(0);
}

void TProgressConvertOutputer::HandleProgress(TConvertStatus& status)
{
    FMonitor.Progress(status.ConvertedRows);
}

void TProgressConvertOutputer::HandleEnd(TConvertStatus& status)
{
    FMonitor.SetTotal(status.TotalRows);
    FMonitor.Finish(status.ConvertedRows);
    QString summary = QString::number(status.ConvertedRows) + QStringLiteral(" records") + QStringLiteral(",    Elapsed: ")
        + ElapsedTimeText(status.ElapsedTime());
    if (!status.SourceDesc.isEmpty() && !status.TargetDesc.isEmpty())
        summary += QStringLiteral(".    ") + status.SourceDesc + QStringLiteral(",    ") + status.TargetDesc;
    summary += QStringLiteral(".    ");
    if (status.ErrorCount > 0)
        summary += QString::number(status.ErrorCount) + QStringLiteral(" rows can not convert.");
    FMonitor.ShowStatus(summary);
    WriteLog(summary);

    QString notice;
    if (!status.ErrorMessage.isEmpty())
        notice = QStringLiteral("Error, please see log.    ");
    notice += status.StopReason;
    if (!notice.isEmpty())
        FMonitor.ShowNotice(notice);
}
