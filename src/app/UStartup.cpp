#include "UStartup.h"

#include "UAppSettings.h"
#include "UDebugHelper.h"

#include <vector>

namespace {
std::vector<std::function<void()>>& Steps()
{
    static std::vector<std::function<void()>> steps;
    return steps;
}
}  // namespace

void AddStartupStep(std::function<void()> step)
{
    Steps().push_back(std::move(step));
}

void RunUnitStartup()
{
    TDebugHelper::Initialize();
    LoadDBImportSettings();
    LoadDBReadSettings();
    LoadAppSettings();
    for (const auto& step : Steps())
        step();
}

void RunUnitShutdown()
{
    TDebugHelper::Finalize();
}
