#pragma once
// TLogConvertOutputer: the outputer of command-line runs; everything goes to
// the log file.

#include "UConvertOutputer.h"

class TLogConvertOutputer : public TConvertOutputer {
    AMBERTIDE_CLASS(TLogConvertOutputer)
public:
    void HandleError(TConvertStatus& status) override;
    void HandleStop(TConvertStatus& status) override;
    void HandleStart(TConvertStatus& status) override {}
    void HandleEnd(TConvertStatus& status) override;
    void HandleProgress(TConvertStatus& status) override {}
};
