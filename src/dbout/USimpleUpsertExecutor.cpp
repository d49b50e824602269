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
    try {
        if (connection->ExecSQL(update) == 0) {
            running = &insert;
            connection->ExecSQL(insert);
        }
    } catch (const Exception& e) {
        throw Exception(*running + QStringLiteral("\r\n") + e.Message());
    }
}
