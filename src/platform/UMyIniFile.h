#pragma once
// INI files with the Windows semantics: sections and keys compare without
// letter case, a write updates its key in place or appends it at the end of its
// section, every other line and comment stays as it was, enclosing quotes of a
// value are dropped on read. Each write reaches the disk at once (atomically,
// through a temporary file), unless it sits between BeginUpdate and EndUpdate.

#include "UStringList.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

class TIniFile {
public:
    explicit TIniFile(QString fileName);
    virtual ~TIniFile();
    TIniFile(const TIniFile&) = delete;
    TIniFile& operator=(const TIniFile&) = delete;

    const QString& FileName() const { return FFileName; }

    // The ordinary reader returns at most 2,047 characters of a value.
    virtual QString ReadString(const QString& section, const QString& ident, const QString& defaultValue) const;
    void WriteString(const QString& section, const QString& ident, const QString& value);
    int ReadInteger(const QString& section, const QString& ident, int defaultValue) const;
    void WriteInteger(const QString& section, const QString& ident, int value);
    // Integer texts (non-zero is true) and "True"/"False"; anything else is the default.
    bool ReadBool(const QString& section, const QString& ident, bool defaultValue) const;
    // Written as "1" and "0", like the platform's INI class.
    void WriteBool(const QString& section, const QString& ident, bool value);

    bool SectionExists(const QString& section) const;
    bool ValueExists(const QString& section, const QString& ident) const;
    void ReadSection(const QString& section, TStringList& idents) const;
    void ReadSections(TStringList& sections) const;
    // name=value entries of a section, values as read (quotes dropped).
    void ReadSectionValues(const QString& section, TStringList& values) const;
    // Adds an empty section when it is missing.
    void AddSection(const QString& section);
    void EraseSection(const QString& section);
    void DeleteKey(const QString& section, const QString& ident);

    // Writes between the two calls are kept in memory and saved once at the end.
    void BeginUpdate();
    void EndUpdate();
    void UpdateFile();

    static constexpr int OrdinaryValueLimit = 2047;
    static constexpr int LongValueLimit = 307200;

protected:
    QString ReadValue(const QString& section, const QString& ident, const QString& defaultValue, int limit) const;

private:
    struct TEntryPos { int section = -1; int key = -1; };
    void Reload() const;
    int FindSection(const QString& section) const;
    int FindKey(int sectionLine, const QString& ident) const;
    int SectionEnd(int sectionLine) const;
    void Changed();
    static bool IsSectionLine(const QString& line, QString* name = nullptr);
    static bool SplitKeyLine(const QString& line, QString* key, QString* value);

    QString FFileName;
    mutable QStringList FLines;
    mutable QDateTime FLoadedStamp;
    mutable qint64 FLoadedSize = -1;
    mutable bool FLoaded = false;
    mutable QString FEncoding;      // how the file was read, so it is written back the same way
    mutable QString FLineBreak;
    int FUpdateCount = 0;
    bool FDirty = false;
};

// Session files and logon sections hold values of up to 307,200 characters.
class TMyIniFile : public TIniFile {
public:
    using TIniFile::TIniFile;
    QString ReadString(const QString& section, const QString& ident, const QString& defaultValue) const override;
};
