#pragma once
// Picks the layout of a JSON data file from its first lines: one object per
// line (JSON lines), a series of pretty-printed objects each starting with a
// "{" line and ending with a "}" line, or else one whole document.

#include "UBlockTextReader.h"

#include <QString>

class TJsonFormatDetector {
public:
    // The detector of the process; used from the main thread only.
    static TJsonFormatDetector& Instance();

    // Up to 5 lines that are neither comments nor blank all look like
    // complete objects, and there are not exactly 1 of them.
    bool IsOneObjectPerLine(const QString& fileName);
    // The first line that is neither a comment nor blank is exactly "{", and a
    // "}" or "}," line among the first 100 is followed by another "{" line.
    bool IsMultipleLineObjects(const QString& fileName);

private:
    void Open(const QString& fileName);

    TBlockTextReader FReader;
};

// Lines starting with "#" or "//", or starting with "/*" and ending with "*/".
bool IsCommentLine(const QString& line);
// Blanks are the characters up to the space, as in every trim of this program.
QString TrimBlanks(const QString& text);
QString TrimBlanksRight(const QString& text);
