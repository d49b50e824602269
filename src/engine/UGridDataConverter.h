#pragma once
// TGridDataConverter: moves the rows of the convert item's reader into its
// writer, column by column. A rejected record is counted, reported and
// (when the writer refused it) written to the bad file; the loop goes on.

#include "UIterativeConverter.h"

class TBadFileCreator;
class TDataReader;
class TDataWriter;

class TGridDataConverter : public TIterativeConverter {
public:
    // Before the first item of a session run: no shared writer is started yet.
    void StartSession();
    // After the items of a run: finishes a shared writer that a failed or
    // stopped later item left open. Errors are reported, not raised.
    void FinishSession();

    bool NeedDebugOnRecordLevel() const { return FNeedDebugOnRecordLevel; }

protected:
    void Init() override;
    void StartConvert() override;
    void EndConvert() override;
    void Cleanup() override;
    bool HasNext() override;
    void Next() override;
    void ConvertOneRecord() override;
    bool IsTotalRowsUnknown() override;
    void CalcTotalRows() override;
    int RecNo() override;

private:
    void ReadError(int column, const QString& message);
    void SetValueError(int column, const QString& value, const QString& message);
    void WriteError(const QString& message);
    bool StartsWriter() const;
    bool FinishesWriter() const;

    bool FNeedDebugOnRecordLevel = false;
    int FColumnCount = 0;
    TDataReader* FDataReader = nullptr;
    TDataWriter* FDataWriter = nullptr;
    TBadFileCreator* FBadFileCreator = nullptr;
    // The writer of a shared-writer session between its BeforeWork and AfterWork.
    TDataWriter* FOpenSharedWriter = nullptr;
};
