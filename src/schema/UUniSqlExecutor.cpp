#include "UUniSqlExecutor.h"

#include "ULog.h"
#include "UUniConnection.h"
#include "UUniScript.h"

TUniSqlExecutor::TUniSqlExecutor(TUniConnection* connection)
    : FScript(std::make_unique<TUniScript>(connection)), FConnection(connection)
{
    FScript->SetOnError([this](const Exception& error, const QString&, TErrorAction&) {
        FSuccess = false;
        throw Exception(error.Message());
    });
}

TUniSqlExecutor::~TUniSqlExecutor() = default;

bool TUniSqlExecutor::ExecSql(const QString& sql)
{
    TLog::Global().Debug(sql);
    FSuccess = true;
    FScript->SetConnection(FConnection);
    FScript->SetSQL(sql);
    FScript->Execute();
    // The DBF provider sees new tables only after it reconnects.
    if (FSuccess && FConnection && FConnection->ProviderName().compare(QLatin1String("DBF"), Qt::CaseInsensitive) == 0) {
        FConnection->Close();
        FConnection->Open();
    }
    return FSuccess;
}
