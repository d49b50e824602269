#include "TestUtil.h"
#include "UAccessDBHelper.h"
#include "UException.h"
#include "UStringList.h"

#include <gtest/gtest.h>

namespace {


TEST(AccessDBHelper, QuotesNamesUnlessTheyHoldABracket)
{
    TAccessDBHelper helper;
    struct TRow { QString name; QString quoted; };
    const TRow rows[] = {
        {QStringLiteral("My Table"), QStringLiteral("[My Table]")},
        {QStringLiteral("[x]"), QStringLiteral("[x]")},
        {QStringLiteral("a[b"), QStringLiteral("a[b")},
        {QStringLiteral("a]b"), QStringLiteral("[a]b]")},
        {QString(), QStringLiteral("[]")},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.name.toStdString());
        EXPECT_EQ(helper.QuoteName(row.name), row.quoted);
        EXPECT_EQ(helper.QuoteFieldName(row.name), row.quoted);
        EXPECT_EQ(helper.QuoteParameterName(row.name), row.quoted);
    }
    EXPECT_EQ(helper.QualifiedName(QStringLiteral("  "), QStringLiteral(" Orders ")), QStringLiteral("[Orders]"));
    EXPECT_EQ(helper.QualifiedName(QStringLiteral("dbo"), QStringLiteral("Orders")), QStringLiteral("[dbo].[Orders]"));
    EXPECT_EQ(helper.QuoteNameList({QStringLiteral("a"), QStringLiteral("b c"), QStringLiteral("[d]")}),
              QStringLiteral("[a],[b c],[d]"));
}

TEST(AccessDBHelper, LimitsRowsAfterTheFirstLowerCaseSelect)
{
    TAccessDBHelper helper;
    struct TRow { QString sql; int count; QString limited; };
    const TRow rows[] = {
        {QStringLiteral("select a from t"), 10, QStringLiteral("select top 10 a from t")},
        {QStringLiteral("select * from (select a from t)"), 5, QStringLiteral("select top 5 * from (select a from t)")},
        {QStringLiteral("SELECT a from (select b from t)"), 3, QStringLiteral("select top 3 b from t)")},
        {QStringLiteral("delete from t"), 7, QStringLiteral("select top 7")},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.sql.toStdString());
        EXPECT_EQ(helper.LimitRows(row.sql, row.count), row.limited);
    }
    EXPECT_EQ(TDBHelper().LimitRows(QStringLiteral("select a from t"), 10), QStringLiteral("select a from t"));
}

TEST(AccessDBHelper, AnswersTheDialectSlots)
{
    TAccessDBHelper access;
    TDBHelper base;
    EXPECT_EQ(access.EscapeText(QStringLiteral("O'Neil")), QStringLiteral("O''Neil"));
    EXPECT_EQ(access.EscapeText(QStringLiteral("''")), QStringLiteral("''''"));
    EXPECT_TRUE(access.UsesTransactions());
    EXPECT_EQ(access.CommitInterval(), 1000);
    EXPECT_EQ(access.ParameterExpression(QStringLiteral("P1"), QStringLiteral("datetime")), QStringLiteral(":P1"));
    EXPECT_EQ(access.LobParameterExpression(QStringLiteral("P2"), QStringLiteral("memo")), QStringLiteral(":P2"));
    EXPECT_EQ(access.EmptyValueText(), QString());
    EXPECT_FALSE(access.NeedsStringToDateFunction());
    EXPECT_EQ(access.GetStringToDateFunction(QStringLiteral("v"), QStringLiteral("f")), QString());
    EXPECT_EQ(access.ConnectionTestSQL(), QString());
    EXPECT_EQ(access.BinaryTypeName(), QStringLiteral("OLE Object"));
    EXPECT_EQ(access.LongTextTypeName(), QStringLiteral("Memo"));
    EXPECT_EQ(base.BinaryTypeName(), QStringLiteral("BLOB"));
    EXPECT_EQ(base.LongTextTypeName(), QStringLiteral("CLOB"));
    EXPECT_FALSE(access.PrefersBulkLoader());
    EXPECT_EQ(access.BatchRowCount(), 0);
    EXPECT_EQ(access.ValuesArrayRowCount(), 0);
    EXPECT_EQ(access.LoaderRowCount(), 0);
    EXPECT_TRUE(access.CanCountRecords(nullptr, QStringLiteral("t")));
    TStringList types({QStringLiteral("a=text(255)")});
    access.AdjustFieldTypes(types);
    EXPECT_EQ(types.Text(), QStringLiteral("a=text(255)\r\n"));
    EXPECT_EQ(ErrorOf([&] { access.UpsertStatement(QStringLiteral("[t]"), {}, {}, QStringLiteral("id")); }),
              QStringLiteral("Abstract Error"));
}

// A dialect that asks for a conversion function but does not provide one.
class TNeedsDateFunctionHelper : public TDBHelper {
    AMBERTIDE_CLASS(TNeedsDateFunctionHelper)
public:
    bool NeedsStringToDateFunction() const override { return true; }
};

TEST(DBHelper, StringToDateFunctionMustBeProvidedWhenNeeded)
{
    EXPECT_EQ(ErrorOf([] { TNeedsDateFunctionHelper().GetStringToDateFunction(QStringLiteral("v"), QStringLiteral("f")); }),
              QStringLiteral("Class: TNeedsDateFunctionHelper Should implement GetStringToDateFunction"));
}

}  // namespace
