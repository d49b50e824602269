#include "UItemMapOptions.h"

#include "UDestSetOptions.h"
#include "UException.h"
#include "USourceSetOptions.h"

bool TItemMapOptions::IsEqual(const TDataConvertModel& other) const
{
    return true;
}

int TItemMapOptions::GetItemCount() const
{
    return FSourceSet ? FSourceSet->GetItemCount() : 0;
}

void TNTo1ItemMapOptions::SelectItem(int index)
{
    if (SourceSet())
        SourceSet()->SelectItem(index);
    if (DestSet())
        DestSet()->DestOptions().SetItemFlags(true, index == 0, index == GetItemCount() - 1);
}

bool TNToNItemMapOptions::IsEqual(const TDataConvertModel& other) const
{
    auto* o = dynamic_cast<const TNToNItemMapOptions*>(&other);
    return o && FItems == o->FItems;
}

int TNToNItemMapOptions::GetItemCount() const
{
    int count = 0;
    for (const TItemMapItem& item : FItems)
        count += item.Selected ? 1 : 0;
    return count;
}

int TNToNItemMapOptions::GetOriginIndex(int n) const
{
    int seen = -1;
    for (int i = 0; i < static_cast<int>(FItems.size()); ++i)
        if (FItems[i].Selected && ++seen == n)
            return i;
    throw Exception(QStringLiteral("TNToNItemMapOptions.GetOriginIndex(%1)").arg(n));
}

void TNToNItemMapOptions::SelectItem(int index)
{
    const int origin = GetOriginIndex(index);
    if (SourceSet())
        SourceSet()->SelectItem(origin);
}
