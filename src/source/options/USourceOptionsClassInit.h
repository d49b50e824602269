#pragma once
// Registers the source option classes for creation by unit-qualified name
// ("UJsonSourceOptions.TJsonSourceOptions"). Idempotent.

void RegisterSourceOptionsClasses();
