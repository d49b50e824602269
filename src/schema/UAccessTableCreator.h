#pragma once
// The Access dialect of the table creator.

#include "UTableCreator.h"

class TAccessTableCreator : public TTableCreator {
    AMBERTIDE_CLASS(TAccessTableCreator)
public:
    TAccessTableCreator();

    std::unique_ptr<TDBHelper> CreateDBHelper() override;
    QString TranslateType(const QString& type) override;
    QString DefaultClause() override { return QString(); }
    QString AutoIncrementClause() override { return QString(); }
    void FillFieldTypeList() override;
    void FillNonKeyTypes() override;
    int MaxFieldNameLength() override { return 64; }
    bool SupportsDefaultValue() override { return false; }
};
