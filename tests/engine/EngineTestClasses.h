#pragma once
// Stand-ins for the JSON source, folder choice and table destination classes
// of the session, built on the real JSON reader, the real Access writer and
// the SQL-file writer, and registered under the names the factory asks for.

#include "UAccessDBDictionary.h"
#include "UAccessWriter.h"
#include "UDestOptions.h"
#include "UFileSourceOptions.h"
#include "UJsonReader.h"
#include "USourceSetChoiceOptions.h"
#include "USqlWriter.h"
#include "UTableStruct.h"

#include <QStringList>
#include <memory>

class TUniConnection;

class TEngineJsonSourceOptions : public TFileSourceOptions {
    AMBERTIDE_CLASS(TEngineJsonSourceOptions)
public:
    void ReadSample(int maxRows, QStringList& columnNames, QList<QStringList>& rows) override;
    void ConfigureReader() override;
    TDataReader* DataReader() override { return FReader.get(); }
    TTableStruct* TableStruct() override { return &FStruct; }
    void SetStructFieldNames(const QStringList& names) override;

    QString DataItem;
    int Sublevel = 1;

private:
    std::unique_ptr<TJsonReader> NewReader() const;

    std::unique_ptr<TJsonReader> FReader;
    TTableStruct FStruct;
};

class TEngineFolderChoiceOptions : public TSourceSetChoiceOptions {
    AMBERTIDE_CLASS(TEngineFolderChoiceOptions)
public:
    void SaveToIni(TMyIniFile& ini, const QString& section) override {}
    void LoadFromIni(const TMyIniFile& ini, const QString& section) override {}
    bool IsEqual(const TDataConvertModel& other) const override { return false; }
    void Refresh() override;
    QString GetDescription() const override { return DataFolder; }
    QString FirstItemName() const override { return FFiles.isEmpty() ? QString() : FFiles.first(); }
    int ItemCount() const override { return FFiles.size(); }
    void ConfigureItem(TSourceOptions& options, int index) override { options.SetSourceName(FFiles[index]); }
    int IndexOfItemName(const QString& name) const override { return FFiles.indexOf(name); }
    QStringList ItemNames() const override { return FFiles; }
    QString ItemName(int index) const override { return FFiles[index]; }
    // Moves the converted files when a folder is given.
    void AfterRun(const QStringList& processedItems) override;

    QString DataFolder;
    QString MoveToFolder;

private:
    QStringList FFiles;
};

// Counts how often the run starts and finishes it.
class TCountingAccessWriter : public TAccessWriter {
public:
    void BeforeWork() override;
    void AfterWork() override;
    static int BeforeWorkCount;
    static int AfterWorkCount;
};

class TEngineTableDestOptions : public TDestOptions {
    AMBERTIDE_CLASS(TEngineTableDestOptions)
public:
    void SaveToIni(TMyIniFile& ini, const QString& section) override {}
    void LoadFromIni(const TMyIniFile& ini, const QString& section) override {}
    bool IsEqual(const TDataConvertModel& other) const override { return false; }
    QString GetDescription() const override { return QStringLiteral("Table ") + Table; }
    QString GetSetDescription() const override { return QStringLiteral("DB: test.accdb, Table: ") + Table; }
    QString GetDestName() const override { return Table; }
    void PrepareWriter() override;
    TDataWriter* DataWriter() override { return FWriter; }

    TUniConnection* Connection = nullptr;
    TAccessDBDictionary* Dictionary = nullptr;
    QString Table;
    QString LoadType = QStringLiteral("Append");
    QString SqlFile;
    QString SqlEncoding = QStringLiteral("UTF-8");
    int PrepareCount = 0;

private:
    TDBTableStruct FStruct;
    std::unique_ptr<TCountingAccessWriter> FAccessWriter;
    std::unique_ptr<TSqlWriter> FSqlWriter;
    TDataWriter* FWriter = nullptr;
};

// Registers the three stand-ins and the engine's classes.
void RegisterEngineTestClasses();
