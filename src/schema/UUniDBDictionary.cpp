#include "UUniDBDictionary.h"

#include "UDBTypeNames.h"
#include "UUniConnection.h"
#include "UUniMetaData.h"

QString TUniDBDictionary::GetDatabaseDescription() const
{
    const TUniConnection& connection = RequireConnection();
    return ComposeConnectionText(connection.Username(), connection.Server(), connection.Port(), connection.Database());
}

std::unique_ptr<TStringList> TUniDBDictionary::GetTables(const QString& schema)
{
    return GetTableNames(schema, QStringLiteral("TABLE"));
}

std::unique_ptr<TStringList> TUniDBDictionary::GetViews(const QString& schema)
{
    return GetTableNames(schema, QStringLiteral("VIEW"));
}

std::unique_ptr<TStringList> TUniDBDictionary::GetTableNames(const QString& schema, const QString& tableType)
{
    TUniConnection& connection = RequireConnection();
    TUniMetaData meta(&connection);
    meta.SetMetaDataKind(QStringLiteral("Tables"));
    meta.Restrictions().SetValue(QStringLiteral("TABLE_CATALOG"), connection.Database());
    meta.Restrictions().SetValue(QStringLiteral("TABLE_SCHEMA"), NormalizeName(schema));
    meta.Restrictions().SetValue(QStringLiteral("TABLE_TYPE"), tableType);
    meta.Open();
    auto names = std::make_unique<TStringList>();
    for (; !meta.Eof(); meta.Next())
        names->Add(meta.FieldByName(QStringLiteral("TABLE_NAME")).AsString());
    return names;
}
