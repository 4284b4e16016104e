#include "tests/drawinput/LayoutFixture.h"

#include "tests/support/Printers.h"

using zt::ZTDrawWay;
using namespace zt::cad;

// The singleton lives for the process, so the layout "before Begin" is checked in a process of
// its own: the threadsafe death-test style runs this test afresh in a child.
TEST(ToolLayoutMgnLifecycle, ClicksBeforeBeginAreIgnored)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            zt::ZTToolLayoutMgn& mgr = zt::ZTToolLayoutMgn::Get();
            bool ignored = mgr.GetProfile().IsNull() && mgr.AddDataButtonPoint(DPoint3d{1, 2, 0}) &&
                           mgr.GetPointSize() == 0 &&
                           mgr.AddDynamicPoint(DPoint3d{1, 2, 0}).IsNull() &&
                           !mgr.SetResetButton() && !mgr.IsClosed();
            mgr.SetBackSpace();
            ignored = ignored && mgr.GetProfileSize() == 0 && mgr.GetPointSize() == 0;
            std::exit(ignored ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(LayoutTest, BeginClearsTheLayoutAndEndKeepsTheProfileObject)
{
    Way(ZTDrawWay::Line);
    Click(0, 0);
    Click(10, 0);
    mgr.GetDynamicTracerInfo().reserved = 5;
    CurveVectorPtr old = mgr.GetProfile();
    mgr.Begin();
    EXPECT_EQ(mgr.GetDrawWay(), ZTDrawWay::NotSet);
    EXPECT_EQ(mgr.GetPointSize(), 0u);
    EXPECT_TRUE(mgr.GetCurDrawPoints().empty());
    EXPECT_NE(mgr.GetProfile().get(), old.get());
    EXPECT_EQ(mgr.GetProfile()->GetBoundaryType(), CurveVector::BOUNDARY_TYPE_Outer);
    EXPECT_EQ(mgr.GetProfileSize(), 0);
    EXPECT_TRUE(mgr.GetPromptString().empty());
    EXPECT_TRUE(mgr.TryGetLine().IsNull());
    EXPECT_EQ(mgr.GetDynamicTracerInfo().reserved, 0.0);

    Way(ZTDrawWay::Line);
    Click(0, 0);
    Click(10, 0);
    CurveVector* profile = mgr.GetProfile().get();
    mgr.End();
    EXPECT_EQ(mgr.GetPointSize(), 0u);
    EXPECT_TRUE(mgr.GetCurDrawPoints().empty());
    EXPECT_EQ(mgr.GetProfile().get(), profile);
    EXPECT_EQ(mgr.GetProfileSize(), 0);
}

TEST_F(LayoutTest, NotSetRecordsClicksAndBuildsNothing)
{
    EXPECT_TRUE(Click(0, 0));
    EXPECT_TRUE(Click(10, 0));
    EXPECT_TRUE(Click(10, 10));
    EXPECT_EQ(mgr.GetPointSize(), 3u);
    EXPECT_EQ(mgr.GetCurDrawPoints().size(), 3u);
    EXPECT_EQ(mgr.GetProfileSize(), 0);
    EXPECT_TRUE(Move(5, 5).IsNull());
}

TEST_F(LayoutTest, ClickToleranceIsTenPixelsOfTheSelectedViewOrOneUnit)
{
    EXPECT_DOUBLE_EQ(mgr.GetClickTolerance(), 1.0);
    SelectView(0.5); // a pixel is two units
    EXPECT_DOUBLE_EQ(mgr.GetClickTolerance(), 20.0);
    IViewManager::GetManager().GetActiveViewSet().ClearSelectedViewport();
    EXPECT_DOUBLE_EQ(mgr.GetClickTolerance(), 1.0);
}

TEST_F(LayoutTest, ClickWithinTheToleranceOfTheLastIsIgnoredWithoutAView)
{
    Way(ZTDrawWay::Line);
    EXPECT_TRUE(Click(0, 0));
    EXPECT_TRUE(Click(0.9, -0.9));
    EXPECT_EQ(mgr.GetPointSize(), 1u);
    EXPECT_EQ(mgr.GetProfileSize(), 0);
    EXPECT_TRUE(Click(1.1, 0));
    EXPECT_EQ(mgr.GetPointSize(), 2u);
    EXPECT_EQ(mgr.GetProfileSize(), 1);
}

TEST_F(LayoutTest, ClickWithinTenPixelsIsIgnoredWithAView)
{
    SelectView(0.5);
    Way(ZTDrawWay::Line);
    Click(0, 0);
    Click(100, 0);
    EXPECT_TRUE(Click(119, 19)); // 9.5 pixels away in x and y
    EXPECT_EQ(mgr.GetPointSize(), 2u);
    EXPECT_EQ(mgr.GetProfileSize(), 1);
    EXPECT_TRUE(Click(121, 0));
    EXPECT_EQ(mgr.GetProfileSize(), 2);
}

TEST_F(LayoutTest, SetDrawWaySetsThePromptOfEachWay)
{
    struct Case
    {
        ZTDrawWay way;
        const wchar_t* prompt;
    } cases[] = {
        {ZTDrawWay::Line, L"指定线条下一点/右键取消："},
        {ZTDrawWay::TangentArc, L"指定线条下一点/右键取消："},
        {ZTDrawWay::ArcStartTangentEnd, L"指定弧线的切点/右键取消："},
        {ZTDrawWay::ArcCirclePointsEnd, L"指定弧线的第二个圆周点/右键取消："},
        {ZTDrawWay::ArcStartCenterEnd, L"指定弧线的圆心/右键取消："},
        {ZTDrawWay::ArcStartEndMid, L"指定弧线的第二个圆周点/右键取消："},
        {ZTDrawWay::ArcCenterStartEnd, L"指定弧线的圆心/右键取消："},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.way));
        mgr.GetPromptString() = L"x";
        Way(c.way);
        EXPECT_EQ(mgr.GetDrawWay(), c.way);
        EXPECT_EQ(mgr.GetPromptString(), WString(c.prompt));
    }
    mgr.GetPromptString() = L"kept";
    Way(ZTDrawWay::RectangleTwoCorners);
    EXPECT_EQ(mgr.GetPromptString(), WString(L"kept"));
}

TEST_F(LayoutTest, SetDrawWayDropsTheUnfinishedClicksOfTheSegment)
{
    // Way 1 with an empty profile builds nothing, so its clicks pile up.
    Way(ZTDrawWay::TangentArc);
    Click(0, 0);
    Click(10, 0);
    Click(10, 10);
    ASSERT_EQ(mgr.GetCurDrawPoints().size(), 3u);
    Way(ZTDrawWay::ArcStartTangentEnd);
    ASSERT_EQ(mgr.GetCurDrawPoints().size(), 1u);
    EXPECT_EQ(mgr.GetPointSize(), 1u);
    EXPECT_POINT_NEAR(mgr.GetStartPoint(), DPoint3d{}, 0);

    // From way 2 with three current draw points (reached by switching in mid-segment).
    Click(5, 5);
    Way(ZTDrawWay::ArcCirclePointsEnd);
    Click(20, 5);
    Click(20, 20);
    ASSERT_EQ(mgr.GetCurDrawPoints().size(), 3u);
    Way(ZTDrawWay::ArcStartTangentEnd);
    EXPECT_EQ(mgr.GetCurDrawPoints().size(), 1u);
    EXPECT_EQ(mgr.GetPointSize(), 1u);
}

TEST_F(LayoutTest, SwitchingToARectangleRestartsFromTheFirstPoint)
{
    Way(ZTDrawWay::Line);
    Click(3, 4);
    Click(10, 4);
    Click(10, 10);
    Way(ZTDrawWay::RectangleTwoCorners);
    EXPECT_EQ(mgr.GetPointSize(), 1u);
    ASSERT_EQ(mgr.GetCurDrawPoints().size(), 1u);
    EXPECT_POINT_NEAR(mgr.GetStartPoint(), (DPoint3d{3, 4, 0}), 0);
    EXPECT_EQ(mgr.GetProfileSize(), 0);
}

TEST_F(LayoutTest, DynamicPointLeavesThePointListsAsTheyWere)
{
    Way(ZTDrawWay::Line);
    Click(0, 0);
    Click(10, 0);
    bvector<DPoint3d> points = mgr.GetPoints(), current = mgr.GetCurDrawPoints();
    for (ZTDrawWay way : {ZTDrawWay::Line, ZTDrawWay::ArcStartEndMid, ZTDrawWay::TangentArc,
                          ZTDrawWay::ArcCenterStartEnd}) {
        mgr.GetDrawWay() = way;
        Move(20, 7);
        ASSERT_EQ(mgr.GetPoints().size(), points.size());
        ASSERT_EQ(mgr.GetCurDrawPoints().size(), current.size());
        for (size_t i = 0; i < points.size(); ++i)
            EXPECT_POINT_NEAR(mgr.GetPoints()[i], points[i], 0);
    }
    EXPECT_EQ(mgr.GetProfileSize(), 1);
}

TEST_F(LayoutTest, AuxiliaryInfoFollowsTheLastLine)
{
    Way(ZTDrawWay::Line);
    DPoint3d p;
    DVec3d d;
    Click(2, 1);
    Move(9, 9);
    ASSERT_TRUE(mgr.GetAuxiliaryInfo(p, d)); // no curve yet: the first point and +X
    EXPECT_POINT_NEAR(p, (DPoint3d{2, 1, 0}), 0);
    EXPECT_VEC_NEAR(d, DVec3d::UnitX(), 0);
    Click(5, 5); // line A-B
    Move(30, -7);
    ASSERT_TRUE(mgr.GetAuxiliaryInfo(p, d));
    EXPECT_POINT_NEAR(p, (DPoint3d{5, 5, 0}), 0);
    EXPECT_VEC_NEAR(d, (DVec3d{0.6, 0.8, 0}), 1e-15);
}

TEST_F(LayoutTest, AuxiliaryInfoAfterAnArcIsItsEndTangent)
{
    Way(ZTDrawWay::Line);
    Click(0, 0);
    Click(10, 0);
    Way(ZTDrawWay::TangentArc);
    Click(20, 10); // quarter turn left about (10, 10)
    Move(25, 30);
    DPoint3d p;
    DVec3d d;
    ASSERT_TRUE(mgr.GetAuxiliaryInfo(p, d));
    EXPECT_POINT_NEAR(p, (DPoint3d{20, 10, 0}), 1e-9);
    EXPECT_VEC_NEAR(d, DVec3d::UnitY(), 1e-9);

    // A clockwise arc: a quarter turn right.
    mgr.Begin();
    Way(ZTDrawWay::Line);
    Click(0, 0);
    Click(10, 0);
    Way(ZTDrawWay::TangentArc);
    Click(20, -10);
    Move(25, 30);
    ASSERT_TRUE(mgr.GetAuxiliaryInfo(p, d));
    EXPECT_VEC_NEAR(d, -DVec3d::UnitY(), 1e-9);
}

TEST_F(LayoutTest, AuxiliaryInfoWhileAnArcIsBeingPlaced)
{
    DPoint3d p;
    DVec3d d;
    Way(ZTDrawWay::ArcStartCenterEnd);
    Click(0, 0);
    Click(10, 0); // centre
    Move(10, 10);
    ASSERT_TRUE(mgr.GetAuxiliaryInfo(p, d)); // from the centre towards the start
    EXPECT_POINT_NEAR(p, (DPoint3d{10, 0, 0}), 0);
    EXPECT_VEC_NEAR(d, -DVec3d::UnitX(), 1e-15);

    mgr.Begin();
    Way(ZTDrawWay::ArcCenterStartEnd);
    Click(0, 0);
    Click(0, 5);
    Move(5, 0);
    ASSERT_TRUE(mgr.GetAuxiliaryInfo(p, d)); // from the centre towards the start
    EXPECT_POINT_NEAR(p, DPoint3d{}, 0);
    EXPECT_VEC_NEAR(d, DVec3d::UnitY(), 1e-15);

    mgr.Begin();
    Way(ZTDrawWay::ArcCirclePointsEnd);
    Click(10, 0);
    Move(0, 10);
    ASSERT_TRUE(mgr.GetAuxiliaryInfo(p, d)); // k = 1: the first point, +X
    EXPECT_POINT_NEAR(p, (DPoint3d{10, 0, 0}), 0);
    Click(0, 10);
    Move(0, 20);
    ASSERT_TRUE(mgr.GetAuxiliaryInfo(p, d)); // k = 2: the second point, along the chord
    EXPECT_POINT_NEAR(p, (DPoint3d{0, 10, 0}), 0);
    EXPECT_VEC_NEAR(d, DVec3d::FromNormalize(DVec3d{-1, 1, 0}), 1e-15);
    Click(-10, 0);
    Move(0, -20);
    ASSERT_TRUE(mgr.GetAuxiliaryInfo(p, d)); // k = 3: the circle's centre towards the start
    EXPECT_POINT_NEAR(p, DPoint3d{}, 1e-12);
    EXPECT_VEC_NEAR(d, DVec3d::UnitX(), 1e-12);

    mgr.Begin();
    Way(ZTDrawWay::RectangleTwoCorners);
    Click(0, 0);
    Move(5, 5);
    EXPECT_FALSE(mgr.GetAuxiliaryInfo(p, d));
}

TEST_F(LayoutTest, GetProfileByIndexAndStartPointOutOfRange)
{
    EXPECT_POINT_NEAR(mgr.GetStartPoint(), DPoint3d{}, 0);
    Way(ZTDrawWay::Line);
    Click(1, 1);
    Click(5, 5);
    ASSERT_TRUE(mgr.GetProfile(0).IsValid());
    EXPECT_TRUE(mgr.GetProfile(1).IsNull());
    EXPECT_TRUE(mgr.GetProfile(-1).IsNull());
    EXPECT_EQ(mgr.GetProfile(0).get(), (*mgr.GetProfile())[0].get());
}

TEST_F(LayoutTest, ResetWithOneStraightLineAddsNothing)
{
    Way(ZTDrawWay::Line);
    EXPECT_FALSE(mgr.SetResetButton());
    Click(0, 0);
    Click(10, 0);
    EXPECT_FALSE(mgr.SetResetButton());
    EXPECT_EQ(mgr.GetProfileSize(), 1);
}

TEST_F(LayoutTest, ResetAfterAnArcAddsTheClosingChord)
{
    Way(ZTDrawWay::ArcStartEndMid);
    Click(0, 0);
    Click(20, 0);
    Click(10, 10);
    ASSERT_EQ(mgr.GetProfileSize(), 1);
    EXPECT_TRUE(mgr.SetResetButton());
    ASSERT_EQ(mgr.GetProfileSize(), 2);
    DSegment3d chord;
    ASSERT_TRUE(mgr.GetProfile(1)->TryGetLine(chord));
    EXPECT_POINT_NEAR(chord.point[0], (DPoint3d{20, 0, 0}), 1e-9);
    EXPECT_POINT_NEAR(chord.point[1], DPoint3d{}, 0);
    ExpectConnectedProfile();
    EXPECT_TRUE(mgr.IsClosed());
}

TEST_F(LayoutTest, PolygonClosesWhenItsLastClickMeetsTheFirst)
{
    Way(ZTDrawWay::Line);
    Click(0, 0);
    Click(10, 0);
    Click(10, 10);
    EXPECT_FALSE(mgr.IsClosed());
    EXPECT_FALSE(mgr.IsDynamicClosed(DPoint3d{5, 5, 0}));
    EXPECT_TRUE(mgr.IsDynamicClosed(DPoint3d{0.5, -0.5, 0}));
    Click(0.6, 0.4); // within the tolerance of the first point
    ASSERT_TRUE(mgr.IsClosed());
    // The last line is snapped exactly onto the first point.
    EXPECT_POINT_NEAR(ProfileEnd(), DPoint3d{}, 0);
    ExpectConnectedProfile();
    EXPECT_EQ(mgr.GetProfile()->PointInOnOutXY(DPoint3d{7, 3, 0}), CurveVector::INOUT_In);
}

TEST_F(LayoutTest, IsClosedNeedsTwoCurvesAndOneCurrentPoint)
{
    Way(ZTDrawWay::Line);
    Click(0, 0);
    Click(10, 0);
    EXPECT_FALSE(mgr.IsClosed());
    Click(0.2, 0.2);
    EXPECT_TRUE(mgr.IsClosed());
    Way(ZTDrawWay::ArcStartEndMid);
    Click(30, 30); // the arc's end: two current draw points now
    EXPECT_FALSE(mgr.IsClosed());
}

TEST_F(LayoutTest, DynamicClosureDependsOnTheWayAndItsClicks)
{
    struct Case
    {
        ZTDrawWay way;
        size_t clicksBeforeClosing; // clicks of the segment after its current point
        bool closes;
    } cases[] = {
        {ZTDrawWay::Line, 0, true},
        {ZTDrawWay::TangentArc, 0, true},
        {ZTDrawWay::ArcStartTangentEnd, 0, false},
        {ZTDrawWay::ArcStartTangentEnd, 1, true},
        {ZTDrawWay::ArcCirclePointsEnd, 2, false},
        {ZTDrawWay::ArcStartCenterEnd, 1, false},
        {ZTDrawWay::ArcStartCenterEnd, 2, true},
        {ZTDrawWay::ArcStartEndMid, 2, true},
        {ZTDrawWay::ArcCenterStartEnd, 2, true},
        {ZTDrawWay::RectangleTwoCorners, 0, false},
        {ZTDrawWay::NotSet, 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << static_cast<int>(c.way) << " after " << c.clicksBeforeClosing);
        mgr.Begin();
        Way(ZTDrawWay::Line);
        Click(0, 0);
        Click(50, 0);
        Click(50, 50);
        mgr.GetDrawWay() = c.way;
        const double extra[][2] = {{30, 60}, {20, 70}, {10, 75}};
        for (size_t i = 0; i < c.clicksBeforeClosing; ++i)
            mgr.GetCurDrawPoints().push_back(DPoint3d{extra[i][0], extra[i][1], 0});
        EXPECT_EQ(mgr.IsDynamicClosed(DPoint3d{0.3, 0.3, 0}), c.closes);
        EXPECT_FALSE(mgr.IsDynamicClosed(DPoint3d{3, 3, 0}));
    }
}

TEST_F(LayoutTest, DynamicClosureInWay3NeedsMoreThanThreeCurrentPoints)
{
    Way(ZTDrawWay::Line);
    Click(0, 0);
    Click(50, 0);
    Way(ZTDrawWay::ArcCirclePointsEnd);
    Click(60, 30);
    Click(50, 60);
    ASSERT_EQ(mgr.GetCurDrawPoints().size(), 3u);
    EXPECT_FALSE(mgr.IsDynamicClosed(DPoint3d{0, 0, 0}));
    mgr.GetCurDrawPoints().push_back(DPoint3d{20, 50, 0});
    EXPECT_TRUE(mgr.IsDynamicClosed(DPoint3d{0, 0, 0}));
}

TEST_F(LayoutTest, CheckLinesFindsRepeatedClicks)
{
    Way(ZTDrawWay::Line);
    Click(0, 0);
    Click(10, 0);
    Click(10, 10);
    EXPECT_FALSE(mgr.CheckLines());

    // Two lines that go out and straight back.
    mgr.Begin();
    Way(ZTDrawWay::Line);
    Click(0, 0);
    Click(10, 0);
    Click(0.5, 0);
    EXPECT_TRUE(mgr.CheckLines());

    // An arc whose middle click repeats its start.
    mgr.Begin();
    Way(ZTDrawWay::ArcStartEndMid);
    Click(0, 0);
    Click(20, 0);
    Click(0.5, 0.5);
    ASSERT_TRUE(mgr.GetProfile(0)->GetArcCP());
    EXPECT_TRUE(mgr.CheckLines());

    // Way 6 records a repeated click.
    mgr.Begin();
    Way(ZTDrawWay::ArcCenterStartEnd);
    Click(3, 3);
    Click(3, 3);
    EXPECT_TRUE(mgr.CheckLines());
}

TEST_F(LayoutTest, BackSpaceWithoutCurvesForgetsEveryClick)
{
    mgr.SetBackSpace(); // nothing to undo
    EXPECT_EQ(mgr.GetPointSize(), 0u);
    Way(ZTDrawWay::ArcCirclePointsEnd);
    Click(0, 0);
    Click(5, 5);
    mgr.SetBackSpace();
    EXPECT_EQ(mgr.GetPointSize(), 0u);
    EXPECT_TRUE(mgr.GetCurDrawPoints().empty());
}

TEST_F(LayoutTest, LinePreviewBeforeAnyClickIsTheCursorAsAOnePointLineString)
{
    Way(ZTDrawWay::Line);
    ICurvePrimitivePtr preview = Move(4, 7);
    ASSERT_TRUE(preview.IsValid());
    const bvector<DPoint3d>* points = preview->GetLineStringCP();
    ASSERT_NE(points, nullptr);
    ASSERT_EQ(points->size(), 1u);
    EXPECT_POINT_NEAR(points->front(), (DPoint3d{4, 7, 0}), 0);
    EXPECT_EQ(mgr.GetPointSize(), 0u);
}

TEST_F(LayoutTest, AuxiliaryInfoOfTangentAndEndMidArcsWithTwoPoints)
{
    DPoint3d p;
    DVec3d d;
    Way(ZTDrawWay::ArcStartTangentEnd);
    Click(1, 1);
    Click(4, 5); // tangent point
    Move(20, 20);
    ASSERT_TRUE(mgr.GetAuxiliaryInfo(p, d)); // the start, towards the tangent point
    EXPECT_POINT_NEAR(p, (DPoint3d{1, 1, 0}), 0);
    EXPECT_VEC_NEAR(d, (DVec3d{0.6, 0.8, 0}), 1e-15);

    mgr.Begin();
    Way(ZTDrawWay::ArcStartEndMid);
    Click(2, 0);
    Click(2, -9); // the arc's end
    Move(7, 7);
    ASSERT_TRUE(mgr.GetAuxiliaryInfo(p, d)); // the start, towards the end
    EXPECT_POINT_NEAR(p, (DPoint3d{2, 0, 0}), 0);
    EXPECT_VEC_NEAR(d, -DVec3d::UnitY(), 1e-15);
}

TEST_F(LayoutTest, IsClosedSnapsAnArcEndOntoTheFirstPoint)
{
    Way(ZTDrawWay::Line);
    Click(0, 0);
    Click(10, 0);
    Way(ZTDrawWay::ArcStartEndMid);
    Click(0.4, 0.3); // the arc's end, within the tolerance of the first point
    Click(5, 8);     // a point on the arc
    ASSERT_EQ(mgr.GetProfileSize(), 2);
    DEllipse3d before;
    ASSERT_TRUE(mgr.GetProfile(1)->TryGetArc(before));
    ASSERT_TRUE(mgr.IsClosed());
    DEllipse3d after;
    ASSERT_TRUE(mgr.GetProfile(1)->TryGetArc(after)); // still an arc
    EXPECT_POINT_NEAR(after.FractionParameterToPoint(1), DPoint3d{}, 1e-9);
    EXPECT_POINT_NEAR(after.FractionParameterToPoint(0), (DPoint3d{10, 0, 0}), 1e-9);
    EXPECT_EQ(after.IsCCWXY(), before.IsCCWXY());
    ExpectConnectedProfile();
}
