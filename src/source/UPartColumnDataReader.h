#pragma once
// The column filter: output column i is the inner column named by entry i of
// an index list ("-1" gives an empty column). The list belongs to the source
// options; the filter reads it on every access, so it follows their changes.

#include "UFilterDataReader.h"

#include <QStringList>
#include <memory>

class TPartColumnDataReader : public TFilterDataReader {
    AMBERTIDE_CLASS(TPartColumnDataReader)
public:
    TPartColumnDataReader(TDataReader* inner, const QStringList* columnIndexes)
        : TFilterDataReader(inner), FColumnIndexes(columnIndexes) {}

    QString ColumnName(int index) const override;
    QString ColumnValue(int index) const override;
    QString FilteredValue(int index) const override;
    int ColumnCount() const override { return static_cast<int>(FColumnIndexes->size()); }

    const QStringList& ColumnIndexes() const { return *FColumnIndexes; }
    // The inner column of output column index; -1 for an empty column.
    int InnerIndex(int index) const;

private:
    const QStringList* FColumnIndexes;  // not owned
};

// Holds the column filter of one source options object.
class TPartColumnDataReaderAdapter {
public:
    // Frees the filter it holds and builds a new one over inner and the list.
    TDataReader* Wrap(TDataReader* inner, const QStringList* columnIndexes);
    TPartColumnDataReader* Reader() const { return FReader.get(); }

private:
    std::unique_ptr<TPartColumnDataReader> FReader;
};
