#include "TestUtil.h"
#include "UAppFolders.h"
#include "UException.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

TEST(AppFolders, DataFolderIsCreatedWithATrailingSlash)
{
    const QString folder = GetAppDataFolder(QStringLiteral("Ambertide"));
    EXPECT_TRUE(folder.endsWith(QStringLiteral("/Ambertide/")));
    EXPECT_TRUE(QDir(folder).exists());
    EXPECT_TRUE(GetDocumentsFolder().endsWith(QStringLiteral("/Ambertide/")));
}

TEST(AppFolders, CreationFailureNamesTheQuotedPath)
{
    TTestDir dir;
    WriteFileText(dir.File(QStringLiteral("blocker")), QStringLiteral("a file, not a folder"));
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", dir.File(QStringLiteral("blocker")).toUtf8());
    try {
        GetAppDataFolder(QStringLiteral("Ambertide"));
        ADD_FAILURE() << "no error";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Cannot create \"%1/Ambertide/\"").arg(dir.File(QStringLiteral("blocker"))));
    }
    qputenv("XDG_DATA_HOME", saved);
}

}  // namespace
