#include "TestUtil.h"

#include "UFileLineCountCache.h"
#include "UTextCodec.h"
#include "UTxtFileLineCounter.h"

#include <QDateTime>
#include <QFile>
#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

TEST(LineCounterTest, Counts)
{
    struct TRow {
        const char* Name;
        QByteArray Bytes;
        qint64 Lines;
    };
    const TRow rows[] = {
        {"last line without break", "a\nb", 2},
        {"last line with break", "a\nb\n", 2},
        {"empty", "", 0},
        {"one byte", "a", 1},
        {"lone zero byte", QByteArray(1, '\0'), 0},
        {"zero byte after the last break", QByteArray("a\n\0", 3), 1},
        {"zero byte inside the last line", QByteArray("a\nb\0", 4), 2},
        {"CR LF", "a\r\nb\r\n", 2},
        {"CR alone is no break", "a\rb\rc", 1},
        {"UTF-8 mark", "\xEF\xBB\xBF" "a\nb", 2},
        {"UTF-16LE mark, last line without break", EncodeText(QStringLiteral("a\r\nb"), Encodings::Unicode, true), 2},
        {"UTF-16LE mark, last line with break", EncodeText(QStringLiteral("a\nb\n"), Encodings::Unicode, true), 2},
        {"UTF-16BE mark", EncodeText(QStringLiteral("a\nb\nc"), Encodings::UnicodeBigEndian, true), 3},
        // U+0A41 holds a byte 0A that is no line feed in UTF-16.
        {"UTF-16LE guessed from 7B 00 0D 00", EncodeText(QStringLiteral("{\r\n\u0A41}"), Encodings::Unicode, false), 2},
        {"UTF-16BE guessed", EncodeText(QStringLiteral("a\n\u410A"), Encodings::UnicodeBigEndian, false), 2},
        {"UTF-16LE odd trailing byte", EncodeText(QStringLiteral("ab\n"), Encodings::Unicode, true) + 'x', 2},
    };
    TTestDir dir;
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.Name);
        const QString path = dir.File(QStringLiteral("count.txt"));
        WriteFileBytes(path, row.Bytes);
        EXPECT_EQ(TTxtFileLineCounter::CountLines(path), row.Lines);
        // Every chunk size gives the same count.
        for (const qint64 chunk : {2, 3, 4, 6})
            EXPECT_EQ(TTxtFileLineCounter(path, chunk).CountLines(), row.Lines) << "chunk " << chunk;
    }
}

TEST(LineCounterTest, MissingFileHasNoLines)
{
    EXPECT_EQ(TTxtFileLineCounter::CountLines(QStringLiteral("/nonexistent/x.json")), 0);
}

// Long random files, so that the vector scan and its periodic sums run over
// many rounds, against a plain count.
TEST(LineCounterTest, LongFilesMatchAPlainCount)
{
    TTestDir dir;
    QRandomGenerator random(42);
    for (const QString& encoding : {Encodings::Utf8, Encodings::Unicode, Encodings::UnicodeBigEndian}) {
        SCOPED_TRACE(encoding.toStdString());
        QString text;
        qint64 expected = 0;
        while (text.size() < 300000) {
            const quint32 r = random.bounded(20);
            if (r == 0) {
                text += QLatin1Char('\n');
                ++expected;
            } else {
                text += QChar(char16_t(r < 10 ? u'a' + r : 0x0A00 + r));  // 0A bytes inside characters
            }
        }
        text += QLatin1Char('x');
        const QString path = dir.File(QStringLiteral("long.txt"));
        WriteFileBytes(path, EncodeText(text, encoding, true));
        EXPECT_EQ(TTxtFileLineCounter::CountLines(path), expected + 1);
        EXPECT_EQ(TTxtFileLineCounter(path, 4096 + 2).CountLines(), expected + 1);
    }
}

TEST(FileLineCountCacheTest, CountsAgainOnlyWhenTheFileChanged)
{
    TTestDir dir;
    const QString path = dir.File(QStringLiteral("cached.json"));
    WriteFileBytes(path, "1\n2\n3\n");
    QFile file(path);
    const QDateTime written = QDateTime::currentDateTime().addSecs(-100);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(written, QFileDevice::FileModificationTime));
    file.close();

    TFileLineCountCache& cache = TFileLineCountCache::Instance();
    EXPECT_EQ(TFileLineCountCache::GetLineCount(path), 3);

    // Same size, same time: the cached count stands although the content differs.
    WriteFileBytes(path, "123456");
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(written, QFileDevice::FileModificationTime));
    file.close();
    EXPECT_EQ(cache.LineCount(path), 3);

    // A new last-write time makes the next call count again.
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(written.addSecs(1), QFileDevice::FileModificationTime));
    file.close();
    EXPECT_EQ(cache.LineCount(path), 1);
    WriteFileBytes(path, "1\n2\n3\n4\n");
    EXPECT_EQ(cache.LineCount(path), 4);

    // Linux paths differ by letter case, and so do the entries.
    const QString upper = dir.File(QStringLiteral("CACHED.json"));
    WriteFileBytes(upper, "1\n");
    EXPECT_EQ(cache.LineCount(upper), 1);
    EXPECT_EQ(cache.LineCount(path), 4);
}

TEST(FileLineCountCacheTest, MissingFileCountsZeroUntilItAppears)
{
    TTestDir dir;
    const QString path = dir.File(QStringLiteral("later.json"));
    EXPECT_EQ(TFileLineCountCache::GetLineCount(path), 0);
    WriteFileBytes(path, "a\nb");
    EXPECT_EQ(TFileLineCountCache::GetLineCount(path), 2);
}

}  // namespace
