#pragma once
// One parse's cursor and the tolerant recursive-descent parser behind
// TJsonValue::ParseString. It accepts what real exports contain: comments,
// shell-style bare tokens (ObjectId(...), NaN, ...), loosely written numbers
// and trailing commas in arrays.

#include "UJsonTree.h"

#include <QStringView>
#include <memory>
#include <unordered_map>
#include <string_view>
#include <vector>

class TJsonParserState {
public:
    // Texts of this many characters or more share one copy of equal strings.
    static constexpr qsizetype InternThreshold = 10485760;
    // Containers nested deeper than this are refused: the recursive descent and
    // the writers stay far away from the end of the stack.
    static constexpr int MaxDepth = 1000;

    TJsonParserState(QStringView text, TJsonDuplicates duplicates);

    std::unique_ptr<TJsonValue> ParseRoot();

private:
    // Reading: the cursor counts characters read; the end of the text (or a
    // zero character) reads as 0 once and then stays there.
    char16_t Read();
    void Unread(char16_t c)
    {
        FPending = c;
        FHasPending = true;
    }
    char16_t SkipBlanks(char16_t c);
    char16_t SkipBlanksAndComments(char16_t c);
    void SkipComment();

    // Parses the value that starts with the next character; nullptr when
    // there is none (the deciding character is then pending).
    TJsonValue* ParseValue(int depth);
    TJsonValue* ParseObject(int depth);
    TJsonValue* ParseArray(int depth);
    TJsonValue* ParseNumber(char16_t first);
    TJsonValue* ParseBareToken(char16_t first);
    TJsonValue* ParseLiteral(char16_t first);
    // Reads a string after its opening quote into FStringBuffer or as a view
    // of the text; returns the text to store.
    QStringView ReadString();
    const char16_t* StoreText(QStringView text);

    [[noreturn]] void Fail(const QString& message);
    [[noreturn]] void FailUnterminated(qsizetype quote);
    QString PositionText() const;

    QStringView FText;
    const char16_t* FData;
    qsizetype FLength;
    qsizetype FPos = 0;        // characters read, the end counted once
    qsizetype FLineStart = 0;  // FPos right after the last line feed
    int FLineFeeds = 0;
    char16_t FPending = 0;
    bool FHasPending = false;
    bool FAtEnd = false;
    TJsonDuplicates FDuplicates;
    bool FIntern;

    std::unique_ptr<TJsonArena> FArena;
    // Members and elements of the open containers, innermost last; a closed
    // container copies its range into the arena and drops it here.
    std::vector<TJsonMember> FMemberStack;
    std::vector<TJsonValue*> FElementStack;
    std::vector<char16_t> FStringBuffer;
    std::unordered_map<std::u16string_view, const char16_t*> FInterned;
};

// The rendering of a character in parse messages: codes below 32 as their
// decimal number, ASCII as itself, anything else as U+ and 4 hex digits.
QString JsonCharText(char16_t c);
