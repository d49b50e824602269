#pragma once
// The database writer over a connection of the data-access layer: empties the
// table for "Replace", then hands every row to a write executor.

#include "UDBConvertObjectFactory.h"
#include "UDBWriter.h"

class TDBWriteExecutor;
class TUniConnection;
class TUniQuery;

class TUniDBWriter : public TDBWriter, public TConnectionUser {
    AMBERTIDE_CLASS(TUniDBWriter)
public:
    TUniDBWriter();
    ~TUniDBWriter() override;

    void SetConnection(TUniConnection* connection) override;  // not owned
    TUniConnection* Connection() const;

    void BeforeWork() override;
    void AfterWork() override;
    void SetValue(int column, const QString& value) override;
    void Write() override;
    QString GetDescription() override;

    // Hooks in slot order.
    virtual void ChooseExecutorKind() { FExecutorKind = QStringLiteral("one_by_one"); }
    virtual void BeforeEmptyTable() {}
    virtual void AfterEmptyTable() {}
    virtual void AfterFinish() {}

    const QString& ExecutorKind() const { return FExecutorKind; }
    TDBWriteExecutor* Executor() const { return FExecutor.get(); }
    int RowCounter() const { return FRowCounter; }

    TUniQuery* Query() const { return FQuery.get(); }

protected:
    void EmptyTable();
    void RequireExecutor(const char* operation) const;

    std::unique_ptr<TDBWriteExecutor> FExecutor;
    std::unique_ptr<TUniQuery> FQuery;
    int FRowCounter = 0;
    bool FSkip = false;
    QString FExecutorKind;
};
