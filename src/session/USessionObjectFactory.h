#pragma once
// TSessionObjectFactory: what the command line asks of the session factory.

#include "UObject.h"

#include <QString>
#include <memory>

class TConvertSession;
class TSessionExecutor;
class TOutputer;

class TSessionObjectFactory : public TObject {
    AMBERTIDE_CLASS(TSessionObjectFactory)
public:
    // Slot 0.
    virtual bool IsSessionFile(const QString& fileName) const = 0;
    // Slot 1: a session loaded from the file.
    virtual std::unique_ptr<TConvertSession> CreateSessionFromFile(const QString& fileName) = 0;
    // Slot 2.
    virtual std::unique_ptr<TSessionExecutor> CreateExecutor(const QString& fileName) = 0;
    // Slot 3.
    virtual std::unique_ptr<TOutputer> CreateOutputer(const QString& sessionFileName, const QString& logFileName) = 0;
};
