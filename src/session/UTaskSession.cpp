#include "UTaskSession.h"

void TTaskSession::ApplyFileSetting(const TSessionFileSetting& setting)
{
    FRecentList.SetListName(setting.RecentListName);
    FFilter = setting.Filter;
    FDefaultExt = setting.DefaultExt;
    FSection = setting.Section;
}

QString TTaskSession::EffectiveSection() const
{
    return FSection.isEmpty() ? QStringLiteral("Convert") : FSection;
}
