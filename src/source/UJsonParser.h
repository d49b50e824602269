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
    // Texts of this many characters or more share one copy of equal member
    // names: the records of an array repeat the same few names.
    static constexpr qsizetype NamePoolThreshold = 65536;
    // Containers nested deeper than this are refused: the recursive descent and
    // the writers stay far away from the end of the stack.
    static constexpr int MaxDepth = 1000;

    TJsonParserState(QStringView text, TJsonDuplicates duplicates);
    ~TJsonParserState();
    TJsonParserState(const TJsonParserState&) = delete;
    TJsonParserState& operator=(const TJsonParserState&) = delete;

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
    TJsonValue* NewImmediate(TJsonValueKind kind, QStringView text, bool flag = false);
    const char16_t* StoreName(QStringView name, uint32_t hash);

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
    bool FPoolNames;

    std::unique_ptr<TJsonArena> FArena;
    // Members and elements of the open containers, innermost last; a closed
    // container copies its range into the arena and drops it here. The lists
    // belong to the thread and are reused by every parse, so parsing many
    // small texts (JSON lines) does not grow them again each time.
    struct TScratch {
        std::vector<TJsonMember> Members;
        std::vector<TJsonValue*> Elements;
        std::vector<char16_t> Text;
    };
    static TScratch& ThreadScratch();
    std::vector<TJsonMember>& FMemberStack;
    std::vector<TJsonValue*>& FElementStack;
    std::vector<char16_t>& FStringBuffer;
    const size_t FMemberBase;
    const size_t FElementBase;
    std::unordered_map<std::u16string_view, const char16_t*> FInterned;
    // Open addressing over the names' own hashes; empty until first used.
    struct TPooledName {
        const char16_t* Text;
        int Length;
        uint32_t Hash;
    };
    std::vector<TPooledName> FNamePool;
    size_t FNamePoolUsed = 0;
};

// The rendering of a character in parse messages: codes below 32 as their
// decimal number, ASCII as itself, anything else as U+ and 4 hex digits.
QString JsonCharText(char16_t c);
