#include "platform/cad/ViewClip.h"

#include <array>
#include <utility>

namespace zt::cad {

namespace {

DPoint3d Lerp(const DPoint3d& a, const DPoint3d& b, double t)
{
    return DPoint3d{a.x + t * (b.x - a.x), a.y + t * (b.y - a.y), a.z + t * (b.z - a.z)};
}

// One edge of the rectangle for the polygon clipper: inside is value(p) <= limit.
struct Edge
{
    int axis;    // 0 x, 1 y
    double sign; // +1 for right/bottom, -1 for left/top
    double limit;
    double Value(const DPoint3d& p) const { return sign * (axis == 0 ? p.x : p.y); }
};

void ClipAgainst(const Edge& edge, const std::vector<DPoint3d>& in, std::vector<DPoint3d>& out)
{
    out.clear();
    const std::size_t n = in.size();
    for (std::size_t i = 0; i < n; ++i) {
        const DPoint3d& p = in[i];
        const DPoint3d& q = in[(i + 1) % n];
        const double vp = edge.Value(p) - edge.limit, vq = edge.Value(q) - edge.limit;
        if (vp <= 0.0)
            out.push_back(p);
        if ((vp <= 0.0) != (vq <= 0.0))
            out.push_back(Lerp(p, q, vp / (vp - vq)));
    }
}

} // namespace

bool ClipSegment(const ClipRect& rect, DPoint3d& a, DPoint3d& b)
{
    // Liang-Barsky: the parameter range of the segment inside all four half planes.
    double t0 = 0.0, t1 = 1.0;
    const double dx = b.x - a.x, dy = b.y - a.y;
    const std::array<std::pair<double, double>, 4> tests{{
        {-dx, a.x - rect.left},
        {dx, rect.right - a.x},
        {-dy, a.y - rect.top},
        {dy, rect.bottom - a.y},
    }};
    for (const auto& [p, q] : tests) {
        if (p == 0.0) {
            if (q < 0.0)
                return false;
            continue;
        }
        const double t = q / p;
        if (p < 0.0) {
            if (t > t1)
                return false;
            if (t > t0)
                t0 = t;
        } else {
            if (t < t0)
                return false;
            if (t < t1)
                t1 = t;
        }
    }
    const DPoint3d start = a;
    if (t0 > 0.0)
        a = Lerp(start, b, t0);
    if (t1 < 1.0)
        b = Lerp(start, b, t1);
    return true;
}

void ClipPolygon(const ClipRect& rect, const std::vector<DPoint3d>& polygon,
                 std::vector<DPoint3d>& out)
{
    const std::array<Edge, 4> edges{{
        {0, -1.0, -rect.left},
        {0, 1.0, rect.right},
        {1, -1.0, -rect.top},
        {1, 1.0, rect.bottom},
    }};
    std::vector<DPoint3d> work = polygon;
    for (const Edge& edge : edges) {
        ClipAgainst(edge, work, out);
        work.swap(out);
        if (work.empty())
            break;
    }
    out.swap(work);
}

void ClipPolygonToDepth(const std::vector<DPoint3d>& polygon, const std::vector<double>& depth,
                        double maxDepth, std::vector<DPoint3d>& out)
{
    out.clear();
    const std::size_t n = polygon.size();
    if (depth.size() != n)
        return;
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t j = (i + 1) % n;
        const double vp = depth[i] - maxDepth, vq = depth[j] - maxDepth;
        if (vp <= 0.0)
            out.push_back(polygon[i]);
        if ((vp <= 0.0) != (vq <= 0.0))
            out.push_back(Lerp(polygon[i], polygon[j], vp / (vp - vq)));
    }
}

} // namespace zt::cad
