#pragma once
// Everything of one database role (the target database of this product): its
// logon with the connection, its dictionary and its SQL executor. Classes that
// depend on the database type are created by name for the type.

#include "UObject.h"

#include <QString>
#include <memory>

class TDBDictionary;
class TDBHelper;
class TDBLogon;
class TSqlExecutor;
class TUniConnection;

class TDBObjectFactory : public TObject {
    AMBERTIDE_CLASS(TDBObjectFactory)
public:
    explicit TDBObjectFactory(const QString& dbType);
    ~TDBObjectFactory() override;

    // Slots 0 to 3.
    virtual QString GetDBType() const { return FDBType; }
    virtual TDBDictionary& GetDictionary() const { return *FDictionary; }
    virtual TDBLogon& GetLogon() const { return *FLogon; }
    virtual TSqlExecutor& GetSqlExecutor() const { return *FSqlExecutor; }

    TUniConnection& Connection() const;

    // New objects of the type (the caller owns them).
    static std::unique_ptr<TDBHelper> CreateDBHelper(const QString& dbType);
    // The table creator's class lives with the table creation; callers cast.
    static std::unique_ptr<TObject> CreateTableCreator(const QString& dbType);

private:
    QString FDBType;
    std::unique_ptr<TDBLogon> FLogon;  // before the dictionary, which uses its connection
    std::unique_ptr<TDBDictionary> FDictionary;
    std::unique_ptr<TSqlExecutor> FSqlExecutor;
};
