#include "UTxtWriter.h"

TTxtWriter::TTxtWriter(const QString& encoding)
{
    Encoding = encoding;
}

bool TTxtWriter::IsNumericColumn(int column) const
{
    if (column < 0 || column >= StructColumnNames.Count())
        return false;
    const auto it = ColumnTypes.constFind(StructColumnNames[column]);
    return it != ColumnTypes.constEnd() && IsNumericType(*it);
}

QString TTxtWriter::EncodeField(const QString& value) const
{
    QString text = value;
    if (!Quote.isEmpty())
        text.replace(Quote, Quote + Quote);
    if (FlattenLineBreaks) {
        text.replace(QLatin1Char('\r'), QLatin1Char(' '));
        text.remove(QLatin1Char('\n'));
    }
    return Quote + text + Quote;
}

void TTxtWriter::AddField(const QString& value)
{
    if (FFieldCount > 0)
        FLine += Delimiter;
    if (QuoteAll || !IsNumericColumn(FFieldCount))
        FLine += EncodeField(value);
    else
        FLine += value;
    ++FFieldCount;
}

void TTxtWriter::WriteLine()
{
    if (TrailingDelimiter)
        FLine += Delimiter;
    WriteText(FLine + QStringLiteral("\r\n"));
}

void TTxtWriter::WriteHeader()
{
    if (!WriteHeaderLine)
        return;
    QString line;
    for (int i = 0; i < OutputColumnNames.Count(); ++i) {
        if (i > 0)
            line += Delimiter;
        line += Quote + OutputColumnNames[i] + Quote;
    }
    WriteText(line + QStringLiteral("\r\n"));
}
