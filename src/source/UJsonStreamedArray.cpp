#include "UJsonStreamedArray.h"

#include "UJsonWriter.h"

#include <limits>

namespace {

constexpr qint64 ChunkSize = 4 << 20;
// Below the parser's own limit: a deeper document is left to it and its message.
constexpr size_t MaxDepth = 900;

// Strict JSON, byte by byte, across chunk boundaries, recording where each
// element of the top-level array starts. Bytes of 128 and above pass
// unchecked: the decoder turns invalid ones into U+FFFD on either road.
class TStrictArrayScanner {
public:
    explicit TStrictArrayScanner(std::vector<qint64>& starts) : FStarts(starts) {}

    // False as soon as the text is not strict JSON.
    bool Feed(const unsigned char* p, qsizetype n, qint64 base);
    // True when one array ended and only blanks followed it.
    bool Finished() const { return FState == TState::Done; }

private:
    enum class TState : uint8_t { Start, ValueOrClose, Value, KeyOrClose, Key, Colon, CommaOrClose, String, Escape, Unicode, Number, Literal, Done };
    enum class TNumber : uint8_t { Minus, Zero, Int, Dot, Frac, E, ESign, Exp };

    static bool IsBlank(unsigned char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t'; }
    static bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }
    static bool IsHex(unsigned char c) { return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

    bool BeginValue(unsigned char c, qint64 offset);
    bool Close(unsigned char c, qint64 offset);
    // False when c cannot go on the number; Done tells whether it may end there.
    bool NumberStep(unsigned char c);
    bool NumberComplete() const
    {
        return FNumber == TNumber::Zero || FNumber == TNumber::Int || FNumber == TNumber::Frac || FNumber == TNumber::Exp;
    }

    std::vector<qint64>& FStarts;
    std::vector<char> FStack;
    TState FState = TState::Start;
    TNumber FNumber = TNumber::Int;
    bool FKey = false;
    int FHexDigits = 0;
    const char* FLiteral = nullptr;
};

bool TStrictArrayScanner::Feed(const unsigned char* p, qsizetype n, qint64 base)
{
    for (qsizetype i = 0; i < n; ++i) {
        unsigned char c = p[i];
        switch (FState) {
        case TState::String:
            while (c != '"' && c != '\\' && c >= 0x20) {
                if (++i == n)
                    return true;
                c = p[i];
            }
            if (c == '\\')
                FState = TState::Escape;
            else if (c == '"')
                FState = FKey ? TState::Colon : TState::CommaOrClose;
            else
                return false;  // a control character
            break;
        case TState::Escape:
            if (c == 'u') {
                FHexDigits = 0;
                FState = TState::Unicode;
            } else if (c == '"' || c == '\\' || c == '/' || c == 'b' || c == 'f' || c == 'n' || c == 'r' || c == 't') {
                FState = TState::String;
            } else {
                return false;
            }
            break;
        case TState::Unicode:
            if (!IsHex(c))
                return false;
            if (++FHexDigits == 4)
                FState = TState::String;
            break;
        case TState::Number:
            if (NumberStep(c))
                break;
            if (!NumberComplete())
                return false;
            FState = TState::CommaOrClose;
            --i;  // the character after the number is read again
            break;
        case TState::Literal:
            if (c != static_cast<unsigned char>(*FLiteral))
                return false;
            if (*++FLiteral == 0)
                FState = TState::CommaOrClose;
            break;
        default:
            if (IsBlank(c))
                break;
            switch (FState) {
            case TState::Start:
                if (c != '[')
                    return false;
                FStack.push_back('[');
                FState = TState::ValueOrClose;
                break;
            case TState::ValueOrClose:
                if (c == ']') {
                    if (!Close(c, base + i))
                        return false;
                    break;
                }
                [[fallthrough]];
            case TState::Value:
                if (!BeginValue(c, base + i))
                    return false;
                break;
            case TState::KeyOrClose:
                if (c == '}') {
                    if (!Close(c, base + i))
                        return false;
                    break;
                }
                [[fallthrough]];
            case TState::Key:
                if (c != '"')
                    return false;
                FKey = true;
                FState = TState::String;
                break;
            case TState::Colon:
                if (c != ':')
                    return false;
                FState = TState::Value;
                break;
            case TState::CommaOrClose:
                if (c == ',')
                    FState = FStack.back() == '[' ? TState::Value : TState::Key;
                else if (!Close(c, base + i))
                    return false;
                break;
            default:  // Done: only blanks may follow
                return false;
            }
        }
    }
    return true;
}

bool TStrictArrayScanner::BeginValue(unsigned char c, qint64 offset)
{
    if (FStack.size() == 1)
        FStarts.push_back(offset);
    switch (c) {
    case '{':
    case '[':
        if (FStack.size() >= MaxDepth)
            return false;
        FStack.push_back(char(c));
        FState = c == '{' ? TState::KeyOrClose : TState::ValueOrClose;
        return true;
    case '"':
        FKey = false;
        FState = TState::String;
        return true;
    case 't': FLiteral = "rue"; break;
    case 'f': FLiteral = "alse"; break;
    case 'n': FLiteral = "ull"; break;
    default:
        if (c != '-' && !IsDigit(c))
            return false;
        FNumber = c == '-' ? TNumber::Minus : c == '0' ? TNumber::Zero : TNumber::Int;
        FState = TState::Number;
        return true;
    }
    FState = TState::Literal;
    return true;
}

bool TStrictArrayScanner::Close(unsigned char c, qint64 offset)
{
    if (FStack.empty() || (c == ']') != (FStack.back() == '[') || (c != ']' && c != '}'))
        return false;
    FStack.pop_back();
    if (FStack.empty()) {
        FStarts.push_back(offset);
        FState = TState::Done;
    } else {
        FState = TState::CommaOrClose;
    }
    return true;
}

bool TStrictArrayScanner::NumberStep(unsigned char c)
{
    const bool digit = IsDigit(c);
    switch (FNumber) {
    case TNumber::Minus:
        if (!digit)
            return false;
        FNumber = c == '0' ? TNumber::Zero : TNumber::Int;
        return true;
    case TNumber::Zero:
    case TNumber::Int:
        if (digit && FNumber == TNumber::Int)
            return true;
        if (c == '.')
            FNumber = TNumber::Dot;
        else if (c == 'e' || c == 'E')
            FNumber = TNumber::E;
        else
            return false;
        return true;
    case TNumber::Dot:
    case TNumber::Frac:
        if (digit) {
            FNumber = TNumber::Frac;
            return true;
        }
        if (FNumber == TNumber::Frac && (c == 'e' || c == 'E')) {
            FNumber = TNumber::E;
            return true;
        }
        return false;
    case TNumber::E:
        if (c == '+' || c == '-') {
            FNumber = TNumber::ESign;
            return true;
        }
        [[fallthrough]];
    case TNumber::ESign:
    case TNumber::Exp:
        if (!digit)
            return false;
        FNumber = TNumber::Exp;
        return true;
    }
    return false;
}

}  // namespace

std::unique_ptr<TJsonStreamedArray> TJsonStreamedArray::Open(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return nullptr;
    std::vector<qint64> starts;
    TStrictArrayScanner scanner(starts);
    QByteArray chunk(ChunkSize, Qt::Uninitialized);
    qint64 offset = 0;
    for (;;) {
        const qint64 got = file.read(chunk.data(), ChunkSize);
        if (got < 0)
            return nullptr;
        if (got == 0)
            break;
        const auto* p = reinterpret_cast<const unsigned char*>(chunk.constData());
        qsizetype skip = 0;
        // A UTF-8 mark is skipped; a UTF-16 one is not strict and stops the scan.
        if (offset == 0 && got >= 3 && p[0] == 0xEF && p[1] == 0xBB && p[2] == 0xBF)
            skip = 3;
        if (!scanner.Feed(p + skip, qsizetype(got) - skip, offset + skip))
            return nullptr;
        offset += got;
    }
    if (!scanner.Finished() || starts.size() - 1 > size_t(std::numeric_limits<int>::max()))
        return nullptr;
    return std::unique_ptr<TJsonStreamedArray>(new TJsonStreamedArray(fileName, std::move(starts), offset));
}

TJsonStreamedArray::TJsonStreamedArray(const QString& fileName, std::vector<qint64> starts, qint64 fileSize)
    : FFileName(fileName), FStarts(std::move(starts)), FFileSize(fileSize), FFile(fileName)
{
    FStarts.shrink_to_fit();
}

TJsonStreamedArray::~TJsonStreamedArray() = default;

QString TJsonStreamedArray::GetName(int index) const
{
    return index < 0 || index >= ElementCount() ? QString() : QString::number(index);
}

QByteArrayView TJsonStreamedArray::ElementBytes(int index) const
{
    const qint64 start = FStarts[size_t(index)];
    const qint64 end = FStarts[size_t(index) + 1];
    if (start < FWindowStart || end > FWindowStart + FWindow.size()) {
        // The file must be the one that was scanned, else the offsets mean nothing.
        if ((!FFile.isOpen() && !FFile.open(QIODevice::ReadOnly)) || FFile.size() != FFileSize || !FFile.seek(start))
            throw EJsonException(QStringLiteral("File \"%1\" changed while it was read.").arg(FFileName));
        FWindow = FFile.read(std::min(std::max(ChunkSize, end - start), FFileSize - start));
        FWindowStart = start;
        if (FWindow.size() < end - start)
            throw EJsonException(QStringLiteral("File \"%1\" changed while it was read.").arg(FFileName));
    }
    QByteArrayView bytes(FWindow.constData() + (start - FWindowStart), end - start);
    // The element runs up to the comma (or the bracket) that follows it, blanks aside.
    auto trimBlanks = [&] {
        while (!bytes.isEmpty() && static_cast<unsigned char>(bytes.back()) <= ' ')
            bytes.chop(1);
    };
    trimBlanks();
    if (bytes.endsWith(','))
        bytes.chop(1);
    trimBlanks();
    return bytes;
}

TJsonValue* TJsonStreamedArray::GetElement(int index) const
{
    if (index < 0 || index >= ElementCount())
        return nullptr;
    ++FUseClock;
    for (TCached& c : FCache) {
        if (c.Index == index) {
            c.LastUse = FUseClock;
            return c.Tree.get();
        }
    }
    std::shared_ptr<TJsonValue> tree(TJsonValue::ParseString(QString::fromUtf8(ElementBytes(index)), TJsonDuplicates::DropDuplicates));
    if (int(FCache.size()) < CacheSize) {
        FCache.push_back({index, FUseClock, std::move(tree)});
        return FCache.back().Tree.get();
    }
    auto oldest = std::min_element(FCache.begin(), FCache.end(),
                                   [](const TCached& a, const TCached& b) { return a.LastUse < b.LastUse; });
    *oldest = {index, FUseClock, std::move(tree)};
    return oldest->Tree.get();
}

TJsonValue* TJsonStreamedArray::GetItem(QStringView name) const
{
    return GetElement(JsonArrayIndex(name, ElementCount()));
}

void TJsonStreamedArray::Write(TJsonWriter& writer) const
{
    writer.BeginArray();
    for (int i = 0, n = ElementCount(); i < n; ++i) {
        if (i > 0)
            writer.Separator();
        GetElement(i)->Write(writer);
    }
    writer.EndArray();
}

std::shared_ptr<TJsonValue> TJsonStreamedArray::Share(const TJsonValue* element) const
{
    for (const TCached& c : FCache)
        if (c.Tree.get() == element)
            return c.Tree;
    return nullptr;
}
