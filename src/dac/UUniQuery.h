#pragma once
// One statement of the Access dialect on a connection: SQL text, named
// parameters (":name"), prepare once and execute many times, or open the
// rows of a select forward-only.

#include "UUniDataSet.h"
#include "UUniParam.h"
#include "UStringList.h"

#include <memory>

class TUniConnection;
class TAccessStatement;

class TUniQuery : public TUniDataSet {
public:
    explicit TUniQuery(TUniConnection* connection = nullptr);
    ~TUniQuery() override;

    TUniConnection* Connection() const { return FConnection; }
    void SetConnection(TUniConnection* connection);  // not owned

    const QString& SQL() const { return FSQL; }
    // Closes and unprepares; the parameter list follows the new text, keeping
    // the values of parameters whose names stay.
    void SetSQL(const QString& sql);

    TUniParams& Params() { return FParams; }
    int ParamCount() const { return FParams.Count(); }
    TUniParam* FindParam(const QString& name) const { return FParams.FindParam(name); }
    TUniParam& ParamByName(const QString& name) const { return FParams.ParamByName(name); }

    // Without automatic preparation every Execute compiles the statement anew.
    bool AutoPrepare() const { return FAutoPrepare; }
    void SetAutoPrepare(bool value) { FAutoPrepare = value; }
    void Prepare();
    void UnPrepare();
    bool Prepared() const;

    // Runs the statement with the current parameter values. A statement that
    // returns rows leaves the query open on its first row.
    void Execute();
    void ExecSQL() { Execute(); }
    // Rows changed by the last Execute (0 for a select).
    int RowsAffected() const { return FRowsAffected; }

    void Open() override;
    void Close() override;
    // Whether the statement returns rows (known once prepared or executed).
    bool IsQuery() const;

    // With record counting on, Open counts the rows in advance.
    bool QueryRecCount() const { return FQueryRecCount; }
    void SetQueryRecCount(bool value) { FQueryRecCount = value; }
    int RecordCount() const override;

    // Accepted for compatibility ("FetchAll", ...); rows are always read forward-only.
    TStringList& SpecificOptions() { return FSpecificOptions; }
    void SetUniDirectional(bool value) { FUniDirectional = value; }
    bool UniDirectional() const { return FUniDirectional; }

    QVariant FieldValue(int index) const override;

protected:
    bool FetchNext() override;

private:
    TAccessStatement& EnsureStatement();
    void RunStatement();
    void DescribeFields();

    TUniConnection* FConnection = nullptr;
    QString FSQL;
    TUniParams FParams;
    bool FAutoPrepare = true;
    bool FExplicitlyPrepared = false;
    bool FQueryRecCount = false;
    bool FUniDirectional = true;
    int FRowsAffected = 0;
    int FRecordCount = -1;
    TStringList FSpecificOptions;
    std::unique_ptr<TAccessStatement> FStatement;  // the compiled statement while prepared or open
};
