#include "DacTestUtil.h"

#include "UException.h"
#include "UUniMetaData.h"

#include <QDateTime>

// ---------------------------------------------------------------- types and metadata

TEST_F(AccessDbTest, ColumnTypesAreReportedWithTheirAccessNames)
{
    Exec(QStringLiteral(
        "create table [All Types] ([t] Text(50), [t2] TEXT, [c] char(10), [v] VarChar(20), [m] Memo, [lt] longtext,"
        " [b] Byte, [s] Short, [si] smallint, [l] Long, [i] Integer, [i2] INT, [sg] Single, [r] real,"
        " [d] Double, [f] Float, [n] Number, [cu] Currency, [mo] money, [de] Decimal(10,2), [nu] numeric(8,3),"
        " [dt] DateTime, [da] date, [ti] Time, [ts] TimeStamp, [yn] YesNo, [bi] bit, [lb] LongBinary,"
        " [ole] OLE Object, [bin] Binary)"));
    struct Row {
        const char* Column;
        const char* Type;
        int Length;
        TFieldType Field;
    };
    const Row rows[] = {
        {"t", "VARCHAR", 50, ftString}, {"t2", "VARCHAR", 255, ftString}, {"c", "VARCHAR", 10, ftString},
        {"v", "VARCHAR", 20, ftString}, {"m", "LONGCHAR", 1073741823, ftMemo}, {"lt", "LONGCHAR", 1073741823, ftMemo},
        {"b", "BYTE", 3, ftSmallint}, {"s", "SMALLINT", 5, ftSmallint}, {"si", "SMALLINT", 5, ftSmallint},
        {"l", "INTEGER", 10, ftInteger}, {"i", "INTEGER", 10, ftInteger}, {"i2", "INTEGER", 10, ftInteger},
        {"sg", "REAL", 24, ftFloat}, {"r", "REAL", 24, ftFloat}, {"d", "DOUBLE", 53, ftFloat},
        {"f", "DOUBLE", 53, ftFloat}, {"n", "DOUBLE", 53, ftFloat}, {"cu", "CURRENCY", 19, ftCurrency},
        {"mo", "CURRENCY", 19, ftCurrency}, {"de", "DECIMAL", 10, ftBCD}, {"nu", "DECIMAL", 8, ftBCD},
        {"dt", "DATETIME", 19, ftDateTime}, {"da", "DATETIME", 19, ftDateTime}, {"ti", "DATETIME", 19, ftDateTime},
        {"ts", "DATETIME", 19, ftDateTime}, {"yn", "BIT", 1, ftBoolean}, {"bi", "BIT", 1, ftBoolean},
        {"lb", "LONGBINARY", 1073741823, ftBlob}, {"ole", "LONGBINARY", 1073741823, ftBlob},
        {"bin", "LONGBINARY", 1073741823, ftBlob},
    };
    TUniMetaData md(&Connection);
    md.SetMetaDataKind(QStringLiteral("Columns"));
    md.Restrictions().SetValue(QStringLiteral("TABLE_NAME"), QStringLiteral("all types"));
    md.Open();
    TUniQuery q(&Connection);
    q.SetSQL(QStringLiteral("select * from [All Types]"));
    q.Open();
    ASSERT_EQ(q.FieldCount(), static_cast<int>(std::size(rows)));
    int i = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Column);
        ASSERT_FALSE(md.Eof());
        EXPECT_EQ(md.FieldByName(QStringLiteral("COLUMN_NAME")).AsString(), QString::fromLatin1(row.Column));
        EXPECT_EQ(md.FieldByName(QStringLiteral("DATA_TYPE")).AsString(), QString::fromLatin1(row.Type));
        EXPECT_EQ(md.FieldByName(QStringLiteral("DATA_LENGTH")).AsInteger(), row.Length);
        EXPECT_EQ(md.FieldByName(QStringLiteral("COLUMN_POSITION")).AsInteger(), i + 1);
        EXPECT_EQ(q.Fields(i).DataType(), row.Field);
        md.Next();
        ++i;
    }
    EXPECT_TRUE(md.Eof());
}

TEST_F(AccessDbTest, DecimalAndNullabilityInMetadata)
{
    Exec(QStringLiteral("create table t ([id] Integer not null, [p] Decimal(10,2), [c] Currency, [d] Text(5) default 'x')"));
    TUniMetaData md(&Connection);
    md.SetMetaDataKind(QStringLiteral("Columns"));
    md.Restrictions().SetValue(QStringLiteral("TABLE_SCHEMA"), QString());
    md.Restrictions().SetValue(QStringLiteral("TABLE_NAME"), QStringLiteral("t"));
    md.Open();
    QStringList got;
    for (; !md.Eof(); md.Next())
        got.append(QStringList{md.FieldByName(QStringLiteral("COLUMN_NAME")).AsString(),
                               md.FieldByName(QStringLiteral("DATA_PRECISION")).AsString(),
                               md.FieldByName(QStringLiteral("DATA_SCALE")).AsString(),
                               md.FieldByName(QStringLiteral("NULLABLE")).AsString(),
                               md.FieldByName(QStringLiteral("DEFAULT_VALUE")).AsString()}
                       .join(QLatin1Char('|')));
    EXPECT_EQ(got, (QStringList{"id|||0|", "p|10|2|1|", "c|19|4|1|", "d|||1|'x'"}));
}

TEST_F(AccessDbTest, UnicodeOptionGivesWideFieldKinds)
{
    Exec(QStringLiteral("create table t ([a] Text(10), [m] Memo)"));
    Connection.SetSpecificOption(QStringLiteral("UseUnicode"), QStringLiteral("True"));
    TUniQuery q(&Connection);
    q.SetSQL(QStringLiteral("select a, m, count(*) as n, 1.5 as x from t"));
    q.Open();
    EXPECT_EQ(q.Fields(0).DataType(), ftWideString);
    EXPECT_EQ(q.Fields(1).DataType(), ftWideMemo);
    EXPECT_EQ(q.Fields(2).DataType(), ftInteger);
    EXPECT_EQ(q.Fields(3).DataType(), ftFloat);
}

TEST_F(AccessDbTest, TablesIndexesAndKeys)
{
    Exec(QStringLiteral("create table [Orders] (\r\n[id] Integer not null ,\r\n[name] Text(255),\r\n[code] Text(10) not null ,\r\n"
                        "CONSTRAINT pk_Orders PRIMARY KEY([id])\r\n)"));
    Exec(QStringLiteral("create unique index ix_code on [Orders] ([code])"));
    Exec(QStringLiteral("create index ix_name_code on [Orders] ([name],[code])"));
    Exec(QStringLiteral("create table [Two Keys] ([a] Text(5), [b] Long, CONSTRAINT pk2 PRIMARY KEY([a],[b]))"));
    Exec(QStringLiteral("create view [Order Names] as select name from Orders"));

    TUniMetaData md(&Connection);
    auto read = [&](const QString& kind, const QString& table, const QStringList& fields, const QString& type = QString()) {
        md.Close();
        md.Restrictions().Clear();
        md.SetMetaDataKind(kind);
        md.Restrictions().SetValue(QStringLiteral("TABLE_CATALOG"), Path);
        md.Restrictions().SetValue(QStringLiteral("TABLE_NAME"), table);
        md.Restrictions().SetValue(QStringLiteral("TABLE_TYPE"), type);
        md.Open();
        QStringList rows;
        for (; !md.Eof(); md.Next()) {
            QStringList values;
            for (const QString& f : fields)
                values.append(md.FieldByName(f).AsString());
            rows.append(values.join(QLatin1Char('|')));
        }
        return rows;
    };
    const QStringList name{QStringLiteral("TABLE_NAME")};
    EXPECT_EQ(read(QStringLiteral("Tables"), QString(), name, QStringLiteral("TABLE")), (QStringList{"Orders", "Two Keys"}));
    EXPECT_EQ(read(QStringLiteral("Tables"), QString(), name, QStringLiteral("VIEW")), (QStringList{"Order Names"}));
    EXPECT_EQ(read(QStringLiteral("Indexes"), QStringLiteral("Orders"), {"INDEX_NAME", "UNIQUE", "PRIMARY_KEY"}),
              (QStringList{"pk_Orders|1|1", "ix_name_code|0|0", "ix_code|1|0"}));
    EXPECT_EQ(read(QStringLiteral("IndexColumns"), QStringLiteral("orders"), {"INDEX_NAME", "COLUMN_NAME", "COLUMN_POSITION"}),
              (QStringList{"pk_Orders|id|1", "ix_name_code|name|1", "ix_name_code|code|2", "ix_code|code|1"}));
    EXPECT_EQ(read(QStringLiteral("SpecialColumns"), QStringLiteral("Two Keys"), {"COLUMN_NAME", "COLUMN_POSITION"}),
              (QStringList{"a|1", "b|2"}));
    EXPECT_EQ(read(QStringLiteral("Indexes"), QStringLiteral("Two Keys"), {"INDEX_NAME", "UNIQUE"}), (QStringList{"pk2|1"}));
    EXPECT_EQ(read(QStringLiteral("Columns"), QStringLiteral("Missing"), name), QStringList());

    md.Close();
    md.SetMetaDataKind(QStringLiteral("Procedures"));
    EXPECT_EQ(ErrorOf([&] { md.Open(); }), QStringLiteral("Unknown metadata kind: Procedures"));
}

TEST_F(AccessDbTest, CounterNumbersRowsAndIsReportedAsCounter)
{
    Exec(QStringLiteral("create table t ([id] Counter, [name] Text(10), CONSTRAINT pk_t PRIMARY KEY([id]))"));
    Exec(QStringLiteral("create table u ([n] AutoNumber, [k] Text(5), CONSTRAINT pk_u PRIMARY KEY([k]))"));
    Exec(QStringLiteral("insert into t ([name]) values ('a')"));
    Exec(QStringLiteral("insert into t ([name]) values ('b')"));
    Exec(QStringLiteral("insert into u ([k]) values ('x')"));
    Exec(QStringLiteral("insert into u ([k]) values ('y')"));
    EXPECT_EQ(Rows(QStringLiteral("select id, name from t order by id")), (QStringList{"1|a", "2|b"}));
    EXPECT_EQ(Rows(QStringLiteral("select n, k from u order by k")), (QStringList{"1|x", "2|y"}));
    TUniMetaData md(&Connection);
    md.SetMetaDataKind(QStringLiteral("Columns"));
    md.Restrictions().SetValue(QStringLiteral("TABLE_NAME"), QStringLiteral("t"));
    md.Open();
    EXPECT_EQ(md.FieldByName(QStringLiteral("DATA_TYPE")).AsString(), QStringLiteral("COUNTER"));
    TUniQuery q(&Connection);
    q.SetSQL(QStringLiteral("select * from u"));
    q.Open();
    EXPECT_EQ(q.Fields(0).DataType(), ftAutoInc);
    md.Close();
    md.SetMetaDataKind(QStringLiteral("Indexes"));
    md.Open();
    EXPECT_EQ(md.FieldByName(QStringLiteral("INDEX_NAME")).AsString(), QStringLiteral("pk_t"));
}

TEST_F(AccessDbTest, UnknownColumnTypeIsRefused)
{
    const QString error = ErrorOf([&] { Exec(QStringLiteral("create table t ([a] Widget)")); });
    EXPECT_TRUE(error.startsWith(QStringLiteral("Syntax error in field definition."))) << error.toStdString();
    EXPECT_TRUE(error.contains(QStringLiteral("Widget")));
    EXPECT_EQ(ErrorOf([&] { Exec(QStringLiteral("create table t ([a] Text(256))")); }).left(32),
              QStringLiteral("Syntax error in field definition"));
}

// ---------------------------------------------------------------- value checks

struct TValueCase {
    const char* Name;
    const char* Column;  // column of table v
    QVariant Value;
    const char* Stored;  // what select gives back as text; nullptr when refused
    const char* Error;   // start of the refusal text
};

class AccessValueTest : public AccessDbTest, public ::testing::WithParamInterface<TValueCase> {
protected:
    void SetUp() override
    {
        AccessDbTest::SetUp();
        Exec(QStringLiteral("create table v ([t] Text(5), [m] Memo, [b] Byte, [s] Short, [l] Long, [sg] Single,"
                            " [d] Double, [cu] Currency, [de] Decimal(5,2), [dt] DateTime, [yn] YesNo, [lb] LongBinary)"));
    }
};

const TValueCase KValueCases[] = {
    {"text fits", "t", QStringLiteral("abcde"), "abcde", nullptr},
    {"text too long", "t", QStringLiteral("abcdef"), nullptr, "The field is too small to accept"},
    {"number into text", "t", 12, "12", nullptr},
    {"memo keeps leading zeros", "m", QStringLiteral("00123"), "00123", nullptr},
    {"integer text", "l", QStringLiteral("123"), "123", nullptr},
    {"text into long", "l", QStringLiteral("abc"), nullptr, "Data type mismatch in criteria expression."},
    {"empty text into long", "l", QStringLiteral(""), nullptr, "Data type mismatch"},
    {"2^31 into long", "l", QVariant(qint64(2147483648LL)), nullptr, "Numeric value out of range"},
    {"2^31-1 into long", "l", QVariant(qint64(2147483647LL)), "2147483647", nullptr},
    {"long digits as text", "l", QStringLiteral("12345678901"), nullptr, "Numeric value out of range"},
    {"fraction rounds to even", "l", 2.5, "2", nullptr},
    {"byte 255", "b", 255, "255", nullptr},
    {"byte 256", "b", 256, nullptr, "Numeric value out of range"},
    {"byte -1", "b", -1, nullptr, "Numeric value out of range"},
    {"short 32768", "s", 32768, nullptr, "Numeric value out of range"},
    {"single too big", "sg", 1e39, nullptr, "Numeric value out of range"},
    {"double text", "d", QStringLiteral("1.25"), "1.25", nullptr},
    {"text into double", "d", QStringLiteral("1,25"), nullptr, "Data type mismatch"},
    {"currency rounds to 4 places", "cu", 1.234567, "1.2346", nullptr},
    {"decimal rounds to its scale", "de", 1.236, "1.24", nullptr},
    {"decimal too many digits", "de", 1000.0, nullptr, "Numeric value out of range"},
    {"date text", "dt", QStringLiteral("2020-01-31 10:15:00"), "2020-01-31 10:15:00", nullptr},
    {"date only", "dt", QStringLiteral("2020-01-31"), "2020-01-31 00:00:00", nullptr},
    {"us date with pm", "dt", QStringLiteral("01/31/2020 10:15:00 PM"), "2020-01-31 22:15:00", nullptr},
    {"month name", "dt", QStringLiteral("31 jan 2020 10:15:00"), "2020-01-31 10:15:00", nullptr},
    {"fraction dropped", "dt", QStringLiteral("2020-01-31 10:15:00.123"), "2020-01-31 10:15:00", nullptr},
    {"datetime value", "dt", QDateTime(QDate(2021, 2, 3), QTime(4, 5, 6)), "2021-02-03 04:05:06", nullptr},
    {"february 30", "dt", QStringLiteral("2020-02-30"), nullptr, "Data type mismatch"},
    {"not a date", "dt", QStringLiteral("tomorrow"), nullptr, "Data type mismatch"},
    {"yes", "yn", true, "-1", nullptr},
    {"no", "yn", false, "0", nullptr},
    {"yes as text", "yn", QStringLiteral("True"), "-1", nullptr},
    {"no as text", "yn", QStringLiteral("no"), "0", nullptr},
    {"one is yes", "yn", 1, "-1", nullptr},
    {"word into yes/no", "yn", QStringLiteral("maybe"), nullptr, "Data type mismatch"},
    {"bytes", "lb", QByteArray("\x01\x02", 2), "\x01\x02", nullptr},
    {"number into binary", "lb", 5, nullptr, "Data type mismatch"},
    {"null anywhere", "l", QVariant(), "<null>", nullptr},
};

TEST_P(AccessValueTest, ParameterValueIsConvertedOrRefused)
{
    const TValueCase& c = GetParam();
    TUniQuery q(&Connection);
    q.SetSQL(QStringLiteral("insert into [v] ([%1]) values (:p)").arg(QLatin1String(c.Column)));
    q.Prepare();
    q.ParamByName(QStringLiteral("p")).SetValue(c.Value);
    const QString error = ErrorOf([&] { q.Execute(); });
    if (c.Stored) {
        EXPECT_EQ(error, QString());
        // Yes/no is read through an expression, which shows the stored number.
        EXPECT_EQ(Scalar(QStringLiteral("select %1 from v").arg(QLatin1String(c.Column) == QLatin1String("yn")
                                                                    ? QStringLiteral("[yn] * 1")
                                                                    : QStringLiteral("[%1]").arg(QLatin1String(c.Column)))),
                  QString::fromLatin1(c.Stored));
    } else {
        EXPECT_TRUE(error.startsWith(QLatin1String(c.Error))) << error.toStdString();
        EXPECT_TRUE(error.contains(QLatin1String(c.Column))) << error.toStdString();
        EXPECT_EQ(Scalar(QStringLiteral("select count(*) from v")), QStringLiteral("0"));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, AccessValueTest, ::testing::ValuesIn(KValueCases),
                         [](const auto& info) {
                             QString name = QString::fromLatin1(info.param.Name);
                             for (QChar& ch : name)
                                 if (!ch.isLetterOrNumber())
                                     ch = QLatin1Char('_');
                             return name.toStdString();
                         });

struct TLiteralCase {
    const char* Sql;
    const char* Stored;  // select t, l, dt, yn from v
    const char* Error;
};

TEST_F(AccessDbTest, LiteralValuesAreConvertedOrRefused)
{
    Exec(QStringLiteral("create table v ([t] Text(5), [l] Long, [dt] DateTime, [yn] YesNo)"));
    const TLiteralCase cases[] = {
        {"insert into v (t, l, dt, yn) values ('ab', '12', '2020/01/31', True)", "ab|12|2020-01-31 00:00:00|-1", nullptr},
        {"insert into v values ('x', -5, #01/31/2020 10:00#, 'no')", "x|-5|2020-01-31 10:00:00|0", nullptr},
        {"insert into v (t, l) values ('abcdef', 1)", nullptr, "The field is too small"},
        {"insert into v (l) values ('abc')", nullptr, "Data type mismatch"},
        {"insert into v (l) values (2147483648)", nullptr, "Numeric value out of range"},
        {"insert into v (dt) values ('2020-13-01')", nullptr, "Data type mismatch"},
        {"insert into v (dt) values (#2020-13-01#)", nullptr, "Syntax error in date"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Sql);
        Exec(QStringLiteral("delete from v"));
        const QString error = ErrorOf([&] { Exec(QString::fromLatin1(c.Sql)); });
        if (c.Stored) {
            EXPECT_EQ(error, QString());
            EXPECT_EQ(Scalar(QStringLiteral("select t, l, dt, yn * 1 from v")), QString::fromLatin1(c.Stored));
        } else {
            EXPECT_TRUE(error.startsWith(QLatin1String(c.Error))) << error.toStdString();
            EXPECT_EQ(Scalar(QStringLiteral("select count(*) from v")), QStringLiteral("0"));
        }
    }
    Exec(QStringLiteral("insert into v (t, l, dt) values ('k', 7, '2020-01-31 10:00:00')"));
    // Comparisons convert as well, so a date text finds the stored date.
    EXPECT_EQ(Scalar(QStringLiteral("select t from v where dt = '01/31/2020 10:00:00 AM'")), QStringLiteral("k"));
    EXPECT_EQ(Exec(QStringLiteral("update v set l = '8' where [t] = 'k'")), 1);
    EXPECT_EQ(Scalar(QStringLiteral("select l from v")), QStringLiteral("8"));
    EXPECT_TRUE(ErrorOf([&] { Exec(QStringLiteral("update v set l = 'eight'")); }).startsWith(QStringLiteral("Data type mismatch")));
    // Only bare columns against bare values are converted.
    EXPECT_EQ(Scalar(QStringLiteral("select t from v where (l = '8' or l = 9) and l + 1 = 9 and 9 = l + 1 and '8' = [l]")),
              QStringLiteral("k"));
    EXPECT_EQ(Scalar(QStringLiteral("select count(*) from v where l || 'x' = '8x'")), QStringLiteral("1"));
    // A comparison in a subquery is not converted for the outer table's column.
    Exec(QStringLiteral("create table w ([l] Text(10))"));
    Exec(QStringLiteral("insert into w values ('eight')"));
    EXPECT_EQ(Scalar(QStringLiteral("select count(*) from v where t in (select l from w where l = 'eight')")), QStringLiteral("0"));
}

TEST_F(AccessDbTest, ChecksInTheFileHoldForOtherWriters)
{
    Exec(QStringLiteral("create table v ([t] Text(3), [l] Long, [dt] DateTime, [yn] YesNo, [b] Byte)"));
    // Native SQLite text passes the translator untouched where it has nothing Access-specific.
    const struct {
        const char* Sql;
        const char* Error;
    } cases[] = {
        {"insert into v (t) values (X'41')", "Data type mismatch in criteria expression. Field \"t\"."},
        {"insert into v (l) values (3 * 0.5)", "Data type mismatch in criteria expression. Field \"l\"."},
        {"insert into v (b) values (300 + 1)", "Numeric value out of range Field \"b\"."},
        {"insert into v (dt) values ('2020-01-31' || '')", "Data type mismatch in criteria expression. Field \"dt\"."},
        {"insert into v (yn) values (1 + 1)", "Data type mismatch in criteria expression. Field \"yn\"."},
        {"insert into v (t) values ('ab' || 'cd')",
         "The field is too small to accept the amount of data you attempted to add. Try inserting or pasting less data. "
         "Field \"t\"."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Sql);
        EXPECT_EQ(ErrorOf([&] { Exec(QString::fromLatin1(c.Sql)); }), QString::fromLatin1(c.Error));
    }
    EXPECT_EQ(Scalar(QStringLiteral("select count(*) from v")), QStringLiteral("0"));
}

TEST_F(AccessDbTest, RequiredAndDuplicateValuesAreRefused)
{
    Exec(QStringLiteral("create table t ([k] Text(5) not null, [n] Long, CONSTRAINT pk PRIMARY KEY([k]))"));
    Exec(QStringLiteral("insert into t values ('a', 1)"));
    EXPECT_TRUE(ErrorOf([&] { Exec(QStringLiteral("insert into t values ('a', 2)")); })
                    .startsWith(QStringLiteral("The changes you requested to the table were not successful because they "
                                               "would create duplicate values")));
    EXPECT_EQ(ErrorOf([&] { Exec(QStringLiteral("insert into t (n) values (3)")); }),
              QStringLiteral("The field 't.k' cannot contain a Null value because the Required property for this field is "
                             "set to True. Enter a value in this field."));
    // Key columns refuse NULL even without "not null", an integer key included.
    Exec(QStringLiteral("create table u ([id] Long, [n] Text(5), CONSTRAINT pk_u PRIMARY KEY([id]))"));
    EXPECT_TRUE(ErrorOf([&] { Exec(QStringLiteral("insert into u (n) values ('x')")); })
                    .startsWith(QStringLiteral("The field 'u.id' cannot contain a Null value")));
    Exec(QStringLiteral("insert into u values (5, 'y')"));
    EXPECT_EQ(Scalar(QStringLiteral("select id, n from u")), QStringLiteral("5|y"));
}

// ---------------------------------------------------------------- dialect

TEST_F(AccessDbTest, DialectStatements)
{
    Exec(QStringLiteral("create table [My Table] ([id] Integer not null, [Order Date] DateTime, [Name] Text(20),"
                        " CONSTRAINT pk_My_Table PRIMARY KEY([id]))"));
    for (int i = 1; i <= 5; ++i)
        Exec(QStringLiteral("insert into [My Table] ([id],[Order Date],[Name]) values (%1, #2020-01-0%1#, \"n%1\")").arg(i));
    EXPECT_EQ(Rows(QStringLiteral("select top 2 [id] from [My Table] order by [id] desc")), (QStringList{"5", "4"}));
    EXPECT_EQ(Rows(QStringLiteral("select [Name] from [My Table] where [Order Date] > #01/03/2020# order by 1")),
              (QStringList{"n4", "n5"}));
    EXPECT_EQ(Rows(QStringLiteral("select [Name] & '!' from [My Table] where [Name] like 'n*' and [id] = 1")),
              (QStringList{"n1!"}));
    EXPECT_EQ(Scalar(QStringLiteral("select count(*) from (select top 3 id from [My Table])")), QStringLiteral("3"));
    EXPECT_EQ(Scalar(QStringLiteral("select UCase(Name), Len(Name), Mid(Name, 2, 1), IIf(id > 1, 'big', 'small'), "
                                    "Left(Name, 1), Right(Name, 1), Year([Order Date]), Nz(null, 'z') "
                                    "from [My Table] where id = 2")),
              QStringLiteral("N2|2|2|big|n|2|2020|z"));
    Exec(QStringLiteral("create unique index ix_name on [My Table] ([Name]) with disallow null"));
    EXPECT_FALSE(ErrorOf([&] { Exec(QStringLiteral("insert into [My Table] (id, Name) values (9, 'n1')")); }).isEmpty());
    Exec(QStringLiteral("drop index ix_name on [My Table]"));
    Exec(QStringLiteral("insert into [My Table] (id, Name) values (9, 'n1')"));
    EXPECT_EQ(Exec(QStringLiteral("delete * from [My Table] where id = 9")), 1);
    EXPECT_EQ(ErrorOf([&] { Exec(QStringLiteral("truncate table [My Table]")); }),
              QStringLiteral("Invalid SQL statement; expected 'DELETE', 'INSERT', 'PROCEDURE', 'SELECT', or 'UPDATE'."));
    EXPECT_EQ(Exec(QStringLiteral("delete from [My Table]")), 5);
    Exec(QStringLiteral("alter table [My Table] add column [Code] Text(3)"));
    EXPECT_TRUE(ErrorOf([&] { Exec(QStringLiteral("update [My Table] set [Code] = 'abcd'")); })
                    .startsWith(QStringLiteral("The field is too small")));
    Exec(QStringLiteral("drop table [My Table]"));
    EXPECT_TRUE(ErrorOf([&] { Exec(QStringLiteral("select * from [My Table]")); })
                    .startsWith(QStringLiteral("The database engine cannot find the input table or query 'My Table'.")));
}

TEST_F(AccessDbTest, ExistingTableIsReported)
{
    Exec(QStringLiteral("create table t ([a] Long)"));
    EXPECT_EQ(ErrorOf([&] { Exec(QStringLiteral("create table [T] ([b] Long)")); }), QStringLiteral("Table 'T' already exists."));
}

// ---------------------------------------------------------------- queries and transactions

TEST_F(AccessDbTest, PreparedInsertWithNamedParametersAndTransactions)
{
    Exec(QStringLiteral("create table t ([a] Long, [b] Text(10), [c] DateTime)"));
    TUniQuery q(&Connection);
    q.SetAutoPrepare(false);
    q.SetSQL(QStringLiteral("insert into [t] ([a],[b],[c]) \r\n  values (:p_a_0,:p_b_0,:p_c_0) "));
    ASSERT_EQ(q.ParamCount(), 3);
    EXPECT_EQ(q.Params()[1].Name(), QStringLiteral("p_b_0"));
    q.Prepare();
    EXPECT_TRUE(q.Prepared());
    Connection.StartTransaction();
    EXPECT_EQ(Connection.TransactionCount(), 1);
    for (int i = 0; i < 2500; ++i) {
        q.ParamByName(QStringLiteral("p_a_0")).SetAsInteger(i);
        q.ParamByName(QStringLiteral("P_B_0")).SetAsString(QStringLiteral("r%1").arg(i));
        q.ParamByName(QStringLiteral("p_c_0")).SetAsString(QStringLiteral("2020-01-01 00:00:00"));
        q.Execute();
        EXPECT_EQ(q.RowsAffected(), 1);
        if ((i + 1) % 1000 == 0) {
            Connection.Commit();
            Connection.StartTransaction();
        }
    }
    // A failed row leaves the transaction open with the good rows in it.
    q.ParamByName(QStringLiteral("p_a_0")).SetAsString(QStringLiteral("x"));
    EXPECT_FALSE(ErrorOf([&] { q.Execute(); }).isEmpty());
    EXPECT_TRUE(Connection.InTransaction());
    Connection.Rollback();
    EXPECT_FALSE(Connection.InTransaction());
    EXPECT_EQ(Scalar(QStringLiteral("select count(*), max(a) from t")), QStringLiteral("2000|1999"));
    q.UnPrepare();
    EXPECT_FALSE(q.Prepared());
}

TEST_F(AccessDbTest, OpenReadsForwardOnlyWithRecordCount)
{
    Exec(QStringLiteral("create table t ([a] Long, [b] Text(10), [y] YesNo)"));
    Exec(QStringLiteral("insert into t values (1, 'x', true)"));
    Exec(QStringLiteral("insert into t values (2, null, false)"));
    TUniQuery q(&Connection);
    q.SetSQL(QStringLiteral("select * from t where a >= :lo order by a;"));
    q.ParamByName(QStringLiteral("lo")).SetAsInteger(1);
    q.SetQueryRecCount(true);
    q.Open();
    EXPECT_TRUE(q.IsQuery());
    EXPECT_EQ(q.RecordCount(), 2);
    EXPECT_EQ(q.FieldNames(), (QStringList{"a", "b", "y"}));
    EXPECT_EQ(q.FieldByName(QStringLiteral("B")).AsString(), QStringLiteral("x"));
    EXPECT_TRUE(q.FieldByName(QStringLiteral("y")).AsBoolean());
    EXPECT_EQ(q.FieldByName(QStringLiteral("y")).AsString(), QStringLiteral("True"));
    q.Next();
    EXPECT_TRUE(q.FieldByName(QStringLiteral("b")).IsNull());
    EXPECT_FALSE(q.FieldByName(QStringLiteral("y")).AsBoolean());
    q.Next();
    EXPECT_TRUE(q.Eof());
    EXPECT_EQ(ErrorOf([&] { q.FieldByName(QStringLiteral("zz")); }), QStringLiteral("Field 'zz' not found"));

    q.Close();
    q.SetSQL(QStringLiteral("select * from t where 1=0"));
    q.Open();
    EXPECT_TRUE(q.Eof());
    EXPECT_EQ(q.FieldCount(), 3);
}

TEST_F(AccessDbTest, ClosingTheConnectionInvalidatesOpenQueries)
{
    Exec(QStringLiteral("create table t ([a] Long)"));
    Exec(QStringLiteral("insert into t values (1)"));
    TUniQuery q(&Connection);
    q.SetSQL(QStringLiteral("select a from t"));
    q.Open();
    Connection.StartTransaction();
    Exec(QStringLiteral("insert into t values (2)"));
    Connection.Close();  // rolls the open transaction back
    EXPECT_FALSE(Connection.Connected());
    EXPECT_TRUE(q.Fields(0).IsNull());
    q.Close();
    q.Open();  // opens the connection again
    EXPECT_EQ(Scalar(QStringLiteral("select count(*) from t")), QStringLiteral("1"));
}
