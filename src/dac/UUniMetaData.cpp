#include "UUniMetaData.h"

#include "UAccessDatabase.h"
#include "UUniConnection.h"
#include "UException.h"

namespace {

struct TKindFields {
    const char* Kind;
    QStringList Fields;
};

const std::vector<TKindFields>& KindFields()
{
    static const std::vector<TKindFields> KKinds = {
        {"Tables", {"TABLE_CATALOG", "TABLE_SCHEMA", "TABLE_NAME", "TABLE_TYPE"}},
        {"Columns", {"TABLE_CATALOG", "TABLE_SCHEMA", "TABLE_NAME", "COLUMN_NAME", "COLUMN_POSITION", "DATA_TYPE",
                     "DATA_LENGTH", "DATA_PRECISION", "DATA_SCALE", "NULLABLE", "DEFAULT_VALUE"}},
        {"Indexes", {"TABLE_CATALOG", "TABLE_SCHEMA", "TABLE_NAME", "INDEX_CATALOG", "INDEX_SCHEMA", "INDEX_NAME",
                     "UNIQUE", "PRIMARY_KEY"}},
        {"IndexColumns", {"TABLE_CATALOG", "TABLE_SCHEMA", "TABLE_NAME", "INDEX_CATALOG", "INDEX_SCHEMA", "INDEX_NAME",
                          "COLUMN_NAME", "COLUMN_POSITION", "SORT_ORDER"}},
        {"SpecialColumns", {"TABLE_CATALOG", "TABLE_SCHEMA", "TABLE_NAME", "COLUMN_NAME", "COLUMN_POSITION", "DATA_TYPE"}},
    };
    return KKinds;
}

TFieldType FieldKind(const QString& name)
{
    static const QStringList KIntegers = {"COLUMN_POSITION", "DATA_LENGTH", "DATA_PRECISION", "DATA_SCALE", "NULLABLE",
                                          "UNIQUE", "PRIMARY_KEY"};
    return KIntegers.contains(name) ? ftInteger : ftString;
}

bool Matches(const QString& restriction, const QString& value)
{
    return restriction.isEmpty() || restriction.compare(value, Qt::CaseInsensitive) == 0;
}

}  // namespace

QStringList TUniMetaData::MetaDataKinds()
{
    QStringList kinds;
    for (const auto& k : KindFields())
        kinds.append(QString::fromLatin1(k.Kind));
    return kinds;
}

void TUniMetaData::Open()
{
    if (Active())
        return;
    const TKindFields* kind = nullptr;
    for (const auto& k : KindFields())
        if (FKind.compare(QLatin1String(k.Kind), Qt::CaseInsensitive) == 0)
            kind = &k;
    if (!kind)
        throw Exception(QStringLiteral("Unknown metadata kind: %1").arg(FKind));
    if (!FConnection)
        throw Exception(QStringLiteral("Connection is not defined"));
    if (!FConnection->Connected())
        FConnection->Open();
    TAccessDatabase& db = *FConnection->Engine();

    const QString catalog = FConnection->Database();
    const QString schema = FRestrictions.Values(QStringLiteral("TABLE_SCHEMA"));
    const QString tableName = FRestrictions.Values(QStringLiteral("TABLE_NAME"));
    FRows.clear();
    FCurrent = -1;
    // Access has no schemas: a named schema holds nothing.
    if (schema.isEmpty()) {
        const QString k = QString::fromLatin1(kind->Kind);
        QStringList tables;
        if (k == QLatin1String("Tables")) {
            const QString type = FRestrictions.Values(QStringLiteral("TABLE_TYPE")).toUpper();
            for (bool views : {false, true}) {
                const QString typeName = views ? QStringLiteral("VIEW") : QStringLiteral("TABLE");
                if (!type.isEmpty() && type != typeName)
                    continue;
                for (const QString& t : db.ObjectNames(views))
                    if (Matches(tableName, t))
                        FRows.push_back({catalog, QString(), t, typeName});
            }
        } else {
            for (const QString& t : db.ObjectNames(false) + db.ObjectNames(true))
                if (Matches(tableName, t))
                    tables.append(t);
        }
        for (const QString& t : tables) {
            const TAccessTableInfo* info = db.FindTable(t);
            if (!info)
                continue;
            if (k == QLatin1String("Columns")) {
                const QString column = FRestrictions.Values(QStringLiteral("COLUMN_NAME"));
                for (const auto& c : info->Columns) {
                    if (!Matches(column, c.Name))
                        continue;
                    const QVariant precision = c.Type.Kind == TAccessKind::Decimal || c.Type.Kind == TAccessKind::Currency
                                                   ? QVariant(c.Type.DataPrecision()) : QVariant();
                    const QVariant scale = c.Type.Kind == TAccessKind::Decimal || c.Type.Kind == TAccessKind::Currency
                                               ? QVariant(c.Type.DataScale()) : QVariant();
                    FRows.push_back({catalog, QString(), info->Name, c.Name, c.Position, c.Type.TypeName(),
                                     c.Type.DataLength(), precision, scale, c.NotNull ? 0 : 1,
                                     c.DefaultValue.isEmpty() ? QVariant() : QVariant(c.DefaultValue)});
                }
            } else if (k == QLatin1String("Indexes") || k == QLatin1String("IndexColumns")) {
                const QString indexName = FRestrictions.Values(QStringLiteral("INDEX_NAME"));
                for (const auto& index : db.Indexes(info->Name)) {
                    if (!Matches(indexName, index.Name))
                        continue;
                    if (k == QLatin1String("Indexes")) {
                        FRows.push_back({catalog, QString(), info->Name, catalog, QString(), index.Name,
                                         index.Unique ? 1 : 0, index.PrimaryKey ? 1 : 0});
                        continue;
                    }
                    for (int i = 0; i < index.Columns.size(); ++i)
                        FRows.push_back({catalog, QString(), info->Name, catalog, QString(), index.Name,
                                         index.Columns[i], i + 1, QStringLiteral("ASC")});
                }
            } else if (k == QLatin1String("SpecialColumns")) {
                const auto indexes = db.Indexes(info->Name);
                const TAccessIndexInfo* key = nullptr;
                for (const auto& index : indexes)
                    if (index.PrimaryKey)
                        key = &index;
                for (const auto& index : indexes)
                    if (!key && index.Unique)
                        key = &index;
                if (key)
                    for (int i = 0; i < key->Columns.size(); ++i) {
                        const TAccessColumnInfo* c = info->FindColumn(key->Columns[i]);
                        FRows.push_back({catalog, QString(), info->Name, key->Columns[i], i + 1,
                                         c ? c->Type.TypeName() : QString()});
                    }
            }
        }
    }
    ClearFields();
    for (const QString& f : kind->Fields)
        AddField(f, FieldKind(f));
    FCurrent = FRows.empty() ? -1 : 0;
    SetOpened(!FRows.empty());
}

void TUniMetaData::Close()
{
    TUniDataSet::Close();
    FRows.clear();
    FCurrent = -1;
}

QVariant TUniMetaData::FieldValue(int index) const
{
    if (FCurrent < 0 || FCurrent >= static_cast<int>(FRows.size()))
        return QVariant();
    const auto& row = FRows[FCurrent];
    return index < static_cast<int>(row.size()) ? row[index] : QVariant();
}

bool TUniMetaData::FetchNext()
{
    if (FCurrent + 1 >= static_cast<int>(FRows.size()))
        return false;
    ++FCurrent;
    return true;
}
