#include "ztui/frame/GraphicsViewHook.h"

#include "platform/host/MainFrame.h"
#include "ztui/frame/ZTViewMsgEventListener.h"

#include <cstring>

namespace zt {

namespace {

constexpr const wchar_t* kViewClassName = L"AfxFrameOrView120u";

struct HookState
{
    CRuntimeClass* viewClass = nullptr;
    AFX_WNDOPS original{};
};

// Used on the user-interface thread only.
HookState g_hook;

BOOL FindView(HWND hwnd, LPARAM lParam)
{
    wchar_t name[64];
    if (::GetClassNameW(hwnd, name, 64) && std::wcscmp(name, kViewClassName) == 0 &&
        (static_cast<DWORD>(::GetWindowLongPtrW(hwnd, GWL_EXSTYLE)) & WS_EX_CLIENTEDGE)) {
        *reinterpret_cast<HWND*>(lParam) = hwnd;
        return FALSE;
    }
    return TRUE;
}

// Puts the original PreTranslateMessage in place for its lifetime and the hook back after it,
// however the scope is left.
class OriginalInPlace
{
public:
    explicit OriginalInPlace(CRuntimeClass* rc)
        : m_rc(rc), m_hook(rc->m_wndOps.pfnPreTranslateMessage)
    {
        m_rc->m_wndOps.pfnPreTranslateMessage = g_hook.original.pfnPreTranslateMessage;
    }
    ~OriginalInPlace() { m_rc->m_wndOps.pfnPreTranslateMessage = m_hook; }
    OriginalInPlace(const OriginalInPlace&) = delete;
    OriginalInPlace& operator=(const OriginalInPlace&) = delete;

private:
    CRuntimeClass* m_rc;
    BOOL (*m_hook)(CWnd*, MSG*);
};

} // namespace

BOOL GraphicsViewHook::PreTranslateMessage(MSG* msg)
{
    return HookPreTranslate(this, msg);
}

BOOL GraphicsViewHook::HookPreTranslate(CWnd* view, MSG* msg)
{
    CRuntimeClass* rc = g_hook.viewClass;
    if (!view || !rc)
        return FALSE;
    OriginalInPlace original(rc);
    if (ZTViewMsgEventListener::instance().NotifyListeners(msg))
        return TRUE;
    return view->CallPreTranslateMessage(msg);
}

void InstallGraphicsViewHook()
{
    if (g_hook.viewClass)
        return;
    CWnd* main = AfxGetMainWnd();
    if (!main || !main->m_hWnd)
        main = getMainFrameWnd();
    if (!main || !main->m_hWnd)
        return;
    HWND viewHandle = nullptr;
    ::EnumChildWindows(main->m_hWnd, &FindView, reinterpret_cast<LPARAM>(&viewHandle));
    if (!viewHandle)
        return;
    CWnd* view = CWnd::FromHandlePermanent(viewHandle);
    if (!view)
        return; // a view without a window object has no class to hook
    CRuntimeClass* rc = view->GetRuntimeClass();
    g_hook.viewClass = rc;
    g_hook.original = rc->m_wndOps;
    rc->m_wndOps.pfnPreTranslateMessage = &GraphicsViewHook::HookPreTranslate;
    rc->m_wndOps.pfnWindowProc = &CWnd::DefaultWindowProcOp;
}

void UninstallGraphicsViewHook()
{
    if (!g_hook.viewClass)
        return;
    g_hook.viewClass->m_wndOps = g_hook.original;
    g_hook = HookState{};
}

bool IsGraphicsViewHookInstalled()
{
    return g_hook.viewClass != nullptr;
}

} // namespace zt
