#pragma once
// Registers the classes of the Access type that are created by name: the
// provider component, the logon option, the dialect helper and the
// dictionary. The logon window and the table creator are registered by their
// own layers. Idempotent; the application calls it at start-up.

void RegisterAccessDBClasses();
// Everything this layer and the schema layer create by name.
void RegisterDBConnClasses();
