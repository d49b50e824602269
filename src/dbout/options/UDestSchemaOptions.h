#pragma once
// TDestSchemaOptions: the schema of the destination table (empty for Access).

#include "UDataConvertModel.h"

class TDestSchemaOptions : public TDataConvertModel {
    AMBERTIDE_CLASS(TDestSchemaOptions)
public:
    explicit TDestSchemaOptions(QString defaultSchema = QString()) : FSchema(std::move(defaultSchema)) {}

    // "DestSchema".
    void SaveToIni(TMyIniFile& ini, const QString& section) override;
    // "DestSchema", or the legacy "Schema" when it is empty.
    void LoadFromIni(const TMyIniFile& ini, const QString& section) override;
    bool IsEqual(const TDataConvertModel& other) const override;

    const QString& Schema() const { return FSchema; }
    void SetSchema(const QString& schema) { FSchema = schema; }

private:
    QString FSchema;
};
