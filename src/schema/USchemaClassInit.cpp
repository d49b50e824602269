#include "USchemaClassInit.h"

#include "UAccessDBDictionary.h"
#include "UAccessDBHelper.h"
#include "URttiUtil.h"

void RegisterSchemaClasses()
{
    TRttiUtil::RegisterClass<TAccessDBHelper>(QStringLiteral("UAccessDBHelper"));
    TRttiUtil::RegisterClass<TAccessDBDictionary>(QStringLiteral("UAccessDBDictionary"));
}
