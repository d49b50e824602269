#pragma once
// TFileWriter: the base of the writers that write rows into files. The file
// name may carry date macros (#yyyy#, #mm#, #dd#, #hh#, #mi#, #ss#).

#include "UDataWriter.h"
#include "UFieldTypes.h"

#include <QDateTime>
#include <QHash>

class TFileWriter : public TDataWriter {
    AMBERTIDE_CLASS(TFileWriter)
public:
    const TStringList& GetFieldNames() override { return OutputColumnNames; }
    // "To File: " + the file path.
    QString GetDescription() override;
    // Table name, column names and column types of the source.
    void InitBySourceTableStruct(TTableStruct* sourceStruct) override;

    // The path becomes the name with its date macros replaced.
    void SetFileName(const QString& fileName);
    const QString& FileName() const { return FFileName; }
    const QString& FilePath() const { return FFilePath; }

    QString TableName;
    QString Encoding;
    TStringList OutputColumnNames;
    TStringList StructColumnNames;
    QHash<QString, TFieldType> ColumnTypes;

private:
    QString FFileName;
    QString FFilePath;
};

// The name with "#yyyy#", "#mm#", "#dd#", "#hh#", "#mi#" and "#ss#" (any
// letter case) replaced by the parts of the time.
QString ApplyFileNameDateMacros(const QString& fileName, const QDateTime& time);
