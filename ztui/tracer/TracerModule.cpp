#include "ztui/tracer/TracerModule.h"

#include "platform/host/Commands.h"
#include "platform/host/Executors.h"
#include "platform/host/ModelessDialogManager.h"
#include "platform/win/Desktop.h"
#include "ztui/tracer/TracerProxy.h"
#include "ztui/tracer/ZTDlgArchTracer.h"
#include "ztui/tracer/ZTDlgArchTracerDim.h"
#include "ztui/tracer/ZTDlgTracerCustom.h"
#include "ztui/tracer/ZTEventArchTracer.h"

namespace zt {

namespace {

constexpr const char* kInitTracer = "Tool.InitTracer";
constexpr const char* kInitTracerCus = "Tool.InitTracerCus";
constexpr const char* kInitTracerDim = "Tool.InitTracerDim";

// Commands run on the work thread; windows belong to the user-interface thread.
template <void (*Create)()>
void CreateOnUIThread()
{
    auto* callable = new CallerF<void (*)()>(Create);
    TesselFuncCall::ToCallOnUITread(callable);
    callable->Release();
}

void CreateArchBox()
{
    ZTDlgArchTracer::Instance().EnsureWindow();
}

void CreateDimBox()
{
    ZTDlgArchTracerDim::Instance().EnsureWindow();
}

void CreateCustomBox()
{
    ZTDlgTracerCustom::Instance().EnsureWindow();
}

void InitTracer()
{
    CreateOnUIThread<&CreateArchBox>();
}

void InitTracerCus()
{
    CreateOnUIThread<&CreateCustomBox>();
}

void InitTracerDim()
{
    CreateOnUIThread<&CreateDimBox>();
}

} // namespace

void LoadTracer()
{
    // Built now, so that it outlives the library's static object: unloading unregisters the
    // boxes from it.
    TesselModelessDialogManager::Get();
    TesselToolsManager::RegisterFun(kInitTracer, &InitTracer);
    TesselUserInputManager::ExeCommand(kInitTracer);
    TesselToolsManager::RegisterFun(kInitTracerCus, &InitTracerCus);
    TesselUserInputManager::ExeCommand(kInitTracerCus);
    ZTEventArchTracer::instance().Attach();
    TesselUserInputManager::ExeCommand(kInitTracer);
    // Not registered yet at this point: the host has always run it for nothing here.
    TesselUserInputManager::ExeCommand(kInitTracerDim);
    TesselToolsManager::RegisterFun(kInitTracerDim, &InitTracerDim);
    TesselUserInputManager::ExeCommand(kInitTracerDim);
}

void UnloadTracer()
{
    ZTEventArchTracer::instance().Detach();
    for (const char* name : {kInitTracer, kInitTracerCus, kInitTracerDim})
        TesselToolsManager::UnregisterFun(name);
    TracerProxy::SetStatusObserver(nullptr);
    // The windows can only go on their own thread; elsewhere the desktop takes them with it.
    if (zt::win::Desktop::IsUIThread()) {
        ZTDlgArchTracer::DestroyInstance();
        ZTDlgArchTracerDim::DestroyInstance();
        ZTDlgTracerCustom::DestroyInstance();
    }
}

} // namespace zt
