#pragma once
// The top-level array of a JSON document, read from its file one element at a
// time. A tree of the whole document takes several times the file's size; this
// keeps the start offset of each element and the trees of the few elements
// used last, so a file of millions of records is read in little memory.
//
// Only a document that is one strictly formed UTF-8 array is streamed: any
// other text is left to the whole-document parser, with its tolerance of
// comments, bare words and trailing commas, and its messages.

#include "UJsonTree.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <memory>
#include <vector>

class TJsonStreamedArray final : public TJsonValue {
public:
    // The array of the file, or none when the file is not one strict array.
    static std::unique_ptr<TJsonStreamedArray> Open(const QString& fileName);
    ~TJsonStreamedArray() override;

    TJsonValueKind ValueKind() const override { return TJsonValueKind::Array; }
    QString GetName(int index) const override;
    // The element's tree, parsed on demand; valid until CacheSize other
    // elements have been parsed, or as long as a Share of it is held.
    TJsonValue* GetElement(int index) const override;
    TJsonValue* GetItem(QStringView name) const override;
    int ElementCount() const override { return int(FStarts.size()) - 1; }
    void Write(TJsonWriter& writer) const override;

    // Shared ownership of an element GetElement handed out; none for any
    // other value.
    std::shared_ptr<TJsonValue> Share(const TJsonValue* element) const;

    static constexpr int CacheSize = 16;

private:
    TJsonStreamedArray(const QString& fileName, std::vector<qint64> starts, qint64 fileSize);
    QByteArrayView ElementBytes(int index) const;

    struct TCached {
        int Index = -1;
        uint64_t LastUse = 0;
        std::shared_ptr<TJsonValue> Tree;
    };

    QString FFileName;
    // Offset of every element's first byte, then of the closing bracket.
    std::vector<qint64> FStarts;
    qint64 FFileSize;
    mutable QFile FFile;
    mutable QByteArray FWindow;
    mutable qint64 FWindowStart = 0;
    mutable std::vector<TCached> FCache;
    mutable uint64_t FUseClock = 0;
};
