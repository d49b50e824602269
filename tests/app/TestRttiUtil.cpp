#include "TestUtil.h"
#include "UDebugHelper.h"
#include "UException.h"
#include "URttiUtil.h"

#include <gtest/gtest.h>

namespace {

class TShape : public TObject {
    AMBERTIDE_CLASS(TShape)
};

class TCircle : public TShape {
    AMBERTIDE_CLASS(TCircle)
};

class TStone : public TObject {
    AMBERTIDE_CLASS(TStone)
};


TEST(RttiUtil, CreatesByUnitQualifiedName)
{
    TRttiUtil::RegisterClass<TCircle>(QStringLiteral("UCircle"));
    TRttiUtil::RegisterClass<TCircle>(QStringLiteral("UCircle"));  // idempotent
    auto object = TRttiUtil::CreateObject(QStringLiteral("ucircle.tcircle"));
    EXPECT_EQ(object->ClassName(), QStringLiteral("TCircle"));
    auto shape = TRttiUtil::CreateObjectAs<TShape>(QStringLiteral("UCircle.TCircle"));
    EXPECT_EQ(shape->ClassName(), QStringLiteral("TCircle"));
}

TEST(RttiUtil, ErrorsNameTheClasses)
{
    TDebugHelper::Initialize();
    TDebugHelper::Clear();
    EXPECT_EQ(ErrorOf([] { TRttiUtil::CreateObject(QStringLiteral("UNope.TNope")); }),
              QStringLiteral("Can not find class type: UNope.TNope"));
    EXPECT_TRUE(TDebugHelper::GetLogText().contains(QStringLiteral("[error]\tCan not find class type: UNope.TNope")));
    TRttiUtil::RegisterClass<TStone>(QStringLiteral("UStone"));
    EXPECT_EQ(ErrorOf([] { TRttiUtil::CreateObjectAs<TShape>(QStringLiteral("UStone.TStone")); }),
              QStringLiteral("Cast Error: TObject to TShape, Real type: TStone"));
    TDebugHelper::Finalize();
}

}  // namespace
