#include "TestUtil.h"
#include "UDebugHelper.h"
#include "UException.h"
#include "UExceptionStat.h"
#include "UFileLogAppender.h"
#include "ULog.h"
#include "ULogUtil.h"
#include "UMemoryLogAppender.h"
#include "UUserLocale.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

const QDateTime Example(QDate(2020, 6, 25), QTime(18, 56, 40, 123));

TEST(LogFormat, StampUsesTheLocaleTimeSeparator)
{
    EXPECT_EQ(FormatLogStamp(Example), QStringLiteral("2020-06-25 18:56:40:123"));
    TUserLocaleData dotted = TUserLocaleData::English();
    dotted.TimeSeparator = QLatin1Char('.');
    TUserLocale::Set(dotted);
    EXPECT_EQ(FormatLogStamp(Example), QStringLiteral("2020-06-25 18.56.40.123"));
    TUserLocale::Set(TUserLocaleData::English());
}

TEST(LogFormat, LevelPrefixes)
{
    EXPECT_EQ(TLogger::FormatLine(TLogLevel::Debug, QStringLiteral("m")), QStringLiteral("[debug]\tm"));
    EXPECT_EQ(TLogger::FormatLine(TLogLevel::Info, QStringLiteral("m")), QStringLiteral("[info]\tm"));
    EXPECT_EQ(TLogger::FormatLine(TLogLevel::Warn, QStringLiteral("m")), QStringLiteral("[warn]\tm"));
    EXPECT_EQ(TLogger::FormatLine(TLogLevel::Error, QStringLiteral("m")), QStringLiteral("[error]\tm"));
    EXPECT_EQ(TLogger::FormatLine(TLogLevel::Fatal, QStringLiteral("m")), QStringLiteral("[fatal]\tm"));
}

TEST(FileLog, LinesAreStampedAndMultiLineMessagesKept)
{
    TTestDir dir;
    const QString file = dir.File(QStringLiteral("run.log"));
    TFileLogAppender appender(file);
    TLogger logger(QStringLiteral("test"));
    logger.AddAppender(&appender);
    logger.Error(QStringLiteral("first\r\nsecond"));
    const QString text = ReadFileText(file);
    static const QRegularExpression line(
        QStringLiteral("^\\[\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d:\\d{3}\\] \\[error\\]\tfirst\r\nsecond\r\n$"));
    EXPECT_TRUE(line.match(text).hasMatch()) << text.toStdString();
}

TEST(FileLog, LevelsFilterPerAppender)
{
    TTestDir dir;
    TFileLogAppender errors(dir.File(QStringLiteral("exception.log")));
    errors.SetErrorLevel();
    TFileLogAppender info(dir.File(QStringLiteral("cmd.log")));
    info.SetInfoLevel();
    TMemoryLogAppender memory;
    TLogger logger(QStringLiteral("levels"));
    logger.AddAppender(&memory);
    logger.AddAppender(&errors);
    logger.AddAppender(&info);
    logger.Debug(QStringLiteral("trace"));
    EXPECT_EQ(memory.Lines().size(), 1);
    EXPECT_FALSE(QFile::exists(errors.FileName()));
    EXPECT_FALSE(QFile::exists(info.FileName()));
    logger.Info(QStringLiteral("progress"));
    EXPECT_FALSE(QFile::exists(errors.FileName()));
    EXPECT_TRUE(ReadFileText(info.FileName()).contains(QStringLiteral("[info]\tprogress")));
    logger.Error(QStringLiteral("broken"));
    EXPECT_TRUE(ReadFileText(errors.FileName()).contains(QStringLiteral("[error]\tbroken")));
    EXPECT_EQ(memory.Lines().size(), 3);
}

TEST(FileLog, EmptyFileNameWritesNothing)
{
    TFileLogAppender appender{QString()};
    EXPECT_NO_THROW(appender.Append(QStringLiteral("[info]\tx")));
    EXPECT_NO_THROW(AppendLogLine(QString(), QStringLiteral("x")));
}

TEST(FileLog, WriteFailureIsRaised)
{
    EXPECT_THROW(AppendLogLine(QStringLiteral("/nonexistent-folder-ambertide/a.log"), QStringLiteral("x")), EInOutError);
}

TEST(MemoryLog, TrimRuleWithCapacity20)
{
    TMemoryLogAppender appender(20);
    QString joined;
    for (int i = 0; i < 1001; ++i)
        appender.Append(QStringLiteral("line %1").arg(i));
    // The check ran on the 1,001st append: the buffer is "......" plus the last 14 characters.
    const QString text = appender.GetText();
    EXPECT_EQ(text.size(), 20);
    EXPECT_TRUE(text.startsWith(QStringLiteral("......")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("line 1000\r\n")));
}

TEST(MemoryLog, NoCheckBeforeThe1001stAppend)
{
    TMemoryLogAppender appender(20);
    for (int i = 0; i < 1000; ++i)
        appender.Append(QStringLiteral("x"));
    EXPECT_EQ(appender.Lines().size(), 1000);
    TMemoryLogAppender unbounded(0);
    for (int i = 0; i < 2500; ++i)
        unbounded.Append(QStringLiteral("x"));
    EXPECT_EQ(unbounded.Lines().size(), 2500);
}

TEST(Loggers, NamesWithoutLetterCaseAndDistinct)
{
    EXPECT_EQ(&TLog::GetLogger(QStringLiteral("GLOBAL")), &TLog::Global());
    EXPECT_NE(&TLog::CmdLine(), &TLog::Global());
    TMemoryLogAppender global;
    TLog::Global().AddAppender(&global);
    TLog::CmdLine().Info(QStringLiteral("only cmdline"));
    EXPECT_TRUE(global.Lines().isEmpty());
}

TEST(Loggers, FreedAppenderLeavesEveryLogger)
{
    auto appender = std::make_unique<TMemoryLogAppender>();
    TLog::Global().AddAppender(appender.get());
    TLog::CmdLine().AddAppender(appender.get());
    TMemoryLogAppender* raw = appender.get();
    appender.reset();
    EXPECT_FALSE(TLog::Global().HasAppender(raw));
    EXPECT_FALSE(TLog::CmdLine().HasAppender(raw));
    EXPECT_NO_THROW(TLog::Global().Error(QStringLiteral("after free")));
}

TEST(DebugHelper, DebugLogAndDescribedFiles)
{
    TDebugHelper::Initialize();
    TDebugHelper::Clear();
    TLog::Global().Debug(QStringLiteral("tracing"));
    EXPECT_TRUE(TDebugHelper::GetLogText().contains(QStringLiteral("\t[debug]\ttracing\r\n")));
    TDebugHelper::AddDescribedFile(QStringLiteral("/data/A.json"));
    EXPECT_TRUE(TDebugHelper::IsFileDescribed(QStringLiteral("/DATA/a.JSON")));
    TDebugHelper::Clear();
    EXPECT_TRUE(TDebugHelper::GetLogText().isEmpty());
    EXPECT_FALSE(TDebugHelper::IsFileDescribed(QStringLiteral("/data/A.json")));
    TDebugHelper::Finalize();
}

TEST(ExceptionStat, CountsOnlyErrorsWhileItExists)
{
    EXPECT_FALSE(TExceptionStat::HasErrors());
    TExceptionStat::Create();
    TLog::Global().Info(QStringLiteral("fine"));
    EXPECT_FALSE(TExceptionStat::HasErrors());
    TLog::Global().Error(QStringLiteral("bad"));
    EXPECT_TRUE(TExceptionStat::HasErrors());
    TExceptionStat::ShowIfErrors(QStringLiteral("Convert Has Exception."));
    EXPECT_FALSE(TExceptionStat::HasErrors());
    TExceptionStat::Destroy();
    TLog::Global().Error(QStringLiteral("after"));
    EXPECT_FALSE(TExceptionStat::HasErrors());
}

}  // namespace
