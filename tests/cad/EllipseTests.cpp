#include "platform/cad/DEllipse3d.h"
#include "platform/cad/GeomTolerance.h"
#include "tests/support/CadPrinters.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace zt::cad;

namespace {

// Invariants of a circular arc said to run from start through middle to end.
void ExpectArcThrough(const DEllipse3d& arc, const DPoint3d& start, const DPoint3d& middle,
                      const DPoint3d& end, double tol)
{
    EXPECT_TRUE(arc.IsCircular());
    double r = arc.vector0.Magnitude();
    EXPECT_NEAR(arc.center.Distance(start), r, tol);
    EXPECT_NEAR(arc.center.Distance(middle), r, tol);
    EXPECT_NEAR(arc.center.Distance(end), r, tol);
    EXPECT_POINT_NEAR(arc.FractionParameterToPoint(0.0), start, tol);
    EXPECT_POINT_NEAR(arc.FractionParameterToPoint(1.0), end, tol);
    EXPECT_GT(arc.sweep, 0.0);
    EXPECT_LT(arc.sweep, kTwoPi);
    // The middle point lies on the arc itself, not on the rest of the circle.
    DPoint3d closest;
    double f;
    arc.ClosestPointBounded(closest, f, middle);
    EXPECT_POINT_NEAR(closest, middle, tol);
    EXPECT_GT(f, 0.0);
    EXPECT_LT(f, 1.0);
    EXPECT_NEAR(arc.ArcLength(), r * arc.sweep, tol);
}

DPoint3d OnCircle(const DPoint3d& c, double r, double degrees)
{
    double a = DegreesToRadians(degrees);
    return DPoint3d{c.x + r * std::cos(a), c.y + r * std::sin(a), c.z};
}

} // namespace

TEST(DEllipse3dFromPointsOnArc, CounterClockwisePointsGiveUpwardNormal)
{
    DPoint3d c{5, -3, 2};
    struct Case
    {
        double s, m, e;
    } cases[] = {{0, 45, 90}, {10, 100, 350}, {200, 210, 220}, {-30, 90, 181}};
    for (const auto& k : cases) {
        SCOPED_TRACE(k.m);
        DPoint3d s = OnCircle(c, 7.5, k.s), m = OnCircle(c, 7.5, k.m), e = OnCircle(c, 7.5, k.e);
        DEllipse3d arc = DEllipse3d::FromPointsOnArc(s, m, e);
        ExpectArcThrough(arc, s, m, e, 1e-9);
        EXPECT_POINT_NEAR(arc.center, c, 1e-9);
        EXPECT_VEC_NEAR(arc.Normal(), DVec3d::UnitZ(), 1e-12);
        EXPECT_TRUE(arc.IsCCWXY());
        EXPECT_NEAR(RadiansToDegrees(arc.sweep), k.e - k.s, 1e-9);
    }
}

TEST(DEllipse3dFromPointsOnArc, ClockwisePointsRunClockwise)
{
    DPoint3d c{0, 0, 0};
    DPoint3d s = OnCircle(c, 2, 90), m = OnCircle(c, 2, 0), e = OnCircle(c, 2, -90);
    DEllipse3d arc = DEllipse3d::FromPointsOnArc(s, m, e);
    ExpectArcThrough(arc, s, m, e, 1e-12);
    EXPECT_FALSE(arc.IsCCWXY());
    EXPECT_VEC_NEAR(arc.Normal(), -DVec3d::UnitZ(), 1e-12);
    EXPECT_NEAR(arc.sweep, kPi, 1e-12);
    // The point at half way is the middle point given.
    EXPECT_POINT_NEAR(arc.FractionParameterToPoint(0.5), m, 1e-12);
}

TEST(DEllipse3dFromPointsOnArc, NearlyCollinearPointsStillMakeAnArcThroughAllThree)
{
    // Down to a bulge of 1e-8 over 1000 units, which is built straight (a radius of about
    // 1e13 could not reproduce its own end points).
    for (double bulge : {1e-3, 1e-5, 1e-8}) {
        SCOPED_TRACE(bulge);
        DPoint3d s{0, 0, 0}, m{500, bulge, 0}, e{1000, 0, 0};
        DEllipse3d arc = DEllipse3d::FromPointsOnArc(s, m, e);
        EXPECT_TRUE(IsFinitePoint(arc.center));
        EXPECT_POINT_NEAR(arc.FractionParameterToPoint(0.0), s, 1e-6);
        EXPECT_POINT_NEAR(arc.FractionParameterToPoint(1.0), e, 1e-6);
        EXPECT_POINT_NEAR(arc.FractionParameterToPoint(0.5), m, 1e-6);
        EXPECT_NEAR(arc.ArcLength(), 1000.0, 1e-3);
    }
}

TEST(DEllipse3dFromPointsOnArc, CollinearPointsGiveTheStraightFlattenedArc)
{
    DPoint3d s{0, 0, 0}, m{3, 3, 0}, e{10, 10, 0};
    DEllipse3d arc = DEllipse3d::FromPointsOnArc(s, m, e);
    EXPECT_POINT_NEAR(arc.FractionParameterToPoint(0.0), s, 1e-12);
    EXPECT_POINT_NEAR(arc.FractionParameterToPoint(1.0), e, 1e-12);
    EXPECT_POINT_NEAR(arc.FractionParameterToPoint(0.5), (DPoint3d{5, 5, 0}), 1e-12);
    EXPECT_NEAR(arc.ArcLength(), s.Distance(e), 1e-9);
    EXPECT_FALSE(arc.IsCircular());
    EXPECT_TRUE(arc.Normal().IsZero());
}

TEST(DEllipse3dFromPointsOnArc, CoincidentPointsNeverGiveNaN)
{
    DPoint3d p{4, 4, 4};
    DEllipse3d point = DEllipse3d::FromPointsOnArc(p, p, p);
    EXPECT_POINT_NEAR(point.FractionParameterToPoint(0.3), p, 0);
    EXPECT_EQ(point.ArcLength(), 0.0);

    // Start and end together: the full circle with the middle point opposite the start.
    DPoint3d m{4, 8, 4};
    DEllipse3d circle = DEllipse3d::FromPointsOnArc(p, m, p);
    EXPECT_TRUE(circle.IsFullEllipse());
    EXPECT_POINT_NEAR(circle.center, (DPoint3d{4, 6, 4}), 1e-12);
    EXPECT_POINT_NEAR(circle.FractionParameterToPoint(0.5), m, 1e-12);
    EXPECT_NEAR(circle.ArcLength(), kTwoPi * 2.0, 1e-12);

    // Middle on the start: collinear, straight from start to end.
    DEllipse3d straight = DEllipse3d::FromPointsOnArc(p, p, DPoint3d{0, 4, 4});
    EXPECT_POINT_NEAR(straight.FractionParameterToPoint(1.0), (DPoint3d{0, 4, 4}), 1e-12);
}

TEST(DEllipse3dFromArcCenterStartEnd, SweepIsTheCounterClockwiseAngle)
{
    DPoint3d c{1, 1, 0};
    for (double endDegrees : {0.0, 30.0, 90.0, 180.0, 270.0, 359.0, -45.0}) {
        SCOPED_TRACE(endDegrees);
        DPoint3d s = OnCircle(c, 3, 20);
        // The end sets only the direction: a point at another radius gives the same arc.
        DPoint3d e = OnCircle(c, 11, 20 + endDegrees);
        DEllipse3d arc = DEllipse3d::FromArcCenterStartEnd(c, s, e);
        double expected = std::fmod(endDegrees + 360.0, 360.0);
        EXPECT_NEAR(RadiansToDegrees(arc.sweep), expected, 1e-9);
        EXPECT_GE(arc.sweep, 0.0);
        EXPECT_LT(arc.sweep, kTwoPi);
        EXPECT_POINT_NEAR(arc.FractionParameterToPoint(0.0), s, 1e-12);
        EXPECT_POINT_NEAR(arc.FractionParameterToPoint(1.0), OnCircle(c, 3, 20 + endDegrees), 1e-9);
        EXPECT_TRUE(arc.IsCircular());
    }
}

TEST(DEllipse3dFromArcCenterStartEnd, DegenerateInputGivesAZeroArc)
{
    DPoint3d c{1, 1, 0};
    DEllipse3d noRadius = DEllipse3d::FromArcCenterStartEnd(c, c, DPoint3d{5, 5, 0});
    EXPECT_EQ(noRadius.sweep, 0.0);
    EXPECT_POINT_NEAR(noRadius.FractionParameterToPoint(1.0), c, 0);
    DEllipse3d noDirection = DEllipse3d::FromArcCenterStartEnd(c, DPoint3d{2, 1, 0}, c);
    EXPECT_EQ(noDirection.sweep, 0.0);
}

TEST(DEllipse3dFromCenterNormalRadius, FullCircleStartsOnTheXAxisForUpwardNormal)
{
    DEllipse3d circle = DEllipse3d::FromCenterNormalRadius(DPoint3d{2, 3, 4}, DVec3d::UnitZ(), 5);
    EXPECT_TRUE(circle.IsFullEllipse());
    EXPECT_TRUE(circle.IsCCWXY());
    EXPECT_POINT_NEAR(circle.FractionParameterToPoint(0.0), (DPoint3d{7, 3, 4}), 1e-12);
    EXPECT_POINT_NEAR(circle.FractionParameterToPoint(0.25), (DPoint3d{2, 8, 4}), 1e-12);
    EXPECT_NEAR(circle.ArcLength(), 10 * kPi, 1e-12);

    for (DVec3d n : {DVec3d{1, 1, 1}, DVec3d{0, 0, -2}, DVec3d{1, 0, 0}, DVec3d{}}) {
        SCOPED_TRACE(n.x + 10 * n.y + 100 * n.z);
        DEllipse3d c = DEllipse3d::FromCenterNormalRadius(DPoint3d{}, n, -2.0);
        EXPECT_TRUE(c.IsCircular());
        EXPECT_NEAR(c.vector0.Magnitude(), 2.0, 1e-12);
        DVec3d expectedNormal = n.IsZero() ? DVec3d::UnitZ() : DVec3d::FromNormalize(n);
        EXPECT_VEC_NEAR(c.Normal(), expectedNormal, 1e-12);
    }
}

TEST(DEllipse3dTangentArc, LeavesAlongTheTangentAndEndsAtTheEnd)
{
    struct Case
    {
        DPoint3d start;
        DVec3d tangent;
        DPoint3d end;
    } cases[] = {
        {{0, 0, 0}, {1, 0, 0}, {10, 10, 0}},  // quarter turn left
        {{0, 0, 0}, {1, 0, 0}, {10, -10, 0}}, // quarter turn right
        {{0, 0, 0}, {1, 0, 0}, {-5, 3, 0}},   // end behind the start: more than half a turn
        {{3, 4, 0}, {0, -2, 0}, {3.5, -8, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.end.x);
        DEllipse3d arc;
        ASSERT_TRUE(arc.InitArcFromPointTangentPoint(c.start, c.tangent, c.end));
        EXPECT_TRUE(arc.IsCircular());
        EXPECT_POINT_NEAR(arc.FractionParameterToPoint(0.0), c.start, 1e-9);
        EXPECT_POINT_NEAR(arc.FractionParameterToPoint(1.0), c.end, 1e-9);
        DVec3d startTangent = DVec3d::FromNormalize(arc.FractionParameterToTangent(0.0));
        EXPECT_VEC_NEAR(startTangent, DVec3d::FromNormalize(c.tangent), 1e-9);
        // Left turns run counter-clockwise.
        EXPECT_EQ(arc.IsCCWXY(), c.tangent.CrossProductXY(c.end - c.start) > 0.0);
    }
    DEllipse3d quarter;
    ASSERT_TRUE(
        quarter.InitArcFromPointTangentPoint(DPoint3d{}, DVec3d::UnitX(), DPoint3d{10, 10, 0}));
    EXPECT_POINT_NEAR(quarter.center, (DPoint3d{0, 10, 0}), 1e-12);
    EXPECT_NEAR(quarter.sweep, kHalfPi, 1e-12);
}

TEST(DEllipse3dTangentArc, FailsWhenNoArcFitsAndLeavesTheArcAlone)
{
    DEllipse3d arc = DEllipse3d::FromCenterNormalRadius(DPoint3d{1, 1, 1}, DVec3d::UnitZ(), 1);
    DEllipse3d before = arc;
    EXPECT_FALSE(arc.InitArcFromPointTangentPoint(DPoint3d{}, DVec3d::UnitX(), DPoint3d{5, 0, 0}));
    EXPECT_FALSE(arc.InitArcFromPointTangentPoint(DPoint3d{}, DVec3d::UnitX(), DPoint3d{-5, 0, 0}));
    EXPECT_FALSE(arc.InitArcFromPointTangentPoint(DPoint3d{}, DVec3d{}, DPoint3d{5, 5, 0}));
    EXPECT_FALSE(arc.InitArcFromPointTangentPoint(DPoint3d{}, DVec3d::UnitX(), DPoint3d{}));
    EXPECT_POINT_NEAR(arc.center, before.center, 0);
    EXPECT_EQ(arc.sweep, before.sweep);
}

TEST(DEllipse3dFullSweep, MakeFullSweepKeepsStartAndDirection)
{
    DPoint3d s{1, 0, 0}, m{0, 1, 0}, e{-1, 0, 0};
    DEllipse3d ccw = DEllipse3d::FromPointsOnArc(s, m, e);
    ccw.MakeFullSweep();
    EXPECT_TRUE(ccw.IsFullEllipse());
    EXPECT_NEAR(ccw.sweep, kTwoPi, 0);
    EXPECT_POINT_NEAR(ccw.FractionParameterToPoint(0.0), s, 1e-12);
    EXPECT_POINT_NEAR(ccw.FractionParameterToPoint(1.0), s, 1e-12);
    EXPECT_NEAR(ccw.ArcLength(), kTwoPi, 1e-12);

    DEllipse3d reversed =
        DEllipse3d::FromVectors(DPoint3d{}, DVec3d{1, 0, 0}, DVec3d{0, 1, 0}, 0, -1);
    reversed.MakeFullSweep();
    EXPECT_EQ(reversed.sweep, -kTwoPi);
    EXPECT_FALSE(reversed.IsCCWXY());
}

TEST(DEllipse3dArcLength, IsRadiusTimesSweepAndAdditive)
{
    DEllipse3d arc =
        DEllipse3d::FromVectors(DPoint3d{}, DVec3d{0, 4, 0}, DVec3d{-4, 0, 0}, 0.3, -2.2);
    EXPECT_NEAR(arc.ArcLength(), 4 * 2.2, 1e-12);
    DEllipse3d first = arc, second = arc;
    first.sweep = -1.0;
    second.start = 0.3 - 1.0;
    second.sweep = -1.2;
    EXPECT_NEAR(first.ArcLength() + second.ArcLength(), arc.ArcLength(), 1e-12);
    // A true ellipse: the quarter of an ellipse with semi-axes 2 and 1.
    DEllipse3d ellipse =
        DEllipse3d::FromVectors(DPoint3d{}, DVec3d{2, 0, 0}, DVec3d{0, 1, 0}, 0, kHalfPi);
    EXPECT_NEAR(ellipse.ArcLength(), 2.4221120551369, 1e-9);
}

TEST(DEllipse3dClosestPoint, InsideTheSweepItIsTheRadialFootOtherwiseAnEnd)
{
    DPoint3d c{0, 0, 0};
    DEllipse3d arc =
        DEllipse3d::FromPointsOnArc(OnCircle(c, 10, 0), OnCircle(c, 10, 45), OnCircle(c, 10, 90));
    struct Case
    {
        DPoint3d space;
        DPoint3d expected;
        double fraction;
    } cases[] = {
        {OnCircle(c, 20, 45), OnCircle(c, 10, 45), 0.5},
        {OnCircle(c, 3, 30), OnCircle(c, 10, 30), 1.0 / 3.0},
        {DPoint3d{5, -5, 0}, OnCircle(c, 10, 0), 0.0},
        {DPoint3d{-4, 3, 0}, OnCircle(c, 10, 90), 1.0},
        {DPoint3d{-10, -1, 0}, OnCircle(c, 10, 90), 1.0},
        {DPoint3d{1, -10, 0}, OnCircle(c, 10, 0), 0.0},
        {DPoint3d{0, 0, 7}, OnCircle(c, 10, 0), 0.0}, // on the axis: every point is nearest
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.space.x * 100 + k.space.y);
        DPoint3d closest;
        double f;
        arc.ClosestPointBounded(closest, f, k.space);
        EXPECT_POINT_NEAR(closest, k.expected, 1e-9);
        EXPECT_NEAR(f, k.fraction, 1e-9);
    }
}

TEST(DEllipse3dClosestPoint, ClockwiseArcsMeasureFractionsAlongTheirRun)
{
    DPoint3d c{0, 0, 0};
    DEllipse3d arc = DEllipse3d::FromVectors(c, DVec3d{10, 0, 0}, DVec3d{0, 10, 0}, 0, -kHalfPi);
    DPoint3d closest;
    double f;
    arc.ClosestPointBounded(closest, f, OnCircle(c, 15, -60));
    EXPECT_NEAR(f, 60.0 / 90.0, 1e-12);
    EXPECT_POINT_NEAR(closest, OnCircle(c, 10, -60), 1e-9);
}
