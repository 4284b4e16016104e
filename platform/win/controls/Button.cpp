// The Button control: push buttons, check boxes, radio buttons, group boxes and owner-drawn
// buttons, with the classic flat look.
#include "platform/win/Desktop.h"
#include "platform/win/controls/ControlSupport.h"
#include "platform/win/controls/SystemClasses.h"
#include "platform/win/dialogs/DialogState.h"

#include <algorithm>

namespace zt::win::controls {

namespace {

struct ButtonState
{
    UINT check = BST_UNCHECKED;
    bool pushed = false;
    bool focus = false;
    // A press in progress: by the mouse (with capture) or by the space bar.
    bool mouseTracking = false;
    bool keyTracking = false;
    HANDLE image = nullptr;
    HFONT font = nullptr;
};

DWORD Kind(HWND hwnd)
{
    return static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE)) & BS_TYPEMASK;
}

bool IsPush(DWORD kind)
{
    return kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON || kind == BS_USERBUTTON ||
           kind == BS_PUSHBOX;
}

bool IsCheck(DWORD kind)
{
    return kind == BS_CHECKBOX || kind == BS_AUTOCHECKBOX || kind == BS_3STATE ||
           kind == BS_AUTO3STATE;
}

bool IsRadio(DWORD kind)
{
    return kind == BS_RADIOBUTTON || kind == BS_AUTORADIOBUTTON;
}

void Redraw(HWND hwnd)
{
    InvalidateRect(hwnd, nullptr, TRUE);
}

void SetPushed(HWND hwnd, ButtonState* s, bool pushed)
{
    if (s->pushed == pushed)
        return;
    s->pushed = pushed;
    Redraw(hwnd);
}

// An auto radio button checks itself and clears the others of its group.
void CheckAutoRadio(HWND hwnd)
{
    HWND parent = GetParent(hwnd);
    if (parent) {
        HWND first = hwnd;
        for (HWND h = GetNextDlgGroupItem(parent, hwnd, FALSE); h && h != hwnd;
             h = GetNextDlgGroupItem(parent, h, FALSE)) {
            if (h == first)
                break;
            if (Kind(h) == BS_AUTORADIOBUTTON)
                SendMessageW(h, BM_SETCHECK, BST_UNCHECKED, 0);
        }
    }
    SendMessageW(hwnd, BM_SETCHECK, BST_CHECKED, 0);
}

// The click: auto styles change their check state first, then the parent hears BN_CLICKED.
void Click(HWND hwnd)
{
    ButtonState* s = GetState<ButtonState>(hwnd);
    if (!s)
        return;
    switch (Kind(hwnd)) {
    case BS_AUTOCHECKBOX:
        SendMessageW(hwnd, BM_SETCHECK, s->check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED, 0);
        break;
    case BS_AUTO3STATE:
        SendMessageW(hwnd, BM_SETCHECK, (s->check + 1) % 3, 0);
        break;
    case BS_AUTORADIOBUTTON:
        CheckAutoRadio(hwnd);
        break;
    default:
        break;
    }
    NotifyParent(hwnd, BN_CLICKED);
}

void DrawLabel(HWND hwnd, HDC dc, ButtonState* s, RECT r, UINT format)
{
    DWORD style = static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE));
    bool enabled = IsWindowEnabled(hwnd);
    if ((style & (BS_ICON | BS_BITMAP)) && s->image) {
        if (style & BS_ICON) {
            ICONINFO ii{};
            int w = 16, h = 16;
            if (GetIconInfo(static_cast<HICON>(s->image), &ii)) {
                BITMAP bm{};
                if (ii.hbmColor && GetObjectW(ii.hbmColor, sizeof bm, &bm)) {
                    w = bm.bmWidth;
                    h = bm.bmHeight;
                }
                if (ii.hbmColor)
                    DeleteObject(ii.hbmColor);
                if (ii.hbmMask)
                    DeleteObject(ii.hbmMask);
            }
            DrawIconEx(dc, (r.left + r.right - w) / 2, (r.top + r.bottom - h) / 2,
                       static_cast<HICON>(s->image), w, h, 0, nullptr, DI_NORMAL);
        } else {
            BITMAP bm{};
            if (GetObjectW(s->image, sizeof bm, &bm)) {
                HDC mem = CreateCompatibleDC(dc);
                HGDIOBJ old = SelectObject(mem, s->image);
                BitBlt(dc, (r.left + r.right - bm.bmWidth) / 2,
                       (r.top + r.bottom - bm.bmHeight) / 2, bm.bmWidth, bm.bmHeight, mem, 0, 0,
                       SRCCOPY);
                SelectObject(mem, old);
                DeleteDC(mem);
            }
        }
        return;
    }
    wchar_t text[512];
    int n = GetWindowTextW(hwnd, text, 512);
    if (n <= 0)
        return;
    HGDIOBJ oldFont = SelectObject(dc, ControlFont(s->font));
    SetBkMode(dc, TRANSPARENT);
    if (!enabled)
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    DrawTextW(dc, text, n, &r, format);
    SelectObject(dc, oldFont);
}

void PaintPush(HWND hwnd, HDC dc, ButtonState* s, RECT r)
{
    // The parent is asked, as it is on Windows, but a push button's face keeps the button
    // colour: a parent that colours its whole dialog must not recolour its buttons.
    ParentCtlColor(hwnd, dc, WM_CTLCOLORBTN);
    bool def = Kind(hwnd) == BS_DEFPUSHBUTTON;
    FillRect(dc, &r, GetSysColorBrush(s->pushed ? COLOR_BTNSHADOW : COLOR_BTNFACE));
    // A default button carries a second, dark border.
    FrameRect(dc, &r, GetSysColorBrush(def || s->pushed ? COLOR_WINDOWFRAME : COLOR_BTNSHADOW));
    if (def) {
        RECT inner = r;
        InflateRect(&inner, -1, -1);
        FrameRect(dc, &inner, GetSysColorBrush(COLOR_WINDOWFRAME));
    }
    RECT label = r;
    if (s->pushed)
        OffsetRect(&label, 1, 1);
    SetTextColor(dc, GetSysColor(s->pushed ? COLOR_HIGHLIGHTTEXT : COLOR_BTNTEXT));
    DrawLabel(hwnd, dc, s, label, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (s->focus) {
        RECT f = r;
        InflateRect(&f, -3, -3);
        DrawFocusRect(dc, &f);
    }
}

void PaintCheckOrRadio(HWND hwnd, HDC dc, ButtonState* s, RECT r, bool radio)
{
    HBRUSH back = ParentCtlColor(hwnd, dc, WM_CTLCOLORSTATIC);
    FillRect(dc, &r, back);
    const int box = 13;
    int top = (r.top + r.bottom - box) / 2;
    RECT b{r.left, top, r.left + box, top + box};
    bool enabled = IsWindowEnabled(hwnd);
    HBRUSH fill = GetSysColorBrush(s->pushed || !enabled ? COLOR_BTNFACE : COLOR_WINDOW);
    HPEN frame = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
    HGDIOBJ oldPen = SelectObject(dc, frame);
    HGDIOBJ oldBrush = SelectObject(dc, fill);
    COLORREF mark = GetSysColor(enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT);
    if (radio) {
        Ellipse(dc, b.left, b.top, b.right, b.bottom);
        if (s->check == BST_CHECKED) {
            HBRUSH dot = CreateSolidBrush(mark);
            SelectObject(dc, dot);
            SelectObject(dc, GetStockObject(NULL_PEN));
            Ellipse(dc, b.left + 4, b.top + 4, b.right - 3, b.bottom - 3);
            SelectObject(dc, fill);
            DeleteObject(dot);
        }
    } else {
        Rectangle(dc, b.left, b.top, b.right, b.bottom);
        if (s->check == BST_CHECKED) {
            HPEN pen = CreatePen(PS_SOLID, 2, mark);
            SelectObject(dc, pen);
            POINT tick[3]{
                {b.left + 3, b.top + 6}, {b.left + 5, b.top + 9}, {b.left + 10, b.top + 3}};
            Polyline(dc, tick, 3);
            SelectObject(dc, frame);
            DeleteObject(pen);
        } else if (s->check == BST_INDETERMINATE) {
            RECT in{b.left + 3, b.top + 3, b.right - 3, b.bottom - 3};
            FillRect(dc, &in, GetSysColorBrush(COLOR_BTNSHADOW));
        }
    }
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(frame);
    RECT label{b.right + 4, r.top, r.right, r.bottom};
    DrawLabel(hwnd, dc, s, label, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    if (s->focus) {
        wchar_t text[512];
        int n = GetWindowTextW(hwnd, text, 512);
        SIZE ext{};
        HGDIOBJ oldFont = SelectObject(dc, ControlFont(s->font));
        GetTextExtentPoint32W(dc, text, n, &ext);
        SelectObject(dc, oldFont);
        RECT f{label.left - 1, (r.top + r.bottom - ext.cy) / 2 - 1,
               std::min<LONG>(label.left + ext.cx + 1, r.right),
               (r.top + r.bottom + ext.cy) / 2 + 1};
        DrawFocusRect(dc, &f);
    }
}

void PaintGroupBox(HWND hwnd, HDC dc, ButtonState* s, RECT r)
{
    HBRUSH back = ParentCtlColor(hwnd, dc, WM_CTLCOLORSTATIC);
    HGDIOBJ oldFont = SelectObject(dc, ControlFont(s->font));
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    SelectObject(dc, oldFont);
    RECT frame{r.left, r.top + tm.tmHeight / 2, r.right, r.bottom};
    FrameRect(dc, &frame, GetSysColorBrush(COLOR_BTNSHADOW));
    wchar_t text[512];
    int n = GetWindowTextW(hwnd, text, 512);
    if (n > 0) {
        oldFont = SelectObject(dc, ControlFont(s->font));
        SIZE ext{};
        GetTextExtentPoint32W(dc, text, n, &ext);
        SelectObject(dc, oldFont);
        RECT label{r.left + 8, r.top, std::min<LONG>(r.left + 12 + ext.cx, r.right),
                   r.top + tm.tmHeight};
        FillRect(dc, &label, back);
        label.left += 2;
        DrawLabel(hwnd, dc, s, label, DT_LEFT | DT_TOP | DT_SINGLELINE);
    }
}

void PaintOwnerDraw(HWND hwnd, HDC dc, ButtonState* s, RECT r)
{
    DRAWITEMSTRUCT dis{};
    dis.CtlType = ODT_BUTTON;
    dis.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd));
    dis.itemAction = ODA_DRAWENTIRE;
    dis.itemState = (s->pushed ? ODS_SELECTED : 0) | (s->focus ? ODS_FOCUS : 0) |
                    (IsWindowEnabled(hwnd) ? 0 : ODS_DISABLED);
    dis.hwndItem = hwnd;
    dis.hDC = dc;
    dis.rcItem = r;
    HWND parent = GetParent(hwnd);
    // The owner paints the whole face; a background fill first keeps stale pixels out.
    FillRect(dc, &r, ParentCtlColor(hwnd, dc, WM_CTLCOLORBTN));
    if (parent)
        SendMessageW(parent, WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
}

void Paint(HWND hwnd, HDC dc)
{
    ButtonState* s = GetState<ButtonState>(hwnd);
    if (!s)
        return;
    RECT r = ClientRect(hwnd);
    int saved = SaveDC(dc);
    DWORD kind = Kind(hwnd);
    if (kind == BS_OWNERDRAW)
        PaintOwnerDraw(hwnd, dc, s, r);
    else if (kind == BS_GROUPBOX)
        PaintGroupBox(hwnd, dc, s, r);
    else if (IsCheck(kind) || IsRadio(kind))
        PaintCheckOrRadio(hwnd, dc, s, r, IsRadio(kind));
    else
        PaintPush(hwnd, dc, s, r);
    RestoreDC(dc, saved);
}

LRESULT DlgCode(HWND hwnd)
{
    DWORD kind = Kind(hwnd);
    if (kind == BS_GROUPBOX)
        return DLGC_STATIC;
    if (kind == BS_DEFPUSHBUTTON)
        return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    if (IsPush(kind) || kind == BS_OWNERDRAW)
        return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    if (IsRadio(kind))
        return DLGC_BUTTON | DLGC_RADIOBUTTON;
    return DLGC_BUTTON;
}

} // namespace

LRESULT ButtonWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    ButtonState* s = GetState<ButtonState>(hwnd);
    if (!s && msg != WM_NCCREATE)
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    switch (msg) {
    case WM_NCCREATE:
        CreateState<ButtonState>(hwnd);
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    case WM_NCDESTROY:
        FreeState<ButtonState>(hwnd);
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    case WM_NCHITTEST:
        // A group box lets clicks through to what lies under its frame.
        if (Kind(hwnd) == BS_GROUPBOX)
            return HTTRANSPARENT;
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    case WM_GETDLGCODE:
        return DlgCode(hwnd);
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
    case WM_PRINTCLIENT: {
        if (msg == WM_PRINTCLIENT) {
            Paint(hwnd, reinterpret_cast<HDC>(wParam));
            return 0;
        }
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        Paint(hwnd, dc);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_SETFONT:
        s->font = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam))
            Redraw(hwnd);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(s->font);
    case WM_SETTEXT: {
        LRESULT r = DefWindowProcW(hwnd, msg, wParam, lParam);
        Redraw(hwnd);
        return r;
    }
    case WM_ENABLE:
        Redraw(hwnd);
        return 0;
    case WM_SETFOCUS:
        s->focus = true;
        if (IsPush(Kind(hwnd)))
            dialogs::UpdateDefaultLook(GetParent(hwnd), reinterpret_cast<HWND>(wParam), hwnd);
        Redraw(hwnd);
        if (GetWindowLongW(hwnd, GWL_STYLE) & BS_NOTIFY)
            NotifyParent(hwnd, BN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        s->focus = false;
        if (IsPush(Kind(hwnd)))
            dialogs::UpdateDefaultLook(GetParent(hwnd), hwnd, reinterpret_cast<HWND>(wParam));
        if (s->keyTracking) {
            s->keyTracking = false;
            SetPushed(hwnd, s, false);
        }
        Redraw(hwnd);
        if (GetWindowLongW(hwnd, GWL_STYLE) & BS_NOTIFY)
            NotifyParent(hwnd, BN_KILLFOCUS);
        return 0;
    case WM_LBUTTONDBLCLK:
        if (Kind(hwnd) == BS_OWNERDRAW || IsRadio(Kind(hwnd)) ||
            (GetWindowLongW(hwnd, GWL_STYLE) & BS_NOTIFY)) {
            NotifyParent(hwnd, BN_DOUBLECLICKED);
            return 0;
        }
        [[fallthrough]];
    case WM_LBUTTONDOWN:
        if (Kind(hwnd) == BS_GROUPBOX)
            return 0;
        if (GetFocus() != hwnd)
            SetFocus(hwnd);
        SetCapture(hwnd);
        s->mouseTracking = true;
        SetPushed(hwnd, s, true);
        return 0;
    case WM_MOUSEMOVE:
        if (s->mouseTracking) {
            RECT r = ClientRect(hwnd);
            POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            SetPushed(hwnd, s, PtInRect(&r, p) != FALSE);
        }
        return 0;
    case WM_LBUTTONUP: {
        if (!s->mouseTracking)
            return 0;
        s->mouseTracking = false;
        RECT r = ClientRect(hwnd);
        POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        bool inside = PtInRect(&r, p) != FALSE;
        SetPushed(hwnd, s, false);
        if (GetCapture() == hwnd)
            ReleaseCapture();
        if (inside)
            Click(hwnd);
        return 0;
    }
    case WM_CAPTURECHANGED:
        if (s->mouseTracking && reinterpret_cast<HWND>(lParam) != hwnd) {
            s->mouseTracking = false;
            SetPushed(hwnd, s, false);
        }
        return 0;
    case WM_KEYDOWN:
        if (wParam == static_cast<WPARAM>(VK_SPACE) && Kind(hwnd) != BS_GROUPBOX) {
            if (!s->keyTracking) {
                s->keyTracking = true;
                SetPushed(hwnd, s, true);
            }
            return 0;
        }
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    case WM_KEYUP:
        if (wParam == static_cast<WPARAM>(VK_SPACE) && s->keyTracking) {
            s->keyTracking = false;
            SetPushed(hwnd, s, false);
            Click(hwnd);
            return 0;
        }
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    case BM_GETCHECK:
        return s->check;
    case BM_SETCHECK: {
        DWORD kind = Kind(hwnd);
        UINT check = static_cast<UINT>(wParam);
        if (check == BST_INDETERMINATE && kind != BS_3STATE && kind != BS_AUTO3STATE)
            check = BST_CHECKED;
        if (check > BST_INDETERMINATE)
            return 0;
        if (!IsCheck(kind) && !IsRadio(kind))
            return 0;
        if (s->check != check) {
            s->check = check;
            Redraw(hwnd);
        }
        // A checked radio button is reached by Tab; the others of the group are not.
        if (IsRadio(kind)) {
            DWORD style = static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE));
            DWORD next = check ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP);
            if (next != style)
                SetWindowLongW(hwnd, GWL_STYLE, static_cast<LONG>(next));
        }
        return 0;
    }
    case BM_GETSTATE:
        return s->check | (s->pushed ? BST_PUSHED : 0) | (s->focus ? BST_FOCUS : 0);
    case BM_SETSTATE:
        SetPushed(hwnd, s, wParam != 0);
        return 0;
    case BM_SETSTYLE: {
        DWORD style = static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE));
        DWORD next = (style & ~0xFFFFu) | (static_cast<DWORD>(wParam) & 0xFFFFu);
        if (next != style) {
            SetWindowLongW(hwnd, GWL_STYLE, static_cast<LONG>(next));
            if (LOWORD(lParam))
                Redraw(hwnd);
        }
        return 0;
    }
    case BM_CLICK:
        if (IsWindowEnabled(hwnd) && IsWindowVisible(hwnd))
            Click(hwnd);
        return 0;
    case BM_GETIMAGE:
        return reinterpret_cast<LRESULT>(s->image);
    case BM_SETIMAGE: {
        if (wParam != IMAGE_ICON && wParam != IMAGE_BITMAP)
            return 0;
        HANDLE old = s->image;
        s->image = reinterpret_cast<HANDLE>(lParam);
        Redraw(hwnd);
        return reinterpret_cast<LRESULT>(old);
    }
    default:
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

} // namespace zt::win::controls
