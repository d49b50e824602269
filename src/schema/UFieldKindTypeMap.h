#pragma once
// Field kind -> column type text of a new table, one table per database kind.
// Keys are kind names in lower case without "ft" ("widestring").

#include "UStringList.h"

#include <QHash>
#include <QString>

class TFieldKindTypeMap {
public:
    TFieldKindTypeMap();

    // Selects the table of the kind (letter case ignored); an unknown kind
    // selects none, and MapType then answers "".
    void SetDBType(const QString& dbKind);
    // "ftWideString" -> the type text; a plain string kind takes the user-wide
    // default field type when one is set; a kind the table lacks takes "unknown".
    QString MapType(const QString& kindName) const;

    const TStringList* SelectedTable() const { return FSelected; }

private:
    QHash<QString, TStringList> FTables;  // database kind in lower case -> table
    const TStringList* FSelected = nullptr;
};
