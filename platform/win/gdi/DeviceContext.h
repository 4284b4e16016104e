#pragma once
// The device context behind an HDC: the target surface (a window's backing surface or a memory
// DC's bitmap), the selected objects and attributes, the saved states, the coordinate origins and
// the clip region. Coordinates come in three kinds: logical (what callers pass), device
// (relative to the DC's own origin; the clip region lives here) and surface pixels.

#include "platform/win/gdi/GdiObjects.h"

#include <vector>

namespace zt::win {

struct DcState
{
    std::shared_ptr<PenObject> pen;
    std::shared_ptr<BrushObject> brush;
    std::shared_ptr<FontObject> font;
    COLORREF textColor = RGB(0, 0, 0);
    COLORREF bkColor = RGB(255, 255, 255);
    COLORREF dcBrushColor = RGB(255, 255, 255);
    COLORREF dcPenColor = RGB(0, 0, 0);
    int bkMode = OPAQUE;
    int rop2 = R2_COPYPEN;
    UINT textAlign = TA_LEFT | TA_TOP;
    int polyFillMode = ALTERNATE;
    int stretchMode = BLACKONWHITE;
    POINT viewportOrg{0, 0};
    POINT windowOrg{0, 0};
    POINT brushOrg{0, 0};
    POINT position{0, 0};
    std::shared_ptr<cairo_region_t> clip; // device units; null: no clip region
    // Memory DCs: the bitmap selected when the state was saved, so that RestoreDC brings it
    // back. Only saved states fill this; the live selection is DeviceContext::bitmap.
    std::shared_ptr<BitmapObject> savedBitmap;
};

struct DeviceContext : GdiObject
{
    DeviceContext() : GdiObject(GdiKind::DC) {}
    ~DeviceContext() override;

    bool memory = false;
    HWND window = nullptr;
    SurfacePtr surface;                   // the target
    std::shared_ptr<BitmapObject> bitmap; // memory DCs: the selected bitmap
    POINT origin{0, 0};                   // surface pixel of device (0, 0)
    RECT systemClip{0, 0, 0, 0};          // surface pixels
    // The window system's visible region within systemClip (surface pixels); null: all of it.
    // Unlike the application's clip region, SelectClipRgn(NULL) leaves it alone.
    std::shared_ptr<cairo_region_t> visible;
    DcState state;
    std::vector<DcState> saved;

    // Coordinates.
    // Coordinates are kept within +-2^29, so neither sums nor the width of a rectangle between
    // two of them can overflow.
    static LONG Clamp(long long v)
    {
        constexpr long long kLimit = 1ll << 29;
        return static_cast<LONG>(v < -kLimit ? -kLimit : v > kLimit ? kLimit : v);
    }
    POINT ToDevice(int x, int y) const
    {
        return POINT{Clamp(0ll + x - state.windowOrg.x + state.viewportOrg.x),
                     Clamp(0ll + y - state.windowOrg.y + state.viewportOrg.y)};
    }
    POINT ToSurface(int x, int y) const
    {
        const POINT d = ToDevice(x, y);
        return POINT{Clamp(0ll + d.x + origin.x), Clamp(0ll + d.y + origin.y)};
    }
    // A logical rectangle in surface pixels, normalised.
    RECT RectToSurface(int left, int top, int right, int bottom) const;
    POINT DeviceToLogical(int x, int y) const
    {
        return POINT{Clamp(0ll + x + state.windowOrg.x - state.viewportOrg.x),
                     Clamp(0ll + y + state.windowOrg.y - state.viewportOrg.y)};
    }

    // The region drawing may touch, in surface pixels: a copy the caller may change, or the
    // DC's own, kept until the clip, the visible region or the target changes.
    RegionPtr EffectiveClip() const;
    const cairo_region_t* Clip() const;
    RECT ClipBounds() const; // its bounding box, surface pixels
    void InvalidateClip()
    {
        m_clipValid = false;
        m_effective.reset();
    }
    // The whole drawable area in device units, used when a clip region must be made.
    RegionPtr SystemRegionDevice() const;

    // A cairo context on the target, clipped, with identity transformation (surface pixels),
    // no smoothing and the source operator reset to OVER.
    cairo_t* Context();
    void SetTarget(SurfacePtr target);

    // Colours of the selected pen and brush, with DC_PEN, DC_BRUSH and system brushes resolved.
    COLORREF PenColor() const;
    bool PenVisible() const;
    int PenWidth() const;
    COLORREF BrushColor(const BrushObject& brush) const;
    bool BrushVisible() const;
    // Sets the brush as the cairo source, aligned with the brush origin.
    void SetBrushSource(cairo_t* cr, const BrushObject& brush) const;

private:
    RegionPtr MakeEffectiveClip() const;

    CairoPtr m_cr;
    bool m_clipValid = false;
    // Every fill asks for the clip; making it takes a few region operations each time.
    mutable RegionPtr m_effective;
    mutable RECT m_effectiveBounds{0, 0, 0, 0};
};

std::shared_ptr<DeviceContext> FindDC(const void* handle);

// Colour conversions between COLORREF and cairo's pixels.
inline void SetSourceColor(cairo_t* cr, COLORREF c)
{
    cairo_set_source_rgb(cr, GetRValue(c) / 255.0, GetGValue(c) / 255.0, GetBValue(c) / 255.0);
}
inline std::uint32_t PixelOf(COLORREF c)
{
    return 0xFF000000u | (std::uint32_t(GetRValue(c)) << 16) | (std::uint32_t(GetGValue(c)) << 8) |
           GetBValue(c);
}
COLORREF ColorOfPixel(std::uint32_t pixel); // un-premultiplied

// The stock objects, made on first use.
std::shared_ptr<GdiObject> StockObject(int index);

} // namespace zt::win
