#pragma once
// The provider component of the Access type. The data-access layer picks the
// engine by the connection's provider name; the component only has to exist
// under its registered name.

#include "UObject.h"

class TAccessUniProvider : public TObject {
    AMBERTIDE_CLASS(TAccessUniProvider)
};
