#pragma once
// Small stand-ins for the concrete JSON source, folder choice and table
// destination classes, registered under their names so that the factory builds
// real sessions. The source reads a comma-separated text file: the first line
// holds the column names, every other line a row.

#include "UDestOptions.h"
#include "UFileSourceOptions.h"
#include "USourceSetChoiceOptions.h"

#include <QStringList>

class TTestJsonSourceOptions : public TFileSourceOptions {
    AMBERTIDE_CLASS(TTestJsonSourceOptions)
public:
    void SaveToIni(TMyIniFile& ini, const QString& section) override;
    void LoadFromIni(const TMyIniFile& ini, const QString& section) override;
    bool IsEqual(const TDataConvertModel& other) const override;
    void ReadSample(int maxRows, QStringList& columnNames, QList<QStringList>& rows) override;
    void DownloadSource(const QString& url, const QString& fileName) override;

    QString DataItem;
    int Sublevel = 0;
    static int DownloadCount;
};

class TTestFolderChoiceOptions : public TSourceSetChoiceOptions {
    AMBERTIDE_CLASS(TTestFolderChoiceOptions)
public:
    void SaveToIni(TMyIniFile& ini, const QString& section) override;
    void LoadFromIni(const TMyIniFile& ini, const QString& section) override;
    bool IsEqual(const TDataConvertModel& other) const override;
    void Refresh() override;
    QString GetDescription() const override { return DataFolder; }

    QString FirstItemName() const override { return FFiles.isEmpty() ? QString() : FFiles.first(); }
    int ItemCount() const override { return FFiles.size(); }
    void ConfigureItem(TSourceOptions& options, int index) override { options.SetSourceName(FFiles[index]); }
    int IndexOfItemName(const QString& name) const override { return FFiles.indexOf(name); }
    QStringList ItemNames() const override { return FFiles; }
    QString ItemName(int index) const override { return FFiles[index]; }

    QString DataFolder;
    bool Recursive = false;
    QString Filter;
    bool MoveFiles = false;
    QString MoveToFolder;

private:
    QStringList FFiles;
};

class TTestTableDestOptions : public TDestOptions {
    AMBERTIDE_CLASS(TTestTableDestOptions)
public:
    void SaveToIni(TMyIniFile& ini, const QString& section) override;
    void LoadFromIni(const TMyIniFile& ini, const QString& section) override;
    bool IsEqual(const TDataConvertModel& other) const override;
    QString GetSetDescription() const override;
    QString GetDestName() const override { return Table; }
    QString FieldDBTypeText(const QString& fieldName) const override { return QStringLiteral("VARCHAR(255)"); }

    QString Schema;
    QString Table;
    QString LoadType;
    QString UpdateKey;
    QString SqlFile;
    QString SqlEncoding;
    bool FailOnSave = false;   // raises "disk full" before writing its keys
};

// Registers the three under "UJsonSourceOptions.TJsonSourceOptions",
// "UFolderChoiceOptions.TFolderChoiceOptions" and "UTableDestOptions.TTableDestOptions".
void RegisterSessionTestClasses();
