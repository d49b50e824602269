#pragma once
// TDateFormatMatcher: answers which date format a destination field takes from
// a source column. This neutral base is not enabled, treats no field as a date
// field and has no parser; destinations bring their own matcher.

#include <QList>
#include <QString>
#include <QStringList>

class TDateFormatParser;

class TDateFormatMatcher {
public:
    virtual ~TDateFormatMatcher() = default;

    virtual bool IsEnabled() const { return false; }
    virtual bool IsDateField(const QString& fieldName) const { return false; }
    virtual TDateFormatParser* GetParser() const { return nullptr; }
    // The format of column (0-based) over the sample rows.
    virtual QString DetectColumnFormat(int column, const QList<QStringList>& rows) const { return QString(); }
    // "Auto Detect" followed by every format; empty without a parser.
    virtual QStringList GetFormatList() const { return {}; }

    // Empty when not enabled, not a date field or without a parser.
    QString MatchFormat(const QString& fieldName, int column, const QList<QStringList>& rows) const;
};
