#pragma once
// A conversion tool: the application object with the session object factory,
// the session manager and the batch-file creator. Building them needs virtual
// calls, so the leaf's Instance runs Initialize right after construction.

#include "UApp.h"

#include <memory>

class TConvertSessionObjectFactory;
class TLogonBatchFileCreator;
class TLogonOption;
class TSessionManager;

class TConvertApp : public TApp {
    AMBERTIDE_CLASS(TConvertApp)
public:
    TConvertApp();
    ~TConvertApp() override;

    // "TConvertApp not create." when there is none.
    static TConvertApp* ConvertInstance();

    // The construction steps; an error is shown in the error report and ends
    // in a silent abort.
    void Initialize();

    // Slot 6 and 7.
    virtual void InitObjects() {}
    virtual void FreeObjects() {}
    // Slot 8.
    virtual void CreateSessionObjectFactory() = 0;
    // Slot 9.
    virtual bool UseFixedDateTimeText() const { return false; }
    // Slot 10 and 11.
    virtual TLogonOption* GetSourceLogonOption() const { return nullptr; }
    virtual TLogonOption* GetTargetLogonOption() const { return nullptr; }

    TConvertSessionObjectFactory* SessionObjectFactory() const { return FSessionObjectFactory.get(); }
    TSessionManager* SessionManager() const { return FSessionManager.get(); }
    TLogonBatchFileCreator* BatchFileCreator() const { return FBatchFileCreator.get(); }

protected:
    void DoFree();

    std::unique_ptr<TConvertSessionObjectFactory> FSessionObjectFactory;

private:
    std::unique_ptr<TSessionManager> FSessionManager;
    std::unique_ptr<TLogonBatchFileCreator> FBatchFileCreator;
    bool FFreed = false;
};
