#include "UConvertStatus.h"

#include "USteadyClock.h"

#include <cmath>
#include <cstdint>

void TConvertStatus::Reset()
{
    ConvertedRows = 0;
    ErrorCount = 0;
    StopReason.clear();
    ErrorMessage.clear();
    StartTime = Now();
    Fire(OnStart);
}

void TConvertStatus::Finish()
{
    EndTime = Now();
    Fire(OnEnd);
}

double TConvertStatus::ElapsedTime() const
{
    double elapsed = Now() - StartTime;
    // The counter wrapped during the run.
    if (elapsed < 0)
        elapsed += 4294967296.0;
    return elapsed;
}

void TConvertStatus::SettleTotal()
{
    if (ConvertedRows != TotalRows && ErrorCount == 0)
        TotalRows = ConvertedRows;
}

double TConvertStatus::Now()
{
    return static_cast<double>(static_cast<std::uint32_t>(GetTickCount64()));
}

QString ElapsedTimeText(double milliseconds)
{
    if (milliseconds < 0)
        milliseconds = 0;
    // Rounded to whole seconds (ties to even) before the split, so that
    // 59,999 ms reads 00:01:00 and never 00:00:60.
    const qint64 total = static_cast<qint64>(std::nearbyint(milliseconds / 1000.0));
    return QString::asprintf("%.2lld:%.2lld:%.2lld", total / 3600, total % 3600 / 60, total % 60);
}
