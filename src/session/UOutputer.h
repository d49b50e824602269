#pragma once
// TOutputer: receives the progress of a run; the base writes log lines.

#include "UObject.h"

#include <QString>

class TConvertStatus;

class TOutputer : public TObject {
    AMBERTIDE_CLASS(TOutputer)
public:
    // Slot 0: connect to the status of a run.
    virtual void Attach(TConvertStatus* status) = 0;
    // Slot 1.
    virtual void Hook() {}
    // Slot 2: appends "[" + stamp + "] " + message to the log file, when one is set.
    virtual void WriteLog(const QString& message);

    const QString& LogFileName() const { return FLogFileName; }
    void SetLogFileName(const QString& fileName) { FLogFileName = fileName; }

private:
    QString FLogFileName;
};
