#include "UFileWriter.h"

#include "UTableStruct.h"

QString TFileWriter::GetDescription()
{
    return QStringLiteral("To File: ") + FFilePath;
}

void TFileWriter::InitBySourceTableStruct(TTableStruct* sourceStruct)
{
    if (!sourceStruct)
        return;
    TableName = sourceStruct->TableName;
    StructColumnNames = sourceStruct->FieldNames;
    ColumnTypes = sourceStruct->FieldTypes;
}

void TFileWriter::SetFileName(const QString& fileName)
{
    FFileName = fileName;
    FFilePath = ApplyFileNameDateMacros(fileName, QDateTime::currentDateTime());
}

QString ApplyFileNameDateMacros(const QString& fileName, const QDateTime& time)
{
    if (!fileName.contains(QLatin1Char('#')))
        return fileName;
    const QDate date = time.date();
    const QTime clock = time.time();
    auto two = [](int v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); };
    QString result = fileName;
    result.replace(QStringLiteral("#yyyy#"), QStringLiteral("%1").arg(date.year(), 4, 10, QLatin1Char('0')),
                   Qt::CaseInsensitive);
    result.replace(QStringLiteral("#mm#"), two(date.month()), Qt::CaseInsensitive);
    result.replace(QStringLiteral("#dd#"), two(date.day()), Qt::CaseInsensitive);
    result.replace(QStringLiteral("#hh#"), two(clock.hour()), Qt::CaseInsensitive);
    result.replace(QStringLiteral("#mi#"), two(clock.minute()), Qt::CaseInsensitive);
    result.replace(QStringLiteral("#ss#"), two(clock.second()), Qt::CaseInsensitive);
    return result;
}
