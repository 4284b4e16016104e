#include "platform/host/CadColorPreview.h"

BEGIN_MESSAGE_MAP(CadColorPreview, CWnd)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

void CadColorPreview::SetColors(COLORREF chosen, COLORREF original)
{
    if (chosen == m_chosen && original == m_original)
        return;
    m_chosen = chosen;
    m_original = original;
    if (m_hWnd)
        Invalidate();
}

CRect CadColorPreview::ChosenRect() const
{
    CRect r;
    if (!m_hWnd)
        return r;
    GetClientRect(&r);
    r.DeflateRect(1, 1);
    r.bottom = r.top + r.Height() / 2;
    return r;
}

CRect CadColorPreview::OriginalRect() const
{
    CRect r;
    if (!m_hWnd)
        return r;
    GetClientRect(&r);
    r.DeflateRect(1, 1);
    r.top = ChosenRect().bottom;
    return r;
}

BOOL CadColorPreview::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CadColorPreview::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    CRect chosen = ChosenRect();
    CRect original = OriginalRect();
    dc.FillSolidRect(&chosen, m_chosen);
    dc.FillSolidRect(&original, m_original);
    HBRUSH frame = CreateSolidBrush(RGB(128, 128, 128));
    FrameRect(dc.GetSafeHdc(), &client, frame);
    DeleteObject(frame);
}
