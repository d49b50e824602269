#include "UDBLogon.h"

#include "UDBHelper.h"
#include "UDBTypeNames.h"
#include "UException.h"
#include "ULog.h"
#include "ULogonFormIntf.h"
#include "UMyIniFile.h"
#include "URttiUtil.h"
#include "UUniConnection.h"
#include "UUniQuery.h"

namespace {

TDBLogon::TMessageHandler& MessageHandler()
{
    static TDBLogon::TMessageHandler handler;
    return handler;
}

void ShowMessage(const QString& message)
{
    TLog::Global().Error(message);
    if (MessageHandler())
        MessageHandler()(message);
}

}  // namespace

void TDBLogon::SetMessageHandler(TMessageHandler handler)
{
    MessageHandler() = std::move(handler);
}

TDBLogon::TDBLogon(const QString& dbType) : FDBType(NormalizeDBType(dbType))
{
    FProvider = TRttiUtil::CreateObject(DBProviderClassName(FDBType));
    FConnection = std::make_unique<TUniConnection>();
    FConnection->SetLoginPrompt(false);
    FConnection->SetProviderName(DBProviderName(FDBType));
    FLogonOption = CreateDBObject<TDBLogonOption>(FDBType, DBRoles::DBLogonOption);
}

TDBLogon::~TDBLogon() = default;

void TDBLogon::ConnectWith(const TDBLogonOption& option, TUniConnection& connection)
{
    // New settings replace the old logon; the engine takes them on opening.
    if (connection.Connected())
        connection.Close();
    option.ApplyToConnectionWithSSH(connection);
    option.BeforeConnect();
    connection.Open();
    option.AfterConnect();
}

void TDBLogon::Connect()
{
    ConnectWith(*FLogonOption, *FConnection);
}

bool TDBLogon::LogonWith(const QString& via)
{
    try {
        Connect();
    } catch (const std::exception& e) {
        throw Exception(QStringLiteral("Can not via ") + via + QStringLiteral(" login database ") + FConnection->Database()
                        + QStringLiteral(". ") + ExceptionMessage(e));
    }
    return FConnection->Connected();
}

bool TDBLogon::LogonFromIni(const QString& fileName, const QString& section)
{
    TMyIniFile ini(fileName);
    FLogonOption->LoadFromIni(ini, section);
    return LogonWith(QStringLiteral("ini"));
}

bool TDBLogon::LogonFromParams(const TStringList& params)
{
    FLogonOption->LoadFromParams(params);
    return LogonWith(QStringLiteral("cmd"));
}

bool TDBLogon::LogonByForm()
{
    if (!FLogonForm) {
        FLogonForm = CreateDBObject<TLogonFormIntf>(FDBType, DBRoles::LogonForm);
        FLogonForm->SetDBLogonOption(FLogonOption.get());
    }
    FLogonForm->SetConnection(FConnection.get());
    FLogonForm->SetFormUseMode(fumSingleLogon);
    FLogonForm->ShowLogon();
    return FConnection->Connected();
}

bool TDBLogon::EnsureConnected()
{
    bool connected = false;
    const QString testSql = CreateDBObject<TDBHelper>(FDBType, DBRoles::DBHelper)->ConnectionTestSQL();
    if (!testSql.isEmpty()) {
        try {
            TUniQuery query(FConnection.get());
            query.SetSQL(testSql);
            query.Open();
            connected = true;
        } catch (const std::exception&) {
            connected = false;
        }
    } else {
        connected = FConnection->Connected();
    }
    if (!connected) {
        try {
            FConnection->Open();
        } catch (const std::exception& e) {
            ShowMessage(ExceptionMessage(e));
        }
    }
    return FConnection->Connected();
}

void TDBLogon::Disconnect()
{
    FConnection->Close();
}

QString TDBLogon::GetConnectionKey() const
{
    return FLogonOption->GetConnectionKey(*FConnection);
}

void TDBLogon::RememberLogonOf(TDBLogonOption& option, const TUniConnection& connection, const QString& role)
{
    const QString key = option.GetConnectionKey(connection);
    option.SaveToRegistry(key);
    option.WriteLastLogon(key, role);
    TLog::Global().Debug(option.GetDescription());
}

void TDBLogon::RememberLogon(const QString& role)
{
    RememberLogonOf(*FLogonOption, *FConnection, role);
}
