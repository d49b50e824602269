#include "TestUtil.h"
#include "UConvertTypeOptions.h"
#include "UDataConvertModel.h"

#include <gtest/gtest.h>

namespace {

struct TSplitRow {
    const char* name;
    const char* convertType;
    const char* sourceType;
    const char* destType;
    const char* kind;   // "1To1", "NTo1", "NToN" or "" (no kind)
};

const TSplitRow SplitRows[] = {
    {"one file", "JsonToTable", "Json", "Table", "1To1"},
    {"folder", "JsonSetToTable", "JsonSet", "Table", "NTo1"},
    {"set to set", "TableSetToTableSet", "TableSet", "TableSet", "NToN"},
    {"split at the first To", "AToBToC", "A", "BToC", "1To1"},
    {"no To", "Json", "", "", ""},
    {"empty", "", "", "", ""},
    {"lower-case to is no separator", "Jsontotable", "", "", ""},
    {"Set is case-sensitive", "JsonsetToTable", "Jsonset", "Table", "1To1"},
};

QString KindOf(const TConvertTypeOptions& o)
{
    if (o.IsOneToOne())
        return QStringLiteral("1To1");
    if (o.IsNToOne())
        return QStringLiteral("NTo1");
    if (o.IsNToN())
        return QStringLiteral("NToN");
    return QString();
}

TEST(ConvertTypeOptions, SplitsAtTheFirstToAndFindsTheKind)
{
    for (const TSplitRow& row : SplitRows) {
        SCOPED_TRACE(row.name);
        auto o = TConvertTypeOptions::CreateFromConvertType(QLatin1String(row.convertType));
        EXPECT_EQ(o->ConvertType(), QLatin1String(row.convertType));
        EXPECT_EQ(o->SourceType(), QLatin1String(row.sourceType));
        EXPECT_EQ(o->DestType(), QLatin1String(row.destType));
        EXPECT_EQ(o->SourceStoreType(), QString());
        EXPECT_EQ(KindOf(*o), QLatin1String(row.kind));
    }
}

TEST(ConvertTypeOptions, SetHelpersAndDescription)
{
    EXPECT_EQ(TConvertTypeOptions::BaseTypeOfSet(QStringLiteral("JsonSet")), QStringLiteral("Json"));
    EXPECT_EQ(TConvertTypeOptions::BaseTypeOfSet(QStringLiteral("Table")), QStringLiteral("Table"));
    EXPECT_EQ(TConvertTypeOptions::SetNoun(QStringLiteral("TableSet")), QStringLiteral("tables"));
    EXPECT_EQ(TConvertTypeOptions::SetNoun(QStringLiteral("MongoCollectionSet")), QStringLiteral("collections"));
    EXPECT_EQ(TConvertTypeOptions::SetNoun(QStringLiteral("JsonSet")), QStringLiteral("files"));

    TConvertTypeOptions o;
    o.SetConvertType(QStringLiteral("JsonToTable"));
    o.SetSourceStoreType(QStringLiteral("Url"));
    auto copy = TConvertTypeOptions::CreateCopy(o);
    EXPECT_EQ(copy->GetDescription(),
              QStringLiteral("ConvertType: JsonToTable, SourceType: Json, DestType: Table, SourceStoreType: Url"));
    EXPECT_FALSE(copy->IsEqual(o));  // the copy derived the two missing types
    copy->SetDestType(QStringLiteral("table"));
    auto again = TConvertTypeOptions::CreateCopy(*copy);
    EXPECT_TRUE(again->IsEqual(*copy));
    again->SetDestType(QStringLiteral("Table"));
    EXPECT_FALSE(again->IsEqual(*copy));  // case-sensitive
}

struct TSectionRow {
    const char* name;
    const char* text;
    const char* section;
};

const TSectionRow SectionRows[] = {
    {"load", "[Load]\r\nA=1\r\n", "Load"},
    {"load wins over unload", "[Unload]\r\nA=1\r\n[Load]\r\nB=2\r\n", "Load"},
    {"any letter case", "[UNLOAD]\r\n", "Unload"},
    {"import", "[Import]\r\n", "Import"},
    {"export", "x=[export]\r\n", "Export"},
    {"convert", "[Convert]\r\n", "Convert"},
    {"import before convert", "[Convert]\r\n[Import]\r\n", "Import"},
    {"none", "[Other]\r\nLoad=1\r\n", ""},
    {"empty file", "", ""},
};

TEST(ConvertTypeOptions, FindsTheSectionByMarker)
{
    TTestDir dir;
    for (const TSectionRow& row : SectionRows) {
        SCOPED_TRACE(row.name);
        const QString file = dir.File(QStringLiteral("s.jif"));
        WriteFileText(file, QLatin1String(row.text));
        EXPECT_EQ(TDataConvertModel::FindSectionOfFile(file), QLatin1String(row.section));
    }
}

TEST(ConvertTypeOptions, CreatesFromTheMarkedSectionOnly)
{
    TTestDir dir;
    const QString file = dir.File(QStringLiteral("s.jif"));
    WriteFileText(file, QStringLiteral("[Unload]\r\nSourceType=Table\r\nDestType=Txt\r\n"
                                       "[Load]\r\nConvertType=JsonToTable\r\nSourceType=Json\r\nDestType=Table\r\n"));
    auto o = TConvertTypeOptions::CreateFromSessionFile(file);
    ASSERT_TRUE(o);
    EXPECT_EQ(o->ConvertType(), QStringLiteral("JsonToTable"));
    EXPECT_EQ(o->SourceType(), QStringLiteral("Json"));

    WriteFileText(file, QStringLiteral("[Load]\r\nConvertType=JsonToTable\r\nSourceType=Json\r\n"));
    EXPECT_FALSE(TConvertTypeOptions::CreateFromSessionFile(file));
    WriteFileText(file, QStringLiteral("[Other]\r\nSourceType=Json\r\nDestType=Table\r\n"));
    EXPECT_FALSE(TConvertTypeOptions::CreateFromSessionFile(file));
}

}  // namespace
