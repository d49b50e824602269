#pragma once
// Binds a destination structure to a database object factory: its kind, its
// dictionary and its connection. Here rather than in the structure's own unit
// because the factory's layer sits above the structure's.

#include "UDBDictionary.h"
#include "UDBObjectFactory.h"
#include "UTableStruct.h"

inline void SetDBObjectFactory(TDBTableStruct& tableStruct, TDBObjectFactory& factory)
{
    tableStruct.SetSource(factory.GetDBType(), &factory.GetDictionary(), &factory.Connection());
}
