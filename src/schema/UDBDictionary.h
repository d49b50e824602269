#pragma once
// What the program knows about a connected database: tables, views, columns
// and their type texts, indexes and a primary key, and the fixed statements
// that read or drop a table. The dialect questions go to the helper that the
// dictionary creates for its connection's provider.

#include "UObject.h"
#include "UStringList.h"

#include <QString>
#include <memory>

class TDBHelper;
class TTableInfo;
class TUniConnection;

class TDBDictionary : public TObject {
    AMBERTIDE_CLASS(TDBDictionary)
public:
    TDBDictionary();
    ~TDBDictionary() override;

    // Slot 0: index types and index column lists into info.
    virtual void GetIndexes(const QString& schema, const QString& table, TTableInfo& info);
    // Slot 1: primary-key and other constraints into info; nothing here.
    virtual void GetConstraints(const QString& schema, const QString& table, TTableInfo& info) {}
    // Slot 2: a name as the metadata compares it.
    virtual QString NormalizeName(const QString& name) const { return name; }
    // Slots 3 to 7.
    virtual QString GetDatabaseDescription() const = 0;
    virtual std::unique_ptr<TStringList> GetSchemas() = 0;
    virtual QString GetDefaultSchema() = 0;
    virtual std::unique_ptr<TStringList> GetTables(const QString& schema) = 0;
    virtual std::unique_ptr<TStringList> GetViews(const QString& schema) = 0;
    // Slot 8: column = type text ("varchar(255)", "decimal(10,2)", "integer").
    virtual std::unique_ptr<TStringList> GetDBFieldTypes(const QString& schema, const QString& table);
    // Slot 9: the whole description with indexes and the primary key.
    virtual std::unique_ptr<TTableInfo> GetTableInfo(const QString& schema, const QString& table);
    // Slot 10: the columns that alone make up a unique index.
    virtual std::unique_ptr<TStringList> GetUniqueColumns(const QString& schema, const QString& table);
    // Slot 11: "drop table " + QualifiedName.
    virtual QString DropTableSQL(const QString& schema, const QString& table) const;

    // Stores the connection (not owned) and creates the helper of its provider.
    void SetConnection(TUniConnection* connection);
    TUniConnection* Connection() const { return FConnection; }
    TDBHelper& Helper() const;
    QString ProviderName() const;
    // False for "access", "sqlite" and "dbf".
    bool SupportsSchemas() const;
    QString DatabaseName() const;
    QString SelectAllSQL(const QString& schema, const QString& table) const;
    QString SelectCountSQL(const QString& schema, const QString& table) const;
    QString QualifiedName(const QString& schema, const QString& table) const;
    // The column names in column order; a table that cannot be read gives what
    // was read (usually nothing) instead of an error.
    std::unique_ptr<TStringList> GetFieldNames(const QString& schema, const QString& table);
    bool CanCountRecords(const QString& table) const;

protected:
    // The connection, or "No connection set for the dictionary." when there is none.
    TUniConnection& RequireConnection() const;

private:
    TUniConnection* FConnection = nullptr;
    std::unique_ptr<TDBHelper> FHelper;
};
