#pragma once
// TBadFileCreator: collects the records the writer rejected in a delimited
// UTF-8 file beside the source. The file is opened at the first rejected
// record and removed at the end of a run that rejected none. Problems with the
// file are logged and never stop the conversion.

#include "UTxtWriter.h"

#include <QString>

class TDataReader;

class TBadFileCreator {
public:
    TBadFileCreator();

    // Path, header and columns from the reader (not owned).
    void Setup(TDataReader* reader);
    void StartCreate()
    {
        FHasBadRecords = false;
        FOpenError.clear();
    }
    // The reader's current record as one line.
    void WriteRecord();
    // Closes the file; removes it when this run wrote no record.
    void Finish();

    bool HasBadRecords() const { return FHasBadRecords; }
    const QString& Path() const { return FPath; }
    // Why no file could be opened for this run's rejected records; empty when it could.
    const QString& OpenError() const { return FOpenError; }
    TTxtWriter& Writer() { return FWriter; }

private:
    void OpenBadFile();

    QString FPath;
    QString FOpenError;
    bool FHasBadRecords = false;
    bool FFileOpen = false;
    TDataReader* FReader = nullptr;
    TTxtWriter FWriter;
    int FColumnCount = 0;
};

// Whether a file can be created (or, when it exists, rewritten) at the path;
// leaves no trace.
bool CanCreateFile(const QString& path);
