#include "UDateLocaleTranslator.h"

#include "UUserLocale.h"
#include "UValueText.h"

namespace {

// An empty local name would "occur" in every text; such names are ignored.
bool ContainsName(const QString& value, const QString& name)
{
    return !name.isEmpty() && value.contains(name);
}

}  // namespace

TDateLocaleTranslator::TDateLocaleTranslator()
{
    const TUserLocaleData& locale = TUserLocale::Current();
    FLocalAmPm = {locale.TimeAMString, locale.TimePMString};
    FLocalMonths = locale.ShortMonthNames;
    while (FLocalMonths.size() < 12)
        FLocalMonths.append(QString());
}

const QStringList& TDateLocaleTranslator::EnglishMonths()
{
    static const QStringList months = {
        QStringLiteral("jan"), QStringLiteral("feb"), QStringLiteral("mar"), QStringLiteral("apr"),
        QStringLiteral("may"), QStringLiteral("jun"), QStringLiteral("jul"), QStringLiteral("aug"),
        QStringLiteral("sep"), QStringLiteral("oct"), QStringLiteral("nov"), QStringLiteral("dec")};
    return months;
}

bool TDateLocaleTranslator::ContainsLocalAmPm(const QString& value) const
{
    return ContainsName(value, FLocalAmPm[0]) || ContainsName(value, FLocalAmPm[1]);
}

QString TDateLocaleTranslator::TranslateAmPm(const QString& value) const
{
    QString result = value;
    if (!FLocalAmPm[0].isEmpty())
        result = ValueText::ReplaceFirst(result, FLocalAmPm[0], QStringLiteral("AM"));
    if (!FLocalAmPm[1].isEmpty())
        result = ValueText::ReplaceFirst(result, FLocalAmPm[1], QStringLiteral("PM"));
    return result;
}

bool TDateLocaleTranslator::ContainsLocalMonth(const QString& value) const
{
    for (const QString& month : FLocalMonths)
        if (ContainsName(value, month))
            return true;
    return false;
}

QString TDateLocaleTranslator::TranslateMonths(const QString& value) const
{
    QString result = value;
    const QStringList& english = EnglishMonths();
    for (int m = 0; m < 12; ++m)
        if (!FLocalMonths[m].isEmpty())
            result = ValueText::ReplaceFirst(result, FLocalMonths[m], english[m]);
    return result;
}
