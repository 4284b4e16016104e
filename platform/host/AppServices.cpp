#include "platform/host/AppServices.h"

#include <atomic>

namespace {
std::atomic<BeforeRefreshPropertyListHook> g_beforeRefresh{nullptr};
std::atomic<HWND> g_layerComb{nullptr};
} // namespace

void App_RegisteBeforeRefreshPropertyList(BeforeRefreshPropertyListHook hook)
{
    g_beforeRefresh.store(hook);
}

void App_NotifyBeforeRefreshPropertyList(const WString& toolKey,
                                         const std::map<const wchar_t*, bool>& groups)
{
    BeforeRefreshPropertyListHook hook = g_beforeRefresh.load();
    if (!hook)
        return;
    try {
        hook(toolKey, groups);
    } catch (...) {
        // The refresh goes on; a library's failure to record group states must not stop it.
    }
}

HWND App_GetLayerComb()
{
    return g_layerComb.load();
}

void App_SetLayerComb(HWND combo)
{
    g_layerComb.store(combo);
}
