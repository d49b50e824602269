#pragma once
// New empty Access database files, and whether the engine has a driver for a
// kind of file.

#include <QString>

class TAccessCreator {
public:
    QString FileName;
    QString Username;
    QString Password;

    // "Provider=Microsoft.ACE.OLEDB.12.0;" for ".accdb" in any letter case,
    // else "Provider=Microsoft.Jet.OLEDB.4.0;".
    static QString ProviderFor(const QString& fileName);
    // Provider + "Data Source=" + path, and with a password
    // ";User ID=" + username + ";Jet OLEDB:Database Password=" + password.
    QString ConnectionText() const;
    // The connection text with the password masked, for the log.
    QString LoggedConnectionText() const;
    // Raises the engine's message + "  Access file: " + path.
    void Execute() const;
};

void CreateAccessDatabase(const QString& fileName, const QString& username, const QString& password);

// True when the file's extension, with its dot and in its letter case, occurs
// in a name of the engine's driver list.
bool IsOdbcDriverInstalledFor(const QString& fileName);
