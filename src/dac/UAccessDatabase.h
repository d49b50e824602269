#pragma once
// One open database file of the embedded Access engine: the SQLite handle,
// the file checks at open, the password check, transactions, the table
// descriptions the translator and the metadata reads use, and the engine's
// error texts. TAccessStatement is one compiled statement on it.
//
// Durability: the file is kept in WAL mode. With synchronous=NORMAL (the
// default) a committed transaction survives a killed process and the file is
// never corrupted; a power cut may lose the last commits. synchronous=FULL
// (option FullSync) also syncs every commit to the disk, which on a slow disk
// costs far more than the inserts themselves. A statement that finds the
// file locked by another connection waits up to the lock timeout, then fails
// with the "file already in use" text.

#include "UAccessSchema.h"
#include "UAccessSqlTranslator.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringEncoder>
#include <string>
#include <QVariant>
#include <memory>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;
class TAccessStatement;
class TUniParams;

struct TAccessIndexInfo {
    QString Name;
    bool Unique = false;
    bool PrimaryKey = false;
    QStringList Columns;
};

struct TAccessOpenOptions {
    int LockTimeoutMs = 5000;  // how long a statement waits for a file another connection holds
    bool FullSync = false;     // sync every commit to the disk
};

class TAccessDatabase : public TAccessSchemaSource {
public:
    // Opens an existing file; raises with a text naming the file.
    TAccessDatabase(const QString& path, const QString& password, const TAccessOpenOptions& options);
    ~TAccessDatabase() override;
    TAccessDatabase(const TAccessDatabase&) = delete;
    TAccessDatabase& operator=(const TAccessDatabase&) = delete;

    static void CreateFile(const QString& path, const QString& password);

    sqlite3* Handle() const { return FDb; }
    const QString& Path() const { return FPath; }

    void Begin();
    void Commit();
    void Rollback();
    bool InTransaction() const;

    const TAccessTableInfo* FindTable(const QString& name) override;
    // Names of the user's tables or views in creation order.
    QStringList ObjectNames(bool views);
    std::vector<TAccessIndexInfo> Indexes(const QString& table);
    void SchemaChanged() { FTables.clear(); }

    // The engine's text for the last error of the handle.
    QString ErrorText(int rc) const;
    [[noreturn]] void Raise(int rc) const;
    // Runs SQLite text without translation.
    void ExecNative(const QString& sql);

    void Attach(TAccessStatement* statement) { FStatements.insert(statement); }
    void Detach(TAccessStatement* statement) { FStatements.remove(statement); }

private:
    void CheckPassword(const QString& password);

    sqlite3* FDb = nullptr;
    QString FPath;
    QHash<QString, std::shared_ptr<TAccessTableInfo>> FTables;  // by lower-case name
    int FSchemaVersion = -1;
    QSet<TAccessStatement*> FStatements;  // not owned; finalized when the database closes
};

class TAccessStatement {
public:
    TAccessStatement(TAccessDatabase& database, const QString& accessSql);
    ~TAccessStatement();
    TAccessStatement(const TAccessStatement&) = delete;
    TAccessStatement& operator=(const TAccessStatement&) = delete;

    // nullptr once the database was closed.
    TAccessDatabase* Database() const { return FDb; }
    const TAccessTranslation& Translation() const { return FTranslation; }
    bool ReturnsRows() const;

    // Binds the parameters (converted for their columns) and runs the
    // statement up to its first row; true when a row is there.
    bool Execute(const TUniParams& params);
    bool Next();
    // Rows changed by the last Execute.
    int Changes() const { return FChanges; }
    void Reset();

    int ColumnCount() const;
    QString ColumnName(int index) const;
    // The column's Access type when it comes straight from a table column.
    bool ColumnType(int index, TAccessColumnType& type) const;
    // SQLite's storage class of the current row's value.
    int ColumnStorage(int index) const;
    QVariant ColumnValue(int index) const;

    // Called by the database when it closes.
    void Orphan();

private:
    void Bind(const TUniParams& params);
    // One step: true on a row, false when done; an error resets and throws.
    bool Step();
    bool BindDirect(int index, const QVariant& value, const TAccessColumnType& type);
    int BindText(int index, const QString& text);

    TAccessDatabase* FDb;
    TAccessTranslation FTranslation;
    sqlite3_stmt* FStmt = nullptr;
    std::vector<int> FParamIndex;  // for ?N the index in the query's parameters
    std::vector<QVariant> FBound;  // the bound values, alive while the statement runs
    std::vector<std::string> FText;  // the bound texts in UTF-8, the file's encoding
    const TUniParams* FBoundParams = nullptr;  // the parameter list FParamIndex was made for
    int FBoundCount = -1;
    QStringEncoder FEncoder{QStringConverter::Utf8, QStringConverter::Flag::Stateless};
    int FChanges = 0;
};
