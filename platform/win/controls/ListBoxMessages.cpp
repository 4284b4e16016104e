// The list box's messages: the window procedure and the translation of each message.
#include "platform/win/controls/ListBoxWindow.h"

#include "platform/win/controls/ComboProtocol.h"
#include "platform/win/controls/ControlCommon.h"
#include "platform/win/controls/SystemClasses.h"

#include <algorithm>
#include <cstring>

namespace zt::win::controls {

LRESULT ListBoxWindow::Handle(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg >= 0xC000 && msg == ComboListShownMessage()) {
        m_dropped = wParam != 0;
        m_pressedInside = false;
        if (m_dropped) {
            EnsureVisible(m_model.Selection());
            SetCapture(m_hwnd);
        } else {
            if (GetCapture() == m_hwnd)
                ReleaseCapture();
        }
        return 0;
    }
    switch (msg) {
    case WM_CREATE:
        m_wantsBar = (Style() & WS_VSCROLL) != 0;
        if ((Style() & LBS_OWNERDRAWFIXED) && !Variable())
            m_fixedHeight = MeasureItem(0, 0);
        UpdateScrollBar();
        return 0;
    case WM_DESTROY:
        // The owner frees what it keeps for each item.
        for (int i = m_model.Count() - 1; i >= 0 && IsWindow(m_hwnd); --i)
            DeleteNotify(i);
        m_model.Clear();
        return 0;
    case WM_SIZE:
        m_model.SetTop(m_model.Top(), ViewHeight());
        UpdateScrollBar();
        InvalidateRect(m_hwnd, nullptr, TRUE);
        return 0;
    case WM_SETFONT:
        m_font = reinterpret_cast<HFONT>(wParam);
        if (!OwnerDraw()) {
            m_fixedHeight = 0;
            int h = DefaultItemHeight();
            for (int i = 0; i < m_model.Count(); ++i)
                m_model.At(i).height = h;
        }
        Changed();
        if (LOWORD(lParam))
            InvalidateRect(m_hwnd, nullptr, TRUE);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(m_font);
    case WM_SETREDRAW:
        m_redraw = wParam != 0;
        DefWindowProcW(m_hwnd, msg, wParam, lParam);
        if (m_redraw)
            UpdateScrollBar();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ENABLE:
        InvalidateRect(m_hwnd, nullptr, TRUE);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_SETFOCUS:
        m_focused = true;
        if (m_model.CaretIndex() < 0 && m_model.Count())
            m_model.SetCaretIndex(0);
        InvalidateRect(m_hwnd, nullptr, TRUE);
        Notify(LBN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        m_focused = false;
        InvalidateRect(m_hwnd, nullptr, TRUE);
        Notify(LBN_KILLFOCUS);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP: {
        POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (m_dropped) {
            DropMouse(msg, wParam, p);
            return 0;
        }
        if (msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK) {
            if (!m_combo && GetFocus() != m_hwnd)
                SetFocus(m_hwnd);
            if (!IsWindow(m_hwnd))
                return 0;
            int i = ItemFromClient(p);
            if (m_model.Valid(i) && !(Style() & LBS_NOSEL))
                SelectByUser(i, true);
            if (msg == WM_LBUTTONDBLCLK) {
                if (m_model.Valid(i))
                    Notify(LBN_DBLCLK);
                return 0;
            }
            m_tracking = true;
            SetCapture(m_hwnd);
            return 0;
        }
        if (msg == WM_MOUSEMOVE) {
            if (m_tracking && (wParam & MK_LBUTTON)) {
                RECT c{};
                GetClientRect(m_hwnd, &c);
                int i = p.y < 0 ? m_model.Top() - 1 : ItemFromClient(p);
                if (p.y >= c.bottom)
                    i = m_model.Top() + m_model.FullyVisibleFrom(m_model.Top(), ViewHeight());
                if (i < 0 && p.y >= 0)
                    i = m_model.Count() - 1;
                i = std::clamp(i, 0, m_model.Count() - 1);
                if (m_model.Valid(i) && !(Style() & LBS_NOSEL))
                    SelectByUser(i, true);
            }
            return 0;
        }
        // WM_LBUTTONUP
        if (m_tracking) {
            m_tracking = false;
            if (GetCapture() == m_hwnd)
                ReleaseCapture();
        }
        return 0;
    }
    case WM_CAPTURECHANGED:
        m_tracking = false;
        return 0;
    case WM_KEYDOWN:
        KeyDown(wParam);
        return 0;
    case WM_CHAR:
        // A typed character selects the next row that starts with it.
        if (HasStrings() && wParam >= 0x20 && m_model.Count()) {
            std::wstring prefix(1, static_cast<wchar_t>(wParam));
            int i = m_model.FindPrefix(m_model.Selection(), prefix);
            if (i >= 0)
                SelectByUser(i, true);
        }
        return 0;
    case WM_MOUSEWHEEL: {
        if (!m_model.Count())
            return DefWindowProcW(m_hwnd, msg, wParam, lParam);
        m_wheelRemainder += GET_WHEEL_DELTA_WPARAM(wParam);
        int notches = m_wheelRemainder / WHEEL_DELTA;
        m_wheelRemainder -= notches * WHEEL_DELTA;
        if (notches)
            SetTop(m_model.Top() - notches * kWheelLines);
        return 0;
    }
    case WM_VSCROLL: {
        int top = m_model.Top();
        int page = std::max(1, m_model.FullyVisibleFrom(top, ViewHeight()) - 1);
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
            SetTop(m_model.Count());
            break;
        case SB_THUMBPOSITION:
            SetTop(static_cast<int>(HIWORD(wParam)));
            break;
        case SB_THUMBTRACK: {
            // The 32-bit tracking position, so that lists past 65535 items track too.
            SCROLLINFO si{sizeof si, SIF_TRACKPOS, 0, 0, 0, 0, 0};
            GetScrollInfo(m_hwnd, SB_VERT, &si);
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
        if (!m_model.Valid(i))
            return LB_ERR;
        DeleteNotify(i);
        m_model.Erase(i);
        Changed();
        return m_model.Count();
    }
    case LB_RESETCONTENT:
        ResetContent();
        return 0;
    case LB_GETCOUNT:
        return m_model.Count();
    case LB_GETCURSEL:
        return m_model.Selection();
    case LB_SETCURSEL: {
        int i = static_cast<int>(static_cast<INT_PTR>(wParam));
        if (!m_model.Valid(i)) {
            m_model.SetSelection(-1);
            InvalidateRect(m_hwnd, nullptr, TRUE);
            return i == -1 ? LB_ERR : LB_ERR;
        }
        m_model.SetSelection(i);
        m_model.SetCaretIndex(i);
        EnsureVisible(i);
        if (m_redraw)
            InvalidateRect(m_hwnd, nullptr, TRUE);
        return i;
    }
    case LB_GETSEL: {
        int i = static_cast<int>(static_cast<INT_PTR>(wParam));
        return m_model.Valid(i) ? (m_model.Selection() == i ? 1 : 0) : LB_ERR;
    }
    case LB_GETCARETINDEX:
        return m_model.CaretIndex();
    case LB_SETCARETINDEX: {
        int i = static_cast<int>(static_cast<INT_PTR>(wParam));
        if (!m_model.Valid(i))
            return LB_ERR;
        m_model.SetCaretIndex(i);
        EnsureVisible(i);
        InvalidateRect(m_hwnd, nullptr, TRUE);
        return 0;
    }
    case LB_GETTEXT: {
        int i = static_cast<int>(static_cast<INT_PTR>(wParam));
        if (!m_model.Valid(i) || !lParam)
            return LB_ERR;
        if (!HasStrings()) {
            ULONG_PTR data = m_model.At(i).data;
            std::memcpy(reinterpret_cast<void*>(lParam), &data, sizeof data);
            return sizeof data;
        }
        const std::wstring& t = m_model.At(i).text;
        auto* buf = reinterpret_cast<wchar_t*>(lParam);
        t.copy(buf, t.size());
        buf[t.size()] = 0;
        return static_cast<LRESULT>(t.size());
    }
    case LB_GETTEXTLEN: {
        int i = static_cast<int>(static_cast<INT_PTR>(wParam));
        if (!m_model.Valid(i))
            return LB_ERR;
        return HasStrings() ? static_cast<LRESULT>(m_model.At(i).text.size())
                            : static_cast<LRESULT>(sizeof(ULONG_PTR));
    }
    case LB_GETITEMDATA: {
        int i = static_cast<int>(static_cast<INT_PTR>(wParam));
        return m_model.Valid(i) ? static_cast<LRESULT>(m_model.At(i).data) : LB_ERR;
    }
    case LB_SETITEMDATA: {
        int i = static_cast<int>(static_cast<INT_PTR>(wParam));
        if (i == -1) {
            for (int k = 0; k < m_model.Count(); ++k)
                m_model.At(k).data = static_cast<ULONG_PTR>(lParam);
            return 0;
        }
        if (!m_model.Valid(i))
            return LB_ERR;
        m_model.At(i).data = static_cast<ULONG_PTR>(lParam);
        return 0;
    }
    case LB_GETTOPINDEX:
        return m_model.Top();
    case LB_SETTOPINDEX: {
        int i = static_cast<int>(static_cast<INT_PTR>(wParam));
        if (!m_model.Valid(i) && !(i == 0 && m_model.Count() == 0))
            return LB_ERR;
        SetTop(i);
        return 0;
    }
    case LB_GETITEMRECT: {
        int i = static_cast<int>(static_cast<INT_PTR>(wParam));
        if (!lParam || (!m_model.Valid(i) && !(i == 0 && m_model.Count() == 0)))
            return LB_ERR;
        RECT c{};
        GetClientRect(m_hwnd, &c);
        *reinterpret_cast<RECT*>(lParam) =
            m_model.Valid(i) ? ItemRect(i) : RECT{c.left, 0, c.right, DefaultItemHeight()};
        return 1;
    }
    case LB_GETITEMHEIGHT: {
        int i = static_cast<int>(static_cast<INT_PTR>(wParam));
        if (Variable()) {
            if (m_model.Valid(i))
                return m_model.At(i).height;
            return m_model.Count() == 0 && i == 0 ? DefaultItemHeight() : LB_ERR;
        }
        return DefaultItemHeight();
    }
    case LB_SETITEMHEIGHT: {
        int i = static_cast<int>(static_cast<INT_PTR>(wParam));
        int h = static_cast<int>(LOWORD(lParam));
        if (h <= 0 || h > 255 * 64)
            return LB_ERR;
        if (Variable()) {
            if (!m_model.Valid(i))
                return LB_ERR;
            m_model.At(i).height = h;
        } else {
            m_fixedHeight = h;
            for (int k = 0; k < m_model.Count(); ++k)
                m_model.At(k).height = h;
        }
        Changed();
        return 0;
    }
    case LB_ITEMFROMPOINT: {
        POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (!m_model.Count())
            return MAKELONG(0, 1);
        int i = ItemFromClient(p);
        bool outside = !InClient(p) || i < 0;
        if (i < 0)
            i = p.y < 0 ? m_model.Top() : m_model.Count() - 1;
        return MAKELONG(static_cast<WORD>(i), outside ? 1 : 0);
    }
    case LB_FINDSTRINGEXACT:
    case LB_FINDSTRING: {
        auto* text = reinterpret_cast<LPCWSTR>(lParam);
        if (!text || !HasStrings())
            return LB_ERR;
        int after = static_cast<int>(static_cast<INT_PTR>(wParam));
        return msg == LB_FINDSTRINGEXACT ? m_model.FindExact(after, text)
                                         : m_model.FindPrefix(after, text);
    }
    case LB_SELECTSTRING: {
        auto* text = reinterpret_cast<LPCWSTR>(lParam);
        if (!text || !HasStrings())
            return LB_ERR;
        int i = m_model.FindPrefix(static_cast<int>(static_cast<INT_PTR>(wParam)), text);
        if (i < 0)
            return LB_ERR;
        SendMessageW(m_hwnd, LB_SETCURSEL, static_cast<WPARAM>(i), 0);
        return i;
    }
    default:
        return DefWindowProcW(m_hwnd, msg, wParam, lParam);
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
