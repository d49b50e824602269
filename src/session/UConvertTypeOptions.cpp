#include "UConvertTypeOptions.h"

namespace {
const QString KeyConvertType = QStringLiteral("ConvertType");
const QString KeySourceType = QStringLiteral("SourceType");
const QString KeyDestType = QStringLiteral("DestType");
const QString KeySourceStoreType = QStringLiteral("SourceStoreType");
const QString SetWord = QStringLiteral("Set");
}  // namespace

void TConvertTypeOptions::SplitConvertType(const QString& convertType, QString& sourceType, QString& destType)
{
    const int at = convertType.indexOf(QLatin1String("To"));
    if (at < 0) {
        sourceType.clear();
        destType.clear();
        return;
    }
    sourceType = convertType.left(at);
    destType = convertType.mid(at + 2);
}

std::unique_ptr<TConvertTypeOptions> TConvertTypeOptions::CreateFromConvertType(const QString& convertType)
{
    auto result = std::make_unique<TConvertTypeOptions>();
    result->FConvertType = convertType;
    SplitConvertType(convertType, result->FSourceType, result->FDestType);
    return result;
}

std::unique_ptr<TConvertTypeOptions> TConvertTypeOptions::CreateFromSessionFile(const QString& fileName)
{
    const QString section = FindSectionOfFile(fileName);
    auto result = std::make_unique<TConvertTypeOptions>();
    if (!section.isEmpty()) {
        const TMyIniFile ini(fileName);
        result->LoadFromIni(ini, section);
    }
    if (result->FSourceType.isEmpty() || result->FDestType.isEmpty())
        return nullptr;
    return result;
}

std::unique_ptr<TConvertTypeOptions> TConvertTypeOptions::CreateCopy(const TConvertTypeOptions& other)
{
    auto result = std::make_unique<TConvertTypeOptions>();
    result->FConvertType = other.FConvertType;
    result->FSourceType = other.FSourceType;
    result->FDestType = other.FDestType;
    result->FSourceStoreType = other.FSourceStoreType;
    if (result->FSourceType.isEmpty() || result->FDestType.isEmpty()) {
        QString source, dest;
        SplitConvertType(result->FConvertType, source, dest);
        if (result->FSourceType.isEmpty())
            result->FSourceType = source;
        if (result->FDestType.isEmpty())
            result->FDestType = dest;
    }
    return result;
}

void TConvertTypeOptions::SaveToIni(TMyIniFile& ini, const QString& section)
{
    ini.WriteString(section, KeyConvertType, FConvertType);
    ini.WriteString(section, KeySourceType, FSourceType);
    ini.WriteString(section, KeyDestType, FDestType);
    ini.WriteString(section, KeySourceStoreType, FSourceStoreType);
}

void TConvertTypeOptions::LoadFromIni(const TMyIniFile& ini, const QString& section)
{
    FConvertType = ReadSessionString(ini, section, KeyConvertType);
    FSourceType = ReadSessionString(ini, section, KeySourceType);
    FDestType = ReadSessionString(ini, section, KeyDestType);
    FSourceStoreType = ReadSessionString(ini, section, KeySourceStoreType);
}

bool TConvertTypeOptions::IsEqual(const TDataConvertModel& other) const
{
    auto* o = dynamic_cast<const TConvertTypeOptions*>(&other);
    return o && FConvertType == o->FConvertType && FSourceType == o->FSourceType
        && FDestType == o->FDestType && FSourceStoreType == o->FSourceStoreType;
}

QString TConvertTypeOptions::GetDescription() const
{
    return QStringLiteral("ConvertType: %1, SourceType: %2, DestType: %3, SourceStoreType: %4")
        .arg(FConvertType, FSourceType, FDestType, FSourceStoreType);
}

bool TConvertTypeOptions::IsSetType(const QString& type)
{
    return type.contains(SetWord);
}

bool TConvertTypeOptions::HasTypes() const
{
    return !FSourceType.isEmpty() && !FDestType.isEmpty();
}

bool TConvertTypeOptions::IsOneToOne() const
{
    return HasTypes() && !IsSetType(FSourceType) && !IsSetType(FDestType);
}

bool TConvertTypeOptions::IsNToOne() const
{
    return HasTypes() && IsSetType(FSourceType) && !IsSetType(FDestType);
}

bool TConvertTypeOptions::IsNToN() const
{
    return HasTypes() && IsSetType(FSourceType) && IsSetType(FDestType);
}

QString TConvertTypeOptions::BaseTypeOfSet(const QString& type)
{
    const int at = type.indexOf(SetWord);
    return at < 0 ? type : type.left(at);
}

QString TConvertTypeOptions::SetNoun(const QString& setType)
{
    if (setType == QLatin1String("TableSet"))
        return QStringLiteral("tables");
    if (setType == QLatin1String("MongoCollectionSet"))
        return QStringLiteral("collections");
    return QStringLiteral("files");
}
