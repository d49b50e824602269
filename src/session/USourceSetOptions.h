#pragma once
// The source side of a session: one item (T1ItemSourceSetOptions) or the items
// of a set read one after another through one source options object
// (TNItemSourceSetOptions). Both are built through the session object factory.

#include "UDataConvertModel.h"
#include "USourceOptions.h"
#include "USourceSetChoiceOptions.h"

#include <memory>

class TConvertSessionObjectFactory;

class TSourceSetOptions : public TDataConvertModel {
    AMBERTIDE_CLASS(TSourceSetOptions)
public:
    // Creates the source options of sourceType through the factory.
    TSourceSetOptions(TConvertSessionObjectFactory& factory, const QString& sourceType);
    ~TSourceSetOptions() override;

    // Slot 5: the names of the items converted; nothing in the base.
    virtual void FinishItems(const QStringList& convertedItems) {}
    // Slot 6.
    virtual void SelectItem(int index) = 0;
    // Slot 7.
    virtual int GetItemCount() const = 0;
    // Slot 8.
    virtual QString GetItemName(int index) const = 0;

    const QString& SourceType() const { return FSourceType; }
    TSourceOptions& SourceOptions() { return *FSourceOptions; }
    const TSourceOptions& SourceOptions() const { return *FSourceOptions; }

protected:
    TConvertSessionObjectFactory& Factory() { return FFactory; }

private:
    TConvertSessionObjectFactory& FFactory;
    QString FSourceType;
    std::unique_ptr<TSourceOptions> FSourceOptions;
};

class T1ItemSourceSetOptions : public TSourceSetOptions {
    AMBERTIDE_CLASS(T1ItemSourceSetOptions)
public:
    T1ItemSourceSetOptions(TConvertSessionObjectFactory& factory, const QString& sourceType);

    void SaveToIni(TMyIniFile& ini, const QString& section) override;
    // Loads the source options and refreshes them.
    void LoadFromIni(const TMyIniFile& ini, const QString& section) override;
    bool IsEqual(const TDataConvertModel& other) const override;
    // The source's URL when it has one, otherwise its file name.
    QString GetDescription() const override;

    void SelectItem(int index) override {}
    int GetItemCount() const override { return 1; }
    QString GetItemName(int index) const override;
};

class TNItemSourceSetOptions : public TSourceSetOptions {
    AMBERTIDE_CLASS(TNItemSourceSetOptions)
public:
    // setType is "SetTypeNTo1" or "SetTypeNToN"; it is copied into the source options.
    TNItemSourceSetOptions(TConvertSessionObjectFactory& factory, const QString& sourceType, const QString& setType);
    ~TNItemSourceSetOptions() override;

    // The choice options, then the source options.
    void SaveToIni(TMyIniFile& ini, const QString& section) override;
    // The choice options; the source options (for "SetTypeNToN" only when the
    // file holds "MapColumns="); then the source options are pointed at the
    // first item and refreshed.
    void LoadFromIni(const TMyIniFile& ini, const QString& section) override;
    bool IsEqual(const TDataConvertModel& other) const override;
    // Rescans the items.
    void Refresh() override;
    QString GetDescription() const override;

    void FinishItems(const QStringList& convertedItems) override;
    void SelectItem(int index) override;
    int GetItemCount() const override;
    QString GetItemName(int index) const override;

    const QString& SetType() const { return FSetType; }
    TSourceSetChoiceOptions& ChoiceOptions() { return *FChoiceOptions; }
    const TSourceSetChoiceOptions& ChoiceOptions() const { return *FChoiceOptions; }

private:
    QString FSetType;
    std::unique_ptr<TSourceSetChoiceOptions> FChoiceOptions;
};
