#include "ztui/proplist/style/DrawStyleColor.h"

#include "platform/win/mfc/CDC.h"
#include "platform/win/mfc/CPen.h"

#include <cwchar>
#include <cwctype>
#include <new>
#include <string>

namespace dsc {

namespace {

// A style file written by hand is read no further than this many characters of one list.
constexpr size_t kMaxColorListLength = 400;

void ReplaceAll(std::wstring& s, std::wstring_view from, std::wstring_view to)
{
    for (size_t at = s.find(from); at != std::wstring::npos; at = s.find(from, at + to.size()))
        s.replace(at, from.size(), to);
}

bool ParseHex(const std::wstring& token, COLORREF& out)
{
    for (size_t i = 1; i < token.size(); ++i)
        if (!std::iswxdigit(static_cast<wint_t>(token[i])))
            return false;
    auto pair = [&](size_t at) {
        return static_cast<BYTE>(std::wcstoul(token.substr(at, 2).c_str(), nullptr, 16));
    };
    out = RGB(pair(1), pair(3), pair(5));
    return true;
}

bool ParseRgb(std::wstring token, COLORREF& out)
{
    for (auto& c : token)
        c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
    if (token.rfind(L"rgb(", 0) != 0)
        return false;
    std::vector<std::wstring> parts;
    std::wstring current;
    for (wchar_t c : token) {
        if (c == L'(' || c == L')' || c == L',') {
            if (!current.empty())
                parts.push_back(std::move(current));
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty())
        parts.push_back(std::move(current));
    if (parts.size() != 4)
        return false;
    auto channel = [](const std::wstring& s) {
        return static_cast<BYTE>(std::wcstol(s.c_str(), nullptr, 10) & 0xFF);
    };
    out = RGB(channel(parts[1]), channel(parts[2]), channel(parts[3]));
    return true;
}

// GDI takes 16-bit channels; the style's 8-bit channels are scaled by 255, as the control has
// always done, so a full channel is 0xFE00 and lands on 254 after GDI's truncation.
TRIVERTEX Vertex(LONG x, LONG y, COLORREF c)
{
    TRIVERTEX v{};
    v.x = x;
    v.y = y;
    v.Red = static_cast<USHORT>(GetRValue(c) * 255);
    v.Green = static_cast<USHORT>(GetGValue(c) * 255);
    v.Blue = static_cast<USHORT>(GetBValue(c) * 255);
    return v;
}

void Shade(CDC* dc, const RECT& r, COLORREF from, COLORREF to, bool horizontal)
{
    TRIVERTEX vertices[2] = {Vertex(r.left, r.top, from), Vertex(r.right, r.bottom, to)};
    GRADIENT_RECT mesh{0, 1};
    dc->GradientFill(vertices, 2, &mesh, 1,
                     horizontal ? GRADIENT_FILL_RECT_H : GRADIENT_FILL_RECT_V);
}

void Line(CDC* dc, COLORREF color, POINT from, POINT to)
{
    CPen pen(PS_SOLID, 1, color);
    CPen* old = dc->SelectObject(&pen);
    dc->MoveTo(from.x, from.y);
    dc->LineTo(to.x, to.y);
    dc->SelectObject(old);
}

// The colours of a list; throws std::bad_alloc when memory runs out.
std::vector<COLORREF> ParseColors(std::wstring_view text)
{
    std::wstring s;
    for (wchar_t c : text)
        if (!std::iswspace(static_cast<wint_t>(c)))
            s += c;
    ReplaceAll(s, L"),", L");");
    ReplaceAll(s, L",#", L";#");
    if (s.size() > kMaxColorListLength)
        s.resize(kMaxColorListLength);

    std::vector<COLORREF> colors;
    size_t start = 0;
    while (start <= s.size()) {
        size_t end = s.find(L';', start);
        if (end == std::wstring::npos)
            end = s.size();
        std::wstring token = s.substr(start, end - start);
        COLORREF c;
        if (token.size() == 7 && token[0] == L'#' ? ParseHex(token, c) : ParseRgb(token, c))
            colors.push_back(c);
        start = end + 1;
    }
    return colors;
}

} // namespace

void DrawStyleColor::fill(CDC* dc, const RECT& rect, bool horizontal) const
{
    if (!dc)
        return;
    switch (count()) {
    case 1:
        dc->FillSolidRect(&rect, m_colors[0]);
        break;
    case 2:
        Shade(dc, rect, m_colors[0], m_colors[1], horizontal);
        break;
    case 4: {
        RECT first = rect, second = rect;
        if (horizontal)
            first.right = second.left = rect.left + (rect.right - rect.left) / 2;
        else
            first.bottom = second.top = rect.top + (rect.bottom - rect.top) / 2;
        Shade(dc, first, m_colors[0], m_colors[1], horizontal);
        Shade(dc, second, m_colors[2], m_colors[3], horizontal);
        break;
    }
    default:
        break;
    }
}

void DrawStyleColor::frame(CDC* dc, const RECT& rect) const
{
    if (!dc)
        return;
    switch (count()) {
    case 1:
        dc->Draw3dRect(&rect, m_colors[0], m_colors[0]);
        break;
    case 2:
        dc->Draw3dRect(&rect, m_colors[0], m_colors[1]);
        break;
    case 4: {
        // Each line leaves out its last pixel, which the next edge draws.
        POINT tl{rect.left, rect.top}, tr{rect.right - 1, rect.top};
        POINT br{rect.right - 1, rect.bottom - 1}, bl{rect.left, rect.bottom - 1};
        Line(dc, m_colors[0], tl, tr);
        Line(dc, m_colors[1], tr, br);
        Line(dc, m_colors[2], br, bl);
        Line(dc, m_colors[3], bl, tl);
        break;
    }
    default:
        break;
    }
}

COLORREF DrawStyleColor::colorAt(int i) const
{
    if (i < 0 || i >= count())
        return RGB(0, 0, 0);
    return m_colors[static_cast<size_t>(i)];
}

bool DrawStyleColor::TryParse(std::wstring_view text, DrawStyleColor& out) noexcept
{
    try {
        out.m_colors = ParseColors(text);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

DrawStyleColor DrawStyleColor::Parse(std::wstring_view text)
{
    DrawStyleColor colors;
    TryParse(text, colors);
    return colors;
}

} // namespace dsc
