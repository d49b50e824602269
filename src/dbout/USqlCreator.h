#pragma once
// Turns a destination table structure into the statements that put rows into
// the table, and converts the values of numeric, boolean and date columns.

#include "UFieldTypes.h"
#include "UNumberFormatParser.h"
#include "UStringList.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class TDBHelper;
class TTableStruct;

class TSqlCreator {
public:
    TSqlCreator();
    virtual ~TSqlCreator();

    // Keeps the structure (not owned) and creates the helper of its kind.
    void SetTableStruct(TTableStruct* tableStruct);
    TTableStruct* TableStruct() const { return FTableStruct; }
    TDBHelper* DBHelper() const { return FDBHelper.get(); }
    void SetFieldTypes(const QHash<QString, TFieldType>& fieldTypes);
    void ReadSqlFileSample(const QList<QStringList>& rows);

    void PrepareStatements();

    QString GetQualifiedTableName() const;
    QString QuoteColumn(const QString& name) const;
    QString GetInsertSql() const;
    QString GetInsertSqlWithParams();
    QString GetUpdateSql() const;
    QString GetWriteSql();
    QString GetTruncateSql() const;
    QString GetDeleteSql() const;

    // Raises when the load type updates by a key that is not a written column:
    // such an update statement would have no where clause and change every row.
    void CheckUpdateKey() const;

    virtual QString FillValue(const QString& sql, int column, const QString& value);
    QString ParseNumber(int column, const QString& value, const QString& mode);
    QString FormatDate(const QString& columnName, const QString& value) const;
    bool IsNullValue(const QString& columnName, const QString& value) const;
    static bool IsNullDate(const QString& value);

    // Per-column forms of the look-ups above for the row loop; valid after
    // PrepareStatements.
    bool IsNullValueAt(int column, const QString& value) const;
    QString FormatDateAt(int column, const QString& value) const;

    bool HasLobColumns() const { return !FLobColumns.IsEmpty(); }
    bool HasBinaryLob() const { return FHasBinaryLob; }
    QString GetParamName(int column) const { return FParamNames.value(column); }
    TFieldType GetFieldType(int column) const;

    const QStringList& ParamNames() const { return FParamNames; }
    const QStringList& ValueExpressions() const { return FValueExpressions; }
    const TStringList& DateColumns() const { return FDateColumns; }
    const TStringList& NumberColumns() const { return FNumberColumns; }
    const TStringList& LobColumns() const { return FLobColumns; }

    // The parameter name rule, exposed for the table creator's checks and tests.
    static QString BaseParamName(const QString& columnName);
    static QString NextFreeParamName(const QString& taken);

private:
    enum class TColumnClass { Other, Date, Boolean, Number };

    void ComputeParamNames();
    void ClassifyColumns();
    void ComputeValueExpressions();
    QString ColumnName(int column) const;
    void RequirePrepared(int column, const char* operation) const;

    bool FHasBinaryLob = false;
    QStringList FParamNames;
    TStringList FDateColumns;
    TStringList FNumberColumns;
    TStringList FLobColumns;
    QStringList FValueExpressions;
    TNumberFormatParser FNumberParser;
    std::vector<TNumberFormat> FNumberFormats;
    TStringList FNumericFieldNames;
    TTableStruct* FTableStruct = nullptr;
    std::unique_ptr<TDBHelper> FDBHelper;

    // Caches of one run, filled by PrepareStatements.
    std::vector<TColumnClass> FColumnClasses;
    QStringList FNullIfTexts;   // "" when the column has none
    QStringList FDateFormats;
};
