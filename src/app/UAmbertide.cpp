#include "UAmbertide.h"

#include "UAccessDBClassInit.h"
#include "UDBGlobalStore.h"
#include "UDBOutClasses.h"
#include "UDestOptionsClassInit.h"
#include "UEngineClassInit.h"
#include "USourceOptionsClassInit.h"
#include "UTableDestOptions.h"
#include "UStartup.h"
#include "UTableCreatorClasses.h"
#include "UValueParseClassInit.h"

#include <memory>

namespace {
std::unique_ptr<TAmbertide>& Owned()
{
    static std::unique_ptr<TAmbertide> app;
    return app;
}
}  // namespace

TAmbertide* TAmbertide::Instance()
{
    if (!AppObject()) {
        auto app = std::make_unique<TAmbertide>();
        app->Initialize();
        Owned() = std::move(app);
    }
    return dynamic_cast<TAmbertide*>(TApp::Instance());
}

void TAmbertide::FreeInstance()
{
    Owned().reset();
}

void TAmbertide::AddStartupRegistrations()
{
    AddStartupStep(RegisterValueParseClasses);
    AddStartupStep(RegisterDBConnClasses);
    AddStartupStep(RegisterTableCreatorClasses);
    AddStartupStep(RegisterDBOutClasses);
    AddStartupStep(RegisterSourceOptionsClasses);
    AddStartupStep(RegisterDestOptionsClasses);
    AddStartupStep(RegisterEngineClasses);
    // The table destination reaches the target database through the global stores.
    AddStartupStep([] {
        TTableDestOptions::SetTargetProvider([] {
            return TTableDestTarget{TDBGlobalStore::TargetDBObjectFactory(),
                                    TDBConvertGlobalStore::TargetDBConvertObjectFactory()};
        });
    });
}
