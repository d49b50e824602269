#pragma once
// What a batch file is made of: the session (or task) file, the log file, the
// batch file, and the program that runs them. The batch file is one line that
// sh runs as well.

#include <QString>

class TBatchOptions {
public:
    virtual ~TBatchOptions() = default;

    // Slot 0: false with Message() set when something is missing.
    virtual bool Validate();
    // Slot 1: writes the one-line batch file (overwriting it) with its run bit.
    virtual void CreateBatchFile();

    // The full path of the running program.
    QString ProgramPath() const;
    // The program path tests and other callers can set; "" means the running program.
    void SetProgramPath(const QString& path) { FProgramPath = path; }

    // "session", or "task" for task files.
    QString SessionParamName = QStringLiteral("session");
    QString SessionFile;
    QString LogFile;
    QString BatchFile;
    QString Message;

    // The batch file's line, without its line end.
    QString BatchLine() const;
    // The log file and batch file names that go with a session file:
    // /jobs/daily.jif gives /jobs/daily.log and /jobs/daily.bat.
    void PresetSessionFile(const QString& sessionFile);

private:
    QString FProgramPath;
};

// The password of a logon parameter text shown as six asterisks:
// password="secret" becomes password="******"; a text without one is kept.
QString HidePassword(const QString& paramsText);
