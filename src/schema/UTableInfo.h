#pragma once
// The description of one table: read back by the dictionary, or built by the
// table creator for a table to create. Booleans in the lists are "-1" and "0".

#include "UStringList.h"

#include <QString>

class TTableInfo {
public:
    QString Schema;     // empty for Access
    QString TableName;
    TStringList FieldNames;      // column names in column order
    TStringList FieldTypes;      // column = type text as written into a statement
    TStringList NotNulls;        // column = boolean text
    TStringList PrimaryKeys;     // column = boolean text, true for key members
    TStringList AutoIncrements;  // column = boolean text
    TStringList DefaultValues;   // column = default value text
    TStringList IndexColumns;    // index name = comma-separated column names
    TStringList IndexTypes;      // index name = "UNIQUE" or "NON_UNIQUE"

    // Any boolean text is accepted when read; anything else is false.
    bool IsNotNull(const QString& field) const { return StrToBoolDef(NotNulls.Values(field), false); }
    bool IsPrimaryKey(const QString& field) const { return StrToBoolDef(PrimaryKeys.Values(field), false); }
    bool IsAutoIncrement(const QString& field) const { return StrToBoolDef(AutoIncrements.Values(field), false); }
};
