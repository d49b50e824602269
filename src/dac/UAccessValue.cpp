#include "UAccessValue.h"

#include "UAccessDateText.h"
#include "UException.h"

#include <QDate>
#include <QDateTime>
#include <cmath>

namespace AccessText {
const QString TypeMismatch = QStringLiteral("Data type mismatch in criteria expression.");
const QString OutOfRange = QStringLiteral("Numeric value out of range");
const QString FieldTooSmall = QStringLiteral(
    "The field is too small to accept the amount of data you attempted to add. "
    "Try inserting or pasting less data.");
}

namespace {

QString Shown(const QVariant& value)
{
    QString s = value.typeId() == QMetaType::QByteArray ? QStringLiteral("<binary>") : value.toString();
    if (s.size() > 50)
        s = s.left(47) + QStringLiteral("...");
    return s;
}

[[noreturn]] void Refuse(const QString& text, const QString& column, const QVariant& value)
{
    throw Exception(QStringLiteral("%1 Field \"%2\", value \"%3\".").arg(text, column, Shown(value)));
}

bool IsIntegerVariant(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::Int: case QMetaType::UInt: case QMetaType::LongLong: case QMetaType::ULongLong:
    case QMetaType::Short: case QMetaType::UShort: case QMetaType::Long: case QMetaType::ULong:
    case QMetaType::Char: case QMetaType::SChar: case QMetaType::UChar:
        return true;
    default:
        return false;
    }
}

bool IsFloatVariant(const QVariant& v)
{
    return v.typeId() == QMetaType::Double || v.typeId() == QMetaType::Float;
}

// A number text in the engine's own form: optional sign, digits, "." and an exponent.
bool ParseNumberText(const QString& text, bool& isInteger, qint64& integer, double& real)
{
    const QString s = text.trimmed();
    if (s.isEmpty())
        return false;
    bool ok = false;
    integer = s.toLongLong(&ok);
    if (ok) {
        isInteger = true;
        real = static_cast<double>(integer);
        return true;
    }
    real = s.toDouble(&ok);  // C locale: "." is the decimal point
    if (!ok || !std::isfinite(real))
        return false;
    isInteger = false;
    return true;
}

// Both the exact integer (when there is one) and the floating-point value of a number.
bool NumberOf(const QVariant& value, bool& isInteger, qint64& integer, double& real)
{
    if (value.typeId() == QMetaType::Bool) {
        isInteger = true;
        integer = value.toBool() ? -1 : 0;
        real = static_cast<double>(integer);
        return true;
    }
    if (IsIntegerVariant(value)) {
        isInteger = true;
        integer = value.toLongLong();
        real = static_cast<double>(integer);
        return true;
    }
    if (IsFloatVariant(value)) {
        real = value.toDouble();
        isInteger = false;
        return std::isfinite(real);
    }
    if (value.typeId() == QMetaType::QString)
        return ParseNumberText(value.toString(), isInteger, integer, real);
    return false;
}

QVariant ToInteger(const QVariant& value, const TAccessColumnType& type, const QString& column)
{
    bool isInteger = false;
    qint64 n = 0;
    double d = 0;
    if (!NumberOf(value, isInteger, n, d))
        Refuse(AccessText::TypeMismatch, column, value);
    if (!isInteger) {
        // Access rounds to the nearest integer, halves to the even one.
        const double r = std::nearbyint(d);
        if (std::fabs(r) > 9.2e18)
            Refuse(AccessText::OutOfRange, column, value);
        n = static_cast<qint64>(r);
    }
    if (n < type.MinInteger() || n > type.MaxInteger())
        Refuse(AccessText::OutOfRange, column, value);
    return QVariant(n);
}

QVariant ToReal(const QVariant& value, const TAccessColumnType& type, const QString& column)
{
    bool isInteger = false;
    qint64 n = 0;
    double d = 0;
    if (!NumberOf(value, isInteger, n, d))
        Refuse(AccessText::TypeMismatch, column, value);
    if (type.Kind == TAccessKind::Currency)
        d = std::nearbyint(d * 10000.0) / 10000.0;
    else if (type.Kind == TAccessKind::Decimal)
        d = std::nearbyint(d * std::pow(10.0, type.Scale)) / std::pow(10.0, type.Scale);
    const double max = type.MaxMagnitude();
    if (type.Kind == TAccessKind::Decimal ? std::fabs(d) >= max : std::fabs(d) > max)
        Refuse(AccessText::OutOfRange, column, value);
    // Whole numbers of integer origin stay exact.
    if (isInteger && type.Kind != TAccessKind::Single && std::fabs(d) < 9.0e15)
        return QVariant(static_cast<qint64>(d));
    return QVariant(d);
}

}  // namespace

// The stored form itself, checked without the general reader: the writers
// hand over most dates this way.
bool IsStoredAccessDate(const QString& s)
{
    if (s.size() != 19 || s[4] != QLatin1Char('-') || s[7] != QLatin1Char('-') || s[10] != QLatin1Char(' ')
        || s[13] != QLatin1Char(':') || s[16] != QLatin1Char(':'))
        return false;
    auto num = [&](int at, int len) {
        int v = 0;
        for (int i = at; i < at + len; ++i) {
            const char16_t c = s[i].unicode();
            if (c < u'0' || c > u'9')
                return -1;
            v = v * 10 + (c - u'0');
        }
        return v;
    };
    const int y = num(0, 4), m = num(5, 2), d = num(8, 2), h = num(11, 2), n = num(14, 2), sec = num(17, 2);
    return y >= 100 && QDate::isValid(y, m, d) && QTime::isValid(h, n, sec);
}

namespace {

QVariant ToDate(const QVariant& value, const QString& column)
{
    QString stored;
    switch (value.typeId()) {
    case QMetaType::QDateTime:
        if (value.toDateTime().isValid() && value.toDateTime().date().year() >= 100)
            return FormatAccessDate(value.toDateTime());
        break;
    case QMetaType::QDate:
        if (value.toDate().isValid() && value.toDate().year() >= 100)
            return FormatAccessDate(QDateTime(value.toDate(), QTime(0, 0)));
        break;
    case QMetaType::QString:
        if (IsStoredAccessDate(*static_cast<const QString*>(value.constData())))
            return value;
        if (TryParseAccessDateText(value.toString(), stored))
            return stored;
        break;
    case QMetaType::Bool:
        break;
    default:
        if ((IsIntegerVariant(value) || IsFloatVariant(value)) && TryAccessDateFromSerial(value.toDouble(), stored))
            return stored;
    }
    Refuse(AccessText::TypeMismatch, column, value);
}

QVariant ToBit(const QVariant& value, const QString& column)
{
    if (value.typeId() == QMetaType::QString) {
        const QString s = value.toString().trimmed().toLower();
        if (s == QLatin1String("true") || s == QLatin1String("yes") || s == QLatin1String("on"))
            return QVariant(qint64(-1));
        if (s == QLatin1String("false") || s == QLatin1String("no") || s == QLatin1String("off"))
            return QVariant(qint64(0));
    }
    bool isInteger = false;
    qint64 n = 0;
    double d = 0;
    if (!NumberOf(value, isInteger, n, d))
        Refuse(AccessText::TypeMismatch, column, value);
    return QVariant(qint64(d != 0 ? -1 : 0));
}

QString TextOf(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Bool: return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case QMetaType::Double: return QString::number(value.toDouble(), 'g', 15);
    case QMetaType::QDateTime: return FormatAccessDate(value.toDateTime());
    case QMetaType::QDate: return FormatAccessDate(QDateTime(value.toDate(), QTime(0, 0)));
    case QMetaType::QByteArray: return QString::fromUtf8(value.toByteArray());
    default: return value.toString();
    }
}

// Characters as the engine counts them: a pair of surrogates is one.
qsizetype CharCount(const QString& s)
{
    qsizetype n = s.size();
    for (QChar c : s)
        if (c.isLowSurrogate())
            --n;
    return n;
}

}  // namespace

bool FitsAccessText(const QString& text, const TAccessColumnType& type)
{
    return text.size() <= type.Length || CharCount(text) <= type.Length;
}

QVariant ConvertAccessValue(const QVariant& value, const TAccessColumnType& type, const QString& column)
{
    if (value.isNull())
        return QVariant();
    switch (type.Kind) {
    case TAccessKind::Text: {
        QString s = TextOf(value);
        if (!FitsAccessText(s, type))
            throw Exception(QStringLiteral("%1 Field \"%2\", %3 characters for at most %4.")
                                .arg(AccessText::FieldTooSmall, column, QString::number(CharCount(s)),
                                     QString::number(type.Length)));
        return s;
    }
    case TAccessKind::Memo:
        return TextOf(value);
    case TAccessKind::Byte:
    case TAccessKind::Short:
    case TAccessKind::Long:
    case TAccessKind::Counter:
        return ToInteger(value, type, column);
    case TAccessKind::Single:
    case TAccessKind::Double:
    case TAccessKind::Currency:
    case TAccessKind::Decimal:
        return ToReal(value, type, column);
    case TAccessKind::DateTime:
        return ToDate(value, column);
    case TAccessKind::Bit:
        return ToBit(value, column);
    case TAccessKind::Binary:
        if (value.typeId() == QMetaType::QByteArray)
            return value;
        if (value.typeId() == QMetaType::QString)
            return value.toString().toUtf8();
        Refuse(AccessText::TypeMismatch, column, value);
    case TAccessKind::Unknown:
        break;
    }
    return NormalizeAccessValue(value);
}

QVariant NormalizeAccessValue(const QVariant& value)
{
    if (value.isNull())
        return QVariant();
    if (value.typeId() == QMetaType::Bool)
        return QVariant(qint64(value.toBool() ? -1 : 0));
    if (IsIntegerVariant(value))
        return QVariant(value.toLongLong());
    if (IsFloatVariant(value))
        return QVariant(value.toDouble());
    if (value.typeId() == QMetaType::QByteArray)
        return value;
    return TextOf(value);
}

QString AccessValueLiteral(const QVariant& converted)
{
    if (converted.isNull())
        return QStringLiteral("NULL");
    switch (converted.typeId()) {
    case QMetaType::LongLong:
        return QString::number(converted.toLongLong());
    case QMetaType::Double:
        return QString::number(converted.toDouble(), 'g', 17);
    case QMetaType::QByteArray:
        return QStringLiteral("X'%1'").arg(QString::fromLatin1(converted.toByteArray().toHex()));
    default: {
        QString s = converted.toString();
        s.replace(QLatin1Char('\''), QLatin1String("''"));
        return QLatin1Char('\'') + s + QLatin1Char('\'');
    }
    }
}
