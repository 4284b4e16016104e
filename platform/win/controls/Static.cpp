// The Static control: text with alignment, icons, rectangles and frames, owner-draw.
#include "platform/win/controls/ControlSupport.h"
#include "platform/win/controls/SystemClasses.h"

namespace zt::win::controls {

namespace {

struct StaticState
{
    HANDLE image = nullptr;
    HFONT font = nullptr;
};

SIZE IconSize(HICON icon)
{
    SIZE size{GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)};
    ICONINFO ii{};
    if (icon && GetIconInfo(icon, &ii)) {
        BITMAP bm{};
        if (ii.hbmColor && GetObjectW(ii.hbmColor, sizeof bm, &bm))
            size = {bm.bmWidth, bm.bmHeight};
        if (ii.hbmColor)
            DeleteObject(ii.hbmColor);
        if (ii.hbmMask)
            DeleteObject(ii.hbmMask);
    }
    return size;
}

void Paint(HWND hwnd, HDC dc)
{
    StaticState* s = GetState<StaticState>(hwnd);
    if (!s)
        return;
    DWORD style = static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE));
    DWORD kind = style & SS_TYPEMASK;
    RECT r = ClientRect(hwnd);
    int saved = SaveDC(dc);
    if (kind == SS_OWNERDRAW) {
        DRAWITEMSTRUCT dis{ODT_STATIC,
                           static_cast<UINT>(GetDlgCtrlID(hwnd)),
                           0,
                           ODA_DRAWENTIRE,
                           IsWindowEnabled(hwnd) ? 0u : ODS_DISABLED,
                           hwnd,
                           dc,
                           r,
                           0};
        if (HWND parent = GetParent(hwnd))
            SendMessageW(parent, WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
        RestoreDC(dc, saved);
        return;
    }
    if (kind >= SS_BLACKRECT && kind <= SS_WHITEFRAME) {
        static const int colours[] = {COLOR_WINDOWFRAME, COLOR_BTNSHADOW, COLOR_WINDOW};
        HBRUSH b = GetSysColorBrush(colours[(kind - SS_BLACKRECT) % 3]);
        if (kind <= SS_WHITERECT)
            FillRect(dc, &r, b);
        else
            FrameRect(dc, &r, b);
        RestoreDC(dc, saved);
        return;
    }
    HBRUSH back = ParentCtlColor(hwnd, dc, WM_CTLCOLORSTATIC);
    FillRect(dc, &r, back);
    if (kind == SS_ETCHEDHORZ || kind == SS_ETCHEDVERT || kind == SS_ETCHEDFRAME) {
        DrawEdge(dc, &r, EDGE_ETCHED,
                 kind == SS_ETCHEDHORZ   ? BF_TOP
                 : kind == SS_ETCHEDVERT ? BF_LEFT
                                         : BF_RECT);
    } else if (kind == SS_ICON) {
        if (s->image) {
            SIZE size = IconSize(static_cast<HICON>(s->image));
            int x = r.left, y = r.top;
            if (style & SS_CENTERIMAGE) {
                x = (r.left + r.right - size.cx) / 2;
                y = (r.top + r.bottom - size.cy) / 2;
            }
            DrawIconEx(dc, x, y, static_cast<HICON>(s->image), size.cx, size.cy, 0, nullptr,
                       DI_NORMAL);
        }
    } else if (kind == SS_BITMAP) {
        BITMAP bm{};
        if (s->image && GetObjectW(s->image, sizeof bm, &bm)) {
            int x = r.left, y = r.top;
            if (style & SS_CENTERIMAGE) {
                x = (r.left + r.right - bm.bmWidth) / 2;
                y = (r.top + r.bottom - bm.bmHeight) / 2;
            }
            HDC mem = CreateCompatibleDC(dc);
            HGDIOBJ old = SelectObject(mem, s->image);
            BitBlt(dc, x, y, bm.bmWidth, bm.bmHeight, mem, 0, 0, SRCCOPY);
            SelectObject(mem, old);
            DeleteDC(mem);
        }
    } else {
        wchar_t text[1024];
        int n = GetWindowTextW(hwnd, text, 1024);
        if (n > 0) {
            UINT format = kind == SS_CENTER ? DT_CENTER : kind == SS_RIGHT ? DT_RIGHT : DT_LEFT;
            if (style & SS_CENTERIMAGE)
                format |= DT_VCENTER | DT_SINGLELINE;
            else if (kind != SS_SIMPLE && kind != SS_LEFTNOWORDWRAP)
                format |= DT_WORDBREAK;
            if (style & SS_NOPREFIX)
                format |= DT_NOPREFIX;
            if (style & SS_ENDELLIPSIS)
                format |= DT_END_ELLIPSIS;
            SelectObject(dc, ControlFont(s->font));
            SetBkMode(dc, TRANSPARENT);
            if (!IsWindowEnabled(hwnd))
                SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
            DrawTextW(dc, text, n, &r, format);
        }
    }
    if (style & SS_SUNKEN) {
        RECT e = ClientRect(hwnd);
        DrawEdge(dc, &e, BDR_SUNKENOUTER, BF_RECT);
    }
    RestoreDC(dc, saved);
}

} // namespace

LRESULT StaticWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    StaticState* s = GetState<StaticState>(hwnd);
    if (!s && msg != WM_NCCREATE)
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    switch (msg) {
    case WM_NCCREATE: {
        s = CreateState<StaticState>(hwnd);
        auto* cs = reinterpret_cast<CREATESTRUCTW*>(lParam);
        // An icon static names its icon in its text: a resource of the creating module.
        if (cs && (static_cast<DWORD>(cs->style) & SS_TYPEMASK) == SS_ICON && cs->lpszName &&
            (IS_INTRESOURCE(cs->lpszName) || *cs->lpszName)) {
            s->image = LoadIconW(cs->hInstance, cs->lpszName);
            return TRUE;
        }
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
    case WM_NCDESTROY:
        FreeState<StaticState>(hwnd);
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    case WM_NCHITTEST:
        // Only a static that notifies takes the mouse; the others let clicks through.
        if (!(GetWindowLongW(hwnd, GWL_STYLE) & SS_NOTIFY))
            return HTTRANSPARENT;
        return HTCLIENT;
    case WM_GETDLGCODE:
        return DLGC_STATIC;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        Paint(hwnd, dc);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_PRINTCLIENT:
        Paint(hwnd, reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_SETFONT:
        s->font = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam))
            InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(s->font);
    case WM_SETTEXT: {
        LRESULT r = DefWindowProcW(hwnd, msg, wParam, lParam);
        InvalidateRect(hwnd, nullptr, TRUE);
        return r;
    }
    case WM_ENABLE:
        InvalidateRect(hwnd, nullptr, TRUE);
        if (GetWindowLongW(hwnd, GWL_STYLE) & SS_NOTIFY)
            NotifyParent(hwnd, wParam ? STN_ENABLE : STN_DISABLE);
        return 0;
    case WM_LBUTTONDOWN:
        if (GetWindowLongW(hwnd, GWL_STYLE) & SS_NOTIFY)
            NotifyParent(hwnd, STN_CLICKED);
        return 0;
    case WM_LBUTTONDBLCLK:
        if (GetWindowLongW(hwnd, GWL_STYLE) & SS_NOTIFY)
            NotifyParent(hwnd, STN_DBLCLK);
        return 0;
    case STM_SETICON:
    case STM_SETIMAGE: {
        if (msg == STM_SETIMAGE && wParam != IMAGE_ICON && wParam != IMAGE_BITMAP)
            return 0;
        HANDLE old = s->image;
        s->image = msg == STM_SETICON ? reinterpret_cast<HANDLE>(wParam)
                                      : reinterpret_cast<HANDLE>(lParam);
        InvalidateRect(hwnd, nullptr, TRUE);
        return reinterpret_cast<LRESULT>(old);
    }
    case STM_GETICON:
    case STM_GETIMAGE:
        return reinterpret_cast<LRESULT>(s->image);
    default:
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

} // namespace zt::win::controls
