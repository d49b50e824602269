#include "UDBTypeNames.h"

QString NormalizeDBType(const QString& dbType)
{
    struct TAlias { const char* part; const char* type; };
    static const TAlias Aliases[] = {
        {"postgres", "Postgres"}, {"sql server", "MsSql"}, {"mysql", "Mysql"},
        {"sqlite", "Sqlite"},     {"dbf", "DBF"},
    };
    for (const TAlias& alias : Aliases)
        if (dbType.contains(QLatin1String(alias.part), Qt::CaseInsensitive))
            return QLatin1String(alias.type);
    return dbType;
}

QString DBProviderName(const QString& normalizedType)
{
    if (normalizedType == QLatin1String("MsSql"))
        return QStringLiteral("SQL Server");
    if (normalizedType == QLatin1String("Mysql"))
        return QStringLiteral("MySQL");
    if (normalizedType == QLatin1String("Postgres"))
        return QStringLiteral("PostgreSQL");
    if (normalizedType == QLatin1String("Sqlite"))
        return QStringLiteral("SQLite");
    return normalizedType;
}

QString DBClassName(const QString& dbType, const QString& role)
{
    const QString name = NormalizeDBType(dbType) + role;
    return QLatin1Char('U') + name + QStringLiteral(".T") + name;
}

QString DBProviderClassName(const QString& dbType)
{
    const QString type = NormalizeDBType(dbType);
    QString part = type;
    if (type == QLatin1String("Postgres"))
        part = QStringLiteral("PostgreSQL");
    else if (type == QLatin1String("Mysql"))
        part = QStringLiteral("MySQL");
    else if (type == QLatin1String("MsSql"))
        part = QStringLiteral("SQLServer");
    else if (type == QLatin1String("Sqlite"))
        part = QStringLiteral("SQLite");
    return part + QStringLiteral("UniProvider.T") + part + QStringLiteral("UniProvider");
}

QString ComposeConnectionText(const QString& username, const QString& server, int port, const QString& database)
{
    QString text;
    if (!username.isEmpty())
        text += username + QLatin1Char('@');
    if (!server.isEmpty())
        text += server + QLatin1Char(':');
    if (port > 0)
        text += QString::number(port) + QLatin1Char(':');
    text += database;
    if (text.endsWith(QLatin1Char(':')))
        text.chop(1);
    return text;
}
