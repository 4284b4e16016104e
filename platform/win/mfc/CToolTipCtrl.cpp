#include "platform/win/mfc/CToolTipCtrl.h"

#include "platform/win/mfc/CPoint.h"

#include <string>
#include <unordered_map>

IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)

namespace {

constexpr const wchar_t* kTipOwnerProp = L"ZtToolTipOf";

// The tips of windows with EnableToolTips, and the tool each shows now.
struct WindowTip
{
    HWND tip = nullptr;
    TOOLINFOW tool{};
    bool hasTool = false;
};

std::unordered_map<HWND, WindowTip>& WindowTips()
{
    static auto* map = new std::unordered_map<HWND, WindowTip>();
    return *map;
}

bool SameTool(const TOOLINFOW& a, const TOOLINFOW& b)
{
    return a.hwnd == b.hwnd && a.uId == b.uId && ((a.uFlags ^ b.uFlags) & TTF_IDISHWND) == 0 &&
           EqualRect(&a.rect, &b.rect);
}

void ToolTipFilter(CWnd* wnd, MSG* msg)
{
    if (!wnd || !msg || !wnd->m_hWnd)
        return;
    bool mouse = (msg->message >= WM_MOUSEFIRST && msg->message <= WM_MOUSELAST) ||
                 msg->message == WM_MOUSELEAVE || msg->message == WM_NCMOUSEMOVE;
    if (!mouse)
        return;
    auto& tips = WindowTips();
    // The tips of windows that are gone go with them.
    for (auto it = tips.begin(); it != tips.end();) {
        if (IsWindow(it->first)) {
            ++it;
            continue;
        }
        HWND tip = it->second.tip;
        if (tip && IsWindow(tip) && GetPropW(tip, kTipOwnerProp) == it->first)
            DestroyWindow(tip);
        it = tips.erase(it);
    }
    WindowTip& wt = tips[wnd->m_hWnd];
    // Handles are reused: a tip is ours only while it is a tooltip owned by this window.
    wchar_t cls[32] = L"";
    if (wt.tip && IsWindow(wt.tip))
        GetClassNameW(wt.tip, cls, 32);
    if (!wt.tip || !IsWindow(wt.tip) || GetPropW(wt.tip, kTipOwnerProp) != wnd->m_hWnd ||
        std::wstring(cls) != TOOLTIPS_CLASSW) {
        wt = WindowTip{};
        wt.tip = CreateWindowExW(WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW,
                                 TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0,
                                 wnd->m_hWnd, nullptr, nullptr, nullptr);
        if (!wt.tip) {
            tips.erase(wnd->m_hWnd);
            return;
        }
        SetPropW(wt.tip, kTipOwnerProp, wnd->m_hWnd);
    }
    POINT screen = msg->pt;
    if (msg->message != WM_MOUSELEAVE) {
        screen = {GET_X_LPARAM(msg->lParam), GET_Y_LPARAM(msg->lParam)};
        ClientToScreen(msg->hwnd, &screen);
    }
    POINT client = screen;
    ScreenToClient(wnd->m_hWnd, &client);
    TOOLINFOW ti{};
    ti.cbSize = sizeof ti;
    INT_PTR hit = msg->message == WM_MOUSELEAVE ? -1 : wnd->OnToolHitTest(CPoint(client), &ti);
    if (hit == -1) {
        SendMessageW(wt.tip, TTM_POP, 0, 0);
        if (wt.hasTool)
            SendMessageW(wt.tip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&wt.tool));
        wt.hasTool = false;
        return;
    }
    if (!wt.hasTool || !SameTool(wt.tool, ti)) {
        if (wt.hasTool)
            SendMessageW(wt.tip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&wt.tool));
        if (!ti.hwnd)
            ti.hwnd = wnd->m_hWnd;
        if (!ti.lpszText)
            ti.lpszText = LPSTR_TEXTCALLBACKW;
        SendMessageW(wt.tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
        wt.tool = ti;
        wt.tool.lpszText = LPSTR_TEXTCALLBACKW;
        wt.hasTool = true;
    }
    // The tip sees the event in the coordinates of the tool's window.
    MSG relay = *msg;
    relay.hwnd = (ti.uFlags & TTF_IDISHWND) ? reinterpret_cast<HWND>(ti.uId) : ti.hwnd;
    POINT local = screen;
    ScreenToClient(relay.hwnd, &local);
    relay.lParam = MAKELPARAM(local.x, local.y);
    SendMessageW(wt.tip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relay));
}

const bool g_filterInstalled = [] {
    CWnd::SetToolTipFilter(&ToolTipFilter);
    return true;
}();

} // namespace

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle)
{
    (void)g_filterInstalled;
    return CreateEx(WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW, TOOLTIPS_CLASSW, nullptr,
                    WS_POPUP | dwStyle, 0, 0, 0, 0, pParentWnd ? pParentWnd->m_hWnd : nullptr,
                    nullptr);
}

void CToolTipCtrl::FillInfo(TOOLINFOW& ti, CWnd* pWnd, UINT_PTR nIDTool) const
{
    ti = TOOLINFOW{};
    ti.cbSize = sizeof ti;
    if (nIDTool == 0 && pWnd) {
        ti.uFlags = TTF_IDISHWND;
        ti.hwnd = ::GetParent(pWnd->m_hWnd);
        ti.uId = reinterpret_cast<UINT_PTR>(pWnd->m_hWnd);
    } else {
        ti.hwnd = pWnd ? pWnd->m_hWnd : nullptr;
        ti.uId = nIDTool;
    }
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, LPCTSTR lpszText, LPCRECT lpRectTool, UINT_PTR nIDTool)
{
    if (!pWnd)
        return FALSE;
    TOOLINFOW ti;
    FillInfo(ti, pWnd, lpRectTool && nIDTool == 0 ? static_cast<UINT_PTR>(-1) : nIDTool);
    if (lpRectTool)
        ti.rect = *lpRectTool;
    ti.lpszText = const_cast<LPWSTR>(lpszText);
    return static_cast<BOOL>(SendMessage(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti)));
}

void CToolTipCtrl::DelTool(CWnd* pWnd, UINT_PTR nIDTool)
{
    TOOLINFOW ti;
    FillInfo(ti, pWnd, nIDTool);
    SendMessage(TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
}

void CToolTipCtrl::UpdateTipText(LPCTSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool)
{
    TOOLINFOW ti;
    FillInfo(ti, pWnd, nIDTool);
    ti.lpszText = const_cast<LPWSTR>(lpszText);
    SendMessage(TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&ti));
}

void CToolTipCtrl::Activate(BOOL bActivate)
{
    SendMessage(TTM_ACTIVATE, static_cast<WPARAM>(bActivate));
}

void CToolTipCtrl::RelayEvent(LPMSG lpMsg)
{
    SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(lpMsg));
}

void CToolTipCtrl::SetDelayTime(UINT nDelay)
{
    SendMessage(TTM_SETDELAYTIME, TTDT_AUTOMATIC, MAKELPARAM(nDelay, 0));
}

void CToolTipCtrl::SetDelayTime(DWORD dwDuration, int iTime)
{
    SendMessage(TTM_SETDELAYTIME, dwDuration, MAKELPARAM(iTime, 0));
}

int CToolTipCtrl::GetDelayTime(DWORD dwDuration) const
{
    return static_cast<int>(SendMessage(TTM_GETDELAYTIME, dwDuration));
}

void CToolTipCtrl::Pop()
{
    SendMessage(TTM_POP);
}

int CToolTipCtrl::GetToolCount() const
{
    return static_cast<int>(SendMessage(TTM_GETTOOLCOUNT));
}
