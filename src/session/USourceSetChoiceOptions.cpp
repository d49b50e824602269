#include "USourceSetChoiceOptions.h"

QString FilterOfLegacyExt(const QString& ext)
{
    if (ext.isEmpty() || ext.compare(QLatin1String("all"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("*.*");
    return QStringLiteral("*.") + ext;
}

QString ReadFilterOrLegacyExt(const TMyIniFile& ini, const QString& section)
{
    const QString filter = ReadSessionString(ini, section, QStringLiteral("Filter"));
    if (!filter.isEmpty())
        return filter;
    return FilterOfLegacyExt(ReadSessionString(ini, section, QStringLiteral("Ext")));
}
