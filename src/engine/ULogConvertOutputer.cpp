#include "ULogConvertOutputer.h"

#include "UConvertStatus.h"

void TLogConvertOutputer::HandleError(TConvertStatus& status)
{
    WriteLog(status.ErrorMessage);
}

void TLogConvertOutputer::HandleStop(TConvertStatus& status)
{
    WriteLog(status.StopReason);
}

void TLogConvertOutputer::HandleEnd(TConvertStatus& status)
{
    if (!status.SourceDesc.isEmpty() && !status.TargetDesc.isEmpty()) {
        WriteLog(status.SourceDesc);
        WriteLog(status.TargetDesc);
    }
    QString summary = QString::number(status.ConvertedRows) + QStringLiteral(" records") + QStringLiteral("    Elapsed: ")
        + ElapsedTimeText(status.ElapsedTime());
    if (status.ErrorCount > 0)
        summary += QStringLiteral(".  ") + QString::number(status.ErrorCount) + QStringLiteral(" rows can not convert.");
    WriteLog(summary);
}
