#pragma once
// The part of a logon that every kind of logon has: the password and how it is kept.

#include "UObject.h"

#include <QString>

class TIniFile;
class TRegistry;
class TStringList;
class TUniConnection;

class TLogonOption : public TObject {
    AMBERTIDE_CLASS(TLogonOption)
public:
    QString Password;
    bool SavePassword = false;
    bool PasswordEncrypted = false;
    // The message of the last failed Validate.
    QString LastMessage;

    // Slot 1: the registry key under which logons of this kind are remembered.
    virtual QString GetRegistryKey() const = 0;
    // Slot 2: false with LastMessage set when the option cannot be used.
    virtual bool Validate();
    // Slots 3, 4: the logon remembered under connection key K.
    virtual void LoadFromRegistry(const QString& key);
    virtual void SaveToRegistry(const QString& key);
    // Slots 5, 6: a logon section of a session file.
    virtual void LoadFromIni(const TIniFile& ini, const QString& section);
    virtual void SaveToIni(TIniFile& ini, const QString& section) const;
    // Slot 7.
    virtual QString GetDBType() const = 0;
    // Slot 8: name=value parameters of the command line.
    virtual void LoadFromParams(const TStringList& params) {}
    // Slot 9: the parameters of a batch file.
    virtual QString GetParamsText() const { return QString(); }
    // Slot 10: one line for the debug log; never holds the password.
    virtual QString GetDescription() const { return QString(); }
    // Slots 11, 12.
    virtual void ReadFromConnection(const TUniConnection& connection) {}
    virtual void ApplyToConnection(TUniConnection& connection) const {}
    // Slot 13.
    virtual QString GetDBTypeName() const { return GetDBType(); }
    // Slots 14, 15.
    virtual void ReadFromConnectionWithSSH(const TUniConnection& connection) { ReadFromConnection(connection); }
    virtual void ApplyToConnectionWithSSH(TUniConnection& connection) const { ApplyToConnection(connection); }
    // Slot 16: runs before the connection opens. Slot 17: after it opened.
    virtual void BeforeConnect() const {}
    virtual void AfterConnect() const {}
    // Slot 18: the name under which the logon is remembered.
    virtual QString GetConnectionKey(const TUniConnection& connection) const = 0;

protected:
    // The registry path of the logon remembered under K.
    QString LogonKeyPath(const QString& key) const;
};
