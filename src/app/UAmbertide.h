#pragma once
// The product's leaf application class. Instance creates the one object on
// first call. The interactive road runs the main window that the user
// interface installs, so this layer never needs a display.

#include "UApp.h"

#include <functional>

class TAmbertide : public TApp {
    AMBERTIDE_CLASS(TAmbertide)
public:
    static TAmbertide* Instance();
    // Frees the object created by Instance.
    static void FreeInstance();

    void RunInteractive() override;

    using TInteractiveRoad = std::function<void()>;
    static void SetInteractiveRoad(TInteractiveRoad road);
};
