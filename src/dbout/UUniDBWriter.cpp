#include "UUniDBWriter.h"

#include "UDBWriteExecutor.h"
#include "UException.h"
#include "USqlCreator.h"
#include "UTableStruct.h"
#include "UUniConnection.h"
#include "UUniQuery.h"

TUniDBWriter::TUniDBWriter() : FQuery(std::make_unique<TUniQuery>()) {}
TUniDBWriter::~TUniDBWriter() = default;

void TUniDBWriter::SetConnection(TUniConnection* connection)
{
    FQuery->SetConnection(connection);
}

TUniConnection* TUniDBWriter::Connection() const
{
    return FQuery->Connection();
}

void TUniDBWriter::EmptyTable()
{
    try {
        FQuery->SetSQL(FSqlCreator->GetTruncateSql());
        FQuery->Execute();
    } catch (const Exception&) {
        const QString deleteSql = FSqlCreator->GetDeleteSql();
        try {
            FQuery->SetSQL(deleteSql);
            FQuery->Execute();
        } catch (const Exception& e) {
            throw Exception(deleteSql + QStringLiteral("\r\n") + e.Message());
        }
    }
}

void TUniDBWriter::BeforeWork()
{
    FRowCounter = 0;
    FSkip = false;
    if (GetFieldNames().IsEmpty())
        throw Exception(QStringLiteral("FieldNames is not init."));
    // Stop before anything is written: an update by a key that is not written
    // would carry no where clause.
    FSqlCreator->CheckUpdateKey();

    // What an earlier run that ended in an error left behind: its executor,
    // and a transaction that the table emptying below must not join.
    FExecutor.reset();
    TUniConnection* connection = Connection();
    if (!connection)
        throw Exception(QStringLiteral("TUniDBWriter.BeforeWork, no connection is set for ")
                        + FSqlCreator->GetQualifiedTableName());
    if (connection->InTransaction())
        connection->Rollback();

    BeforeEmptyTable();
    if (FSkip)
        return;
    if (LoadType().toLower() == QLatin1String("replace"))
        EmptyTable();
    AfterEmptyTable();

    ChooseExecutorKind();
    FExecutor = TWriteExecutorRegistry::Create(FExecutorKind);
    FExecutor->SetSqlCreator(FSqlCreator.get());
    FExecutor->SetFieldNames(&GetFieldNames());
    FExecutor->SetDataSet(FQuery.get());
    FExecutor->Prepare();
}

void TUniDBWriter::AfterWork()
{
    if (FExecutor) {
        FExecutor->Finish();
        FExecutor.reset();
    }
    AfterFinish();
}

void TUniDBWriter::RequireExecutor(const char* operation) const
{
    if (!FExecutor)
        throw Exception(QStringLiteral("TUniDBWriter.") + QLatin1String(operation)
                        + QStringLiteral(", the writer has not been started (BeforeWork)."));
}

void TUniDBWriter::SetValue(int column, const QString& value)
{
    RequireExecutor("SetValue");
    if (column < 0 || column >= GetFieldNames().Count())
        throw Exception(QStringLiteral("TUniDBWriter.SetValue, column index ") + QString::number(column)
                        + QStringLiteral(" is outside the ") + QString::number(GetFieldNames().Count())
                        + QStringLiteral(" columns of ") + FSqlCreator->GetQualifiedTableName());
    FExecutor->SetValue(FRowCounter, column, value);
}

void TUniDBWriter::Write()
{
    RequireExecutor("Write");
    // The counter moves on for rejected rows too: it numbers source rows.
    const int row = FRowCounter++;
    FExecutor->PostRow(row);
}

QString TUniDBWriter::GetDescription()
{
    return QStringLiteral("To Table: ") + FSqlCreator->GetQualifiedTableName();
}
