#include "TestUtil.h"
#include "UAccessTableCreator.h"
#include "UAppSettings.h"
#include "UTableInfo.h"

#include <gtest/gtest.h>

namespace {

const QString CRLF = QStringLiteral("\r\n");

struct TNameRow {
    const char* label;
    QString input;
    QString cleaned;
};

TEST(AccessTableCreator, CleansTableAndFieldNames)
{
    TAccessTableCreator creator;
    const QString long70 = QString(70, QLatin1Char('x'));
    const TNameRow fieldRows[] = {
        {"blank", QStringLiteral("Order Date"), QStringLiteral("Order_Date")},
        {"trimmed first", QStringLiteral("  id  "), QStringLiteral("id")},
        {"quotes removed", QStringLiteral("\"[name]\""), QStringLiteral("name")},
        {"removed chars", QStringLiteral("(a)'#$b"), QStringLiteral("ab")},
        {"replaced chars", QStringLiteral("a\tb|c/d.e,f;g:h-i+j"), QStringLiteral("a_b_c_d_e_f_g_h_i_j")},
        {"br with slash keeps its brackets", QStringLiteral("a<br/>b"), QStringLiteral("a<br_>b")},
        {"br", QStringLiteral("a<br>b"), QStringLiteral("a_b")},
        {"wide brackets", QStringLiteral("x\uFF08y\uFF09"), QStringLiteral("x_y_")},
        {"cut to 64", long70, QString(64, QLatin1Char('x'))},
    };
    for (const TNameRow& row : fieldRows) {
        SCOPED_TRACE(row.label);
        EXPECT_EQ(creator.CleanFieldName(row.input), row.cleaned);
    }
    EXPECT_EQ(creator.CleanTableName(QStringLiteral("my-table")), QStringLiteral("my_table"));
    EXPECT_EQ(creator.CleanTableName(long70), long70);  // tables may have 255 characters
    EXPECT_EQ(creator.CleanTableName(QString(300, QLatin1Char('t'))).size(), 255);
}

TEST(AccessTableCreator, ChecksTypedNames)
{
    TAccessTableCreator creator;
    struct TRow {
        const char* label;
        QString (TTableCreator::*check)(const QString&);
        QString name;
        QString message;
    };
    const TRow rows[] = {
        {"plain field", &TTableCreator::CheckFieldName, QStringLiteral("Order_Date"), QString()},
        {"field with a blank", &TTableCreator::CheckFieldName, QStringLiteral("Order Date"),
         QStringLiteral("Field Name can not contain char \"    \".")},
        {"table with a hyphen", &TTableCreator::CheckTableName, QStringLiteral("my-table"),
         QStringLiteral("Table Name can not contain char \" -  \".")},
        {"removed chars listed before replaced ones", &TTableCreator::CheckIndexName, QStringLiteral("a b(c)"),
         QStringLiteral("Index Name can not contain char \" ( )    \".")},
        {"quotes are not checked", &TTableCreator::CheckFieldName, QStringLiteral("[x]"), QString()},
        {"70-character field", &TTableCreator::CheckFieldName, QString(70, QLatin1Char('f')),
         QStringLiteral("Field Name length can not > 64.")},
        {"70-character index", &TTableCreator::CheckIndexName, QString(70, QLatin1Char('f')),
         QStringLiteral("Index Name length can not > 64.")},
        {"70-character table", &TTableCreator::CheckTableName, QString(70, QLatin1Char('f')), QString()},
        {"256-character table", &TTableCreator::CheckTableName, QString(256, QLatin1Char('f')),
         QStringLiteral("Table Name length can not > 255.")},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.label);
        EXPECT_EQ((creator.*row.check)(row.name), row.message);
    }
}

TTableInfo Table(const QString& name, const QStringList& fieldsAndTypes)
{
    TTableInfo info;
    info.TableName = name;
    for (const QString& entry : fieldsAndTypes) {
        const QString field = entry.section(QLatin1Char('='), 0, 0);
        info.FieldNames.Add(field);
        info.FieldTypes.SetValue(field, entry.section(QLatin1Char('='), 1));
    }
    return info;
}

TEST(AccessTableCreator, BuildsTheOrdersTableLineByLine)
{
    TAccessTableCreator creator;
    TTableInfo info = Table(QStringLiteral("Orders"), {QStringLiteral("id=Integer"), QStringLiteral("name=Text(255)")});
    info.PrimaryKeys.SetValue(QStringLiteral("id"), QStringLiteral("-1"));
    creator.SetTableInfo(&info);
    creator.BuildStatements();
    const QStringList expected{
        QStringLiteral("create table [Orders] ("),
        QStringLiteral("[id] Integer not null ,"),
        QStringLiteral("[name] Text(255),"),
        QStringLiteral("CONSTRAINT pk_Orders PRIMARY KEY([id])"),
        QStringLiteral(")"),
    };
    EXPECT_EQ(creator.SQL().split(CRLF), expected);
    EXPECT_TRUE(creator.ExtraStatements().IsEmpty());
    EXPECT_EQ(creator.GetStatementsText(), creator.SQL() + CRLF);
}

TEST(AccessTableCreator, BuildsStatements)
{
    struct TRow {
        const char* label;
        QString table;
        QStringList fields;       // name=type
        QStringList keys;
        QStringList indexes;      // name=columns
        QStringList indexTypes;   // name=type
        QStringList lines;
        QStringList extra;
    };
    const TRow rows[] = {
        {"no key: the last column has no comma", QStringLiteral("T"),
         {QStringLiteral("a=Integer"), QStringLiteral("b=Memo")}, {}, {}, {},
         {QStringLiteral("create table [T] ("), QStringLiteral("[a] Integer,"), QStringLiteral("[b] Memo"),
          QStringLiteral(")")},
         {}},
        {"empty type takes the default, Access names translated", QStringLiteral("T"),
         {QStringLiteral("a="), QStringLiteral("b=AutoNumber"), QStringLiteral("c=Date/Time"),
          QStringLiteral("d=Yes/No"), QStringLiteral("e=OLE Object")},
         {}, {}, {},
         {QStringLiteral("create table [T] ("), QStringLiteral("[a] Text(255),"), QStringLiteral("[b] Counter,"),
          QStringLiteral("[c] DateTime,"), QStringLiteral("[d] YESNO,"), QStringLiteral("[e] LONGBINARY"),
          QStringLiteral(")")},
         {}},
        {"duplicate names get a counter", QStringLiteral("T"),
         {QStringLiteral("a=Integer"), QStringLiteral("A=Integer"), QStringLiteral("a=Integer")}, {}, {}, {},
         {QStringLiteral("create table [T] ("), QStringLiteral("[a] Integer,"), QStringLiteral("[A_2] Text(255),"),
          QStringLiteral("[a_3] Text(255)"), QStringLiteral(")")},
         {}},
        {"proposed table name my_table names its key pk_my_table", QStringLiteral("my_table"),
         {QStringLiteral("k=Integer"), QStringLiteral("j=Integer")}, {QStringLiteral("k"), QStringLiteral("j")}, {}, {},
         {QStringLiteral("create table [my_table] ("), QStringLiteral("[k] Integer not null ,"),
          QStringLiteral("[j] Integer not null ,"), QStringLiteral("CONSTRAINT pk_my_table PRIMARY KEY([k],[j])"),
          QStringLiteral(")")},
         {}},
        {"key name without blanks and hyphens", QStringLiteral("my orders-2"), {QStringLiteral("k=Integer")},
         {QStringLiteral("k")}, {}, {},
         {QStringLiteral("create table [my orders-2] ("), QStringLiteral("[k] Integer not null ,"),
          QStringLiteral("CONSTRAINT pk_myorders_2 PRIMARY KEY([k])"), QStringLiteral(")")},
         {}},
        {"single-column unique index makes its column not null; an index on the key is skipped",
         QStringLiteral("T"), {QStringLiteral("id=Integer"), QStringLiteral("code=Text(20)"), QStringLiteral("x=Integer")},
         {QStringLiteral("id")},
         {QStringLiteral("ux code=code"), QStringLiteral("ix_id=id"), QStringLiteral("ix.both=code,x")},
         {QStringLiteral("ux code=UNIQUE"), QStringLiteral("ix_id=UNIQUE"), QStringLiteral("ix.both=NON_UNIQUE")},
         {QStringLiteral("create table [T] ("), QStringLiteral("[id] Integer not null ,"),
          QStringLiteral("[code] Text(20) not null ,"), QStringLiteral("[x] Integer,"),
          QStringLiteral("CONSTRAINT pk_T PRIMARY KEY([id])"), QStringLiteral(")")},
         {QStringLiteral("create unique index uxcode on [T] ([code])"),
          QStringLiteral("create index ix_both on [T] ([code],[x])")}},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.label);
        TAccessTableCreator creator;
        TTableInfo info = Table(row.table, row.fields);
        for (const QString& key : row.keys)
            info.PrimaryKeys.SetValue(key, QStringLiteral("-1"));
        info.IndexColumns = TStringList(row.indexes);
        info.IndexTypes = TStringList(row.indexTypes);
        creator.SetTableInfo(&info);
        creator.BuildStatements();
        EXPECT_EQ(creator.SQL().split(CRLF), row.lines);
        EXPECT_EQ(creator.ExtraStatements().List(), row.extra);
    }
}

TEST(AccessTableCreator, ColumnNamesAtTheLimitAreCutBeforeTheCounter)
{
    TAccessTableCreator creator;
    const QString name64 = QString(64, QLatin1Char('n'));
    TTableInfo info = Table(QStringLiteral("T"), {name64 + QStringLiteral("=Integer"),
                                                  name64 + QStringLiteral("xyz=Integer")});
    creator.SetTableInfo(&info);
    creator.BuildStatements();
    EXPECT_EQ(creator.UniqueFieldNames().List(), (QStringList{name64, QString(62, QLatin1Char('n')) + QStringLiteral("_2")}));
}

TEST(AccessTableCreator, CollidingIndexNamesGetANumber)
{
    TAccessTableCreator creator;
    TTableInfo info = Table(QStringLiteral("T"), {QStringLiteral("a=Integer"), QStringLiteral("b=Integer")});
    info.IndexColumns = TStringList(QStringList{QStringLiteral("ix ab=a"), QStringLiteral("ixab=b")});
    creator.SetTableInfo(&info);
    creator.BuildStatements();
    ASSERT_EQ(creator.ExtraStatements().Count(), 2);
    EXPECT_EQ(creator.ExtraStatements()[0], QStringLiteral("create index ixab on [T] ([a])"));
    EXPECT_TRUE(creator.ExtraStatements()[1].contains(QRegularExpression(QStringLiteral("^create index i_\\d{1,2} on \\[T\\] \\(\\[b\\]\\)$"))))
        << creator.ExtraStatements()[1].toStdString();
}

TEST(AccessTableCreator, OffersAccessTypesAndTheUserDefault)
{
    {
        TAccessTableCreator creator;
        EXPECT_EQ(creator.DefaultFieldType(), QStringLiteral("Text(255)"));
        EXPECT_EQ(creator.PlainTextTypes().List(), (QStringList{QStringLiteral("text(255)"), QStringLiteral("memo")}));
        EXPECT_EQ(creator.FieldTypeList().Count(), 12);
        EXPECT_GE(creator.NonKeyTypes().IndexOf(QStringLiteral("memo")), 0);
        EXPECT_FALSE(creator.SupportsDefaultValue());
        EXPECT_FALSE(creator.SupportsAutoIncrement());
    }
    SetDefaultFieldType(QStringLiteral("memo"));
    TAccessTableCreator creator;
    SetDefaultFieldType(QString());
    EXPECT_EQ(creator.DefaultFieldType(), QStringLiteral("memo"));
    EXPECT_EQ(creator.PlainTextTypes().List(), (QStringList{QStringLiteral("text(255)"), QStringLiteral("memo")}));
}

}  // namespace
