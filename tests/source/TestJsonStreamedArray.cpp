#include "TestUtil.h"
#include "UJsonNodeCache.h"
#include "UJsonReader.h"
#include "UJsonStreamedArray.h"

#include <gtest/gtest.h>

namespace {

class JsonStreamedArrayTest : public ::testing::Test {
protected:
    void SetUp() override { TJsonNodeCache::Instance().Clear(); }
    void TearDown() override { TJsonNodeCache::Instance().Clear(); }

    QString Write(const QByteArray& bytes)
    {
        const QString path = FDir.File(QStringLiteral("a%1.json").arg(FFiles++));
        WriteFileBytes(path, bytes);
        return path;
    }

    // Every element read from the file equals the element of the whole-document parse.
    static void ExpectSameElements(const TJsonStreamedArray& streamed, const TJsonValue& whole, const std::vector<int>& order)
    {
        ASSERT_EQ(streamed.ElementCount(), whole.ElementCount());
        for (int i : order)
            ASSERT_EQ(streamed.GetElement(i)->ToString(), whole.GetElement(i)->ToString()) << "element " << i;
    }

    TTestDir FDir;
    int FFiles = 0;
};

TEST_F(JsonStreamedArrayTest, StreamsOnlyStrictArrays)
{
    const struct {
        const char* name;
        QByteArray bytes;
        bool streamed;
    } rows[] = {
        {"empty array", "[]", true},
        {"blanks everywhere", " \r\n[ \t{ \"a\" : 1 } ,\n\t{\"b\":[ ]} ]\r\n ", true},
        {"every scalar", R"([0, -0, 12.50, -3e+7, 1E-2, true, false, null, "x"])", true},
        {"escapes and non-ASCII", "[\"q\\\"\\\\\\/\\b\\f\\n\\r\\t\\u00e9\", \"\xC3\xA9\xE2\x82\xAC\"]", true},
        {"brackets inside strings", R"([{"a": "]},[{"}, "[x]"])", true},
        {"UTF-8 mark", "\xEF\xBB\xBF[{\"a\": 1}]", true},
        {"invalid UTF-8 is left to the decoder", "[\"x\xFFy\"]", true},
        {"nested containers", R"([{"a": {"b": [1, {"c": []}]}}, [[1], [2, 3]]])", true},
        {"object root", R"({"a": [1]})", false},
        {"trailing comma", "[1, 2,]", false},
        {"comment", "[1, // one\n 2]", false},
        {"single quotes", "['a']", false},
        {"bare word", "[NaN]", false},
        {"leading zero", "[01]", false},
        {"dot without digits", "[1.]", false},
        {"missing comma", "[1 2]", false},
        {"mismatched bracket", "[{\"a\": 1]]", false},
        {"raw tab inside a string", "[\"a\tb\"]", false},
        {"bad escape", R"(["\x"])", false},
        {"short unicode escape", R"(["\u12"])", false},
        {"text after the array", "[1] [2]", false},
        {"cut document", "[{\"a\": 1}", false},
        {"NUL byte", QByteArray("[1,\0 2]", 7), false},
        {"UTF-16 mark", QByteArray("\xFF\xFE[\0]\0", 6), false},
        {"nesting deeper than the parser allows", QByteArray(950, '[') + QByteArray(950, ']'), false},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        const QString path = Write(r.bytes);
        const auto streamed = TJsonStreamedArray::Open(path);
        ASSERT_EQ(streamed != nullptr, r.streamed);
        if (!streamed)
            continue;
        const auto whole = TJsonValue::ParseFile(path);
        EXPECT_EQ(streamed->ToString(), whole->ToString());
    }
}

TEST_F(JsonStreamedArrayTest, ElementsAcrossReadBlocks)
{
    // Over 4 MiB, so the scan and the reads cross block boundaries, and reading
    // backwards reloads the window again and again.
    QByteArray bytes = "[\n";
    int count = 0;
    while (bytes.size() < (5 << 20)) {
        if (count)
            bytes += ",\n";
        bytes += "  {\"id\": " + QByteArray::number(count) + ", \"name\": \"caf\xC3\xA9 \\\"" + QByteArray::number(count)
                 + "\\\"\", \"tags\": [" + QByteArray::number(count % 7) + ", {\"deep\": null}], \"pad\": \""
                 + QByteArray(count % 300, 'x') + "\"}";
        ++count;
    }
    bytes += "\n]\n";
    const QString path = Write(bytes);
    const auto streamed = TJsonStreamedArray::Open(path);
    ASSERT_NE(streamed, nullptr);
    const auto whole = TJsonValue::ParseFile(path);
    std::vector<int> forwards, backwards;
    for (int i = 0; i < count; ++i)
        forwards.push_back(i);
    for (int i = count - 1; i >= 0; i -= 997)
        backwards.push_back(i);
    ExpectSameElements(*streamed, *whole, forwards);
    ExpectSameElements(*streamed, *whole, backwards);
}

TEST_F(JsonStreamedArrayTest, ALocatedElementOutlivesAnotherReaderOfTheFile)
{
    QByteArray bytes = "[";
    for (int i = 0; i < 3 * TJsonStreamedArray::CacheSize; ++i)
        bytes += (i ? "," : "") + QByteArray("{\"n\": ") + QByteArray::number(i) + ", \"address\": {\"city\": \"c"
                 + QByteArray::number(i) + "\"}}";
    bytes += "]";
    const QString path = Write(bytes);

    TJsonReader located;
    located.OpenFile(path);
    located.SetDataItem(QStringLiteral("[]^2|address"));
    located.Open();

    // A second reader of the same file walks every element, past the cache.
    TJsonReader stream;
    stream.OpenFile(path);
    stream.SetDataItem(QStringLiteral("[]"));
    stream.SetSublevel(2);
    stream.Open();
    ASSERT_EQ(stream.RowCount(), 3 * TJsonStreamedArray::CacheSize);
    stream.GotoIndex(1);
    QString last;
    while (stream.HasNext()) {
        last = stream.FilteredValue(1);
        stream.Next();
    }
    EXPECT_EQ(last, QStringLiteral("c47"));

    located.GotoIndex(1);
    ASSERT_EQ(located.ColumnCount(), 1);
    EXPECT_EQ(located.FilteredValue(0), QStringLiteral("c2"));
}

}  // namespace
