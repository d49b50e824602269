#pragma once
// The command-line road: name=value parameters, the log file on the "cmdline"
// logger, and the error trap around the work of the layer above.

#include "UStringList.h"

#include <QString>
#include <QStringList>
#include <memory>

class TFileLogAppender;
class TSessionObjectFactory;

// How a command-line run ended, for the process exit code.
enum class TCmdLineOutcome {
    Success = 0,        // everything asked for ran and every item ended "Success"
    Failed = 1,         // something could not run
    RowsRejected = 2,   // the run finished, but rows were rejected or an item ended "Partly"
};

class TCmdLineProcessor {
public:
    TCmdLineProcessor();
    virtual ~TCmdLineProcessor();
    TCmdLineProcessor(const TCmdLineProcessor&) = delete;
    TCmdLineProcessor& operator=(const TCmdLineProcessor&) = delete;

    void SetSessionObjectFactory(TSessionObjectFactory* factory) { FSessionObjectFactory = factory; }
    // False without arguments or when an error escapes Execute (it is logged).
    bool Run(const QStringList& arguments);

    // The value of the first parameter of that name (letter case ignored), trimmed; "" when absent.
    QString Param(const QString& name) const;
    // One name=value entry per parameter, the first of each name, values trimmed.
    const TStringList& Params() const { return FParams; }
    const QString& LogFileName() const { return FLogFileName; }
    TCmdLineOutcome Outcome() const { return FOutcome; }

    // "help": the usage text, printed to standard output.
    static QString UsageText();

protected:
    // Slot 0.
    virtual bool Execute() { return false; }
    // A worse outcome replaces a better one.
    void ReportOutcome(TCmdLineOutcome outcome);
    TSessionObjectFactory* SessionObjectFactory() const { return FSessionObjectFactory; }

private:
    TStringList FParams;
    QString FLogFileName;
    TSessionObjectFactory* FSessionObjectFactory = nullptr;
    std::unique_ptr<TFileLogAppender> FAppender;
    TCmdLineOutcome FOutcome = TCmdLineOutcome::Success;
};
