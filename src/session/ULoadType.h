#pragma once
// Write modes of a table destination and their session-file integers:
// 0 "Append", 1 "Replace", 2 "Update", 3 "Upsert".

#include <QString>

namespace LoadTypes {
inline const QString Append = QStringLiteral("Append");
inline const QString Replace = QStringLiteral("Replace");
inline const QString Update = QStringLiteral("Update");
inline const QString Upsert = QStringLiteral("Upsert");
}  // namespace LoadTypes

// The integer of a mode, -1 for any other text.
int LoadTypeToInt(const QString& loadType);
// The mode of an integer, "" outside 0 to 3.
QString LoadTypeFromInt(int value);
// The "LoadType" value read from a session file: a known integer gives its
// mode; any other value leaves current unchanged.
QString LoadTypeFromKey(int value, const QString& current);
// The integer written for a mode: an empty or unknown mode is written as
// "Replace", and loadType is set to it.
int LoadTypeForSave(QString& loadType);
// Only "Update" and "Upsert" write the "UpdateKey".
bool LoadTypeUsesKey(const QString& loadType);
