#pragma once
// Paints the left column of the property list: group and sub-group headers and the name cells
// of item rows, with the colours and fonts of the style. The value column of item rows is left
// to the editors and never painted here.

#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"
#include "ztui/ZTUiExport.h"
#include "ztui/proplist/style/PropertyStyle.h"

class CDC;

namespace zt {

class prop_item_baseObj;
class prop_group;

class ZTUI_EXPORT PropertyRowPainter
{
public:
    // Rows are indented by this much under their group header.
    static constexpr int kIndent = 18;
    // Captions and names start this far right of their cell's left edge.
    static constexpr int kTextInset = 6;
    // The gap left above every group header.
    static constexpr int kHeaderGap = 4;
    // The glyph's centre lies this far left of the row's right edge.
    static constexpr int kGlyphInset = 20;

    explicit PropertyRowPainter(const StyleLookup& style) : m_style(style) {}

    // The name/value divider of a row: a fraction of the row's width when split is below 1,
    // else a width in pixels (at most the row's width) from its left edge.
    static int DividerX(const RECT& row, double split);

    void DrawGroupHeader(CDC* dc, const prop_group& group, RECT rect) const;
    void DrawSubGroup(CDC* dc, const prop_item_baseObj& row, RECT rect) const;
    void DrawNameCell(CDC* dc, const prop_item_baseObj& row, RECT rect, double split) const;

private:
    void FillHeader(CDC* dc, const RECT& rect) const;
    void DrawCaption(CDC* dc, const wchar_t* path, const CString& text, RECT rect,
                     COLORREF color) const;

    StyleLookup m_style;
};

} // namespace zt
