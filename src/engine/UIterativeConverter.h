#pragma once
// TIterativeConverter: the record loop of a conversion with its hooks: it
// counts converted and rejected rows, stops at the error limit, at the end of
// the row window or on request, and reports through its status.

#include "UConvertStatus.h"

#include <QString>
#include <functional>

class TDataConvertItem;

class TIterativeConverter {
public:
    virtual ~TIterativeConverter() = default;

    // Init, StartConvert, the loop and EndConvert; Cleanup in every case.
    // Errors reach the caller.
    bool Execute();
    // Ends the loop before the next record.
    void Stop() { FStopped = true; }
    bool Stopped() const { return FStopped; }

    TConvertStatus& Status() { return FStatus; }
    const QString& CurrentStep() const { return FCurrentStep; }
    int DataIndex() const { return FDataIndex; }
    int ErrorsToAllow() const { return FErrorsToAllow; }
    void SetErrorsToAllow(int value) { FErrorsToAllow = value; }
    TDataConvertItem* ConvertItem() const { return FConvertItem; }
    void SetConvertItem(TDataConvertItem* item) { FConvertItem = item; }

    // Called after every record so that the user interface can react (the stop
    // button above all); the default lets the Qt event loop run.
    using TProcessMessages = std::function<void()>;
    static void SetProcessMessages(TProcessMessages handler);

protected:
    virtual void Init() {}
    virtual void StartConvert();
    virtual void EndConvert();
    virtual void Cleanup() {}
    virtual bool HasNext() = 0;
    virtual void Next() = 0;
    virtual void ConvertOneRecord() = 0;
    virtual bool IsTotalRowsUnknown() { return FStatus.TotalRows == -1; }
    virtual void CalcTotalRows() = 0;
    virtual int RecNo() = 0;

    // "On record index " + RecNo + ", " + the message.
    void ReportException(const QString& message);
    // The text and the message on two lines; logged at most 5 times a run.
    void ReportRecordError(const QString& text, const QString& message);

private:
    void RecordLoop();
    bool StopTest();

    bool FStopped = false;
    int FErrorsToAllow = 0;
    TConvertStatus FStatus;
    int FLoggedErrors = 0;
    int FDataIndex = 0;
    QString FCurrentStep;
    TDataConvertItem* FConvertItem = nullptr;
};
