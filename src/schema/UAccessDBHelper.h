#pragma once
// The Access dialect: names in square brackets, "select top n", Memo and OLE Object.

#include "UDBHelper.h"

class TAccessDBHelper : public TDBHelper {
    AMBERTIDE_CLASS(TAccessDBHelper)
public:
    // A name holding "[" anywhere is taken as quoted already; "]" is not escaped.
    QString QuoteName(const QString& name) const override;
    bool NeedsStringToDateFunction() const override { return false; }
    QString GetStringToDateFunction(const QString& value, const QString& format) const override { return QString(); }
    // "select top " + count + the text after the first "select" (exact letter case).
    QString LimitRows(const QString& sql, int count) const override;
    QString BinaryTypeName() const override { return QStringLiteral("OLE Object"); }
    QString LongTextTypeName() const override { return QStringLiteral("Memo"); }
};
