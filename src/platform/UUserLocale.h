#pragma once
// The user's locale as the program reads it: a process-wide set of values
// taken from the system locale at first use. Tests set their own values.

#include <QString>
#include <QStringList>

struct TUserLocaleData {
    QChar DecimalSeparator = QLatin1Char('.');
    QChar ThousandSeparator = QLatin1Char(',');
    QChar DateSeparator = QLatin1Char('/');
    QChar TimeSeparator = QLatin1Char(':');
    QString TimeAMString = QStringLiteral("AM");
    QString TimePMString = QStringLiteral("PM");
    QStringList ShortMonthNames;   // 12 entries, January first
    QStringList LongMonthNames;
    QStringList ShortDayNames;     // 7 entries, Sunday first
    QStringList LongDayNames;
    QString LanguageName;          // display name of the default locale's language
    QString ShortDateFormat = QStringLiteral("M/d/yyyy");

    // The values of the system locale.
    static TUserLocaleData FromSystem();
    // English month and day names, "." and ":" separators: the values of the "C" locale.
    static TUserLocaleData English();
};

class TUserLocale {
public:
    static const TUserLocaleData& Current();
    static void Set(const TUserLocaleData& data);
    // Back to the system locale's values.
    static void Reset();

    static QChar DecimalSeparator() { return Current().DecimalSeparator; }
    static QChar TimeSeparator() { return Current().TimeSeparator; }
    static const QString& TimeAMString() { return Current().TimeAMString; }
    static const QString& TimePMString() { return Current().TimePMString; }
    static const QStringList& ShortMonthNames() { return Current().ShortMonthNames; }
    static const QString& LanguageName() { return Current().LanguageName; }
};
