#pragma once
// File and encoding helpers of the text sources and the log: byte-order marks,
// encoding guesses, first and last lines, previews, sizes and file times.

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

// The first 3 bytes when they are EF BB BF, else the first 2 when they are
// FE FF or FF FE, else nothing (also for files of fewer than 2 bytes).
QByteArray ReadBom(const QString& fileName);
// EF BB BF "UTF-8", FF FE "Unicode", FE FF "Unicode Big Endian", else "Ansi".
QString EncodingNameOfBom(const QByteArray& bom);
// A guess from zero bytes among the first four: "Unicode Big Endian",
// "Unicode", or "UTF-8" (also for files of fewer than 4 bytes).
QString GuessEncodingName(const QString& fileName);
// The byte-order mark's name when there is a mark, else the guess.
QString DetectEncodingName(const QString& fileName);

// The first line, decoded by the byte-order mark only.
QString ReadFirstLine(const QString& fileName);
// Up to count lines, each with trailing blanks removed.
QStringList ReadFirstLines(const QString& fileName, int count, const QString& encodingName);
// The last count lines of the file's last 1 MiB read as 8-bit text, which
// ends at its first zero byte.
QStringList ReadLastLines(const QString& fileName, int count);

// A few lines of the file for the log: the first 100 lines, or the first 80
// and the last 20, or the first 100,000 characters of a file of few long lines.
QString FilePreviewText(const QString& fileName, int lineCount);
// "512 Bytes", "1.500 KB", "   2.000 MB", with the user's decimal separator.
QString FileSizeText(const QString& fileName);
QString FileSizeTextOf(qint64 size);

// The whole file decoded by its byte-order mark (the system code page without
// one), each line followed by CR LF. Raises EInOutError when it cannot be read.
QString LoadTextFile(const QString& fileName);
// The last-write time in local time; a null date-time when the file cannot be read.
QDateTime FileModifiedTime(const QString& fileName);
// The name without its folder and without its extension.
QString FileNameWithoutExt(const QString& fileName);
// Removes trailing characters up to and including the blank.
QString TrimRight(const QString& text);
