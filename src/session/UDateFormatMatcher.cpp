#include "UDateFormatMatcher.h"

QString TDateFormatMatcher::MatchFormat(const QString& fieldName, int column, const QList<QStringList>& rows) const
{
    if (!IsEnabled() || !IsDateField(fieldName) || !GetParser())
        return QString();
    return DetectColumnFormat(column, rows);
}
