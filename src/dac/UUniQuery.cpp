#include "UUniQuery.h"

#include "UAccessDatabase.h"
#include "UAccessSqlTranslator.h"
#include "UUniConnection.h"
#include "UException.h"

#include <limits>
#include <sqlite3.h>

TUniQuery::TUniQuery(TUniConnection* connection) : FConnection(connection) {}

TUniQuery::~TUniQuery()
{
    TUniQuery::Close();
}

void TUniQuery::SetConnection(TUniConnection* connection)
{
    if (connection == FConnection)
        return;
    UnPrepare();
    FConnection = connection;
}

void TUniQuery::SetSQL(const QString& sql)
{
    UnPrepare();
    FSQL = sql;
    FParams.Rebuild(TAccessSqlTranslator::ParamNames(sql));
}

TAccessStatement& TUniQuery::EnsureStatement()
{
    if (!FConnection)
        throw Exception(QStringLiteral("Connection is not defined"));
    if (!FConnection->Connected())
        FConnection->Open();
    TAccessDatabase* db = FConnection->Engine();
    if (FStatement && FStatement->Database() != db)
        FStatement.reset();
    if (!FStatement)
        FStatement = std::make_unique<TAccessStatement>(*db, FSQL);
    return *FStatement;
}

void TUniQuery::Prepare()
{
    EnsureStatement();
    FExplicitlyPrepared = true;
}

void TUniQuery::UnPrepare()
{
    Close();
    FStatement.reset();
    FExplicitlyPrepared = false;
}

bool TUniQuery::Prepared() const
{
    return FExplicitlyPrepared && FStatement && FStatement->Database();
}

void TUniQuery::RunStatement()
{
    TAccessStatement& statement = EnsureStatement();
    FRowsAffected = 0;
    const bool hasRow = statement.Execute(FParams);
    if (statement.ReturnsRows()) {
        DescribeFields();
        SetOpened(hasRow);
    } else {
        FRowsAffected = statement.Changes();
    }
}

void TUniQuery::Execute()
{
    Close();
    RunStatement();
    // Without preparation the next run compiles the text anew.
    if (!Active() && !FAutoPrepare && !FExplicitlyPrepared)
        FStatement.reset();
}

void TUniQuery::Open()
{
    if (Active())
        return;
    FRecordCount = -1;
    if (FQueryRecCount) {
        QString inner = FSQL.trimmed();
        while (inner.endsWith(QLatin1Char(';')))
            inner.chop(1);
        EnsureStatement();  // errors of the statement itself come first
        TAccessStatement counter(*FConnection->Engine(), QStringLiteral("select count(*) from (") + inner + QStringLiteral("\n)"));
        if (counter.Execute(FParams))
            FRecordCount = static_cast<int>(counter.ColumnValue(0).toLongLong());
    }
    RunStatement();
    if (!Active())
        SetOpened(false);  // a statement without rows: open and empty
}

void TUniQuery::Close()
{
    if (FStatement)
        FStatement->Reset();
    TUniDataSet::Close();
    ClearFields();
}

bool TUniQuery::IsQuery() const
{
    return FStatement && FStatement->ReturnsRows();
}

int TUniQuery::RecordCount() const
{
    return FRecordCount >= 0 ? FRecordCount : TUniDataSet::RecordCount();
}

QVariant TUniQuery::FieldValue(int index) const
{
    if (!Active() || Eof() || !FStatement || !FStatement->Database())
        return QVariant();
    return FStatement->ColumnValue(index);
}

bool TUniQuery::FetchNext()
{
    return FStatement && FStatement->Database() && FStatement->Next();
}

void TUniQuery::DescribeFields()
{
    ClearFields();
    const bool unicode = FConnection->UseUnicode();
    for (int i = 0; i < FStatement->ColumnCount(); ++i) {
        TAccessColumnType type;
        if (FStatement->ColumnType(i, type)) {
            AddField(FStatement->ColumnName(i), type.FieldType(unicode), type.Kind == TAccessKind::Text ? type.Length : 0,
                     type.DataPrecision(), type.DataScale());
            continue;
        }
        // An expression: its kind is that of the first row's value.
        TFieldType ft = unicode ? ftWideString : ftString;
        switch (FStatement->ColumnStorage(i)) {
        case SQLITE_INTEGER: {
            const qint64 v = FStatement->ColumnValue(i).toLongLong();
            ft = v >= std::numeric_limits<int>::min() && v <= std::numeric_limits<int>::max() ? ftInteger : ftLargeint;
            break;
        }
        case SQLITE_FLOAT: ft = ftFloat; break;
        case SQLITE_BLOB: ft = ftBlob; break;
        default: break;
        }
        AddField(FStatement->ColumnName(i), ft);
    }
}
