// The message icons, drawn as anti-aliased pixels: each shape is sampled 4 x 4 times per
// pixel in unit coordinates, later shapes covering earlier ones.
#include "ztui/frame/ZTUiResources.h"

#include "platform/win/resources/ResourceModule.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <vector>

namespace zt {

namespace {

using Inside = std::function<bool(double u, double v)>;

struct Layer
{
    Inside inside;
    std::uint32_t rgb;
};

Inside Circle(double cx, double cy, double r)
{
    return [=](double u, double v) { return (u - cx) * (u - cx) + (v - cy) * (v - cy) <= r * r; };
}

Inside Ellipse(double cx, double cy, double rx, double ry)
{
    return [=](double u, double v) {
        double a = (u - cx) / rx, b = (v - cy) / ry;
        return a * a + b * b <= 1.0;
    };
}

// A stroke of the given width with round ends.
Inside Stroke(double x0, double y0, double x1, double y1, double width)
{
    return [=](double u, double v) {
        double dx = x1 - x0, dy = y1 - y0;
        double t = std::clamp(((u - x0) * dx + (v - y0) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
        double px = x0 + t * dx - u, py = y0 + t * dy - v;
        return px * px + py * py <= width * width / 4;
    };
}

Inside Triangle(double ax, double ay, double bx, double by, double cx, double cy)
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

zt::win::IconImage Render(int size, const std::vector<Layer>& layers)
{
    constexpr int kSamples = 4;
    zt::win::IconImage image{size, size,
                             std::vector<std::uint32_t>(static_cast<std::size_t>(size) * size)};
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            int covered = 0;
            int r = 0, g = 0, b = 0;
            for (int sy = 0; sy < kSamples; ++sy)
                for (int sx = 0; sx < kSamples; ++sx) {
                    double u = (x + (sx + 0.5) / kSamples) / size;
                    double v = (y + (sy + 0.5) / kSamples) / size;
                    const Layer* top = nullptr;
                    for (const Layer& layer : layers)
                        if (layer.inside(u, v))
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
                std::uint32_t alpha = static_cast<std::uint32_t>(
                    (covered * 255 + kSamples * kSamples / 2) / (kSamples * kSamples));
                pixel = (alpha << 24) | (avg(r) << 16) | (avg(g) << 8) | avg(b);
            }
            image.argb[static_cast<std::size_t>(y) * size + x] = pixel;
        }
    return image;
}

constexpr std::uint32_t kRed = 0xD42A2A;
constexpr std::uint32_t kYellow = 0xF8C81E;
constexpr std::uint32_t kBlue = 0x1F6FD0;
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kBlack = 0x000000;

std::vector<Layer> ErrorShape()
{
    return {{Circle(0.5, 0.5, 0.47), kRed},
            {Stroke(0.32, 0.32, 0.68, 0.68, 0.13), kWhite},
            {Stroke(0.68, 0.32, 0.32, 0.68, 0.13), kWhite}};
}

std::vector<Layer> WarningShape()
{
    return {{Triangle(0.5, 0.04, 0.97, 0.93, 0.03, 0.93), kYellow},
            {Stroke(0.5, 0.3, 0.5, 0.56, 0.12), kBlack},
            {Circle(0.5, 0.79, 0.07), kBlack}};
}

std::vector<Layer> InformationShape()
{
    return {{Ellipse(0.5, 0.42, 0.47, 0.38), kBlue},
            {Triangle(0.2, 0.66, 0.44, 0.76, 0.1, 0.97), kBlue},
            {Circle(0.5, 0.22, 0.07), kWhite},
            {Stroke(0.5, 0.36, 0.5, 0.6, 0.12), kWhite}};
}

} // namespace

bool RegisterZTUiResources(HINSTANCE module)
{
    if (!module)
        return false;
    struct Icon
    {
        unsigned id;
        std::vector<Layer> (*shape)();
    } icons[] = {{kIconError, &ErrorShape},
                 {kIconWarning, &WarningShape},
                 {kIconInformation, &InformationShape}};
    bool ok = true;
    for (const Icon& icon : icons) {
        std::vector<Layer> layers = icon.shape();
        ok = zt::win::ResourceModule::AddIcon(module, MAKEINTRESOURCEW(icon.id),
                                              {Render(16, layers), Render(64, layers)}) &&
             ok;
    }
    return ok;
}

void UnregisterZTUiResources(HINSTANCE module)
{
    if (module)
        zt::win::ResourceModule::RemoveModule(module);
}

} // namespace zt
