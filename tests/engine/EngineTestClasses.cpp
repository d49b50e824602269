#include "EngineTestClasses.h"

#include "UDBOutClasses.h"
#include "UEngineClassInit.h"
#include "URttiUtil.h"
#include "UUniConnection.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

std::unique_ptr<TJsonReader> TEngineJsonSourceOptions::NewReader() const
{
    auto reader = std::make_unique<TJsonReader>();
    reader->OpenFile(SourceFile());
    reader->SetDataItem(DataItem);
    reader->SetSublevel(Sublevel);
    return reader;
}

void TEngineJsonSourceOptions::ReadSample(int maxRows, QStringList& columnNames, QList<QStringList>& rows)
{
    std::unique_ptr<TJsonReader> reader = NewReader();
    reader->OpenFirst(maxRows);
    for (int c = 0; c < reader->ColumnCount(); ++c)
        columnNames.append(reader->ColumnName(c));
    const int count = std::min(reader->RowCount(), maxRows);
    for (int r = 0; r < count; ++r) {
        if (r > 0)
            reader->Next();
        QStringList row;
        for (int c = 0; c < reader->ColumnCount(); ++c)
            row.append(reader->ColumnValue(c));
        rows.append(row);
    }
    reader->Close();
}

void TEngineJsonSourceOptions::ConfigureReader()
{
    if (!SourceFile().isEmpty())
        FReader = NewReader();
}

void TEngineJsonSourceOptions::SetStructFieldNames(const QStringList& names)
{
    TFileSourceOptions::SetStructFieldNames(names);
    FStruct.FieldNames = TStringList();
    for (const QString& name : names)
        FStruct.FieldNames.Add(name);
}

void TEngineFolderChoiceOptions::Refresh()
{
    FFiles.clear();
    const QDir dir(DataFolder);
    for (const QString& name : dir.entryList(QStringList{QStringLiteral("*.json")}, QDir::Files, QDir::Name))
        FFiles.append(dir.filePath(name));
}

void TEngineFolderChoiceOptions::AfterRun(const QStringList& processedItems)
{
    if (MoveToFolder.isEmpty())
        return;
    QDir().mkpath(MoveToFolder);
    for (const QString& item : processedItems)
        QFile::rename(item, QDir(MoveToFolder).filePath(QFileInfo(item).fileName()));
}

int TCountingAccessWriter::BeforeWorkCount = 0;
int TCountingAccessWriter::AfterWorkCount = 0;

void TCountingAccessWriter::BeforeWork()
{
    ++BeforeWorkCount;
    TAccessWriter::BeforeWork();
}

void TCountingAccessWriter::AfterWork()
{
    ++AfterWorkCount;
    TAccessWriter::AfterWork();
}

void TEngineTableDestOptions::PrepareWriter()
{
    ++PrepareCount;
    FStruct.Clear();
    FStruct.SetSource(QStringLiteral("Access"), Dictionary, Connection);
    FStruct.TableName = Table;
    FStruct.LoadType = LoadType;
    FStruct.FillStruct();
    if (SqlFile.isEmpty()) {
        FAccessWriter = std::make_unique<TCountingAccessWriter>();
        FAccessWriter->SetConnection(Connection);
        FAccessWriter->SetTableStruct(&FStruct);
        FWriter = FAccessWriter.get();
    } else {
        FSqlWriter = std::make_unique<TSqlWriter>();
        FSqlWriter->SetFileName(SqlFile);
        FSqlWriter->Encoding = SqlEncoding;
        FSqlWriter->SetTableStruct(&FStruct);
        FWriter = FSqlWriter.get();
    }
}

void RegisterEngineTestClasses()
{
    RegisterDBOutClasses();
    RegisterEngineClasses();
    TRttiUtil::RegisterClass(QStringLiteral("UJsonSourceOptions.TJsonSourceOptions"),
                             [] { return std::unique_ptr<TObject>(new TEngineJsonSourceOptions()); });
    TRttiUtil::RegisterClass(QStringLiteral("UFolderChoiceOptions.TFolderChoiceOptions"),
                             [] { return std::unique_ptr<TObject>(new TEngineFolderChoiceOptions()); });
    TRttiUtil::RegisterClass(QStringLiteral("UTableDestOptions.TTableDestOptions"),
                             [] { return std::unique_ptr<TObject>(new TEngineTableDestOptions()); });
}
