#include "ztui/proplist/painting/EditorPainter.h"

#include "platform/win/WinCtl.h"
#include "platform/win/WinGdi.h"
#include "platform/win/afxwin.h"
#include "platform/win/mfc/CDC.h"
#include "platform/win/mfc/CImageList.h"
#include "ztui/proplist/painting/StylePaint.h"
#include "ztui/proplist/style/DrawStyleColor.h"

namespace zt {

namespace {

void FrameSolid(CDC* dc, const RECT& rect, COLORREF color)
{
    HBRUSH brush = CreateSolidBrush(color);
    FrameRect(dc->GetSafeHdc(), &rect, brush);
    DeleteObject(brush);
}

// A one-pixel outline with 2 x 2 rounded corners, inside the rectangle.
void RoundFrame(CDC* dc, const RECT& rect, COLORREF color)
{
    HPEN pen = CreatePen(PS_SOLID, 1, color);
    HGDIOBJ oldPen = SelectObject(dc->GetSafeHdc(), pen);
    HGDIOBJ oldBrush = SelectObject(dc->GetSafeHdc(), GetStockObject(NULL_BRUSH));
    RoundRect(dc->GetSafeHdc(), rect.left, rect.top, rect.right, rect.bottom, 2, 2);
    SelectObject(dc->GetSafeHdc(), oldBrush);
    SelectObject(dc->GetSafeHdc(), oldPen);
    DeleteObject(pen);
}

} // namespace

void EditorPainter::Fill(CDC* dc, const wchar_t* path, COLORREF fallback, const RECT& rect) const
{
    FillStyled(dc, m_style, path, fallback, rect);
}

void EditorPainter::DrawStyledText(CDC* dc, const wchar_t* fontPath, const CString& text, RECT rect,
                                   UINT format) const
{
    if (text.IsEmpty())
        return;
    HGDIOBJ old = SelectObject(dc->GetSafeHdc(), CachedStyleFont(m_style.Font(fontPath)));
    int oldMode = dc->SetBkMode(TRANSPARENT);
    dc->DrawText(text, &rect, format);
    dc->SetBkMode(oldMode);
    SelectObject(dc->GetSafeHdc(), old);
}

void EditorPainter::DrawEntry(CDC* dc, const RECT& rect, int index, const CString& text,
                              bool selected, bool disabled, CImageList* images,
                              int imageIndex) const
{
    if (!dc)
        return;
    if (index < 0) {
        dc->FillSolidRect(&rect, kDefaultFace);
        return;
    }
    COLORREF oldText = dc->GetTextColor();
    if (selected && !disabled) {
        Fill(dc, L"propertyList/combobox/high/background", kDefaultHighlight, rect);
        if (const dsc::DrawStyleColor* border =
                m_style.Colors(L"propertyList/combobox/high/border"))
            FrameSolid(dc, rect, border->colorAt(0));
        dc->SetTextColor(m_style.Color(L"propertyList/combobox/high/text_color", oldText));
    } else {
        dc->FillSolidRect(&rect, m_style.Color(L"propertyList/combobox/background", kDefaultFace));
        dc->SetTextColor(m_style.Color(L"propertyList/combobox/text_color", oldText));
    }
    RECT textRect = rect;
    textRect.left += kEntryTextInset;
    int cx = 0;
    int cy = 0;
    if (images && images->GetSafeHandle() && images->GetIconSize(cx, cy)) {
        if (imageIndex >= 0 && imageIndex < images->GetImageCount()) {
            POINT at{rect.left + kImageInset, rect.top + (rect.bottom - rect.top - cy) / 2};
            images->Draw(dc, imageIndex, at, ILD_TRANSPARENT);
        }
        textRect.left = rect.left + kImageInset + cx + kImageTextGap;
    }
    DrawStyledText(dc, L"propertyList/combobox/font", text, textRect,
                   DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    dc->SetTextColor(oldText);
}

void EditorPainter::DrawComboEntry(CComboBox& combo, const DRAWITEMSTRUCT& dis, bool withImages,
                                   CImageList* images) const
{
    if (!dis.hDC)
        return;
    const int index = static_cast<int>(dis.itemID);
    CString text;
    int image = -1;
    if (index >= 0 && index < combo.GetCount()) {
        combo.GetLBText(index, text);
        if (withImages)
            image = static_cast<int>(static_cast<INT_PTR>(combo.GetItemData(index)));
    }
    const bool disabled = (dis.itemState & ODS_DISABLED) || !combo.IsWindowEnabled();
    DrawEntry(CDC::FromHandle(dis.hDC), dis.rcItem, index, text,
              (dis.itemState & ODS_SELECTED) != 0, disabled, withImages ? images : nullptr, image);
}

void EditorPainter::PaintComboFace(CComboBox& combo) const
{
    CPaintDC dc(&combo);
    CRect client;
    combo.GetClientRect(&client);
    CString text;
    if (const int sel = combo.GetCurSel(); sel >= 0)
        combo.GetLBText(sel, text);
    DrawClosedFace(&dc, client, text, !combo.IsWindowEnabled());
}

void EditorPainter::DrawClosedFace(CDC* dc, const RECT& client, const CString& text,
                                   bool disabled) const
{
    if (!dc)
        return;
    Fill(dc, L"propertyList/combobox/background", kDefaultFace, client);
    if (disabled) {
        if (const dsc::DrawStyleColor* label = m_style.Colors(L"propertyList/label/background")) {
            RECT inner{client.left + 1, client.top + 1, client.right - 16, client.bottom - 1};
            if (inner.right > inner.left && inner.bottom > inner.top)
                label->fill(dc, inner, false);
        }
    }
    if (const dsc::DrawStyleColor* nc = m_style.Colors(L"propertyList/combobox/nc/border_color")) {
        const COLORREF k = nc->colorAt(0);
        RoundFrame(dc, client, k);
        const int height = client.bottom - client.top;
        const int lineX = client.right - static_cast<int>(0.7 * height);
        HPEN pen = CreatePen(PS_SOLID, 1, k);
        HGDIOBJ oldPen = SelectObject(dc->GetSafeHdc(), pen);
        dc->MoveTo(lineX, client.top);
        dc->LineTo(lineX, client.bottom - 1);
        SelectObject(dc->GetSafeHdc(), oldPen);
        DeleteObject(pen);

        const COLORREF arrow = disabled ? k : RGB(0, 0, 0);
        const int cx = (lineX + client.right) / 2;
        const int cy = (client.top + client.bottom) / 2;
        POINT tri[3] = {{cx - 3, cy}, {cx + 3, cy}, {cx, cy + 3}};
        HPEN arrowPen = CreatePen(PS_SOLID, 1, arrow);
        HBRUSH arrowBrush = CreateSolidBrush(arrow);
        oldPen = SelectObject(dc->GetSafeHdc(), arrowPen);
        HGDIOBJ oldBrush = SelectObject(dc->GetSafeHdc(), arrowBrush);
        dc->Polygon(tri, 3);
        SelectObject(dc->GetSafeHdc(), oldBrush);
        SelectObject(dc->GetSafeHdc(), oldPen);
        DeleteObject(arrowBrush);
        DeleteObject(arrowPen);
    } else {
        FrameSolid(dc, client, RGB(0, 0, 0));
    }
    COLORREF oldText = dc->GetTextColor();
    dc->SetTextColor(m_style.Color(L"propertyList/combobox/text_color", oldText));
    RECT textRect = client;
    textRect.left += kFaceTextInset;
    DrawStyledText(dc, L"propertyList/combobox/font", text, textRect,
                   DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    dc->SetTextColor(oldText);
}

void EditorPainter::DrawButtonFace(CDC* dc, const RECT& client, bool pressed) const
{
    if (!dc)
        return;
    Fill(dc,
         pressed ? L"propertyList/button/selected/background"
                 : L"propertyList/button/normal/background",
         kDefaultButtonFace, client);
    RoundFrame(dc, client,
               m_style.Color(pressed ? L"propertyList/button/selected/border"
                                     : L"propertyList/button/normal/border",
                             kDefaultButtonBorder));
}

void EditorPainter::DrawButtonCaption(CDC* dc, const RECT& client, const CString& caption,
                                      bool pressed, int captionLeft) const
{
    if (!dc)
        return;
    COLORREF oldText = dc->GetTextColor();
    dc->SetTextColor(m_style.Color(pressed ? L"propertyList/button/selected/text_color"
                                           : L"propertyList/button/normal/text_color",
                                   RGB(0, 0, 0)));
    RECT textRect = client;
    textRect.left = captionLeft;
    DrawStyledText(dc, L"propertyList/button/font", caption, textRect,
                   DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    dc->SetTextColor(oldText);
}

} // namespace zt
