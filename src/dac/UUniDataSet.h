#pragma once
// A forward-only set of rows with named, typed fields: the common part of
// queries and metadata reads. Rows are read one at a time; Eof is true after
// the last row (at once for an empty set).

#include "UUniField.h"

#include <QStringList>
#include <QVariant>
#include <memory>
#include <vector>

class TUniDataSet {
public:
    TUniDataSet() = default;
    TUniDataSet(const TUniDataSet&) = delete;
    TUniDataSet& operator=(const TUniDataSet&) = delete;
    virtual ~TUniDataSet();

    bool Active() const { return FActive; }
    virtual void Open() = 0;
    virtual void Close();

    bool Eof() const { return FEof; }
    void Next();
    // Number of the current row, from 1; 0 when no row is current.
    int RecNo() const { return FRecNo; }
    // Rows of the set: counted in advance when asked (queries), else the rows
    // read so far.
    virtual int RecordCount() const { return FRecNo; }

    int FieldCount() const { return static_cast<int>(FFields.size()); }
    TUniField& Fields(int index) const { return *FFields[index]; }
    // Field names compare without letter case.
    TUniField* FindField(const QString& name) const;
    // Raises "Field '<name>' not found" when absent.
    TUniField& FieldByName(const QString& name) const;
    QStringList FieldNames() const;

    // The current row's value of field index (invalid QVariant for NULL).
    virtual QVariant FieldValue(int index) const = 0;

protected:
    // Moves to the next row; false when there is none.
    virtual bool FetchNext() = 0;
    // Open/close bookkeeping for subclasses.
    void SetOpened(bool hasRow);
    void ClearFields() { FFields.clear(); }
    TUniField& AddField(const QString& name, TFieldType type, int size = 0, int precision = 0,
                        int scale = 0);

private:
    std::vector<std::unique_ptr<TUniField>> FFields;
    bool FActive = false;
    bool FEof = true;
    int FRecNo = 0;
};
