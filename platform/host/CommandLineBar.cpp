#include "platform/host/CommandLineBar.h"

#include "platform/host/CommandLine.h"

#include <algorithm>

namespace zt::host {

IMPLEMENT_DYNAMIC(CommandLineBar, CWnd)

BEGIN_MESSAGE_MAP(CommandLineBar, CWnd)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_CHAR()
ON_WM_LBUTTONDOWN()
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
ON_WM_GETDLGCODE()
END_MESSAGE_MAP()

BOOL CommandLineBar::Create(CWnd* parent, UINT id)
{
    CRect rc(0, 0, 100, kHeight);
    return CWnd::Create(nullptr, L"Command line", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, rc,
                        parent, id);
}

void CommandLineBar::SetPrompt(const CString& prompt)
{
    m_prompt = prompt;
    Refresh();
}

void CommandLineBar::Refresh()
{
    if (m_hWnd)
        Invalidate(FALSE);
}

BOOL CommandLineBar::OnEraseBkgnd(CDC*) { return TRUE; }

void CommandLineBar::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    dc.FillSolidRect(&rc, kBackground);
    dc.FillSolidRect(rc.left, rc.top, rc.Width(), 1, RGB(200, 200, 200));
    CFont* old = dc.SelectObject(
        CFont::FromHandle(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT))));
    dc.SetBkMode(TRANSPARENT);
    CString line = m_prompt + L" " + TesselCommandLine::Get().GetText();
    CRect text(rc.left + 8, rc.top + 1, rc.right - 8, rc.bottom);
    dc.SetTextColor(RGB(30, 30, 30));
    dc.DrawText(line, &text, DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (m_focused) {
        // Where the next character goes: a bar after the text.
        CRect measure = text;
        dc.DrawText(line, &measure, DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX |
                                        DT_CALCRECT);
        int x = std::min(static_cast<int>(measure.right) + 1, static_cast<int>(rc.right) - 2);
        dc.FillSolidRect(x, rc.top + 6, 1, rc.Height() - 11, RGB(30, 30, 30));
    }
    dc.SelectObject(old);
}

void CommandLineBar::OnChar(UINT nChar, UINT, UINT)
{
    TesselCommandLine::Get().TypeChar(nChar);
    Refresh();
}

void CommandLineBar::OnLButtonDown(UINT, CPoint)
{
    SetFocus();
}

void CommandLineBar::OnSetFocus(CWnd*)
{
    m_focused = true;
    Refresh();
}

void CommandLineBar::OnKillFocus(CWnd*)
{
    m_focused = false;
    Refresh();
}

UINT CommandLineBar::OnGetDlgCode()
{
    return DLGC_WANTCHARS | DLGC_WANTALLKEYS;
}

} // namespace zt::host
