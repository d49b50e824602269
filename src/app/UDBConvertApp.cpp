#include "UDBConvertApp.h"

#include "UConvertSessionObjectFactory.h"
#include "UDBConvertCmdLineProcessor.h"
#include "UDBConvertObjectFactory.h"
#include "UDBGlobalStore.h"
#include "UDBLogon.h"
#include "UDBObjectFactory.h"
#include "UException.h"
#include "UUniConnection.h"

QString NormalizeDBCode(const QString& code)
{
    static const struct {
        const char* code;
        const char* type;
    } aliases[] = {{"My", "Mysql"}, {"Ora", "Oracle"}, {"PG", "Postgres"}, {"Sql", "MsSql"}, {"Mdb", "Access"}};
    for (const auto& a : aliases)
        if (code == QLatin1String(a.code))
            return QString::fromLatin1(a.type);
    return code;
}

TDBConvertApp::TDBConvertApp() = default;

TDBConvertApp::~TDBConvertApp()
{
    // The database objects go while this layer still exists.
    DoFree();
}

TDBConvertApp* TDBConvertApp::DBConvertInstance()
{
    auto* app = dynamic_cast<TDBConvertApp*>(AppObject());
    if (!app)
        throw Exception(QStringLiteral("TDBConvertApp not create."));
    return app;
}

void TDBConvertApp::InitTargetDBType()
{
    FTargetDBType = NormalizeDBCode(TargetDBCode());
}

void TDBConvertApp::InitObjects()
{
    InitSourceDBType();
    InitTargetDBType();
    if (!FSourceDBType.isEmpty())
        FSourceFactory = std::make_unique<TDBObjectFactory>(FSourceDBType);
    if (IsSameDB()) {
        FTargetFactory = FSourceFactory.get();
    } else if (!FTargetDBType.isEmpty()) {
        FOwnedTargetFactory = std::make_unique<TDBObjectFactory>(FTargetDBType);
        FTargetFactory = FOwnedTargetFactory.get();
    }
    FSourceConvertFactory = std::make_unique<TDBConvertObjectFactory>();
    FTargetConvertFactory = std::make_unique<TDBConvertObjectFactory>();
    if (FSourceFactory)
        FSourceConvertFactory->SetConnection(&FSourceFactory->Connection());
    if (FTargetFactory)
        FTargetConvertFactory->SetConnection(&FTargetFactory->Connection());
    TDBGlobalStore::SourceDBObjectFactory() = FSourceFactory.get();
    TDBGlobalStore::TargetDBObjectFactory() = FTargetFactory;
    TDBConvertGlobalStore::SourceDBConvertObjectFactory() = FSourceConvertFactory.get();
    TDBConvertGlobalStore::TargetDBConvertObjectFactory() = FTargetConvertFactory.get();
}

void TDBConvertApp::FreeObjects()
{
    TDBGlobalStore::SourceDBObjectFactory() = nullptr;
    TDBGlobalStore::TargetDBObjectFactory() = nullptr;
    TDBConvertGlobalStore::SourceDBConvertObjectFactory() = nullptr;
    TDBConvertGlobalStore::TargetDBConvertObjectFactory() = nullptr;
    FSourceConvertFactory.reset();
    FTargetConvertFactory.reset();
    FTargetFactory = nullptr;
    FOwnedTargetFactory.reset();
    FSourceFactory.reset();
}

TLogonOption* TDBConvertApp::GetSourceLogonOption() const
{
    return FSourceFactory ? &FSourceFactory->GetLogon().GetLogonOption() : nullptr;
}

TLogonOption* TDBConvertApp::GetTargetLogonOption() const
{
    return FTargetFactory ? &FTargetFactory->GetLogon().GetLogonOption() : nullptr;
}

bool TDBConvertApp::RunCommandLine()
{
    TDBConvertCmdLineProcessor processor;
    processor.SetSessionObjectFactory(SessionObjectFactory());
    processor.SetSourceDBObjectFactory(FSourceFactory.get());
    processor.SetTargetDBObjectFactory(FTargetFactory);
    processor.SetSourceDBConvertObjectFactory(FSourceConvertFactory.get());
    processor.SetTargetDBConvertObjectFactory(FTargetConvertFactory.get());
    const bool result = processor.Run(CommandLine());
    SetExitCode(static_cast<int>(processor.Outcome()));
    return result;
}

QString TDBConvertApp::Description(const TDBObjectFactory* factory)
{
    if (!factory || !factory->Connection().Connected())
        return QString();
    return QStringLiteral("DB Type: ") + factory->GetDBType() + QStringLiteral("\r\nVersion: ")
        + factory->Connection().ServerVersion();
}

QString TDBConvertApp::GetSourceDBDescription() const
{
    return Description(FSourceFactory.get());
}

QString TDBConvertApp::GetTargetDBDescription() const
{
    return Description(FTargetFactory);
}

QString TDBConvertApp::GetSystemInfo() const
{
    QString info = TConvertApp::GetSystemInfo();
    if (FSourceFactory && FSourceFactory->Connection().Connected())
        info += QStringLiteral("\r\nSource DB Version: ") + FSourceFactory->Connection().ServerVersion();
    if (FTargetFactory && FTargetFactory->Connection().Connected())
        info += QStringLiteral("\r\nDest DB Version: ") + FTargetFactory->Connection().ServerVersion();
    return info;
}
