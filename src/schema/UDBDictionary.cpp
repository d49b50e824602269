#include "UDBDictionary.h"

#include "UDBHelper.h"
#include "UDBTypeNames.h"
#include "UException.h"
#include "ULog.h"
#include "UTableInfo.h"
#include "UUniConnection.h"
#include "UUniMetaData.h"
#include "UUniQuery.h"

namespace {

QString FieldText(const TUniDataSet& data, const char* name)
{
    return data.FieldByName(QLatin1String(name)).AsString();
}

// Columns of a table with their type texts, in column order.
void OpenColumns(TUniMetaData& meta, const QString& schema, const QString& table)
{
    meta.SetMetaDataKind(QStringLiteral("Columns"));
    meta.Restrictions().SetValue(QStringLiteral("TABLE_SCHEMA"), schema);
    meta.Restrictions().SetValue(QStringLiteral("TABLE_NAME"), table);
    meta.Open();
}

}  // namespace

TDBDictionary::TDBDictionary() = default;
TDBDictionary::~TDBDictionary() = default;

void TDBDictionary::SetConnection(TUniConnection* connection)
{
    FConnection = connection;
    FHelper.reset();
    if (connection)
        FHelper = CreateDBObject<TDBHelper>(connection->ProviderName(), DBRoles::DBHelper);
}

TUniConnection& TDBDictionary::RequireConnection() const
{
    if (!FConnection)
        throw Exception(QStringLiteral("No connection set for the dictionary."));
    return *FConnection;
}

TDBHelper& TDBDictionary::Helper() const
{
    RequireConnection();
    return *FHelper;
}

QString TDBDictionary::ProviderName() const
{
    return RequireConnection().ProviderName();
}

bool TDBDictionary::SupportsSchemas() const
{
    const QString provider = ProviderName().toLower();
    return provider != QLatin1String("access") && provider != QLatin1String("sqlite") && provider != QLatin1String("dbf");
}

QString TDBDictionary::DatabaseName() const
{
    return RequireConnection().Database();
}

QString TDBDictionary::QualifiedName(const QString& schema, const QString& table) const
{
    return Helper().QualifiedName(schema, table);
}

QString TDBDictionary::SelectAllSQL(const QString& schema, const QString& table) const
{
    return QStringLiteral("select * from ") + QualifiedName(schema, table);
}

QString TDBDictionary::SelectCountSQL(const QString& schema, const QString& table) const
{
    return QStringLiteral("select count(1) from ") + QualifiedName(schema, table);
}

QString TDBDictionary::DropTableSQL(const QString& schema, const QString& table) const
{
    return QStringLiteral("drop table ") + QualifiedName(schema, table);
}

bool TDBDictionary::CanCountRecords(const QString& table) const
{
    return Helper().CanCountRecords(FConnection, table);
}

std::unique_ptr<TStringList> TDBDictionary::GetFieldNames(const QString& schema, const QString& table)
{
    auto names = std::make_unique<TStringList>();
    const QString sql = SelectAllSQL(schema, table) + QStringLiteral(" where 1=0");
    try {
        TUniQuery query(&RequireConnection());
        query.SetUniDirectional(true);
        query.SetQueryRecCount(false);
        query.SpecificOptions().SetValue(QStringLiteral("FetchAll"), QStringLiteral("False"));
        query.SetSQL(sql);
        query.Open();
        for (const QString& name : query.FieldNames())
            names->Add(name);
    } catch (const std::exception&) {
        // Callers ask for names of tables that may be gone; an empty list says so.
    }
    TLog::Global().Info(QStringLiteral("TDBDictionary.GetFieldNames: ") + sql);
    return names;
}

std::unique_ptr<TStringList> TDBDictionary::GetDBFieldTypes(const QString& schema, const QString& table)
{
    const QString s = NormalizeName(schema);
    const QString t = NormalizeName(table);
    TLog::Global().Info(QStringLiteral("TDBDictionary.GetDBFieldTypes: ") + s + QLatin1Char('.') + t);
    auto types = std::make_unique<TStringList>();
    TUniMetaData meta(&RequireConnection());
    OpenColumns(meta, s, t);
    for (; !meta.Eof(); meta.Next()) {
        const QString name = FieldText(meta, "COLUMN_NAME");
        const QString type = FieldText(meta, "DATA_TYPE").toLower();
        QString value = type;
        if (type == QLatin1String("decimal") || type == QLatin1String("numeric"))
            value += QLatin1Char('(') + FieldText(meta, "DATA_PRECISION") + QLatin1Char(',') + FieldText(meta, "DATA_SCALE") + QLatin1Char(')');
        else if (QStringList{"varchar", "nvarchar", "char", "nchar", "vargraphic", "varbinary"}.contains(type))
            value += QLatin1Char('(') + FieldText(meta, "DATA_LENGTH") + QLatin1Char(')');
        types->Add(name + QLatin1Char('=') + value);
    }
    return types;
}

std::unique_ptr<TTableInfo> TDBDictionary::GetTableInfo(const QString& schema, const QString& table)
{
    const QString s = NormalizeName(schema);
    const QString t = NormalizeName(table);
    TLog::Global().Info(QStringLiteral("TDBDictionary.GetTableInfo: ") + s + QLatin1Char('.') + t);
    auto info = std::make_unique<TTableInfo>();
    info->Schema = schema;
    info->TableName = table;
    {
        TUniMetaData meta(&RequireConnection());
        OpenColumns(meta, s, t);
        for (; !meta.Eof(); meta.Next()) {
            const QString name = FieldText(meta, "COLUMN_NAME");
            const QString type = FieldText(meta, "DATA_TYPE").toLower();
            QString value = type;
            if (type == QLatin1String("decimal") || type == QLatin1String("numeric")) {
                value += QLatin1Char('(') + FieldText(meta, "DATA_PRECISION") + QLatin1Char(',') + FieldText(meta, "DATA_SCALE") + QLatin1Char(')');
            } else if (QStringList{"varchar", "nvarchar", "varchar2", "nvarchar2", "vargraphic", "varbinary"}.contains(type)) {
                const QString length = FieldText(meta, "DATA_LENGTH");
                value += QLatin1Char('(') + (length == QLatin1String("-1") ? QStringLiteral("MAX") : length) + QLatin1Char(')');
            } else if (type == QLatin1String("char") || type == QLatin1String("nchar")) {
                value += QLatin1Char('(') + FieldText(meta, "DATA_LENGTH") + QLatin1Char(')');
            }
            info->FieldNames.Add(name);
            info->FieldTypes.SetValue(name, value);
            info->NotNulls.SetValue(name, BoolToStr(FieldText(meta, "NULLABLE") == QLatin1String("0")));
            info->DefaultValues.SetValue(name, FieldText(meta, "DEFAULT_VALUE"));
        }
    }
    GetIndexes(schema, table, *info);
    GetConstraints(schema, table, *info);
    return info;
}

void TDBDictionary::GetIndexes(const QString& schema, const QString& table, TTableInfo& info)
{
    {
        TUniMetaData meta(&RequireConnection());
        meta.SetMetaDataKind(QStringLiteral("Indexes"));
        meta.Restrictions().SetValue(QStringLiteral("TABLE_SCHEMA"), NormalizeName(schema));
        meta.Restrictions().SetValue(QStringLiteral("TABLE_NAME"), NormalizeName(table));
        meta.Open();
        for (; !meta.Eof(); meta.Next()) {
            const bool unique = StrToBoolDef(FieldText(meta, "UNIQUE"), false);
            info.IndexTypes.SetValue(FieldText(meta, "INDEX_NAME"), unique ? QStringLiteral("UNIQUE") : QStringLiteral("NON_UNIQUE"));
        }
    }
    TUniMetaData meta(&RequireConnection());
    meta.SetMetaDataKind(QStringLiteral("IndexColumns"));
    meta.Restrictions().SetValue(QStringLiteral("TABLE_SCHEMA"), schema);
    meta.Restrictions().SetValue(QStringLiteral("TABLE_NAME"), table);
    meta.Open();
    for (; !meta.Eof(); meta.Next()) {
        const QString index = FieldText(meta, "INDEX_NAME");
        const QString columns = info.IndexColumns.Values(index);
        const QString column = FieldText(meta, "COLUMN_NAME");
        info.IndexColumns.SetValue(index, columns.isEmpty() ? column : columns + QLatin1Char(',') + column);
    }
}

std::unique_ptr<TStringList> TDBDictionary::GetUniqueColumns(const QString& schema, const QString& table)
{
    TTableInfo info;
    info.Schema = schema;
    info.TableName = table;
    GetIndexes(schema, table, info);
    auto columns = std::make_unique<TStringList>();
    for (int i = 0; i < info.IndexTypes.Count(); ++i) {
        if (info.IndexTypes.ValueFromIndex(i) != QLatin1String("UNIQUE"))
            continue;
        const QString list = info.IndexColumns.Values(info.IndexTypes.Names(i));
        if (!list.isEmpty() && !list.contains(QLatin1Char(',')))
            columns->Add(list);
    }
    return columns;
}
