// What the distance-and-angle fields show for a point, and how typed texts read.
#include "TracerTestSupport.h"

#include "platform/base/Encoding.h"
#include "ztui/tracer/TracerGeometry.h"

#include <numbers>

using zt::TracerFieldValues;

TEST(TracerGeometry, FieldTextsForACursorPoint)
{
    struct Case
    {
        DPoint3d start;
        DPoint3d point;
        const wchar_t* distance;
        const wchar_t* angle;
        const wchar_t* dx;
        const wchar_t* dy;
    } cases[] = {
        {{0, 0, 0}, {100, -100, 0}, L"141", L"45.0", L"100", L"-100"},
        {{0, 0, 0}, {-100, 0, 0}, L"100", L"180.0", L"-100", L"0"},
        {{10, 10, 0}, {10, 60, 0}, L"50", L"90.0", L"0", L"50"},
        {{0, 0, 0}, {0.6, 0.6, 0}, L"1", L"0.0", L"1", L"1"}, // under a unit: no direction
        {{5, 5, 5}, {5, 5, 5}, L"0", L"0.0", L"0", L"0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(zt::base::WideToUtf8(c.distance));
        const TracerFieldValues v = TracerFieldValues::Of(c.start, c.point);
        EXPECT_EQ(v.DistanceText(), c.distance);
        EXPECT_EQ(v.AngleText(), c.angle);
        EXPECT_EQ(v.DxText(), c.dx);
        EXPECT_EQ(v.DyText(), c.dy);
        EXPECT_GE(v.angle, 0.0);
        EXPECT_LE(v.angle, 180.0);
    }
    EXPECT_EQ(TracerFieldValues::ZText(), L"0");
}

TEST(TracerGeometry, PolarPointsTurnCounterClockwiseAndKeepTheStartHeight)
{
    const DPoint3d start = DPoint3d::From(1, 2, 7);
    for (double degrees : {0.0, 30.0, 90.0, 330.0, -45.0, 720.0}) {
        SCOPED_TRACE(degrees);
        const DPoint3d p = zt::TracerPolarPoint(start, 10, degrees);
        EXPECT_NEAR(p.Distance(start), 10.0, 1e-9);
        EXPECT_EQ(p.z, 7.0);
        const double radians = degrees * std::numbers::pi / 180.0;
        EXPECT_NEAR(p.x, 1 + 10 * std::cos(radians), 1e-9);
        EXPECT_NEAR(p.y, 2 + 10 * std::sin(radians), 1e-9);
    }
}

TEST(TracerGeometry, FieldTextsReadAsTheirLeadingNumber)
{
    EXPECT_EQ(zt::TracerReadNumber(L"3600"), 3600.0);
    EXPECT_EQ(zt::TracerReadNumber(L"  -12.5mm"), -12.5);
    EXPECT_EQ(zt::TracerReadNumber(L""), 0.0);
    EXPECT_EQ(zt::TracerReadNumber(L"角度"), 0.0);
    EXPECT_EQ(zt::TracerReadNumber(L"1e999"), 0.0) << "no infinite distance";
    EXPECT_EQ(zt::TracerReadNumber(L"nan"), 0.0);
}
