// A whole layout per draw way: clicks, previews, prompts and back space.

#include "tests/drawinput/LayoutFixture.h"

#include "tests/support/Printers.h"

using zt::ZTDrawWay;
using namespace zt::cad;

namespace {

const WString kLineNext = L"指定线条下一点/右键取消：";
const WString kTangent = L"指定弧线的切点/右键取消：";
const WString kNext = L"指定弧线的下一点/右键取消：";
const WString kEnd = L"指定弧线的终点/右键取消：";
const WString kStart = L"指定弧线的起点/右键取消：";
const WString kCentre = L"指定弧线的圆心/右键取消：";
const WString kSecondInitial = L"指定弧线的第二个圆周点/右键取消：";

DSegment3d LineOf(const ICurvePrimitivePtr& curve)
{
    DSegment3d s;
    EXPECT_TRUE(curve.IsValid() && curve->TryGetLine(s));
    return s;
}

DEllipse3d ArcOf(const ICurvePrimitivePtr& curve)
{
    DEllipse3d a;
    EXPECT_TRUE(curve.IsValid() && curve->TryGetArc(a));
    return a;
}

} // namespace

TEST_F(LayoutTest, LineSessionAndBackSpace)
{
    Way(ZTDrawWay::Line);
    EXPECT_EQ(mgr.GetPromptString(), kLineNext);
    EXPECT_TRUE(Click(0, 0)); // A
    DSegment3d preview = LineOf(Move(30, 40));
    EXPECT_POINT_NEAR(preview.point[0], DPoint3d{}, 0);
    EXPECT_POINT_NEAR(preview.point[1], (DPoint3d{30, 40, 0}), 0);
    EXPECT_TRUE(mgr.TryGetLine().IsNull());
    EXPECT_TRUE(Click(30, 40));  // B
    EXPECT_TRUE(Click(30, 100)); // X
    ASSERT_EQ(mgr.GetProfileSize(), 2);
    EXPECT_POINT_NEAR(LineOf(mgr.GetProfile(1)).point[0], (DPoint3d{30, 40, 0}), 0);
    ASSERT_EQ(mgr.GetCurDrawPoints().size(), 1u);
    EXPECT_POINT_NEAR(mgr.GetStartPoint(), (DPoint3d{30, 100, 0}), 0);
    EXPECT_EQ(mgr.GetPointSize(), 3u);
    ExpectConnectedProfile();

    mgr.SetBackSpace();
    ASSERT_EQ(mgr.GetPointSize(), 2u);
    EXPECT_POINT_NEAR(mgr.GetPoints()[0], DPoint3d{}, 0);
    EXPECT_POINT_NEAR(mgr.GetPoints()[1], (DPoint3d{30, 40, 0}), 0);
    ASSERT_EQ(mgr.GetProfileSize(), 1);
    EXPECT_POINT_NEAR(LineOf(mgr.GetProfile(0)).point[1], (DPoint3d{30, 40, 0}), 0);
    ASSERT_EQ(mgr.GetCurDrawPoints().size(), 1u);
    EXPECT_POINT_NEAR(mgr.GetStartPoint(), (DPoint3d{30, 40, 0}), 0);

    mgr.SetBackSpace();
    EXPECT_EQ(mgr.GetProfileSize(), 0);
    ASSERT_EQ(mgr.GetPointSize(), 1u);
    EXPECT_POINT_NEAR(mgr.GetStartPoint(), DPoint3d{}, 0);
    mgr.SetBackSpace();
    EXPECT_EQ(mgr.GetPointSize(), 0u);
}

TEST_F(LayoutTest, TangentArcSessionAndBackSpace)
{
    Way(ZTDrawWay::TangentArc);
    Click(0, 0);
    EXPECT_TRUE(Move(10, 0).IsNull()); // no curve to be tangent to yet
    Way(ZTDrawWay::Line);
    Click(10, 0);
    Way(ZTDrawWay::TangentArc);
    EXPECT_EQ(mgr.GetPromptString(), kLineNext);

    DEllipse3d preview = ArcOf(Move(20, 10));
    EXPECT_POINT_NEAR(preview.center, (DPoint3d{10, 10, 0}), 1e-9);
    EXPECT_POINT_NEAR(LineOf(mgr.TryGetLine()).point[1], (DPoint3d{20, 10, 0}), 0);
    EXPECT_TRUE(Click(20, 10));
    DEllipse3d first = ArcOf(mgr.GetProfile(1));
    EXPECT_POINT_NEAR(first.center, (DPoint3d{10, 10, 0}), 1e-9);
    EXPECT_TRUE(first.IsCCWXY());

    // Continuing tangent to the arc: straight up from (20, 10), round to (10, 20).
    EXPECT_TRUE(Click(10, 20));
    DEllipse3d second = ArcOf(mgr.GetProfile(2));
    EXPECT_POINT_NEAR(second.center, (DPoint3d{10, 10, 0}), 1e-9);
    EXPECT_VEC_NEAR(DVec3d::FromNormalize(second.FractionParameterToTangent(0)), DVec3d::UnitY(),
                    1e-9);
    ExpectConnectedProfile();
    EXPECT_EQ(mgr.GetPromptString(), kLineNext);

    // Straight ahead no arc fits: a line.
    EXPECT_TRUE(Click(-10, 20));
    EXPECT_TRUE(Click(-20, 20));
    EXPECT_TRUE(mgr.GetProfile(4)->GetLineCP());

    mgr.SetBackSpace();
    mgr.SetBackSpace();
    ASSERT_EQ(mgr.GetProfileSize(), 3);
    ASSERT_EQ(mgr.GetPointSize(), 4u);
    EXPECT_POINT_NEAR(mgr.GetPoints().back(), (DPoint3d{10, 20, 0}), 1e-9);
    EXPECT_POINT_NEAR(mgr.GetStartPoint(), (DPoint3d{10, 20, 0}), 1e-9);
}

TEST_F(LayoutTest, StartTangentEndSessionAndBackSpace)
{
    Way(ZTDrawWay::ArcStartTangentEnd);
    EXPECT_EQ(mgr.GetPromptString(), kTangent);
    Click(0, 0);
    EXPECT_TRUE(LineOf(Move(10, 0)).point[1].IsEqual(DPoint3d{10, 0, 0}));
    Click(10, 0);
    EXPECT_EQ(mgr.GetPromptString(), kNext);
    DEllipse3d preview = ArcOf(Move(10, 10));
    EXPECT_POINT_NEAR(preview.center, (DPoint3d{0, 10, 0}), 1e-9);
    EXPECT_POINT_NEAR(LineOf(mgr.TryGetLine()).point[1], (DPoint3d{10, 10, 0}), 0);
    EXPECT_TRUE(Click(10, 10));
    EXPECT_EQ(mgr.GetPromptString(), kTangent);
    ASSERT_EQ(mgr.GetProfileSize(), 1);
    DEllipse3d arc = ArcOf(mgr.GetProfile(0));
    EXPECT_NEAR(arc.ArcLength(), 5 * kPi, 1e-9);
    ASSERT_EQ(mgr.GetCurDrawPoints().size(), 1u);
    EXPECT_POINT_NEAR(mgr.GetStartPoint(), (DPoint3d{10, 10, 0}), 0);

    // A second arc, then back space removes it with its tangent click.
    Click(20, 10);
    Click(30, 0);
    ASSERT_EQ(mgr.GetProfileSize(), 2);
    ExpectConnectedProfile();
    mgr.SetBackSpace();
    ASSERT_EQ(mgr.GetProfileSize(), 1);
    ASSERT_EQ(mgr.GetPointSize(), 3u);
    EXPECT_POINT_NEAR(mgr.GetPoints().back(), (DPoint3d{10, 10, 0}), 1e-9);
    mgr.SetBackSpace();
    EXPECT_EQ(mgr.GetProfileSize(), 0);
    ASSERT_EQ(mgr.GetPointSize(), 1u);
    EXPECT_POINT_NEAR(mgr.GetStartPoint(), DPoint3d{}, 0);
}

TEST_F(LayoutTest, StartCenterEndSessionAndBackSpace)
{
    mgr.SetRandomSeed(SeedFor(true));
    Way(ZTDrawWay::ArcStartCenterEnd);
    EXPECT_EQ(mgr.GetPromptString(), kCentre);
    Click(0, 0);
    Click(10, 0); // centre
    EXPECT_EQ(mgr.GetPromptString(), kEnd);
    EXPECT_POINT_NEAR(mgr.TryGetCircleCenter(), (DPoint3d{10, 0, 0}), 0);

    ICurvePrimitivePtr preview = Move(10, -30);
    DEllipse3d arc = ArcOf(preview);
    EXPECT_POINT_NEAR(arc.FractionParameterToPoint(0), DPoint3d{}, 1e-9);
    EXPECT_POINT_NEAR(arc.FractionParameterToPoint(1), (DPoint3d{10, -10, 0}), 1e-9);
    EXPECT_POINT_NEAR(mgr.GetDynamicTracerPoint(), (DPoint3d{10, -10, 0}), 1e-9);
    DSegment3d guide = LineOf(mgr.TryGetLine());
    EXPECT_POINT_NEAR(guide.point[0], (DPoint3d{10, 0, 0}), 0);
    EXPECT_POINT_NEAR(guide.point[1], (DPoint3d{10, -10, 0}), 1e-9);
    // The seeded sweep runs counter-clockwise: from west to south about the centre.
    EXPECT_TRUE(arc.IsCCWXY());
    EXPECT_NEAR(mgr.GetDynamicTracerInfo().sweepAngle, 90.0, 1e-9);
    EXPECT_NEAR(mgr.GetDynamicTracerInfo().arcLength, 5 * kPi, 1e-9);
    EXPECT_NEAR(mgr.GetDynamicTracerInfo().chord, std::sqrt(200.0), 1e-9);

    EXPECT_TRUE(Click(10, -30));
    EXPECT_EQ(mgr.GetPromptString(), kStart);
    ASSERT_EQ(mgr.GetProfileSize(), 1);
    // The end is snapped onto the circle, in the lists too.
    EXPECT_POINT_NEAR(mgr.GetPoints().back(), (DPoint3d{10, -10, 0}), 1e-9);
    ASSERT_EQ(mgr.GetCurDrawPoints().size(), 1u);
    EXPECT_POINT_NEAR(mgr.GetStartPoint(), (DPoint3d{10, -10, 0}), 1e-9);
    EXPECT_POINT_NEAR(ProfileEnd(), (DPoint3d{10, -10, 0}), 1e-9);

    mgr.SetBackSpace();
    EXPECT_EQ(mgr.GetProfileSize(), 0);
    ASSERT_EQ(mgr.GetPointSize(), 1u);
    EXPECT_POINT_NEAR(mgr.GetStartPoint(), DPoint3d{}, 0);
}

TEST_F(LayoutTest, StartEndMidSessionWithAStraightFallbackAndBackSpace)
{
    Way(ZTDrawWay::ArcStartEndMid);
    EXPECT_EQ(mgr.GetPromptString(), kSecondInitial);
    Click(0, 0);
    EXPECT_TRUE(Move(20, 0)->GetLineCP());
    EXPECT_TRUE(mgr.TryGetLine().IsNull());
    Click(20, 0);
    DEllipse3d preview = ArcOf(Move(10, 10));
    EXPECT_POINT_NEAR(preview.center, (DPoint3d{10, 0, 0}), 1e-9);
    EXPECT_POINT_NEAR(mgr.TryGetCircleCenter(), (DPoint3d{10, 0, 0}), 1e-9);
    EXPECT_POINT_NEAR(LineOf(mgr.TryGetLine()).point[1], (DPoint3d{20, 0, 0}), 0);
    // Collinear cursor: a straight preview and no guide line.
    EXPECT_TRUE(Move(10, 0.001)->GetLineCP());
    EXPECT_TRUE(mgr.TryGetLine().IsNull());

    EXPECT_TRUE(Click(10, 10));
    EXPECT_EQ(mgr.GetPromptString(), kSecondInitial);
    ASSERT_EQ(mgr.GetProfileSize(), 1);
    DEllipse3d arc = ArcOf(mgr.GetProfile(0));
    EXPECT_POINT_NEAR(arc.FractionParameterToPoint(1), (DPoint3d{20, 0, 0}), 1e-9);
    EXPECT_POINT_NEAR(arc.FractionParameterToPoint(0.5), (DPoint3d{10, 10, 0}), 1e-9);
    EXPECT_POINT_NEAR(mgr.GetStartPoint(), (DPoint3d{20, 0, 0}), 0);

    Click(40, 0);
    Click(30, 0.004); // within 0.001 rad of the straight line
    ASSERT_EQ(mgr.GetProfileSize(), 2);
    EXPECT_TRUE(mgr.GetProfile(1)->GetLineCP());
    ExpectConnectedProfile();

    mgr.SetBackSpace();
    ASSERT_EQ(mgr.GetProfileSize(), 1);
    ASSERT_EQ(mgr.GetCurDrawPoints().size(), 1u);
    EXPECT_POINT_NEAR(mgr.GetStartPoint(), (DPoint3d{20, 0, 0}), 1e-9);
    mgr.SetBackSpace();
    EXPECT_EQ(mgr.GetProfileSize(), 0);
    EXPECT_POINT_NEAR(mgr.GetStartPoint(), DPoint3d{}, 0);
}

TEST_F(LayoutTest, CenterStartEndSessionAndBackSpace)
{
    Way(ZTDrawWay::ArcCenterStartEnd);
    EXPECT_EQ(mgr.GetPromptString(), kCentre);
    Click(0, 0); // the centre
    DEllipse3d circle = ArcOf(Move(10, 0));
    EXPECT_TRUE(circle.IsFullEllipse());
    EXPECT_NEAR(circle.vector0.Magnitude(), 10.0, 1e-12);
    EXPECT_POINT_NEAR(LineOf(mgr.TryGetLine()).point[1], (DPoint3d{10, 0, 0}), 0);
    Click(10, 0); // the start

    // Sweep a little clockwise, then across the start direction: counter-clockwise.
    Move(10, -1);
    EXPECT_LT(mgr.GetDynamicTracerInfo().sweepAngle, 0.0);
    Move(10, 1);
    EXPECT_GT(mgr.GetDynamicTracerInfo().sweepAngle, 0.0);
    DEllipse3d arc = ArcOf(Move(0, 25));
    EXPECT_TRUE(arc.IsCCWXY());
    EXPECT_NEAR(mgr.GetDynamicTracerInfo().sweepAngle, 90.0, 1e-9);
    DSegment3d guide = LineOf(mgr.TryGetLine()); // the radius to the start
    EXPECT_POINT_NEAR(guide.point[1], (DPoint3d{10, 0, 0}), 0);

    EXPECT_TRUE(Click(0, 25));
    ASSERT_EQ(mgr.GetProfileSize(), 1);
    DEllipse3d placed = ArcOf(mgr.GetProfile(0));
    EXPECT_POINT_NEAR(placed.FractionParameterToPoint(0), (DPoint3d{10, 0, 0}), 1e-9);
    EXPECT_POINT_NEAR(placed.FractionParameterToPoint(1), (DPoint3d{0, 10, 0}), 1e-9);
    EXPECT_NEAR(placed.ArcLength(), 5 * kPi, 1e-9);
    ASSERT_EQ(mgr.GetPointSize(), 3u);
    EXPECT_POINT_NEAR(mgr.GetPoints().back(), (DPoint3d{0, 10, 0}), 1e-9);

    mgr.SetBackSpace();
    EXPECT_EQ(mgr.GetProfileSize(), 0);
    ASSERT_EQ(mgr.GetPointSize(), 1u);
    EXPECT_POINT_NEAR(mgr.GetStartPoint(), DPoint3d{}, 0);
}

TEST_F(LayoutTest, CenterStartEndAcceptsARepeatedClick)
{
    Way(ZTDrawWay::ArcCenterStartEnd);
    EXPECT_TRUE(Click(5, 5));
    EXPECT_TRUE(Click(5, 5));
    EXPECT_EQ(mgr.GetPointSize(), 2u);
    EXPECT_EQ(mgr.GetCurDrawPoints().size(), 2u);
    // Other ways ignore it.
    Way(ZTDrawWay::Line);
    EXPECT_TRUE(Click(5, 5));
    EXPECT_EQ(mgr.GetPointSize(), 1u);
}

TEST_F(LayoutTest, TwoCornerRectangleCompletesTheLayout)
{
    Way(ZTDrawWay::RectangleTwoCorners);
    EXPECT_TRUE(Click(0, 0));
    ICurvePrimitivePtr preview = Move(40, -30);
    ASSERT_TRUE(preview.IsValid());
    const bvector<DPoint3d>* outline = preview->GetLineStringCP();
    ASSERT_NE(outline, nullptr);
    ASSERT_EQ(outline->size(), 5u);
    EXPECT_POINT_NEAR((*outline)[2], (DPoint3d{40, -30, 0}), 0);
    EXPECT_TRUE(mgr.TryGetLine().IsNull());

    EXPECT_FALSE(Click(40, -30));
    ASSERT_EQ(mgr.GetProfileSize(), 4);
    ExpectConnectedProfile();
    DPoint3d start, end;
    mgr.GetProfile()->GetStartEnd(start, end);
    EXPECT_POINT_NEAR(start, end, 0);
    EXPECT_NEAR(mgr.GetProfile()->Length(), 140.0, 1e-12);
    EXPECT_EQ(mgr.GetProfile()->PointInOnOutXY(DPoint3d{20, -15, 0}), CurveVector::INOUT_In);
}

TEST_F(LayoutTest, ThreePointRectangleTakesItsWidthFromTheThirdClick)
{
    Way(ZTDrawWay::RectangleThreePoints);
    Click(0, 0);
    EXPECT_TRUE(Move(30, 40)->GetLineCP());
    Click(30, 40);
    for (double side : {1.0, -1.0}) {
        SCOPED_TRACE(side);
        // 10 units across the edge, plus a slide along it that must not matter.
        DPoint3d cursor =
            DPoint3d{30, 40, 0} + DVec3d{-0.8, 0.6, 0} * (10 * side) + DVec3d{0.6, 0.8, 0} * 7;
        ICurvePrimitivePtr preview = mgr.AddDynamicPoint(cursor);
        const bvector<DPoint3d>* outline = preview->GetLineStringCP();
        ASSERT_NE(outline, nullptr);
        ASSERT_EQ(outline->size(), 5u);
        DPoint3d k2 = DPoint3d{30, 40, 0} + DVec3d{-0.8, 0.6, 0} * (10 * side);
        EXPECT_POINT_NEAR((*outline)[2], k2, 1e-9);
        EXPECT_POINT_NEAR((*outline)[3], k2 - DVec3d{30, 40, 0}, 1e-9);
        EXPECT_POINT_NEAR((*outline)[4], DPoint3d{}, 0);
        EXPECT_POINT_NEAR(mgr.GetDynamicTracerPoint(), k2, 1e-9);
    }
    EXPECT_FALSE(Click(30 - 8 + 4.2, 40 + 6 + 5.6));
    ASSERT_EQ(mgr.GetProfileSize(), 4);
    ExpectConnectedProfile();
    EXPECT_NEAR(mgr.GetProfile()->Length(), 2 * (50 + 10), 1e-9);
    EXPECT_EQ(mgr.GetProfile()->PointInOnOutXY(DPoint3d{11, 17, 0}), CurveVector::INOUT_In);
}

TEST_F(LayoutTest, MixedOutlineClosedByTheResetButton)
{
    Way(ZTDrawWay::Line);
    Click(0, 0);
    Click(10, 0);
    Way(ZTDrawWay::TangentArc);
    Click(20, 10);
    Way(ZTDrawWay::ArcStartEndMid);
    Click(0, 30);
    Click(12, 24);
    ASSERT_EQ(mgr.GetProfileSize(), 3);
    EXPECT_TRUE(mgr.SetResetButton());
    ASSERT_EQ(mgr.GetProfileSize(), 4);
    ExpectConnectedProfile();
    EXPECT_POINT_NEAR(ProfileEnd(), DPoint3d{}, 0);
    EXPECT_TRUE(mgr.IsClosed());
    EXPECT_EQ(mgr.GetProfile()->PointInOnOutXY(DPoint3d{5, 10, 0}), CurveVector::INOUT_In);
}
