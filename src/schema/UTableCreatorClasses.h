#pragma once
// Registers the table creators by their unit-qualified names
// ("UAccessTableCreator.TAccessTableCreator"). Idempotent.

void RegisterTableCreatorClasses();
