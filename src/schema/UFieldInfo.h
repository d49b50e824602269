#pragma once
// The scratch record of one column while a statement is built.

#include <QString>

class TFieldInfo {
public:
    QString Name;
    QString DataType;
    bool NotNull = false;
    bool PrimaryKey = false;
    bool AutoIncrement = false;
    QString DefaultValue;

    void Clear() { *this = TFieldInfo(); }
};
