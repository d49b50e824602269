#pragma once
// Appenders decide where a formatted line goes. A line reaches an appender when
// its level is at least the appender's level.

#include <QString>
#include <cstdint>

enum class TLogLevel : uint8_t { Debug = 0, Info = 1, Warn = 2, Error = 3, Fatal = 4 };

class TLogAppender {
public:
    TLogAppender() = default;
    // A freed appender is first taken out of every logger, so no line reaches it afterwards.
    virtual ~TLogAppender();
    TLogAppender(const TLogAppender&) = delete;
    TLogAppender& operator=(const TLogAppender&) = delete;

    // line already carries the level prefix.
    virtual void Append(const QString& line) = 0;

    TLogLevel Level() const { return FLevel; }
    void SetLevel(TLogLevel level) { FLevel = level; }
    void SetDebugLevel() { FLevel = TLogLevel::Debug; }
    void SetInfoLevel() { FLevel = TLogLevel::Info; }
    void SetErrorLevel() { FLevel = TLogLevel::Error; }

private:
    TLogLevel FLevel = TLogLevel::Debug;
};
