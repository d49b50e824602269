#include "UAccessWriter.h"

void TAccessWriter::ChooseExecutorKind()
{
    FExecutorKind = LoadType().toLower() == QLatin1String("upsert") ? QStringLiteral("simple_upsert")
                                                                     : QStringLiteral("one_by_one");
}
