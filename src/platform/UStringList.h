#pragma once
// TStringList: the shared list of texts and name=value entries.
// Names compare without letter case; Text joins the entries, each followed by
// CR LF; setting a value to "" removes its entry.

#include <QString>
#include <QStringList>

class TStringList {
public:
    TStringList() = default;
    TStringList(const QStringList& lines) : FItems(lines) {}

    int Count() const { return FItems.size(); }
    bool IsEmpty() const { return FItems.isEmpty(); }
    const QString& operator[](int index) const { return FItems[index]; }
    const QString& Strings(int index) const { return FItems[index]; }
    void SetStrings(int index, const QString& s) { FItems[index] = s; }

    int Add(const QString& s) { FItems.append(s); return FItems.size() - 1; }
    void AddStrings(const TStringList& other) { FItems.append(other.FItems); }
    void Insert(int index, const QString& s) { FItems.insert(index, s); }
    void Delete(int index) { FItems.removeAt(index); }
    void Clear() { FItems.clear(); }

    // Case-insensitive position of a whole entry, -1 when absent.
    int IndexOf(const QString& s) const;
    // Case-insensitive position of the first entry named name, -1 when absent.
    int IndexOfName(const QString& name) const;

    // The part before the first "=" ("" when there is none) and the part after it.
    QString Names(int index) const;
    QString ValueFromIndex(int index) const;

    QString Values(const QString& name) const;
    void SetValue(const QString& name, const QString& value);

    QString Text() const;
    // Splits at CR LF, CR or LF; a final line break adds no empty entry.
    void SetText(const QString& text);

    // Entries separated by delimiter; an entry holding the delimiter, a quote
    // or a blank is enclosed in double quotes, inner quotes doubled.
    QString DelimitedText(QChar delimiter = QLatin1Char(',')) const;
    void SetDelimitedText(const QString& text, QChar delimiter = QLatin1Char(','));

    const QStringList& List() const { return FItems; }
    QStringList& List() { return FItems; }

    bool operator==(const TStringList& other) const { return FItems == other.FItems; }

    auto begin() const { return FItems.begin(); }
    auto end() const { return FItems.end(); }

private:
    QStringList FItems;
};

// Booleans inside name=value lists and settings are written "-1" and "0".
QString BoolToStr(bool value);
// Accepts "-1"/"0", any other integer (non-zero is true) and "True"/"False" in
// any letter case; ok is false for anything else.
bool TryStrToBool(const QString& text, bool& value);
bool StrToBoolDef(const QString& text, bool defaultValue);
