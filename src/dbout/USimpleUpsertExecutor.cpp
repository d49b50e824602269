#include "USimpleUpsertExecutor.h"

#include "UException.h"
#include "USqlCreator.h"
#include "UUniConnection.h"
#include "UUniQuery.h"

void TSimpleUpsertExecutor::Prepare()
{
    FSqlCreator->PrepareStatements();
    FUpdateTemplate = FSqlCreator->GetUpdateSql();
    FInsertTemplate = FSqlCreator->GetInsertSql();
    FUpdateSql = FUpdateTemplate;
    FInsertSql = FInsertTemplate;
    TUniConnection* connection = FQuery->Connection();
    // A run that ended in an error may have left its transaction open.
    if (connection->InTransaction())
        connection->Rollback();
    connection->StartTransaction();
}

void TSimpleUpsertExecutor::Finish()
{
    TUniConnection* connection = FQuery->Connection();
    if (connection->InTransaction())
        connection->Commit();
}

void TSimpleUpsertExecutor::SetValue(int row, int column, const QString& value)
{
    FUpdateSql = FSqlCreator->FillValue(FUpdateSql, column, value);
    FInsertSql = FSqlCreator->FillValue(FInsertSql, column, value);
}

void TSimpleUpsertExecutor::PostRow(int row)
{
    FCurrentRow = row;
    // The next row starts from fresh templates whatever happens to this one.
    const QString update = std::exchange(FUpdateSql, FUpdateTemplate);
    const QString insert = std::exchange(FInsertSql, FInsertTemplate);
    TUniConnection* connection = FQuery->Connection();
    const QString* running = &update;
    QString failure;
    try {
        if (connection->ExecSQL(update) == 0) {
            running = &insert;
            connection->ExecSQL(insert);
        }
    } catch (const Exception& e) {
        failure = *running + QStringLiteral("\r\n") + e.Message();
    }
    // A refused row still counts, so the commits fall on the same source rows.
    if ((row + 1) % FInterval == 0) {
        connection->Commit();
        connection->StartTransaction();
    }
    if (!failure.isEmpty())
        throw Exception(failure);
}
