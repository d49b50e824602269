#include "JsonBenchData.h"

#include <QFile>
#include <QFileInfo>

QByteArray JsonLinesRecord(int i)
{
    QByteArray r;
    r.reserve(256);
    r += "{\"id\":";
    r += QByteArray::number(1000000 + i);
    r += ",\"price\":";
    r += QByteArray::number(i % 1000) + "." + QByteArray::number(10 + i % 90);
    r += ",\"name\":\"Caf\\u00e9 \\\"Nord\\\" \xC3\xA9\xE4\xB8\xAD #";
    r += QByteArray::number(i);
    r += "\",\"active\":";
    r += (i % 2) ? "true" : "false";
    r += ",\"deleted\":false,\"note\":null,\"qty\":";
    r += QByteArray::number(i % 97);
    r += ",\"ratio\":1.25e-3,\"path\":\"a\\/b\\tc\",\"address\":{\"city\":\"Z\xC3\xBCrich\",\"zip\":\"80";
    r += QByteArray::number(10 + i % 89);
    r += "\"}}";
    return r;
}

qint64 EnsureJsonLinesFile(const QString& path, int count)
{
    QFile file(path);
    const QByteArray marker = "\n";
    if (QFileInfo::exists(path)) {
        // Reuse a file generated for the same count: its last record is known.
        if (file.open(QIODevice::ReadOnly)) {
            const qint64 size = file.size();
            const QByteArray last = JsonLinesRecord(count - 1) + marker;
            file.seek(size - last.size());
            if (file.read(last.size()) == last)
                return size;
            file.close();
        }
    }
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    QByteArray chunk;
    for (int i = 0; i < count; ++i) {
        chunk += JsonLinesRecord(i);
        chunk += marker;
        if (chunk.size() > (1 << 20)) {
            file.write(chunk);
            chunk.clear();
        }
    }
    file.write(chunk);
    return file.size();
}
