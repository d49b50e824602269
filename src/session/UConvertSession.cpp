#include "UConvertSession.h"

#include "UConvertSessionObjectFactory.h"
#include "UException.h"
#include "UFileSourceOptions.h"
#include "ULog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstdio>

namespace {

// Copies the previous content beside the file; a failure never stops the save.
void BackUpFile(const QString& fileName)
{
    QFile source(fileName);
    if (!source.exists() || !source.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = source.readAll();
    QSaveFile backup(fileName + QStringLiteral(".bak"));
    if (backup.open(QIODevice::WriteOnly) && backup.write(bytes) == bytes.size())
        backup.commit();
}

QString UnableToWrite(const QString& fileName)
{
    return QStringLiteral("Unable to write to %1").arg(fileName);
}

}  // namespace

TConvertSession::TConvertSession(TConvertSessionObjectFactory& factory,
                                 std::unique_ptr<TConvertTypeOptions> convertType)
    : FFactory(factory)
{
    auto sourceSet = factory.NewSourceSetOptions(*convertType);
    auto destSet = factory.NewDestSetOptions(*convertType);
    auto itemMap = factory.NewItemMapOptions(*convertType);
    auto rowsSelect = std::make_unique<TConvertRowsSelectOptions>();
    auto misc = std::make_unique<TConvertMiscOptions>();
    itemMap->SetSourceSet(sourceSet.get());
    itemMap->SetDestSet(destSet.get());

    FConvertType = convertType.get();
    FSourceSet = sourceSet.get();
    FDestSet = destSet.get();
    FItemMap = itemMap.get();
    FRowsSelect = rowsSelect.get();
    FMisc = misc.get();
    FOptions.push_back(std::move(convertType));
    FOptions.push_back(std::move(sourceSet));
    FOptions.push_back(std::move(destSet));
    FOptions.push_back(std::move(itemMap));
    FOptions.push_back(std::move(rowsSelect));
    FOptions.push_back(std::move(misc));
    FConvertItem = factory.NewConvertItem();
}

TConvertSession::~TConvertSession() = default;

void TConvertSession::SaveToFile(const QString& fileName)
{
    SetFileName(fileName);
    BackUpFile(fileName);
    WriteSections(fileName);
    RecentList().Add(fileName);
}

void TConvertSession::WriteSections(const QString& fileName)
{
    // Writing key by key into the file itself would leave a torn file behind a
    // crash or a full disk. The keys go into a copy beside it, in one write,
    // and the copy then replaces the original in one rename.
    const QFileInfo link(fileName);
    const QString target = link.isSymLink() ? link.symLinkTarget() : fileName;   // keep the link
    const QFileInfo info(target);
    if (info.exists() && !info.isWritable())
        throw EInOutError(UnableToWrite(fileName));
    const QString tempName =
        QStringLiteral("%1.%2.tmp~").arg(target).arg(QCoreApplication::applicationPid());
    QFile::remove(tempName);
    if (info.exists() && !QFile::copy(target, tempName))
        throw EInOutError(UnableToWrite(fileName));
    try {
        TMyIniFile ini(tempName);
        ini.BeginUpdate();
        const QString section = EffectiveSection();
        for (const auto& option : FOptions)
            option->SaveToIni(ini, section);
        ini.EndUpdate();
    } catch (const EInOutError&) {
        // The INI object flushes pending writes when it goes; the copy is then discarded.
        QFile::remove(tempName);
        throw EInOutError(UnableToWrite(fileName));
    } catch (...) {
        QFile::remove(tempName);
        throw;
    }
    if (info.exists())
        QFile::setPermissions(tempName, QFile::permissions(target));
    if (std::rename(QFile::encodeName(tempName).constData(), QFile::encodeName(target).constData()) != 0) {
        QFile::remove(tempName);
        throw EInOutError(UnableToWrite(fileName));
    }
}

void TConvertSession::LoadFromFile(const QString& fileName)
{
    if (!QFileInfo::exists(fileName))
        throw EInOutError(QStringLiteral("Cannot open file \"%1\". No such file or directory").arg(fileName));
    SetFileName(fileName);
    // Read-only: a damaged file fails here and stays exactly as it was.
    const TMyIniFile ini(fileName);
    const QString section = EffectiveSection();
    for (const auto& option : FOptions) {
        option->LoadFromIni(ini, section);
        option->Refresh();
    }
    if (FConvertType->ConvertType().isEmpty()) {
        const QString suffix = QFileInfo(fileName).suffix();
        FConvertType->SetConvertType(FFactory.GetConvertTypeOfExtension(QLatin1Char('.') + suffix));
    }
    RecentList().Add(fileName);
}

bool TConvertSession::IsEqual(const TConvertSession& other) const
{
    if (FOptions.size() != other.FOptions.size())
        return false;
    for (size_t i = 0; i < FOptions.size(); ++i)
        if (!FOptions[i]->IsEqual(*other.FOptions[i]))
            return false;
    return true;
}

bool TConvertSession::IsEmpty() const
{
    if (!FileName().isEmpty())
        return false;
    return FDestSet->GetDescription().isEmpty() || GetItemCount() == 0;
}

std::unique_ptr<TConvertSession> TConvertSession::CreateEmptyLike() const
{
    return FFactory.NewSession(*TConvertTypeOptions::CreateCopy(*FConvertType));
}

bool TConvertSession::IsChanged() const
{
    if (FileName().isEmpty())
        return true;
    std::unique_ptr<TConvertSession> saved = CreateEmptyLike();
    saved->LoadFromFile(FileName());
    return !IsEqual(*saved);
}

QString TConvertSession::GetNameOrDescription() const
{
    return FileName().isEmpty() ? GetDescription() : FileName();
}

QString TConvertSession::GetDescription() const
{
    return QStringLiteral("From : ") + FSourceSet->GetDescription() + QStringLiteral("\r\nTo : ")
        + FDestSet->GetDescription();
}

int TConvertSession::GetItemCount() const
{
    return FItemMap->GetItemCount();
}

void TConvertSession::ConfigOne(int index)
{
    FItemMap->SelectItem(index);
    TLogger& log = TLog::Global();
    for (const auto& option : FOptions)
        log.Debug(option->GetDescription());

    TSourceOptions& source = FSourceSet->SourceOptions();
    FConvertItem->MultiItem = GetItemCount() > 1;
    FConvertItem->SourceOptions = &source;
    FConvertItem->DestOptions = &FDestSet->DestOptions();
    FConvertItem->RowsSelectOptions = FRowsSelect;
    FConvertItem->MiscOptions = FMisc;

    if (auto* fileSource = dynamic_cast<TFileSourceOptions*>(&source))
        if (!FMisc->LogFile().isEmpty() && FMisc->LogFile() == fileSource->GetDisplayName())
            throw Exception(QStringLiteral("Log File can not set to Source Data File."));
}

bool TConvertSession::ShouldConvertItem() const
{
    return FConvertItem->ShouldConvertItem();
}

void TConvertSession::AfterConvertOne(int index)
{
    FItemMap->AfterItem(index);
}

QString TConvertSession::GetSourceShortName() const
{
    return FSourceSet->SourceOptions().GetShortName();
}

QString TConvertSession::GetDestName() const
{
    return FDestSet->DestOptions().GetDestName();
}
