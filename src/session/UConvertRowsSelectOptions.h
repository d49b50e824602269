#pragma once
// Which rows of each item are converted: all, or (when the type is "Part" in
// any letter case) at most LoadRows rows after skipping SkipRows.

#include "UDataConvertModel.h"

class TConvertRowsSelectOptions : public TDataConvertModel {
    AMBERTIDE_CLASS(TConvertRowsSelectOptions)
public:
    // "LoadRowsType", "LoadRows", "SkipRows"; read with the ordinary INI reader.
    void SaveToIni(TMyIniFile& ini, const QString& section) override;
    void LoadFromIni(const TMyIniFile& ini, const QString& section) override;
    bool IsEqual(const TDataConvertModel& other) const override;

    const QString& LoadRowsType() const { return FLoadRowsType; }
    void SetLoadRowsType(const QString& v) { FLoadRowsType = v; }
    int LoadRows() const { return FLoadRows; }
    void SetLoadRows(int v) { FLoadRows = v; }
    int SkipRows() const { return FSkipRows; }
    void SetSkipRows(int v) { FSkipRows = v; }
    // The row window applies only to "Part".
    bool IsPart() const { return FLoadRowsType.compare(QLatin1String("Part"), Qt::CaseInsensitive) == 0; }

private:
    QString FLoadRowsType;   // "All", "Part" or ""
    int FLoadRows = 0;       // the most rows to read
    int FSkipRows = 0;       // rows skipped before the first one read
};
