#include "ztui/widgets/IconButton.h"

#include <algorithm>

namespace zt {

namespace {

COLORREF Shifted(COLORREF c, int shift)
{
    auto channel = [shift](int v) { return static_cast<BYTE>(std::clamp(v + shift, 0, 255)); };
    return RGB(channel(GetRValue(c)), channel(GetGValue(c)), channel(GetBValue(c)));
}

} // namespace

BEGIN_MESSAGE_MAP(CIconButton, CButton)
ON_WM_MOUSEMOVE()
ON_WM_MOUSELEAVE()
ON_WM_DESTROY()
ON_CONTROL_REFLECT_EX(BN_CLICKED, OnClicked)
END_MESSAGE_MAP()

CIconButton::CIconButton() = default;

CIconButton::~CIconButton()
{
    for (LookData& look : m_looks)
        ReleaseIcon(look);
}

BOOL CIconButton::CreateButton(const RECT& rect, CWnd* parent, UINT id, bool checkStyle)
{
    m_checkStyle = checkStyle;
    if (!Create(L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, rect, parent, id))
        return FALSE;
    if (!m_tip.IsEmpty())
        EnsureTooltip();
    return TRUE;
}

void CIconButton::ReleaseIcon(LookData& look)
{
    if (look.own && look.icon)
        ::DestroyIcon(look.icon);
    look.icon = nullptr;
    look.own = false;
}

void CIconButton::SetLookIcon(Look look, HICON icon, int size, bool own)
{
    LookData& data = m_looks[look];
    if (data.icon != icon)
        ReleaseIcon(data);
    data.icon = icon;
    data.size = size;
    data.own = own && icon;
    if (m_hWnd)
        Invalidate(FALSE);
}

void CIconButton::SetLookBackground(Look look, COLORREF colour)
{
    m_looks[look].background = colour;
    if (m_hWnd)
        Invalidate(FALSE);
}

COLORREF CIconButton::BackgroundOf(Look look) const
{
    if (look == kHover && m_hoverShift != 0)
        return Shifted(m_looks[kNormal].background, m_hoverShift);
    return m_looks[look].background;
}

void CIconButton::SetChecked(bool checked)
{
    if (m_checked == checked)
        return;
    m_checked = checked;
    if (m_hWnd)
        Invalidate(FALSE);
}

void CIconButton::SetTooltip(const CString& text)
{
    m_tip = text;
    if (!m_hWnd)
        return;
    if (m_tooltip.m_hWnd)
        m_tooltip.UpdateTipText(m_tip.GetString(), this);
    else if (!m_tip.IsEmpty())
        EnsureTooltip();
}

void CIconButton::EnsureTooltip()
{
    if (m_tooltip.m_hWnd || !m_hWnd)
        return;
    if (!m_tooltip.Create(this))
        return;
    // The tip watches the button's own mouse messages, so no parent has to relay them.
    TOOLINFOW ti{};
    ti.cbSize = sizeof ti;
    ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    ti.hwnd = ::GetParent(m_hWnd);
    ti.uId = reinterpret_cast<UINT_PTR>(m_hWnd);
    ti.lpszText = const_cast<LPWSTR>(m_tip.GetString());
    m_tooltip.SendMessage(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
}

void CIconButton::DrawItem(LPDRAWITEMSTRUCT dis)
{
    CDC* dc = CDC::FromHandle(dis->hDC);
    CRect rc(dis->rcItem);
    bool pressed = m_checked || (dis->itemState & ODS_SELECTED);
    Look look = pressed ? kPressed : (m_hover ? kHover : kNormal);
    dc->FillSolidRect(&rc, BackgroundOf(look));
    const LookData& shown = m_looks[look].icon ? m_looks[look] : m_looks[kNormal];
    if (!shown.icon)
        return;
    int size = shown.size;
    if (size <= 0) {
        ICONINFO info{};
        size = 16;
        if (::GetIconInfo(shown.icon, &info)) {
            BITMAP bm{};
            if (info.hbmColor && ::GetObjectW(info.hbmColor, sizeof bm, &bm))
                size = bm.bmWidth;
            if (info.hbmColor)
                ::DeleteObject(info.hbmColor);
            if (info.hbmMask)
                ::DeleteObject(info.hbmMask);
        }
    }
    int x = rc.left + (rc.Width() - size) / 2;
    int y = rc.top + (rc.Height() - size) / 2;
    // A pressed button looks pushed in by one pixel.
    if (pressed && look == kPressed && !m_checked) {
        ++x;
        ++y;
    }
    ::DrawIconEx(dis->hDC, x, y, shown.icon, size, size, 0, nullptr, DI_NORMAL);
    if (dis->itemState & ODS_DISABLED) {
        // Disabled buttons show their icon faded into the background.
        CDC veil;
        CBitmap pixel;
        veil.CreateCompatibleDC(dc);
        // As large as the icon: a stretched one-pixel veil would be smoothed into its
        // transparent surroundings and darken the icon instead of fading it.
        pixel.CreateCompatibleBitmap(dc, size, size);
        CBitmap* old = veil.SelectObject(&pixel);
        veil.FillSolidRect(0, 0, size, size, BackgroundOf(look));
        dc->AlphaBlend(x, y, size, size, &veil, 0, 0, size, size,
                       BLENDFUNCTION{AC_SRC_OVER, 0, 160, 0});
        veil.SelectObject(old);
    }
}

void CIconButton::OnMouseMove(UINT nFlags, CPoint point)
{
    if (!m_tracking) {
        TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, m_hWnd, 0};
        m_tracking = ::TrackMouseEvent(&track) != FALSE;
    }
    if (!m_hover) {
        m_hover = true;
        Invalidate(FALSE);
    }
    CButton::OnMouseMove(nFlags, point);
}

void CIconButton::OnMouseLeave()
{
    m_tracking = false;
    if (m_hover) {
        m_hover = false;
        Invalidate(FALSE);
    }
}

BOOL CIconButton::OnClicked()
{
    if (m_checkStyle)
        SetChecked(!m_checked);
    return FALSE; // the parent hears the click too
}

void CIconButton::OnDestroy()
{
    if (m_tooltip.m_hWnd)
        m_tooltip.DestroyWindow();
    m_hover = m_tracking = false;
    CButton::OnDestroy();
}

} // namespace zt
