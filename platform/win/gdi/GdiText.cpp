// Single-line text output and measurement.

#include "platform/win/WinGdi.h"
#include "platform/win/WinUserDraw.h"
#include "platform/win/gdi/Shapes.h"
#include "platform/win/gdi/TextPaint.h"

#include "platform/base/Encoding.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <cwchar>

namespace zt::win {

const FontFace& SelectedFace(DeviceContext& dc)
{
    if (!dc.state.font)
        dc.state.font = std::static_pointer_cast<FontObject>(StockObject(SYSTEM_FONT));
    FontObject& font = *dc.state.font;
    if (!font.face)
        font.face = ResolveFontFace(font.log);
    return *font.face;
}

int LineWidth(const FontFace& face, PangoLayoutLine* line)
{
    if (!line)
        return 0;
    PangoRectangle logical;
    pango_layout_line_get_extents(line, nullptr, &logical);
    return LineX(face, logical.width);
}

int LineX(const FontFace& face, int pangoX)
{
    if (face.xScale == 1.0)
        return PANGO_PIXELS(pangoX);
    return static_cast<int>(std::lround(pangoX * face.xScale / PANGO_SCALE));
}

int LineWidth(const FontFace& face, const ShapedLine& line)
{
    return LineX(face, line.Width());
}

namespace {

// Draws what `draw` shows at the current point, given the line's pixel extents.
template <class Draw>
void ShowShaped(DeviceContext& dc, const PangoRectangle& ink, const PangoRectangle& logical, int x,
                int baseline, const RECT* clip, Draw&& draw)
{
    cairo_t* cr = dc.Context();
    if (!cr)
        return;
    // Where the glyphs can put ink, with room for what leans out of the logical box.
    const double xScale = SelectedFace(dc).xScale;
    const int left = std::min(ink.x, logical.x);
    const int right = std::max(ink.x + ink.width, logical.x + logical.width);
    const int top = std::min(ink.y, logical.y);
    const int bottom = std::max(ink.y + ink.height, logical.y + logical.height);
    constexpr int kSlack = 2;
    RECT reach{DeviceContext::Clamp(0ll + x + std::lround(std::floor(left * xScale)) - kSlack),
               DeviceContext::Clamp(0ll + baseline + top - kSlack),
               DeviceContext::Clamp(0ll + x + std::lround(std::ceil(right * xScale)) + kSlack),
               DeviceContext::Clamp(0ll + baseline + bottom + kSlack)};
    if (clip && !IntersectRect(&reach, &reach, clip))
        return;
    // A window that clips out its children has a clip of hundreds of boxes, and cairo meets
    // every one of them for every glyph run. Text that lies inside one box of it, or outside
    // all of them, needs no more than that box.
    const cairo_rectangle_int_t box{reach.left, reach.top, reach.right - reach.left,
                                    reach.bottom - reach.top};
    const cairo_region_overlap_t overlap = cairo_region_contains_rectangle(dc.Clip(), &box);
    if (overlap == CAIRO_REGION_OVERLAP_OUT)
        return;
    cairo_save(cr);
    if (overlap == CAIRO_REGION_OVERLAP_IN) {
        cairo_reset_clip(cr);
        cairo_rectangle(cr, box.x, box.y, box.width, box.height);
        cairo_clip(cr);
    } else if (clip) {
        cairo_rectangle(cr, clip->left, clip->top, clip->right - clip->left,
                        clip->bottom - clip->top);
        cairo_clip(cr);
    }
    SetSourceColor(cr, dc.state.textColor);
    if (xScale != 1.0) {
        cairo_translate(cr, x, baseline);
        cairo_scale(cr, xScale, 1.0);
        cairo_move_to(cr, 0, 0);
    } else {
        cairo_move_to(cr, x, baseline);
    }
    draw(cr);
    cairo_restore(cr);
}

} // namespace

void ShowLine(DeviceContext& dc, PangoLayoutLine* line, int x, int baseline, const RECT* clip)
{
    if (!line)
        return;
    PangoRectangle ink;
    PangoRectangle logical;
    pango_layout_line_get_pixel_extents(line, &ink, &logical);
    ShowShaped(dc, ink, logical, x, baseline, clip,
               [line](cairo_t* cr) { pango_cairo_show_layout_line(cr, line); });
}

void ShowLine(DeviceContext& dc, const ShapedLine& line, int x, int baseline, const RECT* clip)
{
    PangoRectangle ink;
    PangoRectangle logical;
    line.GetPixelExtents(&ink, &logical);
    ShowShaped(dc, ink, logical, x, baseline, clip, [&line](cairo_t* cr) { line.Show(cr); });
}

} // namespace zt::win

using namespace zt::win;

namespace {

BOOL TextOutImpl(HDC hdc, int x, int y, UINT options, const RECT* rect, std::wstring_view text,
                 const INT* dx = nullptr)
{
    auto dc = FindDC(hdc);
    if (!dc)
        return FALSE;
    const FontFace& face = SelectedFace(*dc);
    x = DeviceContext::Clamp(x);
    y = DeviceContext::Clamp(y);
    const ShapedLine* line = nullptr;
    int width = 0;
    if (!text.empty() && dx) {
        // Explicit advances: every character is placed on its own at the running sum.
        long long sum = 0;
        for (size_t i = 0; i < text.size(); ++i)
            sum += dx[i];
        width = DeviceContext::Clamp(sum);
    } else if (!text.empty()) {
        line = &CachedLine(face, text);
        width = LineWidth(face, *line);
    }
    const UINT align = dc->state.textAlign;
    if (align & TA_UPDATECP) {
        x = DeviceContext::Clamp(dc->state.position.x);
        y = DeviceContext::Clamp(dc->state.position.y);
    }
    int left = x;
    if ((align & TA_CENTER) == TA_CENTER)
        left = x - width / 2;
    else if (align & TA_RIGHT)
        left = x - width;
    int top = y;
    if ((align & TA_BASELINE) == TA_BASELINE)
        top = y - face.ascent;
    else if (align & TA_BOTTOM)
        top = y - face.height;

    RECT clip{};
    const bool clipped = rect && (options & ETO_CLIPPED);
    if (rect)
        clip = dc->RectToSurface(rect->left, rect->top, rect->right, rect->bottom);
    const Ink back{dc->state.bkColor, nullptr};
    if (rect && (options & ETO_OPAQUE))
        FillSurfaceRect(*dc, clip, back, kRopPatCopy);
    const POINT origin = dc->ToSurface(left, top);
    if (dc->state.bkMode == OPAQUE && !(rect && (options & ETO_OPAQUE)) && width > 0) {
        RECT cell{origin.x, origin.y, origin.x + width, origin.y + face.height};
        if (clipped)
            IntersectRect(&cell, &cell, &clip);
        FillSurfaceRect(*dc, cell, back, kRopPatCopy);
    }
    if (line)
        ShowLine(*dc, *line, origin.x, origin.y + face.ascent, clipped ? &clip : nullptr);
    if (dx) {
        long long advance = 0;
        for (size_t i = 0; i < text.size(); ++i) {
            ShowLine(*dc, CachedLine(face, text.substr(i, 1)),
                     DeviceContext::Clamp(origin.x + advance), origin.y + face.ascent,
                     clipped ? &clip : nullptr);
            advance += dx[i];
        }
    }
    if (align & TA_UPDATECP) {
        if ((align & TA_CENTER) == TA_CENTER)
            ;
        else if (align & TA_RIGHT)
            dc->state.position.x = x - width;
        else
            dc->state.position.x = x + width;
    }
    return TRUE;
}

std::wstring_view WideView(LPCWSTR text, int length)
{
    if (!text || length <= 0)
        return {};
    return std::wstring_view(text, static_cast<size_t>(length));
}

} // namespace

BOOL TextOutW(HDC hdc, int x, int y, LPCWSTR text, int length)
{
    if (length < 0 || (length > 0 && !text))
        return FALSE;
    return TextOutImpl(hdc, x, y, 0, nullptr, WideView(text, length));
}

BOOL TextOutA(HDC hdc, int x, int y, LPCSTR text, int length)
{
    if (length < 0 || (length > 0 && !text))
        return FALSE;
    const std::wstring wide =
        zt::base::AnsiToWide(std::string_view(text ? text : "", size_t(length)));
    return TextOutImpl(hdc, x, y, 0, nullptr, wide);
}

BOOL ExtTextOutW(HDC hdc, int x, int y, UINT options, const RECT* rect, LPCWSTR text, UINT length,
                 const INT* dx)
{
    if (length > 0x7FFFFFFF || (length > 0 && !text))
        return FALSE;
    return TextOutImpl(hdc, x, y, options, rect, WideView(text, int(length)), dx);
}

BOOL ExtTextOutA(HDC hdc, int x, int y, UINT options, const RECT* rect, LPCSTR text, UINT length,
                 const INT*)
{
    if (length > 0x7FFFFFFF || (length > 0 && !text))
        return FALSE;
    const std::wstring wide =
        zt::base::AnsiToWide(std::string_view(text ? text : "", size_t(length)));
    return TextOutImpl(hdc, x, y, options, rect, wide);
}

BOOL GetTextExtentPoint32W(HDC hdc, LPCWSTR text, int length, LPSIZE size)
{
    auto dc = FindDC(hdc);
    if (!dc || !size || length < 0 || (length > 0 && !text))
        return FALSE;
    const FontFace& face = SelectedFace(*dc);
    int width = 0;
    if (length > 0)
        width = LineWidth(face, CachedLine(face, WideView(text, length)));
    *size = SIZE{width, face.height};
    return TRUE;
}

BOOL GetTextExtentPoint32A(HDC hdc, LPCSTR text, int length, LPSIZE size)
{
    if (length < 0 || (length > 0 && !text))
        return FALSE;
    const std::wstring wide =
        zt::base::AnsiToWide(std::string_view(text ? text : "", size_t(length)));
    return GetTextExtentPoint32W(hdc, wide.c_str(), int(wide.size()), size);
}

BOOL GetTextExtentExPointW(HDC hdc, LPCWSTR text, int length, int maxExtent, LPINT fit, LPINT dx,
                           LPSIZE size)
{
    auto dc = FindDC(hdc);
    if (!dc || length < 0 || (length > 0 && !text))
        return FALSE;
    const FontFace& face = SelectedFace(*dc);
    const std::wstring_view view = WideView(text, length);
    const ShapedLine* line = length > 0 ? &CachedLine(face, view) : nullptr;
    // The right edge of each character, from the same shaped line that TextOut draws.
    int fitted = 0;
    int byte = 0;
    for (int i = 0; i < length; ++i) {
        const wchar_t c = view[size_t(i)];
        byte += c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
        const int right = LineX(face, line->IndexToX(byte));
        if (dx)
            dx[i] = right;
        if (maxExtent >= 0 && right <= maxExtent && fitted == i)
            fitted = i + 1;
    }
    if (fit)
        *fit = maxExtent >= 0 ? fitted : length;
    if (size)
        *size = SIZE{line ? LineWidth(face, *line) : 0, face.height};
    return TRUE;
}

BOOL GetCharWidth32W(HDC hdc, UINT first, UINT last, LPINT widths)
{
    auto dc = FindDC(hdc);
    if (!dc || !widths || last < first || last - first > 0xFFFF)
        return FALSE;
    for (UINT c = first; c <= last; ++c) {
        const wchar_t ch = static_cast<wchar_t>(c);
        SIZE s{0, 0};
        GetTextExtentPoint32W(hdc, &ch, 1, &s);
        widths[c - first] = s.cx;
    }
    return TRUE;
}

int SetMapMode(HDC hdc, int mode)
{
    // Only MM_TEXT exists here: one logical unit is one pixel, y grows downwards.
    return FindDC(hdc) && mode == MM_TEXT ? MM_TEXT : 0;
}

int GetMapMode(HDC hdc)
{
    return FindDC(hdc) ? MM_TEXT : 0;
}

BOOL GetTextMetricsW(HDC hdc, LPTEXTMETRICW tm)
{
    auto dc = FindDC(hdc);
    if (!dc || !tm)
        return FALSE;
    const FontFace& face = SelectedFace(*dc);
    *tm = TEXTMETRICW{};
    tm->tmHeight = face.height;
    tm->tmAscent = face.ascent;
    tm->tmDescent = face.descent;
    tm->tmInternalLeading = face.internalLeading;
    tm->tmExternalLeading = 0;
    tm->tmAveCharWidth = face.aveCharWidth;
    tm->tmMaxCharWidth = face.maxCharWidth;
    tm->tmWeight = face.log.lfWeight > 0 ? face.log.lfWeight : FW_NORMAL;
    tm->tmDigitizedAspectX = 96;
    tm->tmDigitizedAspectY = 96;
    tm->tmFirstChar = 0x20;
    tm->tmLastChar = 0xFFFC;
    tm->tmDefaultChar = 0x1F;
    tm->tmBreakChar = 0x20;
    tm->tmItalic = face.log.lfItalic;
    tm->tmUnderlined = face.log.lfUnderline;
    tm->tmStruckOut = face.log.lfStrikeOut;
    // As GDI reports it, the fixed-pitch bit is set for variable-pitch fonts.
    tm->tmPitchAndFamily = TMPF_FIXED_PITCH | TMPF_VECTOR | TMPF_TRUETYPE;
    tm->tmCharSet = face.log.lfCharSet;
    return TRUE;
}

BOOL GetTextMetricsA(HDC hdc, TEXTMETRICA* tm)
{
    TEXTMETRICW w;
    if (!tm || !GetTextMetricsW(hdc, &w))
        return FALSE;
    *tm = TEXTMETRICA{w.tmHeight,
                      w.tmAscent,
                      w.tmDescent,
                      w.tmInternalLeading,
                      w.tmExternalLeading,
                      w.tmAveCharWidth,
                      w.tmMaxCharWidth,
                      w.tmWeight,
                      w.tmOverhang,
                      w.tmDigitizedAspectX,
                      w.tmDigitizedAspectY,
                      0x20,
                      0xFF,
                      0x1F,
                      0x20,
                      w.tmItalic,
                      w.tmUnderlined,
                      w.tmStruckOut,
                      w.tmPitchAndFamily,
                      w.tmCharSet};
    return TRUE;
}

int GetTextFaceW(HDC hdc, int count, LPWSTR faceName)
{
    auto dc = FindDC(hdc);
    if (!dc)
        return 0;
    const std::wstring& name = SelectedFace(*dc).faceName;
    if (!faceName)
        return static_cast<int>(name.size()) + 1;
    if (count <= 0)
        return 0;
    const size_t n = std::min(name.size(), size_t(count - 1));
    std::wmemcpy(faceName, name.c_str(), n);
    faceName[n] = 0;
    return static_cast<int>(n);
}
