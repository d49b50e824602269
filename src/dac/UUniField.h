#pragma once
// Result fields of an open data set. A field describes one column and reads
// the value of the data set's current row.

#include "UFieldType.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QVariant>

class TUniDataSet;

class TUniField {
public:
    TUniField(TUniDataSet* dataSet, int index, QString name, TFieldType type, int size = 0,
              int precision = 0, int scale = 0)
        : FDataSet(dataSet), FIndex(index), FFieldName(std::move(name)), FDataType(type),
          FSize(size), FPrecision(precision), FScale(scale) {}

    const QString& FieldName() const { return FFieldName; }
    // The caption a grid shows; the field name unless set.
    QString DisplayLabel() const { return FDisplayLabel.isEmpty() ? FFieldName : FDisplayLabel; }
    void SetDisplayLabel(const QString& label) { FDisplayLabel = label; }
    TFieldType DataType() const { return FDataType; }
    int Index() const { return FIndex; }
    int Size() const { return FSize; }          // text length for text fields
    int Precision() const { return FPrecision; }
    int Scale() const { return FScale; }

    // NULL is an invalid QVariant. Integers are qint64, numbers double,
    // texts (dates included) QString, binary data QByteArray.
    QVariant Value() const;
    bool IsNull() const { return Value().isNull(); }
    // Empty for NULL; booleans read "True"/"False"; numbers in C-locale form.
    QString AsString() const;
    qint64 AsLargeInt() const;
    int AsInteger() const { return static_cast<int>(AsLargeInt()); }
    double AsFloat() const;
    bool AsBoolean() const;
    // Invalid for NULL or a text that is not a date.
    QDateTime AsDateTime() const;
    QByteArray AsBytes() const;

private:
    TUniDataSet* FDataSet;  // not owned; the data set owns its fields
    int FIndex;
    QString FFieldName;
    QString FDisplayLabel;
    TFieldType FDataType;
    int FSize;
    int FPrecision;
    int FScale;
};
