// The context bar as a user meets it: a pick event turned into a bar that is built, placed,
// painted and composed onto the screen over the graphics view; and, with the bar open, a pan
// of the view after which the bar has moved beside its element and is on the screen again.
// The host's executors run in manual mode, so the crossings are calls in place.

#include "platform/cad/DgnApplication.h"
#include "platform/cad/DgnProject.h"
#include "platform/cad/IViewManager.h"
#include "platform/cad/SelectionSetManager.h"
#include "platform/host/MainFrame.h"
#include "platform/host/TSArchiStoreyManager.h"
#include "platform/host/TSArchiWall.h"
#include "platform/win/Desktop.h"
#include "tests/support/DesktopFixture.h"
#include "ztui/contextbar/ZTContextbarEvent.h"
#include "ztui/contextbar/ZTContextbarFactory.h"
#include "ztui/contextbar/ZTContextbarFactoryManager.h"
#include "ztui/contextbar/ZTDlgUiContextbar.h"
#include "ztui/frame/GraphicsViewHook.h"
#include "ztui/frame/ZTUiEventListener.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

class WallFactory : public zt::ZTContextbarFactory
{
public:
    void addCustomButton(TSContextbarButton& record) override { AppendBuiltInButtons(record); }
};

// A main frame over a project with one wall, its factory registered.
class Scene
{
public:
    Scene()
    {
        DgnProject* project = DgnApplication::Get().NewProject();
        TSArchiStoreyManager::Get().EnsureStorey(*project);
        TSArchiWallPtr w = TSArchiWall::Create();
        w->SetStart({0, 0, 0});
        w->SetEnd({4000, 0, 0});
        w->SetThickness(240);
        wall = project->FindElementById(w->AddToModel(*project->GetDefaultModel()));
        SelectionSetManager::GetManager().ReplaceWith({wall});
        frame = zt::host::CreateMainFrame(RECT{0, 0, 1280, 800});
        zt::ZTContextbarFactoryManager::RegisterFactory("TSArchiWall", &factory);
        Json::Value one(Json::objectValue);
        one["ECInstanceID"] = Json::Int64(wall->GetPrimaryInstance().GetECInstanceId());
        one["ECClassID"] = Json::Int64(wall->GetPrimaryInstance().GetECClassId());
        pick["Struct"].append(one);
        pick["pointX"] = 2000.5;
        pick["pointY"] = 0.5;
        pick["pointZ"] = 0.0;
        desk.pump();
    }
    ~Scene()
    {
        zt::NotifyListeners(zt::ZTContextbarEvent::kDestroyEvent, Json::Value());
        desk.pump();
        zt::ZTContextbarFactoryManager::UnregisterFactory("TSArchiWall");
        zt::UninstallGraphicsViewHook();
        zt::host::DestroyMainFrame();
        IViewManager::GetManager().GetActiveViewSet().CloseAll();
        SelectionSetManager::GetManager().Clear();
        DgnApplication::Get().CloseProject();
    }
    void Open()
    {
        zt::NotifyListeners(zt::ZTContextbarEvent::kDestroyEvent, Json::Value());
        zt::NotifyListeners(zt::ZTContextbarEvent::kCreateEvent, pick);
        desk.pump();
        zt::win::Desktop::ComposeScreen();
    }

    DesktopFixture desk;
    WallFactory factory;
    ElementRef* wall = nullptr;
    zt::host::HostMainFrame* frame = nullptr;
    Json::Value pick{Json::objectValue};
};

void BM_PickOpensBar(benchmark::State& state)
{
    Scene scene;
    for (auto _ : state) {
        scene.Open();
        benchmark::DoNotOptimize(zt::ZTDlgUiContextbar::GetWindow());
    }
    state.counters["buttons"] = static_cast<double>(zt::ZTDlgUiContextbar::GetBarButtons().size());
}
BENCHMARK(BM_PickOpensBar)->Unit(benchmark::kMillisecond);

void BM_PanMovesOpenBar(benchmark::State& state)
{
    Scene scene;
    scene.Open();
    IndexedViewport* view = IViewManager::GetManager().GetActiveViewSet().GetSelectedViewport();
    double step = 3;
    for (auto _ : state) {
        view->Scroll(step, 0);
        step = -step;
        // The bar looks at the view on its own timer.
        scene.desk.advance(zt::ZTDlgUiContextbar::kFollowIntervalMs);
        zt::win::Desktop::ComposeScreen();
    }
}
BENCHMARK(BM_PanMovesOpenBar)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
