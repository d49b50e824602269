#include "UFileReader.h"

#include "UException.h"
#include "UFileLineCountCache.h"
#include "UTextFileUtil.h"
#include "UDebugHelper.h"
#include "ULog.h"

#include <QFileInfo>

void TFileReader::OpenFile(const QString& fileName)
{
    const QFileInfo info(fileName);
    if (!info.isFile())
        throw Exception(QStringLiteral("Can not find file: ") + fileName);
    if (info.size() == 0)
        throw Exception(QStringLiteral("The file is empty: ") + fileName);
    FFileName = fileName;
    if (CountsLines())
        FLineCount = TFileLineCountCache::GetLineCount(fileName);
}

void TFileReader::LogFileInfo()
{
    if (TDebugHelper::IsFileDescribed(FFileName))
        return;
    TLogger& log = TLog::Global();
    log.Debug(FFileName);
    log.Debug(FileSizeText(FFileName));
    if (CountsLines())
        log.Debug(QString::number(FLineCount) + QStringLiteral(" lines"));
    if (ShowsFilePreview())
        log.Debug(FilePreviewText(FFileName, FLineCount));
    TDebugHelper::AddDescribedFile(FFileName);
}

int TFileReader::ColumnCount() const
{
    return static_cast<int>(FColumnNames.size()) + (FFileNameAsColumn ? 1 : 0);
}

QString TFileReader::ColumnName(int index) const
{
    if (FFileNameAsColumn && index == FColumnNames.size())
        return FileNameColumn;
    if (index < 0 || index >= FColumnNames.size())
        RaiseColumnIndexError(index);
    return FColumnNames.at(index);
}

QString TFileReader::ColumnValue(int index) const
{
    if (FFileNameAsColumn && index == FColumnNames.size())
        return FileNameValue();
    return ColumnValueNoFileName(index);
}

QString TFileReader::FileNameValue() const
{
    return FFileNameWithoutExt ? ::FileNameWithoutExt(FFileName) : QFileInfo(FFileName).fileName();
}

QString TFileReader::SourceText() const
{
    return QStringLiteral("From File: ") + FFileName;
}

QString TFileReader::BadFileName() const
{
    return BadFileNameOf(FFileName);
}

QString BadFileNameOf(const QString& sourceFileName)
{
    // The extension starts at the last dot of the name part, as for FileNameWithoutExt.
    const qsizetype slash = sourceFileName.lastIndexOf(QLatin1Char('/'));
    const qsizetype dot = sourceFileName.lastIndexOf(QLatin1Char('.'));
    const bool hasExt = dot > slash;
    const QString ext = hasExt ? sourceFileName.mid(dot) : QString();
    const QString stem = hasExt ? sourceFileName.left(dot) : sourceFileName;
    const bool tabular = ext == QLatin1String(".txt") || ext == QLatin1String(".xls") || ext == QLatin1String(".xlsx");
    return stem + QStringLiteral("_bad") + (tabular ? QStringLiteral(".csv") : QStringLiteral(".txt"));
}
