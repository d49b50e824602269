#pragma once
// The JSON-to-database family: JSON session parts, no source database, and
// the main window on the interactive road (installed by the user interface,
// so this layer never needs a display).

#include "UDBConvertApp.h"

#include <functional>

class TMarrowick : public TDBConvertApp {
    AMBERTIDE_CLASS(TMarrowick)
public:
    void RunInteractive() override;
    void CreateSessionObjectFactory() override;
    void InitSourceDBType() override { FSourceDBType.clear(); }

    using TInteractiveRoad = std::function<void()>;
    static void SetInteractiveRoad(TInteractiveRoad road);
};
