// Whole sessions with the real source and destination options: a file written
// by hand is opened through the product's factory, reads its JSON file and
// its table, and saves back key for key.

#include "TestUtil.h"

#include "UAccessDBClassInit.h"
#include "UAccessEngine.h"
#include "UConvertSession.h"
#include "UDBConvertObjectFactory.h"
#include "UDBLogon.h"
#include "UDBObjectFactory.h"
#include "UDBOutClasses.h"
#include "UDestOptionsClassInit.h"
#include "UDestSetOptions.h"
#include "UException.h"
#include "UFolderChoiceOptions.h"
#include "UJsonSourceOptions.h"
#include "UMarrowickSessionObjectFactory.h"
#include "USourceOptionsClassInit.h"
#include "USourceSetOptions.h"
#include "UTableDestOptions.h"
#include "UUniConnection.h"
#include "UValueParseClassInit.h"

#include <QDir>
#include <gtest/gtest.h>
#include <functional>

namespace {

class SessionFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterValueParseClasses();
        RegisterDBConnClasses();
        RegisterDBOutClasses();
        RegisterSourceOptionsClasses();
        RegisterDestOptionsClasses();
        const QString db = Dir.File(QStringLiteral("target.accdb"));
        AccessEngine::CreateDatabaseFile(db);
        DBFactory = std::make_unique<TDBObjectFactory>(QStringLiteral("Access"));
        ASSERT_TRUE(DBFactory->GetLogon().LogonFromParams(TStringList({QStringLiteral("database=") + db})));
        ConvertFactory.SetConnection(&DBFactory->Connection());
        TTableDestOptions::SetTargetProvider([this] { return TTableDestTarget{DBFactory.get(), &ConvertFactory}; });
        DBFactory->Connection().ExecSQL(QStringLiteral("create table Orders (id Long, name Text(20))"));
        Factory = std::make_unique<TMarrowickSessionObjectFactory>();
    }
    void TearDown() override { TTableDestOptions::SetTargetProvider(nullptr); }

    QString Write(const QString& name, const QStringList& lines)
    {
        const QString path = Dir.File(name);
        WriteFileText(path, QStringLiteral("[Load]\r\n") + lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
        return path;
    }
    static QStringList Lines(const QString& path)
    {
        QStringList lines = ReadFileText(path).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        lines.removeFirst();
        return lines;
    }
    QString Json(const QString& name, int rows)
    {
        QStringList items;
        for (int i = 1; i <= rows; ++i)
            items.append(QStringLiteral("{\"id\":%1,\"name\":\"n%1\"}").arg(i));
        const QString path = Dir.File(name);
        QDir().mkpath(QFileInfo(path).path());
        WriteFileText(path, QStringLiteral("{\"data\":{\"Orders\":[") + items.join(QLatin1Char(',')) + QStringLiteral("]}}"));
        return path;
    }

    TTestDir Dir;
    std::unique_ptr<TDBObjectFactory> DBFactory;
    TDBConvertObjectFactory ConvertFactory;
    std::unique_ptr<TMarrowickSessionObjectFactory> Factory;
};

TEST_F(SessionFileTest, OneFileSessionLoadsAndSavesEveryKey)
{
    const QString json = Json(QStringLiteral("orders.json"), 3);
    const QStringList keys = {
        "ConvertType=JsonToTable", "SourceType=Json", "DestType=Table", "SourceStoreType=File",
        "Columns=2|1", "SelectedColumnNames=name|id", "MapColumns=1", "SourceFile=" + json, "SourceUrl=",
        "DataItem={}|data|Orders^0", "Sublevel=2", "DestSchema=", "DestTable=Orders", "LoadType=2",
        "UpdateKey=id", "SaveToSqlFile=", "SqlToSqlEncoding=", "DestFields=name*varchar(20)**-|id*integer**",
        "LoadRowsType=Part", "LoadRows=2", "SkipRows=1", "ErrorsToAllow=5", "LogFile=" + Dir.File("run.log")};
    const QString path = Write(QStringLiteral("one.jif"), keys);
    std::unique_ptr<TConvertSession> session = Factory->CreateSessionFromFile(path);

    auto& source = dynamic_cast<TJsonSourceOptions&>(session->SourceSetOptions().SourceOptions());
    EXPECT_EQ(source.ColumnNames(), (QStringList{"id", "name"}));
    EXPECT_EQ(source.SampleRows().size(), 1);  // "^0": the first element only
    EXPECT_EQ(source.ItemName(), QStringLiteral("Order"));
    EXPECT_EQ(source.Sublevel(), 2);
    auto& dest = dynamic_cast<TTableDestOptions&>(session->DestSetOptions().DestOptions());
    EXPECT_EQ(dest.TableStruct().FieldNames.List(), (QStringList{"name", "id"}));
    EXPECT_EQ(dest.TableStruct().NullIfValues.Values(QStringLiteral("name")), QStringLiteral("-"));
    EXPECT_EQ(session->GetItemCount(), 1);

    const QString copy = Dir.File(QStringLiteral("copy.jif"));
    session->SaveToFile(copy);
    EXPECT_EQ(Lines(copy), keys);

    std::unique_ptr<TConvertSession> again = Factory->CreateSessionFromFile(copy);
    EXPECT_TRUE(again->IsEqual(*session));
}

TEST_F(SessionFileTest, FolderSessionScansAndPointsTheSourceAtEachFile)
{
    Json(QStringLiteral("in/a.json"), 1);
    Json(QStringLiteral("in/b.json"), 2);
    Json(QStringLiteral("in/sub/c.json"), 3);
    WriteFileText(Dir.File(QStringLiteral("in/a.JSON")), QStringLiteral("{}"));
    const QString path = Write(QStringLiteral("set.jin"),
                               {"DataFolder=" + Dir.File("in"), "Recursive=1", "Ext=json", "DataItem={}|data|Orders",
                                "DestTable=Orders", "LoadType=0"});
    std::unique_ptr<TConvertSession> session = Factory->CreateSessionFromFile(path);
    EXPECT_EQ(session->ConvertTypeOptions().ConvertType(), QStringLiteral("JsonSetToTable"));
    ASSERT_EQ(session->GetItemCount(), 3);
    auto& set = dynamic_cast<TNItemSourceSetOptions&>(session->SourceSetOptions());
    auto& choice = dynamic_cast<TFolderChoiceOptions&>(set.ChoiceOptions());
    EXPECT_EQ(choice.Filter(), QStringLiteral("*.json"));
    EXPECT_EQ(choice.ItemNames(), (QStringList{"a.json", "b.json", "sub/c.json"}));

    auto& source = dynamic_cast<TJsonSourceOptions&>(set.SourceOptions());
    EXPECT_EQ(source.SourceFile(), Dir.File("in/a.json"));  // the first item, read on load
    EXPECT_EQ(source.SampleRows().size(), 1);
    session->ConfigOne(2);
    EXPECT_EQ(source.SourceFile(), Dir.File("in/sub/c.json"));
    EXPECT_EQ(source.SampleRows().size(), 3);
    EXPECT_TRUE(session->DestSetOptions().DestOptions().LastItem());

    const QString copy = Dir.File(QStringLiteral("copy.jin"));
    session->SaveToFile(copy);
    const QStringList lines = Lines(copy);
    EXPECT_EQ(lines.mid(4, 5), (QStringList{"DataFolder=" + Dir.File("in"), "Recursive=1", "Filter=*.json",
                                            "MoveFiles=0", "MoveToFolder="}));
    EXPECT_TRUE(Factory->CreateSessionFromFile(copy)->IsEqual(*session));
}

TEST_F(SessionFileTest, DamagedFilesFailWithTheirMessageAndChangeNothing)
{
    const QString json = Json(QStringLiteral("orders.json"), 2);
    struct Row { const char* Name; QStringList Lines; QString Message; };
    const Row rows[] = {
        {"fields", {"SourceFile=" + json, "DestTable=Orders", "DestFields=id*integer|name"},
         "TTableDestOptions.LoadFromFile, Parse Fields Error."},
        {"missing source", {"SourceFile=" + Dir.File("gone.json"), "DestTable=Orders"},
         "Can not find file: " + Dir.File("gone.json")},
        {"missing table", {"SourceFile=" + json, "DestTable=Nowhere"}, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        const QString path = Write(QStringLiteral("bad.jif"), row.Lines);
        const QByteArray before = ReadFileBytes(path);
        const QString message = ErrorOf([&] { Factory->CreateSessionFromFile(path); });
        EXPECT_FALSE(message.isEmpty());
        if (!row.Message.isEmpty()) {
            EXPECT_EQ(message, row.Message);
        }
        EXPECT_EQ(ReadFileBytes(path), before);
        EXPECT_EQ(ReadFileText(json).size(), QFileInfo(json).size());
    }
}

}  // namespace
