#include "UAccessDateFormatParser.h"

#include "UValueText.h"

#include <QHash>
#include <QRegularExpression>

using namespace ValueText;

namespace {

using TRewrite = QString (*)(const QString&);

struct TRewriteRule {
    const char* Format;
    TRewrite Rewrite;
};

// Day, month and year parts "d.m.y" as "y-m-d".
QString DottedDayFirstToIso(const QString& date)
{
    const QStringList parts = date.split(QLatin1Char('.'));
    auto part = [&](int i) { return i < parts.size() ? parts[i] : QString(); };
    return part(2) + QLatin1Char('-') + part(1) + QLatin1Char('-') + part(0);
}

QString CompactDateToIso(const QString& d)
{
    return d.mid(0, 4) + QLatin1Char('-') + d.mid(4, 2) + QLatin1Char('-') + d.mid(6, 2);
}

QString Replaced(QString text, QChar what, QChar with)
{
    return text.replace(what, with);
}

QString DotsToDashes(const QString& v) { return Replaced(v, QLatin1Char('.'), QLatin1Char('-')); }

QString Yyyymmdd(const QString& v) { return v.size() == 8 ? CompactDateToIso(v) : v; }

QString Yyyymm(const QString& v) { return v.mid(0, 4) + QLatin1Char('-') + v.mid(4, 2) + QStringLiteral("-01"); }

QString Yymmdd(const QString& v)
{
    if (v.size() != 6)
        return v;
    return v.mid(0, 2) + QLatin1Char('-') + v.mid(2, 2) + QLatin1Char('-') + v.mid(4, 2);
}

// dd?mm?yy -> yy-mm-dd; two-digit years stay two-digit.
QString DayFirstShortYear(const QString& v)
{
    if (v.size() != 8)
        return v;
    return v.mid(6, 2) + QLatin1Char('-') + v.mid(3, 2) + QLatin1Char('-') + v.mid(0, 2);
}

QString YyDotted(const QString& v) { return v.size() == 8 ? DotsToDashes(v) : v; }

QString YySlashed(const QString& v) { return v.size() == 8 ? Replaced(v, QLatin1Char('/'), QLatin1Char('-')) : v; }

const QString Blank = QStringLiteral(" ");

// "31 Jan 20" -> "20 Jan 31"
QString DdMonYy(const QString& v)
{
    if (v.size() <= 8)
        return v;
    const QString month = Before(After(v, Blank), Blank).trimmed();
    return Right(v, 2) + Blank + month + Blank + Before(v, Blank).trimmed();
}

// "Jan 31, 20" -> "20 Jan 31"
QString MonDdYy(const QString& v)
{
    if (v.size() <= 8)
        return v;
    const QString comma = QStringLiteral(",");
    const QString day = Before(After(v, Blank), comma).trimmed();
    return After(v, comma).trimmed() + Blank + Before(v, Blank).trimmed() + Blank + day;
}

QString TsToBlank(const QString& v) { return Replaced(v, QLatin1Char('T'), QLatin1Char(' ')); }

QString DottedUsDateTime(const QString& v)
{
    return Replaced(Before(v, Blank), QLatin1Char('.'), QLatin1Char('/')) + Blank +
           Replaced(After(v, Blank), QLatin1Char('.'), QLatin1Char(':'));
}

QString DottedDayFirstDateTime(const QString& v)
{
    return DottedDayFirstToIso(Before(v, Blank)) + Blank + After(v, Blank);
}

QString CompactDateTime(const QString& v) { return CompactDateToIso(Before(v, Blank)) + Blank + After(v, Blank); }

const QString Underscore = QStringLiteral("_");

QString UnderscoreDateUnderscoreTime(const QString& v)
{
    QString r = ReplaceFirst(v, Underscore, QStringLiteral("-"));
    r = ReplaceFirst(r, Underscore, QStringLiteral("-"));
    return ReplaceFirst(r, Underscore, Blank);
}

QString UnderscoreDate(const QString& v)
{
    return ReplaceFirst(ReplaceFirst(v, Underscore, QStringLiteral("-")), Underscore, QStringLiteral("-"));
}

QString UnderscoreDateTime(const QString& v)
{
    const QString colon = QStringLiteral(":");
    return ReplaceFirst(ReplaceFirst(UnderscoreDate(v), Underscore, colon), Underscore, colon);
}

QString DashedDateDottedTime(const QString& v) { return v.size() > 18 ? v.mid(0, 10) + Blank + v.mid(11) : v; }

QString First19(const QString& v) { return v.size() > 21 ? v.mid(0, 19) : v; }

QString DottedFirst19(const QString& v) { return v.size() > 21 ? DotsToDashes(v.mid(0, 19)) : v; }

QString CompactDateTimeNoBlank(const QString& v)
{
    return CompactDateToIso(v) + Blank + v.mid(8, 2) + QLatin1Char(':') + v.mid(10, 2) + QLatin1Char(':') +
           v.mid(12, 2);
}

QString TrailingDotDate(const QString& v) { return DottedDayFirstToIso(v); }

QString TrailingDotDateTime(const QString& v) { return DottedDayFirstToIso(Before(v, Blank)) + Blank + After(v, Blank); }

QString ColonDate(const QString& v) { return Replaced(v, QLatin1Char(':'), QLatin1Char('-')); }

QString ColonDateTime(const QString& v) { return ColonDate(Before(v, Blank)) + Blank + After(v, Blank); }

// "Fri Jan 31 10:15:00 +0100 2020" -> "Fri Jan 31  2020 10:15:00 +0100"
QString UnixDate(const QString& v)
{
    const QString year = Right(v, 4);
    QString r = Left(v, v.size() - 5);
    const QString zone = Right(r, 5);
    r = Left(r, r.size() - 6);
    const QString time = Right(r, 8);
    r = ReplaceFirst(r, time, Blank);
    return r + year + Blank + time + Blank + zone;
}

// "31/Jan/2020:10:15:00 +0100" -> "31/Jan/2020 10:15:00 +0100"
QString LogDate(const QString& v)
{
    const QString colon = QStringLiteral(":");
    return Before(v, colon) + Blank + After(v, colon);
}

QString NoUtc(const QString& v) { return Before(v, QStringLiteral(" UTC")); }

const TRewriteRule RewriteRules[] = {
    {"yyyy.mm.dd", DotsToDashes},
    {"dd.mm.yyyy", DotsToDashes},
    {"yyyymmdd", Yyyymmdd},
    {"yyyymm", Yyyymm},
    {"yymmdd", Yymmdd},
    {"dd/mm/yy", DayFirstShortYear},
    {"dd.mm.yy", DayFirstShortYear},
    {"dd-mm-yy", DayFirstShortYear},
    {"yy.mm.dd", YyDotted},
    {"yy/mm/dd", YySlashed},
    {"dd mon yy", DdMonYy},
    {"mon dd, yy", MonDdYy},
    {"yyyy-mm-ddThh24:mi:ss.fff", TsToBlank},
    {"mm.dd.yyyy hh24.mi.ss", DottedUsDateTime},
    {"dd.mm.yyyy hh24:mi:ss", DottedDayFirstDateTime},
    {"yyyymmdd hh24:mi:ss", CompactDateTime},
    {"yyyy_mm_dd_hh24:mi:ss", UnderscoreDateUnderscoreTime},
    {"yyyy_mm_dd hh24:mi:ss", UnderscoreDate},
    {"yyyy_mm_dd hh24_mi_ss", UnderscoreDateTime},
    {"yyyy-mm-dd-hh24.mi.ss.ffffff", DashedDateDottedTime},
    {"yyyy-mm-dd hh24.mi.ss.ff", First19},
    {"yyyy.mm.dd hh24:mi:ss.fff", DottedFirst19},
    {"yyyymmddhh24miss", CompactDateTimeNoBlank},
    {"dd.mm.yyyy.", TrailingDotDate},
    {"dd.mm.yyyy. hh24:mi:ss", TrailingDotDateTime},
    {"yyyy:mm:dd", ColonDate},
    {"yyyy:mm:dd hh24:mi:ss", ColonDateTime},
    {"yyyy:mm:dd hh24:mi:ssTZR", ColonDateTime},
    {"dy mon dd hh24:mi:ss TZR yyyy", UnixDate},
    {"dd/mon/yyyy:hh24:mi:ss TZR", LogDate},
    {"yyyy-mm-dd hh24:mi:ss UTC", NoUtc},
};

// Format names compare exactly here.
const QHash<QString, TRewrite>& Rewrites()
{
    static const QHash<QString, TRewrite> rewrites = [] {
        QHash<QString, TRewrite> map;
        for (const TRewriteRule& rule : RewriteRules)
            map.insert(QString::fromLatin1(rule.Format), rule.Rewrite);
        return map;
    }();
    return rewrites;
}

const QString IsoDateOpen = QStringLiteral("ISODate(\"");
const QString IsoDateClose = QStringLiteral("\")");

// The quoted text of ISODate("..."); the marker is found in any letter case,
// as detection finds it. A value without the marker is left as it is.
QString IsoDateContent(const QString& v)
{
    const qsizetype open = v.indexOf(IsoDateOpen, 0, Qt::CaseInsensitive);
    if (open < 0)
        return v;
    const qsizetype start = open + IsoDateOpen.size();
    const qsizetype close = v.indexOf(IsoDateClose, start);
    return close < 0 ? v.mid(start) : v.mid(start, close - start);
}

const QRegularExpression& ZonePattern()
{
    static const QRegularExpression pattern = [] {
        QRegularExpression p(QStringLiteral(R"([+|-]?(2[0-4]|1[0-9]|0?[0-9]):?([0-5]?[0-9])?$)"));
        p.optimize();
        return p;
    }();
    return pattern;
}

const QRegularExpression& FractionPattern()
{
    static const QRegularExpression pattern = [] {
        QRegularExpression p(QStringLiteral(R"(([\:|\.]\d{1,9})\s?[A|a|P|p]?[M|m]?$)"));
        p.optimize();
        return p;
    }();
    return pattern;
}

// The zone pattern also matches the end of a clock time ("15:00" of
// 10:15:00), of a fraction or of a date ("-31" of 2020-01-31); cutting that
// off would break a value that has no zone at all. A zone follows a clock
// time and is signed or stands apart after a blank.
bool IsZone(const QString& value, const QRegularExpressionMatch& match)
{
    const qsizetype start = match.capturedStart(0);
    if (!value.left(start).contains(QLatin1Char(':')))
        return false;
    const QChar first = value[start];
    if (first == QLatin1Char('+') || first == QLatin1Char('-') || first == QLatin1Char('|'))
        return true;
    return start > 0 && value[start - 1].isSpace();
}

// The fraction pattern also matches the seconds of a time without a
// fraction (":00" of 10:15:00), which two rewrites above leave behind after
// cutting the fraction off; a fraction follows hours, minutes and seconds.
bool FollowsSeconds(const QString& value, const QRegularExpressionMatch& match)
{
    static const QRegularExpression time(QStringLiteral(R"(\d{1,2}[:.]\d{1,2}[:.]\d{1,2}$)"));
    return time.match(QStringView(value).left(match.capturedStart(1))).hasMatch();
}

}  // namespace

TAccessDateFormatParser::TAccessDateFormatParser() : TDateFormatParser(TDeferInit{})
{
    Initialize();
}

QString TAccessDateFormatParser::TranslateFormat(const QString& format) const
{
    QString result = format;
    result.replace(QStringLiteral("hh24"), QStringLiteral("hh"));
    result.replace(QLatin1Char('f'), QLatin1Char('n'));
    return result;
}

void TAccessDateFormatParser::FillConvertFormats(QStringList& formats) const
{
    for (const TRewriteRule& rule : RewriteRules)
        formats.append(QString::fromLatin1(rule.Format));
}

void TAccessDateFormatParser::ConvertValue()
{
    const auto it = Rewrites().constFind(FFormat);
    if (it != Rewrites().constEnd())
        FValue = (*it)(FValue);
}

void TAccessDateFormatParser::CleanValue()
{
    const TDateLocaleTranslator& translator = Translator();

    // Local month abbreviations become English ones.
    if (IsMonthNameFormat(FFormat)) {
        FValue = translator.TranslateMonths(FValue);
    } else if (FFormat.toUpper().contains(QStringLiteral("MON")) && translator.ContainsLocalMonth(FValue)) {
        AddMonthNameFormat(FFormat);
        FValue = translator.TranslateMonths(FValue);
    }

    // Local AM/PM designators become AM and PM.
    if (IsAmPmFormat(FFormat)) {
        FValue = translator.TranslateAmPm(FValue);
    } else if (FFormat.contains(QStringLiteral("AM")) && translator.ContainsLocalAmPm(FValue)) {
        AddAmPmFormat(FFormat);
        FValue = translator.TranslateAmPm(FValue);
    }

    const bool isoDate = FFormat.contains(DateFormatNames::ISODate);
    if (isoDate)
        FValue = IsoDateContent(FValue);

    // The zone is cut off; the clock time stays as written.
    if (isoDate || FFormat.contains(QStringLiteral("TZR"))) {
        const QRegularExpressionMatch zone = ZonePattern().match(FValue);
        if (zone.hasMatch() && IsZone(FValue, zone))
            FValue.remove(zone.capturedStart(0), zone.capturedLength(0));
        if (FValue.endsWith(QStringLiteral("GMT")))
            FValue = Before(FValue, QStringLiteral("GMT"));
        else if (FValue.endsWith(QStringLiteral("UTC")))
            FValue = Before(FValue, QStringLiteral("UTC"));
    }

    if (FValue.endsWith(QLatin1Char('Z')))
        FValue.chop(1);

    // Access keeps no fractions of a second.
    if (isoDate || FFormat.contains(QLatin1Char('f'))) {
        const QRegularExpressionMatch fraction = FractionPattern().match(FValue);
        // Cut where it was found: the same digits may occur earlier ("10.15.00.1").
        if (fraction.hasMatch() && FollowsSeconds(FValue, fraction))
            FValue.remove(fraction.capturedStart(1), fraction.capturedLength(1));
    }

    if (FFormat.contains(QStringLiteral("dy"))) {
        if (FFormat.contains(QStringLiteral("dy,")))
            FValue = After(FValue, QStringLiteral(",")).trimmed();
        else
            FValue = After(FValue, Blank).trimmed();
    }

    FValue = ReplaceFirst(FValue, QStringLiteral("T"), Blank);
}
