#include "UFolderChoiceOptions.h"

#include "UFileSourceOptions.h"
#include "ULog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
const QString KeyDataFolder = QStringLiteral("DataFolder");
const QString KeyRecursive = QStringLiteral("Recursive");
const QString KeyFilter = QStringLiteral("Filter");
const QString KeyExt = QStringLiteral("Ext");
const QString KeyMoveFiles = QStringLiteral("MoveFiles");
const QString KeyMoveToFolder = QStringLiteral("MoveToFolder");

QString WithoutLeadingSeparators(QString name)
{
    while (name.startsWith(QLatin1Char('/')))
        name.remove(0, 1);
    return name;
}
}  // namespace

void TFolderChoiceOptions::SaveToIni(TMyIniFile& ini, const QString& section)
{
    ini.WriteString(section, KeyDataFolder, FDataFolder);
    WriteSessionBool(ini, section, KeyRecursive, FRecursive);
    ini.WriteString(section, KeyFilter, FFilter);
    WriteSessionBool(ini, section, KeyMoveFiles, FMoveFiles);
    ini.WriteString(section, KeyMoveToFolder, FMoveToFolder);
}

void TFolderChoiceOptions::LoadFromIni(const TMyIniFile& ini, const QString& section)
{
    FDataFolder = ReadSessionString(ini, section, KeyDataFolder);
    FRecursive = ReadSessionBool(ini, section, KeyRecursive, false);
    FFilter = ReadSessionString(ini, section, KeyFilter);
    if (FFilter.isEmpty())
        FFilter = FilterOfLegacyExt(ReadSessionString(ini, section, KeyExt));
    FMoveFiles = ReadSessionBool(ini, section, KeyMoveFiles, false);
    FMoveToFolder = ReadSessionString(ini, section, KeyMoveToFolder);
    Refresh();
}

QString TFolderChoiceOptions::FilterOfLegacyExt(const QString& ext)
{
    if (ext.isEmpty() || ext == QLatin1String("all"))
        return QStringLiteral("*.*");
    return QStringLiteral("*.") + ext;
}

bool TFolderChoiceOptions::IsEqual(const TDataConvertModel& other) const
{
    auto* o = dynamic_cast<const TFolderChoiceOptions*>(&other);
    return o && FDataFolder == o->FDataFolder && FFilter == o->FFilter && FRecursive == o->FRecursive;
}

void TFolderChoiceOptions::Refresh()
{
    FScanner.ScanFolder(FolderPrefix(), FFilter, FRecursive);
    FItemNames.clear();
    for (const QString& path : FScanner.Files())
        FItemNames.append(RelativeName(path));
}

QString TFolderChoiceOptions::FolderPrefix() const
{
    if (FDataFolder.isEmpty() || FDataFolder.endsWith(QLatin1Char('/')))
        return FDataFolder;
    return FDataFolder + QLatin1Char('/');
}

QString TFolderChoiceOptions::RelativeName(const QString& path) const
{
    // The folder must match up to a separator: "/data/in" is not the folder
    // of "/data/input/a.json".
    const QString prefix = FolderPrefix();
    if (prefix.isEmpty() || !path.startsWith(prefix))
        return path;
    return WithoutLeadingSeparators(path.mid(prefix.size()));
}

QString TFolderChoiceOptions::FullPath(const QString& itemName) const
{
    const QString prefix = FolderPrefix();
    if (prefix.isEmpty() || itemName.startsWith(prefix))
        return itemName;
    return prefix + WithoutLeadingSeparators(itemName);
}

void TFolderChoiceOptions::ConfigureItem(TSourceOptions& options, int index)
{
    if (auto* file = dynamic_cast<TFileSourceOptions*>(&options)) {
        file->SetFileNameAsColumn(FFileNameAsColumn);
        file->SetFileNameWithoutExt(FFileNameWithoutExt);
    }
    options.SetSourceName(FullPath(ItemName(index)));
}

int TFolderChoiceOptions::IndexOfItemName(const QString& name) const
{
    for (int i = 0; i < FItemNames.size(); ++i)
        if (FItemNames[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QString TFolderChoiceOptions::ItemTableName(int index) const
{
    const QString name = ItemName(index);
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    const int slash = name.lastIndexOf(QLatin1Char('/'));
    return dot > slash ? name.left(dot) : name;
}

void TFolderChoiceOptions::MoveConvertedFiles(const QStringList& files) const
{
    // Without a move-to folder a move would land in the working folder.
    if (!FMoveFiles || FMoveToFolder.trimmed().isEmpty())
        return;
    const QString folder = FMoveToFolder.endsWith(QLatin1Char('/')) ? FMoveToFolder : FMoveToFolder + QLatin1Char('/');
    for (const QString& file : files) {
        const QString source = FullPath(file);
        const QString target = folder + QFileInfo(source).fileName();
        TLog::Global().Debug(QStringLiteral("Move file ") + source + QStringLiteral(" to ") + target);
        QFile::rename(source, target);  // a failed move is ignored; the file stays
    }
}
