#include "TestUtil.h"
#include "UJsonParser.h"
#include "UJsonTree.h"
#include "UJsonWriter.h"

#include <gtest/gtest.h>

namespace {

// The compact text of the parse, "<none>" for no value, or "error: " + message.
QString Outcome(const QString& text, TJsonDuplicates duplicates = TJsonDuplicates::DropDuplicates)
{
    try {
        auto root = TJsonValue::ParseString(text, duplicates);
        return root ? root->ToString() : QStringLiteral("<none>");
    } catch (const EJsonParseError& e) {
        return QStringLiteral("error: ") + e.Message();
    }
}

struct TParseRow {
    const char* name;
    QString text;
    QString expected;
};

TEST(JsonParser, AcceptsTheTolerantForms)
{
    const TParseRow rows[] = {
        {"later duplicate wins", R"j({"a":1,"a":2})j", R"j({"a":2})j"},
        {"survivors keep order", R"j({"a":1,"b":2,"a":3})j", R"j({"b":2,"a":3})j"},
        {"names compare with case", R"j({"a":1,"A":2})j", R"j({"a":1,"A":2})j"},
        {"trailing comma in array", "[1,2,]", "[1,2]"},
        {"empty object", "{ }", "{}"},
        {"empty array", "[ ]", "[]"},
        {"number kept verbatim", "[007.50,1e5,-0,1.2.3e+-5]", "[007.50,1e5,-0,1.2.3e+-5]"},
        {"bare token with quotes", R"j({"id":ObjectId("5f1a"),"n":1})j", R"j({"id":"ObjectId(\"5f1a\")","n":1})j"},
        {"bare token keeps trailing blank", R"j({"x":NaN })j", R"j({"x":"NaN "})j"},
        {"bare token at the end of an object", R"j({"x":Infinity})j", R"j({"x":"Infinity"})j"},
        {"apostrophe escape", R"j(["it\'s"])j", R"j(["it's"])j"},
        {"escapes", R"j(["\"\\\/\b\f\n\r\t"])j", R"j(["\"\\\/\b\f\n\r\t"])j"},
        {"latin escape written back plain", R"j(["\u00e9"])j", QString::fromUtf8("[\"\xC3\xA9\"]")},
        {"wide escape written back escaped", R"j(["\u4e2d"])j", R"j(["\u4E2D"])j"},
        {"slash written escaped", R"j(["a/b"])j", R"j(["a\/b"])j"},
        {"surrogate escapes kept as units", R"j(["\ud83d\ude00"])j", R"j(["\uD83D\uDE00"])j"},
        {"words after the value ignored", "[1] and more words", "[1]"},
        {"literals", "[true,false,null]", "[true,false,null]"},
        {"empty string", R"j([""])j", R"j([""])j"},
        {"raw control characters kept", "[\"a\tb\"]", R"j(["a\tb"])j"},
        {"line comment ends at CR", "// note\r\n[1]", "[1]"},
        {"line comment runs over LF", "// note\n[1]", "<none>"},
        {"block comment ends at first star", "/* note * [1]", "[1]"},
        {"block comment drops the char after star", "/*x*/[1]", "[1]"},
        {"slash and any char skipped", "/x[1]", "[1]"},
        {"comments inside containers", "[1, /*a*/ 2 /*b*/ ]", "[1,2]"},
        {"empty text", "", "<none>"},
        {"only blanks", " \t\r\n\v\f ", "<none>"},
        {"only a comment", "/* c */", "<none>"},
        {"leading bracket", "]", "<none>"},
        {"leading brace", "} x", "<none>"},
        {"nul ends the text", QString::fromUtf8("[1]\0[2]", 7), "[1]"},
        {"scalar root", "  42 ", "42"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(Outcome(r.text), r.expected);
    }
}

TEST(JsonParser, ReportsEveryMessageWithItsPosition)
{
    const TParseRow rows[] = {
        {"comma before brace", R"j({"a":1,})j", R"j(Invalid object pair name start character "}", at line 1, col 8)j"},
        {"unquoted name", "{a:1}", R"j(Invalid object termination character "a", at line 1, col 2)j"},
        {"no colon", R"j({"a" 1})j", R"j(Invalid object pair name separator character "1", at line 1, col 6)j"},
        {"no value", R"j({"a":})j", R"j(Missing element value, at line 1, col 6)j"},
        {"bad object end", R"j({"a":1 x})j", R"j(Invalid object termination character "x", at line 1, col 8)j"},
        {"leading comma", "[,1]", R"j(Invalid value start character ",", at line 1, col 2)j"},
        {"double comma", "[1,,2]", R"j(Invalid value start character ",", at line 1, col 4)j"},
        {"bad array end", "[1x]", R"j(Invalid array termination character "x", at line 1, col 3)j"},
        {"bad start", "@", R"j(Invalid value start character "@", at line 1, col 1)j"},
        {"plus sign start", "[+1]", R"j(Invalid value start character "+", at line 1, col 2)j"},
        {"non-ASCII start", QString::fromUtf8("[\xC3\xA9]"), R"j(Invalid value start character "U+00E9", at line 1, col 2)j"},
        {"control char shown as code", QString::fromUtf8("[1\x01]"), R"j(Invalid array termination character "1", at line 1, col 3)j"},
        {"unterminated string", R"j(["abc)j", R"j(Unterminated UnicodeString, at line 1, col 2)j"},
        {"cut inside an escape", R"j(["ab\)j", R"j(Unterminated UnicodeString, at line 1, col 2)j"},
        {"cut inside a unicode escape", R"j(["\u12)j", R"j(Unterminated UnicodeString, at line 1, col 2)j"},
        {"bad escape", R"j(["a\q"])j", R"j(Invalid character "q" after escape, at line 1, col 5)j"},
        {"bad hex digit", R"j("\u12G4")j", R"j(Invalid unicode hex character "G", at line 1, col 6)j"},
        {"bad literal", "[tru]", R"j(Invalid immediate value, at line 1, col 5)j"},
        {"cut literal", "nul", R"j(Invalid immediate value, at line 1, col 4)j"},
        {"junk after literal", "[truex]", R"j(Invalid array termination character "x", at line 1, col 6)j"},
        {"cut array", "[1", R"j(Invalid array termination character "0", at line 1, col 3)j"},
        {"cut object", R"j({"a":1)j", R"j(Invalid object termination character "0", at line 1, col 7)j"},
        {"bracket ends no bare token", "[NaN]", R"j(Invalid array termination character "0", at line 1, col 6)j"},
        {"nul inside an array", QString::fromUtf8("[1,\0 2]", 7), R"j(Invalid array termination character "0", at line 1, col 4)j"},
        {"later line has offset", "[\n1,\n x]", R"j(Invalid value start character "x", at line 3, col 2 (offset 7))j"},
        {"line feeds in strings not counted", "[\"a\nb\",\n x]", R"j(Invalid value start character "x", at line 2, col 2 (offset 10))j"},
        {"unterminated on a later line", "[1,\n  \"abc", R"j(Unterminated UnicodeString, at line 2, col 3 (offset 7))j"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(Outcome(r.text), QStringLiteral("error: ") + r.expected);
    }
}

TEST(JsonParser, DeepNestingFailsCleanly)
{
    const QString deep = QString(100000, u'[') + QString(100000, u']');
    EXPECT_EQ(Outcome(deep), QStringLiteral("error: Nesting deeper than 1000 levels, at line 1, col 1001"));
    const QString deepObjects = QStringLiteral("{\"a\":").repeated(100000);
    EXPECT_EQ(Outcome(deepObjects), QStringLiteral("error: Nesting deeper than 1000 levels, at line 1, col 5001"));

    // The deepest accepted nesting parses and writes back.
    const QString ok = QString(1000, u'[') + QString(1000, u']');
    EXPECT_EQ(Outcome(ok), ok);
}

TEST(JsonParser, KeepAllKeepsDuplicates)
{
    EXPECT_EQ(Outcome(R"j({"a":1,"b":2,"a":3})j", TJsonDuplicates::KeepAll), QString(R"j({"a":1,"b":2,"a":3})j"));
}

TEST(JsonParser, DropsDuplicatesOfLargeObjects)
{
    // Past the small-object path the survivors must be the same.
    QString text = QStringLiteral("{");
    for (int i = 0; i < 40; ++i)
        text += QStringLiteral("\"k%1\":%2,").arg(i % 20).arg(i);
    text += QStringLiteral("\"end\":0}");
    auto root = TJsonValue::ParseString(text);
    ASSERT_TRUE(root);
    ASSERT_EQ(root->ElementCount(), 21);
    EXPECT_EQ(root->GetName(0), QStringLiteral("k0"));
    EXPECT_EQ(TextOf(root->GetItem(u"k0")), QStringLiteral("20"));
    EXPECT_EQ(TextOf(root->GetItem(u"k19")), QStringLiteral("39"));
}

TEST(JsonParser, LargeTextsShareEqualStrings)
{
    // Above the interning threshold equal names and values share one copy;
    // every value must still read back as its own.
    const QString record = QStringLiteral("{\"name\":\"a rather long repeated value\",\"n\":1},");
    const int copies = int(TJsonParserState::InternThreshold / record.size()) + 1;
    QString text = QStringLiteral("[") + record.repeated(copies) + QStringLiteral("{\"name\":\"last\",\"n\":2}]");
    ASSERT_GE(text.size(), TJsonParserState::InternThreshold);
    auto root = TJsonValue::ParseString(text);
    ASSERT_TRUE(root);
    EXPECT_EQ(root->ElementCount(), copies + 1);
    EXPECT_EQ(TextOf(ElementOf(root.get(), 5)->GetItem(u"name")), QStringLiteral("a rather long repeated value"));
    EXPECT_EQ(TextOf(ElementOf(root.get(), copies)->GetItem(u"name")), QStringLiteral("last"));
}

TEST(JsonParser, MidSizeTextsShareNames)
{
    // Past the name-pool threshold: thousands of names, some repeated in one
    // object, must keep their own values and duplicates must still drop.
    QString text = QStringLiteral("[");
    for (int i = 0; i < 3000; ++i)
        text += QStringLiteral("{\"id\":%1,\"n%2\":\"v%1\",\"id\":%3},").arg(i).arg(i % 700).arg(i + 1);
    text += QStringLiteral("{}]");
    ASSERT_GE(text.size(), TJsonParserState::NamePoolThreshold);
    auto root = TJsonValue::ParseString(text);
    ASSERT_TRUE(root);
    ASSERT_EQ(root->ElementCount(), 3001);
    const TJsonValue* last = root->GetElement(2999);
    ASSERT_EQ(last->ElementCount(), 2);
    EXPECT_EQ(last->GetName(0), QStringLiteral("n199"));
    EXPECT_EQ(TextOf(last->GetItem(u"n199")), QStringLiteral("v2999"));
    EXPECT_EQ(TextOf(last->GetItem(u"id")), QStringLiteral("3000"));
}

TEST(JsonTree, AccessorsAreSafeOnMissingValues)
{
    auto root = TJsonValue::ParseString(QStringLiteral(R"j({"list":[10,"x",true,null],"o":{"k":1.50}})j"));
    ASSERT_TRUE(root);
    TJsonValue* list = root->GetItem(u"list");
    ASSERT_TRUE(list);
    EXPECT_EQ(list->Owner(), root.get());
    EXPECT_EQ(list->GetElement(0)->Owner(), list);
    EXPECT_EQ(root->Owner(), nullptr);

    EXPECT_EQ(list->GetName(1), QStringLiteral("1"));
    EXPECT_EQ(list->GetName(4), QString());
    EXPECT_EQ(TextOf(list->GetItem(u"1")), QStringLiteral("x"));
    EXPECT_EQ(list->GetItem(u"9"), nullptr);
    EXPECT_EQ(list->GetItem(u"one"), nullptr);
    EXPECT_EQ(list->GetElement(-1), nullptr);
    EXPECT_EQ(TextOf(list->GetValue(2)), QStringLiteral("true"));
    EXPECT_EQ(TextOf(list->GetValue(3)), QStringLiteral("null"));
    EXPECT_EQ(root->GetName(1), QStringLiteral("o"));
    EXPECT_EQ(root->GetName(2), QString());
    EXPECT_EQ(TextOf(root->GetValue(u"o")->GetItem(u"k")), QStringLiteral("1.50"));
    EXPECT_EQ(root->GetItem(u"LIST"), nullptr);

    EXPECT_EQ(KindOf(nullptr), TJsonValueKind::Undefined);
    EXPECT_EQ(TextOf(nullptr), QStringLiteral("undefined"));
    EXPECT_EQ(CountOf(nullptr), 0);
    EXPECT_EQ(ItemOf(nullptr, u"a"), nullptr);
    EXPECT_EQ(ElementOf(list->GetElement(0), 0), nullptr);
    EXPECT_EQ(CountOf(list->GetElement(0)), 0);
}

TEST(JsonTree, RootCountsLineFeedsOutsideStrings)
{
    auto root = TJsonValue::ParseString(u"[\"a\nb\",\n1,\n2]\n\n");
    ASSERT_TRUE(root);
    EXPECT_EQ(root->LineCount(), 2);
    EXPECT_EQ(root->GetElement(0)->LineCount(), 0);
}

TEST(JsonWriter, EscapesByTheTable)
{
    const struct {
        const char* name;
        QString text;
        QString expected;
    } rows[] = {
        {"quote and backslash", R"j(a"b\c)j", R"j("a\"b\\c")j"},
        {"slash", "a/b", R"j("a\/b")j"},
        {"named controls", QStringLiteral("\b\t\n\f\r"), R"j("\b\t\n\f\r")j"},
        {"other controls", QString(QChar(1)) + QChar(0x1F) + QChar(11), R"j("\u0001\u001F\u000B")j"},
        {"ASCII and latin-1 plain", QString(QChar(0x7F)) + QChar(0xE9) + QChar(0xFF), QStringLiteral("\"") + QChar(0x7F) + QChar(0xE9) + QChar(0xFF) + QChar(u'"')},
        {"above 255 escaped", QString(QChar(0x100)) + QChar(0x4E2D), R"j("\u0100\u4E2D")j"},
        {"surrogate pair", QString::fromUcs4(U"\U0001F600"), R"j("\uD83D\uDE00")j"},
        {"zero ends the text", QStringLiteral("ab") + QChar(0) + QStringLiteral("cd"), R"j("ab")j"},
        {"empty", QString(), R"j("")j"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(TJsonWriter::Escape(r.text), r.expected);
    }
}

TEST(JsonParser, ParseFileDecodesByMark)
{
    TTestDir dir;
    const QString text = QString::fromUtf8("{\"k\":\"\xC3\xA9\xE4\xB8\xAD\"}");
    const struct {
        const char* name;
        QByteArray bytes;
        QString expected;
    } rows[] = {
        {"UTF-8 mark", QByteArray("\xEF\xBB\xBF") + text.toUtf8(), QString::fromUtf8("\xC3\xA9\xE4\xB8\xAD")},
        {"no mark", text.toUtf8(), QString::fromUtf8("\xC3\xA9\xE4\xB8\xAD")},
        {"UTF-16 LE mark", QByteArray("\xFF\xFE") + QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2),
         QString::fromUtf8("\xC3\xA9\xE4\xB8\xAD")},
        {"invalid UTF-8", QByteArray("{\"k\":\"a\xFF\xFE" "b\"}"), QStringLiteral("a") + QChar(0xFFFD) + QChar(0xFFFD) + QChar(u'b')},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        const QString path = dir.File(QStringLiteral("f.json"));
        WriteFileBytes(path, r.bytes);
        auto root = TJsonValue::ParseFile(path);
        ASSERT_TRUE(root);
        EXPECT_EQ(TextOf(root->GetItem(u"k")), r.expected);
    }
    QByteArray be("\xFE\xFF");
    for (QChar c : text) {
        be += char(c.unicode() >> 8);
        be += char(c.unicode() & 0xFF);
    }
    WriteFileBytes(dir.File(QStringLiteral("be.json")), be);
    auto root = TJsonValue::ParseFile(dir.File(QStringLiteral("be.json")));
    ASSERT_TRUE(root);
    EXPECT_EQ(TextOf(root->GetItem(u"k")), QString::fromUtf8("\xC3\xA9\xE4\xB8\xAD"));
}

TEST(JsonParser, Utf16WithoutMarkFailsWithAMessage)
{
    TTestDir dir;
    const QString text = QStringLiteral("{\"k\":1}");
    WriteFileBytes(dir.File(QStringLiteral("u.json")), QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2));
    try {
        TJsonValue::ParseFile(dir.File(QStringLiteral("u.json")));
        FAIL() << "no error";
    } catch (const EJsonParseError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Invalid object termination character \"0\", at line 1, col 2"));
    }
}

}  // namespace
