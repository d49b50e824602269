#include "UTableDateFormatMatcher.h"

#include "UDateFormatParser.h"
#include "UTableStruct.h"

bool TTableDateFormatMatcher::IsDateField(const QString& fieldName) const
{
    if (!FTableStruct.FieldTypes.contains(fieldName))
        return false;
    return FTableStruct.IsDateTimeField(fieldName);
}

TDateFormatParser* TTableDateFormatMatcher::GetParser() const
{
    return FTableStruct.DateParser();
}

QString TTableDateFormatMatcher::DetectColumnFormat(int column, const QList<QStringList>& rows) const
{
    TDateFormatParser* parser = GetParser();
    return parser ? parser->DetectColumnFormatLenient(rows, column) : QString();
}

QStringList TTableDateFormatMatcher::GetFormatList() const
{
    TDateFormatParser* parser = GetParser();
    return parser ? parser->FormatList() : QStringList();
}

QString TFileDateFormatMatcher::DetectColumnFormat(int column, const QList<QStringList>& rows) const
{
    if (!FParser)
        return QString();
    const QString detected = FParser->DetectColumnFormatStrict(rows, column);
    if (detected.compare(QLatin1String("CANNOT DETECT"), Qt::CaseInsensitive) == 0
        || detected.toUpper().contains(QLatin1String("EXCEL")) || detected == QLatin1String("yyyymm"))
        return QString();
    return FParser->TranslateFormat(detected);
}

QStringList TFileDateFormatMatcher::GetFormatList() const
{
    return FParser ? FParser->FormatList() : QStringList();
}
