// The tooltip control: tools by window or by rectangle, shown after the hover delay on the
// desktop clock, text given or asked of the tool's window through TTN_NEEDTEXTW.
#include "platform/win/controls/ControlSupport.h"
#include "platform/win/controls/SystemClasses.h"

#include <string>
#include <vector>

namespace zt::win::controls {

namespace {

constexpr UINT_PTR kShowTimer = 1;
constexpr UINT_PTR kPopTimer = 2;

struct Tool
{
    UINT flags = 0;
    HWND hwnd = nullptr;
    UINT_PTR id = 0;
    RECT rect{};
    HINSTANCE hinst = nullptr;
    bool callback = false;
    std::wstring text;
    LPARAM lParam = 0;
};

struct ToolTipState
{
    std::vector<Tool> tools;
    bool active = true;
    UINT initial = 500;
    UINT autopop = 5000;
    UINT reshow = 100;
    int current = -1;
    // A click hides the tip until the pointer moves to another tool.
    bool suppressed = false;
    bool shown = false;
    std::wstring text;
    POINT cursor{};
    // Below zero, as a new tip starts, a text is shown on one line however long it is.
    int maxWidth = -1;
    bool wrap = false;
};

int FindTool(ToolTipState* s, HWND hwnd, UINT_PTR id)
{
    for (std::size_t i = 0; i < s->tools.size(); ++i)
        if (s->tools[i].hwnd == hwnd && s->tools[i].id == id)
            return static_cast<int>(i);
    return -1;
}

int ToolAt(ToolTipState* s, HWND hwnd, POINT client)
{
    for (std::size_t i = 0; i < s->tools.size(); ++i) {
        const Tool& t = s->tools[i];
        if (t.flags & TTF_IDISHWND) {
            if (reinterpret_cast<HWND>(t.id) == hwnd)
                return static_cast<int>(i);
        } else if (t.hwnd == hwnd && PtInRect(&t.rect, client)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void Notify(HWND tip, const Tool& t, UINT code)
{
    NMHDR nm{tip, t.id, code};
    if (t.hwnd)
        SendMessageW(t.hwnd, WM_NOTIFY, t.id, reinterpret_cast<LPARAM>(&nm));
}

std::wstring ToolText(HWND tip, const Tool& t)
{
    if (!t.callback)
        return t.text;
    NMTTDISPINFOW info{};
    info.hdr = {tip, t.id, TTN_NEEDTEXTW};
    info.hinst = t.hinst;
    info.uFlags = t.flags;
    info.lParam = t.lParam;
    if (t.hwnd)
        SendMessageW(t.hwnd, WM_NOTIFY, t.id, reinterpret_cast<LPARAM>(&info));
    if (info.lpszText && info.lpszText != LPSTR_TEXTCALLBACKW) {
        if (IS_INTRESOURCE(info.lpszText)) {
            wchar_t buf[512];
            int n = LoadStringW(info.hinst,
                                static_cast<UINT>(reinterpret_cast<ULONG_PTR>(info.lpszText)), buf,
                                512);
            return std::wstring(buf, static_cast<std::size_t>(n > 0 ? n : 0));
        }
        return info.lpszText;
    }
    info.szText[79] = L'\0';
    return info.szText;
}

void Pop(HWND tip, ToolTipState* s)
{
    KillTimer(tip, kShowTimer);
    KillTimer(tip, kPopTimer);
    if (s->shown) {
        s->shown = false;
        ShowWindow(tip, SW_HIDE);
        if (s->current >= 0 && s->current < static_cast<int>(s->tools.size()))
            Notify(tip, s->tools[static_cast<std::size_t>(s->current)], TTN_POP);
    }
}

void Show(HWND tip, ToolTipState* s)
{
    KillTimer(tip, kShowTimer);
    if (!s->active || s->current < 0 || s->current >= static_cast<int>(s->tools.size()))
        return;
    Tool tool = s->tools[static_cast<std::size_t>(s->current)];
    s->text = ToolText(tip, tool);
    if (!IsWindow(tip) || s->text.empty())
        return;
    HDC dc = GetDC(tip);
    HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    RECT r{0, 0, 0, 0};
    DrawTextW(dc, s->text.c_str(), static_cast<int>(s->text.size()), &r,
              DT_CALCRECT | DT_NOPREFIX);
    s->wrap = s->maxWidth >= 0 && r.right - r.left > s->maxWidth;
    if (s->wrap) {
        r = RECT{0, 0, s->maxWidth, 0};
        DrawTextW(dc, s->text.c_str(), static_cast<int>(s->text.size()), &r,
                  DT_CALCRECT | DT_NOPREFIX | DT_WORDBREAK);
    }
    SelectObject(dc, old);
    ReleaseDC(tip, dc);
    int width = r.right - r.left + 8;
    int height = r.bottom - r.top + 4;
    POINT at{s->cursor.x, s->cursor.y + 20};
    SIZE screen{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (at.x + width > screen.cx)
        at.x = screen.cx - width;
    if (at.y + height > screen.cy)
        at.y = s->cursor.y - height - 2;
    s->shown = true;
    Notify(tip, tool, TTN_SHOW);
    SetWindowPos(tip, HWND_TOPMOST, at.x, at.y, width, height, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(tip, nullptr, TRUE);
    SetTimer(tip, kPopTimer, s->autopop, nullptr);
}

void Relay(HWND tip, ToolTipState* s, const MSG* m)
{
    if (!m)
        return;
    switch (m->message) {
    case WM_MOUSEMOVE: {
        POINT p{GET_X_LPARAM(m->lParam), GET_Y_LPARAM(m->lParam)};
        int tool = ToolAt(s, m->hwnd, p);
        POINT screen = p;
        ClientToScreen(m->hwnd, &screen);
        if (tool < 0) {
            Pop(tip, s);
            s->current = -1;
            s->suppressed = false;
            return;
        }
        if (tool == s->current) {
            if (!s->shown)
                s->cursor = screen;
            return;
        }
        bool wasShown = s->shown;
        Pop(tip, s);
        s->current = tool;
        s->suppressed = false;
        s->cursor = screen;
        if (s->active)
            SetTimer(tip, kShowTimer, wasShown ? s->reshow : s->initial, nullptr);
        return;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
    case WM_NCMOUSEMOVE:
    case WM_MOUSELEAVE:
        Pop(tip, s);
        s->suppressed = m->message != WM_MOUSELEAVE && m->message != WM_NCMOUSEMOVE;
        if (!s->suppressed)
            s->current = -1;
        return;
    default:
        return;
    }
}

void Paint(HWND hwnd, ToolTipState* s)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT r = ClientRect(hwnd);
    FillRect(dc, &r, GetSysColorBrush(COLOR_INFOBK));
    FrameRect(dc, &r, GetSysColorBrush(COLOR_INFOTEXT));
    HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
    RECT t{r.left + 4, r.top + 2, r.right - 4, r.bottom - 2};
    DrawTextW(dc, s->text.c_str(), static_cast<int>(s->text.size()), &t,
              DT_NOPREFIX | (s->wrap ? DT_WORDBREAK : 0u));
    SelectObject(dc, old);
    EndPaint(hwnd, &ps);
}

Tool FromInfo(const TOOLINFOW* ti)
{
    Tool t;
    t.flags = ti->uFlags;
    t.hwnd = ti->hwnd;
    t.id = ti->uId;
    t.rect = ti->rect;
    t.hinst = ti->hinst;
    t.lParam = ti->lParam;
    if (ti->lpszText == LPSTR_TEXTCALLBACKW) {
        t.callback = true;
    } else if (ti->lpszText && IS_INTRESOURCE(ti->lpszText)) {
        wchar_t buf[512];
        int n = LoadStringW(ti->hinst, static_cast<UINT>(reinterpret_cast<ULONG_PTR>(ti->lpszText)),
                            buf, 512);
        t.text.assign(buf, static_cast<std::size_t>(n > 0 ? n : 0));
    } else if (ti->lpszText) {
        t.text = ti->lpszText;
    }
    return t;
}

// TTF_SUBCLASS: the tool's window is subclassed so that its mouse messages reach the tip
// without the owner relaying them.
constexpr const wchar_t* kOldProcProp = L"ZtToolTipOldProc";
constexpr const wchar_t* kRelayTipProp = L"ZtToolTipRelay";

HWND ToolWindow(const Tool& t)
{
    return (t.flags & TTF_IDISHWND) ? reinterpret_cast<HWND>(t.id) : t.hwnd;
}

void Unsubclass(HWND window);

LRESULT RelayingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto old = reinterpret_cast<WNDPROC>(GetPropW(hwnd, kOldProcProp));
    auto tip = reinterpret_cast<HWND>(GetPropW(hwnd, kRelayTipProp));
    bool mouse = (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) || msg == WM_MOUSELEAVE;
    if (tip && mouse && IsWindow(tip)) {
        if (msg == WM_MOUSEMOVE) {
            // Leaving the window must pop the tip too.
            TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, hwnd, 0};
            TrackMouseEvent(&track);
        }
        MSG m{hwnd, msg, wParam, lParam, static_cast<DWORD>(GetMessageTime()), {}};
        SendMessageW(tip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&m));
    }
    if (msg == WM_NCDESTROY)
        Unsubclass(hwnd);
    return old ? CallWindowProcW(old, hwnd, msg, wParam, lParam)
               : DefWindowProcW(hwnd, msg, wParam, lParam);
}

void Subclass(HWND window, HWND tip)
{
    if (!window || !IsWindow(window))
        return;
    if (!GetPropW(window, kOldProcProp)) {
        auto old =
            SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RelayingProc));
        SetPropW(window, kOldProcProp, reinterpret_cast<HANDLE>(old));
    }
    SetPropW(window, kRelayTipProp, tip);
}

void Unsubclass(HWND window)
{
    if (!window || !IsWindow(window))
        return;
    RemovePropW(window, kRelayTipProp);
    HANDLE old = GetPropW(window, kOldProcProp);
    // A procedure installed over ours keeps calling it, so it stays until it is on top again.
    if (old &&
        GetWindowLongPtrW(window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&RelayingProc)) {
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old));
        RemovePropW(window, kOldProcProp);
    }
}

bool SubclassedByOther(ToolTipState* s, HWND window, std::size_t except)
{
    for (std::size_t i = 0; i < s->tools.size(); ++i)
        if (i != except && (s->tools[i].flags & TTF_SUBCLASS) && ToolWindow(s->tools[i]) == window)
            return true;
    return false;
}

} // namespace

LRESULT ToolTipWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    ToolTipState* s = GetState<ToolTipState>(hwnd);
    if (!s && msg != WM_NCCREATE)
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    auto* ti = reinterpret_cast<TOOLINFOW*>(lParam);
    switch (msg) {
    case WM_NCCREATE:
        CreateState<ToolTipState>(hwnd);
        // A tip never takes activation and floats above everything.
        SetWindowLongW(hwnd, GWL_EXSTYLE,
                       GetWindowLongW(hwnd, GWL_EXSTYLE) |
                           static_cast<LONG>(WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW));
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    case WM_NCDESTROY:
        for (const Tool& t : s->tools)
            if ((t.flags & TTF_SUBCLASS) &&
                reinterpret_cast<HWND>(GetPropW(ToolWindow(t), kRelayTipProp)) == hwnd)
                Unsubclass(ToolWindow(t));
        FreeState<ToolTipState>(hwnd);
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    case WM_NCHITTEST:
        return HTTRANSPARENT;
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        Paint(hwnd, s);
        return 0;
    case WM_TIMER:
        if (wParam == kShowTimer) {
            if (!s->suppressed)
                Show(hwnd, s);
            else
                KillTimer(hwnd, kShowTimer);
        } else if (wParam == kPopTimer) {
            Pop(hwnd, s);
            s->suppressed = true;
        }
        return 0;
    case TTM_ADDTOOLW: {
        if (!ti)
            return FALSE;
        Tool t = FromInfo(ti);
        int at = FindTool(s, t.hwnd, t.id);
        if (at >= 0)
            s->tools[static_cast<std::size_t>(at)] = t;
        else
            s->tools.push_back(t);
        if (t.flags & TTF_SUBCLASS)
            Subclass(ToolWindow(t), hwnd);
        return TRUE;
    }
    case TTM_DELTOOLW: {
        if (!ti)
            return 0;
        int at = FindTool(s, ti->hwnd, ti->uId);
        if (at >= 0) {
            if (at == s->current) {
                Pop(hwnd, s);
                s->current = -1;
            } else if (at < s->current) {
                --s->current;
            }
            const Tool& gone = s->tools[static_cast<std::size_t>(at)];
            if ((gone.flags & TTF_SUBCLASS) &&
                !SubclassedByOther(s, ToolWindow(gone), static_cast<std::size_t>(at)))
                Unsubclass(ToolWindow(gone));
            s->tools.erase(s->tools.begin() + at);
        }
        return 0;
    }
    case TTM_NEWTOOLRECTW:
        if (ti) {
            int at = FindTool(s, ti->hwnd, ti->uId);
            if (at >= 0)
                s->tools[static_cast<std::size_t>(at)].rect = ti->rect;
        }
        return 0;
    case TTM_UPDATETIPTEXTW:
        if (ti) {
            int at = FindTool(s, ti->hwnd, ti->uId);
            if (at >= 0) {
                Tool t = FromInfo(ti);
                Tool& old = s->tools[static_cast<std::size_t>(at)];
                old.callback = t.callback;
                old.text = t.text;
                if (s->shown && at == s->current) {
                    s->text = ToolText(hwnd, old);
                    InvalidateRect(hwnd, nullptr, TRUE);
                }
            }
        }
        return 0;
    case TTM_GETTEXTW:
        if (ti && ti->lpszText && wParam > 0) {
            int at = FindTool(s, ti->hwnd, ti->uId);
            std::wstring text = at >= 0 ? s->tools[static_cast<std::size_t>(at)].text : L"";
            std::size_t n = std::min<std::size_t>(text.size(), wParam - 1);
            text.copy(ti->lpszText, n);
            ti->lpszText[n] = L'\0';
        }
        return 0;
    case TTM_GETTOOLCOUNT:
        return static_cast<LRESULT>(s->tools.size());
    case TTM_ACTIVATE:
        s->active = wParam != 0;
        if (!s->active)
            Pop(hwnd, s);
        return 0;
    case TTM_SETDELAYTIME: {
        int ms = static_cast<short>(LOWORD(lParam));
        switch (wParam) {
        case TTDT_AUTOMATIC: {
            UINT base = ms < 0 ? 500u : static_cast<UINT>(ms);
            s->initial = base;
            s->autopop = base * 10;
            s->reshow = base / 5;
            break;
        }
        case TTDT_INITIAL:
            s->initial = ms < 0 ? 500u : static_cast<UINT>(ms);
            break;
        case TTDT_AUTOPOP:
            s->autopop = ms < 0 ? 5000u : static_cast<UINT>(ms);
            break;
        case TTDT_RESHOW:
            s->reshow = ms < 0 ? 100u : static_cast<UINT>(ms);
            break;
        default:
            break;
        }
        return 0;
    }
    case TTM_GETDELAYTIME:
        return wParam == TTDT_AUTOPOP ? s->autopop : wParam == TTDT_RESHOW ? s->reshow : s->initial;
    case TTM_SETMAXTIPWIDTH: {
        const int previous = s->maxWidth;
        s->maxWidth = static_cast<int>(lParam);
        return previous;
    }
    case TTM_GETMAXTIPWIDTH:
        return s->maxWidth;
    case TTM_POP:
        Pop(hwnd, s);
        return 0;
    case TTM_RELAYEVENT:
        Relay(hwnd, s, reinterpret_cast<const MSG*>(lParam));
        return 0;
    default:
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

} // namespace zt::win::controls
