#include "TestUtil.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

struct TRun {
    int exitCode = -1;
    QString out;
};

TRun RunProgram(const QStringList& args)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // No display: the command-line road must not need one.
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(AMBERTIDE_EXE), args);
    if (!p.waitForFinished(120000))
        return {};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError())};
}

// The log lines without their stamps.
QStringList LogLines(const QString& file)
{
    static const QRegularExpression stamp(QStringLiteral("^\\[\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d:\\d{3}\\] "));
    QStringList lines;
    for (QString line : ReadFileText(file).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
        lines.append(line.remove(stamp));
    return lines;
}

class CmdLine : public ::testing::Test {
protected:
    QString Path(const QString& name) const { return dir.File(name); }
    TTestDir dir;
};

TEST_F(CmdLine, FailuresAreLoggedAndEndWithExitCode1)
{
    WriteFileText(Path(QStringLiteral("plain.jif")), QStringLiteral("[Load]\r\nConvertType=JsonToTable\r\n"));
    const QString db = Path(QStringLiteral("t.accdb"));
    const struct {
        const char* name;
        QStringList args;
        QStringList log;
    } rows[] = {
        {"no logon values",
         {QStringLiteral("session=") + Path(QStringLiteral("plain.jif"))},
         {QStringLiteral("[error]\tCan not logon Target DB, no cmd params, no ini values.")}},
        {"name in capitals",
         {QStringLiteral("SESSION=") + Path(QStringLiteral("plain.jif"))},
         {QStringLiteral("[error]\tCan not logon Target DB, no cmd params, no ini values.")}},
        {"missing session",
         {QStringLiteral("access_database=") + db, QStringLiteral("session=") + Path(QStringLiteral("none.jif"))},
         {QStringLiteral("[error]\tsession file: ") + Path(QStringLiteral("none.jif")) + QStringLiteral(" not exists.")}},
        {"missing workspace",
         {QStringLiteral("access_database=") + db, QStringLiteral("workspace=") + Path(QStringLiteral("w.txt"))},
         {QStringLiteral("[error]\tworkspace file: ") + Path(QStringLiteral("w.txt")) + QStringLiteral(" not exists.")}},
        {"source_sql has no database here",
         {QStringLiteral("access_database=") + db, QStringLiteral("source_sql=") + Path(QStringLiteral("a.sql"))},
         {QStringLiteral("[error]\tcan not execute sql file, check your parameter sql/source_sql/dest_sql.")}},
        {"missing folder of the database",
         {QStringLiteral("access_database=") + Path(QStringLiteral("nofolder/x.accdb")),
          QStringLiteral("sql=") + Path(QStringLiteral("a.sql"))},
         {}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        const QString log = Path(QStringLiteral("run.log"));
        QFile::remove(log);
        const TRun run = RunProgram(QStringList(r.args) << QStringLiteral("logfile=") + log);
        EXPECT_EQ(run.exitCode, 1) << run.out.toStdString();
        const QStringList lines = LogLines(log);
        if (r.log.isEmpty()) {
            ASSERT_FALSE(lines.isEmpty());
            EXPECT_TRUE(lines[0].startsWith(QStringLiteral("[error]\tCan not via cmd login database "))) << lines[0].toStdString();
        } else {
            EXPECT_EQ(lines, r.log);
        }
    }
}

TEST_F(CmdLine, AnUppercaseExtensionIsNotASessionFile)
{
    const QString session = Path(QStringLiteral("import.JIF"));
    WriteFileText(session, QStringLiteral("[Load]\r\n"));
    const QString log = Path(QStringLiteral("run.log"));
    const TRun run = RunProgram({QStringLiteral("access_database=") + Path(QStringLiteral("t.accdb")),
                                 QStringLiteral("session=") + session, QStringLiteral("logfile=") + log});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(LogLines(log), QStringList({QStringLiteral("[info]\t") + session,
                                          QStringLiteral("[error]\tinvalid session file: ") + session}));
}

TEST_F(CmdLine, SqlFileSetsUpANewDatabase)
{
    const QString db = Path(QStringLiteral("new.accdb"));
    const QString sql = Path(QStringLiteral("schema.sql"));
    WriteFileText(sql, QStringLiteral("create table Orders (ID Long, Name Text(20));\r\n"
                                      "insert into Orders values (1, 'one');\r\n"));
    const QString log = Path(QStringLiteral("run.log"));
    const TRun ok = RunProgram({QStringLiteral("access_database=") + db, QStringLiteral("sql=") + sql,
                                QStringLiteral("logfile=") + log});
    EXPECT_EQ(ok.exitCode, 0) << ok.out.toStdString();
    EXPECT_TRUE(QFile::exists(db));
    QStringList lines = LogLines(log);
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines.first(), QStringLiteral("[info]\tstart execute sql."));
    EXPECT_EQ(lines.last(), QStringLiteral("[info]\tend execute sql."));

    // The table exists now: the same script fails on its first statement.
    QFile::remove(log);
    const TRun again = RunProgram({QStringLiteral("access_database=") + db, QStringLiteral("dest_sql=") + sql,
                                   QStringLiteral("logfile=") + log});
    EXPECT_EQ(again.exitCode, 1);
    lines = LogLines(log);
    ASSERT_GE(lines.size(), 2);
    EXPECT_TRUE(lines[lines.size() - 2].startsWith(QStringLiteral("[error]\texception: ")));
    EXPECT_EQ(lines.last(), QStringLiteral("[info]\tend execute sql."));
}

TEST_F(CmdLine, WithoutLogfileNothingIsWrittenAndHelpPrintsUsage)
{
    const TRun run = RunProgram({QStringLiteral("session=") + Path(QStringLiteral("none.jif"))});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(QDir(dir.Path()).entryList(QDir::Files), QStringList());
    const TRun help = RunProgram({QStringLiteral("help")});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains(QStringLiteral("Exit codes:")));
    // An unknown parameter still takes the command-line road, without a window.
    const TRun unknown = RunProgram({QStringLiteral("anything=1")});
    EXPECT_EQ(unknown.exitCode, 0);
}

}  // namespace
