#include "TestUtil.h"

#include "UAccessDateText.h"
#include "UAccessSqlTranslator.h"
#include "UAccessTypes.h"
#include "UException.h"

#include <gtest/gtest.h>

namespace {

QString Translated(const char* sql)
{
    TAccessSqlTranslator translator(nullptr);
    return translator.Translate(QString::fromUtf8(sql)).Statements.join(QStringLiteral(" ;; "));
}

QString ErrorOfTranslation(const char* sql)
{
    try {
        Translated(sql);
    } catch (const Exception& e) {
        return e.Message();
    }
    return QString();
}

}  // namespace

TEST(AccessDialect, TranslatesToSqlite)
{
    const struct {
        const char* Access;
        const char* Sqlite;
    } cases[] = {
        {"select * from [My Table]", "select * from \"My Table\""},
        {"select [a\"b] from t", "select \"a\"\"b\" from t"},
        {"select top 10 a from t", "select a from t LIMIT 10"},
        {"select distinct top 5 [a] from t order by a;", "select distinct \"a\" from t order by a LIMIT 5"},
        {"select * from (select top 2 a from t) x", "select * from (select a from t LIMIT 2) x"},
        {"select * from t where d = #2020-01-31#", "select * from t where d = '2020-01-31 00:00:00'"},
        {"select * from t where d < #1/31/2020 10:00 PM#", "select * from t where d < '2020-01-31 22:00:00'"},
        {"select \"it's\" & [b] from t", "select 'it''s' || \"b\" from t"},
        {"select * from t where a = :p and b = :q or c = :P", "select * from t where a = ?1 and b = ?2 or c = ?1"},
        {"select 'a:b [c] #d# &e' from t", "select 'a:b [c] #d# &e' from t"},
        {"select * from t -- [x] :y", "select * from t -- [x] :y"},
        {"select * from t where n like 'a*b?'", "select * from t where n like 'a%b_'"},
        {"update t set yn = True, n = FALSE", "update t set yn = -1, n = 0"},
        {"delete * from t where 1=1", "delete from t where 1=1"},
        {"create unique index ix on [t] ([a]) with primary", "create unique index ix on \"t\" (\"a\")"},
        {"create index ix on t (a, b)", "create index ix on t (a, b)"},
        {"drop index ix on [t]", "drop index ix"},
        {"drop table [t]", "drop table \"t\""},
        {"pragma integrity_check", "pragma integrity_check"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Access);
        EXPECT_EQ(Translated(c.Access), QString::fromUtf8(c.Sqlite));
    }
}

TEST(AccessDialect, CreateTableGetsEngineTypesAndChecks)
{
    const QString sql = Translated("create table [T] ([id] Counter, [n] text(10) not null, [yn] YESNO,"
                                   " CONSTRAINT pk_T PRIMARY KEY([id]))");
    EXPECT_TRUE(sql.startsWith(QStringLiteral("create table \"T\" (\"id\" INTEGER CONSTRAINT \"pk_T\" PRIMARY KEY AUTOINCREMENT, "
                                              "\"n\" VARCHAR(10) not null CONSTRAINT \"ck$type$n\" CHECK(")))
        << sql.toStdString();
    EXPECT_TRUE(sql.contains(QStringLiteral("CONSTRAINT \"ck$length$n\" CHECK(length(\"n\")<=10)")));
    EXPECT_TRUE(sql.contains(QStringLiteral("\"yn\" BIT CONSTRAINT \"ck$type$yn\" CHECK(\"yn\" IN (-1,0)))"))) << sql.toStdString();
    EXPECT_FALSE(sql.contains(QStringLiteral("PRIMARY KEY(\"id\")")));

    // A counter beside another key is numbered by a trigger.
    const QString other = Translated("create table u ([n] Counter, [k] Text(5), CONSTRAINT pk PRIMARY KEY([k]))");
    EXPECT_TRUE(other.contains(QStringLiteral("\"n\" COUNTER CONSTRAINT")));
    EXPECT_TRUE(other.contains(QStringLiteral(" ;; CREATE TRIGGER \"u$counter$n\" AFTER INSERT ON \"u\"")));
}

TEST(AccessDialect, RefusedStatements)
{
    const struct {
        const char* Sql;
        const char* Error;
    } cases[] = {
        {"truncate table t", "Invalid SQL statement; expected 'DELETE', 'INSERT', 'PROCEDURE', 'SELECT', or 'UPDATE'."},
        {"  ;", "Invalid SQL statement; expected 'DELETE', 'INSERT', 'PROCEDURE', 'SELECT', or 'UPDATE'."},
        {"select top 10 percent * from t", "TOP 10 PERCENT is not supported by this database engine."},
        {"select 'abc from t", "Syntax error in string in query expression ''abc from t'."},
        {"select #2020-13-45# from t", "Syntax error in date in query expression '#2020-13-45#'."},
        {"select [abc from t", "Invalid bracketing of name '[abc from t'."},
        {"create table t ([a] Text(0))", "Syntax error in field definition. Unknown type \"Text(0)\" of field \"a\"."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Sql);
        EXPECT_EQ(ErrorOfTranslation(c.Sql), QString::fromUtf8(c.Error));
    }
}

TEST(AccessDialect, ParameterNames)
{
    EXPECT_EQ(TAccessSqlTranslator::ParamNames(QStringLiteral("insert into t values (:a, :b, :A)")), (QStringList{"a", "b"}));
    EXPECT_EQ(TAccessSqlTranslator::ParamNames(QStringLiteral("select ':x', [:y] from t -- :z")), QStringList());
    // An unterminated text does not stop the parameter scan of a statement being typed.
    EXPECT_EQ(TAccessSqlTranslator::ParamNames(QStringLiteral("select :p_Order_Date_0, 'abc")), (QStringList{"p_Order_Date_0"}));
}

TEST(AccessDialect, DeclaredTypesReadBack)
{
    const struct {
        const char* Ddl;
        const char* Declared;
    } cases[] = {
        {"Text(50)", "VARCHAR(50)"}, {"varchar", "VARCHAR(255)"}, {"MEMO", "LONGCHAR"}, {"Long", "INT"},
        {"Numeric(8,3)", "DECIMAL(8,3)"}, {"decimal", "DECIMAL(18,0)"}, {"Float", "DOUBLE"}, {"Money", "CURRENCY"},
        {"TimeStamp", "DATETIME"}, {"Yes/No", nullptr}, {"YESNO", "BIT"}, {"OLE Object", "LONGBINARY"},
        {"AutoNumber", "COUNTER"}, {"Text(255)", "VARCHAR(255)"}, {"Text(256)", nullptr}, {"Decimal(29,0)", nullptr},
        {"Long(5)", nullptr}, {"Blob", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Ddl);
        TAccessColumnType t;
        const bool ok = TAccessColumnType::TryParse(QString::fromLatin1(c.Ddl), t);
        EXPECT_EQ(ok, c.Declared != nullptr);
        if (ok) {
            EXPECT_EQ(t.DeclaredType(), QString::fromLatin1(c.Declared));
            // What the file keeps reads back as the same kind.
            const TAccessColumnType back = TAccessColumnType::FromDeclared(t.DeclaredType());
            EXPECT_EQ(back.DeclaredType(), t.DeclaredType());
        }
    }
    // Columns that other SQLite tools wrote are read by affinity.
    EXPECT_EQ(TAccessColumnType::FromDeclared(QStringLiteral("BIGINT")).TypeName(), QStringLiteral("INTEGER"));
    EXPECT_EQ(TAccessColumnType::FromDeclared(QStringLiteral("nvarchar(max)")).TypeName(), QStringLiteral("LONGCHAR"));
    EXPECT_EQ(TAccessColumnType::FromDeclared(QStringLiteral("blob")).TypeName(), QStringLiteral("LONGBINARY"));
}

TEST(AccessDateText, ReadsTheFormsOfTheDateParser)
{
    const struct {
        const char* Text;
        const char* Stored;  // nullptr: refused
    } cases[] = {
        {"2020-01-31", "2020-01-31 00:00:00"},
        {"2020-01-31 10:15:00", "2020-01-31 10:15:00"},
        {"2020-01-31T10:15:00", "2020-01-31 10:15:00"},
        {"2020/1/5 7:05", "2020-01-05 07:05:00"},
        {"01/31/2020", "2020-01-31 00:00:00"},
        {"31/01/2020", "2020-01-31 00:00:00"},
        {"02/03/2020", "2020-02-03 00:00:00"},
        {"20-01-31", "2020-01-31 00:00:00"},
        {"99-12-31", "1999-12-31 00:00:00"},
        {"31.01.2020 10:15:00", "2020-01-31 10:15:00"},
        {"31 jan 2020 10:15:00", "2020-01-31 10:15:00"},
        {"Jan 31 2020", "2020-01-31 00:00:00"},
        {"20 jan 31", "2020-01-31 00:00:00"},
        {"Fri, 31 Jan 2020 10:15:00", "2020-01-31 10:15:00"},
        {"10:15:00 PM", "1899-12-30 22:15:00"},
        {"12:00 AM", "1899-12-30 00:00:00"},
        {"2020-01-31 10:15:00.123456", "2020-01-31 10:15:00"},
        {"2020-02-29", "2020-02-29 00:00:00"},
        {"2019-02-29", nullptr},
        {"13/13/2020", nullptr},
        {"2020-01-31 25:00", nullptr},
        {"13:00 PM", nullptr},
        {"", nullptr},
        {"abc", nullptr},
        {"0099-01-01", nullptr},
        {"12345", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text);
        QString stored;
        const bool ok = TryParseAccessDateText(QString::fromLatin1(c.Text), stored);
        EXPECT_EQ(ok, c.Stored != nullptr);
        if (ok) {
            EXPECT_EQ(stored, QString::fromLatin1(c.Stored));
        }
    }
    QString stored;
    ASSERT_TRUE(TryAccessDateFromSerial(43861.5, stored));
    EXPECT_EQ(stored, QStringLiteral("2020-01-31 12:00:00"));
    ASSERT_TRUE(TryAccessDateFromSerial(0, stored));
    EXPECT_EQ(stored, QStringLiteral("1899-12-30 00:00:00"));
}
