#pragma once
// Icons drawn in code: shapes in unit coordinates (0..1 across the icon), painted in order,
// each pixel sampled 4 x 4 times so that edges are anti-aliased. The result is an image for
// ResourceModule::AddIcon.

#include "platform/win/resources/ResourceModule.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace zt::win {

class IconPainter
{
public:
    using Shape = std::function<bool(double u, double v)>;

    static Shape Circle(double cx, double cy, double r);
    static Shape Ellipse(double cx, double cy, double rx, double ry);
    // A stroke of the given width with round ends.
    static Shape Stroke(double x0, double y0, double x1, double y1, double width);
    static Shape Triangle(double ax, double ay, double bx, double by, double cx, double cy);
    static Shape Rectangle(double left, double top, double right, double bottom);

    // Later shapes cover earlier ones; rgb is 0xRRGGBB.
    IconPainter& Add(Shape shape, std::uint32_t rgb);
    IconImage Render(int size) const;

private:
    struct Layer
    {
        Shape shape;
        std::uint32_t rgb;
    };
    std::vector<Layer> m_layers;
};

} // namespace zt::win
