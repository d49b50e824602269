#include "TestUtil.h"

#include "UFolderChoiceOptions.h"
#include "UJsonSourceOptions.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

const QString Section = QStringLiteral("Load");

void MakeFiles(const TTestDir& dir, const QStringList& names)
{
    for (const QString& name : names) {
        const QString path = dir.File(name);
        QDir().mkpath(QFileInfo(path).path());
        WriteFileText(path, QStringLiteral("[{\"a\":1}]"));
    }
}

QString WriteSession(const TTestDir& dir, const QStringList& lines)
{
    const QString path = dir.File(QStringLiteral("s.jin"));
    WriteFileText(path, QStringLiteral("[Load]\r\n") + lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    return path;
}

TEST(FolderChoiceOptions, RelativeNameAndFullPath)
{
    TFolderChoiceOptions options;
    options.SetDataFolder(QStringLiteral("/data/in"));
    struct Row { QString Path; QString Relative; };
    const Row relative[] = {
        {"/data/in/a.json", "a.json"},
        {"/data/in//sub/b.json", "sub/b.json"},
        {"/data/input/c.json", "/data/input/c.json"},  // outside: stays whole
        {"/elsewhere/d.json", "/elsewhere/d.json"},
    };
    for (const Row& row : relative) {
        SCOPED_TRACE(row.Path.toStdString());
        EXPECT_EQ(options.RelativeName(row.Path), row.Relative);
    }
    struct FullRow { QString Folder; QString Name; QString Full; };
    const FullRow full[] = {
        {"/data/in", "a.json", "/data/in/a.json"},
        {"/data/in/", "/sub/b.json", "/data/in/sub/b.json"},
        {"/data/in", "/data/in/c.json", "/data/in/c.json"},
    };
    for (const FullRow& row : full) {
        SCOPED_TRACE(row.Name.toStdString());
        options.SetDataFolder(row.Folder);
        EXPECT_EQ(options.FullPath(row.Name), row.Full);
    }
}

TEST(FolderChoiceOptions, LegacyExtGivesTheFilter)
{
    struct Row { QStringList Lines; QString Filter; };
    const Row rows[] = {
        {{"Ext=json"}, "*.json"},
        {{"Ext=all"}, "*.*"},
        {{}, "*.*"},
        {{"Filter=*.dat", "Ext=json"}, "*.dat"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Filter.toStdString());
        TTestDir dir;
        TFolderChoiceOptions options;
        options.LoadFromFile(WriteSession(dir, row.Lines), Section);
        EXPECT_EQ(options.Filter(), row.Filter);
    }
}

TEST(FolderChoiceOptions, LoadRescansAndNamesItemsRelatively)
{
    TTestDir dir;
    MakeFiles(dir, {"in/b.json", "in/a.json", "in/sub/c.json", "in/x.txt"});
    TFolderChoiceOptions options;
    options.LoadFromFile(WriteSession(dir, {"DataFolder=" + dir.File("in"), "Recursive=1", "Ext=json"}), Section);
    EXPECT_TRUE(options.Recursive());
    EXPECT_EQ(options.ItemNames(), (QStringList{"a.json", "b.json", "sub/c.json"}));
    EXPECT_EQ(options.ItemCount(), 3);
    EXPECT_EQ(options.FirstItemName(), dir.File("in/a.json"));
    EXPECT_EQ(options.IndexOfItemName(QStringLiteral("SUB/C.JSON")), 2);
    EXPECT_EQ(options.IndexOfItemName(QStringLiteral("d.json")), -1);
    EXPECT_EQ(options.ItemTableName(2), QStringLiteral("sub/c"));

    // A file added later shows up at the next refresh.
    MakeFiles(dir, {"in/0.json"});
    options.Refresh();
    EXPECT_EQ(options.ItemNames().value(0), QStringLiteral("0.json"));
}

TEST(FolderChoiceOptions, SaveThenLoadKeepsEveryKey)
{
    TTestDir dir;
    TFolderChoiceOptions saved;
    saved.SetDataFolder(dir.File("in"));
    saved.SetFilter(QStringLiteral("*.json"));
    saved.SetRecursive(true);
    saved.SetMoveFiles(true);
    saved.SetMoveToFolder(dir.File("done"));
    saved.SetFileNameAsColumn(true);
    const QString session = dir.File(QStringLiteral("round.jin"));
    saved.SaveToFile(session, Section);
    EXPECT_EQ(ReadFileText(session).remove(QLatin1Char('\r')),
              QStringLiteral("[Load]\nDataFolder=%1\nRecursive=1\nFilter=*.json\nMoveFiles=1\nMoveToFolder=%2\n")
                  .arg(dir.File("in"), dir.File("done")));

    TFolderChoiceOptions loaded;
    loaded.LoadFromFile(session, Section);
    EXPECT_TRUE(loaded.IsEqual(saved));
    EXPECT_TRUE(loaded.MoveFiles());
    EXPECT_EQ(loaded.MoveToFolder(), dir.File("done"));
    EXPECT_FALSE(loaded.FileNameAsColumn());  // not part of the session

    loaded.SetRecursive(false);
    EXPECT_FALSE(loaded.IsEqual(saved));
}

TEST(FolderChoiceOptions, ConfigureItemPointsTheSourceAtTheFile)
{
    TTestDir dir;
    MakeFiles(dir, {"in/a.json", "in/sub/orders.json"});
    TFolderChoiceOptions choice;
    choice.SetDataFolder(dir.File("in"));
    choice.SetFilter(QStringLiteral("*.json"));
    choice.SetRecursive(true);
    choice.SetFileNameAsColumn(true);
    choice.SetFileNameWithoutExt(true);
    choice.Refresh();
    TJsonSourceOptions source;
    choice.ConfigureItem(source, 1);
    EXPECT_EQ(source.SourceFile(), dir.File("in/sub/orders.json"));
    EXPECT_EQ(source.SourceName(), QStringLiteral("orders"));
    EXPECT_TRUE(source.FileNameAsColumn());
    EXPECT_TRUE(source.FileNameWithoutExt());
}

TEST(FolderChoiceOptions, MovesOnlyWhenAskedAndIgnoresFailedMoves)
{
    TTestDir dir;
    MakeFiles(dir, {"in/a.json", "in/b.json", "in/c.json", "done/c.json"});
    TFolderChoiceOptions choice;
    choice.SetDataFolder(dir.File("in"));
    choice.SetFilter(QStringLiteral("*.json"));
    choice.SetMoveToFolder(dir.File("done"));
    choice.Refresh();

    choice.AfterRun({"a.json"});
    EXPECT_TRUE(QFile::exists(dir.File("in/a.json")));  // MoveFiles is not set

    choice.SetMoveFiles(true);
    // c.json exists in the target folder already: its move fails and is skipped.
    choice.AfterRun({"a.json", dir.File("in/c.json"), "missing.json"});
    EXPECT_FALSE(QFile::exists(dir.File("in/a.json")));
    EXPECT_TRUE(QFile::exists(dir.File("done/a.json")));
    EXPECT_TRUE(QFile::exists(dir.File("in/b.json")));
    EXPECT_TRUE(QFile::exists(dir.File("in/c.json")));
}

}  // namespace
