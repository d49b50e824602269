#include "UCmdLineProcessor.h"

#include "UException.h"
#include "UFileLogAppender.h"
#include "ULog.h"

#include <QTextStream>

TCmdLineProcessor::TCmdLineProcessor() = default;

TCmdLineProcessor::~TCmdLineProcessor()
{
    if (FAppender)
        TLog::CmdLine().RemoveAppender(FAppender.get());
}

QString TCmdLineProcessor::Param(const QString& name) const
{
    return FParams.Values(name);
}

void TCmdLineProcessor::ReportOutcome(TCmdLineOutcome outcome)
{
    // Failed (1) outranks rejected rows (2), which outrank success (0).
    auto rank = [](TCmdLineOutcome o) {
        return o == TCmdLineOutcome::Failed ? 2 : o == TCmdLineOutcome::RowsRejected ? 1 : 0;
    };
    if (rank(outcome) > rank(FOutcome))
        FOutcome = outcome;
}

bool TCmdLineProcessor::Run(const QStringList& arguments)
{
    if (arguments.isEmpty())
        return false;
    for (const QString& argument : arguments) {
        const QString a = argument.trimmed().toLower();
        if (a == QLatin1String("help") || a.startsWith(QLatin1String("help="))) {
            QTextStream(stdout) << UsageText();
            return true;
        }
    }
    for (const QString& argument : arguments) {
        const int eq = argument.indexOf(QLatin1Char('='));
        if (eq <= 0)
            continue;
        const QString name = argument.left(eq).trimmed();
        if (FParams.IndexOfName(name) >= 0)
            continue;
        FParams.Add(name + QLatin1Char('=') + argument.mid(eq + 1).trimmed());
    }
    FLogFileName = Param(QStringLiteral("logfile"));
    FAppender = std::make_unique<TFileLogAppender>(FLogFileName);
    FAppender->SetInfoLevel();
    TLog::CmdLine().AddAppender(FAppender.get());
    try {
        const bool result = Execute();
        if (!result)
            ReportOutcome(TCmdLineOutcome::Failed);
        return result;
    } catch (const std::exception& e) {
        ReportOutcome(TCmdLineOutcome::Failed);
        try {
            TLog::CmdLine().Error(ExceptionMessage(e));
        } catch (...) {
            // The log file itself cannot be written; the outcome still says so.
        }
        return false;
    }
}

QString TCmdLineProcessor::UsageText()
{
    return QStringLiteral(
        "Usage: ambertide [name=value ...]\n"
        "Without parameters the main window opens. With parameters nothing is shown:\n"
        "  session=FILE         run a saved session (.jif or .jin)\n"
        "  workspace=FILE       run the session files listed in FILE, one per line\n"
        "  sql=FILE             run an SQL script on the database (also dest_sql=FILE)\n"
        "  logfile=FILE         write the run's log to FILE\n"
        "  access_database=FILE, access_username=NAME, access_password=TEXT, access_unicode=True|False\n"
        "                       log on with these values instead of the session's [TargetDB] section;\n"
        "                       a database file that does not exist yet (in an existing folder) is created\n"
        "  help                 print this text\n"
        "Exit codes: 0 everything ran and every item succeeded; 2 the run finished but rows were\n"
        "rejected or an item was only partly converted; 1 something could not run (no logon, a missing\n"
        "or invalid session or workspace, a load error, a failed item, an SQL error).\n");
}
