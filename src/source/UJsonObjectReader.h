#pragma once
// Delivers the objects of a JSON data file one at a time, by layout: one object
// per line, pretty-printed objects one after another, or one whole document.
// Each reader parses the first object (or the whole document) into FirstValue,
// from which the JSON reader builds its columns.
//
// A reader is shared by every JSON reader opened on its file (through the node
// cache), so its position belongs to whoever used it last: position it with
// GotoObject or Rewind before reading.

#include "UBlockTextReader.h"
#include "UJsonTree.h"

#include <QString>
#include <memory>

class TJsonObjectReader {
public:
    explicit TJsonObjectReader(QString fileName) : FFileName(std::move(fileName)) {}
    virtual ~TJsonObjectReader() = default;
    TJsonObjectReader(const TJsonObjectReader&) = delete;
    TJsonObjectReader& operator=(const TJsonObjectReader&) = delete;

    // Sets ObjectCount, then rewinds.
    virtual void CountObjects() = 0;
    // The line number used in error messages.
    virtual int CurrentLineNumber() const = 0;
    // True when objects are read one by one from the file.
    virtual bool CanPosition() const { return false; }
    // Back to before the first object.
    virtual void Rewind();
    // Makes the next object current.
    virtual void ReadNextObject() = 0;

    // Makes the object with 0-based index n current.
    void GotoObject(int n);
    bool HasMoreObjects() const { return FObjectIndex < FObjectCount; }

    const QString& FileName() const { return FFileName; }
    int ObjectCount() const { return FObjectCount; }
    int ObjectIndex() const { return FObjectIndex; }
    const QString& ObjectText() const { return FObjectText; }
    // The tree of the first object or of the whole document; none for a text
    // without a value. Valid as long as the reader lives.
    TJsonValue* FirstValue() const { return FFirstValue.get(); }

    // The reader for the file's layout, positioned on its first object.
    static std::unique_ptr<TJsonObjectReader> CreateForFile(const QString& fileName);

protected:
    QString FFileName;
    int FObjectCount = 0;
    int FObjectIndex = 0;
    QString FObjectText;
    std::unique_ptr<TJsonValue> FFirstValue;
};

// One object per line. Blank lines are not records; "#" lines before the first
// record are comments.
class TOneLineJsonObjectReader : public TJsonObjectReader {
public:
    explicit TOneLineJsonObjectReader(const QString& fileName);
    void CountObjects() override;
    int CurrentLineNumber() const override { return int(FReader.LineNumber()); }
    bool CanPosition() const override { return true; }
    void Rewind() override;
    void ReadNextObject() override;

private:
    TBlockTextReader FReader;
};

// Pretty-printed objects, each from a "{" line to a "}" (or "},") line.
class TMultipleLineJsonObjectReader : public TJsonObjectReader {
public:
    explicit TMultipleLineJsonObjectReader(const QString& fileName);
    void CountObjects() override;
    int CurrentLineNumber() const override { return int(FReader.LineNumber()); }
    bool CanPosition() const override { return true; }
    void Rewind() override;
    void ReadNextObject() override;
    int ObjectLineCount() const { return FObjectLines; }

    // Reads the lines of the next object from reader; carried is the "{" line
    // of that object when a look-ahead already read it, and is set again for
    // the object after it. text (when given) receives the lines with CR LF.
    static int ReadObjectLines(TBlockTextReader& reader, bool& carried, QString* text);

private:
    TBlockTextReader FReader;
    int FObjectLines = 0;
    bool FCarried = false;
};

// The whole file as one document.
class TWholeJsonObjectReader : public TJsonObjectReader {
public:
    explicit TWholeJsonObjectReader(const QString& fileName);
    void CountObjects() override { FObjectCount = 1; Rewind(); }
    int CurrentLineNumber() const override { return 1; }
    void ReadNextObject() override { ++FObjectIndex; }
};

// The file's text with the usual wrappers taken off: a leading "{" around an
// array, "data(" ... ")", leading "#" lines, or anything before the first "{".
QString CleanJsonText(const QString& fileName);
// The file's last-write time and size as text; a change means a new file.
QString FileStampText(const QString& fileName);
