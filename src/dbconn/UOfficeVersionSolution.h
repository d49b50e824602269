#pragma once
// The advice that an error report attaches to errors that look like a missing
// or unsuitable Access database engine.

#include <QString>

class TOfficeVersionSolution {
public:
    QString ErrorMessage;
    QString Product;          // "Access2007" when the message names an ".accdb" file
    QString OSBit;            // "x64" or "x86"
    QString AppBit = QStringLiteral("x86");
    QString OfficeBit;        // "x64" when the recorded Access program is a 64-bit executable
    QString AccessVersion;    // "v" major "." minor "." release " build " build, or ""
    QString Solution;
    QString Keyword;

    // Whether advice applies to the message; afterwards Solution and Keyword are set.
    bool Analyse(const QString& message);

    // The value "AccessPath" of "Software\Corvella\" + the program's name;
    // created empty when missing.
    static QString AccessProgramPath();
    // "x64" for a 64-bit executable (PE or ELF), "x86" for anything else.
    static QString ExecutableBitness(const QString& fileName);
    // The major version of a version text "v12.0...", 0 when it is not a number.
    static int MajorVersion(const QString& version);
};
