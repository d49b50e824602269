#include "UFileSourceOptions.h"

#include "UApp.h"
#include "UException.h"
#include "ULog.h"

#include <QFileInfo>

namespace {
const QString KeySourceFile = QStringLiteral("SourceFile");
const QString KeySourceUrl = QStringLiteral("SourceUrl");
const QString KeyDataFile = QStringLiteral("DataFile");
const QString DownloadPrefix = QStringLiteral("Download exception: ");
}  // namespace

TFileSourceOptions::TFileSourceOptions() = default;
TFileSourceOptions::~TFileSourceOptions() = default;

void TFileSourceOptions::SaveToIni(TMyIniFile& ini, const QString& section)
{
    TSourceOptions::SaveToIni(ini, section);
    ini.WriteString(section, KeySourceFile, FSourceFile);
    ini.WriteString(section, KeySourceUrl, FSourceUrl);
}

void TFileSourceOptions::LoadFromIni(const TMyIniFile& ini, const QString& section)
{
    TSourceOptions::LoadFromIni(ini, section);
    SetFileName(ReadSessionStringOrLegacy(ini, section, KeySourceFile, KeyDataFile));
    FSourceUrl = ReadSessionString(ini, section, KeySourceUrl);
    if (!FSourceUrl.isEmpty() && (!IsInteractive() || !QFileInfo::exists(FSourceFile)))
        Download();
}

void TFileSourceOptions::Download()
{
    TLogger& log = TLog::CmdLine();
    log.Info(QStringLiteral("Start download"));
    log.Info(QStringLiteral("From ") + FSourceUrl);
    log.Info(QStringLiteral("To ") + FSourceFile);
    try {
        DownloadSource(FSourceUrl, FSourceFile);
    } catch (const std::exception& e) {
        const QString message = ExceptionMessage(e);
        throw Exception(message.startsWith(DownloadPrefix) ? message : DownloadPrefix + message);
    }
    log.Info(QStringLiteral("End download"));
}

void TFileSourceOptions::DownloadSource(const QString& url, const QString& fileName)
{
    throw Exception(QStringLiteral("No downloader for ") + url);
}

bool TFileSourceOptions::IsEqual(const TDataConvertModel& other) const
{
    auto* o = dynamic_cast<const TFileSourceOptions*>(&other);
    if (!o)
        return false;
    if (SetType() == SourceSetTypes::OneToOne) {
        if (!FSourceUrl.isEmpty()) {
            if (FSourceUrl != o->FSourceUrl)
                return false;
        } else if (FSourceFile != o->FSourceFile) {
            return false;
        }
    }
    return TSourceOptions::IsEqual(other);
}

void TFileSourceOptions::BuildStructure()
{
    SelectAll();
    SetStructFieldNames(ColumnNames());
    SetStructSampleRows(SampleRows());
}

QString TFileSourceOptions::GetDisplayName() const
{
    return FSourceUrl.isEmpty() ? FSourceFile : FSourceUrl;
}

QString TFileSourceOptions::GetShortName() const
{
    return QFileInfo(FSourceFile).fileName();
}

void TFileSourceOptions::SetSourceName(const QString& name)
{
    SetFileName(name);
}

void TFileSourceOptions::SetFileName(const QString& fileName)
{
    FSourceFile = fileName;
    const QString name = SourceNameOfFile(fileName);
    SetSourceNameOnly(name);
    SetItemName(name);
}

void TFileSourceOptions::SetProperty(const QString& name, const QString& value)
{
    if (name.toLower() == QLatin1String("url"))
        FSourceUrl = value;
}

QString TFileSourceOptions::GetProperty(const QString& name) const
{
    const QString lower = name.toLower();
    if (lower == QLatin1String("url"))
        return FSourceUrl;
    if (lower == QLatin1String("datafile"))
        return FSourceFile;
    return QString();
}
