#include "UAccessDBClassInit.h"

#include "UAccessDBLogonOption.h"
#include "UAccessUniProvider.h"
#include "URttiUtil.h"
#include "USchemaClassInit.h"

void RegisterAccessDBClasses()
{
    TRttiUtil::RegisterClass<TAccessUniProvider>(QStringLiteral("AccessUniProvider"));
    TRttiUtil::RegisterClass<TAccessDBLogonOption>(QStringLiteral("UAccessDBLogonOption"));
    RegisterSchemaClasses();
}

void RegisterDBConnClasses()
{
    RegisterAccessDBClasses();
}
