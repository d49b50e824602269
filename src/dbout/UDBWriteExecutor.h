#pragma once
// The strategies by which a database writer puts rows into its table, and
// the registry that creates them by kind ("one_by_one", "simple_upsert").

#include "UStringList.h"

#include <QString>
#include <functional>
#include <memory>

class TSqlCreator;
class TUniQuery;

class TDBWriteExecutor {
public:
    virtual ~TDBWriteExecutor() = default;

    virtual void Prepare() = 0;
    virtual void Finish() = 0;
    virtual void PostRow(int row) = 0;
    virtual void SetValue(int row, int column, const QString& value) = 0;
    virtual void SetDataSet(TUniQuery* query) { FQuery = query; }

    void SetSqlCreator(TSqlCreator* creator) { FSqlCreator = creator; }
    void SetFieldNames(const TStringList* fieldNames) { FFieldNames = fieldNames; }
    int Interval() const { return FInterval; }
    int CurrentRow() const { return FCurrentRow; }

protected:
    TUniQuery* FQuery = nullptr;            // not owned
    int FInterval = 1000;
    const TStringList* FFieldNames = nullptr;  // not owned
    TSqlCreator* FSqlCreator = nullptr;     // not owned
    int FCurrentRow = 0;
};

class TWriteExecutorRegistry {
public:
    using TCreateFunc = std::function<std::unique_ptr<TDBWriteExecutor>()>;
    // A second registration of a kind keeps the first.
    static void Register(const QString& kind, TCreateFunc create);
    // An unknown kind gives the "one_by_one" executor.
    static std::unique_ptr<TDBWriteExecutor> Create(const QString& kind);
};
