#pragma once
// TSourceSetChoiceOptions: the list of items of a source set (the files of a
// folder, for instance), and how each item is handed to the source options.

#include "UDataConvertModel.h"

class TSourceOptions;

// The file mask of a set: "Filter", or when it is empty the legacy "Ext" of
// older versions: a value other than "all" gives "*." + the value, anything
// else (no value, "all") gives "*.*".
QString ReadFilterOrLegacyExt(const TMyIniFile& ini, const QString& section);
QString FilterOfLegacyExt(const QString& ext);

class TSourceSetChoiceOptions : public TDataConvertModel {
    AMBERTIDE_CLASS(TSourceSetChoiceOptions)
public:
    // Slots 5 and 6: an item's path as its name in the list and back.
    virtual QString RelativeName(const QString& path) const { return path; }
    virtual QString FullPath(const QString& itemName) const { return itemName; }
    // Slot 7: the first item as SetSourceName takes it (a full path for
    // files); "" when there is no item.
    virtual QString FirstItemName() const = 0;
    // Slot 8.
    virtual int ItemCount() const = 0;
    // Slot 9: points the source options at item i.
    virtual void ConfigureItem(TSourceOptions& options, int index) = 0;
    // Slot 10: -1 when absent.
    virtual int IndexOfItemName(const QString& name) const = 0;
    // Slot 11.
    virtual QStringList ItemNames() const = 0;
    // Slot 12.
    virtual QString ItemName(int index) const = 0;
    // Slot 13.
    virtual QString DisplayItemName(const QString& name) const { return name; }
    // Slot 14: after a run, on the items converted successfully.
    virtual void AfterRun(const QStringList& processedItems) {}
};
