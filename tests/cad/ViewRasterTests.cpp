// The view's own line raster must put exactly the pixels the window system's pen raster
// chooses (the lines of a view look as a GDI window's lines do), clipped, whichever of its
// paths draws them.
#include "platform/cad/ViewRaster.h"
#include "platform/win/GdiTypes.h"
#include "platform/win/gdi/PenRaster.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

constexpr int kWidth = 64;
constexpr int kHeight = 48;
constexpr std::uint32_t kBlank = 0xFF000000u;
constexpr std::uint32_t kInk = 0xFF102030u;

// What a one-pixel pen of the style paints inside clip, from the pen raster itself.
std::vector<std::uint32_t> Expected(const std::vector<POINT>& points, bool closed, int style,
                                    const RECT& clip)
{
    std::vector<std::uint32_t> pixels(kWidth * kHeight, kBlank);
    zt::win::PenRaster raster(style);
    const RECT limit{clip.left - 1, clip.top - 1, clip.right + 1, clip.bottom + 1};
    for (std::size_t i = 0; i + 1 < points.size(); ++i)
        raster.AddSegment(points[i], points[i + 1], limit);
    if (closed && (points.front().x != points.back().x || points.front().y != points.back().y))
        raster.AddSegment(points.back(), points.front(), limit);
    for (const RECT& run : raster.On())
        for (int x = run.left; x < run.right; ++x)
            if (x >= clip.left && x < clip.right && run.top >= clip.top && run.top < clip.bottom)
                pixels[std::size_t(run.top) * kWidth + x] = kInk;
    return pixels;
}

std::vector<std::uint32_t> Drawn(const std::vector<POINT>& points, bool closed, int style,
                                 const RECT& clip)
{
    std::vector<std::uint32_t> pixels(kWidth * kHeight, kBlank);
    ViewRaster raster(pixels.data(), kWidth, kHeight, kWidth);
    raster.SetClip(clip);
    raster.Polyline(points.data(), int(points.size()), closed, RGB(0x10, 0x20, 0x30), 1, style);
    return pixels;
}

TEST(ViewRaster, ThinLinesPutThePenRastersPixelsInsideTheClip)
{
    std::mt19937 rng(3);
    auto coord = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    const int styles[] = {PS_SOLID, PS_DASH, PS_DOT};
    for (int round = 0; round < 600; ++round) {
        std::vector<POINT> points(std::size_t(coord(2, 6)));
        // Mostly near the picture, some far outside it, now and then longer than a long walk.
        for (POINT& p : points) {
            const int reach = round % 10 == 0 ? 9000 : round % 3 == 0 ? 200 : 0;
            p = POINT{coord(-10 - reach, kWidth + 10 + reach),
                      coord(-10 - reach, kHeight + 10 + reach)};
        }
        const RECT clip = round % 2 ? RECT{0, 0, kWidth, kHeight}
                                    : RECT{coord(0, 20), coord(0, 20), coord(30, kWidth),
                                           coord(25, kHeight)};
        const bool closed = round % 4 == 1;
        const int style = styles[round % 3];
        ASSERT_EQ(Drawn(points, closed, style, clip), Expected(points, closed, style, clip))
            << "round " << round;
    }
}

TEST(ViewRaster, ADegenerateOrClippedAwayLineLeavesThePixelsAlone)
{
    const RECT all{0, 0, kWidth, kHeight};
    const std::vector<std::uint32_t> blank(kWidth * kHeight, kBlank);
    EXPECT_EQ(Drawn({{5, 5}, {5, 5}}, false, PS_SOLID, all), blank) << "a point-long segment";
    EXPECT_EQ(Drawn({{-50, 10}, {-5, 40}}, false, PS_SOLID, all), blank) << "left of the view";
    EXPECT_EQ(Drawn({{0, 0}, {60, 40}}, false, PS_SOLID, RECT{10, 10, 10, 30}), blank)
        << "an empty clip";
}

} // namespace
