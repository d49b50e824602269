#pragma once
// Named parameters of a statement. A parameter holds one typed value or NULL;
// the value is converted to its column's kind by the engine when the statement
// runs, so a text "12" bound to an integer column stores 12, and a text that is
// not a number is refused there.

#include "UFieldType.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QVariant>
#include <memory>
#include <vector>

enum TParamType { ptUnknown, ptInput, ptOutput, ptInputOutput, ptResult };

class TUniParam {
public:
    explicit TUniParam(QString name) : FName(std::move(name)) {}

    const QString& Name() const { return FName; }
    TFieldType DataType() const { return FDataType; }
    void SetDataType(TFieldType type) { FDataType = type; }
    TParamType ParamType() const { return FParamType; }
    void SetParamType(TParamType type) { FParamType = type; }

    // Value becomes NULL; the data type stays.
    void Clear() { FValue = QVariant(); }
    bool IsNull() const { return FValue.isNull(); }
    void SetNull(TFieldType type) { FDataType = type; FValue = QVariant(); }

    void SetAsString(const QString& v) { FDataType = ftString; FValue = v; }
    void SetAsWideString(const QString& v) { FDataType = ftWideString; FValue = v; }
    void SetAsMemo(const QString& v) { FDataType = ftMemo; FValue = v; }
    void SetAsWideMemo(const QString& v) { FDataType = ftWideMemo; FValue = v; }
    void SetAsInteger(int v) { FDataType = ftInteger; FValue = v; }
    void SetAsSmallInt(int v) { FDataType = ftSmallint; FValue = v; }
    void SetAsLargeInt(qint64 v) { FDataType = ftLargeint; FValue = v; }
    void SetAsFloat(double v) { FDataType = ftFloat; FValue = v; }
    void SetAsCurrency(double v) { FDataType = ftCurrency; FValue = v; }
    void SetAsBoolean(bool v) { FDataType = ftBoolean; FValue = v; }
    void SetAsDateTime(const QDateTime& v) { FDataType = ftDateTime; FValue = v; }
    // Binary data (ftBlob unless a binary kind is given).
    void SetAsBytes(const QByteArray& v, TFieldType type = ftBlob) { FDataType = type; FValue = v; }
    // Any value; the data type is left as it is.
    void SetValue(const QVariant& v) { FValue = v; }

    const QVariant& Value() const { return FValue; }
    QString AsString() const { return FValue.toString(); }

private:
    QString FName;
    TFieldType FDataType = ftUnknown;
    TParamType FParamType = ptInput;
    QVariant FValue;
};

// The parameters of one statement in the order of their first appearance.
// Names compare without letter case; a name used twice is one parameter.
class TUniParams {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    TUniParam& operator[](int index) { return *FItems[index]; }
    const TUniParam& operator[](int index) const { return *FItems[index]; }
    TUniParam* FindParam(const QString& name) const;
    // Raises "Parameter '<name>' not found" when absent.
    TUniParam& ParamByName(const QString& name) const;
    int IndexOf(const QString& name) const;

    // Keeps the parameters (and their values) whose names stay; drops the others.
    void Rebuild(const QStringList& names);
    void Clear() { FItems.clear(); }

private:
    std::vector<std::unique_ptr<TUniParam>> FItems;
};
