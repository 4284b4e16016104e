#include "platform/win/resources/IconPainter.h"

#include <algorithm>

namespace zt::win {

IconPainter::Shape IconPainter::Circle(double cx, double cy, double r)
{
    return [=](double u, double v) { return (u - cx) * (u - cx) + (v - cy) * (v - cy) <= r * r; };
}

IconPainter::Shape IconPainter::Ellipse(double cx, double cy, double rx, double ry)
{
    return [=](double u, double v) {
        double a = (u - cx) / rx, b = (v - cy) / ry;
        return a * a + b * b <= 1.0;
    };
}

IconPainter::Shape IconPainter::Stroke(double x0, double y0, double x1, double y1, double width)
{
    return [=](double u, double v) {
        double dx = x1 - x0, dy = y1 - y0;
        double length = dx * dx + dy * dy;
        double t =
            length > 0 ? std::clamp(((u - x0) * dx + (v - y0) * dy) / length, 0.0, 1.0) : 0.0;
        double px = x0 + t * dx - u, py = y0 + t * dy - v;
        return px * px + py * py <= width * width / 4;
    };
}

IconPainter::Shape IconPainter::Triangle(double ax, double ay, double bx, double by, double cx,
                                         double cy)
{
    return [=](double u, double v) {
        auto side = [&](double x0, double y0, double x1, double y1) {
            return (x1 - x0) * (v - y0) - (y1 - y0) * (u - x0);
        };
        double d1 = side(ax, ay, bx, by), d2 = side(bx, by, cx, cy), d3 = side(cx, cy, ax, ay);
        bool negative = d1 < 0 || d2 < 0 || d3 < 0;
        bool positive = d1 > 0 || d2 > 0 || d3 > 0;
        return !(negative && positive);
    };
}

IconPainter::Shape IconPainter::Rectangle(double left, double top, double right, double bottom)
{
    return [=](double u, double v) { return u >= left && u <= right && v >= top && v <= bottom; };
}

IconPainter& IconPainter::Add(Shape shape, std::uint32_t rgb)
{
    if (shape)
        m_layers.push_back({std::move(shape), rgb & 0xFFFFFFu});
    return *this;
}

IconImage IconPainter::Render(int size) const
{
    constexpr int kSamples = 4;
    if (size <= 0 || size > 1024)
        return {};
    IconImage image{size, size, std::vector<std::uint32_t>(static_cast<std::size_t>(size) * size)};
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            int covered = 0;
            int r = 0, g = 0, b = 0;
            for (int sy = 0; sy < kSamples; ++sy)
                for (int sx = 0; sx < kSamples; ++sx) {
                    double u = (x + (sx + 0.5) / kSamples) / size;
                    double v = (y + (sy + 0.5) / kSamples) / size;
                    const Layer* top = nullptr;
                    for (const Layer& layer : m_layers)
                        if (layer.shape(u, v))
                            top = &layer;
                    if (!top)
                        continue;
                    ++covered;
                    r += (top->rgb >> 16) & 0xFF;
                    g += (top->rgb >> 8) & 0xFF;
                    b += top->rgb & 0xFF;
                }
            std::uint32_t pixel = 0;
            if (covered) {
                auto avg = [&](int sum) {
                    return static_cast<std::uint32_t>((sum + covered / 2) / covered);
                };
                auto alpha = static_cast<std::uint32_t>((covered * 255 + kSamples * kSamples / 2) /
                                                        (kSamples * kSamples));
                pixel = (alpha << 24) | (avg(r) << 16) | (avg(g) << 8) | avg(b);
            }
            image.argb[static_cast<std::size_t>(y) * size + x] = pixel;
        }
    return image;
}

} // namespace zt::win
