#pragma once
// The unit start-up steps that run before the application object exists:
// logging, the in-memory debug log, the per-user settings, then the steps the
// layers above add (caches, class registration), in the order they were added.

#include <functional>

void AddStartupStep(std::function<void()> step);
void RunUnitStartup();
void RunUnitShutdown();
