#include "UAmbertide.h"

#include <memory>

namespace {
std::unique_ptr<TAmbertide>& Owned()
{
    static std::unique_ptr<TAmbertide> app;
    return app;
}

TAmbertide::TInteractiveRoad& Road()
{
    static TAmbertide::TInteractiveRoad road;
    return road;
}
}  // namespace

TAmbertide* TAmbertide::Instance()
{
    if (!AppObject())
        Owned() = std::make_unique<TAmbertide>();
    return dynamic_cast<TAmbertide*>(TApp::Instance());
}

void TAmbertide::FreeInstance()
{
    Owned().reset();
}

void TAmbertide::RunInteractive()
{
    if (Road())
        Road()();
}

void TAmbertide::SetInteractiveRoad(TInteractiveRoad road)
{
    Road() = std::move(road);
}
