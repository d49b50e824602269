#pragma once
// Registers the destination option classes for creation by unit-qualified
// name ("UTableDestOptions.TTableDestOptions"). Idempotent.

void RegisterDestOptionsClasses();
