// The list box window.
#include "platform/win/controls/ListBoxWindow.h"

#include "platform/win/controls/ComboProtocol.h"
#include "platform/win/controls/ControlCommon.h"
#include "platform/win/controls/StandardClasses.h"

#include <algorithm>
#include <cstring>

namespace zt::win::controls {

ListBoxWindow::ListBoxWindow(HWND hwnd, HWND combo) : hwnd_(hwnd), combo_(combo) {}

DWORD ListBoxWindow::Style() const
{
    return StyleOf(hwnd_);
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
    return combo_ ? GetParent(combo_) : GetParent(hwnd_);
}

UINT ListBoxWindow::CtlType() const
{
    return combo_ ? ODT_COMBOBOX : ODT_LISTBOX;
}

UINT ListBoxWindow::CtlId() const
{
    return static_cast<UINT>(GetDlgCtrlID(ItemHwnd()));
}

int ListBoxWindow::ViewHeight() const
{
    RECT c{};
    GetClientRect(hwnd_, &c);
    return std::max(0, static_cast<int>(c.bottom - c.top));
}

int ListBoxWindow::DefaultItemHeight()
{
    if (fixedHeight_ > 0)
        return fixedHeight_;
    HDC dc = GetDC(hwnd_);
    HGDIOBJ old = SelectObject(dc, FontOrDefault(font_));
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(hwnd_, dc);
    fixedHeight_ = std::max<int>(1, tm.tmHeight);
    return fixedHeight_;
}

int ListBoxWindow::MeasureItem(int index, ULONG_PTR data)
{
    MEASUREITEMSTRUCT mis{};
    mis.CtlType = CtlType();
    mis.CtlID = CtlId();
    mis.itemID = static_cast<UINT>(index);
    RECT c{};
    GetClientRect(hwnd_, &c);
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
        index = (Style() & LBS_SORT) && HasStrings() ? model_.SortedPosition(item.text) : -1;
    if (index < -1 || index > model_.Count())
        return static_cast<int>(LB_ERR);
    if (index == -1)
        index = model_.Count();
    item.height = Variable() ? 0 : DefaultItemHeight();
    int at = model_.Insert(index, std::move(item));
    if (Variable())
        model_.At(at).height = MeasureItem(at, model_.At(at).data);
    Changed();
    return at;
}

void ListBoxWindow::DeleteNotify(int index)
{
    if (!OwnerDraw() && !model_.At(index).data)
        return;
    DELETEITEMSTRUCT dis{};
    dis.CtlType = CtlType();
    dis.CtlID = CtlId();
    dis.itemID = static_cast<UINT>(index);
    dis.hwndItem = ItemHwnd();
    dis.itemData = model_.At(index).data;
    if (HWND target = DrawTarget())
        SendMessageW(target, WM_DELETEITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
}

void ListBoxWindow::ResetContent()
{
    for (int i = model_.Count() - 1; i >= 0 && IsWindow(hwnd_); --i)
        DeleteNotify(i);
    model_.Clear();
    Changed();
}

void ListBoxWindow::Notify(UINT code)
{
    if (combo_) {
        NotifyCommand(hwnd_, code, combo_);
        return;
    }
    if (Style() & LBS_NOTIFY)
        NotifyCommand(hwnd_, code);
}

void ListBoxWindow::Changed()
{
    model_.SetTop(model_.Top(), ViewHeight());
    UpdateScrollBar();
    if (redraw_)
        InvalidateRect(hwnd_, nullptr, TRUE);
}

void ListBoxWindow::UpdateScrollBar()
{
    if (!wantsBar_ || !redraw_)
        return;
    int view = ViewHeight();
    int count = model_.Count();
    int maxTop = model_.MaxTop(view);
    // The page makes the last scroll position the last top row: with rows of different heights
    // that is not simply the count less the rows that fit.
    ScrollState next;
    next.min = 0;
    next.max = std::max(0, count - 1);
    next.page = maxTop > 0 ? count - maxTop : std::max(1, count);
    next.pos = model_.Top();
    next.track = next.pos;
    SCROLLINFO now{sizeof now, SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(hwnd_, SB_VERT, &now);
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
    bool redraw = !shown || ThumbMoves(hwnd_, SB_VERT, before, next);
    SetScrollInfo(hwnd_, SB_VERT, &si, redraw);
}

void ListBoxWindow::SetTop(int top)
{
    int before = model_.Top();
    if (model_.SetTop(top, ViewHeight()) == before)
        return;
    UpdateScrollBar();
    if (redraw_)
        InvalidateRect(hwnd_, nullptr, TRUE);
}

void ListBoxWindow::EnsureVisible(int index)
{
    if (!model_.Valid(index))
        return;
    int top = model_.Top();
    if (index < top) {
        SetTop(index);
        return;
    }
    int view = ViewHeight();
    int fits = model_.FullyVisibleFrom(top, view);
    if (index < top + fits)
        return;
    // Bring the item to the bottom: the smallest top from which it is fully visible.
    int t = index;
    int used = std::max(1, model_.At(index).height);
    while (t > 0) {
        int h = std::max(1, model_.At(t - 1).height);
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
    GetClientRect(hwnd_, &c);
    int y = model_.OffsetOf(index);
    return RECT{c.left, y, c.right, y + std::max(1, model_.At(index).height)};
}

int ListBoxWindow::ItemFromClient(POINT p) const
{
    return model_.ItemAt(p.y);
}

bool ListBoxWindow::InClient(POINT p) const
{
    RECT c{};
    GetClientRect(hwnd_, &c);
    return PtInRect(&c, p) != FALSE;
}

void ListBoxWindow::SelectByUser(int index, bool notify)
{
    if (!model_.Valid(index))
        return;
    int before = model_.Selection();
    int beforeCaret = model_.CaretIndex();
    model_.SetSelection(index);
    model_.SetCaretIndex(index);
    EnsureVisible(index);
    if (before != index || beforeCaret != index) {
        if (redraw_)
            InvalidateRect(hwnd_, nullptr, TRUE);
    }
    if (notify && before != index)
        Notify(LBN_SELCHANGE);
}

void ListBoxWindow::DrawItem(HDC dc, int index, const RECT& r, UINT action)
{
    bool selected = model_.Selection() == index;
    bool focus = focused_ && model_.CaretIndex() == index;
    bool enabled = IsWindowEnabled(combo_ ? combo_ : hwnd_) != FALSE;
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
        dis.itemData = model_.At(index).data;
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
    const std::wstring& text = model_.At(index).text;
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
    HDC dc = BeginPaint(hwnd_, &ps);
    if (!dc)
        return;
    HBRUSH brush = RequestCtlColor(hwnd_, dc, WM_CTLCOLORLISTBOX, DrawTarget());
    RECT c{};
    GetClientRect(hwnd_, &c);
    HGDIOBJ oldFont = SelectObject(dc, FontOrDefault(font_));
    int y = 0;
    int i = model_.Top();
    for (; i < model_.Count() && y < c.bottom; ++i) {
        int h = std::max(1, model_.At(i).height);
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
    EndPaint(hwnd_, &ps);
}

void ListBoxWindow::KeyDown(WPARAM vk)
{
    int count = model_.Count();
    if (!count)
        return;
    int cur = model_.CaretIndex() >= 0 ? model_.CaretIndex() : model_.Selection();
    // With nothing selected the first arrow selects the focus row itself.
    bool none = model_.Selection() < 0;
    int view = ViewHeight();
    int page = std::max(1, model_.FullyVisibleFrom(model_.Top(), view) - 1);
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
        if (combo_)
            SendMessageW(combo_, ComboListDoneMessage(), vk == VK_RETURN, 0);
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
    ClientToScreen(hwnd_, &screen);
    bool inside = InClient(p);
    switch (msg) {
    case WM_MOUSEMOVE:
        if (inside) {
            int i = ItemFromClient(p);
            if (model_.Valid(i) && i != model_.Selection()) {
                model_.SetSelection(i);
                model_.SetCaretIndex(i);
                InvalidateRect(hwnd_, nullptr, TRUE);
            }
        }
        return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        if (inside) {
            pressedInside_ = true;
            int i = ItemFromClient(p);
            if (model_.Valid(i)) {
                model_.SetSelection(i);
                model_.SetCaretIndex(i);
                InvalidateRect(hwnd_, nullptr, TRUE);
            }
            return;
        }
        LRESULT hit = SendMessageW(hwnd_, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
        if (hit == HTVSCROLL) {
            // The window manager tracks its bar until the button goes up; the list keeps the
            // mouse afterwards.
            DefWindowProcW(hwnd_, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(screen.x, screen.y));
            if (dropped_ && IsWindow(hwnd_))
                SetCapture(hwnd_);
            return;
        }
        // A press anywhere else closes the list without picking.
        pressedInside_ = false;
        if (combo_)
            SendMessageW(combo_, ComboListDoneMessage(), FALSE, 0);
        return;
    }
    case WM_LBUTTONUP:
        if (inside && pressedInside_) {
            pressedInside_ = false;
            int i = ItemFromClient(p);
            if (model_.Valid(i) && combo_)
                SendMessageW(combo_, ComboListDoneMessage(), TRUE, 0);
        } else if (inside && combo_) {
            // The release of the press that opened the list, when the pointer moved into it.
            int i = ItemFromClient(p);
            if (model_.Valid(i))
                SendMessageW(combo_, ComboListDoneMessage(), TRUE, 0);
        }
        return;
    default:
        return;
    }
}

} // namespace zt::win::controls
