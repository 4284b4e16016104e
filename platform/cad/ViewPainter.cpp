#include "platform/cad/ViewPainter.h"

#include "platform/cad/ElemMatSymb.h"
#include "platform/win/WinGdi.h"

#include <cmath>
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

// The GDI objects of one paint, made once per symbology and deleted at the end.
class PaintObjects
{
public:
    explicit PaintObjects(HDC dc) : m_dc(dc)
    {
        m_oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
        m_oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
        m_oldFont = GetCurrentObject(dc, OBJ_FONT);
    }
    ~PaintObjects()
    {
        SelectObject(m_dc, m_oldPen);
        SelectObject(m_dc, m_oldBrush);
        SelectObject(m_dc, m_oldFont);
        for (auto& [key, pen] : m_pens)
            DeleteObject(pen);
        for (auto& [key, brush] : m_brushes)
            DeleteObject(brush);
        for (auto& [key, font] : m_fonts)
            DeleteObject(font);
    }
    PaintObjects(const PaintObjects&) = delete;
    PaintObjects& operator=(const PaintObjects&) = delete;

    void UsePen(const DisplaySymbology& s)
    {
        const std::uint64_t key = (std::uint64_t(ElemMatSymb::ColorOf(s.lineColor)) << 16) |
                                  (std::uint64_t(s.weight) << 8) | s.style;
        HPEN& pen = m_pens[key];
        if (!pen) {
            const int width = int(s.weight) + 1;
            // GDI dashes only thin pens; heavy dashed lines draw solid, as they do on Windows.
            pen = CreatePen(width == 1 ? PenStyleOf(s.style) : PS_SOLID, width,
                            ElemMatSymb::ColorOf(s.lineColor));
        }
        SelectObject(m_dc, pen);
    }
    void UseFill(std::uint32_t tbgr)
    {
        HBRUSH& brush = m_brushes[ElemMatSymb::ColorOf(tbgr)];
        if (!brush)
            brush = CreateSolidBrush(ElemMatSymb::ColorOf(tbgr));
        SelectObject(m_dc, brush);
        SelectObject(m_dc, GetStockObject(NULL_PEN));
    }
    void UseFont(const WString& face, int height)
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
    HGDIOBJ m_oldPen;
    HGDIOBJ m_oldBrush;
    HGDIOBJ m_oldFont;
    std::unordered_map<std::uint64_t, HPEN> m_pens;
    std::unordered_map<COLORREF, HBRUSH> m_brushes;
    std::unordered_map<std::wstring, HFONT> m_fonts;
};

void ToDevice(const ViewPoint2f* points, std::uint32_t count, POINT origin, std::vector<POINT>& out)
{
    out.resize(count);
    for (std::uint32_t i = 0; i < count; ++i)
        out[i] = POINT{origin.x + LONG(std::lround(points[i].x)),
                       origin.y + LONG(std::lround(points[i].y))};
}

void PaintText(HDC dc, PaintObjects& objects, const DisplayText& t, COLORREF color, POINT origin)
{
    const double height = std::hypot(t.heightVector.x, t.heightVector.y);
    if (!(height >= kMinTextPixels) || height > kMaxTextPixels)
        return;
    objects.UseFont(t.face, int(std::lround(height)));
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

void ViewPainter::Paint(HDC dc, const ViewDisplayList& list, POINT origin)
{
    if (!dc || list.IsEmpty())
        return;
    PaintObjects objects(dc);
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const UINT oldAlign = GetTextAlign(dc);
    const COLORREF oldText = GetTextColor(dc);
    std::vector<POINT> pts;
    const auto& points = list.Points();
    const auto& symbologies = list.Symbologies();
    for (const DisplayItem& item : list.Items()) {
        const DisplaySymbology& s = symbologies[item.symbology];
        const bool isFill = item.op == DisplayOp::Fill;
        if (ElemMatSymb::TransparencyOf(isFill ? s.fillColor : s.lineColor) >=
            kInvisibleTransparency)
            continue;
        switch (item.op) {
        case DisplayOp::Polyline:
        case DisplayOp::ClosedPolyline:
            ToDevice(&points[item.first], item.count, origin, pts);
            if (item.op == DisplayOp::ClosedPolyline)
                pts.push_back(pts.front());
            objects.UsePen(s);
            Polyline(dc, pts.data(), int(pts.size()));
            break;
        case DisplayOp::Fill:
            ToDevice(&points[item.first], item.count, origin, pts);
            objects.UseFill(s.fillColor);
            Polygon(dc, pts.data(), int(pts.size()));
            break;
        case DisplayOp::Dots: {
            ToDevice(&points[item.first], item.count, origin, pts);
            objects.UseFill(s.lineColor);
            const int size = int(s.weight) + 1, before = size / 2;
            // A null pen leaves the right and bottom edges out, so the square is one larger.
            for (const POINT& p : pts)
                Rectangle(dc, p.x - before, p.y - before, p.x - before + size + 1,
                          p.y - before + size + 1);
            break;
        }
        case DisplayOp::Text:
            PaintText(dc, objects, list.Texts()[item.first], ElemMatSymb::ColorOf(s.lineColor),
                      origin);
            break;
        }
    }
    SetBkMode(dc, oldMode);
    SetTextAlign(dc, oldAlign);
    SetTextColor(dc, oldText);
}
