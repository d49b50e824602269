#include "TestUtil.h"

#include "UFolderScanner.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

// Makes the files (relative paths; "!" marks an empty file) under root.
void MakeTree(const TTestDir& root, const QStringList& files)
{
    for (QString name : files) {
        const bool empty = name.endsWith(QLatin1Char('!'));
        if (empty)
            name.chop(1);
        const QString path = root.File(name);
        QDir().mkpath(QFileInfo(path).path());
        WriteFileBytes(path, empty ? QByteArray() : QByteArray("{}"));
    }
}

QStringList Relative(const TTestDir& root, const QStringList& paths)
{
    QStringList result;
    for (const QString& path : paths)
        result.append(path.mid(root.Path().size() + 1));
    return result;
}

struct TScanRow {
    const char* Name;
    QStringList Files;
    QString Mask;
    bool Recursive;
    QStringList Expected;
    QString FirstFile;
    friend void PrintTo(const TScanRow& row, std::ostream* os) { *os << row.Name; }
};

class FolderScannerTest : public ::testing::TestWithParam<TScanRow> {};

TEST_P(FolderScannerTest, FindsTheMatchingFilesInOrder)
{
    const TScanRow& row = GetParam();
    TTestDir root;
    MakeTree(root, row.Files);
    TFolderScanner scanner;
    scanner.ScanFolder(root.Path(), row.Mask, row.Recursive);
    EXPECT_EQ(Relative(root, scanner.Files()), row.Expected);
    EXPECT_EQ(scanner.FileCount(), row.Expected.size());
    EXPECT_EQ(scanner.FirstFile(), row.FirstFile.isEmpty() ? QString() : root.File(row.FirstFile));
    EXPECT_EQ(scanner.Folder(), root.Path() + QLatin1Char('/'));
}

INSTANTIATE_TEST_SUITE_P(
    Masks, FolderScannerTest,
    ::testing::Values(
        TScanRow{"ExactExtension", {"b.json", "a.json", "c.txt", "d.jsonl"}, "*.json", false, {"a.json", "b.json"}, "a.json"},
        TScanRow{"ExtensionLetterCase", {"a.JSON", "b.json", "c.Json"}, "*.json", false, {"b.json"}, "b.json"},
        TScanRow{"AllFiles", {"b.txt", "a.json", "c"}, "*.*", false, {"a.json", "b.txt", "c"}, "a.json"},
        TScanRow{"SkipsDsStore", {".DS_Store", "x.DS_Store.json", "a.json"}, "*.*", false, {"a.json"}, "a.json"},
        TScanRow{"EmptyFirstFile", {"a.json!", "b.json", "c.json"}, "*.json", false, {"a.json", "b.json", "c.json"}, "b.json"},
        TScanRow{"AllEmpty", {"a.json!"}, "*.json", false, {"a.json"}, ""},
        TScanRow{"NotRecursive", {"sub/a.json", "z.json"}, "*.json", false, {"z.json"}, "z.json"},
        TScanRow{"OwnFilesBeforeSubfolders",
                 {"z.json", "b/y.json", "b/c/x.json", "a/w.json", "b/a.json"},
                 "*.json", true, {"z.json", "a/w.json", "b/a.json", "b/y.json", "b/c/x.json"}, "z.json"},
        TScanRow{"FirstFileInSubfolder", {"a.json!", "s/b.json"}, "*.json", true, {"a.json", "s/b.json"}, "s/b.json"},
        TScanRow{"NameMask", {"orders_1.json", "orders_2.json", "items.json"}, "orders*.json", false,
                 {"orders_1.json", "orders_2.json"}, "orders_1.json"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(FolderScanner, RescanForgetsThePreviousResults)
{
    TTestDir root;
    MakeTree(root, {"a.json", "b.txt"});
    TFolderScanner scanner;
    scanner.ScanFolder(root.Path(), QStringLiteral("*.json"), false);
    scanner.ScanFolder(root.Path() + QLatin1Char('/'), QStringLiteral("*.txt"), false);
    EXPECT_EQ(Relative(root, scanner.Files()), QStringList{QStringLiteral("b.txt")});
    EXPECT_EQ(scanner.FileCount(), 1);
    EXPECT_EQ(scanner.FirstFile(), root.File(QStringLiteral("b.txt")));

    scanner.ScanFolder(root.File(QStringLiteral("missing")), QStringLiteral("*.*"), true);
    EXPECT_EQ(scanner.FileCount(), 0);
    EXPECT_TRUE(scanner.FirstFile().isEmpty());
}

TEST(FolderScanner, DoesNotFollowLinkedFolders)
{
    TTestDir root;
    MakeTree(root, {"s/a.json"});
    ASSERT_TRUE(QFile::link(root.Path(), root.File(QStringLiteral("s/loop"))));
    TFolderScanner scanner;
    scanner.ScanFolder(root.Path(), QStringLiteral("*.json"), true);
    EXPECT_EQ(Relative(root, scanner.Files()), QStringList{QStringLiteral("s/a.json")});
}

}  // namespace
