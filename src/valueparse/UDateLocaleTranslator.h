#pragma once
// TDateLocaleTranslator: turns the user's local month abbreviations and AM/PM
// designators inside a date text into the English ones the database reads.
// The local names are taken from the user's locale when the translator is
// created; comparisons are exact (letter case counts).

#include <QString>
#include <QStringList>

class TDateLocaleTranslator {
public:
    TDateLocaleTranslator();

    bool ContainsLocalAmPm(const QString& value) const;
    // The first local AM designator becomes "AM", then the first PM one "PM".
    QString TranslateAmPm(const QString& value) const;
    bool ContainsLocalMonth(const QString& value) const;
    // Month by month, the first occurrence of the local abbreviation becomes
    // the lower-case English one.
    QString TranslateMonths(const QString& value) const;

    const QStringList& LocalAmPm() const { return FLocalAmPm; }
    const QStringList& LocalMonths() const { return FLocalMonths; }
    static const QStringList& EnglishMonths();

private:
    QStringList FLocalAmPm;    // AM, PM
    QStringList FLocalMonths;  // January first
};
