#include "UValueParseClassInit.h"

#include "UAccessDateFormatParser.h"
#include "UDateFormatParser.h"
#include "URttiUtil.h"

void RegisterValueParseClasses()
{
    TRttiUtil::RegisterClass<TDateFormatParser>(QStringLiteral("UDateFormatParser"));
    TRttiUtil::RegisterClass<TAccessDateFormatParser>(QStringLiteral("UAccessDateFormatParser"));
}
