#pragma once
// One logon per database object factory: the connection of one database type,
// its logon option, and the ways to open it (from a session file, from
// command-line parameters, through the logon window).

#include "UDBLogonOption.h"

#include <QString>
#include <functional>
#include <memory>

class TLogonFormIntf;
class TStringList;
class TUniConnection;

class TDBLogon {
public:
    // Creates the provider component, the connection (login prompt off,
    // provider name of the type) and the logon option, all by the normalised type.
    explicit TDBLogon(const QString& dbType);
    ~TDBLogon();

    const QString& DBType() const { return FDBType; }
    TUniConnection& Connection() const { return *FConnection; }
    TDBLogonOption& GetLogonOption() const { return *FLogonOption; }

    // Raises "Can not via ini login database " + database + ". " + message when
    // opening fails; the result is whether the connection is open.
    bool LogonFromIni(const QString& fileName, const QString& section);
    // Raises "Can not via cmd login database " + database + ". " + message.
    bool LogonFromParams(const TStringList& params);
    // Shows the logon window for a single logon; whether the connection is open afterwards.
    bool LogonByForm();
    // Runs the dialect's test statement, or trusts the connected flag; when not
    // connected, tries to open and shows an error to the user.
    bool EnsureConnected();
    void Disconnect();

    // The option's settings onto the connection, the option's preparation
    // (an Access file that does not exist yet is created), then open.
    void Connect();
    // After a successful logon: remember it under its connection key and as
    // the last logon of the role.
    void RememberLogon(const QString& role = QString());
    QString GetConnectionKey() const;

    // The same two steps for a logon window, which holds an option and a connection.
    static void ConnectWith(const TDBLogonOption& option, TUniConnection& connection);
    static void RememberLogonOf(TDBLogonOption& option, const TUniConnection& connection, const QString& role = QString());

    // How EnsureConnected shows an error; the user interface sets a message box.
    using TMessageHandler = std::function<void(const QString& message)>;
    static void SetMessageHandler(TMessageHandler handler);

private:
    bool LogonWith(const QString& via);

    QString FDBType;
    std::unique_ptr<TObject> FProvider;
    std::unique_ptr<TLogonFormIntf> FLogonForm;
    std::unique_ptr<TDBLogonOption> FLogonOption;
    std::unique_ptr<TUniConnection> FConnection;
};
