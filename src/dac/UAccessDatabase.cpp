#include "UAccessDatabase.h"

#include "UAccessFunctions.h"
#include "UAccessValue.h"
#include "UException.h"
#include "UUniParam.h"

#include <QCryptographicHash>
#include <algorithm>
#include <cmath>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <sqlite3.h>

namespace {

const QString KInfoTable = QStringLiteral("MSysEngineInfo");
constexpr int KPasswordRounds = 20000;
// Marks the files this engine created ("AmbT"); files of other SQLite tools are opened too.
constexpr int KApplicationId = 0x416D6254;

QString InUseText(const QString& path)
{
    return QStringLiteral("Could not use '%1'; file already in use.").arg(path);
}

QString FormatText(const QString& path)
{
    return QStringLiteral("Unrecognized database format '%1'.").arg(path);
}

QString PasswordDigest(const QByteArray& salt, const QString& password)
{
    QByteArray digest = salt + password.toUtf8();
    for (int i = 0; i < KPasswordRounds; ++i)
        digest = QCryptographicHash::hash(digest + salt, QCryptographicHash::Sha256);
    return QString::fromLatin1(digest.toHex());
}

bool HasSqliteHeader(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    return f.read(16) == QByteArray("SQLite format 3\0", 16);
}

// A one-row text answer of an SQLite statement, or rc on failure.
int QueryText(sqlite3* db, const QString& sql, QString& answer, const QString& arg = QString())
{
    sqlite3_stmt* stmt = nullptr;
    const QByteArray text = sql.toUtf8();
    int rc = sqlite3_prepare_v2(db, text.constData(), -1, &stmt, nullptr);
    if (rc != SQLITE_OK)
        return rc;
    const QByteArray a = arg.toUtf8();
    if (!arg.isNull())
        sqlite3_bind_text(stmt, 1, a.constData(), -1, SQLITE_TRANSIENT);
    rc = sqlite3_step(stmt);
    if (rc == SQLITE_ROW) {
        answer = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
        rc = SQLITE_OK;
    } else if (rc == SQLITE_DONE) {
        answer = QString();
        rc = SQLITE_OK;
    }
    sqlite3_finalize(stmt);
    return rc;
}

// Texts of the engine for SQLite's errors; the SQLite text where the engine has none.
QString EngineErrorText(int rc, const QString& message, const QString& path)
{
    const int primary = rc & 0xff;
    static const QString KFailedCheck = QStringLiteral("CHECK constraint failed: ");
    if (primary == SQLITE_BUSY || primary == SQLITE_LOCKED)
        return InUseText(path);
    if (primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT)
        return FormatText(path);
    if (primary == SQLITE_READONLY)
        return QStringLiteral("Cannot update. Database or object is read-only. File: '%1'.").arg(path);
    if (primary == SQLITE_FULL)
        return QStringLiteral("Disk or database full. File: '%1'.").arg(path);
    if (primary == SQLITE_CANTOPEN || primary == SQLITE_IOERR || primary == SQLITE_PERM)
        return QStringLiteral("The database engine cannot open the file '%1'. %2.").arg(path, message);
    if (rc == SQLITE_CONSTRAINT_CHECK && message.startsWith(KFailedCheck)) {
        TAccessCheck check;
        QString column;
        if (ParseAccessCheckName(message.mid(KFailedCheck.size()), check, column)) {
            const QString& text = check == TAccessCheck::Type    ? AccessText::TypeMismatch
                                  : check == TAccessCheck::Range ? AccessText::OutOfRange
                                                                 : AccessText::FieldTooSmall;
            return QStringLiteral("%1 Field \"%2\".").arg(text, column);
        }
        return message;
    }
    if (rc == SQLITE_CONSTRAINT_NOTNULL) {
        const QString field = message.section(QLatin1String(": "), 1);
        return QStringLiteral("The field '%1' cannot contain a Null value because the Required property for this "
                              "field is set to True. Enter a value in this field.").arg(field);
    }
    if (rc == SQLITE_CONSTRAINT_UNIQUE || rc == SQLITE_CONSTRAINT_PRIMARYKEY)
        return QStringLiteral(
                   "The changes you requested to the table were not successful because they would create duplicate "
                   "values in the index, primary key, or relationship. Change the data in the field or fields that "
                   "contain duplicate data, remove the index, or redefine the index to permit duplicate entries and "
                   "try again. (%1)").arg(message);
    if (message.startsWith(QLatin1String("no such table: ")))
        return QStringLiteral("The database engine cannot find the input table or query '%1'. Make sure it exists "
                              "and that its name is spelled correctly.").arg(message.mid(15));
    if (message.startsWith(QLatin1String("table ")) && message.endsWith(QLatin1String(" already exists")))
        return QStringLiteral("Table '%1' already exists.").arg(message.mid(6, message.size() - 6 - 15).remove(QLatin1Char('"')));
    return message;
}

}  // namespace

// ---------------------------------------------------------------- database

TAccessDatabase::TAccessDatabase(const QString& path, const QString& password, const TAccessOpenOptions& options)
    : FPath(path)
{
    if (path.trimmed().isEmpty())
        throw Exception(QStringLiteral("Not a valid file name."));
    const QFileInfo fi(path);
    if (!fi.dir().exists())
        throw Exception(QStringLiteral("'%1' is not a valid path. Make sure that the path name is spelled correctly.").arg(path));
    if (!fi.exists())
        throw Exception(QStringLiteral("Could not find file '%1'.").arg(path));
    if (fi.isDir())
        throw Exception(QStringLiteral("Not a valid file name: '%1' is a folder.").arg(path));
    if (!fi.isReadable())
        throw Exception(QStringLiteral("The database engine cannot open the file '%1'. It is already opened exclusively "
                                       "by another user, or you need permission to view its data.").arg(path));
    // Checked before SQLite sees the file: SQLite would take an empty file
    // for a new database and write to it.
    if (fi.size() == 0 || !HasSqliteHeader(path))
        throw Exception(FormatText(path));

    const bool writable = fi.isWritable() && QFileInfo(fi.absolutePath()).isWritable();
    const int flags = (writable ? SQLITE_OPEN_READWRITE : SQLITE_OPEN_READONLY) | SQLITE_OPEN_NOMUTEX;
    int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &FDb, flags, nullptr);
    if (rc != SQLITE_OK) {
        const QString message = FDb ? QString::fromUtf8(sqlite3_errmsg(FDb)) : QString();
        sqlite3_close_v2(FDb);
        FDb = nullptr;
        throw Exception(EngineErrorText(rc, message, path));
    }
    sqlite3_extended_result_codes(FDb, 1);
    sqlite3_busy_timeout(FDb, options.LockTimeoutMs);
    try {
        QString answer;
        rc = QueryText(FDb, QStringLiteral("SELECT count(*) FROM sqlite_master"), answer);
        if (rc != SQLITE_OK)
            Raise(rc);
        CheckPassword(password);
        ExecNative(options.FullSync ? QStringLiteral("PRAGMA synchronous=FULL") : QStringLiteral("PRAGMA synchronous=NORMAL"));
        ExecNative(QStringLiteral("PRAGMA foreign_keys=ON"));
        RegisterAccessFunctions(FDb);
    } catch (...) {
        sqlite3_close_v2(FDb);
        FDb = nullptr;
        throw;
    }
}

TAccessDatabase::~TAccessDatabase()
{
    for (TAccessStatement* s : QSet<TAccessStatement*>(FStatements))
        s->Orphan();
    if (FDb) {
        if (!sqlite3_get_autocommit(FDb))
            sqlite3_exec(FDb, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close_v2(FDb);
    }
}

void TAccessDatabase::CheckPassword(const QString& password)
{
    QString exists;
    int rc = QueryText(FDb, QStringLiteral("SELECT name FROM sqlite_master WHERE type='table' AND name=?1"), exists, KInfoTable);
    if (rc != SQLITE_OK)
        Raise(rc);
    if (exists.isEmpty())
        return;  // a file of another SQLite tool: no password
    QString salt, digest;
    rc = QueryText(FDb, QStringLiteral("SELECT Value FROM %1 WHERE Name=?1").arg(SqliteQuote(KInfoTable)), salt,
                   QStringLiteral("PasswordSalt"));
    if (rc == SQLITE_OK)
        rc = QueryText(FDb, QStringLiteral("SELECT Value FROM %1 WHERE Name=?1").arg(SqliteQuote(KInfoTable)), digest,
                       QStringLiteral("PasswordDigest"));
    if (rc != SQLITE_OK)
        Raise(rc);
    if (digest.isEmpty())
        return;
    if (PasswordDigest(QByteArray::fromHex(salt.toLatin1()), password) != digest)
        throw Exception(QStringLiteral("Not a valid password."));
}

void TAccessDatabase::CreateFile(const QString& path, const QString& password)
{
    if (path.trimmed().isEmpty())
        throw Exception(QStringLiteral("Not a valid file name."));
    const QFileInfo fi(path);
    if (fi.exists())
        throw Exception(QStringLiteral("Database already exists. File: '%1'.").arg(path));
    if (!fi.dir().exists())
        throw Exception(QStringLiteral("Could not create file '%1': the folder does not exist.").arg(path));
    if (!QFileInfo(fi.absolutePath()).isWritable())
        throw Exception(QStringLiteral("Could not create file '%1': the folder is read-only.").arg(path));

    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db,
                             SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_EXCLUSIVE | SQLITE_OPEN_NOMUTEX, nullptr);
    auto fail = [&](int code) {
        const QString message = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString::fromUtf8(sqlite3_errstr(code));
        sqlite3_close_v2(db);
        QFile::remove(path);
        QFile::remove(path + QStringLiteral("-wal"));
        QFile::remove(path + QStringLiteral("-shm"));
        throw Exception(QStringLiteral("Could not create file '%1': %2.").arg(path, message));
    };
    if (rc != SQLITE_OK)
        fail(rc);
    QByteArray salt(16, Qt::Uninitialized);
    for (char& c : salt)
        c = static_cast<char>(QRandomGenerator::system()->bounded(256));
    QString script = QStringLiteral(
                         "PRAGMA application_id=%1; PRAGMA journal_mode=WAL; BEGIN; "
                         "CREATE TABLE %2 (Name VARCHAR(64) PRIMARY KEY, Value LONGCHAR); "
                         "INSERT INTO %2 VALUES ('FormatVersion','1');")
                         .arg(QString::number(KApplicationId), SqliteQuote(KInfoTable));
    if (!password.isEmpty())
        script += QStringLiteral("INSERT INTO %1 VALUES ('PasswordSalt','%2'), ('PasswordDigest','%3');")
                      .arg(SqliteQuote(KInfoTable), QString::fromLatin1(salt.toHex()), PasswordDigest(salt, password));
    script += QStringLiteral("COMMIT;");
    rc = sqlite3_exec(db, script.toUtf8().constData(), nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        fail(rc);
    sqlite3_close_v2(db);
}

QString TAccessDatabase::ErrorText(int rc) const
{
    return EngineErrorText(rc, QString::fromUtf8(sqlite3_errmsg(FDb)), FPath);
}

void TAccessDatabase::Raise(int rc) const
{
    throw Exception(ErrorText(rc));
}

void TAccessDatabase::ExecNative(const QString& sql)
{
    const int rc = sqlite3_exec(FDb, sql.toUtf8().constData(), nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        Raise(sqlite3_extended_errcode(FDb));
}

void TAccessDatabase::Begin()
{
    if (InTransaction())
        throw Exception(QStringLiteral("A transaction is already open."));
    // IMMEDIATE takes the write lock now, so that a file in use fails here
    // with the clear text instead of in the middle of the work.
    ExecNative(QStringLiteral("BEGIN IMMEDIATE"));
}

void TAccessDatabase::Commit()
{
    if (InTransaction())
        ExecNative(QStringLiteral("COMMIT"));
}

void TAccessDatabase::Rollback()
{
    if (InTransaction())
        ExecNative(QStringLiteral("ROLLBACK"));
}

bool TAccessDatabase::InTransaction() const
{
    return FDb && !sqlite3_get_autocommit(FDb);
}

const TAccessTableInfo* TAccessDatabase::FindTable(const QString& name)
{
    QString version;
    int rc = QueryText(FDb, QStringLiteral("PRAGMA schema_version"), version);
    if (rc != SQLITE_OK)
        Raise(rc);
    if (version.toInt() != FSchemaVersion) {
        FTables.clear();
        FSchemaVersion = version.toInt();
    }
    const QString key = name.toLower();
    if (auto it = FTables.find(key); it != FTables.end())
        return it.value().get();

    sqlite3_stmt* stmt = nullptr;
    rc = sqlite3_prepare_v2(FDb, "SELECT type, name, sql FROM sqlite_master WHERE type IN ('table','view') "
                                 "AND name=?1 COLLATE NOCASE", -1, &stmt, nullptr);
    if (rc != SQLITE_OK)
        Raise(rc);
    const QByteArray n = name.toUtf8();
    sqlite3_bind_text(stmt, 1, n.constData(), -1, SQLITE_TRANSIENT);
    rc = sqlite3_step(stmt);
    if (rc != SQLITE_ROW) {
        sqlite3_finalize(stmt);
        if (rc != SQLITE_DONE)
            Raise(rc);
        return nullptr;
    }
    auto info = std::make_shared<TAccessTableInfo>();
    info->IsView = QByteArray(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0))) == "view";
    info->Name = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 1)));
    const QString sql = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 2)));
    sqlite3_finalize(stmt);

    // The primary key's constraint name, and whether the rowid key numbers itself.
    const auto tokens = TokenizeAccessSql(sql, true);
    std::vector<const TAccessToken*> sig;
    for (const auto& t : tokens)
        if (t.Kind != TAccessToken::Space && t.Kind != TAccessToken::Comment)
            sig.push_back(&t);
    bool autoIncrement = false;
    info->PrimaryKeyName = QStringLiteral("PrimaryKey");
    for (size_t i = 0; i < sig.size(); ++i) {
        if (sig[i]->Kind == TAccessToken::Word && sig[i]->Text.compare(QLatin1String("autoincrement"), Qt::CaseInsensitive) == 0)
            autoIncrement = true;
        if (i + 2 < sig.size() && sig[i]->Kind == TAccessToken::Word
            && sig[i]->Text.compare(QLatin1String("constraint"), Qt::CaseInsensitive) == 0
            && sig[i + 2]->Text.compare(QLatin1String("primary"), Qt::CaseInsensitive) == 0) {
            // SQLite's own quotes: "name"
            const TAccessToken* t = sig[i + 1];
            info->PrimaryKeyName = t->Kind == TAccessToken::Word ? t->Text : t->Value;
        }
    }

    const QString pragma = QStringLiteral("PRAGMA table_info(%1)").arg(SqliteQuote(info->Name));
    rc = sqlite3_prepare_v2(FDb, pragma.toUtf8().constData(), -1, &stmt, nullptr);
    if (rc != SQLITE_OK)
        Raise(rc);
    int pkCount = 0;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        TAccessColumnInfo c;
        c.Position = sqlite3_column_int(stmt, 0) + 1;
        c.Name = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 1)));
        c.Type = TAccessColumnType::FromDeclared(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 2))));
        c.NotNull = sqlite3_column_int(stmt, 3) != 0;
        if (sqlite3_column_type(stmt, 4) != SQLITE_NULL)
            c.DefaultValue = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 4)));
        c.PrimaryKeyPosition = sqlite3_column_int(stmt, 5);
        pkCount += c.PrimaryKeyPosition > 0 ? 1 : 0;
        info->Columns.push_back(c);
    }
    sqlite3_finalize(stmt);
    if (rc != SQLITE_DONE)
        Raise(rc);
    if (autoIncrement && pkCount == 1)
        for (auto& c : info->Columns)
            if (c.PrimaryKeyPosition == 1 && c.Type.Kind == TAccessKind::Long) {
                c.Type.Kind = TAccessKind::Counter;
                c.NotNull = true;
            }
    FTables.insert(key, info);
    return info.get();
}

QStringList TAccessDatabase::ObjectNames(bool views)
{
    QStringList names;
    sqlite3_stmt* stmt = nullptr;
    const char* sql = views ? "SELECT name FROM sqlite_master WHERE type='view' ORDER BY rowid"
                            : "SELECT name FROM sqlite_master WHERE type='table' AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\' "
                              "AND name NOT LIKE 'MSys%' ORDER BY rowid";
    int rc = sqlite3_prepare_v2(FDb, sql, -1, &stmt, nullptr);
    if (rc != SQLITE_OK)
        Raise(rc);
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW)
        names.append(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0))));
    sqlite3_finalize(stmt);
    if (rc != SQLITE_DONE)
        Raise(rc);
    return names;
}

std::vector<TAccessIndexInfo> TAccessDatabase::Indexes(const QString& table)
{
    std::vector<TAccessIndexInfo> result;
    const TAccessTableInfo* info = FindTable(table);
    if (!info || info->IsView)
        return result;
    auto readList = [&](const QString& pragma, auto&& row) {
        sqlite3_stmt* stmt = nullptr;
        int rc = sqlite3_prepare_v2(FDb, pragma.toUtf8().constData(), -1, &stmt, nullptr);
        if (rc != SQLITE_OK)
            Raise(rc);
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW)
            row(stmt);
        sqlite3_finalize(stmt);
        if (rc != SQLITE_DONE)
            Raise(rc);
    };
    bool hasPkIndex = false;
    readList(QStringLiteral("PRAGMA index_list(%1)").arg(SqliteQuote(info->Name)), [&](sqlite3_stmt* s) {
        TAccessIndexInfo index;
        index.Name = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, 1)));
        index.Unique = sqlite3_column_int(s, 2) != 0;
        index.PrimaryKey = QByteArray(reinterpret_cast<const char*>(sqlite3_column_text(s, 3))) == "pk";
        result.push_back(index);
    });
    for (auto& index : result) {
        readList(QStringLiteral("PRAGMA index_info(%1)").arg(SqliteQuote(index.Name)), [&](sqlite3_stmt* s) {
            index.Columns.append(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, 2))));
        });
        if (index.PrimaryKey) {
            index.Name = info->PrimaryKeyName;
            hasPkIndex = true;
        }
    }
    if (!hasPkIndex) {
        // An integer key is the rowid itself and has no index of its own.
        TAccessIndexInfo pk;
        pk.Name = info->PrimaryKeyName;
        pk.Unique = pk.PrimaryKey = true;
        std::vector<const TAccessColumnInfo*> keys;
        for (const auto& c : info->Columns)
            if (c.PrimaryKeyPosition > 0)
                keys.push_back(&c);
        std::sort(keys.begin(), keys.end(), [](auto* a, auto* b) { return a->PrimaryKeyPosition < b->PrimaryKeyPosition; });
        for (const auto* c : keys)
            pk.Columns.append(c->Name);
        if (!pk.Columns.isEmpty())
            result.insert(result.begin(), pk);
    }
    // The primary key first, the others as SQLite lists them (newest first).
    std::stable_partition(result.begin(), result.end(), [](const TAccessIndexInfo& i) { return i.PrimaryKey; });
    return result;
}

const TAccessColumnInfo* TAccessTableInfo::FindColumn(const QString& name) const
{
    for (const auto& c : Columns)
        if (c.Name.compare(name, Qt::CaseInsensitive) == 0)
            return &c;
    return nullptr;
}

// ---------------------------------------------------------------- statement

TAccessStatement::TAccessStatement(TAccessDatabase& database, const QString& accessSql) : FDb(&database)
{
    TAccessSqlTranslator translator(&database);
    FTranslation = translator.Translate(accessSql);
    const QByteArray text = FTranslation.Statements.first().toUtf8();
    const int rc = sqlite3_prepare_v3(database.Handle(), text.constData(), static_cast<int>(text.size()),
                                      SQLITE_PREPARE_PERSISTENT, &FStmt, nullptr);
    if (rc != SQLITE_OK) {
        const QString message = database.ErrorText(sqlite3_extended_errcode(database.Handle()));
        sqlite3_finalize(FStmt);
        FStmt = nullptr;
        throw Exception(message);
    }
    if (!FStmt)
        throw Exception(QStringLiteral("Invalid SQL statement: the text holds no statement."));
    FBound.resize(FTranslation.ParamNames.size());
    database.Attach(this);
}

TAccessStatement::~TAccessStatement()
{
    if (FDb)
        FDb->Detach(this);
    sqlite3_finalize(FStmt);
}

void TAccessStatement::Orphan()
{
    sqlite3_finalize(FStmt);
    FStmt = nullptr;
    FDb = nullptr;
}

bool TAccessStatement::ReturnsRows() const
{
    return FStmt && sqlite3_column_count(FStmt) > 0;
}

void TAccessStatement::Bind(const TUniParams& params)
{
    const int count = static_cast<int>(FTranslation.ParamNames.size());
    // The names are matched once per parameter list, not once per row.
    if (FBoundParams != &params || FBoundCount != params.Count()) {
        FParamIndex.assign(count, -1);
        for (int i = 0; i < count; ++i) {
            FParamIndex[i] = params.IndexOf(FTranslation.ParamNames[i]);
            if (FParamIndex[i] < 0)
                throw Exception(QStringLiteral("Parameter '%1' not found").arg(FTranslation.ParamNames[i]));
        }
        FBoundParams = &params;
        FBoundCount = params.Count();
        FText.resize(count);
    }
    for (int i = 0; i < count; ++i) {
        const TUniParam& p = params[FParamIndex[i]];
        const TAccessParamTarget& target = FTranslation.Targets[i];
        if (target.Known && BindDirect(i, p.Value(), target.Type))
            continue;
        QVariant& v = FBound[i];
        v = target.Known ? ConvertAccessValue(p.Value(), target.Type, target.Column) : NormalizeAccessValue(p.Value());
        int rc = SQLITE_OK;
        if (v.isNull()) {
            rc = sqlite3_bind_null(FStmt, i + 1);
        } else {
            switch (v.typeId()) {
            case QMetaType::LongLong:
                rc = sqlite3_bind_int64(FStmt, i + 1, v.toLongLong());
                break;
            case QMetaType::Double:
                rc = sqlite3_bind_double(FStmt, i + 1, v.toDouble());
                break;
            case QMetaType::QByteArray: {
                const QByteArray& b = *static_cast<const QByteArray*>(v.constData());
                rc = sqlite3_bind_blob64(FStmt, i + 1, b.constData(), static_cast<sqlite3_uint64>(b.size()), SQLITE_STATIC);
                break;
            }
            default:
                rc = BindText(i, *static_cast<const QString*>(v.constData()));
            }
        }
        if (rc != SQLITE_OK)
            FDb->Raise(rc);
    }
}

int TAccessStatement::BindText(int i, const QString& s)
{
    // Encoded here into a buffer kept per parameter: cheaper than SQLite's
    // own conversion from UTF-16, which allocates for every value.
    std::string& buffer = FText[i];
    const auto space = static_cast<size_t>(FEncoder.requiredSpace(s.size()));
    if (buffer.size() < space)
        buffer.resize(space);
    char* end = FEncoder.appendToBuffer(buffer.data(), s);
    return sqlite3_bind_text(FStmt, i + 1, buffer.data(), static_cast<int>(end - buffer.data()), SQLITE_STATIC);
}

// The common cases that need no conversion, bound without building a
// converted value: a text that fits, an integer in range, a finite double,
// a boolean, a date text in the stored form. Anything else (and every
// refusal with its message) takes the general conversion.
bool TAccessStatement::BindDirect(int i, const QVariant& value, const TAccessColumnType& type)
{
    const int typeId = value.typeId();
    int rc = SQLITE_OK;
    if (value.isNull()) {
        rc = sqlite3_bind_null(FStmt, i + 1);
    } else if (typeId == QMetaType::QString
               && (type.Kind == TAccessKind::Memo || type.Kind == TAccessKind::Text || type.Kind == TAccessKind::DateTime)) {
        const QString& s = *static_cast<const QString*>(value.constData());
        if (type.Kind == TAccessKind::Text ? !FitsAccessText(s, type)
                                           : type.Kind == TAccessKind::DateTime && !IsStoredAccessDate(s))
            return false;
        rc = BindText(i, s);
    } else if ((typeId == QMetaType::Int || typeId == QMetaType::LongLong) && type.IsInteger()) {
        const qint64 n = typeId == QMetaType::Int ? *static_cast<const int*>(value.constData())
                                                  : *static_cast<const qint64*>(value.constData());
        if (n < type.MinInteger() || n > type.MaxInteger())
            return false;
        rc = sqlite3_bind_int64(FStmt, i + 1, n);
    } else if (typeId == QMetaType::Double && (type.Kind == TAccessKind::Double || type.Kind == TAccessKind::Single)) {
        const double d = *static_cast<const double*>(value.constData());
        if (!(std::fabs(d) <= type.MaxMagnitude()))
            return false;
        rc = sqlite3_bind_double(FStmt, i + 1, d);
    } else if (typeId == QMetaType::Bool && type.Kind == TAccessKind::Bit) {
        rc = sqlite3_bind_int64(FStmt, i + 1, *static_cast<const bool*>(value.constData()) ? -1 : 0);
    } else {
        return false;
    }
    if (rc != SQLITE_OK)
        FDb->Raise(rc);
    return true;
}

bool TAccessStatement::Execute(const TUniParams& params)
{
    if (!FDb)
        throw Exception(QStringLiteral("The connection is closed."));
    sqlite3_reset(FStmt);
    FChanges = 0;
    Bind(params);
    if (Step())
        return true;
    // sqlite3_changes keeps the count of the last data change, so only data changes read it.
    const TAccessStatementKind kind = FTranslation.Kind;
    if (!sqlite3_stmt_readonly(FStmt) && sqlite3_column_count(FStmt) == 0
        && (kind == TAccessStatementKind::Insert || kind == TAccessStatementKind::Update
            || kind == TAccessStatementKind::Delete || kind == TAccessStatementKind::Other))
        FChanges = sqlite3_changes(FDb->Handle());
    for (int i = 1; i < FTranslation.Statements.size(); ++i)
        FDb->ExecNative(FTranslation.Statements[i]);
    if (FTranslation.ChangesSchema)
        FDb->SchemaChanged();
    sqlite3_reset(FStmt);
    return false;
}

bool TAccessStatement::Next()
{
    if (!FDb)
        throw Exception(QStringLiteral("The connection is closed."));
    if (Step())
        return true;
    sqlite3_reset(FStmt);
    return false;
}

bool TAccessStatement::Step()
{
    const int rc = sqlite3_step(FStmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc != SQLITE_DONE) {
        const QString message = FDb->ErrorText(sqlite3_extended_errcode(FDb->Handle()));
        sqlite3_reset(FStmt);
        throw Exception(message);
    }
    return false;
}

void TAccessStatement::Reset()
{
    if (FStmt)
        sqlite3_reset(FStmt);
}

int TAccessStatement::ColumnCount() const
{
    return FStmt ? sqlite3_column_count(FStmt) : 0;
}

QString TAccessStatement::ColumnName(int index) const
{
    return QString::fromUtf8(sqlite3_column_name(FStmt, index));
}

bool TAccessStatement::ColumnType(int index, TAccessColumnType& type) const
{
    const char* table = sqlite3_column_table_name(FStmt, index);
    const char* origin = sqlite3_column_origin_name(FStmt, index);
    if (table && origin && FDb) {
        if (const TAccessTableInfo* info = FDb->FindTable(QString::fromUtf8(table)))
            if (const TAccessColumnInfo* c = info->FindColumn(QString::fromUtf8(origin))) {
                type = c->Type;
                return true;
            }
    }
    const char* declared = sqlite3_column_decltype(FStmt, index);
    if (declared && *declared) {
        type = TAccessColumnType::FromDeclared(QString::fromUtf8(declared));
        return type.Kind != TAccessKind::Unknown;
    }
    return false;
}

int TAccessStatement::ColumnStorage(int index) const
{
    return sqlite3_column_type(FStmt, index);
}

QVariant TAccessStatement::ColumnValue(int index) const
{
    switch (sqlite3_column_type(FStmt, index)) {
    case SQLITE_INTEGER:
        return QVariant(static_cast<qint64>(sqlite3_column_int64(FStmt, index)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(FStmt, index));
    case SQLITE_TEXT: {
        const void* p = sqlite3_column_text16(FStmt, index);
        const int bytes = sqlite3_column_bytes16(FStmt, index);
        return QVariant(QString(reinterpret_cast<const QChar*>(p), bytes / 2));
    }
    case SQLITE_BLOB: {
        const void* p = sqlite3_column_blob(FStmt, index);
        const int bytes = sqlite3_column_bytes(FStmt, index);
        return QVariant(QByteArray(static_cast<const char*>(p), bytes));
    }
    default:
        return QVariant();
    }
}
