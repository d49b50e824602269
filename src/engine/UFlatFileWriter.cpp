#include "UFlatFileWriter.h"

#include "UException.h"
#include "UTextCodec.h"

#include <QDir>
#include <QFileInfo>

TFlatFileWriter::TFlatFileWriter() = default;

TFlatFileWriter::~TFlatFileWriter()
{
    try {
        CloseFile();
    } catch (...) {
    }
}

static void RaiseCannotCreate(const QString& path, const QString& reason)
{
    throw EInOutError(QStringLiteral("Cannot create file \"") + path + QStringLiteral("\". ") + reason);
}

void TFlatFileWriter::OpenFile()
{
    CloseFile();
    const QString path = FilePath();
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath()))
        RaiseCannotCreate(path, QStringLiteral("The folder cannot be created."));
    if (info.exists()) {
        const QString backup = path + QStringLiteral(".bak");
        if (QFileInfo::exists(backup))
            QFile::remove(backup);
        QFile::rename(path, backup);
    }
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::ReadWrite | QIODevice::Truncate))
        RaiseCannotCreate(path, file->errorString());
    FFile = std::move(file);
    const QByteArray bom = ByteOrderMarkOf(Encoding);
    if (!bom.isEmpty())
        FFile->write(bom);
    WriteHeader();
}

void TFlatFileWriter::CloseFile()
{
    if (!FFile)
        return;
    std::unique_ptr<QFile> file = std::move(FFile);
    const bool flushed = file->flush();
    const QString error = file->errorString();
    file->close();
    if (!flushed)
        throw EInOutError(QStringLiteral("Cannot write file \"") + FilePath() + QStringLiteral("\". ") + error);
}

bool TFlatFileWriter::IsOpen() const
{
    return FFile != nullptr;
}

void TFlatFileWriter::WriteText(const QString& text)
{
    if (!FFile)
        throw EInOutError(QStringLiteral("File not open: ") + FilePath());
    const QByteArray bytes = EncodeFor(text, Encoding);
    if (FFile->write(bytes) != bytes.size())
        throw EInOutError(QStringLiteral("Cannot write file \"") + FilePath() + QStringLiteral("\". ")
                          + FFile->errorString());
}

QByteArray TFlatFileWriter::ByteOrderMarkOf(const QString& encoding)
{
    if (encoding == QLatin1String("UTF-8 + BOM"))
        return QByteArray("\xEF\xBB\xBF", 3);
    if (encoding == QLatin1String("Unicode"))
        return QByteArray("\xFF\xFE", 2);
    if (encoding == QLatin1String("Unicode Big Endian"))
        return QByteArray("\xFE\xFF", 2);
    return QByteArray();
}

QByteArray TFlatFileWriter::EncodeFor(const QString& text, const QString& encoding)
{
    if (encoding.compare(QLatin1String("ansi"), Qt::CaseInsensitive) == 0)
        return EncodeText(text, Encodings::Ansi, false);
    if (encoding.contains(QLatin1String("UTF-8"), Qt::CaseInsensitive))
        return text.toUtf8();
    if (encoding == Encodings::UnicodeBigEndian)
        return EncodeText(text, Encodings::UnicodeBigEndian, false);
    return EncodeText(text, Encodings::Unicode, false);
}
