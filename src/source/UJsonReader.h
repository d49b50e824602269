#pragma once
// Rows and columns of a JSON file. DataItem names the node that holds the
// records ("{}|data|items", "[]^0|address", "{}|orders^2"); Sublevel says how
// many levels of nested objects become columns of their own (parent.child)
// instead of compact JSON text in one cell.
//
// Object-stream mode (DataItem "" or "[]"): every object of the file, or every
// element of a top-level array, is a row. Located mode: the path leads to one
// node; an array of objects gives one row per element, anything else one row.

#include "UFileReader.h"
#include "UJsonObjectReader.h"

#include <QHash>
#include <QStringList>
#include <memory>
#include <vector>

class TJsonReader : public TFileReader {
    AMBERTIDE_CLASS(TJsonReader)
public:
    TJsonReader();
    ~TJsonReader() override;

    void Open() override;
    void Close() override {}
    int RowIndex() const override { return FCurrentRow + 1; }
    int RowCount() const override { return FRowCount; }
    bool HasNext() override { return FCurrentRow < FRowCount; }
    void GotoIndex(int index) override;
    void Next() override;

    // Follows DataItem from the object reader's first value to DataValue.
    void LocateDataItem();
    bool IsObjectStream() const;
    // Opens with path as DataItem and tells whether that gives any column.
    bool TryDataItem(const QString& path);
    // Sets DataItem to the first of the root's TopItemNames and returns it;
    // fails when there is none (a document that is an array of scalars).
    QString DefaultDataItem();

    const QString& DataItem() const { return FDataItem; }
    void SetDataItem(const QString& value) { FDataItem = value; }
    int Sublevel() const { return FSublevel; }
    void SetSublevel(int value) { FSublevel = value; }
    const QString& DataItemName() const { return FDataItemName; }
    const QString& ValueNodeText() const { return FValueNodeText; }
    const QStringList& TopItemNames() const { return FTopItemNames; }
    const TJsonValue* DataValue() const { return FDataValue; }
    const TJsonObjectReader* ObjectReader() const { return FObjectReader.get(); }

    // A cell's text: "Undefined", "null", the scalar's text, or compact JSON.
    static QString ValueText(const TJsonValue* value);

protected:
    QString ColumnValueNoFileName(int index) const override;

private:
    void CountRows();
    void BuildColumns();
    void BuildTopItemNames();
    void LoadRowValues();
    // Sets DataValue to the parse of the object reader's current text.
    void ParseCurrentObject();
    // Moves DataValue to next, one of its elements or members.
    void StepInto(TJsonValue* next);

    void WalkNames(const TJsonValue* value, const QString& prefix, int budget, QStringList& names) const;
    void WalkValues(const TJsonValue* value, const QString& prefix, int budget);
    void StoreValue(QStringView name, QString text);
    QStringView OwnName(const QString& prefix) const { return prefix.isEmpty() ? QStringView(FDataItemName) : QStringView(prefix); }

    const TJsonValue* FDataValue = nullptr;  // not owned: in FParsedValue or the object reader's tree
    QString FDataItemName;
    QString FValueNodeText;
    QString FDataItem;
    int FSublevel = 0;
    int FRowCount = 0;
    QStringList FTopItemNames;
    int FCurrentRow = 0;
    std::shared_ptr<TJsonObjectReader> FObjectReader;
    std::unique_ptr<TJsonValue> FParsedValue;  // the current object of a line-oriented file
    // The element of a streamed top-level array that DataValue lies in, kept
    // alive while other readers of the file move on.
    std::shared_ptr<TJsonValue> FHeldElement;

    // The row's values, one slot per column name compared without letter case:
    // columns whose names differ only in case share a slot, and the value
    // stored last wins, as in a case-insensitive name=value map.
    std::vector<int> FColumnSlot;       // data column -> slot
    QHash<QString, int> FSlotOfName;    // case-folded name -> slot
    std::vector<QString> FSlotValues;
    int FStoreIndex = 0;                // position of the next stored pair, for the in-order fast path
};
