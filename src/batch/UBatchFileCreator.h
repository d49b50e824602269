#pragma once
// Makes batch files through the batch-file dialog. The dialog is a window, so
// the user interface installs it; without one (the command line) nothing is shown.

#include <QString>
#include <functional>

class TLogonOption;

class TBatchFileCreator {
public:
    virtual ~TBatchFileCreator() = default;
    // Slot 0: shows the dialog (with the session file preset when given);
    // true when a batch file was made.
    virtual bool CreateDialog(const QString& sessionFile = QString()) = 0;
};

class TLogonBatchOptions;

class TLogonBatchFileCreator : public TBatchFileCreator {
public:
    // Empty in this product; "task" (any letter case) makes task files.
    QString Mode;
    TLogonOption* SourceLogonOption = nullptr;  // not owned
    TLogonOption* TargetLogonOption = nullptr;  // not owned

    bool CreateDialog(const QString& sessionFile = QString()) override;
    // The options a new dialog starts from: the logons, the task mode, the preset names.
    void PrepareOptions(TLogonBatchOptions& options, const QString& sessionFile) const;

    using TDialogRunner = std::function<bool(TLogonBatchOptions& options)>;
    static void SetDialogRunner(TDialogRunner runner);
};
