#include "platform/win/mfc/CWnd.h"

#include "platform/win/Desktop.h"
#include "platform/win/mfc/CWinApp.h"

#include <cwchar>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <unordered_map>

namespace {

// The handle maps. Windows are owned by the user-interface thread, so are these.
std::unordered_map<HWND, CWnd*>& PermanentMap()
{
    static auto* map = new std::unordered_map<HWND, CWnd*>;
    return *map;
}

// Temporary objects live until their window is destroyed.
std::unordered_map<HWND, std::unique_ptr<CWnd>>& TemporaryMap()
{
    static std::unordered_map<HWND, std::unique_ptr<CWnd>> map;
    return map;
}

struct MessageState
{
    MSG lastSent{};
    UINT ctlColor = 0;
};
thread_local MessageState t_state;
thread_local CWnd* t_pWndInit = nullptr;
void (*g_toolTipFilter)(CWnd*, MSG*) = nullptr;

void AfxCreationHook(HWND hwnd, const CREATESTRUCTW*)
{
    CWnd* pWnd = t_pWndInit;
    if (!pWnd)
        return;
    t_pWndInit = nullptr;
    pWnd->Attach(hwnd);
    pWnd->PreSubclassWindow();
    auto old = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
    if (old != &AfxWndProc)
        pWnd->m_pfnSuper = old;
}

void AfxDestructionHook(HWND hwnd)
{
    auto& temp = TemporaryMap();
    auto it = temp.find(hwnd);
    if (it != temp.end()) {
        std::unique_ptr<CWnd> gone = std::move(it->second);
        temp.erase(it);
        gone->m_hWnd = nullptr;
    }
    // A permanent object whose window went without WM_NCDESTROY reaching it is let go.
    auto& perm = PermanentMap();
    auto p = perm.find(hwnd);
    if (p != perm.end()) {
        p->second->m_hWnd = nullptr;
        perm.erase(p);
    }
}

BOOL AfxPreTranslateHook(MSG* msg)
{
    if (CWinThread* thread = AfxGetThread())
        return thread->PreTranslateMessage(msg);
    return CWnd::WalkPreTranslateTree(nullptr, msg);
}

// The class library hooks window creation and the pump once, when it is loaded.
const bool g_hooksInstalled = [] {
    zt::win::Desktop::SetCreationHook(&AfxCreationHook);
    zt::win::Desktop::SetDestructionHook(&AfxDestructionHook);
    zt::win::Desktop::SetPreTranslateHook(&AfxPreTranslateHook);
    return true;
}();

} // namespace

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

CWnd::CWnd()
{
    (void)g_hooksInstalled;
}

CWnd::~CWnd()
{
    if (m_hWnd && FromHandlePermanent(m_hWnd) == this && zt::win::Desktop::IsUIThread()) {
        // The object goes first: the window is destroyed without it.
        HWND h = m_hWnd;
        if (m_pfnSuper)
            SetWindowLongPtrW(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
        Detach();
        ::DestroyWindow(h);
    } else if (m_hWnd) {
        PermanentMap().erase(m_hWnd);
    }
}

CWnd* CWnd::FromHandlePermanent(HWND hwnd)
{
    auto& map = PermanentMap();
    auto it = map.find(hwnd);
    return it == map.end() ? nullptr : it->second;
}

CWnd* CWnd::FromHandle(HWND hwnd)
{
    if (!hwnd || !::IsWindow(hwnd))
        return nullptr;
    if (CWnd* p = FromHandlePermanent(hwnd))
        return p;
    auto& temp = TemporaryMap();
    auto it = temp.find(hwnd);
    if (it != temp.end())
        return it->second.get();
    auto wnd = std::make_unique<CWnd>();
    wnd->m_hWnd = hwnd;
    CWnd* p = wnd.get();
    temp[hwnd] = std::move(wnd);
    return p;
}

BOOL CWnd::Attach(HWND hwnd)
{
    if (m_hWnd || !hwnd || FromHandlePermanent(hwnd))
        return FALSE;
    // A temporary object for the window gives way to the permanent one.
    auto& temp = TemporaryMap();
    auto it = temp.find(hwnd);
    if (it != temp.end()) {
        it->second->m_hWnd = nullptr;
        temp.erase(it);
    }
    PermanentMap()[hwnd] = this;
    m_hWnd = hwnd;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND h = m_hWnd;
    if (h) {
        auto& map = PermanentMap();
        auto it = map.find(h);
        if (it != map.end() && it->second == this)
            map.erase(it);
    }
    m_hWnd = nullptr;
    return h;
}

BOOL CWnd::SubclassWindow(HWND hwnd)
{
    if (!::IsWindow(hwnd) || !Attach(hwnd))
        return FALSE;
    PreSubclassWindow();
    auto old = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
    if (old != &AfxWndProc)
        m_pfnSuper = old;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    if (!pParent)
        return FALSE;
    HWND child = ::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID));
    return child ? SubclassWindow(child) : FALSE;
}

HWND CWnd::UnsubclassWindow()
{
    if (!m_hWnd)
        return nullptr;
    SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC,
                      reinterpret_cast<LONG_PTR>(m_pfnSuper ? m_pfnSuper : &DefWindowProcW));
    m_pfnSuper = nullptr;
    return Detach();
}

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, CCreateContext*)
{
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top,
                    pParentWnd ? pParentWnd->m_hWnd : nullptr,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), lpParam);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                    int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
                    LPVOID lpParam)
{
    if (m_hWnd)
        return FALSE;
    CREATESTRUCT cs{
        lpParam, AfxGetInstanceHandle(),     nIDorHMenu,     hWndParent,    nHeight,  nWidth, y,
        x,       static_cast<LONG>(dwStyle), lpszWindowName, lpszClassName, dwExStyle};
    if (!PreCreateWindow(cs)) {
        PostNcDestroy();
        return FALSE;
    }
    if (!cs.lpszClass) {
        AfxEnsureStandardClass(AFX_WND);
        cs.lpszClass = AFX_WND;
    } else {
        AfxEnsureStandardClass(cs.lpszClass);
    }
    t_pWndInit = this;
    HWND h = ::CreateWindowExW(cs.dwExStyle, cs.lpszClass, cs.lpszName,
                               static_cast<DWORD>(cs.style), cs.x, cs.y, cs.cx, cs.cy,
                               cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    t_pWndInit = nullptr;
    return h ? TRUE : FALSE;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT&)
{
    return TRUE;
}

void CWnd::PreSubclassWindow() {}

void CWnd::PostNcDestroy() {}

BOOL CWnd::DestroyWindow()
{
    if (!m_hWnd)
        return FALSE;
    HWND h = m_hWnd;
    bool permanent = FromHandlePermanent(h) == this;
    BOOL ok = ::DestroyWindow(h);
    // A temporary object or an attached-only object drops the handle itself.
    if (!permanent && m_hWnd == h)
        m_hWnd = nullptr;
    return ok;
}

BOOL CWnd::PreTranslateMessage(MSG* pMsg)
{
    if (m_bToolTips && g_toolTipFilter)
        g_toolTipFilter(this, pMsg);
    return FALSE;
}

BOOL CWnd::CallPreTranslateMessage(MSG* pMsg)
{
    const CRuntimeClass* rc = GetRuntimeClass();
    if (rc && rc->m_wndOps.pfnPreTranslateMessage)
        return rc->m_wndOps.pfnPreTranslateMessage(this, pMsg);
    return PreTranslateMessage(pMsg);
}

LRESULT CWnd::CallWindowProcOp(UINT message, WPARAM wParam, LPARAM lParam)
{
    const CRuntimeClass* rc = GetRuntimeClass();
    if (rc && rc->m_wndOps.pfnWindowProc)
        return rc->m_wndOps.pfnWindowProc(this, message, wParam, lParam);
    return WindowProc(message, wParam, lParam);
}

LRESULT CWnd::DefaultWindowProcOp(CWnd* self, UINT message, WPARAM wParam, LPARAM lParam)
{
    return self ? self->CWnd::WindowProc(message, wParam, lParam) : 0;
}

BOOL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg)
{
    if (!pMsg)
        return FALSE;
    for (HWND h = pMsg->hwnd; h; h = ::GetParent(h)) {
        if (CWnd* p = FromHandlePermanent(h))
            if (p->CallPreTranslateMessage(pMsg))
                return TRUE;
        if (h == hWndStop)
            break;
    }
    return FALSE;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result))
        result = DefWindowProc(message, wParam, lParam);
    return result;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper)
        return ::CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    const MSG& m = t_state.lastSent;
    return DefWindowProc(m.message, m.wParam, m.lParam);
}

const MSG* AfxGetCurrentMessage()
{
    return &t_state.lastSent;
}

UINT CWnd::ZtCurrentCtlColor()
{
    return t_state.ctlColor;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT result = 0;
    if (message == WM_COMMAND) {
        if (!OnCommand(wParam, lParam))
            return FALSE;
        if (pResult)
            *pResult = 1;
        return TRUE;
    }
    if (message == WM_NOTIFY) {
        auto* nm = reinterpret_cast<NMHDR*>(lParam);
        if (!nm || !nm->hwndFrom || !OnNotify(wParam, lParam, &result))
            return FALSE;
        if (pResult)
            *pResult = result;
        return TRUE;
    }
    UINT search = message;
    UINT savedCtlColor = t_state.ctlColor;
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
        search = WM_CTLCOLOR;
        t_state.ctlColor = message - WM_CTLCOLORMSGBOX;
    }
    const AFX_MSGMAP_ENTRY* e = FindMessageEntry(search, 0, 0);
    BOOL handled = FALSE;
    if (e)
        handled = e->pfn(this, e, wParam, lParam, &result);
    t_state.ctlColor = savedCtlColor;
    if (!handled)
        return FALSE;
    if (pResult)
        *pResult = result;
    return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT nID = LOWORD(wParam);
    int nCode = HIWORD(wParam);
    HWND hWndCtrl = reinterpret_cast<HWND>(lParam);
    if (hWndCtrl) {
        // The control gets its own notification first (ON_CONTROL_REFLECT).
        if (ReflectLastMsg(hWndCtrl))
            return TRUE;
    }
    return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult)
{
    auto* nm = reinterpret_cast<NMHDR*>(lParam);
    if (!nm)
        return FALSE;
    if (ReflectLastMsg(nm->hwndFrom, pResult))
        return TRUE;
    AFX_NOTIFY notify{pResult, nm};
    return OnCmdMsg(static_cast<UINT>(nm->idFrom), MAKELONG(nm->code, WM_NOTIFY), &notify, nullptr);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    switch (message) {
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_PARENTNOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_COMPAREITEM:
        return OnWndMsg(WM_REFLECT_BASE + message, wParam, lParam, pResult);
    case WM_COMMAND: {
        int nCode = HIWORD(wParam);
        if (CCmdTarget::OnCmdMsg(0, MAKELONG(nCode, WM_REFLECT_BASE + WM_COMMAND), nullptr,
                                 nullptr)) {
            if (pResult)
                *pResult = 1;
            return TRUE;
        }
        return FALSE;
    }
    case WM_NOTIFY: {
        auto* nm = reinterpret_cast<NMHDR*>(lParam);
        if (!nm)
            return FALSE;
        AFX_NOTIFY notify{pResult, nm};
        return CCmdTarget::OnCmdMsg(0, MAKELONG(nm->code, WM_REFLECT_BASE + WM_NOTIFY), &notify,
                                    nullptr);
    }
    default:
        if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)
            return OnWndMsg(WM_REFLECT_BASE + WM_CTLCOLOR, wParam,
                            static_cast<LPARAM>(message - WM_CTLCOLORMSGBOX), pResult);
        return FALSE;
    }
}

BOOL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult)
{
    CWnd* child = FromHandlePermanent(hWndChild);
    if (!child)
        return FALSE;
    return child->SendChildNotifyLastMsg(pResult);
}

BOOL CWnd::SendChildNotifyLastMsg(LRESULT* pResult)
{
    const MSG m = t_state.lastSent;
    return OnChildNotify(m.message, m.wParam, m.lParam, pResult);
}

void AfxHookWindowCreate(CWnd* pWnd)
{
    t_pWndInit = pWnd;
}

BOOL AfxUnhookWindowCreate()
{
    bool pending = t_pWndInit != nullptr;
    t_pWndInit = nullptr;
    return pending ? FALSE : TRUE;
}

BOOL CWnd::EnableToolTips(BOOL bEnable)
{
    bool old = m_bToolTips;
    m_bToolTips = bEnable != FALSE;
    return old ? TRUE : FALSE;
}

void CWnd::SetToolTipFilter(void (*filter)(CWnd*, MSG*))
{
    g_toolTipFilter = filter;
}

LRESULT AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    MSG saved = t_state.lastSent;
    t_state.lastSent = MSG{hWnd, nMsg, wParam, lParam, 0, {}};
    LRESULT result = 0;
    try {
        result = pWnd->CallWindowProcOp(nMsg, wParam, lParam);
    } catch (...) {
        t_state.lastSent = saved;
        throw;
    }
    if (nMsg == WM_NCDESTROY && CWnd::FromHandlePermanent(hWnd) == pWnd) {
        // The window is gone: the object lets go of it and may delete itself.
        pWnd->m_pfnSuper = nullptr;
        pWnd->Detach();
        CWinThread* thread = AfxGetThread();
        if (thread && thread->m_pMainWnd == pWnd) {
            thread->m_pMainWnd = nullptr;
            ::PostQuitMessage(0);
        }
        pWnd->PostNcDestroy();
    }
    t_state.lastSent = saved;
    return result;
}

LRESULT AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (!pWnd)
        return ::DefWindowProcW(hWnd, nMsg, wParam, lParam);
    return AfxCallWndProc(pWnd, hWnd, nMsg, wParam, lParam);
}

LPCTSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon)
{
    // Names are kept for the process, as the returned pointers must stay valid.
    static std::set<std::wstring> names;
    wchar_t buf[96];
    std::swprintf(buf, 96, L"Afx:%x:%llx:%llx:%llx", nClassStyle,
                  static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(hCursor)),
                  static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(hbrBackground)),
                  static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(hIcon)));
    const std::wstring& name = *names.insert(buf).first;
    WNDCLASSEXW wc{};
    if (!GetClassInfoExW(nullptr, name.c_str(), &wc)) {
        wc = WNDCLASSEXW{
            sizeof(WNDCLASSEXW), nClassStyle, &DefWindowProcW, 0,      0, nullptr, hIcon, hCursor,
            hbrBackground,       nullptr,     name.c_str(),    nullptr};
        RegisterClassExW(&wc);
    }
    return name.c_str();
}

BOOL AfxEnsureStandardClass(LPCTSTR className)
{
    if (!className || IS_INTRESOURCE(className))
        return FALSE;
    WNDCLASSEXW wc{};
    if (GetClassInfoExW(nullptr, className, &wc))
        return TRUE;
    std::wstring name = className;
    UINT style = 0;
    HBRUSH background = nullptr;
    if (name == AFX_WND) {
        style = CS_DBLCLKS;
    } else if (name == AFX_WNDFRAMEORVIEW) {
        style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
        background = reinterpret_cast<HBRUSH>(static_cast<UINT_PTR>(COLOR_WINDOW + 1));
    } else {
        return FALSE;
    }
    wc = WNDCLASSEXW{sizeof(WNDCLASSEXW),
                     style,
                     &DefWindowProcW,
                     0,
                     0,
                     nullptr,
                     nullptr,
                     LoadCursorW(nullptr, IDC_ARROW),
                     background,
                     nullptr,
                     className,
                     nullptr};
    return RegisterClassExW(&wc) != 0;
}
