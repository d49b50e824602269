#include "TestUtil.h"
#include "UJsonFormatDetector.h"
#include "UJsonObjectReader.h"
#include "UJsonTree.h"

#include <gtest/gtest.h>

namespace {

QString LayoutOf(const TJsonObjectReader& reader)
{
    if (dynamic_cast<const TOneLineJsonObjectReader*>(&reader))
        return QStringLiteral("lines");
    if (dynamic_cast<const TMultipleLineJsonObjectReader*>(&reader))
        return QStringLiteral("multi");
    return QStringLiteral("whole");
}

// The texts of every object, read after a rewind.
QStringList ObjectTexts(TJsonObjectReader& reader)
{
    QStringList texts;
    reader.Rewind();
    while (reader.HasMoreObjects()) {
        reader.ReadNextObject();
        texts << reader.ObjectText();
    }
    return texts;
}

TEST(JsonObjectReader, PicksTheLayoutAndCountsObjects)
{
    const struct {
        const char* name;
        QString text;
        QString layout;
        int count;
    } rows[] = {
        {"JSON lines after a comment", "# export\n{\"a\":1}\n{\"a\":2}\n{\"a\":3}\n", "lines", 3},
        {"JSON lines with trailing commas", "{\"a\":1},\n{\"a\":2},\n", "lines", 2},
        {"one single-line object", "{\"a\":1}\n", "whole", 1},
        {"two multi-line objects", "{\n \"a\": 1,\n \"b\": 2\n}\n{\n \"a\": 3,\n \"b\": 4\n}\n", "multi", 2},
        {"later objects shorter are all counted", "{\n\"a\":1,\n\"b\":2,\n\"c\":3,\n\"d\":4\n}\n{\n\"a\":5\n}\n{\n\"a\":6\n}\n", "multi", 3},
        {"later objects longer invent no rows", "{\n\"a\":1\n}\n{\n\"a\":2,\n\"b\":3,\n\"c\":4\n}\n", "multi", 2},
        {"objects separated by comments and blanks", "{\n\"a\":1\n},\n\n# next\n{\n\"a\":2\n}\n", "multi", 2},
        {"pretty-printed array", "[\n  {\"a\": 1},\n  {\"a\": 2}\n]\n", "whole", 1},
        {"indented objects are no series", "  {\n    \"a\": 1\n  }\n  {\n    \"a\": 2\n  }\n", "whole", 1},
        {"blank line among JSON lines", "{\"a\":1}\n\n{\"a\":2}\n   \n{\"a\":3}\n", "lines", 3},
        {"blank lines before a series", "\n\n{\n\"a\":1\n}\n{\n\"a\":2\n}\n", "multi", 2},
        {"two-line array document", "[1,\n2]\n", "whole", 1},
    };
    TTestDir dir;
    int n = 0;
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        const QString path = dir.File(QStringLiteral("f%1.json").arg(n++));
        WriteFileText(path, r.text);
        auto reader = TJsonObjectReader::CreateForFile(path);
        EXPECT_EQ(LayoutOf(*reader), r.layout);
        EXPECT_EQ(reader->ObjectCount(), r.count);
        EXPECT_TRUE(reader->FirstValue());
        EXPECT_EQ(ObjectTexts(*reader).size(), reader->CanPosition() ? r.count : 1);
    }
}

TEST(JsonObjectReader, JsonLinesSkipBlankLinesAndLeadingComments)
{
    TTestDir dir;
    const QString path = dir.File(QStringLiteral("l.json"));
    WriteFileText(path, "# one\n\n# two\n  {\"a\":1}  \r\n\n{\"a\":2}\r\n# not leading\n{\"a\":3}");
    auto reader = TJsonObjectReader::CreateForFile(path);
    ASSERT_EQ(LayoutOf(*reader), QStringLiteral("lines"));
    EXPECT_EQ(reader->ObjectCount(), 4);
    EXPECT_EQ(ObjectTexts(*reader), QStringList({"{\"a\":1}", "{\"a\":2}", "# not leading", "{\"a\":3}"}));
    EXPECT_EQ(reader->FirstValue()->ToString(), QStringLiteral("{\"a\":1}"));
    reader->GotoObject(1);
    EXPECT_EQ(reader->ObjectText(), QStringLiteral("{\"a\":2}"));
    EXPECT_EQ(reader->CurrentLineNumber(), 6);
}

TEST(JsonObjectReader, JsonLinesInUtf16WithMark)
{
    TTestDir dir;
    const QString path = dir.File(QStringLiteral("u.json"));
    const QString text = QString::fromUtf8("{\"a\":\"\xC3\xA9\"}\r\n\r\n{\"a\":\"\xE4\xB8\xAD\"}\r\n");
    QByteArray le("\xFF\xFE");
    QByteArray be("\xFE\xFF");
    for (QChar c : text) {
        le += char(c.unicode() & 0xFF);
        le += char(c.unicode() >> 8);
        be += char(c.unicode() >> 8);
        be += char(c.unicode() & 0xFF);
    }
    for (const QByteArray& bytes : {le, be}) {
        WriteFileBytes(path, bytes);
        auto reader = TJsonObjectReader::CreateForFile(path);
        ASSERT_EQ(LayoutOf(*reader), QStringLiteral("lines"));
        EXPECT_EQ(reader->ObjectCount(), 2);
        EXPECT_EQ(ObjectTexts(*reader).last(), QString::fromUtf8("{\"a\":\"\xE4\xB8\xAD\"}"));
    }
}

TEST(JsonObjectReader, MultiLineObjectsCarryTheNextOpeningLine)
{
    TTestDir dir;
    const QString path = dir.File(QStringLiteral("m.json"));
    WriteFileText(path, "{\n  \"a\": 1   \n},\n// between\n\n{\n  \"a\": 2\n}\n");
    auto reader = TJsonObjectReader::CreateForFile(path);
    ASSERT_EQ(LayoutOf(*reader), QStringLiteral("multi"));
    reader->GotoObject(0);
    EXPECT_EQ(reader->ObjectText(), QStringLiteral("{\r\n  \"a\": 1\r\n},\r\n"));
    EXPECT_EQ(reader->CurrentLineNumber(), 6);  // the look-ahead stopped on the next "{"
    reader->ReadNextObject();
    EXPECT_EQ(reader->ObjectText(), QStringLiteral("{\r\n  \"a\": 2\r\n}\r\n"));
    EXPECT_FALSE(reader->HasMoreObjects());
    EXPECT_EQ(reader->FirstValue()->ToString(), QStringLiteral("{\"a\":1}"));
}

TEST(JsonObjectReader, FirstObjectParseErrorsComeFromCreate)
{
    TTestDir dir;
    const struct {
        const char* name;
        QString text;
        QString message;
    } rows[] = {
        {"JSON lines", "{\"a\":1,}\n{\"a\":2}\n", "Invalid object pair name start character \"}\", at line 1, col 8"},
        {"whole document cleaned and still bad", "x = [1,", "Invalid object termination character \"0\", at line 1, col 2"},
        {"two-line object with more after it", "{\"a\":1,\n\"b\":2} {\"c\":", "File \"%1\" maybe not a valid JSON file."},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        const QString path = dir.File(QStringLiteral("bad.json"));
        WriteFileText(path, r.text);
        try {
            TJsonObjectReader::CreateForFile(path);
            ADD_FAILURE() << "no error";
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), QString(r.message).replace(QStringLiteral("%1"), path));
        }
    }
}

TEST(JsonObjectReader, WholeDocumentRetriesWithCleanedText)
{
    TTestDir dir;
    const QString path = dir.File(QStringLiteral("d.json"));
    WriteFileText(path, "data([{\"a\":1},{\"a\":2}])");
    auto reader = TJsonObjectReader::CreateForFile(path);
    EXPECT_EQ(LayoutOf(*reader), QStringLiteral("whole"));
    ASSERT_TRUE(reader->FirstValue());
    EXPECT_EQ(reader->FirstValue()->ToString(), QStringLiteral("[{\"a\":1},{\"a\":2}]"));
    EXPECT_EQ(reader->ObjectCount(), 1);
    EXPECT_FALSE(reader->CanPosition());
    EXPECT_EQ(reader->CurrentLineNumber(), 1);
}

TEST(JsonObjectReader, CleanJsonTextTakesOffWrappers)
{
    const struct {
        const char* name;
        QString text;
        QString expected;
    } rows[] = {
        {"brace around an array", "{ [1,2] }", "[1,2] "},
        {"plain object unchanged", "  {\"a\":1}  ", "{\"a\":1}"},
        {"data call", "data([1])", "[1]"},
        {"leading hash lines", "# c1\n# c2\n[1]", "[1]"},
        {"only hash lines", "# c1", ""},
        {"array unchanged", "[1]", "[1]"},
        {"text before the first brace", "var x = {\"a\":1}", "{\"a\":1}"},
        {"no brace at all", "nothing here", "{"},
        {"blank file", "  \n ", ""},
    };
    TTestDir dir;
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        const QString path = dir.File(QStringLiteral("c.json"));
        WriteFileText(path, r.text);
        EXPECT_EQ(CleanJsonText(path), r.expected);
    }
}

TEST(JsonObjectReader, CountFollowsAChangedFile)
{
    TTestDir dir;
    const QString path = dir.File(QStringLiteral("g.json"));
    WriteFileText(path, "{\"a\":1}\n{\"a\":2}\n");
    EXPECT_EQ(TJsonObjectReader::CreateForFile(path)->ObjectCount(), 2);
    WriteFileText(path, "{\"a\":1}\n{\"a\":2}\n{\"a\":3}\n");
    EXPECT_EQ(TJsonObjectReader::CreateForFile(path)->ObjectCount(), 3);
}

TEST(JsonObjectReader, RecordCountAcrossScanChunks)
{
    // The record scan reads 16 MiB at a time: lines cross that boundary, and a
    // blank line and CR-only breaks sit beyond it.
    TTestDir dir;
    const QString path = dir.File(QStringLiteral("big.json"));
    QByteArray bytes;
    int records = 0;
    while (bytes.size() < (17 << 20)) {
        bytes += "{\"a\":" + QByteArray::number(records++) + ",\"pad\":\"" + QByteArray(100, 'x') + "\"}\n";
    }
    bytes += "\n   \n{\"a\":1}\r{\"a\":2}\r\n";
    records += 2;
    WriteFileBytes(path, bytes);
    auto reader = TJsonObjectReader::CreateForFile(path);
    ASSERT_EQ(LayoutOf(*reader), QStringLiteral("lines"));
    EXPECT_EQ(reader->ObjectCount(), records);
    // Reading agrees with the count: the last record is the last object read.
    reader->GotoObject(records - 1);
    EXPECT_EQ(reader->ObjectText(), QStringLiteral("{\"a\":2}"));
    EXPECT_FALSE(reader->HasMoreObjects());
}

TEST(JsonFormatDetector, CommentLines)
{
    const struct {
        QString line;
        bool comment;
    } rows[] = {{"# x", true}, {"// x", true}, {"/* x */", true}, {"/* x", false}, {" # x", false}, {"{", false}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.line.toStdString());
        EXPECT_EQ(IsCommentLine(r.line), r.comment);
    }
}

}  // namespace
