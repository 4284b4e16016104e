#include "ztui/tracer/ZTEventArchTracer.h"

#include "platform/cad/AbstractUiStateManager.h"
#include "platform/cad/DgnTool.h"
#include "platform/cad/IViewManager.h"
#include "platform/cad/SelectionSetManager.h"
#include "platform/host/Executors.h"
#include "platform/host/UserEnvironment.h"
#include "platform/win/WinUser.h"
#include "ztui/frame/ZTCmdLineEventListener.h"
#include "ztui/frame/ZTViewMsgEventListener.h"
#include "ztui/tracer/TracerProxy.h"

namespace zt {

namespace {

constexpr UINT kKeyTab = 9;

bool InArchitectureDomain()
{
    return env::UserEnvironment::getInstance()->getDefaultDomain() == TesselDomain_Architecture;
}

bool KeyHeld(int vk)
{
    return (::GetKeyState(vk) & 0x8000) != 0;
}

template <class Fn>
void RunOnWork(Fn fn)
{
    auto* callable = new CallerF<Fn>(std::move(fn));
    TesselFuncCall::ToCallOnWorkTread(callable);
    callable->Release();
}

template <class Fn>
void PostToUI(Fn fn)
{
    auto* callable = new CallerF<Fn>(std::move(fn));
    TesselFuncCall::ToCallOnUITread(callable);
    callable->Release();
}

// The box draws its labels in the view's contrast colour.
void StoreViewColours()
{
    IndexedViewport* viewport = IViewManager::GetManager().GetActiveViewSet().GetSelectedViewport();
    if (!viewport)
        return;
    AbstractUiStateManager& state = AbstractUiStateManager::Get();
    state.SetValue("Tracer.fontcolor", static_cast<int>(viewport->GetContrastToBackgroundColor()));
    state.SetValue("Tracer.backcolor", static_cast<int>(viewport->GetBackgroundColor()));
}

} // namespace

ZTEventArchTracer& ZTEventArchTracer::instance()
{
    static ZTEventArchTracer tracer;
    return tracer;
}

ZTEventArchTracer::ZTEventArchTracer()
{
    TracerProxy::SetStatusObserver(this);
}

void ZTEventArchTracer::Attach()
{
    ZTViewMsgEventListener::instance().AddListener(this);
    ZTCmdLineEventListener::instance().AddListener(this);
}

void ZTEventArchTracer::Detach()
{
    ZTViewMsgEventListener::instance().DropListener(this);
    ZTCmdLineEventListener::instance().DropListener(this);
}

void ZTEventArchTracer::OnTraceStatusChange(bool typing)
{
    m_status = typing;
}

bool ZTEventArchTracer::OnViewMessage(MSG* msg)
{
    if (!msg || !InArchitectureDomain())
        return false;
    const bool active = !TracerProxy::IsCustomTracer() && TracerProxy::IsRegister();
    const bool open = active && TracerProxy::GetTracerIsOpen();
    switch (msg->message) {
    case WM_LBUTTONDOWN:
        if (active)
            RunOnWork([] { RestartAtClick(); });
        return false;
    case WM_MOUSEMOVE:
        if (!open)
            return false;
        // The view hands the move to the tool after this listener; the box follows the
        // tool's point for this move, not for the last one, so the work waits its turn.
        PostToUI([] { RunOnWork([] { FollowMouse(); }); });
        return m_status.load();
    case WM_KEYDOWN:
        if (open && msg->wParam == kKeyTab && !KeyHeld(VK_SHIFT) && !KeyHeld(VK_CONTROL)) {
            TracerProxy::SetTraceStatus(true);
            TracerProxy::ResponseTab();
        }
        return false;
    case WM_MBUTTONDOWN:
        if (open)
            TracerProxy::SetTraceStatus(false);
        return false;
    default:
        return false;
    }
}

bool ZTEventArchTracer::OnCmdLineChar(unsigned int ch, const CString&)
{
    if (ch < '0' || ch > '9')
        return false;
    if (!TracerProxy::GetTracerIsOpen() || TracerProxy::GetTraceStatus())
        return false;
    TracerProxy::SetTraceStatus(true);
    TracerProxy::ResponseTab();
    TracerProxy::NotifyNumDown(CString(static_cast<wchar_t>(ch)));
    return true;
}

void ZTEventArchTracer::FollowMouse()
{
    StoreViewColours();
    DgnButtonEvent event;
    if (!DgnTool::GetActivePrimitiveTool() || !DgnTool::GetCurrentDgnButtonEvent(event))
        return;
    TracerProxy::MoveTracer(event.GetPoint());
}

void ZTEventArchTracer::RestartAtClick()
{
    StoreViewColours();
    DgnButtonEvent event;
    if (!DgnTool::GetActivePrimitiveTool() || !DgnTool::GetCurrentDgnButtonEvent(event))
        return;
    DPoint3d p = event.GetPoint();
    p.z = 0.0;
    if (TracerProxy::GetTraceStatus()) {
        TracerProxy::SetTraceStatus(false);
        TracerProxy::ResetTracer();
    }
    TracerProxy::SetStartPoint(p);
    if (SelectionSetManager::GetManager().NumSelected() >= 1 &&
        TracerProxy::GetTracerOpenReason() == REASON_SELECTION) {
        TracerProxy::AddOprePoint(p);
        TracerProxy::ResetTracer();
        TracerProxy::CreateTracer();
    }
}

} // namespace zt
