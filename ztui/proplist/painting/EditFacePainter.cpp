#include "ztui/proplist/painting/EditFacePainter.h"

#include "ztui/proplist/painting/StylePaint.h"

#include <algorithm>

namespace zt {

namespace {

void OutlineRect(CDC& dc, const CRect& rect, COLORREF color)
{
    CBrush brush(color);
    dc.FrameRect(&rect, &brush);
}

} // namespace

// The style's border: the highlight rectangle first, then the frame; a black rectangle when
// the style has no border colours.
void EditFacePainter::PaintBorder(CDC& dc, const wchar_t* borderPath, const wchar_t* highPath,
                                  const CRect& face, const CRect& highRect) const
{
    const dsc::DrawStyleColor* border = m_style.Colors(borderPath);
    if (!border) {
        OutlineRect(dc, face, RGB(0, 0, 0));
        return;
    }
    if (const dsc::DrawStyleColor* high = m_style.Colors(highPath))
        OutlineRect(dc, highRect, high->colorAt(0));
    border->frame(&dc, face);
}

void EditFacePainter::Paint(CDC& dc, const CRect& face, const CString& text,
                            const EditFaceState& state) const
{
    const int start = std::max(0, std::min(state.selectionStart, text.GetLength()));
    const int end = std::max(start, std::min(state.selectionEnd, text.GetLength()));
    dc.SetBkMode(TRANSPARENT);

    const UINT lineFormat = state.singleLine
                                ? DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX
                                : DT_LEFT | DT_TOP | DT_NOPREFIX | DT_WORDBREAK | DT_EDITCONTROL;
    CRect textRect = face;
    textRect.left += kTextIndent;

    if (state.readOnly) {
        FillStyled(&dc, m_style, L"propertyList/label/background", kDefaultFace, face);
        CRect high(face.left + 1, face.top + 1, face.right - 1, face.bottom);
        PaintBorder(dc, L"propertyList/label/border", L"propertyList/label/border_high", face,
                    high);
        dc.SetTextColor(m_style.Color(L"propertyList/label/text_color", RGB(0, 0, 0)));
        dc.DrawText(text, &textRect, lineFormat);
        return;
    }

    if (!state.valid)
        dc.FillSolidRect(&face, kInvalidBackground);
    else
        FillStyled(&dc, m_style, L"propertyList/combobox/background", kDefaultFace, face);
    PaintBorder(dc, L"propertyList/edit/border", L"propertyList/edit/border_high", face, face);
    COLORREF textColor = m_style.Color(L"propertyList/edit/text_color", RGB(0, 0, 0));
    if (end > start) {
        int before = dc.GetTextExtent(text.GetString(), start).cx;
        int width = dc.GetTextExtent(text.GetString() + start, end - start).cx;
        CRect band(face.left + kTextIndent + before, face.top + 2,
                   face.left + kTextIndent + before + width, face.bottom - 2);
        dc.FillSolidRect(&band, kSelectionColor);
        textColor = start == 0 && end == text.GetLength() ? RGB(255, 255, 255) : RGB(0, 0, 0);
    }
    dc.SetTextColor(textColor);
    dc.DrawText(text, &textRect, lineFormat);
    if (!state.valid && !state.errorMessage.IsEmpty()) {
        CRect messageRect = face;
        messageRect.right -= 2;
        dc.SetTextColor(kMessageColor);
        dc.DrawText(state.errorMessage, &messageRect,
                    DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
}

} // namespace zt
