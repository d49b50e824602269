#include "URecentFileList.h"

#include "URegistry.h"

namespace {
const QString RootKey = QStringLiteral("Software\\Corvella\\Ambertide\\");

QString ItemValueName(int i)
{
    return QStringLiteral("Item%1").arg(i);
}
}  // namespace

QString TRecentFileList::RegistryKeyOf(const QString& listName)
{
    return RootKey + listName;
}

QString TRecentFileList::RegistryKey() const
{
    return RegistryKeyOf(FListName);
}

QStringList TRecentFileList::Items() const
{
    QStringList items;
    if (FListName.isEmpty())
        return items;
    TRegistry reg;
    if (!reg.OpenKeyReadOnly(RegistryKey()))
        return items;
    for (int i = 0; i < MaxItems; ++i) {
        if (!reg.ValueExists(ItemValueName(i)))
            continue;
        const QString name = reg.ReadString(ItemValueName(i));
        if (!name.isEmpty() && !items.contains(name))
            items.append(name);
    }
    return items;
}

void TRecentFileList::Write(const QStringList& items) const
{
    TRegistry reg;
    if (!reg.OpenKey(RegistryKey(), true))
        return;
    for (int i = 0; i < MaxItems; ++i) {
        if (i < items.size())
            reg.WriteString(ItemValueName(i), items[i]);
        else if (reg.ValueExists(ItemValueName(i)))
            reg.DeleteValue(ItemValueName(i));
    }
}

void TRecentFileList::Add(const QString& fileName)
{
    if (FListName.isEmpty() || fileName.isEmpty())
        return;
    QStringList items = Items();
    items.removeAll(fileName);
    items.prepend(fileName);
    while (items.size() > MaxItems)
        items.removeLast();
    Write(items);
}

void TRecentFileList::Remove(const QString& fileName)
{
    if (FListName.isEmpty())
        return;
    QStringList items = Items();
    if (items.removeAll(fileName) > 0)
        Write(items);
}
