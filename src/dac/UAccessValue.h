#pragma once
// The engine's conversion of a value for a column, as Access converts what a
// statement gives it: a text "12" for an integer column is 12, a date text is
// stored as "yyyy-mm-dd hh:nn:ss", yes/no is -1 or 0. A value that does not fit
// its column is refused with the Access error text and the column's name.
//
// Converted values are of four kinds only: qint64, double, QString, QByteArray
// (or an invalid QVariant for NULL).

#include "UAccessTypes.h"

#include <QString>
#include <QVariant>

namespace AccessText {
extern const QString TypeMismatch;    // "Data type mismatch in criteria expression."
extern const QString OutOfRange;      // "Numeric value out of range"
extern const QString FieldTooSmall;   // the field is too small for the data
}

// "yyyy-mm-dd hh:nn:ss" with a valid date and time.
bool IsStoredAccessDate(const QString& text);
// Whether a text fits a Text(n) column (characters counted as the engine counts them).
bool FitsAccessText(const QString& text, const TAccessColumnType& type);

// column names the column in error texts.
QVariant ConvertAccessValue(const QVariant& value, const TAccessColumnType& type, const QString& column);
// A value for no known column: booleans become -1/0, dates the stored text.
QVariant NormalizeAccessValue(const QVariant& value);
// The converted value as an SQLite literal.
QString AccessValueLiteral(const QVariant& converted);
