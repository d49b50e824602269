#include "UFolderScanner.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString AnyExtension = QStringLiteral(".*");

QString WithTrailingSlash(const QString& folder)
{
    if (folder.isEmpty() || folder.endsWith(QLatin1Char('/')))
        return folder;
    return folder + QLatin1Char('/');
}

// The file's extension as the mask test sees it: from the last point of the
// name, point included; empty when the name has none.
QString FileExtension(const QString& fileName)
{
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : fileName.mid(dot);
}

}  // namespace

QString TFolderScanner::MaskExtension(const QString& mask)
{
    const int dot = mask.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return mask.trimmed() == QLatin1String("*") ? AnyExtension : QString();
    return mask.mid(dot);
}

void TFolderScanner::ScanFolder(const QString& folder, const QString& mask, bool recursive)
{
    FFolder = WithTrailingSlash(folder);
    FMask = mask;
    FRecursive = recursive;
    FFileCount = 0;
    FFirstFile.clear();
    FFiles.clear();
    if (FFolder.isEmpty())
        return;
    ScanOne(FFolder, MaskExtension(mask));
}

void TFolderScanner::ScanOne(const QString& folder, const QString& extension)
{
    QDir dir(folder);
    // The name filter matches without letter case, as the original file
    // system did; the extension test below is the exact one. Names are sorted
    // so that a scan gives the same order on every file system.
    const QDir::SortFlags order = QDir::Name | QDir::IgnoreCase;
    // "*.*" also means names without a point, as it always did.
    const QString filter = FMask.trimmed() == QLatin1String("*.*") ? QStringLiteral("*") : FMask;
    const QFileInfoList files = dir.entryInfoList(QStringList{filter}, QDir::Files | QDir::Hidden, order);
    for (const QFileInfo& file : files) {
        const QString name = file.fileName();
        if (name.contains(QLatin1String("DS_Store")))
            continue;
        if (extension != AnyExtension && FileExtension(name) != extension)
            continue;
        ++FFileCount;
        const QString path = WithTrailingSlash(folder) + name;
        FFiles.append(path);
        if (FFirstFile.isEmpty() && file.size() > 0)
            FFirstFile = path;
    }
    if (!FRecursive)
        return;
    // Linked folders are not followed: a link back up the tree would never end.
    const QFileInfoList subfolders =
        dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::NoSymLinks, order);
    for (const QFileInfo& sub : subfolders)
        ScanOne(WithTrailingSlash(folder) + sub.fileName(), extension);
}
