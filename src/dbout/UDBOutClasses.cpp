#include "UDBOutClasses.h"

#include "UAccessDBClassInit.h"
#include "UAccessWriter.h"
#include "UDBWriteExecutor.h"
#include "UOneByOneExecutor.h"
#include "URttiUtil.h"
#include "USimpleUpsertExecutor.h"
#include "UTableCreatorClasses.h"
#include "UValueParseClassInit.h"

void RegisterDBOutClasses()
{
    // What the writers create by name from the layers below.
    RegisterValueParseClasses();
    RegisterDBConnClasses();
    RegisterTableCreatorClasses();
    TRttiUtil::RegisterClass<TAccessWriter>(QStringLiteral("UAccessWriter"));
    TWriteExecutorRegistry::Register(QStringLiteral("one_by_one"), [] { return std::make_unique<TOneByOneExecutor>(); });
    TWriteExecutorRegistry::Register(QStringLiteral("simple_upsert"),
                                     [] { return std::make_unique<TSimpleUpsertExecutor>(); });
}
