// The edit control's messages: the window procedure and the translation of each message.
#include "platform/win/controls/EditWindow.h"

#include "platform/win/controls/ControlCommon.h"
#include "platform/win/controls/SystemClasses.h"

#include <algorithm>
#include <cstring>

namespace zt::win::controls {

LRESULT EditWindow::Handle(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_CREATE: {
        auto* cs = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        m_password = (Style() & ES_PASSWORD) != 0;
        DefaultRect();
        if (cs && cs->lpszName && !IS_INTRESOURCE(cs->lpszName))
            m_model.SetText(cs->lpszName);
        Relayout();
        UpdateScrollBars();
        return 0;
    }
    case WM_SIZE:
        if (!m_fmtSet)
            DefaultRect();
        Relayout();
        ScrollCaret();
        Redraw();
        return 0;
    case WM_STYLECHANGED:
        m_password = (Style() & ES_PASSWORD) != 0;
        Relayout();
        ScrollCaret();
        Redraw();
        return 0;
    case WM_SETFONT:
        SetFont(reinterpret_cast<HFONT>(wParam));
        if (m_focused) {
            CreateCaret(m_hwnd, nullptr, 1, m_lineHeight);
            ShowCaret(m_hwnd);
        }
        Relayout();
        ScrollCaret();
        if (LOWORD(lParam))
            Redraw();
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(m_font);
    case WM_SETTEXT: {
        auto* text = reinterpret_cast<LPCWSTR>(lParam);
        m_model.SetText(text ? text : L"");
        m_xOffset = 0;
        m_firstLine = 0;
        Changed();
        return TRUE;
    }
    case WM_GETTEXT: {
        auto* buf = reinterpret_cast<LPWSTR>(lParam);
        if (!buf || wParam == 0)
            return 0;
        std::size_t n = std::min<std::size_t>(m_model.Text().size(), wParam - 1);
        m_model.Text().copy(buf, n);
        buf[n] = 0;
        return static_cast<LRESULT>(n);
    }
    case WM_GETTEXTLENGTH:
        return m_model.Length();
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ENABLE:
        Redraw();
        return 0;
    case WM_GETDLGCODE: {
        LRESULT code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
        if (Multi() && (Style() & ES_WANTRETURN))
            code |= DLGC_WANTALLKEYS;
        return code;
    }
    case WM_SETFOCUS:
        m_focused = true;
        // The system caret, one pixel wide and a line high, blinks where typing goes.
        CreateCaret(m_hwnd, nullptr, 1, m_lineHeight);
        PlaceCaret();
        ShowCaret(m_hwnd);
        Redraw();
        Notify(EN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        m_focused = false;
        m_selecting = false;
        DestroyCaret();
        Redraw();
        Notify(EN_KILLFOCUS);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        if (GetFocus() != m_hwnd)
            SetFocus(m_hwnd);
        if (!IsWindow(m_hwnd))
            return 0;
        POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        int pos = CharFromPoint(p);
        if (msg == WM_LBUTTONDBLCLK) {
            m_model.SetSel(m_model.WordStart(pos), m_model.WordEnd(pos));
        } else {
            m_model.MoveCaret(pos, (wParam & MK_SHIFT) != 0);
            m_selecting = true;
            SetCapture(m_hwnd);
        }
        m_preferredX = -1;
        ScrollCaret();
        Redraw();
        return 0;
    }
    case WM_MOUSEMOVE: {
        POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (m_selecting && (wParam & MK_LBUTTON)) {
            int pos = CharFromPoint(p);
            if (pos != m_model.Caret()) {
                m_model.MoveCaret(pos, true);
                ScrollCaret();
                Redraw();
            }
        }
        return 0;
    }
    case WM_LBUTTONUP:
        if (m_selecting) {
            m_selecting = false;
            if (GetCapture() == m_hwnd)
                ReleaseCapture();
        }
        return 0;
    case WM_CAPTURECHANGED:
        m_selecting = false;
        return 0;
    case WM_KEYDOWN:
        KeyDown(wParam);
        return 0;
    case WM_CHAR:
        Char(static_cast<wchar_t>(wParam));
        return 0;
    case WM_MOUSEWHEEL:
        if (Multi() && m_lines.size() > static_cast<std::size_t>(VisibleLines())) {
            int notches = GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA;
            Notify(EN_VSCROLL);
            ScrollLines(-notches * kWheelLines);
            return 0;
        }
        return DefWindowProcW(m_hwnd, msg, wParam, lParam);
    case WM_VSCROLL:
        if (!Multi())
            return 0;
        if (LOWORD(wParam) != SB_ENDSCROLL && LOWORD(wParam) != SB_THUMBTRACK)
            Notify(EN_VSCROLL);
        switch (LOWORD(wParam)) {
        case SB_LINEUP:
            ScrollLines(-1);
            break;
        case SB_LINEDOWN:
            ScrollLines(1);
            break;
        case SB_PAGEUP:
            ScrollLines(-VisibleLines());
            break;
        case SB_PAGEDOWN:
            ScrollLines(VisibleLines());
            break;
        case SB_TOP:
            ScrollLines(-m_firstLine);
            break;
        case SB_BOTTOM:
            ScrollLines(static_cast<int>(m_lines.size()));
            break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            ScrollLines(static_cast<int>(HIWORD(wParam)) - m_firstLine);
            break;
        default:
            break;
        }
        return 0;
    case WM_COPY:
        Copy();
        return 0;
    case WM_CUT:
        if (ReadOnly() || !m_model.HasSelection())
            return 0;
        Copy();
        if (m_model.ReplaceSel(std::wstring(), true))
            Changed();
        return 0;
    case WM_CLEAR:
        if (!ReadOnly() && m_model.ReplaceSel(std::wstring(), true))
            Changed();
        return 0;
    case WM_PASTE:
        if (!ReadOnly() && Paste())
            Changed();
        return 0;
    case WM_UNDO:
    case EM_UNDO:
        if (ReadOnly() || !m_model.Undo())
            return FALSE;
        Changed();
        return TRUE;
    case EM_CANUNDO:
        return m_model.CanUndo() ? TRUE : FALSE;
    case EM_EMPTYUNDOBUFFER:
        m_model.EmptyUndo();
        return 0;
    case EM_GETSEL: {
        auto start = static_cast<DWORD>(m_model.SelStart());
        auto end = static_cast<DWORD>(m_model.SelEnd());
        if (wParam)
            *reinterpret_cast<DWORD*>(wParam) = start;
        if (lParam)
            *reinterpret_cast<DWORD*>(lParam) = end;
        return static_cast<LRESULT>(
            MAKELONG(std::min<DWORD>(start, 0xFFFF), std::min<DWORD>(end, 0xFFFF)));
    }
    case EM_SETSEL:
        m_model.SetSel(static_cast<int>(static_cast<INT_PTR>(wParam)),
                       static_cast<int>(static_cast<INT_PTR>(lParam)));
        m_preferredX = -1;
        Redraw();
        return 0;
    case EM_SCROLLCARET:
        ScrollCaret();
        return TRUE;
    case EM_REPLACESEL: {
        auto* text = reinterpret_cast<LPCWSTR>(lParam);
        if (m_model.ReplaceSel(text ? text : L"", wParam != 0))
            Changed();
        return 0;
    }
    case EM_GETRECT:
        if (lParam)
            *reinterpret_cast<RECT*>(lParam) = m_fmt;
        return 0;
    case EM_SETRECT:
    case EM_SETRECTNP:
        if (lParam) {
            m_fmt = *reinterpret_cast<const RECT*>(lParam);
            m_fmtSet = true;
        } else {
            DefaultRect();
            m_fmtSet = false;
        }
        Relayout();
        ScrollCaret();
        if (msg == EM_SETRECT)
            Redraw();
        return 0;
    case EM_GETMODIFY:
        return m_model.Modified() ? TRUE : FALSE;
    case EM_SETMODIFY:
        m_model.SetModified(wParam != 0);
        return 0;
    case EM_SETREADONLY:
        SetWindowLongPtrW(
            m_hwnd, GWL_STYLE,
            static_cast<LONG_PTR>(wParam ? (Style() | ES_READONLY) : (Style() & ~ES_READONLY)));
        Redraw();
        return TRUE;
    case EM_LIMITTEXT:
        m_model.SetLimit(static_cast<int>(std::min<WPARAM>(wParam, EditModel::kMaxLimit)));
        return 0;
    case EM_GETLIMITTEXT:
        return m_model.Limit();
    case EM_GETLINECOUNT:
        return static_cast<LRESULT>(m_lines.size());
    case EM_GETFIRSTVISIBLELINE:
        return Multi() ? m_firstLine : 0;
    case EM_LINEINDEX: {
        int line = static_cast<int>(static_cast<INT_PTR>(wParam));
        if (line == -1)
            line = LineOf(m_model.Caret());
        if (line < 0 || line >= static_cast<int>(m_lines.size()))
            return -1;
        return m_lines[static_cast<std::size_t>(line)].start;
    }
    case EM_LINELENGTH: {
        int pos = static_cast<int>(static_cast<INT_PTR>(wParam));
        if (pos == -1) {
            // The characters on the selection's lines that are not selected.
            const Line& a = m_lines[static_cast<std::size_t>(LineOf(m_model.SelStart()))];
            const Line& b = m_lines[static_cast<std::size_t>(LineOf(m_model.SelEnd()))];
            if (!m_model.HasSelection())
                return a.length;
            return (m_model.SelStart() - a.start) + (b.start + b.length - m_model.SelEnd());
        }
        if (pos < 0 || pos > m_model.Length())
            return 0;
        return m_lines[static_cast<std::size_t>(LineOf(pos))].length;
    }
    case EM_GETLINE: {
        int line = static_cast<int>(wParam);
        auto* buf = reinterpret_cast<wchar_t*>(lParam);
        if (!buf || line < 0 || line >= static_cast<int>(m_lines.size()))
            return 0;
        // The first word of the buffer holds its size in characters, as on Windows.
        WORD size = 0;
        std::memcpy(&size, buf, sizeof size);
        int max = static_cast<int>(size);
        const Line& l = m_lines[static_cast<std::size_t>(line)];
        int n = std::min(max, l.length);
        m_model.Text().copy(buf, static_cast<std::size_t>(n), static_cast<std::size_t>(l.start));
        return n;
    }
    case EM_LINEFROMCHAR: {
        int pos = static_cast<int>(static_cast<INT_PTR>(wParam));
        if (pos < 0)
            pos = m_model.SelStart();
        return LineOf(std::min(pos, m_model.Length()));
    }
    case EM_POSFROMCHAR: {
        int pos = static_cast<int>(wParam);
        if (pos < 0 || pos > m_model.Length())
            return -1;
        POINT p = PosFromChar(pos);
        return static_cast<LRESULT>(MAKELONG(static_cast<WORD>(p.x), static_cast<WORD>(p.y)));
    }
    case EM_CHARFROMPOS: {
        POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        int pos = CharFromPoint(p);
        return static_cast<LRESULT>(
            MAKELONG(static_cast<WORD>(pos), static_cast<WORD>(LineOf(pos))));
    }
    case EM_LINESCROLL:
        if (Multi())
            ScrollLines(static_cast<int>(lParam));
        return TRUE;
    default:
        return DefWindowProcW(m_hwnd, msg, wParam, lParam);
    }
}

LRESULT EditWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return RunControlProc<EditWindow>(hwnd, msg, wParam, lParam,
                                      [hwnd] { return new EditWindow(hwnd); });
}

} // namespace zt::win::controls
