#pragma once
// TConvertSessionExecutor: runs a conversion session item by item through one
// converter and reports per-item results, totals and failures to the outputer,
// the optional batch outputer and the log.

#include "UGridDataConverter.h"
#include "USessionExecutor.h"

#include <QStringList>

class TBatchOutputer;
class TConvertOutputer;
class TConvertSession;

class TConvertSessionExecutor : public TSessionExecutor {
    AMBERTIDE_CLASS(TConvertSessionExecutor)
public:
    TConvertSessionExecutor();
    ~TConvertSessionExecutor() override;

    // Hands the session's convert item to the converter.
    void SetSession(TConvertSession* session) override;
    // True when the item loop ran to its end, whatever the item results.
    bool Execute() override;
    // Ends the current item after its current record; no further item starts.
    void Stop() override;
    virtual void Convert();

    void SetBatchOutputer(TBatchOutputer* outputer) { FBatchOutputer = outputer; }
    TGridDataConverter& Converter() { return FConverter; }
    int TotalRecords() const { return FTotalRecords; }
    TRunResult RunResult() const override { return FRunResult; }
    int ItemCount() const { return FItemCount; }

private:
    void DumpSession();
    // Outputer line and debug log line.
    void Report(const QString& text);
    void ReportFailure(const QString& message, const QString& place);
    void ReportItemResult(const QString& status);
    QString ItemName(int index) const;

    bool FStopRequested = false;
    TRunResult FRunResult = TRunResult::Success;
    int FItemCount = 0;
    int FTotalRecords = 0;
    TConvertSession* FConvertSession = nullptr;
    TGridDataConverter FConverter;
    TConvertOutputer* FConvertOutputer = nullptr;
    TBatchOutputer* FBatchOutputer = nullptr;
};
