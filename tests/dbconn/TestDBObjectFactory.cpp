#include "TestUtil.h"
#include "UAccessDBClassInit.h"
#include "UAccessDBDictionary.h"
#include "UDBConvertObjectFactory.h"
#include "UDBHelper.h"
#include "UDBLogon.h"
#include "UDBObjectFactory.h"
#include "UException.h"
#include "URttiUtil.h"
#include "UUniConnection.h"

#include <gtest/gtest.h>

namespace {


// Stands in for the writer of the output layer.
class TAccessWriter : public TObject, public TConnectionUser {
    AMBERTIDE_CLASS(TAccessWriter)
public:
    void SetConnection(TUniConnection* connection) override { Connection = connection; }
    TUniConnection* Connection = nullptr;
};

class DBObjectFactory : public ::testing::Test {
protected:
    void SetUp() override { RegisterDBConnClasses(); }
};

TEST_F(DBObjectFactory, RegistersTheAccessClassesUnderTheirUnitNames)
{
    for (const char* name : {"AccessUniProvider.TAccessUniProvider", "UAccessDBLogonOption.TAccessDBLogonOption",
                             "UAccessDBHelper.TAccessDBHelper", "UAccessDBDictionary.TAccessDBDictionary"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(TRttiUtil::IsRegistered(QLatin1String(name)));
    }
}

TEST_F(DBObjectFactory, BuildsTheAccessPartsByName)
{
    TDBObjectFactory factory(QStringLiteral("Access"));
    EXPECT_EQ(factory.GetDBType(), QStringLiteral("Access"));
    EXPECT_EQ(factory.GetDictionary().ClassName(), QStringLiteral("TAccessDBDictionary"));
    EXPECT_EQ(factory.GetLogon().GetLogonOption().ClassName(), QStringLiteral("TAccessDBLogonOption"));
    EXPECT_EQ(factory.Connection().ProviderName(), QStringLiteral("Access"));
    EXPECT_FALSE(factory.Connection().LoginPrompt());
    EXPECT_EQ(factory.GetDictionary().Connection(), &factory.Connection());
    EXPECT_EQ(factory.GetDictionary().Helper().ClassName(), QStringLiteral("TAccessDBHelper"));
    EXPECT_FALSE(factory.GetDictionary().SupportsSchemas());
    EXPECT_EQ(factory.GetDictionary().SelectCountSQL(QString(), QStringLiteral(" Orders ")),
              QStringLiteral("select count(1) from [Orders]"));
    EXPECT_EQ(factory.GetDictionary().SelectAllSQL(QString(), QStringLiteral("Orders")), QStringLiteral("select * from [Orders]"));
    EXPECT_EQ(factory.GetDictionary().DropTableSQL(QString(), QStringLiteral("Orders")), QStringLiteral("drop table [Orders]"));
    EXPECT_EQ(TDBObjectFactory::CreateDBHelper(QStringLiteral("Access"))->ClassName(), QStringLiteral("TAccessDBHelper"));
}

TEST_F(DBObjectFactory, MissingClassesAreNamed)
{
    EXPECT_EQ(ErrorOf([] { TDBObjectFactory factory(QStringLiteral("PostgreSQL")); }),
              QStringLiteral("Can not find class type: PostgreSQLUniProvider.TPostgreSQLUniProvider"));
    EXPECT_EQ(ErrorOf([] { TDBObjectFactory::CreateDBHelper(QStringLiteral("Sqlite")); }),
              QStringLiteral("Can not find class type: USqliteDBHelper.TSqliteDBHelper"));
    TDBObjectFactory factory(QStringLiteral("Access"));
    EXPECT_EQ(ErrorOf([&] { factory.GetLogon().LogonByForm(); }),
              QStringLiteral("Can not find class type: UAccessLogonForm.TAccessLogonForm"));
}

TEST_F(DBObjectFactory, ConvertFactoryHandsTheWriterItsConnection)
{
    TRttiUtil::RegisterClass<TAccessWriter>(QStringLiteral("UAccessWriter"));
    TUniConnection connection;
    connection.SetProviderName(QStringLiteral("Access"));
    TDBConvertObjectFactory convert;
    convert.SetConnection(&connection);
    auto writer = convert.CreateWriterAs<TAccessWriter>();
    EXPECT_EQ(writer->Connection, &connection);
    EXPECT_EQ(ErrorOf([&] { convert.CreateDateFormatParser(QStringLiteral("Access")); }),
              QStringLiteral("Can not find class type: UAccessDateFormatParser.TAccessDateFormatParser"));
    EXPECT_EQ(ErrorOf([&] { convert.CreateWriterAs<TAccessDBDictionary>(); }),
              QStringLiteral("Cast Error: TObject to TAccessDBDictionary, Real type: TAccessWriter"));
}

}  // namespace
