#pragma once
// The item map steps a session through its items: one item for one-to-one,
// the files of a set for N-to-one (all into one destination), and pairs of
// source and destination items for N-to-N.

#include "UDataConvertModel.h"

#include <memory>
#include <vector>

class TSourceSetOptions;
class TDestSetOptions;

class TItemMapOptions : public TDataConvertModel {
    AMBERTIDE_CLASS(TItemMapOptions)
public:
    // Nothing of its own is saved, loaded or compared.
    void SaveToIni(TMyIniFile& ini, const QString& section) override {}
    void LoadFromIni(const TMyIniFile& ini, const QString& section) override {}
    bool IsEqual(const TDataConvertModel& other) const override;

    // Slots 5 and 6: the session's set options, not owned.
    virtual void SetSourceSet(TSourceSetOptions* sourceSet) { FSourceSet = sourceSet; }
    virtual void SetDestSet(TDestSetOptions* destSet) { FDestSet = destSet; }
    // Slot 7: the source set's item count.
    virtual int GetItemCount() const;
    // Slot 8.
    virtual void SelectItem(int index) {}
    // Slot 9.
    virtual void AfterItem(int index) {}

    TSourceSetOptions* SourceSet() const { return FSourceSet; }
    TDestSetOptions* DestSet() const { return FDestSet; }

private:
    TSourceSetOptions* FSourceSet = nullptr;
    TDestSetOptions* FDestSet = nullptr;
};

class T1To1ItemMapOptions : public TItemMapOptions {
    AMBERTIDE_CLASS(T1To1ItemMapOptions)
};

class TNTo1ItemMapOptions : public TItemMapOptions {
    AMBERTIDE_CLASS(TNTo1ItemMapOptions)
public:
    // The source set selects item i; the destination learns that this is a
    // multi-item run and whether i is the first or the last item, so that its
    // writer is prepared once before the first file and finished after the last.
    void SelectItem(int index) override;
};

// One pair of an N-to-N session.
struct TItemMapItem {
    bool Selected = false;
    QString SourceItemName;
    QString DestItemName;
    bool operator==(const TItemMapItem&) const = default;
};

class TNToNItemMapOptions : public TItemMapOptions {
    AMBERTIDE_CLASS(TNToNItemMapOptions)
public:
    bool IsEqual(const TDataConvertModel& other) const override;
    // The number of selected items.
    int GetItemCount() const override;
    void SelectItem(int index) override;

    void AddItem(const TItemMapItem& item) { FItems.push_back(item); }
    const std::vector<TItemMapItem>& Items() const { return FItems; }
    // The position in Items of the n-th selected item; raises
    // "TNToNItemMapOptions.GetOriginIndex(" + n + ")" beyond the last.
    int GetOriginIndex(int n) const;

private:
    std::vector<TItemMapItem> FItems;
};
