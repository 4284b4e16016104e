#include "platform/host/CadColorPalette.h"

#include <algorithm>

BEGIN_MESSAGE_MAP(CadColorPalette, CWnd)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
ON_WM_KEYDOWN()
ON_WM_GETDLGCODE()
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
ON_WM_NCHITTEST()
END_MESSAGE_MAP()

namespace {

constexpr COLORREF kSwatchFrame = RGB(128, 128, 128);
constexpr COLORREF kSelectionOuter = RGB(0, 0, 0);
constexpr COLORREF kSelectionInner = RGB(255, 255, 255);

void Frame(HDC dc, RECT r, COLORREF color)
{
    HBRUSH brush = CreateSolidBrush(color);
    FrameRect(dc, &r, brush);
    DeleteObject(brush);
}

} // namespace

LPCWSTR CadColorPalette::WindowClass()
{
    // Checked at every use: a desktop that was reset has forgotten its classes.
    static const wchar_t kName[] = L"ZtCadColorCell";
    WNDCLASSEXW wc{};
    if (!GetClassInfoExW(nullptr, kName, &wc)) {
        wc.cbSize = sizeof wc;
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = &DefWindowProcW;
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = kName;
        RegisterClassExW(&wc);
    }
    return kName;
}

void CadColorPalette::SetColors(std::vector<COLORREF> colors, int columns)
{
    m_colors = std::move(colors);
    m_columns = std::max(1, columns);
    m_selection = -1;
    m_cursor = 0;
    if (m_hWnd)
        Invalidate();
}

int CadColorPalette::Rows() const
{
    int n = static_cast<int>(m_colors.size());
    return (n + m_columns - 1) / m_columns;
}

void CadColorPalette::SelectColor(COLORREF color)
{
    auto it = std::find(m_colors.begin(), m_colors.end(), color);
    int index = it == m_colors.end() ? -1 : static_cast<int>(it - m_colors.begin());
    if (index == m_selection)
        return;
    m_selection = index;
    if (index >= 0)
        m_cursor = index;
    if (m_hWnd)
        Invalidate();
}

COLORREF CadColorPalette::SelectedColor() const
{
    return m_selection >= 0 ? m_colors[static_cast<size_t>(m_selection)] : RGB(0, 0, 0);
}

CRect CadColorPalette::CellRect(int index) const
{
    if (!m_hWnd || index < 0 || index >= static_cast<int>(m_colors.size()))
        return CRect();
    CRect client;
    GetClientRect(&client);
    int rows = Rows();
    // Square swatches as large as the client allows, the grid centred.
    int size = std::min((client.Width() - kGap) / m_columns, (client.Height() - kGap) / rows);
    if (size <= kGap)
        return CRect();
    int left = client.left + (client.Width() - size * m_columns - kGap) / 2 + kGap;
    int top = client.top + (client.Height() - size * rows - kGap) / 2 + kGap;
    int x = left + (index % m_columns) * size;
    int y = top + (index / m_columns) * size;
    return CRect(x, y, x + size - kGap, y + size - kGap);
}

int CadColorPalette::CellAt(CPoint point) const
{
    for (int i = 0; i < static_cast<int>(m_colors.size()); ++i) {
        CRect r = CellRect(i);
        // The gaps belong to the swatch above and left of them, so no click falls between.
        r.InflateRect(0, 0, kGap, kGap);
        if (r.PtInRect(point))
            return i;
    }
    return -1;
}

BOOL CadColorPalette::OnEraseBkgnd(CDC*)
{
    return TRUE; // painted whole in OnPaint
}

void CadColorPalette::OnPaint()
{
    CPaintDC dc(this);
    HDC h = dc.GetSafeHdc();
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, GetSysColor(COLOR_BTNFACE));
    for (int i = 0; i < static_cast<int>(m_colors.size()); ++i) {
        CRect r = CellRect(i);
        if (r.IsRectEmpty())
            continue;
        dc.FillSolidRect(&r, m_colors[static_cast<size_t>(i)]);
        Frame(h, r, kSwatchFrame);
        if (i == m_selection) {
            CRect outer = r;
            outer.InflateRect(2, 2);
            Frame(h, outer, kSelectionOuter);
            outer.DeflateRect(1, 1);
            Frame(h, outer, kSelectionOuter);
            CRect inner = r;
            inner.DeflateRect(1, 1);
            Frame(h, inner, kSelectionInner);
        }
    }
    if (::GetFocus() == m_hWnd) {
        CRect focus = CellRect(m_selection >= 0 ? m_selection : m_cursor);
        if (!focus.IsRectEmpty()) {
            focus.InflateRect(kGap, kGap);
            dc.DrawFocusRect(&focus);
        }
    }
}

void CadColorPalette::Notify(UINT notification)
{
    HWND parent = ::GetParent(m_hWnd);
    if (parent)
        ::SendMessageW(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), notification),
                       reinterpret_cast<LPARAM>(m_hWnd));
}

void CadColorPalette::Pick(int index, UINT notification)
{
    if (index < 0 || index >= static_cast<int>(m_colors.size()))
        return;
    m_selection = index;
    m_cursor = index;
    Invalidate();
    Notify(notification);
}

void CadColorPalette::OnLButtonDown(UINT, CPoint point)
{
    if (::GetFocus() != m_hWnd)
        SetFocus();
    Pick(CellAt(point), kSelChange);
}

void CadColorPalette::OnLButtonDblClk(UINT, CPoint point)
{
    int index = CellAt(point);
    if (index < 0)
        return;
    Pick(index, kSelChange);
    // The first notification may have ended the dialog.
    if (::IsWindow(m_hWnd) && m_hWnd)
        Notify(kDoubleClick);
}

void CadColorPalette::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    int n = static_cast<int>(m_colors.size());
    if (n == 0) {
        CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }
    int at = m_selection >= 0 ? m_selection : m_cursor;
    int next = at;
    switch (nChar) {
    case VK_LEFT:
        next = at % m_columns > 0 ? at - 1 : at;
        break;
    case VK_RIGHT:
        next = at % m_columns < m_columns - 1 && at + 1 < n ? at + 1 : at;
        break;
    case VK_UP:
        next = at >= m_columns ? at - m_columns : at;
        break;
    case VK_DOWN:
        next = at + m_columns < n ? at + m_columns : at;
        break;
    case VK_HOME:
        next = 0;
        break;
    case VK_END:
        next = n - 1;
        break;
    case VK_SPACE:
        break;
    default:
        CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }
    // With nothing selected, Space or the first arrow takes the swatch under the keyboard.
    bool arrow = nChar == VK_LEFT || nChar == VK_RIGHT || nChar == VK_UP || nChar == VK_DOWN;
    if (m_selection < 0 && arrow)
        next = at;
    if (next != m_selection)
        Pick(next, kSelChange);
}

UINT CadColorPalette::OnGetDlgCode()
{
    return static_cast<UINT>(DLGC_WANTARROWS);
}

void CadColorPalette::OnSetFocus(CWnd*)
{
    Invalidate();
}

void CadColorPalette::OnKillFocus(CWnd*)
{
    Invalidate();
}

LRESULT CadColorPalette::OnNcHitTest(CPoint)
{
    return HTCLIENT;
}
