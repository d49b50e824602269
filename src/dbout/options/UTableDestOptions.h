#pragma once
// TTableDestOptions: an Access table as the destination of a conversion: the
// schema and table options, the field map of TDestOptions, the destination
// structure read from the database before every item, and the writer handed
// to the engine (the database writer, or the SQL-file writer when the session
// names an SQL file).

#include "UDestOptions.h"
#include "UDestSchemaOptions.h"
#include "UDestTableOptions.h"
#include "UTableStruct.h"

#include <functional>
#include <memory>

class TDBConvertObjectFactory;
class TDBObjectFactory;
class TDBWriter;
class TSqlWriter;

// The target database of the table destinations (neither is owned).
struct TTableDestTarget {
    TDBObjectFactory* DBFactory = nullptr;
    TDBConvertObjectFactory* ConvertFactory = nullptr;
};

class TTableDestOptions : public TDestOptions {
    AMBERTIDE_CLASS(TTableDestOptions)
public:
    // Where every table destination finds the target database; the
    // application installs it at start-up (tests install their own).
    using TTargetProvider = std::function<TTableDestTarget()>;
    static void SetTargetProvider(TTargetProvider provider);
    static TTableDestTarget Target();

    // Takes the target dictionary's default schema and binds the structure to
    // the target database when there is one.
    TTableDestOptions();
    ~TTableDestOptions() override;

    // "DestSchema", the table keys, then "DestFields".
    void SaveToIni(TMyIniFile& ini, const QString& section) override;
    void LoadFromIni(const TMyIniFile& ini, const QString& section) override;
    bool IsEqual(const TDataConvertModel& other) const override;
    // Reads the destination structure from the database (nothing without a
    // table name): its fields, or the mapped ones with their date formats and
    // NULL markers.
    void Refresh() override;
    QString GetDescription() const override;

    void CreateWriters() override;
    void FreeWriters() override;
    // The SQL-file writer when an SQL file is set, else the database writer,
    // bound to the structure.
    void PrepareWriter() override;
    bool WritesData() const override;
    // "DB: " + connection key + ", Table: " + [schema + "."] + table.
    QString GetSetDescription() const override;
    QString GetDestName() const override { return FTableOptions.TableName.trimmed(); }
    // Every field of the table, "auto detect" for the date/time fields.
    void AddAllFieldsAutoDetect() override;
    TDataWriter* DataWriter() override { return FDataWriter; }
    QString FieldDBTypeText(const QString& fieldName) const override;

    TDestSchemaOptions& SchemaOptions() { return FSchemaOptions; }
    TDestTableOptions& TableOptions() { return FTableOptions; }
    const TDestTableOptions& TableOptions() const { return FTableOptions; }
    TDBTableStruct& TableStruct() { return FTableStruct; }
    void SetSchema(const QString& schema);
    void SetTableName(const QString& name) { FTableOptions.TableName = name; }
    void SetLoadType(const QString& loadType) { FTableOptions.LoadType = loadType; }
    void SetUpdateKey(const QString& key) { FTableOptions.UpdateKey = key; }
    void SetSqlFile(const QString& path, const QString& encoding);

private:
    // Points the structure at the current target database; raises when there is none.
    void BindStruct();

    TDestSchemaOptions FSchemaOptions;
    TDestTableOptions FTableOptions;
    TDBTableStruct FTableStruct;
    std::unique_ptr<TDBWriter> FDBWriter;
    std::unique_ptr<TSqlWriter> FSqlWriter;
    TDataWriter* FDataWriter = nullptr;  // one of the two
};
