#include "UJsonTree.h"

#include "UJsonWriter.h"

#include <cstdlib>
#include <cstring>
#include <new>

// ---------------------------------------------------------------- arena

struct TJsonArena::TBlock {
    TBlock* Next;
    size_t Size;
};

TJsonArena::TJsonArena(size_t firstBlock) : FNextSize(firstBlock < 256 ? 256 : firstBlock), FReserved(InlineSize) {}

TJsonArena::~TJsonArena()
{
    while (FHead) {
        TBlock* next = FHead->Next;
        std::free(FHead);
        FHead = next;
    }
}

void* TJsonArena::Allocate(size_t size, size_t align)
{
    auto fits = [&](char* cursor) {
        const uintptr_t p = (reinterpret_cast<uintptr_t>(cursor) + align - 1) & ~(uintptr_t(align) - 1);
        return p + size <= reinterpret_cast<uintptr_t>(FLimit) ? reinterpret_cast<char*>(p) : nullptr;
    };
    if (char* p = fits(FCursor)) {
        FCursor = p + size;
        return p;
    }
    // Blocks double up to 256 KiB, which keeps the unused end of the last one
    // small; a larger request gets a block of its own size.
    size_t blockSize = FNextSize;
    const size_t need = size + align + sizeof(TBlock);
    if (blockSize < need)
        blockSize = need;
    auto* block = static_cast<TBlock*>(std::malloc(blockSize));
    if (!block)
        throw std::bad_alloc();
    block->Next = FHead;
    block->Size = blockSize;
    FHead = block;
    FReserved += blockSize;
    FCursor = reinterpret_cast<char*>(block) + sizeof(TBlock);
    FLimit = reinterpret_cast<char*>(block) + blockSize;
    if (FNextSize < (size_t(1) << 18))
        FNextSize *= 2;
    char* p = fits(FCursor);
    FCursor = p + size;
    return p;
}

char16_t* TJsonArena::CopyText(const char16_t* text, size_t length)
{
    if (length == 0)
        return nullptr;
    auto* p = static_cast<char16_t*>(Allocate(length * sizeof(char16_t), alignof(char16_t)));
    std::memcpy(p, text, length * sizeof(char16_t));
    return p;
}

// ---------------------------------------------------------------- hash

uint32_t JsonNameHash(QStringView name)
{
    // FNV-1a over the UTF-16 code units: cheap for the short names of records.
    uint32_t h = 2166136261u;
    const char16_t* p = name.utf16();
    for (qsizetype i = 0, n = name.size(); i < n; ++i) {
        h ^= p[i];
        h *= 16777619u;
    }
    return h;
}

// ---------------------------------------------------------------- base

QString TJsonValue::GetName(int) const { return QString(); }
TJsonValue* TJsonValue::GetElement(int) const { return nullptr; }
TJsonValue* TJsonValue::GetItem(QStringView) const { return nullptr; }
int TJsonValue::ElementCount() const { return 0; }
QString TJsonValue::AsText() const { return QString(); }

QString TJsonValue::ToString() const
{
    TJsonWriter writer;
    Write(writer);
    return writer.Text();
}

TJsonValueKind KindOf(const TJsonValue* value)
{
    return value ? value->ValueKind() : TJsonValueKind::Undefined;
}

QString TextOf(const TJsonValue* value)
{
    return value ? value->AsText() : QStringLiteral("undefined");
}

int CountOf(const TJsonValue* value) { return value ? value->ElementCount() : 0; }

TJsonValue* ElementOf(const TJsonValue* value, int index) { return value ? value->GetElement(index) : nullptr; }

TJsonValue* ItemOf(const TJsonValue* value, QStringView name) { return value ? value->GetItem(name) : nullptr; }

// ---------------------------------------------------------------- object

QStringView TJsonObject::NameView(int index) const
{
    if (index < 0 || index >= FCount)
        return QStringView();
    return Members()[index].NameView();
}

QString TJsonObject::GetName(int index) const { return NameView(index).toString(); }

TJsonValue* TJsonObject::GetElement(int index) const
{
    if (index < 0 || index >= FCount)
        return nullptr;
    return Members()[index].Value;
}

TJsonValue* TJsonObject::GetItem(QStringView name) const
{
    const uint32_t hash = JsonNameHash(name);
    const TJsonMember* members = Members();
    for (int i = 0; i < FCount; ++i) {
        const TJsonMember& m = members[i];
        if (m.Hash == hash && m.NameView() == name)
            return m.Value;
    }
    return nullptr;
}

void TJsonObject::Write(TJsonWriter& writer) const
{
    writer.BeginObject();
    const TJsonMember* members = Members();
    for (int i = 0; i < FCount; ++i) {
        if (i > 0)
            writer.Separator();
        writer.MemberName(members[i].NameView());
        members[i].Value->Write(writer);
    }
    writer.EndObject();
}

// ---------------------------------------------------------------- array

QString TJsonArray::GetName(int index) const
{
    if (index < 0 || index >= FCount)
        return QString();
    return QString::number(index);
}

TJsonValue* TJsonArray::GetElement(int index) const
{
    if (index < 0 || index >= FCount)
        return nullptr;
    return Items()[index];
}

int JsonArrayIndex(QStringView name, int count)
{
    bool ok = false;
    const qint64 index = name.toLongLong(&ok);
    return ok && index >= 0 && index < count ? int(index) : -1;
}

TJsonValue* TJsonArray::GetItem(QStringView name) const
{
    const int index = JsonArrayIndex(name, FCount);
    return index < 0 ? nullptr : Items()[index];
}

void TJsonArray::Write(TJsonWriter& writer) const
{
    writer.BeginArray();
    TJsonValue* const* items = Items();
    for (int i = 0; i < FCount; ++i) {
        if (i > 0)
            writer.Separator();
        items[i]->Write(writer);
    }
    writer.EndArray();
}

// ---------------------------------------------------------------- immediate

QString TJsonImmediate::AsText() const
{
    switch (FKind) {
    case TJsonValueKind::Null: return QStringLiteral("null");
    case TJsonValueKind::Boolean: return FFlag ? QStringLiteral("true") : QStringLiteral("false");
    case TJsonValueKind::String:
    case TJsonValueKind::Number: return TextView().toString();
    default: return QStringLiteral("undefined");
    }
}

void TJsonImmediate::Write(TJsonWriter& writer) const
{
    switch (FKind) {
    case TJsonValueKind::String: writer.String(TextView()); break;
    case TJsonValueKind::Number: writer.Raw(TextView()); break;
    case TJsonValueKind::Boolean: writer.Raw(FFlag ? u"true" : u"false"); break;
    default: writer.Raw(u"null"); break;
    }
}
