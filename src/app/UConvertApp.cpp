#include "UConvertApp.h"

#include "UBatchFileCreator.h"
#include "UConvertGlobalStore.h"
#include "UConvertSessionObjectFactory.h"
#include "UErrorReport.h"
#include "UException.h"
#include "USessionManager.h"

TConvertApp::TConvertApp() = default;

TConvertApp::~TConvertApp()
{
    DoFree();
}

void TConvertApp::DoFree()
{
    // Destruction order of the original: the factory, the database objects,
    // the session manager, the batch-file creator; the stores go with them.
    if (FFreed)
        return;
    FFreed = true;
    TConvertGlobalStore::SessionObjectFactory() = nullptr;
    TConvertGlobalStore::UseFixedDateTimeText() = false;
    FSessionObjectFactory.reset();
    FreeObjects();
    FSessionManager.reset();
    FBatchFileCreator.reset();
}

TConvertApp* TConvertApp::ConvertInstance()
{
    auto* app = dynamic_cast<TConvertApp*>(AppObject());
    if (!app)
        throw Exception(QStringLiteral("TConvertApp not create."));
    return app;
}

void TConvertApp::Initialize()
{
    try {
        CreateSessionObjectFactory();
        InitObjects();
        TConvertGlobalStore::SessionObjectFactory() = FSessionObjectFactory.get();
        TConvertGlobalStore::UseFixedDateTimeText() = UseFixedDateTimeText();
        FBatchFileCreator = std::make_unique<TLogonBatchFileCreator>();
        FBatchFileCreator->SourceLogonOption = GetSourceLogonOption();
        FBatchFileCreator->TargetLogonOption = GetTargetLogonOption();
        FSessionManager = std::make_unique<TSessionManager>();
        TLogonBatchFileCreator* creator = FBatchFileCreator.get();
        FSessionManager->SetBatchFileDialog([creator](const QString& sessionFile) { creator->CreateDialog(sessionFile); });
    } catch (const EAbort&) {
        throw;
    } catch (const std::exception& e) {
        ShowErrorReport(ExceptionMessage(e));
        throw EAbort();
    }
}
