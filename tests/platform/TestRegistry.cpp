#include "TestUtil.h"
#include "URegistry.h"

#include <gtest/gtest.h>

namespace {

const QString Key = QStringLiteral("Software\\Corvella\\Ambertide");

TEST(Registry, ValuesRoundTripWithoutLetterCase)
{
    {
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey(Key, true));
        reg.WriteString(QStringLiteral("AccessPath"), QStringLiteral("/opt/office/access"));
        reg.WriteInteger(QStringLiteral("Count"), 7);
        reg.WriteBool(QStringLiteral("NotShowLaunch"), true);
    }
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKeyReadOnly(QStringLiteral("software\\corvella\\AMBERTIDE")));
    EXPECT_EQ(reg.ReadString(QStringLiteral("accesspath")), QStringLiteral("/opt/office/access"));
    EXPECT_EQ(reg.ReadInteger(QStringLiteral("count"), 0), 7);
    EXPECT_EQ(reg.ReadString(QStringLiteral("NotShowLaunch")), QStringLiteral("-1"));
    EXPECT_TRUE(reg.ReadBool(QStringLiteral("NotShowLaunch"), false));
    EXPECT_FALSE(reg.ValueExists(QStringLiteral("Missing")));
    EXPECT_EQ(reg.CurrentPath(), QStringLiteral("software\\corvella\\AMBERTIDE"));
}

TEST(Registry, SubkeysWithSlashesAreListedAsStored)
{
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(QStringLiteral("Software\\Corvella\\AccessList\\//home//db//new.accdb"), true));
    reg.WriteString(QStringLiteral("Database"), QStringLiteral("/home/db/new.accdb"));
    reg.CloseKey();
    ASSERT_TRUE(reg.OpenKey(QStringLiteral("Software\\Corvella\\AccessList\\LastTime"), true));
    reg.CloseKey();
    ASSERT_TRUE(reg.OpenKey(QStringLiteral("Software\\Corvella\\AccessList"), false));
    TStringList names;
    reg.GetKeyNames(names);
    ASSERT_EQ(names.Count(), 2);
    EXPECT_EQ(names[0], QStringLiteral("_$slash$__$slash$_home_$slash$__$slash$_db_$slash$__$slash$_new.accdb"));
    EXPECT_EQ(names[1], QStringLiteral("LastTime"));
    // Relative paths open below the current key.
    ASSERT_TRUE(reg.OpenKey(QStringLiteral("LastTime"), false));
    EXPECT_EQ(reg.CurrentPath(), QStringLiteral("Software\\Corvella\\AccessList\\LastTime"));
}

TEST(Registry, MissingKeysAndDeletion)
{
    TRegistry reg;
    EXPECT_FALSE(reg.OpenKey(QStringLiteral("Software\\Nobody"), false));
    ASSERT_TRUE(reg.OpenKey(QStringLiteral("Software\\Corvella\\Tmp\\Child"), true));
    reg.WriteString(QStringLiteral("V"), QStringLiteral("1"));
    reg.CloseKey();
    EXPECT_TRUE(reg.KeyExists(QStringLiteral("Software\\Corvella\\Tmp")));
    EXPECT_TRUE(reg.DeleteKey(QStringLiteral("Software\\Corvella\\Tmp")));
    EXPECT_FALSE(reg.KeyExists(QStringLiteral("Software\\Corvella\\Tmp\\Child")));
    EXPECT_FALSE(reg.DeleteKey(QStringLiteral("Software\\Corvella\\Tmp")));
}

}  // namespace
