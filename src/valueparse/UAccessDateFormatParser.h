#pragma once
// TAccessDateFormatParser: the date rewrite for Access. Formats that Access
// does not read as they are get rewritten into yyyy-mm-dd forms; then every
// value is cleaned of what Access cannot read (local month names and AM/PM
// designators, ISODate wrappers, zone offsets, fractions of seconds,
// weekday names, the "T" between date and time). Times are never shifted: a
// zone part is cut off and the clock time stays as written.

#include "UDateFormatParser.h"

class TAccessDateFormatParser : public TDateFormatParser {
    AMBERTIDE_CLASS(TAccessDateFormatParser)

public:
    TAccessDateFormatParser();

    // "hh24" becomes "hh", then every "f" becomes "n".
    QString TranslateFormat(const QString& format) const override;

protected:
    void FillConvertFormats(QStringList& formats) const override;
    void ConvertValue() override;
    void CleanValue() override;
};
