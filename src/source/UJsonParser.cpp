#include "UJsonParser.h"

#include <QFile>
#include <QStringDecoder>
#include <algorithm>
#include <cstring>
#include <unordered_set>

namespace {

inline bool IsBlank(char16_t c) { return c == 32 || (c >= 9 && c <= 13); }
inline bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
inline bool IsNumberChar(char16_t c)
{
    return IsDigit(c) || c == u'.' || c == u'-' || c == u'+' || c == u'e' || c == u'E';
}

int HexValue(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

QString Quoted(const char* pattern, char16_t c)
{
    return QString::fromLatin1(pattern).arg(JsonCharText(c));
}

}  // namespace

QString JsonCharText(char16_t c)
{
    if (c < 32)
        return QString::number(c);
    if (c < 128)
        return QString(QChar(c));
    return QStringLiteral("U+%1").arg(uint(c), 4, 16, QLatin1Char('0')).toUpper();
}

TJsonParserState::TJsonParserState(QStringView text, TJsonDuplicates duplicates)
    : FText(text),
      FData(text.utf16()),
      FLength(text.size()),
      FDuplicates(duplicates),
      FIntern(text.size() >= InternThreshold),
      FPoolNames(text.size() >= NamePoolThreshold),
      // A tree takes about four bytes of arena per character of text.
      FArena(std::make_unique<TJsonArena>(size_t(std::clamp<qsizetype>(text.size() * 4, 512, 1 << 18)))),
      FMemberStack(ThreadScratch().Members),
      FElementStack(ThreadScratch().Elements),
      FStringBuffer(ThreadScratch().Text),
      FMemberBase(FMemberStack.size()),
      FElementBase(FElementStack.size())
{
}

TJsonParserState::~TJsonParserState()
{
    // A failed parse leaves its open containers behind.
    FMemberStack.resize(FMemberBase);
    FElementStack.resize(FElementBase);
    // Keep what the lines of a file need, not what its largest document needed.
    constexpr size_t Keep = 1 << 16;
    if (FMemberBase == 0 && FMemberStack.capacity() > Keep)
        std::vector<TJsonMember>().swap(FMemberStack);
    if (FElementBase == 0 && FElementStack.capacity() > Keep)
        std::vector<TJsonValue*>().swap(FElementStack);
    if (FStringBuffer.capacity() > Keep)
        std::vector<char16_t>().swap(FStringBuffer);
}

TJsonParserState::TScratch& TJsonParserState::ThreadScratch()
{
    thread_local TScratch scratch;
    return scratch;
}

char16_t TJsonParserState::Read()
{
    if (FHasPending) {
        FHasPending = false;
        return FPending;
    }
    if (FAtEnd)
        return 0;
    if (FPos < FLength) {
        const char16_t c = FData[FPos++];
        if (c == u'\n') {
            ++FLineFeeds;
            FLineStart = FPos;
        } else if (c == 0) {
            FAtEnd = true;
        }
        return c;
    }
    FAtEnd = true;
    ++FPos;
    return 0;
}

char16_t TJsonParserState::SkipBlanks(char16_t c)
{
    while (IsBlank(c))
        c = Read();
    return c;
}

char16_t TJsonParserState::SkipBlanksAndComments(char16_t c)
{
    for (;;) {
        if (IsBlank(c)) {
            c = Read();
        } else if (c == u'/') {
            SkipComment();
            c = Read();
        } else {
            return c;
        }
    }
}

void TJsonParserState::SkipComment()
{
    const char16_t kind = Read();
    if (kind == u'/') {
        // A line comment runs to a carriage return; a bare line feed does not end it.
        char16_t c;
        do
            c = Read();
        while (c != 13 && c != 0);
    } else if (kind == u'*') {
        // The first "*" ends a block comment, and the character after it goes too.
        char16_t c;
        do
            c = Read();
        while (c != u'*' && c != 0);
        if (c == u'*')
            Read();
    }
    // "/" followed by anything else: both characters are dropped.
}

void TJsonParserState::Fail(const QString& message) { throw EJsonParseError(message); }

void TJsonParserState::FailUnterminated(qsizetype quote)
{
    // Reported at the opening quote: that is where the reader has to look.
    FPos = quote + 1;
    Fail(QStringLiteral("Unterminated UnicodeString"));
}

QString TJsonParserState::PositionText() const
{
    if (FLineFeeds == 0)
        return QStringLiteral("line 1, col %1").arg(FPos);
    return QStringLiteral("line %1, col %2 (offset %3)").arg(FLineFeeds + 1).arg(FPos - FLineStart).arg(FPos);
}

const char16_t* TJsonParserState::StoreText(QStringView text)
{
    if (text.isEmpty())
        return nullptr;
    if (!FIntern)
        return FArena->CopyText(text.utf16(), size_t(text.size()));
    const std::u16string_view key(text.utf16(), size_t(text.size()));
    auto it = FInterned.find(key);
    if (it != FInterned.end())
        return it->second;
    const char16_t* copy = FArena->CopyText(text.utf16(), size_t(text.size()));
    FInterned.emplace(std::u16string_view(copy, key.size()), copy);
    return copy;
}

const char16_t* TJsonParserState::StoreName(QStringView name, uint32_t hash)
{
    if (!FPoolNames || name.isEmpty())
        return StoreText(name);
    if (FNamePool.empty())
        FNamePool.assign(1024, TPooledName{nullptr, 0, 0});
    size_t mask = FNamePool.size() - 1;
    for (size_t i = hash & mask;; i = (i + 1) & mask) {
        TPooledName& slot = FNamePool[i];
        if (!slot.Text)
            break;
        if (slot.Hash == hash && QStringView(slot.Text, slot.Length) == name)
            return slot.Text;
    }
    const char16_t* copy = StoreText(name);
    if (2 * (FNamePoolUsed + 1) > FNamePool.size()) {
        std::vector<TPooledName> grown(FNamePool.size() * 2, TPooledName{nullptr, 0, 0});
        mask = grown.size() - 1;
        for (const TPooledName& old : FNamePool) {
            if (!old.Text)
                continue;
            size_t i = old.Hash & mask;
            while (grown[i].Text)
                i = (i + 1) & mask;
            grown[i] = old;
        }
        FNamePool.swap(grown);
    }
    size_t i = hash & mask;
    while (FNamePool[i].Text)
        i = (i + 1) & mask;
    FNamePool[i] = TPooledName{copy, int(name.size()), hash};
    ++FNamePoolUsed;
    return copy;
}

TJsonValue* TJsonParserState::NewImmediate(TJsonValueKind kind, QStringView text, bool flag)
{
    // Shared copies point to their text; every other scalar carries it behind the node.
    if (FIntern && !text.isEmpty()) {
        void* memory = FArena->Allocate(sizeof(TJsonSharedImmediate), alignof(TJsonSharedImmediate));
        return new (memory) TJsonSharedImmediate(kind, StoreText(text), int(text.size()), flag);
    }
    const size_t bytes = size_t(text.size()) * sizeof(char16_t);
    void* memory = FArena->Allocate(sizeof(TJsonImmediate) + bytes, alignof(TJsonImmediate));
    auto* node = new (memory) TJsonImmediate(kind, int(text.size()), flag, false);
    if (bytes)
        std::memcpy(reinterpret_cast<char16_t*>(node + 1), text.utf16(), bytes);
    return node;
}

QStringView TJsonParserState::ReadString()
{
    const qsizetype quote = FPos - 1;  // the opening quote, already read
    qsizetype i = FPos;
    // Most strings have no escapes: they are taken straight from the text.
    while (i < FLength) {
        const char16_t c = FData[i];
        if (c == u'"') {
            const QStringView result(FData + FPos, i - FPos);
            FPos = i + 1;
            return result;
        }
        if (c == u'\\' || c == 0)
            break;
        ++i;
    }
    if (i >= FLength || FData[i] == 0)
        FailUnterminated(quote);

    FStringBuffer.assign(FData + FPos, FData + i);
    auto at = [&](qsizetype k) -> char16_t { return k < FLength ? FData[k] : char16_t(0); };
    for (;;) {
        const char16_t c = at(i);
        if (c == 0)
            FailUnterminated(quote);
        if (c == u'"') {
            FPos = i + 1;
            return QStringView(FStringBuffer.data(), qsizetype(FStringBuffer.size()));
        }
        if (c != u'\\') {
            FStringBuffer.push_back(c);
            ++i;
            continue;
        }
        const char16_t e = at(i + 1);
        char16_t out;
        switch (e) {
        case 0: FailUnterminated(quote);
        case u'"': out = u'"'; break;
        case u'\'': out = u'\''; break;
        case u'/': out = u'/'; break;
        case u'\\': out = u'\\'; break;
        case u'b': out = 8; break;
        case u'f': out = 12; break;
        case u'n': out = 10; break;
        case u'r': out = 13; break;
        case u't': out = 9; break;
        case u'u': {
            unsigned code = 0;
            for (int k = 2; k < 6; ++k) {
                const char16_t h = at(i + k);
                if (h == 0)
                    FailUnterminated(quote);
                const int v = HexValue(h);
                if (v < 0) {
                    FPos = i + k + 1;
                    Fail(Quoted("Invalid unicode hex character \"%1\"", h));
                }
                code = code * 16 + unsigned(v);
            }
            FStringBuffer.push_back(char16_t(code));
            i += 6;
            continue;
        }
        default:
            FPos = i + 2;
            Fail(Quoted("Invalid character \"%1\" after escape", e));
        }
        FStringBuffer.push_back(out);
        i += 2;
    }
}

TJsonValue* TJsonParserState::ParseNumber(char16_t)
{
    // The number is taken verbatim: leading zeros, "+", several points all pass.
    const qsizetype start = FPos - 1;
    char16_t c;
    do
        c = Read();
    while (IsNumberChar(c));
    const qsizetype end = FPos - 1;  // the character that ended it
    Unread(c);
    return NewImmediate(TJsonValueKind::Number, QStringView(FData + start, end - start));
}

TJsonValue* TJsonParserState::ParseBareToken(char16_t)
{
    // Shell-export forms such as ObjectId("..."), ISODate(...), NaN: everything
    // up to the next "," or "}" is the token's text, blanks included.
    const qsizetype start = FPos - 1;
    char16_t c;
    do
        c = Read();
    while (c != u',' && c != u'}' && c != 0);
    const qsizetype end = FPos - 1;
    Unread(c);
    return NewImmediate(TJsonValueKind::String, QStringView(FData + start, end - start));
}

TJsonValue* TJsonParserState::ParseLiteral(char16_t first)
{
    const char16_t* rest = first == u't' ? u"rue" : first == u'f' ? u"alse" : u"ull";
    for (; *rest; ++rest)
        if (Read() != *rest)
            Fail(QStringLiteral("Invalid immediate value"));
    if (first == u'n')
        return NewImmediate(TJsonValueKind::Null, QStringView());
    return NewImmediate(TJsonValueKind::Boolean, QStringView(), first == u't');
}

TJsonValue* TJsonParserState::ParseValue(int depth)
{
    const char16_t c = SkipBlanksAndComments(Read());
    switch (c) {
    case 0:
    case u']':
    case u'}': Unread(c); return nullptr;
    case u'"': {
        return NewImmediate(TJsonValueKind::String, ReadString());
    }
    case u'-':
    case u'0': case u'1': case u'2': case u'3': case u'4':
    case u'5': case u'6': case u'7': case u'8': case u'9': return ParseNumber(c);
    case u'I':
    case u'N':
    case u'O': return ParseBareToken(c);
    case u't':
    case u'f':
    case u'n': return ParseLiteral(c);
    case u'{':
    case u'[':
        if (depth >= MaxDepth)
            Fail(QStringLiteral("Nesting deeper than %1 levels").arg(MaxDepth));
        return c == u'{' ? ParseObject(depth) : ParseArray(depth);
    default: Fail(Quoted("Invalid value start character \"%1\"", c));
    }
}

TJsonValue* TJsonParserState::ParseObject(int depth)
{
    const size_t base = FMemberStack.size();
    char16_t c = SkipBlanksAndComments(Read());
    if (c == u'"') {
        for (;;) {
            const QStringView name = ReadString();
            const uint32_t hash = JsonNameHash(name);
            TJsonMember member{StoreName(name, hash), int(name.size()), hash, nullptr};
            c = SkipBlanks(Read());
            if (c != u':')
                Fail(Quoted("Invalid object pair name separator character \"%1\"", c));
            member.Value = ParseValue(depth + 1);
            if (!member.Value)
                Fail(QStringLiteral("Missing element value"));
            FMemberStack.push_back(member);
            c = SkipBlanks(Read());
            if (c != u',')
                break;
            c = SkipBlanksAndComments(Read());
            if (c != u'"')
                Fail(Quoted("Invalid object pair name start character \"%1\"", c));
        }
    }
    c = SkipBlanksAndComments(c);
    if (c != u'}')
        Fail(Quoted("Invalid object termination character \"%1\"", c));

    TJsonMember* first = FMemberStack.data() + base;
    size_t count = FMemberStack.size() - base;
    if (FDuplicates == TJsonDuplicates::DropDuplicates && count > 1) {
        // The last occurrence of a name wins; survivors keep their order.
        std::vector<bool> drop(count, false);
        bool any = false;
        if (count <= 16) {
            for (size_t i = 0; i + 1 < count; ++i)
                for (size_t j = i + 1; j < count; ++j)
                    if (first[i].Hash == first[j].Hash && first[i].NameView() == first[j].NameView()) {
                        drop[i] = any = true;
                        break;
                    }
        } else {
            std::unordered_set<std::u16string_view> seen;
            seen.reserve(count);
            for (size_t i = count; i-- > 0;)
                if (!seen.emplace(reinterpret_cast<const char16_t*>(first[i].Name), size_t(first[i].NameLength)).second)
                    drop[i] = any = true;
        }
        if (any) {
            size_t kept = 0;
            for (size_t i = 0; i < count; ++i)
                if (!drop[i])
                    first[kept++] = first[i];
            count = kept;
        }
    }
    static_assert(sizeof(TJsonObject) % alignof(TJsonMember) == 0);
    void* memory = FArena->Allocate(sizeof(TJsonObject) + count * sizeof(TJsonMember), alignof(TJsonObject));
    auto* object = new (memory) TJsonObject(int(count), false);
    auto* members = reinterpret_cast<TJsonMember*>(object + 1);
    std::copy(first, first + count, members);
    FMemberStack.resize(base);
    for (size_t i = 0; i < count; ++i)
        members[i].Value->FOwner = object;
    return object;
}

TJsonValue* TJsonParserState::ParseArray(int depth)
{
    const size_t base = FElementStack.size();
    for (;;) {
        TJsonValue* value = ParseValue(depth + 1);
        if (!value)
            break;
        FElementStack.push_back(value);
        const char16_t c = SkipBlanks(Read());
        if (c != u',') {
            Unread(c);
            break;
        }
    }
    const char16_t c = SkipBlanksAndComments(Read());
    if (c != u']')
        Fail(Quoted("Invalid array termination character \"%1\"", c));

    const size_t count = FElementStack.size() - base;
    static_assert(sizeof(TJsonArray) % alignof(TJsonValue*) == 0);
    void* memory = FArena->Allocate(sizeof(TJsonArray) + count * sizeof(TJsonValue*), alignof(TJsonArray));
    auto* array = new (memory) TJsonArray(int(count), false);
    auto* items = reinterpret_cast<TJsonValue**>(array + 1);
    std::copy(FElementStack.begin() + qsizetype(base), FElementStack.end(), items);
    FElementStack.resize(base);
    for (size_t i = 0; i < count; ++i)
        items[i]->FOwner = array;
    return array;
}

std::unique_ptr<TJsonValue> TJsonParserState::ParseRoot()
{
    TJsonValue* value = nullptr;
    try {
        value = ParseValue(0);
    } catch (const EJsonParseError& e) {
        throw EJsonParseError(e.Message() + QStringLiteral(", at ") + PositionText());
    }
    if (!value)
        return nullptr;
    FInterned.clear();

    // The root is the one node outside the arena: it owns the arena.
    std::unique_ptr<TJsonValue> root;
    switch (value->ValueKind()) {
    case TJsonValueKind::Object: {
        auto* node = static_cast<TJsonObject*>(value);
        root = std::make_unique<TJsonRoot<TJsonSharedObject>>(std::move(FArena), FLineFeeds, node->Members(), node->ElementCount());
        break;
    }
    case TJsonValueKind::Array: {
        auto* node = static_cast<TJsonArray*>(value);
        root = std::make_unique<TJsonRoot<TJsonSharedArray>>(std::move(FArena), FLineFeeds, node->Items(), node->ElementCount());
        break;
    }
    default: {
        auto* node = static_cast<TJsonImmediate*>(value);
        const QStringView text = node->TextView();
        root = std::make_unique<TJsonRoot<TJsonSharedImmediate>>(std::move(FArena), FLineFeeds, node->ValueKind(),
                                                           text.utf16(), int(text.size()), node->BoolValue());
        break;
    }
    }
    for (int i = 0, n = root->ElementCount(); i < n; ++i)
        root->GetElement(i)->FOwner = root.get();
    return root;
}

std::unique_ptr<TJsonValue> TJsonValue::ParseString(QStringView text, TJsonDuplicates duplicates)
{
    TJsonParserState state(text, duplicates);
    return state.ParseRoot();
}

std::unique_ptr<TJsonValue> TJsonValue::ParseFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EInOutError(QStringLiteral("Can not open file \"%1\": %2").arg(path, file.errorString()));
    const QByteArray bytes = file.readAll();
    QStringConverter::Encoding encoding = QStringConverter::Utf8;
    qsizetype skip = 0;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        skip = 3;
    } else if (bytes.startsWith("\xFF\xFE")) {
        encoding = QStringConverter::Utf16LE;
        skip = 2;
    } else if (bytes.startsWith("\xFE\xFF")) {
        encoding = QStringConverter::Utf16BE;
        skip = 2;
    }
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
    const QString text = decoder.decode(QByteArrayView(bytes).sliced(skip));
    return ParseString(text, TJsonDuplicates::DropDuplicates);
}
