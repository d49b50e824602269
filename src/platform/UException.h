#pragma once
// The one exception type of the program: a single message text. Layers that
// re-raise prefix their context to the message ("In " + place + ", " + ...).

#include <QString>
#include <QByteArray>
#include <exception>

class Exception : public std::exception {
public:
    explicit Exception(QString message) : FMessage(std::move(message)), FUtf8(FMessage.toUtf8()) {}
    const QString& Message() const noexcept { return FMessage; }
    const char* what() const noexcept override { return FUtf8.constData(); }

private:
    QString FMessage;
    QByteArray FUtf8;  // what() must return storage owned by the exception
};

// A silent stop: callers that catch it report nothing.
class EAbort : public Exception {
public:
    EAbort() : Exception(QStringLiteral("Operation aborted")) {}
};

// A failed file read or write; the message is the platform's error text.
class EInOutError : public Exception {
public:
    using Exception::Exception;
};

// The message of any exception that escapes to a boundary.
inline QString ExceptionMessage(const std::exception& e)
{
    if (auto* own = dynamic_cast<const Exception*>(&e))
        return own->Message();
    return QString::fromUtf8(e.what());
}
