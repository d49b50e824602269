#pragma once
// TDestTableOptions: the destination table, its write mode ("Append",
// "Replace", "Update", "Upsert") and key field, and the SQL file that takes
// the statements instead of the database when it is set.

#include "UDataConvertModel.h"

class TDestTableOptions : public TDataConvertModel {
    AMBERTIDE_CLASS(TDestTableOptions)
public:
    // "DestTable", "LoadType" (an empty mode is saved, and set, as "Replace"),
    // "UpdateKey" (for "Update" and "Upsert" only), "SaveToSqlFile", "SqlToSqlEncoding".
    void SaveToIni(TMyIniFile& ini, const QString& section) override;
    // A missing "DestTable" comes from the legacy "Table"; a missing
    // "LoadType" reads as "Append"; a value outside 0 to 3 keeps the mode.
    void LoadFromIni(const TMyIniFile& ini, const QString& section) override;
    // All six texts.
    bool IsEqual(const TDataConvertModel& other) const override;

    QString Schema;       // copied from the schema options
    QString TableName;
    QString LoadType;
    QString UpdateKey;
    QString SqlFile;      // empty: the rows go into the database
    QString SqlEncoding;
};
