#include "TestUtil.h"

#include "UException.h"
#include "UTextCodec.h"
#include "UTextFileUtil.h"
#include "UUserLocale.h"

#include <gtest/gtest.h>

namespace {

class TextFileUtilTest : public ::testing::Test {
protected:
    QString Write(const QByteArray& bytes, const QString& name = QStringLiteral("file.txt"))
    {
        const QString path = FDir.File(name);
        WriteFileBytes(path, bytes);
        return path;
    }
    TTestDir FDir;
};

TEST_F(TextFileUtilTest, MarksAndEncodingNames)
{
    struct TRow {
        const char* Name;
        QByteArray Bytes;
        QByteArray Bom;
        QString Detected;
    };
    const TRow rows[] = {
        {"UTF-8 mark", "\xEF\xBB\xBF{}", "\xEF\xBB\xBF", Encodings::Utf8},
        {"UTF-16LE mark", "\xFF\xFE{\0", "\xFF\xFE", Encodings::Unicode},
        {"UTF-16BE mark", QByteArray("\xFE\xFF\0{", 4), "\xFE\xFF", Encodings::UnicodeBigEndian},
        {"mark alone", "\xFF\xFE", "\xFF\xFE", Encodings::Unicode},
        {"one byte", "\xFF", "", Encodings::Utf8},
        {"cut UTF-8 mark", "\xEF\xBB", "", Encodings::Utf8},
        {"guessed LE", QByteArray("{\0\r\0", 4), "", Encodings::Unicode},
        {"guessed BE", QByteArray("\0{\0\r", 4), "", Encodings::UnicodeBigEndian},
        {"plain text", "{\"a\":1}", "", Encodings::Utf8},
        {"three zero bytes are too short to guess", QByteArray(3, '\0'), "", Encodings::Utf8},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.Name);
        const QString path = Write(row.Bytes);
        EXPECT_EQ(ReadBom(path), row.Bom);
        EXPECT_EQ(DetectEncodingName(path), row.Detected);
    }
    EXPECT_EQ(EncodingNameOfBom(QByteArray()), Encodings::Ansi);
    EXPECT_EQ(EncodingNameOfBom("\xEF\xBB\xBF"), Encodings::Utf8);
    EXPECT_EQ(EncodingNameOfBom("\xFE\xFF"), Encodings::UnicodeBigEndian);
    EXPECT_EQ(ReadBom(QStringLiteral("/nonexistent/a")), QByteArray());
}

TEST_F(TextFileUtilTest, FirstLineIsDecodedByTheMarkOnly)
{
    // Guessed as UTF-16 for counting, but without a mark it is read as Ansi.
    const QString path = Write(QByteArray("{\0\r\0\n\0}\0", 8));
    EXPECT_EQ(ReadFirstLine(path), QString(QStringLiteral("{")) + QChar(0));
    EXPECT_EQ(ReadFirstLine(Write(EncodeText(QStringLiteral("\u00e9t\u00e9\r\nx"), Encodings::Unicode, true))),
              QStringLiteral("\u00e9t\u00e9"));
    EXPECT_EQ(ReadFirstLine(Write("")), QString());
}

TEST_F(TextFileUtilTest, FirstLinesAreTrimmedAtTheRight)
{
    const QString path = Write(EncodeText(QStringLiteral("  a  \r\nb\t\n\nc\nd"), Encodings::UnicodeBigEndian, false));
    EXPECT_EQ(ReadFirstLines(path, 4, Encodings::UnicodeBigEndian), QStringList({"  a", "b", "", "c"}));
    EXPECT_EQ(ReadFirstLines(path, 10, Encodings::UnicodeBigEndian).size(), 5);
}

TEST_F(TextFileUtilTest, LastLines)
{
    const QString path = Write("1\n2\r\n3\n4");
    EXPECT_EQ(ReadLastLines(path, 2), QStringList({"3", "4"}));
    EXPECT_EQ(ReadLastLines(path, 10), QStringList({"1", "2", "3", "4"}));
    // The 8-bit text ends at its first zero byte.
    EXPECT_EQ(ReadLastLines(Write(QByteArray("1\n2\n\0" "3\n4", 8)), 5), QStringList({"1", "2"}));
    // Only the last MiB is read: its first line is cut.
    QByteArray big = QByteArray("first\n") + QByteArray(1048576, 'x');
    big.append("\nend\n");
    const QStringList tail = ReadLastLines(Write(big), 5);
    ASSERT_EQ(tail.size(), 2);
    EXPECT_EQ(tail[0], QString(1048576 - 5, QLatin1Char('x')));
    EXPECT_EQ(tail[1], QStringLiteral("end"));
}

TEST_F(TextFileUtilTest, PreviewText)
{
    QByteArray many;
    for (int i = 1; i <= 150; ++i)
        many += "line " + QByteArray::number(i) + "  \n";
    QString expected;
    for (int i = 1; i <= 80; ++i)
        expected += QStringLiteral("line %1\r\n").arg(i);
    expected += QStringLiteral("\r\n\r\n...\r\n\r\n\r\n");
    for (int i = 131; i <= 150; ++i)
        expected += QStringLiteral("line %1  \r\n").arg(i);
    EXPECT_EQ(FilePreviewText(Write(many), 150), expected);

    EXPECT_EQ(FilePreviewText(Write("a\nb\nc"), 3), QStringLiteral("a\r\nb\r\nc\r\n"));

    // Few long lines: the first 100,000 characters.
    const QString longLine = QString(60000, QChar(0x20AC)) + QString(60000, QLatin1Char('y'));
    const QString path = Write(EncodeText(longLine + QStringLiteral("\n{}"), Encodings::Utf8, true));
    EXPECT_EQ(FilePreviewText(path, 2), longLine.left(100000) + QStringLiteral("\r\n\r\n...\r\n\r\n\r\n"));
}

TEST(FileSizeTextTest, Sizes)
{
    struct TRow {
        qint64 Size;
        QString Text;
    };
    const TRow rows[] = {
        {0, "0 Bytes"}, {512, "512 Bytes"}, {1023, "1023 Bytes"}, {1024, "1.000 KB"}, {1536, "1.500 KB"},
        {1048575, "1023.999 KB"}, {1048576, "   1.000 MB"}, {2147483648LL * 3, "6144.000 MB"},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.Size);
        EXPECT_EQ(FileSizeTextOf(row.Size), row.Text);
    }
    TUserLocaleData comma = TUserLocaleData::English();
    comma.DecimalSeparator = QLatin1Char(',');
    TUserLocale::Set(comma);
    EXPECT_EQ(FileSizeTextOf(1536), QStringLiteral("1,500 KB"));
    TUserLocale::Set(TUserLocaleData::English());
}

TEST_F(TextFileUtilTest, LoadTextFileEndsEveryLineWithCrLf)
{
    EXPECT_EQ(LoadTextFile(Write(EncodeText(QStringLiteral("a\nb\r\nc\rd"), Encodings::Unicode, true))),
              QStringLiteral("a\r\nb\r\nc\r\nd\r\n"));
    EXPECT_EQ(LoadTextFile(Write("\xEF\xBB\xBF[1]\n")), QStringLiteral("[1]\r\n"));
    EXPECT_EQ(LoadTextFile(Write("")), QString());
    EXPECT_THROW(LoadTextFile(QStringLiteral("/nonexistent/a.json")), EInOutError);
}

TEST_F(TextFileUtilTest, NamesAndTimes)
{
    EXPECT_EQ(FileNameWithoutExt(QStringLiteral("/data/orders.json")), QStringLiteral("orders"));
    EXPECT_EQ(FileNameWithoutExt(QStringLiteral("/data/a.b.json")), QStringLiteral("a.b"));
    EXPECT_EQ(FileNameWithoutExt(QStringLiteral("/data.d/noext")), QStringLiteral("noext"));
    EXPECT_FALSE(FileModifiedTime(QStringLiteral("/nonexistent/a")).isValid());
    const QDateTime time = FileModifiedTime(Write("x"));
    EXPECT_TRUE(time.isValid());
    EXPECT_LE(qAbs(time.secsTo(QDateTime::currentDateTime())), 60);
}

}  // namespace
