#include "UDataWriter.h"

QString TDataWriter::LogText()
{
    return QStringLiteral("DataWriter class ") + ClassName() + QStringLiteral("\r\n Desc: ") + GetDescription();
}
