#pragma once
// TSessionExecutor: runs a session and reports to an outputer (neither owned).

#include "UObject.h"

class TConvertSession;
class TOutputer;

class TSessionExecutor : public TObject {
    AMBERTIDE_CLASS(TSessionExecutor)
public:
    // Slot 0.
    virtual void SetSession(TConvertSession* session) { FSession = session; }
    // Slot 1: true when the run succeeded.
    virtual bool Execute() = 0;
    // Slot 2: asks a running execution to stop.
    virtual void Stop() = 0;

    // How the last Execute ended, item by item: all "Success", some "Partly"
    // (rows rejected or stopped), or some "Failed".
    enum class TRunResult { Success, Partly, Failed };
    virtual TRunResult RunResult() const { return TRunResult::Success; }

    void SetOutputer(TOutputer* outputer) { FOutputer = outputer; }
    // True for command-line runs.
    void SetUnattended(bool unattended) { FUnattended = unattended; }

    TConvertSession* Session() const { return FSession; }
    TOutputer* Outputer() const { return FOutputer; }
    bool Unattended() const { return FUnattended; }

private:
    TConvertSession* FSession = nullptr;
    TOutputer* FOutputer = nullptr;
    bool FUnattended = false;
};
