#include "TestUtil.h"
#include "UJsonNodeCache.h"
#include "UJsonReader.h"
#include "UPartRowDataReader.h"

#include <gtest/gtest.h>

namespace {

struct TRun {
    QStringList Columns;
    QStringList Rows;  // values joined with "|"
};

// Reads like the converter: GotoIndex(1), then values and Next while rows remain.
TRun ReadAll(TDataReader& reader)
{
    TRun run;
    reader.Open();
    for (int i = 0; i < reader.ColumnCount(); ++i)
        run.Columns << reader.ColumnName(i);
    if (reader.RowCount() > 0)
        reader.GotoIndex(1);
    while (reader.HasNext() && reader.RowIndex() <= reader.RowCount()) {
        QStringList values;
        for (int i = 0; i < reader.ColumnCount(); ++i)
            values << reader.FilteredValue(i);
        run.Rows << values.join(u'|');
        reader.Next();
    }
    reader.Close();
    return run;
}

class JsonReaderTest : public ::testing::Test {
protected:
    void SetUp() override { TJsonNodeCache::Instance().Clear(); }
    void TearDown() override { TJsonNodeCache::Instance().Clear(); }

    QString Write(const QString& name, const QString& text)
    {
        const QString path = FDir.File(name);
        WriteFileText(path, text);
        return path;
    }

    TTestDir FDir;
};

const char* const ItemsDocument = R"j({"data": {"items": [{"a": 1}, {"a": 2, "b": true}]}})j";

TEST_F(JsonReaderTest, DataItemPathsAndFlattening)
{
    const struct {
        const char* name;
        QString text;
        QString dataItem;
        int sublevel;
        QStringList columns;
        QStringList rows;
    } rows[] = {
        {"located array of objects", ItemsDocument, "{}|data|items", 1, {"a", "b"}, {"1|", "2|true"}},
        {"index picks one element", ItemsDocument, "{}|data|items^1", 1, {"a", "b"}, {"2|true"}},
        {"index out of range", ItemsDocument, "{}|data|items^5", 1, {}, {""}},
        {"missing member", ItemsDocument, "{}|nothing", 1, {}, {""}},
        {"root object is one row", ItemsDocument, "{}", 1, {"data"}, {R"j({"items":[{"a":1},{"a":2,"b":true}]})j"}},
        {"path without the root mark", ItemsDocument, "data|items", 1, {"a", "b"}, {"1|", "2|true"}},
        {"nested object, level 1", R"j({"x": {"y": {"z": 1}}, "n": null, "f": 1.50})j", "{}", 1, {"x", "n", "f"},
         {R"j({"y":{"z":1}}|null|1.50)j"}},
        {"nested object, level 2", R"j({"x": {"y": {"z": 1}}, "n": null, "f": 1.50})j", "{}", 2, {"x.y", "n", "f"},
         {R"j({"z":1}|null|1.50)j"}},
        {"nested object, level 3", R"j({"x": {"y": {"z": 1}}, "n": null, "f": 1.50})j", "{}", 3, {"x.y.z", "n", "f"},
         {"1|null|1.50"}},
        {"array of numbers", R"j({"nums": [1, 2, 3]})j", "{}|nums", 1, {"nums"}, {"[1,2,3]"}},
        {"empty array", R"j({"nums": []})j", "{}|nums", 1, {"nums"}, {"[]"}},
        {"scalar data item", R"j({"v": "text"})j", "{}|v", 1, {"v"}, {"text"}},
        {"nested array: names from the sample, values from element 0", R"j({"o": [{"p": 1}, {"q": 2}]})j", "{}", 2,
         {"o.p", "o.q"}, {"1|"}},
        {"array of arrays stays text", R"j({"m": [[1, 2], [3]]})j", "{}", 2, {"m"}, {"[[1,2],[3]]"}},
        {"array path then member", R"j([{"address": {"city": "Bern"}}, {"address": {"city": "Biel"}}])j", "[]^1|address",
         1, {"city"}, {"Biel"}},
        {"names differing in case are two columns", R"j({"k": 1, "K": 2})j", "{}", 1, {"k", "K"}, {"2|2"}},
        {"sample merge drops names equal but for case", R"j([{"a": 1}, {"A": 2, "b": 3}])j", "[]", 1, {"a", "b"},
         {"1|", "2|3"}},
    };
    int n = 0;
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        TJsonReader reader;
        reader.OpenFile(Write(QStringLiteral("d%1.json").arg(n++), r.text));
        reader.SetDataItem(r.dataItem);
        reader.SetSublevel(r.sublevel);
        const TRun run = ReadAll(reader);
        EXPECT_EQ(run.Columns, r.columns);
        EXPECT_EQ(run.Rows, r.rows);
    }
}

TEST_F(JsonReaderTest, ObjectStreamsReadEveryObject)
{
    const struct {
        const char* name;
        QString text;
        QStringList columns;
        QStringList rows;
    } rows[] = {
        {"JSON lines: columns from the first object", "{\"a\":1}\n{\"a\":2,\"z\":9}\n{\"a\":3}\n", {"a"}, {"1", "2", "3"}},
        {"JSON lines: blank lines are no rows", "{\"a\":1}\n\n{\"a\":2}\n  \n\n{\"a\":3}\n\n", {"a"}, {"1", "2", "3"}},
        {"multi-line objects of different lengths", "{\n\"a\":1,\n\"b\":2,\n\"c\":3\n}\n{\n\"a\":4\n}\n{\n\"a\":5\n}\n",
         {"a", "b", "c"}, {"1|2|3", "4||", "5||"}},
        {"multi-line objects growing", "{\n\"a\":1\n}\n{\n\"a\":2,\n\"b\":3,\n\"c\":4\n}\n", {"a"}, {"1", "2"}},
        {"whole document array", "[\n {\"a\": 1},\n {\"a\": 2}\n]\n", {"a"}, {"1", "2"}},
    };
    int n = 0;
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        for (const QString& item : {QString(), QStringLiteral("[]")}) {
            TJsonReader reader;
            reader.OpenFile(Write(QStringLiteral("s%1.json").arg(n++), r.text));
            reader.SetDataItem(item);
            const TRun run = ReadAll(reader);
            EXPECT_EQ(run.Columns, r.columns);
            EXPECT_EQ(run.Rows, r.rows);
            EXPECT_EQ(reader.TopItemNames(), QStringList{"{}"});
        }
    }
}

TEST_F(JsonReaderTest, FirstSegmentIndexPicksTheFileObject)
{
    TJsonReader reader;
    reader.OpenFile(Write(QStringLiteral("l.json"), "{\"a\":1}\n{\"a\":2}\n{\"a\":3}\n"));
    reader.SetDataItem(QStringLiteral("{}^1"));
    const TRun run = ReadAll(reader);
    EXPECT_EQ(run.Rows, QStringList{"2"});
}

TEST_F(JsonReaderTest, SkipRowsOverALocatedArray)
{
    TJsonReader reader;
    reader.OpenFile(Write(QStringLiteral("a.json"), R"j({"list": [{"i": 0}, {"i": 1}, {"i": 2}, {"i": 3}, {"i": 4}]})j"));
    reader.SetDataItem(QStringLiteral("{}|list"));
    TPartRowDataReader filter(&reader, 3, 50);  // skip rows 2
    const TRun run = ReadAll(filter);
    EXPECT_EQ(run.Rows, QStringList({"2", "3", "4"}));
}

TEST_F(JsonReaderTest, NamesOfTheNode)
{
    const QString path = Write(QStringLiteral("d.json"), ItemsDocument);
    TJsonReader reader;
    reader.OpenFile(path);
    reader.SetDataItem(QStringLiteral("{}|data|items^1"));
    reader.Open();
    EXPECT_EQ(reader.DataItemName(), QStringLiteral("items"));
    EXPECT_EQ(reader.ValueNodeText(), QStringLiteral("items^1"));
    EXPECT_TRUE(reader.TopItemNames().isEmpty() == false);
    EXPECT_EQ(reader.TopItemNames(), QStringList({"a", "b"}));

    reader.SetDataItem(QStringLiteral("{}|data|items"));
    reader.Open();
    EXPECT_EQ(reader.TopItemNames(), QStringList{"{}"});
    reader.SetDataItem(QStringLiteral("{}"));
    reader.Open();
    EXPECT_EQ(reader.TopItemNames(), QStringList{"data"});

    EXPECT_EQ(reader.DefaultDataItem(), QStringLiteral("data"));
    EXPECT_EQ(reader.DataItem(), QStringLiteral("data"));
    EXPECT_TRUE(reader.TryDataItem(QStringLiteral("{}|data|items")));
    EXPECT_FALSE(reader.TryDataItem(QStringLiteral("{}|none")));
}

TEST_F(JsonReaderTest, Failures)
{
    TJsonReader reader;
    reader.OpenFile(Write(QStringLiteral("scalars.json"), "[1, 2, 3]"));
    try {
        reader.DefaultDataItem();
        ADD_FAILURE() << "no error";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("List index out of bounds (0)"));
    }

    reader.OpenFile(Write(QStringLiteral("d.json"), ItemsDocument));
    reader.SetDataItem(QStringLiteral("{}|data|items^x"));
    try {
        reader.Open();
        ADD_FAILURE() << "no error";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("'x' is not a valid integer value"));
    }

    reader.SetDataItem(QStringLiteral("{}|data|items"));
    reader.Open();
    reader.GotoIndex(2);
    reader.Next();
    EXPECT_FALSE(reader.HasNext());
    try {
        reader.ColumnValue(0);
        ADD_FAILURE() << "no error";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("TJsonReader.ColumnValueNoFileName row index 2 out of range, should little than 2"));
    }
}

TEST_F(JsonReaderTest, LaterParseErrorNamesTheLine)
{
    TJsonReader reader;
    reader.OpenFile(Write(QStringLiteral("l.json"), "{\"a\":1}\n\n{\"a\":1x}\n"));
    reader.Open();
    reader.GotoIndex(1);
    EXPECT_EQ(reader.ColumnValue(0), QStringLiteral("1"));
    try {
        reader.Next();
        ADD_FAILURE() << "no error";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Invalid object termination character \"x\", at line 1, col 7\r\n"
                                              "Can not parse JSON on line 3"));
    }
}

TEST_F(JsonReaderTest, CacheEvictsTheOldestButReadersInUseLive)
{
    TJsonNodeCache& cache = TJsonNodeCache::Instance();
    const QString first = Write(QStringLiteral("f0.json"), "{\"a\":1}\n{\"a\":2}\n");
    TJsonReader reader;
    reader.OpenFile(first);
    reader.Open();
    const TJsonObjectReader* held = reader.ObjectReader();
    for (int i = 1; i <= 21; ++i) {
        const QString path = Write(QStringLiteral("f%1.json").arg(i), QStringLiteral("{\"a\":%1}\n{\"a\":0}\n").arg(i));
        cache.GetObjectReader(path);
        EXPECT_EQ(cache.Contains(first), i < 21);
    }
    EXPECT_EQ(cache.Size(), TJsonNodeCache::MaxReaders);
    // The evicted object reader still serves the JSON reader that holds it.
    EXPECT_EQ(reader.ObjectReader(), held);
    reader.GotoIndex(1);
    reader.Next();
    EXPECT_EQ(reader.ColumnValue(0), QStringLiteral("2"));
    // The next Open builds a new one.
    reader.Open();
    EXPECT_NE(reader.ObjectReader(), held);
    EXPECT_TRUE(cache.Contains(first));
}

TEST_F(JsonReaderTest, CacheNoticesAChangedFile)
{
    const QString path = Write(QStringLiteral("c.json"), R"j({"list": [{"v": "old"}]})j");
    TJsonReader reader;
    reader.OpenFile(path);
    reader.SetDataItem(QStringLiteral("{}|list"));
    EXPECT_EQ(ReadAll(reader).Rows, QStringList{"old"});
    EXPECT_EQ(ReadAll(reader).Rows, QStringList{"old"});
    const TJsonObjectReader* before = reader.ObjectReader();

    WriteFileText(path, R"j({"list": [{"v": "new"}, {"v": "more"}]})j");
    EXPECT_EQ(ReadAll(reader).Rows, QStringList({"new", "more"}));
    EXPECT_NE(reader.ObjectReader(), before);
    EXPECT_EQ(TJsonNodeCache::Instance().Size(), 1);
}

}  // namespace

namespace {

TEST_F(JsonReaderTest, BadFilesGetTheParserMessage)
{
    const struct {
        const char* name;
        QByteArray bytes;
        QString expected;  // the error message, or "ok: " + the first row
    } rows[] = {
        // Whole documents report the retry's position: that text has CR LF line
        // breaks and no trailing blanks.
        {"truncated document", R"j({"list": [{"a": 1}, {"a": )j", "Missing element value, at line 1, col 26"},
        {"cut inside a string", "[{\"a\": 1},\n {\"a\": \"abc", "Unterminated UnicodeString, at line 2, col 8 (offset 20)"},
        {"deep nesting", QByteArray(100000, '[') + QByteArray(100000, ']'), "Nesting deeper than 1000 levels, at line 1, col 1001"},
        {"NUL inside a JSON line", QByteArray("{\"a\":\0 1}\n{\"a\":2}\n", 18), "Missing element value, at line 1, col 6"},
        {"NUL bytes after JSON lines", QByteArray("{\"a\":1}\n{\"a\":2}\n\0\0", 18), "ok: 1"},
        {"invalid UTF-8 in a JSON line", "{\"a\":\"x\xFFy\"}\n{\"a\":2}\n", QString("ok: x") + QChar(0xFFFD) + QChar(u'y')},
    };
    int n = 0;
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        const QString path = FDir.File(QStringLiteral("bad%1.json").arg(n++));
        WriteFileBytes(path, r.bytes);
        TJsonReader reader;
        reader.OpenFile(path);
        try {
            const TRun run = ReadAll(reader);
            EXPECT_EQ(QStringLiteral("ok: ") + run.Rows.value(0), r.expected);
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), r.expected);
        }
    }
}

}  // namespace
