#pragma once
// The line counts of the process, kept per path and last-write time so that
// the wizard, the preview and the run count an unchanged file once.
// Used from the main thread only.

#include <QHash>
#include <QString>

class TFileLineCountCache {
public:
    static TFileLineCountCache& Instance();
    // The count of the file, counted again when its last-write time changed.
    static int GetLineCount(const QString& fileName) { return Instance().LineCount(fileName); }

    int LineCount(const QString& fileName);
    int Size() const { return static_cast<int>(FCounts.size()); }
    void Clear();

private:
    // Keyed by the path as given. Linux paths differ by letter case, so the
    // keys do too: "a.json" and "A.json" are two files.
    QHash<QString, int> FCounts;
    QHash<QString, QString> FTimes;
};
