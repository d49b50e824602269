#include "TestUtil.h"
#include "UAccessEngine.h"
#include "UAccessWriter.h"
#include "UCreateTableCommand.h"
#include "UDBConvertObjectFactory.h"
#include "UDBDictionary.h"
#include "UDBObjectFactory.h"
#include "UDBOutClasses.h"
#include "UDBTableStructBinding.h"
#include "UDestTableCreator.h"
#include "UException.h"
#include "UTableCreateHelper.h"
#include "UTableCreator.h"
#include "UTableInfo.h"
#include "UUniConnection.h"

#include <gtest/gtest.h>

namespace {

// The dialog stand-in: applies an edit, then presses OK once.
class TPressOk : public TCreateTableView {
public:
    std::function<void(TCreateTableDesign&)> Edit = [](TCreateTableDesign&) {};
    TCreateTableCommand::TOutcome Outcome;
    bool ShowModal(TCreateTableCommand& command) override
    {
        Edit(command.Design());
        Outcome = command.Create();
        return Outcome.Created;
    }
};

class TSourceStandIn : public TTableSourceProposal {
public:
    QString ProposedTableName() override { return QStringLiteral("order lines"); }
    void RefreshFieldTypes() override { ++Refreshed; }
    TStringList GetFieldTypeNames() override
    {
        return TStringList(QStringList{QStringLiteral("ID=ftInteger"), QStringLiteral("id=ftString"),
                                       QStringLiteral("Order Date=ftDateTime"), QStringLiteral("price=ftFloat"),
                                       QStringLiteral("note=ftMemo")});
    }
    int Refreshed = 0;
};

class TTableCreatorOnEngine : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterDBOutClasses();
        const QString file = FDir.File(QStringLiteral("t.accdb"));
        AccessEngine::CreateDatabaseFile(file);
        FFactory = std::make_unique<TDBObjectFactory>(QStringLiteral("Access"));
        FFactory->Connection().SetDatabase(file);
        FFactory->Connection().Open();
    }

    TTestDir FDir;
    std::unique_ptr<TDBObjectFactory> FFactory;
};

TEST_F(TTableCreatorOnEngine, CreatesTheProposedTargetTable)
{
    TSourceStandIn source;
    TPressOk view;
    view.Edit = [](TCreateTableDesign& d) {
        d.Columns[0].NotNull = true;
        d.Columns[0].PrimaryKey = true;
        d.Indexes = {{QStringLiteral("ix_date"), QStringLiteral("Order_Date"), QStringLiteral("NON_UNIQUE")}};
    };
    TDestTableCreator creator(*FFactory);
    creator.SetSource(&source);
    creator.SetView(&view);
    ASSERT_TRUE(creator.CreateTable());
    EXPECT_EQ(source.Refreshed, 1);
    EXPECT_EQ(creator.GetTableName(), QStringLiteral("order_lines"));
    EXPECT_TRUE(view.Outcome.Text.startsWith(QStringLiteral("Table created.\r\ncreate table [order_lines] (\r\n")))
        << view.Outcome.Text.toStdString();

    const auto info = FFactory->GetDictionary().GetTableInfo(QString(), QStringLiteral("order_lines"));
    EXPECT_EQ(info->FieldNames.List(), (QStringList{QStringLiteral("ID"), QStringLiteral("id_001"), QStringLiteral("Order_Date"),
                                                    QStringLiteral("price"), QStringLiteral("note")}));
    EXPECT_TRUE(info->IsNotNull(QStringLiteral("ID")));
    EXPECT_EQ(info->IndexColumns.Values(QStringLiteral("ix_date")), QStringLiteral("Order_Date"));

    // The new table takes rows through the writer the convert factory makes.
    TDBConvertObjectFactory convert;
    convert.SetConnection(&FFactory->Connection());
    auto writer = convert.CreateWriterAs<TAccessWriter>();
    TDBTableStruct ts;
    SetDBObjectFactory(ts, *FFactory);
    ts.TableName = QStringLiteral("order_lines");
    ts.LoadType = QStringLiteral("Append");
    ts.FillStruct();
    writer->SetTableStruct(&ts);
    writer->BeforeWork();
    const QStringList row{QStringLiteral("1"), QStringLiteral("x"), QStringLiteral("2020-01-31 10:00:00"),
                          QStringLiteral("2.5"), QStringLiteral("long")};
    for (int c = 0; c < row.size(); ++c)
        writer->SetValue(c, row[c]);
    writer->Write();
    writer->AfterWork();
    EXPECT_EQ(FFactory->Connection().ExecSQL(QStringLiteral("delete from [order_lines] where [ID]=1")), 1);
}

TEST_F(TTableCreatorOnEngine, ADatabaseErrorReachesTheCaller)
{
    FFactory->Connection().ExecSQL(QStringLiteral("create table [Orders] ([id] Integer)"));
    TPressOk view;
    view.Edit = [](TCreateTableDesign& d) {
        d.TableName = QStringLiteral("Orders");
        d.InsertColumn(0);
        d.Columns[0].Name = QStringLiteral("id");
        d.Columns[0].DataType = QStringLiteral("Integer");
    };
    TNewTableCreator creator(*FFactory);
    creator.SetView(&view);
    EXPECT_THROW(creator.CreateTable(), Exception);
}

TEST_F(TTableCreatorOnEngine, ANewTableFromTheDatabaseTools)
{
    TPressOk view;
    view.Edit = [](TCreateTableDesign& d) {
        EXPECT_TRUE(d.Columns.empty());
        EXPECT_TRUE(d.TableName.isEmpty());
        d.TableName = QStringLiteral("Orders");
        d.Columns = {{QStringLiteral("id"), QStringLiteral("Integer"), QString(), true, true, false},
                     {QStringLiteral("name"), QStringLiteral("Text(255)")}};
    };
    TNewTableCreator creator(*FFactory);
    creator.SetView(&view);
    ASSERT_TRUE(creator.CreateTable());
    EXPECT_EQ(creator.TableName(), QStringLiteral("Orders"));
    EXPECT_EQ(view.Outcome.Text, QStringLiteral("Table created.\r\ncreate table [Orders] (\r\n[id] Integer not null ,\r\n"
                                                "[name] Text(255),\r\nCONSTRAINT pk_Orders PRIMARY KEY([id])\r\n)\r\n"));
    const auto info = FFactory->GetDictionary().GetTableInfo(QString(), QStringLiteral("Orders"));
    EXPECT_TRUE(info->IsPrimaryKey(QStringLiteral("id")));
    // Refused input never reaches the database.
    view.Edit = [](TCreateTableDesign& d) { d.TableName = QStringLiteral("my-table"); };
    EXPECT_FALSE(creator.CreateTable());
    EXPECT_EQ(view.Outcome.Problem.Message, QStringLiteral("Table Name can not contain char \" -  \"."));
}

}  // namespace
