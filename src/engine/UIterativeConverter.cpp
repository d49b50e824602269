#include "UIterativeConverter.h"

#include "UException.h"
#include "ULog.h"
#include "USteadyClock.h"

#include <QCoreApplication>

namespace {

constexpr int MaxLoggedRecordErrors = 5;

TIterativeConverter::TProcessMessages& ProcessMessagesHandler()
{
    static TIterativeConverter::TProcessMessages handler;
    return handler;
}

void ProcessMessages()
{
    if (const auto& handler = ProcessMessagesHandler()) {
        handler();
        return;
    }
    // A pump is a system call; a window needs a few dozen a second, not one per record.
    constexpr uint64_t PumpIntervalMs = 20;
    static uint64_t lastPump = 0;
    const uint64_t now = GetTickCount64();
    if (now - lastPump < PumpIntervalMs || !QCoreApplication::instance())
        return;
    lastPump = now;
    QCoreApplication::processEvents();
}

}  // namespace

void TIterativeConverter::SetProcessMessages(TProcessMessages handler)
{
    ProcessMessagesHandler() = std::move(handler);
}

bool TIterativeConverter::Execute()
{
    try {
        Init();
        StartConvert();
        RecordLoop();
        EndConvert();
    } catch (...) {
        Cleanup();
        throw;
    }
    Cleanup();
    return true;
}

void TIterativeConverter::StartConvert()
{
    FStopped = false;
    FLoggedErrors = 0;
    CalcTotalRows();
    FStatus.Reset();
}

void TIterativeConverter::EndConvert()
{
    if (!FStopped)
        FStatus.SettleTotal();
    FStatus.Finish();
}

void TIterativeConverter::RecordLoop()
{
    FDataIndex = 0;
    FCurrentStep = QStringLiteral("HasNext");
    while (HasNext() && !StopTest()) {
        FCurrentStep = QStringLiteral("ConvertOneRecord");
        ConvertOneRecord();
        FCurrentStep = QStringLiteral("DoAfterConvertOneRecord");
        const int converted = RecNo() - FStatus.ErrorCount;
        FStatus.ConvertedRows = converted < 0 ? 0 : converted;
        FStatus.FireProgress();
        ProcessMessages();
        FCurrentStep = QStringLiteral("Next");
        Next();
        ++FDataIndex;
    }
}

bool TIterativeConverter::StopTest()
{
    if (FStopped)
        return true;
    if (FErrorsToAllow > 0 && FStatus.ErrorCount > FErrorsToAllow) {
        FStatus.StopReason = QStringLiteral("Maxinum error count (") + QString::number(FErrorsToAllow)
            + QStringLiteral(") exceeded. ");
        TLog::Global().Info(FStatus.StopReason);
        FStatus.FireStop();
        return true;
    }
    return !IsTotalRowsUnknown() && RecNo() > FStatus.TotalRows;
}

void TIterativeConverter::ReportException(const QString& message)
{
    FStatus.ErrorMessage = QStringLiteral("On record index ") + QString::number(RecNo()) + QStringLiteral(", ") + message;
    FStatus.FireError();
    TLog::Global().Error(message);
}

void TIterativeConverter::ReportRecordError(const QString& text, const QString& message)
{
    FStatus.ErrorMessage = text + QStringLiteral("\r\n") + message;
    FStatus.FireError();
    if (FLoggedErrors < MaxLoggedRecordErrors) {
        TLog::Global().Error(message);
        ++FLoggedErrors;
    }
}
