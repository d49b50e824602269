#pragma once
// Runs one session file unattended: load it, attach a log outputer writing to
// the run's log file, execute.

#include <QString>

class TSessionObjectFactory;

class TConvertSessionCmdHandler {
public:
    explicit TConvertSessionCmdHandler(TSessionObjectFactory* factory) : FFactory(factory) {}
    // The executor's result: true when the run succeeded.
    bool RunSessionFile(const QString& sessionFile, const QString& logFile);

private:
    TSessionObjectFactory* FFactory;  // not owned
};
