#include "UUserLocale.h"

#include <QLocale>
#include <QRegularExpression>
#include <optional>

namespace {

std::optional<TUserLocaleData>& Stored()
{
    static std::optional<TUserLocaleData> data;
    return data;
}

QStringList MonthNames(const QLocale& locale, QLocale::FormatType type)
{
    QStringList names;
    for (int m = 1; m <= 12; ++m)
        names.append(locale.monthName(m, type));
    return names;
}

QStringList DayNames(const QLocale& locale, QLocale::FormatType type)
{
    QStringList names;
    names.append(locale.dayName(7, type));  // Sunday first, as the platform lists them
    for (int d = 1; d <= 6; ++d)
        names.append(locale.dayName(d, type));
    return names;
}

TUserLocaleData FromLocale(const QLocale& locale)
{
    TUserLocaleData d;
    d.DecimalSeparator = locale.decimalPoint().isEmpty() ? QLatin1Char('.') : locale.decimalPoint().front();
    d.ThousandSeparator = locale.groupSeparator().isEmpty() ? QLatin1Char(',') : locale.groupSeparator().front();
    // The separators are the first non-letter characters of the short formats.
    static const QRegularExpression sep(QStringLiteral("[^a-zA-Z]"));
    const QString timeFormat = locale.timeFormat(QLocale::ShortFormat);
    const auto tm = sep.match(timeFormat);
    d.TimeSeparator = tm.hasMatch() ? tm.captured(0).front() : QLatin1Char(':');
    const QString dateFormat = locale.dateFormat(QLocale::ShortFormat);
    const auto dm = sep.match(dateFormat);
    d.DateSeparator = dm.hasMatch() ? dm.captured(0).front() : QLatin1Char('/');
    d.ShortDateFormat = dateFormat;
    d.TimeAMString = locale.amText();
    d.TimePMString = locale.pmText();
    d.ShortMonthNames = MonthNames(locale, QLocale::ShortFormat);
    d.LongMonthNames = MonthNames(locale, QLocale::LongFormat);
    d.ShortDayNames = DayNames(locale, QLocale::ShortFormat);
    d.LongDayNames = DayNames(locale, QLocale::LongFormat);
    d.LanguageName = QLocale::languageToString(locale.language());
    return d;
}

}  // namespace

TUserLocaleData TUserLocaleData::FromSystem()
{
    return FromLocale(QLocale::system());
}

TUserLocaleData TUserLocaleData::English()
{
    TUserLocaleData d = FromLocale(QLocale::c());
    d.LanguageName = QStringLiteral("English");
    return d;
}

const TUserLocaleData& TUserLocale::Current()
{
    auto& data = Stored();
    if (!data)
        data = TUserLocaleData::FromSystem();
    return *data;
}

void TUserLocale::Set(const TUserLocaleData& data)
{
    Stored() = data;
}

void TUserLocale::Reset()
{
    Stored().reset();
}
