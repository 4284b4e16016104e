#include "ztui/tracer/TracerProxy.h"

#include "platform/cad/DgnTool.h"
#include "platform/cad/IViewManager.h"
#include "platform/host/Executors.h"
#include "platform/host/ModelessDialogManager.h"
#include "platform/host/UserEnvironment.h"
#include "platform/win/mfc/CDialog.h"
#include "ztui/tracer/TracerMessages.h"
#include "ztui/tracer/TracerShared.h"

#include <atomic>
#include <mutex>
#include <string>

namespace zt {

namespace {

// The proxy record. Its flags are read by the user-interface thread's listeners while tools
// change them on the work thread, so each is atomic; the vectors and states sit under a small
// lock of their own, apart from the tracer lock.
struct ProxyRecord
{
    std::atomic<ITracerEvent*> event{nullptr};
    std::atomic<ZTArchTracerStatuChange*> observer{nullptr};
    std::atomic<bool> traceStatus{false};
    std::atomic<bool> isOpen{false};
    std::atomic<bool> openSeen{false};
    std::atomic<bool> custom{false};
    std::atomic<eTRACERTYPE> type{TRACER_ARCH};
    std::atomic<eTRACERREASON> reason{REASON_NONE};

    std::mutex mutex;
    std::vector<DPoint3d> operationPoints;
    TracerEvState lastSent;
    TracerEvState current;
};

ProxyRecord& Record()
{
    static ProxyRecord record;
    return record;
}

void TellObserver(bool typing)
{
    if (ZTArchTracerStatuChange* observer = Record().observer.load())
        observer->OnTraceStatusChange(typing);
}

template <class Fn>
void PostToUI(Fn fn)
{
    auto* callable = new CallerF<Fn>(std::move(fn));
    TesselFuncCall::ToCallOnUITread(callable);
    callable->Release();
}

template <class Fn>
void RunOnWork(Fn fn)
{
    auto* callable = new CallerF<Fn>(std::move(fn));
    TesselFuncCall::ToCallOnWorkTread(callable);
    callable->Release();
}

void HandToBox(const char* dialogName, const std::string& message)
{
    CDialog* dialog = TesselModelessDialogManager::Get().GetDialog(dialogName);
    if (auto* box = dynamic_cast<ITracerBox*>(dialog))
        box->OnTracerMessage(message.c_str());
}

// A cursor move waiting in the queue reads the newest point when it runs, so one is enough;
// further moves are merged into it instead of piling up behind a slow paint.
std::atomic<bool> g_movePending{false};

class BoxMessageCallable : public TesselCallableObj
{
public:
    BoxMessageCallable(const char* dialogName, const char* message, bool move)
        : m_dialogName(dialogName), m_message(message), m_move(move)
    {}
    ~BoxMessageCallable() override
    {
        // Released unrun (the executors were restarted): the next move must post again.
        if (m_move && !m_ran)
            g_movePending = false;
    }
    void operator()() override
    {
        m_ran = true;
        if (m_move)
            g_movePending = false;
        TracerShared::Get().SetBoxReady(false);
        HandToBox(m_dialogName, m_message);
        TracerShared::Get().SetBoxReady(true);
    }

private:
    const char* m_dialogName;
    std::string m_message;
    bool m_move;
    bool m_ran = false;
};

// A box of type 1 or 2 takes one message at a time: while it handles one, others are dropped.
void PostGuarded(const char* dialogName, const char* name)
{
    if (!TracerShared::Get().IsBoxReady())
        return;
    const bool move = IsTracerMessage(name, kTracerMoveTacer);
    if (move && g_movePending.exchange(true))
        return;
    auto* callable = new BoxMessageCallable(dialogName, name, move);
    TesselFuncCall::ToCallOnUITread(callable);
    callable->Release();
}

void PostToCustomBox(const char* name)
{
    ProxyRecord& r = Record();
    if (!r.event.load())
        return;
    bool rebuild = false;
    {
        std::lock_guard lock(r.mutex);
        if (r.current.funName != r.lastSent.funName) {
            TracerEvState current = r.current;
            TracerShared::Get().Locked(
                [&](TracerSharedData& d) { d.customDescription = std::move(current); });
            r.lastSent = r.current;
            rebuild = true;
        }
    }
    // The box is built anew for a new function: released first, then the message.
    if (rebuild)
        PostToUI([] { HandToBox(kCustomTracerDialogName, std::string(kTracerReleseDlg)); });
    PostToUI([message = std::string(name)] { HandToBox(kCustomTracerDialogName, message); });
}

// The callable that carries a result to the work thread by name.
class NotifyWorkCallable : public TesselCallableObj
{
public:
    explicit NotifyWorkCallable(std::string name) : m_name(std::move(name)) {}
    void operator()() override
    {
        if (m_name != kTracerNotifyEv)
            return;
        TracerInputValue value = TracerShared::Get().GetResult();
        if (ITracerEvent* event = Record().event.load())
            event->OnTracerInput(value);
    }

private:
    std::string m_name;
};

bool InArchitectureDomain()
{
    return env::UserEnvironment::getInstance()->getDefaultDomain() == TesselDomain_Architecture;
}

} // namespace

void TracerProxy::Register(ITracerEvent* event)
{
    if (!InArchitectureDomain())
        return;
    Record().event = event;
    Record().type = TRACER_ARCH;
}

void TracerProxy::UnRegister()
{
    ProxyRecord& r = Record();
    r.event = nullptr;
    {
        std::lock_guard lock(r.mutex);
        r.operationPoints.clear();
    }
    r.type = TRACER_NONE;
    r.reason = REASON_NONE;
}

bool TracerProxy::IsRegister()
{
    return Record().event.load() != nullptr;
}

void TracerProxy::CreateTracer()
{
    Record().isOpen = true;
    Record().openSeen = true;
    PostToBox(kTracerCreateDlg.data());
}

void TracerProxy::ResetTracer()
{
    Record().isOpen = true;
    PostToBox(kTracerCreateDlg.data());
}

void TracerProxy::CloseTracer()
{
    ProxyRecord& r = Record();
    r.traceStatus = false;
    r.isOpen = false;
    r.custom = false;
    PostToBox(kTracerReleseDlg.data());
    TellObserver(false);
}

void TracerProxy::ResponseTab()
{
    Record().traceStatus = true;
    PostToBox(kTracerTabDown.data());
}

void TracerProxy::MoveTracer(const DPoint3d& point)
{
    ProxyRecord& r = Record();
    if (r.traceStatus.load())
        return;
    IndexedViewport* viewport = IViewManager::GetManager().GetActiveViewSet().GetSelectedViewport();
    if (!viewport)
        return;
    const DPoint3d screen = viewport->ViewToScreen(viewport->WorldToView(point));
    const bool custom = r.type.load() == TRACER_CUSTOM;
    TracerShared::Get().Locked([&](TracerSharedData& d) {
        d.screenPoint = DPoint2d::From(screen.x, screen.y);
        // The custom box takes its point from SetNewHitPt, which the tool may have snapped.
        if (!custom)
            d.movePoint = point;
    });
    PostToBox(kTracerMoveTacer.data());
}

void TracerProxy::SetStartPoint(const DPoint3d& point)
{
    TracerShared::Get().Locked([&](TracerSharedData& d) {
        d.startPoint = point;
        d.startPointSet = true;
    });
}

void TracerProxy::SetNewHitPt(const DPoint3d& point)
{
    if (Record().type.load() != TRACER_CUSTOM)
        return;
    TracerShared::Get().SetMovePoint(point);
    PostToBox(kTracerUpdateUi.data());
}

void TracerProxy::NotifyNumDown(CString text)
{
    TracerShared::Get().Locked([&](TracerSharedData& d) { d.typedText = std::move(text); });
    PostToBox(kTracerNumDown.data());
}

void TracerProxy::SetTraceStatus(bool typing)
{
    Record().traceStatus = typing;
    TellObserver(typing);
}

bool TracerProxy::GetTraceStatus()
{
    return Record().traceStatus.load();
}

bool TracerProxy::GetTracerIsOpen()
{
    return Record().isOpen.load();
}

void TracerProxy::SetTracerType(eTRACERTYPE type)
{
    PostToBox(kTracerReleseDlg.data());
    Record().type = type;
}

eTRACERTYPE TracerProxy::GetTracerType()
{
    return Record().type.load();
}

void TracerProxy::SetTracerOpenReason(eTRACERREASON reason)
{
    Record().reason = reason;
}

eTRACERREASON TracerProxy::GetTracerOpenReason()
{
    return Record().reason.load();
}

void TracerProxy::SetCustomTracer(bool custom)
{
    Record().custom = custom;
}

bool TracerProxy::IsCustomTracer()
{
    return Record().custom.load();
}

void TracerProxy::AddOprePoint(const DPoint3d& point)
{
    std::lock_guard lock(Record().mutex);
    Record().operationPoints.push_back(point);
}

std::vector<DPoint3d> TracerProxy::GetOperPonits()
{
    std::lock_guard lock(Record().mutex);
    return Record().operationPoints;
}

void TracerProxy::SetCurEvState(const TracerEvState& state)
{
    TracerShared::Get().Locked([](TracerSharedData& d) { d.customContext.clear(); });
    std::lock_guard lock(Record().mutex);
    Record().current = state;
}

TracerEvState TracerProxy::GetCurEvState()
{
    std::lock_guard lock(Record().mutex);
    return Record().current;
}

void TracerProxy::SetCusContext(const std::map<unsigned, CString>& context)
{
    TracerShared::Get().Locked([&](TracerSharedData& d) { d.customContext = context; });
}

void TracerProxy::SetStatusObserver(ZTArchTracerStatuChange* observer)
{
    Record().observer = observer;
}

ITracerEvent* TracerProxy::GetEvent()
{
    return Record().event.load();
}

bool TracerProxy::GetTracerOpenSeen()
{
    return Record().openSeen.load();
}

void TracerProxy::DeliverResult()
{
    auto* callable = new NotifyWorkCallable(std::string(kTracerNotifyEv));
    TesselFuncCall::ToCallOnWorkTread(callable);
    callable->Release();
}

void TracerProxy::DeliverChange()
{
    RunOnWork([] {
        TracerInputValue value = TracerShared::Get().GetResult();
        if (ITracerEvent* event = Record().event.load())
            event->OnTracerChange(value);
        DgnTool::SendFakeMouseMotion();
    });
}

void TracerProxy::PostToBox(const char* name)
{
    if (!name)
        return;
    switch (Record().type.load()) {
    case TRACER_ARCH:
        PostGuarded(kArchTracerDialogName, name);
        return;
    case TRACER_DIM:
        PostGuarded(kDimTracerDialogName, name);
        return;
    case TRACER_CUSTOM:
        PostToCustomBox(name);
        return;
    default:
        return;
    }
}

void TracerProxy::ResetState()
{
    ProxyRecord& r = Record();
    r.event = nullptr;
    r.traceStatus = false;
    r.isOpen = false;
    r.openSeen = false;
    r.custom = false;
    r.type = TRACER_ARCH;
    r.reason = REASON_NONE;
    g_movePending = false;
    {
        std::lock_guard lock(r.mutex);
        r.operationPoints.clear();
        r.lastSent = TracerEvState{};
        r.current = TracerEvState{};
    }
    TracerShared::Get().Reset();
}

} // namespace zt
