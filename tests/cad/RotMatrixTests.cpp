#include "platform/cad/GeomTolerance.h"
#include "platform/cad/RotMatrix.h"
#include "platform/cad/Transform.h"
#include "tests/support/CadPrinters.h"

#include <gtest/gtest.h>

using namespace zt::cad;

TEST(RotMatrix, RotationsAboutZComposeByAddingAngles)
{
    for (double a : {0.0, 0.4, 1.3, -2.0})
        for (double b : {0.1, -0.7, 3.0}) {
            SCOPED_TRACE(a * 10 + b);
            RotMatrix ab = RotMatrix::FromProduct(RotMatrix::FromAxisAndRotationAngle(2, a),
                                                  RotMatrix::FromAxisAndRotationAngle(2, b));
            EXPECT_TRUE(ab.IsEqual(RotMatrix::FromAxisAndRotationAngle(2, a + b), 1e-12));
            EXPECT_TRUE(ab.IsRigid());
        }
}

TEST(RotMatrix, RotationAboutZTurnsVectorsLikeRotateXY)
{
    DVec3d v{2, -1, 3};
    RotMatrix m = RotMatrix::FromAxisAndRotationAngle(2, 0.9);
    EXPECT_VEC_NEAR(m.Multiply(v), DVec3d::FromRotateXY(v, 0.9), 1e-12);
    EXPECT_TRUE(RotMatrix::FromVectorAndRotationAngle(DVec3d{0, 0, 5}, 0.9).IsEqual(m, 1e-12));
}

TEST(RotMatrix, TransposeOfARotationIsItsInverse)
{
    RotMatrix m = RotMatrix::FromVectorAndRotationAngle(DVec3d{1, 2, -1}, 0.77);
    RotMatrix t = RotMatrix::FromTransposeOf(m);
    EXPECT_TRUE(RotMatrix::FromProduct(m, t).IsIdentity());
    RotMatrix inverse;
    ASSERT_TRUE(inverse.InverseOf(m));
    EXPECT_TRUE(inverse.IsEqual(t, 1e-12));
    DVec3d v{4, 5, 6};
    EXPECT_VEC_NEAR(m.MultiplyTranspose(m.Multiply(v)), v, 1e-12);
}

TEST(RotMatrix, SingularMatrixHasNoInverse)
{
    RotMatrix singular = RotMatrix::FromRowValues(1, 2, 3, 2, 4, 6, 0, 1, 1);
    RotMatrix m = RotMatrix::FromAxisAndRotationAngle(0, 0.5);
    RotMatrix before = m;
    EXPECT_FALSE(m.InverseOf(singular));
    EXPECT_TRUE(m.IsEqual(before));
    EXPECT_FALSE(singular.IsRigid());
}

TEST(RotMatrix, GeneralInverseUndoesTheMatrix)
{
    RotMatrix m = RotMatrix::FromRowValues(2, 0, 1, 1, 3, 0, 0, 1, 4);
    RotMatrix inverse;
    ASSERT_TRUE(inverse.InverseOf(m));
    EXPECT_TRUE(RotMatrix::FromProduct(m, inverse).IsIdentity());
    EXPECT_NEAR(m.Determinant(), 25.0, 1e-12);
}

TEST(RotMatrix, StandardViewsAreRigidAndLookFromTheirSide)
{
    struct Case
    {
        StandardView view;
        DVec3d towardsViewer;
        DVec3d screenUp;
    } cases[] = {
        {StandardView::Top, {0, 0, 1}, {0, 1, 0}},
        {StandardView::Bottom, {0, 0, -1}, {0, -1, 0}},
        {StandardView::Left, {-1, 0, 0}, {0, 0, 1}},
        {StandardView::Right, {1, 0, 0}, {0, 0, 1}},
        {StandardView::Front, {0, -1, 0}, {0, 0, 1}},
        {StandardView::Back, {0, 1, 0}, {0, 0, 1}},
        {StandardView::Iso, DVec3d::FromNormalize(DVec3d{-1, -1, 1}), {}},
        {StandardView::RightIso, DVec3d::FromNormalize(DVec3d{1, -1, 1}), {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.view));
        RotMatrix m = RotMatrix::FromStandardView(c.view);
        EXPECT_TRUE(m.IsRigid());
        EXPECT_VEC_NEAR(m.GetRow(2), c.towardsViewer, 1e-12);
        if (!c.screenUp.IsZero())
            EXPECT_VEC_NEAR(m.GetRow(1), c.screenUp, 1e-12);
        else
            EXPECT_GT(m.GetRow(1).z, 0.0); // isometric views keep +Z up on screen
        EXPECT_EQ(m.GetStandardView(), c.view);
    }
    EXPECT_EQ(RotMatrix::FromAxisAndRotationAngle(2, 0.3).GetStandardView(),
              StandardView::NotStandard);
}

TEST(RotMatrix, ColumnsAndRowsRoundTrip)
{
    DVec3d x{1, 2, 3}, y{4, 5, 6}, z{7, 8, 9};
    RotMatrix c = RotMatrix::FromColumnVectors(x, y, z);
    RotMatrix r = RotMatrix::FromRowVectors(x, y, z);
    EXPECT_VEC_NEAR(c.GetColumn(1), y, 0);
    EXPECT_VEC_NEAR(r.GetRow(2), z, 0);
    EXPECT_TRUE(RotMatrix::FromTransposeOf(c).IsEqual(r));
    EXPECT_TRUE(c.GetColumn(3).IsZero());
}

TEST(Transform, WorldToLocalAndBack)
{
    RotMatrix axes = RotMatrix::FromVectorAndRotationAngle(DVec3d{1, 1, 0}, 0.6);
    DPoint3d origin{10, -5, 2};
    Transform toLocal = Transform::FromWorldToLocal(axes, origin);
    EXPECT_POINT_NEAR(toLocal.Multiply(origin), DPoint3d{}, 1e-12);
    EXPECT_POINT_NEAR(toLocal.Multiply(origin + axes.GetColumn(0)), (DPoint3d{1, 0, 0}), 1e-12);
    Transform back;
    ASSERT_TRUE(back.InverseOf(toLocal));
    DPoint3d p{3, 4, 5};
    EXPECT_POINT_NEAR(back.Multiply(toLocal.Multiply(p)), p, 1e-12);
}
