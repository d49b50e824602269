#include "UDBOutClasses.h"

#include "UAccessWriter.h"
#include "UDBWriteExecutor.h"
#include "UOneByOneExecutor.h"
#include "URttiUtil.h"
#include "USimpleUpsertExecutor.h"
#include "UTableCreatorClasses.h"

void RegisterDBOutClasses()
{
    RegisterTableCreatorClasses();
    TRttiUtil::RegisterClass<TAccessWriter>(QStringLiteral("UAccessWriter"));
    TWriteExecutorRegistry::Register(QStringLiteral("one_by_one"), [] { return std::make_unique<TOneByOneExecutor>(); });
    TWriteExecutorRegistry::Register(QStringLiteral("simple_upsert"),
                                     [] { return std::make_unique<TSimpleUpsertExecutor>(); });
}
