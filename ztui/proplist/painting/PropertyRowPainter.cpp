#include "ztui/proplist/painting/PropertyRowPainter.h"

#include "platform/win/WinGdi.h"
#include "platform/win/WinUserDraw.h"
#include "platform/win/mfc/CDC.h"
#include "ztui/proplist/painting/StylePaint.h"
#include "ztui/proplist/style/DrawStyleColor.h"
#include "ztui/proplist/window/PropertyRows.h"

#include <algorithm>

namespace zt {

namespace {

constexpr COLORREF kDefaultGroupBackground = RGB(222, 222, 222);
constexpr COLORREF kDefaultGroupBorder = RGB(158, 158, 158);
constexpr COLORREF kDefaultItemBorder = RGB(230, 230, 230);
constexpr COLORREF kCollapsedCaption = RGB(50, 50, 50);

} // namespace

int PropertyRowPainter::DividerX(const RECT& row, double split)
{
    double width = row.right - row.left;
    double offset = split < 1.0 ? width * split : std::min(width, split);
    return row.left + static_cast<int>(offset);
}

void PropertyRowPainter::FillHeader(CDC* dc, const RECT& rect) const
{
    FillStyled(dc, m_style, L"propertyList/group/background", kDefaultGroupBackground, rect);
    COLORREF border = m_style.Color(L"propertyList/group/border", kDefaultGroupBorder);
    dsc::DrawStyleColor(std::vector<COLORREF>{border}).frame(dc, rect);
}

void PropertyRowPainter::DrawCaption(CDC* dc, const wchar_t* path, const CString& text, RECT rect,
                                     COLORREF color) const
{
    if (text.IsEmpty())
        return;
    HGDIOBJ old = SelectObject(dc->GetSafeHdc(), CachedStyleFont(m_style.Font(path)));
    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(color);
    rect.left += kTextInset;
    dc->DrawText(text, &rect, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc->GetSafeHdc(), old);
}

void PropertyRowPainter::DrawGroupHeader(CDC* dc, const prop_group& group, RECT rect) const
{
    rect.top += kHeaderGap;
    FillHeader(dc, rect);
    bool expanded = group.expanded();
    DrawCaption(dc, L"propertyList/group/font", group.name(), rect,
                expanded ? RGB(0, 0, 0) : kCollapsedCaption);
    int cx = rect.right - kGlyphInset;
    int cy = (rect.top + rect.bottom) / 2;
    dc->FillSolidRect(cx - 4, cy - 1, 8, 2, RGB(0, 0, 0));
    if (!expanded)
        dc->FillSolidRect(cx - 1, cy - 4, 2, 8, RGB(0, 0, 0));
}

void PropertyRowPainter::DrawSubGroup(CDC* dc, const prop_item_baseObj& row, RECT rect) const
{
    rect.left += kIndent;
    FillHeader(dc, rect);
    DrawCaption(dc, L"propertyList/group/font", row.text(), rect, RGB(0, 0, 0));
}

void PropertyRowPainter::DrawNameCell(CDC* dc, const prop_item_baseObj& row, RECT rect,
                                      double split) const
{
    int x = DividerX(rect, split);
    rect.left += kIndent;
    // The editor owns the value cell: painting there would flicker under it, so the solid
    // background is laid around the cell. The cell takes the first colour of its element even
    // when the element lists a gradient: only header and editor faces shade.
    const RECT editorCell{x + 2, rect.top + 1, rect.right - 1, rect.bottom - 1};
    COLORREF background = m_style.Color(L"propertyList/item/background", ListBackground(m_style));
    if (editorCell.left < editorCell.right && editorCell.top < editorCell.bottom) {
        dc->FillSolidRect(rect.left, rect.top, editorCell.left - rect.left, rect.bottom - rect.top,
                          background);
        dc->FillSolidRect(editorCell.left, rect.top, rect.right - editorCell.left, 1, background);
        dc->FillSolidRect(editorCell.left, editorCell.bottom, rect.right - editorCell.left,
                          rect.bottom - editorCell.bottom, background);
        dc->FillSolidRect(editorCell.right, editorCell.top, rect.right - editorCell.right,
                          editorCell.bottom - editorCell.top, background);
    } else {
        dc->FillSolidRect(&rect, background);
    }

    HPEN pen =
        CreatePen(PS_SOLID, 1, m_style.Color(L"propertyList/item/border", kDefaultItemBorder));
    HGDIOBJ oldPen = SelectObject(dc->GetSafeHdc(), pen);
    POINT outline[4] = {{rect.left, rect.top},
                        {rect.left, rect.bottom - 1},
                        {rect.right - 1, rect.bottom - 1},
                        {rect.right - 1, rect.top - 1}};
    dc->Polyline(outline, 4);
    POINT divider[2] = {{x, rect.top}, {x, rect.bottom}};
    dc->Polyline(divider, 2);
    SelectObject(dc->GetSafeHdc(), oldPen);
    DeleteObject(pen);

    if (HBITMAP head = row.headBitmap()) {
        BITMAP bm{};
        if (GetObject(head, sizeof(bm), &bm)) {
            HDC memory = CreateCompatibleDC(dc->GetSafeHdc());
            HGDIOBJ oldBitmap = SelectObject(memory, head);
            int width = std::min(x - static_cast<int>(rect.left), static_cast<int>(bm.bmWidth));
            if (width > 0)
                BitBlt(dc->GetSafeHdc(), rect.left, rect.top, width, rect.bottom - rect.top, memory,
                       0, 0, SRCCOPY);
            SelectObject(memory, oldBitmap);
            DeleteDC(memory);
        }
        return;
    }
    // The name stops where the editor cell begins.
    RECT nameRect = rect;
    nameRect.right = std::max(nameRect.left, std::min(nameRect.right, editorCell.left));
    DrawCaption(dc, L"propertyList/item/font", row.text(), nameRect,
                m_style.Color(L"propertyList/item/text_color", RGB(0, 0, 0)));
}

} // namespace zt
