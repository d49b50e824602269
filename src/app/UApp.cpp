#include "UApp.h"

#include "UAppFolders.h"
#include "UErrorReport.h"
#include "UException.h"
#include "UExceptionStat.h"
#include "UFileLogAppender.h"
#include "ULog.h"
#include "UUserLocale.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QSysInfo>

namespace {
TApp* StoredApp = nullptr;

QStringList& Params()
{
    static QStringList params;
    return params;
}
}  // namespace

TApp::TApp()
{
    if (StoredApp)
        throw EAbort();
    QString name = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    if (name.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive))
        name.chop(4);
    FAppName = name.isEmpty() ? QStringLiteral("Ambertide") : name;
    StoredApp = this;
}

TApp::~TApp()
{
    RemoveInteractiveLogging();
    if (StoredApp == this)
        StoredApp = nullptr;
}

TApp* TApp::Instance()
{
    if (!StoredApp)
        throw Exception(QStringLiteral("TApp not create."));
    return StoredApp;
}

TApp* AppObject()
{
    return StoredApp;
}

bool IsInteractive()
{
    return StoredApp && StoredApp->Interactive();
}

void TApp::SetCommandLine(const QStringList& params)
{
    Params() = params;
}

const QStringList& TApp::CommandLine()
{
    return Params();
}

bool TApp::IsCommandLineRun() const
{
    return !CommandLine().isEmpty();
}

bool TApp::RunCommandLine()
{
    return false;
}

void TApp::Run()
{
    TLog::Global().Debug(QStringLiteral("Start ") + FAppName);
    if (IsCommandLineRun()) {
        // The outcome of an unattended run is reported through its log only.
        try {
            RunCommandLine();
        } catch (const std::exception& e) {
            TLog::Global().Debug(ExceptionMessage(e));
        } catch (...) {
            TLog::Global().Debug(QStringLiteral("Unknown error"));
        }
        return;
    }
    StartUpdateCheck();
    FInteractive = true;
    AddInteractiveLogging();
    RunInteractive();
    RemoveInteractiveLogging();
}

void TApp::AddInteractiveLogging()
{
    FFileLogAppender = std::make_unique<TFileLogAppender>(GetAppDataFolder(FAppName) + QStringLiteral("exception.log"));
    FFileLogAppender->SetErrorLevel();
    TLog::Global().AddAppender(FFileLogAppender.get());
    TExceptionStat::Create();
}

void TApp::RemoveInteractiveLogging()
{
    FFileLogAppender.reset();
    TExceptionStat::Destroy();
}

void TApp::HandleException(const QString& message)
{
    try {
        TLog::Global().Error(message);
    } catch (...) {
        // A failing exception.log must not take the hook down with it.
    }
    if (FInteractive)
        ShowErrorReport(message);
    TExceptionStat::Clear();
}

QString TApp::GetSystemInfo() const
{
    return QSysInfo::prettyProductName() + QStringLiteral("\r\nSystem Language: ")
        + QLocale::languageToString(QLocale::system().language())
        + QStringLiteral("\r\nSystem Decimal Separator: ") + TUserLocale::DecimalSeparator();
}
