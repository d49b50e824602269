#include "UAccessEngine.h"

#include "UAccessDatabase.h"
#include "ULog.h"

#include <QFile>
#include <sqlite3.h>

namespace AccessEngine {

void CreateDatabaseFile(const QString& path, const QString& password)
{
    TLog::Global().Debug(QStringLiteral("AccessEngine.CreateDatabaseFile: %1, password %2")
                             .arg(path, password.isEmpty() ? QStringLiteral("empty") : QStringLiteral("set")));
    TAccessDatabase::CreateFile(path, password);
}

QStringList DriverNames()
{
    return {QStringLiteral("Access Engine Driver (*.mdb, *.accdb)")};
}

QString EngineVersion()
{
    return QStringLiteral("Access Engine ") + QString::fromLatin1(sqlite3_libversion());
}

bool IsEngineFile(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    return f.read(16) == QByteArray("SQLite format 3\0", 16);
}

}  // namespace AccessEngine
