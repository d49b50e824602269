#include "ULogonOption.h"

#include "UDBLogonOption.h"
#include "UMyIniFile.h"
#include "UPasswordCipher.h"
#include "URegistry.h"

bool TLogonOption::Validate()
{
    LastMessage.clear();
    return true;
}

QString TLogonOption::LogonKeyPath(const QString& key) const
{
    return GetRegistryKey() + QLatin1Char('\\') + TDBLogonOption::SubkeyNameOf(key);
}

void TLogonOption::LoadFromRegistry(const QString& key)
{
    TRegistry reg;
    // A logon never remembered reads as defaults; reading creates no key.
    reg.OpenKeyReadOnly(LogonKeyPath(key));
    SavePassword = reg.ReadBool(QStringLiteral("Save Password"), false);
    PasswordEncrypted = reg.ReadBool(QStringLiteral("PasswordEncrypted"), false);
    Password = reg.ReadString(QStringLiteral("Password"));
    if (PasswordEncrypted && !Password.isEmpty())
        Password = DecryptPassword(Password);
}

void TLogonOption::SaveToRegistry(const QString& key)
{
    TRegistry reg;
    reg.OpenKey(LogonKeyPath(key), true);
    reg.WriteBool(QStringLiteral("Save Password"), SavePassword);
    reg.WriteBool(QStringLiteral("PasswordEncrypted"), true);
    reg.WriteString(QStringLiteral("Password"),
                    SavePassword && !Password.isEmpty() ? EncryptPassword(Password) : QString());
}

void TLogonOption::LoadFromIni(const TIniFile& ini, const QString& section)
{
    SavePassword = ini.ReadBool(section, QStringLiteral("SavePassword"), false);
    PasswordEncrypted = ini.ReadBool(section, QStringLiteral("PasswordEncrypted"), false);
    Password = ini.ReadString(section, QStringLiteral("Password"), QString());
    if (PasswordEncrypted && !Password.isEmpty())
        Password = DecryptPassword(Password);
}

void TLogonOption::SaveToIni(TIniFile& ini, const QString& section) const
{
    // The session must be able to log on unattended, so the password goes
    // into it whatever the save flag says; it is always enciphered.
    ini.WriteBool(section, QStringLiteral("SavePassword"), SavePassword);
    ini.WriteBool(section, QStringLiteral("PasswordEncrypted"), true);
    ini.WriteString(section, QStringLiteral("Password"), Password.isEmpty() ? QString() : EncryptPassword(Password));
}
