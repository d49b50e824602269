#include "TestUtil.h"
#include "UAppFolders.h"
#include "UApp.h"
#include "UErrorReport.h"
#include "UException.h"
#include "UExceptionStat.h"
#include "ULog.h"
#include "UMemoryLogAppender.h"

#include <gtest/gtest.h>

namespace {

class TProbeApp : public TApp {
public:
    bool commandLineRan = false;
    bool interactiveRan = false;
    bool failCommandLine = false;
    std::function<void(TProbeApp&)> duringInteractive;

    bool RunCommandLine() override
    {
        commandLineRan = true;
        if (failCommandLine)
            throw Exception(QStringLiteral("session file missing"));
        return true;
    }
    void RunInteractive() override
    {
        interactiveRan = true;
        if (duringInteractive)
            duringInteractive(*this);
    }
};

TEST(App, AnyParameterTakesTheCommandLineRoad)
{
    TApp::SetCommandLine({QStringLiteral("anything=1")});
    TProbeApp app;
    app.Run();
    EXPECT_TRUE(app.commandLineRan);
    EXPECT_FALSE(app.interactiveRan);
    EXPECT_FALSE(IsInteractive());
    TApp::SetCommandLine({});
}

TEST(App, CommandLineErrorsAreLoggedNotRaised)
{
    TApp::SetCommandLine({QStringLiteral("session=x.jif")});
    TMemoryLogAppender log;
    TLog::Global().AddAppender(&log);
    TProbeApp app;
    app.failCommandLine = true;
    EXPECT_NO_THROW(app.Run());
    EXPECT_TRUE(log.GetText().contains(QStringLiteral("[debug]\tsession file missing")));
    TApp::SetCommandLine({});
}

TEST(App, InteractiveRoadLogsErrorsOnceAndShowsThem)
{
    TApp::SetCommandLine({});
    QStringList shown;
    SetErrorReportHandler([&](const QString& m) { shown.append(m); });
    TProbeApp app;
    app.duringInteractive = [](TProbeApp& self) {
        EXPECT_TRUE(IsInteractive());
        self.HandleException(QStringLiteral("menu handler failed"));
        // The hook clears the statistics: the end of a run does not report it again.
        EXPECT_FALSE(TExceptionStat::HasErrors());
    };
    app.Run();
    EXPECT_TRUE(app.interactiveRan);
    EXPECT_EQ(shown, QStringList({QStringLiteral("menu handler failed")}));
    const QString log = ReadFileText(GetAppDataFolder(app.AppName()) + QStringLiteral("exception.log"));
    EXPECT_TRUE(log.contains(QStringLiteral("[error]\tmenu handler failed\r\n")));
    SetErrorReportHandler(nullptr);
}

TEST(App, OneApplicationObject)
{
    EXPECT_THROW(TApp::Instance(), Exception);
    try {
        TApp::Instance();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("TApp not create."));
    }
    TProbeApp first;
    EXPECT_EQ(TApp::Instance(), &first);
    EXPECT_THROW(TProbeApp second, EAbort);
    EXPECT_EQ(TApp::Instance(), &first);
}

TEST(App, SystemInfoLines)
{
    TProbeApp app;
    const QStringList lines = app.GetSystemInfo().split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("System Language: ")));
    EXPECT_EQ(lines[2], QStringLiteral("System Decimal Separator: ."));
}

}  // namespace
