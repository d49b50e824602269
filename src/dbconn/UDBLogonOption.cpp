#include "UDBLogonOption.h"

#include "UDBTypeNames.h"
#include "UMyIniFile.h"
#include "URegistry.h"
#include "UStringList.h"

namespace {

const QString SlashEscape = QStringLiteral("_$slash$_");

QString BoolText(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

}  // namespace

QString TDBLogonOption::GetRegistryKey() const
{
    QString type = GetDBType();
    if (type == QLatin1String("PostgreSQL"))
        type = QStringLiteral("Postgres");
    else if (type == QLatin1String("SQL Server"))
        type = QStringLiteral("SqlServer");
    return QStringLiteral("Software\\Corvella\\") + type + QStringLiteral("List");
}

void TDBLogonOption::LoadFromRegistry(const QString& key)
{
    TLogonOption::LoadFromRegistry(key);
    TRegistry reg;
    // A logon never remembered reads as defaults; reading creates no key.
    reg.OpenKeyReadOnly(LogonKeyPath(key));
    if (reg.ValueExists(QStringLiteral("UseUnicode")))
        UseUnicode = BoolText(reg.ReadBool(QStringLiteral("UseUnicode"), false));
    else
        UseUnicode = QStringLiteral("0");
    UseSSH = reg.ReadBool(QStringLiteral("UseSSH"), false);
}

void TDBLogonOption::SaveToRegistry(const QString& key)
{
    TLogonOption::SaveToRegistry(key);
    TRegistry reg;
    reg.OpenKey(LogonKeyPath(key), true);
    reg.WriteBool(QStringLiteral("UseUnicode"), StrToBoolDef(UseUnicode, false));
    reg.WriteBool(QStringLiteral("UseSSH"), UseSSH);
}

void TDBLogonOption::LoadFromIni(const TIniFile& ini, const QString& section)
{
    TLogonOption::LoadFromIni(ini, section);
    const QString unicode = ini.ReadString(section, QStringLiteral("UseUnicode"), QStringLiteral("False"));
    bool value = false;
    UseUnicode = TryStrToBool(unicode, value) ? BoolText(value) : unicode;
    UseSSH = ini.ReadBool(section, QStringLiteral("UseSSH"), false);
}

void TDBLogonOption::SaveToIni(TIniFile& ini, const QString& section) const
{
    TLogonOption::SaveToIni(ini, section);
    ini.WriteString(section, QStringLiteral("UseUnicode"), UseUnicode);
    ini.WriteBool(section, QStringLiteral("UseSSH"), UseSSH);
    ini.WriteString(section, QStringLiteral("DBType"), GetDBType());
}

QString TDBLogonOption::GetDescription() const
{
    return QStringLiteral("DBType: %1, UseSSH: %2, UseUnicode: %3").arg(GetDBType(), BoolToStr(UseSSH), UseUnicode);
}

void TDBLogonOption::GetRememberedLogons(TStringList& keys) const
{
    keys.Clear();
    TRegistry reg;
    if (!reg.OpenKeyReadOnly(GetRegistryKey()))
        return;
    TStringList names;
    reg.GetKeyNames(names);
    for (const QString& name : names)
        if (name.compare(QLatin1String("LastTime"), Qt::CaseInsensitive) != 0)
            keys.Add(KeyOfSubkeyName(name));
}

QString TDBLogonOption::ReadLastLogon(const QString& role) const
{
    TRegistry reg;
    if (!reg.OpenKeyReadOnly(GetRegistryKey()))
        return QString();
    return reg.ReadString(QStringLiteral("Last") + role + QStringLiteral("Server"));
}

void TDBLogonOption::WriteLastLogon(const QString& key, const QString& role) const
{
    TRegistry reg;
    reg.OpenKey(GetRegistryKey(), true);
    reg.WriteString(QStringLiteral("Last") + role + QStringLiteral("Server"), key);
}

QString TDBLogonOption::SubkeyNameOf(const QString& key)
{
    QString name = key;
    return name.replace(QLatin1Char('\\'), QStringLiteral("//"));
}

QString TDBLogonOption::KeyOfSubkeyName(const QString& stored)
{
    QString key = stored;
    key.replace(SlashEscape, QStringLiteral("/"));
    return key.replace(QStringLiteral("//"), QStringLiteral("\\"));
}

QString TDBLogonOption::ComposeConnectionKey(const QString& username, const QString& server, int port,
                                             const QString& database)
{
    return ComposeConnectionText(username, server, port, database);
}
