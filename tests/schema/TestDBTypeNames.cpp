#include "TestUtil.h"
#include "UDBTypeNames.h"

#include <gtest/gtest.h>

namespace {

TEST(DBTypeNames, NormalisesByContainmentInOrder)
{
    struct TRow { const char* given; const char* type; const char* provider; };
    const TRow rows[] = {
        {"Access", "Access", "Access"},
        {"PostgreSQL", "Postgres", "PostgreSQL"},
        {"Microsoft SQL Server", "MsSql", "SQL Server"},
        {"MYSQL", "Mysql", "MySQL"},
        {"sqlite3", "Sqlite", "SQLite"},
        {"dBase DBF", "DBF", "DBF"},
        {"postgres over mysql", "Postgres", "PostgreSQL"},
        {"Mdb", "Mdb", "Mdb"},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.given);
        const QString type = NormalizeDBType(QLatin1String(row.given));
        EXPECT_EQ(type, QLatin1String(row.type));
        EXPECT_EQ(DBProviderName(type), QLatin1String(row.provider));
    }
}

TEST(DBTypeNames, ComposesUnitQualifiedClassNames)
{
    EXPECT_EQ(DBClassName(QStringLiteral("Access"), DBRoles::DBHelper), QStringLiteral("UAccessDBHelper.TAccessDBHelper"));
    EXPECT_EQ(DBClassName(QStringLiteral("Access"), DBRoles::DBLogonOption),
              QStringLiteral("UAccessDBLogonOption.TAccessDBLogonOption"));
    EXPECT_EQ(DBClassName(QStringLiteral("SQL Server"), DBRoles::Writer), QStringLiteral("UMsSqlWriter.TMsSqlWriter"));
    EXPECT_EQ(DBProviderClassName(QStringLiteral("Access")), QStringLiteral("AccessUniProvider.TAccessUniProvider"));
    EXPECT_EQ(DBProviderClassName(QStringLiteral("sql server")), QStringLiteral("SQLServerUniProvider.TSQLServerUniProvider"));
}

}  // namespace
