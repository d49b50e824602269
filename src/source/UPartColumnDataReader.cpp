#include "UPartColumnDataReader.h"

#include "UException.h"

int TPartColumnDataReader::InnerIndex(int index) const
{
    if (index < 0 || index >= FColumnIndexes->size())
        RaiseColumnIndexError(index);
    const QString& entry = FColumnIndexes->at(index);
    bool ok = false;
    const int inner = entry.trimmed().toInt(&ok);
    if (!ok)
        throw Exception(QStringLiteral("'%1' is not a valid integer value").arg(entry));
    // An index past the inner columns would read outside the row; refuse it
    // with the position instead.
    if (inner < -1 || inner >= FInner->ColumnCount())
        RaiseColumnIndexError(inner);
    return inner;
}

QString TPartColumnDataReader::ColumnName(int index) const
{
    const int inner = InnerIndex(index);
    return inner < 0 ? QString() : FInner->ColumnName(inner);
}

QString TPartColumnDataReader::ColumnValue(int index) const
{
    const int inner = InnerIndex(index);
    return inner < 0 ? QString() : FInner->ColumnValue(inner);
}

QString TPartColumnDataReader::FilteredValue(int index) const
{
    const int inner = InnerIndex(index);
    return inner < 0 ? QString() : FInner->FilteredValue(inner);
}

TDataReader* TPartColumnDataReaderAdapter::Wrap(TDataReader* inner, const QStringList* columnIndexes)
{
    FReader.reset();
    FReader = std::make_unique<TPartColumnDataReader>(inner, columnIndexes);
    return FReader.get();
}
