#include "UEngineClassInit.h"

#include "UBatchOutputer.h"
#include "UConvertSessionExecutor.h"
#include "UConvertSessionObjectFactory.h"
#include "UDataConvertItem.h"
#include "ULogConvertOutputer.h"
#include "UProgressConvertOutputer.h"
#include "URttiUtil.h"

void RegisterEngineClasses()
{
    TRttiUtil::RegisterClass<TConvertSessionExecutor>(QStringLiteral("UConvertSessionExecutor"));
    TRttiUtil::RegisterClass<TLogConvertOutputer>(QStringLiteral("ULogConvertOutputer"));
    TRttiUtil::RegisterClass<TProgressConvertOutputer>(QStringLiteral("UProgressConvertOutputer"));
    TRttiUtil::RegisterClass<TProgressBatchOutputer>(QStringLiteral("UProgressBatchOutputer"));
    TRttiUtil::RegisterClass<TGridBatchOutputer>(QStringLiteral("UGridBatchOutputer"));
    TConvertSessionObjectFactory::SetConvertItemCreator([] { return std::make_unique<TDataConvertItem>(); });
}
