#pragma once
// A writer into a database table described by a destination structure.

#include "UDataWriter.h"

#include <memory>

class TDBTableStruct;
class TSqlCreator;

class TDBWriter : public TDataWriter {
    AMBERTIDE_CLASS(TDBWriter)
public:
    TDBWriter();
    ~TDBWriter() override;

    // Not owned; binds the SQL creator to it.
    void SetTableStruct(TDBTableStruct* tableStruct);
    TDBTableStruct* TableStruct() const { return FTableStruct; }
    TSqlCreator* SqlCreator() const { return FSqlCreator.get(); }

    const TStringList& GetFieldNames() override;
    bool NeedInitBySourceTableStruct() override { return false; }
    bool NeedReadSourceSample() override;
    void ReadSourceSample(const QList<QStringList>& rows) override;

    QString LoadType() const;

protected:
    TDBTableStruct* FTableStruct = nullptr;
    std::unique_ptr<TSqlCreator> FSqlCreator;
};
