#pragma once
// The product: Access as the target database. Instance creates the one
// application object on first call.

#include "UMarrowick.h"

class TAmbertide : public TMarrowick {
    AMBERTIDE_CLASS(TAmbertide)
public:
    // Raises EAbort (silently) when the objects cannot be built.
    static TAmbertide* Instance();
    // Frees the object created by Instance.
    static void FreeInstance();

    QString TargetDBCode() const override { return QStringLiteral("Mdb"); }

    // The unit start-up steps of the product: its classes registered for creation by name.
    static void AddStartupRegistrations();
};
