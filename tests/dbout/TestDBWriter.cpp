#include "DBOutFixture.h"
#include "UAccessWriter.h"
#include "UDBWriteExecutor.h"
#include "UOneByOneExecutor.h"
#include "URttiUtil.h"
#include "USqlCreator.h"

namespace {

const QString CRLF = QStringLiteral("\r\n");

class TDBWriterTest : public TDBOutFixture {
protected:
    std::unique_ptr<TAccessWriter> NewWriter(TDBTableStruct& ts)
    {
        auto writer = TRttiUtil::CreateObjectAs<TAccessWriter>(QStringLiteral("UAccessWriter.TAccessWriter"));
        writer->SetConnection(&FConnection);
        writer->SetTableStruct(&ts);
        return writer;
    }

    // Writes the rows; returns one error text per rejected row ("" for a stored one).
    static QStringList WriteRows(TDataWriter& writer, const QList<QStringList>& rows)
    {
        QStringList errors;
        for (const QStringList& row : rows) {
            try {
                writer.NewRecord();
                for (int c = 0; c < row.size(); ++c)
                    writer.SetValue(c, row[c]);
                writer.Write();
                errors.append(QString());
            } catch (const Exception& e) {
                errors.append(e.Message());
            }
        }
        return errors;
    }

    QStringList Run(TDBTableStruct& ts, const QList<QStringList>& rows)
    {
        auto writer = NewWriter(ts);
        writer->BeforeWork();
        const QStringList errors = WriteRows(*writer, rows);
        writer->AfterWork();
        return errors;
    }
};

TEST_F(TDBWriterTest, BindsEveryFieldKind)
{
    struct TRow {
        const char* label;
        QString type;
        QString dateFormat;
        QString value;
        QString stored;  // "!" when the row is rejected
    };
    const TRow rows[] = {
        {"text", QStringLiteral("Text(20)"), {}, QStringLiteral("O'Brien"), QStringLiteral("O'Brien")},
        {"text null word", QStringLiteral("Text(20)"), {}, QStringLiteral("null"), QStringLiteral("<null>")},
        {"text (null)", QStringLiteral("Text(20)"), {}, QStringLiteral("(null)"), QStringLiteral("<null>")},
        {"text NULL is a text", QStringLiteral("Text(20)"), {}, QStringLiteral("NULL"), QStringLiteral("NULL")},
        {"text too long", QStringLiteral("Text(3)"), {}, QStringLiteral("abcd"), QStringLiteral("!")},
        {"memo", QStringLiteral("Memo"), {}, QString(300, QLatin1Char('m')), QString(300, QLatin1Char('m'))},
        {"integer", QStringLiteral("Integer"), {}, QStringLiteral(" 42 "), QStringLiteral("42")},
        {"integer empty", QStringLiteral("Integer"), {}, QString(), QStringLiteral("<null>")},
        {"integer N/A", QStringLiteral("Integer"), {}, QStringLiteral("n/a"), QStringLiteral("<null>")},
        {"integer dash", QStringLiteral("Integer"), {}, QStringLiteral("-"), QStringLiteral("<null>")},
        {"integer in brackets", QStringLiteral("Integer"), {}, QStringLiteral("(12)"), QStringLiteral("12")},
        {"integer of ten digits goes as text", QStringLiteral("Integer"), {}, QStringLiteral("1234567890"), QStringLiteral("1234567890")},
        {"integer of eleven digits is refused", QStringLiteral("Integer"), {}, QStringLiteral("12345678901"), QStringLiteral("!")},
        {"integer word", QStringLiteral("Integer"), {}, QStringLiteral("abc"), QStringLiteral("!")},
        {"integer hexadecimal", QStringLiteral("Integer"), {}, QStringLiteral("FF"), QStringLiteral("255")},
        {"number", QStringLiteral("Double"), {}, QStringLiteral("2.5"), QStringLiteral("2.5")},
        {"number decimal comma", QStringLiteral("Double"), {}, QStringLiteral("12,5"), QStringLiteral("12.5")},
        {"number N/A", QStringLiteral("Double"), {}, QStringLiteral("N/A"), QStringLiteral("<null>")},
        {"number in brackets", QStringLiteral("Double"), {}, QStringLiteral("(7.25)"), QStringLiteral("7.25")},
        {"number long", QStringLiteral("Double"), {}, QStringLiteral("12345678901"), QStringLiteral("12345678901")},
        {"currency", QStringLiteral("Currency"), {}, QStringLiteral("$3.5"), QStringLiteral("3.5")},
        {"yes/no true", QStringLiteral("YesNo"), {}, QStringLiteral("-1"), QStringLiteral("True")},
        {"yes/no True", QStringLiteral("YesNo"), {}, QStringLiteral("True"), QStringLiteral("True")},
        {"yes/no word", QStringLiteral("YesNo"), {}, QStringLiteral("maybe"), QStringLiteral("False")},
        {"yes/no N/A", QStringLiteral("YesNo"), {}, QStringLiteral("N/A"), QStringLiteral("<null>")},
        {"date rewritten", QStringLiteral("DateTime"), QStringLiteral("yyyymmdd"), QStringLiteral("20200131"), QStringLiteral("2020-01-31 00:00:00")},
        {"date with time", QStringLiteral("DateTime"), QStringLiteral("dd.mm.yyyy hh24:mi:ss"), QStringLiteral("31.01.2020 10:15:00"), QStringLiteral("2020-01-31 10:15:00")},
        {"date placeholder", QStringLiteral("DateTime"), QStringLiteral("yyyymmdd"), QStringLiteral("1900-01-01"), QStringLiteral("<null>")},
        {"date empty", QStringLiteral("DateTime"), {}, QStringLiteral("  "), QStringLiteral("<null>")},
        {"date that is none", QStringLiteral("DateTime"), QStringLiteral("yyyymmdd"), QStringLiteral("someday"), QStringLiteral("!")},
    };
    int n = 0;
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.label);
        const QString table = QStringLiteral("K") + QString::number(++n);
        Exec(QStringLiteral("create table [") + table + QStringLiteral("] ([v] ") + row.type + QStringLiteral(")"));
        TDBTableStruct ts;
        Bind(ts, table);
        ts.DateFormats.SetValue(QStringLiteral("v"), row.dateFormat);
        const QStringList errors = Run(ts, {{row.value}});
        if (row.stored == QLatin1String("!")) {
            EXPECT_FALSE(errors.value(0).isEmpty());
            EXPECT_EQ(Count(table), 0);
            continue;
        }
        EXPECT_EQ(errors, QStringList{QString()});
        EXPECT_EQ(Rows(QStringLiteral("select [v] from [") + table + QStringLiteral("]")), QStringList{row.stored});
    }
}

TEST_F(TDBWriterTest, NullIfTextsAndSetValueErrorsNameTheColumn)
{
    Exec(QStringLiteral("create table [T] ([id] Integer, [flag] YesNo, [name] Text(10))"));
    TDBTableStruct ts;
    Bind(ts, QStringLiteral("T"));
    ts.NullIfValues.SetValue(QStringLiteral("name"), QStringLiteral("none"));
    ts.NullIfValues.SetValue(QStringLiteral("id"), QStringLiteral("-99"));
    const QStringList errors = Run(ts, {{QStringLiteral("-99"), QStringLiteral("0"), QStringLiteral("NONE")},
                                        {QStringLiteral("1e"), QStringLiteral("0"), QStringLiteral("x")}});
    EXPECT_EQ(errors[0], QString());
    EXPECT_EQ(errors[1], QStringLiteral("TOneByOneExecutor.SetValue id") + CRLF + QStringLiteral("'1e' is not a valid integer value"));
    EXPECT_EQ(Rows(QStringLiteral("select * from [T]")), QStringList{QStringLiteral("<null>|False|<null>")});
}

// 2,500 rows with rows 7 and 1,500 refused by the engine.
QList<QStringList> RowsWithTwoBad()
{
    QList<QStringList> rows;
    for (int i = 1; i <= 2500; ++i)
        rows.append({QString::number(i), i == 7 || i == 1500 ? QStringLiteral("not a number") : QString::number(i * 2)});
    return rows;
}

TEST_F(TDBWriterTest, RejectedRowsDoNotDisturbTheirNeighboursOrTheCommits)
{
    Exec(QStringLiteral("create table [T] ([id] Integer, [n] Text(20), [v] Integer)"));
    Exec(QStringLiteral("create table [U] ([id] Integer, [v] Integer)"));
    TDBTableStruct ts;
    Bind(ts, QStringLiteral("U"));
    auto writer = NewWriter(ts);
    writer->BeforeWork();
    const QList<QStringList> rows = RowsWithTwoBad();
    const QString insert = QStringLiteral("insert into [U] ([id],[v]) ") + CRLF + QStringLiteral("  values (:p_id_0,:p_v_0) ");
    QStringList errors = WriteRows(*writer, rows.mid(0, 2100));
    for (int i = 0; i < errors.size(); ++i) {
        if (i == 6 || i == 1499) {
            EXPECT_TRUE(errors[i].startsWith(insert + CRLF)) << errors[i].toStdString();
            EXPECT_GT(errors[i].size(), insert.size() + 2);
        } else {
            EXPECT_EQ(errors[i], QString()) << i;
        }
    }
    // Losing the open transaction now keeps exactly the rows up to the commit after row 2,000.
    FConnection.Rollback();
    EXPECT_EQ(Count(QStringLiteral("U")), 1998);
    EXPECT_EQ(Rows(QStringLiteral("select max([id]) from [U]")), QStringList{QStringLiteral("2000")});

    // A whole run stores every good row; AfterWork commits the tail.
    Exec(QStringLiteral("delete from [U]"));
    EXPECT_EQ(Run(ts, rows).filter(QStringLiteral("insert into")).size(), 2);
    EXPECT_EQ(Count(QStringLiteral("U")), 2498);
    EXPECT_FALSE(FConnection.InTransaction());
    EXPECT_EQ(Rows(QStringLiteral("select count(*) from [U] where [id] in (6, 8, 1499, 1501)")), QStringList{QStringLiteral("4")});
}

TEST_F(TDBWriterTest, ARunThatEndedInAnErrorLeavesNothingOpenForTheNext)
{
    Exec(QStringLiteral("create table [T] ([id] Integer)"));
    Exec(QStringLiteral("insert into [T] ([id]) values (100)"));
    TDBTableStruct ts;
    Bind(ts, QStringLiteral("T"), QStringLiteral("Replace"));
    {
        auto broken = NewWriter(ts);
        broken->BeforeWork();
        WriteRows(*broken, {{QStringLiteral("1")}, {QStringLiteral("2")}});
        // the run stops here without AfterWork
    }
    EXPECT_TRUE(FConnection.InTransaction());
    auto writer = NewWriter(ts);
    writer->BeforeWork();
    WriteRows(*writer, {{QStringLiteral("3")}});
    writer->AfterWork();
    EXPECT_FALSE(FConnection.InTransaction());
    EXPECT_EQ(Rows(QStringLiteral("select [id] from [T]")), QStringList{QStringLiteral("3")});
}

TEST_F(TDBWriterTest, WritesInTheFourModes)
{
    struct TRow {
        const char* label;
        QString loadType;
        QList<QStringList> rows;
        QStringList table;  // after the run, ordered by id
    };
    const TRow rows[] = {
        {"append keeps what is there", QStringLiteral("Append"),
         {{QStringLiteral("3"), QStringLiteral("c")}},
         {QStringLiteral("1|a"), QStringLiteral("2|b"), QStringLiteral("3|c")}},
        {"replace empties the table first (truncate falls back to delete)", QStringLiteral("Replace"),
         {{QStringLiteral("3"), QStringLiteral("c")}, {QStringLiteral("4"), QStringLiteral("d")}},
         {QStringLiteral("3|c"), QStringLiteral("4|d")}},
        {"update changes matching rows only", QStringLiteral("Update"),
         {{QStringLiteral("2"), QStringLiteral("B")}, {QStringLiteral("9"), QStringLiteral("X")}},
         {QStringLiteral("1|a"), QStringLiteral("2|B")}},
        {"upsert updates or inserts", QStringLiteral("Upsert"),
         {{QStringLiteral("1"), QStringLiteral("A")}, {QStringLiteral("5"), QStringLiteral("e")}},
         {QStringLiteral("1|A"), QStringLiteral("2|b"), QStringLiteral("5|e")}},
    };
    Exec(QStringLiteral("create table [E] ([id] Integer)"));
    EXPECT_THROW(Exec(QStringLiteral("truncate table [E]")), Exception);  // so "Replace" takes the fallback
    int n = 0;
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.label);
        const QString table = QStringLiteral("M") + QString::number(++n);
        Exec(QStringLiteral("create table [") + table + QStringLiteral("] ([id] Integer, [name] Text(10))"));
        Exec(QStringLiteral("insert into [") + table + QStringLiteral("] ([id],[name]) values (1,'a')"));
        Exec(QStringLiteral("insert into [") + table + QStringLiteral("] ([id],[name]) values (2,'b')"));
        TDBTableStruct ts;
        Bind(ts, table, row.loadType, QStringLiteral("ID"));
        EXPECT_EQ(Run(ts, row.rows), QStringList(row.rows.size(), QString()));
        EXPECT_EQ(Rows(QStringLiteral("select * from [") + table + QStringLiteral("] order by [id]")), row.table);
    }
}

TEST_F(TDBWriterTest, UpsertRejectsAFailedRowAndStartsTheNextFromFreshTemplates)
{
    Exec(QStringLiteral("create table [T] ([id] Integer, [name] Text(3))"));
    Exec(QStringLiteral("insert into [T] ([id],[name]) values (1,'a')"));
    TDBTableStruct ts;
    Bind(ts, QStringLiteral("T"), QStringLiteral("Upsert"), QStringLiteral("id"));
    auto writer = NewWriter(ts);
    writer->BeforeWork();
    EXPECT_EQ(writer->ExecutorKind(), QStringLiteral("simple_upsert"));
    const QStringList errors = WriteRows(*writer, {{QStringLiteral("1"), QStringLiteral("too long")},
                                                   {QStringLiteral("2"), QStringLiteral("O'B")}});
    writer->AfterWork();
    const QString failedUpdate = QStringLiteral("update [T] set [name]='too long'") + CRLF + QStringLiteral("where [id]=1 ");
    EXPECT_TRUE(errors[0].startsWith(failedUpdate + CRLF)) << errors[0].toStdString();
    EXPECT_EQ(errors[1], QString());
    EXPECT_EQ(Rows(QStringLiteral("select * from [T] order by [id]")),
              (QStringList{QStringLiteral("1|a"), QStringLiteral("2|O'B")}));
}

TEST_F(TDBWriterTest, StopsAnUpdateByAKeyThatIsNotWrittenBeforeWriting)
{
    Exec(QStringLiteral("create table [T] ([id] Integer, [name] Text(10), [code] Text(10))"));
    Exec(QStringLiteral("insert into [T] ([id],[name],[code]) values (1,'a','x')"));
    for (const QString& loadType : {QStringLiteral("Update"), QStringLiteral("Upsert")}) {
        SCOPED_TRACE(loadType.toStdString());
        TDBTableStruct ts;
        Bind(ts, QStringLiteral("T"), loadType, QStringLiteral("code"));
        ts.SetFieldNames(TStringList(QStringList{QStringLiteral("id"), QStringLiteral("name")}));  // the field map
        auto writer = NewWriter(ts);
        EXPECT_EQ(ErrorOf([&] { writer->BeforeWork(); }),
                  QStringLiteral("Update key \"code\" is not one of the fields written to [T] (id, name); an update "
                                 "without it would change every row, so nothing was written."));
        EXPECT_EQ(Rows(QStringLiteral("select * from [T]")), QStringList{QStringLiteral("1|a|x")});
    }
}

TEST_F(TDBWriterTest, RefusesToStartWithoutColumns)
{
    TDBTableStruct ts;
    ts.SetSource(QStringLiteral("Access"), &FDictionary, &FConnection);
    ts.TableName = QStringLiteral("T");
    auto writer = NewWriter(ts);
    EXPECT_EQ(ErrorOf([&] { writer->BeforeWork(); }), QStringLiteral("FieldNames is not init."));
}

TEST_F(TDBWriterTest, DescribesItselfAndItsWork)
{
    Exec(QStringLiteral("create table [Orders] ([id] Integer, [when] DateTime)"));
    TDBTableStruct ts;
    Bind(ts, QStringLiteral("Orders"));
    EXPECT_EQ(ts.FieldNames.List(), (QStringList{QStringLiteral("id"), QStringLiteral("when")}));
    EXPECT_EQ(FieldTypeName(ts.FieldTypes.value(QStringLiteral("when"))), QStringLiteral("ftDateTime"));
    auto writer = NewWriter(ts);
    EXPECT_EQ(writer->GetDescription(), QStringLiteral("To Table: [Orders]"));
    EXPECT_EQ(writer->LogText(), QStringLiteral("DataWriter class TAccessWriter\r\n Desc: To Table: [Orders]"));
    EXPECT_EQ(writer->ColumnCount(), 2);
    EXPECT_FALSE(writer->NeedInitBySourceTableStruct());
    EXPECT_FALSE(writer->NeedReadSourceSample());
    ts.DateFormats.SetValue(QStringLiteral("when"), QStringLiteral("auto detect"));
    EXPECT_TRUE(writer->NeedReadSourceSample());
    writer->ReadSourceSample({{QStringLiteral("1"), QStringLiteral("20200131")}});
    EXPECT_EQ(ts.DateFormats.Values(QStringLiteral("when")), QStringLiteral("yyyymmdd"));
    writer->BeforeWork();
    EXPECT_EQ(writer->ExecutorKind(), QStringLiteral("one_by_one"));
    EXPECT_EQ(writer->Executor()->Interval(), 1000);
    WriteRows(*writer, {{QStringLiteral("1"), QStringLiteral("20200131")}});
    writer->AfterWork();
    EXPECT_EQ(Rows(QStringLiteral("select * from [Orders]")), QStringList{QStringLiteral("1|2020-01-31 00:00:00")});
}

}  // namespace

namespace {

TEST_F(TDBWriterTest, BindsTextAsWideStringsOnlyWithUseUnicode)
{
    Exec(QStringLiteral("create table [T] ([name] Text(10), [n] Integer)"));
    for (const bool unicode : {false, true}) {
        SCOPED_TRACE(unicode);
        FConnection.SetSpecificOption(QStringLiteral("UseUnicode"), unicode ? QStringLiteral("True") : QStringLiteral("False"));
        TDBTableStruct ts;
        Bind(ts, QStringLiteral("T"));
        auto writer = NewWriter(ts);
        writer->BeforeWork();
        writer->SetValue(0, QStringLiteral("\u00e9t\u00e9"));
        writer->SetValue(1, QStringLiteral("3"));
        EXPECT_EQ(FieldTypeName(writer->Query()->ParamByName(QStringLiteral("p_name_0")).DataType()),
                  FieldTypeName(unicode ? ftWideString : ftString));
        EXPECT_EQ(FieldTypeName(writer->Query()->ParamByName(QStringLiteral("p_n_0")).DataType()), QStringLiteral("ftInteger"));
        writer->Write();
        writer->AfterWork();
    }
    EXPECT_EQ(Rows(QStringLiteral("select [name] from [T]")), (QStringList(2, QStringLiteral("\u00e9t\u00e9"))));
}

TEST_F(TDBWriterTest, RefusesValuesOutsideItsColumnsOrBeforeItStarted)
{
    Exec(QStringLiteral("create table [T] ([id] Integer)"));
    TDBTableStruct ts;
    Bind(ts, QStringLiteral("T"));
    auto writer = NewWriter(ts);
    EXPECT_EQ(ErrorOf([&] { writer->Write(); }),
              QStringLiteral("TUniDBWriter.Write, the writer has not been started (BeforeWork)."));
    TAccessWriter unconnected;
    unconnected.SetTableStruct(&ts);
    EXPECT_EQ(ErrorOf([&] { unconnected.BeforeWork(); }),
              QStringLiteral("TUniDBWriter.BeforeWork, no connection is set for [T]"));
    writer->BeforeWork();
    EXPECT_EQ(ErrorOf([&] { writer->SetValue(1, QStringLiteral("x")); }),
              QStringLiteral("TUniDBWriter.SetValue, column index 1 is outside the 1 columns of [T]"));
    writer->AfterWork();
}

}  // namespace
