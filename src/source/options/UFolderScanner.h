#pragma once
// Lists the files of a folder that match a mask such as "*.json", optionally
// with its subfolders, depth first after the folder's own files.

#include <QString>
#include <QStringList>

class TFolderScanner {
public:
    // Clears the previous results first. A missing folder gives no files.
    void ScanFolder(const QString& folder, const QString& mask, bool recursive);

    // The folder as scanned, always ending with "/".
    const QString& Folder() const { return FFolder; }
    const QString& Mask() const { return FMask; }
    bool Recursive() const { return FRecursive; }
    int FileCount() const { return FFileCount; }
    // The first found file holding at least one byte; empty when there is none.
    const QString& FirstFile() const { return FFirstFile; }
    // Full paths in scan order.
    const QStringList& Files() const { return FFiles; }

    // The extension a mask asks for, point included: "*.json" gives ".json",
    // "*.*" (or a mask without extension such as "*") gives ".*", meaning any.
    static QString MaskExtension(const QString& mask);

private:
    void ScanOne(const QString& folder, const QString& extension);

    QString FFolder;
    QString FMask;
    bool FRecursive = false;
    int FFileCount = 0;
    QString FFirstFile;
    QStringList FFiles;
};
