#pragma once
// The contract through which the conversion engine hands a writer one row
// after another, column by column, as text.

#include "UObject.h"
#include "UStringList.h"

#include <QList>
#include <QString>
#include <QStringList>

class TTableStruct;

class TDataWriter : public TObject {
    AMBERTIDE_CLASS(TDataWriter)
public:
    // The columns written, in column order; SetValue indexes refer to it.
    virtual const TStringList& GetFieldNames() = 0;
    virtual void BeforeWork() {}
    virtual void AfterWork() {}
    virtual void NewRecord() {}
    virtual void SetValue(int column, const QString& value) {}
    virtual void Write() {}
    virtual QString GetDescription() { return QString(); }
    virtual bool NeedInitBySourceTableStruct() { return true; }
    virtual void InitBySourceTableStruct(TTableStruct* sourceStruct) {}
    virtual bool NeedReadSourceSample() { return false; }
    virtual void ReadSourceSample(const QList<QStringList>& rows) {}

    int ColumnCount() { return GetFieldNames().Count(); }
    // "DataWriter class " + class name + CR LF + " Desc: " + description.
    QString LogText();
};
