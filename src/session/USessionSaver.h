#pragma once
// TSessionSaver: what the save dialog does besides showing itself: the label
// text, the checks of the chosen file name, and the save itself. It holds the
// session (not owned) and whether the user asked for a batch file.

#include <QString>

class TConvertSession;

class TSessionSaver {
public:
    explicit TSessionSaver(TConvertSession& session) : FSession(session) {}

    // "Save Session (" + the session's name or description, line breaks as two blanks, + ")".
    QString DialogLabel() const;

    // The file the dialog's text names, made ready to save into:
    //  - an empty text: "Please choose/enter Sessoin file.";
    //  - a bare name: blanks become "_" and the file goes into the documents
    //    folder "Ambertide" (created when missing);
    //  - no extension: "." + the default extension is appended;
    //  - a file that does not exist yet is created empty (one empty line);
    //    failing that: "Can not create Session file \"" + name + "\": " + the
    //    error + ", please select another file.".
    // Returns false with the message in error when the dialog must stay open.
    static bool ResolveFileName(const QString& text, const QString& defaultExt, QString& fileName, QString& error);

    // Saves the session to the file (backup, recent list, all sections).
    void Save(const QString& fileName, bool makeBatchFile);
    bool MakeBatchFile() const { return FMakeBatchFile; }
    TConvertSession& Session() const { return FSession; }

private:
    TConvertSession& FSession;
    bool FMakeBatchFile = false;
};
