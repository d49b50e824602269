#pragma once
// The dictionary of connections of the data-access layer: table and view
// lists from its metadata reads, the description from its connection.

#include "UDBDictionary.h"

class TUniDBDictionary : public TDBDictionary {
    AMBERTIDE_CLASS(TUniDBDictionary)
public:
    QString GetDatabaseDescription() const override;
    std::unique_ptr<TStringList> GetTables(const QString& schema) override;
    std::unique_ptr<TStringList> GetViews(const QString& schema) override;

protected:
    std::unique_ptr<TStringList> GetTableNames(const QString& schema, const QString& tableType);
};
