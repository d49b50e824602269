#include "UAccessCreator.h"

#include "UAccessEngine.h"
#include "UException.h"
#include "ULog.h"

#include <QFileInfo>

namespace {

QString ConnectionTextWith(const TAccessCreator& creator, const QString& password)
{
    QString text = TAccessCreator::ProviderFor(creator.FileName) + QStringLiteral("Data Source=") + creator.FileName;
    if (!creator.Password.isEmpty())
        text += QStringLiteral(";User ID=") + creator.Username + QStringLiteral(";Jet OLEDB:Database Password=") + password;
    return text;
}

}  // namespace

QString TAccessCreator::ProviderFor(const QString& fileName)
{
    return QFileInfo(fileName).suffix().toLower() == QLatin1String("accdb")
        ? QStringLiteral("Provider=Microsoft.ACE.OLEDB.12.0;")
        : QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;");
}

QString TAccessCreator::ConnectionText() const
{
    return ConnectionTextWith(*this, Password);
}

QString TAccessCreator::LoggedConnectionText() const
{
    return ConnectionTextWith(*this, QStringLiteral("******"));
}

void TAccessCreator::Execute() const
{
    TLog::Global().Debug(QStringLiteral("Create Access database: ") + LoggedConnectionText());
    try {
        AccessEngine::CreateDatabaseFile(FileName, Password);
    } catch (const std::exception& e) {
        throw Exception(ExceptionMessage(e) + QStringLiteral("  Access file: ") + FileName);
    }
}

void CreateAccessDatabase(const QString& fileName, const QString& username, const QString& password)
{
    TAccessCreator creator;
    creator.FileName = fileName;
    creator.Username = username;
    creator.Password = password;
    creator.Execute();
}

bool IsOdbcDriverInstalledFor(const QString& fileName)
{
    const QString name = QFileInfo(fileName).fileName();
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return false;
    const QString extension = name.mid(dot);
    for (const QString& driver : AccessEngine::DriverNames())
        if (driver.contains(extension, Qt::CaseSensitive))
            return true;
    return false;
}
