#include "UUniParam.h"

#include "UException.h"

int TUniParams::IndexOf(const QString& name) const
{
    for (int i = 0; i < Count(); ++i)
        if (FItems[i]->Name().compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

TUniParam* TUniParams::FindParam(const QString& name) const
{
    const int i = IndexOf(name);
    return i < 0 ? nullptr : FItems[i].get();
}

TUniParam& TUniParams::ParamByName(const QString& name) const
{
    if (TUniParam* p = FindParam(name))
        return *p;
    throw Exception(QStringLiteral("Parameter '%1' not found").arg(name));
}

void TUniParams::Rebuild(const QStringList& names)
{
    std::vector<std::unique_ptr<TUniParam>> items;
    for (const QString& name : names) {
        bool seen = false;
        for (const auto& p : items)
            seen = seen || p->Name().compare(name, Qt::CaseInsensitive) == 0;
        if (seen)
            continue;
        const int old = IndexOf(name);
        if (old >= 0)
            items.push_back(std::move(FItems[old]));
        else
            items.push_back(std::make_unique<TUniParam>(name));
        if (old >= 0)
            FItems.erase(FItems.begin() + old);
    }
    FItems = std::move(items);
}
