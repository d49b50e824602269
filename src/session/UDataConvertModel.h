#pragma once
// TDataConvertModel: the base of every option object of a conversion session.
// An option object writes its keys into one section of a session file, reads
// them back, compares itself with another object of its class, brings its
// derived state up to date and describes itself for the log.
//
// The save and load operations take the open INI file rather than a file name:
// the session writes all of its option objects through one TMyIniFile inside
// one BeginUpdate/EndUpdate, so the file reaches the disk once, complete.

#include "UMyIniFile.h"
#include "UObject.h"

#include <QString>
#include <QStringList>

class TDataConvertModel : public TObject {
    AMBERTIDE_CLASS(TDataConvertModel)
public:
    TDataConvertModel() = default;
    ~TDataConvertModel() override = default;
    TDataConvertModel(const TDataConvertModel&) = delete;
    TDataConvertModel& operator=(const TDataConvertModel&) = delete;

    // Slot 0: write this object's keys into the section.
    virtual void SaveToIni(TMyIniFile& ini, const QString& section) = 0;
    // Slot 1: read them back; a missing key reads as its default.
    virtual void LoadFromIni(const TMyIniFile& ini, const QString& section) = 0;
    // Slot 2: another object of the same class; false for an object of another class.
    virtual bool IsEqual(const TDataConvertModel& other) const = 0;
    // Slot 3: bring derived state up to date (after loading, before a run).
    virtual void Refresh() {}
    // Slot 4.
    virtual QString GetDescription() const;

    // One object on its own file: one complete write, and a plain read.
    void SaveToFile(const QString& fileName, const QString& section);
    void LoadFromFile(const QString& fileName, const QString& section);

    // The section of a session file: the first of the markers "[load]",
    // "[unload]", "[import]", "[export]", "[convert]" found anywhere in the
    // lower-cased text gives "Load", "Unload", "Import", "Export", "Convert";
    // none gives "". Raises when the file cannot be read.
    static QString FindSectionOfFile(const QString& fileName);
    static QString FindSectionOfText(const QString& text);
};

// The whole text of a session file, decoded like the INI reader decodes it.
// Raises "Cannot open file \"" + name + "\". " + the reason.
QString ReadSessionFileText(const QString& fileName);

// Value encodings of session files.
// Texts: the long-value reader (up to 307,200 characters).
QString ReadSessionString(const TMyIniFile& ini, const QString& section, const QString& key,
                          const QString& defaultValue = QString());
// The key, or when it is empty the legacy key of older versions.
QString ReadSessionStringOrLegacy(const TMyIniFile& ini, const QString& section, const QString& key,
                                  const QString& legacyKey);
// Integers in decimal; a value that is not a number gives the default.
int ReadSessionInteger(const TMyIniFile& ini, const QString& section, const QString& key, int defaultValue);
// Booleans are written "1"/"0" and read as integers: non-zero is true, a value
// that is not a number gives the default.
bool ReadSessionBool(const TMyIniFile& ini, const QString& section, const QString& key, bool defaultValue);
void WriteSessionBool(TMyIniFile& ini, const QString& section, const QString& key, bool value);

// Lists are joined by "|"; an empty text is an empty list.
QString JoinBarList(const QStringList& items);
QStringList SplitBarList(const QString& text);
