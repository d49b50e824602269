#pragma once
// One prepared parameterised statement executed once per row, inside
// transactions committed every CommitInterval rows.

#include "UDBWriteExecutor.h"
#include "UFieldType.h"

#include <vector>

class TDBHelper;
class TUniParam;

class TOneByOneExecutor : public TDBWriteExecutor {
public:
    TOneByOneExecutor();
    ~TOneByOneExecutor() override;

    void Prepare() override;
    void Finish() override;
    void PostRow(int row) override;
    void SetValue(int row, int column, const QString& value) override;
    void SetDataSet(TUniQuery* query) override;

    bool UseUnicode() const { return FUseUnicode; }
    const QString& DateText() const { return FDateText; }

private:
    void BindValue(int column, const QString& value);
    void BindNumber(TUniParam& param, int column, TFieldType type, const QString& value, bool integral);

    static constexpr int MaxLoggedDateRow = 20;
    QString FDateText;      // the date values of the current row, for error logs
    bool FKeepDateText = true;
    QString FProviderName;  // lower case
    bool FUseUnicode = false;
    std::unique_ptr<TDBHelper> FDBHelper;
    std::vector<TUniParam*> FParams;  // owned by the query
    std::vector<TFieldType> FFieldTypes;
};
