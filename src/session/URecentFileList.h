#pragma once
// A most-recently-used list of file names kept in the registry stand-in under
// "Software\Corvella\Ambertide\" + the list name: at most 10 names, newest
// first, no duplicates. The values are "Item0" (newest) to "Item9".
// Names compare exactly: file names on this platform are case-sensitive.

#include <QString>
#include <QStringList>

class TRecentFileList {
public:
    static constexpr int MaxItems = 10;

    TRecentFileList() = default;
    explicit TRecentFileList(QString listName) : FListName(std::move(listName)) {}

    void SetListName(const QString& listName) { FListName = listName; }
    const QString& ListName() const { return FListName; }
    // "Software\Corvella\Ambertide\" + the list name.
    QString RegistryKey() const;

    // Adds the name at the top, or moves it there; does nothing without a list name.
    void Add(const QString& fileName);
    void Remove(const QString& fileName);
    QStringList Items() const;

    static QString RegistryKeyOf(const QString& listName);

private:
    void Write(const QStringList& items) const;

    QString FListName;
};
