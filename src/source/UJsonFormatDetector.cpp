#include "UJsonFormatDetector.h"

#include "UTextCodec.h"

namespace {

constexpr int OneLineSampleLines = 5;
constexpr int MultiLineSampleLines = 100;

bool IsObjectEnd(const QString& line) { return line == u"}" || line == u"},"; }

// Blank lines are skipped like comments: a blank line among the first lines
// of a JSON-lines file must not turn it into a whole document.
bool IsSkippedLine(const QString& rightTrimmed) { return rightTrimmed.isEmpty() || IsCommentLine(rightTrimmed); }

class TCloser {
public:
    explicit TCloser(TBlockTextReader& reader) : FReader(reader) {}
    ~TCloser() { FReader.CloseTextFile(); }

private:
    TBlockTextReader& FReader;
};

}  // namespace

bool IsCommentLine(const QString& line)
{
    return line.startsWith(u"#") || line.startsWith(u"//") || (line.startsWith(u"/*") && line.endsWith(u"*/"));
}

QString TrimBlanks(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).unicode() <= u' ')
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= u' ')
        --end;
    if (begin == 0 && end == text.size())
        return text;
    return text.mid(begin, end - begin);
}

QString TrimBlanksRight(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1).unicode() <= u' ')
        --end;
    return end == text.size() ? text : text.left(end);
}

TJsonFormatDetector& TJsonFormatDetector::Instance()
{
    static TJsonFormatDetector detector;
    return detector;
}

void TJsonFormatDetector::Open(const QString& fileName)
{
    FReader.OpenTextFile(fileName);
    FReader.SetEncodingName(Encodings::AutoDetect);
    FReader.SetStartPosition(0);
}

bool TJsonFormatDetector::IsOneObjectPerLine(const QString& fileName)
{
    Open(fileName);
    TCloser closer(FReader);
    int examined = 0;
    int passed = 0;
    while (examined < OneLineSampleLines && FReader.HasMoreLines()) {
        FReader.ReadLine();
        const QString line = TrimBlanks(FReader.CurrentLine());
        if (IsSkippedLine(line))
            continue;
        ++examined;
        if (!line.startsWith(u"{") || !(line.endsWith(u"}") || line.endsWith(u"},")))
            return false;
        ++passed;
    }
    return passed != 1;
}

bool TJsonFormatDetector::IsMultipleLineObjects(const QString& fileName)
{
    Open(fileName);
    TCloser closer(FReader);
    int examined = 0;
    while (examined < MultiLineSampleLines && FReader.HasMoreLines()) {
        FReader.ReadLine();
        const QString line = TrimBlanksRight(FReader.CurrentLine());
        if (IsSkippedLine(line))
            continue;
        ++examined;
        if (examined == 1) {
            if (line != u"{")
                return false;
            continue;
        }
        if (!IsObjectEnd(line))
            continue;
        // Look past comments and blank lines; these are not counted.
        while (FReader.HasMoreLines()) {
            FReader.ReadLine();
            const QString next = TrimBlanksRight(FReader.CurrentLine());
            if (IsSkippedLine(next))
                continue;
            if (next == u"{")
                return true;
            break;
        }
    }
    return false;
}
