#pragma once
// The Access writer: Access has no single upsert statement, so "Upsert" runs
// an update and, when nothing was updated, an insert per row.

#include "UUniDBWriter.h"

class TAccessWriter : public TUniDBWriter {
    AMBERTIDE_CLASS(TAccessWriter)
public:
    void ChooseExecutorKind() override;
};
