#pragma once
// Counts the lines of a text file with a raw scan for line feeds, without
// decoding: one byte 0A, or the pair 0A 00 / 00 0A at even offsets in UTF-16.

#include <QString>

class TTxtFileLineCounter {
public:
    static constexpr qint64 ChunkSize = 67108864;

    explicit TTxtFileLineCounter(QString fileName) : FFileName(std::move(fileName)) {}
    // 0 for an empty file or one that cannot be read.
    qint64 CountLines() const;
    static qint64 CountLines(const QString& fileName);

private:
    QString FFileName;
};
