#include "UAppSettings.h"

#include "UAppFolders.h"
#include "UMyIniFile.h"
#include "URegistry.h"
#include "UStringList.h"

#include <QFileInfo>

namespace {
bool ShowLaunch = true;
QString DefaultFieldType;
constexpr int DefaultReadBuffer = 50;
int ReadBuffer = DefaultReadBuffer;
}  // namespace

bool GetShowLaunch() { return ShowLaunch; }
void SetShowLaunch(bool show) { ShowLaunch = show; }

void LoadAppSettings()
{
    ShowLaunch = true;
    TRegistry reg;
    if (!reg.OpenKeyReadOnly(AppSettings::RegistryKey) || !reg.ValueExists(QStringLiteral("NotShowLaunch")))
        return;
    bool notShow = false;
    if (TryStrToBool(reg.ReadString(QStringLiteral("NotShowLaunch")), notShow))
        ShowLaunch = !notShow;
}

void SaveAppSettings()
{
    TRegistry reg;
    reg.OpenKey(AppSettings::RegistryKey, true);
    reg.WriteBool(QStringLiteral("NotShowLaunch"), !ShowLaunch);
}

QString ConfigIniFileName()
{
    return GetAmbertideDataFolder() + QStringLiteral("config.ini");
}

QString GetDefaultFieldType() { return DefaultFieldType; }
void SetDefaultFieldType(const QString& fieldType) { DefaultFieldType = fieldType; }

void LoadDBImportSettings()
{
    DefaultFieldType.clear();
    const QString file = ConfigIniFileName();
    if (!QFileInfo::exists(file))
        return;
    TMyIniFile ini(file);
    DefaultFieldType = ini.ReadString(QStringLiteral("DBImport"), QStringLiteral("DefaultFieldType"), QString());
}

void SaveDBImportSettings()
{
    TMyIniFile ini(ConfigIniFileName());
    ini.WriteString(QStringLiteral("DBImport"), QStringLiteral("DefaultFieldType"), DefaultFieldType);
}

int GetReadBufferSetting() { return ReadBuffer; }

int GetReadBuffer()
{
    return ReadBuffer >= 1 && ReadBuffer <= 65535 ? ReadBuffer : DefaultReadBuffer;
}

void LoadDBReadSettings()
{
    ReadBuffer = DefaultReadBuffer;
    const QString file = ConfigIniFileName();
    if (!QFileInfo::exists(file))
        return;
    TMyIniFile ini(file);
    ReadBuffer = ini.ReadInteger(QStringLiteral("DBRead"), QStringLiteral("ReadBuffer"), DefaultReadBuffer);
    if (ReadBuffer == DefaultReadBuffer)
        ReadBuffer = ini.ReadInteger(QStringLiteral("Unload"), QStringLiteral("ReadBuffer"), DefaultReadBuffer);
}
