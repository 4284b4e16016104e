// The combo box's messages: the window procedure and the translation of each message.
#include "platform/win/controls/ComboBoxWindow.h"

#include "platform/win/controls/ComboProtocol.h"
#include "platform/win/controls/ControlCommon.h"
#include "platform/win/controls/StandardClasses.h"

#include <algorithm>
#include <string>
#include <vector>

namespace zt::win::controls {

LRESULT ComboBoxWindow::Handle(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg >= 0xC000 && msg == ComboListDoneMessage()) {
        ShowDropDown(false, wParam != 0, wParam == 0);
        return 0;
    }
    switch (msg) {
    case WM_CREATE:
        Create(reinterpret_cast<const CREATESTRUCTW*>(lParam));
        return 0;
    case WM_DESTROY:
        if (list_ && IsWindow(list_))
            DestroyWindow(list_);
        list_ = nullptr;
        return 0;
    case WM_WINDOWPOSCHANGING: {
        auto* wp = reinterpret_cast<WINDOWPOS*>(lParam);
        if (wp && !(wp->flags & SWP_NOSIZE) && !sizing_ && wp->cy != ClosedHeight()) {
            // The height asked for is the height with the list open.
            droppedHeight_ = wp->cy;
            wp->cy = ClosedHeight();
        }
        return DefWindowProcW(hwnd_, msg, wParam, lParam);
    }
    case WM_SIZE:
        Layout();
        InvalidateRect(hwnd_, nullptr, TRUE);
        return 0;
    case WM_SETFONT:
        font_ = reinterpret_cast<HFONT>(wParam);
        if (edit_)
            SendMessageW(edit_, WM_SETFONT, wParam, lParam);
        if (list_)
            SendMessageW(list_, WM_SETFONT, wParam, 0);
        if (!OwnerDraw() && !fieldHeightSet_) {
            fieldHeight_ = MeasureField();
            RECT wr{};
            GetWindowRect(hwnd_, &wr);
            sizing_ = true;
            SetWindowPos(hwnd_, nullptr, 0, 0, wr.right - wr.left, ClosedHeight(),
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            sizing_ = false;
        }
        if (LOWORD(lParam))
            InvalidateRect(hwnd_, nullptr, TRUE);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(font_);
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ENABLE:
        if (edit_)
            EnableWindow(edit_, wParam != 0);
        if (!wParam && dropped_)
            ShowDropDown(false, false);
        InvalidateRect(hwnd_, nullptr, TRUE);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS | (dropped_ ? DLGC_WANTALLKEYS : 0);
    case WM_SETFOCUS:
        if (edit_) {
            SetFocus(edit_);
            return 0;
        }
        if (!hasFocus_) {
            hasFocus_ = true;
            InvalidateRect(hwnd_, nullptr, TRUE);
            Notify(CBN_SETFOCUS);
        }
        return 0;
    case WM_KILLFOCUS:
        FocusChanged(reinterpret_cast<HWND>(wParam));
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        if (!OwnsFocus(GetFocus()))
            SetFocus(hwnd_);
        if (!IsWindow(hwnd_))
            return 0;
        POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        RECT b = ButtonRect();
        if (!HasEdit() || PtInRect(&b, p))
            ShowDropDown(!dropped_, true);
        return 0;
    }
    case WM_KEYDOWN:
        KeyDown(wParam, lParam);
        return 0;
    case WM_SYSKEYDOWN:
        if (wParam == static_cast<WPARAM>(VK_DOWN) || wParam == static_cast<WPARAM>(VK_UP)) {
            ShowDropDown(!dropped_, true);
            return 0;
        }
        return DefWindowProcW(hwnd_, msg, wParam, lParam);
    case WM_CHAR:
        if (!HasEdit() && HasStrings() && wParam >= 0x20) {
            std::wstring prefix(1, static_cast<wchar_t>(wParam));
            int i = static_cast<int>(List(LB_FINDSTRING, static_cast<WPARAM>(Selection()),
                                          reinterpret_cast<LPARAM>(prefix.c_str())));
            if (i >= 0) {
                if (dropped_)
                    SendMessageW(list_, LB_SETCURSEL, static_cast<WPARAM>(i), 0);
                else
                    SelectByUser(i);
            }
        }
        return 0;
    case WM_MOUSEWHEEL: {
        if (dropped_)
            return SendMessageW(list_, msg, wParam, lParam);
        int notches = GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA;
        if (notches) {
            int sel = Selection();
            SelectByUser(sel < 0 ? 0 : sel - notches);
        }
        return 0;
    }
    case WM_COMMAND: {
        HWND from = reinterpret_cast<HWND>(lParam);
        UINT code = HIWORD(wParam);
        if (from && from == edit_) {
            if (code == EN_CHANGE && !syncing_)
                Notify(CBN_EDITCHANGE);
            else if (code == EN_UPDATE && !syncing_)
                Notify(CBN_EDITUPDATE);
            else if (code == EN_SETFOCUS && !hasFocus_) {
                hasFocus_ = true;
                SendMessageW(edit_, EM_SETSEL, 0, -1);
                Notify(CBN_SETFOCUS);
            }
            return 0;
        }
        if (from && from == list_ && code == LBN_SELCHANGE && dropped_) {
            int sel = Selection();
            SyncEditToSelection();
            InvalidateRect(hwnd_, nullptr, TRUE);
            if (sel != notifiedSel_) {
                notifiedSel_ = sel;
                Notify(CBN_SELCHANGE);
            }
            return 0;
        }
        return 0;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORSCROLLBAR: {
        HWND parent = GetParent(hwnd_);
        LRESULT r = parent ? SendMessageW(parent, msg, wParam, lParam) : 0;
        return r ? r : DefWindowProcW(hwnd_, msg, wParam, lParam);
    }
    case WM_SETTEXT: {
        if (edit_)
            return SendMessageW(edit_, msg, wParam, lParam);
        auto* text = reinterpret_cast<LPCWSTR>(lParam);
        int i =
            text ? static_cast<int>(List(LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), lParam)) : -1;
        if (i < 0)
            return CB_ERR;
        List(LB_SETCURSEL, static_cast<WPARAM>(i), 0);
        InvalidateRect(hwnd_, nullptr, TRUE);
        return TRUE;
    }
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH: {
        if (edit_)
            return SendMessageW(edit_, msg, wParam, lParam);
        int sel = Selection();
        if (sel < 0 || !HasStrings()) {
            if (msg == WM_GETTEXT && lParam && wParam)
                reinterpret_cast<wchar_t*>(lParam)[0] = 0;
            return 0;
        }
        auto len = static_cast<int>(List(LB_GETTEXTLEN, static_cast<WPARAM>(sel), 0));
        if (msg == WM_GETTEXTLENGTH)
            return len;
        if (!lParam || !wParam)
            return 0;
        std::vector<wchar_t> buf(static_cast<std::size_t>(std::max(len, 0)) + 1);
        List(LB_GETTEXT, static_cast<WPARAM>(sel), reinterpret_cast<LPARAM>(buf.data()));
        std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(len), wParam - 1);
        std::copy(buf.begin(), buf.begin() + static_cast<std::ptrdiff_t>(n),
                  reinterpret_cast<wchar_t*>(lParam));
        reinterpret_cast<wchar_t*>(lParam)[n] = 0;
        return static_cast<LRESULT>(n);
    }
    case CB_ADDSTRING:
        return List(LB_ADDSTRING, wParam, lParam);
    case CB_INSERTSTRING:
        return List(LB_INSERTSTRING, wParam, lParam);
    case CB_DELETESTRING: {
        LRESULT r = List(LB_DELETESTRING, wParam, lParam);
        InvalidateRect(hwnd_, nullptr, TRUE);
        return r;
    }
    case CB_GETCOUNT:
        return List(LB_GETCOUNT, 0, 0);
    case CB_GETCURSEL:
        return List(LB_GETCURSEL, 0, 0);
    case CB_SETCURSEL: {
        LRESULT r = List(LB_SETCURSEL, wParam, 0);
        if (r >= 0)
            SyncEditToSelection();
        else if (edit_) {
            syncing_ = true;
            SetWindowTextW(edit_, L"");
            syncing_ = false;
        }
        notifiedSel_ = Selection();
        InvalidateRect(hwnd_, nullptr, TRUE);
        return r;
    }
    case CB_GETLBTEXT:
        return List(LB_GETTEXT, wParam, lParam);
    case CB_GETLBTEXTLEN:
        return List(LB_GETTEXTLEN, wParam, lParam);
    case CB_RESETCONTENT:
        List(LB_RESETCONTENT, 0, 0);
        if (edit_) {
            syncing_ = true;
            SetWindowTextW(edit_, L"");
            syncing_ = false;
        }
        notifiedSel_ = selAtOpen_ = -1;
        InvalidateRect(hwnd_, nullptr, TRUE);
        return CB_OKAY;
    case CB_FINDSTRING:
        return List(LB_FINDSTRING, wParam, lParam);
    case CB_FINDSTRINGEXACT:
        return List(LB_FINDSTRINGEXACT, wParam, lParam);
    case CB_SELECTSTRING: {
        LRESULT r = List(LB_SELECTSTRING, wParam, lParam);
        if (r >= 0) {
            SyncEditToSelection();
            notifiedSel_ = Selection();
            InvalidateRect(hwnd_, nullptr, TRUE);
        }
        return r;
    }
    case CB_GETITEMDATA:
        return List(LB_GETITEMDATA, wParam, lParam);
    case CB_SETITEMDATA:
        return List(LB_SETITEMDATA, wParam, lParam);
    case CB_GETTOPINDEX:
        return List(LB_GETTOPINDEX, 0, 0);
    case CB_SETTOPINDEX:
        return List(LB_SETTOPINDEX, wParam, 0);
    case CB_SETITEMHEIGHT: {
        int index = static_cast<int>(static_cast<INT_PTR>(wParam));
        int h = static_cast<int>(LOWORD(lParam));
        if (h <= 0 || h > 255 * 64)
            return CB_ERR;
        if (index == -1) {
            fieldHeight_ = h;
            fieldHeightSet_ = true;
            RECT wr{};
            GetWindowRect(hwnd_, &wr);
            sizing_ = true;
            SetWindowPos(hwnd_, nullptr, 0, 0, wr.right - wr.left, ClosedHeight(),
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            sizing_ = false;
            Layout();
            InvalidateRect(hwnd_, nullptr, TRUE);
            return CB_OKAY;
        }
        return List(LB_SETITEMHEIGHT, wParam, lParam) == LB_ERR ? CB_ERR : CB_OKAY;
    }
    case CB_GETITEMHEIGHT: {
        int index = static_cast<int>(static_cast<INT_PTR>(wParam));
        if (index == -1)
            return fieldHeight_;
        return List(LB_GETITEMHEIGHT, wParam, 0);
    }
    case CB_SHOWDROPDOWN:
        ShowDropDown(wParam != 0, false);
        return TRUE;
    case CB_GETDROPPEDSTATE:
        return dropped_ ? TRUE : FALSE;
    case CB_GETDROPPEDCONTROLRECT: {
        if (!lParam)
            return CB_ERR;
        RECT wr{};
        GetWindowRect(hwnd_, &wr);
        wr.bottom = wr.top + std::max(droppedHeight_, ClosedHeight());
        *reinterpret_cast<RECT*>(lParam) = wr;
        return TRUE;
    }
    case CB_SETDROPPEDWIDTH:
        droppedWidth_ = static_cast<int>(wParam);
        return droppedWidth_;
    case CB_GETDROPPEDWIDTH: {
        RECT wr{};
        GetWindowRect(hwnd_, &wr);
        return std::max<int>(droppedWidth_, wr.right - wr.left);
    }
    case CB_GETEDITSEL:
        if (!edit_)
            return CB_ERR;
        return SendMessageW(edit_, EM_GETSEL, wParam, lParam);
    case CB_SETEDITSEL:
        if (!edit_)
            return CB_ERR;
        SendMessageW(edit_, EM_SETSEL,
                     static_cast<WPARAM>(static_cast<INT_PTR>(static_cast<short>(LOWORD(lParam)))),
                     static_cast<LPARAM>(static_cast<short>(HIWORD(lParam))));
        return TRUE;
    case CB_LIMITTEXT:
        if (!edit_)
            return CB_ERR;
        SendMessageW(edit_, EM_LIMITTEXT, wParam, 0);
        return TRUE;
    default:
        return DefWindowProcW(hwnd_, msg, wParam, lParam);
    }
}

LRESULT ComboBoxWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return RunControlProc<ComboBoxWindow>(hwnd, msg, wParam, lParam,
                                          [hwnd] { return new ComboBoxWindow(hwnd); });
}

} // namespace zt::win::controls
