#include "UOutputer.h"

#include "ULogUtil.h"

void TOutputer::WriteLog(const QString& message)
{
    if (!FLogFileName.isEmpty())
        AppendLogLine(FLogFileName, message);
}
