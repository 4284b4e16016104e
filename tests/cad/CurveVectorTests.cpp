#include "platform/cad/CurveVector.h"
#include "platform/cad/GeomTolerance.h"
#include "tests/support/CadPrinters.h"

#include <gtest/gtest.h>

using namespace zt::cad;

namespace {

CurveVectorPtr Polygon(const bvector<DPoint3d>& corners, bool asLineString = false)
{
    CurveVectorPtr loop = CurveVector::Create(CurveVector::BOUNDARY_TYPE_Outer);
    if (asLineString) {
        bvector<DPoint3d> closed = corners;
        closed.push_back(corners.front());
        loop->Add(ICurvePrimitive::CreateLineString(closed));
        return loop;
    }
    for (size_t i = 0; i < corners.size(); ++i)
        loop->Add(ICurvePrimitive::CreateLine(corners[i], corners[(i + 1) % corners.size()]));
    return loop;
}

const char* Name(CurveVector::InOutClassification c)
{
    switch (c) {
    case CurveVector::INOUT_In:
        return "in";
    case CurveVector::INOUT_Out:
        return "out";
    case CurveVector::INOUT_On:
        return "on";
    default:
        return "unknown";
    }
}

} // namespace

TEST(CurveVector, CreateAndAddKeepOrderAndIgnoreNull)
{
    CurveVectorPtr chain = CurveVector::Create(CurveVector::BOUNDARY_TYPE_Open);
    chain->Add(ICurvePrimitive::CreateLine(DPoint3d{0, 0, 0}, DPoint3d{1, 0, 0}));
    chain->Add(nullptr);
    chain->Add(ICurvePrimitive::CreateLine(DPoint3d{1, 0, 0}, DPoint3d{1, 2, 0}));
    EXPECT_EQ(chain->size(), 2u);
    EXPECT_EQ(chain->GetBoundaryType(), CurveVector::BOUNDARY_TYPE_Open);
    EXPECT_TRUE(chain->IsOpenPath());
    EXPECT_FALSE(chain->IsClosedPath());
    DPoint3d s, e;
    ASSERT_TRUE(chain->GetStartEnd(s, e));
    EXPECT_POINT_NEAR(e, (DPoint3d{1, 2, 0}), 0);
    EXPECT_DOUBLE_EQ(chain->Length(), 3.0);
    CurveVectorPtr single =
        CurveVector::Create(CurveVector::BOUNDARY_TYPE_Outer,
                            ICurvePrimitive::CreateLine(DPoint3d{}, DPoint3d{1, 1, 1}));
    EXPECT_EQ(single->size(), 1u);
    EXPECT_TRUE(single->IsClosedPath());
}

TEST(CurveVectorPointInOnOut, SquareClassifiesInteriorEdgesAndVertices)
{
    bvector<DPoint3d> corners{{0, 0, 0}, {10, 0, 0}, {10, 10, 0}, {0, 10, 0}};
    struct Case
    {
        DPoint3d p;
        CurveVector::InOutClassification expected;
    } cases[] = {
        {{5, 5, 0}, CurveVector::INOUT_In},   {{0.001, 9.999, 0}, CurveVector::INOUT_In},
        {{5, 0, 0}, CurveVector::INOUT_On},   {{10, 3, 0}, CurveVector::INOUT_On},
        {{0, 0, 0}, CurveVector::INOUT_On},   {{10, 10, 0}, CurveVector::INOUT_On},
        {{-1, 5, 0}, CurveVector::INOUT_Out}, {{15, 5, 0}, CurveVector::INOUT_Out},
        {{20, 0, 0}, CurveVector::INOUT_Out}, {{10.000001, 10, 0}, CurveVector::INOUT_Out},
        {{5, 5, 100}, CurveVector::INOUT_In}, // seen from above, height does not matter
    };
    for (bool reversed : {false, true})
        for (bool asLineString : {false, true}) {
            bvector<DPoint3d> ordered = corners;
            if (reversed)
                std::reverse(ordered.begin(), ordered.end());
            CurveVectorPtr square = Polygon(ordered, asLineString);
            for (const auto& c : cases) {
                SCOPED_TRACE(testing::Message() << "reversed " << reversed << " string "
                                                << asLineString << " at " << c.p.x << "," << c.p.y);
                EXPECT_STREQ(Name(square->PointInOnOutXY(c.p)), Name(c.expected));
            }
        }
}

TEST(CurveVectorPointInOnOut, ConcavePolygonNotch)
{
    // A U shape: the notch between the arms is outside.
    CurveVectorPtr u = Polygon(
        {{0, 0, 0}, {9, 0, 0}, {9, 9, 0}, {6, 9, 0}, {6, 3, 0}, {3, 3, 0}, {3, 9, 0}, {0, 9, 0}});
    EXPECT_EQ(u->PointInOnOutXY(DPoint3d{4.5, 6, 0}), CurveVector::INOUT_Out);
    EXPECT_EQ(u->PointInOnOutXY(DPoint3d{1.5, 6, 0}), CurveVector::INOUT_In);
    EXPECT_EQ(u->PointInOnOutXY(DPoint3d{4.5, 1.5, 0}), CurveVector::INOUT_In);
    EXPECT_EQ(u->PointInOnOutXY(DPoint3d{4.5, 3, 0}), CurveVector::INOUT_On);
    EXPECT_EQ(u->PointInOnOutXY(DPoint3d{6, 3, 0}), CurveVector::INOUT_On);
}

TEST(CurveVectorPointInOnOut, LoopWithAnArcCountsTheBulge)
{
    // A D shape: the chord from (0, -5) to (0, 5) closed by the half circle on the right.
    for (bool clockwise : {false, true}) {
        SCOPED_TRACE(clockwise);
        CurveVectorPtr d = CurveVector::Create(CurveVector::BOUNDARY_TYPE_Outer);
        DPoint3d bottom{0, -5, 0}, top{0, 5, 0}, right{5, 0, 0};
        if (!clockwise) {
            d->Add(ICurvePrimitive::CreateArc(DEllipse3d::FromPointsOnArc(bottom, right, top)));
            d->Add(ICurvePrimitive::CreateLine(top, bottom));
        } else {
            d->Add(ICurvePrimitive::CreateLine(bottom, top));
            d->Add(ICurvePrimitive::CreateArc(DEllipse3d::FromPointsOnArc(top, right, bottom)));
        }
        EXPECT_EQ(d->PointInOnOutXY(DPoint3d{4, 0, 0}), CurveVector::INOUT_In);
        EXPECT_EQ(d->PointInOnOutXY(DPoint3d{3, 3.9, 0}), CurveVector::INOUT_In);
        EXPECT_EQ(d->PointInOnOutXY(DPoint3d{3, 4.1, 0}), CurveVector::INOUT_Out);
        EXPECT_EQ(d->PointInOnOutXY(DPoint3d{-1, 0, 0}), CurveVector::INOUT_Out);
        EXPECT_EQ(d->PointInOnOutXY(DPoint3d{5.01, 0, 0}), CurveVector::INOUT_Out);
        EXPECT_EQ(d->PointInOnOutXY(right), CurveVector::INOUT_On);
        EXPECT_EQ(d->PointInOnOutXY(DPoint3d{3, 4, 0}), CurveVector::INOUT_On);
        EXPECT_EQ(d->PointInOnOutXY(DPoint3d{0, 1, 0}), CurveVector::INOUT_On);
    }
}

TEST(CurveVectorPointInOnOut, CircleAsTwoHalfArcsAndAsOneFullArc)
{
    CurveVectorPtr halves = CurveVector::Create(CurveVector::BOUNDARY_TYPE_Outer);
    halves->Add(ICurvePrimitive::CreateArc(
        DEllipse3d::FromPointsOnArc(DPoint3d{3, 0, 0}, DPoint3d{0, 3, 0}, DPoint3d{-3, 0, 0})));
    halves->Add(ICurvePrimitive::CreateArc(
        DEllipse3d::FromPointsOnArc(DPoint3d{-3, 0, 0}, DPoint3d{0, -3, 0}, DPoint3d{3, 0, 0})));
    CurveVectorPtr whole =
        CurveVector::Create(CurveVector::BOUNDARY_TYPE_Outer,
                            ICurvePrimitive::CreateArc(DEllipse3d::FromCenterNormalRadius(
                                DPoint3d{}, DVec3d::UnitZ(), 3)));
    for (const auto& loop : {halves, whole}) {
        EXPECT_EQ(loop->PointInOnOutXY(DPoint3d{0, 0, 0}), CurveVector::INOUT_In);
        EXPECT_EQ(loop->PointInOnOutXY(DPoint3d{2, 2, 0}), CurveVector::INOUT_In);
        EXPECT_EQ(loop->PointInOnOutXY(DPoint3d{2.2, 2.2, 0}), CurveVector::INOUT_Out);
        EXPECT_EQ(loop->PointInOnOutXY(DPoint3d{0, -3, 0}), CurveVector::INOUT_On);
    }
}

TEST(CurveVectorPointInOnOut, OpenLoopIsClosedByItsChordAndOpenPathsAreUnknown)
{
    CurveVectorPtr l = CurveVector::Create(CurveVector::BOUNDARY_TYPE_Outer);
    l->Add(ICurvePrimitive::CreateLine(DPoint3d{0, 0, 0}, DPoint3d{4, 0, 0}));
    l->Add(ICurvePrimitive::CreateLine(DPoint3d{4, 0, 0}, DPoint3d{4, 4, 0}));
    EXPECT_EQ(l->PointInOnOutXY(DPoint3d{3, 1, 0}), CurveVector::INOUT_In);
    EXPECT_EQ(l->PointInOnOutXY(DPoint3d{1, 3, 0}), CurveVector::INOUT_Out);
    EXPECT_EQ(l->PointInOnOutXY(DPoint3d{2, 2, 0}), CurveVector::INOUT_On);
    l->SetBoundaryType(CurveVector::BOUNDARY_TYPE_Open);
    EXPECT_EQ(l->PointInOnOutXY(DPoint3d{3, 1, 0}), CurveVector::INOUT_Unknown);
    EXPECT_EQ(CurveVector::Create(CurveVector::BOUNDARY_TYPE_Outer)->PointInOnOutXY(DPoint3d{}),
              CurveVector::INOUT_Unknown);
}

TEST(CurveVectorRayPierce, HitOnAHorizontalSquareGivesParameterAndFaceCoordinates)
{
    CurveVectorPtr square = Polygon({{0, 0, 2}, {10, 0, 2}, {10, 10, 2}, {0, 10, 2}});
    struct Case
    {
        DPoint3d target;
        CurveVector::InOutClassification expected;
        double u, v;
    } cases[] = {
        {{2.5, 7.5, 2}, CurveVector::INOUT_In, 0.25, 0.75},
        {{10, 5, 2}, CurveVector::INOUT_On, 1.0, 0.5},
        {{0, 0, 2}, CurveVector::INOUT_On, 0.0, 0.0},
        {{12, 5, 2}, CurveVector::INOUT_Out, 1.2, 0.5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.target.x * 100 + c.target.y);
        // From high above to the point: the plane is reached at t = 1.
        DRay3d ray = DRay3d::FromOriginAndTarget(DPoint3d{c.target.x, c.target.y, 12}, c.target);
        SolidLocationDetail hit;
        EXPECT_EQ(square->RayPierceInOnOut(ray, hit), c.expected);
        EXPECT_NEAR(hit.GetPickParameter(), 1.0, 1e-12);
        EXPECT_POINT_NEAR(hit.GetXYZ(), c.target, 1e-12);
        EXPECT_NEAR(hit.GetU(), c.u, 1e-12);
        EXPECT_NEAR(hit.GetV(), c.v, 1e-12);
    }
}

TEST(CurveVectorRayPierce, VerticalFaceUsesItsFirstAndLastEdges)
{
    // A cube's front face: corners 0, 1, 5, 4 of a cube of side 2 about the origin.
    DPoint3d c0{-1, -1, -1}, c1{1, -1, -1}, c5{1, -1, 1}, c4{-1, -1, 1};
    CurveVectorPtr face = Polygon({c0, c1, c5, c4});
    DRay3d ray = DRay3d::FromOriginAndTarget(DPoint3d{0.8, -6, 0.6}, DPoint3d{0.8, -1, 0.6});
    SolidLocationDetail hit;
    EXPECT_EQ(face->RayPierceInOnOut(ray, hit), CurveVector::INOUT_In);
    EXPECT_NEAR(hit.parameter, 1.0, 1e-12);
    EXPECT_NEAR(hit.u, 0.9, 1e-12); // along c0 -> c1
    EXPECT_NEAR(hit.v, 0.8, 1e-12); // along c0 -> c4
}

TEST(CurveVectorRayPierce, ParallelRaysAndBadLoopsAreUnknown)
{
    CurveVectorPtr square = Polygon({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}});
    SolidLocationDetail hit;
    EXPECT_EQ(square->RayPierceInOnOut(
                  DRay3d::FromOriginAndVector(DPoint3d{0, 0, 1}, DVec3d::UnitX()), hit),
              CurveVector::INOUT_Unknown);
    CurveVectorPtr bent = Polygon({{0, 0, 0}, {1, 0, 0}, {1, 1, 1}, {0, 1, 0}});
    EXPECT_EQ(bent->RayPierceInOnOut(
                  DRay3d::FromOriginAndVector(DPoint3d{0.5, 0.5, 5}, -DVec3d::UnitZ()), hit),
              CurveVector::INOUT_Unknown);
    CurveVectorPtr flat = Polygon({{0, 0, 0}, {1, 0, 0}, {2, 0, 0}});
    EXPECT_EQ(flat->RayPierceInOnOut(
                  DRay3d::FromOriginAndVector(DPoint3d{0.5, 0.5, 5}, -DVec3d::UnitZ()), hit),
              CurveVector::INOUT_Unknown);
}

TEST(CurveVector, ClosestPointNamesThePrimitive)
{
    CurveVectorPtr square = Polygon({{0, 0, 0}, {10, 0, 0}, {10, 10, 0}, {0, 10, 0}});
    CurveLocationDetail where;
    ASSERT_TRUE(square->ClosestPointBounded(DPoint3d{11, 4, 0}, where));
    EXPECT_EQ(where.componentIndex, 1u);
    EXPECT_POINT_NEAR(where.point, (DPoint3d{10, 4, 0}), 1e-12);
    EXPECT_NEAR(where.a, 1.0, 1e-12);
    EXPECT_FALSE(CurveVector::Create(CurveVector::BOUNDARY_TYPE_Open)
                     ->ClosestPointBounded(DPoint3d{}, where));
}
