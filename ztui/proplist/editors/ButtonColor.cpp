#include "ztui/proplist/editors/ButtonColor.h"

#include "platform/host/DlgCadColor.h"

namespace zt {

BEGIN_MESSAGE_MAP(ButtonColor, CButton)
ON_CONTROL_REFLECT(BN_CLICKED, OnClicked)
END_MESSAGE_MAP()

BOOL ButtonColor::CreateButton(const CString& caption, const RECT& rect, CWnd* parent, UINT id,
                               COLORREF color)
{
    m_color = color;
    return Create(caption, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON | BS_OWNERDRAW, rect, parent, id);
}

void ButtonColor::SetColor(COLORREF color)
{
    if (color == m_color)
        return;
    m_color = color;
    if (m_hWnd)
        Invalidate(FALSE);
}

void ButtonColor::DrawItem(LPDRAWITEMSTRUCT dis)
{
    if (!dis || !dis->hDC)
        return;
    HBRUSH fill = CreateSolidBrush(m_color);
    FillRect(dis->hDC, &dis->rcItem, fill);
    DeleteObject(fill);
    HBRUSH frame = CreateSolidBrush(kFrameColor);
    FrameRect(dis->hDC, &dis->rcItem, frame);
    DeleteObject(frame);
}

void ButtonColor::OnClicked()
{
    DlgCadColor dialog(m_color, nullptr);
    if (dialog.DoModal() != IDOK)
        return;
    m_color = dialog.GetSelectedColor();
    Invalidate(FALSE);
    UpdateWindow();
    if (!m_callback)
        return;
    // The callback may rebuild the list and destroy this button: it runs from a copy, and
    // nothing of the button is touched after it.
    UINT id = static_cast<UINT>(GetDlgCtrlID());
    ClickCallback callback = m_callback;
    callback(id);
}

} // namespace zt
