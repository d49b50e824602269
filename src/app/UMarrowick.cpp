#include "UMarrowick.h"

#include "UMarrowickSessionObjectFactory.h"

namespace {
TMarrowick::TInteractiveRoad& Road()
{
    static TMarrowick::TInteractiveRoad road;
    return road;
}
}  // namespace

void TMarrowick::SetInteractiveRoad(TInteractiveRoad road)
{
    Road() = std::move(road);
}

void TMarrowick::RunInteractive()
{
    if (Road())
        Road()();
}

void TMarrowick::CreateSessionObjectFactory()
{
    FSessionObjectFactory = std::make_unique<TMarrowickSessionObjectFactory>();
}
