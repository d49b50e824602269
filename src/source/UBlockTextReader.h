#pragma once
// Hands out the lines of a text file one at a time, decoding it in blocks of
// 4 MiB so that a file of any size costs one block of memory. A block always
// ends on a line break when the 4 MiB hold one, and otherwise on a character
// boundary, so neither a line nor a multi-byte character is ever split.
//
// Usage: OpenTextFile, SetEncodingName, SetStartPosition(0), then
// while (HasMoreLines()) { ReadLine(); use CurrentLine(); }.

#include <QByteArray>
#include <QFile>
#include <QStringDecoder>
#include <QString>
#include <QStringList>
#include <cstdint>

// How an encoding name is decoded and where its line feeds are.
enum class TTextUnit : uint8_t { Byte, Utf16LE, Utf16BE };

class TBlockTextReader {
public:
    static constexpr qint64 BlockSize = 4194304;
    // Files below this size are read into memory whole; larger ones from disk.
    static constexpr qint64 MemoryLimit = 104857600;

    TBlockTextReader() = default;
    ~TBlockTextReader();
    TBlockTextReader(const TBlockTextReader&) = delete;
    TBlockTextReader& operator=(const TBlockTextReader&) = delete;

    // Reads the byte-order mark, takes the encoding from it and opens the file.
    // Raises EInOutError with the system's message when the file cannot be opened.
    void OpenTextFile(const QString& fileName);
    void CloseTextFile();
    bool IsOpen() const { return FOpen; }

    // "" or "Auto Detect" take the name from the byte-order mark; any other
    // name is used as given ("Ansi" for names it does not know).
    void SetEncodingName(const QString& name);
    const QString& EncodingName() const { return FEncodingName; }

    void SetStartPosition(qint64 position);
    qint64 StartPosition() const { return FStartPosition; }
    // Back to the start position; the line counter starts again at 0.
    void ResetReading();

    bool HasMoreLines() const;
    // Makes the next line CurrentLine (empty text when none is left).
    void ReadLine();
    const QString& CurrentLine() const { return FCurrentLine; }
    // Lines read since the start or the last ResetReading.
    qint64 LineNumber() const { return FLineNumber; }

    const QString& FileName() const { return FFileName; }
    const QByteArray& Bom() const { return FBom; }
    qint64 FileSize() const { return FFileSize; }
    bool IsInMemory() const { return FInMemory; }
    // The size from which OpenTextFile reads from disk; MemoryLimit unless set.
    void SetMemoryLimit(qint64 limit) { FMemoryLimit = limit; }

private:
    bool HasUnreadBytes() const;
    void LoadBlock();
    // Bytes [FBufferPos, end) of FBuffer hold at least one block, or the rest of the file.
    void FillBuffer();
    qsizetype BlockCut(qsizetype windowEnd, bool& partial) const;

    QString FFileName;
    QByteArray FBom;
    QString FEncodingName;
    TTextUnit FUnit = TTextUnit::Byte;
    QFile FFile;
    bool FOpen = false;
    bool FInMemory = false;
    qint64 FFileSize = 0;
    qint64 FStartPosition = 0;
    qint64 FMemoryLimit = MemoryLimit;

    // In memory: the file from offset 0, read as far as needed and kept for the
    // next pass. From disk: the bytes read but not yet decoded.
    QByteArray FBuffer;
    qsizetype FBufferPos = 0;
    qint64 FFilePos = 0;         // file offset of the next byte to read from disk
    bool FFirstBlock = true;
    bool FPendingCR = false;     // the last block ended with CR: a leading LF closes no new line

    // Blocks are decoded into one reused buffer; a fresh 8 MiB string per
    // block cost a third of the reading time in page faults.
    QStringDecoder FDecoder;
    QString FDecoded;

    QStringList FLines;
    qsizetype FLineIndex = 0;
    bool FPartial = false;       // the last line of the block goes on in the next block
    QString FCurrentLine;
    qint64 FLineNumber = 0;
};

// The decoding and line-feed unit of an encoding name, compared exactly.
TTextUnit TextUnitOf(const QString& encodingName);
// Decodes bytes of an encoding name ("Ansi" and unknown names: the system code
// page); a byte-order mark is decoded as U+FEFF, not dropped.
QString DecodeBytes(QByteArrayView bytes, const QString& encodingName);
// Splits at CR, LF or CR LF; a break at the very end adds no empty line.
QStringList SplitTextLines(QStringView text);
