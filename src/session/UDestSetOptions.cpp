#include "UDestSetOptions.h"

#include "UConvertSessionObjectFactory.h"

TDestSetOptions::TDestSetOptions(TConvertSessionObjectFactory& factory, const QString& destType)
    : FDestType(destType), FDestOptions(factory.NewDestOptions(destType))
{
}

TDestSetOptions::~TDestSetOptions() = default;

T1ItemDestSetOptions::T1ItemDestSetOptions(TConvertSessionObjectFactory& factory, const QString& destType)
    : TDestSetOptions(factory, destType)
{
}

void T1ItemDestSetOptions::SaveToIni(TMyIniFile& ini, const QString& section)
{
    DestOptions().SaveToIni(ini, section);
}

void T1ItemDestSetOptions::LoadFromIni(const TMyIniFile& ini, const QString& section)
{
    DestOptions().LoadFromIni(ini, section);
    DestOptions().Refresh();
}

bool T1ItemDestSetOptions::IsEqual(const TDataConvertModel& other) const
{
    auto* o = dynamic_cast<const T1ItemDestSetOptions*>(&other);
    return o && DestOptions().IsEqual(o->DestOptions());
}

TNItemDestSetOptions::TNItemDestSetOptions(TConvertSessionObjectFactory& factory, const QString& destType)
    : TDestSetOptions(factory, destType), FContainOptions(factory.NewDestSetContainOptions(destType))
{
}

TNItemDestSetOptions::~TNItemDestSetOptions() = default;

void TNItemDestSetOptions::SaveToIni(TMyIniFile& ini, const QString& section)
{
    FContainOptions->SaveToIni(ini, section);
}

void TNItemDestSetOptions::LoadFromIni(const TMyIniFile& ini, const QString& section)
{
    FContainOptions->LoadFromIni(ini, section);
}

bool TNItemDestSetOptions::IsEqual(const TDataConvertModel& other) const
{
    auto* o = dynamic_cast<const TNItemDestSetOptions*>(&other);
    return o && FContainOptions->IsEqual(*o->FContainOptions);
}

void TNItemDestSetOptions::SetItems(const QStringList& items)
{
    FContainOptions->SetItems(items);
}
