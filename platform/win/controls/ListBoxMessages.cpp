// The list box's messages: the window procedure and the translation of each message.
#include "platform/win/controls/ListBoxWindow.h"

#include "platform/win/controls/ComboProtocol.h"
#include "platform/win/controls/ControlCommon.h"
#include "platform/win/controls/StandardClasses.h"

#include <algorithm>
#include <cstring>

namespace zt::win::controls {

LRESULT ListBoxWindow::Handle(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg >= 0xC000 && msg == ComboListShownMessage()) {
        dropped_ = wParam != 0;
        pressedInside_ = false;
        if (dropped_) {
            EnsureVisible(model_.Selection());
            SetCapture(hwnd_);
        } else {
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
    case WM_DESTROY:
        // The owner frees what it keeps for each item.
        for (int i = model_.Count() - 1; i >= 0 && IsWindow(hwnd_); --i)
            DeleteNotify(i);
        model_.Clear();
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
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP: {
        POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (dropped_) {
            DropMouse(msg, wParam, p);
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
    return RunControlProc<ListBoxWindow>(hwnd, msg, wParam, lParam, [hwnd, lParam] {
        // The drop-down list of a combo box is created with the combo as its parameter.
        auto* cs = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        HWND combo =
            cs && (cs->style & LBS_COMBOBOX) ? static_cast<HWND>(cs->lpCreateParams) : nullptr;
        return new ListBoxWindow(hwnd, combo);
    });
}

} // namespace zt::win::controls
