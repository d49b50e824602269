#include "UFieldKindTypeMap.h"

#include "UAppSettings.h"

namespace {
TStringList AccessTable()
{
    return TStringList(QStringList{
        QStringLiteral("integer=integer"),
        QStringLiteral("largeint=number"),
        QStringLiteral("bytes=longbinary"),
        QStringLiteral("boolean=yesno"),
        QStringLiteral("string=text(255)"),
        QStringLiteral("datetime=datetime"),
        QStringLiteral("date=date"),
        QStringLiteral("time=time"),
        QStringLiteral("timestamp=timestamp"),
        QStringLiteral("float=number"),
        QStringLiteral("blob=longbinary"),
        QStringLiteral("widestring=text(255)"),
        QStringLiteral("memo=memo"),
        QStringLiteral("unknown=text(255)"),
    });
}
}  // namespace

TFieldKindTypeMap::TFieldKindTypeMap()
{
    FTables.insert(QStringLiteral("access"), AccessTable());
}

void TFieldKindTypeMap::SetDBType(const QString& dbKind)
{
    auto it = FTables.constFind(dbKind.toLower());
    FSelected = it == FTables.constEnd() ? nullptr : &it.value();
}

QString TFieldKindTypeMap::MapType(const QString& kindName) const
{
    if (!FSelected)
        return QString();
    QString key = kindName.toLower();
    key.remove(QStringLiteral("ft"));
    if (key == QLatin1String("string")) {
        const QString defaultType = GetDefaultFieldType();
        if (!defaultType.isEmpty())
            return defaultType;
    }
    if (FSelected->IndexOfName(key) >= 0)
        return FSelected->Values(key);
    return FSelected->Values(QStringLiteral("unknown"));
}
