#include "platform/cad/ViewDrawGeom.h"

#include "platform/cad/GeomTolerance.h"
#include "platform/cad/TextString.h"

#include <algorithm>
#include <cmath>

namespace {

// Drawing reaches this far past the view's edges before it is cut, so that wide lines and
// dots whose centre lies just outside still show their inner half.
constexpr double kCullMarginPixels = 48.0;
// Arcs are stroked finely enough that no chord strays more than this from the arc.
constexpr double kArcChordErrorPixels = 0.25;
constexpr int kMaxArcSegments = 2048;
// Upper bound on the point count of one call; more is bad input and is dropped.
constexpr int kMaxPointsPerCall = 1 << 24;

ViewPoint2f ToFloat(const DPoint3d& p)
{
    return ViewPoint2f{static_cast<float>(p.x), static_cast<float>(p.y)};
}

} // namespace

ViewDrawGeom::ViewDrawGeom(const Setup& setup, ViewDisplayList& target)
    : m_setup(setup), m_list(target)
{
    m_cull = ClipRect{-kCullMarginPixels, -kCullMarginPixels, setup.frame.width + kCullMarginPixels,
                      setup.frame.height + kCullMarginPixels};
    UseSymbology(m_symbology.GetLineColorTBGR(), m_symbology.GetFillColorTBGR());
}

void ViewDrawGeom::UseSymbology(std::uint32_t lineColor, std::uint32_t fillColor)
{
    DisplaySymbology s;
    s.lineColor = lineColor;
    s.fillColor = fillColor;
    s.weight = static_cast<std::uint8_t>(m_symbology.GetWidth());
    s.style = static_cast<std::uint8_t>(std::min<std::uint32_t>(m_symbology.GetLineStyle(), 255));
    m_list.SetSymbology(s);
}

void ViewDrawGeom::ActivateMatSymb(const ElemMatSymb* symbology)
{
    if (!symbology)
        return;
    m_symbology = *symbology;
    UseSymbology(m_symbology.GetLineColorTBGR(), m_symbology.GetFillColorTBGR());
}

void ViewDrawGeom::PushTransform(const Transform& transform)
{
    if (m_transforms.empty()) {
        m_transforms.push_back(transform);
        return;
    }
    const Transform& outer = m_transforms.back();
    Transform combined;
    combined.matrix = RotMatrix::FromProduct(outer.matrix, transform.matrix);
    combined.translation = DVec3d::From(outer.Multiply(DPoint3d::From(transform.translation)));
    m_transforms.push_back(combined);
}

void ViewDrawGeom::PopTransform()
{
    if (!m_transforms.empty())
        m_transforms.pop_back();
}

DPoint3d ViewDrawGeom::ToWorld(const DPoint3d& p) const
{
    return m_transforms.empty() ? p : m_transforms.back().Multiply(p);
}

bool ViewDrawGeom::IsRangeVisible(const DRange3d& worldRange) const
{
    if (worldRange.IsNull())
        return false;
    const ViewFrame& f = m_setup.frame;
    const DPoint3d& lo = worldRange.low;
    const DPoint3d& hi = worldRange.high;
    if (!f.cameraOn) {
        // The box's view extent: its centre's view position plus the absolute rotation applied
        // to its half diagonal.
        const DPoint3d mid{0.5 * (lo.x + hi.x), 0.5 * (lo.y + hi.y), 0.5 * (lo.z + hi.z)};
        const DVec3d half{0.5 * (hi.x - lo.x), 0.5 * (hi.y - lo.y), 0.5 * (hi.z - lo.z)};
        const DPoint3d c = f.WorldToView(mid);
        const double(&m)[3][3] = f.rotation.form3d;
        const double ex = f.scale * (std::fabs(m[0][0]) * half.x + std::fabs(m[0][1]) * half.y +
                                     std::fabs(m[0][2]) * half.z);
        const double ey = f.scale * (std::fabs(m[1][0]) * half.x + std::fabs(m[1][1]) * half.y +
                                     std::fabs(m[1][2]) * half.z);
        return c.x + ex >= m_cull.left && c.x - ex <= m_cull.right && c.y + ey >= m_cull.top &&
               c.y - ey <= m_cull.bottom;
    }
    // With the camera, the box counts as visible unless all of it lies behind the eye or its
    // projected corners all lie beyond one edge of the view.
    int left = 0, right = 0, above = 0, below = 0, behind = 0;
    for (int i = 0; i < 8; ++i) {
        const DPoint3d corner{i & 1 ? hi.x : lo.x, i & 2 ? hi.y : lo.y, i & 4 ? hi.z : lo.z};
        if (!f.IsInFrontOfEye(corner)) {
            ++behind;
            continue;
        }
        const DPoint3d v = f.WorldToView(corner);
        left += v.x < m_cull.left;
        right += v.x > m_cull.right;
        above += v.y < m_cull.top;
        below += v.y > m_cull.bottom;
    }
    if (behind == 8)
        return false;
    if (behind > 0)
        return true;
    return left < 8 && right < 8 && above < 8 && below < 8;
}

bool ViewDrawGeom::RangeArgumentVisible(const DPoint3d* range) const
{
    if (!range)
        return true;
    DRange3d r = DRange3d::From(ToWorld(range[0]), ToWorld(range[1]));
    if (!m_transforms.empty()) {
        // A rotated range's corners span more than its two transformed corners.
        for (int i = 0; i < 8; ++i)
            r.Extend(
                ToWorld(DPoint3d{i & 1 ? range[1].x : range[0].x, i & 2 ? range[1].y : range[0].y,
                                 i & 4 ? range[1].z : range[0].z}));
    }
    return IsRangeVisible(r);
}

float ViewDrawGeom::MeanDepth(const std::vector<DPoint3d>& view) const
{
    if (m_depthForced)
        return m_forcedDepth;
    if (view.empty())
        return 0.0f;
    double sum = 0.0;
    for (const DPoint3d& p : view)
        sum += p.z;
    return static_cast<float>(sum / double(view.size()));
}

void ViewDrawGeom::FlushRun()
{
    if (m_run.size() >= 2)
        m_list.AddPolyline(m_run.data(), static_cast<std::uint32_t>(m_run.size()), false,
                           m_depthForced ? m_forcedDepth
                                         : static_cast<float>(m_runDepth / double(m_run.size())));
    m_run.clear();
    m_runDepth = 0.0;
}

void ViewDrawGeom::ProjectRun(const DPoint3d& worldA, const DPoint3d& worldB)
{
    const ViewFrame& f = m_setup.frame;
    DPoint3d a = worldA, b = worldB;
    if (f.cameraOn) {
        const double limit = f.eyeDistance * (1.0 - ViewFrame::kNearPlaneFraction);
        const double da = f.Depth(a), db = f.Depth(b);
        if (da > limit && db > limit) {
            FlushRun();
            return;
        }
        if (da > limit)
            a = DPoint3d::FromInterpolate(a, (da - limit) / (da - db), b);
        else if (db > limit)
            b = DPoint3d::FromInterpolate(a, (da - limit) / (da - db), b);
    }
    DPoint3d va = f.WorldToView(a), vb = f.WorldToView(b);
    const DPoint3d unclippedA = va;
    if (!zt::cad::ClipSegment(m_cull, va, vb)) {
        FlushRun();
        return;
    }
    // A run continues while each segment starts where the previous one ended.
    const bool continues = !m_run.empty() && va.x == unclippedA.x && va.y == unclippedA.y &&
                           m_run.back().x == static_cast<float>(va.x) &&
                           m_run.back().y == static_cast<float>(va.y);
    if (!continues) {
        FlushRun();
        m_run.push_back(ToFloat(va));
        m_runDepth += va.z;
    }
    m_run.push_back(ToFloat(vb));
    m_runDepth += vb.z;
}

void ViewDrawGeom::Stroke(std::vector<DPoint3d>& world, bool closed)
{
    const std::size_t n = world.size();
    if (n < 2)
        return;
    const ViewFrame& f = m_setup.frame;
    if (!f.cameraOn) {
        // The common case: everything on screen, one item for the whole polyline.
        m_view.resize(n);
        bool inside = true;
        for (std::size_t i = 0; i < n; ++i) {
            m_view[i] = f.WorldToView(world[i]);
            inside = inside && m_cull.Contains(m_view[i].x, m_view[i].y);
        }
        if (inside) {
            m_run.resize(n);
            for (std::size_t i = 0; i < n; ++i)
                m_run[i] = ToFloat(m_view[i]);
            m_list.AddPolyline(m_run.data(), static_cast<std::uint32_t>(n), closed,
                               MeanDepth(m_view));
            m_run.clear();
            return;
        }
    }
    m_run.clear();
    m_runDepth = 0.0;
    for (std::size_t i = 0; i + 1 < n; ++i)
        ProjectRun(world[i], world[i + 1]);
    if (closed)
        ProjectRun(world[n - 1], world[0]);
    FlushRun();
}

void ViewDrawGeom::Fill(std::vector<DPoint3d>& world, std::uint32_t fillColor)
{
    if (world.size() < 3)
        return;
    const ViewFrame& f = m_setup.frame;
    const std::vector<DPoint3d>* polygon = &world;
    if (f.cameraOn) {
        std::vector<double> depth(world.size());
        for (std::size_t i = 0; i < world.size(); ++i)
            depth[i] = f.Depth(world[i]);
        zt::cad::ClipPolygonToDepth(
            world, depth, f.eyeDistance * (1.0 - ViewFrame::kNearPlaneFraction), m_clipped);
        polygon = &m_clipped;
    }
    m_view.resize(polygon->size());
    for (std::size_t i = 0; i < polygon->size(); ++i)
        m_view[i] = f.WorldToView((*polygon)[i]);
    std::vector<DPoint3d> inside;
    zt::cad::ClipPolygon(m_cull, m_view, inside);
    if (inside.size() < 3)
        return;
    m_run.resize(inside.size());
    for (std::size_t i = 0; i < inside.size(); ++i)
        m_run[i] = ToFloat(inside[i]);
    UseSymbology(m_symbology.GetLineColorTBGR(), fillColor);
    m_list.AddFill(m_run.data(), static_cast<std::uint32_t>(m_run.size()), MeanDepth(m_view));
    m_run.clear();
    UseSymbology(m_symbology.GetLineColorTBGR(), m_symbology.GetFillColorTBGR());
}

void ViewDrawGeom::Shape(std::vector<DPoint3d>& world, bool filled)
{
    if (world.size() >= 2 && world.front().IsEqual(world.back()))
        world.pop_back();
    if (filled || m_symbology.IsFilled()) {
        Fill(world, m_symbology.GetFillColorTBGR());
        // A fill in its own line colour needs no outline; otherwise the outline is drawn.
        if (m_symbology.GetFillColorTBGR() == m_symbology.GetLineColorTBGR())
            return;
    }
    Stroke(world, true);
}

void ViewDrawGeom::DrawLineString3d(int numPoints, const DPoint3d* points, const DPoint3d* range)
{
    if (!points || numPoints < 2 || numPoints > kMaxPointsPerCall || !RangeArgumentVisible(range))
        return;
    m_world.resize(std::size_t(numPoints));
    for (int i = 0; i < numPoints; ++i)
        m_world[i] = ToWorld(points[i]);
    Stroke(m_world, false);
}

void ViewDrawGeom::DrawLineString2d(int numPoints, const DPoint2d* points, double zDepth,
                                    const DPoint2d* range)
{
    if (!points || numPoints < 2 || numPoints > kMaxPointsPerCall)
        return;
    if (range) {
        const DPoint3d r[2] = {{range[0].x, range[0].y, zDepth}, {range[1].x, range[1].y, zDepth}};
        if (!RangeArgumentVisible(r))
            return;
    }
    m_world.resize(std::size_t(numPoints));
    for (int i = 0; i < numPoints; ++i)
        m_world[i] = ToWorld(DPoint3d{points[i].x, points[i].y, zDepth});
    Stroke(m_world, false);
}

void ViewDrawGeom::DrawPointString3d(int numPoints, const DPoint3d* points, const DPoint3d* range)
{
    if (!points || numPoints < 1 || numPoints > kMaxPointsPerCall || !RangeArgumentVisible(range))
        return;
    const ViewFrame& f = m_setup.frame;
    m_run.clear();
    double depth = 0.0;
    for (int i = 0; i < numPoints; ++i) {
        const DPoint3d w = ToWorld(points[i]);
        if (!f.IsInFrontOfEye(w))
            continue;
        const DPoint3d v = f.WorldToView(w);
        if (!m_cull.Contains(v.x, v.y))
            continue;
        m_run.push_back(ToFloat(v));
        depth += v.z;
    }
    if (!m_run.empty())
        m_list.AddDots(m_run.data(), static_cast<std::uint32_t>(m_run.size()),
                       static_cast<float>(depth / double(m_run.size())));
    m_run.clear();
}

void ViewDrawGeom::DrawShape3d(int numPoints, const DPoint3d* points, bool filled,
                               const DPoint3d* range)
{
    if (!points || numPoints < 2 || numPoints > kMaxPointsPerCall || !RangeArgumentVisible(range))
        return;
    m_world.resize(std::size_t(numPoints));
    for (int i = 0; i < numPoints; ++i)
        m_world[i] = ToWorld(points[i]);
    Shape(m_world, filled);
}

void ViewDrawGeom::DrawShape2d(int numPoints, const DPoint2d* points, bool filled, double zDepth,
                               const DPoint2d* range)
{
    if (!points || numPoints < 2 || numPoints > kMaxPointsPerCall)
        return;
    if (range) {
        const DPoint3d r[2] = {{range[0].x, range[0].y, zDepth}, {range[1].x, range[1].y, zDepth}};
        if (!RangeArgumentVisible(r))
            return;
    }
    m_world.resize(std::size_t(numPoints));
    for (int i = 0; i < numPoints; ++i)
        m_world[i] = ToWorld(DPoint3d{points[i].x, points[i].y, zDepth});
    Shape(m_world, filled);
}

void ViewDrawGeom::StrokeArc(const DEllipse3d& arc, bool fullEllipse,
                             std::vector<DPoint3d>& out) const
{
    const double sweep = fullEllipse ? zt::cad::kTwoPi : arc.sweep;
    const double start = fullEllipse ? 0.0 : arc.start;
    const DPoint3d centre = ToWorld(arc.center);
    double radius = std::max(arc.vector0.Magnitude(), arc.vector90.Magnitude());
    if (!m_transforms.empty()) {
        const RotMatrix& m = m_transforms.back().matrix;
        radius =
            std::max(m.Multiply(arc.vector0).Magnitude(), m.Multiply(arc.vector90).Magnitude());
    }
    const double radiusPixels = radius / m_setup.frame.WorldPixelSize(&centre);
    int segments = 2;
    if (radiusPixels > kArcChordErrorPixels && std::isfinite(radiusPixels)) {
        const double step = 2.0 * std::acos(1.0 - kArcChordErrorPixels / radiusPixels);
        segments = static_cast<int>(std::ceil(std::fabs(sweep) / std::max(step, 1e-6)));
    }
    segments = std::clamp(segments, 2, kMaxArcSegments);
    for (int i = 0; i <= segments; ++i)
        out.push_back(ToWorld(arc.Evaluate(start + sweep * double(i) / segments)));
    if (fullEllipse)
        out.pop_back();
}

void ViewDrawGeom::DrawArc3d(const DEllipse3d& ellipse, bool isEllipse, bool filled,
                             const DPoint3d* range)
{
    if (!RangeArgumentVisible(range))
        return;
    const bool full = isEllipse || ellipse.IsFullEllipse();
    m_world.clear();
    if (filled && !full)
        m_world.push_back(ToWorld(ellipse.center));
    StrokeArc(ellipse, full, m_world);
    if (filled || (full && m_symbology.IsFilled())) {
        Shape(m_world, true);
        return;
    }
    Stroke(m_world, full);
}

void ViewDrawGeom::AppendCurve(const ICurvePrimitive& curve, std::vector<DPoint3d>& out) const
{
    DSegment3d segment;
    DEllipse3d arc;
    if (curve.TryGetLine(segment)) {
        out.push_back(ToWorld(segment.point[0]));
        out.push_back(ToWorld(segment.point[1]));
    } else if (curve.TryGetArc(arc)) {
        StrokeArc(arc, false, out);
    } else if (const bvector<DPoint3d>* points = curve.GetLineStringCP()) {
        for (const DPoint3d& p : *points)
            out.push_back(ToWorld(p));
    }
}

void ViewDrawGeom::DrawCurvePrimitive(const ICurvePrimitive& curve, bool closed, bool filled)
{
    m_world.clear();
    AppendCurve(curve, m_world);
    if (closed || filled)
        Shape(m_world, filled);
    else
        Stroke(m_world, false);
}

void ViewDrawGeom::DrawCurveVector(const CurveVector& curves, bool isFilled)
{
    DRange3d range;
    if (!curves.GetRange(range))
        return;
    const DPoint3d corners[2] = {range.low, range.high};
    if (!RangeArgumentVisible(corners))
        return;
    if (!curves.IsClosedPath()) {
        for (const ICurvePrimitivePtr& curve : curves)
            if (curve)
                DrawCurvePrimitive(*curve, false, false);
        return;
    }
    // A loop is one polygon: the primitives' points joined, repeated joints left out.
    std::vector<DPoint3d> loop;
    for (const ICurvePrimitivePtr& curve : curves) {
        if (!curve)
            continue;
        std::vector<DPoint3d> part;
        AppendCurve(*curve, part);
        for (const DPoint3d& p : part)
            if (loop.empty() || !loop.back().IsEqual(p))
                loop.push_back(p);
    }
    Shape(loop, isFilled);
}

void ViewDrawGeom::DrawTextString(const TextString& text, const double* zDepth)
{
    if (text.GetText().empty())
        return;
    const ViewFrame& f = m_setup.frame;
    DPoint3d origin = text.GetOrigin();
    if (zDepth)
        origin.z = *zDepth;
    const DPoint3d o = ToWorld(origin);
    if (!f.IsInFrontOfEye(o))
        return;
    const DPoint2d& size = text.GetSize();
    const RotMatrix& rot = text.GetOrientation();
    DVec3d along = rot.GetColumn(0) * size.x;
    DVec3d up = rot.GetColumn(1) * size.y;
    if (!m_transforms.empty()) {
        along = m_transforms.back().matrix.Multiply(along);
        up = m_transforms.back().matrix.Multiply(up);
    }
    const DPoint3d vo = f.WorldToView(o);
    const DPoint3d va = f.WorldToView(o + along);
    const DPoint3d vu = f.WorldToView(o + up);
    DisplayText t;
    t.text = text.GetText();
    t.face = WString(text.GetFontName());
    t.origin = ToFloat(vo);
    t.widthVector = ViewPoint2f{float(va.x - vo.x), float(va.y - vo.y)};
    t.heightVector = ViewPoint2f{float(vu.x - vo.x), float(vu.y - vo.y)};
    t.justification = text.GetJustification();
    // Left out when even the whole string's reach around its origin misses the view.
    const double reach = (std::hypot(t.widthVector.x, t.widthVector.y) * double(t.text.size()) +
                          std::hypot(t.heightVector.x, t.heightVector.y)) *
                         2.0;
    if (!std::isfinite(reach) || vo.x + reach < m_cull.left || vo.x - reach > m_cull.right ||
        vo.y + reach < m_cull.top || vo.y - reach > m_cull.bottom)
        return;
    m_list.AddText(std::move(t), static_cast<float>(vo.z));
}
