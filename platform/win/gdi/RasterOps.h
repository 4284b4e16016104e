#pragma once
// Painting with GDI's raster operations. cairo composites; GDI mixes bits. Copying a colour
// (PATCOPY, R2_COPYPEN) goes straight through cairo; every other mix renders the shape into an
// unsmoothed coverage mask and combines pattern, source and destination bit by bit under it, so
// that XOR and invert modes undo themselves exactly when drawn twice.

#include "platform/win/WinUserDraw.h"
#include "platform/win/gdi/DeviceContext.h"

#include <algorithm>
#include <functional>

namespace zt::win {

inline constexpr BYTE kRopPatCopy = 0xF0;
inline constexpr BYTE kRopSrcCopy = 0xCC;
inline constexpr BYTE kRopDst = 0xAA;

// The ternary code (bits of the truth table over pattern, source, destination) of a ROP2 mode.
BYTE Rop2ToRop3(int rop2);
inline BYTE Rop3Code(DWORD rop)
{
    return static_cast<BYTE>((rop >> 16) & 0xFF);
}
bool RopUsesSource(BYTE rop3);
bool RopUsesPattern(BYTE rop3);

// What a fill paints with: a plain colour or a brush (pattern brushes included).
struct Ink
{
    COLORREF color = 0;
    const BrushObject* brush = nullptr;
};

using PathBuilder = std::function<void(cairo_t*)>;

// Fills the path that `build` adds (surface pixels) with `ink`, mixed by `rop3`. `bounds` must
// contain the path; it limits the work done for non-copy mixes.
// With a stroke width the path is stroked instead, with round caps and joins (GDI's geometric
// pens).
void FillPath(DeviceContext& dc, const RECT& bounds, const PathBuilder& build, const Ink& ink,
              BYTE rop3, cairo_fill_rule_t rule = CAIRO_FILL_RULE_WINDING, double strokeWidth = 0);

// Copying one opaque colour, by far the commonest paint (cell backgrounds, 1-pixel lines), is
// done on the pixels: cairo's general fill costs many times what the few spans cost.
// SolidCopyPixel says whether `ink` mixed by `rop3` is such a paint and gives its pixel;
// FillSolidRects paints rectangles (surface pixels) with it inside the clip.
bool SolidCopyPixel(const DeviceContext& dc, const Ink& ink, BYTE rop3, std::uint32_t* pixel);
void FillSolidRects(DeviceContext& dc, const RECT* rects, std::size_t count, std::uint32_t pixel);

// Calls `visit(piece)` for each part of `rect` (surface pixels) inside the clip.
template <class Visit>
void ForEachClipPiece(const DeviceContext& dc, const RECT& rect, Visit&& visit)
{
    RECT r;
    const RECT bounds = dc.ClipBounds();
    if (!IntersectRect(&r, &rect, &bounds))
        return;
    const cairo_region_t* clip = dc.Clip();
    const int pieces = cairo_region_num_rectangles(clip);
    if (pieces == 1) {
        visit(r);
        return;
    }
    // The pieces come in bands from top to bottom; a window clipping out its children has
    // hundreds, and a fill meets only the few bands it crosses.
    int first = 0;
    for (int hi = pieces; first < hi;) {
        const int mid = first + (hi - first) / 2;
        cairo_rectangle_int_t c;
        cairo_region_get_rectangle(clip, mid, &c);
        if (c.y + c.height <= r.top)
            first = mid + 1;
        else
            hi = mid;
    }
    for (int k = first; k < pieces; ++k) {
        cairo_rectangle_int_t c;
        cairo_region_get_rectangle(clip, k, &c);
        if (c.y >= r.bottom)
            break;
        const RECT part{std::max<LONG>(r.left, c.x), std::max<LONG>(r.top, c.y),
                        std::min<LONG>(r.right, c.x + c.width),
                        std::min<LONG>(r.bottom, c.y + c.height)};
        if (part.left < part.right && part.top < part.bottom)
            visit(part);
    }
}

// Combines over `area` (surface pixels), inside the clip and the optional path: pattern from
// `ink` (may be null when the rop does not use it), source pixels from `source` (an ARGB32
// surface the size of `area`, may be null), and the destination.
void ApplyRop(DeviceContext& dc, const RECT& area, const PathBuilder* path, const Ink* ink,
              cairo_surface_t* source, BYTE rop3);

} // namespace zt::win
