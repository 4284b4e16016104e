// The combo box's messages: the window procedure and the translation of each message.
#include "platform/win/controls/ComboBoxWindow.h"

#include "platform/win/controls/ComboProtocol.h"
#include "platform/win/controls/ControlCommon.h"
#include "platform/win/controls/SystemClasses.h"

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
        if (m_list && IsWindow(m_list))
            DestroyWindow(m_list);
        m_list = nullptr;
        return 0;
    case WM_WINDOWPOSCHANGING: {
        auto* wp = reinterpret_cast<WINDOWPOS*>(lParam);
        if (wp && !(wp->flags & SWP_NOSIZE) && !m_sizing && wp->cy != ClosedHeight()) {
            // The height asked for is the height with the list open.
            m_droppedHeight = wp->cy;
            wp->cy = ClosedHeight();
        }
        return DefWindowProcW(m_hwnd, msg, wParam, lParam);
    }
    case WM_SIZE:
        Layout();
        InvalidateRect(m_hwnd, nullptr, TRUE);
        return 0;
    case WM_SETFONT:
        m_font = reinterpret_cast<HFONT>(wParam);
        if (m_edit)
            SendMessageW(m_edit, WM_SETFONT, wParam, lParam);
        if (m_list)
            SendMessageW(m_list, WM_SETFONT, wParam, 0);
        if (!OwnerDraw() && !m_fieldHeightSet) {
            m_fieldHeight = MeasureField();
            RECT wr{};
            GetWindowRect(m_hwnd, &wr);
            m_sizing = true;
            SetWindowPos(m_hwnd, nullptr, 0, 0, wr.right - wr.left, ClosedHeight(),
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            m_sizing = false;
        }
        if (LOWORD(lParam))
            InvalidateRect(m_hwnd, nullptr, TRUE);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(m_font);
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ENABLE:
        if (m_edit)
            EnableWindow(m_edit, wParam != 0);
        if (!wParam && m_dropped)
            ShowDropDown(false, false);
        InvalidateRect(m_hwnd, nullptr, TRUE);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS | (m_dropped ? DLGC_WANTALLKEYS : 0);
    case WM_SETFOCUS:
        if (m_edit) {
            SetFocus(m_edit);
            return 0;
        }
        if (!m_hasFocus) {
            m_hasFocus = true;
            InvalidateRect(m_hwnd, nullptr, TRUE);
            Notify(CBN_SETFOCUS);
        }
        return 0;
    case WM_KILLFOCUS:
        FocusChanged(reinterpret_cast<HWND>(wParam));
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        if (!OwnsFocus(GetFocus()))
            SetFocus(m_hwnd);
        if (!IsWindow(m_hwnd))
            return 0;
        POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        RECT b = ButtonRect();
        if (!HasEdit() || PtInRect(&b, p))
            ShowDropDown(!m_dropped, true);
        return 0;
    }
    case WM_KEYDOWN:
        KeyDown(wParam, lParam);
        return 0;
    case WM_SYSKEYDOWN:
        if (wParam == static_cast<WPARAM>(VK_DOWN) || wParam == static_cast<WPARAM>(VK_UP)) {
            ShowDropDown(!m_dropped, true);
            return 0;
        }
        return DefWindowProcW(m_hwnd, msg, wParam, lParam);
    case WM_CHAR:
        if (!HasEdit() && HasStrings() && wParam >= 0x20) {
            std::wstring prefix(1, static_cast<wchar_t>(wParam));
            int i = static_cast<int>(List(LB_FINDSTRING, static_cast<WPARAM>(Selection()),
                                          reinterpret_cast<LPARAM>(prefix.c_str())));
            if (i >= 0) {
                if (m_dropped)
                    SendMessageW(m_list, LB_SETCURSEL, static_cast<WPARAM>(i), 0);
                else
                    SelectByUser(i);
            }
        }
        return 0;
    case WM_MOUSEWHEEL: {
        if (m_dropped)
            return SendMessageW(m_list, msg, wParam, lParam);
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
        if (from && from == m_edit) {
            if (code == EN_CHANGE && !m_syncing)
                Notify(CBN_EDITCHANGE);
            else if (code == EN_UPDATE && !m_syncing)
                Notify(CBN_EDITUPDATE);
            else if (code == EN_SETFOCUS && !m_hasFocus) {
                m_hasFocus = true;
                SendMessageW(m_edit, EM_SETSEL, 0, -1);
                Notify(CBN_SETFOCUS);
            }
            return 0;
        }
        if (from && from == m_list && code == LBN_SELCHANGE && m_dropped) {
            int sel = Selection();
            SyncEditToSelection();
            InvalidateRect(m_hwnd, nullptr, TRUE);
            if (sel != m_notifiedSel) {
                m_notifiedSel = sel;
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
        HWND parent = GetParent(m_hwnd);
        LRESULT r = parent ? SendMessageW(parent, msg, wParam, lParam) : 0;
        return r ? r : DefWindowProcW(m_hwnd, msg, wParam, lParam);
    }
    case WM_SETTEXT: {
        if (m_edit)
            return SendMessageW(m_edit, msg, wParam, lParam);
        auto* text = reinterpret_cast<LPCWSTR>(lParam);
        int i =
            text ? static_cast<int>(List(LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), lParam)) : -1;
        if (i < 0)
            return CB_ERR;
        List(LB_SETCURSEL, static_cast<WPARAM>(i), 0);
        InvalidateRect(m_hwnd, nullptr, TRUE);
        return TRUE;
    }
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH: {
        if (m_edit)
            return SendMessageW(m_edit, msg, wParam, lParam);
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
        InvalidateRect(m_hwnd, nullptr, TRUE);
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
        else if (m_edit) {
            m_syncing = true;
            SetWindowTextW(m_edit, L"");
            m_syncing = false;
        }
        m_notifiedSel = Selection();
        InvalidateRect(m_hwnd, nullptr, TRUE);
        return r;
    }
    case CB_GETLBTEXT:
        return List(LB_GETTEXT, wParam, lParam);
    case CB_GETLBTEXTLEN:
        return List(LB_GETTEXTLEN, wParam, lParam);
    case CB_RESETCONTENT:
        List(LB_RESETCONTENT, 0, 0);
        if (m_edit) {
            m_syncing = true;
            SetWindowTextW(m_edit, L"");
            m_syncing = false;
        }
        m_notifiedSel = m_selAtOpen = -1;
        InvalidateRect(m_hwnd, nullptr, TRUE);
        return CB_OKAY;
    case CB_FINDSTRING:
        return List(LB_FINDSTRING, wParam, lParam);
    case CB_FINDSTRINGEXACT:
        return List(LB_FINDSTRINGEXACT, wParam, lParam);
    case CB_SELECTSTRING: {
        LRESULT r = List(LB_SELECTSTRING, wParam, lParam);
        if (r >= 0) {
            SyncEditToSelection();
            m_notifiedSel = Selection();
            InvalidateRect(m_hwnd, nullptr, TRUE);
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
            m_fieldHeight = h;
            m_fieldHeightSet = true;
            RECT wr{};
            GetWindowRect(m_hwnd, &wr);
            m_sizing = true;
            SetWindowPos(m_hwnd, nullptr, 0, 0, wr.right - wr.left, ClosedHeight(),
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            m_sizing = false;
            Layout();
            InvalidateRect(m_hwnd, nullptr, TRUE);
            return CB_OKAY;
        }
        return List(LB_SETITEMHEIGHT, wParam, lParam) == LB_ERR ? CB_ERR : CB_OKAY;
    }
    case CB_GETITEMHEIGHT: {
        int index = static_cast<int>(static_cast<INT_PTR>(wParam));
        if (index == -1)
            return m_fieldHeight;
        return List(LB_GETITEMHEIGHT, wParam, 0);
    }
    case CB_SHOWDROPDOWN:
        ShowDropDown(wParam != 0, false);
        return TRUE;
    case CB_GETDROPPEDSTATE:
        return m_dropped ? TRUE : FALSE;
    case CB_GETDROPPEDCONTROLRECT: {
        if (!lParam)
            return CB_ERR;
        RECT wr{};
        GetWindowRect(m_hwnd, &wr);
        wr.bottom = wr.top + std::max(m_droppedHeight, ClosedHeight());
        *reinterpret_cast<RECT*>(lParam) = wr;
        return TRUE;
    }
    case CB_SETDROPPEDWIDTH:
        m_droppedWidth = static_cast<int>(wParam);
        return m_droppedWidth;
    case CB_GETDROPPEDWIDTH: {
        RECT wr{};
        GetWindowRect(m_hwnd, &wr);
        return std::max<int>(m_droppedWidth, wr.right - wr.left);
    }
    case CB_GETEDITSEL:
        if (!m_edit)
            return CB_ERR;
        return SendMessageW(m_edit, EM_GETSEL, wParam, lParam);
    case CB_SETEDITSEL:
        if (!m_edit)
            return CB_ERR;
        SendMessageW(m_edit, EM_SETSEL,
                     static_cast<WPARAM>(static_cast<INT_PTR>(static_cast<short>(LOWORD(lParam)))),
                     static_cast<LPARAM>(static_cast<short>(HIWORD(lParam))));
        return TRUE;
    case CB_LIMITTEXT:
        if (!m_edit)
            return CB_ERR;
        SendMessageW(m_edit, EM_LIMITTEXT, wParam, 0);
        return TRUE;
    default:
        return DefWindowProcW(m_hwnd, msg, wParam, lParam);
    }
}

LRESULT ComboBoxWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return RunControlProc<ComboBoxWindow>(hwnd, msg, wParam, lParam,
                                          [hwnd] { return new ComboBoxWindow(hwnd); });
}

} // namespace zt::win::controls
