#include "UDestOptionsClassInit.h"

#include "URttiUtil.h"
#include "UTableDestOptions.h"

void RegisterDestOptionsClasses()
{
    TRttiUtil::RegisterClass<TTableDestOptions>(QStringLiteral("UTableDestOptions"));
}
