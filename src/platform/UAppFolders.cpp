#include "UAppFolders.h"

#include "UException.h"

#include <QDir>
#include <QStandardPaths>

namespace {

QString EnsureFolder(const QString& path)
{
    const QString folder = IncludeTrailingPathDelimiter(path);
    if (!QDir().mkpath(folder))
        throw Exception(QStringLiteral("Cannot create \"%1\"").arg(folder));
    return folder;
}

}  // namespace

QString IncludeTrailingPathDelimiter(const QString& path)
{
    return path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/');
}

QString GetAppDataFolder(const QString& folderName)
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return EnsureFolder(IncludeTrailingPathDelimiter(base) + folderName);
}

QString GetAmbertideDataFolder()
{
    return GetAppDataFolder(QStringLiteral("Ambertide"));
}

QString GetDocumentsFolder()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return EnsureFolder(IncludeTrailingPathDelimiter(base) + QStringLiteral("Ambertide"));
}
