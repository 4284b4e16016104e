#include "platform/cad/GeomTolerance.h"
#include "platform/host/CurveUtil.h"
#include "platform/host/PublicFunc.h"
#include "tests/support/CadPrinters.h"

#include <gtest/gtest.h>

using Tessel::ArchModel::CurveUtil;
using Tessel::ArchModel::PublicFunc;
using namespace zt::cad;

namespace {

// Each curve starts where the previous one ended and the last ends where the first starts.
void ExpectClosedChain(const CurveVector& chain)
{
    ASSERT_FALSE(chain.empty());
    for (size_t i = 0; i < chain.size(); ++i) {
        DPoint3d s0, e0, s1, e1;
        ASSERT_TRUE(chain[i]->GetStartEnd(s0, e0));
        ASSERT_TRUE(chain[(i + 1) % chain.size()]->GetStartEnd(s1, e1));
        EXPECT_POINT_NEAR(e0, s1, 1e-12);
    }
}

} // namespace

TEST(CurveUtil, CreateLineRunsFromPToQ)
{
    ICurvePrimitivePtr line = CurveUtil::Get().createLine(DPoint3d{1, 2, 3}, DPoint3d{4, 6, 3});
    DSegment3d s;
    ASSERT_TRUE(line->TryGetLine(s));
    EXPECT_POINT_NEAR(s.point[0], (DPoint3d{1, 2, 3}), 0);
    EXPECT_POINT_NEAR(s.point[1], (DPoint3d{4, 6, 3}), 0);
}

TEST(CurveUtil, RectangleIsAClosedLoopOfFourAxisParallelLines)
{
    for (DPoint3d far : {DPoint3d{40, 30, 9}, DPoint3d{-40, 30, 9}, DPoint3d{-40, -30, 0}}) {
        SCOPED_TRACE(far.x * 100 + far.y);
        CurveVectorPtr r = CurveUtil::Get().createRectangXY(DPoint3d{0, 0, 5}, far);
        EXPECT_EQ(r->GetBoundaryType(), CurveVector::BOUNDARY_TYPE_Outer);
        ASSERT_EQ(r->size(), 4u);
        ExpectClosedChain(*r);
        for (const auto& edge : *r) {
            DSegment3d s;
            ASSERT_TRUE(edge->TryGetLine(s));
            EXPECT_TRUE(s.point[0].x == s.point[1].x || s.point[0].y == s.point[1].y);
            EXPECT_EQ(s.point[0].z, 5.0);
        }
        EXPECT_NEAR(r->Length(), 140.0, 1e-12);
        EXPECT_EQ(r->PointInOnOutXY(DPoint3d{far.x / 2, far.y / 2, 0}), CurveVector::INOUT_In);
        DPoint3d start, end;
        r->GetStartEnd(start, end);
        EXPECT_POINT_NEAR(start, (DPoint3d{0, 0, 5}), 0);
    }
}

TEST(CurveUtil, PolyClosesTheListAndSkipsRepeatedPoints)
{
    CurveUtil& util = CurveUtil::Get();
    bvector<DPoint3d> closed{{0, 0, 0}, {4, 0, 0}, {4, 3, 0}, {0, 3, 0}, {0, 0, 0}};
    CurveVectorPtr a = util.createPoly(closed);
    ASSERT_EQ(a->size(), 4u);
    ExpectClosedChain(*a);

    bvector<DPoint3d> open{{0, 0, 0}, {4, 0, 0}, {4, 0, 0}, {4, 3, 0}};
    CurveVectorPtr b = util.createPoly(open);
    ASSERT_EQ(b->size(), 3u);
    ExpectClosedChain(*b);
    EXPECT_NEAR(b->Length(), 12.0, 1e-12);

    EXPECT_TRUE(util.createPoly(bvector<DPoint3d>{})->empty());
    EXPECT_TRUE(util.createPoly(bvector<DPoint3d>{{1, 1, 1}, {1, 1, 1}})->empty());
}

TEST(CurveUtil, ArcDirectionSeenFromAbove)
{
    CurveUtil& util = CurveUtil::Get();
    DEllipse3d ccw =
        DEllipse3d::FromPointsOnArc(DPoint3d{1, 0, 0}, DPoint3d{0, 1, 0}, DPoint3d{-1, 0, 0});
    DEllipse3d cw =
        DEllipse3d::FromPointsOnArc(DPoint3d{-1, 0, 0}, DPoint3d{0, 1, 0}, DPoint3d{1, 0, 0});
    EXPECT_TRUE(util.IsArcAntiwise(ccw));
    EXPECT_FALSE(util.IsArcAntiwise(cw));
    // The same clockwise run written with an upward normal and a negative sweep.
    DEllipse3d cwNegative =
        DEllipse3d::FromVectors(DPoint3d{}, DVec3d{-1, 0, 0}, DVec3d{0, -1, 0}, 0, -kPi);
    EXPECT_FALSE(util.IsArcAntiwise(cwNegative));
    EXPECT_POINT_NEAR(cwNegative.FractionParameterToPoint(0.5), (DPoint3d{0, 1, 0}), 1e-12);
    EXPECT_TRUE(util.IsArcAntiwise(ICurvePrimitive::CreateArc(ccw)));
    EXPECT_FALSE(util.IsArcAntiwise(util.createLine(DPoint3d{}, DPoint3d{1, 0, 0})));
    EXPECT_FALSE(util.IsArcAntiwise(ICurvePrimitivePtr()));
}

TEST(CurveUtil, EndPointOfEachKindAndOfNothing)
{
    CurveUtil& util = CurveUtil::Get();
    EXPECT_POINT_NEAR(util.GetEndPoint(util.createLine(DPoint3d{}, DPoint3d{3, 2, 1})),
                      (DPoint3d{3, 2, 1}), 0);
    ICurvePrimitivePtr arc = ICurvePrimitive::CreateArc(
        DEllipse3d::FromPointsOnArc(DPoint3d{1, 0, 0}, DPoint3d{0, 1, 0}, DPoint3d{-1, 0, 0}));
    EXPECT_POINT_NEAR(util.GetEndPoint(arc), (DPoint3d{-1, 0, 0}), 1e-12);
    EXPECT_POINT_NEAR(util.GetEndPoint(nullptr), DPoint3d{}, 0);
}

TEST(CurveUtil, SameSweepEndPointMovesTheEndExactlyAndKeepsTheSweep)
{
    CurveUtil& util = CurveUtil::Get();
    struct Case
    {
        DPoint3d s, m, e, target;
    } cases[] = {
        {{10, 0, 0}, {0, 10, 0}, {-10, 0, 0}, {-10.4, 0.3, 0}},  // half circle, counter-clockwise
        {{10, 0, 0}, {0, -10, 0}, {-10, 0, 0}, {-9.7, -0.2, 0}}, // clockwise
        {{0, 0, 0}, {5, 1, 0}, {10, 0, 0}, {10.2, 0.1, 0}},      // shallow
        {{10, 0, 0}, {-10, 0.1, 0}, {10, -1, 0}, {10, -1.3, 0}}, // almost a whole turn
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.target.x);
        DEllipse3d before = DEllipse3d::FromPointsOnArc(c.s, c.m, c.e);
        ICurvePrimitivePtr curve = ICurvePrimitive::CreateArc(before);
        ICurvePrimitivePtr original = curve;
        ASSERT_TRUE(util.SetSameSweepEndPoint(curve, c.target));
        EXPECT_NE(curve.get(), original.get()); // shared curves are replaced, not edited
        DEllipse3d after;
        ASSERT_TRUE(curve->TryGetArc(after));
        EXPECT_TRUE(after.IsCircular());
        EXPECT_POINT_NEAR(after.FractionParameterToPoint(0.0), c.s, 1e-9);
        EXPECT_POINT_NEAR(after.FractionParameterToPoint(1.0), c.target, 1e-9);
        EXPECT_NEAR(std::fabs(after.sweep), std::fabs(before.sweep), 1e-12);
        EXPECT_EQ(util.IsArcAntiwise(after), util.IsArcAntiwise(before));
    }
}

TEST(CurveUtil, SameSweepEndPointOfLinesAndRefusals)
{
    CurveUtil& util = CurveUtil::Get();
    ICurvePrimitivePtr line = util.createLine(DPoint3d{}, DPoint3d{10, 0, 0});
    ASSERT_TRUE(util.SetSameSweepEndPoint(line, DPoint3d{10, 0.5, 0}));
    EXPECT_POINT_NEAR(util.GetEndPoint(line), (DPoint3d{10, 0.5, 0}), 0);

    ICurvePrimitivePtr string =
        ICurvePrimitive::CreateLineString(bvector<DPoint3d>{{0, 0, 0}, {1, 0, 0}, {1, 1, 0}});
    ASSERT_TRUE(util.SetSameSweepEndPoint(string, DPoint3d{1, 2, 0}));
    EXPECT_POINT_NEAR(string->GetLineStringCP()->back(), (DPoint3d{1, 2, 0}), 0);

    ICurvePrimitivePtr circle = ICurvePrimitive::CreateArc(
        DEllipse3d::FromCenterNormalRadius(DPoint3d{}, DVec3d::UnitZ(), 5));
    ICurvePrimitivePtr kept = circle;
    EXPECT_FALSE(util.SetSameSweepEndPoint(circle, DPoint3d{5, 1, 0}));
    EXPECT_EQ(circle.get(), kept.get());

    ICurvePrimitivePtr arc = ICurvePrimitive::CreateArc(
        DEllipse3d::FromPointsOnArc(DPoint3d{1, 0, 0}, DPoint3d{0, 1, 0}, DPoint3d{-1, 0, 0}));
    EXPECT_FALSE(util.SetSameSweepEndPoint(arc, DPoint3d{1, 0, 0})); // no chord left

    ICurvePrimitivePtr none;
    EXPECT_FALSE(util.SetSameSweepEndPoint(none, DPoint3d{}));
}

TEST(PublicFunc, ParallelLinesWithinTheToleranceInEitherDirection)
{
    struct Case
    {
        double degrees;
        bool parallel;
    } cases[] = {{0, true},     {180, true},  {0.05, true}, {179.95, true},
                 {0.06, false}, {0.2, false}, {90, false},  {-0.03, true}};
    DPoint3d a0{1, 1, 0}, a1{21, 1, 0};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.degrees);
        DVec3d d = DVec3d::FromRotateXY(DVec3d{7, 0, 0}, DegreesToRadians(c.degrees));
        DPoint3d b0{5, -3, 0};
        // 0.001 rad is about 0.0573 degrees.
        EXPECT_EQ(PublicFunc::IsTwoLineParrallel(a0, a1, b0, b0 + d, 0.001) != 0, c.parallel);
    }
    // A line without length has no direction: treated as parallel (the straight case).
    EXPECT_NE(PublicFunc::IsTwoLineParrallel(a0, a0, a0, a1, 0.001), 0);
}
