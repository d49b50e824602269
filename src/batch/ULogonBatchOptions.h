#pragma once
// Batch options that also carry the database logons: making the batch file
// writes them into the session file ("SourceDB", "TargetDB"), so the command
// line can log on by itself.

#include "UBatchOptions.h"

class TLogonOption;

class TLogonBatchOptions : public TBatchOptions {
public:
    // Not owned; either may be null (this product has no source database).
    TLogonOption* SourceLogonOption = nullptr;
    TLogonOption* TargetLogonOption = nullptr;

    // The logons first, then the three file names.
    bool Validate() override;
    // The logon sections are written before the batch file is touched, so a
    // session in a folder without write permission fails first.
    void CreateBatchFile() override;
};
