#pragma once
// Runs one session file unattended: load it, attach a log outputer writing to
// the run's log file, execute.

#include "USessionExecutor.h"

#include <QString>

class TSessionObjectFactory;

class TConvertSessionCmdHandler {
public:
    explicit TConvertSessionCmdHandler(TSessionObjectFactory* factory) : FFactory(factory) {}
    // How the run ended; a session that cannot even be run raises.
    TSessionExecutor::TRunResult RunSessionFile(const QString& sessionFile, const QString& logFile);

private:
    TSessionObjectFactory* FFactory;  // not owned
};
