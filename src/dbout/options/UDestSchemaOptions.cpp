#include "UDestSchemaOptions.h"

void TDestSchemaOptions::SaveToIni(TMyIniFile& ini, const QString& section)
{
    ini.WriteString(section, QStringLiteral("DestSchema"), FSchema);
}

void TDestSchemaOptions::LoadFromIni(const TMyIniFile& ini, const QString& section)
{
    FSchema = ReadSessionStringOrLegacy(ini, section, QStringLiteral("DestSchema"), QStringLiteral("Schema"));
}

bool TDestSchemaOptions::IsEqual(const TDataConvertModel& other) const
{
    auto* o = dynamic_cast<const TDestSchemaOptions*>(&other);
    return o && FSchema == o->FSchema;
}
