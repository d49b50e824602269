#pragma once
// The registry of named loggers. Names compare without letter case; a logger is
// created on first use. "Global" takes everything, "cmdline" the command-line run.

#include "ULogger.h"

class TLog {
public:
    static TLogger& GetLogger(const QString& name);
    static TLogger& Global() { return GetLogger(QStringLiteral("Global")); }
    static TLogger& CmdLine() { return GetLogger(QStringLiteral("cmdline")); }
    // Takes the appender out of every registered logger.
    static void RemoveAppenderEverywhere(TLogAppender* appender);
};
