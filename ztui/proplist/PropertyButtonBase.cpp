#include "ztui/proplist/PropertyButtonBase.h"

#include "ztui/proplist/PropertyStyle.h"

namespace zt {

namespace {

HFONT CreateStyleFont(const StyleFont& font)
{
    LOGFONTW lf{};
    lf.lfHeight = font.height;
    lf.lfWeight = font.weight;
    lf.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(lf.lfFaceName, font.face.c_str(), LF_FACESIZE - 1);
    return CreateFontIndirectW(&lf);
}

const wchar_t* StatePath(bool pressed, const wchar_t* normal, const wchar_t* selected)
{
    return pressed ? selected : normal;
}

} // namespace

BEGIN_MESSAGE_MAP(PropertyButtonBase, CButton)
ON_CONTROL_REFLECT_EX(BN_CLICKED, OnClicked)
ON_WM_MOUSEACTIVATE()
END_MESSAGE_MAP()

PropertyButtonBase::~PropertyButtonBase()
{
    if (m_hWnd)
        DestroyWindow();
}

BOOL PropertyButtonBase::CreateButton(const CString& caption, const RECT& rect, CWnd* parent,
                                      UINT id)
{
    return Create(caption, WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, rect, parent, id);
}

BOOL PropertyButtonBase::OnClicked()
{
    if (!m_onClick)
        return FALSE; // the parent hears the click
    // The callback may destroy this button: nothing of it is used afterwards.
    ClickCallback callback = m_onClick;
    callback(static_cast<UINT>(GetDlgCtrlID()));
    return TRUE;
}

int PropertyButtonBase::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
{
    if (!m_takesActivation)
        return MA_NOACTIVATE;
    return CButton::OnMouseActivate(pDesktopWnd, nHitTest, message);
}

void PropertyButtonBase::DrawFace(CDC& dc, const CRect& face, bool pressed)
{
    const StyleLookup style = PropertyStyle::Get();
    if (const dsc::DrawStyleColor* back =
            style.Colors(StatePath(pressed, L"propertyList/button/normal/background",
                                   L"propertyList/button/selected/background")))
        back->fill(&dc, face, false);
    else
        dc.FillSolidRect(&face, kDefaultBackground);
    COLORREF border = style.Color(StatePath(pressed, L"propertyList/button/normal/border",
                                            L"propertyList/button/selected/border"),
                                  kDefaultBorder);
    CPen pen(PS_SOLID, 1, border);
    CPen* oldPen = dc.SelectObject(&pen);
    HGDIOBJ oldBrush = dc.SelectObject(::GetStockObject(NULL_BRUSH));
    dc.RoundRect(&face, CPoint(2, 2));
    dc.SelectObject(oldBrush);
    dc.SelectObject(oldPen);
}

void PropertyButtonBase::DrawCaption(CDC& dc, const CRect& face, bool pressed, bool enabled)
{
    CString caption;
    GetWindowText(caption);
    if (caption.IsEmpty())
        return;
    const StyleLookup style = PropertyStyle::Get();
    HFONT font = CreateStyleFont(style.Font(L"propertyList/button/font"));
    HGDIOBJ oldFont = dc.SelectObject(font);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(enabled
                        ? style.Color(StatePath(pressed, L"propertyList/button/normal/text_color",
                                                L"propertyList/button/selected/text_color"),
                                      RGB(0, 0, 0))
                        : kDisabledText);
    CRect text = face;
    dc.DrawText(caption, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    dc.SelectObject(oldFont);
    ::DeleteObject(font);
}

void PropertyButtonBase::DrawItem(LPDRAWITEMSTRUCT dis)
{
    if (!dis || !dis->hDC)
        return;
    CDC* dc = CDC::FromHandle(dis->hDC);
    CRect face(dis->rcItem);
    const bool enabled = !(dis->itemState & ODS_DISABLED);
    const bool pressed = enabled && (dis->itemState & ODS_SELECTED);
    int saved = dc->SaveDC();
    DrawContent(*dc, face, pressed, enabled);
    dc->RestoreDC(saved);
}

} // namespace zt
