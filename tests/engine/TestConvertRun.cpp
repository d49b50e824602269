#include "EngineFixture.h"

#include "UAppFolders.h"
#include "UBatchOutputer.h"
#include "UDataConvertItem.h"

namespace {

class TConvertRunTest : public TEngineFixture {
protected:
    QStringList Ids(const QString& table = QStringLiteral("people"))
    {
        return Rows(QStringLiteral("select [id] from [") + table + QStringLiteral("] order by [id]"));
    }
};

QStringList Range(int first, int last)
{
    QStringList ids;
    for (int i = first; i <= last; ++i)
        ids.append(QString::number(i));
    return ids;
}

int IndexOfPrefix(const QStringList& lines, const QString& prefix)
{
    for (int i = 0; i < lines.size(); ++i)
        if (lines[i].startsWith(prefix))
            return i;
    return -1;
}

TEST_F(TConvertRunTest, SingleFileReportsStartTotalsAndEndWithoutSummary)
{
    CreateTable();
    auto session = FileSession(WriteJson(QStringLiteral("people.json"), JsonLines(5)));
    TRecordingOutputer out;
    ASSERT_TRUE(Run(*session, out));
    EXPECT_EQ(Ids(), Range(1, 5));
    ASSERT_GE(out.Lines.size(), 3);
    EXPECT_EQ(out.Lines.first(), QStringLiteral("Start Convert"));
    EXPECT_EQ(out.Lines.mid(out.Lines.size() - 2),
              (QStringList{QStringLiteral("Total Convert Records: 5"), QStringLiteral("End Convert")}));
    EXPECT_EQ(IndexOfPrefix(out.Lines, QStringLiteral("Total 1")), -1);
    EXPECT_FALSE(QFileInfo::exists(FDir.File(QStringLiteral("people_bad.txt"))));
}

TEST_F(TConvertRunTest, RejectedRowsGoToTheBadFileBesideTheSource)
{
    CreateTable();
    const QString source = WriteJson(QStringLiteral("orders.json"),
                                     "{\"id\":1,\"name\":\"a\"}\n"
                                     "{\"id\":\"x\",\"name\":\"\\r\\n\\\"hi\\\"\"}\n"
                                     "{\"id\":3,\"name\":\"c\"}\n"
                                     "{\"id\":\"y\",\"name\":\"d,e\"}\n");
    auto session = FileSession(source);
    TRecordingOutputer out;
    ASSERT_TRUE(Run(*session, out));

    EXPECT_EQ(Ids(), (QStringList{QStringLiteral("1"), QStringLiteral("3")}));
    const QString badFile = FDir.File(QStringLiteral("orders_bad.txt"));
    EXPECT_EQ(ReadFileBytes(badFile), QByteArray("\xEF\xBB\xBF"
                                                 "\"id\",\"name\"\r\n"
                                                 "\"x\",\" \"\"hi\"\"\"\r\n"
                                                 "\"y\",\"d,e\"\r\n"));
    const int first = IndexOfPrefix(out.Lines, QStringLiteral("Set Value Error, at  Row 2, Col: 0 [id], Value: x\r\n"));
    EXPECT_GE(first, 0) << out.Lines.join(QLatin1Char('\n')).toStdString();
    EXPECT_GE(IndexOfPrefix(out.Lines, QStringLiteral("Set Value Error, at  Row 4, Col: 0 [id], Value: y\r\n")), first);
    // After the last record the reader stands past it.
    EXPECT_TRUE(out.Lines.contains(QStringLiteral("On record index 5, Please see the Bad File: ") + badFile
                                   + QStringLiteral(".")))
        << out.Lines.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(FExecutor->Converter().Status().ConvertedRows, 2);
    EXPECT_EQ(FExecutor->Converter().Status().ErrorCount, 2);
}

TEST_F(TConvertRunTest, ABadFileThatCannotBeWrittenAnywhereIsReported)
{
    CreateTable();
    // A folder in the way beside the source, a file in place of the documents folder.
    ASSERT_TRUE(QDir().mkpath(FDir.File(QStringLiteral("q_bad.txt"))));
    const QString documents = QDir::cleanPath(GetDocumentsFolder());
    ASSERT_TRUE(QDir(documents).removeRecursively());
    WriteFileBytes(documents, "in the way");
    auto session = FileSession(WriteJson(QStringLiteral("q.json"), JsonLines(4, {2, 3})));
    TRecordingOutputer out;
    ASSERT_TRUE(Run(*session, out));
    QFile::remove(documents);

    EXPECT_EQ(Ids(), (QStringList{QStringLiteral("1"), QStringLiteral("4")}));
    EXPECT_GE(IndexOfPrefix(out.Lines, QStringLiteral("On record index 5, The rejected records could not be kept in a Bad File: ")), 0)
        << out.Lines.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(FExecutor->Converter().Status().ErrorCount, 2);
}

TEST_F(TConvertRunTest, ARunWithoutRejectsRemovesTheOldBadFileAndARunWithRejectsKeepsItAsBak)
{
    CreateTable();
    const QString badFile = FDir.File(QStringLiteral("p_bad.txt"));
    WriteFileBytes(badFile, "old");
    const QString source = WriteJson(QStringLiteral("p.json"), JsonLines(3, {2}));
    auto session = FileSession(source);
    TRecordingOutputer out;
    ASSERT_TRUE(Run(*session, out));
    EXPECT_EQ(ReadFileBytes(badFile + QStringLiteral(".bak")), QByteArray("old"));
    EXPECT_TRUE(ReadFileBytes(badFile).endsWith("\"bad\",\"n2\"\r\n"));

    WriteFileBytes(source, JsonLines(3));
    ASSERT_TRUE(Run(*session, out));
    EXPECT_FALSE(QFileInfo::exists(badFile));
}

struct TErrorLimitCase {
    const char* label;
    int rows;
    QList<int> failing;
    int errorsToAllow;
    int convertedRows;
    int errorCount;
    bool stoppedByLimit;
};

TEST_F(TConvertRunTest, TheErrorLimitEndsTheRunBeforeTheNextRecord)
{
    const TErrorLimitCase cases[] = {
        {"rows 2,4,6,8 of 10 fail, 3 allowed", 10, {2, 4, 6, 8}, 3, 4, 4, true},
        {"no limit reads every failing row", 6, {1, 2, 3, 4, 5, 6}, 0, 0, 6, false},
        {"the fourth error is the last row", 4, {1, 2, 3, 4}, 3, 0, 4, false},
        {"errors within the limit", 5, {1, 3}, 3, 3, 2, false},
    };
    int n = 0;
    for (const TErrorLimitCase& c : cases) {
        SCOPED_TRACE(c.label);
        const QString table = QStringLiteral("t%1").arg(n);
        CreateTable(table);
        auto session = FileSession(WriteJson(QStringLiteral("e%1.json").arg(n++), JsonLines(c.rows, c.failing)), table);
        session->MiscOptions().SetErrorsToAllow(c.errorsToAllow);
        TRecordingOutputer out;
        ASSERT_TRUE(Run(*session, out));
        const TConvertStatus& status = FExecutor->Converter().Status();
        EXPECT_EQ(status.ConvertedRows, c.convertedRows);
        EXPECT_EQ(status.ErrorCount, c.errorCount);
        EXPECT_EQ(Rows(QStringLiteral("select count(*) from [") + table + QStringLiteral("]")).value(0),
                  QString::number(c.convertedRows));
        const QString reason = QStringLiteral("Maxinum error count (") + QString::number(c.errorsToAllow)
            + QStringLiteral(") exceeded. ");
        EXPECT_EQ(status.StopReason, c.stoppedByLimit ? reason : QString());
        EXPECT_EQ(out.Lines.contains(reason), c.stoppedByLimit);
    }
}

TEST_F(TConvertRunTest, TheErrorLimitCase_ConvertsTheGoodRowsBeforeTheFourthError)
{
    CreateTable();
    auto session = FileSession(WriteJson(QStringLiteral("e.json"), JsonLines(10, {2, 4, 6, 8})));
    session->MiscOptions().SetErrorsToAllow(3);
    TRecordingOutputer out;
    ASSERT_TRUE(Run(*session, out));
    EXPECT_EQ(Ids(), (QStringList{QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("5"), QStringLiteral("7")}));
}

struct TRowSelectCase {
    const char* label;
    QString loadRowsType;
    int skipRows;
    int loadRows;
    QStringList ids;
};

TEST_F(TConvertRunTest, SkipAndLoadRowsOverJsonLinesAndALocatedArray)
{
    QByteArray array = "{\"meta\":{\"n\":20},\"data\":[";
    for (int i = 1; i <= 20; ++i)
        array += (i > 1 ? "," : "") + QByteArray("{\"id\":") + QByteArray::number(i) + ",\"name\":\"n\"}";
    array += "]}";
    struct TLayout {
        const char* label;
        QByteArray text;
        QString dataItem;
    };
    const TLayout layouts[] = {{"json lines", JsonLines(20), QString()}, {"located array", array, QStringLiteral("{}|data")}};
    const TRowSelectCase cases[] = {
        {"part", QStringLiteral("Part"), 10, 5, Range(11, 15)},
        {"any letter case", QStringLiteral("pART"), 0, 3, Range(1, 3)},
        {"window past the end", QStringLiteral("Part"), 17, 10, Range(18, 20)},
        {"all rows whatever the numbers", QString(), 10, 5, Range(1, 20)},
        {"All", QStringLiteral("All"), 10, 5, Range(1, 20)},
    };
    int n = 0;
    for (const TLayout& layout : layouts)
        for (const TRowSelectCase& c : cases) {
            SCOPED_TRACE(std::string(layout.label) + ": " + c.label);
            const QString table = QStringLiteral("t%1").arg(n);
            CreateTable(table);
            auto session = FileSession(WriteJson(QStringLiteral("r%1.json").arg(n++), layout.text), table);
            Source(*session).DataItem = layout.dataItem;
            session->RowsSelectOptions().SetLoadRowsType(c.loadRowsType);
            session->RowsSelectOptions().SetSkipRows(c.skipRows);
            session->RowsSelectOptions().SetLoadRows(c.loadRows);
            TRecordingOutputer out;
            ASSERT_TRUE(Run(*session, out));
            EXPECT_EQ(Ids(table), c.ids) << out.Lines.join(QLatin1Char('\n')).toStdString();
            EXPECT_EQ(FExecutor->TotalRecords(), c.ids.size());
        }
}

TEST_F(TConvertRunTest, SkippingEveryRowFailsTheItem)
{
    CreateTable();
    auto session = FileSession(WriteJson(QStringLiteral("s.json"), JsonLines(20)));
    session->RowsSelectOptions().SetLoadRowsType(QStringLiteral("Part"));
    session->RowsSelectOptions().SetSkipRows(20);
    session->RowsSelectOptions().SetLoadRows(5);
    TRecordingOutputer out;
    ASSERT_TRUE(Run(*session, out));
    EXPECT_TRUE(Ids().isEmpty());
    const int failed = out.Lines.indexOf(QStringLiteral("Convert Failed"));
    ASSERT_GE(failed, 0) << out.Lines.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(out.Lines.value(failed + 1), QStringLiteral("ConvertSessionExecutor.Convert GridDataConverter.Execute Exception"));
    EXPECT_EQ(out.Lines.value(failed + 2), QStringLiteral("Error: Skip rows (20) >= Total rows (20)"));
}

TEST_F(TConvertRunTest, AReaderWithMoreColumnsThanTheWriterFailsBeforeAnyRow)
{
    Exec(QStringLiteral("create table [people] ([id] Integer)"));
    auto session = FileSession(WriteJson(QStringLiteral("c.json"), JsonLines(3)));
    TRecordingOutputer out;
    ASSERT_TRUE(Run(*session, out));
    EXPECT_TRUE(Ids().isEmpty());
    EXPECT_EQ(IndexOfPrefix(out.Lines, QStringLiteral("ReadColumnCount: 2 > WriteColumnCount: 1, "
                                                      "SourceOptions.SelectedColumnCount: 2, "
                                                      "SourceOptions.OriginColumnCount: 2. ")),
              out.Lines.indexOf(QStringLiteral("Convert Failed")) + 2);
}

class TRecordingBatchOutputer : public TBatchOutputer {
public:
    void SetSource(const QString& s) override { Calls.append(QStringLiteral("source ") + s); }
    void SetStatus(const QString& s) override { Calls.append(QStringLiteral("status ") + s); }
    void SetRows(int n) override { Calls.append(QStringLiteral("rows %1").arg(n)); }
    void SetTarget(const QString& t) override { Calls.append(QStringLiteral("target ") + t); }
    void Clear() override { Calls.append(QStringLiteral("clear")); }
    void SetItemCount(int n) override { Calls.append(QStringLiteral("items %1").arg(n)); }
    void SetTotalRecords(int n) override { Calls.append(QStringLiteral("total %1").arg(n)); }
    void ShowMessage(const QString& t) override { Calls.append(QStringLiteral("message ") + t); }
    QStringList Calls;
};

TEST_F(TConvertRunTest, AFolderOfThreeFilesIntoOneTable)
{
    CreateTable();
    Exec(QStringLiteral("insert into [people] ([id],[name]) values (99, 'old')"));
    const QString folder = FDir.File(QStringLiteral("in"));
    QDir().mkpath(folder);
    WriteFileBytes(folder + QStringLiteral("/a.json"), JsonLines(3, {}, 1));
    WriteFileBytes(folder + QStringLiteral("/b.json"), "{\"id\":4,\"name\":");
    WriteFileBytes(folder + QStringLiteral("/c.json"), JsonLines(2, {}, 7));
    auto session = FolderSession(folder);
    Dest(*session).LoadType = QStringLiteral("Replace");
    auto& choice = dynamic_cast<TEngineFolderChoiceOptions&>(
        dynamic_cast<TNItemSourceSetOptions&>(session->SourceSetOptions()).ChoiceOptions());
    choice.MoveToFolder = FDir.File(QStringLiteral("done"));
    TRecordingOutputer out;
    TRecordingBatchOutputer batch;
    ASSERT_TRUE(Run(*session, out, &batch));

    EXPECT_EQ(Ids(), (QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("7"),
                                       QStringLiteral("8")}));
    EXPECT_EQ(Dest(*session).PrepareCount, 1);
    EXPECT_EQ(TCountingAccessWriter::BeforeWorkCount, 1);
    EXPECT_EQ(TCountingAccessWriter::AfterWorkCount, 1);

    const QString b = folder + QStringLiteral("/b.json");
    const int total = out.Lines.indexOf(QStringLiteral("Total Convert Records: 5"));
    ASSERT_GE(total, 0) << out.Lines.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(out.Lines.mid(total), (QStringList{
                                         QStringLiteral("Total Convert Records: 5"),
                                         QStringLiteral("End Convert"),
                                         QStringLiteral("Total 3 files"),
                                         QStringLiteral("Converted 3 files"),
                                         QStringLiteral("Succeeded 2 files"),
                                         QStringLiteral("Failed (partly) 1 files"),
                                         QStringLiteral("Failed (partly) files:"),
                                         b,
                                     }));
    const int failed = out.Lines.indexOf(QStringLiteral("Convert Failed"));
    ASSERT_GE(failed, 0);
    EXPECT_EQ(out.Lines.value(failed + 1), QStringLiteral("ConvertSessionExecutor.Convert ConvertSession.ConfigOne(1) Exception"));
    EXPECT_EQ(batch.Calls, (QStringList{
                               QStringLiteral("clear"), QStringLiteral("items 3"),
                               QStringLiteral("source a.json"), QStringLiteral("status Success"), QStringLiteral("rows 3"), QStringLiteral("target people"),
                               QStringLiteral("source b.json"), QStringLiteral("status Failed"), QStringLiteral("target people"),
                               QStringLiteral("source c.json"), QStringLiteral("status Success"), QStringLiteral("rows 2"), QStringLiteral("target people"),
                               QStringLiteral("total 5"),
                           }));
    EXPECT_TRUE(QFileInfo::exists(FDir.File(QStringLiteral("done/a.json"))));
    EXPECT_TRUE(QFileInfo::exists(FDir.File(QStringLiteral("done/c.json"))));
    EXPECT_TRUE(QFileInfo::exists(b));
}

TEST_F(TConvertRunTest, StopDuringTheSecondOfThreeFilesEndsItPartlyAndKeepsWhatWasWritten)
{
    CreateTable();
    const QString folder = FDir.File(QStringLiteral("in"));
    QDir().mkpath(folder);
    WriteFileBytes(folder + QStringLiteral("/a.json"), JsonLines(3, {}, 1));
    WriteFileBytes(folder + QStringLiteral("/b.json"), JsonLines(10, {}, 11));
    WriteFileBytes(folder + QStringLiteral("/c.json"), JsonLines(2, {}, 31));
    auto session = FolderSession(folder);
    TRecordingOutputer out;
    out.OnProgress = [this](TConvertStatus& status) {
        if (status.SourceDesc.contains(QLatin1String("b.json")) && status.ConvertedRows == 4)
            FExecutor->Stop();
    };
    TRecordingBatchOutputer batch;
    ASSERT_TRUE(Run(*session, out, &batch));

    EXPECT_EQ(Ids(), (QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("11"),
                                       QStringLiteral("12"), QStringLiteral("13"), QStringLiteral("14")}));
    EXPECT_EQ(TCountingAccessWriter::AfterWorkCount, 1);
    EXPECT_TRUE(batch.Calls.contains(QStringLiteral("status Partly")));
    EXPECT_TRUE(out.Lines.contains(QStringLiteral("Stopped")));
    EXPECT_TRUE(out.Lines.contains(QStringLiteral("Converted 2 files")));
    EXPECT_TRUE(out.Lines.contains(QStringLiteral("Failed (partly) 1 files")));
    EXPECT_TRUE(out.Lines.contains(QStringLiteral("Total Convert Records: 7")));
}

TEST_F(TConvertRunTest, StopInAOneFileSessionGivesPartly)
{
    CreateTable();
    auto session = FileSession(WriteJson(QStringLiteral("s.json"), JsonLines(10)));
    TRecordingOutputer out;
    out.OnProgress = [this](TConvertStatus& status) {
        if (status.ConvertedRows == 2)
            FExecutor->Stop();
    };
    TRecordingBatchOutputer batch;
    ASSERT_TRUE(Run(*session, out, &batch));
    EXPECT_EQ(Ids(), Range(1, 2));
    EXPECT_TRUE(batch.Calls.contains(QStringLiteral("status Partly")));
    EXPECT_EQ(FExecutor->Converter().Status().TotalRows, 10);   // not settled when stopped
}

TEST_F(TConvertRunTest, SaveToSqlFileWritesStatementsAndLeavesTheTableAlone)
{
    CreateTable();
    Exec(QStringLiteral("insert into [people] ([id],[name]) values (99, 'old')"));
    auto session = FileSession(WriteJson(QStringLiteral("q.json"), JsonLines(2)));
    Dest(*session).LoadType = QStringLiteral("Replace");
    Dest(*session).SqlFile = FDir.File(QStringLiteral("out/script.sql"));
    Dest(*session).SqlEncoding = QStringLiteral("Unicode");
    TRecordingOutputer out;
    ASSERT_TRUE(Run(*session, out));

    EXPECT_EQ(Ids(), QStringList{QStringLiteral("99")});
    const QByteArray bytes = ReadFileBytes(FDir.File(QStringLiteral("out/script.sql")));
    ASSERT_TRUE(bytes.startsWith("\xFF\xFE"));
    const QString text = QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData() + 2), (bytes.size() - 2) / 2);
    const QStringList statements = text.split(QStringLiteral(";\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(statements.size(), 3) << text.toStdString();
    EXPECT_TRUE(statements[0].startsWith(QStringLiteral("delete from [people]"), Qt::CaseInsensitive)) << text.toStdString();
    EXPECT_TRUE(statements[1].startsWith(QStringLiteral("insert into [people]"))) << text.toStdString();
    EXPECT_TRUE(statements[1].contains(QStringLiteral("'n1'"))) << text.toStdString();
    EXPECT_TRUE(statements[2].contains(QStringLiteral("'n2'"))) << text.toStdString();
    EXPECT_TRUE(out.Lines.contains(QStringLiteral("To File: ") + FDir.File(QStringLiteral("out/script.sql"))))
        << out.Lines.join(QLatin1Char('\n')).toStdString();
}

TEST_F(TConvertRunTest, AnEmptyArrayConvertsNothingAndStillEnds)
{
    CreateTable();
    auto session = FileSession(WriteJson(QStringLiteral("empty.json"), "{\"data\":[]}"));
    Source(*session).DataItem = QStringLiteral("{}|data");
    TRecordingOutputer out;
    ASSERT_TRUE(Run(*session, out));
    EXPECT_FALSE(out.Lines.contains(QStringLiteral("Convert Failed"))) << out.Lines.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(out.Lines.contains(QStringLiteral("Total Convert Records: 0")));
    EXPECT_EQ(FExecutor->Converter().Status().ConvertedRows, 0);
}

class TPlainOutputer : public TOutputer {
public:
    void Attach(TConvertStatus*) override {}
    void WriteLog(const QString& message) override { Lines.append(message); }
    QStringList Lines;
};

TEST_F(TConvertRunTest, AnOutputerThatIsNoConvertOutputerEndsTheRunWithFalse)
{
    CreateTable();
    auto session = FileSession(WriteJson(QStringLiteral("p.json"), JsonLines(2)));
    TPlainOutputer out;
    TConvertSessionExecutor executor;
    executor.SetSession(session.get());
    executor.SetOutputer(&out);
    EXPECT_FALSE(executor.Execute());
    ASSERT_EQ(out.Lines.size(), 1);
    EXPECT_TRUE(out.Lines[0].startsWith(QStringLiteral("Cast Error: "))) << out.Lines[0].toStdString();
    EXPECT_TRUE(Ids().isEmpty());
}

}  // namespace
