// The combo box window.
#include "platform/win/controls/ComboBoxWindow.h"

#include "platform/win/controls/ComboProtocol.h"
#include "platform/win/controls/ControlCommon.h"
#include "platform/win/controls/SystemClasses.h"

#include <algorithm>
#include <string>
#include <vector>

namespace zt::win::controls {

namespace {

LRESULT ComboEditProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    HWND combo = GetParent(hwnd);
    auto* state = combo ? StateOf<ComboBoxWindow>(combo) : nullptr;
    WNDPROC next = state && state->EditProc() ? state->EditProc() : &EditWndProc;
    if (!state || state->Edit() != hwnd)
        return CallWindowProcW(next, hwnd, msg, wParam, lParam);
    switch (msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (state->EditKey(wParam, lParam))
            return 0;
        break;
    case WM_CHAR:
        // Enter, Escape and Tab belong to the combo box and the dialog, not to the text.
        if (wParam == L'\r' || wParam == 0x1B || wParam == L'\t' || wParam == L'\n')
            return 0;
        break;
    case WM_KILLFOCUS: {
        LRESULT r = CallWindowProcW(next, hwnd, msg, wParam, lParam);
        if (IsWindow(combo) && (state = StateOf<ComboBoxWindow>(combo)) != nullptr)
            SendMessageW(combo, WM_KILLFOCUS, wParam, 0);
        return r;
    }
    default:
        break;
    }
    return CallWindowProcW(next, hwnd, msg, wParam, lParam);
}

void DrawDropArrow(HDC dc, const RECT& r, bool disabled)
{
    int cx = (r.left + r.right) / 2;
    int cy = (r.top + r.bottom) / 2;
    POINT p[3] = {{cx - 4, cy - 2}, {cx + 4, cy - 2}, {cx, cy + 2}};
    int color = disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT;
    HGDIOBJ oldBrush = SelectObject(dc, GetSysColorBrush(color));
    HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(color));
    HGDIOBJ oldPen = SelectObject(dc, pen);
    Polygon(dc, p, 3);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(pen);
}

} // namespace

ComboBoxWindow::ComboBoxWindow(HWND hwnd) : m_hwnd(hwnd) {}

DWORD ComboBoxWindow::Style() const
{
    return StyleOf(m_hwnd);
}

void ComboBoxWindow::Notify(UINT code)
{
    NotifyCommand(m_hwnd, code);
}

LRESULT ComboBoxWindow::List(UINT msg, WPARAM wParam, LPARAM lParam) const
{
    return m_list ? SendMessageW(m_list, msg, wParam, lParam) : CB_ERR;
}

int ComboBoxWindow::Selection() const
{
    return static_cast<int>(List(LB_GETCURSEL, 0, 0));
}

RECT ComboBoxWindow::ButtonRect() const
{
    RECT c{};
    GetClientRect(m_hwnd, &c);
    int w = GetSystemMetrics(SM_CXVSCROLL);
    return RECT{std::max(c.left, c.right - kBorder + 1 - w), c.top + kBorder - 1,
                c.right - kBorder + 1, c.bottom - kBorder + 1};
}

RECT ComboBoxWindow::FieldRect() const
{
    RECT c{};
    GetClientRect(m_hwnd, &c);
    RECT b = ButtonRect();
    return RECT{c.left + kBorder, c.top + kBorder, std::max(c.left + kBorder, b.left - 1),
                c.bottom - kBorder};
}

int ComboBoxWindow::MeasureField()
{
    HDC dc = GetDC(m_hwnd);
    HGDIOBJ old = SelectObject(dc, FontOrDefault(m_font));
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(m_hwnd, dc);
    int h = std::max<int>(1, tm.tmHeight + 2);
    if (OwnerDraw()) {
        MEASUREITEMSTRUCT mis{};
        mis.CtlType = ODT_COMBOBOX;
        mis.CtlID = static_cast<UINT>(GetDlgCtrlID(m_hwnd));
        mis.itemID = static_cast<UINT>(-1);
        mis.itemHeight = static_cast<UINT>(h);
        if (HWND parent = GetParent(m_hwnd))
            SendMessageW(parent, WM_MEASUREITEM, mis.CtlID, reinterpret_cast<LPARAM>(&mis));
        h = std::clamp(static_cast<int>(mis.itemHeight), 1, 255 * 64);
    }
    return h;
}

void ComboBoxWindow::Create(const CREATESTRUCTW* cs)
{
    m_droppedHeight = cs ? cs->cy : 0;
    DWORD style = Style();
    DWORD listStyle = WS_POPUP | WS_BORDER | WS_VSCROLL | LBS_COMBOBOX | LBS_NOTIFY;
    if (style & CBS_OWNERDRAWFIXED)
        listStyle |= LBS_OWNERDRAWFIXED;
    if (style & CBS_OWNERDRAWVARIABLE)
        listStyle |= LBS_OWNERDRAWVARIABLE;
    if (style & CBS_HASSTRINGS)
        listStyle |= LBS_HASSTRINGS;
    if (style & CBS_SORT)
        listStyle |= LBS_SORT;
    if (style & CBS_DISABLENOSCROLL)
        listStyle |= LBS_DISABLENOSCROLL;
    m_list = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, WC_COMBOLBOXW,
                             L"", listStyle, 0, 0, std::max(1, cs ? cs->cx : 1), 1, m_hwnd, nullptr,
                             nullptr, m_hwnd);
    m_fieldHeight = MeasureField();
    if (HasEdit()) {
        DWORD editStyle = WS_CHILD | WS_VISIBLE | ES_LEFT;
        if (style & CBS_AUTOHSCROLL)
            editStyle |= ES_AUTOHSCROLL;
        RECT f = FieldRect();
        m_edit = CreateWindowExW(
            0, WC_EDITW, cs && cs->lpszName && !IS_INTRESOURCE(cs->lpszName) ? cs->lpszName : L"",
            editStyle, f.left, f.top, f.right - f.left, f.bottom - f.top, m_hwnd,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(ZT_COMBO_EDIT_ID)), nullptr, nullptr);
        if (m_edit)
            m_editProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
                m_edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ComboEditProc)));
    }
    // The scroll bar styles belong to the list; the box itself never shows a bar.
    if (style & (WS_VSCROLL | WS_HSCROLL))
        SetWindowLongPtrW(m_hwnd, GWL_STYLE,
                          static_cast<LONG_PTR>(style & ~(WS_VSCROLL | WS_HSCROLL)));
    RECT wr{};
    GetWindowRect(m_hwnd, &wr);
    m_sizing = true;
    SetWindowPos(m_hwnd, nullptr, 0, 0, wr.right - wr.left, ClosedHeight(),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    m_sizing = false;
    Layout();
}

void ComboBoxWindow::Layout()
{
    if (!m_edit)
        return;
    RECT f = FieldRect();
    MoveWindow(m_edit, f.left, f.top, f.right - f.left, f.bottom - f.top, TRUE);
}

void ComboBoxWindow::SyncEditToSelection()
{
    if (!m_edit)
        return;
    int sel = Selection();
    std::wstring text;
    if (sel >= 0 && HasStrings()) {
        auto len = static_cast<int>(List(LB_GETTEXTLEN, static_cast<WPARAM>(sel), 0));
        if (len > 0) {
            std::vector<wchar_t> buf(static_cast<std::size_t>(len) + 1);
            List(LB_GETTEXT, static_cast<WPARAM>(sel), reinterpret_cast<LPARAM>(buf.data()));
            text.assign(buf.data(), static_cast<std::size_t>(len));
        }
    }
    if (sel < 0)
        return;
    m_syncing = true;
    SetWindowTextW(m_edit, text.c_str());
    m_syncing = false;
    if (GetFocus() == m_edit)
        SendMessageW(m_edit, EM_SETSEL, 0, -1);
}

void ComboBoxWindow::SelectByUser(int index)
{
    int count = static_cast<int>(List(LB_GETCOUNT, 0, 0));
    if (count <= 0)
        return;
    index = std::clamp(index, 0, count - 1);
    if (index == Selection())
        return;
    List(LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SyncEditToSelection();
    InvalidateRect(m_hwnd, nullptr, TRUE);
    m_notifiedSel = index;
    Notify(CBN_SELCHANGE);
}

void ComboBoxWindow::ShowDropDown(bool show, bool ok, bool revert)
{
    if (!m_list || show == m_dropped)
        return;
    if (show) {
        Notify(CBN_DROPDOWN);
        if (!IsWindow(m_hwnd) || m_dropped)
            return;
        RECT wr{};
        GetWindowRect(m_hwnd, &wr);
        int width = std::max<int>(m_droppedWidth, wr.right - wr.left);
        int count = static_cast<int>(List(LB_GETCOUNT, 0, 0));
        int itemHeight = std::max(1, static_cast<int>(List(LB_GETITEMHEIGHT, 0, 0)));
        int maxHeight = std::max(itemHeight, m_droppedHeight - ClosedHeight());
        int content = 0;
        for (int i = 0; i < count && content < maxHeight; ++i)
            content +=
                std::max(1, static_cast<int>(List(LB_GETITEMHEIGHT, static_cast<WPARAM>(i), 0)));
        if (count == 0)
            content = itemHeight;
        int height = std::min(content, maxHeight) + 2;
        int y = wr.bottom;
        SIZE screen{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        if (y + height > screen.cy && wr.top - height >= 0)
            y = wr.top - height;
        m_selAtOpen = m_notifiedSel = Selection();
        m_dropped = true;
        SetWindowPos(m_list, HWND_TOPMOST, wr.left, y, width, height,
                     SWP_NOACTIVATE | SWP_SHOWWINDOW);
        SendMessageW(m_list, ComboListShownMessage(), TRUE, 0);
        InvalidateRect(m_hwnd, nullptr, TRUE);
        return;
    }
    m_dropped = false;
    SendMessageW(m_list, ComboListShownMessage(), FALSE, 0);
    ShowWindow(m_list, SW_HIDE);
    InvalidateRect(m_hwnd, nullptr, TRUE);
    if (ok) {
        SyncEditToSelection();
        Notify(CBN_SELENDOK);
    } else {
        if (revert && Selection() != m_selAtOpen) {
            List(LB_SETCURSEL, static_cast<WPARAM>(m_selAtOpen), 0);
            SyncEditToSelection();
        }
        Notify(CBN_SELENDCANCEL);
    }
    if (!IsWindow(m_hwnd))
        return;
    Notify(CBN_CLOSEUP);
    if (!IsWindow(m_hwnd))
        return;
    int sel = Selection();
    if (sel != m_notifiedSel) {
        m_notifiedSel = sel;
        Notify(CBN_SELCHANGE);
    }
}

void ComboBoxWindow::PaintFace(HDC dc)
{
    RECT f = FieldRect();
    int sel = Selection();
    bool enabled = IsWindowEnabled(m_hwnd) != FALSE;
    bool focusLook = m_hasFocus && !m_dropped && enabled;
    if (OwnerDraw()) {
        DRAWITEMSTRUCT dis{};
        dis.CtlType = ODT_COMBOBOX;
        dis.CtlID = static_cast<UINT>(GetDlgCtrlID(m_hwnd));
        dis.itemID = static_cast<UINT>(sel);
        dis.itemAction = ODA_DRAWENTIRE;
        dis.itemState = ODS_COMBOBOXEDIT | (focusLook ? (ODS_SELECTED | ODS_FOCUS) : 0) |
                        (enabled ? 0 : ODS_DISABLED);
        dis.hwndItem = m_hwnd;
        dis.hDC = dc;
        dis.rcItem = f;
        dis.itemData =
            sel >= 0 ? static_cast<ULONG_PTR>(List(LB_GETITEMDATA, static_cast<WPARAM>(sel), 0))
                     : 0;
        if (HWND parent = GetParent(m_hwnd))
            SendMessageW(parent, WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
        return;
    }
    std::wstring text;
    if (sel >= 0) {
        auto len = static_cast<int>(List(LB_GETTEXTLEN, static_cast<WPARAM>(sel), 0));
        if (len > 0) {
            std::vector<wchar_t> buf(static_cast<std::size_t>(len) + 1);
            List(LB_GETTEXT, static_cast<WPARAM>(sel), reinterpret_cast<LPARAM>(buf.data()));
            text.assign(buf.data(), static_cast<std::size_t>(len));
        }
    }
    COLORREF oldText = GetTextColor(dc);
    COLORREF oldBk = GetBkColor(dc);
    if (focusLook) {
        FillRect(dc, &f, GetSysColorBrush(COLOR_HIGHLIGHT));
        SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
        SetBkColor(dc, GetSysColor(COLOR_HIGHLIGHT));
    } else if (!enabled) {
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    }
    RECT tr = f;
    tr.left += 2;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &tr,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_LEFT);
    if (focusLook)
        DrawFocusRect(dc, &f);
    SetTextColor(dc, oldText);
    SetBkColor(dc, oldBk);
}

void ComboBoxWindow::Paint()
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_hwnd, &ps);
    if (!dc)
        return;
    bool enabled = IsWindowEnabled(m_hwnd) != FALSE;
    HBRUSH brush = RequestCtlColor(m_hwnd, dc, enabled ? WM_CTLCOLORLISTBOX : WM_CTLCOLORSTATIC);
    RECT c{};
    GetClientRect(m_hwnd, &c);
    FillRect(dc, &c, brush);
    RECT edge = c;
    DrawEdge(dc, &edge, EDGE_SUNKEN, BF_RECT);
    HGDIOBJ oldFont = SelectObject(dc, FontOrDefault(m_font));
    if (!HasEdit())
        PaintFace(dc);
    RECT b = ButtonRect();
    FillRect(dc, &b, GetSysColorBrush(COLOR_BTNFACE));
    RECT be = b;
    DrawEdge(dc, &be, m_dropped ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    DrawDropArrow(dc, b, !enabled);
    SelectObject(dc, oldFont);
    EndPaint(m_hwnd, &ps);
}

bool ComboBoxWindow::OwnsFocus(HWND focus) const
{
    return focus && (focus == m_hwnd || focus == m_edit || focus == m_list);
}

void ComboBoxWindow::FocusChanged(HWND gaining)
{
    if (OwnsFocus(gaining))
        return;
    if (m_dropped)
        ShowDropDown(false, false);
    if (!IsWindow(m_hwnd))
        return;
    if (m_hasFocus) {
        m_hasFocus = false;
        InvalidateRect(m_hwnd, nullptr, TRUE);
        Notify(CBN_KILLFOCUS);
    }
}

bool ComboBoxWindow::EditKey(WPARAM vk, LPARAM lParam)
{
    bool alt = (lParam & (1LL << 29)) != 0 || controls::KeyDown(VK_MENU);
    switch (vk) {
    case VK_UP:
    case VK_DOWN:
    case VK_F4:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_RETURN:
    case VK_ESCAPE:
        // These keys belong to the combo box; they reach its procedure (and any subclass of it)
        // as its own key-downs.
        SendMessageW(m_hwnd, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, vk, lParam);
        return true;
    default:
        return false;
    }
}

void ComboBoxWindow::KeyDown(WPARAM vk, LPARAM)
{
    if (vk == static_cast<WPARAM>(VK_F4)) {
        ShowDropDown(!m_dropped, true);
        return;
    }
    if (m_dropped) {
        switch (vk) {
        case VK_RETURN:
            ShowDropDown(false, true);
            return;
        case VK_ESCAPE:
            ShowDropDown(false, false, true);
            return;
        case VK_UP:
        case VK_DOWN:
        case VK_PRIOR:
        case VK_NEXT:
        case VK_HOME:
        case VK_END:
            SendMessageW(m_list, WM_KEYDOWN, vk, 0);
            return;
        default:
            return;
        }
    }
    int count = static_cast<int>(List(LB_GETCOUNT, 0, 0));
    if (count <= 0)
        return;
    int sel = Selection();
    switch (vk) {
    case VK_UP:
    case VK_LEFT:
        if (HasEdit() && vk == VK_LEFT)
            return;
        SelectByUser(sel < 0 ? 0 : sel - 1);
        return;
    case VK_DOWN:
    case VK_RIGHT:
        if (HasEdit() && vk == VK_RIGHT)
            return;
        SelectByUser(sel < 0 ? 0 : sel + 1);
        return;
    case VK_PRIOR:
        SelectByUser(sel - 10);
        return;
    case VK_NEXT:
        SelectByUser(sel < 0 ? 0 : sel + 10);
        return;
    case VK_HOME:
        if (!HasEdit())
            SelectByUser(0);
        return;
    case VK_END:
        if (!HasEdit())
            SelectByUser(count - 1);
        return;
    default:
        return;
    }
}

} // namespace zt::win::controls
