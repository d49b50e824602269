#pragma once
// What the engine knows of a table: its columns with their Access types.

#include "UAccessTypes.h"

#include <QString>
#include <QStringList>
#include <vector>

struct TAccessColumnInfo {
    QString Name;
    TAccessColumnType Type;
    bool NotNull = false;
    QString DefaultValue;  // the default expression as written, "" for none
    int Position = 0;      // from 1
    int PrimaryKeyPosition = 0;  // position in the primary key, 0 for none
};

struct TAccessTableInfo {
    QString Name;
    bool IsView = false;
    QString PrimaryKeyName;  // the constraint name, "PrimaryKey" when unnamed
    std::vector<TAccessColumnInfo> Columns;

    // Letter case ignored.
    const TAccessColumnInfo* FindColumn(const QString& name) const;
};

// Where the translator looks up tables; nullptr when the table does not exist.
class TAccessSchemaSource {
public:
    virtual ~TAccessSchemaSource() = default;
    virtual const TAccessTableInfo* FindTable(const QString& name) = 0;
};
