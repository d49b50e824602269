#pragma once
// TConvertStatus: the counters and texts of one converter run, and the five
// events through which outputers follow it. Owned by the converter and reset
// at the start of every run; the values stay readable after the run.

#include <QString>
#include <functional>

class TConvertStatus {
public:
    using TStatusEvent = std::function<void(TConvertStatus&)>;

    TStatusEvent OnStart;
    TStatusEvent OnEnd;
    TStatusEvent OnError;
    TStatusEvent OnStop;
    TStatusEvent OnProgress;

    int TotalRows = 0;   // -1: unknown
    int ConvertedRows = 0;
    int ErrorCount = 0;
    double StartTime = 0;
    double EndTime = 0;
    QString StopReason;
    QString ErrorMessage;
    QString SourceDesc;
    QString TargetDesc;

    // Counters and texts of the previous run cleared, clock started, OnStart.
    // TotalRows and the two descriptions stay.
    void Reset();
    // Clock stopped, OnEnd.
    void Finish();
    double ElapsedTime() const;
    // When no row was rejected, the total becomes what was really converted
    // (the announced total may have been an estimate).
    void SettleTotal();

    void FireError() { Fire(OnError); }
    void FireStop() { Fire(OnStop); }
    void FireProgress() { Fire(OnProgress); }

    // The millisecond tick counter, wrapping at 32 bits, as a double.
    static double Now();

private:
    void Fire(const TStatusEvent& event)
    {
        if (event)
            event(*this);
    }
};

// "hh:mm:ss" of a duration in milliseconds; hours grow past two digits.
QString ElapsedTimeText(double milliseconds);
