#include "TestUtil.h"

#include "UAccessDateFormatParser.h"
#include "UDateFormatParser.h"
#include "UException.h"
#include "URttiUtil.h"
#include "UUserLocale.h"
#include "UValueParseClassInit.h"

#include <gtest/gtest.h>

namespace {

struct TParseRow {
    const char* Format;
    const char* Value;
    const char* Expected;
};

QString U(const char* text)
{
    return QString::fromUtf8(text);
}

void ExpectParses(TDateFormatParser& parser, const TParseRow* rows, size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        const TParseRow& row = rows[i];
        SCOPED_TRACE(std::string(row.Format) + " <- " + row.Value);
        EXPECT_EQ(parser.Parse(U(row.Value), U(row.Format)), U(row.Expected));
    }
}

// Restores the English locale values the test process starts with.
class LocaleTest : public ::testing::Test {
protected:
    ~LocaleTest() override { TUserLocale::Set(TUserLocaleData::English()); }
};

// Each rewritten format with a value, and with a value failing its length
// condition where it has one (left as it is, then cleaned).
const TParseRow RewriteRows[] = {
    {"yyyy.mm.dd", "2020.01.31", "2020-01-31"},
    {"dd.mm.yyyy", "31.01.2020", "31-01-2020"},
    {"yyyymmdd", "20200131", "2020-01-31"},
    {"yyyymmdd", "202001311", "202001311"},
    {"yyyymm", "202001", "2020-01-01"},
    {"yymmdd", "200131", "20-01-31"},
    {"yymmdd", "2001311", "2001311"},
    {"dd/mm/yy", "31/01/20", "20-01-31"},
    {"dd/mm/yy", "31/1/20", "31/1/20"},
    {"dd.mm.yy", "31.01.20", "20-01-31"},
    {"dd.mm.yy", "31.1.20", "31.1.20"},
    {"dd-mm-yy", "31-01-20", "20-01-31"},
    {"dd-mm-yy", "31-1-20", "31-1-20"},
    {"yy.mm.dd", "20.01.31", "20-01-31"},
    {"yy.mm.dd", "20.1.31", "20.1.31"},
    {"yy/mm/dd", "20/01/31", "20-01-31"},
    {"yy/mm/dd", "20/1/31", "20/1/31"},
    {"dd mon yy", "31 Jan 20", "20 jan 31"},
    {"dd mon yy", "1 Jan 20", "1 jan 20"},
    {"mon dd, yy", "Jan 31, 20", "20 jan 31"},
    {"mon dd, yy", "Jan 1,20", "jan 1,20"},
    {"yyyy-mm-ddThh24:mi:ss.fff", "2020-01-31T10:15:00.123", "2020-01-31 10:15:00"},
    {"mm.dd.yyyy hh24.mi.ss", "01.31.2020 10.15.00", "01/31/2020 10:15:00"},
    {"dd.mm.yyyy hh24:mi:ss", "31.01.2020 10:15:00", "2020-01-31 10:15:00"},
    {"yyyymmdd hh24:mi:ss", "20200131 10:15:00", "2020-01-31 10:15:00"},
    {"yyyy_mm_dd_hh24:mi:ss", "2020_01_31_10:15:00", "2020-01-31 10:15:00"},
    {"yyyy_mm_dd hh24:mi:ss", "2020_01_31 10:15:00", "2020-01-31 10:15:00"},
    {"yyyy_mm_dd hh24_mi_ss", "2020_01_31 10_15_00", "2020-01-31 10:15:00"},
    {"yyyy-mm-dd-hh24.mi.ss.ffffff", "2020-01-31-10.15.00.123456", "2020-01-31 10.15.00"},
    {"yyyy-mm-dd-hh24.mi.ss.ffffff", "2020-01-31-10.15", "2020-01-31-10.15"},
    {"yyyy-mm-dd hh24.mi.ss.ff", "2020-01-31 10.15.00.12", "2020-01-31 10.15.00"},
    {"yyyy-mm-dd hh24.mi.ss.ff", "2020-01-31 10.15.00.1", "2020-01-31 10.15.00"},  // the fraction, not ".1" of 10.15
    {"yyyy.mm.dd hh24:mi:ss.fff", "2020.01.31 10:15:30.123", "2020-01-31 10:15:30"},
    {"yyyy.mm.dd hh24:mi:ss.fff", "2020.01.31 10:15:30.1", "2020.01.31 10:15:30"},
    {"yyyymmddhh24miss", "20200131101530", "2020-01-31 10:15:30"},
    {"dd.mm.yyyy.", "31.01.2020.", "2020-01-31"},
    {"dd.mm.yyyy. hh24:mi:ss", "31.01.2020. 10:15:00", "2020-01-31 10:15:00"},
    {"yyyy:mm:dd", "2020:01:31", "2020-01-31"},
    {"yyyy:mm:dd hh24:mi:ss", "2020:01:31 10:15:00", "2020-01-31 10:15:00"},
    {"yyyy:mm:dd hh24:mi:ssTZR", "2020:01:31 10:15:00+01:00", "2020-01-31 10:15:00"},
    {"dy mon dd hh24:mi:ss TZR yyyy", "Fri Jan 31 10:15:00 +0100 2020", "jan 31  2020 10:15:00"},
    {"dd/mon/yyyy:hh24:mi:ss TZR", "31/Jan/2020:10:15:00 +0100", "31/jan/2020 10:15:00 "},
    {"yyyy-mm-dd hh24:mi:ss UTC", "2020-01-31 10:15:00 UTC", "2020-01-31 10:15:00"},
};

// Clean-up of formats without a rewrite, and the worked examples.
const TParseRow CleanRows[] = {
    {"yyyymmdd", "20200131", "2020-01-31"},
    {"dd.mm.yyyy hh24:mi:ss", "31.01.2020 10:15:00", "2020-01-31 10:15:00"},
    {"yyyy-mm-ddThh24:mi:ssZ", "2020-01-31T10:15:00Z", "2020-01-31 10:15:00"},
    {"ISODate", "ISODate(\"2020-01-31T10:15:00.000Z\")", "2020-01-31 10:15:00"},
    {"dy, dd mon yyyy hh24:mi:ss TZR", "Fri, 31 Jan 2020 10:15:00 +0100", "31 jan 2020 10:15:00"},
    {"Excel Date", "43861", "2020-01-31"},
    // Zone and fraction are cut where they were found, not where their text first occurs.
    {"dy, dd mon yyyy hh24:mi:ss TZR", "Fri, 31 Jan 2020 10:15:00 1", "31 jan 2020 10:15:00"},
    {"ISODate", "isodate(\"2020-01-31T10:15:00Z\")", "2020-01-31 10:15:00"},
    {"ISODate", "ISODate(\"2020-01-31T10:15:00+01:00\")", "2020-01-31 10:15:00"},
    {"ISODate", "ISODate(\"2020-01-31T10:15:00\")", "2020-01-31 10:15:00"},  // no zone: nothing cut
    {"ISODate", "ISODate(\"2020-01-31\")", "2020-01-31"},
    {"yyyy-mm-dd hh24:mi:ss.fff", "2020-01-31 10:15:00.123", "2020-01-31 10:15:00"},
    {"yyyy-mm-dd hh24:mi:ss.fff", "2020-01-31 10:15:00", "2020-01-31 10:15:00"},  // seconds stay
    {"yyyy-mm-dd hh24:mi:ss.fffffffff", "2020-01-31 10:15:00.123456789", "2020-01-31 10:15:00"},
    {"hh24:mi:ss:fff", "10:15:00:123", "10:15:00"},
    {"mon dd yyyy hh:mi:ss:fffAM", "Jan 31 2020 10:15:00:123PM", "jan 31 2020 10:15:00PM"},
    {"yyyy-mm-dd hh24:mi:ssTZR", "2020-01-31 10:15:00-05:00", "2020-01-31 10:15:00"},
    {"yyyy-mm-ddThh24:mi:ss.fffTZR", "2020-01-31T10:15:00.123+0100", "2020-01-31 10:15:00"},
    {"yyyy-mm-dd hh24:mi:ss.fffffff TZR", "2020-01-31 10:15:00.1234567 +01:00", "2020-01-31 10:15:00 "},
    {"dy mon dd yyyy hh24:mi:ss GMTTZR", "Fri Jan 31 2020 10:15:00 GMT+0100", "jan 31 2020 10:15:00"},
    {"dy, dd mon yyyy", "Thu, 30 Jan 2020", "30 jan 2020"},  // the weekday goes before the "T"
    {"dy, dd mon yyyy", "Tue, 28 Jan 2020", "28 jan 2020"},
    {"yyyy-mm-dd hh24:mi:ssZ", "2020-01-31 10:15:00Z", "2020-01-31 10:15:00"},
    {"mm/dd/yyyy hh:mi:ss AM", "01/31/2020 10:15:00 PM", "01/31/2020 10:15:00 PM"},
    {"yyyy-mm-dd", "2020-01-31", "2020-01-31"},
    {"unknown picture", "2020-01-31T10:15:00Z", "2020-01-31 10:15:00"},  // used as it is
    {"Cannot Detect", "whatever", "whatever"},
};

// Names in database spelling (any letter case), canonical names, detection per value.
const TParseRow NameRows[] = {
    {"YYYY-MM-DD HH:MI:SS", "2020-01-31 10:15:00", "2020-01-31 10:15:00"},
    {"yyyy-mm-dd hh:mi:ss.nnn", "2020-01-31 10:15:00.123", "2020-01-31 10:15:00"},
    {"yyyy-mm-dd hh24:mi:ss.fff", "2020-01-31 10:15:00.123", "2020-01-31 10:15:00"},
    {"DD.MM.YYYY HH:MI:SS", "31.01.2020 10:15:00", "2020-01-31 10:15:00"},
    {"Detect Per Record", "20200131", "2020-01-31"},
    {"detect per record", "2020-01-31T10:15:00.123Z", "2020-01-31 10:15:00"},
    {"detect per record", "31/01/20", "20-01-31"},
    {"detect per record", "43861.5", "2020-01-31 12:00:00"},
    {"detect per record", "not a date", "not a date"},
    {"yyyymmdd", "", ""},
};

TEST(AccessDateFormatParserTest, RewritesEachFormat)
{
    TAccessDateFormatParser parser;
    ExpectParses(parser, RewriteRows, std::size(RewriteRows));
    EXPECT_EQ(parser.ConvertFormats().size(), 31);
}

TEST(AccessDateFormatParserTest, CleansValues)
{
    TAccessDateFormatParser parser;
    ExpectParses(parser, CleanRows, std::size(CleanRows));
}

TEST(AccessDateFormatParserTest, ResolvesFormatNames)
{
    TAccessDateFormatParser parser;
    ExpectParses(parser, NameRows, std::size(NameRows));
}

TEST(AccessDateFormatParserTest, RewriteComparesFormatExactly)
{
    // A canonical name in other letters is not a known name: no rewrite.
    TAccessDateFormatParser parser;
    EXPECT_EQ(parser.Parse(QStringLiteral("20200131"), QStringLiteral("YYYYMMDD")), QStringLiteral("2020-01-31"));
    EXPECT_EQ(parser.Format(), QStringLiteral("yyyymmdd"));
    EXPECT_EQ(parser.Parse(QStringLiteral("2020:01:31"), QStringLiteral("YYYY:MM:DD HH24:MI:SS")),
              QStringLiteral("2020:01:31"));
}

TEST(AccessDateFormatParserTest, KeepsCurrentValueAndFormat)
{
    TAccessDateFormatParser parser;
    parser.Parse(QStringLiteral("20200131"), QStringLiteral("Detect Per Record"));
    EXPECT_EQ(parser.FormatName(), QStringLiteral("Detect Per Record"));
    EXPECT_EQ(parser.Format(), QStringLiteral("yyyymmdd"));
    EXPECT_EQ(parser.Value(), QStringLiteral("2020-01-31"));
}

TEST(DateFormatParserTest, PlainParserOnlyConvertsSerialNumbers)
{
    TDateFormatParser parser;
    EXPECT_EQ(parser.Parse(QStringLiteral("20200131"), QStringLiteral("yyyymmdd")), QStringLiteral("20200131"));
    EXPECT_EQ(parser.Parse(QStringLiteral("2020-01-31T10:15:00Z"), QStringLiteral("yyyy-mm-ddThh24:mi:ssZ")),
              QStringLiteral("2020-01-31T10:15:00Z"));
    EXPECT_EQ(parser.Parse(QStringLiteral("43861"), QStringLiteral("Excel Date")), QStringLiteral("2020-01-31"));
    EXPECT_TRUE(parser.ConvertFormats().isEmpty());
}

TEST(DateFormatParserTest, FormatListsAndSpellings)
{
    TAccessDateFormatParser access;
    TDateFormatParser plain;
    EXPECT_EQ(access.DefaultFormat(), QStringLiteral("yyyy-mm-dd hh:mi:ss"));
    EXPECT_EQ(plain.DefaultFormat(), QStringLiteral("yyyy-mm-dd hh24:mi:ss"));
    EXPECT_EQ(access.TranslateFormat(QStringLiteral("yyyy-mm-dd hh24:mi:ss.fff")),
              QStringLiteral("yyyy-mm-dd hh:mi:ss.nnn"));
    EXPECT_EQ(access.TranslateFormat(QStringLiteral("HH24:MI:SS.FFF")), QStringLiteral("HH24:MI:SS.FFF"));

    ASSERT_EQ(access.FormatPatterns().Count(), 88);
    EXPECT_EQ(access.FormatPatterns().Names(0), QStringLiteral("dd/mon/yyyy:hh24:mi:ss TZR"));
    EXPECT_EQ(access.FormatPatterns().Values(QStringLiteral("yyyymm")), QStringLiteral(R"(^(\d{4})(1[0-2]|0[0-9])$)"));
    ASSERT_EQ(access.DBFormatNames().Count(), 88);
    EXPECT_EQ(access.DBFormatNames().Values(QStringLiteral("yyyy-mm-ddThh:mi:ss.nnnZ")),
              QStringLiteral("yyyy-mm-ddThh24:mi:ss.fffZ"));
    EXPECT_EQ(access.DBFormatNames().Names(18), QStringLiteral("yyyy-mm-dd hh:mi:ss"));

    const QStringList& list = access.FormatList();
    ASSERT_EQ(list.size(), 89);
    EXPECT_EQ(list[0], QStringLiteral("Auto Detect"));
    EXPECT_EQ(list[1], QStringLiteral("dd/mon/yyyy:hh:mi:ss TZR"));
    EXPECT_EQ(list.last(), QStringLiteral("Excel DateTime"));
    EXPECT_EQ(plain.FormatList()[19], QStringLiteral("yyyy-mm-dd hh24:mi:ss"));
}

TEST(DateFormatParserTest, DetectFormat)
{
    TAccessDateFormatParser parser;
    EXPECT_EQ(parser.DetectFormat(QStringLiteral("2020-01-31 10:15:00.123")), QStringLiteral("yyyy-mm-dd hh:mi:ss.nnn"));
    EXPECT_EQ(parser.DetectFormat(QStringLiteral("junk")), QStringLiteral("yyyy-mm-dd hh:mi:ss"));
    EXPECT_EQ(parser.DetectRawFormat(QStringLiteral("junk")), QStringLiteral("Cannot Detect"));
    EXPECT_EQ(parser.DetectRawFormat(QStringLiteral("2020-01-31 10:15:00")), QStringLiteral("yyyy-mm-dd hh24:mi:ss"));
}

TEST_F(LocaleTest, SpreadsheetNumbersAtBothDecimalSeparators)
{
    const struct {
        char Separator;
        const char* Format;
        const char* Value;
        const char* Expected;
    } rows[] = {
        {'.', "Excel Time", "0.5", "12:00:00"},
        {'.', "Excel Time", "0.75", "18:00:00"},
        {'.', "Excel DateTime", "43861.5", "2020-01-31 12:00:00"},
        {'.', "Excel DateTime", "43861.25", "2020-01-31 06:00:00"},
        {'.', "Excel Date", "43861", "2020-01-31"},
        {'.', "Excel Date", "1", "1899-12-31"},
        {'.', "Excel Date", "0", "00:00:00"},
        {'.', "Excel Date", "abc", "00:00:00"},
        {'.', "Excel DateTime", "43861,5", "00:00:00"},
        {'.', "Excel DateTime", "43861.99999999", "2020-01-31 23:59:59"},
        {'.', "Excel DateTime", "43861.999999999", "2020-02-01 00:00:00"},
        {',', "Excel DateTime", "43861.5", "00:00:00"},
        {',', "Excel DateTime", "43861,5", "2020-01-31"},  // no "." in the text: date only
        {',', "Excel Time", "0,5", "12:00:00"},
        {',', "Excel Date", "43861", "2020-01-31"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(1, row.Separator) + " " + row.Format + " <- " + row.Value);
        TUserLocaleData locale = TUserLocaleData::English();
        locale.DecimalSeparator = QLatin1Char(row.Separator);
        TUserLocale::Set(locale);
        TAccessDateFormatParser parser;
        EXPECT_EQ(parser.Parse(U(row.Value), U(row.Format)), U(row.Expected));
    }
}

TEST(DateFormatParserTest, SpreadsheetNumberOutsideDateRangeRaises)
{
    TDateFormatParser parser;
    for (const char* value : {"2958466", "1e400", "-700000"}) {
        SCOPED_TRACE(value);
        try {
            parser.Parse(U(value), QStringLiteral("Excel DateTime"));
            ADD_FAILURE() << "no error";
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), QLatin1Char('\'') + U(value) + QStringLiteral("' is not a valid date and time"));
        }
    }
    EXPECT_EQ(parser.Parse(QStringLiteral("2958465.5"), QStringLiteral("Excel DateTime")),
              QStringLiteral("9999-12-31 12:00:00"));
}

TUserLocaleData GermanLocale()
{
    TUserLocaleData locale = TUserLocaleData::English();
    locale.ShortMonthNames = QStringList{U("Jan."), U("Feb."), U("März"), U("Apr."), U("Mai"), U("Juni"),
                                         U("Juli"), U("Aug."), U("Sept."), U("Okt."), U("Nov."), U("Dez.")};
    locale.TimeAMString = U("vorm.");
    locale.TimePMString = U("nachm.");
    return locale;
}

TEST_F(LocaleTest, TranslatesLocalMonthsAndMeridians)
{
    TUserLocale::Set(GermanLocale());
    TAccessDateFormatParser parser;
    const TParseRow rows[] = {
        {"dd mon yyyy", "31 Okt. 2020", "31 oct 2020"},
        {"dd mon yyyy", "1 März 2020", "1 mar 2020"},
        {"dd mon yyyy", "31 okt. 2020", "31 okt. 2020"},  // letter case must match the locale's
        {"dd-mon-yy", "31-Dez.-20", "31-dec-20"},
        {"mm/dd/yyyy hh:mi:ss AM", "01/31/2020 10:15:00 nachm.", "01/31/2020 10:15:00 PM"},
        {"hh24:mi:ss AM", "10:15:00 vorm.", "10:15:00 AM"},
        {"yyyy-mm-dd hh24:mi:ss", "2020-01-31 10:15:00 nachm.", "2020-01-31 10:15:00 nachm."},  // no AM in the format
    };
    ExpectParses(parser, rows, std::size(rows));
}

TEST_F(LocaleTest, TranslatorOperations)
{
    TUserLocale::Set(GermanLocale());
    const TDateLocaleTranslator translator;
    EXPECT_TRUE(translator.ContainsLocalMonth(U("1 Mai 2020")));
    EXPECT_FALSE(translator.ContainsLocalMonth(U("1 May 2020")));
    EXPECT_EQ(translator.TranslateMonths(U("Mai Mai Juni")), U("may Mai jun"));
    EXPECT_TRUE(translator.ContainsLocalAmPm(U("10:00 vorm.")));
    EXPECT_FALSE(translator.ContainsLocalAmPm(U("10:00 AM")));
    EXPECT_EQ(translator.TranslateAmPm(U("vorm. nachm. vorm.")), U("AM PM vorm."));

    // A locale without designators must not treat every text as carrying one.
    TUserLocaleData none = TUserLocaleData::English();
    none.TimeAMString.clear();
    none.TimePMString.clear();
    TUserLocale::Set(none);
    const TDateLocaleTranslator empty;
    EXPECT_FALSE(empty.ContainsLocalAmPm(U("10:00")));
    EXPECT_EQ(empty.TranslateAmPm(U("10:00")), U("10:00"));
}

TEST(DateFormatParserTest, CachesAndResetCaches)
{
    TAccessDateFormatParser parser;
    parser.Parse(QStringLiteral("31 Jan 2020"), QStringLiteral("dd mon yyyy"));
    parser.Parse(QStringLiteral("10:15:00 AM"), QStringLiteral("hh24:mi:ss AM"));
    parser.Parse(QStringLiteral("2020-01-31"), QStringLiteral("yyyy-mm-dd"));
    EXPECT_EQ(parser.MonthNameFormats(), QStringList{QStringLiteral("dd mon yyyy")});
    EXPECT_EQ(parser.AmPmFormats(), QStringList{QStringLiteral("hh24:mi:ss AM")});

    // A cached format is translated without looking for local names first.
    EXPECT_EQ(parser.Parse(QStringLiteral("31 Feb 2020"), QStringLiteral("DD MON YYYY")), QStringLiteral("31 feb 2020"));
    EXPECT_EQ(parser.MonthNameFormats().size(), 1);

    parser.ResetCaches();
    EXPECT_TRUE(parser.MonthNameFormats().isEmpty());
    EXPECT_TRUE(parser.AmPmFormats().isEmpty());

    parser.Parse(QStringLiteral("31 Jan 2020"), QStringLiteral("dd mon yyyy"));
    ASSERT_EQ(parser.MonthNameFormats().size(), 1);
    parser.DetectRawFormat(QStringLiteral("2020-01-31"));
    EXPECT_TRUE(parser.MonthNameFormats().isEmpty());
}

TEST(DateFormatParserTest, ColumnDetection)
{
    const struct {
        const char* Name;
        QList<QStringList> Rows;
        int Column;
        const char* Lenient;
        const char* Strict;
    } rows[] = {
        {"date, N/A and empty", {{"x", "2020-01-31"}, {"y", "N/A"}, {"z", ""}}, 1, "yyyy-mm-dd", "Cannot Detect"},
        {"all empty", {{""}, {""}}, 0, "yyyy-mm-dd hh:mi:ss", "CANNOT DETECT"},
        {"no rows", {}, 0, "yyyy-mm-dd hh:mi:ss", "CANNOT DETECT"},
        {"column beyond the first row", {{"a"}, {"a", "2020-01-31"}}, 1, "yyyy-mm-dd hh:mi:ss", "CANNOT DETECT"},
        {"last sample not a date", {{"2020-01-31"}, {"2020-02-01"}, {"soon"}}, 0, "yyyy-mm-dd hh:mi:ss",
         "Cannot Detect"},
        {"last sample decides", {{"2020-01-31"}, {"2020-01-31 10:15:00.123"}}, 0, "yyyy-mm-dd hh:mi:ss.nnn",
         "yyyy-mm-dd hh24:mi:ss.fff"},
        {"short later row", {{"a", "20200131"}, {"b"}}, 1, "yyyymmdd", "yyyymmdd"},
        {"lower-case n/a", {{"2020-01-31"}, {"n/a"}}, 0, "yyyy-mm-dd", "Cannot Detect"},
    };
    TAccessDateFormatParser parser;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(parser.DetectColumnFormatLenient(row.Rows, row.Column), U(row.Lenient));
        EXPECT_EQ(parser.DetectColumnFormatStrict(row.Rows, row.Column), U(row.Strict));
    }
}

TEST(DateFormatParserTest, ParsersAreCreatedByName)
{
    RegisterValueParseClasses();
    auto access = TRttiUtil::CreateObjectAs<TDateFormatParser>(
        QStringLiteral("UAccessDateFormatParser.TAccessDateFormatParser"));
    EXPECT_EQ(access->ClassName(), QStringLiteral("TAccessDateFormatParser"));
    // Built with the Access spellings and rewrites, not the plain ones.
    EXPECT_EQ(access->DefaultFormat(), QStringLiteral("yyyy-mm-dd hh:mi:ss"));
    EXPECT_EQ(access->FormatList()[1], QStringLiteral("dd/mon/yyyy:hh:mi:ss TZR"));
    EXPECT_EQ(access->Parse(QStringLiteral("20200131"), QStringLiteral("yyyymmdd")), QStringLiteral("2020-01-31"));

    auto plain = TRttiUtil::CreateObjectAs<TDateFormatParser>(QStringLiteral("UDateFormatParser.TDateFormatParser"));
    EXPECT_EQ(plain->ClassName(), QStringLiteral("TDateFormatParser"));
}

}  // namespace
