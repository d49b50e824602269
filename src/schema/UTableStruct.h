#pragma once
// The working structure of one side of a conversion: column names in use, the
// field kind and database type text of each column, the per-column date
// formats and NULLIF texts, and the destination's table, write mode and key.

#include "UFieldTypes.h"
#include "UStringList.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

class TDateFormatParser;
class TDBDictionary;
class TUniConnection;

// Sample rows: each row holds the column values in source column order.
using TSampleRows = QList<QStringList>;

class TTableStruct {
public:
    TTableStruct();
    virtual ~TTableStruct();
    TTableStruct(const TTableStruct&) = delete;
    TTableStruct& operator=(const TTableStruct&) = delete;

    const QString& DBType() const { return FDBType; }
    // A different kind (exact comparison) replaces the date parser.
    void SetDBType(const QString& kind);
    TDateFormatParser* DateParser() const { return FDateParser.get(); }

    void Clear();
    void SetFieldNames(const TStringList& list) { FieldNames = list; }
    // name=ftKind per entry of FieldNames; a name without a kind is an error.
    TStringList GetFieldTypeNames() const;
    bool IsDateTimeField(const QString& name) const;
    bool HasAutoDetectDateFormat() const;

    void ReadSourceSample(const TSampleRows& rows);
    void ReadSourceSampleForToFile(const TSampleRows& rows);
    void ReadSourceSampleForFieldTypes(const TSampleRows& rows);

    TStringList DateFormats;    // field = date format
    TStringList NullIfValues;   // field = NULLIF text
    TStringList NumericFields;  // SQL-file output only
    TStringList DBFieldNames;   // as the database returns them
    TStringList FieldDBTypes;   // field = type text with length
    QHash<QString, TFieldType> FieldTypes;  // exact keys
    TStringList FieldNames;     // the columns in use, in column order
    QString Schema;
    QString TableName;
    QString LoadType = QStringLiteral("Replace");
    QString UpdateKey;

private:
    TFieldType KindOf(const QString& name, const char* operation) const;
    // True when the strict detection's answer stands for a real date column;
    // translated receives the format in database spelling.
    bool IsUsableDateFormat(const QString& detected, QString& translated) const;

    QString FDBType;
    std::unique_ptr<TDateFormatParser> FDateParser;
};

// Bound to a database: its kind, its dictionary and its connection, the three
// things the structure needs of the database object factory (none owned).
// SetDBObjectFactory (UDBTableStructBinding.h) takes them from a factory.
class TDBTableStruct : public TTableStruct {
public:
    void SetSource(const QString& dbType, TDBDictionary* dictionary, TUniConnection* connection);
    TDBDictionary* Dictionary() const { return FDictionary; }
    TUniConnection* Connection() const { return FConnection; }

    // Schema and TableName must be set.
    void FillStruct();
    void FetchFieldNamesAndTypes(const QString& sql);

private:
    TDBDictionary* FDictionary = nullptr;
    TUniConnection* FConnection = nullptr;
};

// Sample tests of field-kind inference and of the SQL-file output.
bool IsPlatformInt32(const QString& text);
bool IsPlatformInt64(const QString& text);
bool IsLocaleFloat(const QString& text);   // the user's decimal separator, no thousands
bool IsDotDecimalNumber(const QString& text);
