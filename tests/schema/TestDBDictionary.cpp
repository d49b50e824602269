#include "TestUtil.h"
#include "UAccessDBDictionary.h"
#include "UAccessEngine.h"
#include "UDebugHelper.h"
#include "UException.h"
#include "USchemaClassInit.h"
#include "UTableInfo.h"
#include "UUniConnection.h"
#include "UUniSqlExecutor.h"

#include <gtest/gtest.h>

namespace {


// One engine file with a table of every Access column type.
class DBDictionary : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterSchemaClasses();
        TDebugHelper::Initialize();
        TDebugHelper::Clear();
        const QString file = FDir.File(QStringLiteral("dict.accdb"));
        AccessEngine::CreateDatabaseFile(file);
        FConnection.SetProviderName(QStringLiteral("Access"));
        FConnection.SetDatabase(file);
        FConnection.Open();
        FConnection.ExecSQL(QStringLiteral(
            "create table [Orders] ([ID] Counter, [Name] Text(255) not null, [Code] Char(10), [Note] Memo,"
            " [Qty] Integer, [Small] Short, [Tiny] Byte, [Price] Currency, [Amount] Decimal(10,2),"
            " [Ratio] Double, [R] Single, [When] DateTime, [Flag] YesNo, [Pic] LongBinary,"
            " CONSTRAINT [pk_orders] PRIMARY KEY([ID]))"));
        FConnection.ExecSQL(QStringLiteral("create unique index [ux_code] on [Orders] ([Code])"));
        FConnection.ExecSQL(QStringLiteral("create index [ix_qty] on [Orders] ([Qty], [Small])"));
        FConnection.ExecSQL(QStringLiteral(
            "create table [Items] ([Name] Text(50), [Sku] Text(20), CONSTRAINT [pk_items] PRIMARY KEY([Sku]))"));
        FConnection.ExecSQL(QStringLiteral("create table [Loose] ([A] Integer, [B] Text(5) default 'n/a')"));
        FConnection.ExecSQL(QStringLiteral("create view [BigOrders] as select [ID], [Name] from [Orders] where [Qty] > 10"));
        FDictionary.SetConnection(&FConnection);
    }

    TTestDir FDir;
    TUniConnection FConnection;
    TAccessDBDictionary FDictionary;
};

struct TColumnRow { const char* name; const char* type; };
const TColumnRow OrderColumns[] = {
    {"ID", "counter"},       {"Name", "varchar(255)"}, {"Code", "varchar(10)"}, {"Note", "longchar"},
    {"Qty", "integer"},      {"Small", "smallint"},    {"Tiny", "byte"},        {"Price", "currency"},
    {"Amount", "decimal(10,2)"}, {"Ratio", "double"},  {"R", "real"},           {"When", "datetime"},
    {"Flag", "bit"},         {"Pic", "longbinary"},
};

TEST_F(DBDictionary, FieldTypesAsTypeTexts)
{
    auto types = FDictionary.GetDBFieldTypes(QString(), QStringLiteral("Orders"));
    ASSERT_EQ(types->Count(), static_cast<int>(std::size(OrderColumns)));
    for (int i = 0; i < types->Count(); ++i) {
        SCOPED_TRACE(OrderColumns[i].name);
        EXPECT_EQ(types->Names(i), QLatin1String(OrderColumns[i].name));
        EXPECT_EQ(types->ValueFromIndex(i), QLatin1String(OrderColumns[i].type));
    }
    EXPECT_TRUE(TDebugHelper::GetLogText().contains(QStringLiteral("TDBDictionary.GetDBFieldTypes: .Orders")));
}

TEST_F(DBDictionary, TableInfoWithIndexesAndTheIdKey)
{
    auto info = FDictionary.GetTableInfo(QString(), QStringLiteral("orders"));
    EXPECT_EQ(info->TableName, QStringLiteral("orders"));
    ASSERT_EQ(info->FieldNames.Count(), static_cast<int>(std::size(OrderColumns)));
    for (int i = 0; i < info->FieldNames.Count(); ++i) {
        SCOPED_TRACE(OrderColumns[i].name);
        EXPECT_EQ(info->FieldNames[i], QLatin1String(OrderColumns[i].name));
        EXPECT_EQ(info->FieldTypes.Values(info->FieldNames[i]), QLatin1String(OrderColumns[i].type));
    }
    EXPECT_TRUE(info->IsNotNull(QStringLiteral("Name")));
    EXPECT_FALSE(info->IsNotNull(QStringLiteral("Qty")));
    EXPECT_EQ(info->NotNulls.Values(QStringLiteral("Qty")), QStringLiteral("0"));
    EXPECT_EQ(info->IndexTypes.Values(QStringLiteral("ux_code")), QStringLiteral("UNIQUE"));
    EXPECT_EQ(info->IndexTypes.Values(QStringLiteral("ix_qty")), QStringLiteral("NON_UNIQUE"));
    EXPECT_EQ(info->IndexColumns.Values(QStringLiteral("ix_qty")), QStringLiteral("Qty,Small"));
    EXPECT_EQ(info->IndexColumns.Values(QStringLiteral("ux_code")), QStringLiteral("Code"));
    EXPECT_EQ(info->PrimaryKeys.Text(), QStringLiteral("ID=-1\r\n"));
    const QString log = TDebugHelper::GetLogText();
    EXPECT_TRUE(log.contains(QStringLiteral("TDBDictionary.GetTableInfo: .orders")));
    EXPECT_TRUE(log.contains(QStringLiteral("TAccessDBDictionary.GetConstraints: .orders")));
    EXPECT_TRUE(log.contains(QStringLiteral("TAccessDBDictionary.GetConstraints: guess pk is id column.")));
}

TEST_F(DBDictionary, PrimaryKeyGuessWithoutAnIdColumn)
{
    struct TRow { const char* table; const char* keys; };
    const TRow rows[] = {{"Items", "Sku=-1\r\n"}, {"Loose", ""}};
    EXPECT_EQ(FDictionary.GetTableInfo(QString(), QStringLiteral("Loose"))->DefaultValues.Values(QStringLiteral("B")),
              QStringLiteral("'n/a'"));
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.table);
        TDebugHelper::Clear();
        auto info = FDictionary.GetTableInfo(QString(), QLatin1String(row.table));
        EXPECT_EQ(info->PrimaryKeys.Text(), QLatin1String(row.keys));
        EXPECT_FALSE(TDebugHelper::GetLogText().contains(QStringLiteral("guess pk is id column.")));
    }
}

TEST_F(DBDictionary, UniqueColumnsAreSingleColumnUniqueIndexes)
{
    auto unique = FDictionary.GetUniqueColumns(QString(), QStringLiteral("Orders"));
    EXPECT_GE(unique->IndexOf(QStringLiteral("Code")), 0);
    EXPECT_LT(unique->IndexOf(QStringLiteral("Qty")), 0);
    EXPECT_LT(unique->IndexOf(QStringLiteral("Small")), 0);
}

TEST_F(DBDictionary, TablesFieldNamesAndDescription)
{
    QStringList tables = FDictionary.GetTables(QString())->List();
    tables.sort();
    EXPECT_EQ(tables, (QStringList{"Items", "Loose", "Orders"}));
    EXPECT_EQ(FDictionary.GetViews(QString())->List(), QStringList{QStringLiteral("BigOrders")});
    EXPECT_TRUE(FDictionary.GetSchemas()->IsEmpty());
    EXPECT_EQ(FDictionary.GetDefaultSchema(), QString());
    EXPECT_EQ(FDictionary.GetDatabaseDescription(), FConnection.Database());
    EXPECT_EQ(FDictionary.DatabaseName(), FConnection.Database());
    EXPECT_EQ(FDictionary.ProviderName(), QStringLiteral("Access"));
    EXPECT_EQ(FDictionary.GetFieldNames(QString(), QStringLiteral("Loose"))->List(), (QStringList{"A", "B"}));
    EXPECT_TRUE(FDictionary.CanCountRecords(QStringLiteral("Loose")));
}

TEST_F(DBDictionary, FieldNamesOfAMissingTableAreEmptyAndLogged)
{
    EXPECT_TRUE(FDictionary.GetFieldNames(QString(), QStringLiteral("Nope"))->IsEmpty());
    EXPECT_TRUE(TDebugHelper::GetLogText().contains(
        QStringLiteral("TDBDictionary.GetFieldNames: select * from [Nope] where 1=0")));
}

TEST_F(DBDictionary, MetadataErrorsReachTheCaller)
{
    // A closed connection is opened again by a metadata read; a vanished file cannot be.
    FConnection.Close();
    QFile::remove(FConnection.Database());
    EXPECT_FALSE(ErrorOf([&] { FDictionary.GetTables(QString()); }).isEmpty());
    EXPECT_FALSE(ErrorOf([&] { FDictionary.GetTableInfo(QString(), QStringLiteral("Orders")); }).isEmpty());
}

TEST_F(DBDictionary, ScriptStopsAtTheFirstFailingStatement)
{
    TUniSqlExecutor executor(&FConnection);
    EXPECT_TRUE(executor.ExecSql(QStringLiteral("insert into [Loose] ([A]) values (1);\r\ninsert into [Loose] ([A]) values (2)")));
    const QString error = ErrorOf([&] {
        executor.ExecSql(QStringLiteral("insert into [Loose] ([A]) values (3);\r\n"
                                        "insert into [Loose] ([A]) values ('not a number');\r\n"
                                        "insert into [Loose] ([A]) values (5)"));
    });
    EXPECT_FALSE(error.isEmpty());
    TUniConnection& c = FConnection;
    EXPECT_EQ(c.ExecSQL(QStringLiteral("update [Loose] set [B] = 'x'")), 3);  // 1, 2 and 3, not 5
    EXPECT_TRUE(executor.ExecSql(QStringLiteral("delete from [Loose]")));
    EXPECT_TRUE(TDebugHelper::GetLogText().contains(QStringLiteral("delete from [Loose]")));
}

}  // namespace
