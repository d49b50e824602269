#pragma once
// The database object factories of the application (not owned here), set
// while the application object is built and cleared when it is freed.

class TDBObjectFactory;
class TDBConvertObjectFactory;

struct TDBGlobalStore {
    static TDBObjectFactory*& SourceDBObjectFactory()
    {
        static TDBObjectFactory* factory = nullptr;
        return factory;
    }
    static TDBObjectFactory*& TargetDBObjectFactory()
    {
        static TDBObjectFactory* factory = nullptr;
        return factory;
    }
};

struct TDBConvertGlobalStore {
    static TDBConvertObjectFactory*& SourceDBConvertObjectFactory()
    {
        static TDBConvertObjectFactory* factory = nullptr;
        return factory;
    }
    static TDBConvertObjectFactory*& TargetDBConvertObjectFactory()
    {
        static TDBConvertObjectFactory* factory = nullptr;
        return factory;
    }
};
