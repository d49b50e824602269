#pragma once
// TDataConvertItem: the session's convert item as the engine uses it: it
// prepares the source and destination options of the configured item, takes
// their reader and writer, applies the row selection and checks that the
// writer takes every column. It owns the item's bad-file creator.

#include "UBadFileCreator.h"
#include "UConvertItem.h"

#include <memory>

class TDataReader;
class TDataWriter;
class TPartRowDataReader;

class TDataConvertItem : public TConvertItem {
public:
    TDataConvertItem();
    ~TDataConvertItem() override;

    bool ShouldConvertItem() const override;

    void Prepare();
    // Right after the reader is opened: bad-file set-up and the column-count check.
    void DoAfterDataReaderOpen();
    int ErrorsToAllow() const;

    // Every item writes through the writer of the first one.
    bool SharedWriter() const;
    bool FirstItem() const;
    bool LastItem() const;
    // Forgets the writer of the previous run of the session.
    void StartSession() { FDataWriter = nullptr; }

    TDataReader* DataReader() const { return FDataReader; }
    TDataWriter* DataWriter() const { return FDataWriter; }
    TBadFileCreator& BadFileCreator() { return FBadFileCreator; }

private:
    void ConfigDataReaderWithConvertRowsSelectOptions();
    void CheckSkipRows(int rowCount) const;

    TDataReader* FDataReader = nullptr;   // the source's, or FPartRowReader
    TDataWriter* FDataWriter = nullptr;   // the destination's
    std::unique_ptr<TPartRowDataReader> FPartRowReader;
    TBadFileCreator FBadFileCreator;
};
