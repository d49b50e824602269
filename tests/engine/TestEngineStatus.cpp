#include "TestUtil.h"

#include "UBatchOutputer.h"
#include "UConvertStatus.h"
#include "UFileWriter.h"
#include "ULogConvertOutputer.h"
#include "UProgressConvertOutputer.h"
#include "UTxtWriter.h"

#include <gtest/gtest.h>

namespace {

struct TElapsedCase {
    double ms;
    const char* text;
};

TEST(ElapsedTimeText, HoursMinutesAndRoundedSeconds)
{
    const TElapsedCase cases[] = {
        {0, "00:00:00"},
        {3725400, "01:02:05"},
        {100.0 * 3600000, "100:00:00"},
        {1500, "00:00:02"},   // ties to even
        {2500, "00:00:02"},
        {2501, "00:00:03"},
        {59999, "00:01:00"},
    };
    for (const TElapsedCase& c : cases) {
        SCOPED_TRACE(c.ms);
        EXPECT_EQ(ElapsedTimeText(c.ms), QString::fromLatin1(c.text));
    }
}

class TRecordingBar : public TProgressBarControl {
public:
    int Maximum() const override { return FMax; }
    void SetMaximum(int v) override { FMax = v; }
    int Position() const override { return FPos; }
    void SetPosition(int v) override { FPos = v; ++Updates; }
    void Repaint() override {}
    int FMax = 0;
    int FPos = 0;
    int Updates = 0;
};

class TRecordingLabel : public TLabelControl {
public:
    QString Text() const override { return FText; }
    void SetText(const QString& t) override { FText = t; }
    void SetHint(const QString& h) override { Hint = h; }
    void SetShowHint(bool) override {}
    void SetFontColor(TColorRgb c) override { Color = c; }
    void Repaint() override {}
    QString FText;
    QString Hint;
    TColorRgb Color = 0;
};

class TRecordingMemo : public TMemoControl {
public:
    void Clear() override { Lines.clear(); }
    void AddLine(const QString& line) override { Lines.append(line); }
    QStringList Lines;
};

struct TIntervalCase {
    int total;
    int interval;
};

TEST(ProgressConvertOutputer, ProgressIsShownOnMultiplesOfTheInterval)
{
    const TIntervalCase cases[] = {{99, 1}, {250, 3}, {10000, 100}, {10001, 100}, {50000, 100}, {-1, 1}};
    for (const TIntervalCase& c : cases) {
        SCOPED_TRACE(c.total);
        TRecordingBar bar;
        TRecordingLabel status, percent, notice;
        TProgressConvertOutputer out;
        out.Setup(&bar, &status, nullptr, &percent, &notice);
        TConvertStatus s;
        out.Attach(&s);
        s.TotalRows = c.total;
        s.Reset();
        EXPECT_EQ(out.Monitor().Interval(), c.interval);
        const int rows = c.total > 0 ? c.total : 50;
        bar.Updates = 0;
        for (int i = 1; i <= rows; ++i) {
            s.ConvertedRows = i;
            s.FireProgress();
        }
        EXPECT_EQ(bar.Updates, rows / c.interval);
    }
}

TEST(ProgressConvertOutputer, ProgressTextsOfAKnownAndAnUnknownTotal)
{
    TRecordingBar bar;
    TRecordingLabel status, percent, notice;
    TGUIProgressMonitor monitor;
    monitor.Setup(&bar, &status, &percent, &notice);
    EXPECT_EQ(notice.Color, 0x0000FFu);
    monitor.StartTime = TConvertStatus::Now();
    monitor.SetTotal(200);
    monitor.Progress(50);
    EXPECT_EQ(percent.Text(), QStringLiteral("25 %"));
    EXPECT_TRUE(status.Text().startsWith(QStringLiteral("50 records / 200 records    Elapsed: 00:00:00    Remaining: ")))
        << status.Text().toStdString();
    EXPECT_EQ(bar.Position(), 50);

    monitor.SetTotal(-1);
    monitor.Progress(70);
    EXPECT_EQ(bar.Maximum(), 71);
    EXPECT_TRUE(status.Text().startsWith(QStringLiteral("70 records / > 70 records"))) << status.Text().toStdString();
    monitor.Finish(80);
    EXPECT_EQ(bar.Maximum(), 80);
    EXPECT_EQ(bar.Position(), 80);
}

struct TEndCase {
    const char* label;
    int converted;
    int errors;
    QString source;
    QString target;
    QString errorMessage;
    QString stopReason;
    QString progressStatus;   // after "<converted> records,    Elapsed: 00:00:00"
    QString notice;
    QStringList logLines;     // the log outputer's lines
};

TEST(ConvertOutputers, HandleEndTexts)
{
    const QString from = QStringLiteral("From File: /d/a.json");
    const QString to = QStringLiteral("To Table: [people]");
    const QString limit = QStringLiteral("Maxinum error count (3) exceeded. ");
    const TEndCase cases[] = {
        {"rejected rows with both descriptions", 8, 2, from, to, QStringLiteral("Set Value Error"), QString(),
         QStringLiteral(".    ") + from + QStringLiteral(",    ") + to + QStringLiteral(".    2 rows can not convert."),
         QStringLiteral("Error, please see log.    "),
         {from, to, QStringLiteral("8 records    Elapsed: 00:00:00.  2 rows can not convert.")}},
        {"clean run", 10, 0, from, to, QString(), QString(),
         QStringLiteral(".    ") + from + QStringLiteral(",    ") + to + QStringLiteral(".    "), QString(),
         {from, to, QStringLiteral("10 records    Elapsed: 00:00:00")}},
        {"no target description", 5, 0, from, QString(), QString(), QString(), QStringLiteral(".    "), QString(),
         {QStringLiteral("5 records    Elapsed: 00:00:00")}},
        {"stopped at the error limit", 4, 4, from, to, QStringLiteral("x"), limit,
         QStringLiteral(".    ") + from + QStringLiteral(",    ") + to + QStringLiteral(".    4 rows can not convert."),
         QStringLiteral("Error, please see log.    ") + limit,
         {from, to, QStringLiteral("4 records    Elapsed: 00:00:00.  4 rows can not convert.")}},
    };
    for (const TEndCase& c : cases) {
        SCOPED_TRACE(c.label);
        TConvertStatus s;
        s.SourceDesc = c.source;
        s.TargetDesc = c.target;
        TRecordingBar bar;
        TRecordingLabel status, percent, notice;
        TRecordingMemo memo;
        TProgressConvertOutputer progress;
        progress.Setup(&bar, &status, &memo, &percent, &notice);
        progress.Attach(&s);
        s.TotalRows = c.converted + c.errors;
        s.Reset();
        s.ConvertedRows = c.converted;
        s.ErrorCount = c.errors;
        s.ErrorMessage = c.errorMessage;
        s.StopReason = c.stopReason;
        s.Finish();
        const QString expected = QString::number(c.converted) + QStringLiteral(" records,    Elapsed: 00:00:00") + c.progressStatus;
        EXPECT_EQ(status.Text(), expected);
        EXPECT_EQ(memo.Lines.value(memo.Lines.size() - 1), expected);
        EXPECT_EQ(notice.Text(), c.notice);

        TTestDir dir;
        TLogConvertOutputer log;
        log.SetLogFile(dir.File(QStringLiteral("run.log")));
        log.Attach(&s);
        s.Finish();
        QStringList lines = ReadFileText(dir.File(QStringLiteral("run.log"))).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        for (QString& line : lines)
            line = line.mid(line.indexOf(QStringLiteral("] ")) + 2);
        EXPECT_EQ(lines, c.logLines);
    }
}

struct TFieldCase {
    const char* label;
    QString value;
    QString field;
};

TEST(TxtWriter, FieldsAreQuotedWithLineBreaksFlattened)
{
    const TFieldCase cases[] = {
        {"plain", QStringLiteral("abc"), QStringLiteral("\"abc\"")},
        {"empty", QString(), QStringLiteral("\"\"")},
        {"quotes doubled", QStringLiteral("say \"hi\""), QStringLiteral("\"say \"\"hi\"\"\"")},
        {"CR LF then quoted word", QStringLiteral("\r\n\"hi\""), QStringLiteral("\" \"\"hi\"\"\"")},
        {"lone LF removed", QStringLiteral("a\nb"), QStringLiteral("\"ab\"")},
        {"lone CR becomes a blank", QStringLiteral("a\rb"), QStringLiteral("\"a b\"")},
        {"delimiter kept inside quotes", QStringLiteral("a,b"), QStringLiteral("\"a,b\"")},
    };
    TTxtWriter writer;
    for (const TFieldCase& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(writer.EncodeField(c.value), c.field);
    }
}

TEST(TxtWriter, OpeningKeepsTheEarlierFileAsBakAndWritesMarkAndHeader)
{
    TTestDir dir;
    const QString path = dir.File(QStringLiteral("sub/x_bad.txt"));
    TTxtWriter writer(QStringLiteral("UTF-8 + BOM"));
    writer.OutputColumnNames.Add(QStringLiteral("id"));
    writer.OutputColumnNames.Add(QStringLiteral("na\"me"));
    writer.WriteHeaderLine = true;
    writer.SetFileName(path);
    writer.OpenFile();
    writer.NewLine();
    writer.AddField(QStringLiteral("1"));
    writer.AddField(QStringLiteral("é"));
    writer.WriteLine();
    writer.CloseFile();
    const QByteArray first = ReadFileBytes(path);
    EXPECT_EQ(first, QByteArray("\xEF\xBB\xBF\"id\",\"na\"me\"\r\n\"1\",\"\xC3\xA9\"\r\n"));

    writer.OpenFile();
    writer.CloseFile();
    EXPECT_EQ(ReadFileBytes(path + QStringLiteral(".bak")), first);
    EXPECT_EQ(ReadFileBytes(path), QByteArray("\xEF\xBB\xBF\"id\",\"na\"me\"\r\n"));
}

struct TMacroCase {
    const char* name;
    const char* path;
};

TEST(FileWriter, DateMacrosOfFileNames)
{
    const QDateTime time(QDate(2026, 3, 7), QTime(9, 5, 4));
    const TMacroCase cases[] = {
        {"/out/data_#yyyy##mm##dd#.sql", "/out/data_20260307.sql"},
        {"/out/#HH#-#MI#-#SS#.sql", "/out/09-05-04.sql"},
        {"/out/#Yyyy#/#dd#.txt", "/out/2026/07.txt"},
        {"/out/plain.sql", "/out/plain.sql"},
        {"/out/#x#.sql", "/out/#x#.sql"},
        {"/out/#mm##mm#.sql", "/out/0303.sql"},
    };
    for (const TMacroCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ApplyFileNameDateMacros(QString::fromLatin1(c.name), time), QString::fromLatin1(c.path));
    }
}

class TRecordingGrid : public TItemGridControl {
public:
    explicit TRecordingGrid(QStringList sources) : FSources(std::move(sources))
    {
        for (int i = 0; i < FSources.size(); ++i)
            FCells.append(QStringList{FSources[i], QString(), QString(), QString()});
    }
    int RowCount() const override { return FCells.size(); }
    QString Cell(int column, int row) const override { return FCells[row][column]; }
    void SetCell(int column, int row, const QString& text) override { FCells[row][column] = text; }
    TColumnKind ColumnKind(int column) const override { return column == 3 ? TColumnKind::List : TColumnKind::Text; }
    QStringList ListChoices(int) const override { return Choices; }
    void AddListChoice(int, const QString& choice) override { Choices.append(choice); }
    void SetCellColorHandler(TCellColorHandler handler) override { Handler = std::move(handler); }
    QStringList Choices;
    TCellColorHandler Handler;

private:
    QStringList FSources;
    QList<QStringList> FCells;
};

TEST(GridBatchOutputer, CellsAndStatusColours)
{
    TRecordingGrid grid({QStringLiteral("a.json"), QStringLiteral("B.json"), QStringLiteral("c.json")});
    {
        TGridBatchOutputer out(&grid, 0, 1, 2, 3);
        ASSERT_TRUE(grid.Handler);
        out.SetSource(QStringLiteral("b.json"));   // found ignoring letter case
        out.SetStatus(QStringLiteral("Partly"));
        out.SetRows(7);
        out.SetTarget(QStringLiteral("people"));
        out.SetTarget(QStringLiteral("people"));
        EXPECT_EQ(out.CurrentRow(), 1);
        EXPECT_EQ(grid.Cell(1, 1), QStringLiteral("Partly"));
        EXPECT_EQ(grid.Cell(2, 1), QStringLiteral("7"));
        EXPECT_EQ(grid.Cell(3, 1), QStringLiteral("people"));
        EXPECT_EQ(grid.Choices, QStringList{QStringLiteral("people")});
        out.SetSource(QStringLiteral("missing.json"));   // keeps the current row
        EXPECT_EQ(out.CurrentRow(), 1);

        TColorRgb color = 0;
        ASSERT_TRUE(grid.Handler(1, 1, color));
        EXPECT_EQ(color, 0x800080u);
        ASSERT_TRUE(grid.Handler(1, 0, color));
        EXPECT_EQ(color, 0x808000u);
        EXPECT_FALSE(grid.Handler(0, 1, color));
        EXPECT_FALSE(grid.Handler(1, 5, color));
        EXPECT_EQ(TGridBatchOutputer::StatusColor(QStringLiteral("Failed")), 0xFF0000u);
        EXPECT_EQ(TGridBatchOutputer::StatusColor(QStringLiteral("Success")), 0x008000u);

        out.Clear();
        EXPECT_EQ(grid.Cell(1, 1), QString());
        EXPECT_EQ(grid.Cell(2, 1), QString());
    }
    EXPECT_FALSE(grid.Handler);
}

TEST(ProgressBatchOutputer, StepsOncePerItemThatDidNotFail)
{
    TRecordingBar bar;
    TRecordingLabel status, percent, notice;
    TProgressBatchOutputer out;
    out.Setup(&bar, &status, QStringLiteral("files"), &percent, &notice);
    out.Clear();
    out.SetItemCount(3);
    const QString items[][2] = {{QStringLiteral("a.json"), QStringLiteral("Success")},
                                {QStringLiteral("b.json"), QStringLiteral("Failed")},
                                {QStringLiteral("c.json"), QStringLiteral("Partly")}};
    for (const auto& item : items) {
        out.SetSource(item[0]);
        out.SetStatus(item[1]);
        out.SetTarget(QStringLiteral("people"));
    }
    EXPECT_EQ(out.DoneCount(), 2);
    EXPECT_EQ(bar.Position(), 2);
    EXPECT_TRUE(status.Text().startsWith(QStringLiteral("2 files / 3 files"))) << status.Text().toStdString();
    out.SetTotalRecords(12);
    EXPECT_TRUE(status.Text().endsWith(QStringLiteral("    Total Records: 12"))) << status.Text().toStdString();
}

}  // namespace
