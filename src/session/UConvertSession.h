#pragma once
// TConvertSession: one conversion job as six option objects, in the order of
// saving, loading, comparing and describing: the convert-type options, the
// source set, the destination set, the item map, the rows-select and the
// miscellaneous options. Built by the session object factory, which also
// applies the convert type's file setting.

#include "UConvertItem.h"
#include "UConvertMiscOptions.h"
#include "UConvertRowsSelectOptions.h"
#include "UConvertTypeOptions.h"
#include "UDestSetOptions.h"
#include "UItemMapOptions.h"
#include "USourceSetOptions.h"
#include "UTaskSession.h"

#include <memory>
#include <vector>

class TConvertSessionObjectFactory;

class TConvertSession : public TTaskSession {
public:
    // Asks the factory for the set and item-map options of the convert type
    // (its errors propagate) and creates the other options with their defaults.
    TConvertSession(TConvertSessionObjectFactory& factory, std::unique_ptr<TConvertTypeOptions> convertType);
    ~TConvertSession() override;

    // Remembers the file name, copies an existing file to name + ".bak", writes
    // every section and puts the name at the top of the recent list.
    void SaveToFile(const QString& fileName);
    // Writes every option object into the section, leaving the file name and the
    // recent list alone. The file is written whole to a temporary file in the
    // same folder and then renamed over the original, so a failed save leaves
    // the previous file as it was. Raises "Unable to write to " + the file name.
    void WriteSections(const QString& fileName);
    // Reads every option object and refreshes it, in order; fills an empty
    // ConvertType from the file's extension; then the name goes to the top of
    // the recent list. Loading never writes the session file.
    void LoadFromFile(const QString& fileName);

    // Same number of option objects, each pair equal.
    bool IsEqual(const TConvertSession& other) const;
    // No file name, and no destination description or no item.
    bool IsEmpty() const;
    // A new session of the same convert type, nothing loaded.
    std::unique_ptr<TConvertSession> CreateEmptyLike() const;
    // True without a file name; otherwise compares with a fresh load of the file.
    bool IsChanged() const;
    QString GetNameOrDescription() const;
    // "From : " + source set + CR LF + "To : " + destination set.
    QString GetDescription() const;
    int GetItemCount() const;
    // Configures the run of item i (see the .cpp); raises "Log File can not set
    // to Source Data File." when the log file would overwrite the source.
    void ConfigOne(int index);
    bool ShouldConvertItem() const;
    void AfterConvertOne(int index);
    QString GetSourceShortName() const;
    QString GetDestName() const;

    TConvertTypeOptions& ConvertTypeOptions() { return *FConvertType; }
    const TConvertTypeOptions& ConvertTypeOptions() const { return *FConvertType; }
    TSourceSetOptions& SourceSetOptions() { return *FSourceSet; }
    const TSourceSetOptions& SourceSetOptions() const { return *FSourceSet; }
    TDestSetOptions& DestSetOptions() { return *FDestSet; }
    const TDestSetOptions& DestSetOptions() const { return *FDestSet; }
    TItemMapOptions& ItemMapOptions() { return *FItemMap; }
    TConvertRowsSelectOptions& RowsSelectOptions() { return *FRowsSelect; }
    const TConvertRowsSelectOptions& RowsSelectOptions() const { return *FRowsSelect; }
    TConvertMiscOptions& MiscOptions() { return *FMisc; }
    const TConvertMiscOptions& MiscOptions() const { return *FMisc; }
    TConvertItem& ConvertItem() { return *FConvertItem; }
    TConvertSessionObjectFactory& Factory() const { return FFactory; }

    // The option objects in session order.
    int OptionCount() const { return static_cast<int>(FOptions.size()); }
    TDataConvertModel& Option(int i) const { return *FOptions[i]; }

private:
    TConvertSessionObjectFactory& FFactory;
    // Owns the six option objects; the typed pointers below point into it.
    std::vector<std::unique_ptr<TDataConvertModel>> FOptions;
    TConvertTypeOptions* FConvertType = nullptr;
    TSourceSetOptions* FSourceSet = nullptr;
    TDestSetOptions* FDestSet = nullptr;
    TItemMapOptions* FItemMap = nullptr;
    TConvertRowsSelectOptions* FRowsSelect = nullptr;
    TConvertMiscOptions* FMisc = nullptr;
    std::unique_ptr<TConvertItem> FConvertItem;
};
