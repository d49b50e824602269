#include "UConvertMiscOptions.h"

namespace {
const QString KeyErrorsToAllow = QStringLiteral("ErrorsToAllow");
const QString KeyLogFile = QStringLiteral("LogFile");
}  // namespace

void TConvertMiscOptions::SaveToIni(TMyIniFile& ini, const QString& section)
{
    ini.WriteInteger(section, KeyErrorsToAllow, FErrorsToAllow);
    ini.WriteString(section, KeyLogFile, FLogFile);
}

void TConvertMiscOptions::LoadFromIni(const TMyIniFile& ini, const QString& section)
{
    FErrorsToAllow = ReadSessionInteger(ini, section, KeyErrorsToAllow, DefaultErrorsToAllowOnLoad);
    FLogFile = ReadSessionString(ini, section, KeyLogFile);
}

bool TConvertMiscOptions::IsEqual(const TDataConvertModel& other) const
{
    auto* o = dynamic_cast<const TConvertMiscOptions*>(&other);
    return o && FErrorsToAllow == o->FErrorsToAllow && FLogFile == o->FLogFile;
}
