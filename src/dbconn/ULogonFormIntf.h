#pragma once
// What a logon uses of its logon window. The windows live in the user
// interface, which registers them by name ("UAccessLogonForm.TAccessLogonForm");
// a logon creates its window only when it is first shown, so that runs
// without a display never need one.

#include "UObject.h"

class TDBLogonOption;
struct TSSHConnectionSettings;
class TUniConnection;

enum TFormUseMode { fumConfig, fumSingleLogon, fumMultiLogon, fumSwitchLogon };

class TLogonFormIntf : public TObject {
    AMBERTIDE_CLASS(TLogonFormIntf)
public:
    virtual void SetConnection(TUniConnection* connection) = 0;
    virtual void SetSSHSettings(TSSHConnectionSettings* settings) {}
    virtual void SetDBLogonOption(TDBLogonOption* option) = 0;
    virtual void SetFormUseMode(TFormUseMode mode) = 0;
    // Shows the window modally.
    virtual void ShowLogon() = 0;
};
