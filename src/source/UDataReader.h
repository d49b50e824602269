#pragma once
// The row and column contract of every source. Callers see a table with a
// fixed list of named columns and a cursor over its rows; every value is text.
// Column indexes are 0-based, row numbers 1-based.

#include "UObject.h"

#include <QString>

class TDataReader : public TObject {
    AMBERTIDE_CLASS(TDataReader)
public:
    TDataReader() = default;
    ~TDataReader() override = default;
    TDataReader(const TDataReader&) = delete;
    TDataReader& operator=(const TDataReader&) = delete;

    // 1-based number of the current row.
    virtual int RowIndex() const { return FRowIndex; }
    // Names the current row in error messages: " Row " + RowIndex.
    virtual QString PositionText() const;
    // Whether ColumnName gives names taken from the source.
    virtual bool HasColumnNames() const { return FHasColumnNames; }
    virtual QString DebugText() const;

    // Afterwards RowCount, ColumnCount and the column names are valid.
    virtual void Open() = 0;
    virtual void Close() = 0;
    virtual void Reopen() { Open(); }
    // Opens for a sample of at most count rows; a reader may prepare only those.
    virtual void OpenFirst(int count) { Open(); }
    // Makes row index (1-based) the current row.
    virtual void GotoIndex(int index) = 0;
    virtual bool HasNext() = 0;
    virtual void Next() = 0;

    virtual QString ColumnName(int index) const = 0;
    virtual QString ColumnValue(int index) const = 0;
    // The value handed to the writer.
    virtual QString FilteredValue(int index) const { return ColumnValue(index); }
    virtual int RowCount() const = 0;
    virtual int ColumnCount() const = 0;
    // When true the engine reads until HasNext is false instead of RowCount rows.
    virtual bool RowCountUnknown() const { return false; }
    // One line describing the source for status displays.
    virtual QString SourceText() const = 0;
    // The file that collects the rejected records of this source.
    virtual QString BadFileName() const = 0;

    void SetHasColumnNames(bool value) { FHasColumnNames = value; }

protected:
    bool FHasColumnNames = false;
    int FRowIndex = 0;
};

// Raised for a column index outside the reader's columns.
[[noreturn]] void RaiseColumnIndexError(int index);
