#include "platform/cad/GeomTolerance.h"
#include "platform/cad/ICurvePrimitive.h"
#include "tests/support/CadPrinters.h"

#include <gtest/gtest.h>

using namespace zt::cad;

TEST(ICurvePrimitive, KindsAnswerOnlyForThemselves)
{
    ICurvePrimitivePtr line = ICurvePrimitive::CreateLine(DPoint3d{0, 0, 0}, DPoint3d{3, 4, 0});
    ICurvePrimitivePtr arc = ICurvePrimitive::CreateArc(
        DEllipse3d::FromCenterNormalRadius(DPoint3d{}, DVec3d::UnitZ(), 1.0));
    ICurvePrimitivePtr string =
        ICurvePrimitive::CreateLineString(bvector<DPoint3d>{{0, 0, 0}, {1, 0, 0}});
    DSegment3d segment;
    DEllipse3d ellipse;

    EXPECT_EQ(line->GetCurvePrimitiveType(), ICurvePrimitive::CURVE_PRIMITIVE_TYPE_Line);
    EXPECT_TRUE(line->TryGetLine(segment));
    EXPECT_FALSE(line->TryGetArc(ellipse));
    EXPECT_EQ(line->GetLineStringCP(), nullptr);
    EXPECT_POINT_NEAR(segment.point[1], (DPoint3d{3, 4, 0}), 0);

    EXPECT_EQ(arc->GetCurvePrimitiveType(), ICurvePrimitive::CURVE_PRIMITIVE_TYPE_Arc);
    EXPECT_TRUE(arc->TryGetArc(ellipse));
    EXPECT_FALSE(arc->TryGetLine(segment));
    EXPECT_EQ(arc->GetLineStringCP(), nullptr);

    EXPECT_EQ(string->GetCurvePrimitiveType(), ICurvePrimitive::CURVE_PRIMITIVE_TYPE_LineString);
    ASSERT_NE(string->GetLineStringCP(), nullptr);
    EXPECT_EQ(string->GetLineStringCP()->size(), 2u);
    EXPECT_FALSE(string->TryGetLine(segment));
}

TEST(ICurvePrimitive, StartEndAndTangentsOfEachKind)
{
    DPoint3d s, e;
    DVec3d ts, te;
    ICurvePrimitivePtr line = ICurvePrimitive::CreateLine(DPoint3d{1, 1, 0}, DPoint3d{1, 6, 0});
    ASSERT_TRUE(line->GetStartEnd(s, e, ts, te));
    EXPECT_POINT_NEAR(s, (DPoint3d{1, 1, 0}), 0);
    EXPECT_POINT_NEAR(e, (DPoint3d{1, 6, 0}), 0);
    EXPECT_VEC_NEAR(ts, DVec3d::UnitY(), 1e-15);

    ICurvePrimitivePtr arc = ICurvePrimitive::CreateArc(
        DEllipse3d::FromPointsOnArc(DPoint3d{1, 0, 0}, DPoint3d{0, 1, 0}, DPoint3d{-1, 0, 0}));
    ASSERT_TRUE(arc->GetStartEnd(s, e, ts, te));
    EXPECT_POINT_NEAR(e, (DPoint3d{-1, 0, 0}), 1e-12);
    EXPECT_VEC_NEAR(ts, DVec3d::UnitY(), 1e-12);
    EXPECT_VEC_NEAR(te, -DVec3d::UnitY(), 1e-12);

    ICurvePrimitivePtr string = ICurvePrimitive::CreateLineString(
        bvector<DPoint3d>{{0, 0, 0}, {0, 0, 0}, {2, 0, 0}, {2, 3, 0}, {2, 3, 0}});
    ASSERT_TRUE(string->GetStartEnd(s, e, ts, te));
    EXPECT_VEC_NEAR(ts, DVec3d::UnitX(), 1e-15); // repeated points are stepped over
    EXPECT_VEC_NEAR(te, DVec3d::UnitY(), 1e-15);

    ICurvePrimitivePtr empty = ICurvePrimitive::CreateLineString(bvector<DPoint3d>{});
    EXPECT_FALSE(empty->GetStartEnd(s, e));
    CurveLocationDetail where;
    EXPECT_FALSE(empty->ClosestPointBounded(DPoint3d{}, where));
    EXPECT_EQ(empty->Length(), 0.0);
}

TEST(ICurvePrimitive, RectangleIsAClosedCounterClockwiseLineString)
{
    ICurvePrimitivePtr r = ICurvePrimitive::CreateRectangle(0, 0, 4, 3, 7);
    const bvector<DPoint3d>* p = r->GetLineStringCP();
    ASSERT_NE(p, nullptr);
    ASSERT_EQ(p->size(), 5u);
    EXPECT_POINT_NEAR(p->front(), p->back(), 0);
    EXPECT_POINT_NEAR((*p)[2], (DPoint3d{4, 3, 7}), 0);
    EXPECT_DOUBLE_EQ(r->Length(), 14.0);
    for (const auto& q : *p)
        EXPECT_EQ(q.z, 7.0);
}

TEST(ICurvePrimitive, ClosestPointOnLineIsBounded)
{
    ICurvePrimitivePtr line = ICurvePrimitive::CreateLine(DPoint3d{0, 0, 0}, DPoint3d{10, 0, 0});
    struct Case
    {
        DPoint3d space, expected;
        double fraction, distance;
    } cases[] = {
        {{4, 3, 0}, {4, 0, 0}, 0.4, 3},
        {{-3, 4, 0}, {0, 0, 0}, 0, 5},
        {{13, -4, 0}, {10, 0, 0}, 1, 5},
        {{7, 0, 0}, {7, 0, 0}, 0.7, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.space.x);
        CurveLocationDetail where;
        ASSERT_TRUE(line->ClosestPointBounded(c.space, where));
        EXPECT_POINT_NEAR(where.point, c.expected, 1e-12);
        EXPECT_NEAR(where.fraction, c.fraction, 1e-12);
        EXPECT_NEAR(where.a, c.distance, 1e-12);
    }
}

TEST(ICurvePrimitive, ClosestPointOnArcStaysOnTheArc)
{
    ICurvePrimitivePtr arc = ICurvePrimitive::CreateArc(
        DEllipse3d::FromPointsOnArc(DPoint3d{5, 0, 0}, DPoint3d{0, 5, 0}, DPoint3d{-5, 0, 0}));
    for (double x = -8; x <= 8; x += 2)
        for (double y = -8; y <= 8; y += 4) {
            SCOPED_TRACE(x * 100 + y);
            DPoint3d space{x, y, 0};
            CurveLocationDetail where;
            ASSERT_TRUE(arc->ClosestPointBounded(space, where));
            // On the circle and in the upper half, and no sampled point of the arc is nearer.
            EXPECT_NEAR(where.point.Magnitude(), 5.0, 1e-9);
            EXPECT_GE(where.point.y, -1e-9);
            for (int i = 0; i <= 100; ++i) {
                DPoint3d q;
                arc->FractionToPoint(i / 100.0, q);
                EXPECT_LE(where.a, space.Distance(q) + 1e-9);
            }
        }
}

TEST(ICurvePrimitive, ClosestPointOnLineStringNamesTheSegment)
{
    ICurvePrimitivePtr string = ICurvePrimitive::CreateLineString(
        bvector<DPoint3d>{{0, 0, 0}, {10, 0, 0}, {10, 10, 0}, {0, 10, 0}});
    struct Case
    {
        DPoint3d space, expected;
        size_t segment;
        double fraction;
    } cases[] = {
        {{5, -2, 0}, {5, 0, 0}, 0, 0.5 / 3},
        {{12, 4, 0}, {10, 4, 0}, 1, 1.4 / 3},
        {{2, 9, 0}, {2, 10, 0}, 2, 2.8 / 3},
        {{-1, 12, 0}, {0, 10, 0}, 2, 1.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.space.x);
        CurveLocationDetail where;
        ASSERT_TRUE(string->ClosestPointBounded(c.space, where));
        EXPECT_POINT_NEAR(where.point, c.expected, 1e-12);
        EXPECT_EQ(where.componentIndex, c.segment);
        EXPECT_NEAR(where.fraction, c.fraction, 1e-12);
        DPoint3d back;
        string->FractionToPoint(where.fraction, back);
        EXPECT_POINT_NEAR(back, where.point, 1e-12);
    }
}

TEST(ICurvePrimitive, ReversedCloneRunsBackwards)
{
    ICurvePrimitivePtr arc = ICurvePrimitive::CreateArc(
        DEllipse3d::FromPointsOnArc(DPoint3d{5, 0, 0}, DPoint3d{0, 5, 0}, DPoint3d{-5, 0, 0}));
    ICurvePrimitivePtr reversed = arc->CloneReversed();
    DPoint3d s0, e0, s1, e1;
    arc->GetStartEnd(s0, e0);
    reversed->GetStartEnd(s1, e1);
    EXPECT_POINT_NEAR(s1, e0, 1e-12);
    EXPECT_POINT_NEAR(e1, s0, 1e-12);
    EXPECT_NEAR(reversed->Length(), arc->Length(), 1e-12);
    EXPECT_NE(reversed.get(), arc.get());
}

TEST(ICurvePrimitive, RangeOfArcIncludesItsExtremes)
{
    ICurvePrimitivePtr arc = ICurvePrimitive::CreateArc(
        DEllipse3d::FromPointsOnArc(DPoint3d{5, 0, 0}, DPoint3d{0, 5, 0}, DPoint3d{-5, 0, 0}));
    DRange3d r;
    ASSERT_TRUE(arc->GetRange(r));
    EXPECT_NEAR(r.low.y, 0.0, 1e-12);
    EXPECT_NEAR(r.high.y, 5.0, 1e-12);
    EXPECT_NEAR(r.XLength(), 10.0, 1e-12);
}
