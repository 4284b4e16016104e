// The list box window.
#include "platform/win/controls/ListBoxWindow.h"

#include "platform/win/controls/ComboProtocol.h"
#include "platform/win/controls/ControlCommon.h"
#include "platform/win/controls/StandardClasses.h"

#include <algorithm>
#include <cstring>

namespace zt::win::controls {

namespace {

constexpr int kWheelLines = 3;

} // namespace

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
    bool needed = maxTop > 0;
    ScrollState s;
    s.min = 0;
    s.max = std::max(0, count - 1);
    s.page = needed ? count - maxTop : std::max(1, count);
    s.pos = model_.Top();
    s.track = s.pos;
    s.disabled = !needed;
    bool show = needed || (Style() & LBS_DISABLENOSCROLL);
    bool shown = (Style() & WS_VSCROLL) != 0;
    if (barSet_ && s.min == lastBar_.min && s.max == lastBar_.max && s.page == lastBar_.page &&
        s.pos == lastBar_.pos && s.disabled == lastBar_.disabled && show == shown)
        return;
    lastBar_ = s;
    barSet_ = true;
    if (show != shown) {
        StoreScrollState(hwnd_, SB_VERT, s);
        // Showing or hiding the bar changes the client width, and may change what fits.
        ShowScrollBar(hwnd_, SB_VERT, show);
        return;
    }
    UpdateWindowScrollBar(hwnd_, SB_VERT, s);
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
    if (tracker_.Active()) {
        if (msg == WM_MOUSEMOVE)
            tracker_.Move(screen);
        else if (msg == WM_LBUTTONUP) {
            tracker_.End();
            SetCapture(hwnd_);
        }
        return;
    }
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
        RECT bar = WindowScrollBarRect(hwnd_, SB_VERT);
        if (PtInRect(&bar, screen)) {
            tracker_.Begin(hwnd_, SB_VERT, screen);
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

LRESULT ListBoxWindow::Handle(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg >= 0xC000 && msg == ComboListShownMessage()) {
        dropped_ = wParam != 0;
        pressedInside_ = false;
        if (dropped_) {
            EnsureVisible(model_.Selection());
            SetCapture(hwnd_);
        } else {
            tracker_ = ScrollTracker();
            if (GetCapture() == hwnd_)
                ReleaseCapture();
        }
        return 0;
    }
    switch (msg) {
    case WM_CREATE:
        wantsBar_ = (Style() & WS_VSCROLL) != 0;
        if ((Style() & LBS_OWNERDRAWFIXED) && !Variable())
            fixedHeight_ = MeasureItem(0, 0);
        UpdateScrollBar();
        return 0;
    case WM_SIZE:
        model_.SetTop(model_.Top(), ViewHeight());
        UpdateScrollBar();
        InvalidateRect(hwnd_, nullptr, TRUE);
        return 0;
    case WM_SETFONT:
        font_ = reinterpret_cast<HFONT>(wParam);
        if (!OwnerDraw()) {
            fixedHeight_ = 0;
            int h = DefaultItemHeight();
            for (int i = 0; i < model_.Count(); ++i)
                model_.At(i).height = h;
        }
        Changed();
        if (LOWORD(lParam))
            InvalidateRect(hwnd_, nullptr, TRUE);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(font_);
    case WM_SETREDRAW:
        redraw_ = wParam != 0;
        DefWindowProcW(hwnd_, msg, wParam, lParam);
        if (redraw_)
            UpdateScrollBar();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        Paint();
        return 0;
    case WM_NCPAINT:
        DefWindowProcW(hwnd_, msg, wParam, lParam);
        PaintWindowScrollBars(hwnd_);
        return 0;
    case WM_ENABLE:
        InvalidateRect(hwnd_, nullptr, TRUE);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_SETFOCUS:
        focused_ = true;
        if (model_.CaretIndex() < 0 && model_.Count())
            model_.SetCaretIndex(0);
        InvalidateRect(hwnd_, nullptr, TRUE);
        Notify(LBN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        focused_ = false;
        InvalidateRect(hwnd_, nullptr, TRUE);
        Notify(LBN_KILLFOCUS);
        return 0;
    case WM_NCLBUTTONDOWN:
        if (wParam == static_cast<WPARAM>(HTVSCROLL)) {
            tracker_.Begin(hwnd_, SB_VERT, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;
        }
        return DefWindowProcW(hwnd_, msg, wParam, lParam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP: {
        POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (dropped_) {
            DropMouse(msg, wParam, p);
            return 0;
        }
        if (tracker_.Active()) {
            POINT s = p;
            ClientToScreen(hwnd_, &s);
            if (msg == WM_MOUSEMOVE)
                tracker_.Move(s);
            else if (msg == WM_LBUTTONUP)
                tracker_.End();
            return 0;
        }
        if (msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK) {
            if (!combo_ && GetFocus() != hwnd_)
                SetFocus(hwnd_);
            if (!IsWindow(hwnd_))
                return 0;
            int i = ItemFromClient(p);
            if (model_.Valid(i) && !(Style() & LBS_NOSEL))
                SelectByUser(i, true);
            if (msg == WM_LBUTTONDBLCLK) {
                if (model_.Valid(i))
                    Notify(LBN_DBLCLK);
                return 0;
            }
            tracking_ = true;
            SetCapture(hwnd_);
            return 0;
        }
        if (msg == WM_MOUSEMOVE) {
            if (tracking_ && (wParam & MK_LBUTTON)) {
                RECT c{};
                GetClientRect(hwnd_, &c);
                int i = p.y < 0 ? model_.Top() - 1 : ItemFromClient(p);
                if (p.y >= c.bottom)
                    i = model_.Top() + model_.FullyVisibleFrom(model_.Top(), ViewHeight());
                if (i < 0 && p.y >= 0)
                    i = model_.Count() - 1;
                i = std::clamp(i, 0, model_.Count() - 1);
                if (model_.Valid(i) && !(Style() & LBS_NOSEL))
                    SelectByUser(i, true);
            }
            return 0;
        }
        // WM_LBUTTONUP
        if (tracking_) {
            tracking_ = false;
            if (GetCapture() == hwnd_)
                ReleaseCapture();
        }
        return 0;
    }
    case WM_CAPTURECHANGED:
        tracking_ = false;
        return 0;
    case WM_TIMER:
        if (tracker_.Timer(wParam))
            return 0;
        return DefWindowProcW(hwnd_, msg, wParam, lParam);
    case WM_KEYDOWN:
        KeyDown(wParam);
        return 0;
    case WM_CHAR:
        // A typed character selects the next row that starts with it.
        if (HasStrings() && wParam >= 0x20 && model_.Count()) {
            std::wstring prefix(1, static_cast<wchar_t>(wParam));
            int i = model_.FindPrefix(model_.Selection(), prefix);
            if (i >= 0)
                SelectByUser(i, true);
        }
        return 0;
    case WM_MOUSEWHEEL: {
        if (!model_.Count())
            return DefWindowProcW(hwnd_, msg, wParam, lParam);
        wheelRemainder_ += GET_WHEEL_DELTA_WPARAM(wParam);
        int notches = wheelRemainder_ / WHEEL_DELTA;
        wheelRemainder_ -= notches * WHEEL_DELTA;
        if (notches)
            SetTop(model_.Top() - notches * kWheelLines);
        return 0;
    }
    case WM_VSCROLL: {
        int top = model_.Top();
        int page = std::max(1, model_.FullyVisibleFrom(top, ViewHeight()) - 1);
        switch (LOWORD(wParam)) {
        case SB_LINEUP:
            SetTop(top - 1);
            break;
        case SB_LINEDOWN:
            SetTop(top + 1);
            break;
        case SB_PAGEUP:
            SetTop(top - page);
            break;
        case SB_PAGEDOWN:
            SetTop(top + page);
            break;
        case SB_TOP:
            SetTop(0);
            break;
        case SB_BOTTOM:
            SetTop(model_.Count());
            break;
        case SB_THUMBPOSITION:
            SetTop(static_cast<int>(HIWORD(wParam)));
            break;
        case SB_THUMBTRACK: {
            // The 32-bit tracking position, so that lists past 65535 items track too.
            SCROLLINFO si{sizeof si, SIF_TRACKPOS, 0, 0, 0, 0, 0};
            GetScrollInfo(hwnd_, SB_VERT, &si);
            SetTop(si.nTrackPos);
            break;
        }
        default:
            break;
        }
        return 0;
    }
    case LB_ADDSTRING:
        return Insert(-2, lParam);
    case LB_INSERTSTRING:
        return Insert(static_cast<int>(static_cast<INT_PTR>(wParam)), lParam);
    case LB_DELETESTRING: {
        int i = static_cast<int>(static_cast<INT_PTR>(wParam));
        if (!model_.Valid(i))
            return LB_ERR;
        DeleteNotify(i);
        model_.Erase(i);
        Changed();
        return model_.Count();
    }
    case LB_RESETCONTENT:
        ResetContent();
        return 0;
    case LB_GETCOUNT:
        return model_.Count();
    case LB_GETCURSEL:
        return model_.Selection();
    case LB_SETCURSEL: {
        int i = static_cast<int>(static_cast<INT_PTR>(wParam));
        if (!model_.Valid(i)) {
            model_.SetSelection(-1);
            InvalidateRect(hwnd_, nullptr, TRUE);
            return i == -1 ? LB_ERR : LB_ERR;
        }
        model_.SetSelection(i);
        model_.SetCaretIndex(i);
        EnsureVisible(i);
        if (redraw_)
            InvalidateRect(hwnd_, nullptr, TRUE);
        return i;
    }
    case LB_GETSEL: {
        int i = static_cast<int>(static_cast<INT_PTR>(wParam));
        return model_.Valid(i) ? (model_.Selection() == i ? 1 : 0) : LB_ERR;
    }
    case LB_GETCARETINDEX:
        return model_.CaretIndex();
    case LB_SETCARETINDEX: {
        int i = static_cast<int>(static_cast<INT_PTR>(wParam));
        if (!model_.Valid(i))
            return LB_ERR;
        model_.SetCaretIndex(i);
        EnsureVisible(i);
        InvalidateRect(hwnd_, nullptr, TRUE);
        return 0;
    }
    case LB_GETTEXT: {
        int i = static_cast<int>(static_cast<INT_PTR>(wParam));
        if (!model_.Valid(i) || !lParam)
            return LB_ERR;
        if (!HasStrings()) {
            ULONG_PTR data = model_.At(i).data;
            std::memcpy(reinterpret_cast<void*>(lParam), &data, sizeof data);
            return sizeof data;
        }
        const std::wstring& t = model_.At(i).text;
        auto* buf = reinterpret_cast<wchar_t*>(lParam);
        t.copy(buf, t.size());
        buf[t.size()] = 0;
        return static_cast<LRESULT>(t.size());
    }
    case LB_GETTEXTLEN: {
        int i = static_cast<int>(static_cast<INT_PTR>(wParam));
        if (!model_.Valid(i))
            return LB_ERR;
        return HasStrings() ? static_cast<LRESULT>(model_.At(i).text.size())
                            : static_cast<LRESULT>(sizeof(ULONG_PTR));
    }
    case LB_GETITEMDATA: {
        int i = static_cast<int>(static_cast<INT_PTR>(wParam));
        return model_.Valid(i) ? static_cast<LRESULT>(model_.At(i).data) : LB_ERR;
    }
    case LB_SETITEMDATA: {
        int i = static_cast<int>(static_cast<INT_PTR>(wParam));
        if (i == -1) {
            for (int k = 0; k < model_.Count(); ++k)
                model_.At(k).data = static_cast<ULONG_PTR>(lParam);
            return 0;
        }
        if (!model_.Valid(i))
            return LB_ERR;
        model_.At(i).data = static_cast<ULONG_PTR>(lParam);
        return 0;
    }
    case LB_GETTOPINDEX:
        return model_.Top();
    case LB_SETTOPINDEX: {
        int i = static_cast<int>(static_cast<INT_PTR>(wParam));
        if (!model_.Valid(i) && !(i == 0 && model_.Count() == 0))
            return LB_ERR;
        SetTop(i);
        return 0;
    }
    case LB_GETITEMRECT: {
        int i = static_cast<int>(static_cast<INT_PTR>(wParam));
        if (!lParam || (!model_.Valid(i) && !(i == 0 && model_.Count() == 0)))
            return LB_ERR;
        RECT c{};
        GetClientRect(hwnd_, &c);
        *reinterpret_cast<RECT*>(lParam) =
            model_.Valid(i) ? ItemRect(i) : RECT{c.left, 0, c.right, DefaultItemHeight()};
        return 1;
    }
    case LB_GETITEMHEIGHT: {
        int i = static_cast<int>(static_cast<INT_PTR>(wParam));
        if (Variable()) {
            if (model_.Valid(i))
                return model_.At(i).height;
            return model_.Count() == 0 && i == 0 ? DefaultItemHeight() : LB_ERR;
        }
        return DefaultItemHeight();
    }
    case LB_SETITEMHEIGHT: {
        int i = static_cast<int>(static_cast<INT_PTR>(wParam));
        int h = static_cast<int>(LOWORD(lParam));
        if (h <= 0 || h > 255 * 64)
            return LB_ERR;
        if (Variable()) {
            if (!model_.Valid(i))
                return LB_ERR;
            model_.At(i).height = h;
        } else {
            fixedHeight_ = h;
            for (int k = 0; k < model_.Count(); ++k)
                model_.At(k).height = h;
        }
        Changed();
        return 0;
    }
    case LB_ITEMFROMPOINT: {
        POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (!model_.Count())
            return MAKELONG(0, 1);
        int i = ItemFromClient(p);
        bool outside = !InClient(p) || i < 0;
        if (i < 0)
            i = p.y < 0 ? model_.Top() : model_.Count() - 1;
        return MAKELONG(static_cast<WORD>(i), outside ? 1 : 0);
    }
    case LB_FINDSTRINGEXACT:
    case LB_FINDSTRING: {
        auto* text = reinterpret_cast<LPCWSTR>(lParam);
        if (!text || !HasStrings())
            return LB_ERR;
        int after = static_cast<int>(static_cast<INT_PTR>(wParam));
        return msg == LB_FINDSTRINGEXACT ? model_.FindExact(after, text)
                                         : model_.FindPrefix(after, text);
    }
    case LB_SELECTSTRING: {
        auto* text = reinterpret_cast<LPCWSTR>(lParam);
        if (!text || !HasStrings())
            return LB_ERR;
        int i = model_.FindPrefix(static_cast<int>(static_cast<INT_PTR>(wParam)), text);
        if (i < 0)
            return LB_ERR;
        SendMessageW(hwnd_, LB_SETCURSEL, static_cast<WPARAM>(i), 0);
        return i;
    }
    default:
        return DefWindowProcW(hwnd_, msg, wParam, lParam);
    }
}

LRESULT ListBoxWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        HWND combo = nullptr;
        if (cs && (cs->style & LBS_COMBOBOX))
            combo = static_cast<HWND>(cs->lpCreateParams);
        SetState(hwnd, new ListBoxWindow(hwnd, combo));
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
    auto* list = StateOf<ListBoxWindow>(hwnd);
    if (!list)
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
        SetState(hwnd, nullptr);
        delete list;
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
    return list->Handle(msg, wParam, lParam);
}

} // namespace zt::win::controls
