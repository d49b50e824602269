#pragma once
// The SQL dialect of a database kind. A helper holds no state; the base class
// answers for a generic SQL database, each kind overrides what differs.

#include "UObject.h"

#include <QString>
#include <QStringList>

class TStringList;
class TUniConnection;

class TDBHelper : public TObject {
    AMBERTIDE_CLASS(TDBHelper)
public:
    // Slot 0: the name unchanged.
    virtual QString QuoteName(const QString& name) const { return name; }
    // Slot 1: every "'" doubled.
    virtual QString EscapeText(const QString& text) const;
    // Slots 2, 3: writers work in transactions, committed every CommitInterval rows.
    virtual bool UsesTransactions() const { return true; }
    virtual int CommitInterval() const { return 1000; }
    // Slot 4: one insert-or-update statement; kinds without one raise "Abstract Error".
    virtual QString UpsertStatement(const QString& qualifiedTable, const QStringList& fieldNames,
                                    const QStringList& valueExpressions, const QString& keyField) const;
    // Slots 5, 6: the placeholder of a column's value; the type text is for dialects that cast.
    virtual QString ParameterExpression(const QString& name, const QString& typeText) const;
    virtual QString LobParameterExpression(const QString& name, const QString& typeText) const;
    // Slot 7: the text that stands for an empty date value.
    virtual QString EmptyValueText() const { return QString(); }
    // Slot 8: whether date texts go through a conversion function; "Abstract Error" here.
    virtual bool NeedsStringToDateFunction() const;
    // Slot 9: raises "Class: <class> Should implement GetStringToDateFunction"
    // when slot 8 says a function is needed; otherwise "".
    virtual QString GetStringToDateFunction(const QString& value, const QString& format) const;
    // Slot 10: a statement that proves a connection works; "" trusts the connected flag.
    virtual QString ConnectionTestSQL() const { return QString(); }
    // Slot 11: the statement limited to its first count rows.
    virtual QString LimitRows(const QString& sql, int count) const { return sql; }
    // Slots 12, 13.
    virtual QString QuoteFieldName(const QString& name) const { return QuoteName(name); }
    virtual QString QuoteParameterName(const QString& name) const { return QuoteName(name); }
    // Slots 14, 15: the column types for binary data and long text.
    virtual QString BinaryTypeName() const { return QStringLiteral("BLOB"); }
    virtual QString LongTextTypeName() const { return QStringLiteral("CLOB"); }
    // Slots 16, 18, 19, 20: tuning asked by the bulk writers of other kinds;
    // 0 (false) lets a writer use its own default.
    virtual bool PrefersBulkLoader() const { return false; }
    // Slot 17.
    virtual bool CanCountRecords(TUniConnection* connection, const QString& table) const { return true; }
    virtual int BatchRowCount() const { return 0; }
    virtual int ValuesArrayRowCount() const { return 0; }
    virtual int LoaderRowCount() const { return 0; }
    // Slot 21: may rewrite the name=type list of a new table; unchanged here.
    virtual void AdjustFieldTypes(TStringList& fieldTypes) const {}

    // QuoteName(table), preceded by QuoteName(schema) + "." when the trimmed schema is not empty.
    QString QualifiedName(const QString& schema, const QString& table) const;
    // The quoted names joined by "," without blanks.
    QString QuoteNameList(const QStringList& names) const;
};
