// Lines, rectangles, ellipses, polygons, pattern blits and gradients.

#include "platform/win/WinGdi.h"
#include "platform/win/WinUserDraw.h"
#include "platform/win/gdi/PenRaster.h"
#include "platform/win/gdi/Shapes.h"

#include <algorithm>
#include <cmath>

namespace zt::win {

namespace {

RECT BoundsOf(const std::vector<POINT>& points, int margin)
{
    RECT r{0, 0, 0, 0};
    if (points.empty())
        return r;
    r = RECT{points[0].x, points[0].y, points[0].x, points[0].y};
    for (const POINT& p : points) {
        r.left = std::min(r.left, p.x);
        r.top = std::min(r.top, p.y);
        r.right = std::max(r.right, p.x);
        r.bottom = std::max(r.bottom, p.y);
    }
    InflateRect(&r, margin, margin);
    ++r.right;
    ++r.bottom;
    return r;
}

PathBuilder RectsPath(const std::vector<RECT>& rects)
{
    return [&rects](cairo_t* cr) {
        for (const RECT& r : rects)
            cairo_rectangle(cr, r.left, r.top, r.right - r.left, r.bottom - r.top);
    };
}

} // namespace

void FillSurfaceRect(DeviceContext& dc, const RECT& whole, const Ink& ink, BYTE rop3)
{
    // Only the part inside the clip can change; cutting first keeps far-away coordinates out
    // of cairo's fixed-point range.
    RECT rect;
    const RECT clip = dc.ClipBounds();
    if (!IntersectRect(&rect, &whole, &clip))
        return;
    if (std::uint32_t pixel; SolidCopyPixel(dc, ink, rop3, &pixel)) {
        FillSolidRects(dc, &rect, 1, pixel);
        return;
    }
    FillPath(
        dc, rect,
        [&rect](cairo_t* cr) {
            cairo_rectangle(cr, rect.left, rect.top, rect.right - rect.left,
                            rect.bottom - rect.top);
        },
        ink, rop3);
}

void FillSurfaceRects(DeviceContext& dc, const std::vector<RECT>& rects, const Ink& ink, BYTE rop3)
{
    if (rects.empty())
        return;
    if (std::uint32_t pixel; SolidCopyPixel(dc, ink, rop3, &pixel)) {
        FillSolidRects(dc, rects.data(), rects.size(), pixel);
        return;
    }
    RECT bounds = rects[0];
    for (const RECT& r : rects)
        UnionRect(&bounds, &bounds, &r);
    FillPath(dc, bounds, RectsPath(rects), ink, rop3);
}

void StrokePoints(DeviceContext& dc, const std::vector<POINT>& points, bool closed)
{
    if (!dc.PenVisible() || points.size() < 2)
        return;
    const BYTE rop3 = Rop2ToRop3(dc.state.rop2);
    const int width = dc.PenWidth();
    const Ink pen{dc.PenColor(), nullptr};
    if (width <= 1) {
        PenRaster raster(dc.state.pen->style);
        const RECT limit = dc.ClipBounds();
        for (std::size_t i = 0; i + 1 < points.size(); ++i)
            raster.AddSegment(points[i], points[i + 1], limit);
        if (closed && (points.front().x != points.back().x || points.front().y != points.back().y))
            raster.AddSegment(points.back(), points.front(), limit);
        if (!raster.On().empty())
            FillSurfaceRects(dc, raster.On(), pen, rop3);
        if (!raster.Off().empty() && dc.state.bkMode == OPAQUE)
            FillSurfaceRects(dc, raster.Off(), Ink{dc.state.bkColor, nullptr}, rop3);
        return;
    }
    FillPath(
        dc, BoundsOf(points, width + 1),
        [&points, closed](cairo_t* cr) {
            cairo_move_to(cr, points[0].x + 0.5, points[0].y + 0.5);
            for (std::size_t i = 1; i < points.size(); ++i)
                cairo_line_to(cr, points[i].x + 0.5, points[i].y + 0.5);
            if (closed)
                cairo_close_path(cr);
        },
        pen, rop3, CAIRO_FILL_RULE_WINDING, width);
}

void AddRoundRectPath(cairo_t* cr, double l, double t, double r, double b, double rx, double ry)
{
    rx = std::min(rx, (r - l) / 2);
    ry = std::min(ry, (b - t) / 2);
    if (rx <= 0 || ry <= 0) {
        cairo_rectangle(cr, l, t, r - l, b - t);
        return;
    }
    auto corner = [cr, rx, ry](double cx, double cy, double a0, double a1) {
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_scale(cr, rx, ry);
        cairo_arc(cr, 0, 0, 1, a0, a1);
        cairo_restore(cr);
    };
    cairo_new_sub_path(cr);
    corner(r - rx, t + ry, -M_PI / 2, 0);
    corner(r - rx, b - ry, 0, M_PI / 2);
    corner(l + rx, b - ry, M_PI / 2, M_PI);
    corner(l + rx, t + ry, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

} // namespace zt::win

using namespace zt::win;

namespace {

std::vector<POINT> ToSurface(const DeviceContext& dc, const POINT* points, int count)
{
    std::vector<POINT> out;
    out.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        out.push_back(dc.ToSurface(points[i].x, points[i].y));
    return out;
}

// Rounded figures (ellipses are round rectangles with full radii): the brush inside, the pen as
// a ring as wide as the pen along the inside of the bounding box.
BOOL RoundFigure(HDC hdc, int left, int top, int right, int bottom, double rx, double ry)
{
    auto dc = FindDC(hdc);
    if (!dc)
        return FALSE;
    const RECT box = dc->RectToSurface(left, top, right, bottom);
    if (box.right - box.left < 1 || box.bottom - box.top < 1)
        return TRUE;
    const BYTE rop3 = Rop2ToRop3(dc->state.rop2);
    const bool pen = dc->PenVisible();
    const int w = pen ? dc->PenWidth() : 0;
    if (dc->BrushVisible()) {
        // Without a pen GDI leaves the right and bottom edge out, as for rectangles.
        const double inset = pen ? w : 0;
        const double l = box.left + inset;
        const double t = box.top + inset;
        const double r = box.right - (pen ? inset : 1);
        const double b = box.bottom - (pen ? inset : 1);
        if (r > l && b > t)
            FillPath(
                *dc, box,
                [&](cairo_t* cr) {
                    AddRoundRectPath(cr, l, t, r, b, std::max(0.0, rx - inset),
                                     std::max(0.0, ry - inset));
                },
                Ink{0, dc->state.brush.get()}, rop3);
    }
    if (pen) {
        FillPath(
            *dc, box,
            [&](cairo_t* cr) {
                AddRoundRectPath(cr, box.left, box.top, box.right, box.bottom, rx, ry);
                if (box.right - box.left > 2 * w && box.bottom - box.top > 2 * w)
                    AddRoundRectPath(cr, box.left + w, box.top + w, box.right - w, box.bottom - w,
                                     std::max(0.0, rx - w), std::max(0.0, ry - w));
            },
            Ink{dc->PenColor(), nullptr}, rop3, CAIRO_FILL_RULE_EVEN_ODD);
    }
    return TRUE;
}

} // namespace

BOOL MoveToEx(HDC hdc, int x, int y, LPPOINT previous)
{
    auto dc = FindDC(hdc);
    if (!dc)
        return FALSE;
    if (previous)
        *previous = dc->state.position;
    dc->state.position = POINT{x, y};
    return TRUE;
}

BOOL GetCurrentPositionEx(HDC hdc, LPPOINT position)
{
    auto dc = FindDC(hdc);
    if (!dc || !position)
        return FALSE;
    *position = dc->state.position;
    return TRUE;
}

BOOL LineTo(HDC hdc, int x, int y)
{
    auto dc = FindDC(hdc);
    if (!dc)
        return FALSE;
    const POINT from = dc->state.position;
    StrokePoints(*dc, {dc->ToSurface(from.x, from.y), dc->ToSurface(x, y)}, false);
    dc->state.position = POINT{x, y};
    return TRUE;
}

BOOL Polyline(HDC hdc, const POINT* points, int count)
{
    auto dc = FindDC(hdc);
    if (!dc || !points || count < 2)
        return FALSE;
    StrokePoints(*dc, ToSurface(*dc, points, count), false);
    return TRUE;
}

BOOL PolylineTo(HDC hdc, const POINT* points, DWORD count)
{
    auto dc = FindDC(hdc);
    if (!dc || !points || count < 1 || count > 0x7FFFFFFF)
        return FALSE;
    std::vector<POINT> all{dc->ToSurface(dc->state.position.x, dc->state.position.y)};
    for (DWORD i = 0; i < count; ++i)
        all.push_back(dc->ToSurface(points[i].x, points[i].y));
    StrokePoints(*dc, all, false);
    dc->state.position = points[count - 1];
    return TRUE;
}

BOOL PolyPolygon(HDC hdc, const POINT* points, const INT* counts, int polygons)
{
    auto dc = FindDC(hdc);
    if (!dc || !points || !counts || polygons < 1)
        return FALSE;
    std::vector<std::vector<POINT>> figures;
    int offset = 0;
    for (int i = 0; i < polygons; ++i) {
        if (counts[i] < 2)
            return FALSE;
        figures.push_back(ToSurface(*dc, points + offset, counts[i]));
        offset += counts[i];
    }
    if (dc->BrushVisible()) {
        std::vector<POINT> all;
        for (const auto& f : figures)
            all.insert(all.end(), f.begin(), f.end());
        RECT bounds{0, 0, 0, 0};
        if (!all.empty()) {
            bounds = RECT{all[0].x, all[0].y, all[0].x + 1, all[0].y + 1};
            for (const POINT& p : all) {
                const RECT pr{p.x, p.y, p.x + 1, p.y + 1};
                UnionRect(&bounds, &bounds, &pr);
            }
        }
        FillPath(
            *dc, bounds,
            [&figures](cairo_t* cr) {
                for (const auto& f : figures) {
                    cairo_move_to(cr, f[0].x, f[0].y);
                    for (std::size_t i = 1; i < f.size(); ++i)
                        cairo_line_to(cr, f[i].x, f[i].y);
                    cairo_close_path(cr);
                }
            },
            Ink{0, dc->state.brush.get()}, Rop2ToRop3(dc->state.rop2),
            dc->state.polyFillMode == WINDING ? CAIRO_FILL_RULE_WINDING : CAIRO_FILL_RULE_EVEN_ODD);
    }
    for (const auto& f : figures)
        StrokePoints(*dc, f, true);
    return TRUE;
}

BOOL Polygon(HDC hdc, const POINT* points, int count)
{
    if (count < 2)
        return FALSE;
    return PolyPolygon(hdc, points, &count, 1);
}

BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom)
{
    auto dc = FindDC(hdc);
    if (!dc)
        return FALSE;
    const RECT box = dc->RectToSurface(left, top, right, bottom);
    const BYTE rop3 = Rop2ToRop3(dc->state.rop2);
    const bool pen = dc->PenVisible();
    if (dc->BrushVisible()) {
        RECT inside = box;
        if (pen)
            InflateRect(&inside, -1, -1);
        else {
            --inside.right;
            --inside.bottom;
        }
        FillSurfaceRect(*dc, inside, Ink{0, dc->state.brush.get()}, rop3);
    }
    if (pen && box.right > box.left && box.bottom > box.top) {
        const int w = dc->PenWidth();
        const int inset = (dc->state.pen->style == PS_INSIDEFRAME) ? (w - 1) / 2 : 0;
        StrokePoints(*dc,
                     {POINT{box.left + inset, box.top + inset},
                      POINT{box.right - 1 - inset, box.top + inset},
                      POINT{box.right - 1 - inset, box.bottom - 1 - inset},
                      POINT{box.left + inset, box.bottom - 1 - inset}},
                     true);
    }
    return TRUE;
}

BOOL RoundRect(HDC hdc, int left, int top, int right, int bottom, int width, int height)
{
    return RoundFigure(hdc, left, top, right, bottom, std::abs(0.0 + width) / 2.0,
                       std::abs(0.0 + height) / 2.0);
}

BOOL Ellipse(HDC hdc, int left, int top, int right, int bottom)
{
    return RoundFigure(hdc, left, top, right, bottom, std::abs(0.0 + right - left) / 2.0,
                       std::abs(0.0 + bottom - top) / 2.0);
}

BOOL PatBlt(HDC hdc, int x, int y, int width, int height, DWORD rop)
{
    auto dc = FindDC(hdc);
    if (!dc)
        return FALSE;
    const BYTE rop3 = Rop3Code(rop);
    if (RopUsesSource(rop3))
        return FALSE;
    if (RopUsesPattern(rop3) && !dc->BrushVisible())
        return TRUE;
    const RECT area = dc->RectToSurface(x, y, DeviceContext::Clamp(0ll + x + width),
                                        DeviceContext::Clamp(0ll + y + height));
    FillSurfaceRect(*dc, area, Ink{0, dc->state.brush.get()}, rop3);
    return TRUE;
}

namespace {

// Channel of a blend between two 16-bit channels, t in [0, 1], down to 8 bits.
std::uint32_t Lerp(COLOR16 a, COLOR16 b, double t)
{
    const double v = a + (double(b) - double(a)) * t;
    return std::uint32_t(std::clamp(v, 0.0, 65535.0)) >> 8;
}

void PaintImage(DeviceContext& dc, cairo_surface_t* image, int x, int y, cairo_operator_t op)
{
    cairo_t* cr = dc.Context();
    if (!cr)
        return;
    cairo_set_source_surface(cr, image, x, y);
    cairo_set_operator(cr, op);
    cairo_rectangle(cr, x, y, cairo_image_surface_get_width(image),
                    cairo_image_surface_get_height(image));
    cairo_fill(cr);
}

// Both ends of a rectangle gradient show the vertex colours exactly.
void GradientRect(DeviceContext& dc, const TRIVERTEX& a, const TRIVERTEX& b, bool vertical)
{
    const POINT pa = dc.ToSurface(a.x, a.y);
    const POINT pb = dc.ToSurface(b.x, b.y);
    const RECT r{std::min(pa.x, pb.x), std::min(pa.y, pb.y), std::max(pa.x, pb.x),
                 std::max(pa.y, pb.y)};
    // Colours follow the whole rectangle; pixels are made only where the clip lets them show.
    RECT part;
    const RECT clip = dc.ClipBounds();
    if (!IntersectRect(&part, &r, &clip))
        return;
    const int w = part.right - part.left;
    const int h = part.bottom - part.top;
    const TRIVERTEX& first = vertical ? (pa.y <= pb.y ? a : b) : (pa.x <= pb.x ? a : b);
    const TRIVERTEX& last = &first == &a ? b : a;
    int stride = 0;
    std::uint32_t* data = SurfacePixels(dc.surface.get(), &stride);
    if (!data)
        return;
    // The colours along the gradient, over the part that can show; the pixels are written
    // straight into the target, as the colours are opaque.
    const long long steps = vertical ? 0ll + r.bottom - r.top : 0ll + r.right - r.left;
    const int offset = vertical ? part.top - r.top : part.left - r.left;
    std::vector<std::uint32_t> ramp(static_cast<std::size_t>(vertical ? h : w));
    for (std::size_t i = 0; i < ramp.size(); ++i) {
        const double t = steps > 1 ? double(static_cast<long long>(i) + offset) / double(steps - 1) : 0.0;
        ramp[i] = 0xFF000000u | (Lerp(first.Red, last.Red, t) << 16) |
                  (Lerp(first.Green, last.Green, t) << 8) | Lerp(first.Blue, last.Blue, t);
    }
    ForEachClipPiece(dc, part, [&](const RECT& piece) {
        for (LONG y = piece.top; y < piece.bottom; ++y) {
            std::uint32_t* row = data + y * stride;
            if (vertical)
                std::fill(row + piece.left, row + piece.right, ramp[y - part.top]);
            else
                std::copy(ramp.begin() + (piece.left - part.left),
                          ramp.begin() + (piece.right - part.left), row + piece.left);
        }
    });
    cairo_surface_mark_dirty_rectangle(dc.surface.get(), part.left, part.top, w, h);
}

void GradientTriangle(DeviceContext& dc, const TRIVERTEX& a, const TRIVERTEX& b, const TRIVERTEX& c)
{
    const POINT p[3] = {dc.ToSurface(a.x, a.y), dc.ToSurface(b.x, b.y), dc.ToSurface(c.x, c.y)};
    const TRIVERTEX* v[3] = {&a, &b, &c};
    const RECT clip = dc.ClipBounds();
    const int left = std::max<int>(clip.left, std::min({p[0].x, p[1].x, p[2].x}));
    const int top = std::max<int>(clip.top, std::min({p[0].y, p[1].y, p[2].y}));
    const int right = std::min<int>(clip.right, std::max({p[0].x, p[1].x, p[2].x}));
    const int bottom = std::min<int>(clip.bottom, std::max({p[0].y, p[1].y, p[2].y}));
    const double area =
        double(p[1].x - p[0].x) * (p[2].y - p[0].y) - double(p[2].x - p[0].x) * (p[1].y - p[0].y);
    if (right <= left || bottom <= top || area == 0)
        return;
    SurfacePtr image = NewSurface(right - left, bottom - top, 0);
    int stride = 0;
    std::uint32_t* out = SurfacePixels(image.get(), &stride);
    if (!out)
        return;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            const double px = x + 0.5;
            const double py = y + 0.5;
            double w[3];
            for (int i = 0; i < 3; ++i) {
                const POINT& q1 = p[(i + 1) % 3];
                const POINT& q2 = p[(i + 2) % 3];
                w[i] = ((q2.x - q1.x) * (py - q1.y) - (q2.y - q1.y) * (px - q1.x)) / area;
            }
            if (w[0] < 0 || w[1] < 0 || w[2] < 0)
                continue;
            auto channel = [&](COLOR16 TRIVERTEX::*m) {
                const double value = w[0] * (v[0]->*m) + w[1] * (v[1]->*m) + w[2] * (v[2]->*m);
                return std::uint32_t(std::clamp(value, 0.0, 65535.0)) >> 8;
            };
            out[(y - top) * stride + (x - left)] = 0xFF000000u | (channel(&TRIVERTEX::Red) << 16) |
                                                   (channel(&TRIVERTEX::Green) << 8) |
                                                   channel(&TRIVERTEX::Blue);
        }
    }
    cairo_surface_mark_dirty(image.get());
    PaintImage(dc, image.get(), left, top, CAIRO_OPERATOR_OVER);
}

} // namespace

BOOL GradientFill(HDC hdc, PTRIVERTEX vertices, ULONG vertexCount, LPVOID mesh, ULONG meshCount,
                  ULONG mode)
{
    auto dc = FindDC(hdc);
    if (!dc || !vertices || !mesh || vertexCount == 0)
        return FALSE;
    if (mode == GRADIENT_FILL_RECT_H || mode == GRADIENT_FILL_RECT_V) {
        const auto* rects = static_cast<const GRADIENT_RECT*>(mesh);
        for (ULONG i = 0; i < meshCount; ++i) {
            if (rects[i].UpperLeft >= vertexCount || rects[i].LowerRight >= vertexCount)
                return FALSE;
            GradientRect(*dc, vertices[rects[i].UpperLeft], vertices[rects[i].LowerRight],
                         mode == GRADIENT_FILL_RECT_V);
        }
        return TRUE;
    }
    if (mode == GRADIENT_FILL_TRIANGLE) {
        const auto* tris = static_cast<const GRADIENT_TRIANGLE*>(mesh);
        for (ULONG i = 0; i < meshCount; ++i) {
            if (tris[i].Vertex1 >= vertexCount || tris[i].Vertex2 >= vertexCount ||
                tris[i].Vertex3 >= vertexCount)
                return FALSE;
            GradientTriangle(*dc, vertices[tris[i].Vertex1], vertices[tris[i].Vertex2],
                             vertices[tris[i].Vertex3]);
        }
        return TRUE;
    }
    return FALSE;
}
