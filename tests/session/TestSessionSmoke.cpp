#include "TestUtil.h"
#include "UMarrowickSessionObjectFactory.h"

#include <gtest/gtest.h>

TEST(SessionSmoke, FactoryBuilds)
{
    TMarrowickSessionObjectFactory factory;
    EXPECT_TRUE(factory.IsSessionFile(QStringLiteral("a.jif")));
}
