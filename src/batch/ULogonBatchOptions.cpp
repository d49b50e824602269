#include "ULogonBatchOptions.h"

#include "ULogonOption.h"
#include "UMyIniFile.h"

bool TLogonBatchOptions::Validate()
{
    for (TLogonOption* option : {SourceLogonOption, TargetLogonOption}) {
        if (option && !option->Validate()) {
            Message = option->LastMessage;
            return false;
        }
    }
    return TBatchOptions::Validate();
}

void TLogonBatchOptions::CreateBatchFile()
{
    {
        TMyIniFile ini(SessionFile);
        ini.BeginUpdate();
        if (SourceLogonOption)
            SourceLogonOption->SaveToIni(ini, QStringLiteral("SourceDB"));
        if (TargetLogonOption)
            TargetLogonOption->SaveToIni(ini, QStringLiteral("TargetDB"));
        ini.EndUpdate();
    }
    TBatchOptions::CreateBatchFile();
}
