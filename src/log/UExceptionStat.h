#pragma once
// The error statistics of the interactive road: a small error-level memory log
// on "Global" that tells a finished run whether an error was logged while it ran.

#include <QString>

class TMemoryLogAppender;

class TExceptionStat {
public:
    static constexpr int Capacity = 1024;
    // Creates the appender and adds it to "Global".
    static void Create();
    // Detaches and frees it.
    static void Destroy();
    static TMemoryLogAppender* Appender();

    static bool HasErrors();
    static void Clear();
    // When there are errors: show the error report with the message, then clear.
    static void ShowIfErrors(const QString& message);
};
