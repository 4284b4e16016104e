#pragma once
// Extension modules and the resource chain. The current resource handle (AfxGetResourceHandle,
// the executable unless switched) is searched first, then every extension module that joined
// the chain, in the order they joined, then the executable.

#include "platform/win/mfc/CCmdTarget.h"

struct AFX_EXTENSION_MODULE
{
    BOOL bInitialized = FALSE;
    HMODULE hModule = nullptr;
    HMODULE hResource = nullptr;
};

class CDynLinkLibrary : public CCmdTarget
{
    DECLARE_DYNAMIC(CDynLinkLibrary)
public:
    // Joins the chain with the module's resources; freed by AfxTermExtensionModule.
    explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem = FALSE);
    CDynLinkLibrary(HINSTANCE hModule, HINSTANCE hResource);
    ~CDynLinkLibrary() override;

    HMODULE m_hModule = nullptr;
    HMODULE m_hResource = nullptr;
    BOOL m_bSystem = FALSE;

    // The chain as it stands, first joined first.
    static std::size_t GetChainLength();
    static CDynLinkLibrary* GetChainAt(std::size_t index);
};

// Fails for a null module and when the state was already initialised.
BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule);
// Leaves the chain (every CDynLinkLibrary of the module is deleted) and clears the state.
void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll = FALSE);

HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE hInstance);
// The module that holds the resource: the current resource module, then the chain, then the
// executable; null when none does.
HINSTANCE AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType);
