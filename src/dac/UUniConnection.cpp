#include "UUniConnection.h"

#include "UAccessDatabase.h"
#include "UAccessEngine.h"
#include "ULog.h"
#include "UException.h"
#include "UUniParam.h"

namespace {
constexpr int KDefaultLockTimeoutMs = 5000;
}

TUniConnection::TUniConnection() = default;

TUniConnection::~TUniConnection()
{
    Close();
}

bool TUniConnection::UseUnicode() const
{
    return StrToBoolDef(SpecificOption(QStringLiteral("UseUnicode")), false);
}

void TUniConnection::Open()
{
    if (FEngine)
        return;
    if (FProviderName.compare(QLatin1String("Access"), Qt::CaseInsensitive) != 0)
        throw Exception(QStringLiteral("Provider \"%1\" is not supported; the one provider is \"Access\".").arg(FProviderName));
    TAccessOpenOptions options;
    bool ok = false;
    options.LockTimeoutMs = SpecificOption(QStringLiteral("LockTimeout")).toInt(&ok);
    if (!ok || options.LockTimeoutMs < 0)
        options.LockTimeoutMs = KDefaultLockTimeoutMs;
    options.FullSync = SpecificOption(QStringLiteral("Synchronous")).compare(QLatin1String("Full"), Qt::CaseInsensitive) == 0;
    // The password never reaches the log; only whether one was given.
    TLog::Global().Debug(QStringLiteral("TUniConnection.Open: %1, user \"%2\", password %3")
                             .arg(FDatabase, FUsername, FPassword.isEmpty() ? QStringLiteral("empty") : QStringLiteral("set")));
    FEngine = std::make_unique<TAccessDatabase>(FDatabase, FPassword, options);
}

void TUniConnection::Close()
{
    FEngine.reset();
}

bool TUniConnection::Connected() const
{
    return FEngine != nullptr;
}

QString TUniConnection::ServerVersion() const
{
    if (!FEngine)
        throw Exception(QStringLiteral("The connection is closed."));
    return AccessEngine::EngineVersion();
}

QString TUniConnection::ClientVersion() const
{
    return AccessEngine::EngineVersion();
}

namespace {
TAccessDatabase& Need(const std::unique_ptr<TAccessDatabase>& engine)
{
    if (!engine)
        throw Exception(QStringLiteral("The connection is closed."));
    return *engine;
}
}  // namespace

void TUniConnection::StartTransaction()
{
    Need(FEngine).Begin();
}

void TUniConnection::Commit()
{
    Need(FEngine).Commit();
}

void TUniConnection::Rollback()
{
    Need(FEngine).Rollback();
}

bool TUniConnection::InTransaction() const
{
    return FEngine && FEngine->InTransaction();
}

int TUniConnection::ExecSQL(const QString& sql)
{
    TAccessStatement statement(Need(FEngine), sql);
    TUniParams none;
    statement.Execute(none);
    return statement.Changes();
}
