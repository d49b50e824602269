#pragma once
// Counts the lines of a text file with a raw scan for line feeds, without
// decoding: one byte 0A, or the pair 0A 00 / 00 0A at even offsets in UTF-16.

#include <QString>
#include <algorithm>

class TTxtFileLineCounter {
public:
    static constexpr qint64 ChunkSize = 67108864;

    // chunkSize is rounded up to an even size so that UTF-16 pairs never straddle chunks.
    explicit TTxtFileLineCounter(QString fileName, qint64 chunkSize = ChunkSize)
        : FFileName(std::move(fileName)), FChunkSize(std::max<qint64>(2, (chunkSize + 1) & ~qint64(1))) {}
    // 0 for an empty file or one that cannot be read.
    qint64 CountLines() const;
    static qint64 CountLines(const QString& fileName);

private:
    QString FFileName;
    qint64 FChunkSize;
};
