#pragma once
// TSessionManager: the save workflow around a session: the prompt that offers
// to save changes, "save as", and the template copy written before each
// interactive run. The dialogs belong to the user interface, which hands them
// in as a TSessionPrompter; the batch-file dialog comes as a callback.

#include <QString>
#include <functional>

class TConvertSession;

class TSessionPrompter {
public:
    virtual ~TSessionPrompter() = default;
    // A yes/no question; true for "Yes".
    virtual bool Confirm(const QString& text) = 0;
    // The save dialog; true for OK (or "Save && Make Batch File", which sets
    // makeBatchFile), with the checked file name of TSessionSaver::ResolveFileName.
    virtual bool ChooseSaveFile(TConvertSession& session, QString& fileName, bool& makeBatchFile) = 0;
};

class TSessionManager {
public:
    using TBatchFileDialog = std::function<void(const QString& sessionFileName)>;

    TSessionManager() = default;

    // Neither is owned.
    void SetPrompter(TSessionPrompter* prompter) { FPrompter = prompter; }
    void SetBatchFileDialog(TBatchFileDialog dialog) { FBatchFileDialog = std::move(dialog); }

    // Not empty, changed, and the user answers "Yes" to "Save changed session
    // now?" + line break + the session's name or description.
    bool AskSaveIfChanged(TConvertSession& session);
    // The save dialog, the save, and the batch-file dialog when asked for;
    // true when the session file exists afterwards.
    bool SaveAs(TConvertSession& session);

    // "recent." + the default extension in the data folder: the whole session
    // without backup or recent-list change; every failure is logged at level
    // debug and the run goes on. Returns the file name, "" when skipped.
    static QString WriteTemplateCopy(TConvertSession& session);
    static QString TemplateFileName(const TConvertSession& session);

private:
    TSessionPrompter* FPrompter = nullptr;
    TBatchFileDialog FBatchFileDialog;
};
