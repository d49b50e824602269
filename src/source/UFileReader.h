#pragma once
// Base of the readers of one source file: the checks made when the file is
// set, its line count, the optional file-name column after the data columns,
// the bad-file path and the description of the file in the log.

#include "UDataReader.h"

#include <QStringList>

class TFileReader : public TDataReader {
    AMBERTIDE_CLASS(TFileReader)
public:
    static inline const QString FileNameColumn = QStringLiteral("FileName");

    // Checks that the file exists and is not empty, stores it and, when
    // CountsLines, takes its line count from the line-count cache.
    virtual void OpenFile(const QString& fileName);
    // Describes the file in the debug log, once per process and file.
    void LogFileInfo();
    virtual bool ShowsFilePreview() const { return true; }
    virtual bool CountsLines() const { return true; }

    QString ColumnName(int index) const override;
    QString ColumnValue(int index) const override;
    int ColumnCount() const override;
    QString SourceText() const override;
    QString BadFileName() const override;

    bool FileNameAsColumn() const { return FFileNameAsColumn; }
    void SetFileNameAsColumn(bool value) { FFileNameAsColumn = value; }
    bool FileNameWithoutExt() const { return FFileNameWithoutExt; }
    void SetFileNameWithoutExt(bool value) { FFileNameWithoutExt = value; }
    int LineCount() const { return FLineCount; }
    const QString& FileName() const { return FFileName; }
    const QStringList& DataColumnNames() const { return FColumnNames; }

protected:
    // Value of data column index (the file-name column excluded) in the current row.
    virtual QString ColumnValueNoFileName(int index) const = 0;
    // The file-name column's value.
    QString FileNameValue() const;

    bool FFileNameAsColumn = false;
    bool FFileNameWithoutExt = false;
    int FLineCount = 0;
    QString FFileName;
    // The data columns; the concrete reader's Open fills them.
    QStringList FColumnNames;
};

// The bad file beside a source: name without extension + "_bad" + ".csv" for
// ".txt", ".xls" and ".xlsx" sources, else ".txt".
QString BadFileNameOf(const QString& sourceFileName);
