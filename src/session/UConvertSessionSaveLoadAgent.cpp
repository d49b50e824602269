#include "UConvertSessionSaveLoadAgent.h"

#include "UConvertSession.h"
#include "USessionManager.h"

bool TConvertSessionSaveLoadAgent::SaveOnClose()
{
    try {
        FMapper.PagesToOptions();
        if (!FManager.AskSaveIfChanged(FSession))
            return true;
        const bool valid = FMapper.ValidatePages();
        if (valid)
            FManager.SaveAs(FSession);
        return valid;
    } catch (...) {
        return true;
    }
}

bool TConvertSessionSaveLoadAgent::Save()
{
    if (!FMapper.ValidatePages())
        return false;
    FMapper.PagesToOptions();
    return FManager.SaveAs(FSession);
}

void TConvertSessionSaveLoadAgent::Load(const QString& fileName)
{
    FSession.LoadFromFile(fileName);
    FMapper.OptionsToPages();
}
