#pragma once
// Proposes the column types of a new table from the field kinds of a source.

#include "UFieldKindTypeMap.h"
#include "UStringList.h"

class TTableCreateHelper {
public:
    QString Schema;
    QString TableName;
    TStringList FieldDBTypes;   // column = type text, in source order (names may repeat in other case)
    TStringList FieldNameList;  // names only, when no kinds are known

    // kindList holds name=ftKind lines (TTableStruct::GetFieldTypeNames).
    void BuildFieldTypes(const TStringList& kindList, const QString& dbKind);
    TFieldKindTypeMap& TypeMap() { return FTypeMap; }

private:
    TFieldKindTypeMap FTypeMap;
};
