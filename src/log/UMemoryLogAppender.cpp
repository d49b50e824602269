#include "UMemoryLogAppender.h"

#include "ULogUtil.h"
#include "UStringList.h"

void TMemoryLogAppender::Append(const QString& line)
{
    FLines.append(FormatLogStamp(QDateTime::currentDateTime()) + QLatin1Char('\t') + line);
    if (FCapacity == 0)
        return;
    if (FAppendCount > 999) {
        FAppendCount = 0;
        const QString text = GetText();
        if (text.size() > FCapacity) {
            TStringList trimmed;
            trimmed.SetText(QStringLiteral("......") + text.right(FCapacity - 6));
            FLines = trimmed.List();
        }
    } else {
        ++FAppendCount;
    }
}

QString TMemoryLogAppender::GetText() const
{
    return TStringList(FLines).Text();
}
