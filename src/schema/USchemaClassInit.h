#pragma once
// Registers the schema classes that are created by database type and role
// ("UAccessDBHelper.TAccessDBHelper", "UAccessDBDictionary.TAccessDBDictionary").
// Idempotent.

void RegisterSchemaClasses();
