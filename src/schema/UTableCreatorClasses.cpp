#include "UTableCreatorClasses.h"

#include "UAccessTableCreator.h"
#include "URttiUtil.h"

void RegisterTableCreatorClasses()
{
    TRttiUtil::RegisterClass<TAccessTableCreator>(QStringLiteral("UAccessTableCreator"));
}
