#pragma once
// Creation by unit-qualified class name ("UAccessDBHelper.TAccessDBHelper").
// A table of factory functions; names compare without letter case.

#include "UObject.h"

#include <QString>
#include <functional>
#include <memory>

class TRttiUtil {
public:
    using TCreateFunc = std::function<std::unique_ptr<TObject>()>;

    // Idempotent: a second registration of a name keeps the first.
    static void RegisterClass(const QString& qualifiedName, TCreateFunc create);
    template <class T>
    static void RegisterClass(const QString& unitName)
    {
        RegisterClass(unitName + QLatin1Char('.') + T::StaticClassName(),
                      [] { return std::unique_ptr<TObject>(new T()); });
    }
    static bool IsRegistered(const QString& qualifiedName);

    // Raises "Can not find class type: " + the name when it is not registered.
    static std::unique_ptr<TObject> CreateObject(const QString& qualifiedName);

    // Raises "Cast Error: TObject to " + T + ", Real type: " + the created class
    // when the created object is not a T.
    template <class T>
    static std::unique_ptr<T> CreateObjectAs(const QString& qualifiedName)
    {
        std::unique_ptr<TObject> object = CreateObject(qualifiedName);
        if (auto* typed = dynamic_cast<T*>(object.get())) {
            object.release();
            return std::unique_ptr<T>(typed);
        }
        RaiseCastError(T::StaticClassName(), object->ClassName());
    }

    [[noreturn]] static void RaiseCastError(const QString& expected, const QString& real);
};
