#pragma once
// The error limit of a run (0 or less: no limit) and the run's log file.

#include "UDataConvertModel.h"

class TConvertMiscOptions : public TDataConvertModel {
    AMBERTIDE_CLASS(TConvertMiscOptions)
public:
    static constexpr int DefaultErrorsToAllowOnLoad = 50;

    // "ErrorsToAllow" (50 when the file has none), "LogFile".
    void SaveToIni(TMyIniFile& ini, const QString& section) override;
    void LoadFromIni(const TMyIniFile& ini, const QString& section) override;
    bool IsEqual(const TDataConvertModel& other) const override;

    int ErrorsToAllow() const { return FErrorsToAllow; }
    void SetErrorsToAllow(int v) { FErrorsToAllow = v; }
    const QString& LogFile() const { return FLogFile; }
    void SetLogFile(const QString& v) { FLogFile = v; }

private:
    int FErrorsToAllow = 0;   // a new session starts without a limit
    QString FLogFile;
};
