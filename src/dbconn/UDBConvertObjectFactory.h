#pragma once
// Creates the conversion parts of a database type: the writer of the
// connection's type and the date format parser of a type. Their classes live
// in the layers above, so they come back as objects for the caller to cast.

#include "UObject.h"

#include <QString>
#include <memory>

class TUniConnection;

// Implemented by parts that work on a connection (the database writers); the
// factory hands them its connection.
class TConnectionUser {
public:
    virtual ~TConnectionUser() = default;
    virtual void SetConnection(TUniConnection* connection) = 0;
};

class TDBConvertObjectFactory : public TObject {
    AMBERTIDE_CLASS(TDBConvertObjectFactory)
public:
    TUniConnection* Connection() const { return FConnection; }
    void SetConnection(TUniConnection* connection) { FConnection = connection; }  // not owned

    // The "Writer" of the connection's normalised provider type, given the connection.
    std::unique_ptr<TObject> CreateWriter() const;
    std::unique_ptr<TObject> CreateDateFormatParser(const QString& dbType) const;
    // Database sources: none in this product; raises the class registry's error.
    std::unique_ptr<TObject> CreateReader() const;

    // Raises "Cast Error: ..." when the created object is not a T.
    template <class T>
    std::unique_ptr<T> CreateWriterAs() const { return Cast<T>(CreateWriter()); }
    template <class T>
    std::unique_ptr<T> CreateDateFormatParserAs(const QString& dbType) const { return Cast<T>(CreateDateFormatParser(dbType)); }

private:
    QString ConnectionType() const;
    template <class T>
    static std::unique_ptr<T> Cast(std::unique_ptr<TObject> object)
    {
        if (auto* typed = dynamic_cast<T*>(object.get())) {
            object.release();
            return std::unique_ptr<T>(typed);
        }
        RaiseCastError(T::StaticClassName(), object->ClassName());
    }
    [[noreturn]] static void RaiseCastError(const QString& expected, const QString& real);

    TUniConnection* FConnection = nullptr;
};
