#include "UExceptionStat.h"

#include "UErrorReport.h"
#include "ULog.h"
#include "UMemoryLogAppender.h"

#include <memory>

namespace {

std::unique_ptr<TMemoryLogAppender>& StatAppender()
{
    static std::unique_ptr<TMemoryLogAppender> appender;
    return appender;
}

}  // namespace

void TExceptionStat::Create()
{
    auto& appender = StatAppender();
    if (appender)
        return;
    appender = std::make_unique<TMemoryLogAppender>(Capacity);
    appender->SetErrorLevel();
    TLog::Global().AddAppender(appender.get());
}

void TExceptionStat::Destroy()
{
    StatAppender().reset();
}

TMemoryLogAppender* TExceptionStat::Appender()
{
    return StatAppender().get();
}

bool TExceptionStat::HasErrors()
{
    return StatAppender() && !StatAppender()->GetText().isEmpty();
}

void TExceptionStat::Clear()
{
    if (StatAppender())
        StatAppender()->Clear();
}

void TExceptionStat::ShowIfErrors(const QString& message)
{
    if (!HasErrors())
        return;
    ShowErrorReport(message);
    Clear();
}
