// Session files run end to end with the product's own JSON source, folder
// source and table destination: loaded through the factory, run by the
// executor with the log outputer of the command-line road.

#include "TestUtil.h"

#include "UAccessDBClassInit.h"
#include "UAccessEngine.h"
#include "UConvertSession.h"
#include "UConvertSessionExecutor.h"
#include "UDBConvertObjectFactory.h"
#include "UDBLogon.h"
#include "UDBObjectFactory.h"
#include "UDBOutClasses.h"
#include "UDestOptionsClassInit.h"
#include "UEngineClassInit.h"
#include "UMarrowickSessionObjectFactory.h"
#include "UOutputer.h"
#include "USessionExecutor.h"
#include "USourceOptionsClassInit.h"
#include "UTableDestOptions.h"
#include "UUniConnection.h"
#include "UUniQuery.h"
#include "UValueParseClassInit.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

class TRealSessionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterValueParseClasses();
        RegisterDBConnClasses();
        RegisterDBOutClasses();
        RegisterSourceOptionsClasses();
        RegisterDestOptionsClasses();
        RegisterEngineClasses();
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

    QString Write(const QString& name, const QStringList& keys)
    {
        const QString path = Dir.File(name);
        WriteFileText(path, QStringLiteral("[Load]\r\n") + keys.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
        return path;
    }
    QString Json(const QString& name, const QStringList& ids)
    {
        QStringList items;
        for (const QString& id : ids)
            items.append(QStringLiteral("{\"id\":%1,\"name\":\"n\"}").arg(id));
        const QString path = Dir.File(name);
        QDir().mkpath(QFileInfo(path).path());
        WriteFileText(path, QStringLiteral("{\"data\":[") + items.join(QLatin1Char(',')) + QStringLiteral("]}"));
        return path;
    }
    QStringList Ids()
    {
        TUniQuery query(&DBFactory->Connection());
        query.SetSQL(QStringLiteral("select id from Orders order by id"));
        query.Open();
        QStringList ids;
        for (; !query.Eof(); query.Next())
            ids.append(query.Fields(0).AsString());
        return ids;
    }
    // The log file's messages without their stamps.
    static QStringList LogLines(const QString& path)
    {
        QStringList lines;
        for (const QString& line : ReadFileText(path).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
            if (line.startsWith(QLatin1Char('[')))
                lines.append(line.mid(line.indexOf(QStringLiteral("] ")) + 2));
        return lines;
    }
    bool Run(const QString& sessionFile, const QString& logFile)
    {
        std::unique_ptr<TConvertSession> session = Factory->CreateSessionFromFile(sessionFile);
        std::unique_ptr<TSessionExecutor> executor = Factory->CreateExecutor(sessionFile);
        std::unique_ptr<TOutputer> outputer = Factory->CreateOutputer(sessionFile, logFile);
        executor->SetSession(session.get());
        executor->SetOutputer(outputer.get());
        return executor->Execute();
    }

    TTestDir Dir;
    std::unique_ptr<TDBObjectFactory> DBFactory;
    TDBConvertObjectFactory ConvertFactory;
    std::unique_ptr<TMarrowickSessionObjectFactory> Factory;
};

TEST_F(TRealSessionTest, OneFileSessionWithARejectedRow)
{
    const QString json = Json(QStringLiteral("orders.json"), {"1", "\"x\"", "3"});
    const QString log = Dir.File(QStringLiteral("run.log"));
    const QString session = Write(QStringLiteral("one.jif"),
                                  {"ConvertType=JsonToTable", "SourceStoreType=File", "SourceFile=" + json,
                                   "DataItem={}|data", "Sublevel=1", "DestTable=Orders", "LoadType=0",
                                   "ErrorsToAllow=5", "LogFile=" + log});
    ASSERT_TRUE(Run(session, log));
    EXPECT_EQ(Ids(), (QStringList{"1", "3"}));
    const QString bad = Dir.File(QStringLiteral("orders_bad.txt"));
    EXPECT_EQ(ReadFileBytes(bad), QByteArray("\xEF\xBB\xBF\"id\",\"name\"\r\n\"x\",\"n\"\r\n"));
    const QStringList lines = LogLines(log);
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines.first(), QStringLiteral("Start Convert"));
    EXPECT_TRUE(lines.contains(QStringLiteral("2 records    Elapsed: 00:00:00.  1 rows can not convert.")))
        << lines.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(lines.mid(lines.size() - 2), (QStringList{"Total Convert Records: 2", "End Convert"}));
}

TEST_F(TRealSessionTest, FolderSessionReplacesOnceAndMovesTheConvertedFiles)
{
    DBFactory->Connection().ExecSQL(QStringLiteral("insert into Orders (id, name) values (99, 'old')"));
    Json(QStringLiteral("in/a.json"), {"1", "2"});
    WriteFileText(Dir.File(QStringLiteral("in/b.json")), QStringLiteral("{\"data\":[{\"id\":"));
    Json(QStringLiteral("in/c.json"), {"5"});
    const QString log = Dir.File(QStringLiteral("set.log"));
    const QString session = Write(QStringLiteral("set.jin"),
                                  {"ConvertType=JsonSetToTable", "DataFolder=" + Dir.File("in"), "Filter=*.json",
                                   "MoveFiles=1", "MoveToFolder=" + Dir.File("done"), "DataItem={}|data",
                                   "DestTable=Orders", "LoadType=1", "LogFile=" + log});
    QDir().mkpath(Dir.File(QStringLiteral("done")));
    ASSERT_TRUE(Run(session, log));
    EXPECT_EQ(Ids(), (QStringList{"1", "2", "5"}));
    const QStringList lines = LogLines(log);
    const int total = lines.indexOf(QStringLiteral("Total 3 files"));
    ASSERT_GE(total, 0) << lines.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(lines.mid(total), (QStringList{"Total 3 files", "Converted 3 files", "Succeeded 2 files",
                                             "Failed (partly) 1 files", "Failed (partly) files:", Dir.File("in/b.json")}));
    EXPECT_TRUE(QFileInfo::exists(Dir.File(QStringLiteral("done/a.json"))));
    EXPECT_TRUE(QFileInfo::exists(Dir.File(QStringLiteral("done/c.json"))));
    EXPECT_TRUE(QFileInfo::exists(Dir.File(QStringLiteral("in/b.json"))));
}

TEST_F(TRealSessionTest, SaveToSqlFileWritesTheStatementsInsteadOfTheRows)
{
    const QString json = Json(QStringLiteral("orders.json"), {"1", "2"});
    const QString sql = Dir.File(QStringLiteral("out/orders.sql"));
    const QString log = Dir.File(QStringLiteral("sql.log"));
    const QString session = Write(QStringLiteral("sql.jif"),
                                  {"ConvertType=JsonToTable", "SourceStoreType=File", "SourceFile=" + json,
                                   "DataItem={}|data", "Sublevel=1", "DestTable=Orders", "LoadType=0",
                                   "SaveToSqlFile=" + sql, "SqlToSqlEncoding=UTF-8", "LogFile=" + log});
    ASSERT_TRUE(Run(session, log));
    EXPECT_TRUE(Ids().isEmpty());
    const QString text = QString::fromUtf8(ReadFileBytes(sql));
    EXPECT_EQ(text.count(QStringLiteral(";\r\n")), 2) << text.toStdString();
    EXPECT_TRUE(text.startsWith(QStringLiteral("insert into "))) << text.toStdString();
    EXPECT_TRUE(LogLines(log).contains(QStringLiteral("To File: ") + sql)) << LogLines(log).join(QLatin1Char('\n')).toStdString();
}

}  // namespace
