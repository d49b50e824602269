#pragma once
// The upsert of kinds without an upsert statement: per row an update with
// literal values, then an insert when the update changed no row. The rows go
// into transactions committed every Interval rows, like the inserts of the
// one-by-one executor: a commit per statement waits for the disk every row.

#include "UDBWriteExecutor.h"

class TSimpleUpsertExecutor : public TDBWriteExecutor {
public:
    void Prepare() override;
    void Finish() override;
    void PostRow(int row) override;
    void SetValue(int row, int column, const QString& value) override;

    const QString& UpdateSql() const { return FUpdateSql; }
    const QString& InsertSql() const { return FInsertSql; }

private:
    QString FUpdateTemplate;
    QString FInsertTemplate;
    QString FUpdateSql;
    QString FInsertSql;
};
