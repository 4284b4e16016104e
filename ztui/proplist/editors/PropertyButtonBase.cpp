#include "ztui/proplist/editors/PropertyButtonBase.h"

#include "ztui/proplist/painting/EditorPainter.h"
#include "ztui/proplist/style/PropertyStyle.h"

namespace zt {

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
    EditorPainter(PropertyStyle::Get()).DrawButtonFace(&dc, face, pressed);
}

void PropertyButtonBase::DrawCaption(CDC& dc, const CRect& face, bool pressed, bool enabled)
{
    CString caption;
    GetWindowText(caption);
    if (caption.IsEmpty())
        return;
    if (enabled) {
        EditorPainter(PropertyStyle::Get())
            .DrawButtonCaption(&dc, face, caption, pressed, face.left);
        return;
    }
    dc.SetTextColor(kDisabledText);
    EditorPainter(PropertyStyle::Get())
        .DrawStyledText(&dc, L"propertyList/button/font", caption, face,
                        DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
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
