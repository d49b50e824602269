#pragma once
// TDateFormatDetector: which of the known date and time pictures a text
// follows. The table is ordered; the first picture whose pattern matches the
// whole (trimmed, upper-cased, unquoted) text wins, which is how ambiguous
// texts such as 01/02/2020 are settled. The three spreadsheet serial-number
// pictures come last and are tried on the text exactly as the caller gave it.

#include <QList>
#include <QString>

namespace DateFormatNames {
inline const QString CannotDetect = QStringLiteral("Cannot Detect");
inline const QString CannotDetectUpper = QStringLiteral("CANNOT DETECT");
inline const QString AutoDetect = QStringLiteral("Auto Detect");
inline const QString AutoDetectSession = QStringLiteral("auto detect");
inline const QString DetectPerRecord = QStringLiteral("detect per record");
inline const QString ISODate = QStringLiteral("ISODate");
inline const QString ExcelDate = QStringLiteral("Excel Date");
inline const QString ExcelDateTime = QStringLiteral("Excel DateTime");
inline const QString ExcelTime = QStringLiteral("Excel Time");
}  // namespace DateFormatNames

struct TDateFormatEntry {
    QString Name;     // canonical format name, such as "yyyy-mm-dd hh24:mi:ss"
    QString Pattern;  // anchored pattern, matched case-sensitively against upper-cased text
};

class TDateFormatTable;

class TDateFormatDetector {
public:
    TDateFormatDetector();

    // The canonical format name of value, or "Cannot Detect".
    QString Detect(const QString& value) const;

    // Every picture in priority order, the spreadsheet pictures last.
    const QList<TDateFormatEntry>& Entries() const;

private:
    // Shared by every detector: compiled once per process.
    const TDateFormatTable& FTable;
};
