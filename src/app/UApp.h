#pragma once
// The base layer of the application object: the road choice (command line when
// the process has any parameter, interactive otherwise), the interactive
// logging and the application-wide exception hook.

#include "UObject.h"

#include <QString>
#include <QStringList>
#include <memory>

class TFileLogAppender;

class TApp : public TObject {
    AMBERTIDE_CLASS(TApp)
public:
    // Raises EAbort, silently, when an application object exists already.
    TApp();
    ~TApp() override;

    // Slot 0: true when the process has at least one parameter.
    virtual bool IsCommandLineRun() const;
    // Slot 1: the stored object; "TApp not create." when there is none.
    static TApp* Instance();
    // Slot 2.
    virtual void Run();
    // Slot 3: the command-line road; false until a layer above provides it.
    virtual bool RunCommandLine();
    // Slot 4: the interactive road; the product's leaf class shows its main window.
    virtual void RunInteractive() = 0;
    // Slot 5.
    virtual QString GetSystemInfo() const;

    bool Interactive() const { return FInteractive; }
    // The process exit code; the command-line road sets it from the run's outcome.
    int ExitCode() const { return FExitCode; }
    void SetExitCode(int code) { FExitCode = code; }
    const QString& AppName() const { return FAppName; }

    // The exception hook: every error that escapes an event handler of the interactive road.
    void HandleException(const QString& message);

    // The program's parameters (without the program itself); main sets them.
    static void SetCommandLine(const QStringList& params);
    static const QStringList& CommandLine();

protected:
    // Support services: the update check of the interactive road (none on this platform).
    virtual void StartUpdateCheck() {}

private:
    void AddInteractiveLogging();
    void RemoveInteractiveLogging();

    bool FInteractive = false;
    int FExitCode = 0;
    std::unique_ptr<TFileLogAppender> FFileLogAppender;
    QString FAppName;
};

// True when the application object exists and took the interactive road.
bool IsInteractive();
// The stored application object or null.
TApp* AppObject();
