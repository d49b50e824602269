#include "UDBWriteExecutor.h"

#include "UException.h"

#include <QHash>

namespace {
QHash<QString, TWriteExecutorRegistry::TCreateFunc>& Kinds()
{
    static QHash<QString, TWriteExecutorRegistry::TCreateFunc> kinds;
    return kinds;
}
}  // namespace

void TWriteExecutorRegistry::Register(const QString& kind, TCreateFunc create)
{
    if (!Kinds().contains(kind.toLower()))
        Kinds().insert(kind.toLower(), std::move(create));
}

std::unique_ptr<TDBWriteExecutor> TWriteExecutorRegistry::Create(const QString& kind)
{
    auto it = Kinds().constFind(kind.toLower());
    if (it == Kinds().constEnd())
        it = Kinds().constFind(QStringLiteral("one_by_one"));
    if (it == Kinds().constEnd())
        throw Exception(QStringLiteral("Can not find write executor kind: ") + kind);
    return it.value()();
}
