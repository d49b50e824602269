#include "UDestTableOptions.h"

#include "ULoadType.h"

namespace {
const QString KeyDestTable = QStringLiteral("DestTable");
const QString KeyTable = QStringLiteral("Table");
const QString KeyLoadType = QStringLiteral("LoadType");
const QString KeyUpdateKey = QStringLiteral("UpdateKey");
const QString KeySqlFile = QStringLiteral("SaveToSqlFile");
const QString KeySqlEncoding = QStringLiteral("SqlToSqlEncoding");
}  // namespace

void TDestTableOptions::SaveToIni(TMyIniFile& ini, const QString& section)
{
    ini.WriteString(section, KeyDestTable, TableName);
    ini.WriteInteger(section, KeyLoadType, LoadTypeForSave(LoadType));
    if (LoadTypeUsesKey(LoadType))
        ini.WriteString(section, KeyUpdateKey, UpdateKey);
    ini.WriteString(section, KeySqlFile, SqlFile);
    ini.WriteString(section, KeySqlEncoding, SqlEncoding);
}

void TDestTableOptions::LoadFromIni(const TMyIniFile& ini, const QString& section)
{
    TableName = ReadSessionStringOrLegacy(ini, section, KeyDestTable, KeyTable);
    LoadType = LoadTypeFromKey(ReadSessionInteger(ini, section, KeyLoadType, 0), LoadType);
    UpdateKey = ReadSessionString(ini, section, KeyUpdateKey);
    SqlFile = ReadSessionString(ini, section, KeySqlFile);
    SqlEncoding = ReadSessionString(ini, section, KeySqlEncoding);
}

bool TDestTableOptions::IsEqual(const TDataConvertModel& other) const
{
    auto* o = dynamic_cast<const TDestTableOptions*>(&other);
    return o && Schema == o->Schema && TableName == o->TableName && LoadType == o->LoadType
        && UpdateKey == o->UpdateKey && SqlFile == o->SqlFile && SqlEncoding == o->SqlEncoding;
}
