#include "TestUtil.h"
#include "UException.h"
#include "UTableStruct.h"
#include "UUserLocale.h"
#include "UValueParseClassInit.h"

#include <gtest/gtest.h>

namespace {

class TLocaleScope {
public:
    explicit TLocaleScope(QChar decimal)
    {
        TUserLocaleData data = TUserLocaleData::English();
        data.DecimalSeparator = decimal;
        data.ThousandSeparator = decimal == QLatin1Char(',') ? QLatin1Char('.') : QLatin1Char(',');
        TUserLocale::Set(data);
    }
    ~TLocaleScope() { TUserLocale::Set(TUserLocaleData::English()); }
};

// One column per case; the samples run down the rows.
TSampleRows Column(const QStringList& samples)
{
    TSampleRows rows;
    for (const QString& s : samples)
        rows.append(QStringList{s});
    return rows;
}

struct TKindRow {
    const char* label;
    QStringList samples;
    TFieldType dotKind;    // decimal separator "."
    TFieldType commaKind;  // decimal separator ","
};

TEST(TableStructInference, InfersFieldKindsFromSamples)
{
    const TKindRow rows[] = {
        {"only N/A", {QStringLiteral("N/A"), QStringLiteral("n/a")}, ftString, ftString},
        {"integers and an empty value", {QStringLiteral("1"), QStringLiteral("2"), QString()}, ftInteger, ftInteger},
        {"an integer and a decimal", {QStringLiteral("1"), QStringLiteral("2.5")}, ftFloat, ftString},
        {"decimal comma", {QStringLiteral("1"), QStringLiteral("2,5")}, ftString, ftFloat},
        {"beyond 32 bits", {QStringLiteral("12345678901")}, ftFloat, ftFloat},
        {"hexadecimal integer", {QStringLiteral("$1F"), QStringLiteral("0x10")}, ftInteger, ftInteger},
        {"leading blanks and sign", {QStringLiteral("  -5"), QStringLiteral("+7")}, ftInteger, ftInteger},
        {"compact dates", {QStringLiteral("20200101"), QStringLiteral("20201231")}, ftDateTime, ftDateTime},
        {"year and month only", {QStringLiteral("202001")}, ftInteger, ftInteger},
        {"spreadsheet serial", {QStringLiteral("43831")}, ftInteger, ftInteger},
        {"fraction digits", {QStringLiteral("2020-01-01 10:00:00.123")}, ftTimeStamp, ftTimeStamp},
        {"dates with N/A last", {QStringLiteral("2020-01-31"), QStringLiteral("N/A")}, ftString, ftString},
        {"words", {QStringLiteral("abc"), QStringLiteral("1")}, ftString, ftString},
        {"256 characters beat numbers", {QStringLiteral("1"), QString(256, QLatin1Char('7'))}, ftMemo, ftMemo},
        {"255 characters are text", {QString(255, QLatin1Char('x'))}, ftString, ftString},
    };
    for (QChar decimal : {QLatin1Char('.'), QLatin1Char(',')}) {
        TLocaleScope locale(decimal);
        for (const TKindRow& row : rows) {
            SCOPED_TRACE(std::string(row.label) + " with decimal " + QString(decimal).toStdString());
            TTableStruct ts;
            ts.SetFieldNames(TStringList(QStringList{QStringLiteral("c")}));
            ts.ReadSourceSampleForFieldTypes(Column(row.samples));
            const TFieldType expected = decimal == QLatin1Char('.') ? row.dotKind : row.commaKind;
            EXPECT_EQ(FieldTypeName(ts.FieldTypes.value(QStringLiteral("c"))), FieldTypeName(expected));
        }
    }
}

TEST(TableStructInference, NoSamplesLeaveEveryColumnText)
{
    TTableStruct ts;
    ts.SetFieldNames(TStringList(QStringList{QStringLiteral("a"), QStringLiteral("B")}));
    ts.ReadSourceSampleForFieldTypes({});
    EXPECT_EQ(ts.GetFieldTypeNames().List(), (QStringList{QStringLiteral("a=ftString"), QStringLiteral("B=ftString")}));
}

TEST(TableStructInference, NamesBeyondTheSourceColumnsAreErrors)
{
    TTableStruct ts;
    ts.SetFieldNames(TStringList(QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));
    const TSampleRows rows{{QStringLiteral("1"), QStringLiteral("2")}};
    try {
        ts.ReadSourceSampleForFieldTypes(rows);
        FAIL() << "no error";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("TTableStruct.ReadSourceSampleForFieldTypes, FieldName: c FieldIndex: 2 >  "
                                              "Source Column Count: 2 - 1"));
    }
    try {
        ts.ReadSourceSampleForToFile(rows);
        FAIL() << "no error";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("TTableStruct.ReadSourceSampleForToFile, FieldName: c FieldIndex: 2 >  "
                                              "Source Column Count: 2 - 1"));
    }
    ts.DateFormats.SetValue(QStringLiteral("c"), QStringLiteral("auto detect"));
    try {
        ts.ReadSourceSample(rows);
        FAIL() << "no error";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("TTableStruct.ReadSourceSample, FieldName: c FieldIndex: 2 >  "
                                              "Source Column Count: 2 - 1"));
    }
}

TEST(TableStructInference, GetFieldTypeNamesNeedsAKindForEveryName)
{
    TTableStruct ts;
    ts.SetFieldNames(TStringList(QStringList{QStringLiteral("a")}));
    EXPECT_THROW(ts.GetFieldTypeNames(), Exception);
    EXPECT_THROW(ts.IsDateTimeField(QStringLiteral("a")), Exception);
    ts.FieldTypes.insert(QStringLiteral("a"), ftDateTime);
    EXPECT_TRUE(ts.IsDateTimeField(QStringLiteral("a")));
    EXPECT_THROW(ts.IsDateTimeField(QStringLiteral("A")), Exception);  // kinds are keyed exactly
}

TEST(TableStructInference, AutoDetectFormatsAreDetectedAtWriteTime)
{
    RegisterValueParseClasses();
    TTableStruct ts;
    ts.SetDBType(QStringLiteral("Access"));
    ts.SetFieldNames(TStringList(QStringList{QStringLiteral("d"), QStringLiteral("e"), QStringLiteral("f")}));
    ts.DateFormats.SetValue(QStringLiteral("d"), QStringLiteral("Auto Detect"));
    ts.DateFormats.SetValue(QStringLiteral("e"), QStringLiteral("yyyymmdd"));
    ts.DateFormats.SetValue(QStringLiteral("f"), QStringLiteral("auto detect"));
    EXPECT_TRUE(ts.HasAutoDetectDateFormat());
    const TSampleRows rows{
        {QStringLiteral("2020-01-31 10:00:00.123"), QStringLiteral("x"), QString()},
        {QStringLiteral("N/A"), QStringLiteral("y"), QString()},
    };
    ts.ReadSourceSample(rows);
    EXPECT_EQ(ts.DateFormats.Values(QStringLiteral("d")), QStringLiteral("yyyy-mm-dd hh:mi:ss.nnn"));
    EXPECT_EQ(ts.DateFormats.Values(QStringLiteral("e")), QStringLiteral("yyyymmdd"));
    EXPECT_EQ(ts.DateFormats.Values(QStringLiteral("f")), QStringLiteral("yyyy-mm-dd hh:mi:ss"));
    EXPECT_FALSE(ts.HasAutoDetectDateFormat());
}

TEST(TableStructInference, SqlFileSamplesGiveDateFormatsAndNumericFields)
{
    RegisterValueParseClasses();
    TLocaleScope locale(QLatin1Char(','));
    TTableStruct ts;
    ts.SetDBType(QStringLiteral("Access"));
    ts.SetFieldNames(TStringList(QStringList{QStringLiteral("d"), QStringLiteral("n"), QStringLiteral("t"),
                                             QStringLiteral("m")}));
    const TSampleRows rows{
        {QStringLiteral("2020-01-31 10:00:00"), QStringLiteral(" -1.5e3"), QStringLiteral("1,5"), QStringLiteral("202001")},
        {QString(), QStringLiteral("N/A"), QStringLiteral("2"), QStringLiteral("202002")},
    };
    ts.ReadSourceSampleForToFile(rows);
    EXPECT_EQ(ts.DateFormats.List(), QStringList{QStringLiteral("d=yyyy-mm-dd hh:mi:ss")});
    // '.' notation counts whatever the locale; "yyyymm" is no date here.
    EXPECT_EQ(ts.NumericFields.List(), (QStringList{QStringLiteral("n"), QStringLiteral("m")}));
}

TEST(TableStructInference, ClearResetsTheDestinationSide)
{
    TTableStruct ts;
    ts.TableName = QStringLiteral("T");
    ts.UpdateKey = QStringLiteral("id");
    ts.LoadType = QStringLiteral("Append");
    ts.FieldNames.Add(QStringLiteral("id"));
    ts.FieldTypes.insert(QStringLiteral("id"), ftInteger);
    ts.Clear();
    EXPECT_EQ(ts.LoadType, QStringLiteral("Replace"));
    EXPECT_TRUE(ts.TableName.isEmpty() && ts.UpdateKey.isEmpty() && ts.FieldNames.IsEmpty() && ts.FieldTypes.isEmpty());
}

}  // namespace
