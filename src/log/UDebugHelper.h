#pragma once
// The in-memory debug log of the whole process (524,288 characters, level
// debug, on "Global") and the set of source files already described in it.

#include <QString>

class TMemoryLogAppender;

class TDebugHelper {
public:
    static constexpr int Capacity = 524288;
    // Creates the debug log and adds it to "Global"; idempotent.
    static void Initialize();
    static void Finalize();
    static TMemoryLogAppender* Appender();

    static QString GetLogText();
    static void AddDescribedFile(const QString& fileName);
    static bool IsFileDescribed(const QString& fileName);
    // Empties the debug log and the described-file set.
    static void Clear();
};
