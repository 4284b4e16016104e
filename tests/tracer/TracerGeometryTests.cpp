// What the distance-and-angle fields show for a point, and how typed texts read.
#include "TracerTestSupport.h"

#include "platform/base/Encoding.h"
#include "ztui/tracer/TracerGeometry.h"

#include <cmath>
#include <cstdio>
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

// The fields show "%.0f" and "%.1f" as the C library prints them: halves round to even, a
// small negative offset keeps its sign, and a coordinate far out keeps every digit.
TEST(TracerGeometry, FieldTextsAreWhatTheFormatsPrint)
{
    auto printed = [](const char* format, double value) {
        char text[400];
        std::snprintf(text, sizeof text, format, value);
        return CString(text);
    };
    const DPoint3d start = DPoint3d::From(0, 0, 0);
    for (double x : {0.5, 1.5, 2.5, -0.4, -0.5, -2.5, 1e-300, 12345.49999999, 9.75e15, -3.1e22,
                     1.7976931348623157e308, 1234.05, 0.25}) {
        SCOPED_TRACE(x);
        const TracerFieldValues v = TracerFieldValues::Of(start, DPoint3d::From(x, -x / 3, 0));
        EXPECT_EQ(v.DxText(), printed("%.0f", v.dx));
        EXPECT_EQ(v.DyText(), printed("%.0f", v.dy));
        EXPECT_EQ(v.AbsDyText(), printed("%.0f", std::fabs(v.dy)));
        EXPECT_EQ(v.DistanceText(), printed("%.0f", v.distance));
        EXPECT_EQ(v.AngleText(), printed("%.1f", v.angle));
    }
    TracerFieldValues tie;
    tie.angle = 0.25; // exactly between 0.2 and 0.3
    EXPECT_EQ(tie.AngleText(), L"0.2");
    tie.angle = 179.95;
    EXPECT_EQ(tie.AngleText(), printed("%.1f", 179.95));
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
