#include "TestUtil.h"
#include "UAppSettings.h"
#include "UMyIniFile.h"
#include "URegistry.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

void WriteConfig(const QByteArray& content)
{
    WriteFileBytes(ConfigIniFileName(), content);
}

TEST(AppSettings, ConfigFallbacks)
{
    QFile::remove(ConfigIniFileName());
    LoadDBImportSettings();
    LoadDBReadSettings();
    EXPECT_EQ(GetDefaultFieldType(), QString());
    EXPECT_EQ(GetReadBuffer(), 50);

    const struct {
        const char* name;
        const char* config;
        int used;
    } rows[] = {
        {"set", "[DBRead]\r\nReadBuffer=200\r\n", 200},
        {"zero", "[DBRead]\r\nReadBuffer=0\r\n", 50},
        {"too big", "[DBRead]\r\nReadBuffer=70000\r\n", 50},
        {"not a number", "[DBRead]\r\nReadBuffer=many\r\n", 50},
        {"50 reads Unload", "[DBRead]\r\nReadBuffer=50\r\n[Unload]\r\nReadBuffer=300\r\n", 300},
        {"missing reads Unload", "[Unload]\r\nReadBuffer=400\r\n", 400},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        WriteConfig(r.config);
        LoadDBReadSettings();
        EXPECT_EQ(GetReadBuffer(), r.used);
    }

    WriteConfig("[DBImport]\r\nDefaultFieldType=VARCHAR(255)\r\n");
    LoadDBImportSettings();
    EXPECT_EQ(GetDefaultFieldType(), QStringLiteral("VARCHAR(255)"));
    QFile::remove(ConfigIniFileName());
}

TEST(AppSettings, ShowLaunchFromTheRegistry)
{
    const struct {
        const char* stored;  // nullptr: value missing
        bool showLaunch;
    } rows[] = {{nullptr, true}, {"-1", false}, {"0", true}, {"True", false}, {"false", true},
                {"7", false}, {"maybe", true}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.stored ? r.stored : "missing");
        {
            TRegistry reg;
            reg.OpenKey(AppSettings::RegistryKey, true);
            reg.DeleteValue(QStringLiteral("NotShowLaunch"));
            if (r.stored)
                reg.WriteString(QStringLiteral("NotShowLaunch"), QString::fromUtf8(r.stored));
        }
        LoadAppSettings();
        EXPECT_EQ(GetShowLaunch(), r.showLaunch);
    }
    SetShowLaunch(false);
    SaveAppSettings();
    TRegistry reg;
    reg.OpenKeyReadOnly(AppSettings::RegistryKey);
    EXPECT_EQ(reg.ReadString(QStringLiteral("NotShowLaunch")), QStringLiteral("-1"));
}

}  // namespace
