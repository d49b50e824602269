#pragma once
// Text codecs by the program's encoding names. "Ansi" is the system locale's
// encoding (UTF-8 on Linux); invalid bytes decode to U+FFFD, never a failure.

#include <QByteArray>
#include <QString>

namespace Encodings {
inline const QString AutoDetect = QStringLiteral("Auto Detect");
inline const QString Utf8 = QStringLiteral("UTF-8");
inline const QString Unicode = QStringLiteral("Unicode");                  // UTF-16 little endian
inline const QString UnicodeBigEndian = QStringLiteral("Unicode Big Endian");
inline const QString Ansi = QStringLiteral("Ansi");
}

// The encoding named by a byte-order mark at the start of bytes, "" when there is none.
QString EncodingFromBom(const QByteArray& bytes);
// The byte-order mark of an encoding ("" for "Ansi").
QByteArray BomOf(const QString& encoding);
// Decodes bytes; a leading byte-order mark of the encoding is skipped.
// "Auto Detect" takes the mark's encoding, else UTF-8.
QString DecodeText(const QByteArray& bytes, const QString& encoding);
// Encodes text, with the encoding's byte-order mark in front when withBom.
QByteArray EncodeText(const QString& text, const QString& encoding, bool withBom);
// True for the five names above (compared without letter case).
bool IsKnownEncoding(const QString& encoding);
