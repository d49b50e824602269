#pragma once
// The kind of one conversion: its convert type ("JsonToTable"), source type
// ("Json", "JsonSet"), destination type ("Table") and where a one-file source
// lives ("File", "Url"; empty for sets). A type whose name contains "Set"
// (case-sensitive) is a set of items.

#include "UDataConvertModel.h"

#include <memory>

class TConvertTypeOptions : public TDataConvertModel {
    AMBERTIDE_CLASS(TConvertTypeOptions)
public:
    TConvertTypeOptions() = default;

    // SourceType is the text before the first "To", DestType the text after it;
    // a name without "To" gives both empty.
    static std::unique_ptr<TConvertTypeOptions> CreateFromConvertType(const QString& convertType);
    // The four keys from the file's marked section; null when SourceType or
    // DestType is empty there (the caller then goes by the extension).
    static std::unique_ptr<TConvertTypeOptions> CreateFromSessionFile(const QString& fileName);
    // A copy; a missing SourceType or DestType is derived from ConvertType.
    static std::unique_ptr<TConvertTypeOptions> CreateCopy(const TConvertTypeOptions& other);

    void SaveToIni(TMyIniFile& ini, const QString& section) override;
    void LoadFromIni(const TMyIniFile& ini, const QString& section) override;
    bool IsEqual(const TDataConvertModel& other) const override;
    QString GetDescription() const override;

    const QString& ConvertType() const { return FConvertType; }
    const QString& SourceType() const { return FSourceType; }
    const QString& DestType() const { return FDestType; }
    const QString& SourceStoreType() const { return FSourceStoreType; }
    void SetConvertType(const QString& v) { FConvertType = v; }
    void SetSourceType(const QString& v) { FSourceType = v; }
    void SetDestType(const QString& v) { FDestType = v; }
    void SetSourceStoreType(const QString& v) { FSourceStoreType = v; }

    // The kinds; options without a SourceType or a DestType are of no kind.
    bool IsOneToOne() const;
    bool IsNToOne() const;
    bool IsNToN() const;

    static bool IsSetType(const QString& type);
    // The text before "Set": "JsonSet" gives "Json"; a type without "Set" is its own base.
    static QString BaseTypeOfSet(const QString& type);
    // "tables" for "TableSet", "collections" for "MongoCollectionSet", "files" otherwise.
    static QString SetNoun(const QString& setType);
    // Splits a convert type at its first "To".
    static void SplitConvertType(const QString& convertType, QString& sourceType, QString& destType);

private:
    bool HasTypes() const;

    QString FConvertType;
    QString FSourceType;
    QString FDestType;
    QString FSourceStoreType;
};
