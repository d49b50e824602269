#pragma once
// A reader that passes everything to an inner reader it does not own. Open,
// Reopen and OpenFirst all reach the inner reader's Open, so a filter always
// sees every row of the source.

#include "UDataReader.h"

class TFilterDataReader : public TDataReader {
    AMBERTIDE_CLASS(TFilterDataReader)
public:
    explicit TFilterDataReader(TDataReader* inner) : FInner(inner) {}

    TDataReader* Inner() const { return FInner; }

    int RowIndex() const override { return FInner->RowIndex(); }
    QString PositionText() const override { return FInner->PositionText(); }
    bool HasColumnNames() const override { return FInner->HasColumnNames(); }
    QString DebugText() const override { return FInner->DebugText(); }
    void Open() override { FInner->Open(); }
    void Close() override { FInner->Close(); }
    void GotoIndex(int index) override { FInner->GotoIndex(index); }
    bool HasNext() override { return FInner->HasNext(); }
    void Next() override { FInner->Next(); }
    QString ColumnName(int index) const override { return FInner->ColumnName(index); }
    QString ColumnValue(int index) const override { return FInner->ColumnValue(index); }
    QString FilteredValue(int index) const override { return FInner->FilteredValue(index); }
    int RowCount() const override { return FInner->RowCount(); }
    int ColumnCount() const override { return FInner->ColumnCount(); }
    bool RowCountUnknown() const override { return false; }
    QString SourceText() const override { return FInner->SourceText(); }
    QString BadFileName() const override { return FInner->BadFileName(); }

protected:
    TDataReader* FInner;  // not owned
};
