#pragma once
// The user's folders: the program's data folder (the roaming application data
// of the original design) and its documents folder. Both end with "/".

#include <QString>

// The folder name under the user's data folder (~/.local/share), created when
// missing; raises "Cannot create " + the quoted path when that fails.
QString GetAppDataFolder(const QString& folderName);
// The program's own data folder, "Ambertide".
QString GetAmbertideDataFolder();
// ~/Documents/Ambertide/, created when missing.
QString GetDocumentsFolder();
// Adds a trailing "/" when missing.
QString IncludeTrailingPathDelimiter(const QString& path);
