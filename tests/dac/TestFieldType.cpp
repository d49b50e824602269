#include "TestUtil.h"

#include "UFieldType.h"

#include <gtest/gtest.h>

TEST(FieldType, NamesRoundTrip)
{
    for (int i = ftUnknown; i <= ftSingle; ++i) {
        const auto t = static_cast<TFieldType>(i);
        TFieldType back = ftUnknown;
        ASSERT_TRUE(TryFieldTypeFromName(FieldTypeName(t).toUpper(), back)) << i;
        EXPECT_EQ(back, t);
    }
    EXPECT_EQ(FieldTypeName(ftWideMemo), QStringLiteral("ftWideMemo"));
    EXPECT_EQ(FieldTypeName(ftTimeStamp), QStringLiteral("ftTimeStamp"));
}
