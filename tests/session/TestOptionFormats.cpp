#include "TestUtil.h"
#include "SessionTestClasses.h"
#include "UConvertMiscOptions.h"
#include "UItemMapOptions.h"
#include "UOutputer.h"
#include "UException.h"
#include "ULoadType.h"

#include <gtest/gtest.h>

namespace {


const QString ParseError = QStringLiteral("TTableDestOptions.LoadFromFile, Parse Fields Error.");

struct TFieldsRow {
    const char* name;
    const char* text;
    QList<TDestFieldEntry> fields;   // name, type, date format, NULL marker
    bool fails;
};

const TFieldsRow FieldsRows[] = {
    {"empty", "", {}, false},
    {"blank is empty", "   ", {}, false},
    {"star, four parts", "a*TEXT(10)*yyyy-mm-dd*NA|b*LONG**",
     {{"a", "TEXT(10)", "yyyy-mm-dd", "NA"}, {"b", "LONG", "", ""}}, false},
    {"three parts: third is the NULL marker", "a*TEXT*-", {{"a", "TEXT", "", "-"}}, false},
    {"more than four parts", "a*T*f*n*extra", {{"a", "T", "f", "n"}}, false},
    {"hash of old versions", "a#TEXT#dd/mm/yyyy#NULL", {{"a", "TEXT", "dd/mm/yyyy", "NULL"}}, false},
    {"comma before hash", "a,TEXT,f#x,n", {{"a", "TEXT", "f#x", "n"}}, false},
    {"star wins over comma", "a*DECIMAL(10,2)*f*n", {{"a", "DECIMAL(10,2)", "f", "n"}}, false},
    {"trimmed once, parts are not", "  a * T * f * n  ", {{"a ", " T ", " f ", " n"}}, false},
    {"two parts", "a*TEXT", {}, true},
    {"two parts after a good one", "a*T*f*n|b*T", {}, true},
    {"empty entry", "a*T*f*n||b*T*f*n", {}, true},
};

TEST(DestFields, SeparatorRules)
{
    for (const TFieldsRow& row : FieldsRows) {
        SCOPED_TRACE(row.name);
        if (row.fails) {
            EXPECT_EQ(ErrorOf([&] { ParseDestFields(QLatin1String(row.text)); }), ParseError);
            continue;
        }
        EXPECT_EQ(ParseDestFields(QLatin1String(row.text)), row.fields);
    }
}

TEST(DestFields, WritesStarsAndLoadsBackWithoutTheMatcherCheck)
{
    TTestDir dir;
    const QString file = dir.File(QStringLiteral("d.jif"));
    TTestTableDestOptions dest;
    dest.AddField(QStringLiteral("id"), QString(), QString());
    dest.AddField(QStringLiteral("born"), QStringLiteral("yyyy-mm-dd"), QStringLiteral("NA"));
    dest.AddFieldChecked(QStringLiteral("seen"), QStringLiteral("yyyy"), QString());  // neutral matcher: no date field
    dest.SaveToFile(file, QStringLiteral("Load"));
    EXPECT_EQ(TMyIniFile(file).ReadString(QStringLiteral("Load"), QStringLiteral("DestFields"), QString()),
              QStringLiteral("id*VARCHAR(255)**|born*VARCHAR(255)*yyyy-mm-dd*NA|seen*VARCHAR(255)**"));

    TTestTableDestOptions loaded;
    loaded.LoadFromFile(file, QStringLiteral("Load"));
    EXPECT_TRUE(loaded.IsEqual(dest));
    EXPECT_EQ(loaded.FieldDateFormat(1), QStringLiteral("yyyy-mm-dd"));
    EXPECT_EQ(loaded.FieldNullMarker(1), QStringLiteral("NA"));
}

TEST(DestFields, ParseErrorKeepsTheFieldMapAndTheFile)
{
    TTestDir dir;
    const QString file = dir.File(QStringLiteral("d.jif"));
    WriteFileText(file, QStringLiteral("[Load]\r\nDestFields=x*T*f*n|y*T\r\n"));
    const QByteArray before = ReadFileBytes(file);
    TTestTableDestOptions dest;
    dest.AddField(QStringLiteral("keep"), QString(), QString());
    EXPECT_EQ(ErrorOf([&] { dest.LoadFromFile(file, QStringLiteral("Load")); }), ParseError);
    EXPECT_EQ(dest.FieldNames(), QStringList{QStringLiteral("keep")});
    EXPECT_EQ(ReadFileBytes(file), before);
}

TEST(DestFields, LegacyFieldsKeyWhenDestFieldsIsEmpty)
{
    TTestDir dir;
    const QString file = dir.File(QStringLiteral("d.jif"));
    WriteFileText(file, QStringLiteral("[Load]\r\nDestFields=\r\nFields=a#T#f#n\r\nSchema=dbo\r\nTable=People\r\n"));
    TTestTableDestOptions dest;
    dest.LoadFromFile(file, QStringLiteral("Load"));
    EXPECT_EQ(dest.FieldNames(), QStringList{QStringLiteral("a")});
    EXPECT_EQ(dest.Schema, QStringLiteral("dbo"));
    EXPECT_EQ(dest.Table, QStringLiteral("People"));
}

struct TLoadTypeRow {
    const char* name;
    const char* fileLine;     // "" for no key
    const char* before;       // the mode before loading
    const char* loaded;
    int written;
};

const TLoadTypeRow LoadTypeRows[] = {
    {"missing key is Append", "", "", "Append", 0},
    {"0", "LoadType=0", "", "Append", 0},
    {"1", "LoadType=1", "", "Replace", 1},
    {"2", "LoadType=2", "", "Update", 2},
    {"3", "LoadType=3", "", "Upsert", 3},
    {"7 leaves a fresh mode empty, saved as Replace", "LoadType=7", "", "", 1},
    {"7 leaves a set mode as it was", "LoadType=7", "Upsert", "Upsert", 3},
    {"-1 is outside too", "LoadType=-1", "", "", 1},
    {"not a number reads as 0", "LoadType=abc", "", "Append", 0},
};

TEST(LoadType, DefaultsOnLoadAndSave)
{
    TTestDir dir;
    for (const TLoadTypeRow& row : LoadTypeRows) {
        SCOPED_TRACE(row.name);
        const QString file = dir.File(QStringLiteral("t.jif"));
        WriteFileText(file, QStringLiteral("[Load]\r\n") + QLatin1String(row.fileLine) + QStringLiteral("\r\n"));
        TTestTableDestOptions dest;
        dest.LoadType = QLatin1String(row.before);
        dest.LoadFromFile(file, QStringLiteral("Load"));
        EXPECT_EQ(dest.LoadType, QLatin1String(row.loaded));
        const QString saved = dir.File(QStringLiteral("saved.jif"));
        QFile::remove(saved);
        dest.SaveToFile(saved, QStringLiteral("Load"));
        EXPECT_EQ(TMyIniFile(saved).ReadInteger(QStringLiteral("Load"), QStringLiteral("LoadType"), -9), row.written);
    }
    QString mode;
    EXPECT_EQ(LoadTypeForSave(mode), 1);
    EXPECT_EQ(mode, LoadTypes::Replace);
    EXPECT_TRUE(LoadTypeUsesKey(LoadTypes::Upsert));
    EXPECT_FALSE(LoadTypeUsesKey(LoadTypes::Replace));
}

TEST(SourceOptions, SourceNameOfFile)
{
    const struct {
        const char* path;
        const char* name;
    } rows[] = {
        {"/d/data.json", "data"},
        {"/d/x.json.json", "x.json"},
        {"/d/noext", "noext"},
        {"/d/my.data.txt", "my.data"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.path);
        TTestJsonSourceOptions o;
        o.SetFileName(QLatin1String(row.path));
        EXPECT_EQ(o.SourceName(), QLatin1String(row.name));
        EXPECT_EQ(o.ItemName(), QLatin1String(row.name));
        EXPECT_EQ(o.GetShortName(), QFileInfo(QLatin1String(row.path)).fileName());
    }
}

class SourceSelection : public ::testing::Test {
protected:
    void SetUp() override
    {
        file = dir.File(QStringLiteral("data.json"));
        WriteFileText(file, QStringLiteral("a,b,c\n1,2,3\n4,5,6\n"));
        source.SetFileName(file);
    }
    TTestDir dir;
    QString file;
    TTestJsonSourceOptions source;
};

TEST_F(SourceSelection, PrepareConvertSelectsAllWhenNothingIsSelected)
{
    source.PrepareConvert();
    EXPECT_EQ(source.ColumnNames(), (QStringList{"a", "b", "c"}));
    EXPECT_EQ(source.SampleRows().size(), 2);
    EXPECT_EQ(source.SelectedIndexes(), (QList<int>{0, 1, 2}));
    EXPECT_TRUE(source.IsAllSelected());
    EXPECT_EQ(source.StructFieldNames(), (QStringList{"a", "b", "c"}));
}

TEST_F(SourceSelection, NamesGiveTheReaderIndexesAndAMissingNameReadsEmpty)
{
    source.Refresh();
    source.AddSelectedColumn(2, QStringLiteral("c"));
    source.AddSelectedColumn(0, QStringLiteral("A"));
    source.AddSelectedColumn(3, QStringLiteral("gone"));
    EXPECT_FALSE(source.IsAllSelected());
    EXPECT_EQ(source.ReaderColumnIndexes(), (QList<int>{2, 0, -1}));
    // A file source keeps a selection beyond its columns.
    source.ValidateSelection();
    EXPECT_EQ(source.SelectedColumnCount(), 3);
}

TEST_F(SourceSelection, SameNamesInAnotherOrderAreNotAllSelected)
{
    source.Refresh();
    source.SetSelectedNames({"a", "c", "b"});
    source.SetSelectedIndexes({0, 2, 1});
    EXPECT_FALSE(source.IsAllSelected());
    source.SetSelectedNames({"a", "b", "c"});
    EXPECT_TRUE(source.IsAllSelected());
}

TEST_F(SourceSelection, SampleStopsAtTenRows)
{
    QString text = QStringLiteral("a\n");
    for (int i = 0; i < 500; ++i)
        text += QString::number(i) + QLatin1Char('\n');
    WriteFileText(file, text);
    source.Refresh();
    EXPECT_EQ(source.SampleRows().size(), 10);
}

TEST_F(SourceSelection, ColumnsAreOneBasedInTheFileAndMustBeNumbers)
{
    const QString session = dir.File(QStringLiteral("s.jif"));
    source.SetSelectedIndexes({0, 2, 1});
    source.SetSelectedNames({"a", "c", "b"});
    source.SaveToFile(session, QStringLiteral("Load"));
    EXPECT_EQ(TMyIniFile(session).ReadString(QStringLiteral("Load"), QStringLiteral("Columns"), QString()),
              QStringLiteral("1|3|2"));
    TTestJsonSourceOptions loaded;
    loaded.LoadFromFile(session, QStringLiteral("Load"));
    EXPECT_EQ(loaded.SelectedIndexes(), (QList<int>{0, 2, 1}));
    EXPECT_TRUE(loaded.IsEqual(source));

    WriteFileText(session, QStringLiteral("[Load]\r\nColumns=1|x\r\n"));
    EXPECT_EQ(ErrorOf([&] { loaded.LoadFromFile(session, QStringLiteral("Load")); }),
              QStringLiteral("'x' is not a valid integer value"));
}

TEST(SessionValues, BooleansReadAsIntegers)
{
    TTestDir dir;
    const QString file = dir.File(QStringLiteral("b.ini"));
    WriteFileText(file, QStringLiteral("[S]\r\nOne=1\r\nTwo=2\r\nZero=0\r\nWord=True\r\n"));
    const TMyIniFile ini(file);
    EXPECT_TRUE(ReadSessionBool(ini, QStringLiteral("S"), QStringLiteral("One"), false));
    EXPECT_TRUE(ReadSessionBool(ini, QStringLiteral("S"), QStringLiteral("Two"), false));
    EXPECT_FALSE(ReadSessionBool(ini, QStringLiteral("S"), QStringLiteral("Zero"), true));
    EXPECT_FALSE(ReadSessionBool(ini, QStringLiteral("S"), QStringLiteral("Word"), false));  // not a number
    EXPECT_TRUE(ReadSessionBool(ini, QStringLiteral("S"), QStringLiteral("Missing"), true));
}

TEST(MiscOptions, ErrorsToAllowIsFiftyWhenTheFileHasNone)
{
    TTestDir dir;
    const QString file = dir.File(QStringLiteral("m.jif"));
    WriteFileText(file, QStringLiteral("[Load]\r\n"));
    TConvertMiscOptions misc;
    EXPECT_EQ(misc.ErrorsToAllow(), 0);
    misc.LoadFromFile(file, QStringLiteral("Load"));
    EXPECT_EQ(misc.ErrorsToAllow(), 50);
}

}  // namespace

namespace {

TEST(ItemMapOptions, NToNOriginIndexCountsSelectedItemsOnly)
{
    TNToNItemMapOptions map;
    map.AddItem({true, QStringLiteral("a"), QStringLiteral("A")});
    map.AddItem({false, QStringLiteral("b"), QStringLiteral("B")});
    map.AddItem({true, QStringLiteral("c"), QStringLiteral("C")});
    EXPECT_EQ(map.GetItemCount(), 2);
    EXPECT_EQ(map.GetOriginIndex(0), 0);
    EXPECT_EQ(map.GetOriginIndex(1), 2);
    EXPECT_EQ(ErrorOf([&] { map.GetOriginIndex(2); }), QStringLiteral("TNToNItemMapOptions.GetOriginIndex(2)"));
}

class TLineOutputer : public TOutputer {
    AMBERTIDE_CLASS(TLineOutputer)
public:
    void Attach(TConvertStatus*) override {}
};

TEST(Outputer, WritesStampedLinesOnlyWithALogFile)
{
    TTestDir dir;
    TLineOutputer outputer;
    outputer.WriteLog(QStringLiteral("nowhere"));   // no log file: nothing happens
    outputer.SetLogFileName(dir.File(QStringLiteral("run.log")));
    outputer.WriteLog(QStringLiteral("Start Convert"));
    const QString text = ReadFileText(dir.File(QStringLiteral("run.log")));
    EXPECT_TRUE(text.startsWith(QLatin1Char('['))) << text.toStdString();
    EXPECT_TRUE(text.endsWith(QStringLiteral("] Start Convert\r\n"))) << text.toStdString();
}

}  // namespace
