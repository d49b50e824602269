#pragma once
// The classification of field kinds shared by the table structure, the SQL
// creator and the write executors.

#include "UFieldType.h"

bool IsDateTimeType(TFieldType type);
bool IsBinaryLobType(TFieldType type);
bool IsTextLobType(TFieldType type);
bool IsNumericType(TFieldType type);
inline bool IsLobType(TFieldType type) { return IsBinaryLobType(type) || IsTextLobType(type); }
