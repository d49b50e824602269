#include "TestUtil.h"
#include "UAccessDBLogonOption.h"
#include "UException.h"
#include "UMyIniFile.h"
#include "UPasswordCipher.h"
#include "URegistry.h"
#include "UStringList.h"
#include "UUniConnection.h"

#include <gtest/gtest.h>

namespace {

const QString AccessList = QStringLiteral("Software\\Corvella\\AccessList");

// Each test starts with an empty registry store of its own.
class LogonOption : public ::testing::Test {
protected:
    void SetUp() override
    {
        FSaved = TRegistry::StoreFile();
        TRegistry::SetStoreFile(FDir.File(QStringLiteral("registry.ini")));
    }
    void TearDown() override { TRegistry::SetStoreFile(FSaved); }

    TAccessDBLogonOption Filled() const
    {
        TAccessDBLogonOption option;
        option.Username = QStringLiteral("Admin");
        option.Password = QStringLiteral("s3cret");
        option.Database = QStringLiteral("/data/sales.accdb");
        option.UseUnicode = QStringLiteral("True");
        return option;
    }

    TTestDir FDir;
    QString FSaved;
};

TEST_F(LogonOption, RegistryKeyOfAccessLogons)
{
    EXPECT_EQ(TAccessDBLogonOption().GetRegistryKey(), AccessList);
}

TEST_F(LogonOption, SubkeyNamesOfConnectionKeys)
{
    struct TRow { QString key; QString subkey; };
    const TRow rows[] = {
        {QStringLiteral("C:\\db\\new.accdb"), QStringLiteral("C://db//new.accdb")},
        {QStringLiteral("Admin@C:\\db\\new.accdb"), QStringLiteral("Admin@C://db//new.accdb")},
        {QStringLiteral("/home/u/db/new.accdb"), QStringLiteral("/home/u/db/new.accdb")},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.key.toStdString());
        EXPECT_EQ(TDBLogonOption::SubkeyNameOf(row.key), row.subkey);
        TAccessDBLogonOption option = Filled();
        option.SaveToRegistry(row.key);
        TRegistry reg;
        EXPECT_TRUE(reg.KeyExists(AccessList + QLatin1Char('\\') + row.subkey));
    }
    TStringList remembered;
    TAccessDBLogonOption().GetRememberedLogons(remembered);
    ASSERT_EQ(remembered.Count(), 3);
    EXPECT_EQ(remembered[0], rows[0].key);
    EXPECT_EQ(remembered[1], rows[1].key);
    EXPECT_EQ(remembered[2], rows[2].key);
}

TEST_F(LogonOption, RememberedListSkipsLastTime)
{
    TRegistry reg;
    reg.OpenKey(AccessList + QStringLiteral("\\LastTime"), true);
    reg.WriteString(QStringLiteral("x"), QStringLiteral("1"));
    Filled().SaveToRegistry(QStringLiteral("/a.mdb"));
    TStringList remembered;
    TAccessDBLogonOption().GetRememberedLogons(remembered);
    EXPECT_EQ(remembered.List(), QStringList{QStringLiteral("/a.mdb")});
}

TEST_F(LogonOption, ConnectionKeyAddsTheUsername)
{
    TUniConnection connection;
    connection.SetDatabase(QStringLiteral("/db/new.accdb"));
    TAccessDBLogonOption option;
    EXPECT_EQ(option.GetConnectionKey(connection), QStringLiteral("/db/new.accdb"));
    connection.SetUsername(QStringLiteral("Admin"));
    EXPECT_EQ(option.GetConnectionKey(connection), QStringLiteral("Admin@/db/new.accdb"));
    EXPECT_EQ(TDBLogonOption::ComposeConnectionKey(QStringLiteral("u"), QStringLiteral("host"), 5432, QString()),
              QStringLiteral("u@host:5432"));
}

TEST_F(LogonOption, RegistryRoundTripKeepsThePasswordEnciphered)
{
    TAccessDBLogonOption option = Filled();
    option.SavePassword = true;
    option.SaveToRegistry(QStringLiteral("Admin@/data/sales.accdb"));

    TAccessDBLogonOption loaded;
    loaded.LoadFromRegistry(QStringLiteral("Admin@/data/sales.accdb"));
    EXPECT_EQ(loaded.Username, QStringLiteral("Admin"));
    EXPECT_EQ(loaded.Password, QStringLiteral("s3cret"));
    EXPECT_EQ(loaded.Database, QStringLiteral("/data/sales.accdb"));
    EXPECT_EQ(loaded.UseUnicode, QStringLiteral("True"));
    EXPECT_TRUE(loaded.SavePassword);
    EXPECT_TRUE(loaded.PasswordEncrypted);
    EXPECT_FALSE(loaded.UseSSH);

    const QString store = ReadFileText(TRegistry::StoreFile());
    EXPECT_FALSE(store.contains(QStringLiteral("s3cret")));
    EXPECT_TRUE(store.contains(EncryptPassword(QStringLiteral("s3cret"))));
}

TEST_F(LogonOption, RegistryKeepsNoPasswordWithoutSavePassword)
{
    TAccessDBLogonOption option = Filled();
    option.SavePassword = false;
    option.SaveToRegistry(QStringLiteral("/x.mdb"));
    TAccessDBLogonOption loaded;
    loaded.Password = QStringLiteral("old");
    loaded.LoadFromRegistry(QStringLiteral("/x.mdb"));
    EXPECT_EQ(loaded.Password, QString());
    EXPECT_FALSE(ReadFileText(TRegistry::StoreFile()).contains(QStringLiteral("s3cret")));
}

TEST_F(LogonOption, RegistryDefaultsForMissingValues)
{
    TRegistry reg;
    reg.OpenKey(AccessList + QStringLiteral("\\/old.mdb"), true);
    reg.WriteString(QStringLiteral("Database"), QStringLiteral("/old.mdb"));
    reg.WriteString(QStringLiteral("Password"), QStringLiteral("plain"));
    TAccessDBLogonOption loaded;
    loaded.LoadFromRegistry(QStringLiteral("/old.mdb"));
    EXPECT_FALSE(loaded.SavePassword);
    EXPECT_FALSE(loaded.PasswordEncrypted);
    EXPECT_EQ(loaded.Password, QStringLiteral("plain"));  // not enciphered, so read as it is
    EXPECT_EQ(loaded.UseUnicode, QStringLiteral("0"));
    EXPECT_EQ(loaded.Database, QStringLiteral("/old.mdb"));

    TAccessDBLogonOption never;
    never.LoadFromRegistry(QStringLiteral("/never.mdb"));  // reading remembers nothing
    EXPECT_EQ(never.UseUnicode, QStringLiteral("0"));
    TStringList remembered;
    never.GetRememberedLogons(remembered);
    EXPECT_EQ(remembered.List(), QStringList{QStringLiteral("/old.mdb")});
}

TEST_F(LogonOption, DamagedRegistryPasswordIsReported)
{
    TRegistry reg;
    reg.OpenKey(AccessList + QStringLiteral("\\/bad.mdb"), true);
    reg.WriteString(QStringLiteral("PasswordEncrypted"), QStringLiteral("-1"));
    reg.WriteString(QStringLiteral("Password"), QStringLiteral("zz"));
    TAccessDBLogonOption loaded;
    try {
        loaded.LoadFromRegistry(QStringLiteral("/bad.mdb"));
        FAIL() << "no error";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Error: not a Hex String"));
    }
}

TEST_F(LogonOption, LastLogonOfTheRole)
{
    TAccessDBLogonOption option;
    EXPECT_EQ(option.ReadLastLogon(), QString());
    option.WriteLastLogon(QStringLiteral("Admin@/db/a.mdb"));
    EXPECT_EQ(option.ReadLastLogon(), QStringLiteral("Admin@/db/a.mdb"));
    TRegistry reg;
    reg.OpenKey(AccessList, false);
    EXPECT_EQ(reg.ReadString(QStringLiteral("LastServer")), QStringLiteral("Admin@/db/a.mdb"));
}

TEST_F(LogonOption, SessionSectionCarriesTheEncipheredPasswordWhateverTheSaveFlag)
{
    const QString file = FDir.File(QStringLiteral("s.jif"));
    TAccessDBLogonOption option = Filled();
    option.SavePassword = false;
    {
        TMyIniFile ini(file);
        option.SaveToIni(ini, QStringLiteral("TargetDB"));
    }
    const QString text = ReadFileText(file);
    EXPECT_FALSE(text.contains(QStringLiteral("s3cret")));
    TStringList values;
    TMyIniFile(file).ReadSectionValues(QStringLiteral("TargetDB"), values);
    TStringList names;
    for (int i = 0; i < values.Count(); ++i)
        names.Add(values.Names(i));
    EXPECT_EQ(names.List(), (QStringList{"SavePassword", "PasswordEncrypted", "Password", "UseUnicode", "UseSSH",
                                         "DBType", "Username", "Database"}));
    EXPECT_EQ(values.Values(QStringLiteral("Password")), EncryptPassword(QStringLiteral("s3cret")));
    EXPECT_EQ(values.Values(QStringLiteral("DBType")), QStringLiteral("Access"));

    TAccessDBLogonOption loaded;
    loaded.LoadFromIni(TMyIniFile(file), QStringLiteral("TargetDB"));
    EXPECT_EQ(loaded.Password, QStringLiteral("s3cret"));
    EXPECT_EQ(loaded.Username, QStringLiteral("Admin"));
    EXPECT_EQ(loaded.Database, QStringLiteral("/data/sales.accdb"));
    EXPECT_EQ(loaded.UseUnicode, QStringLiteral("True"));
    EXPECT_FALSE(loaded.SavePassword);
    EXPECT_TRUE(loaded.PasswordEncrypted);
}

TEST_F(LogonOption, SessionSectionWithAClearPassword)
{
    const QString file = FDir.File(QStringLiteral("s.jif"));
    WriteFileText(file, QStringLiteral("[TargetDB]\r\nPassword=plain\r\nDatabase=/d/x.mdb\r\n"));
    TAccessDBLogonOption loaded;
    loaded.LoadFromIni(TMyIniFile(file), QStringLiteral("TargetDB"));
    EXPECT_EQ(loaded.Password, QStringLiteral("plain"));
    EXPECT_EQ(loaded.UseUnicode, QStringLiteral("False"));
    EXPECT_FALSE(loaded.SavePassword);
}

TEST_F(LogonOption, ParametersWithFallbacks)
{
    struct TRow { const char* name; QStringList params; QString username, password, database, unicode; };
    const TRow rows[] = {
        {"access names", {"access_username=Admin", "access_password= pw ", "access_database=/d/a.mdb", "access_unicode=TRUE"},
         "Admin", "pw", "/d/a.mdb", "true"},
        {"plain names", {"username=u", "password=p", "database=/d/b.accdb"}, "u", "p", "/d/b.accdb", "False"},
        {"access names win", {"database=/d/b.mdb", "access_database=/d/a.mdb"}, "", "", "/d/a.mdb", "False"},
        {"empty access name falls back", {"access_database=", "database=/d/b.mdb", "access_unicode=False"}, "", "",
         "/d/b.mdb", "false"},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.name);
        TAccessDBLogonOption option;
        option.LoadFromParams(TStringList(row.params));
        EXPECT_EQ(option.Username, row.username);
        EXPECT_EQ(option.Password, row.password);
        EXPECT_EQ(option.Database, row.database);
        EXPECT_EQ(option.UseUnicode, row.unicode);
    }
}

TEST_F(LogonOption, ParamsTextAndDescription)
{
    const TAccessDBLogonOption option = Filled();
    EXPECT_EQ(option.GetParamsText(),
              QStringLiteral(" access_username=\"Admin\" access_password=\"s3cret\" access_database=\"/data/sales.accdb\""
                             " access_unicode=\"True\""));
    EXPECT_EQ(option.GetDescription(), QStringLiteral("DBType: Access, UseSSH: 0, UseUnicode: True"));
    EXPECT_EQ(option.GetDBType(), QStringLiteral("Access"));
    EXPECT_EQ(option.GetDBTypeName(), QStringLiteral("Access"));
}

TEST_F(LogonOption, ValidateNamesTheProblem)
{
    TAccessDBLogonOption option;
    EXPECT_FALSE(option.Validate());
    EXPECT_EQ(option.LastMessage, QStringLiteral("Please choose Access file."));
    option.Database = FDir.File(QStringLiteral("none.mdb"));
    EXPECT_FALSE(option.Validate());
    EXPECT_EQ(option.LastMessage, QStringLiteral("File ") + option.Database + QStringLiteral(" not exists."));
    WriteFileText(option.Database, QStringLiteral("x"));
    EXPECT_TRUE(option.Validate());
    EXPECT_EQ(option.LastMessage, QString());
}

TEST_F(LogonOption, AppliesDriverVersionByExtension)
{
    struct TRow { const char* file; const char* version; };
    const TRow rows[] = {
        {"/db/new.accdb", "dvAccdb"}, {"/db/NEW.ACCDB", "dvAccdb"}, {"/db/x.AccDb", "dvAccdb"},
        {"/db/data.MDB", "dvAuto"},   {"/db/data.mdb", "dvAuto"},   {"/db/accdb", "dvAuto"},
        {"/db/x.accdb.bak", "dvAuto"},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.file);
        TAccessDBLogonOption option = Filled();
        option.Database = QLatin1String(row.file);
        TUniConnection connection;
        option.ApplyToConnection(connection);
        EXPECT_EQ(connection.Database(), option.Database);
        EXPECT_EQ(connection.Username(), QStringLiteral("Admin"));
        EXPECT_EQ(connection.Password(), QStringLiteral("s3cret"));
        EXPECT_EQ(connection.SpecificOption(QStringLiteral("UseUnicode")), QStringLiteral("True"));
        EXPECT_EQ(connection.SpecificOption(QStringLiteral("DriverVersion")), QLatin1String(row.version));
        EXPECT_EQ(connection.SpecificOptions().Count(), 2);

        TAccessDBLogonOption read;
        read.ReadFromConnection(connection);
        EXPECT_EQ(read.Database, option.Database);
        EXPECT_EQ(read.Username, option.Username);
        EXPECT_EQ(read.Password, option.Password);
        EXPECT_EQ(read.UseUnicode, option.UseUnicode);
    }
}

}  // namespace
