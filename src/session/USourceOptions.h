#pragma once
// TSourceOptions: the source side of one item: its name, the default target
// table name, the columns found in the source, up to 10 sample rows, and which
// columns are converted in which order.
//
// The reader and the table structure belong to the concrete source classes,
// which live above this library: the base reaches them only through the
// virtual operations below (ReadSample, SetStructFieldNames, DataReader), so
// the selection rules are written once here.

#include "UDataConvertModel.h"

#include <QList>
#include <QString>
#include <QStringList>

class TDataReader;
class TTableStruct;

namespace SourceSetTypes {
inline const QString OneToOne = QStringLiteral("SetType1To1");
inline const QString NToOne = QStringLiteral("SetTypeNTo1");
inline const QString NToN = QStringLiteral("SetTypeNToN");
}  // namespace SourceSetTypes

class TSourceOptions : public TDataConvertModel {
    AMBERTIDE_CLASS(TSourceOptions)
public:
    static constexpr int MaxSampleRows = 10;

    TSourceOptions();
    ~TSourceOptions() override;

    // Keys "Columns" (1-based indexes), "SelectedColumnNames", "MapColumns".
    void SaveToIni(TMyIniFile& ini, const QString& section) override;
    // Raises "'x' is not a valid integer value" for a "Columns" entry that is no number.
    void LoadFromIni(const TMyIniFile& ini, const QString& section) override;
    // Selected indexes, selected names and the map-columns flag.
    bool IsEqual(const TDataConvertModel& other) const override;
    // Re-reads the column names and the sample rows: clears them and the
    // structure's field names, PrepareReader, then ReadSample.
    void Refresh() override;

    // Slot 5: the concrete class makes its table structure.
    virtual void CreateTableStruct() {}
    // Slot 6: the reader to convert from. The concrete class returns its reader
    // when IsAllSelected, otherwise its partial reader over ReaderColumnIndexes().
    virtual TDataReader* DataReader() { return nullptr; }
    // Slot 7.
    virtual void CreateDataReader() {}
    // Slot 8.
    virtual void ConfigureReader() {}
    // Slot 9.
    virtual void PrepareReader() { ConfigureReader(); }
    // Slot 10: the structure's field names become the selected column names.
    virtual void UpdateTableStruct();
    // Slot 11: clears the selected indexes when one lies beyond the columns.
    virtual void ValidateSelection();
    // Slot 12.
    virtual bool SelectsByName() const { return true; }
    // Slot 13.
    virtual void BeforePrepare() {}
    // Slot 14: case-insensitive position in the column names, -1 when absent.
    virtual int IndexOfColumn(const QString& name) const;
    // Slot 15.
    virtual void BuildStructure() { UpdateTableStruct(); }
    // Slot 16.
    virtual QString GetDisplayName() const { return QString(); }
    // Slot 17.
    virtual QString GetShortName() const { return QString(); }
    // Slot 18.
    virtual void SetSourceName(const QString& name) { FSourceName = name; }

    // The reader side of Refresh, done by the concrete class with its reader:
    // open it for a sample of at most maxRows rows (OpenFirst), add every column
    // name in column order, read min(row count, maxRows) rows of all column
    // values (advancing between rows, not after the last), close it.
    // The base has no reader and finds nothing.
    virtual void ReadSample(int maxRows, QStringList& columnNames, QList<QStringList>& rows) {}
    // The structure's field names (and, for BuildStructure, its sample rows);
    // the concrete class passes them on to its TTableStruct.
    virtual void SetStructFieldNames(const QStringList& names) { FStructFieldNames = names; }
    virtual void SetStructSampleRows(const QList<QStringList>& rows) {}
    virtual TTableStruct* TableStruct() { return nullptr; }

    // Called once per item before converting it: BeforePrepare, Refresh,
    // ValidateSelection, select all when nothing is selected, UpdateTableStruct,
    // ConfigureReader.
    void PrepareConvert();
    // By name when SelectsByName and names are selected (same names, same
    // order), otherwise by the number of selected indexes.
    bool IsAllSelected() const;
    // Rebuilds the selected indexes from the selected names (a name the current
    // source lacks gives -1, read as an empty column) and returns them.
    QList<int> ReaderColumnIndexes();

    int OriginColumnCount() const { return FColumnNames.size(); }
    int SelectedColumnCount() const { return FSelectedIndexes.size(); }
    void SelectAll();
    void ClearSelection();
    bool IsColumnSelected(int column) const;
    // Position of the column in the selection, -1 when it is not selected.
    int SelectionPosition(int column) const;
    void AddSelectedColumn(int column, const QString& name);
    // The names of the selected indexes, looked up in the column names.
    QStringList SelectedNamesFromIndexes() const;

    const QString& SetType() const { return FSetType; }
    void SetSetType(const QString& setType) { FSetType = setType; }
    const QString& SourceName() const { return FSourceName; }
    const QString& ItemName() const { return FItemName; }
    void SetItemName(const QString& name) { FItemName = name; }
    bool MapColumns() const { return FMapColumns; }
    void SetMapColumns(bool value) { FMapColumns = value; }
    const QList<int>& SelectedIndexes() const { return FSelectedIndexes; }
    void SetSelectedIndexes(const QList<int>& indexes) { FSelectedIndexes = indexes; }
    const QStringList& SelectedNames() const { return FSelectedNames; }
    void SetSelectedNames(const QStringList& names) { FSelectedNames = names; }
    const QStringList& ColumnNames() const { return FColumnNames; }
    const QList<QStringList>& SampleRows() const { return FSampleRows; }
    const QStringList& StructFieldNames() const { return FStructFieldNames; }

    // A file's name without folder, less the first occurrence of its extension:
    // "data.json" gives "data", "x.json.json" gives "x.json".
    static QString SourceNameOfFile(const QString& path);

protected:
    void SetColumns(const QStringList& columnNames, const QList<QStringList>& rows);
    void SetSourceNameOnly(const QString& name) { FSourceName = name; }

private:
    QString FSetType = SourceSetTypes::OneToOne;
    QString FSourceName;
    QString FItemName;
    bool FMapColumns = false;
    QList<int> FSelectedIndexes;      // 0-based, in output order
    QStringList FSelectedNames;       // in output order
    QStringList FColumnNames;         // in source order
    QList<QStringList> FSampleRows;   // at most MaxSampleRows
    QStringList FStructFieldNames;
};
