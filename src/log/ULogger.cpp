#include "ULogger.h"

#include <algorithm>

void TLogger::AddAppender(TLogAppender* appender)
{
    FAppenders.push_back(appender);
}

void TLogger::RemoveAppender(TLogAppender* appender)
{
    FAppenders.erase(std::remove(FAppenders.begin(), FAppenders.end(), appender), FAppenders.end());
}

bool TLogger::HasAppender(const TLogAppender* appender) const
{
    return std::find(FAppenders.begin(), FAppenders.end(), appender) != FAppenders.end();
}

QString TLogger::LevelPrefix(TLogLevel level)
{
    switch (level) {
    case TLogLevel::Debug: return QStringLiteral("[debug]\t");
    case TLogLevel::Info: return QStringLiteral("[info]\t");
    case TLogLevel::Warn: return QStringLiteral("[warn]\t");
    case TLogLevel::Error: return QStringLiteral("[error]\t");
    case TLogLevel::Fatal: return QStringLiteral("[fatal]\t");
    }
    return QString();
}

QString TLogger::FormatLine(TLogLevel level, const QString& message)
{
    return LevelPrefix(level) + message;
}

void TLogger::Log(TLogLevel level, const QString& message)
{
    if (FAppenders.empty())
        return;
    const QString line = FormatLine(level, message);
    // A copy: an appender may detach itself (or another) while the line goes out.
    const auto appenders = FAppenders;
    for (TLogAppender* appender : appenders)
        if (static_cast<uint8_t>(level) >= static_cast<uint8_t>(appender->Level()))
            appender->Append(line);
}
