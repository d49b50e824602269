#pragma once
// Base of every class that can be created by name. ClassName() is the bare
// class name ("TAccessDBHelper"), as the class registry and its errors show it.

#include <QString>

class TObject {
public:
    virtual ~TObject() = default;
    virtual QString ClassName() const { return QStringLiteral("TObject"); }
    static QString StaticClassName() { return QStringLiteral("TObject"); }
};

// Declares the name operations of a class derived from TObject.
#define AMBERTIDE_CLASS(Name)                                                        \
public:                                                                              \
    static QString StaticClassName() { return QStringLiteral(#Name); }               \
    QString ClassName() const override { return QStringLiteral(#Name); }             \
                                                                                     \
private:
