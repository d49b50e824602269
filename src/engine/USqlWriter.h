#pragma once
// TSqlWriter: writes the statements that would put the rows into the
// destination table to an SQL file instead of running them.

#include "UFlatFileWriter.h"

#include <memory>

class TSqlCreator;
class TTableStruct;

class TSqlWriter : public TFlatFileWriter {
    AMBERTIDE_CLASS(TSqlWriter)
public:
    TSqlWriter();
    ~TSqlWriter() override;

    // The destination structure (not owned): its columns are the writer's.
    void SetTableStruct(TTableStruct* tableStruct);
    void InitBySourceTableStruct(TTableStruct* sourceStruct) override;
    bool NeedReadSourceSample() override { return true; }
    void ReadSourceSample(const QList<QStringList>& rows) override;
    // Opens the file; "Replace" starts it with the delete statement.
    void BeforeWork() override;
    void AfterWork() override { CloseFile(); }
    void NewRecord() override;
    void SetValue(int column, const QString& value) override;
    void Write() override;

    TSqlCreator& SqlCreator() { return *FSqlCreator; }

private:
    std::unique_ptr<TSqlCreator> FSqlCreator;
    TTableStruct* FTableStruct = nullptr;
    QString FTemplate;
    QString FStatement;
};
