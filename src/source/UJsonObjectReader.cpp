#include "UJsonObjectReader.h"

#include "UJsonFormatDetector.h"
#include "UJsonStreamedArray.h"
#include "ULog.h"
#include "UTextCodec.h"
#include "UTextFileUtil.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <cstring>

namespace {

const QString CrLf = QStringLiteral("\r\n");

void OpenBlockReader(TBlockTextReader& reader, const QString& fileName)
{
    reader.OpenTextFile(fileName);
    reader.SetEncodingName(Encodings::AutoDetect);
    reader.SetStartPosition(0);
}

bool IsObjectEnd(const QString& line) { return line == u"}" || line == u"},"; }

// Object counts of line-oriented files, per path and file stamp, so that an
// unchanged file is scanned once per process. Main thread only.
class TJsonObjectCountCache {
public:
    static TJsonObjectCountCache& Instance()
    {
        static TJsonObjectCountCache cache;
        return cache;
    }

    template <class Count>
    int Get(const QString& kind, const QString& fileName, Count count)
    {
        const QString key = kind + u'|' + fileName;
        const QString stamp = FileStampText(fileName);
        auto it = FEntries.find(key);
        if (it != FEntries.end() && it->Stamp == stamp)
            return it->Count;
        const int n = count();
        FEntries.insert(key, {stamp, n});
        return n;
    }

private:
    struct TEntry {
        QString Stamp;
        int Count;
    };
    QHash<QString, TEntry> FEntries;
};

// Records of a JSON-lines file: its lines that are not blank, without the "#"
// lines before the first record. A raw scan in the file's code units, with CR,
// LF and CR LF as line breaks and every unit up to the space as blank, which
// is what the block reader and the trim make of the same bytes.
int CountJsonLineRecords(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray bom = ReadBom(fileName);
    const TTextUnit unit = TextUnitOf(EncodingNameOfBom(bom));
    const int width = unit == TTextUnit::Byte ? 1 : 2;
    file.seek(bom.size());

    int records = 0;
    bool lineHasContent = false;
    bool lineIsComment = false;
    bool leading = true;  // no record yet: "#" lines are comments
    auto endLine = [&]() {
        if (lineHasContent && !(leading && lineIsComment)) {
            ++records;
            leading = false;
        }
        lineHasContent = lineIsComment = false;
    };
    constexpr qint64 ChunkSize = 16 << 20;
    QByteArray chunk(ChunkSize + 1, Qt::Uninitialized);
    qsizetype carried = 0;  // an odd byte of a 16-bit unit cut by the chunk
    for (;;) {
        const qint64 got = file.read(chunk.data() + carried, ChunkSize);
        if (got <= 0)
            break;
        const qsizetype filled = carried + qsizetype(got);
        const qsizetype usable = filled - filled % width;
        const auto* p = reinterpret_cast<const unsigned char*>(chunk.constData());
        qsizetype i = 0;
        while (i < usable) {
            if (unit == TTextUnit::Byte && lineHasContent) {
                // The rest of a record line matters only for where it ends.
                const void* lf = std::memchr(p + i, '\n', size_t(usable - i));
                const qsizetype limit = lf ? static_cast<const unsigned char*>(lf) - p : usable;
                const void* cr = std::memchr(p + i, '\r', size_t(limit - i));
                i = cr ? static_cast<const unsigned char*>(cr) - p : limit;
                if (i == usable)
                    break;
            }
            unsigned c = p[i];
            if (unit == TTextUnit::Utf16LE)
                c |= unsigned(p[i + 1]) << 8;
            else if (unit == TTextUnit::Utf16BE)
                c = (c << 8) | p[i + 1];
            if (c == '\n' || c == '\r') {
                endLine();
            } else if (c > ' ' && !lineHasContent) {
                lineHasContent = true;
                lineIsComment = c == '#';
            }
            i += width;
        }
        carried = filled - usable;
        if (carried)
            chunk[0] = chunk[usable];
    }
    endLine();
    return records;
}

int CountMultipleLineObjects(const QString& fileName)
{
    TBlockTextReader reader;
    OpenBlockReader(reader, fileName);
    int count = 0;
    bool carried = false;
    while (carried || reader.HasMoreLines()) {
        TMultipleLineJsonObjectReader::ReadObjectLines(reader, carried, nullptr);
        ++count;
    }
    return count;
}

}  // namespace

// ---------------------------------------------------------------- base

void TJsonObjectReader::Rewind()
{
    FObjectIndex = 0;
    FObjectText.clear();
}

void TJsonObjectReader::GotoObject(int n)
{
    Rewind();
    for (int i = 0; i <= n; ++i)
        ReadNextObject();
}

std::unique_ptr<TJsonObjectReader> TJsonObjectReader::CreateForFile(const QString& fileName)
{
    TJsonFormatDetector& detector = TJsonFormatDetector::Instance();
    if (detector.IsOneObjectPerLine(fileName))
        return std::make_unique<TOneLineJsonObjectReader>(fileName);
    if (detector.IsMultipleLineObjects(fileName))
        return std::make_unique<TMultipleLineJsonObjectReader>(fileName);
    return std::make_unique<TWholeJsonObjectReader>(fileName);
}

// ---------------------------------------------------------------- one object per line

TOneLineJsonObjectReader::TOneLineJsonObjectReader(const QString& fileName) : TJsonObjectReader(fileName)
{
    OpenBlockReader(FReader, fileName);
    CountObjects();
    ReadNextObject();
    FFirstValue = TJsonValue::ParseString(TrimBlanks(FObjectText), TJsonDuplicates::DropDuplicates);
}

void TOneLineJsonObjectReader::CountObjects()
{
    FObjectCount = TJsonObjectCountCache::Instance().Get(QStringLiteral("lines"), FFileName,
                                                         [&] { return CountJsonLineRecords(FFileName); });
    Rewind();
}

void TOneLineJsonObjectReader::Rewind()
{
    TJsonObjectReader::Rewind();
    FReader.ResetReading();
}

void TOneLineJsonObjectReader::ReadNextObject()
{
    // A blank line is no record; "#" lines are comments before the first one.
    FObjectText.clear();
    while (FReader.HasMoreLines()) {
        FReader.ReadLine();
        QString line = TrimBlanks(FReader.CurrentLine());
        if (line.isEmpty() || (FObjectIndex == 0 && line.startsWith(u'#')))
            continue;
        FObjectText = std::move(line);
        break;
    }
    ++FObjectIndex;
}

// ---------------------------------------------------------------- multi-line objects

TMultipleLineJsonObjectReader::TMultipleLineJsonObjectReader(const QString& fileName) : TJsonObjectReader(fileName)
{
    OpenBlockReader(FReader, fileName);
    CountObjects();
    ReadNextObject();
    FFirstValue = TJsonValue::ParseString(TrimBlanks(FObjectText), TJsonDuplicates::DropDuplicates);
}

int TMultipleLineJsonObjectReader::ReadObjectLines(TBlockTextReader& reader, bool& carried, QString* text)
{
    int lines = 0;
    if (carried) {
        if (text)
            *text += QStringLiteral("{\r\n");
        lines = 1;
        carried = false;
    }
    while (reader.HasMoreLines()) {
        reader.ReadLine();
        const QString line = TrimBlanksRight(reader.CurrentLine());
        if (text)
            *text += line + CrLf;
        ++lines;
        if (!IsObjectEnd(line))
            continue;
        // Comments and blank lines between objects belong to no object.
        bool ended = false;
        while (reader.HasMoreLines()) {
            reader.ReadLine();
            const QString next = TrimBlanksRight(reader.CurrentLine());
            if (next.isEmpty() || IsCommentLine(next))
                continue;
            if (next == u"{") {
                carried = true;
                ended = true;
            } else {
                if (text)
                    *text += next + CrLf;
                ++lines;
            }
            break;
        }
        if (ended)
            break;
    }
    return lines;
}

void TMultipleLineJsonObjectReader::ReadNextObject()
{
    FObjectText.clear();
    FObjectLines = ReadObjectLines(FReader, FCarried, &FObjectText);
    ++FObjectIndex;
}

void TMultipleLineJsonObjectReader::CountObjects()
{
    // Every object is counted: estimating from the first object's lines would
    // drop objects when later ones are shorter and invent empty ones when longer.
    FObjectCount = TJsonObjectCountCache::Instance().Get(QStringLiteral("objects"), FFileName,
                                                         [&] { return CountMultipleLineObjects(FFileName); });
    Rewind();
}

void TMultipleLineJsonObjectReader::Rewind()
{
    TJsonObjectReader::Rewind();
    FReader.ResetReading();
    FCarried = false;
    FObjectLines = 0;
}

// ---------------------------------------------------------------- whole document

TWholeJsonObjectReader::TWholeJsonObjectReader(const QString& fileName) : TJsonObjectReader(fileName)
{
    // A document that is one array of records is read an element at a time:
    // its whole tree would take several times the file's size.
    if ((FFirstValue = TJsonStreamedArray::Open(fileName))) {
        CountObjects();
        return;
    }
    bool parsed = false;
    try {
        FFirstValue = TJsonValue::ParseFile(fileName);
        parsed = true;
    } catch (const std::exception& e) {
        TLog::Global().Debug(QStringLiteral("ParseFile Exception: ") + ExceptionMessage(e));
    }
    if (!parsed) {
        FFirstValue = TJsonValue::ParseString(CleanJsonText(fileName), TJsonDuplicates::DropDuplicates);
    } else if (FFirstValue && FFirstValue->LineCount() == 1) {
        // A two-line object whose text goes on past its closing brace is most
        // likely two records, the second one cut. Arrays are not affected.
        const QString text = TrimBlanks(LoadTextFile(fileName));
        if (text.startsWith(u'{') && !text.endsWith(u'}'))
            throw EJsonException(QStringLiteral("File \"%1\" maybe not a valid JSON file.").arg(fileName));
    }
    CountObjects();
}

// ---------------------------------------------------------------- helpers

QString CleanJsonText(const QString& fileName)
{
    QString text = TrimBlanks(LoadTextFile(fileName));
    if (text.isEmpty())
        return text;
    if (text.startsWith(u'{')) {
        QString inner = TrimBlanks(text.mid(1));
        if (inner.startsWith(u'[')) {
            if (inner.endsWith(u'}'))
                inner.chop(1);
            return inner;
        }
        return text;
    }
    if (text.startsWith(u"data(")) {
        QString inner = text.mid(5);
        if (inner.endsWith(u')'))
            inner.chop(1);
        return inner;
    }
    if (text.startsWith(u'#')) {
        while (text.startsWith(u'#')) {
            const qsizetype lf = text.indexOf(u'\n');
            text = lf < 0 ? QString() : TrimBlanks(text.mid(lf + 1));
        }
        return text;
    }
    if (text.startsWith(u'['))
        return text;
    const qsizetype brace = text.indexOf(u'{');
    return QStringLiteral("{") + (brace < 0 ? QString() : text.mid(brace + 1));
}

QString FileStampText(const QString& fileName)
{
    const QFileInfo info(fileName);
    if (!info.exists())
        return QString();
    return info.lastModified().toUTC().toString(Qt::ISODateWithMs) + u'|' + QString::number(info.size());
}
