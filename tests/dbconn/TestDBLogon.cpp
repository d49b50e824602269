#include "TestUtil.h"
#include "UAccessDBClassInit.h"
#include "UAccessDBLogonOption.h"
#include "UAccessEngine.h"
#include "UDBLogon.h"
#include "UDebugHelper.h"
#include "UException.h"
#include "UMyIniFile.h"
#include "URegistry.h"
#include "UStringList.h"
#include "UUniConnection.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {


class DBLogon : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterDBConnClasses();
        TDebugHelper::Initialize();
        TDebugHelper::Clear();
        FSaved = TRegistry::StoreFile();
        TRegistry::SetStoreFile(FDir.File(QStringLiteral("registry.ini")));
    }
    void TearDown() override
    {
        TRegistry::SetStoreFile(FSaved);
        TDBLogon::SetMessageHandler(nullptr);
        // Nothing a logon logs may show a password in clear text.
        EXPECT_FALSE(TDebugHelper::GetLogText().contains(QStringLiteral("Pa55word")));
    }

    QString NewDatabase(const QString& name, const QString& password = QString())
    {
        const QString file = FDir.File(name);
        AccessEngine::CreateDatabaseFile(file, password);
        return file;
    }

    TTestDir FDir;
    QString FSaved;
};

TEST_F(DBLogon, FromParametersOpensAndChoosesTheDriverVersion)
{
    struct TRow { const char* name; const char* version; };
    const TRow rows[] = {{"data.MDB", "dvAuto"}, {"data.mdb", "dvAuto"}, {"new.ACCDB", "dvAccdb"}};
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.name);
        const QString file = NewDatabase(QLatin1String(row.name));
        TDBLogon logon(QStringLiteral("Access"));
        EXPECT_TRUE(logon.LogonFromParams(TStringList({QStringLiteral("database=") + file})));
        EXPECT_TRUE(logon.Connection().Connected());
        EXPECT_EQ(logon.Connection().Database(), file);
        EXPECT_EQ(logon.Connection().SpecificOption(QStringLiteral("DriverVersion")), QLatin1String(row.version));
        EXPECT_EQ(logon.Connection().SpecificOption(QStringLiteral("UseUnicode")), QStringLiteral("False"));
        logon.Disconnect();
        EXPECT_FALSE(logon.Connection().Connected());
    }
}

TEST_F(DBLogon, FromASessionSection)
{
    const QString file = NewDatabase(QStringLiteral("target.mdb"), QStringLiteral("Pa55word"));
    const QString session = FDir.File(QStringLiteral("s.jif"));
    {
        TAccessDBLogonOption option;
        option.Database = file;
        option.Username = QStringLiteral("Admin");
        option.Password = QStringLiteral("Pa55word");
        TMyIniFile ini(session);
        option.SaveToIni(ini, QStringLiteral("TargetDB"));
    }
    EXPECT_FALSE(ReadFileText(session).contains(QStringLiteral("Pa55word")));
    TDBLogon logon(QStringLiteral("Access"));
    EXPECT_TRUE(logon.LogonFromIni(session, QStringLiteral("TargetDB")));
    EXPECT_EQ(logon.Connection().Password(), QStringLiteral("Pa55word"));
    EXPECT_EQ(logon.GetConnectionKey(), QStringLiteral("Admin@") + file);
}

TEST_F(DBLogon, FailuresNameTheRoadAndTheDatabase)
{
    const QString textFile = FDir.File(QStringLiteral("notes.accdb"));
    WriteFileText(textFile, QStringLiteral("just text"));
    const QString guarded = NewDatabase(QStringLiteral("guarded.mdb"), QStringLiteral("Pa55word"));
    const QString missingFolder = FDir.File(QStringLiteral("nofolder/x.mdb"));
    struct TRow { const char* name; QStringList params; QString prefix; QString rest; };
    const TRow rows[] = {
        {"missing folder", {QStringLiteral("access_database=") + missingFolder},
         QStringLiteral("Can not via cmd login database ") + missingFolder + QStringLiteral(". "),
         QStringLiteral("Directory \"") + FDir.File(QStringLiteral("nofolder")) + QStringLiteral("\" not exists.")},
        {"not an engine file", {QStringLiteral("access_database=") + textFile},
         QStringLiteral("Can not via cmd login database ") + textFile + QStringLiteral(". "), QString()},
        {"wrong password", {QStringLiteral("database=") + guarded, QStringLiteral("password=wrong")},
         QStringLiteral("Can not via cmd login database ") + guarded + QStringLiteral(". "), QString()},
        {"no database", {QStringLiteral("username=Admin")}, QStringLiteral("Can not via cmd login database . "), QString()},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.name);
        TDBLogon logon(QStringLiteral("Access"));
        const QString error = ErrorOf([&] { logon.LogonFromParams(TStringList(row.params)); });
        EXPECT_TRUE(error.startsWith(row.prefix)) << error.toStdString();
        EXPECT_GT(error.size(), row.prefix.size());
        if (!row.rest.isEmpty())
            EXPECT_EQ(error.mid(row.prefix.size()), row.rest);
        EXPECT_FALSE(logon.Connection().Connected());
    }
    EXPECT_EQ(ReadFileText(textFile), QStringLiteral("just text"));
    EXPECT_FALSE(QFileInfo::exists(missingFolder));

    const QString session = FDir.File(QStringLiteral("s.jif"));
    WriteFileText(session, QStringLiteral("[TargetDB]\r\nDatabase=") + textFile + QStringLiteral("\r\n"));
    TDBLogon logon(QStringLiteral("Access"));
    const QString error = ErrorOf([&] { logon.LogonFromIni(session, QStringLiteral("TargetDB")); });
    EXPECT_TRUE(error.startsWith(QStringLiteral("Can not via ini login database ") + textFile + QStringLiteral(". ")))
        << error.toStdString();
}

TEST_F(DBLogon, NewFileInAnExistingFolderIsCreatedAndRemembered)
{
    const QString file = FDir.File(QStringLiteral("db/new.accdb"));
    QDir().mkpath(FDir.File(QStringLiteral("db")));
    TDBLogon logon(QStringLiteral("Access"));
    EXPECT_TRUE(logon.LogonFromParams(TStringList({QStringLiteral("access_database=") + file, QStringLiteral("access_password=Pa55word")})));
    EXPECT_TRUE(QFileInfo::exists(file));
    EXPECT_TRUE(AccessEngine::IsEngineFile(file));
    EXPECT_EQ(logon.Connection().SpecificOption(QStringLiteral("DriverVersion")), QStringLiteral("dvAccdb"));

    logon.GetLogonOption().SavePassword = true;
    logon.RememberLogon();
    TRegistry reg;
    EXPECT_TRUE(reg.KeyExists(QStringLiteral("Software\\Corvella\\AccessList\\") + file));
    TStringList remembered;
    logon.GetLogonOption().GetRememberedLogons(remembered);
    EXPECT_EQ(remembered.List(), QStringList{file});
    EXPECT_EQ(logon.GetLogonOption().ReadLastLogon(), file);
    EXPECT_FALSE(ReadFileText(TRegistry::StoreFile()).contains(QStringLiteral("Pa55word")));

    TAccessDBLogonOption again;
    again.LoadFromRegistry(file);
    EXPECT_EQ(again.Password, QStringLiteral("Pa55word"));
    EXPECT_EQ(again.Database, file);
}

TEST_F(DBLogon, EnsureConnectedReopensOrReports)
{
    const QString file = NewDatabase(QStringLiteral("a.mdb"));
    TDBLogon logon(QStringLiteral("Access"));
    ASSERT_TRUE(logon.LogonFromParams(TStringList({QStringLiteral("database=") + file})));
    logon.Disconnect();
    EXPECT_TRUE(logon.EnsureConnected());
    EXPECT_TRUE(logon.Connection().Connected());

    logon.Disconnect();
    QFile::remove(file);
    QStringList shown;
    TDBLogon::SetMessageHandler([&](const QString& message) { shown.append(message); });
    EXPECT_FALSE(logon.EnsureConnected());
    ASSERT_EQ(shown.size(), 1);
    EXPECT_FALSE(shown[0].isEmpty());
    EXPECT_FALSE(QFileInfo::exists(file));  // reopening never creates a file
}

}  // namespace
