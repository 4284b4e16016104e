#include "platform/win/mfc/CDynLinkLibrary.h"

#include "platform/base/CString.h"
#include "platform/win/WinUser.h"
#include "platform/win/mfc/CWinApp.h"
#include "platform/win/resources/ResourceModule.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <vector>

namespace {

struct Chain
{
    std::mutex mutex;
    std::vector<CDynLinkLibrary*> libraries;
};

Chain& GetChain()
{
    static Chain* chain = new Chain();
    return *chain;
}

std::atomic<HINSTANCE> g_resource{nullptr};

// CString::LoadString reads string tables through the chain.
bool LoadChainString(UINT id, std::wstring& text)
{
    HINSTANCE module = AfxFindResourceHandle(MAKEINTRESOURCEW(id), RT_STRING);
    if (!module)
        return false;
    auto s = zt::win::ResourceModule::FindString(module, id);
    if (!s)
        return false;
    text = *s;
    return true;
}

bool LoadModuleString(HINSTANCE module, UINT id, std::wstring& text)
{
    auto s = zt::win::ResourceModule::FindString(module, id);
    if (!s)
        return false;
    text = *s;
    return true;
}

const bool g_loaderInstalled = [] {
    CString::SetStringLoader(&LoadChainString, &LoadModuleString);
    return true;
}();

} // namespace

IMPLEMENT_DYNAMIC(CDynLinkLibrary, CCmdTarget)

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem)
    : CDynLinkLibrary(state.hModule, state.hResource)
{
    m_bSystem = bSystem;
}

CDynLinkLibrary::CDynLinkLibrary(HINSTANCE hModule, HINSTANCE hResource)
    : m_hModule(hModule), m_hResource(hResource ? hResource : hModule)
{
    (void)g_loaderInstalled;
    Chain& c = GetChain();
    std::lock_guard lock(c.mutex);
    c.libraries.push_back(this);
}

CDynLinkLibrary::~CDynLinkLibrary()
{
    Chain& c = GetChain();
    std::lock_guard lock(c.mutex);
    std::erase(c.libraries, this);
}

std::size_t CDynLinkLibrary::GetChainLength()
{
    Chain& c = GetChain();
    std::lock_guard lock(c.mutex);
    return c.libraries.size();
}

CDynLinkLibrary* CDynLinkLibrary::GetChainAt(std::size_t index)
{
    Chain& c = GetChain();
    std::lock_guard lock(c.mutex);
    return index < c.libraries.size() ? c.libraries[index] : nullptr;
}

BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule)
{
    (void)g_loaderInstalled;
    if (!hModule || state.bInitialized)
        return FALSE;
    state.hModule = hModule;
    state.hResource = hModule;
    state.bInitialized = TRUE;
    return TRUE;
}

void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL)
{
    if (!state.bInitialized)
        return;
    std::vector<CDynLinkLibrary*> gone;
    {
        Chain& c = GetChain();
        std::lock_guard lock(c.mutex);
        for (CDynLinkLibrary* lib : c.libraries)
            if (lib->m_hModule == state.hModule)
                gone.push_back(lib);
    }
    for (CDynLinkLibrary* lib : gone)
        delete lib;
    state.bInitialized = FALSE;
}

HINSTANCE AfxGetResourceHandle()
{
    HINSTANCE h = g_resource.load();
    return h ? h : AfxGetInstanceHandle();
}

void AfxSetResourceHandle(HINSTANCE hInstance)
{
    (void)g_loaderInstalled;
    g_resource.store(hInstance);
}

HINSTANCE AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType)
{
    if (!lpszName || !lpszType)
        return nullptr;
    HINSTANCE current = AfxGetResourceHandle();
    if (zt::win::ResourceModule::Contains(current, lpszName, lpszType))
        return current;
    std::vector<HINSTANCE> chain;
    {
        Chain& c = GetChain();
        std::lock_guard lock(c.mutex);
        for (CDynLinkLibrary* lib : c.libraries)
            chain.push_back(lib->m_hResource);
    }
    for (HINSTANCE h : chain)
        if (zt::win::ResourceModule::Contains(h, lpszName, lpszType))
            return h;
    HINSTANCE app = AfxGetInstanceHandle();
    if (zt::win::ResourceModule::Contains(app, lpszName, lpszType))
        return app;
    return nullptr;
}
