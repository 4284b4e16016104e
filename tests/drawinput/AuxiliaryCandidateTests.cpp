// Which auxiliary candidates a reference line or arc offers for a cursor, which of them win,
// and the polar tracking angle.

#include "platform/cad/GeomTolerance.h"
#include "tests/support/CadPrinters.h"
#include "ztui/drawinput/AuxiliaryCandidates.h"
#include "ztui/drawinput/ZTArchAuxiliaryArc.h"
#include "ztui/drawinput/ZTArchAuxiliaryLine.h"
#include "ztui/drawinput/ZTArchAuxiliaryMacrosMgn.h"

#include <gtest/gtest.h>

#include <cmath>

using zt::ZTArchAuxiliaryArc;
using zt::ZTArchAuxiliaryLine;

namespace {

constexpr double kTolerance = ZTArchAuxiliaryLine::kDefaultTolerance;

DSegment3d SegmentOf(const ICurvePrimitivePtr& curve)
{
    DSegment3d s;
    EXPECT_TRUE(curve.IsValid() && zt::AuxiliaryStraightSegment(*curve, s));
    return s;
}

ICurvePrimitivePtr LineCandidate(ZTArchAuxiliaryLine::CandidateKind kind, DPoint3d q)
{
    return ZTArchAuxiliaryLine::Candidate(DSegment3d::From(DPoint3d{0, 0, 0}, DPoint3d{10, 0, 0}),
                                          kind, q, kTolerance);
}

// A line at an angle to the X axis passing the origin at a distance.
ICurvePrimitivePtr LineAt(double degrees, double distance)
{
    const double a = zt::cad::DegreesToRadians(degrees);
    const DVec3d along{std::cos(a), std::sin(a), 0};
    const DPoint3d from = DPoint3d{0, 0, 0} + DVec3d{-along.y, along.x, 0} * distance;
    return ICurvePrimitive::CreateLine(from - along * 50.0, from + along * 50.0);
}

TEST(AuxiliaryLineCandidates, ExtensionRunsPastTheCursorOrIsTheSegmentBesideIt)
{
    const DSegment3d beyond =
        SegmentOf(LineCandidate(ZTArchAuxiliaryLine::Extension, {15, 0.5, 0}));
    EXPECT_POINT_NEAR(beyond.point[0], (DPoint3d{10, 0, 0}), 1e-12);
    EXPECT_POINT_NEAR(beyond.point[1], (DPoint3d{1015, 0, 0}), 1e-9);

    const DSegment3d before = SegmentOf(LineCandidate(ZTArchAuxiliaryLine::Extension, {-3, 2, 0}));
    EXPECT_POINT_NEAR(before.point[0], (DPoint3d{0, 0, 0}), 1e-12);
    EXPECT_POINT_NEAR(before.point[1], (DPoint3d{-1003, 0, 0}), 1e-9);

    const DSegment3d beside = SegmentOf(LineCandidate(ZTArchAuxiliaryLine::Extension, {5, 0.5, 0}));
    EXPECT_POINT_NEAR(beside.point[0], (DPoint3d{0, 0, 0}), 0);
    EXPECT_POINT_NEAR(beside.point[1], (DPoint3d{10, 0, 0}), 0);

    EXPECT_TRUE(LineCandidate(ZTArchAuxiliaryLine::Extension, {15, kTolerance + 1, 0}).IsNull());
    EXPECT_TRUE(LineCandidate(ZTArchAuxiliaryLine::Extension, {1e6, kTolerance, 0}).IsValid())
        << "the tolerance is measured from the unbounded line";
    EXPECT_TRUE(ZTArchAuxiliaryLine::Candidate(DSegment3d::From({3, 3, 0}, {3, 3, 0}),
                                               ZTArchAuxiliaryLine::Extension, {3, 3, 0},
                                               kTolerance)
                    .IsNull())
        << "a line without direction has no extension";
}

TEST(AuxiliaryLineCandidates, PerpendicularsLeaveTheEndsTowardsTheCursor)
{
    const DSegment3d up =
        SegmentOf(LineCandidate(ZTArchAuxiliaryLine::StartPerpendicular, {0.2, 40, 0}));
    EXPECT_POINT_NEAR(up.point[0], (DPoint3d{0, 0, 0}), 0);
    EXPECT_POINT_NEAR(up.point[1], (DPoint3d{0, 1000, 0}), 1e-9);
    const DSegment3d down =
        SegmentOf(LineCandidate(ZTArchAuxiliaryLine::EndPerpendicular, {9.5, -40, 0}));
    EXPECT_POINT_NEAR(down.point[0], (DPoint3d{10, 0, 0}), 0);
    EXPECT_POINT_NEAR(down.point[1], (DPoint3d{10, -1000, 0}), 1e-9);
    // On the segment itself there is no perpendicular to show.
    EXPECT_TRUE(LineCandidate(ZTArchAuxiliaryLine::StartPerpendicular, {0.1, 0.1, 0}).IsNull());
    EXPECT_TRUE(LineCandidate(ZTArchAuxiliaryLine::StartPerpendicular, {600, 40, 0}).IsNull());
}

TEST(AuxiliaryArcCandidates, CircleRadialAndTangentLines)
{
    const DEllipse3d quarter = DEllipse3d::FromVectors(DPoint3d{0, 0, 0}, DVec3d{100, 0, 0},
                                                       DVec3d{0, 100, 0}, 0.0, zt::cad::kHalfPi);
    const DPoint3d onCircle{100 * std::cos(0.5), 100 * std::sin(0.5), 0};
    ICurvePrimitivePtr circle = ZTArchAuxiliaryArc::Candidate(
        quarter, ZTArchAuxiliaryArc::Concentric, onCircle, 1.0, kTolerance);
    DEllipse3d full;
    ASSERT_TRUE(circle.IsValid() && circle->TryGetArc(full));
    EXPECT_TRUE(full.IsFullEllipse());
    EXPECT_NEAR(full.vector0.Magnitude(), 100.0, 1e-9);
    EXPECT_TRUE(ZTArchAuxiliaryArc::Candidate(quarter, ZTArchAuxiliaryArc::Concentric,
                                              DPoint3d{700, 0, 0}, 1.0, kTolerance)
                    .IsNull());

    // Beyond the start point, away from the centre: the radial line runs outwards, 100 pixels
    // times the radius.
    const DSegment3d radial = SegmentOf(ZTArchAuxiliaryArc::Candidate(
        quarter, ZTArchAuxiliaryArc::StartRadial, DPoint3d{150, 1, 0}, 2.0, kTolerance));
    EXPECT_POINT_NEAR(radial.point[0], (DPoint3d{100, 0, 0}), 1e-9);
    EXPECT_POINT_NEAR(radial.point[1], (DPoint3d{20100, 0, 0}), 1e-6);
    // At the start point (100, 0) the tangent runs along y; the cursor below it picks -y.
    const DSegment3d tangent = SegmentOf(ZTArchAuxiliaryArc::Candidate(
        quarter, ZTArchAuxiliaryArc::StartTangent, DPoint3d{101, -30, 0}, 1.0, kTolerance));
    EXPECT_POINT_NEAR(tangent.point[0], (DPoint3d{100, 0, 0}), 1e-9);
    EXPECT_NEAR(tangent.point[1].x, 100.0, 1e-6);
    EXPECT_NEAR(tangent.point[1].y, -10000.0, 1e-6);
}

TEST(AuxiliaryChoice, OnlyTheFiveNearestCountAndNearlyParallelLinesGiveWay)
{
    bvector<ICurvePrimitivePtr> seven;
    for (int i = 7; i >= 1; --i)
        seven.push_back(LineAt(i * 20.0, i));
    const auto nearest = zt::NearestAuxiliaryCandidates(seven, DPoint3d{0, 0, 0});
    ASSERT_EQ(nearest.size(), 5u);
    for (size_t i = 1; i < nearest.size(); ++i)
        EXPECT_LE(nearest[i - 1].distance, nearest[i].distance);
    EXPECT_EQ(nearest.front().curve.get(), seven.back().get());
    EXPECT_EQ(zt::TakeAuxiliaryLines(nearest).size(), 5u);

    ICurvePrimitivePtr near30 = LineAt(30, 1), far33 = LineAt(33, 2);
    const auto taken =
        zt::TakeAuxiliaryLines(zt::NearestAuxiliaryCandidates({far33, near30}, DPoint3d{}));
    ASSERT_EQ(taken.size(), 1u);
    EXPECT_EQ(taken[0].get(), near30.get());
}

TEST(AuxiliaryChoice, ArcsAreNeverTakenAndALineAfterThemIsComparedWithTheXAxis)
{
    ICurvePrimitivePtr circle = ICurvePrimitive::CreateArc(
        DEllipse3d::FromCenterNormalRadius(DPoint3d{0, 0, 0}, DVec3d::UnitZ(), 10));
    ICurvePrimitivePtr flat = LineAt(3, 12);
    ICurvePrimitivePtr steep = LineAt(60, 13);
    const auto taken = zt::TakeAuxiliaryLines(
        zt::NearestAuxiliaryCandidates({steep, flat, circle}, DPoint3d{10, 0, 0}));
    ASSERT_EQ(taken.size(), 1u);
    EXPECT_EQ(taken[0].get(), steep.get());
}

TEST(AuxiliaryTracking, SnapsWithinTenDegreesOfAMultipleOf45)
{
    using Mgn = zt::ZTArchAuxiliaryMacrosMgn;
    const struct
    {
        double degrees;
        int tracking; // -1: none
    } cases[] = {{52, 45},  {56, -1},   {10, 0},    {0, 0},     {80, 90}, {100, 90},
                 {101, -1}, {170, 180}, {180, 180}, {34.9, -1}, {35, 45}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.degrees << " degrees");
        const std::optional<int> angle = Mgn::TrackingAngle(c.degrees);
        EXPECT_EQ(angle.value_or(-1), c.tracking);
    }
    EXPECT_FALSE(Mgn::TrackingAngle(std::nan("")).has_value());
}

} // namespace
