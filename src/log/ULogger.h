#pragma once
// A named logger: an ordered list of appenders it does not own.

#include "ULogAppender.h"

#include <QString>
#include <vector>

class TLogger {
public:
    explicit TLogger(QString name) : FName(std::move(name)) {}

    const QString& Name() const { return FName; }
    void AddAppender(TLogAppender* appender);
    void RemoveAppender(TLogAppender* appender);
    bool HasAppender(const TLogAppender* appender) const;
    int AppenderCount() const { return static_cast<int>(FAppenders.size()); }

    void Log(TLogLevel level, const QString& message);
    void Debug(const QString& message) { Log(TLogLevel::Debug, message); }
    void Info(const QString& message) { Log(TLogLevel::Info, message); }
    void Warn(const QString& message) { Log(TLogLevel::Warn, message); }
    void Error(const QString& message) { Log(TLogLevel::Error, message); }
    void Fatal(const QString& message) { Log(TLogLevel::Fatal, message); }

    // Level prefix (with its tab) followed by the message.
    static QString FormatLine(TLogLevel level, const QString& message);
    static QString LevelPrefix(TLogLevel level);

private:
    QString FName;
    std::vector<TLogAppender*> FAppenders;
};
