#include "TestUtil.h"
#include "TestDatabase.h"

#include "UAccessDBClassInit.h"
#include "UAccessEngine.h"
#include "UDBConvertObjectFactory.h"
#include "UDBLogon.h"
#include "UDBObjectFactory.h"
#include "UDBOutClasses.h"
#include "UDBWriter.h"
#include "UDateFormatParser.h"
#include "UDestOptionsClassInit.h"
#include "UException.h"
#include "URttiUtil.h"
#include "UTableDateFormatMatcher.h"
#include "UTableDestOptions.h"
#include "UUniConnection.h"
#include "UUniQuery.h"
#include "UValueParseClassInit.h"

#include <gtest/gtest.h>
#include <functional>

namespace {

const QString Section = QStringLiteral("Load");


// A real Access database file with one table, installed as the target of
// every table destination of the test.
class TableDestTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterValueParseClasses();
        RegisterDBConnClasses();
        RegisterDBOutClasses();
        RegisterDestOptionsClasses();
        DBFile = Dir.File(QStringLiteral("target.accdb"));
        AccessEngine::CreateDatabaseFile(DBFile);
        DBFactory = std::make_unique<TDBObjectFactory>(QStringLiteral("Access"));
        ASSERT_TRUE(DBFactory->GetLogon().LogonFromParams(TStringList({QStringLiteral("database=") + DBFile})));
        ConvertFactory.SetConnection(&DBFactory->Connection());
        TTableDestOptions::SetTargetProvider([this] { return TTableDestTarget{DBFactory.get(), &ConvertFactory}; });
        Exec(QStringLiteral("create table Orders (id Long, name Text(20), born DateTime, note Memo)"));
    }
    void TearDown() override { TTableDestOptions::SetTargetProvider(nullptr); }

    void Exec(const QString& sql) { DBFactory->Connection().ExecSQL(sql); }
    QStringList Rows(const QString& sql) { return QueryRows(DBFactory->Connection(), sql); }
    QString WriteSession(const QStringList& lines)
    {
        const QString path = Dir.File(QStringLiteral("s.jif"));
        WriteFileText(path, QStringLiteral("[Load]\r\n") + lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
        return path;
    }
    QStringList SessionLines(const QString& path)
    {
        QStringList lines = ReadFileText(path).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        lines.removeFirst();  // [Load]
        return lines;
    }

    TTestDir Dir;
    QString DBFile;
    std::unique_ptr<TDBObjectFactory> DBFactory;
    TDBConvertObjectFactory ConvertFactory;
};

TEST_F(TableDestTest, SaveWritesEveryKeyInOrderAndLoadsBackEqual)
{
    TTableDestOptions saved;
    saved.SetTableName(QStringLiteral("Orders"));
    saved.SetLoadType(QStringLiteral("Upsert"));
    saved.SetUpdateKey(QStringLiteral("id"));
    saved.AddField(QStringLiteral("id"), QString(), QString());
    saved.AddField(QStringLiteral("born"), QStringLiteral("yyyy-mm-dd"), QStringLiteral("N/A"));
    saved.Refresh();  // the type texts of "DestFields" come from the table
    const QString path = Dir.File(QStringLiteral("round.jif"));
    saved.SaveToFile(path, Section);
    EXPECT_EQ(SessionLines(path), (QStringList{"DestSchema=", "DestTable=Orders", "LoadType=3", "UpdateKey=id",
                                               "SaveToSqlFile=", "SqlToSqlEncoding=",
                                               "DestFields=id*integer**|born*datetime*yyyy-mm-dd*N/A"}));

    TTableDestOptions loaded;
    loaded.LoadFromFile(path, Section);
    EXPECT_TRUE(loaded.IsEqual(saved));
    EXPECT_EQ(loaded.TableOptions().LoadType, QStringLiteral("Upsert"));
    EXPECT_EQ(loaded.FieldDateFormat(1), QStringLiteral("yyyy-mm-dd"));
    EXPECT_EQ(loaded.FieldNullMarker(1), QStringLiteral("N/A"));

    struct Row { const char* Name; std::function<void(TTableDestOptions&)> Change; };
    const Row changes[] = {
        {"schema", [](TTableDestOptions& o) { o.SetSchema(QStringLiteral("dbo")); }},
        {"table", [](TTableDestOptions& o) { o.SetTableName(QStringLiteral("Other")); }},
        {"load type", [](TTableDestOptions& o) { o.SetLoadType(QStringLiteral("Update")); }},
        {"update key", [](TTableDestOptions& o) { o.SetUpdateKey(QStringLiteral("name")); }},
        {"sql file", [](TTableDestOptions& o) { o.SetSqlFile(QStringLiteral("/tmp/a.sql"), QString()); }},
        {"field map", [](TTableDestOptions& o) { o.AddField(QStringLiteral("name"), QString(), QString()); }},
    };
    for (const Row& row : changes) {
        SCOPED_TRACE(row.Name);
        TTableDestOptions other;
        other.LoadFromFile(path, Section);
        row.Change(other);
        EXPECT_FALSE(other.IsEqual(saved));
    }
}

TEST_F(TableDestTest, LoadTypeDefaultsAndTheUpdateKey)
{
    struct Row { QStringList Lines; QString Loaded; QString SavedLoadType; bool WritesKey; };
    const Row rows[] = {
        {{"DestTable=Orders"}, "Append", "LoadType=0", false},
        {{"DestTable=Orders", "LoadType=1"}, "Replace", "LoadType=1", false},
        {{"DestTable=Orders", "LoadType=2", "UpdateKey=id"}, "Update", "LoadType=2", true},
        {{"DestTable=Orders", "LoadType=7", "UpdateKey=id"}, "", "LoadType=1", false},
        {{"DestTable=Orders", "LoadType=x"}, "Append", "LoadType=0", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Lines.join(QLatin1Char(' ')).toStdString());
        TTableDestOptions options;
        options.LoadFromFile(WriteSession(row.Lines), Section);
        EXPECT_EQ(options.TableOptions().LoadType, row.Loaded);
        const QString out = Dir.File(QStringLiteral("out.jif"));
        QFile::remove(out);
        options.SaveToFile(out, Section);
        const QStringList lines = SessionLines(out);
        EXPECT_TRUE(lines.contains(row.SavedLoadType)) << lines.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(lines.contains(QStringLiteral("UpdateKey=id")), row.WritesKey);
    }
    // Saving an empty mode sets it to the one written.
    TTableDestOptions fresh;
    fresh.SaveToFile(Dir.File(QStringLiteral("fresh.jif")), Section);
    EXPECT_EQ(fresh.TableOptions().LoadType, QStringLiteral("Replace"));
}

TEST_F(TableDestTest, LegacyKeysAndSeparators)
{
    TTableDestOptions options;
    options.LoadFromFile(WriteSession({"Schema=old", "Table=Orders", "Fields=id#Long##|born#DateTime#dd/mm/yyyy#-"}),
                         Section);
    EXPECT_EQ(options.SchemaOptions().Schema(), QStringLiteral("old"));
    EXPECT_EQ(options.TableOptions().TableName, QStringLiteral("Orders"));
    EXPECT_EQ(options.FieldNames(), (QStringList{"id", "born"}));
    EXPECT_EQ(options.FieldDateFormat(1), QStringLiteral("dd/mm/yyyy"));
    EXPECT_EQ(options.FieldNullMarker(1), QStringLiteral("-"));

    // Three parts: name, type, NULL marker.
    TTableDestOptions three;
    three.LoadFromFile(WriteSession({"DestTable=Orders", "DestFields=name*VARCHAR(20)*none"}), Section);
    EXPECT_EQ(three.FieldDateFormat(0), QString());
    EXPECT_EQ(three.FieldNullMarker(0), QStringLiteral("none"));

    TTableDestOptions broken;
    broken.AddField(QStringLiteral("kept"), QString(), QString());
    EXPECT_EQ(ErrorOf([&] { broken.LoadFromFile(WriteSession({"DestFields=id*INTEGER|name"}), Section); }),
              QStringLiteral("TTableDestOptions.LoadFromFile, Parse Fields Error."));
    EXPECT_EQ(broken.FieldNames(), QStringList{QStringLiteral("kept")});
}

TEST_F(TableDestTest, RefreshReadsTheTableOrTheMappedFields)
{
    TTableDestOptions all;
    all.SetTableName(QStringLiteral(" Orders "));
    all.Refresh();
    EXPECT_EQ(all.TableStruct().FieldNames.List(), (QStringList{"id", "name", "born", "note"}));
    EXPECT_TRUE(all.TableStruct().DateFormats.IsEmpty());
    EXPECT_EQ(all.GetDestName(), QStringLiteral("Orders"));

    TTableDestOptions mapped;
    mapped.SetTableName(QStringLiteral("Orders"));
    mapped.SetLoadType(QStringLiteral("Update"));
    mapped.SetUpdateKey(QStringLiteral("id"));
    mapped.AddField(QStringLiteral("born"), QStringLiteral("auto detect"), QString());
    mapped.AddField(QStringLiteral("id"), QString(), QStringLiteral("0"));
    mapped.Refresh();
    TDBTableStruct& ts = mapped.TableStruct();
    EXPECT_EQ(ts.FieldNames.List(), (QStringList{"born", "id"}));
    EXPECT_EQ(ts.DateFormats.Values(QStringLiteral("born")), QStringLiteral("auto detect"));
    EXPECT_EQ(ts.NullIfValues.Values(QStringLiteral("id")), QStringLiteral("0"));
    EXPECT_EQ(ts.LoadType, QStringLiteral("Update"));
    EXPECT_EQ(ts.UpdateKey, QStringLiteral("id"));
    EXPECT_EQ(ts.DBFieldNames.Count(), 4);

    // A table changed between runs is read afresh.
    Exec(QStringLiteral("alter table Orders add column extra Long"));
    all.Refresh();
    EXPECT_EQ(all.TableStruct().FieldNames.Count(), 5);
}

TEST_F(TableDestTest, RefreshWithoutTableOrTarget)
{
    TTableDestOptions options;
    options.Refresh();  // no table: nothing to read, no database needed
    EXPECT_TRUE(options.TableStruct().FieldNames.IsEmpty());
    EXPECT_EQ(options.TableStruct().LoadType, QStringLiteral("Replace"));

    options.SetTableName(QStringLiteral("Missing"));
    EXPECT_FALSE(ErrorOf([&] { options.Refresh(); }).isEmpty());

    TTableDestOptions::SetTargetProvider(nullptr);
    EXPECT_EQ(ErrorOf([&] { options.Refresh(); }),
              QStringLiteral("TTableDestOptions.Refresh, no target database to read table Missing from."));
}

TEST_F(TableDestTest, PrepareConvertHandsTheEngineTheBoundAccessWriter)
{
    TTableDestOptions options;
    options.SetTableName(QStringLiteral("Orders"));
    options.SetLoadType(QStringLiteral("Append"));
    options.AddField(QStringLiteral("id"), QString(), QString());
    options.AddField(QStringLiteral("name"), QString(), QStringLiteral("-"));
    options.PrepareConvert();
    TDataWriter* writer = options.DataWriter();
    ASSERT_NE(writer, nullptr);
    EXPECT_EQ(writer->ClassName(), QStringLiteral("TAccessWriter"));
    EXPECT_EQ(dynamic_cast<TDBWriter*>(writer)->TableStruct(), &options.TableStruct());
    EXPECT_EQ(writer->GetFieldNames().List(), (QStringList{"id", "name"}));

    writer->BeforeWork();
    const QStringList values[] = {{"1", "ann"}, {"2", "-"}};
    for (const QStringList& row : values) {
        writer->NewRecord();
        for (int c = 0; c < row.size(); ++c)
            writer->SetValue(c, row[c]);
        writer->Write();
    }
    writer->AfterWork();
    EXPECT_EQ(Rows(QStringLiteral("select id, name from Orders order by id")), (QStringList{"1|ann", "2|<null>"}));

    options.FreeWriters();
    EXPECT_EQ(options.DataWriter(), nullptr);
}

TEST_F(TableDestTest, SqlFileTakesTheStatementsAndTheTableStaysUntouched)
{
    Exec(QStringLiteral("insert into Orders (id, name) values (9, 'old')"));
    TTableDestOptions options;
    options.LoadFromFile(WriteSession({"DestTable=Orders", "LoadType=1", "SaveToSqlFile=" + Dir.File("out.sql"),
                                       "SqlToSqlEncoding=UTF-8", "DestFields=id*integer**|name*varchar(20)**"}),
                         Section);
    options.PrepareConvert();
    TDataWriter* writer = options.DataWriter();
    ASSERT_NE(writer, nullptr);
    EXPECT_EQ(writer->ClassName(), QStringLiteral("TSqlWriter"));
    writer->BeforeWork();
    writer->NewRecord();
    writer->SetValue(0, QStringLiteral("1"));
    writer->SetValue(1, QStringLiteral("ann"));
    writer->Write();
    writer->AfterWork();
    const QString sql = ReadFileText(Dir.File("out.sql"));
    EXPECT_TRUE(sql.startsWith(QStringLiteral("delete from"))) << sql.toStdString();
    EXPECT_TRUE(sql.contains(QStringLiteral("ann"))) << sql.toStdString();
    EXPECT_EQ(Rows(QStringLiteral("select id, name from Orders")), QStringList{QStringLiteral("9|old")});
}

TEST_F(TableDestTest, DescriptionsNameTheDatabaseAndTheFields)
{
    TTableDestOptions options;
    options.SetTableName(QStringLiteral("Orders "));
    EXPECT_EQ(options.GetSetDescription(), QStringLiteral("DB: ") + DBFile + QStringLiteral(", Table: Orders"));
    options.SetSchema(QStringLiteral(" dbo "));
    EXPECT_EQ(options.GetSetDescription(), QStringLiteral("DB: ") + DBFile + QStringLiteral(", Table: dbo.Orders"));

    TTableDestOptions described;
    described.SetTableName(QStringLiteral("Orders"));
    described.AddField(QStringLiteral("id"), QString(), QString());
    described.AddField(QStringLiteral("born"), QString(), QString());
    described.Refresh();
    const QStringList lines = described.GetDescription().split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines.value(0), QStringLiteral("DataConvertModel class TTableDestOptions"));
    EXPECT_EQ(lines.value(2), QStringLiteral("id=ftInteger"));
    EXPECT_EQ(lines.value(3), QStringLiteral("born=ftDateTime"));
    EXPECT_EQ(lines.value(4), QStringLiteral("Dest All Field DB Type:"));
    EXPECT_EQ(lines.value(5), QStringLiteral("id=integer"));
    EXPECT_TRUE(described.WritesData());
}

TEST_F(TableDestTest, AddAllFieldsAutoDetectsTheDateFields)
{
    TTableDestOptions options;
    options.SetTableName(QStringLiteral("Orders"));
    options.Refresh();
    options.AddAllFieldsAutoDetect();
    EXPECT_EQ(options.FieldNames(), (QStringList{"id", "name", "born", "note"}));
    EXPECT_EQ(options.DateFormats().Text(), QStringLiteral("born=auto detect\r\n"));
}

TEST_F(TableDestTest, TableMatcherProposesFormatsForDateFieldsOnly)
{
    TTableDestOptions options;
    options.SetTableName(QStringLiteral("Orders"));
    options.Refresh();
    const TDateFormatMatcher& matcher = options.DateFormatMatcher();
    const QList<QStringList> rows = {{"1", "2024-01-31"}, {"2", "2024-02-29"}};
    EXPECT_TRUE(matcher.IsEnabled());
    EXPECT_TRUE(matcher.IsDateField(QStringLiteral("born")));
    EXPECT_FALSE(matcher.IsDateField(QStringLiteral("name")));
    EXPECT_FALSE(matcher.IsDateField(QStringLiteral("unknown")));
    EXPECT_FALSE(matcher.MatchFormat(QStringLiteral("born"), 1, rows).isEmpty());
    EXPECT_EQ(matcher.MatchFormat(QStringLiteral("name"), 1, rows), QString());
    EXPECT_EQ(matcher.GetFormatList().value(0), QStringLiteral("Auto Detect"));

    // The checked path keeps a date format only for date fields.
    options.AddFieldChecked(QStringLiteral("name"), QStringLiteral("yyyy-mm-dd"), QString());
    options.AddFieldChecked(QStringLiteral("born"), QStringLiteral("yyyy-mm-dd"), QString());
    EXPECT_EQ(options.DateFormats().Text(), QStringLiteral("born=yyyy-mm-dd\r\n"));
}

TEST(FileDateFormatMatcher, KeepsOnlyRealDateAnswers)
{
    RegisterValueParseClasses();
    TDateFormatParser parser;
    TFileDateFormatMatcher matcher(&parser);
    EXPECT_TRUE(matcher.IsDateField(QStringLiteral("anything")));
    struct Row { QString Sample; bool Found; };
    const Row rows[] = {{"2024-01-31", true}, {"hello", false}, {"", false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Sample.toStdString());
        EXPECT_EQ(!matcher.MatchFormat(QStringLiteral("f"), 0, {{row.Sample}}).isEmpty(), row.Found);
    }
    TDateFormatMatcher neutral;
    EXPECT_EQ(neutral.MatchFormat(QStringLiteral("f"), 0, {{"2024-01-31"}}), QString());
    EXPECT_TRUE(neutral.GetFormatList().isEmpty());
}

TEST_F(TableDestTest, CreatedByItsRegisteredName)
{
    auto options = TRttiUtil::CreateObjectAs<TDestOptions>(QStringLiteral("UTableDestOptions.TTableDestOptions"));
    EXPECT_EQ(options->ClassName(), QStringLiteral("TTableDestOptions"));
}

}  // namespace
