#pragma once
// TFileSourceOptions: a source read from one file, possibly downloaded from a
// URL first. The two file-name-as-column flags are handed to the reader per
// item and are not stored in the session file.

#include "USourceOptions.h"

class TFileSourceOptions : public TSourceOptions {
    AMBERTIDE_CLASS(TFileSourceOptions)
public:
    TFileSourceOptions();
    ~TFileSourceOptions() override;

    // The keys of TSourceOptions, then "SourceFile" and "SourceUrl".
    void SaveToIni(TMyIniFile& ini, const QString& section) override;
    // An empty "SourceFile" is read from the legacy key "DataFile". With a URL,
    // downloads it to the file when the run is unattended or the file is missing.
    void LoadFromIni(const TMyIniFile& ini, const QString& section) override;
    // One-file sessions: same URL (when set) or same file, then the selection;
    // set sessions: the selection alone (the file changes per item).
    bool IsEqual(const TDataConvertModel& other) const override;

    void ValidateSelection() override {}
    void BuildStructure() override;
    QString GetDisplayName() const override;
    QString GetShortName() const override;
    void SetSourceName(const QString& name) override;

    // Slot 19: "url" (any letter case) stores the URL; other names are ignored.
    virtual void SetProperty(const QString& name, const QString& value);
    // Slot 20: "url" and "datafile"; other names give "".
    virtual QString GetProperty(const QString& name) const;
    // Slot 21.
    virtual QString GetFileName() const { return FSourceFile; }
    // Slot 22: stores the path; source name and item name become its name
    // without folder and extension.
    virtual void SetFileName(const QString& fileName);
    // Copies the URL to the file. The concrete class brings the downloader;
    // the base has none and raises.
    virtual void DownloadSource(const QString& url, const QString& fileName);

    const QString& SourceFile() const { return FSourceFile; }
    const QString& SourceUrl() const { return FSourceUrl; }
    void SetSourceUrl(const QString& url) { FSourceUrl = url; }
    bool FileNameAsColumn() const { return FFileNameAsColumn; }
    void SetFileNameAsColumn(bool value) { FFileNameAsColumn = value; }
    bool FileNameWithoutExt() const { return FFileNameWithoutExt; }
    void SetFileNameWithoutExt(bool value) { FFileNameWithoutExt = value; }

    // Logs and runs DownloadSource; any failure is raised as
    // "Download exception: " + its message.
    void Download();

private:
    QString FSourceFile;
    QString FSourceUrl;
    bool FFileNameAsColumn = false;
    bool FFileNameWithoutExt = false;
};
