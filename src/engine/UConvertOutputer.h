#pragma once
// TConvertOutputer: an outputer that follows the status of a converter run
// through five handlers.

#include "UOutputer.h"

class TConvertStatus;

class TConvertOutputer : public TOutputer {
    AMBERTIDE_CLASS(TConvertOutputer)
public:
    // Binds the status and registers the five handlers as its events.
    void Attach(TConvertStatus* status) override;
    // Empties what the outputer shows; nothing here.
    virtual void Clear() {}
    virtual void HandleError(TConvertStatus& status) = 0;
    virtual void HandleStop(TConvertStatus& status) = 0;
    virtual void HandleStart(TConvertStatus& status) = 0;
    virtual void HandleEnd(TConvertStatus& status) = 0;
    virtual void HandleProgress(TConvertStatus& status) = 0;

    void BindStatus(TConvertStatus* status) { FStatus = status; }
    TConvertStatus* Status() const { return FStatus; }
    void SetLogFile(const QString& fileName) { SetLogFileName(fileName); }

private:
    TConvertStatus* FStatus = nullptr;
};
