// Any bytes as what the host hands the library's listeners, with every listener the library
// registers in place: a UI event (the first line is the name, the rest the JSON payload, given
// to NotifyListeners and, besides, to each name the library knows), the view messages that the
// graphics view pre-translates (the tracer, the context bar and the view box listen) and the
// characters of the command line (the tracer listens). Nothing may escape a listener, the
// registries keep their listeners, and no window outlives the input that opened it.

#include "platform/cad/DgnApplication.h"
#include "platform/cad/DgnProject.h"
#include "platform/cad/DgnTool.h"
#include "platform/cad/IViewManager.h"
#include "platform/cad/SelectionSetManager.h"
#include "platform/host/TSArchiStoreyManager.h"
#include "platform/host/TSArchiWall.h"
#include "platform/host/UserEnvironment.h"
#include "platform/win/Desktop.h"
#include "platform/win/WinUser.h"
#include "ztui/contextbar/ZTContextBarProxy.h"
#include "ztui/contextbar/ZTContextbarEvent.h"
#include "ztui/contextbar/ZTContextbarFactory.h"
#include "ztui/contextbar/ZTContextbarFactoryManager.h"
#include "ztui/drawinput/ZTArchAuxiliaryMacrosMgn.h"
#include "ztui/drawinput/ZTViewBoxTransients.h"
#include "ztui/frame/ZTCmdLineEventListener.h"
#include "ztui/frame/ZTUiEventListener.h"
#include "ztui/frame/ZTViewMsgEventListener.h"
#include "ztui/tracer/TracerProxy.h"
#include "ztui/tracer/ZTDlgArchTracer.h"

#include "fuzz/FuzzJson.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

namespace {

// A broken promise ends the run with the line that found it.
void Check(bool condition, int line = __builtin_LINE())
{
    if (!condition) {
        std::fprintf(stderr, "check failed at line %d\n", line);
        std::abort();
    }
}

class FuzzTracerTool : public DgnPrimitiveTool, public zt::ITracerEvent
{
public:
    bool _OnDataButton(DgnButtonEventCR) override { return true; }
    bool _OnResetButton(DgnButtonEventCR) override { return true; }
    void OnTracerInput(const zt::TracerInputValue&) override {}
    void OnTracerChange(const zt::TracerInputValue&) override {}
};

// The host's side, made once: the architecture domain, a view, a project with a wall on a
// storey, and the default factory for walls, so that a pick of the wall opens the bar.
struct Host
{
    Host()
    {
        zt::win::Desktop::Reset();
        env::UserEnvironment::getInstance()->setDefaultDomain(TesselDomain_Architecture);
        IndexedViewSet& views = IViewManager::GetManager().GetActiveViewSet();
        IndexedViewport* viewport = views.OpenViewport(0);
        viewport->SetViewSize(800, 600);
        viewport->SetScale(0.05);
        views.SetSelectedViewport(0);
        DgnProject* project = DgnApplication::Get().NewProject();
        Check(project != nullptr);
        TSArchiStoreyManager::Get().EnsureStorey(*project);
        TSArchiWallPtr wall = TSArchiWall::Create();
        wall->SetStart({0, 0, 0});
        wall->SetEnd({4000, 0, 0});
        wall->SetThickness(240);
        // The first element of a new project: instance 1 of class 1, as the seeds pick it.
        wall->AddToModel(*project->GetDefaultModel());
        zt::ZTContextbarFactoryManager::RegisterFactory(TSArchiWall::CLASS_NAME, &factory);
        zt::ZTArchAuxiliaryMacrosMgn::GetInstance().GetDecorations().SetLibraryName(nullptr);
        // The view box, as "Arch.AddViewBox" shows it over a storey, listens to the view too.
        zt::ZTViewBoxTransients::instance().start(false);
        zt::win::Desktop::Pump();
        uiListeners = zt::ZTUiEventListener::instance().registry().listeners().size();
        viewListeners = zt::ZTViewMsgEventListener::instance().registry().listeners().size();
        lineListeners = zt::ZTCmdLineEventListener::instance().registry().listeners().size();
    }

    zt::ZTContextbarFactory factory;
    FuzzTracerTool tool;
    std::size_t uiListeners = 0;
    std::size_t viewListeners = 0;
    std::size_t lineListeners = 0;
};

Host& TheHost()
{
    static Host* host = new Host;
    return *host;
}

// The messages a view pre-translates are queued input; their parameters carry no pointers.
constexpr UINT kViewMessages[] = {
    WM_MOUSEMOVE,  WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN, WM_RBUTTONUP,  WM_MBUTTONDOWN,
    WM_MOUSEWHEEL, WM_KEYDOWN,     WM_KEYUP,     WM_CHAR,        WM_SYSKEYDOWN, WM_LBUTTONDBLCLK,
};

// Eight bytes a message: kind, key or button state, x and y (two bytes each), character.
void SendViewMessages(std::string_view bytes)
{
    HWND view = IViewManager::GetManager().GetActiveViewSet().GetSelectedViewport() ? ::GetFocus()
                                                                                    : nullptr;
    for (std::size_t at = 0; at + 8 <= bytes.size() && at < 8 * 64; at += 8) {
        const auto* b = reinterpret_cast<const unsigned char*>(bytes.data() + at);
        MSG msg{};
        msg.hwnd = view;
        msg.message = kViewMessages[b[0] % std::size(kViewMessages)];
        msg.wParam = b[1] | (b[7] << 8);
        const int x = (b[2] | (b[3] << 8)) - 0x4000;
        const int y = (b[4] | (b[5] << 8)) - 0x4000;
        msg.lParam = MAKELPARAM(x, y);
        msg.pt = POINT{x, y};
        zt::ZTViewMsgEventListener::instance().NotifyListeners(&msg);
        zt::OnCmdlineChar(b[6] | (b[7] << 8), CString(L"fuzz"));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Host& host = TheHost();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t newline = bytes.find('\n');
    const std::string name(bytes.substr(0, newline == std::string_view::npos ? 0 : newline));
    const std::string_view rest =
        newline == std::string_view::npos ? bytes : bytes.substr(newline + 1);
    const Json::Value value = JsonOrText(rest);

    zt::ZTUiEventListener& events = zt::ZTUiEventListener::instance();
    Check(events.NotifyListeners(name.c_str(), value));
    static const char* const kNames[] = {
        zt::ZTContextbarEvent::kCreateEvent,
        "Auxiliary",
        "ISHighLight",
        "Delete",
    };
    for (const char* known : kNames)
        Check(events.NotifyListeners(known, value));

    // With the tracer open, the same bytes as view messages and command-line characters.
    zt::TracerProxy::Register(&host.tool);
    zt::TracerProxy::SetStartPoint(DPoint3d::From(0, 0, 0));
    zt::TracerProxy::CreateTracer();
    SendViewMessages(rest);
    zt::win::Desktop::Pump();
    zt::TracerProxy::CloseTracer();
    zt::TracerProxy::UnRegister();

    Check(events.NotifyListeners(zt::ZTContextbarEvent::kDestroyEvent, value));
    zt::win::Desktop::Pump();
    Check(zt::ZTContextBarProxy::GetFactory() == nullptr && !zt::ZTContextBarProxy::IsBarExist());
    Check(events.registry().listeners().size() == host.uiListeners);
    Check(zt::ZTViewMsgEventListener::instance().registry().listeners().size() ==
          host.viewListeners);
    Check(zt::ZTCmdLineEventListener::instance().registry().listeners().size() ==
          host.lineListeners);
    SelectionSetManager::GetManager().Clear();
    zt::ZTArchAuxiliaryMacrosMgn& aux = zt::ZTArchAuxiliaryMacrosMgn::GetInstance();
    if (aux.GetDelayLines().size() > 64)
        aux.AuxiliaryRedo();
    return 0;
}
