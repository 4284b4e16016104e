#pragma once

#include "platform/base/WinTypes.h"
#include "ztui/ZTUiExport.h"

#include <string_view>
#include <vector>

class CDC;

namespace dsc {

// The colours of one style element: one colour for a solid fill, two for a vertical gradient,
// four for a gradient in two halves. Its table of operations starts with count, as host code
// expects, so the class has no virtual destructor; nothing derives from it.
class ZTUI_EXPORT DrawStyleColor final
{
public:
    DrawStyleColor() = default;
    explicit DrawStyleColor(std::vector<COLORREF> colors) : m_colors(std::move(colors)) {}

    virtual int count() const { return static_cast<int>(m_colors.size()); }
    // The colour at i; black for an index out of range.
    virtual COLORREF colorAt(int i) const;

    // Paints a background: one colour fills solidly, two shade from the first (top, or left
    // when horizontal) to the second, four shade each half of the rectangle from its first to
    // its second colour. Other counts paint nothing.
    virtual void fill(CDC* dc, const RECT& rect, bool horizontal) const;
    // A one-pixel frame: one colour for all edges, two for top-left and bottom-right, four for
    // top, right, bottom and left. Other counts paint nothing.
    virtual void frame(CDC* dc, const RECT& rect) const;

    // Parses a colour list such as "#FF0000;rgb(0, 128,255)". Pieces that do not parse are
    // skipped; no colour at all when memory runs out.
    static DrawStyleColor Parse(std::wstring_view text);
    // The same into out; false, with out as it was, when memory runs out.
    static bool TryParse(std::wstring_view text, DrawStyleColor& out) noexcept;

private:
    std::vector<COLORREF> m_colors;
};

} // namespace dsc
