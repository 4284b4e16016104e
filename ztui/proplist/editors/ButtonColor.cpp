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
    // The item takes the colour and the owner hears of it before the swatch repaints, so what
    // the swatch shows is what the owner accepted. The callback may rebuild the list and
    // destroy this button: it runs from a copy, and the button is repainted only if it lived.
    if (m_callback) {
        UINT id = static_cast<UINT>(GetDlgCtrlID());
        std::weak_ptr<const void> alive = m_alive;
        ClickCallback callback = m_callback;
        callback(id);
        if (alive.expired())
            return;
    }
    if (m_hWnd) {
        Invalidate(FALSE);
        UpdateWindow();
    }
}

} // namespace zt
