#pragma once
// The object readers of the process, one per file, so that the wizard, the
// preview, the sampling and the run parse an unchanged file once. At most
// MaxReaders are kept; the oldest-inserted one goes first.
//
// Ownership is shared: a JSON reader that holds an object reader keeps it
// alive after the cache has evicted or replaced it. Main thread only.

#include "UJsonObjectReader.h"

#include <QString>
#include <memory>
#include <vector>

class TJsonNodeCache {
public:
    static constexpr int MaxReaders = 21;

    static TJsonNodeCache& Instance();

    // The cached reader while the file's stamp is unchanged; otherwise a new
    // one from CreateForFile, stored in place of the stale one or appended.
    std::shared_ptr<TJsonObjectReader> GetObjectReader(const QString& fileName);

    int Size() const { return int(FEntries.size()); }
    bool Contains(const QString& fileName) const;
    void Clear() { FEntries.clear(); }

private:
    struct TEntry {
        QString FileName;
        QString Stamp;
        std::shared_ptr<TJsonObjectReader> Reader;
    };
    // Keyed by the path as given: Linux paths differ by letter case, so
    // "a.json" and "A.json" are two files.
    std::vector<TEntry> FEntries;
};
