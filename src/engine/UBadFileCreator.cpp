#include "UBadFileCreator.h"

#include "UAppFolders.h"
#include "UDataReader.h"
#include "UException.h"
#include "ULog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

bool CanCreateFile(const QString& path)
{
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath()))
        return false;
    QFile file(path);
    if (info.exists())
        // Opened without change: the earlier file is kept for its ".bak" copy.
        return file.open(QIODevice::WriteOnly | QIODevice::Append);
    const bool created = file.open(QIODevice::WriteOnly) && file.write("\r\n") == 2;
    file.close();
    file.remove();
    return created;
}

TBadFileCreator::TBadFileCreator() : FWriter(QStringLiteral("UTF-8 + BOM")) {}

void TBadFileCreator::Setup(TDataReader* reader)
{
    FReader = reader;
    FPath = reader->BadFileName();
    FWriter.Delimiter = QStringLiteral(",");
    FWriter.Quote = QStringLiteral("\"");
    FWriter.WriteHeaderLine = reader->HasColumnNames();
    FColumnCount = reader->ColumnCount();
    TStringList names;
    for (int i = 0; i < FColumnCount; ++i)
        names.Add(reader->ColumnName(i));
    FWriter.OutputColumnNames = names;
    FWriter.StructColumnNames = names;
}

void TBadFileCreator::OpenBadFile()
{
    if (!CanCreateFile(FPath)) {
        // The source folder is not writable: keep the file in the documents folder.
        FPath = QDir(GetDocumentsFolder()).filePath(QFileInfo(FPath).fileName());
    }
    FWriter.SetFileName(FPath);
    FWriter.OpenFile();
    FFileOpen = true;
}

void TBadFileCreator::WriteRecord()
{
    // One try per run: every rejected record of a run would fail the same way.
    if (!FFileOpen && FOpenError.isEmpty()) {
        try {
            OpenBadFile();
        } catch (const Exception& e) {
            FOpenError = e.Message();
            TLog::Global().Debug(QStringLiteral("Create bad file error: ") + e.Message());
        }
    }
    if (!FFileOpen)
        return;
    try {
        FWriter.NewLine();
        for (int i = 0; i < FColumnCount; ++i)
            FWriter.AddField(FReader->ColumnValue(i));
        FWriter.WriteLine();
        FHasBadRecords = true;
    } catch (const Exception& e) {
        TLog::Global().Debug(QStringLiteral("Write bad file error: ") + e.Message());
    }
}

void TBadFileCreator::Finish()
{
    if (FFileOpen) {
        FFileOpen = false;
        try {
            FWriter.CloseFile();
        } catch (const Exception& e) {
            TLog::Global().Debug(QStringLiteral("Close bad file error: ") + e.Message());
        }
    }
    if (!FHasBadRecords && !FPath.isEmpty())
        QFile::remove(FPath);
}
