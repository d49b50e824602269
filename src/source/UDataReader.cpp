#include "UDataReader.h"

#include "UException.h"

QString TDataReader::PositionText() const
{
    return QStringLiteral(" Row ") + QString::number(RowIndex());
}

QString TDataReader::DebugText() const
{
    return QStringLiteral("DataReader class ") + ClassName() + QStringLiteral("\r\n Desc: ") + SourceText();
}

void RaiseColumnIndexError(int index)
{
    throw Exception(QStringLiteral("Column index out of range: %1").arg(index));
}
