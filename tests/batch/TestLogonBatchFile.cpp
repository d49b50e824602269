#include "TestUtil.h"
#include "UAccessDBClassInit.h"
#include "UAccessDBLogonOption.h"
#include "ULogonBatchOptions.h"
#include "UMyIniFile.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace {

TEST(LogonBatchFile, LogonsAreCheckedFirst)
{
    TTestDir dir;
    TAccessDBLogonOption logon;
    TLogonBatchOptions o;
    o.TargetLogonOption = &logon;
    o.PresetSessionFile(dir.File(QStringLiteral("job.jif")));
    EXPECT_FALSE(o.Validate());
    EXPECT_EQ(o.Message, QStringLiteral("Please choose Access file."));
    logon.Database = dir.File(QStringLiteral("none.accdb"));
    EXPECT_FALSE(o.Validate());
    EXPECT_EQ(o.Message, QStringLiteral("File ") + logon.Database + QStringLiteral(" not exists."));
}

// The whole unattended road: the batch file made for a session runs the real
// program with sh, which logs on from the session's "TargetDB" section.
TEST(LogonBatchFile, TheBatchFileRunsTheSession)
{
    RegisterDBConnClasses();
    TTestDir dir;
    const QString db = dir.File(QStringLiteral("shop.accdb"));
    const QString sql = dir.File(QStringLiteral("schema.sql"));
    WriteFileText(sql, QStringLiteral("create table Orders (id Long, amount Double);"));
    QProcess setup;
    setup.start(QStringLiteral(AMBERTIDE_EXE), {QStringLiteral("access_database=") + db, QStringLiteral("sql=") + sql});
    ASSERT_TRUE(setup.waitForFinished(60000));
    ASSERT_EQ(setup.exitCode(), 0);

    const QString source = dir.File(QStringLiteral("orders.json"));
    WriteFileText(source, QStringLiteral("{\"id\": 1, \"amount\": 9.5}\n{\"id\": 2, \"amount\": 1}\n"));
    const QString session = dir.File(QStringLiteral("daily job.jif"));
    WriteFileText(session, QStringLiteral("[Load]\r\nConvertType=JsonToTable\r\nSourceType=Json\r\nDestType=Table\r\n"
                                          "SourceStoreType=File\r\nSourceFile=%1\r\nDestTable=Orders\r\nLoadType=1\r\n"
                                          "DestFields=id***|amount***\r\n")
                               .arg(source));

    TAccessDBLogonOption logon;
    logon.Database = db;
    TLogonBatchOptions o;
    o.TargetLogonOption = &logon;
    o.SetProgramPath(QStringLiteral(AMBERTIDE_EXE));
    o.PresetSessionFile(session);
    ASSERT_TRUE(o.Validate()) << o.Message.toStdString();
    o.CreateBatchFile();
    // Twice: the section is rewritten, not repeated.
    o.CreateBatchFile();
    TMyIniFile ini(session);
    EXPECT_EQ(ini.ReadString(QStringLiteral("TargetDB"), QStringLiteral("Database"), QString()), db);
    EXPECT_EQ(ReadFileText(session).count(QStringLiteral("[TargetDB]")), 1);
    EXPECT_EQ(ini.ReadString(QStringLiteral("Load"), QStringLiteral("DestTable"), QString()), QStringLiteral("Orders"));

    QProcess sh;
    sh.start(QStringLiteral("sh"), {o.BatchFile});
    ASSERT_TRUE(sh.waitForFinished(60000));
    EXPECT_EQ(sh.exitCode(), 0) << ReadFileText(o.LogFile).toStdString();
    EXPECT_TRUE(ReadFileText(o.LogFile).contains(QStringLiteral("Total Convert Records: 2")));
    QProcess count;
    count.start(QStringLiteral("sqlite3"), {db, QStringLiteral("select count(*) from Orders")});
    ASSERT_TRUE(count.waitForFinished(30000));
    EXPECT_EQ(QString::fromUtf8(count.readAllStandardOutput()).trimmed(), QStringLiteral("2"));
}

}  // namespace
