#include "ULog.h"

#include <memory>
#include <vector>

namespace {

// Kept for the whole process: appenders freed during shut-down still find it.
std::vector<std::unique_ptr<TLogger>>& Loggers()
{
    static auto* loggers = new std::vector<std::unique_ptr<TLogger>>();
    return *loggers;
}

}  // namespace

TLogger& TLog::GetLogger(const QString& name)
{
    auto& loggers = Loggers();
    for (auto& logger : loggers)
        if (logger->Name().compare(name, Qt::CaseInsensitive) == 0)
            return *logger;
    loggers.push_back(std::make_unique<TLogger>(name));
    return *loggers.back();
}

void TLog::RemoveAppenderEverywhere(TLogAppender* appender)
{
    for (auto& logger : Loggers())
        logger->RemoveAppender(appender);
}

TLogAppender::~TLogAppender()
{
    TLog::RemoveAppenderEverywhere(this);
}
