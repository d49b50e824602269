#include "TestUtil.h"
#include "UDBOutClasses.h"
#include "UException.h"
#include "ULog.h"
#include "UMemoryLogAppender.h"
#include "USqlCreator.h"
#include "UTableStruct.h"

#include <gtest/gtest.h>

namespace {

const QString CRLF = QStringLiteral("\r\n");

// A destination structure without a database: columns name=ftKind.
class TSqlCreatorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterDBOutClasses();
        FStruct.SetDBType(QStringLiteral("Access"));
        FStruct.TableName = QStringLiteral("T");
    }

    void Columns(const QStringList& nameKinds)
    {
        FStruct.FieldNames.Clear();
        FStruct.FieldTypes.clear();
        for (const QString& entry : nameKinds) {
            const QString name = entry.section(QLatin1Char('='), 0, 0);
            FStruct.FieldNames.Add(name);
            TFieldType type = ftUnknown;
            if (TryFieldTypeFromName(entry.section(QLatin1Char('='), 1), type))
                FStruct.FieldTypes.insert(name, type);
        }
        FCreator.SetTableStruct(&FStruct);
        FCreator.PrepareStatements();
    }

    TTableStruct FStruct;
    TSqlCreator FCreator;
};

TEST_F(TSqlCreatorTest, NamesParametersByTheCounterRule)
{
    const QString letters40 = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMN");
    struct TRow {
        QStringList columns;
        QStringList params;
    };
    const TRow rows[] = {
        {{QStringLiteral("id"), QStringLiteral("Order Date"), QStringLiteral("Order-Date")},
         {QStringLiteral("p_id_0"), QStringLiteral("p_Order_Date_0"), QStringLiteral("p_Order_Date_0_001")}},
        {{QStringLiteral("a/b"), QStringLiteral("x.y:z\"w\\v?u|t`s~r!q@p#o$n%m^l&k*j(i)h[g]f<e>d'c")},
         {QStringLiteral("p_a_0"), QStringLiteral("p_x_y_z_w_v_u_t_s_r_q_p_o_n__0")}},
        {{QStringLiteral("line\r\nbreak")}, {QStringLiteral("p_linebreak_0")}},
        {{QStringLiteral("ID"), QStringLiteral("id"), QStringLiteral("Id")},
         {QStringLiteral("p_ID_0"), QStringLiteral("p_id_0_001"), QStringLiteral("p_Id_0_001_001")}},
        {{letters40, letters40, letters40},
         {QStringLiteral("p_abcdefghijklmnopqrstuvwxyz_0"), QStringLiteral("p_abcdefghijklmnopqrstuvwx_001"),
          QStringLiteral("p_abcdefghijklmnopqrstuvwx_002")}},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.columns.join(QLatin1Char(',')).toStdString());
        Columns(row.columns);
        EXPECT_EQ(FCreator.ParamNames(), row.params);
    }
}

TEST_F(TSqlCreatorTest, WritesTheStatementTexts)
{
    Columns({QStringLiteral("id=ftInteger"), QStringLiteral("Order Date=ftDateTime"), QStringLiteral("name=ftString")});
    FStruct.UpdateKey = QStringLiteral("ID");
    const QString insert = QStringLiteral("insert into [T] ([id],[Order Date],[name]) ") + CRLF
                           + QStringLiteral("  values (:p_id_0,:p_Order_Date_0,:p_name_0) ");
    const QString update = QStringLiteral("update [T] set [Order Date]=:p_Order_Date_0,[name]=:p_name_0") + CRLF
                           + QStringLiteral("where [id]=:p_id_0 ");
    EXPECT_EQ(FCreator.GetInsertSql(), insert);
    EXPECT_EQ(FCreator.GetInsertSqlWithParams(), insert);
    EXPECT_EQ(FCreator.GetUpdateSql(), update);
    EXPECT_EQ(FCreator.GetTruncateSql(), QStringLiteral("truncate table [T]"));
    EXPECT_EQ(FCreator.GetDeleteSql(), QStringLiteral("delete from [T]"));
    EXPECT_EQ(FCreator.GetQualifiedTableName(), QStringLiteral("[T]"));

    struct TRow { QString loadType; QString sql; };
    for (const TRow& row : {TRow{QStringLiteral("Append"), insert}, TRow{QStringLiteral("REPLACE"), insert},
                            TRow{QStringLiteral("update"), update}}) {
        SCOPED_TRACE(row.loadType.toStdString());
        FStruct.LoadType = row.loadType;
        EXPECT_EQ(FCreator.GetWriteSql(), row.sql);
    }
    FStruct.LoadType = QStringLiteral("Upsert");
    EXPECT_THROW(FCreator.GetWriteSql(), Exception);  // Access has no upsert statement
}

TEST_F(TSqlCreatorTest, ClassifiesColumnsByKindOrBySamples)
{
    Columns({QStringLiteral("d=ftDate"), QStringLiteral("n=ftCurrency"), QStringLiteral("m=ftWideMemo"),
             QStringLiteral("b=ftBlob"), QStringLiteral("s=ftString")});
    EXPECT_EQ(FCreator.DateColumns().List(), QStringList{QStringLiteral("d")});
    EXPECT_EQ(FCreator.NumberColumns().List(), QStringList{QStringLiteral("n")});
    EXPECT_EQ(FCreator.LobColumns().List(), (QStringList{QStringLiteral("m"), QStringLiteral("b")}));
    EXPECT_TRUE(FCreator.HasBinaryLob());
    EXPECT_EQ(FCreator.GetFieldType(4), ftString);

    // Without kinds (an SQL file) the samples decide.
    Columns({QStringLiteral("d"), QStringLiteral("n")});
    FStruct.DateFormats.SetValue(QStringLiteral("d"), QStringLiteral("yyyymmdd"));
    FStruct.NumericFields.Add(QStringLiteral("n"));
    FCreator.PrepareStatements();
    EXPECT_EQ(FCreator.DateColumns().List(), QStringList{QStringLiteral("d")});
    EXPECT_EQ(FCreator.NumberColumns().List(), QStringList{QStringLiteral("n")});
    EXPECT_EQ(FCreator.GetFieldType(0), ftUnknown);
}

TEST_F(TSqlCreatorTest, FillsLiteralsForEveryColumnClass)
{
    struct TRow {
        const char* label;
        QString kind;
        QString nullIf;
        QString dateFormat;
        QString value;
        QString literal;  // "!" + text: the error expected
    };
    const TRow rows[] = {
        {"text with apostrophe", QStringLiteral("ftString"), {}, {}, QStringLiteral("O'Brien"), QStringLiteral("'O''Brien'")},
        {"text null", QStringLiteral("ftString"), {}, {}, QStringLiteral("null"), QStringLiteral("null")},
        {"text NULL is a text", QStringLiteral("ftString"), {}, {}, QStringLiteral("NULL"), QStringLiteral("'NULL'")},
        {"text quote-ampersand", QStringLiteral("ftString"), {}, {}, QStringLiteral("a'&b"), QStringLiteral("'a&b'")},
        {"text keeps line breaks", QStringLiteral("ftWideString"), {}, {}, QStringLiteral("a\r\nb"), QStringLiteral("'a\r\nb'")},
        {"text NULLIF", QStringLiteral("ftString"), QStringLiteral("none"), {}, QStringLiteral("NONE"), QStringLiteral("null")},
        {"number in brackets", QStringLiteral("ftInteger"), {}, {}, QStringLiteral("(12)"), QStringLiteral("12")},
        {"number n/a", QStringLiteral("ftFloat"), {}, {}, QStringLiteral("N/A"), QStringLiteral("null")},
        {"number nan", QStringLiteral("ftFloat"), {}, {}, QStringLiteral(" NaN "), QStringLiteral("null")},
        {"number dash", QStringLiteral("ftInteger"), {}, {}, QStringLiteral("--"), QStringLiteral("null")},
        {"number empty", QStringLiteral("ftInteger"), {}, {}, QString(), QStringLiteral("null")},
        {"number thousands", QStringLiteral("ftFloat"), {}, {}, QStringLiteral("1,234,567"), QStringLiteral("1234567")},
        {"number decimal comma", QStringLiteral("ftFloat"), {}, {}, QStringLiteral("12,5"), QStringLiteral("12.5")},
        {"number NULLIF", QStringLiteral("ftInteger"), QStringLiteral("x"), {}, QStringLiteral("X"), QStringLiteral("null")},
        {"date placeholder", QStringLiteral("ftDateTime"), {}, QStringLiteral("yyyymmdd"), QStringLiteral("1900-01-01"), QStringLiteral("null")},
        {"date rewritten", QStringLiteral("ftDateTime"), {}, QStringLiteral("yyyymmdd"), QStringLiteral("20200131"), QStringLiteral("'2020-01-31'")},
        {"date N/A", QStringLiteral("ftDate"), {}, QStringLiteral("yyyymmdd"), QStringLiteral("n/a"), QStringLiteral("null")},
        {"date NULLIF", QStringLiteral("ftDate"), QStringLiteral("never"), {}, QStringLiteral("never"), QStringLiteral("null")},
        {"boolean empty", QStringLiteral("ftBoolean"), {}, {}, QString(), QStringLiteral("null")},
        {"boolean yes", QStringLiteral("ftBoolean"), {}, {}, QStringLiteral("Yes"), QStringLiteral("1")},
        {"boolean false", QStringLiteral("ftBoolean"), {}, {}, QStringLiteral("false"), QStringLiteral("0")},
        {"boolean ignores NULLIF", QStringLiteral("ftBoolean"), QStringLiteral("no"), {}, QStringLiteral("no"), QStringLiteral("0")},
        {"boolean word", QStringLiteral("ftBoolean"), {}, {}, QStringLiteral("maybe"), QStringLiteral("!'maybe' is not a valid integer value")},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.label);
        FStruct.NullIfValues.Clear();
        FStruct.DateFormats.Clear();
        FStruct.NullIfValues.SetValue(QStringLiteral("c"), row.nullIf);
        FStruct.DateFormats.SetValue(QStringLiteral("c"), row.dateFormat);
        Columns({QStringLiteral("c=") + row.kind, QStringLiteral("c2=ftString")});
        const QString sql = QStringLiteral("x=:p_c_0 and y=:p_c2_0 and z=:p_c_0");
        if (row.literal.startsWith(QLatin1Char('!'))) {
            try {
                FCreator.FillValue(sql, 0, row.value);
                ADD_FAILURE() << "no error";
            } catch (const Exception& e) {
                EXPECT_EQ(e.Message(), row.literal.mid(1));
            }
            continue;
        }
        EXPECT_EQ(FCreator.FillValue(sql, 0, row.value),
                  QStringLiteral("x=") + row.literal + QStringLiteral(" and y=:p_c2_0 and z=") + row.literal);
    }
}

TEST_F(TSqlCreatorTest, FillingOnePlaceholderLeavesLongerNamesAlone)
{
    Columns({QStringLiteral("Order Date=ftString"), QStringLiteral("Order-Date=ftString")});
    FStruct.LoadType = QStringLiteral("Append");
    const QString filled = FCreator.FillValue(FCreator.GetInsertSql(), 0, QStringLiteral("a"));
    EXPECT_TRUE(filled.endsWith(QStringLiteral("values ('a',:p_Order_Date_0_001) "))) << filled.toStdString();
    EXPECT_TRUE(FCreator.FillValue(filled, 1, QStringLiteral("b")).endsWith(QStringLiteral("values ('a','b') ")));
}

TEST_F(TSqlCreatorTest, RecognisesNullDates)
{
    const QStringList nulls{QString(), QStringLiteral("-"), QStringLiteral("--"), QStringLiteral("null"),
                            QStringLiteral("1899-12-31"), QStringLiteral("1899-12-31 00:00:00"),
                            QStringLiteral("1900-01-01"), QStringLiteral("1900-01-01 00:00:00"),
                            QStringLiteral("0000-00-00 00:00:00.0"), QStringLiteral("00-00-0000"),
                            QStringLiteral("0/0/0 0:0:0.0"), QStringLiteral("N/A"), QStringLiteral("n/A")};
    for (const QString& v : nulls)
        EXPECT_TRUE(TSqlCreator::IsNullDate(v)) << v.toStdString();
    for (const QString& v : {QStringLiteral("NULL"), QStringLiteral("1900-01-02"), QStringLiteral(" - ")})
        EXPECT_FALSE(TSqlCreator::IsNullDate(v)) << v.toStdString();
}

TEST_F(TSqlCreatorTest, ClassifiesANumberColumnOnceAndLogsIt)
{
    TMemoryLogAppender log;
    TLog::Global().AddAppender(&log);
    Columns({QStringLiteral("n=ftFloat")});
    EXPECT_EQ(FCreator.ParseNumber(0, QStringLiteral("1,5"), QStringLiteral("DB")), QStringLiteral("1.5"));
    // The first value made the column decimal-comma: 1.234 is read that way too.
    EXPECT_EQ(FCreator.ParseNumber(0, QStringLiteral("1.234"), QStringLiteral("DB")), QStringLiteral("1234"));
    TLog::Global().RemoveAppender(&log);
    EXPECT_EQ(log.Lines().filter(QStringLiteral("In TSqlCreator.ParseNumber, n => nfNethedland")).size(), 1);
    FCreator.PrepareStatements();  // a new run classifies afresh
    EXPECT_EQ(FCreator.ParseNumber(0, QStringLiteral("1.5"), QStringLiteral("DB")), QStringLiteral("1.5"));
}

TEST_F(TSqlCreatorTest, RefusesAnUpdateKeyThatIsNotWritten)
{
    Columns({QStringLiteral("id=ftInteger"), QStringLiteral("name=ftString")});
    struct TRow { QString loadType; QString key; QString error; };
    const TRow rows[] = {
        {QStringLiteral("Append"), QStringLiteral("code"), QString()},
        {QStringLiteral("Update"), QStringLiteral("ID"), QString()},
        {QStringLiteral("Update"), QStringLiteral("code"),
         QStringLiteral("Update key \"code\" is not one of the fields written to [T] (id, name); an update without it "
                        "would change every row, so nothing was written.")},
        {QStringLiteral("upsert"), QString(),
         QStringLiteral("Load type upsert of table [T] needs an update key; nothing was written.")},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE((row.loadType + QLatin1Char(' ') + row.key).toStdString());
        FStruct.LoadType = row.loadType;
        FStruct.UpdateKey = row.key;
        QString error;
        try {
            FCreator.CheckUpdateKey();
        } catch (const Exception& e) {
            error = e.Message();
        }
        EXPECT_EQ(error, row.error);
    }
}

}  // namespace
