#include "TestUtil.h"

#include "UBlockTextReader.h"
#include "UException.h"
#include "UTextCodec.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

constexpr qint64 Block = TBlockTextReader::BlockSize;

struct TEncodingCase {
    const char* Name;
    QString Encoding;  // as written to the file
    bool WithBom;
    QString ReadAs;    // the name handed to SetEncodingName
};

void PrintTo(const TEncodingCase& row, std::ostream* os)
{
    *os << row.Name;
}

std::vector<TEncodingCase> EncodingCases()
{
    return {
        {"Utf8Bom", Encodings::Utf8, true, Encodings::AutoDetect},
        {"Utf8", Encodings::Utf8, false, Encodings::Utf8},
        {"AnsiAutoDetect", Encodings::Utf8, false, Encodings::AutoDetect},
        {"Utf16LEBom", Encodings::Unicode, true, Encodings::AutoDetect},
        {"Utf16LE", Encodings::Unicode, false, Encodings::Unicode},
        {"Utf16BEBom", Encodings::UnicodeBigEndian, true, Encodings::AutoDetect},
        {"Utf16BE", Encodings::UnicodeBigEndian, false, Encodings::UnicodeBigEndian},
    };
}

int UnitBytes(const QString& encoding)
{
    return encoding == Encodings::Utf8 ? 1 : 2;
}

QStringList ReadAllLines(TBlockTextReader& reader)
{
    QStringList lines;
    while (reader.HasMoreLines()) {
        reader.ReadLine();
        lines.append(reader.CurrentLine());
    }
    return lines;
}

// Mixed lines with 2-, 3- and 4-byte characters and both line-break styles.
QString MixedText(qint64 minChars)
{
    static const QString pieces[] = {QStringLiteral("plain ascii text"), QStringLiteral("caf\u00e9 \u00fcber"),
                                     QStringLiteral("\u20ac 12,50"), QString::fromUtf8("\xF0\x9F\x98\x80 smile"),
                                     QString()};
    QString text;
    int i = 0;
    while (text.size() < minChars) {
        text += QString::number(i) + QLatin1Char(' ') + pieces[i % 5].repeated(1 + i % 7);
        text += i % 3 == 0 ? QStringLiteral("\r\n") : QStringLiteral("\n");
        ++i;
    }
    return text;
}

class BlockTextReaderEncodingTest : public ::testing::TestWithParam<TEncodingCase> {
protected:
    QStringList ReadFile(const QString& text, qint64 memoryLimit = TBlockTextReader::MemoryLimit)
    {
        const QString path = FDir.File(QStringLiteral("data.txt"));
        WriteFileBytes(path, EncodeText(text, GetParam().Encoding, GetParam().WithBom));
        TBlockTextReader reader;
        reader.SetMemoryLimit(memoryLimit);
        reader.OpenTextFile(path);
        reader.SetEncodingName(GetParam().ReadAs);
        reader.SetStartPosition(0);
        return ReadAllLines(reader);
    }
    qint64 BomBytes() const { return GetParam().WithBom ? BomOf(GetParam().Encoding).size() : 0; }

    TTestDir FDir;
};

// Several blocks, read from memory and from disk, give exactly the
// lines of the text, whatever characters and breaks meet the block ends.
TEST_P(BlockTextReaderEncodingTest, LinesOverSeveralBlocksAreExact)
{
    const QString text = MixedText(Block * 5 / 4 + 12345);
    const QStringList expected = SplitTextLines(text);
    EXPECT_EQ(ReadFile(text), expected);
    EXPECT_EQ(ReadFile(text, 0), expected);
}

// A line far longer than a block, with a 4-byte character (a surrogate pair
// in UTF-16) whose bytes straddle the 4 MiB boundary.
TEST_P(BlockTextReaderEncodingTest, LongLineAndCharacterAcrossTheBoundary)
{
    const int unit = UnitBytes(GetParam().Encoding);
    const qint64 target = unit == 1 ? Block - 1 : Block - 2;  // the 4-byte character starts here
    const QString head(static_cast<qsizetype>((target - BomBytes()) / unit), QLatin1Char('a'));
    const QString smile = QString::fromUtf8("\xF0\x9F\x98\x80");
    const QString longLine = head + smile + QStringLiteral("tail") + QString(Block / unit, QLatin1Char('b'));
    const QStringList lines = ReadFile(longLine + QStringLiteral("\nnext"), 0);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0] == longLine);
    EXPECT_EQ(lines[1], QStringLiteral("next"));
}

// A CR LF pair split by a block end inside a long line ends one line.
TEST_P(BlockTextReaderEncodingTest, CrLfAcrossTheBoundaryEndsOneLine)
{
    const int unit = UnitBytes(GetParam().Encoding);
    const QString first(static_cast<qsizetype>((Block - unit - BomBytes()) / unit), QLatin1Char('x'));
    const QStringList lines = ReadFile(first + QStringLiteral("\r\nsecond\r\n"));
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0] == first);
    EXPECT_EQ(lines[1], QStringLiteral("second"));
}

// A line of ordinary length whose bytes cover the 4 MiB offset.
TEST_P(BlockTextReaderEncodingTest, LineAcrossTheBoundary)
{
    const int unit = UnitBytes(GetParam().Encoding);
    const QString filler = QString(99, QLatin1Char('f'));  // 100 units per line with LF
    const qint64 fillerLines = (Block - BomBytes()) / unit / 100;
    QString text = (filler + QLatin1Char('\n')).repeated(fillerLines - 1);
    const QString across = QStringLiteral("across \u00e9") + QString(250, QLatin1Char('z'));
    text += across + QStringLiteral("\nlast");
    const QStringList lines = ReadFile(text);
    ASSERT_EQ(lines.size(), fillerLines + 1);
    EXPECT_EQ(lines[fillerLines - 1], across);
    EXPECT_EQ(lines.back(), QStringLiteral("last"));
}

TEST_P(BlockTextReaderEncodingTest, FirstLineCarriesNoByteOrderMark)
{
    EXPECT_EQ(ReadFile(QStringLiteral("{\"a\":1}\n{\"a\":2}")), QStringList({"{\"a\":1}", "{\"a\":2}"}));
}

INSTANTIATE_TEST_SUITE_P(Encodings, BlockTextReaderEncodingTest, ::testing::ValuesIn(EncodingCases()),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(BlockTextReaderTest, SmallFiles)
{
    struct TRow {
        const char* Name;
        QByteArray Bytes;
        QStringList Lines;
    };
    const TRow rows[] = {
        {"empty", "", {}},
        {"one line", "a", {"a"}},
        {"break at end adds no line", "a\n", {"a"}},
        {"lone break", "\n", {""}},
        {"blank line kept", "a\r\n\r\nb", {"a", "", "b"}},
        {"CR alone ends a line", "a\rb\r", {"a", "b"}},
        {"mark only", "\xEF\xBB\xBF", {""}},
        {"invalid UTF-8 becomes U+FFFD", "a\xFF" "b", {QStringLiteral("a\uFFFDb")}},
    };
    TTestDir dir;
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.Name);
        const QString path = dir.File(QStringLiteral("small.txt"));
        WriteFileBytes(path, row.Bytes);
        TBlockTextReader reader;
        reader.OpenTextFile(path);
        EXPECT_EQ(ReadAllLines(reader), row.Lines);
        EXPECT_EQ(reader.LineNumber(), row.Lines.size());
    }
}

TEST(BlockTextReaderTest, ResetReadingStartsAgain)
{
    TTestDir dir;
    const QString path = dir.File(QStringLiteral("lines.txt"));
    const QString text = MixedText(Block + 1000);
    WriteFileBytes(path, EncodeText(text, Encodings::Utf8, true));
    for (const qint64 limit : {TBlockTextReader::MemoryLimit, qint64(0)}) {
        SCOPED_TRACE(limit);
        TBlockTextReader reader;
        reader.SetMemoryLimit(limit);
        reader.OpenTextFile(path);
        EXPECT_EQ(reader.IsInMemory(), limit > 0);
        EXPECT_EQ(reader.EncodingName(), Encodings::Utf8);
        reader.ReadLine();
        reader.ReadLine();
        reader.ResetReading();
        EXPECT_EQ(reader.LineNumber(), 0);
        EXPECT_EQ(ReadAllLines(reader), SplitTextLines(text));
    }
}

TEST(BlockTextReaderTest, ReadsFromDiskFromOneHundredMiB)
{
    TTestDir dir;
    for (const qint64 size : {TBlockTextReader::MemoryLimit - 1, TBlockTextReader::MemoryLimit}) {
        SCOPED_TRACE(size);
        const QString path = dir.File(QStringLiteral("big.txt"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_TRUE(file.resize(size));  // sparse: no 100 MB written
        file.close();
        TBlockTextReader reader;
        reader.OpenTextFile(path);
        EXPECT_EQ(reader.FileSize(), size);
        EXPECT_EQ(reader.IsInMemory(), size < TBlockTextReader::MemoryLimit);
    }
}

TEST(BlockTextReaderTest, EncodingNameFromTheMarkOrAsGiven)
{
    TTestDir dir;
    const QString path = dir.File(QStringLiteral("le.txt"));
    WriteFileBytes(path, EncodeText(QStringLiteral("x"), Encodings::Unicode, true));
    TBlockTextReader reader;
    reader.OpenTextFile(path);
    EXPECT_EQ(reader.EncodingName(), Encodings::Unicode);
    reader.SetEncodingName(QStringLiteral("UTF-8"));
    EXPECT_EQ(reader.EncodingName(), Encodings::Utf8);
    reader.SetEncodingName(QString());
    EXPECT_EQ(reader.EncodingName(), Encodings::Unicode);
}

TEST(BlockTextReaderTest, UnreadablePathFailsWithItsName)
{
    TTestDir dir;
    for (const QString& path : {QStringLiteral("/nonexistent/none.json"), dir.Path()}) {
        SCOPED_TRACE(path.toStdString());
        TBlockTextReader reader;
        try {
            reader.OpenTextFile(path);
            FAIL() << "no exception";
        } catch (const EInOutError& e) {
            EXPECT_TRUE(e.Message().startsWith(QStringLiteral("Cannot open file \"") + path + QStringLiteral("\". ")))
                << e.what();
        }
        EXPECT_FALSE(reader.HasMoreLines());
    }
}

}  // namespace
