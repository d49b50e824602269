#include "UTableDestOptions.h"

#include "UDBConvertObjectFactory.h"
#include "UDBDictionary.h"
#include "UDBLogon.h"
#include "UDBObjectFactory.h"
#include "UDBWriter.h"
#include "UUniDBWriter.h"
#include "UException.h"
#include "UFieldType.h"
#include "USqlWriter.h"
#include "UTableDateFormatMatcher.h"

namespace {

TTableDestOptions::TTargetProvider& Provider()
{
    static TTableDestOptions::TTargetProvider provider;
    return provider;
}

const QString StructOnly = QStringLiteral("Struct Only");
const QString CrLf = QStringLiteral("\r\n");

QString DefaultSchemaOfTarget()
{
    TDBObjectFactory* factory = TTableDestOptions::Target().DBFactory;
    if (!factory)
        return QString();
    try {
        return factory->GetDictionary().GetDefaultSchema();
    } catch (const Exception&) {
        return QString();  // not connected yet: no default
    }
}

}  // namespace

void TTableDestOptions::SetTargetProvider(TTargetProvider provider)
{
    Provider() = std::move(provider);
}

TTableDestTarget TTableDestOptions::Target()
{
    return Provider() ? Provider()() : TTableDestTarget{};
}

TTableDestOptions::TTableDestOptions() : FSchemaOptions(DefaultSchemaOfTarget())
{
    FTableOptions.Schema = FSchemaOptions.Schema();
    SetDateFormatMatcher(std::make_unique<TTableDateFormatMatcher>(FTableStruct));
    if (TDBObjectFactory* factory = Target().DBFactory)
        FTableStruct.SetSource(factory->GetDBType(), &factory->GetDictionary(), &factory->Connection());
}

TTableDestOptions::~TTableDestOptions() = default;

void TTableDestOptions::SetSchema(const QString& schema)
{
    FSchemaOptions.SetSchema(schema);
    FTableOptions.Schema = schema;
}

void TTableDestOptions::SetSqlFile(const QString& path, const QString& encoding)
{
    FTableOptions.SqlFile = path;
    FTableOptions.SqlEncoding = encoding;
}

void TTableDestOptions::SaveToIni(TMyIniFile& ini, const QString& section)
{
    FSchemaOptions.SaveToIni(ini, section);
    FTableOptions.SaveToIni(ini, section);
    TDestOptions::SaveToIni(ini, section);
}

void TTableDestOptions::LoadFromIni(const TMyIniFile& ini, const QString& section)
{
    FSchemaOptions.LoadFromIni(ini, section);
    FTableOptions.LoadFromIni(ini, section);
    FTableOptions.Schema = FSchemaOptions.Schema();
    TDestOptions::LoadFromIni(ini, section);
}

bool TTableDestOptions::IsEqual(const TDataConvertModel& other) const
{
    auto* o = dynamic_cast<const TTableDestOptions*>(&other);
    return o && FSchemaOptions.IsEqual(o->FSchemaOptions) && FTableOptions.IsEqual(o->FTableOptions)
        && TDestOptions::IsEqual(other);
}

void TTableDestOptions::BindStruct()
{
    TDBObjectFactory* factory = Target().DBFactory;
    if (!factory)
        throw Exception(QStringLiteral("TTableDestOptions.Refresh, no target database to read table ")
                        + FTableOptions.TableName.trimmed() + QStringLiteral(" from."));
    FTableStruct.SetSource(factory->GetDBType(), &factory->GetDictionary(), &factory->Connection());
}

void TTableDestOptions::Refresh()
{
    FTableStruct.Clear();
    const QString table = FTableOptions.TableName.trimmed();
    if (table.isEmpty())
        return;  // the writer refuses to start without field names
    BindStruct();
    FTableStruct.Schema = FSchemaOptions.Schema().trimmed();
    FTableStruct.TableName = table;
    FTableStruct.LoadType = FTableOptions.LoadType;
    FTableStruct.UpdateKey = FTableOptions.UpdateKey;
    FTableStruct.FillStruct();
    if (FieldCount() > 0) {
        FTableStruct.FieldNames = TStringList(FieldNames());
        FTableStruct.DateFormats = DateFormats();
        FTableStruct.NullIfValues = NullMarkers();
    }
}

QString TTableDestOptions::GetDescription() const
{
    QString text = TDataConvertModel::GetDescription() + CrLf + QStringLiteral("Dest Selected Field Types:") + CrLf;
    for (const QString& name : FTableStruct.FieldNames) {
        const auto kind = FTableStruct.FieldTypes.constFind(name);
        text += name + QLatin1Char('=')
            + (kind == FTableStruct.FieldTypes.constEnd() ? QString() : FieldTypeName(kind.value())) + CrLf;
    }
    text += QStringLiteral("Dest All Field DB Type:") + CrLf + FTableStruct.FieldDBTypes.Text();
    return text;
}

void TTableDestOptions::CreateWriters()
{
    FreeWriters();
    TDBConvertObjectFactory* factory = Target().ConvertFactory;
    if (!factory)
        throw Exception(QStringLiteral("TTableDestOptions.CreateWriters, no target database to write to."));
    FDBWriter = factory->CreateWriterAs<TDBWriter>();
    // The factory hands its connection only to writers that ask for it;
    // a connection-based writer that did not gets it here.
    if (auto* uni = dynamic_cast<TUniDBWriter*>(FDBWriter.get()); uni && !uni->Connection())
        uni->SetConnection(factory->Connection());
}

void TTableDestOptions::FreeWriters()
{
    FDataWriter = nullptr;
    FDBWriter.reset();
    FSqlWriter.reset();
}

void TTableDestOptions::PrepareWriter()
{
    if (!FTableOptions.SqlFile.isEmpty()) {
        if (!FSqlWriter)
            FSqlWriter = std::make_unique<TSqlWriter>();
        FSqlWriter->SetFileName(FTableOptions.SqlFile);
        FSqlWriter->Encoding = FTableOptions.SqlEncoding;
        FSqlWriter->SetTableStruct(&FTableStruct);
        FDataWriter = FSqlWriter.get();
        return;
    }
    if (!FDBWriter)
        CreateWriters();
    FDBWriter->SetTableStruct(&FTableStruct);
    FDataWriter = FDBWriter.get();
}

bool TTableDestOptions::WritesData() const
{
    return FTableOptions.LoadType != StructOnly;
}

QString TTableDestOptions::GetSetDescription() const
{
    QString key;
    if (TDBObjectFactory* factory = Target().DBFactory)
        key = factory->GetLogon().GetConnectionKey();
    const QString schema = FSchemaOptions.Schema().trimmed();
    return QStringLiteral("DB: ") + key + QStringLiteral(", Table: ")
        + (schema.isEmpty() ? QString() : schema + QLatin1Char('.')) + FTableOptions.TableName.trimmed();
}

void TTableDestOptions::AddAllFieldsAutoDetect()
{
    for (const QString& name : FTableStruct.DBFieldNames) {
        const bool date = FTableStruct.FieldTypes.contains(name) && FTableStruct.IsDateTimeField(name);
        AddField(name, date ? QStringLiteral("auto detect") : QString(), QString());
    }
}

QString TTableDestOptions::FieldDBTypeText(const QString& fieldName) const
{
    return FTableStruct.FieldDBTypes.Values(fieldName);
}
