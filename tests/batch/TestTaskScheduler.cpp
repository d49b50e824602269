#include "TestUtil.h"
#include "UException.h"
#include "UTaskScheduler.h"

#include <QFile>
#include <QThread>
#include <gtest/gtest.h>

namespace {

// A crontab stand-in: "-l" prints the store file, "-" replaces it from stdin.
class TaskSchedulerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        store = dir.File(QStringLiteral("crontab.txt"));
        const QString program = dir.File(QStringLiteral("crontab"));
        WriteFileText(program, QStringLiteral("#!/bin/sh\n"
                                              "if [ \"$1\" = \"-l\" ]; then\n"
                                              "  [ -f '%1' ] || { echo 'no crontab for tester' >&2; exit 1; }\n"
                                              "  cat '%1'\n"
                                              "else\n"
                                              "  cat > '%1'\n"
                                              "fi\n")
                                   .arg(store));
        QFile::setPermissions(program, QFile::permissions(program) | QFileDevice::ExeOwner);
        TTaskScheduler::SetCrontabProgram(program);
    }
    void TearDown() override { TTaskScheduler::SetCrontabProgram(QStringLiteral("crontab")); }

    TTestDir dir;
    QString store;
};

TEST_F(TaskSchedulerTest, CreateListReplaceDeleteKeepsForeignLines)
{
    TTaskScheduler scheduler;
    EXPECT_TRUE(scheduler.List().isEmpty());
    WriteFileText(store, QStringLiteral("MAILTO=me\n0 1 * * * backup.sh\n"));
    scheduler.CreateTask({QStringLiteral("daily import"), QStringLiteral("30 6 * * 1-5"),
                          QStringLiteral("/jobs/it's 100%.bat")});
    auto tasks = scheduler.List();
    ASSERT_EQ(tasks.size(), 1);
    EXPECT_EQ(tasks[0].Name, QStringLiteral("daily import"));
    EXPECT_EQ(tasks[0].Schedule, QStringLiteral("30 6 * * 1-5"));
    EXPECT_EQ(tasks[0].BatchFile, QStringLiteral("/jobs/it's 100%.bat"));
    EXPECT_EQ(ReadFileText(store),
              QStringLiteral("MAILTO=me\n0 1 * * * backup.sh\n"
                             "30 6 * * 1-5 sh '/jobs/it'\\''s 100\\%.bat' # Ambertide task: daily import\n"));

    scheduler.CreateTask({QStringLiteral("daily import"), QStringLiteral("@daily"), QStringLiteral("/jobs/b.bat")});
    tasks = scheduler.List();
    ASSERT_EQ(tasks.size(), 1);
    EXPECT_EQ(tasks[0].BatchFile, QStringLiteral("/jobs/b.bat"));

    EXPECT_TRUE(scheduler.DeleteTask(QStringLiteral("daily import")));
    EXPECT_FALSE(scheduler.DeleteTask(QStringLiteral("daily import")));
    EXPECT_EQ(ReadFileText(store), QStringLiteral("MAILTO=me\n0 1 * * * backup.sh\n"));
}

TEST_F(TaskSchedulerTest, RunNowStartsTheBatchFile)
{
    const QString marker = dir.File(QStringLiteral("ran.txt"));
    const QString batch = dir.File(QStringLiteral("job.bat"));
    // Like a real batch file the line ends in CR LF; the CR is a word of its own here.
    WriteFileText(batch, QStringLiteral("echo ran > '%1' \r\n").arg(marker));
    TTaskScheduler scheduler;
    scheduler.CreateTask({QStringLiteral("now"), QStringLiteral("0 0 1 1 *"), batch});
    EXPECT_FALSE(scheduler.RunNow(QStringLiteral("missing")));
    ASSERT_TRUE(scheduler.RunNow(QStringLiteral("now")));
    for (int i = 0; i < 100 && !QFile::exists(marker); ++i)
        QThread::msleep(50);
    EXPECT_TRUE(QFile::exists(marker));
}

TEST_F(TaskSchedulerTest, BadSchedulesAreRefusedBeforeAnythingIsWritten)
{
    TTaskScheduler scheduler;
    for (const char* schedule : {"* * *", "every day", "1 2 3 4 5 6"}) {
        SCOPED_TRACE(schedule);
        EXPECT_THROW(scheduler.CreateTask({QStringLiteral("t"), QString::fromUtf8(schedule), QStringLiteral("/a.bat")}),
                     Exception);
    }
    EXPECT_THROW(scheduler.CreateTask({QString(), QStringLiteral("@daily"), QStringLiteral("/a.bat")}), Exception);
    EXPECT_FALSE(QFile::exists(store));
}

}  // namespace
