#pragma once
// TJsonSourceOptions: one JSON file as the source of an item: the file (and
// the URL it comes from), the node that holds the records and how many levels
// of nested objects become columns. It owns the reader and sets it up again
// before every sampling and run.

#include "UFileSourceOptions.h"

#include <QStringList>
#include <memory>

class TJsonReader;
class TPartColumnDataReaderAdapter;
class TTableStruct;

class TJsonSourceOptions : public TFileSourceOptions {
    AMBERTIDE_CLASS(TJsonSourceOptions)
public:
    TJsonSourceOptions();
    ~TJsonSourceOptions() override;

    // The file source's keys, then "DataItem" and "Sublevel".
    void SaveToIni(TMyIniFile& ini, const QString& section) override;
    // "DataItem" goes through SetDataItem; a missing "Sublevel" gives 1.
    void LoadFromIni(const TMyIniFile& ini, const QString& section) override;
    // Data item, sublevel, then the file-source comparison.
    bool IsEqual(const TDataConvertModel& other) const override;

    void CreateTableStruct() override;
    TDataReader* DataReader() override;
    void CreateDataReader() override;
    // File-name flags, the file, the data item (for "SetTypeNToN" with the
    // file's default item when the configured one gives no column), the
    // sublevel; then the item name follows the data item actually used.
    void ConfigureReader() override;
    void ReadSample(int maxRows, QStringList& columnNames, QList<QStringList>& rows) override;
    void SetStructFieldNames(const QStringList& names) override;
    void SetStructSampleRows(const QList<QStringList>& rows) override;
    TTableStruct* TableStruct() override { return FTableStruct.get(); }
    // Downloads with a monitor that shows nothing.
    void DownloadSource(const QString& url, const QString& fileName) override;

    const QString& DataItem() const { return FDataItem; }
    // Unless the path is "{}" or "[]" (or empty), the item name follows it.
    void SetDataItem(const QString& path);
    int Sublevel() const { return FSublevel; }
    void SetSublevel(int value) { FSublevel = value; }
    TJsonReader& Reader() { return *FReader; }

    // The default table name of a data-item path: the last segment; a segment
    // with indexes loses them and is made singular ("Categories^0" gives
    // "category", "Items^3" gives "Item"); "orders" stays "orders".
    static QString ItemNameOfDataItem(const QString& path);

private:
    void FollowDataItem(const QString& path);

    QString FDataItem;
    int FSublevel = 0;  // 0 reads like 1
    std::unique_ptr<TJsonReader> FReader;
    std::unique_ptr<TTableStruct> FTableStruct;
    std::unique_ptr<TPartColumnDataReaderAdapter> FColumnAdapter;
    QStringList FColumnIndexTexts;  // what the column adapter's filter reads
};
