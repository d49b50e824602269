#include "DacTestUtil.h"

#include "ULog.h"
#include "UMemoryLogAppender.h"
#include "UUniMetaData.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

TUniConnection* OpenOn(TUniConnection& c, const QString& path, const QString& password = QString(), int lockTimeout = -1)
{
    c.SetProviderName(QStringLiteral("Access"));
    c.SetDatabase(path);
    c.SetPassword(password);
    if (lockTimeout >= 0)
        c.SetSpecificOption(QStringLiteral("LockTimeout"), QString::number(lockTimeout));
    c.Open();
    return &c;
}

QString IntegrityOf(const QString& path)
{
    TUniConnection c;
    OpenOn(c, path);
    TUniQuery q(&c);
    q.SetSQL(QStringLiteral("pragma integrity_check"));
    q.Open();
    return q.Fields(0).AsString();
}

QString CountOf(const QString& path)
{
    TUniConnection c;
    OpenOn(c, path);
    TUniQuery q(&c);
    q.SetSQL(QStringLiteral("select count(*) from t"));
    q.Open();
    return q.Fields(0).AsString();
}

// Runs fn in a child process that has given up root (when it had it), so
// that file permissions apply; returns the child's error text ("" for none).
QString AsUnprivileged(const std::function<void()>& fn)
{
    int fds[2];
    if (pipe(fds) != 0)
        return QStringLiteral("pipe failed");
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        QByteArray out;
        if (getuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            out = "setuid failed";
        else
            out = ErrorOf(fn).toUtf8();
        (void)!write(fds[1], out.constData(), out.size());
        close(fds[1]);
        _exit(0);
    }
    close(fds[1]);
    QByteArray text;
    char buffer[512];
    ssize_t n;
    while ((n = read(fds[0], buffer, sizeof buffer)) > 0)
        text.append(buffer, n);
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    return QString::fromUtf8(text);
}

}  // namespace

TEST(AccessFiles, CreatesSqliteFilesUnderAnyExtension)
{
    TTestDir dir;
    for (const char* name : {"a.mdb", "b.accdb", "c.ACCDB", "d.db"}) {
        SCOPED_TRACE(name);
        const QString path = dir.File(QString::fromLatin1(name));
        AccessEngine::CreateDatabaseFile(path);
        EXPECT_TRUE(ReadFileBytes(path).startsWith(QByteArray("SQLite format 3\0", 16)));
        EXPECT_TRUE(AccessEngine::IsEngineFile(path));
        TUniConnection c;
        OpenOn(c, path);
        TUniMetaData md(&c);
        md.SetMetaDataKind(QStringLiteral("Tables"));
        md.Open();
        EXPECT_TRUE(md.Eof()) << "the engine's own table is not listed";
    }
    EXPECT_EQ(ErrorOf([&] { AccessEngine::CreateDatabaseFile(dir.File(QStringLiteral("a.mdb"))); }),
              QStringLiteral("Database already exists. File: '%1'.").arg(dir.File(QStringLiteral("a.mdb"))));
    const QString missing = dir.File(QStringLiteral("no/such/x.accdb"));
    EXPECT_EQ(ErrorOf([&] { AccessEngine::CreateDatabaseFile(missing); }),
              QStringLiteral("Could not create file '%1': the folder does not exist.").arg(missing));
    EXPECT_EQ(AccessEngine::DriverNames().size(), 1);
    EXPECT_TRUE(AccessEngine::DriverNames().first().contains(QStringLiteral("*.mdb, *.accdb")));
}

TEST(AccessFiles, FilesNotInTheEngineFormatAreRefusedAndLeftAlone)
{
    TTestDir dir;
    struct Case {
        const char* Name;
        QByteArray Bytes;
    };
    const Case cases[] = {
        {"text.accdb", QByteArray("Name,Value\r\nx,1\r\n")},
        {"empty.accdb", QByteArray()},
        // The start of a Jet file: not an SQLite header.
        {"jet.mdb", QByteArray("\x00\x01\x00\x00Standard Jet DB\x00", 20) + QByteArray(2028, '\x5a')},
        {"truncated.accdb", QByteArray("SQLite format 3\0", 16)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const QString path = dir.File(QString::fromLatin1(c.Name));
        WriteFileBytes(path, c.Bytes);
        TUniConnection conn;
        EXPECT_EQ(ErrorOf([&] { OpenOn(conn, path); }), QStringLiteral("Unrecognized database format '%1'.").arg(path));
        EXPECT_FALSE(conn.Connected());
        EXPECT_EQ(ReadFileBytes(path), c.Bytes);
    }
    // Nothing beside them either (no journal, no WAL).
    EXPECT_EQ(QDir(dir.Path()).entryList(QDir::Files).size(), 4);

    TUniConnection conn;
    const QString missingFile = dir.File(QStringLiteral("missing.accdb"));
    EXPECT_EQ(ErrorOf([&] { OpenOn(conn, missingFile); }), QStringLiteral("Could not find file '%1'.").arg(missingFile));
    EXPECT_FALSE(QFile::exists(missingFile));
    const QString missingFolder = dir.File(QStringLiteral("none/x.accdb"));
    EXPECT_TRUE(ErrorOf([&] { OpenOn(conn, missingFolder); }).startsWith(QStringLiteral("'%1' is not a valid path.").arg(missingFolder)));
    EXPECT_EQ(ErrorOf([&] { OpenOn(conn, QString()); }), QStringLiteral("Not a valid file name."));
}

TEST(AccessFiles, ReadOnlyFolder)
{
    TTestDir dir;
    const QString path = dir.File(QStringLiteral("ro.accdb"));
    AccessEngine::CreateDatabaseFile(path);
    {
        TUniConnection c;
        OpenOn(c, path);
        c.ExecSQL(QStringLiteral("create table t ([n] Long)"));
        c.ExecSQL(QStringLiteral("insert into t values (1)"));
    }
    const QByteArray before = ReadFileBytes(path);
    ASSERT_TRUE(QFile::setPermissions(dir.Path(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther
                                                      | QFile::ReadGroup | QFile::ExeGroup));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther | QFile::ReadGroup);

    const QString created = AsUnprivileged([&] { AccessEngine::CreateDatabaseFile(dir.File(QStringLiteral("new.accdb"))); });
    EXPECT_EQ(created, QStringLiteral("Could not create file '%1': the folder is read-only.").arg(dir.File(QStringLiteral("new.accdb"))))
        << created.toStdString();
    const QString written = AsUnprivileged([&] {
        TUniConnection c;
        OpenOn(c, path);
        c.ExecSQL(QStringLiteral("insert into t values (2)"));
    });
    EXPECT_EQ(written, QStringLiteral("Cannot update. Database or object is read-only. File: '%1'.").arg(path));
    QFile::setPermissions(dir.Path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(ReadFileBytes(path), before);
    EXPECT_EQ(CountOf(path), QStringLiteral("1"));
}

TEST(AccessFiles, PasswordIsCheckedAndNeverStoredOrLoggedInClear)
{
    TTestDir dir;
    const QString path = dir.File(QStringLiteral("secret.mdb"));
    TMemoryLogAppender log;
    TLog::Global().AddAppender(&log);
    AccessEngine::CreateDatabaseFile(path, QStringLiteral("Sesame-42"));
    const struct {
        const char* Password;
        bool Accepted;
    } cases[] = {{"", false}, {"sesame-42", false}, {"Sesame-4", false}, {"Sesame-42", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Password);
        TUniConnection conn;
        const QString error = ErrorOf([&] { OpenOn(conn, path, QString::fromLatin1(c.Password)); });
        EXPECT_EQ(error, c.Accepted ? QString() : QStringLiteral("Not a valid password."));
        EXPECT_EQ(conn.Connected(), c.Accepted);
    }
    TLog::Global().RemoveAppender(&log);
    EXPECT_FALSE(ReadFileBytes(path).contains("Sesame-42"));
    EXPECT_FALSE(log.GetText().contains(QStringLiteral("Sesame-42")));
    EXPECT_TRUE(log.GetText().contains(path));

    // A file without a password opens with any password, as Access does.
    const QString open = dir.File(QStringLiteral("open.mdb"));
    AccessEngine::CreateDatabaseFile(open);
    TUniConnection conn;
    EXPECT_EQ(ErrorOf([&] { OpenOn(conn, open, QStringLiteral("anything")); }), QString());
}

TEST(AccessFiles, SecondConnectionWhileTheFirstWrites)
{
    TTestDir dir;
    const QString path = dir.File(QStringLiteral("shared.accdb"));
    AccessEngine::CreateDatabaseFile(path);
    TUniConnection first, second;
    OpenOn(first, path);
    first.ExecSQL(QStringLiteral("create table t ([n] Long)"));
    first.ExecSQL(QStringLiteral("insert into t values (1)"));
    first.StartTransaction();
    first.ExecSQL(QStringLiteral("insert into t values (2)"));

    OpenOn(second, path, QString(), 100);
    // The reader sees the last committed state while the writer works.
    TUniQuery q(&second);
    q.SetSQL(QStringLiteral("select count(*) from t"));
    q.Open();
    EXPECT_EQ(q.Fields(0).AsString(), QStringLiteral("1"));
    q.Close();
    const QString inUse = QStringLiteral("Could not use '%1'; file already in use.").arg(path);
    EXPECT_EQ(ErrorOf([&] { second.ExecSQL(QStringLiteral("insert into t values (3)")); }), inUse);
    EXPECT_EQ(ErrorOf([&] { second.StartTransaction(); }), inUse);
    EXPECT_FALSE(second.InTransaction());

    first.Commit();
    second.ExecSQL(QStringLiteral("insert into t values (3)"));
    first.Close();
    second.Close();
    EXPECT_EQ(CountOf(path), QStringLiteral("3"));
    EXPECT_EQ(IntegrityOf(path), QStringLiteral("ok"));
}

class KilledWriterTest : public ::testing::TestWithParam<const char*> {};

TEST_P(KilledWriterTest, ReopenShowsTheLastCommittedRows)
{
    TTestDir dir;
    const QString path = dir.File(QStringLiteral("killed.accdb"));
    AccessEngine::CreateDatabaseFile(path);
    {
        TUniConnection c;
        OpenOn(c, path);
        c.ExecSQL(QStringLiteral("create table t ([n] Long, [s] Text(100))"));
    }
    QProcess child;
    child.start(QStringLiteral(AMBERTIDE_CRASH_HELPER), {path, QString::fromLatin1(GetParam())});
    ASSERT_TRUE(child.waitForStarted(10000));
    QByteArray out;
    while (!out.contains("ready") && child.waitForReadyRead(30000))
        out += child.readAllStandardOutput();
    ASSERT_TRUE(out.contains("ready")) << child.readAllStandardError().toStdString();
    if (QByteArray(GetParam()) == "stream")
        QThread::msleep(150);  // somewhere in the middle of a later batch or its commit
    if (QByteArray(GetParam()) == "hold") {
        // The other process holds an open transaction: reading shows its commits, writing waits, then fails.
        EXPECT_EQ(CountOf(path), QStringLiteral("2000"));
        TUniConnection c;
        OpenOn(c, path, QString(), 100);
        EXPECT_EQ(ErrorOf([&] { c.ExecSQL(QStringLiteral("insert into t ([n]) values (-2)")); }),
                  QStringLiteral("Could not use '%1'; file already in use.").arg(path));
    }
    child.kill();  // SIGKILL
    ASSERT_TRUE(child.waitForFinished(10000));
    EXPECT_EQ(child.exitStatus(), QProcess::CrashExit);

    EXPECT_EQ(IntegrityOf(path), QStringLiteral("ok"));
    const int count = CountOf(path).toInt();
    if (QByteArray(GetParam()) == "hold")
        EXPECT_EQ(count, 2000);
    else {
        EXPECT_GE(count, 1000);
        EXPECT_EQ(count % 1000, 0);
    }
    // The file takes writes again.
    TUniConnection c;
    OpenOn(c, path);
    EXPECT_EQ(c.ExecSQL(QStringLiteral("insert into t ([n]) values (-1)")), 1);
}

INSTANTIATE_TEST_SUITE_P(Modes, KilledWriterTest, ::testing::Values("hold", "stream"));

TEST(AccessFiles, OtherSqliteWritersAreHeldToTheChecksAndTheirTablesAreRead)
{
    TTestDir dir;
    const QString path = dir.File(QStringLiteral("shared.mdb"));
    AccessEngine::CreateDatabaseFile(path);
    {
        TUniConnection c;
        OpenOn(c, path);
        c.ExecSQL(QStringLiteral("create table t ([n] Long, [d] DateTime, [s] Text(3))"));
    }
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
    for (const char* sql : {"insert into t (n) values ('abc')", "insert into t (n) values (4294967296)",
                            "insert into t (d) values ('31.01.2020')", "insert into t (s) values ('abcd')"}) {
        SCOPED_TRACE(sql);
        EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_CONSTRAINT);
    }
    EXPECT_EQ(sqlite3_exec(db, "create table x (a bigint, b nvarchar(20), c blob, d)", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close_v2(db);

    TUniConnection c;
    OpenOn(c, path);
    EXPECT_EQ(CountOf(path), QStringLiteral("0"));
    TUniMetaData md(&c);
    md.SetMetaDataKind(QStringLiteral("Columns"));
    md.Restrictions().SetValue(QStringLiteral("TABLE_NAME"), QStringLiteral("x"));
    md.Open();
    QStringList types;
    for (; !md.Eof(); md.Next())
        types.append(md.FieldByName(QStringLiteral("DATA_TYPE")).AsString() + QLatin1Char(' ')
                     + md.FieldByName(QStringLiteral("DATA_LENGTH")).AsString());
    EXPECT_EQ(types, (QStringList{"INTEGER 10", "VARCHAR 20", "LONGBINARY 1073741823", " 0"}));
}
