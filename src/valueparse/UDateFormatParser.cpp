#include "UDateFormatParser.h"

#include "UException.h"
#include "UUserLocale.h"

#include <QDate>
#include <QRegularExpression>
#include <cmath>

namespace {

constexpr qint64 MSecsPerDay = 86400000;
// The platform's date range: 0001-01-01 to 9999-12-31 as day counts from 1899-12-30.
constexpr double MinSerial = -693593.0;
constexpr double MaxSerialExclusive = 2958466.0;

// A floating-point number written with the user's decimal separator; no
// thousands separators. False for anything else.
bool TryLocaleFloat(const QString& text, QChar decimalSeparator, double& number)
{
    QString s = text.trimmed();
    if (decimalSeparator != QLatin1Char('.')) {
        if (s.contains(QLatin1Char('.')))
            return false;
        s.replace(decimalSeparator, QLatin1Char('.'));
    }
    static const QRegularExpression plain(QStringLiteral(R"(^[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?$)"));
    if (!plain.match(s).hasMatch())
        return false;
    bool ok = false;
    number = s.toDouble(&ok);
    // An overflowing exponent reads as infinity: out of every date range below.
    return ok || std::isinf(number);
}

QString TimeText(qint64 msecs)
{
    const qint64 secs = msecs / 1000;
    return QStringLiteral("%1:%2:%3")
        .arg(secs / 3600, 2, 10, QLatin1Char('0'))
        .arg((secs / 60) % 60, 2, 10, QLatin1Char('0'))
        .arg(secs % 60, 2, 10, QLatin1Char('0'));
}

}  // namespace

TDateFormatParser::TDateFormatParser()
{
    Initialize();
}

TDateFormatParser::TDateFormatParser(TDeferInit) {}

void TDateFormatParser::Initialize()
{
    FFormatPatterns.Clear();
    FDBFormatNames.Clear();
    FCanonicalByDBName.clear();
    for (const TDateFormatEntry& entry : FDetector.Entries()) {
        FFormatPatterns.Add(entry.Name + QLatin1Char('=') + entry.Pattern);
        const QString dbName = TranslateFormat(entry.Name);
        const QString key = dbName.toLower();
        // A later picture with the same spelling takes the earlier one's place.
        const int at = FDBFormatNames.IndexOfName(dbName);
        if (at >= 0)
            FDBFormatNames.SetStrings(at, dbName + QLatin1Char('=') + entry.Name);
        else
            FDBFormatNames.Add(dbName + QLatin1Char('=') + entry.Name);
        FCanonicalByDBName.insert(key, entry.Name);
    }
    FConvertFormats.clear();
    FillConvertFormats(FConvertFormats);
    FConvertFormatKeys.clear();
    for (const QString& name : FConvertFormats)
        FConvertFormatKeys.insert(name.toLower());
    FFormatList = QStringList{DateFormatNames::AutoDetect};
    for (int i = 0; i < FDBFormatNames.Count(); ++i)
        FFormatList.append(FDBFormatNames.Names(i));
}

QString TDateFormatParser::Parse(const QString& value, const QString& format)
{
    FValue = value;
    if (FValue.isEmpty())
        return FValue;
    FFormatName = format;
    if (format.toLower() == DateFormatNames::DetectPerRecord)
        FFormat = FDetector.Detect(value);
    else
        FFormat = FCanonicalByDBName.value(format.toLower(), format);

    if (IsConvertFormat(FFormat))
        ConvertValue();
    else if (FFormat == DateFormatNames::ExcelDateTime || FFormat == DateFormatNames::ExcelDate ||
             FFormat == DateFormatNames::ExcelTime)
        ConvertSpreadsheetValue();
    CleanValue();
    return FValue;
}

// A day count from 1899-12-30 with the time of day as its fraction.
void TDateFormatParser::ConvertSpreadsheetValue()
{
    double serial = 0;
    if (!TryLocaleFloat(FValue, TUserLocale::DecimalSeparator(), serial))
        serial = 0;
    if (!(serial >= MinSerial && serial < MaxSerialExclusive))
        throw Exception(QLatin1Char('\'') + FValue + QStringLiteral("' is not a valid date and time"));
    double days = std::trunc(serial);
    qint64 msecs = std::llround(std::fabs(serial - days) * double(MSecsPerDay));
    if (msecs >= MSecsPerDay) {
        msecs -= MSecsPerDay;
        days += serial < 0 ? -1 : 1;
    }
    if (serial < 1) {
        FValue = TimeText(msecs);
        return;
    }
    const QString date = QDate(1899, 12, 30).addDays(qint64(days)).toString(QStringLiteral("yyyy-MM-dd"));
    if (FValue.contains(QLatin1Char('.')))
        FValue = date + QLatin1Char(' ') + TimeText(msecs);
    else
        FValue = date;
}

QString TDateFormatParser::DetectRawFormat(const QString& value)
{
    ResetCaches();
    return FDetector.Detect(value);
}

void TDateFormatParser::ResetCaches()
{
    FMonthNameFormats.clear();
    FMonthNameKeys.clear();
    FAmPmFormats.clear();
    FAmPmKeys.clear();
}

QString TDateFormatParser::DetectFormat(const QString& value)
{
    const QString format = TranslateFormat(DetectRawFormat(value));
    if (format.toUpper() == DateFormatNames::CannotDetectUpper)
        return DefaultFormat();
    return format;
}

QString TDateFormatParser::DefaultFormat() const
{
    return TranslateFormat(QStringLiteral("yyyy-mm-dd hh24:mi:ss"));
}

QString TDateFormatParser::DetectColumnFormatLenient(const QList<QStringList>& rows, int column)
{
    const QString defaultFormat = DefaultFormat();
    QString answer = defaultFormat;
    if (rows.isEmpty() || column < 0 || column >= rows.front().size())
        return answer;
    for (const QStringList& row : rows) {
        const QString value = column < row.size() ? row[column] : QString();
        if (value.isEmpty() || value.toUpper() == QStringLiteral("N/A"))
            continue;
        answer = DetectRawFormat(value);
    }
    if (answer.compare(DateFormatNames::CannotDetectUpper, Qt::CaseInsensitive) == 0)
        answer = defaultFormat;
    if (answer != defaultFormat)
        answer = TranslateFormat(answer);
    return answer;
}

QString TDateFormatParser::DetectColumnFormatStrict(const QList<QStringList>& rows, int column)
{
    QString answer = DateFormatNames::CannotDetectUpper;
    if (rows.isEmpty() || column < 0 || column >= rows.front().size())
        return answer;
    for (const QStringList& row : rows) {
        const QString value = column < row.size() ? row[column] : QString();
        if (!value.isEmpty())
            answer = DetectRawFormat(value);
    }
    return answer;
}

QString TDateFormatParser::TranslateFormat(const QString& format) const
{
    return format;
}

QString TDateFormatParser::DBFunctionFormat(const QString& format, int) const
{
    return format;
}

void TDateFormatParser::FillConvertFormats(QStringList&) const {}

void TDateFormatParser::ConvertValue() {}

void TDateFormatParser::CleanValue() {}

bool TDateFormatParser::IsConvertFormat(const QString& format) const
{
    return FConvertFormatKeys.contains(format.toLower());
}

bool TDateFormatParser::IsMonthNameFormat(const QString& format) const
{
    return FMonthNameKeys.contains(format.toLower());
}

void TDateFormatParser::AddMonthNameFormat(const QString& format)
{
    if (!IsMonthNameFormat(format)) {
        FMonthNameKeys.insert(format.toLower());
        FMonthNameFormats.append(format);
    }
}

bool TDateFormatParser::IsAmPmFormat(const QString& format) const
{
    return FAmPmKeys.contains(format.toLower());
}

void TDateFormatParser::AddAmPmFormat(const QString& format)
{
    if (!IsAmPmFormat(format)) {
        FAmPmKeys.insert(format.toLower());
        FAmPmFormats.append(format);
    }
}
