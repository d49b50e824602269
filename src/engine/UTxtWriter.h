#pragma once
// TTxtWriter: a delimited text file, one record per line, every field quoted
// and line breaks flattened so that a record stays on one line.

#include "UFlatFileWriter.h"

class TTxtWriter : public TFlatFileWriter {
    AMBERTIDE_CLASS(TTxtWriter)
public:
    explicit TTxtWriter(const QString& encoding = QString());

    void BeforeWork() override { OpenFile(); }
    void AfterWork() override { CloseFile(); }
    void NewRecord() override { NewLine(); }
    void SetValue(int column, const QString& value) override { AddField(value); }
    void Write() override { WriteLine(); }

    void NewLine() { FLine.clear(); FFieldCount = 0; }
    void AddField(const QString& value);
    // The current line and CR LF.
    void WriteLine();
    // A value as it appears in a line.
    QString EncodeField(const QString& value) const;
    bool IsNumericColumn(int column) const;

    QString Delimiter = QStringLiteral(",");
    QString Quote = QStringLiteral("\"");
    bool WriteHeaderLine = false;
    bool TrailingDelimiter = false;
    bool QuoteAll = true;
    bool FlattenLineBreaks = true;

protected:
    void WriteHeader() override;

private:
    QString FLine;
    int FFieldCount = 0;
};
