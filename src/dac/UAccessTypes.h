#pragma once
// Access column types: reading them from DDL, how the engine declares and
// checks them in the SQLite file, and how metadata and result fields show them.
//
// The declared type kept in the file is the Access name the metadata reports
// ("VARCHAR(50)", "LONGCHAR", "DATETIME", ...; a Long is "INT"); each of those names gives the
// SQLite column the storage affinity the kind needs (LONGCHAR holds "CHAR", so
// a memo keeps "00123" as text). The value checks are CHECK constraints next
// to the column, built from SQLite's own functions, so that any writer of the
// file is held to them.

#include "UFieldType.h"

#include <QString>

enum class TAccessKind {
    Text, Memo, Byte, Short, Long, Single, Double, Currency, Decimal, DateTime, Bit, Counter,
    Binary, Unknown
};

// Which rule a failed CHECK constraint stood for; part of the constraint name.
enum class TAccessCheck { Type, Range, Length };

struct TAccessColumnType {
    TAccessKind Kind = TAccessKind::Unknown;
    int Length = 0;     // Text: maximum characters (1 to 255)
    int Precision = 0;  // Decimal: digits in all (1 to 28)
    int Scale = 0;      // Decimal: digits after the point

    // An Access DDL type in any letter case: Text(n)/Char(n)/VarChar(n),
    // Memo/LongText, Byte, Short/SmallInt, Long/Integer/Int, Single/Real,
    // Double/Float/Number, Currency/Money, Decimal/Numeric(p,s), DateTime/Date/
    // Time/TimeStamp, YesNo/Bit, Counter/AutoNumber, LongBinary/OLE Object/Binary.
    // False for any other text, or a length out of range.
    static bool TryParse(const QString& typeText, TAccessColumnType& type);
    // The kind of a declared type found in the file; a type written by another
    // SQLite tool is read by SQLite's affinity rules.
    static TAccessColumnType FromDeclared(const QString& declared);

    // The declared type written into the file.
    QString DeclaredType() const;
    // The Access type name of metadata: VARCHAR, LONGCHAR, BYTE, ...
    QString TypeName() const;
    int DataLength() const;
    int DataPrecision() const;
    int DataScale() const;
    TFieldType FieldType(bool useUnicode) const;

    bool IsInteger() const;
    bool IsNumber() const;  // integers, floating point, currency and decimal
    bool IsText() const { return Kind == TAccessKind::Text || Kind == TAccessKind::Memo; }

    // The CHECK constraints of a column (with a leading blank), "" when none.
    // column is the bare name; the constraint names carry it for the error text.
    QString CheckClauses(const QString& column) const;
    // The largest magnitude of a number kind.
    double MaxMagnitude() const;
    qint64 MinInteger() const;
    qint64 MaxInteger() const;
};

// "CONSTRAINT" name of one check of a column, and reading it back from an
// SQLite error message ("CHECK constraint failed: <name>").
QString AccessCheckName(TAccessCheck check, const QString& column);
bool ParseAccessCheckName(const QString& name, TAccessCheck& check, QString& column);

// Quotes a name for the SQLite text: "name" with inner quotes doubled.
QString SqliteQuote(const QString& name);
