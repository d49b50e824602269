#pragma once
// The JSON document tree. A tree is built once by the parser and only read
// afterwards. Scalars keep their source text: a number is never converted, so
// the digits that reach the database are the digits in the file.
//
// Memory: every node and every character of a tree lives in one arena owned by
// the root value. Freeing the root frees the whole tree at once, without
// walking it, so even very deep trees are freed in constant stack.

#include "UException.h"

#include <QString>
#include <QStringView>
#include <cstddef>
#include <cstdint>
#include <memory>

enum class TJsonValueKind : uint8_t { Undefined, Null, Object, Array, String, Number, Boolean };

enum class TJsonDuplicates { KeepAll, DropDuplicates };

class EJsonException : public Exception {
public:
    using Exception::Exception;
};

class EJsonParseError : public EJsonException {
public:
    using EJsonException::EJsonException;
};

class TJsonWriter;
class TJsonArena;

class TJsonValue {
public:
    TJsonValue() = default;
    TJsonValue(const TJsonValue&) = delete;
    TJsonValue& operator=(const TJsonValue&) = delete;
    virtual ~TJsonValue() = default;

    virtual TJsonValueKind ValueKind() const = 0;
    // Name of member index (object), the index in decimal (array), else "".
    virtual QString GetName(int index) const;
    virtual TJsonValue* GetElement(int index) const;
    // Member by name (object) or element by the name read as an integer (array).
    virtual TJsonValue* GetItem(QStringView name) const;
    virtual int ElementCount() const;
    virtual void Write(TJsonWriter& writer) const = 0;
    // Line feeds the parser passed outside strings; set on the root only.
    virtual int LineCount() const { return 0; }

    TJsonValue* Owner() const { return FOwner; }
    TJsonValue* GetValue(int index) const { return GetElement(index); }
    TJsonValue* GetValue(QStringView key) const { return GetItem(key); }
    // "undefined", "null", the held text, or "true"/"false".
    virtual QString AsText() const;
    QString ToString() const;

    // Parses text; no value (empty text, only blanks and comments, or a
    // leading "]" or "}") gives nullptr. Failures raise EJsonParseError.
    static std::unique_ptr<TJsonValue> ParseString(QStringView text,
                                                   TJsonDuplicates duplicates = TJsonDuplicates::DropDuplicates);
    // Reads a file: a byte-order mark chooses UTF-8 or UTF-16 LE/BE, no mark
    // means UTF-8 (invalid bytes become U+FFFD). Parses with DropDuplicates.
    static std::unique_ptr<TJsonValue> ParseFile(const QString& path);

private:
    friend class TJsonParserState;
    TJsonValue* FOwner = nullptr;
};

// Null-safe accessors: a missing value reads as none, 0 or empty text.
TJsonValueKind KindOf(const TJsonValue* value);
QString TextOf(const TJsonValue* value);
int CountOf(const TJsonValue* value);
TJsonValue* ElementOf(const TJsonValue* value, int index);
TJsonValue* ItemOf(const TJsonValue* value, QStringView name);

struct TJsonMember {
    const char16_t* Name;
    int NameLength;
    uint32_t Hash;
    TJsonValue* Value;

    QStringView NameView() const { return QStringView(Name, NameLength); }
};

// Containers and scalars keep their members, elements or text right behind
// the node in the arena, so a node costs one allocation and no pointer. The
// "Shared" variants point to their data elsewhere instead: the root (which
// lives outside the arena) and strings that share one copy in large texts.

class TJsonObject : public TJsonValue {
public:
    TJsonValueKind ValueKind() const override { return TJsonValueKind::Object; }
    QString GetName(int index) const override;
    TJsonValue* GetElement(int index) const override;
    TJsonValue* GetItem(QStringView name) const override;
    int ElementCount() const override { return FCount; }
    void Write(TJsonWriter& writer) const override;

    // The member's name without a copy; empty when out of range.
    QStringView NameView(int index) const;
    inline const TJsonMember* Members() const;

protected:
    TJsonObject(int count, bool shared) : FCount(count), FShared(shared) {}

private:
    friend class TJsonParserState;
    int FCount;
    bool FShared;
};

class TJsonSharedObject : public TJsonObject {
public:
    TJsonSharedObject(const TJsonMember* members, int count) : TJsonObject(count, true), FMembers(members) {}

private:
    friend class TJsonObject;
    const TJsonMember* FMembers;
};

const TJsonMember* TJsonObject::Members() const
{
    return FShared ? static_cast<const TJsonSharedObject*>(this)->FMembers : reinterpret_cast<const TJsonMember*>(this + 1);
}

class TJsonArray : public TJsonValue {
public:
    TJsonValueKind ValueKind() const override { return TJsonValueKind::Array; }
    QString GetName(int index) const override;
    TJsonValue* GetElement(int index) const override;
    TJsonValue* GetItem(QStringView name) const override;
    int ElementCount() const override { return FCount; }
    void Write(TJsonWriter& writer) const override;

    inline TJsonValue* const* Items() const;

protected:
    TJsonArray(int count, bool shared) : FCount(count), FShared(shared) {}

private:
    friend class TJsonParserState;
    int FCount;
    bool FShared;
};

class TJsonSharedArray : public TJsonArray {
public:
    TJsonSharedArray(TJsonValue* const* items, int count) : TJsonArray(count, true), FItems(items) {}

private:
    friend class TJsonArray;
    TJsonValue* const* FItems;
};

TJsonValue* const* TJsonArray::Items() const
{
    return FShared ? static_cast<const TJsonSharedArray*>(this)->FItems : reinterpret_cast<TJsonValue* const*>(this + 1);
}

// Null, String, Number or Boolean.
class TJsonImmediate : public TJsonValue {
public:
    TJsonValueKind ValueKind() const override { return FKind; }
    void Write(TJsonWriter& writer) const override;
    QString AsText() const override;

    inline QStringView TextView() const;
    bool BoolValue() const { return FFlag; }

protected:
    TJsonImmediate(TJsonValueKind kind, int length, bool flag, bool shared)
        : FKind(kind), FFlag(flag), FShared(shared), FLength(length) {}

private:
    friend class TJsonParserState;
    TJsonValueKind FKind;
    bool FFlag;
    bool FShared;
    int FLength;
};

class TJsonSharedImmediate : public TJsonImmediate {
public:
    TJsonSharedImmediate(TJsonValueKind kind, const char16_t* text, int length, bool flag = false)
        : TJsonImmediate(kind, length, flag, true), FText(text) {}

private:
    friend class TJsonImmediate;
    const char16_t* FText;
};

QStringView TJsonImmediate::TextView() const
{
    const char16_t* text = FShared ? static_cast<const TJsonSharedImmediate*>(this)->FText
                                   : reinterpret_cast<const char16_t*>(this + 1);
    return QStringView(text, FLength);
}

// The element index an array reads from a member name; -1 when the name is
// no index below count.
int JsonArrayIndex(QStringView name, int count);

// The 32-bit hash of a member name, compared before the name itself.
uint32_t JsonNameHash(QStringView name);

// Bump allocator for one tree. Blocks never move, so pointers into them stay
// valid for the arena's life.
class TJsonArena {
public:
    explicit TJsonArena(size_t firstBlock = 4096);
    ~TJsonArena();
    TJsonArena(const TJsonArena&) = delete;
    TJsonArena& operator=(const TJsonArena&) = delete;

    void* Allocate(size_t size, size_t align = alignof(void*));
    char16_t* CopyText(const char16_t* text, size_t length);
    size_t BytesReserved() const { return FReserved; }

private:
    // The tree of one JSON line fits here, so parsing a line costs no block.
    static constexpr size_t InlineSize = 2048;

    struct TBlock;
    alignas(std::max_align_t) char FInline[InlineSize];
    TBlock* FHead = nullptr;
    char* FCursor = FInline;
    char* FLimit = FInline + InlineSize;
    size_t FNextSize;
    size_t FReserved = 0;
};

// A root value: the node plus the arena that holds the whole tree.
template <class T>
class TJsonRoot final : public T {
public:
    template <class... A>
    explicit TJsonRoot(std::unique_ptr<TJsonArena> arena, int lineCount, A&&... args)
        : T(std::forward<A>(args)...), FArena(std::move(arena)), FLineCount(lineCount) {}
    int LineCount() const override { return FLineCount; }
    const TJsonArena& Arena() const { return *FArena; }

private:
    std::unique_ptr<TJsonArena> FArena;
    int FLineCount;
};
