#include "ztui/frame/ZTUiModule.h"

#include "platform/host/CommandLine.h"
#include "platform/host/MainFrameEvent.h"
#include "platform/win/Modules.h"
#include "platform/win/mfc/CDynLinkLibrary.h"
#include "ztui/drawinput/DrawInputModule.h"
#include "ztui/frame/GraphicsViewHook.h"
#include "ztui/frame/LibraryComponents.h"
#include "ztui/frame/ZTCmdLineEventListener.h"
#include "ztui/frame/ZTDlgPopMessage.h"
#include "ztui/frame/ZTUiEventListener.h"
#include "ztui/frame/ZTUiMainFrameEventListener.h"
#include "ztui/frame/ZTUiResources.h"
#include "ztui/frame/ZTViewMsgEventListener.h"
#include "ztui/contextbar/ZTContextbarEvent.h"
#include "ztui/contextbar/ZTContextbarMsgEvent.h"
#include "ztui/contextbar/ZTDlgUiContextbar.h"
#include "ztui/propertypanel/ZTPropertyMgn.h"
#include "ztui/tracer/TracerModule.h"

namespace zt {

namespace {

struct ModuleState
{
    bool loaded = false;
    bool attached = false;
    HINSTANCE module = nullptr;
    HINSTANCE hostResource = nullptr;
};

// The library as an extension module of the class library; its CDynLinkLibrary joins the
// host's resource chain and is freed by AfxTermExtensionModule.
AFX_EXTENSION_MODULE g_extension;

// Constant-initialised, so it exists before the static object below runs.
constinit ModuleState g_state;

} // namespace

void ZTUiModule::Load()
{
    if (g_state.loaded)
        return;
    // The registries are built first so that they outlive every step below: function-local
    // singletons are destroyed in the reverse order of their construction, and Unload still
    // drops listeners from them.
    ZTUiEventListener::instance();
    ZTCmdLineEventListener::instance();
    ZTViewMsgEventListener::instance();
    // The component registry is built here too, for the same reason; the library's components
    // are there before any window asks for them.
    PublishLibraryComponents();

    // The steps, in order. Each later subsystem puts its step at its documented place:
    // the auxiliary-model commands and the auxiliary event listener come before the command
    // line hook; the context bar event, the tracer commands and listeners, the main-frame
    // listener and the view-box command follow it.
    LoadAuxiliaryStep();
    App_RegisteOnCmdlineChar(&OnCmdlineChar);
    ZTUiEventListener::instance().AddListener(&ZTContextbarEvent::instance());

    // The tracer's commands create its boxes hidden; its listener follows the view.
    LoadTracer();

    // The static main-frame listener is built after the tracer steps; it joins the host at
    // attach.
    ZTUiMainFrameEventListener::instance();
    LoadViewBoxStep();

    g_state.loaded = true;
}

void ZTUiModule::Unload()
{
    if (!g_state.loaded)
        return;
    // The host must not call into a library that is gone.
    if (App_GetOnCmdlineChar() == &OnCmdlineChar)
        App_RegisteOnCmdlineChar(nullptr);
    UnloadTracer();
    UnloadDrawInput();
    ZTUiEventListener::instance().DropListener(&ZTContextbarEvent::instance());
    // The property manager writes its group memory as it goes.
    ZTPropertyMgn::DestroyInstance();
    WithdrawLibraryComponents();
    g_state.loaded = false;
}

bool ZTUiModule::Attach(HINSTANCE module)
{
    if (g_state.attached)
        return false;
    if (!AfxInitExtensionModule(g_extension, module))
        return false;
    new CDynLinkLibrary(g_extension);
    g_state.module = module;
    g_state.hostResource = AfxGetResourceHandle();
    RegisterZTUiResources(module);
    g_state.attached = true;
    Tessel::TSMainFrameEventListener::Get().AddListener(&ZTUiMainFrameEventListener::instance());
    ZTViewMsgEventListener::instance().AddListener(&ZTContextbarMsgEvent::instance());
    return true;
}

void ZTUiModule::Detach()
{
    if (!g_state.attached)
        return;
    // The library may be unloaded before the host ends: nothing of it may stay reachable,
    // and no window of it may outlive its code.
    ZTDlgPopMessage::DestroyInstance();
    ZTDlgUiContextbar::ReleaseResources();
    Tessel::TSMainFrameEventListener::Get().DropListener(&ZTUiMainFrameEventListener::instance());
    UninstallGraphicsViewHook();
    AfxTermExtensionModule(g_extension);
    ZTViewMsgEventListener::instance().DropListener(&ZTContextbarMsgEvent::instance());
    UnregisterZTUiResources(g_state.module);
    g_state.attached = false;
    g_state.module = nullptr;
    g_state.hostResource = nullptr;
}

bool ZTUiModule::IsLoaded()
{
    return g_state.loaded;
}

bool ZTUiModule::IsAttached()
{
    return g_state.attached;
}

HINSTANCE ZTUiModule::GetModuleHandle()
{
    return g_state.module;
}

HINSTANCE ZTUiModule::GetHostResourceHandle()
{
    return g_state.hostResource;
}

namespace {

// The library's single static object. Its construction is the load sequence; when the
// library is linked to the program it also attaches the module, since no loader call will.
struct LibraryLifetime
{
    LibraryLifetime()
    {
        ZTUiModule::Load();
        zt::win::ModuleStarted(this);
    }
    ~LibraryLifetime()
    {
        zt::win::ModuleEnding(this);
        ZTUiModule::Unload();
    }
};

LibraryLifetime g_library;

} // namespace

} // namespace zt

extern "C" ZTUI_EXPORT BOOL DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    switch (reason) {
    case DLL_PROCESS_ATTACH:
        return zt::ZTUiModule::Attach(instance) ? TRUE : FALSE;
    case DLL_PROCESS_DETACH:
        zt::ZTUiModule::Detach();
        return TRUE;
    default:
        return TRUE;
    }
}
