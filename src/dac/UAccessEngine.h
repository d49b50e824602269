#pragma once
// The embedded Access engine: one database is one SQLite 3 file at any path
// (".mdb" and ".accdb" alike). These are the engine's entry points for the
// layers above the connection classes.

#include <QString>
#include <QStringList>

namespace AccessEngine {

// Creates a new empty database file. A non-empty password is checked when the
// file is opened; it is stored as a salted digest, the file is not encrypted.
// Raises when the file exists already, its folder is missing or not writable.
void CreateDatabaseFile(const QString& path, const QString& password = QString());

// The engine's driver list: one name, holding "*.mdb, *.accdb".
QStringList DriverNames();

// "Access Engine " + the version of the SQLite library underneath.
QString EngineVersion();

// Whether the file starts like an SQLite 3 database (no engine session opened).
bool IsEngineFile(const QString& path);

}  // namespace AccessEngine
