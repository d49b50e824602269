#include "UTableStruct.h"

#include "UDateFormatParser.h"
#include "UException.h"
#include "UDBDictionary.h"
#include "ULog.h"
#include "UDBTypeNames.h"
#include "UUserLocale.h"
#include "UUniQuery.h"

namespace {
const QString AutoDetect = QStringLiteral("auto detect");

bool IsConsidered(const QString& v)
{
    return !v.isEmpty() && v.toUpper() != QLatin1String("N/A");
}

QString ColumnError(const char* operation, const QString& name, int index, int count)
{
    return QStringLiteral("TTableStruct.") + QLatin1String(operation) + QStringLiteral(", FieldName: ") + name
           + QStringLiteral(" FieldIndex: ") + QString::number(index) + QStringLiteral(" > ")
           + QStringLiteral(" Source Column Count: ") + QString::number(count) + QStringLiteral(" - 1");
}

int SkipBlanks(const QString& s, int i)
{
    while (i < s.size() && s[i] == QLatin1Char(' '))
        ++i;
    return i;
}

int HexDigit(QChar c)
{
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        return c.unicode() - '0';
    if (c >= QLatin1Char('a') && c <= QLatin1Char('f'))
        return c.unicode() - 'a' + 10;
    if (c >= QLatin1Char('A') && c <= QLatin1Char('F'))
        return c.unicode() - 'A' + 10;
    return -1;
}

// The platform's integer reading: leading blanks, a sign, then decimal digits
// or a hexadecimal number after "$" or "0x"; nothing may follow. Hexadecimal
// texts may use the full unsigned range, as the platform allows.
bool IsPlatformInteger(const QString& s, int bits)
{
    int i = SkipBlanks(s, 0);
    bool negative = false;
    if (i < s.size() && (s[i] == QLatin1Char('-') || s[i] == QLatin1Char('+'))) {
        negative = s[i] == QLatin1Char('-');
        ++i;
    }
    bool hex = false;
    if (i < s.size() && s[i] == QLatin1Char('$')) {
        hex = true;
        ++i;
    } else if (i + 1 < s.size() && s[i] == QLatin1Char('0') && (s[i + 1] == QLatin1Char('x') || s[i + 1] == QLatin1Char('X'))) {
        hex = true;
        i += 2;
    }
    if (i >= s.size())
        return false;
    const unsigned __int128 limitHex = (static_cast<unsigned __int128>(1) << bits) - 1;
    const unsigned __int128 limitDec = (static_cast<unsigned __int128>(1) << (bits - 1)) - (negative ? 0 : 1);
    unsigned __int128 value = 0;
    for (; i < s.size(); ++i) {
        const int d = HexDigit(s[i]);
        if (d < 0 || (!hex && d > 9))
            return false;
        value = value * (hex ? 16 : 10) + d;
        if (value > (hex ? limitHex : limitDec))
            return false;
    }
    return true;
}

// Sign, digits with at most one decimal separator, optional exponent.
bool IsFloatText(const QString& text, QChar separator, bool allowTrailingBlanks)
{
    int i = SkipBlanks(text, 0);
    int end = text.size();
    if (allowTrailingBlanks)
        while (end > i && text[end - 1] == QLatin1Char(' '))
            --end;
    if (i < end && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+')))
        ++i;
    int digits = 0;
    while (i < end && text[i].isDigit() && text[i].unicode() < 128) {
        ++i;
        ++digits;
    }
    if (i < end && text[i] == separator) {
        ++i;
        while (i < end && text[i].isDigit() && text[i].unicode() < 128) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return false;
    if (i < end && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        ++i;
        if (i < end && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+')))
            ++i;
        int expDigits = 0;
        while (i < end && text[i].isDigit() && text[i].unicode() < 128) {
            ++i;
            ++expDigits;
        }
        if (expDigits == 0)
            return false;
    }
    return i == end;
}

template <class Test>
bool AllConsidered(const TSampleRows& rows, int column, Test test)
{
    bool any = false;
    for (const QStringList& row : rows) {
        if (column >= row.size())
            continue;
        const QString& v = row[column];
        if (!IsConsidered(v))
            continue;
        if (!test(v))
            return false;
        any = true;
    }
    return any;
}
}  // namespace

bool IsPlatformInt32(const QString& text) { return IsPlatformInteger(text, 32); }
bool IsPlatformInt64(const QString& text) { return IsPlatformInteger(text, 64); }
bool IsLocaleFloat(const QString& text) { return IsFloatText(text, TUserLocale::DecimalSeparator(), true); }
bool IsDotDecimalNumber(const QString& text) { return IsFloatText(text, QLatin1Char('.'), false); }

TTableStruct::TTableStruct() : FDateParser(std::make_unique<TDateFormatParser>()) {}

TTableStruct::~TTableStruct() = default;

void TTableStruct::SetDBType(const QString& kind)
{
    if (kind == FDBType)
        return;
    FDBType = kind;
    FDateParser.reset();
    if (kind.isEmpty())
        FDateParser = std::make_unique<TDateFormatParser>();
    else
        FDateParser = CreateDBObject<TDateFormatParser>(kind, DBRoles::DateFormatParser);
}

void TTableStruct::Clear()
{
    Schema.clear();
    TableName.clear();
    UpdateKey.clear();
    DateFormats.Clear();
    NullIfValues.Clear();
    NumericFields.Clear();
    DBFieldNames.Clear();
    FieldDBTypes.Clear();
    FieldTypes.clear();
    FieldNames.Clear();
    LoadType = QStringLiteral("Replace");
}

TFieldType TTableStruct::KindOf(const QString& name, const char* operation) const
{
    auto it = FieldTypes.constFind(name);
    if (it == FieldTypes.constEnd())
        throw Exception(QStringLiteral("TTableStruct.") + QLatin1String(operation) + QStringLiteral(", FieldName: ")
                        + name + QStringLiteral(" has no field type."));
    return it.value();
}

TStringList TTableStruct::GetFieldTypeNames() const
{
    TStringList result;
    for (const QString& name : FieldNames)
        result.Add(name + QLatin1Char('=') + FieldTypeName(KindOf(name, "GetFieldTypeNames")));
    return result;
}

bool TTableStruct::IsDateTimeField(const QString& name) const
{
    return IsDateTimeType(KindOf(name, "IsDateTimeField"));
}

bool TTableStruct::HasAutoDetectDateFormat() const
{
    for (int i = 0; i < DateFormats.Count(); ++i)
        if (DateFormats.ValueFromIndex(i).toLower() == AutoDetect)
            return true;
    return false;
}

bool TTableStruct::IsUsableDateFormat(const QString& detected, QString& translated) const
{
    if (detected.compare(QLatin1String("CANNOT DETECT"), Qt::CaseInsensitive) == 0
        || detected.toUpper().contains(QLatin1String("EXCEL")) || detected == QLatin1String("yyyymm")
        || detected == QLatin1String("yymmdd"))
        return false;
    translated = FDateParser->TranslateFormat(detected);
    return true;
}

void TTableStruct::ReadSourceSampleForFieldTypes(const TSampleRows& rows)
{
    FieldTypes.clear();
    for (const QString& name : FieldNames)
        FieldTypes.insert(name, ftString);
    if (rows.isEmpty())
        return;
    const int n = rows.first().size();
    for (int i = 0; i < FieldNames.Count(); ++i) {
        const QString& name = FieldNames[i];
        if (i > n - 1)
            throw Exception(ColumnError("ReadSourceSampleForFieldTypes", name, i, n));

        bool longText = false;
        for (const QStringList& row : rows)
            if (i < row.size() && row[i].size() > 255) {
                longText = true;
                break;
            }
        if (longText) {
            FieldTypes[name] = ftMemo;
            continue;
        }

        QString translated;
        if (IsUsableDateFormat(FDateParser->DetectColumnFormatStrict(rows, i), translated)) {
            FieldTypes[name] = translated.contains(QLatin1String("ff")) ? ftTimeStamp : ftDateTime;
            continue;
        }
        if (AllConsidered(rows, i, IsPlatformInt32))
            FieldTypes[name] = ftInteger;
        else if (AllConsidered(rows, i, [](const QString& v) { return IsLocaleFloat(v) || IsPlatformInt64(v); }))
            FieldTypes[name] = ftFloat;
    }
}

void TTableStruct::ReadSourceSample(const TSampleRows& rows)
{
    if (DateFormats.IsEmpty() || rows.isEmpty())
        return;
    const int n = rows.first().size();
    for (int e = 0; e < DateFormats.Count(); ++e) {
        if (DateFormats.ValueFromIndex(e).toLower() != AutoDetect)
            continue;
        const QString name = DateFormats.Names(e);
        const int p = FieldNames.IndexOf(name);
        if (p > n - 1)
            throw Exception(ColumnError("ReadSourceSample", name, p, n));
        // A format for a field that is not written is never used.
        if (p < 0)
            continue;
        DateFormats.SetStrings(e, name + QLatin1Char('=') + FDateParser->DetectColumnFormatLenient(rows, p));
    }
}

void TTableStruct::ReadSourceSampleForToFile(const TSampleRows& rows)
{
    if (rows.isEmpty())
        return;
    DateFormats.Clear();
    NumericFields.Clear();
    const int n = rows.first().size();
    for (int p = 0; p < FieldNames.Count(); ++p) {
        const QString& name = FieldNames[p];
        if (p > n - 1)
            throw Exception(ColumnError("ReadSourceSampleForToFile", name, p, n));
        QString translated;
        if (IsUsableDateFormat(FDateParser->DetectColumnFormatStrict(rows, p), translated)) {
            DateFormats.SetValue(name, translated);
            continue;
        }
        if (AllConsidered(rows, p, IsDotDecimalNumber))
            NumericFields.Add(name);
    }
}

void TDBTableStruct::SetSource(const QString& dbType, TDBDictionary* dictionary, TUniConnection* connection)
{
    FDictionary = dictionary;
    FConnection = connection;
    SetDBType(dbType);
}

void TDBTableStruct::FillStruct()
{
    TLogger& log = TLog::Global();
    log.Info(QStringLiteral("TDBTableStruct.FillStruct, DBType: ") + DBType());
    FieldDBTypes = *FDictionary->GetDBFieldTypes(Schema, TableName);
    log.Info(QStringLiteral("TDBTableStruct.FillStruct, GetFieldDBTypes: ") + Schema + QLatin1Char('.') + TableName);
    const QString sql = FDictionary->SelectAllSQL(Schema, TableName) + QStringLiteral(" where 1=0");
    FetchFieldNamesAndTypes(sql);
    log.Info(QStringLiteral("TDBTableStruct.FillStruct, FetchFieldNamesAndTypes: ") + sql);
}

void TDBTableStruct::FetchFieldNamesAndTypes(const QString& sql)
{
    DBFieldNames.Clear();
    FieldNames.Clear();
    FieldTypes.clear();
    TUniQuery query;
    query.SetConnection(FConnection);
    query.SetUniDirectional(true);
    query.SetSQL(sql);
    query.Open();
    for (int i = 0; i < query.FieldCount(); ++i) {
        const QString name = query.Fields(i).FieldName();
        DBFieldNames.Add(name);
        FieldNames.Add(name);
        FieldTypes.insert(name, query.Fields(i).DataType());
    }
    query.Close();
}
