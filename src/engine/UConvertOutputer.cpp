#include "UConvertOutputer.h"

#include "UConvertStatus.h"

void TConvertOutputer::Attach(TConvertStatus* status)
{
    BindStatus(status);
    if (!status)
        return;
    status->OnError = [this](TConvertStatus& s) { HandleError(s); };
    status->OnStop = [this](TConvertStatus& s) { HandleStop(s); };
    status->OnStart = [this](TConvertStatus& s) { HandleStart(s); };
    status->OnEnd = [this](TConvertStatus& s) { HandleEnd(s); };
    status->OnProgress = [this](TConvertStatus& s) { HandleProgress(s); };
}
