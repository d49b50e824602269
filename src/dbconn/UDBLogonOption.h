#pragma once
// The logon of a database: the password part plus Unicode and SSH settings,
// the registry key forms of remembered logons and the last logon of a role.

#include "ULogonOption.h"

#include <QString>

class TStringList;

// Settings of an SSH tunnel; kept and copied with the logon, never used for Access.
struct TSSHConnectionSettings {
    QString Host;
    int Port = 22;
    QString Username;
    QString Password;
};

class TDBLogonOption : public TLogonOption {
    AMBERTIDE_CLASS(TDBLogonOption)
public:
    // "True" or "False" as the option texts are kept; the connection reads it as a boolean.
    QString UseUnicode = QStringLiteral("True");
    bool UseSSH = false;
    TSSHConnectionSettings SSHSettings;

    // "Software\Corvella\" + the type ("PostgreSQL" written "Postgres",
    // "SQL Server" written "SqlServer") + "List".
    QString GetRegistryKey() const override;
    void LoadFromRegistry(const QString& key) override;
    void SaveToRegistry(const QString& key) override;
    void LoadFromIni(const TIniFile& ini, const QString& section) override;
    void SaveToIni(TIniFile& ini, const QString& section) const override;
    // "DBType: %s, UseSSH: %s, UseUnicode: %s".
    QString GetDescription() const override;

    // The remembered logons: the subkey names of GetRegistryKey, without
    // "LastTime", turned back into connection keys.
    void GetRememberedLogons(TStringList& keys) const;
    // The value "Last" + role + "Server" of GetRegistryKey ("" when missing);
    // role is "Source", "Dest" or "" (one database factory, as in this product).
    QString ReadLastLogon(const QString& role = QString()) const;
    void WriteLastLogon(const QString& key, const QString& role = QString()) const;

    // A connection key as a registry subkey name: every "\" written "//".
    static QString SubkeyNameOf(const QString& key);
    // A stored subkey name back to its key: "_$slash$_" is "/", then "//" is "\".
    static QString KeyOfSubkeyName(const QString& stored);
    // username "@", server ":", port ":", database, each only when present,
    // without one trailing ":".
    static QString ComposeConnectionKey(const QString& username, const QString& server, int port,
                                        const QString& database);
};
