// Ambertide: with any parameter the command-line road (no window, no display
// needed), without parameters the main window. The exit code is always 0; an
// unattended run reports through its log.

#include "UAccessDBClassInit.h"
#include "UAmbertide.h"
#include "UDBOutClasses.h"
#include "UEngineClassInit.h"
#include "UInteractiveApplication.h"
#include "UStartup.h"
#include "UValueParseClassInit.h"

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

    AddStartupStep(RegisterValueParseClasses);
    AddStartupStep(RegisterDBConnClasses);
    AddStartupStep(RegisterDBOutClasses);
    AddStartupStep(RegisterEngineClasses);
    RunUnitStartup();
    InstallInteractiveRoad();
    try {
        TAmbertide::Instance()->Run();
    } catch (...) {
        // Nothing escapes the run; the exit code stays 0.
    }
    TAmbertide::FreeInstance();
    RunUnitShutdown();
    return 0;
}
