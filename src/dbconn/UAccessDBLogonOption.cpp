#include "UAccessDBLogonOption.h"

#include "UAccessCreator.h"
#include "UException.h"
#include "UMyIniFile.h"
#include "URegistry.h"
#include "UStringList.h"
#include "UUniConnection.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString ParamValue(const TStringList& params, const QString& name, const QString& fallbackName)
{
    const QString value = params.Values(name).trimmed();
    return value.isEmpty() ? params.Values(fallbackName).trimmed() : value;
}

QString Pair(const QString& name, const QString& value)
{
    return QLatin1Char(' ') + name + QStringLiteral("=\"") + value + QLatin1Char('"');
}

}  // namespace

bool TAccessDBLogonOption::Validate()
{
    LastMessage.clear();
    if (Database.isEmpty()) {
        LastMessage = QStringLiteral("Please choose Access file.");
        return false;
    }
    if (!QFileInfo::exists(Database)) {
        LastMessage = QStringLiteral("File ") + Database + QStringLiteral(" not exists.");
        return false;
    }
    return true;
}

void TAccessDBLogonOption::LoadFromRegistry(const QString& key)
{
    TDBLogonOption::LoadFromRegistry(key);
    TRegistry reg;
    // A logon never remembered reads as defaults; reading creates no key.
    reg.OpenKeyReadOnly(LogonKeyPath(key));
    Username = reg.ReadString(QStringLiteral("Username"));
    Database = reg.ReadString(QStringLiteral("Database"));
}

void TAccessDBLogonOption::SaveToRegistry(const QString& key)
{
    TDBLogonOption::SaveToRegistry(key);
    TRegistry reg;
    reg.OpenKey(LogonKeyPath(key), true);
    reg.WriteString(QStringLiteral("Username"), Username);
    reg.WriteString(QStringLiteral("Database"), Database);
}

void TAccessDBLogonOption::LoadFromIni(const TIniFile& ini, const QString& section)
{
    TDBLogonOption::LoadFromIni(ini, section);
    Username = ini.ReadString(section, QStringLiteral("Username"), QString());
    Database = ini.ReadString(section, QStringLiteral("Database"), QString());
}

void TAccessDBLogonOption::SaveToIni(TIniFile& ini, const QString& section) const
{
    TDBLogonOption::SaveToIni(ini, section);
    ini.WriteString(section, QStringLiteral("Username"), Username);
    ini.WriteString(section, QStringLiteral("Database"), Database);
}

void TAccessDBLogonOption::LoadFromParams(const TStringList& params)
{
    Username = ParamValue(params, QStringLiteral("access_username"), QStringLiteral("username"));
    Password = ParamValue(params, QStringLiteral("access_password"), QStringLiteral("password"));
    Database = ParamValue(params, QStringLiteral("access_database"), QStringLiteral("database"));
    UseUnicode = params.Values(QStringLiteral("access_unicode")).trimmed().toLower();
    if (UseUnicode.isEmpty())
        UseUnicode = QStringLiteral("False");
}

QString TAccessDBLogonOption::GetParamsText() const
{
    return Pair(QStringLiteral("access_username"), Username) + Pair(QStringLiteral("access_password"), Password)
        + Pair(QStringLiteral("access_database"), Database) + Pair(QStringLiteral("access_unicode"), UseUnicode);
}

QString TAccessDBLogonOption::DriverVersionFor(const QString& fileName)
{
    return QFileInfo(fileName).suffix().toLower() == QLatin1String("accdb") ? QStringLiteral("dvAccdb")
                                                                            : QStringLiteral("dvAuto");
}

void TAccessDBLogonOption::BeforeConnect() const
{
    if (Database.isEmpty() || QFileInfo::exists(Database))
        return;
    const QString folder = QFileInfo(Database).absolutePath();
    if (!QDir(folder).exists())
        throw Exception(QStringLiteral("Directory \"") + QDir::toNativeSeparators(folder) + QStringLiteral("\" not exists."));
    CreateAccessDatabase(Database, Username, Password);
}

void TAccessDBLogonOption::ReadFromConnection(const TUniConnection& connection)
{
    Username = connection.Username();
    Password = connection.Password();
    Database = connection.Database();
    UseUnicode = connection.SpecificOption(QStringLiteral("UseUnicode"));
}

void TAccessDBLogonOption::ApplyToConnection(TUniConnection& connection) const
{
    connection.SetDatabase(Database);
    connection.SetUsername(Username);
    connection.SetPassword(Password);
    connection.SetSpecificOption(QStringLiteral("UseUnicode"), UseUnicode);
    connection.SetSpecificOption(QStringLiteral("DriverVersion"), DriverVersionFor(Database));
}

QString TAccessDBLogonOption::GetConnectionKey(const TUniConnection& connection) const
{
    return ComposeConnectionKey(connection.Username(), connection.Server(), connection.Port(), connection.Database());
}
