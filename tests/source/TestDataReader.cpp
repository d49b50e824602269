#include "TestUtil.h"

#include "UDebugHelper.h"
#include "UException.h"
#include "UFileLineCountCache.h"
#include "UFileReader.h"
#include "ULog.h"
#include "UMemoryLogAppender.h"
#include "UPartColumnDataReader.h"
#include "UPartRowDataReader.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

// Rows of "r<row>c<column>" values under the columns "A", "B", "C"; a reader
// that keeps its own 1-based cursor, like the JSON reader.
class TTableReader : public TDataReader {
    AMBERTIDE_CLASS(TTableReader)
public:
    explicit TTableReader(int rows) : FRows(rows) { FHasColumnNames = true; }
    void Open() override { FRowIndex = 1; ++OpenCount; }
    void Close() override {}
    void GotoIndex(int index) override { FRowIndex = index; }
    bool HasNext() override { return FRowIndex <= FRows; }
    void Next() override { ++FRowIndex; }
    QString ColumnName(int index) const override { return QString(QLatin1Char(char('A' + index))); }
    QString ColumnValue(int index) const override { return QStringLiteral("r%1c%2").arg(FRowIndex).arg(index); }
    QString FilteredValue(int index) const override { return ColumnValue(index) + QLatin1Char('!'); }
    int RowCount() const override { return FRows; }
    int ColumnCount() const override { return 3; }
    QString SourceText() const override { return QStringLiteral("table"); }
    QString BadFileName() const override { return QStringLiteral("table_bad.txt"); }

    int OpenCount = 0;

private:
    int FRows;
};

// The engine's loop: GotoIndex(1), then rows until HasNext is false or
// RowIndex passes RowCount. Returns the first column's values.
QStringList ConvertLoop(TDataReader& reader)
{
    QStringList values;
    reader.Open();
    const int rowCount = reader.RowCount();
    if (rowCount > 0)
        reader.GotoIndex(1);
    while (reader.HasNext() && reader.RowIndex() <= rowCount) {
        values.append(reader.FilteredValue(0));
        reader.Next();
    }
    reader.Close();
    return values;
}

TEST(PartRowDataReaderTest, SkipAndLimit)
{
    struct TRow {
        const char* Name;
        int InnerRows, FirstRow, MaxRows, RowCount;
        const char* FirstValue;
    };
    const TRow rows[] = {
        {"skip 10, load 50", 100, 11, 50, 50, "r11c0!"},
        {"skip 95, load 50", 100, 96, 50, 5, "r96c0!"},
        {"skip 0, load all", 100, 1, 1000, 100, "r1c0!"},
        {"first row beyond the rows", 100, 150, 50, 0, nullptr},
        {"max rows 0", 100, 1, 0, 0, nullptr},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.Name);
        TTableReader inner(row.InnerRows);
        TPartRowDataReader filter(&inner, row.FirstRow, row.MaxRows);
        filter.Open();
        EXPECT_EQ(filter.RowCount(), row.RowCount);
        const QStringList values = ConvertLoop(filter);
        EXPECT_EQ(values.size(), row.RowCount);
        if (row.FirstValue) {
            EXPECT_EQ(values.value(0), QString::fromLatin1(row.FirstValue));
        }
    }
}

TEST(PartRowDataReaderTest, RowIndexCountsFromTheFirstRow)
{
    TTableReader inner(100);
    TPartRowDataReader filter(&inner, 11, 50);
    filter.Open();
    filter.GotoIndex(1);
    EXPECT_EQ(filter.RowIndex(), 1);
    EXPECT_EQ(inner.RowIndex(), 11);
    EXPECT_EQ(filter.ColumnValue(2), QStringLiteral("r11c2"));
    // Open, Reopen and OpenFirst all reach the inner Open.
    filter.Reopen();
    filter.OpenFirst(10);
    EXPECT_EQ(inner.OpenCount, 3);
    EXPECT_FALSE(filter.RowCountUnknown());
    EXPECT_EQ(filter.SourceText(), QStringLiteral("table"));
}

TEST(PartColumnDataReaderTest, SelectsAndReordersColumns)
{
    TTableReader inner(2);
    const QStringList indexes = {"2", "-1", "0"};
    TPartColumnDataReaderAdapter adapter;
    TDataReader* reader = adapter.Wrap(&inner, &indexes);
    reader->Open();
    EXPECT_EQ(reader->ColumnCount(), 3);
    EXPECT_EQ(reader->ColumnName(0), QStringLiteral("C"));
    EXPECT_EQ(reader->ColumnName(1), QString());
    EXPECT_EQ(reader->ColumnName(2), QStringLiteral("A"));
    reader->GotoIndex(2);
    EXPECT_EQ(reader->ColumnValue(0), QStringLiteral("r2c2"));
    EXPECT_EQ(reader->ColumnValue(1), QString());
    EXPECT_EQ(reader->FilteredValue(1), QString());
    EXPECT_EQ(reader->FilteredValue(2), QStringLiteral("r2c0!"));
    EXPECT_EQ(reader->RowCount(), 2);

    // A new Wrap replaces the filter.
    const QStringList one = {"1"};
    TDataReader* second = adapter.Wrap(&inner, &one);
    EXPECT_EQ(second->ColumnCount(), 1);
    EXPECT_EQ(adapter.Reader(), second);
}

TEST(PartColumnDataReaderTest, BadEntriesFailWithAMessage)
{
    TTableReader inner(1);
    const QStringList indexes = {"x", "3", "-2"};
    TPartColumnDataReader reader(&inner, &indexes);
    reader.Open();
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_THROW(reader.ColumnValue(i), Exception);
    }
    EXPECT_THROW(reader.ColumnName(3), Exception);
}

// A file reader over the lines of its file: one data column per
// comma-separated field of the first line.
class TLineFileReader : public TFileReader {
    AMBERTIDE_CLASS(TLineFileReader)
public:
    void Open() override
    {
        LogFileInfo();
        FColumnNames = {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};
        FRowIndex = 1;
    }
    void Close() override {}
    void GotoIndex(int index) override { FRowIndex = index; }
    bool HasNext() override { return FRowIndex <= 1; }
    void Next() override { ++FRowIndex; }
    int RowCount() const override { return 1; }

protected:
    QString ColumnValueNoFileName(int index) const override { return QString::number(index); }
};

class FileReaderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        FPath = FDir.File(QStringLiteral("orders.json"));
        WriteFileBytes(FPath, "1,2,3\n4,5,6\n");
    }
    TTestDir FDir;
    QString FPath;
};

TEST_F(FileReaderTest, FileNameColumn)
{
    TLineFileReader reader;
    reader.OpenFile(FPath);
    EXPECT_EQ(reader.LineCount(), 2);
    reader.SetFileNameAsColumn(true);
    reader.Open();
    EXPECT_EQ(reader.ColumnCount(), 4);
    EXPECT_EQ(reader.ColumnName(3), QStringLiteral("FileName"));
    EXPECT_EQ(reader.ColumnValue(3), QStringLiteral("orders.json"));
    EXPECT_EQ(reader.FilteredValue(1), QStringLiteral("1"));
    reader.SetFileNameWithoutExt(true);
    EXPECT_EQ(reader.ColumnValue(3), QStringLiteral("orders"));
    reader.SetFileNameAsColumn(false);
    EXPECT_EQ(reader.ColumnCount(), 3);
    EXPECT_THROW(reader.ColumnName(3), Exception);
    EXPECT_EQ(reader.SourceText(), QStringLiteral("From File: ") + FPath);
    EXPECT_EQ(reader.DebugText(), QStringLiteral("DataReader class TLineFileReader\r\n Desc: From File: ") + FPath);
    EXPECT_EQ(reader.PositionText(), QStringLiteral(" Row 1"));
}

TEST_F(FileReaderTest, OpenFileChecks)
{
    TLineFileReader reader;
    try {
        reader.OpenFile(FDir.File(QStringLiteral("none.json")));
        FAIL();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Can not find file: ") + FDir.File(QStringLiteral("none.json")));
    }
    try {
        reader.OpenFile(FDir.Path());
        FAIL();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Can not find file: ") + FDir.Path());
    }
    const QString empty = FDir.File(QStringLiteral("empty.json"));
    WriteFileBytes(empty, "");
    const int cached = TFileLineCountCache::Instance().Size();
    try {
        reader.OpenFile(empty);
        FAIL();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("The file is empty: ") + empty);
    }
    EXPECT_EQ(TFileLineCountCache::Instance().Size(), cached);  // failed before counting
    EXPECT_TRUE(reader.FileName().isEmpty());
}

TEST(BadFileNameTest, BesideTheSource)
{
    struct TRow {
        QString Source, Bad;
    };
    const TRow rows[] = {
        {"/data/orders.json", "/data/orders_bad.txt"}, {"/data/a.txt", "/data/a_bad.csv"},
        {"/data/a.xls", "/data/a_bad.csv"},            {"/data/a.xlsx", "/data/a_bad.csv"},
        {"/data/a.TXT", "/data/a_bad.txt"},            {"/data.d/noext", "/data.d/noext_bad.txt"},
    };
    for (const TRow& row : rows)
        EXPECT_EQ(BadFileNameOf(row.Source), row.Bad);
}

TEST_F(FileReaderTest, LogFileInfoOncePerFile)
{
    TMemoryLogAppender log;
    TLog::Global().AddAppender(&log);
    TLineFileReader reader;
    reader.OpenFile(FPath);
    reader.Open();
    reader.Open();
    TLog::Global().RemoveAppender(&log);
    EXPECT_TRUE(TDebugHelper::IsFileDescribed(FPath));
    const QStringList& lines = log.Lines();
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(), [&](const QString& l) { return l.endsWith(FPath); }), 1);
    EXPECT_EQ(lines.filter(QStringLiteral("\t2 lines")).size(), 1);
    EXPECT_EQ(lines.filter(QStringLiteral("12 Bytes")).size(), 1);
    EXPECT_EQ(lines.filter(QStringLiteral("1,2,3\r\n4,5,6\r\n")).size(), 1);
}

}  // namespace
