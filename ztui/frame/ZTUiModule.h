#pragma once
// The library's life in the host process: the ordered load sequence run by the library's
// single static object, the attach and detach steps run by the module entry, and the handles
// recorded at attach.

#include "platform/base/Handles.h"
#include "ztui/ZTUiExport.h"

namespace zt {

class ZTUI_EXPORT ZTUiModule
{
public:
    // The load sequence: the host commands, the library's own listeners and hooks, in the
    // documented order, which is also the order in which listeners enter the registries.
    static void Load();
    // The reverse of Load, run as the static objects are destroyed.
    static void Unload();
    // Joins the host: initialises the library as an extension module of the class library and
    // joins the host's resource chain, records the module handles and registers the library's
    // resources. Fails when already attached or when the extension module cannot start.
    static bool Attach(HINSTANCE module);
    // Leaves the chain (terminates the extension module) and drops the resources.
    static void Detach();

    static bool IsLoaded();
    static bool IsAttached();
    // The library's own module, the resource source of every dialog it creates.
    static HINSTANCE GetModuleHandle();
    // The host's resource handle when the library attached.
    static HINSTANCE GetHostResourceHandle();
};

} // namespace zt
