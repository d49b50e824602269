// Ambertide: with any parameter the command-line road (no window, no display
// needed), without parameters the main window. An unattended run reports
// through its log and its exit code (0 success, 2 rows rejected, 1 failed).

#include "UAmbertide.h"
#include "UInteractiveApplication.h"
#include "UStartup.h"

#include <QCoreApplication>
#include <memory>

int main(int argc, char** argv)
{
    const bool commandLine = argc > 1;
    std::unique_ptr<QCoreApplication> qt;
    if (commandLine)
        qt = std::make_unique<QCoreApplication>(argc, argv);
    else
        qt = std::make_unique<TInteractiveApplication>(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Corvella"));
    QCoreApplication::setApplicationName(QStringLiteral("Ambertide"));
    TApp::SetCommandLine(QCoreApplication::arguments().mid(1));

    TAmbertide::AddStartupRegistrations();
    RunUnitStartup();
    if (!commandLine)
        InstallInteractiveRoad();
    int exitCode = 0;
    try {
        TAmbertide* app = TAmbertide::Instance();
        app->Run();
        exitCode = app->ExitCode();
    } catch (...) {
        // The application objects could not be built; the error was shown.
        exitCode = commandLine ? 1 : 0;
    }
    TAmbertide::FreeInstance();
    RunUnitShutdown();
    return exitCode;
}
