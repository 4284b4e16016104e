#pragma once
// Clipping for drawing in a view: lines and polygons against the rectangle the view shows (so
// that points far outside never reach the pixels, however far the view is zoomed in), and
// against the camera's near plane (so that nothing behind the eye is projected).

#include "platform/cad/DPoint3d.h"

#include <vector>

struct ClipRect
{
    double left = 0.0;
    double top = 0.0;
    double right = 0.0;
    double bottom = 0.0;

    bool Contains(double x, double y) const
    {
        return x >= left && x <= right && y >= top && y <= bottom;
    }
};

namespace zt::cad {

// Clips the segment (x and y only) to the rectangle; false when nothing of it is inside.
bool ClipSegment(const ClipRect& rect, DPoint3d& a, DPoint3d& b);

// Clips a closed polygon (x and y only) to the rectangle; z is interpolated along the edges.
// The result may be empty.
void ClipPolygon(const ClipRect& rect, const std::vector<DPoint3d>& polygon,
                 std::vector<DPoint3d>& out);

// Keeps the part of a closed polygon whose depth (given per point, same order) is at most
// maxDepth; the points are world points and are interpolated with their depths.
void ClipPolygonToDepth(const std::vector<DPoint3d>& polygon, const std::vector<double>& depth,
                        double maxDepth, std::vector<DPoint3d>& out);

} // namespace zt::cad
