#include "DacTestUtil.h"

#include "UUniScript.h"

TEST(UniScript, SplitsAtSemicolonsOutsideQuotesAndComments)
{
    const struct {
        const char* Text;
        QStringList Statements;
    } cases[] = {
        {"select 1; select 2", {"select 1", "select 2"}},
        {"select ';' from t;\r\nselect 2;", {"select ';' from t", "select 2"}},
        {"select [a;b] from t", {"select [a;b] from t"}},
        {"-- x;y\nselect 1", {"-- x;y\nselect 1"}},
        {"/* a; b */ select 1;", {"/* a; b */ select 1"}},
        {";;  ; -- only a comment", {}},
        {"DEFINE a=1 b=2\nselect 1;\n  DEFINE c=3\nselect 2", {"select 1", "select 2"}},
        {"", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text);
        EXPECT_EQ(TUniScript::SplitStatements(QString::fromLatin1(c.Text)), c.Statements);
    }
}

TEST(UniScript, Macros)
{
    TUniScript script;
    script.SetSQL(QStringLiteral("select * from &tab where x = '&notmacro' and y = &Val & 'z' and w = &TAB"));
    ASSERT_EQ(script.Macros().size(), 2u);
    EXPECT_EQ(script.Macros()[0].Name, QStringLiteral("tab"));
    EXPECT_EQ(script.Macros()[1].Name, QStringLiteral("Val"));
    script.MacroByName(QStringLiteral("TAB")).Value = QStringLiteral("[Orders]");
    script.MacroByName(QStringLiteral("val")).Value = QStringLiteral("5");
    EXPECT_EQ(TUniScript::ExpandMacros(script.SQL(), script.Macros()),
              QStringLiteral("select * from [Orders] where x = '&notmacro' and y = 5 & 'z' and w = [Orders]"));
    // A new text keeps the values of the macros it still has.
    script.SetSQL(QStringLiteral("delete from &tab"));
    EXPECT_EQ(script.MacroByName(QStringLiteral("tab")).Value, QStringLiteral("[Orders]"));
    EXPECT_EQ(ErrorOf([&] { script.MacroByName(QStringLiteral("val")); }), QStringLiteral("Macro 'val' not found"));
}

class UniScriptRunTest : public AccessDbTest {
protected:
    QString Script = QStringLiteral("create table t ([a] Long);\ninsert into t values (1);\n"
                                    "insert into t values ('x');\ninsert into t values (3);");
};

TEST_F(UniScriptRunTest, ErrorActions)
{
    const struct {
        const char* Name;
        int Action;  // -1: no handler; -2: handler raises
        const char* Rows;
        const char* Error;
    } cases[] = {
        {"no handler", -1, "1", "Data type mismatch in criteria expression. Field \"a\", value \"x\"."},
        {"continue", eaContinue, "1,3", ""},
        {"abort", eaAbort, "1", ""},
        {"fail", eaFail, "1", "Data type mismatch in criteria expression. Field \"a\", value \"x\"."},
        {"handler raises", -2, "1", "stopped: insert into t values ('x')"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Exec(QStringLiteral("drop table if exists t"));
        TUniScript script(&Connection);
        script.SetSQL(Script);
        QStringList seen;
        script.SetAfterExecute([&](const QString& sql, int rows, bool hasRows) {
            seen.append(QStringLiteral("%1:%2").arg(rows).arg(hasRows));
        });
        if (c.Action == -2)
            script.SetOnError([](const Exception&, const QString& sql, TErrorAction&) {
                throw Exception(QStringLiteral("stopped: ") + sql);
            });
        else if (c.Action >= 0)
            script.SetOnError([&](const Exception&, const QString&, TErrorAction& action) {
                action = static_cast<TErrorAction>(c.Action);
            });
        EXPECT_EQ(ErrorOf([&] { script.Execute(); }), QString::fromUtf8(c.Error));
        EXPECT_EQ(Rows(QStringLiteral("select a from t order by a")).join(QLatin1Char(',')), QString::fromLatin1(c.Rows));
        EXPECT_EQ(seen.mid(0, 2), (QStringList{"0:0", "1:0"}));
    }
}

TEST_F(UniScriptRunTest, RowsOfAStatementGoToTheDataSet)
{
    TUniQuery query(&Connection);
    TUniScript script(&Connection);
    script.SetDataSet(&query);
    script.SetSQL(QStringLiteral("create table t ([a] Long); insert into t values (7); select a from t"));
    script.Execute();
    ASSERT_TRUE(query.Active());
    EXPECT_EQ(query.Fields(0).AsInteger(), 7);
}
