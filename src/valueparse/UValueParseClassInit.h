#pragma once
// Registers the date format parsers for creation by unit-qualified name
// ("UAccessDateFormatParser.TAccessDateFormatParser"). Idempotent.

void RegisterValueParseClasses();
