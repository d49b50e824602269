#pragma once
// The dictionary of an Access database: no schemas, and a primary key guessed
// from an "id" column or the columns that identify a row.

#include "UUniDBDictionary.h"

class TAccessDBDictionary : public TUniDBDictionary {
    AMBERTIDE_CLASS(TAccessDBDictionary)
public:
    void GetConstraints(const QString& schema, const QString& table, TTableInfo& info) override;
    std::unique_ptr<TStringList> GetSchemas() override { return std::make_unique<TStringList>(); }
    QString GetDefaultSchema() override { return QString(); }
};
