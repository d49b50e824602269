#include "UJsonNodeCache.h"

TJsonNodeCache& TJsonNodeCache::Instance()
{
    static TJsonNodeCache cache;
    return cache;
}

bool TJsonNodeCache::Contains(const QString& fileName) const
{
    for (const TEntry& e : FEntries)
        if (e.FileName == fileName)
            return true;
    return false;
}

std::shared_ptr<TJsonObjectReader> TJsonNodeCache::GetObjectReader(const QString& fileName)
{
    const QString stamp = FileStampText(fileName);
    for (TEntry& e : FEntries) {
        if (e.FileName != fileName)
            continue;
        if (e.Stamp != stamp) {
            // Built before the old one goes: when the changed file fails to
            // parse, the entry stays stale and the next call tries again.
            e.Reader = TJsonObjectReader::CreateForFile(fileName);
            e.Stamp = stamp;
        }
        return e.Reader;
    }
    std::shared_ptr<TJsonObjectReader> reader = TJsonObjectReader::CreateForFile(fileName);
    if (FEntries.size() >= size_t(MaxReaders))
        FEntries.erase(FEntries.begin());
    FEntries.push_back({fileName, stamp, reader});
    return reader;
}
