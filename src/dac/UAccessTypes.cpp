#include "UAccessTypes.h"

#include <QRegularExpression>
#include <cmath>

namespace {

struct TTypeAlias {
    const char* Name;
    TAccessKind Kind;
};

// Names compared after upper-casing and removing blanks ("OLE Object" -> OLEOBJECT).
constexpr TTypeAlias KAliases[] = {
    {"TEXT", TAccessKind::Text}, {"CHAR", TAccessKind::Text}, {"VARCHAR", TAccessKind::Text},
    {"CHARACTER", TAccessKind::Text}, {"STRING", TAccessKind::Text}, {"ALPHANUMERIC", TAccessKind::Text},
    {"NCHAR", TAccessKind::Text}, {"NVARCHAR", TAccessKind::Text},
    {"MEMO", TAccessKind::Memo}, {"LONGTEXT", TAccessKind::Memo}, {"LONGCHAR", TAccessKind::Memo},
    {"NOTE", TAccessKind::Memo}, {"NTEXT", TAccessKind::Memo},
    {"BYTE", TAccessKind::Byte}, {"TINYINT", TAccessKind::Byte}, {"INTEGER1", TAccessKind::Byte},
    {"SHORT", TAccessKind::Short}, {"SMALLINT", TAccessKind::Short}, {"INTEGER2", TAccessKind::Short},
    {"LONG", TAccessKind::Long}, {"INTEGER", TAccessKind::Long}, {"INT", TAccessKind::Long},
    {"INTEGER4", TAccessKind::Long}, {"LONGINTEGER", TAccessKind::Long},
    {"SINGLE", TAccessKind::Single}, {"REAL", TAccessKind::Single}, {"FLOAT4", TAccessKind::Single},
    {"IEEESINGLE", TAccessKind::Single},
    {"DOUBLE", TAccessKind::Double}, {"FLOAT", TAccessKind::Double}, {"NUMBER", TAccessKind::Double},
    {"FLOAT8", TAccessKind::Double}, {"IEEEDOUBLE", TAccessKind::Double},
    {"DOUBLEPRECISION", TAccessKind::Double},
    {"CURRENCY", TAccessKind::Currency}, {"MONEY", TAccessKind::Currency},
    {"DECIMAL", TAccessKind::Decimal}, {"NUMERIC", TAccessKind::Decimal}, {"DEC", TAccessKind::Decimal},
    {"DATETIME", TAccessKind::DateTime}, {"DATE", TAccessKind::DateTime}, {"TIME", TAccessKind::DateTime},
    {"TIMESTAMP", TAccessKind::DateTime},
    {"YESNO", TAccessKind::Bit}, {"BIT", TAccessKind::Bit}, {"LOGICAL", TAccessKind::Bit},
    {"LOGICAL1", TAccessKind::Bit}, {"BOOLEAN", TAccessKind::Bit},
    {"COUNTER", TAccessKind::Counter}, {"AUTOINCREMENT", TAccessKind::Counter},
    {"AUTONUMBER", TAccessKind::Counter},
    {"LONGBINARY", TAccessKind::Binary}, {"OLEOBJECT", TAccessKind::Binary}, {"BINARY", TAccessKind::Binary},
    {"VARBINARY", TAccessKind::Binary}, {"GENERAL", TAccessKind::Binary}, {"IMAGE", TAccessKind::Binary},
};

const QString KCheckPrefix = QStringLiteral("ck$");

QString CheckWord(TAccessCheck check)
{
    switch (check) {
    case TAccessCheck::Type: return QStringLiteral("type");
    case TAccessCheck::Range: return QStringLiteral("range");
    case TAccessCheck::Length: return QStringLiteral("length");
    }
    return QString();
}

QString Num(double v)
{
    return QString::number(v, 'g', 17);
}

}  // namespace

bool TAccessColumnType::TryParse(const QString& typeText, TAccessColumnType& type)
{
    static const QRegularExpression KForm(
        QStringLiteral("^\\s*([A-Za-z][A-Za-z0-9 ]*?)\\s*(?:\\(\\s*(\\d+)\\s*(?:,\\s*(\\d+)\\s*)?\\))?\\s*$"));
    const auto m = KForm.match(typeText);
    if (!m.hasMatch())
        return false;
    QString name = m.captured(1).toUpper();
    name.remove(QLatin1Char(' '));
    const bool hasArg1 = m.capturedLength(2) > 0;
    const bool hasArg2 = m.capturedLength(3) > 0;
    const int arg1 = m.captured(2).toInt();
    const int arg2 = m.captured(3).toInt();

    TAccessColumnType t;
    for (const auto& alias : KAliases)
        if (name == QLatin1String(alias.Name))
            t.Kind = alias.Kind;
    switch (t.Kind) {
    case TAccessKind::Unknown:
        return false;
    case TAccessKind::Text:
        if (hasArg2)
            return false;
        t.Length = hasArg1 ? arg1 : 255;
        if (t.Length < 1 || t.Length > 255)
            return false;
        break;
    case TAccessKind::Decimal:
        t.Precision = hasArg1 ? arg1 : 18;
        t.Scale = hasArg2 ? arg2 : 0;
        if (t.Precision < 1 || t.Precision > 28 || t.Scale > t.Precision)
            return false;
        break;
    case TAccessKind::Counter:   // Counter(seed, increment): the numbering starts at 1 here
    case TAccessKind::Binary:    // Binary(n): kept as long binary
        break;
    default:
        if (hasArg1)
            return false;
    }
    type = t;
    return true;
}

TAccessColumnType TAccessColumnType::FromDeclared(const QString& declared)
{
    TAccessColumnType t;
    if (TryParse(declared, t))
        return t;
    // SQLite's affinity rules, for tables that another tool wrote.
    const QString d = declared.toUpper();
    if (d.trimmed().isEmpty())
        t.Kind = TAccessKind::Unknown;
    else if (d.contains(QLatin1String("INT")))
        t.Kind = TAccessKind::Long;
    else if (d.contains(QLatin1String("CHAR")) || d.contains(QLatin1String("CLOB")) || d.contains(QLatin1String("TEXT")))
        t.Kind = TAccessKind::Memo;
    else if (d.contains(QLatin1String("BLOB")))
        t.Kind = TAccessKind::Binary;
    else
        t.Kind = TAccessKind::Double;
    return t;
}

QString TAccessColumnType::DeclaredType() const
{
    switch (Kind) {
    case TAccessKind::Text: return QStringLiteral("VARCHAR(%1)").arg(Length);
    case TAccessKind::Decimal: return QStringLiteral("DECIMAL(%1,%2)").arg(Precision).arg(Scale);
    // Not "INTEGER": an INTEGER key would be SQLite's rowid, which numbers a
    // NULL key instead of refusing it as Access does.
    case TAccessKind::Long: return QStringLiteral("INT");
    default: return TypeName();
    }
}

QString TAccessColumnType::TypeName() const
{
    switch (Kind) {
    case TAccessKind::Text: return QStringLiteral("VARCHAR");
    case TAccessKind::Memo: return QStringLiteral("LONGCHAR");
    case TAccessKind::Byte: return QStringLiteral("BYTE");
    case TAccessKind::Short: return QStringLiteral("SMALLINT");
    case TAccessKind::Long: return QStringLiteral("INTEGER");
    case TAccessKind::Single: return QStringLiteral("REAL");
    case TAccessKind::Double: return QStringLiteral("DOUBLE");
    case TAccessKind::Currency: return QStringLiteral("CURRENCY");
    case TAccessKind::Decimal: return QStringLiteral("DECIMAL");
    case TAccessKind::DateTime: return QStringLiteral("DATETIME");
    case TAccessKind::Bit: return QStringLiteral("BIT");
    case TAccessKind::Counter: return QStringLiteral("COUNTER");
    case TAccessKind::Binary: return QStringLiteral("LONGBINARY");
    case TAccessKind::Unknown: break;
    }
    return QString();
}

// The column sizes the Access driver reports.
int TAccessColumnType::DataLength() const
{
    switch (Kind) {
    case TAccessKind::Text: return Length;
    case TAccessKind::Memo:
    case TAccessKind::Binary: return 1073741823;
    case TAccessKind::Byte: return 3;
    case TAccessKind::Short: return 5;
    case TAccessKind::Long:
    case TAccessKind::Counter: return 10;
    case TAccessKind::Single: return 24;
    case TAccessKind::Double: return 53;
    case TAccessKind::Currency: return 19;
    case TAccessKind::Decimal: return Precision;
    case TAccessKind::DateTime: return 19;
    case TAccessKind::Bit: return 1;
    case TAccessKind::Unknown: break;
    }
    return 0;
}

int TAccessColumnType::DataPrecision() const
{
    switch (Kind) {
    case TAccessKind::Decimal: return Precision;
    case TAccessKind::Currency: return 19;
    default: return 0;
    }
}

int TAccessColumnType::DataScale() const
{
    switch (Kind) {
    case TAccessKind::Decimal: return Scale;
    case TAccessKind::Currency: return 4;
    default: return 0;
    }
}

TFieldType TAccessColumnType::FieldType(bool useUnicode) const
{
    switch (Kind) {
    case TAccessKind::Text: return useUnicode ? ftWideString : ftString;
    case TAccessKind::Memo: return useUnicode ? ftWideMemo : ftMemo;
    // Byte is read as a small integer so that the writers treat it as a number.
    case TAccessKind::Byte:
    case TAccessKind::Short: return ftSmallint;
    case TAccessKind::Long: return ftInteger;
    case TAccessKind::Single:
    case TAccessKind::Double: return ftFloat;
    case TAccessKind::Currency: return ftCurrency;
    case TAccessKind::Decimal: return ftBCD;
    case TAccessKind::DateTime: return ftDateTime;
    case TAccessKind::Bit: return ftBoolean;
    case TAccessKind::Counter: return ftAutoInc;
    case TAccessKind::Binary: return ftBlob;
    case TAccessKind::Unknown: break;
    }
    return useUnicode ? ftWideString : ftString;
}

bool TAccessColumnType::IsInteger() const
{
    return Kind == TAccessKind::Byte || Kind == TAccessKind::Short || Kind == TAccessKind::Long
           || Kind == TAccessKind::Counter;
}

bool TAccessColumnType::IsNumber() const
{
    return IsInteger() || Kind == TAccessKind::Single || Kind == TAccessKind::Double
           || Kind == TAccessKind::Currency || Kind == TAccessKind::Decimal;
}

qint64 TAccessColumnType::MinInteger() const
{
    switch (Kind) {
    case TAccessKind::Byte: return 0;
    case TAccessKind::Short: return -32768;
    default: return -2147483648LL;
    }
}

qint64 TAccessColumnType::MaxInteger() const
{
    switch (Kind) {
    case TAccessKind::Byte: return 255;
    case TAccessKind::Short: return 32767;
    default: return 2147483647LL;
    }
}

double TAccessColumnType::MaxMagnitude() const
{
    switch (Kind) {
    case TAccessKind::Single: return 3.402823466e38;
    case TAccessKind::Currency: return 922337203685477.5807;
    case TAccessKind::Decimal: return std::pow(10.0, Precision - Scale);
    case TAccessKind::Double: return 1.7976931348623157e308;
    default: return static_cast<double>(MaxInteger());
    }
}

QString TAccessColumnType::CheckClauses(const QString& column) const
{
    const QString c = SqliteQuote(column);
    auto check = [&](TAccessCheck kind, const QString& expr) {
        return QStringLiteral(" CONSTRAINT %1 CHECK(%2)").arg(SqliteQuote(AccessCheckName(kind, column)), expr);
    };
    // Two values at most: a longer IN list makes SQLite build a temporary index for every row inserted.
    const QString numberType = QStringLiteral("typeof(%1) NOT IN ('text','blob')").arg(c);
    switch (Kind) {
    case TAccessKind::Text:
        return check(TAccessCheck::Type, QStringLiteral("typeof(%1) IN ('text','null')").arg(c))
               + check(TAccessCheck::Length, QStringLiteral("length(%1)<=%2").arg(c, QString::number(Length)));
    case TAccessKind::Memo:
        return check(TAccessCheck::Type, QStringLiteral("typeof(%1) IN ('text','null')").arg(c));
    case TAccessKind::Byte:
    case TAccessKind::Short:
    case TAccessKind::Long:
        return check(TAccessCheck::Type, QStringLiteral("typeof(%1) IN ('integer','null')").arg(c))
               + check(TAccessCheck::Range, QStringLiteral("%1 BETWEEN %2 AND %3").arg(c, QString::number(MinInteger()), QString::number(MaxInteger())));
    case TAccessKind::Counter:
        return check(TAccessCheck::Type, QStringLiteral("typeof(%1) IN ('integer','null')").arg(c));
    case TAccessKind::Single:
    case TAccessKind::Double:
    case TAccessKind::Currency:
        return check(TAccessCheck::Type, numberType)
               + check(TAccessCheck::Range, QStringLiteral("abs(%1)<=%2").arg(c, Num(MaxMagnitude())));
    case TAccessKind::Decimal:
        return check(TAccessCheck::Type, numberType)
               + check(TAccessCheck::Range, QStringLiteral("abs(%1)<%2").arg(c, Num(MaxMagnitude())));
    case TAccessKind::DateTime:
        return check(TAccessCheck::Type,
                     QStringLiteral("%1 IS NULL OR (typeof(%1)='text' AND "
                                    "coalesce(strftime('%Y-%m-%d %H:%M:%S',julianday(%1)),'')=%1)").arg(c))
               + check(TAccessCheck::Range, QStringLiteral("%1>='0100-01-01'").arg(c));
    case TAccessKind::Bit:
        return check(TAccessCheck::Type, QStringLiteral("%1 IN (-1,0)").arg(c));
    case TAccessKind::Binary:
        return check(TAccessCheck::Type, QStringLiteral("typeof(%1) IN ('blob','null')").arg(c));
    case TAccessKind::Unknown:
        break;
    }
    return QString();
}

QString AccessCheckName(TAccessCheck check, const QString& column)
{
    return KCheckPrefix + CheckWord(check) + QLatin1Char('$') + column;
}

bool ParseAccessCheckName(const QString& name, TAccessCheck& check, QString& column)
{
    if (!name.startsWith(KCheckPrefix))
        return false;
    for (TAccessCheck c : {TAccessCheck::Type, TAccessCheck::Range, TAccessCheck::Length}) {
        const QString head = KCheckPrefix + CheckWord(c) + QLatin1Char('$');
        if (name.startsWith(head)) {
            check = c;
            column = name.mid(head.size());
            return true;
        }
    }
    return false;
}

QString SqliteQuote(const QString& name)
{
    QString q = name;
    q.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}
