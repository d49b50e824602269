#pragma once
// The row filter: row FirstRow of the inner reader becomes row 1, and at most
// MaxRows rows are passed on. It relies on the engine starting with
// GotoIndex(1) and stopping once RowIndex exceeds RowCount.

#include "UFilterDataReader.h"

class TPartRowDataReader : public TFilterDataReader {
    AMBERTIDE_CLASS(TPartRowDataReader)
public:
    TPartRowDataReader(TDataReader* inner, int firstRow, int maxRows)
        : TFilterDataReader(inner), FFirstRow(firstRow), FMaxRows(maxRows) {}

    int RowIndex() const override;
    void GotoIndex(int index) override;
    int RowCount() const override;
    // Also false outside rows 1 to RowCount: a filter that passes on no rows
    // must not fall through to the inner reader's rows.
    bool HasNext() override;

    int FirstRow() const { return FFirstRow; }
    int MaxRows() const { return FMaxRows; }

private:
    int FFirstRow;
    int FMaxRows;
};
