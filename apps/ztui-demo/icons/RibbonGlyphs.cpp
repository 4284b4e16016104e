#include "apps/ztui-demo/icons/RibbonGlyphs.h"

#include "platform/win/resources/IconPainter.h"

namespace ztdemo {

namespace {

using zt::win::IconPainter;

constexpr std::uint32_t kBrick = 0xB5533C;
constexpr std::uint32_t kMortar = 0xF2E6D8;
constexpr std::uint32_t kInk = 0x2B4C7E;
constexpr std::uint32_t kTop = 0x9CC3E6;
constexpr std::uint32_t kLeft = 0x5B8CC0;
constexpr std::uint32_t kRight = 0x3A6A9E;

} // namespace

zt::win::IconImage RenderSelectGlyph(int size)
{
    IconPainter p;
    // The pointer: an arrow head and its tail, leaning to the right.
    p.Add(IconPainter::Triangle(0.22, 0.08, 0.22, 0.78, 0.74, 0.58), kInk)
        .Add(IconPainter::Stroke(0.42, 0.6, 0.62, 0.92, 0.14), kInk);
    return p.Render(size);
}

zt::win::IconImage RenderBrushGlyph(int size)
{
    IconPainter p;
    // A paint brush held upright: the handle, the metal band, and the bristles with paint.
    p.Add(IconPainter::Stroke(0.5, 0.06, 0.5, 0.44, 0.16), kInk)
        .Add(IconPainter::Rectangle(0.3, 0.44, 0.7, 0.56), kLeft)
        .Add(IconPainter::Rectangle(0.24, 0.56, 0.76, 0.92), kBrick);
    return p.Render(size);
}

zt::win::IconImage RenderWallGlyph(int size)
{
    IconPainter p;
    p.Add(IconPainter::Rectangle(0.06, 0.2, 0.94, 0.8), kMortar);
    // Three courses of bricks, the middle one offset by half a brick.
    const double rows[3][2] = {{0.22, 0.38}, {0.42, 0.58}, {0.62, 0.78}};
    for (int r = 0; r < 3; ++r) {
        double shift = r == 1 ? 0.2 : 0.0;
        for (double x = 0.08 - shift; x < 0.92; x += 0.4) {
            double left = x < 0.08 ? 0.08 : x;
            double right = x + 0.36 > 0.92 ? 0.92 : x + 0.36;
            if (right > left)
                p.Add(IconPainter::Rectangle(left, rows[r][0], right, rows[r][1]), kBrick);
        }
    }
    return p.Render(size);
}

zt::win::IconImage RenderPlanGlyph(int size)
{
    IconPainter p;
    // A floor plan: outer walls, one partition, a door gap.
    p.Add(IconPainter::Rectangle(0.1, 0.12, 0.9, 0.2), kInk)
        .Add(IconPainter::Rectangle(0.1, 0.8, 0.9, 0.88), kInk)
        .Add(IconPainter::Rectangle(0.1, 0.12, 0.18, 0.88), kInk)
        .Add(IconPainter::Rectangle(0.82, 0.12, 0.9, 0.88), kInk)
        .Add(IconPainter::Rectangle(0.48, 0.2, 0.54, 0.5), kInk)
        .Add(IconPainter::Rectangle(0.48, 0.66, 0.54, 0.8), kInk);
    return p.Render(size);
}

zt::win::IconImage RenderIsoGlyph(int size)
{
    IconPainter p;
    // A box seen from above and the front-left: top, left and right faces.
    p.Add(IconPainter::Triangle(0.5, 0.08, 0.92, 0.3, 0.5, 0.52), kTop)
        .Add(IconPainter::Triangle(0.5, 0.08, 0.08, 0.3, 0.5, 0.52), kTop)
        .Add(IconPainter::Triangle(0.08, 0.3, 0.5, 0.52, 0.08, 0.72), kLeft)
        .Add(IconPainter::Triangle(0.5, 0.52, 0.5, 0.94, 0.08, 0.72), kLeft)
        .Add(IconPainter::Triangle(0.92, 0.3, 0.5, 0.52, 0.92, 0.72), kRight)
        .Add(IconPainter::Triangle(0.5, 0.52, 0.5, 0.94, 0.92, 0.72), kRight);
    return p.Render(size);
}

} // namespace ztdemo
