#include "UFileLogAppender.h"

#include "ULogUtil.h"

void TFileLogAppender::Append(const QString& line)
{
    if (!FFileName.isEmpty())
        AppendLogLine(FFileName, line);
}
