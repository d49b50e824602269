#include "TestUtil.h"

#include "TestHttpServer.h"
#include "UException.h"
#include "UJsonReader.h"
#include "UJsonSourceOptions.h"

#include <QDir>
#include <gtest/gtest.h>

#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace {

const QString Section = QStringLiteral("Load");

// A session file holding the given "key=value" lines in section Load.
QString WriteSession(const TTestDir& dir, const QStringList& lines)
{
    const QString path = dir.File(QStringLiteral("s.jif"));
    WriteFileText(path, QStringLiteral("[Load]\r\n") + lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    return path;
}

QString Rows(int n)
{
    QStringList items;
    for (int i = 1; i <= n; ++i)
        items.append(QStringLiteral("{\"id\":%1,\"name\":\"n%1\"}").arg(i));
    return QStringLiteral("{\"data\":{\"items\":[") + items.join(QLatin1Char(',')) + QStringLiteral("]}}");
}

TEST(JsonSourceOptions, ItemNameOfDataItem)
{
    struct Row { QString Path; QString Name; };
    const Row rows[] = {
        {"{}|data|Categories^0", "category"},
        {"{}|Items^3", "Item"},
        {"{}|data|orders", "orders"},
        {"{}|data|STORIES^1^2", "story"},
        {"[]^0|address", "address"},
        {"{}|Address^0", "Addres"},
        {"people^0", "people"},
        {"items", "items"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Path.toStdString());
        EXPECT_EQ(TJsonSourceOptions::ItemNameOfDataItem(row.Path), row.Name);
    }
}

TEST(JsonSourceOptions, SetDataItemRenamesTheItemUnlessTheRootIsMeant)
{
    struct Row { QString Path; QString ItemName; };
    const Row rows[] = {
        {"{}|data|Categories^0", "category"},
        {"{}", "orders"},
        {"[]", "orders"},
        {"", "orders"},
        {"{}|data|", "orders"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Path.toStdString());
        TJsonSourceOptions options;
        options.SetFileName(QStringLiteral("/tmp/orders.json"));
        options.SetDataItem(row.Path);
        EXPECT_EQ(options.DataItem(), row.Path);
        EXPECT_EQ(options.ItemName(), row.ItemName);
    }
}

TEST(JsonSourceOptions, LoadReadsItsKeysAndRefreshReadsColumnsAndSamples)
{
    TTestDir dir;
    const QString json = dir.File(QStringLiteral("orders.json"));
    WriteFileText(json, Rows(3));
    const QString session = WriteSession(dir, {"SourceFile=" + json, "DataItem={}|data|items"});
    TJsonSourceOptions options;
    options.LoadFromFile(session, Section);
    EXPECT_EQ(options.Sublevel(), 1);  // no "Sublevel" key
    EXPECT_EQ(options.DataItem(), QStringLiteral("{}|data|items"));
    EXPECT_EQ(options.ItemName(), QStringLiteral("items"));
    options.Refresh();
    EXPECT_EQ(options.ColumnNames(), (QStringList{"id", "name"}));
    ASSERT_EQ(options.SampleRows().size(), 3);
    EXPECT_EQ(options.SampleRows()[2], (QStringList{"3", "n3"}));
}

TEST(JsonSourceOptions, SampleStopsAtTenRows)
{
    TTestDir dir;
    const QString json = dir.File(QStringLiteral("big.json"));
    WriteFileText(json, Rows(500));
    TJsonSourceOptions options;
    options.SetFileName(json);
    options.SetDataItem(QStringLiteral("{}|data|items"));
    options.Refresh();
    ASSERT_EQ(options.SampleRows().size(), 10);
    EXPECT_EQ(options.SampleRows()[9], (QStringList{"10", "n10"}));
}

TEST(JsonSourceOptions, SaveThenLoadGivesEqualOptions)
{
    TTestDir dir;
    const QString json = dir.File(QStringLiteral("orders.json"));
    WriteFileText(json, Rows(2));
    TJsonSourceOptions saved;
    saved.SetFileName(json);
    saved.SetDataItem(QStringLiteral("{}|data|items"));
    saved.SetSublevel(3);
    saved.SetSelectedIndexes({1, 0});
    saved.SetSelectedNames({"name", "id"});
    const QString session = dir.File(QStringLiteral("round.jif"));
    saved.SaveToFile(session, Section);

    TJsonSourceOptions loaded;
    loaded.LoadFromFile(session, Section);
    EXPECT_EQ(loaded.Sublevel(), 3);
    EXPECT_EQ(loaded.DataItem(), saved.DataItem());
    EXPECT_TRUE(loaded.IsEqual(saved));
    EXPECT_TRUE(saved.IsEqual(loaded));

    struct Row { const char* Name; std::function<void(TJsonSourceOptions&)> Change; };
    const Row changes[] = {
        {"data item", [](TJsonSourceOptions& o) { o.SetDataItem(QStringLiteral("{}|data")); }},
        {"sublevel", [](TJsonSourceOptions& o) { o.SetSublevel(2); }},
        {"file", [](TJsonSourceOptions& o) { o.SetFileName(QStringLiteral("/tmp/other.json")); }},
        {"selection order", [](TJsonSourceOptions& o) { o.SetSelectedNames({"id", "name"}); }},
    };
    for (const Row& row : changes) {
        SCOPED_TRACE(row.Name);
        TJsonSourceOptions other;
        other.LoadFromFile(session, Section);
        row.Change(other);
        EXPECT_FALSE(other.IsEqual(saved));
    }
}

TEST(JsonSourceOptions, PartialSelectionReadsThroughTheColumnFilter)
{
    TTestDir dir;
    const QString json = dir.File(QStringLiteral("orders.json"));
    WriteFileText(json, Rows(2));
    TJsonSourceOptions options;
    options.SetFileName(json);
    options.SetDataItem(QStringLiteral("{}|data|items"));
    options.SetSelectedIndexes({1, 2});
    options.SetSelectedNames({"name", "missing"});
    options.PrepareConvert();
    TDataReader* reader = options.DataReader();
    ASSERT_NE(reader, &options.Reader());
    reader->Open();
    ASSERT_EQ(reader->ColumnCount(), 2);
    reader->GotoIndex(1);
    EXPECT_EQ(reader->ColumnValue(0), QStringLiteral("n1"));
    EXPECT_EQ(reader->ColumnValue(1), QString());
    reader->Close();

    options.SelectAll();
    EXPECT_EQ(options.DataReader(), &options.Reader());
}

// Each file of an N-to-N set goes to its own table: a file that lacks the
// configured node is read from its first top-level member instead.
TEST(JsonSourceOptions, NToNFallsBackToTheDefaultDataItem)
{
    TTestDir dir;
    const QString json = dir.File(QStringLiteral("other.json"));
    WriteFileText(json, QStringLiteral(R"({"people":[{"who":"ann"},{"who":"bob"}],"meta":{"v":1}})"));
    struct Row { QString SetType; QString ReaderItem; int Columns; };
    const Row rows[] = {
        {SourceSetTypes::NToN, "people", 1},
        {SourceSetTypes::NToOne, "{}|data|items", 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.SetType.toStdString());
        TJsonSourceOptions options;
        options.SetSetType(row.SetType);
        options.SetSourceName(json);
        options.SetDataItem(QStringLiteral("{}|data|items"));
        options.Refresh();
        EXPECT_EQ(options.Reader().DataItem(), row.ReaderItem);
        EXPECT_EQ(options.OriginColumnCount(), row.Columns);
    }
}

TEST(JsonSourceOptions, FileNameColumnFollowsTheFlags)
{
    TTestDir dir;
    const QString json = dir.File(QStringLiteral("orders.json"));
    WriteFileText(json, Rows(1));
    TJsonSourceOptions options;
    options.SetFileName(json);
    options.SetDataItem(QStringLiteral("{}|data|items"));
    options.SetFileNameAsColumn(true);
    options.SetFileNameWithoutExt(true);
    options.Refresh();
    EXPECT_EQ(options.ColumnNames(), (QStringList{"id", "name", "FileName"}));
    EXPECT_EQ(options.SampleRows().value(0), (QStringList{"1", "n1", "orders"}));
}

TEST(JsonSourceOptions, MissingFileFailsTheRefresh)
{
    TTestDir dir;
    TJsonSourceOptions options;
    options.SetFileName(dir.File(QStringLiteral("nothing.json")));
    try {
        options.Refresh();
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Can not find file: ") + dir.File(QStringLiteral("nothing.json")));
    }
}

// A URL source is downloaded again when an unattended run loads the session.
class JsonSourceUrlTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(Server.Start()); }
    QString LoadWithUrl(const QString& path)
    {
        return WriteSession(Dir, {"SourceFile=" + Target(), "SourceUrl=" + Server.Url(path), "DataItem={}|data|items"});
    }
    QString Target() const { return Dir.File(QStringLiteral("download.json")); }

    TTestDir Dir;
    TTestHttpServer Server;
};

TEST_F(JsonSourceUrlTest, LoadDownloadsTheFileEvenWhenItExists)
{
    WriteFileText(Target(), Rows(1));
    Server.SetRoute(QStringLiteral("/orders"), {.Body = Rows(4).toUtf8()});
    TJsonSourceOptions options;
    options.LoadFromFile(LoadWithUrl(QStringLiteral("/orders")), Section);
    options.Refresh();
    EXPECT_EQ(options.SampleRows().size(), 4);
    EXPECT_EQ(options.GetDisplayName(), Server.Url(QStringLiteral("/orders")));
    EXPECT_EQ(options.GetProperty(QStringLiteral("DataFile")), Target());
}

TEST_F(JsonSourceUrlTest, FailedDownloadFailsTheLoadAndKeepsTheFile)
{
    const QString good = Rows(1);
    struct Row { const char* Name; QString Path; TTestRoute Route; QString MessagePart; };
    const Row rows[] = {
        {"missing", "/missing", {.Status = 404, .Reason = "Not Found"}, "Not Found"},
        {"html", "/login", {.Headers = {{"Content-Type", "text/html"}}, .Body = "<html></html>"}, "HTML page"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        WriteFileText(Target(), good);
        if (row.Route.Status == 200)
            Server.SetRoute(row.Path, row.Route);
        TJsonSourceOptions options;
        try {
            options.LoadFromFile(LoadWithUrl(row.Path), Section);
            ADD_FAILURE() << "no exception";
        } catch (const Exception& e) {
            EXPECT_TRUE(e.Message().startsWith(QStringLiteral("Download exception: "))) << e.what();
            EXPECT_TRUE(e.Message().contains(row.MessagePart)) << e.what();
        }
        EXPECT_EQ(ReadFileText(Target()), good);
        EXPECT_EQ(QDir(Dir.Path()).entryList(QDir::Files).size(), 2);  // the session and the target
    }
}

}  // namespace
