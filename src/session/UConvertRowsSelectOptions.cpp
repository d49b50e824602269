#include "UConvertRowsSelectOptions.h"

namespace {
const QString KeyLoadRowsType = QStringLiteral("LoadRowsType");
const QString KeyLoadRows = QStringLiteral("LoadRows");
const QString KeySkipRows = QStringLiteral("SkipRows");

int ReadOrdinaryInteger(const TMyIniFile& ini, const QString& section, const QString& key)
{
    bool ok = false;
    const int value = ini.TIniFile::ReadString(section, key, QString()).trimmed().toInt(&ok);
    return ok ? value : 0;
}
}  // namespace

void TConvertRowsSelectOptions::SaveToIni(TMyIniFile& ini, const QString& section)
{
    ini.WriteString(section, KeyLoadRowsType, FLoadRowsType);
    ini.WriteInteger(section, KeyLoadRows, FLoadRows);
    ini.WriteInteger(section, KeySkipRows, FSkipRows);
}

void TConvertRowsSelectOptions::LoadFromIni(const TMyIniFile& ini, const QString& section)
{
    FLoadRowsType = ini.TIniFile::ReadString(section, KeyLoadRowsType, QString());
    FLoadRows = ReadOrdinaryInteger(ini, section, KeyLoadRows);
    FSkipRows = ReadOrdinaryInteger(ini, section, KeySkipRows);
}

bool TConvertRowsSelectOptions::IsEqual(const TDataConvertModel& other) const
{
    auto* o = dynamic_cast<const TConvertRowsSelectOptions*>(&other);
    return o && FLoadRowsType == o->FLoadRowsType && FLoadRows == o->FLoadRows && FSkipRows == o->FSkipRows;
}
