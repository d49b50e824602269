#include "ULoadType.h"

namespace {
const QString* const Names[] = {&LoadTypes::Append, &LoadTypes::Replace, &LoadTypes::Update, &LoadTypes::Upsert};
}

int LoadTypeToInt(const QString& loadType)
{
    for (int i = 0; i < 4; ++i)
        if (*Names[i] == loadType)
            return i;
    return -1;
}

QString LoadTypeFromInt(int value)
{
    return value >= 0 && value < 4 ? *Names[value] : QString();
}

QString LoadTypeFromKey(int value, const QString& current)
{
    const QString mode = LoadTypeFromInt(value);
    return mode.isEmpty() ? current : mode;
}

int LoadTypeForSave(QString& loadType)
{
    int value = LoadTypeToInt(loadType);
    if (value < 0) {
        loadType = LoadTypes::Replace;
        value = 1;
    }
    return value;
}

bool LoadTypeUsesKey(const QString& loadType)
{
    return loadType == LoadTypes::Update || loadType == LoadTypes::Upsert;
}
