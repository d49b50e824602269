#pragma once
// TConvertItem: the per-item run configuration that the session fills in
// ConfigOne: the current source and destination options, the rows-select and
// miscellaneous options (none owned) and whether the run has several items.
// The conversion engine derives from it for the item's reader, writer and bad
// file, and plugs its class in through the factory's convert-item creator.

class TSourceOptions;
class TDestOptions;
class TConvertRowsSelectOptions;
class TConvertMiscOptions;

class TConvertItem {
public:
    virtual ~TConvertItem() = default;

    // Whether the configured item is to be converted.
    virtual bool ShouldConvertItem() const { return true; }

    bool MultiItem = false;
    TSourceOptions* SourceOptions = nullptr;
    TDestOptions* DestOptions = nullptr;
    TConvertRowsSelectOptions* RowsSelectOptions = nullptr;
    TConvertMiscOptions* MiscOptions = nullptr;
};
