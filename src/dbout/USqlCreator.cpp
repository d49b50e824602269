#include "USqlCreator.h"

#include "UDBHelper.h"
#include "UDateFormatParser.h"
#include "UException.h"
#include "ULog.h"
#include "URttiUtil.h"
#include "UTableStruct.h"

namespace {
const QString CRLF = QStringLiteral("\r\n");
constexpr int MaxParamHead = 26;

bool IsNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

// Replaces every ":name" that is not the start of a longer parameter name.
QString ReplacePlaceholder(const QString& sql, const QString& placeholder, const QString& literal)
{
    QString result;
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = sql.indexOf(placeholder, from);
        if (at < 0)
            break;
        const qsizetype end = at + placeholder.size();
        if (end < sql.size() && IsNameChar(sql[end])) {
            result += QStringView(sql).mid(from, end - from);
            from = end;
            continue;
        }
        result += QStringView(sql).mid(from, at - from);
        result += literal;
        from = end;
    }
    if (from == 0)
        return sql;
    result += QStringView(sql).mid(from);
    return result;
}

QString CleanLiteral(QString v, bool doubleQuotes)
{
    v.replace(QLatin1String("'&"), QLatin1String("&"));
    v.replace(QLatin1Char('\r'), QLatin1Char(' '));
    v.replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (doubleQuotes)
        v.replace(QLatin1Char('\''), QLatin1String("''"));
    return v;
}

QString BetweenBrackets(const QString& v)
{
    const qsizetype open = v.indexOf(QLatin1Char('('));
    if (open < 0)
        return v;
    const qsizetype close = v.indexOf(QLatin1Char(')'), open + 1);
    return close < 0 ? v.mid(open + 1) : v.mid(open + 1, close - open - 1);
}

std::unique_ptr<TDBHelper> CreateHelperFor(const QString& dbType)
{
    return TRttiUtil::CreateObjectAs<TDBHelper>(QStringLiteral("U") + dbType + QStringLiteral("DBHelper.T") + dbType
                                                + QStringLiteral("DBHelper"));
}
}  // namespace

TSqlCreator::TSqlCreator() = default;
TSqlCreator::~TSqlCreator() = default;

void TSqlCreator::SetTableStruct(TTableStruct* tableStruct)
{
    FTableStruct = tableStruct;
    FDBHelper = CreateHelperFor(tableStruct->DBType());
}

void TSqlCreator::SetFieldTypes(const QHash<QString, TFieldType>& fieldTypes)
{
    FNumericFieldNames.Clear();
    for (auto it = fieldTypes.constBegin(); it != fieldTypes.constEnd(); ++it)
        if (IsNumericType(it.value()))
            FNumericFieldNames.Add(it.key());
}

void TSqlCreator::ReadSqlFileSample(const QList<QStringList>& rows)
{
    FTableStruct->ReadSourceSampleForToFile(rows);
    FDateColumns.Clear();
    for (int i = 0; i < FTableStruct->DateFormats.Count(); ++i)
        FDateColumns.Add(FTableStruct->DateFormats.Names(i));
}

QString TSqlCreator::BaseParamName(const QString& columnName)
{
    static const QString replaced = QStringLiteral(" .-:\"\\?|`~!@#$%^&*()[]<>'");
    QString s;
    s.reserve(columnName.size());
    for (QChar c : columnName) {
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            continue;
        s += replaced.contains(c) ? QChar(QLatin1Char('_')) : c;
    }
    const qsizetype slash = s.indexOf(QLatin1Char('/'));
    if (slash >= 0)
        s = s.left(slash);
    s = QStringLiteral("p_") + s;
    if (s.size() > 28)
        s = s.left(28);
    return s + QStringLiteral("_0");
}

QString TSqlCreator::NextFreeParamName(const QString& taken)
{
    const QString head = taken.left(MaxParamHead);
    int counter = 1;
    if (taken.size() > MaxParamHead && taken[MaxParamHead] == QLatin1Char('_')) {
        bool ok = false;
        const int n = taken.mid(MaxParamHead + 1).toInt(&ok);
        if (ok)
            counter = n + 1;
    }
    return head + QLatin1Char('_') + QStringLiteral("%1").arg(counter, 3, 10, QLatin1Char('0'));
}

void TSqlCreator::ComputeParamNames()
{
    FParamNames.clear();
    TStringList taken;
    for (const QString& column : FTableStruct->FieldNames) {
        QString name = BaseParamName(column);
        while (taken.IndexOf(name) >= 0)
            name = NextFreeParamName(name);
        taken.Add(name);
        FParamNames.append(name);
    }
}

TFieldType TSqlCreator::GetFieldType(int column) const
{
    return FTableStruct->FieldTypes.value(ColumnName(column), ftUnknown);
}

QString TSqlCreator::ColumnName(int column) const
{
    return FTableStruct->FieldNames[column];
}

void TSqlCreator::ClassifyColumns()
{
    FDateColumns.Clear();
    FNumberColumns.Clear();
    FLobColumns.Clear();
    FHasBinaryLob = false;
    const TTableStruct& ts = *FTableStruct;
    if (ts.FieldTypes.isEmpty()) {
        for (int i = 0; i < ts.DateFormats.Count(); ++i)
            FDateColumns.Add(ts.DateFormats.Names(i));
        FNumberColumns = FNumericFieldNames.IsEmpty() ? ts.NumericFields : FNumericFieldNames;
        return;
    }
    for (const QString& column : ts.FieldNames) {
        const TFieldType type = ts.FieldTypes.value(column, ftUnknown);
        if (IsDateTimeType(type))
            FDateColumns.Add(column);
        else if (IsNumericType(type))
            FNumberColumns.Add(column);
        else if (IsLobType(type)) {
            FLobColumns.Add(column);
            if (IsBinaryLobType(type))
                FHasBinaryLob = true;
        }
    }
}

void TSqlCreator::ComputeValueExpressions()
{
    FValueExpressions.clear();
    const TTableStruct& ts = *FTableStruct;
    const bool stringToDate = FDBHelper->NeedsStringToDateFunction();
    for (int i = 0; i < ts.FieldNames.Count(); ++i) {
        const QString& column = ts.FieldNames[i];
        const QString& p = FParamNames[i];
        const QString typeText = ts.FieldDBTypes.Values(column);
        QString expression;
        if (typeText.isEmpty())
            expression = QLatin1Char(':') + p;
        else if (FLobColumns.IndexOf(column) >= 0)
            expression = FDBHelper->LobParameterExpression(p, typeText);
        else
            expression = FDBHelper->ParameterExpression(p, typeText);
        if (stringToDate && FDateColumns.IndexOf(column) >= 0) {
            const QString format = ts.DateFormats.Values(column);
            if (format.isEmpty() || format.toLower() == QLatin1String("auto detect"))
                ;
            else if (format.contains(QLatin1String("ParamName")))
                expression = QString(format).replace(format.indexOf(QLatin1String("ParamName")), 9,
                                                     QLatin1Char(':') + p);
            else
                expression = FDBHelper->GetStringToDateFunction(QString(), format) + QStringLiteral("(:") + p
                             + QStringLiteral(",'") + format + QStringLiteral("')");
        }
        FValueExpressions.append(expression);
    }
}

void TSqlCreator::PrepareStatements()
{
    FTableStruct->DateParser()->ResetCaches();
    ComputeParamNames();
    ClassifyColumns();
    const int count = FTableStruct->FieldNames.Count();
    FNumberFormats.assign(count, nfUndefined);
    ComputeValueExpressions();

    FColumnClasses.assign(count, TColumnClass::Other);
    FNullIfTexts.clear();
    FDateFormats.clear();
    for (int i = 0; i < count; ++i) {
        const QString& column = FTableStruct->FieldNames[i];
        if (FDateColumns.IndexOf(column) >= 0)
            FColumnClasses[i] = TColumnClass::Date;
        else if (FTableStruct->FieldTypes.value(column, ftUnknown) == ftBoolean)
            FColumnClasses[i] = TColumnClass::Boolean;
        else if (FNumberColumns.IndexOf(column) >= 0)
            FColumnClasses[i] = TColumnClass::Number;
        FNullIfTexts.append(FTableStruct->NullIfValues.Values(column));
        FDateFormats.append(FTableStruct->DateFormats.Values(column));
    }
}

QString TSqlCreator::GetQualifiedTableName() const
{
    return FDBHelper->QualifiedName(FTableStruct->Schema, FTableStruct->TableName);
}

QString TSqlCreator::QuoteColumn(const QString& name) const
{
    return FDBHelper->QuoteName(name);
}

QString TSqlCreator::GetInsertSql() const
{
    QStringList columns;
    for (const QString& column : FTableStruct->FieldNames)
        columns.append(QuoteColumn(column));
    return QStringLiteral("insert into ") + GetQualifiedTableName() + QStringLiteral(" (") + columns.join(QLatin1Char(','))
           + QStringLiteral(") ") + CRLF + QStringLiteral("  values (") + FValueExpressions.join(QLatin1Char(','))
           + QStringLiteral(") ");
}

QString TSqlCreator::GetInsertSqlWithParams()
{
    PrepareStatements();
    QStringList columns;
    QStringList params;
    for (int i = 0; i < FTableStruct->FieldNames.Count(); ++i) {
        columns.append(QuoteColumn(FTableStruct->FieldNames[i]));
        params.append(QLatin1Char(':') + FParamNames[i]);
    }
    return QStringLiteral("insert into ") + GetQualifiedTableName() + QStringLiteral(" (") + columns.join(QLatin1Char(','))
           + QStringLiteral(") ") + CRLF + QStringLiteral("  values (") + params.join(QLatin1Char(','))
           + QStringLiteral(") ");
}

QString TSqlCreator::GetUpdateSql() const
{
    const TTableStruct& ts = *FTableStruct;
    QString sets;
    QString where;
    for (int i = 0; i < ts.FieldNames.Count(); ++i) {
        const QString& column = ts.FieldNames[i];
        const QString assignment = QuoteColumn(column) + QLatin1Char('=') + FValueExpressions[i];
        if (column.compare(ts.UpdateKey, Qt::CaseInsensitive) == 0)
            where = QStringLiteral("where ") + assignment + QLatin1Char(' ');
        else
            sets += assignment + QLatin1Char(',');
    }
    if (sets.endsWith(QLatin1Char(',')))
        sets.chop(1);
    return QStringLiteral("update ") + GetQualifiedTableName() + QStringLiteral(" set ") + sets + CRLF + where;
}

QString TSqlCreator::GetWriteSql()
{
    PrepareStatements();
    const QString loadType = FTableStruct->LoadType.toLower();
    if (loadType == QLatin1String("update"))
        return GetUpdateSql();
    if (loadType == QLatin1String("upsert"))
    {
        QStringList columns;
        for (const QString& column : FTableStruct->FieldNames)
            columns.append(QuoteColumn(column));
        return FDBHelper->UpsertStatement(GetQualifiedTableName(), columns, FValueExpressions, FTableStruct->UpdateKey);
    }
    return GetInsertSql();
}

QString TSqlCreator::GetTruncateSql() const
{
    return QStringLiteral("truncate table ") + GetQualifiedTableName();
}

QString TSqlCreator::GetDeleteSql() const
{
    return QStringLiteral("delete from ") + GetQualifiedTableName();
}

void TSqlCreator::CheckUpdateKey() const
{
    const TTableStruct& ts = *FTableStruct;
    const QString loadType = ts.LoadType.toLower();
    if (loadType != QLatin1String("update") && loadType != QLatin1String("upsert"))
        return;
    if (ts.UpdateKey.trimmed().isEmpty())
        throw Exception(QStringLiteral("Load type ") + ts.LoadType + QStringLiteral(" of table ") + GetQualifiedTableName()
                        + QStringLiteral(" needs an update key; nothing was written."));
    if (ts.FieldNames.IndexOf(ts.UpdateKey) < 0)
        throw Exception(QStringLiteral("Update key \"") + ts.UpdateKey + QStringLiteral("\" is not one of the fields written to ")
                        + GetQualifiedTableName() + QStringLiteral(" (") + ts.FieldNames.List().join(QStringLiteral(", "))
                        + QStringLiteral("); an update without it would change every row, so nothing was written."));
}

bool TSqlCreator::IsNullValue(const QString& columnName, const QString& value) const
{
    const int i = FTableStruct->NullIfValues.IndexOfName(columnName);
    return i >= 0 && FTableStruct->NullIfValues.ValueFromIndex(i).compare(value, Qt::CaseInsensitive) == 0;
}

bool TSqlCreator::IsNullValueAt(int column, const QString& value) const
{
    const QString& text = FNullIfTexts[column];
    return !text.isEmpty() && text.compare(value, Qt::CaseInsensitive) == 0;
}

bool TSqlCreator::IsNullDate(const QString& value)
{
    static const QStringList nullDates{
        QString(), QStringLiteral("-"), QStringLiteral("--"), QStringLiteral("null"), QStringLiteral("1899-12-31"),
        QStringLiteral("1899-12-31 00:00:00"), QStringLiteral("1900-01-01"), QStringLiteral("1900-01-01 00:00:00"),
        QStringLiteral("0000-00-00 00:00:00.0"), QStringLiteral("00-00-0000"), QStringLiteral("0/0/0 0:0:0.0")};
    return value.isEmpty() || nullDates.contains(value) || value.compare(QLatin1String("N/A"), Qt::CaseInsensitive) == 0;
}

QString TSqlCreator::FormatDate(const QString& columnName, const QString& value) const
{
    return FTableStruct->DateParser()->Parse(value, FTableStruct->DateFormats.Values(columnName));
}

QString TSqlCreator::FormatDateAt(int column, const QString& value) const
{
    return FTableStruct->DateParser()->Parse(value, FDateFormats[column]);
}

QString TSqlCreator::ParseNumber(int column, const QString& value, const QString& mode)
{
    RequirePrepared(column, "ParseNumber");
    TNumberFormat& format = FNumberFormats[column];
    if (format == nfUndefined) {
        format = FNumberParser.DetectNumberFormat(value);
        TLog::Global().Debug(QStringLiteral("In TSqlCreator.ParseNumber, ") + ColumnName(column) + QStringLiteral(" => ")
                             + NumberFormatName(format));
    }
    return FNumberParser.ConvertNumber(value, format, mode);
}

void TSqlCreator::RequirePrepared(int column, const char* operation) const
{
    if (column < 0 || column >= static_cast<int>(FColumnClasses.size()))
        throw Exception(QStringLiteral("TSqlCreator.") + QLatin1String(operation) + QStringLiteral(", column index ")
                        + QString::number(column) + QStringLiteral(" is outside the ")
                        + QString::number(FColumnClasses.size()) + QStringLiteral(" prepared columns."));
}

QString TSqlCreator::FillValue(const QString& sql, int column, const QString& value)
{
    RequirePrepared(column, "FillValue");
    QString v = IsNullValueAt(column, value) ? QStringLiteral("null") : value;
    QString literal;
    switch (FColumnClasses[column]) {
    case TColumnClass::Date: {
        v = CleanLiteral(v, true);
        const QString r = v.trimmed().toLower();
        if (IsNullDate(r))
            literal = QStringLiteral("null");
        else if (r != FDBHelper->EmptyValueText())
            literal = QLatin1Char('\'') + FormatDateAt(column, v) + QLatin1Char('\'');
        else
            literal = r;
        break;
    }
    case TColumnClass::Boolean: {
        // NULLIF texts do not reach boolean columns: only the raw value counts.
        if (value.isEmpty()) {
            literal = QStringLiteral("null");
            break;
        }
        const QString number = ParseNumber(column, value, QStringLiteral("SQL"));
        bool ok = false;
        const int n = number.trimmed().toInt(&ok);
        if (!ok)
            throw Exception(QLatin1Char('\'') + number + QStringLiteral("' is not a valid integer value"));
        if (FTableStruct->DBType().contains(QLatin1String("postgres"), Qt::CaseInsensitive))
            literal = n != 0 ? QStringLiteral("True") : QStringLiteral("False");
        else
            literal = QString::number(n);
        break;
    }
    case TColumnClass::Number: {
        v = CleanLiteral(v, false);
        const QString r = v.trimmed().toLower();
        if (r.contains(QLatin1Char('(')))
            v = BetweenBrackets(v);
        if (r == QLatin1String("null") || r == QLatin1String("n/a") || r == QLatin1String("na") || r == QLatin1String("nan")
            || r == QLatin1String("-") || r == QLatin1String("--") || r.isEmpty())
            literal = QStringLiteral("null");
        else
            literal = ParseNumber(column, v, QStringLiteral("SQL"));
        break;
    }
    case TColumnClass::Other:
        if (v == QLatin1String("null")) {
            literal = v;
        } else {
            v.replace(QLatin1String("'&"), QLatin1String("&"));
            v.replace(QLatin1Char('\''), QLatin1String("''"));
            literal = QLatin1Char('\'') + v + QLatin1Char('\'');
        }
        break;
    }
    return ReplacePlaceholder(sql, QLatin1Char(':') + FParamNames[column], literal);
}
