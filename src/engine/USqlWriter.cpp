#include "USqlWriter.h"

#include "USqlCreator.h"
#include "UTableStruct.h"

static const QString StatementEnd = QStringLiteral(";\r\n");

TSqlWriter::TSqlWriter() : FSqlCreator(std::make_unique<TSqlCreator>()) {}

TSqlWriter::~TSqlWriter() = default;

void TSqlWriter::SetTableStruct(TTableStruct* tableStruct)
{
    FTableStruct = tableStruct;
    FSqlCreator->SetTableStruct(tableStruct);
    OutputColumnNames = tableStruct ? tableStruct->FieldNames : TStringList();
}

void TSqlWriter::InitBySourceTableStruct(TTableStruct* sourceStruct)
{
    TFlatFileWriter::InitBySourceTableStruct(sourceStruct);
    if (sourceStruct)
        FSqlCreator->SetFieldTypes(sourceStruct->FieldTypes);
}

void TSqlWriter::ReadSourceSample(const QList<QStringList>& rows)
{
    FSqlCreator->ReadSqlFileSample(rows);
}

void TSqlWriter::BeforeWork()
{
    OpenFile();
    if (FTableStruct && FTableStruct->LoadType.toLower() == QLatin1String("replace"))
        WriteText(FSqlCreator->GetDeleteSql() + StatementEnd);
    FTemplate = FSqlCreator->GetWriteSql() + StatementEnd;
}

void TSqlWriter::NewRecord()
{
    FStatement = FTemplate;
}

void TSqlWriter::SetValue(int column, const QString& value)
{
    FStatement = FSqlCreator->FillValue(FStatement, column, value);
}

void TSqlWriter::Write()
{
    WriteText(FStatement);
}
