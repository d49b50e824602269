#include "UFileLineCountCache.h"

#include "UTxtFileLineCounter.h"

#include <QFileInfo>
#include <algorithm>
#include <limits>

namespace {

// The freshness key: last-write time to the millisecond, in UTC so that the
// repeated hour at the end of summer time cannot hide a change, and the size,
// which catches a rewrite within the same millisecond. "" for a missing file.
QString FreshnessKey(const QString& fileName)
{
    const QFileInfo info(fileName);
    if (!info.exists())
        return QString();
    return info.lastModified().toUTC().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz")) + QLatin1Char(' ')
           + QString::number(info.size());
}

}  // namespace

TFileLineCountCache& TFileLineCountCache::Instance()
{
    static TFileLineCountCache cache;
    return cache;
}

int TFileLineCountCache::LineCount(const QString& fileName)
{
    const QString key = FreshnessKey(fileName);
    const auto time = FTimes.constFind(fileName);
    if (time != FTimes.cend() && *time == key)
        return FCounts.value(fileName);
    const qint64 counted = TTxtFileLineCounter::CountLines(fileName);
    const int count = static_cast<int>(std::min<qint64>(counted, std::numeric_limits<int>::max()));
    FCounts.insert(fileName, count);
    FTimes.insert(fileName, key);
    return count;
}

void TFileLineCountCache::Clear()
{
    FCounts.clear();
    FTimes.clear();
}
