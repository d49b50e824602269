#pragma once
// TNumberFormatParser: which local habit a number text follows (decimal
// comma, trailing minus, yes/no words, hexadecimal, dollar sign,
// NumberInt(...)/NumberLong(...)) and its rewrite into a plain number text.
// Callers classify a column once, from its first value, and convert every
// later value with that class.

#include <QString>

enum TNumberFormat {
    nfUndefined = 0,
    nfNethedland = 1,
    nfBoolean = 2,
    nfHex = 3,
    nfDollar = 4,
    nfNumberInt = 5,
    nfNumberLong = 6,
    nfNormal = 7,
};

// The enumeration name, as the log shows it ("nfHex").
QString NumberFormatName(TNumberFormat format);

class TNumberFormatParser {
public:
    // Takes the decimal separator of the user's locale.
    TNumberFormatParser();

    TNumberFormat DetectNumberFormat(const QString& text) const;
    // mode "DB" selects the database rules; any other mode (such as "SQL")
    // the rules for statements written to a file. Raises the conversion error
    // of a hexadecimal text that is not a 64-bit number.
    QString ConvertNumber(const QString& text, TNumberFormat format, const QString& mode) const;

    QChar DecimalSeparator() const { return FDecimalSeparator; }

    // "null" or "(null)", letter case counting.
    static bool IsNullText(const QString& text);
    // Empty, "-", "--", or "N/A" in any letter case.
    static bool IsEmptyMarker(const QString& text);

private:
    QString ConvertByClass(const QString& text, TNumberFormat format, bool databaseMode) const;

    QChar FDecimalSeparator;
};
