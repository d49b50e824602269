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
    const double hours = std::floor(milliseconds / 3600000.0);
    double rest = milliseconds - hours * 3600000.0;
    const double minutes = std::floor(rest / 60000.0);
    rest -= minutes * 60000.0;
    const double seconds = std::nearbyint(rest / 1000.0);  // ties to even
    return QString::asprintf("%.2d:%.2d:%.2d", static_cast<int>(hours), static_cast<int>(minutes),
                             static_cast<int>(seconds));
}
