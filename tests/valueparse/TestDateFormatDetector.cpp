#include "TestUtil.h"

#include "UDateFormatDetector.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

struct TDetectRow {
    const char* Value;
    const char* Expected;
};

struct TPictureRow {
    const char* Value;
    const char* Picture;
    const char* Detected = nullptr;  // when another picture wins
};

// One value per picture, in table order, each detected as that picture.
const TPictureRow PictureRows[] = {
    {"31/Jan/2020:10:15:00 +0100", "dd/mon/yyyy:hh24:mi:ss TZR"},
    {"Jan 31 2020 10:15AM", "mon dd yyyy hh:miAM"},
    {"01/02/2020", "mm/dd/yyyy"},
    {"2020.01.31", "yyyy.mm.dd"},
    {"25/02/2020", "dd/mm/yyyy"},
    {"31.01.2020", "dd.mm.yyyy"},
    {"31-01-2020", "dd-mm-yyyy"},
    {"31 Jan 2020", "dd mon yyyy"},
    {"Jan 31, 2020", "mon dd, yyyy"},
    {"10:15:00", "hh24:mi:ss"},
    {"Jan 31 2020 10:15:00:123AM", "mon dd yyyy hh:mi:ss:fffAM"},
    {"01-31-2020", "mm-dd-yyyy"},
    {"2020/01/31", "yyyy/mm/dd"},
    {"20200131", "yyyymmdd"},
    {"20200131101500", "yyyymmddhh24miss"},
    {"31 Jan 2020 10:15:00:123", "dd mon yyyy hh24:mi:ss:fff"},
    {"10:15:00:123", "hh24:mi:ss:fff"},
    {"10:15:00 AM", "hh24:mi:ss AM"},
    {"2020-01-31 10:15:00", "yyyy-mm-dd hh24:mi:ss"},
    {"2020-01-31 10:15", "yyyy-mm-dd hh24:mi"},
    {"20200131 10:15:00", "yyyymmdd hh24:mi:ss"},
    {"2020-01-31 10:15:00.5", "yyyy-mm-dd hh24:mi:ss.f"},
    {"2020-01-31 10:15:00.12", "yyyy-mm-dd hh24:mi:ss.ff"},
    {"2020-01-31 10:15:00.123", "yyyy-mm-dd hh24:mi:ss.fff"},
    {"2020-01-31T10:15:00.123", "yyyy-mm-ddThh24:mi:ss.fff"},
    {"2020.01.31 10:15:00.123", "yyyy.mm.dd hh24:mi:ss.fff"},
    {"2020 01 31 10:15:00", "yyyy mm dd hh24:mi:ss"},
    {"01/31/20", "mm/dd/yy"},
    {"20.01.31", "yy.mm.dd"},
    {"31/01/20", "dd/mm/yy"},
    {"15.01.45", "dd.mm.yy"},
    {"31-01-20", "dd-mm-yy"},
    {"31 Jan 20", "dd mon yy"},
    {"Jan 31, 20", "mon dd, yy"},
    {"01-31-20", "mm-dd-yy"},
    {"45/01/31", "yy/mm/dd"},
    {"200131", "yymmdd"},
    {"202001", "yyyymm"},
    {"2020-01", "yyyy-mm"},
    {"01/31/20 10:15:00 AM", "mm/dd/yy hh:mi:ss AM"},
    {"2020-01-31", "yyyy-mm-dd"},
    {"31/01/2020 10:15:00", "dd/mm/yyyy hh24:mi:ss"},
    {"01.31.2020 10.15.00", "mm.dd.yyyy hh24.mi.ss"},
    {"2020/01/31 10:15", "yyyy/mm/dd hh24:mi"},
    {"31/01/2020 10:15", "dd/mm/yyyy hh24:mi"},
    {"31-Jan-20", "dd-mon-yy"},
    {"2020/01/31 AM 10:15:00", "yyyy/mm/dd AM hh:mi:ss"},
    {"2020-01-31 PM 10:15:00", "yyyy-mm-dd AM hh:mi:ss"},
    {"2020-01-31-10.15.00.123456", "yyyy-mm-dd-hh24.mi.ss.ffffff"},
    {"2020-01-31 10:15:00.123456", "yyyy-mm-dd hh24:mi:ss.ffffff"},
    {"2020-01-31 10:15:00.1234567", "yyyy-mm-dd hh24:mi:ss.fffffff"},
    {"2020-01-31 10:15:00.123456789", "yyyy-mm-dd hh24:mi:ss.fffffffff"},
    {"2020-01-31 10:15:00.1234567 +01:00", "yyyy-mm-dd hh24:mi:ss.fffffff TZR"},
    {"2020-01-31 10:15:00.123456+01:00", "yyyy-mm-dd hh24:mi:ss.ffffffTZR"},
    {"Fri, 31 Jan 2020", "dy, dd mon yyyy"},
    {"Fri, 31 Jan 2020 10:15:00 +0100", "dy, dd mon yyyy hh24:mi:ss TZR"},
    {"Fri Jan 31 2020 10:15:00 GMT+0100", "dy mon dd yyyy hh24:mi:ss GMTTZR"},
    {"Fri Jan 31 10:15:00 +0100 2020", "dy mon dd hh24:mi:ss TZR yyyy"},
    {"ISODate(\"2020-01-31T10:15:00Z\")", "ISODate"},
    {"2020-01-31 10:15:00+01:00", "yyyy-mm-dd hh24:mi:ssTZR"},
    {"2020-01-31 10:15:00Z", "yyyy-mm-dd hh24:mi:ssZ"},
    {"2020-01-31T10:15:00Z", "yyyy-mm-ddThh24:mi:ssZ"},
    {"2020-01-31T10:15:00.123Z", "yyyy-mm-ddThh24:mi:ss.fffZ"},
    {"2020-01-31T10:15:00.123456Z", "yyyy-mm-ddThh24:mi:ss.ffffffZ"},
    {"2020-01-31T10:15:00.123456", "yyyy-mm-ddThh24:mi:ss.ffffff"},
    {"2020-01-31T10:15:00", "yyyy-mm-ddThh24:mi:ss"},
    {"2020-01-31T10:15:00+01:00", "yyyy-mm-ddThh24:mi:ssTZR"},
    {"2020-01-31T10:15:00.123+01:00", "yyyy-mm-ddThh24:mi:ss.fffTZR"},
    {"31.01.2020.", "dd.mm.yyyy."},
    {"31.01.2020. 10:15:00", "dd.mm.yyyy. hh24:mi:ss"},
    {"31.01.2020 10:15:00", "dd.mm.yyyy hh24:mi:ss"},
    {"2020/01/31 10:15:00", "yyyy/mm/dd hh24:mi:ss"},
    {"01/31/20 10:15:00", "mm/dd/yy hh24:mi:ss"},
    {"20-01-31 10:15", "dd-mm-yy hh24:mi"},
    {"01/31/2020 10:15:00 AM", "mm/dd/yyyy hh:mi:ss AM"},
    {"31/01/2020 10:15:00 PM", "dd/mm/yyyy hh:mi:ss AM"},
    {"01/31/20 10:15 AM", "mm/dd/yy hh:mi AM"},
    {"31/01/2020 10.15", "dd/mm/yyyy hh24.mi"},
    {"2020_01_31_10:15:00", "yyyy_mm_dd_hh24:mi:ss"},
    {"2020_01_31 10:15:00", "yyyy_mm_dd hh24:mi:ss"},
    {"2020_01_31 10_15_00", "yyyy_mm_dd hh24_mi_ss"},
    {"2020:01:31", "yyyy:mm:dd"},
    {"2020:01:31 10:15:00", "yyyy:mm:dd hh24:mi:ss"},
    {"2020:01:31 10:15:00+01:00", "yyyy:mm:dd hh24:mi:ssTZR"},
    {"2020-01-31 10:15:00 UTC", "yyyy-mm-dd hh24:mi:ss UTC"},
    // A serial time also reads as a serial date-time, which is tried first:
    // "Excel Time" is never the answer of detection.
    {"0.5", "Excel Time", "Excel DateTime"},
    {"43861", "Excel Date"},
    {"43861.5", "Excel DateTime"},
};

// Order, normalisation and the texts that match nothing.
const TDetectRow SpecialRows[] = {
    {"2020-01-31t10:15:00z", "yyyy-mm-ddThh24:mi:ssZ"},
    {"  2020-01-31 10:15:00  ", "yyyy-mm-dd hh24:mi:ss"},
    {"\"2020-01-31\"", "yyyy-mm-dd"},
    {"'2020-01-31'", "yyyy-mm-dd"},
    {"\"'2020-01-31'\"", "yyyy-mm-dd"},   // double quotes first, then single ones
    {"'\"2020-01-31\"'", "Cannot Detect"},
    {"\"2020-01-31\" x", "yyyy-mm-dd"},   // text after the closing quote is dropped
    {"isodate(\"2020-01-31T10:15:00Z\")", "ISODate"},
    {"IsoDate(\"2020-01-31T10:15:00Z\")", "ISODate"},
    {"13/13/2020", "Cannot Detect"},
    {"", "Cannot Detect"},
    {"hello", "Cannot Detect"},
    {"2020-13-01", "Cannot Detect"},
    {"123456", "Cannot Detect"},      // yymmdd with month 34, too long for a serial date
    {"19990101", "yyyymmdd"},
    {"21000101", "Cannot Detect"},     // no century 19/20
    {"|5/01/2020", "dd/mm/yyyy"},      // "[1|2]" admits a "|"
    // Serial numbers are tried on the text as given.
    {" 43861", "Cannot Detect"},
    {"\"43861\"", "Cannot Detect"},
    {"123456.5", "Cannot Detect"},
    {"0.", "Excel DateTime"},
    {"43861\n", "Excel Date"},  // "$" also matches before a final line feed
    {"2020-01-31\t10:15:00", "yyyy-mm-dd hh24:mi:ss"},
    {"31 Jän 2020", "dd mon yyyy"},
    {"2020-01-31 10:15:00 XYZ", "Cannot Detect"},
};

class DateFormatDetectorTest : public ::testing::Test {
protected:
    TDateFormatDetector Detector;
};

TEST_F(DateFormatDetectorTest, EveryPictureHasItsValue)
{
    ASSERT_EQ(Detector.Entries().size(), 88);
    ASSERT_EQ(int(std::size(PictureRows)), 88);
    for (int i = 0; i < 88; ++i) {
        const TPictureRow& row = PictureRows[i];
        SCOPED_TRACE(row.Value);
        const TDateFormatEntry& entry = Detector.Entries()[i];
        EXPECT_EQ(entry.Name, QString::fromUtf8(row.Picture));
        EXPECT_TRUE(QRegularExpression(entry.Pattern).match(QString::fromUtf8(row.Value).toUpper()).hasMatch());
        EXPECT_EQ(Detector.Detect(QString::fromUtf8(row.Value)),
                  QString::fromUtf8(row.Detected ? row.Detected : row.Picture));
    }
}

TEST_F(DateFormatDetectorTest, OrderNormalisationAndMisses)
{
    for (const TDetectRow& row : SpecialRows) {
        SCOPED_TRACE(row.Value);
        EXPECT_EQ(Detector.Detect(QString::fromUtf8(row.Value)), QString::fromUtf8(row.Expected));
    }
}

TEST_F(DateFormatDetectorTest, PatternsAreValidAndStartAnchored)
{
    for (const TDateFormatEntry& entry : Detector.Entries()) {
        SCOPED_TRACE(entry.Name.toStdString());
        EXPECT_TRUE(entry.Pattern.startsWith(QLatin1Char('^')));
        EXPECT_TRUE(QRegularExpression(entry.Pattern).isValid());
    }
}

// The detector skips pictures by a character signature before matching; it
// must give what matching every picture in order gives.
QString DetectOneByOne(const QList<TDateFormatEntry>& entries, const QString& value)
{
    static const QList<QRegularExpression> patterns = [&] {
        QList<QRegularExpression> list;
        for (const TDateFormatEntry& entry : entries)
            list.append(QRegularExpression(entry.Pattern));
        return list;
    }();
    QString text = value.trimmed().toUpper();
    for (QChar quote : {QLatin1Char('"'), QLatin1Char('\'')}) {
        if (text.startsWith(quote)) {
            QString inner;
            for (int i = 1; i < text.size(); ++i) {
                if (text[i] == quote) {
                    if (i + 1 < text.size() && text[i + 1] == quote) {
                        inner += quote;
                        ++i;
                        continue;
                    }
                    break;
                }
                inner += text[i];
            }
            text = inner;
        }
    }
    const int serialFirst = entries.size() - 3;
    for (int i = 0; i < serialFirst; ++i)
        if (patterns[i].match(text).hasMatch())
            return entries[i].Name;
    for (int i : {serialFirst + 2, serialFirst + 1, serialFirst})
        if (patterns[i].match(value).hasMatch())
            return entries[i].Name;
    return QStringLiteral("Cannot Detect");
}

TEST_F(DateFormatDetectorTest, PrefilterAgreesWithMatchingEveryPicture)
{
    QStringList values;
    for (const TPictureRow& row : PictureRows)
        values.append(QString::fromUtf8(row.Value));
    for (const TDetectRow& row : SpecialRows)
        values.append(QString::fromUtf8(row.Value));
    // Variants near the pictures: digits changed, characters dropped, case lowered.
    const QStringList seeds = values;
    for (const QString& seed : seeds) {
        for (int i = 0; i < seed.size(); ++i) {
            QString dropped = seed;
            dropped.remove(i, 1);
            values.append(dropped);
            if (seed[i].isDigit()) {
                QString changed = seed;
                changed[i] = QLatin1Char(seed[i] == QLatin1Char('9') ? '3' : '9');
                values.append(changed);
            }
        }
        values.append(seed.toLower());
        values.append(seed + QStringLiteral("\n"));
        values.append(QStringLiteral("\"") + seed + QStringLiteral("\""));
    }
    for (const QString& value : values) {
        SCOPED_TRACE(value.toStdString());
        ASSERT_EQ(Detector.Detect(value), DetectOneByOne(Detector.Entries(), value));
    }
}

}  // namespace
