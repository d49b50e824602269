#include "UDBWriter.h"

#include "USqlCreator.h"
#include "UTableStruct.h"

TDBWriter::TDBWriter() : FSqlCreator(std::make_unique<TSqlCreator>()) {}
TDBWriter::~TDBWriter() = default;

void TDBWriter::SetTableStruct(TDBTableStruct* tableStruct)
{
    FTableStruct = tableStruct;
    FSqlCreator->SetTableStruct(tableStruct);
}

const TStringList& TDBWriter::GetFieldNames()
{
    static const TStringList none;
    return FTableStruct ? FTableStruct->FieldNames : none;
}

bool TDBWriter::NeedReadSourceSample()
{
    return FTableStruct && FTableStruct->HasAutoDetectDateFormat();
}

void TDBWriter::ReadSourceSample(const QList<QStringList>& rows)
{
    FTableStruct->ReadSourceSample(rows);
}

QString TDBWriter::LoadType() const
{
    return FTableStruct ? FTableStruct->LoadType : QString();
}
