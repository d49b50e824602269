#include "TestUtil.h"
#include "UAccessCreator.h"
#include "UAccessEngine.h"
#include "UDebugHelper.h"
#include "UException.h"
#include "UOfficeVersionSolution.h"
#include "URegistry.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

TEST(AccessCreator, ProviderAndConnectionText)
{
    struct TRow { const char* file; const char* user; const char* password; const char* text; };
    const TRow rows[] = {
        {"/db/a.accdb", "", "", "Provider=Microsoft.ACE.OLEDB.12.0;Data Source=/db/a.accdb"},
        {"/db/a.ACCDB", "Admin", "", "Provider=Microsoft.ACE.OLEDB.12.0;Data Source=/db/a.ACCDB"},
        {"/db/a.mdb", "", "", "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/db/a.mdb"},
        {"/db/a.dat", "", "", "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/db/a.dat"},
        {"/db/a.mdb", "Admin", "pw",
         "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/db/a.mdb;User ID=Admin;Jet OLEDB:Database Password=pw"},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.file);
        TAccessCreator creator;
        creator.FileName = QLatin1String(row.file);
        creator.Username = QLatin1String(row.user);
        creator.Password = QLatin1String(row.password);
        EXPECT_EQ(creator.ConnectionText(), QLatin1String(row.text));
        if (!creator.Password.isEmpty())
            EXPECT_FALSE(creator.LoggedConnectionText().contains(creator.Password));
    }
}

TEST(AccessCreator, DriverLookupComparesTheExtensionWithItsLetterCase)
{
    struct TRow { const char* file; bool installed; };
    const TRow rows[] = {
        {"/db/new.accdb", true}, {"/db/data.mdb", true},   {"C:\\db\\data.mdb", true},
        {"/db/data.MDB", false}, {"/db/new.Accdb", false}, {"/db/data.xlsx", false},
        {"/db/noextension", false},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.file);
        EXPECT_EQ(IsOdbcDriverInstalledFor(QLatin1String(row.file)), row.installed);
    }
}

TEST(AccessCreator, CreatesEngineFilesAndNamesTheFileOnFailure)
{
    TDebugHelper::Initialize();
    TDebugHelper::Clear();
    TTestDir dir;
    for (const char* name : {"new.accdb", "old.mdb", "odd.DAT"}) {
        SCOPED_TRACE(name);
        const QString file = dir.File(QLatin1String(name));
        CreateAccessDatabase(file, QStringLiteral("Admin"), QStringLiteral("Pa55word"));
        EXPECT_TRUE(AccessEngine::IsEngineFile(file));
    }
    const QString log = TDebugHelper::GetLogText();
    EXPECT_TRUE(log.contains(QStringLiteral("Provider=Microsoft.ACE.OLEDB.12.0;Data Source=") + dir.File(QStringLiteral("new.accdb"))));
    EXPECT_TRUE(log.contains(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + dir.File(QStringLiteral("old.mdb"))));
    EXPECT_FALSE(log.contains(QStringLiteral("Pa55word")));

    const QString existing = dir.File(QStringLiteral("new.accdb"));
    const QString missingFolder = dir.File(QStringLiteral("none/x.mdb"));
    for (const QString& file : {existing, missingFolder}) {
        SCOPED_TRACE(file.toStdString());
        const QByteArray before = QFileInfo::exists(file) ? ReadFileBytes(file) : QByteArray();
        try {
            CreateAccessDatabase(file, QString(), QString());
            ADD_FAILURE() << "no error";
        } catch (const Exception& e) {
            EXPECT_TRUE(e.Message().endsWith(QStringLiteral("  Access file: ") + file)) << e.what();
            EXPECT_GT(e.Message().size(), (QStringLiteral("  Access file: ") + file).size());
        }
        EXPECT_EQ(QFileInfo::exists(file) ? ReadFileBytes(file) : QByteArray(), before);
    }
}

class OfficeVersionSolution : public ::testing::Test {
protected:
    void SetUp() override
    {
        FSaved = TRegistry::StoreFile();
        TRegistry::SetStoreFile(FDir.File(QStringLiteral("registry.ini")));
    }
    void TearDown() override { TRegistry::SetStoreFile(FSaved); }

    void RecordAccessProgram(const QString& path)
    {
        TRegistry reg;
        reg.OpenKey(QStringLiteral("Software\\Corvella\\") + QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName(), true);
        reg.WriteString(QStringLiteral("AccessPath"), path);
    }

    // A minimal 32-bit PE header.
    QString WritePe32()
    {
        QByteArray bytes(0x100, '\0');
        bytes[0] = 'M';
        bytes[1] = 'Z';
        bytes[0x3c] = 0x80;
        bytes.replace(0x80, 4, QByteArray("PE\0\0", 4));
        bytes[0x84] = 0x4c;
        bytes[0x85] = 0x01;
        const QString file = FDir.File(QStringLiteral("MSACCESS.EXE"));
        WriteFileBytes(file, bytes);
        return file;
    }

    TTestDir FDir;
    QString FSaved;
};

TEST_F(OfficeVersionSolution, AdviceOnlyForAccdbFiles)
{
    struct TRow { const char* message; bool applies; const char* product; };
    const TRow rows[] = {
        {"Can not open /db/new.accdb", true, "Access2007"},
        {"Can not open /db/old.mdb", false, ""},
        {"Cannot create ODBC alias", false, ""},
        {"Disk full", false, ""},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.message);
        TOfficeVersionSolution solution;
        EXPECT_EQ(solution.Analyse(QLatin1String(row.message)), row.applies);
        EXPECT_EQ(solution.Product, QLatin1String(row.product));
        EXPECT_EQ(solution.AppBit, QStringLiteral("x86"));
        EXPECT_EQ(solution.OfficeBit, QStringLiteral("x86"));
        if (row.applies) {
            EXPECT_EQ(solution.Keyword, QStringLiteral("office_engine"));
            EXPECT_EQ(solution.Solution, QStringLiteral("If you can not open Office 2007 and above file (*.accdb, *.xlsx), "
                                                        "please download and install Microsoft Access Database Engine."));
        } else {
            EXPECT_EQ(solution.Keyword, QString());
        }
    }
    EXPECT_TRUE(QFileInfo::exists(TRegistry::StoreFile()));  // the missing value was created
    TRegistry reg;
    reg.OpenKey(QStringLiteral("Software\\Corvella\\") + QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName(), false);
    EXPECT_TRUE(reg.ValueExists(QStringLiteral("AccessPath")));
}

TEST_F(OfficeVersionSolution, BitnessOfTheRecordedAccessProgram)
{
    RecordAccessProgram(QCoreApplication::applicationFilePath());  // this 64-bit test program
    TOfficeVersionSolution solution;
    EXPECT_TRUE(solution.Analyse(QStringLiteral("x.accdb")));
    EXPECT_EQ(solution.OfficeBit, QStringLiteral("x64"));

    RecordAccessProgram(WritePe32());
    EXPECT_TRUE(solution.Analyse(QStringLiteral("x.accdb")));
    EXPECT_EQ(solution.OfficeBit, QStringLiteral("x86"));
    EXPECT_EQ(TOfficeVersionSolution::MajorVersion(QStringLiteral("v16.0.1 build 2")), 16);
    EXPECT_EQ(TOfficeVersionSolution::MajorVersion(QStringLiteral("vX.1")), 0);
}

}  // namespace
