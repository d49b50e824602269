#include "TestUtil.h"
#include "UMyIniFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>
#include <algorithm>
#include <csignal>
#include <grp.h>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>
#include <vector>
#include <gtest/gtest.h>

namespace {

struct TRun {
    int exitCode = -1;
    QString out;
};

QProcessEnvironment ProgramEnvironment()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // No display: the command-line road must not need one.
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    return env;
}

TRun RunProcess(QProcess& p, const QStringList& args)
{
    p.start(QStringLiteral(AMBERTIDE_EXE), args);
    if (!p.waitForFinished(120000))
        return {};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError())};
}

TRun RunProgram(const QStringList& args)
{
    QProcess p;
    p.setProcessEnvironment(ProgramEnvironment());
    return RunProcess(p, args);
}

// The user a root test process runs the program as, so that folder
// permissions apply (root ignores them).
constexpr uid_t UnprivilegedId = 65534;

// Runs the program with home as its HOME and XDG folders; as UnprivilegedId
// when this process is root (exit code 127 when it could not switch).
TRun RunWithHome(const QStringList& args, const QString& home)
{
    QProcess p;
    QProcessEnvironment env = ProgramEnvironment();
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/share"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), home + QStringLiteral("/cache"));
    env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    p.setProcessEnvironment(env);
    if (geteuid() == 0)
        p.setChildProcessModifier([] {
            // No supplementary groups either: root's would still open group-writable folders.
            if (setgroups(0, nullptr) != 0 || setgid(UnprivilegedId) != 0 || setuid(UnprivilegedId) != 0)
                _exit(127);
        });
    return RunProcess(p, args);
}

// Whether other users can start the program: the file and every folder on
// its path need the "others" execute bit.
bool OthersCanRunProgram()
{
    QString path = QFileInfo(QStringLiteral(AMBERTIDE_EXE)).absoluteFilePath();
    for (;;) {
        struct stat st {};
        if (stat(QFile::encodeName(path).constData(), &st) != 0 || !(st.st_mode & S_IXOTH))
            return false;
        if (path == QStringLiteral("/"))
            return true;
        path = QFileInfo(path).absolutePath();
    }
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
    // An unknown parameter still takes the command-line road, without a
    // window; with no logon values nothing can run.
    const TRun unknown = RunProgram({QStringLiteral("anything=1")});
    EXPECT_EQ(unknown.exitCode, 1);
}

// A one-file session over a JSON-lines file into table Orders of db.
QString WriteOrdersSession(const TTestDir& dir, const QString& name, const QString& json, const QString& db,
                           bool withTargetDB)
{
    const QString source = dir.File(name + QStringLiteral(".json"));
    WriteFileText(source, json);
    QString text = QStringLiteral("[Load]\r\nConvertType=JsonToTable\r\nSourceType=Json\r\nDestType=Table\r\n"
                                  "SourceStoreType=File\r\nSourceFile=%1\r\nSublevel=1\r\nDestTable=Orders\r\n"
                                  "LoadType=0\r\nDestFields=id***|amount***\r\nErrorsToAllow=50\r\n")
                       .arg(source);
    if (withTargetDB)
        text += QStringLiteral("[TargetDB]\r\nDatabase=%1\r\n").arg(db);
    const QString session = dir.File(name + QStringLiteral(".jif"));
    WriteFileText(session, text);
    return session;
}

class CmdLineRuns : public CmdLine {
protected:
    void SetUp() override
    {
        db = Path(QStringLiteral("orders.accdb"));
        const QString sql = Path(QStringLiteral("schema.sql"));
        WriteFileText(sql, QStringLiteral("create table Orders (id Long, amount Double);"));
        ASSERT_EQ(RunProgram({QStringLiteral("access_database=") + db, QStringLiteral("sql=") + sql}).exitCode, 0);
    }
    // The rows of Orders, as "id:amount" in id order.
    QStringList Rows() const
    {
        QProcess p;
        p.start(QStringLiteral("sqlite3"), {db, QStringLiteral("select id || ':' || ifnull(amount, '') from Orders order by id")});
        p.waitForFinished(30000);
        return QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    QString db;
};

TEST_F(CmdLineRuns, ExitCodeTellsSuccessFromRejectedRows)
{
    const QString good = WriteOrdersSession(dir, QStringLiteral("good"),
                                            QStringLiteral("{\"id\": 1, \"amount\": 2.5}\n{\"id\": 2, \"amount\": 3}\n"), db, true);
    const QString log = Path(QStringLiteral("good.log"));
    TRun run = RunProgram({QStringLiteral("session=") + good, QStringLiteral("logfile=") + log});
    EXPECT_EQ(run.exitCode, 0) << ReadFileText(log).toStdString();
    EXPECT_EQ(Rows(), QStringList({QStringLiteral("1:2.5"), QStringLiteral("2:3.0")}));
    const QStringList lines = LogLines(log);
    EXPECT_TRUE(lines.contains(QStringLiteral("Total Convert Records: 2")));
    EXPECT_EQ(lines.last(), QStringLiteral("End Convert"));

    const QString bad = WriteOrdersSession(dir, QStringLiteral("bad"),
                                           QStringLiteral("{\"id\": 3, \"amount\": \"lots\"}\n{\"id\": 4, \"amount\": 1}\n"), db, true);
    run = RunProgram({QStringLiteral("session=") + bad, QStringLiteral("logfile=") + Path(QStringLiteral("bad.log"))});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(Rows(), QStringList({QStringLiteral("1:2.5"), QStringLiteral("2:3.0"), QStringLiteral("4:1.0")}));
    EXPECT_TRUE(ReadFileText(Path(QStringLiteral("bad_bad.txt"))).contains(QStringLiteral("\"3\",\"lots\"")));
}

TEST_F(CmdLineRuns, ParametersWinOverTheTargetDBSection)
{
    const QString other = Path(QStringLiteral("other.accdb"));
    const QString session = WriteOrdersSession(dir, QStringLiteral("s"), QStringLiteral("{\"id\": 7, \"amount\": 1}\n"),
                                               other, true);
    const TRun run = RunProgram({QStringLiteral("session=") + session, QStringLiteral("access_database=") + db});
    EXPECT_EQ(run.exitCode, 0) << run.out.toStdString();
    EXPECT_EQ(Rows(), QStringList({QStringLiteral("7:1.0")}));
    EXPECT_FALSE(QFile::exists(other));
}

TEST_F(CmdLineRuns, WorkspaceGoesOnAfterAMissingSession)
{
    const QString first = WriteOrdersSession(dir, QStringLiteral("a"), QStringLiteral("{\"id\": 1, \"amount\": 1}\n"), db, true);
    const QString third = WriteOrdersSession(dir, QStringLiteral("c"), QStringLiteral("{\"id\": 3, \"amount\": 3}\n"), db, true);
    const QString missing = Path(QStringLiteral("b.jif"));
    const QString workspace = Path(QStringLiteral("all.txt"));
    WriteFileText(workspace, first + QStringLiteral("\r\n") + missing + QStringLiteral("\r\n") + third + QStringLiteral("\r\n"));
    const QString log = Path(QStringLiteral("ws.log"));
    const TRun run = RunProgram({QStringLiteral("workspace=") + workspace, QStringLiteral("session=") + first,
                                 QStringLiteral("logfile=") + log});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(Rows(), QStringList({QStringLiteral("1:1.0"), QStringLiteral("3:3.0")}));
    EXPECT_TRUE(LogLines(log).contains(QStringLiteral("[error]\tsession file: ") + missing + QStringLiteral(" not exists.")));
}

// A source in a folder the user cannot write to: its bad file goes to the
// documents folder, the other rows are imported, and the log names the file.
TEST_F(CmdLineRuns, BadFileOfAReadOnlySourceFolderGoesToTheDocumentsFolder)
{
    if (geteuid() == 0 && !OthersCanRunProgram())
        GTEST_SKIP() << "user " << UnprivilegedId << " cannot reach " << AMBERTIDE_EXE
                     << ": a folder on its path or the file lacks the others execute bit";
    const QString session = WriteOrdersSession(
        dir, QStringLiteral("src"),
        QStringLiteral("{\"id\": 1, \"amount\": 1}\n{\"id\": 2, \"amount\": \"lots\"}\n{\"id\": 3, \"amount\": 3}\n"),
        db, true);
    // The source moves into a folder the program's user cannot write to.
    const QString readOnly = Path(QStringLiteral("ro"));
    const QString source = readOnly + QStringLiteral("/src.json");
    ASSERT_TRUE(QDir().mkpath(readOnly));
    ASSERT_TRUE(QFile::rename(Path(QStringLiteral("src.json")), source));
    TMyIniFile(session).WriteString(QStringLiteral("Load"), QStringLiteral("SourceFile"), source);
    const QString home = Path(QStringLiteral("home"));
    ASSERT_TRUE(QDir().mkpath(home));
    const QString log = Path(QStringLiteral("run.log"));
    if (geteuid() == 0) {
        // All but the source folder belongs to the program's user: database, session, home.
        std::vector<QString> paths{dir.Path()};
        for (QDirIterator it(dir.Path(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
             it.hasNext();) {
            const QString p = it.next();
            if (p != readOnly && !p.startsWith(readOnly + QLatin1Char('/')))
                paths.push_back(p);
        }
        for (const QString& p : paths)
            ASSERT_EQ(chown(QFile::encodeName(p).constData(), UnprivilegedId, UnprivilegedId), 0) << p.toStdString();
    }
    ASSERT_EQ(chmod(QFile::encodeName(readOnly).constData(), 0555), 0);

    const TRun run = RunWithHome({QStringLiteral("session=") + session, QStringLiteral("logfile=") + log}, home);
    chmod(QFile::encodeName(readOnly).constData(), 0755);  // so the folder can be removed
    ASSERT_NE(run.exitCode, 127) << "could not switch to user " << UnprivilegedId;
    EXPECT_EQ(run.exitCode, 2) << run.out.toStdString() << ReadFileText(log).toStdString();
    EXPECT_EQ(Rows(), QStringList({QStringLiteral("1:1.0"), QStringLiteral("3:3.0")}));
    EXPECT_FALSE(QFile::exists(readOnly + QStringLiteral("/src_bad.txt")));
    const QString badFile = home + QStringLiteral("/Documents/Ambertide/src_bad.txt");
    EXPECT_TRUE(ReadFileText(badFile).contains(QStringLiteral("\"2\",\"lots\""))) << badFile.toStdString();
    EXPECT_EQ(QFileInfo(badFile).ownerId(), geteuid() == 0 ? UnprivilegedId : geteuid());
    const QStringList lines = LogLines(log);
    const QString named = QStringLiteral("Please see the Bad File: ") + badFile + QStringLiteral(".");
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const QString& l) { return l.endsWith(named); }))
        << ReadFileText(log).toStdString();
}

QString RowCount(const QString& db, const QString& sql = QStringLiteral("select count(*) from Orders"))
{
    QProcess p;
    p.start(QStringLiteral("sqlite3"), {db, sql});
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

// A run killed in the middle leaves whole committed blocks and a sound file;
// running it again in "Replace" mode gives exactly the source's rows.
TEST_F(CmdLineRuns, KilledRunLeavesWholeCommitsAndARerunReplacesThem)
{
    const int total = 200000;
    QString json;
    json.reserve(total * 30);
    for (int i = 1; i <= total; ++i)
        json += QStringLiteral("{\"id\": %1, \"amount\": %2.5}\n").arg(i).arg(i % 1000);
    const QString session = WriteOrdersSession(dir, QStringLiteral("big"), json, db, true);
    TMyIniFile(session).WriteString(QStringLiteral("Load"), QStringLiteral("LoadType"), QStringLiteral("1"));

    QProcess run;
    run.start(QStringLiteral(AMBERTIDE_EXE), {QStringLiteral("session=") + session});
    ASSERT_TRUE(run.waitForStarted(10000));
    // Wait for the first commits, then kill it.
    int rows = 0;
    for (int i = 0; i < 600 && rows < 2000 && run.state() == QProcess::Running; ++i) {
        QThread::msleep(100);
        rows = RowCount(db).toInt();
    }
    ASSERT_EQ(run.state(), QProcess::Running) << "the run ended before it could be killed";
    ::kill(static_cast<pid_t>(run.processId()), SIGKILL);
    run.waitForFinished(10000);
    const int left = RowCount(db).toInt();
    EXPECT_GT(left, 0);
    EXPECT_LT(left, total);
    EXPECT_EQ(left % 1000, 0) << left;
    EXPECT_EQ(RowCount(db, QStringLiteral("pragma integrity_check")), QStringLiteral("ok"));

    const TRun again = RunProgram({QStringLiteral("session=") + session});
    EXPECT_EQ(again.exitCode, 0);
    EXPECT_EQ(RowCount(db), QString::number(total));
    EXPECT_EQ(RowCount(db, QStringLiteral("select count(distinct id) from Orders")), QString::number(total));
}

// Two runs at once on one database: both finish, nothing is corrupted, and
// no row is lost without a word (a run that could not write says so).
TEST_F(CmdLineRuns, TwoRunsAtOnce)
{
    QString a, b;
    for (int i = 1; i <= 20000; ++i) {
        a += QStringLiteral("{\"id\": %1, \"amount\": 1}\n").arg(i);
        b += QStringLiteral("{\"id\": %1, \"amount\": 2}\n").arg(100000 + i);
    }
    const QString first = WriteOrdersSession(dir, QStringLiteral("first"), a, db, true);
    const QString second = WriteOrdersSession(dir, QStringLiteral("second"), b, db, true);
    QProcess p1, p2;
    p1.start(QStringLiteral(AMBERTIDE_EXE), {QStringLiteral("session=") + first, QStringLiteral("logfile=") + Path(QStringLiteral("1.log"))});
    p2.start(QStringLiteral(AMBERTIDE_EXE), {QStringLiteral("session=") + second, QStringLiteral("logfile=") + Path(QStringLiteral("2.log"))});
    ASSERT_TRUE(p1.waitForFinished(300000));
    ASSERT_TRUE(p2.waitForFinished(300000));
    EXPECT_EQ(RowCount(db, QStringLiteral("pragma integrity_check")), QStringLiteral("ok"));
    const int ones = RowCount(db, QStringLiteral("select count(*) from Orders where amount = 1")).toInt();
    const int twos = RowCount(db, QStringLiteral("select count(*) from Orders where amount = 2")).toInt();
    for (const auto& [code, rows, log] : {std::tuple{p1.exitCode(), ones, Path(QStringLiteral("1.log"))},
                                          std::tuple{p2.exitCode(), twos, Path(QStringLiteral("2.log"))}}) {
        SCOPED_TRACE(log.toStdString());
        if (code == 0)
            EXPECT_EQ(rows, 20000);
        else
            EXPECT_TRUE(ReadFileText(log).contains(QStringLiteral("in use"))) << ReadFileText(log).toStdString();
    }
}

}  // namespace
