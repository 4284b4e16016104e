#include "platform/cad/DPoint2d.h"
#include "platform/cad/DRange3d.h"
#include "platform/cad/DRay3d.h"
#include "platform/cad/DSegment3d.h"
#include "platform/cad/GeomTolerance.h"
#include "tests/support/CadPrinters.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace zt::cad;

TEST(DVec3d, NormalizeGivesUnitLengthAndReturnsTheOldLength)
{
    DVec3d v{3.0, 4.0, 12.0};
    EXPECT_DOUBLE_EQ(v.Normalize(), 13.0);
    EXPECT_NEAR(v.Magnitude(), 1.0, 1e-15);
    EXPECT_VEC_NEAR(v, (DVec3d{3.0 / 13, 4.0 / 13, 12.0 / 13}), 1e-15);
}

TEST(DVec3d, VectorsWithoutDirectionStayZeroInsteadOfNaN)
{
    for (DVec3d v : {DVec3d{}, DVec3d{1e-12, 0, 0}, DVec3d{0, -5e-11, 5e-11}}) {
        SCOPED_TRACE(v.x + v.y + v.z);
        DVec3d n = v;
        EXPECT_EQ(n.Normalize(), 0.0);
        EXPECT_TRUE(n.IsEqual(DVec3d{}));
        DVec3d s = v;
        EXPECT_EQ(s.ScaleToLength(5.0), 0.0);
        EXPECT_TRUE(s.IsEqual(DVec3d{}));
        EXPECT_EQ(v.AngleToXY(DVec3d::UnitX()), 0.0);
        EXPECT_EQ(DVec3d::UnitY().AngleTo(v), 0.0);
        EXPECT_FALSE(v.IsParallelTo(DVec3d::UnitX()));
    }
    DVec3d coincident = DVec3d::FromStartEndNormalize(DPoint3d{1, 2, 3}, DPoint3d{1, 2, 3});
    EXPECT_TRUE(coincident.IsEqual(DVec3d{}));
}

TEST(DVec3d, ScaleToLengthWithNegativeLengthReverses)
{
    DVec3d v{0.0, 2.0, 0.0};
    EXPECT_DOUBLE_EQ(v.ScaleToLength(-3.0), 2.0);
    EXPECT_VEC_NEAR(v, (DVec3d{0, -3, 0}), 1e-15);
}

TEST(DVec3d, AngleToXYIsSignedCounterClockwise)
{
    for (double degrees : {0.0, 10.0, 89.0, 90.0, 135.0, 179.0, 180.0, -1.0, -90.0, -179.5}) {
        SCOPED_TRACE(degrees);
        DVec3d from{2.0, 1.0, 0.0};
        DVec3d to = DVec3d::FromRotateXY(from, DegreesToRadians(degrees));
        to.Scale(3.7);
        EXPECT_NEAR(RadiansToDegrees(from.AngleToXY(to)), degrees, 1e-9);
        // Reversing the pair reverses the sign, except for a half turn, which stays +180.
        double back = RadiansToDegrees(to.AngleToXY(from));
        EXPECT_NEAR(back, degrees == 180.0 ? 180.0 : -degrees, 1e-9);
        // The unsigned angle is the magnitude.
        EXPECT_NEAR(RadiansToDegrees(from.AngleTo(to)), std::fabs(degrees), 1e-9);
    }
}

TEST(DVec3d, AngleToXYIgnoresZ)
{
    DVec3d a{1, 0, 5}, b{0, 1, -7};
    EXPECT_NEAR(a.AngleToXY(b), kHalfPi, 1e-15);
}

TEST(DVec3d, RotateXYKeepsLengthAndZAndComposes)
{
    DVec3d v{3.0, -2.0, 4.0};
    for (double a : {0.3, 1.0, -2.5, 7.0}) {
        SCOPED_TRACE(a);
        DVec3d r = DVec3d::FromRotateXY(v, a);
        EXPECT_NEAR(r.MagnitudeXY(), v.MagnitudeXY(), 1e-12);
        EXPECT_EQ(r.z, v.z);
        DVec3d twice = DVec3d::FromRotateXY(DVec3d::FromRotateXY(v, a), -a);
        EXPECT_VEC_NEAR(twice, v, 1e-12);
    }
    EXPECT_VEC_NEAR(DVec3d::FromRotateXY(DVec3d::UnitX(), kHalfPi), DVec3d::UnitY(), 1e-15);
}

TEST(DVec3d, CrossProductIsPerpendicularToBoth)
{
    DVec3d a{1, 2, 3}, b{-4, 0.5, 2};
    DVec3d c = a.CrossProduct(b);
    EXPECT_NEAR(c.DotProduct(a), 0.0, 1e-12);
    EXPECT_NEAR(c.DotProduct(b), 0.0, 1e-12);
    EXPECT_NEAR(c.Magnitude(), a.Magnitude() * b.Magnitude() * std::sin(a.AngleTo(b)), 1e-12);
    EXPECT_TRUE(a.IsParallelTo(a * -3.0));
    EXPECT_TRUE(DVec3d::UnitX().IsPerpendicularTo(DVec3d::UnitZ()));
}

TEST(DPoint3d, IsEqualWithToleranceComparesEachCoordinate)
{
    DPoint3d p{10, 20, 30};
    EXPECT_TRUE(p.IsEqual(DPoint3d{10, 20, 30}));
    EXPECT_FALSE(p.IsEqual(DPoint3d{10, 20, 30.0000001}));
    EXPECT_TRUE(p.IsEqual(DPoint3d{19.9, 29.9, 39.9}, 10.0));
    // A box, not a sphere: a diagonal offset of 10 in x and y is still equal within 10.
    EXPECT_TRUE(p.IsEqual(DPoint3d{20, 30, 30}, 10.0));
    EXPECT_FALSE(p.IsEqual(DPoint3d{20.01, 20, 30}, 10.0));
}

TEST(DPoint3d, AlmostEqualUsesDistance)
{
    DPoint3d p{0, 0, 0};
    EXPECT_TRUE(p.AlmostEqual(DPoint3d{0.6, 0.6, 0}, 1.0));
    EXPECT_FALSE(p.AlmostEqual(DPoint3d{0.8, 0.8, 0}, 1.0));
    DPoint3d big{1e6, -2e6, 3};
    EXPECT_TRUE(big.AlmostEqual(DPoint3d{1e6 + 1e-7, -2e6, 3}));
    EXPECT_FALSE(big.AlmostEqual(DPoint3d{1e6 + 1e-3, -2e6, 3}));
}

TEST(DPoint3d, SumsAndInterpolation)
{
    DPoint3d a{1, 1, 1}, b{3, 5, 1};
    EXPECT_POINT_NEAR(DPoint3d::FromInterpolate(a, 0.5, b), (DPoint3d{2, 3, 1}), 0);
    EXPECT_POINT_NEAR(DPoint3d::FromSumOf(a, DVec3d{1, 0, 0}, 2.0, DVec3d{0, 1, 0}, -1.0),
                      (DPoint3d{3, 0, 1}), 0);
    EXPECT_DOUBLE_EQ(a.Distance(b), std::sqrt(20.0));
    EXPECT_POINT_NEAR(a + (b - a), b, 0);
}

TEST(DPoint2d, DistanceAndEquality)
{
    DPoint2d a{0, 0}, b{3, 4};
    EXPECT_DOUBLE_EQ(a.Distance(b), 5.0);
    EXPECT_TRUE(a.IsEqual(DPoint2d{0.5, -0.5}, 0.5));
}

TEST(DSegment3d, ProjectionIsPerpendicularAndBoundedProjectionClamps)
{
    DSegment3d s = DSegment3d::From(DPoint3d{0, 0, 0}, DPoint3d{10, 0, 0});
    struct Case
    {
        DPoint3d space;
        double fraction;
        double boundedFraction;
    } cases[] = {
        {{5, 3, 0}, 0.5, 0.5},
        {{-4, 1, 0}, -0.4, 0.0},
        {{15, -2, 0}, 1.5, 1.0},
        {{10, 7, 1}, 1.0, 1.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.space.x);
        DPoint3d foot;
        double f;
        EXPECT_TRUE(s.ProjectPoint(foot, f, c.space));
        EXPECT_NEAR(f, c.fraction, 1e-12);
        EXPECT_NEAR((c.space - foot).DotProduct(s.Direction()), 0.0, 1e-9);
        s.ProjectPointBounded(foot, f, c.space);
        EXPECT_NEAR(f, c.boundedFraction, 1e-12);
        EXPECT_POINT_NEAR(foot, s.FractionParameterToPoint(c.boundedFraction), 1e-12);
    }
}

TEST(DSegment3d, ZeroLengthSegmentProjectsOntoItsPoint)
{
    DSegment3d s = DSegment3d::From(DPoint3d{2, 2, 0}, DPoint3d{2, 2, 0});
    DPoint3d foot;
    double f = 7;
    EXPECT_FALSE(s.ProjectPoint(foot, f, DPoint3d{5, 5, 5}));
    EXPECT_EQ(f, 0.0);
    EXPECT_POINT_NEAR(foot, (DPoint3d{2, 2, 0}), 0);
}

TEST(DRay3d, PlaneIntersectionParameterCountsInDirectionLengths)
{
    DRay3d ray = DRay3d::FromOriginAndTarget(DPoint3d{1, 2, 10}, DPoint3d{1, 2, 6});
    double t;
    DPoint3d hit;
    ASSERT_TRUE(ray.IntersectPlane(DPoint3d{0, 0, 0}, DVec3d::UnitZ(), t, hit));
    EXPECT_NEAR(t, 2.5, 1e-12);
    EXPECT_POINT_NEAR(hit, (DPoint3d{1, 2, 0}), 1e-12);
    DRay3d parallel = DRay3d::FromOriginAndVector(DPoint3d{0, 0, 1}, DVec3d::UnitX());
    EXPECT_FALSE(parallel.IntersectPlane(DPoint3d{}, DVec3d::UnitZ(), t, hit));
    DRay3d none = DRay3d::FromOriginAndVector(DPoint3d{0, 0, 1}, DVec3d{});
    EXPECT_FALSE(none.IntersectPlane(DPoint3d{}, DVec3d::UnitZ(), t, hit));
}

TEST(DRange3d, ExtendsToContainEveryPoint)
{
    DRange3d r;
    EXPECT_TRUE(r.IsNull());
    EXPECT_EQ(r.XLength(), 0.0);
    bvector<DPoint3d> points{{1, 5, -2}, {-3, 2, 0}, {4, -1, 7}};
    r = DRange3d::From(points);
    for (const auto& p : points)
        EXPECT_TRUE(r.IsContained(p));
    EXPECT_DOUBLE_EQ(r.XLength(), 7.0);
    EXPECT_DOUBLE_EQ(r.YLength(), 6.0);
    EXPECT_DOUBLE_EQ(r.ZLength(), 9.0);
    EXPECT_FALSE(r.IsContained(DPoint3d{5, 0, 0}));
    EXPECT_TRUE(r.IntersectsWith(DRange3d::From(DPoint3d{4, 5, 7}, DPoint3d{9, 9, 9})));
    EXPECT_FALSE(r.IntersectsWith(DRange3d::From(DPoint3d{4.1, 5, 7}, DPoint3d{9, 9, 9})));
}
