// The list box window.
#include "platform/win/controls/ListBoxWindow.h"

#include "platform/win/controls/ComboProtocol.h"
#include "platform/win/controls/ControlCommon.h"
#include "platform/win/controls/SystemClasses.h"

#include <algorithm>
#include <cstring>

namespace zt::win::controls {

ListBoxWindow::ListBoxWindow(HWND hwnd, HWND combo) : m_hwnd(hwnd), m_combo(combo) {}

DWORD ListBoxWindow::Style() const
{
    return StyleOf(m_hwnd);
}

bool ListBoxWindow::OwnerDraw() const
{
    return (Style() & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) != 0;
}

bool ListBoxWindow::HasStrings() const
{
    return !OwnerDraw() || (Style() & LBS_HASSTRINGS);
}

bool ListBoxWindow::Variable() const
{
    return (Style() & LBS_OWNERDRAWVARIABLE) != 0;
}

HWND ListBoxWindow::DrawTarget() const
{
    return m_combo ? GetParent(m_combo) : GetParent(m_hwnd);
}

UINT ListBoxWindow::CtlType() const
{
    return m_combo ? ODT_COMBOBOX : ODT_LISTBOX;
}

UINT ListBoxWindow::CtlId() const
{
    return static_cast<UINT>(GetDlgCtrlID(ItemHwnd()));
}

int ListBoxWindow::ViewHeight() const
{
    RECT c{};
    GetClientRect(m_hwnd, &c);
    return std::max(0, static_cast<int>(c.bottom - c.top));
}

int ListBoxWindow::DefaultItemHeight()
{
    if (m_fixedHeight > 0)
        return m_fixedHeight;
    HDC dc = GetDC(m_hwnd);
    HGDIOBJ old = SelectObject(dc, FontOrDefault(m_font));
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(m_hwnd, dc);
    m_fixedHeight = std::max<int>(1, tm.tmHeight);
    return m_fixedHeight;
}

int ListBoxWindow::MeasureItem(int index, ULONG_PTR data)
{
    MEASUREITEMSTRUCT mis{};
    mis.CtlType = CtlType();
    mis.CtlID = CtlId();
    mis.itemID = static_cast<UINT>(index);
    RECT c{};
    GetClientRect(m_hwnd, &c);
    mis.itemWidth = static_cast<UINT>(std::max<LONG>(0, c.right - c.left));
    mis.itemHeight = static_cast<UINT>(DefaultItemHeight());
    mis.itemData = data;
    if (HWND target = DrawTarget())
        SendMessageW(target, WM_MEASUREITEM, mis.CtlID, reinterpret_cast<LPARAM>(&mis));
    return std::clamp(static_cast<int>(mis.itemHeight), 1, 255 * 64);
}

int ListBoxWindow::Insert(int index, LPARAM lParam)
{
    ListBoxModel::Item item;
    if (HasStrings()) {
        auto* text = reinterpret_cast<LPCWSTR>(lParam);
        item.text = text ? text : L"";
    } else {
        item.data = static_cast<ULONG_PTR>(lParam);
    }
    if (index == -2) // LB_ADDSTRING
        index = (Style() & LBS_SORT) && HasStrings() ? m_model.SortedPosition(item.text) : -1;
    if (index < -1 || index > m_model.Count())
        return static_cast<int>(LB_ERR);
    if (index == -1)
        index = m_model.Count();
    item.height = Variable() ? 0 : DefaultItemHeight();
    int at = m_model.Insert(index, std::move(item));
    if (Variable())
        m_model.At(at).height = MeasureItem(at, m_model.At(at).data);
    Changed();
    return at;
}

void ListBoxWindow::DeleteNotify(int index)
{
    if (!OwnerDraw() && !m_model.At(index).data)
        return;
    DELETEITEMSTRUCT dis{};
    dis.CtlType = CtlType();
    dis.CtlID = CtlId();
    dis.itemID = static_cast<UINT>(index);
    dis.hwndItem = ItemHwnd();
    dis.itemData = m_model.At(index).data;
    if (HWND target = DrawTarget())
        SendMessageW(target, WM_DELETEITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
}

void ListBoxWindow::ResetContent()
{
    for (int i = m_model.Count() - 1; i >= 0 && IsWindow(m_hwnd); --i)
        DeleteNotify(i);
    m_model.Clear();
    Changed();
}

void ListBoxWindow::Notify(UINT code)
{
    if (m_combo) {
        NotifyCommand(m_hwnd, code, m_combo);
        return;
    }
    if (Style() & LBS_NOTIFY)
        NotifyCommand(m_hwnd, code);
}

void ListBoxWindow::Changed()
{
    m_model.SetTop(m_model.Top(), ViewHeight());
    UpdateScrollBar();
    if (m_redraw)
        InvalidateRect(m_hwnd, nullptr, TRUE);
}

void ListBoxWindow::UpdateScrollBar()
{
    if (!m_wantsBar || !m_redraw)
        return;
    int view = ViewHeight();
    int count = m_model.Count();
    int maxTop = m_model.MaxTop(view);
    // The page makes the last scroll position the last top row: with rows of different heights
    // that is not simply the count less the rows that fit.
    ScrollState next;
    next.min = 0;
    next.max = std::max(0, count - 1);
    next.page = maxTop > 0 ? count - maxTop : std::max(1, count);
    next.pos = m_model.Top();
    next.track = next.pos;
    SCROLLINFO now{sizeof now, SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(m_hwnd, SB_VERT, &now);
    ScrollState before{now.nMin, now.nMax, static_cast<int>(now.nPage), now.nPos, now.nPos, false};
    bool shown = (Style() & WS_VSCROLL) != 0;
    bool needed = maxTop > 0;
    if (shown == (needed || (Style() & LBS_DISABLENOSCROLL)) && before.min == next.min &&
        before.max == next.max && before.page == next.page && before.pos == next.pos)
        return;
    UINT mask = SIF_ALL | ((Style() & LBS_DISABLENOSCROLL) ? SIF_DISABLENOSCROLL : 0);
    SCROLLINFO si{sizeof si, mask, next.min, next.max, static_cast<UINT>(next.page), next.pos, 0};
    // Showing or hiding the bar repaints the frame anyway; otherwise only a thumb that moves by
    // a pixel needs it.
    bool redraw = !shown || ThumbMoves(m_hwnd, SB_VERT, before, next);
    SetScrollInfo(m_hwnd, SB_VERT, &si, redraw);
}

void ListBoxWindow::SetTop(int top)
{
    int before = m_model.Top();
    if (m_model.SetTop(top, ViewHeight()) == before)
        return;
    UpdateScrollBar();
    if (m_redraw)
        InvalidateRect(m_hwnd, nullptr, TRUE);
}

void ListBoxWindow::EnsureVisible(int index)
{
    if (!m_model.Valid(index))
        return;
    int top = m_model.Top();
    if (index < top) {
        SetTop(index);
        return;
    }
    int view = ViewHeight();
    int fits = m_model.FullyVisibleFrom(top, view);
    if (index < top + fits)
        return;
    // Bring the item to the bottom: the smallest top from which it is fully visible.
    int t = index;
    int used = std::max(1, m_model.At(index).height);
    while (t > 0) {
        int h = std::max(1, m_model.At(t - 1).height);
        if (used + h > view)
            break;
        used += h;
        --t;
    }
    SetTop(t);
}

RECT ListBoxWindow::ItemRect(int index) const
{
    RECT c{};
    GetClientRect(m_hwnd, &c);
    int y = m_model.OffsetOf(index);
    return RECT{c.left, y, c.right, y + std::max(1, m_model.At(index).height)};
}

int ListBoxWindow::ItemFromClient(POINT p) const
{
    return m_model.ItemAt(p.y);
}

bool ListBoxWindow::InClient(POINT p) const
{
    RECT c{};
    GetClientRect(m_hwnd, &c);
    return PtInRect(&c, p) != FALSE;
}

void ListBoxWindow::SelectByUser(int index, bool notify)
{
    if (!m_model.Valid(index))
        return;
    int before = m_model.Selection();
    int beforeCaret = m_model.CaretIndex();
    m_model.SetSelection(index);
    m_model.SetCaretIndex(index);
    EnsureVisible(index);
    if (before != index || beforeCaret != index) {
        if (m_redraw)
            InvalidateRect(m_hwnd, nullptr, TRUE);
    }
    if (notify && before != index)
        Notify(LBN_SELCHANGE);
}

void ListBoxWindow::DrawItem(HDC dc, int index, const RECT& r, UINT action)
{
    bool selected = m_model.Selection() == index;
    bool focus = m_focused && m_model.CaretIndex() == index;
    bool enabled = IsWindowEnabled(m_combo ? m_combo : m_hwnd) != FALSE;
    if (OwnerDraw()) {
        DRAWITEMSTRUCT dis{};
        dis.CtlType = CtlType();
        dis.CtlID = CtlId();
        dis.itemID = static_cast<UINT>(index);
        dis.itemAction = action;
        dis.itemState =
            (selected ? ODS_SELECTED : 0) | (focus ? ODS_FOCUS : 0) | (enabled ? 0 : ODS_DISABLED);
        dis.hwndItem = ItemHwnd();
        dis.hDC = dc;
        dis.rcItem = r;
        dis.itemData = m_model.At(index).data;
        if (HWND target = DrawTarget())
            SendMessageW(target, WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
        return;
    }
    COLORREF oldText = GetTextColor(dc);
    COLORREF oldBk = GetBkColor(dc);
    if (selected) {
        FillRect(dc, &r, GetSysColorBrush(COLOR_HIGHLIGHT));
        SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
        SetBkColor(dc, GetSysColor(COLOR_HIGHLIGHT));
    } else if (!enabled) {
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    }
    const std::wstring& text = m_model.At(index).text;
    RECT tr = r;
    tr.left += 2;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &tr,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_LEFT);
    if (focus) {
        RECT fr = r;
        DrawFocusRect(dc, &fr);
    }
    SetTextColor(dc, oldText);
    SetBkColor(dc, oldBk);
}

void ListBoxWindow::Paint()
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_hwnd, &ps);
    if (!dc)
        return;
    HBRUSH brush = RequestCtlColor(m_hwnd, dc, WM_CTLCOLORLISTBOX, DrawTarget());
    RECT c{};
    GetClientRect(m_hwnd, &c);
    HGDIOBJ oldFont = SelectObject(dc, FontOrDefault(m_font));
    int y = 0;
    int i = m_model.Top();
    for (; i < m_model.Count() && y < c.bottom; ++i) {
        int h = std::max(1, m_model.At(i).height);
        RECT r{c.left, y, c.right, y + h};
        RECT hit{};
        if (IntersectRect(&hit, &r, &ps.rcPaint)) {
            if (!OwnerDraw())
                FillRect(dc, &r, brush);
            DrawItem(dc, i, r, ODA_DRAWENTIRE);
        }
        y += h;
    }
    if (y < c.bottom) {
        RECT rest{c.left, y, c.right, c.bottom};
        FillRect(dc, &rest, brush);
    }
    SelectObject(dc, oldFont);
    EndPaint(m_hwnd, &ps);
}

void ListBoxWindow::KeyDown(WPARAM vk)
{
    int count = m_model.Count();
    if (!count)
        return;
    int cur = m_model.CaretIndex() >= 0 ? m_model.CaretIndex() : m_model.Selection();
    // With nothing selected the first arrow selects the focus row itself.
    bool none = m_model.Selection() < 0;
    int view = ViewHeight();
    int page = std::max(1, m_model.FullyVisibleFrom(m_model.Top(), view) - 1);
    int target = cur;
    switch (vk) {
    case VK_UP:
    case VK_LEFT:
        target = cur < 0 ? 0 : (none ? cur : cur - 1);
        break;
    case VK_DOWN:
    case VK_RIGHT:
        target = cur < 0 ? 0 : (none ? cur : cur + 1);
        break;
    case VK_PRIOR:
        target = cur - page;
        break;
    case VK_NEXT:
        target = cur + page;
        break;
    case VK_HOME:
        target = 0;
        break;
    case VK_END:
        target = count - 1;
        break;
    case VK_RETURN:
    case VK_ESCAPE:
        if (m_combo)
            SendMessageW(m_combo, ComboListDoneMessage(), vk == VK_RETURN, 0);
        return;
    default:
        return;
    }
    target = std::clamp(target, 0, count - 1);
    SelectByUser(target, true);
}

void ListBoxWindow::DropMouse(UINT msg, WPARAM, POINT p)
{
    // The open drop-down list has the mouse: its own bar, its items, and everything outside.
    POINT screen = p;
    ClientToScreen(m_hwnd, &screen);
    bool inside = InClient(p);
    switch (msg) {
    case WM_MOUSEMOVE:
        if (inside) {
            int i = ItemFromClient(p);
            if (m_model.Valid(i) && i != m_model.Selection()) {
                m_model.SetSelection(i);
                m_model.SetCaretIndex(i);
                InvalidateRect(m_hwnd, nullptr, TRUE);
            }
        }
        return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        if (inside) {
            m_pressedInside = true;
            int i = ItemFromClient(p);
            if (m_model.Valid(i)) {
                m_model.SetSelection(i);
                m_model.SetCaretIndex(i);
                InvalidateRect(m_hwnd, nullptr, TRUE);
            }
            return;
        }
        LRESULT hit = SendMessageW(m_hwnd, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
        if (hit == HTVSCROLL) {
            // The window manager tracks its bar until the button goes up; the list keeps the
            // mouse afterwards.
            DefWindowProcW(m_hwnd, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(screen.x, screen.y));
            if (m_dropped && IsWindow(m_hwnd))
                SetCapture(m_hwnd);
            return;
        }
        // A press anywhere else closes the list without picking.
        m_pressedInside = false;
        if (m_combo)
            SendMessageW(m_combo, ComboListDoneMessage(), FALSE, 0);
        return;
    }
    case WM_LBUTTONUP:
        if (inside && m_pressedInside) {
            m_pressedInside = false;
            int i = ItemFromClient(p);
            if (m_model.Valid(i) && m_combo)
                SendMessageW(m_combo, ComboListDoneMessage(), TRUE, 0);
        } else if (inside && m_combo) {
            // The release of the press that opened the list, when the pointer moved into it.
            int i = ItemFromClient(p);
            if (m_model.Valid(i))
                SendMessageW(m_combo, ComboListDoneMessage(), TRUE, 0);
        }
        return;
    default:
        return;
    }
}

} // namespace zt::win::controls
