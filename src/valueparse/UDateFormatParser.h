#pragma once
// TDateFormatParser: rewrites a date text, guided by a date format name, into
// a text the database reads reliably. The output is text again; the SQL
// creator puts it into the statement. This class is database-neutral: it only
// resolves the format name and converts spreadsheet serial numbers. Database
// kinds add their rewrite and clean-up rules through the virtual operations
// (see TAccessDateFormatParser).
//
// Parse keeps the current value and format in members, so one parser serves
// one caller at a time.

#include "UDateFormatDetector.h"
#include "UDateLocaleTranslator.h"
#include "UObject.h"
#include "UStringList.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

class TDateFormatParser : public TObject {
    AMBERTIDE_CLASS(TDateFormatParser)

public:
    TDateFormatParser();

    // value rewritten for format: a name in database spelling (any letter
    // case), a canonical name, "detect per record" (any letter case) or any
    // other text, which is used as it is.
    QString Parse(const QString& value, const QString& format);

    // The detector's canonical answer (or "Cannot Detect"); empties the caches first.
    QString DetectRawFormat(const QString& value);
    // Empties the month-name and AM/PM caches.
    void ResetCaches();
    // The detected format in database spelling; DefaultFormat when nothing matches.
    virtual QString DetectFormat(const QString& value);
    QString DefaultFormat() const;

    // For proposals and "auto detect": the last sample that is neither empty
    // nor "N/A" decides; never fails. Answers in database spelling.
    QString DetectColumnFormatLenient(const QList<QStringList>& rows, int column);
    // For field-kind inference: the last non-empty sample decides. Answers a
    // canonical name, "Cannot Detect", or "CANNOT DETECT" when there is no sample.
    QString DetectColumnFormatStrict(const QList<QStringList>& rows, int column);

    // The database spelling of a format name.
    virtual QString TranslateFormat(const QString& format) const;
    // The format handed to a database conversion function; fieldKind is the
    // field's data-access type.
    virtual QString DBFunctionFormat(const QString& format, int fieldKind) const;

    // canonical name=pattern, in detection order.
    const TStringList& FormatPatterns() const { return FFormatPatterns; }
    // database spelling=canonical name, in detection order.
    const TStringList& DBFormatNames() const { return FDBFormatNames; }
    // "Auto Detect" followed by every database spelling: the choices offered to users.
    const QStringList& FormatList() const { return FFormatList; }
    // Names whose values get the database rewrite.
    const QStringList& ConvertFormats() const { return FConvertFormats; }
    // Formats already found to carry local month names / AM-PM designators.
    const QStringList& MonthNameFormats() const { return FMonthNameFormats; }
    const QStringList& AmPmFormats() const { return FAmPmFormats; }

    const TDateFormatDetector& Detector() const { return FDetector; }
    const TDateLocaleTranslator& Translator() const { return FTranslator; }

    const QString& FormatName() const { return FFormatName; }
    const QString& Format() const { return FFormat; }
    const QString& Value() const { return FValue; }

protected:
    struct TDeferInit {};
    // For derived classes: their constructor calls Initialize once their
    // virtual operations are in place.
    explicit TDateFormatParser(TDeferInit);
    void Initialize();

    virtual void FillConvertFormats(QStringList& formats) const;
    // Rewrites FValue for FFormat (one of ConvertFormats).
    virtual void ConvertValue();
    // Runs on every non-empty value after the rewrite.
    virtual void CleanValue();

    bool IsConvertFormat(const QString& format) const;
    // The caches; names compare without letter case.
    bool IsMonthNameFormat(const QString& format) const;
    void AddMonthNameFormat(const QString& format);
    bool IsAmPmFormat(const QString& format) const;
    void AddAmPmFormat(const QString& format);

    QString FValue;
    QString FFormat;

private:
    void ConvertSpreadsheetValue();

    TDateFormatDetector FDetector;
    TDateLocaleTranslator FTranslator;
    TStringList FFormatPatterns;
    TStringList FDBFormatNames;
    QHash<QString, QString> FCanonicalByDBName;  // lower-case database spelling -> canonical
    QStringList FFormatList;
    QStringList FConvertFormats;
    QSet<QString> FConvertFormatKeys;  // lower case
    QStringList FMonthNameFormats;
    QSet<QString> FMonthNameKeys;
    QStringList FAmPmFormats;
    QSet<QString> FAmPmKeys;
    QString FFormatName;
};
