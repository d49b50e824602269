#pragma once
// The logon of an Access database file: username and file path.

#include "UDBLogonOption.h"

class TAccessDBLogonOption : public TDBLogonOption {
    AMBERTIDE_CLASS(TAccessDBLogonOption)
public:
    QString Username;
    QString Database;

    // "Please choose Access file." / "File " + path + " not exists.".
    bool Validate() override;
    void LoadFromRegistry(const QString& key) override;
    void SaveToRegistry(const QString& key) override;
    void LoadFromIni(const TIniFile& ini, const QString& section) override;
    void SaveToIni(TIniFile& ini, const QString& section) const override;
    QString GetDBType() const override { return QStringLiteral("Access"); }
    // access_username/username, access_password/password, access_database/database,
    // access_unicode (lower-cased; "False" when empty).
    void LoadFromParams(const TStringList& params) override;
    // ' access_username="..." access_password="..." access_database="..." access_unicode="..."'.
    QString GetParamsText() const override;
    void ReadFromConnection(const TUniConnection& connection) override;
    // Database, Username, Password, "UseUnicode", then "DriverVersion":
    // "dvAccdb" for an ".accdb" file in any letter case, else "dvAuto".
    void ApplyToConnection(TUniConnection& connection) const override;
    // A missing file in an existing folder becomes a new empty database; a
    // missing folder raises "Directory \"<folder>\" not exists.".
    void BeforeConnect() const override;
    // The path, or username + "@" + path.
    QString GetConnectionKey(const TUniConnection& connection) const override;

    // The "DriverVersion" value for a database file.
    static QString DriverVersionFor(const QString& fileName);
};
