#include "platform/cad/ViewPainter.h"

#include "platform/cad/ElemMatSymb.h"
#include "platform/cad/ViewRaster.h"
#include "platform/win/WinGdi.h"

#include <cmath>
#include <optional>
#include <unordered_map>
#include <vector>

namespace {

// Texts smaller than this many pixels are unreadable; they are left out.
constexpr double kMinTextPixels = 3.0;
constexpr double kMaxTextPixels = 2000.0;
// Transparency at or above this (of 255) makes an item invisible.
constexpr std::uint8_t kInvisibleTransparency = 250;

int PenStyleOf(std::uint8_t style)
{
    switch (static_cast<LineStyleCode>(style)) {
    case LineStyleCode::Dotted:
        return PS_DOT;
    case LineStyleCode::MediumDash:
    case LineStyleCode::LongDash:
    case LineStyleCode::ShortDash:
        return PS_DASH;
    case LineStyleCode::DashDot:
    case LineStyleCode::LongDashShortDash:
        return PS_DASHDOT;
    case LineStyleCode::DashDotDot:
        return PS_DASHDOTDOT;
    default:
        return PS_SOLID;
    }
}

// The fonts of one paint, made once per face and size and deleted at the end.
class PaintFonts
{
public:
    explicit PaintFonts(HDC dc) : m_dc(dc), m_oldFont(GetCurrentObject(dc, OBJ_FONT)) {}
    ~PaintFonts()
    {
        SelectObject(m_dc, m_oldFont);
        for (auto& [key, font] : m_fonts)
            DeleteObject(font);
    }
    PaintFonts(const PaintFonts&) = delete;
    PaintFonts& operator=(const PaintFonts&) = delete;

    void Use(const WString& face, int height)
    {
        std::wstring key = face;
        key += L'\x1F';
        key += std::to_wstring(height);
        HFONT& font = m_fonts[key];
        if (!font)
            font = CreateFontW(-height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                               OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                               DEFAULT_PITCH, face.c_str());
        SelectObject(m_dc, font);
    }

private:
    HDC m_dc;
    HGDIOBJ m_oldFont;
    std::unordered_map<std::wstring, HFONT> m_fonts;
};

void ToDevice(const ViewPoint2f* points, std::uint32_t count, POINT origin, std::vector<POINT>& out)
{
    out.resize(count);
    for (std::uint32_t i = 0; i < count; ++i)
        out[i] = POINT{origin.x + LONG(std::lround(points[i].x)),
                       origin.y + LONG(std::lround(points[i].y))};
}

void PaintText(HDC dc, PaintFonts& fonts, const DisplayText& t, COLORREF color, POINT origin)
{
    const double height = std::hypot(t.heightVector.x, t.heightVector.y);
    if (!(height >= kMinTextPixels) || height > kMaxTextPixels)
        return;
    fonts.Use(t.face, int(std::lround(height)));
    SetTextColor(dc, color);
    SetBkMode(dc, TRANSPARENT);
    const int j = static_cast<int>(t.justification);
    UINT align = j >= 12 ? TA_RIGHT : j >= 6 ? TA_CENTER : TA_LEFT;
    double x = origin.x + t.origin.x, y = origin.y + t.origin.y;
    switch (j % 6) {
    case 0: // top
        align |= TA_TOP;
        break;
    case 1: // middle: the cell's middle sits at the origin
        align |= TA_TOP;
        y -= 0.5 * height;
        break;
    default:
        align |= TA_BASELINE;
        break;
    }
    SetTextAlign(dc, align);
    TextOutW(dc, int(std::lround(x)), int(std::lround(y)), t.text.c_str(), int(t.text.size()));
}

} // namespace

void ViewPainter::Paint(ViewRaster& raster, HDC textDc, const ViewDisplayList& list, POINT origin)
{
    if (list.IsEmpty())
        return;
    std::optional<PaintFonts> fonts;
    std::vector<POINT> pts;
    const auto& points = list.Points();
    const auto& symbologies = list.Symbologies();
    for (const DisplayItem& item : list.Items()) {
        const DisplaySymbology& s = symbologies[item.symbology];
        const bool isFill = item.op == DisplayOp::Fill;
        if (ElemMatSymb::TransparencyOf(isFill ? s.fillColor : s.lineColor) >=
            kInvisibleTransparency)
            continue;
        const COLORREF line = ElemMatSymb::ColorOf(s.lineColor);
        switch (item.op) {
        case DisplayOp::Polyline:
        case DisplayOp::ClosedPolyline:
            ToDevice(&points[item.first], item.count, origin, pts);
            raster.Polyline(pts.data(), int(pts.size()), item.op == DisplayOp::ClosedPolyline, line,
                            int(s.weight) + 1, PenStyleOf(s.style));
            break;
        case DisplayOp::Fill:
            ToDevice(&points[item.first], item.count, origin, pts);
            raster.Polygon(pts.data(), int(pts.size()), ElemMatSymb::ColorOf(s.fillColor));
            break;
        case DisplayOp::Dots: {
            ToDevice(&points[item.first], item.count, origin, pts);
            const int size = int(s.weight) + 1, before = size / 2;
            for (const POINT& p : pts)
                raster.FillRect(
                    RECT{p.x - before, p.y - before, p.x - before + size, p.y - before + size},
                    line);
            break;
        }
        case DisplayOp::Text:
            if (!textDc)
                break;
            if (!fonts)
                fonts.emplace(textDc);
            PaintText(textDc, *fonts, list.Texts()[item.first], line, origin);
            break;
        }
    }
}
