#include "apps/ztui-demo/icons/PickPointGlyph.h"

#include "platform/win/resources/IconPainter.h"

#include <algorithm>
#include <cmath>

namespace ztdemo {

namespace {

using zt::win::IconPainter;

IconPainter::Shape Ring(double cx, double cy, double radius, double width)
{
    return [=](double u, double v) {
        double d = std::hypot(u - cx, v - cy);
        return std::abs(d - radius) <= width / 2;
    };
}

// Four arms that stop short of the centre, so that the picked point itself stays visible.
void AddArms(IconPainter& painter, double c, double outer, double inner, double width,
             std::uint32_t rgb)
{
    painter.Add(IconPainter::Rectangle(outer, c - width / 2, c - inner, c + width / 2), rgb)
        .Add(IconPainter::Rectangle(c + inner, c - width / 2, 1 - outer, c + width / 2), rgb)
        .Add(IconPainter::Rectangle(c - width / 2, outer, c + width / 2, c - inner), rgb)
        .Add(IconPainter::Rectangle(c - width / 2, c + inner, c + width / 2, 1 - outer), rgb);
}

} // namespace

zt::win::IconImage RenderPickPoint(int size)
{
    if (size <= 0)
        return {};
    constexpr std::uint32_t kHalo = 0xFFFFFF;
    const double px = 1.0 / size;
    // Lines one pixel wide per 16 pixels of icon, laid on whole pixels: an odd width is
    // centred on a pixel, an even one on the line between two, so the arms stay crisp.
    const int lineWidth = std::max(1, (size + 8) / 16);
    const double c = (lineWidth % 2 ? size / 2 - 0.5 : size / 2.0) * px;
    const double ink = lineWidth * px;
    const double halo = ink + 2 * px;
    const double outer = px;
    const double inner = 0.2;
    const double ringRadius = 0.27;

    IconPainter painter;
    // A white halo under the ink keeps the glyph readable on dark and light faces alike.
    painter.Add(Ring(c, c, ringRadius, halo), kHalo);
    AddArms(painter, c, outer - px, inner - px, halo, kHalo);
    painter.Add(Ring(c, c, ringRadius, ink), kPickPointInk);
    AddArms(painter, c, outer, inner, ink, kPickPointInk);
    painter.Add(IconPainter::Circle(c, c, 0.1 + px), kHalo);
    painter.Add(IconPainter::Circle(c, c, 0.1), kPickPointCentre);
    return painter.Render(size);
}

} // namespace ztdemo
