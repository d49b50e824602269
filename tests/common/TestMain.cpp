// Every test process runs with its own home, data and config folders (so the
// registry file, config.ini and the data folder are its own, even when ctest
// runs tests in parallel) and with the English locale values.

#include "TestUtil.h"
#include "URegistry.h"
#include "UUserLocale.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Widget tests link a replacement that creates a QApplication instead.
__attribute__((weak)) QCoreApplication* CreateTestApplication(int& argc, char** argv)
{
    return new QCoreApplication(argc, argv);
}

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QTemporaryDir home;
    if (!home.isValid())
        return 2;
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_DATA_HOME", (home.path() + QStringLiteral("/share")).toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/config")).toUtf8());
    qputenv("XDG_CACHE_HOME", (home.path() + QStringLiteral("/cache")).toUtf8());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> app(CreateTestApplication(argc, argv));
    TRegistry::SetStoreFile(home.filePath(QStringLiteral("registry.ini")));
    TUserLocale::Set(TUserLocaleData::English());
    return RUN_ALL_TESTS();
}
