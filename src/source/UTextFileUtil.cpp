#include "UTextFileUtil.h"

#include "UBlockTextReader.h"
#include "UException.h"
#include "UTextCodec.h"
#include "UUserLocale.h"

#include <QFile>
#include <QFileInfo>

namespace {

constexpr qint64 LastLinesBytes = 1048576;
constexpr int PreviewChars = 100000;
constexpr int PreviewHeadLines = 80;
constexpr int PreviewTailLines = 20;
constexpr int PreviewLines = 100;

const QString Ellipsis = QStringLiteral("\r\n\r\n...\r\n\r\n\r\n");

QByteArray ReadHead(const QString& fileName, qint64 count)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.read(count);
}

QString JoinLines(const QStringList& lines)
{
    QString text;
    for (const QString& line : lines) {
        text += line;
        text += QLatin1String("\r\n");
    }
    return text;
}

// Decodes bytes by their byte-order mark (the system code page without one)
// and ends every line with CR LF.
QString TextByBom(const QByteArray& bytes)
{
    QString encoding = EncodingFromBom(bytes);
    if (encoding.isEmpty())
        encoding = Encodings::Ansi;
    const qsizetype markSize = BomOf(encoding).size();
    return JoinLines(SplitTextLines(DecodeBytes(QByteArrayView(bytes).sliced(markSize), encoding)));
}

}  // namespace

QByteArray ReadBom(const QString& fileName)
{
    const QByteArray head = ReadHead(fileName, 3);
    if (head.size() < 2)
        return QByteArray();
    if (head.startsWith("\xEF\xBB\xBF"))
        return head;
    if (head.startsWith("\xFE\xFF") || head.startsWith("\xFF\xFE"))
        return head.left(2);
    return QByteArray();
}

QString EncodingNameOfBom(const QByteArray& bom)
{
    if (bom == QByteArrayView("\xEF\xBB\xBF"))
        return Encodings::Utf8;
    if (bom == QByteArrayView("\xFF\xFE"))
        return Encodings::Unicode;
    if (bom == QByteArrayView("\xFE\xFF"))
        return Encodings::UnicodeBigEndian;
    return Encodings::Ansi;
}

QString GuessEncodingName(const QString& fileName)
{
    const QByteArray head = ReadHead(fileName, 4);
    if (head.size() < 4)
        return Encodings::Utf8;
    if (head[0] == 0 && head[2] == 0)
        return Encodings::UnicodeBigEndian;
    if (head[1] == 0 && head[3] == 0)
        return Encodings::Unicode;
    return Encodings::Utf8;
}

QString DetectEncodingName(const QString& fileName)
{
    const QByteArray bom = ReadBom(fileName);
    return bom.isEmpty() ? GuessEncodingName(fileName) : EncodingNameOfBom(bom);
}

QString ReadFirstLine(const QString& fileName)
{
    TBlockTextReader reader;
    reader.OpenTextFile(fileName);
    reader.SetEncodingName(Encodings::AutoDetect);
    reader.SetStartPosition(0);
    if (!reader.HasMoreLines())
        return QString();
    reader.ReadLine();
    return reader.CurrentLine();
}

QStringList ReadFirstLines(const QString& fileName, int count, const QString& encodingName)
{
    QStringList lines;
    TBlockTextReader reader;
    reader.OpenTextFile(fileName);
    reader.SetEncodingName(encodingName);
    reader.SetStartPosition(0);
    while (lines.size() < count && reader.HasMoreLines()) {
        reader.ReadLine();
        lines.append(TrimRight(reader.CurrentLine()));
    }
    return lines;
}

QStringList ReadLastLines(const QString& fileName, int count)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return QStringList();
    const qint64 size = file.size();
    file.seek(std::max<qint64>(size - LastLinesBytes, 0));
    QByteArray bytes = file.read(LastLinesBytes);
    const qsizetype zero = bytes.indexOf('\0');
    if (zero >= 0)
        bytes.truncate(zero);
    const QStringList lines = SplitTextLines(QString::fromLocal8Bit(bytes));
    return count >= lines.size() ? lines : lines.mid(lines.size() - std::max(count, 0));
}

QString FilePreviewText(const QString& fileName, int lineCount)
{
    const qint64 size = QFileInfo(fileName).size();
    if (lineCount <= 2 && size > PreviewChars) {
        // A character takes at most 3 bytes in UTF-8 and 2 in UTF-16, so this
        // head holds the first 100,000 characters; the file may be a single
        // line of gigabytes, which must not be loaded whole.
        const QByteArray head = ReadHead(fileName, 4 * qint64(PreviewChars) + 4);
        return TextByBom(head).left(PreviewChars) + Ellipsis;
    }
    const QString encoding = DetectEncodingName(fileName);
    if (lineCount > PreviewLines) {
        return JoinLines(ReadFirstLines(fileName, PreviewHeadLines, encoding)) + Ellipsis
               + JoinLines(ReadLastLines(fileName, PreviewTailLines));
    }
    return JoinLines(ReadFirstLines(fileName, PreviewLines, encoding));
}

QString FileSizeTextOf(qint64 size)
{
    QString text;
    if (size < 1024)
        return QString::number(size) + QStringLiteral(" Bytes");
    if (size >= 1048576)
        text = QString::asprintf("%8.3f", double(size) / 1048576.0) + QStringLiteral(" MB");
    else
        text = QString::asprintf("%3.3f", double(size) / 1024.0) + QStringLiteral(" KB");
    return text.replace(QLatin1Char('.'), TUserLocale::DecimalSeparator());
}

QString FileSizeText(const QString& fileName)
{
    return FileSizeTextOf(QFileInfo(fileName).size());
}

QString LoadTextFile(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EInOutError(QStringLiteral("Cannot open file \"%1\". %2").arg(fileName, file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw EInOutError(QStringLiteral("Cannot read file \"%1\". %2").arg(fileName, file.errorString()));
    return TextByBom(bytes);
}

QDateTime FileModifiedTime(const QString& fileName)
{
    const QFileInfo info(fileName);
    if (!info.exists())
        return QDateTime();
    return info.lastModified().toLocalTime();
}

QString FileNameWithoutExt(const QString& fileName)
{
    const QString name = QFileInfo(fileName).fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot >= 0 ? name.left(dot) : name;
}

QString TrimRight(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1).unicode() <= u' ')
        --end;
    return text.left(end);
}
