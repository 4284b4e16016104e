// Arcs about a centre: the random start sweep, the direction that follows the cursor, the
// tracer information and the full circle.

#include "tests/drawinput/LayoutFixture.h"

#include "tests/support/Printers.h"

using zt::ZTDrawWay;
using namespace zt::cad;

namespace {

const WString kThird = L"指定弧线的第三圆周点/右键取消：";
const WString kEnd = L"指定弧线的终点/右键取消：";
const WString kSecond = L"指定弧线的第二圆周点/右键取消：";

DEllipse3d ArcOf(const ICurvePrimitivePtr& curve)
{
    DEllipse3d a;
    EXPECT_TRUE(curve.IsValid() && curve->TryGetArc(a));
    return a;
}

DPoint3d OnCircle(double radius, double degrees)
{
    double a = DegreesToRadians(degrees);
    return DPoint3d{radius * std::cos(a), radius * std::sin(a), 0};
}

} // namespace

class CirclePointsTest : public LayoutTest
{
protected:
    // The circle of radius 10 about the origin through (10, 0), (0, 10), (-10, 0).
    void PlaceThreeCirclePoints()
    {
        Way(ZTDrawWay::ArcCirclePointsEnd);
        Click(10, 0);
        EXPECT_EQ(mgr.GetPromptString(), WString(L"指定弧线的第二个圆周点/右键取消："));
        Click(0, 10);
        EXPECT_EQ(mgr.GetPromptString(), kThird);
        DEllipse3d circle = ArcOf(Move(-10, 0));
        EXPECT_TRUE(circle.IsFullEllipse());
        EXPECT_POINT_NEAR(circle.center, DPoint3d{}, 1e-9);
        Click(-10, 0);
        EXPECT_EQ(mgr.GetPromptString(), kEnd);
        EXPECT_POINT_NEAR(mgr.TryGetCircleCenter(), DPoint3d{}, 1e-9);
    }
};

TEST_F(CirclePointsTest, SeededCounterClockwiseSweepRunsTheLongWayToTheSouth)
{
    unsigned seed = SeedFor(true);
    ASSERT_NE(seed, 0u);
    mgr.SetRandomSeed(seed);
    PlaceThreeCirclePoints();
    DEllipse3d arc = ArcOf(Move(0, -30));
    EXPECT_TRUE(arc.IsCCWXY());
    EXPECT_NEAR(mgr.GetDynamicTracerInfo().sweepAngle, 270.0, 1e-9);
    EXPECT_NEAR(mgr.GetDynamicTracerInfo().arcLength, 15 * kPi, 1e-9);
    EXPECT_POINT_NEAR(arc.FractionParameterToPoint(0.5), OnCircle(10, 135), 1e-9);

    EXPECT_TRUE(Click(0, -30));
    EXPECT_EQ(mgr.GetPromptString(), kSecond);
    ASSERT_EQ(mgr.GetProfileSize(), 1);
    DEllipse3d placed = ArcOf(mgr.GetProfile(0));
    EXPECT_NEAR(placed.ArcLength(), 15 * kPi, 1e-9);
    EXPECT_POINT_NEAR(placed.FractionParameterToPoint(1), (DPoint3d{0, -10, 0}), 1e-9);
    EXPECT_POINT_NEAR(mgr.GetStartPoint(), (DPoint3d{0, -10, 0}), 1e-9);

    // Back space removes the arc and both circle points.
    mgr.SetBackSpace();
    EXPECT_EQ(mgr.GetProfileSize(), 0);
    ASSERT_EQ(mgr.GetPointSize(), 1u);
    EXPECT_POINT_NEAR(mgr.GetStartPoint(), (DPoint3d{10, 0, 0}), 0);
}

TEST_F(CirclePointsTest, SeededClockwiseSweepRunsTheShortWayToTheSouth)
{
    unsigned seed = SeedFor(false);
    ASSERT_NE(seed, 0u);
    mgr.SetRandomSeed(seed);
    PlaceThreeCirclePoints();
    DEllipse3d arc = ArcOf(Move(0, -30));
    EXPECT_FALSE(arc.IsCCWXY());
    EXPECT_NEAR(mgr.GetDynamicTracerInfo().sweepAngle, -90.0, 1e-9);
    EXPECT_NEAR(mgr.GetDynamicTracerInfo().arcLength, 5 * kPi, 1e-9);
    EXPECT_NEAR(mgr.GetDynamicTracerInfo().chord, std::sqrt(200.0), 1e-9);
    EXPECT_POINT_NEAR(mgr.GetDynamicTracerPoint(), (DPoint3d{0, -10, 0}), 1e-9);
    EXPECT_TRUE(Click(0, -30));
    DEllipse3d placed = ArcOf(mgr.GetProfile(0));
    EXPECT_FALSE(placed.IsCCWXY());
    EXPECT_NEAR(placed.ArcLength(), 5 * kPi, 1e-9);
}

TEST_F(CirclePointsTest, CursorOnTheCentreShowsTheRandomSweep)
{
    unsigned seed = SeedFor(true);
    mgr.SetRandomSeed(seed);
    PlaceThreeCirclePoints();
    std::srand(seed);
    double expected = (std::rand() % 32768) / 32767.0 * 4 * kPi - 2 * kPi;
    DEllipse3d arc = ArcOf(Move(0.3, -0.4)); // within one unit of the centre
    EXPECT_NEAR(mgr.GetDynamicTracerInfo().sweepAngle, RadiansToDegrees(expected), 1e-6);
    EXPECT_POINT_NEAR(mgr.GetDynamicTracerPoint(), OnCircle(10, RadiansToDegrees(expected)), 1e-9);
    EXPECT_POINT_NEAR(arc.FractionParameterToPoint(1), OnCircle(10, RadiansToDegrees(expected)),
                      1e-9);
}

TEST_F(CirclePointsTest, EndOnTheStartDirectionGivesAFullCircleInTwoHalves)
{
    PlaceThreeCirclePoints();
    EXPECT_FALSE(mgr.IsFullSweep());
    DEllipse3d circle = ArcOf(Move(20, 0.1)); // 0.005 rad off the start direction
    EXPECT_TRUE(mgr.IsFullSweep());
    EXPECT_TRUE(circle.IsFullEllipse());
    EXPECT_NEAR(mgr.GetDynamicTracerInfo().sweepAngle, 360.0, 1e-9);

    EXPECT_FALSE(Click(20, 0.1));
    ASSERT_EQ(mgr.GetProfileSize(), 2);
    ExpectConnectedProfile();
    DEllipse3d first = ArcOf(mgr.GetProfile(0)), second = ArcOf(mgr.GetProfile(1));
    EXPECT_POINT_NEAR(first.FractionParameterToPoint(0), (DPoint3d{10, 0, 0}), 1e-9);
    EXPECT_POINT_NEAR(first.FractionParameterToPoint(0.5), (DPoint3d{0, 10, 0}), 1e-9);
    EXPECT_POINT_NEAR(first.FractionParameterToPoint(1), (DPoint3d{-10, 0, 0}), 1e-9);
    EXPECT_POINT_NEAR(second.FractionParameterToPoint(0.5), (DPoint3d{0, -10, 0}), 1e-9);
    EXPECT_POINT_NEAR(second.FractionParameterToPoint(1), (DPoint3d{10, 0, 0}), 1e-9);
    EXPECT_NEAR(mgr.GetProfile()->Length(), 20 * kPi, 1e-9);
}

TEST_F(LayoutTest, FullCircleReplacesTheOutlineAndStartsEast)
{
    Way(ZTDrawWay::Line);
    Click(-50, -50);
    Click(0, 30); // the last line ends where the circle starts
    Way(ZTDrawWay::ArcStartCenterEnd);
    Click(0, 0); // centre: radius 30
    Move(0.01, 60);
    EXPECT_TRUE(mgr.IsFullSweep());
    EXPECT_FALSE(Click(0.01, 60));
    ASSERT_EQ(mgr.GetProfileSize(), 2);
    DPoint3d s, e;
    mgr.GetProfile(0)->GetStartEnd(s, e);
    EXPECT_POINT_NEAR(s, (DPoint3d{30, 0, 0}), 1e-9);
}

TEST_F(LayoutTest, DirectionFollowsTheCursorAcrossTheStartOnly)
{
    mgr.SetRandomSeed(SeedFor(false));
    Way(ZTDrawWay::ArcStartCenterEnd);
    Click(10, 0);
    Click(0, 0); // centre: the start is due east

    struct Step
    {
        double cursorDegrees;
        double sweepDegrees;
    } steps[] = {
        {-10, -10}, // near the start on the clockwise side, whatever an earlier layout left
        {30, 30},   // across the start near it: counter-clockwise
        {-30, -30}, // back across: clockwise
        {-60, -60},   {-120, -120},
        {-170, -170}, {170, -190}, // past the west point the clockwise arc keeps going
        {60, -300},                // coming round the far side does not flip it
        {-10, -10},                // back near the start on the clockwise side
        {10, 10},                  // and across: counter-clockwise again
        {100, 100},   {-100, 260},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.cursorDegrees);
        DEllipse3d arc = ArcOf(mgr.AddDynamicPoint(OnCircle(25, step.cursorDegrees)));
        const zt::DynTraceInfo& info = mgr.GetDynamicTracerInfo();
        EXPECT_NEAR(info.sweepAngle, step.sweepDegrees, 1e-9);
        EXPECT_NEAR(info.arcLength, 10 * DegreesToRadians(std::fabs(step.sweepDegrees)), 1e-9);
        EXPECT_EQ(arc.IsCCWXY(), step.sweepDegrees > 0);
        EXPECT_POINT_NEAR(arc.FractionParameterToPoint(1), OnCircle(10, step.cursorDegrees), 1e-9);
        EXPECT_POINT_NEAR(arc.FractionParameterToPoint(0.5), OnCircle(10, step.sweepDegrees / 2),
                          1e-9);
    }
}

TEST_F(LayoutTest, StartDirectionPreviewsAFullCircleWithoutChangingTheDirection)
{
    mgr.SetRandomSeed(SeedFor(true));
    Way(ZTDrawWay::ArcStartCenterEnd);
    Click(10, 0);
    Click(0, 0);
    ArcOf(mgr.AddDynamicPoint(OnCircle(25, 40)));
    EXPECT_NEAR(mgr.GetDynamicTracerInfo().sweepAngle, 40, 1e-9);
    DEllipse3d circle = ArcOf(mgr.AddDynamicPoint(OnCircle(25, 0.3)));
    EXPECT_TRUE(circle.IsFullEllipse());
    EXPECT_TRUE(mgr.IsFullSweep());
    EXPECT_NEAR(mgr.GetDynamicTracerInfo().arcLength, 20 * kPi, 1e-9);
    ArcOf(mgr.AddDynamicPoint(OnCircle(25, 40)));
    EXPECT_FALSE(mgr.IsFullSweep());
    EXPECT_NEAR(mgr.GetDynamicTracerInfo().sweepAngle, 40, 1e-9);
}

TEST_F(CirclePointsTest, ThirdClickKeepsTheCentreOfTheLastPreviewNotOfTheClicks)
{
    mgr.SetRandomSeed(SeedFor(true));
    Way(ZTDrawWay::ArcCirclePointsEnd);
    Click(10, 0);
    Click(0, 10);
    ArcOf(Move(-10, 0)); // the circle about the origin
    // The click lands elsewhere: the circle through the three clicks is not centred at the
    // origin.
    Click(-6, 2);
    EXPECT_POINT_NEAR(mgr.TryGetCircleCenter(), DPoint3d{}, 1e-9);
    DEllipse3d arc = ArcOf(Move(0, -30));
    EXPECT_POINT_NEAR(arc.center, DPoint3d{}, 1e-9);
    EXPECT_NEAR(arc.vector0.Magnitude(), 10.0, 1e-9);
}
