#include "UTextCodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

QStringConverter::Encoding ConverterOf(const QString& encoding)
{
    if (encoding.compare(Encodings::Unicode, Qt::CaseInsensitive) == 0)
        return QStringConverter::Utf16LE;
    if (encoding.compare(Encodings::UnicodeBigEndian, Qt::CaseInsensitive) == 0)
        return QStringConverter::Utf16BE;
    if (encoding.compare(Encodings::Ansi, Qt::CaseInsensitive) == 0)
        return QStringConverter::System;
    return QStringConverter::Utf8;
}

}  // namespace

QString EncodingFromBom(const QByteArray& bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return Encodings::Utf8;
    if (bytes.startsWith("\xFF\xFE"))
        return Encodings::Unicode;
    if (bytes.startsWith("\xFE\xFF"))
        return Encodings::UnicodeBigEndian;
    return QString();
}

QByteArray BomOf(const QString& encoding)
{
    switch (ConverterOf(encoding)) {
    case QStringConverter::Utf16LE: return QByteArray("\xFF\xFE", 2);
    case QStringConverter::Utf16BE: return QByteArray("\xFE\xFF", 2);
    case QStringConverter::Utf8:
        return encoding.compare(Encodings::Utf8, Qt::CaseInsensitive) == 0 ? QByteArray("\xEF\xBB\xBF", 3) : QByteArray();
    default: return QByteArray();
    }
}

QString DecodeText(const QByteArray& bytes, const QString& encoding)
{
    QString enc = encoding;
    if (enc.isEmpty() || enc.compare(Encodings::AutoDetect, Qt::CaseInsensitive) == 0) {
        enc = EncodingFromBom(bytes);
        if (enc.isEmpty())
            enc = Encodings::Utf8;
    }
    QByteArrayView data(bytes);
    const QByteArray bom = EncodingFromBom(bytes).compare(enc, Qt::CaseInsensitive) == 0 ? BomOf(enc) : QByteArray();
    data = data.sliced(bom.size());
    QStringDecoder decoder(ConverterOf(enc), QStringConverter::Flag::Stateless);
    return decoder.decode(data);
}

QByteArray EncodeText(const QString& text, const QString& encoding, bool withBom)
{
    QStringEncoder encoder(ConverterOf(encoding), QStringConverter::Flag::Stateless);
    QByteArray out = withBom ? BomOf(encoding) : QByteArray();
    out += encoder.encode(text);
    return out;
}

bool IsKnownEncoding(const QString& encoding)
{
    for (const QString& name : {Encodings::AutoDetect, Encodings::Utf8, Encodings::Unicode,
                                Encodings::UnicodeBigEndian, Encodings::Ansi})
        if (name.compare(encoding, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}
