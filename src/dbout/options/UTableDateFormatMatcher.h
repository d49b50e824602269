#pragma once
// The date format matchers of the destinations. A table destination asks its
// structure which fields are date/time fields and proposes the lenient
// detection of its database's parser; a file destination treats every field
// as a date field but keeps only answers of the strict detection that stand
// for a real date column.

#include "UDateFormatMatcher.h"

class TTableStruct;

class TTableDateFormatMatcher : public TDateFormatMatcher {
public:
    // The structure is not owned and must outlive the matcher.
    explicit TTableDateFormatMatcher(TTableStruct& tableStruct) : FTableStruct(tableStruct) {}

    bool IsEnabled() const override { return true; }
    // False for a field the structure does not know.
    bool IsDateField(const QString& fieldName) const override;
    TDateFormatParser* GetParser() const override;
    QString DetectColumnFormat(int column, const QList<QStringList>& rows) const override;
    QStringList GetFormatList() const override;

private:
    TTableStruct& FTableStruct;
};

class TFileDateFormatMatcher : public TDateFormatMatcher {
public:
    // The parser is not owned and must outlive the matcher.
    explicit TFileDateFormatMatcher(TDateFormatParser* parser) : FParser(parser) {}

    bool IsEnabled() const override { return true; }
    bool IsDateField(const QString&) const override { return true; }
    TDateFormatParser* GetParser() const override { return FParser; }
    // In database spelling; "" for "CANNOT DETECT", Excel serial numbers and "yyyymm".
    QString DetectColumnFormat(int column, const QList<QStringList>& rows) const override;
    QStringList GetFormatList() const override;

private:
    TDateFormatParser* FParser;
};
