// The edit control's messages: the window procedure and the translation of each message.
#include "platform/win/controls/EditWindow.h"

#include "platform/win/controls/ControlCommon.h"
#include "platform/win/controls/StandardClasses.h"

#include <algorithm>
#include <cstring>

namespace zt::win::controls {

LRESULT EditWindow::Handle(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_CREATE: {
        auto* cs = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        password_ = (Style() & ES_PASSWORD) != 0;
        DefaultRect();
        if (cs && cs->lpszName && !IS_INTRESOURCE(cs->lpszName))
            model_.SetText(cs->lpszName);
        Relayout();
        UpdateScrollBars();
        return 0;
    }
    case WM_SIZE:
        if (!fmtSet_)
            DefaultRect();
        Relayout();
        ScrollCaret();
        Redraw();
        return 0;
    case WM_STYLECHANGED:
        password_ = (Style() & ES_PASSWORD) != 0;
        Relayout();
        ScrollCaret();
        Redraw();
        return 0;
    case WM_SETFONT:
        SetFont(reinterpret_cast<HFONT>(wParam));
        if (focused_) {
            CreateCaret(hwnd_, nullptr, 1, lineHeight_);
            ShowCaret(hwnd_);
        }
        Relayout();
        ScrollCaret();
        if (LOWORD(lParam))
            Redraw();
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(font_);
    case WM_SETTEXT: {
        auto* text = reinterpret_cast<LPCWSTR>(lParam);
        model_.SetText(text ? text : L"");
        xOffset_ = 0;
        firstLine_ = 0;
        Changed();
        return TRUE;
    }
    case WM_GETTEXT: {
        auto* buf = reinterpret_cast<LPWSTR>(lParam);
        if (!buf || wParam == 0)
            return 0;
        std::size_t n = std::min<std::size_t>(model_.Text().size(), wParam - 1);
        model_.Text().copy(buf, n);
        buf[n] = 0;
        return static_cast<LRESULT>(n);
    }
    case WM_GETTEXTLENGTH:
        return model_.Length();
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
        focused_ = true;
        // The system caret, one pixel wide and a line high, blinks where typing goes.
        CreateCaret(hwnd_, nullptr, 1, lineHeight_);
        PlaceCaret();
        ShowCaret(hwnd_);
        Redraw();
        Notify(EN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        focused_ = false;
        selecting_ = false;
        DestroyCaret();
        Redraw();
        Notify(EN_KILLFOCUS);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        if (GetFocus() != hwnd_)
            SetFocus(hwnd_);
        if (!IsWindow(hwnd_))
            return 0;
        POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        int pos = CharFromPoint(p);
        if (msg == WM_LBUTTONDBLCLK) {
            model_.SetSel(model_.WordStart(pos), model_.WordEnd(pos));
        } else {
            model_.MoveCaret(pos, (wParam & MK_SHIFT) != 0);
            selecting_ = true;
            SetCapture(hwnd_);
        }
        preferredX_ = -1;
        ScrollCaret();
        Redraw();
        return 0;
    }
    case WM_MOUSEMOVE: {
        POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (selecting_ && (wParam & MK_LBUTTON)) {
            int pos = CharFromPoint(p);
            if (pos != model_.Caret()) {
                model_.MoveCaret(pos, true);
                ScrollCaret();
                Redraw();
            }
        }
        return 0;
    }
    case WM_LBUTTONUP:
        if (selecting_) {
            selecting_ = false;
            if (GetCapture() == hwnd_)
                ReleaseCapture();
        }
        return 0;
    case WM_CAPTURECHANGED:
        selecting_ = false;
        return 0;
    case WM_KEYDOWN:
        KeyDown(wParam);
        return 0;
    case WM_CHAR:
        Char(static_cast<wchar_t>(wParam));
        return 0;
    case WM_MOUSEWHEEL:
        if (Multi() && lines_.size() > static_cast<std::size_t>(VisibleLines())) {
            int notches = GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA;
            Notify(EN_VSCROLL);
            ScrollLines(-notches * kWheelLines);
            return 0;
        }
        return DefWindowProcW(hwnd_, msg, wParam, lParam);
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
            ScrollLines(-firstLine_);
            break;
        case SB_BOTTOM:
            ScrollLines(static_cast<int>(lines_.size()));
            break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            ScrollLines(static_cast<int>(HIWORD(wParam)) - firstLine_);
            break;
        default:
            break;
        }
        return 0;
    case WM_COPY:
        Copy();
        return 0;
    case WM_CUT:
        if (ReadOnly() || !model_.HasSelection())
            return 0;
        Copy();
        if (model_.ReplaceSel(std::wstring(), true))
            Changed();
        return 0;
    case WM_CLEAR:
        if (!ReadOnly() && model_.ReplaceSel(std::wstring(), true))
            Changed();
        return 0;
    case WM_PASTE:
        if (!ReadOnly() && Paste())
            Changed();
        return 0;
    case WM_UNDO:
    case EM_UNDO:
        if (ReadOnly() || !model_.Undo())
            return FALSE;
        Changed();
        return TRUE;
    case EM_CANUNDO:
        return model_.CanUndo() ? TRUE : FALSE;
    case EM_EMPTYUNDOBUFFER:
        model_.EmptyUndo();
        return 0;
    case EM_GETSEL: {
        auto start = static_cast<DWORD>(model_.SelStart());
        auto end = static_cast<DWORD>(model_.SelEnd());
        if (wParam)
            *reinterpret_cast<DWORD*>(wParam) = start;
        if (lParam)
            *reinterpret_cast<DWORD*>(lParam) = end;
        return static_cast<LRESULT>(
            MAKELONG(std::min<DWORD>(start, 0xFFFF), std::min<DWORD>(end, 0xFFFF)));
    }
    case EM_SETSEL:
        model_.SetSel(static_cast<int>(static_cast<INT_PTR>(wParam)),
                      static_cast<int>(static_cast<INT_PTR>(lParam)));
        preferredX_ = -1;
        Redraw();
        return 0;
    case EM_SCROLLCARET:
        ScrollCaret();
        return TRUE;
    case EM_REPLACESEL: {
        auto* text = reinterpret_cast<LPCWSTR>(lParam);
        if (model_.ReplaceSel(text ? text : L"", wParam != 0))
            Changed();
        return 0;
    }
    case EM_GETRECT:
        if (lParam)
            *reinterpret_cast<RECT*>(lParam) = fmt_;
        return 0;
    case EM_SETRECT:
    case EM_SETRECTNP:
        if (lParam) {
            fmt_ = *reinterpret_cast<const RECT*>(lParam);
            fmtSet_ = true;
        } else {
            DefaultRect();
            fmtSet_ = false;
        }
        Relayout();
        ScrollCaret();
        if (msg == EM_SETRECT)
            Redraw();
        return 0;
    case EM_GETMODIFY:
        return model_.Modified() ? TRUE : FALSE;
    case EM_SETMODIFY:
        model_.SetModified(wParam != 0);
        return 0;
    case EM_SETREADONLY:
        SetWindowLongPtrW(
            hwnd_, GWL_STYLE,
            static_cast<LONG_PTR>(wParam ? (Style() | ES_READONLY) : (Style() & ~ES_READONLY)));
        Redraw();
        return TRUE;
    case EM_LIMITTEXT:
        model_.SetLimit(static_cast<int>(std::min<WPARAM>(wParam, EditModel::kMaxLimit)));
        return 0;
    case EM_GETLIMITTEXT:
        return model_.Limit();
    case EM_GETLINECOUNT:
        return static_cast<LRESULT>(lines_.size());
    case EM_GETFIRSTVISIBLELINE:
        return Multi() ? firstLine_ : 0;
    case EM_LINEINDEX: {
        int line = static_cast<int>(static_cast<INT_PTR>(wParam));
        if (line == -1)
            line = LineOf(model_.Caret());
        if (line < 0 || line >= static_cast<int>(lines_.size()))
            return -1;
        return lines_[static_cast<std::size_t>(line)].start;
    }
    case EM_LINELENGTH: {
        int pos = static_cast<int>(static_cast<INT_PTR>(wParam));
        if (pos == -1) {
            // The characters on the selection's lines that are not selected.
            const Line& a = lines_[static_cast<std::size_t>(LineOf(model_.SelStart()))];
            const Line& b = lines_[static_cast<std::size_t>(LineOf(model_.SelEnd()))];
            if (!model_.HasSelection())
                return a.length;
            return (model_.SelStart() - a.start) + (b.start + b.length - model_.SelEnd());
        }
        if (pos < 0 || pos > model_.Length())
            return 0;
        return lines_[static_cast<std::size_t>(LineOf(pos))].length;
    }
    case EM_GETLINE: {
        int line = static_cast<int>(wParam);
        auto* buf = reinterpret_cast<wchar_t*>(lParam);
        if (!buf || line < 0 || line >= static_cast<int>(lines_.size()))
            return 0;
        // The first word of the buffer holds its size in characters, as on Windows.
        WORD size = 0;
        std::memcpy(&size, buf, sizeof size);
        int max = static_cast<int>(size);
        const Line& l = lines_[static_cast<std::size_t>(line)];
        int n = std::min(max, l.length);
        model_.Text().copy(buf, static_cast<std::size_t>(n), static_cast<std::size_t>(l.start));
        return n;
    }
    case EM_LINEFROMCHAR: {
        int pos = static_cast<int>(static_cast<INT_PTR>(wParam));
        if (pos < 0)
            pos = model_.SelStart();
        return LineOf(std::min(pos, model_.Length()));
    }
    case EM_POSFROMCHAR: {
        int pos = static_cast<int>(wParam);
        if (pos < 0 || pos > model_.Length())
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
        return DefWindowProcW(hwnd_, msg, wParam, lParam);
    }
}

LRESULT EditWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return RunControlProc<EditWindow>(hwnd, msg, wParam, lParam,
                                      [hwnd] { return new EditWindow(hwnd); });
}

} // namespace zt::win::controls
