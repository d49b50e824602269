#pragma once
// Process-wide references set once by the application object while it is
// built and cleared when it is freed; other code reads them instead of
// passing the objects around.

class TConvertSessionObjectFactory;

struct TConvertGlobalStore {
    static TConvertSessionObjectFactory*& SessionObjectFactory()
    {
        static TConvertSessionObjectFactory* factory = nullptr;
        return factory;
    }
    static bool& UseFixedDateTimeText()
    {
        static bool value = false;
        return value;
    }
};
