#include "platform/host/TesselDraftAid.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(TesselDraftAid, StartsHiddenWithIdentityAxes)
{
    RotMatrix rotation = RotMatrix::FromAxisAndRotationAngle(2, 1.0);
    TesselDraftAid::GetInstance()->GetRotation(rotation);
    EXPECT_TRUE(rotation.IsIdentity());
    EXPECT_FALSE(TesselDraftAid::GetInstance()->IsShown());
}

TEST(TesselDraftAid, ContextFlagsSetOnlyTheirParts)
{
    TesselDraftAid& aid = *TesselDraftAid::GetInstance();
    RotMatrix turned = RotMatrix::FromAxisAndRotationAngle(2, M_PI / 6.0);
    std::uint64_t revision = aid.GetRevision();

    EXPECT_TRUE(aid.SetContext(TesselDraftAid_SetOrigin, DPoint3d{1, 2, 3}, turned));
    RotMatrix read;
    aid.GetRotation(read);
    EXPECT_TRUE(read.IsIdentity()) << "the origin flag alone leaves the axes";
    EXPECT_TRUE(aid.IsShown());
    EXPECT_EQ(aid.GetOrigin().y, 2.0);

    EXPECT_TRUE(aid.SetContext(TesselDraftAid_SetRotation | TesselDraftAid_Hide, DPoint3d{9, 9, 9},
                               turned));
    aid.GetRotation(read);
    EXPECT_NEAR(read.Determinant(), 1.0, 1e-12);
    EXPECT_NEAR(read.form3d[0][1], turned.form3d[0][1], 1e-12);
    EXPECT_FALSE(aid.IsShown());
    EXPECT_EQ(aid.GetOrigin().x, 1.0) << "the origin keeps its place without the origin flag";
    EXPECT_EQ(aid.GetRevision(), revision + 2);
}

TEST(TesselDraftAid, SingularAxesAndNonFiniteOriginsAreRefused)
{
    TesselDraftAid& aid = *TesselDraftAid::GetInstance();
    RotMatrix quarter = RotMatrix::FromAxisAndRotationAngle(2, M_PI / 2.0);
    ASSERT_TRUE(
        aid.SetContext(TesselDraftAid_SetRotation | TesselDraftAid_Hide, DPoint3d{}, quarter));
    RotMatrix flat = RotMatrix::FromRowValues(1, 0, 0, 0, 1, 0, 0, 0, 0);
    EXPECT_FALSE(aid.SetContext(TesselDraftAid_SetRotation, DPoint3d{}, flat));
    RotMatrix read;
    aid.GetRotation(read);
    EXPECT_NEAR(read.form3d[0][1], quarter.form3d[0][1], 1e-12) << "the old axes stay";

    double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(aid.SetContext(TesselDraftAid_SetOrigin, DPoint3d{nan, 0, 0}, read));
    EXPECT_FALSE(aid.IsShown());
}
