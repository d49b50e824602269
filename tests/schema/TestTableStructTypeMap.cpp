#include "TestUtil.h"
#include "UAppSettings.h"
#include "UFieldKindTypeMap.h"

#include <gtest/gtest.h>

namespace {

TEST(FieldKindTypeMap, MapsKindsWithAndWithoutADefaultType)
{
    struct TRow {
        QString dbKind;
        QString defaultType;
        QString kind;
        QString type;
    };
    const TRow rows[] = {
        {QStringLiteral("Access"), QString(), QStringLiteral("ftString"), QStringLiteral("text(255)")},
        {QStringLiteral("Access"), QString(), QStringLiteral("ftInteger"), QStringLiteral("integer")},
        {QStringLiteral("Access"), QString(), QStringLiteral("ftFloat"), QStringLiteral("number")},
        {QStringLiteral("Access"), QString(), QStringLiteral("ftDateTime"), QStringLiteral("datetime")},
        {QStringLiteral("Access"), QString(), QStringLiteral("ftTimeStamp"), QStringLiteral("timestamp")},
        {QStringLiteral("Access"), QString(), QStringLiteral("ftMemo"), QStringLiteral("memo")},
        {QStringLiteral("Access"), QString(), QStringLiteral("ftLargeint"), QStringLiteral("number")},
        {QStringLiteral("Access"), QString(), QStringLiteral("ftBoolean"), QStringLiteral("yesno")},
        {QStringLiteral("Access"), QString(), QStringLiteral("ftBlob"), QStringLiteral("longbinary")},
        {QStringLiteral("ACCESS"), QString(), QStringLiteral("FTWIDESTRING"), QStringLiteral("text(255)")},
        {QStringLiteral("Access"), QString(), QStringLiteral("ftCurrency"), QStringLiteral("text(255)")},
        {QStringLiteral("Access"), QStringLiteral("memo"), QStringLiteral("ftString"), QStringLiteral("memo")},
        {QStringLiteral("Access"), QStringLiteral("memo"), QStringLiteral("ftWideString"), QStringLiteral("text(255)")},
        {QStringLiteral("Access"), QStringLiteral("memo"), QStringLiteral("ftInteger"), QStringLiteral("integer")},
        {QStringLiteral("Oracle"), QString(), QStringLiteral("ftString"), QString()},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE((row.dbKind + QLatin1Char(' ') + row.defaultType + QLatin1Char(' ') + row.kind).toStdString());
        SetDefaultFieldType(row.defaultType);
        TFieldKindTypeMap map;
        map.SetDBType(row.dbKind);
        EXPECT_EQ(map.MapType(row.kind), row.type);
    }
    SetDefaultFieldType(QString());
}

TEST(FieldKindTypeMap, AnswersNothingBeforeAKindIsChosen)
{
    TFieldKindTypeMap map;
    EXPECT_EQ(map.MapType(QStringLiteral("ftString")), QString());
}

}  // namespace
