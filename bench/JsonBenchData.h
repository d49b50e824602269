#pragma once
// Generated JSON-lines data of 10-member records: integers, floats, strings
// with escapes and non-ASCII characters, booleans, null and a nested object.

#include <QByteArray>
#include <QString>

QByteArray JsonLinesRecord(int i);
// Writes count records, one per line, to path (UTF-8, no mark) unless the file
// already has that many; returns the file's size.
qint64 EnsureJsonLinesFile(const QString& path, int count);
