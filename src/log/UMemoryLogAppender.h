#pragma once
// A bounded in-memory log. The size check runs once per 1,001 appends, so an
// append is one list insertion; after a trim the joined text is exactly the capacity.

#include "ULogAppender.h"

#include <QStringList>

class TMemoryLogAppender : public TLogAppender {
public:
    // capacity in characters; 0 never trims.
    explicit TMemoryLogAppender(int capacity = 0) : FCapacity(capacity) {}
    void Append(const QString& line) override;
    // All entries, each followed by CR LF.
    QString GetText() const;
    void Clear() { FLines.clear(); }
    int Capacity() const { return FCapacity; }
    const QStringList& Lines() const { return FLines; }

private:
    QStringList FLines;
    int FCapacity = 0;
    int FAppendCount = 0;
};
