#include "USourceSetOptions.h"

#include "UConvertSessionObjectFactory.h"
#include "UFileSourceOptions.h"

TSourceSetOptions::TSourceSetOptions(TConvertSessionObjectFactory& factory, const QString& sourceType)
    : FFactory(factory), FSourceType(sourceType), FSourceOptions(factory.NewSourceOptions(sourceType))
{
}

TSourceSetOptions::~TSourceSetOptions() = default;

T1ItemSourceSetOptions::T1ItemSourceSetOptions(TConvertSessionObjectFactory& factory, const QString& sourceType)
    : TSourceSetOptions(factory, sourceType)
{
}

void T1ItemSourceSetOptions::SaveToIni(TMyIniFile& ini, const QString& section)
{
    SourceOptions().SaveToIni(ini, section);
}

void T1ItemSourceSetOptions::LoadFromIni(const TMyIniFile& ini, const QString& section)
{
    SourceOptions().LoadFromIni(ini, section);
    SourceOptions().Refresh();
}

bool T1ItemSourceSetOptions::IsEqual(const TDataConvertModel& other) const
{
    auto* o = dynamic_cast<const T1ItemSourceSetOptions*>(&other);
    return o && SourceOptions().IsEqual(o->SourceOptions());
}

QString T1ItemSourceSetOptions::GetDescription() const
{
    return SourceOptions().GetDisplayName();
}

QString T1ItemSourceSetOptions::GetItemName(int index) const
{
    return SourceOptions().GetDisplayName();
}

TNItemSourceSetOptions::TNItemSourceSetOptions(TConvertSessionObjectFactory& factory, const QString& sourceType,
                                               const QString& setType)
    : TSourceSetOptions(factory, sourceType), FSetType(setType),
      FChoiceOptions(factory.NewSourceSetChoiceOptions(sourceType))
{
    SourceOptions().SetSetType(setType);
}

TNItemSourceSetOptions::~TNItemSourceSetOptions() = default;

void TNItemSourceSetOptions::SaveToIni(TMyIniFile& ini, const QString& section)
{
    FChoiceOptions->SaveToIni(ini, section);
    SourceOptions().SaveToIni(ini, section);
}

void TNItemSourceSetOptions::LoadFromIni(const TMyIniFile& ini, const QString& section)
{
    FChoiceOptions->LoadFromIni(ini, section);
    bool loadSource = FSetType == SourceSetTypes::NToOne;
    if (FSetType == SourceSetTypes::NToN)
        loadSource = ReadSessionFileText(ini.FileName()).contains(QLatin1String("MapColumns="));
    if (loadSource)
        SourceOptions().LoadFromIni(ini, section);
    // A set without items has nothing to sample; the run then finds no item.
    const QString first = FChoiceOptions->FirstItemName();
    if (first.isEmpty())
        return;
    SourceOptions().SetSourceName(first);
    SourceOptions().Refresh();
}

bool TNItemSourceSetOptions::IsEqual(const TDataConvertModel& other) const
{
    auto* o = dynamic_cast<const TNItemSourceSetOptions*>(&other);
    return o && FChoiceOptions->IsEqual(*o->FChoiceOptions) && SourceOptions().IsEqual(o->SourceOptions());
}

void TNItemSourceSetOptions::Refresh()
{
    FChoiceOptions->Refresh();
}

QString TNItemSourceSetOptions::GetDescription() const
{
    return FChoiceOptions->GetDescription();
}

void TNItemSourceSetOptions::FinishItems(const QStringList& convertedItems)
{
    FChoiceOptions->AfterRun(convertedItems);
}

void TNItemSourceSetOptions::SelectItem(int index)
{
    FChoiceOptions->ConfigureItem(SourceOptions(), index);
    if (FSetType == SourceSetTypes::NToN && !SourceOptions().MapColumns())
        SourceOptions().ClearSelection();
    SourceOptions().Refresh();
}

int TNItemSourceSetOptions::GetItemCount() const
{
    return FChoiceOptions->ItemCount();
}

QString TNItemSourceSetOptions::GetItemName(int index) const
{
    return FChoiceOptions->ItemName(index);
}
