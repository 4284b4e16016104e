// DrawText: formatted text in a rectangle, on top of the layout cache.

#include "platform/win/WinUserDraw.h"
#include "platform/win/gdi/Shapes.h"
#include "platform/win/gdi/TextPaint.h"

#include "platform/base/Encoding.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <vector>

using namespace zt::win;

namespace {

struct Prepared
{
    std::wstring text;
    int mnemonic = -1;
};

// '&' marks the next character as the mnemonic and is not shown; "&&" shows one '&'.
Prepared StripPrefixes(std::wstring_view in, bool keepPrefixes)
{
    Prepared out;
    if (keepPrefixes) {
        out.text.assign(in);
        return out;
    }
    out.text.reserve(in.size());
    for (size_t i = 0; i < in.size(); ++i) {
        if (in[i] == L'&' && i + 1 < in.size()) {
            ++i;
            if (in[i] != L'&')
                out.mnemonic = static_cast<int>(out.text.size());
        } else if (in[i] == L'&') {
            continue;
        }
        out.text.push_back(in[i]);
    }
    return out;
}

std::vector<std::wstring_view> SplitParagraphs(std::wstring_view text)
{
    std::vector<std::wstring_view> out;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\r' || text[i] == L'\n') {
            out.push_back(text.substr(start, i - start));
            if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n')
                ++i;
            start = i + 1;
        }
    }
    out.push_back(text.substr(start));
    return out;
}

struct Line
{
    PangoLayoutLine* line;
    int width;
};

int DrawTextImpl(HDC hdc, std::wstring_view input, LPRECT callerRect, UINT format)
{
    auto dc = FindDC(hdc);
    if (!dc || !callerRect)
        return 0;
    // Positions are worked out within +-2^29, where no sum below can overflow.
    RECT bounded{DeviceContext::Clamp(callerRect->left), DeviceContext::Clamp(callerRect->top),
                 DeviceContext::Clamp(callerRect->right), DeviceContext::Clamp(callerRect->bottom)};
    RECT* rect = &bounded;
    const FontFace& face = SelectedFace(*dc);
    const Prepared prepared = StripPrefixes(input, format & DT_NOPREFIX);
    const bool single = format & DT_SINGLELINE;
    const bool wrap = !single && (format & DT_WORDBREAK);
    // Pango measures in 1/1024 pixel in an int: wider than a million pixels is as good as
    // unlimited.
    constexpr int kWidestWrap = 1 << 20;
    const int rectWidth = std::clamp<int>(rect->right - rect->left, 0, kWidestWrap);
    const int mnemonic = (format & DT_HIDEPREFIX) ? -1 : prepared.mnemonic;

    std::wstring singleText;
    std::vector<std::wstring_view> paragraphs;
    if (single) {
        singleText = prepared.text;
        std::erase_if(singleText, [](wchar_t c) { return c == L'\r' || c == L'\n'; });
        paragraphs.push_back(singleText);
    } else {
        paragraphs = SplitParagraphs(prepared.text);
    }

    // Lines of every paragraph. The layouts are held here as well: a text of more paragraphs
    // than the cache keeps would otherwise lose its first layouts before they are drawn.
    std::vector<Line> lines;
    std::vector<GObjectPtr<PangoLayout>> held;
    int offset = 0;
    for (std::wstring_view paragraph : paragraphs) {
        LayoutOptions options;
        if (wrap)
            options.wrapWidth = rectWidth;
        else if ((format & (DT_END_ELLIPSIS | DT_WORD_ELLIPSIS | DT_PATH_ELLIPSIS)) &&
                 !(format & DT_CALCRECT)) {
            options.wrapWidth = rectWidth;
            options.ellipsizeEnd = true;
        }
        if (mnemonic >= offset && mnemonic < offset + static_cast<int>(paragraph.size()))
            options.mnemonic = mnemonic - offset;
        offset += static_cast<int>(paragraph.size()) + 1;
        if (paragraph.empty()) {
            lines.push_back(Line{nullptr, 0});
            continue;
        }
        PangoLayout* layout = CachedLayout(face, paragraph, options);
        held.emplace_back(static_cast<PangoLayout*>(g_object_ref(layout)));
        for (GSList* l = pango_layout_get_lines_readonly(layout); l; l = l->next) {
            auto* line = static_cast<PangoLayoutLine*>(l->data);
            lines.push_back(Line{line, LineWidth(face, line)});
        }
    }

    const int lineHeight = face.height;
    const int total = static_cast<int>(lines.size()) * lineHeight;
    int widest = 0;
    for (const Line& l : lines)
        widest = std::max(widest, l.width);

    if (format & DT_CALCRECT) {
        // Wrapped text keeps the rectangle's width unless a word is wider; other text takes
        // the width of its widest line.
        callerRect->left = rect->left;
        callerRect->top = rect->top;
        callerRect->right = rect->left + (wrap ? std::max(rectWidth, widest) : widest);
        callerRect->bottom = DeviceContext::Clamp(0ll + rect->top + total);
        return total;
    }

    int top = rect->top;
    if (single && (format & DT_VCENTER))
        top = rect->top + (rect->bottom - rect->top - lineHeight) / 2;
    else if (single && (format & DT_BOTTOM))
        top = rect->bottom - lineHeight;

    const RECT surfaceRect = dc->RectToSurface(rect->left, rect->top, rect->right, rect->bottom);
    const RECT* clip = (format & DT_NOCLIP) ? nullptr : &surfaceRect;
    const Ink back{dc->state.bkColor, nullptr};
    for (size_t i = 0; i < lines.size(); ++i) {
        const int lineTop = top + static_cast<int>(i) * lineHeight;
        if ((format & DT_EDITCONTROL) && !single && i > 0 && lineTop + lineHeight > rect->bottom)
            break;
        const Line& l = lines[i];
        int left = rect->left;
        if (format & DT_CENTER)
            left = rect->left + (rect->right - rect->left - l.width) / 2;
        else if (format & DT_RIGHT)
            left = rect->right - l.width;
        const POINT origin = dc->ToSurface(left, lineTop);
        if (dc->state.bkMode == OPAQUE && l.width > 0) {
            RECT cell{origin.x, origin.y, origin.x + l.width, origin.y + lineHeight};
            if (clip)
                IntersectRect(&cell, &cell, clip);
            FillSurfaceRect(*dc, cell, back, kRopPatCopy);
        }
        if (l.line)
            ShowLine(*dc, l.line, origin.x, origin.y + face.ascent, clip);
    }
    if (single && (format & (DT_VCENTER | DT_BOTTOM)))
        return top - rect->top + lineHeight;
    return total;
}

} // namespace

int DrawTextW(HDC hdc, LPCWSTR text, int length, LPRECT rect, UINT format)
{
    if (!text && length != 0)
        return 0;
    std::wstring_view view;
    if (text)
        view = length < 0 ? std::wstring_view(text) : std::wstring_view(text, size_t(length));
    return DrawTextImpl(hdc, view, rect, format);
}

int DrawTextA(HDC hdc, LPCSTR text, int length, LPRECT rect, UINT format)
{
    if (!text && length != 0)
        return 0;
    std::string_view view;
    if (text)
        view = length < 0 ? std::string_view(text) : std::string_view(text, size_t(length));
    const std::wstring wide = zt::base::AnsiToWide(view);
    return DrawTextImpl(hdc, wide, rect, format);
}
