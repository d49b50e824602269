#include "TestUtil.h"

#include "UException.h"
#include "UNumberFormatParser.h"
#include "UUserLocale.h"

#include <gtest/gtest.h>

namespace {

QString U(const char* text)
{
    return QString::fromUtf8(text);
}

class NumberFormatParserTest : public ::testing::Test {
protected:
    ~NumberFormatParserTest() override { TUserLocale::Set(TUserLocaleData::English()); }

    static TNumberFormatParser ParserFor(char decimalSeparator)
    {
        TUserLocaleData locale = TUserLocaleData::English();
        locale.DecimalSeparator = QLatin1Char(decimalSeparator);
        TUserLocale::Set(locale);
        return TNumberFormatParser();
    }
};

struct TNumberRow {
    char Separator;
    const char* Text;
    TNumberFormat Class;
    const char* Database;  // "DB" mode
    const char* File;      // file ("SQL") mode
};

const TNumberRow NumberRows[] = {
    {'.', "12,5", nfNethedland, "12.5", "12.5"},
    {',', "12,5", nfNethedland, "12.5", "12,5"},
    {'.', "1,234", nfNormal, "1234", "1234"},
    {',', "1,234", nfNethedland, "1.234", "1,234"},
    {'.', "0,125", nfNethedland, "0.125", "0.125"},
    {',', "0,125", nfNethedland, "0.125", "0,125"},
    {'.', "1,234,567", nfNormal, "1234567", "1234567"},
    {',', "1,234,567", nfNormal, "1234567", "1,234,567"},
    {'.', "100-", nfNethedland, "-100", "-100"},
    {'.', "1.234,50-", nfNethedland, "-1234.50", "-1234.50"},
    {',', "1.234,50-", nfNethedland, "-1234.50", "1.234,50-"},
    {'.', "1e5", nfNormal, "1e5", "1e5"},
    {'.', "FF", nfHex, "255", "255"},
    {',', "FF", nfHex, "255", "255"},
    {'.', "10", nfNormal, "10", "10"},
    {'.', "ff", nfNormal, "ff", "ff"},  // hexadecimal letters are capitals only
    {'.', "US$1,000", nfDollar, "1,000", "1,000"},  // the thousands separator stays
    {',', "US$1,000", nfNethedland, "US$1.000", "US$1,000"},
    {'.', "$12.50", nfDollar, "12.50", "12.50"},
    {',', "$12.50", nfDollar, "12.50", "12.50"},
    {'.', "NumberLong(1234567890123)", nfNumberLong, "1234567890123", "1234567890123"},
    {'.', "NumberInt(7)", nfNumberInt, "7", "7"},
    {'.', " NumberInt(7)", nfNumberInt, "7", "7"},
    {'.', "Yes", nfBoolean, "1", "1"},
    {'.', " TRUE ", nfBoolean, "1", "1"},
    {'.', "y", nfBoolean, "1", "1"},
    {'.', "是", nfBoolean, "1", "1"},
    {'.', "否", nfBoolean, "0", "0"},
    {'.', "no", nfBoolean, "0", "0"},
    {'.', "maybe", nfNormal, "maybe", "maybe"},
    {'.', "'42'", nfNormal, "42", "42"},
    {'.', "\"4\"\"2\"", nfNormal, "4\"2", "4\"2"},
    {'.', " 42 ", nfNormal, "42", "42"},
    {'.', "12.5", nfNormal, "12.5", "12.5"},
    {',', "12.5", nfNormal, "12.5", "12,5"},
    {'.', "", nfNormal, "", ""},
    // Decimal numbers in exponent notation are not hexadecimal.
    {'.', "1E5", nfNormal, "1E5", "1E5"},
    {'.', "2E10", nfNormal, "2E10", "2E10"},
    {'.', "6.02E23", nfNormal, "6.02E23", "6.02E23"},
    {',', "6.02E23", nfNormal, "6.02E23", "6,02E23"},
    {'.', "1E05", nfNormal, "1E05", "1E05"},
    {'.', "E5", nfHex, "229", "229"},
    {'.', "1A", nfHex, "26", "26"},
    {'.', "1E5F", nfHex, "7775", "7775"},
};

TEST_F(NumberFormatParserTest, ClassesAndConversionsInBothModes)
{
    for (const TNumberRow& row : NumberRows) {
        SCOPED_TRACE(std::string(1, row.Separator) + " " + row.Text);
        const TNumberFormatParser parser = ParserFor(row.Separator);
        const QString text = U(row.Text);
        EXPECT_EQ(NumberFormatName(parser.DetectNumberFormat(text)), NumberFormatName(row.Class));
        EXPECT_EQ(parser.ConvertNumber(text, row.Class, QStringLiteral("DB")), U(row.Database));
        EXPECT_EQ(parser.ConvertNumber(text, row.Class, QStringLiteral("SQL")), U(row.File));
    }
}

TEST_F(NumberFormatParserTest, ColumnKeepsTheClassOfItsFirstValue)
{
    const TNumberFormatParser parser = ParserFor('.');
    const TNumberFormat columnClass = parser.DetectNumberFormat(QStringLiteral("1,5"));
    ASSERT_EQ(columnClass, nfNethedland);
    EXPECT_EQ(parser.ConvertNumber(QStringLiteral("1.234"), columnClass, QStringLiteral("DB")), QStringLiteral("1234"));

    // A hexadecimal column stays hexadecimal; a plain number in it is read so.
    EXPECT_EQ(parser.ConvertNumber(QStringLiteral("10"), nfHex, QStringLiteral("DB")), QStringLiteral("16"));
    // A wrapped column keeps plain later values.
    EXPECT_EQ(parser.ConvertNumber(QStringLiteral("8"), nfNumberInt, QStringLiteral("DB")), QStringLiteral("8"));
    EXPECT_EQ(parser.ConvertNumber(QStringLiteral("8"), nfDollar, QStringLiteral("DB")), QStringLiteral("8"));
}

TEST_F(NumberFormatParserTest, HexadecimalLimits)
{
    const TNumberFormatParser parser = ParserFor('.');
    const struct {
        const char* Text;
        const char* Expected;
    } rows[] = {
        {"38D7EA4C67FFF", "999999999999999"},
        {"38D7EA4C68000", "1E15"},
        {"7FFFFFFFFFFFFFFF", "9.22337203685478E18"},
        {"FFFFFFFFFFFFFFFF", "-1"},  // 16 digits fill the 64 bits, the top one is the sign
        {"0000000000000000FF", "255"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Text);
        EXPECT_EQ(parser.ConvertNumber(U(row.Text), nfHex, QStringLiteral("DB")), U(row.Expected));
    }
    for (const char* text : {"1FFFFFFFFFFFFFFFF", "12.5", "", "XYZ"}) {
        SCOPED_TRACE(text);
        try {
            parser.ConvertNumber(U(text), nfHex, QStringLiteral("DB"));
            ADD_FAILURE() << "no error";
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), QLatin1Char('\'') + U(text) + QStringLiteral("' is not a valid integer value"));
        }
    }
}

TEST_F(NumberFormatParserTest, FileModeUsesTheLocaleSeparator)
{
    // Any separator other than "," or a blank replaces the point in file mode.
    const TNumberFormatParser parser = ParserFor(';');
    EXPECT_EQ(parser.ConvertNumber(QStringLiteral("12.5"), nfNormal, QStringLiteral("SQL")), QStringLiteral("12;5"));
    EXPECT_EQ(parser.ConvertNumber(QStringLiteral("12.5"), nfNormal, QStringLiteral("DB")), QStringLiteral("12.5"));
    const TNumberFormatParser blank = ParserFor(' ');
    EXPECT_EQ(blank.ConvertNumber(QStringLiteral("12.5"), nfNormal, QStringLiteral("SQL")), QStringLiteral("12.5"));
}

TEST(NumberValueTest, NullTextsAndEmptyMarkers)
{
    const struct {
        const char* Text;
        bool Null;
        bool Empty;
    } rows[] = {
        {"null", true, false},   {"(null)", true, false}, {"NULL", false, false}, {"Null", false, false},
        {"", false, true},       {"-", false, true},      {"--", false, true},    {"---", false, false},
        {"N/A", false, true},    {"n/a", false, true},    {"N/a", false, true},   {" N/A", false, false},
        {"0", false, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Text);
        EXPECT_EQ(TNumberFormatParser::IsNullText(U(row.Text)), row.Null);
        EXPECT_EQ(TNumberFormatParser::IsEmptyMarker(U(row.Text)), row.Empty);
    }
}

}  // namespace
