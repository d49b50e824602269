#include "UNumberFormatParser.h"

#include "UException.h"
#include "UUserLocale.h"
#include "UValueText.h"

#include <QRegularExpression>
#include <cmath>

namespace {

const QString DatabaseMode = QStringLiteral("DB");

bool IsNethedland(const QString& text, QChar decimalSeparator)
{
    if (text.endsWith(QLatin1Char('-')))
        return true;
    const qsizetype comma = text.indexOf(QLatin1Char(','));
    if (comma < 0 || comma + 1 >= text.size())
        return false;
    const QString after = text.mid(comma + 1);
    if (after.size() == 3)
        return text.left(comma) == QStringLiteral("0") || decimalSeparator == QLatin1Char(',');
    return !after.contains(QLatin1Char(','));
}

bool IsBooleanWord(const QString& word)
{
    static const QStringList words = {
        QStringLiteral("true"), QStringLiteral("false"), QStringLiteral("y"),  QStringLiteral("n"),
        QStringLiteral("yes"),  QStringLiteral("no"),    QStringLiteral("是"), QStringLiteral("否")};
    return words.contains(word);
}

bool IsTrueWord(const QString& word)
{
    static const QStringList words = {QStringLiteral("true"), QStringLiteral("y"), QStringLiteral("yes"),
                                      QStringLiteral("是")};
    return words.contains(word);
}

// A decimal number in exponent notation (1E5, 6.02E23). Its only letter is
// an E, so it would pass for hexadecimal; JSON numbers keep their source text,
// and reading such a column as hexadecimal would store 485 for 1E5 and 16 for 10.
bool IsExponentNumber(const QString& text)
{
    static const QRegularExpression exponent(QStringLiteral(R"(^\d+(\.\d*)?[Ee][+-]?\d+$)"));
    return exponent.match(text).hasMatch();
}

bool IsHex(const QString& text)
{
    if (text.isEmpty())
        return false;
    bool letter = false;
    for (const QChar c : text) {
        if (c >= QLatin1Char('A') && c <= QLatin1Char('F'))
            letter = true;
        else if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return letter && !IsExponentNumber(text);
}

// The way the platform writes a floating-point value in its general format:
// plain digits up to 15 significant digits, else a mantissa and an exponent
// (9.22337203685478E18).
QString GeneralFloatText(qint64 number)
{
    if (std::llabs(number) < 1000000000000000LL)
        return QString::number(number);
    QString text = QString::number(double(number), 'g', 15);
    const qsizetype e = text.indexOf(QLatin1Char('e'));
    if (e < 0)
        return text;
    QString exponent = text.mid(e + 1);
    if (exponent.startsWith(QLatin1Char('+')))
        exponent.remove(0, 1);
    while (exponent.size() > 1 && exponent.front() == QLatin1Char('0'))
        exponent.remove(0, 1);
    return text.left(e) + QLatin1Char('E') + exponent;
}

QString HexToDecimal(const QString& text)
{
    bool ok = false;
    const qulonglong value = text.trimmed().toULongLong(&ok, 16);
    if (!ok || text.trimmed().startsWith(QLatin1Char('-')) || text.trimmed().startsWith(QLatin1Char('+')))
        throw Exception(QLatin1Char('\'') + text + QStringLiteral("' is not a valid integer value"));
    // 16 hexadecimal digits fill all 64 bits; the top one is the sign.
    return GeneralFloatText(qint64(value));
}

// 1.234,50- becomes -1.234,50.
QString TrailingMinus(const QString& text)
{
    if (!text.endsWith(QLatin1Char('-')))
        return text;
    return QLatin1Char('-') + text.left(text.indexOf(QLatin1Char('-')));
}

// The text after marker, one trailing ")" removed; a text without the marker
// is left as it is (a later value of the column may be a plain number).
QString Unwrap(const QString& text, const QString& marker)
{
    const qsizetype at = text.indexOf(marker);
    if (at < 0)
        return text;
    QString inner = text.mid(at + marker.size());
    if (inner.endsWith(QLatin1Char(')')))
        inner.chop(1);
    return inner;
}

}  // namespace

QString NumberFormatName(TNumberFormat format)
{
    switch (format) {
    case nfUndefined: return QStringLiteral("nfUndefined");
    case nfNethedland: return QStringLiteral("nfNethedland");
    case nfBoolean: return QStringLiteral("nfBoolean");
    case nfHex: return QStringLiteral("nfHex");
    case nfDollar: return QStringLiteral("nfDollar");
    case nfNumberInt: return QStringLiteral("nfNumberInt");
    case nfNumberLong: return QStringLiteral("nfNumberLong");
    case nfNormal: return QStringLiteral("nfNormal");
    }
    return QString::number(int(format));
}

TNumberFormatParser::TNumberFormatParser() : FDecimalSeparator(TUserLocale::DecimalSeparator()) {}

TNumberFormat TNumberFormatParser::DetectNumberFormat(const QString& text) const
{
    if (IsNethedland(text, FDecimalSeparator))
        return nfNethedland;
    const QString trimmed = text.trimmed();
    if (IsBooleanWord(trimmed.toLower()))
        return nfBoolean;
    if (IsHex(text))
        return nfHex;
    if (trimmed.startsWith(QLatin1Char('$')) || trimmed.startsWith(QStringLiteral("US$")))
        return nfDollar;
    if (trimmed.startsWith(QStringLiteral("NumberInt")))
        return nfNumberInt;
    if (trimmed.startsWith(QStringLiteral("NumberLong")))
        return nfNumberLong;
    return nfNormal;
}

QString TNumberFormatParser::ConvertByClass(const QString& text, TNumberFormat format, bool databaseMode) const
{
    const bool commaLocale = FDecimalSeparator == QLatin1Char(',');
    switch (format) {
    case nfNethedland: {
        if (!databaseMode && commaLocale)
            return text;
        QString result = TrailingMinus(text);
        result.remove(QLatin1Char('.'));
        result.replace(QLatin1Char(','), QLatin1Char('.'));
        return result;
    }
    case nfBoolean:
        return IsTrueWord(text.trimmed().toLower()) ? QStringLiteral("1") : QStringLiteral("0");
    case nfHex:
        return HexToDecimal(text);
    case nfDollar: {
        const qsizetype at = text.indexOf(QLatin1Char('$'));
        return at < 0 ? text : text.mid(at + 1);
    }
    case nfNumberInt:
        return Unwrap(text, QStringLiteral("NumberInt("));
    case nfNumberLong:
        return Unwrap(text, QStringLiteral("NumberLong("));
    case nfUndefined:
    case nfNormal:
        break;
    }
    QString result = text;
    if (!databaseMode && commaLocale)
        result.replace(QLatin1Char('.'), QLatin1Char(','));
    else
        result.remove(QLatin1Char(','));
    return result;
}

QString TNumberFormatParser::ConvertNumber(const QString& text, TNumberFormat format, const QString& mode) const
{
    const bool databaseMode = mode == DatabaseMode;
    QString result = ConvertByClass(text, format, databaseMode);
    if (!databaseMode && FDecimalSeparator != QLatin1Char(' ') && FDecimalSeparator != QLatin1Char(','))
        result.replace(QLatin1Char('.'), FDecimalSeparator);
    result = ValueText::Unquote(result, QLatin1Char('\''));
    result = ValueText::Unquote(result, QLatin1Char('"'));
    return result.trimmed();
}

bool TNumberFormatParser::IsNullText(const QString& text)
{
    return text == QStringLiteral("null") || text == QStringLiteral("(null)");
}

bool TNumberFormatParser::IsEmptyMarker(const QString& text)
{
    return text.isEmpty() || text == QStringLiteral("-") || text == QStringLiteral("--") ||
           text.toUpper() == QStringLiteral("N/A");
}
