#include "USourceOptionsClassInit.h"

#include "UFolderChoiceOptions.h"
#include "UJsonSourceOptions.h"
#include "URttiUtil.h"

void RegisterSourceOptionsClasses()
{
    TRttiUtil::RegisterClass<TJsonSourceOptions>(QStringLiteral("UJsonSourceOptions"));
    TRttiUtil::RegisterClass<TFolderChoiceOptions>(QStringLiteral("UFolderChoiceOptions"));
}
