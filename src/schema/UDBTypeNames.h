#pragma once
// Database type names and the names of the classes that depend on the type.
// A class for type T and role R is registered as "U" + T + R + "." + "T" + T + R
// ("UAccessDBHelper.TAccessDBHelper") and created by that name.

#include "URttiUtil.h"

#include <QString>
#include <memory>

// "postgres" -> "Postgres", "sql server" -> "MsSql", "mysql" -> "Mysql",
// "sqlite" -> "Sqlite", "dbf" -> "DBF" (containment, any letter case, in this
// order); any other name is kept ("Access" stays "Access").
QString NormalizeDBType(const QString& dbType);

// The connection's provider name for a normalised type: "MsSql" -> "SQL Server",
// "Mysql" -> "MySQL", "Postgres" -> "PostgreSQL", "Sqlite" -> "SQLite"; others kept.
QString DBProviderName(const QString& normalizedType);

// "U" + type + role + "." + "T" + type + role, for the normalised type.
QString DBClassName(const QString& dbType, const QString& role);

// The provider component's name: P + "UniProvider" + ".T" + P + "UniProvider",
// where P is "PostgreSQL", "MySQL", "SQLServer", "SQLite", "DBF" or the type itself.
QString DBProviderClassName(const QString& dbType);

// Creates the class of a type and role by name; raises the class registry's
// "Can not find class type: " and "Cast Error: " errors.
template <class T>
std::unique_ptr<T> CreateDBObject(const QString& dbType, const QString& role)
{
    return TRttiUtil::CreateObjectAs<T>(DBClassName(dbType, role));
}

// The text that names a connection: username + "@", server + ":", port + ":"
// (each only when present; the port when above 0), then the database; one
// trailing ":" is dropped.
QString ComposeConnectionText(const QString& username, const QString& server, int port, const QString& database);

namespace DBRoles {
inline const QString DBDictionary = QStringLiteral("DBDictionary");
inline const QString DBHelper = QStringLiteral("DBHelper");
inline const QString LogonForm = QStringLiteral("LogonForm");
inline const QString DBLogonOption = QStringLiteral("DBLogonOption");
inline const QString TableCreator = QStringLiteral("TableCreator");
inline const QString Reader = QStringLiteral("Reader");
inline const QString Writer = QStringLiteral("Writer");
inline const QString DateFormatParser = QStringLiteral("DateFormatParser");
}  // namespace DBRoles
