#include "TestUtil.h"
#include "UBatchOptions.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

TEST(BatchOptions, ValidationMessagesInOrder)
{
    TBatchOptions o;
    const struct {
        const char* session;
        const char* log;
        const char* batch;
        const char* message;
    } rows[] = {
        {"", "", "", "Please enter sessoin file name."},
        {"a.jif", "", "", "Please enter log file name."},
        {"a.jif", "a.log", "", "Please enter batch file name."},
        {"a.jif", "a.log", "a.bat", ""},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.message);
        o.SessionFile = QString::fromUtf8(r.session);
        o.LogFile = QString::fromUtf8(r.log);
        o.BatchFile = QString::fromUtf8(r.batch);
        EXPECT_EQ(o.Validate(), *r.message == 0);
        EXPECT_EQ(o.Message, QString::fromUtf8(r.message));
    }
}

TEST(BatchOptions, PresetNamesFollowTheSessionFile)
{
    TBatchOptions o;
    o.PresetSessionFile(QStringLiteral("/jobs/daily.jif"));
    EXPECT_EQ(o.LogFile, QStringLiteral("/jobs/daily.log"));
    EXPECT_EQ(o.BatchFile, QStringLiteral("/jobs/daily.bat"));
    // Only the file's own extension changes.
    o.PresetSessionFile(QStringLiteral("/x.jif.d/daily.jif"));
    EXPECT_EQ(o.LogFile, QStringLiteral("/x.jif.d/daily.log"));
}

TEST(BatchOptions, OneLineFileThatShRunsFromAFolderWithBlanks)
{
    TTestDir dir;
    QDir().mkpath(dir.File(QStringLiteral("my tools")));
    const QString program = dir.File(QStringLiteral("my tools/fake program"));
    const QString out = dir.File(QStringLiteral("args.txt"));
    WriteFileText(program, QStringLiteral("#!/bin/sh\nfor a in \"$@\"; do echo \"$a\"; done > '%1'\n").arg(out));
    QFile::setPermissions(program, QFile::permissions(program) | QFileDevice::ExeOwner);

    TBatchOptions o;
    o.SetProgramPath(program);
    o.SessionFile = dir.File(QStringLiteral("daily job.jif"));
    o.LogFile = dir.File(QStringLiteral("daily job.log"));
    o.BatchFile = dir.File(QStringLiteral("daily job.bat"));
    o.CreateBatchFile();
    const QByteArray expected = "\"" + program.toUtf8() + "\"  session=\"" + o.SessionFile.toUtf8() + "\" logfile=\""
        + o.LogFile.toUtf8() + "\"\r\n";
    EXPECT_EQ(ReadFileBytes(o.BatchFile), expected);
    EXPECT_TRUE(QFile::permissions(o.BatchFile) & QFileDevice::ExeOwner);

    QProcess sh;
    sh.start(QStringLiteral("sh"), {o.BatchFile});
    ASSERT_TRUE(sh.waitForFinished(10000));
    // sh reads the CR of the line end as part of the last word, so the
    // program sees it; the command line trims parameter values.
    const QStringList args = ReadFileText(out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(args.size(), 2);
    EXPECT_EQ(args[0], QStringLiteral("session=") + o.SessionFile);
    EXPECT_EQ(args[1].trimmed(), QStringLiteral("logfile=") + o.LogFile);
}

TEST(BatchOptions, HidesThePassword)
{
    const struct {
        const char* in;
        const char* out;
    } rows[] = {
        {"database=\"/db/a.accdb\" password=\"secret\" username=\"x\"",
         "database=\"/db/a.accdb\" password=\"******\" username=\"x\""},
        {"password=\"\"", "password=\"******\""},
        {"database=\"/db/a.accdb\"", "database=\"/db/a.accdb\""},
    };
    for (const auto& r : rows)
        EXPECT_EQ(HidePassword(QString::fromUtf8(r.in)), QString::fromUtf8(r.out));
}

}  // namespace
