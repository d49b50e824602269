#pragma once
// TFolderChoiceOptions: the items of a folder source, the files of one folder
// (and, when asked, of its subfolders) that match a mask. Items are named by
// their path relative to the folder, in scan order; every item is read by the
// same file source options, pointed at it in turn.

#include "UFolderScanner.h"
#include "USourceSetChoiceOptions.h"

#include <QStringList>

class TFolderChoiceOptions : public TSourceSetChoiceOptions {
    AMBERTIDE_CLASS(TFolderChoiceOptions)
public:
    // "DataFolder", "Recursive", "Filter", "MoveFiles", "MoveToFolder". The
    // two file-name flags are not saved.
    void SaveToIni(TMyIniFile& ini, const QString& section) override;
    // Reads the keys (a missing "Filter" comes from the legacy "Ext") and rescans.
    void LoadFromIni(const TMyIniFile& ini, const QString& section) override;
    // Same folder, filter and recursion.
    bool IsEqual(const TDataConvertModel& other) const override;
    // Rescans the folder and rebuilds the item names.
    void Refresh() override;

    // The path after the data folder, leading separators removed; a path
    // outside the folder stays whole.
    QString RelativeName(const QString& path) const override;
    // A name inside the folder already stays as it is; otherwise the folder,
    // "/" and the name.
    QString FullPath(const QString& itemName) const override;
    // The first non-empty file found, as a full path.
    QString FirstItemName() const override { return FScanner.FirstFile(); }
    int ItemCount() const override { return FScanner.FileCount(); }
    // Hands the file-name flags and the item's full path to the source options.
    void ConfigureItem(TSourceOptions& options, int index) override;
    // Without regard to letter case; -1 when absent.
    int IndexOfItemName(const QString& name) const override;
    QStringList ItemNames() const override { return FItemNames; }
    QString ItemName(int index) const override { return FItemNames.value(index); }
    // Moves the converted files when MoveFiles is set.
    void AfterRun(const QStringList& processedItems) override { MoveConvertedFiles(processedItems); }

    // The default table of an item: its relative name without extension.
    QString ItemTableName(int index) const;
    // Moves each file (an item name or a full path) into the move-to folder
    // under its own name. A move that fails leaves the file where it is.
    void MoveConvertedFiles(const QStringList& files) const;

    // The mask of the legacy "Ext" key: "*." + ext, or "*.*" for "" and "all".
    static QString FilterOfLegacyExt(const QString& ext);

    const QString& DataFolder() const { return FDataFolder; }
    void SetDataFolder(const QString& folder) { FDataFolder = folder; }
    const QString& Filter() const { return FFilter; }
    void SetFilter(const QString& filter) { FFilter = filter; }
    bool Recursive() const { return FRecursive; }
    void SetRecursive(bool value) { FRecursive = value; }
    bool FileNameAsColumn() const { return FFileNameAsColumn; }
    void SetFileNameAsColumn(bool value) { FFileNameAsColumn = value; }
    bool FileNameWithoutExt() const { return FFileNameWithoutExt; }
    void SetFileNameWithoutExt(bool value) { FFileNameWithoutExt = value; }
    bool MoveFiles() const { return FMoveFiles; }
    void SetMoveFiles(bool value) { FMoveFiles = value; }
    const QString& MoveToFolder() const { return FMoveToFolder; }
    void SetMoveToFolder(const QString& folder) { FMoveToFolder = folder; }
    const TFolderScanner& Scanner() const { return FScanner; }

private:
    // The data folder with one trailing "/".
    QString FolderPrefix() const;

    QString FDataFolder;
    QString FFilter;
    bool FRecursive = false;
    bool FFileNameAsColumn = false;
    bool FFileNameWithoutExt = false;
    bool FMoveFiles = false;
    QString FMoveToFolder;
    QStringList FItemNames;  // relative to the data folder, in scan order
    TFolderScanner FScanner;
};
