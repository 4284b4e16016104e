// Redrawing a full-HD view: a project of N line elements, 100 transients on top, drawn into
// display lists and painted through GDI into the window, as ForceHealImmediate does it.
#include "platform/cad/DgnApplication.h"
#include "platform/cad/ElemMatSymb.h"
#include "platform/cad/PhysicalGraphics.h"
#include "platform/cad/ProjectViewScene.h"
#include "platform/cad/IViewManager.h"
#include "platform/cad/IViewTransients.h"
#include "platform/cad/ViewContext.h"
#include "platform/cad/ViewWindow.h"
#include "platform/win/Desktop.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr int kTransients = 100;

// Line elements of wall length (a metre to four) scattered over a 100 m square, in a few
// colours and weights, in the default model of a new temporary project.
void FillProject(DgnProject& project, int count)
{
    unsigned state = 12345u;
    auto next = [&] {
        state = state * 1664525u + 1013904223u;
        return double(state >> 8) / double(1u << 24);
    };
    const std::uint32_t colors[] = {project.GetElementColor(0xE6E6E6),
                                    project.GetElementColor(0xFFC800),
                                    project.GetElementColor(0x00C8FF)};
    DgnModel& model = *project.GetDefaultModel();
    for (int i = 0; i < count; ++i) {
        const DPoint3d a{next() * 100000.0, next() * 100000.0, 0.0};
        const double len = 1000.0 + next() * 3000.0, dir = next() * 6.283185307;
        const DPoint3d b{a.x + len * std::cos(dir), a.y + len * std::sin(dir), 0.0};
        auto graphics = model.CreatePhysicalGraphics();
        graphics->SetSymbology(ElementSymbology::From(colors[i % 3], i % 4 == 0 ? 1 : 0, 0));
        graphics->AddCurvePrimitive(*ICurvePrimitive::CreateLine(a, b));
        graphics->Save();
    }
}

// A marker: a small filled square with its outline, as a snap or a drawing aid draws one.
class Marker : public IViewTransients
{
public:
    explicit Marker(int i) : m_at{1000.0 + 950.0 * i, 50000.0 + 300.0 * (i % 10), 0.0} {}
    void _DrawTransients(ViewContext& context, bool) override
    {
        ElemMatSymb s;
        s.SetLineColorTBGR(ElemMatSymb::TBGR(RGB(0, 255, 0)));
        s.SetFillColorTBGR(ElemMatSymb::TBGR(RGB(0, 120, 0)));
        context.GetIDrawGeom().ActivateMatSymb(&s);
        const double r = 400.0;
        const DPoint3d box[4] = {{m_at.x - r, m_at.y - r, 0},
                                 {m_at.x + r, m_at.y - r, 0},
                                 {m_at.x + r, m_at.y + r, 0},
                                 {m_at.x - r, m_at.y + r, 0}};
        context.GetIDrawGeom().DrawShape3d(4, box, true, nullptr);
    }

private:
    DPoint3d m_at;
};

void BM_RedrawFullHdView(benchmark::State& state)
{
    zt::win::Desktop::Reset();
    zt::win::Desktop::SetScreenSize(kWidth + 100, kHeight + 100);
    IViewManager& manager = IViewManager::GetManager();
    manager.GetActiveViewSet().CloseAll();
    DgnProject* project = DgnApplication::Get().NewProject();
    if (!project) {
        state.SkipWithError("no project");
        return;
    }
    FillProject(*project, int(state.range(0)));
    std::vector<Marker> markers;
    for (int i = 0; i < kTransients; ++i)
        markers.emplace_back(i);
    {
        auto* window = new ViewWindow;
        window->CreateEx(0, nullptr, nullptr, WS_POPUP | WS_VISIBLE, CRect(0, 0, kWidth, kHeight),
                         nullptr, 0);
        // The client area, inside the client edge, is the full-HD view.
        CRect client;
        window->GetClientRect(&client);
        window->SetWindowPos(nullptr, 0, 0, 2 * kWidth - client.Width(),
                             2 * kHeight - client.Height(), SWP_NOMOVE | SWP_NOZORDER);
        zt::win::Desktop::Pump();
        IndexedViewport& vp = *manager.GetActiveViewSet().GetSelectedViewport();
        ProjectViewScene::Install();
        for (Marker& m : markers)
            manager.AddViewTransientHandler(&m);
        vp.GetViewControllerR().LookAtVolume(
            DRange3d::From(DPoint3d{0, 0, 0}, DPoint3d{100000, 100000, 0}));
        for (auto _ : state)
            vp.ForceHealImmediate();
        state.counters["lines"] = double(state.range(0));
        state.counters["view_px"] = double(vp.GetViewWidth() * vp.GetViewHeight());
        for (Marker& m : markers)
            manager.DropViewTransientHandler(&m);
        window->DestroyWindow();
    }
    manager.GetActiveViewSet().CloseAll();
    DgnApplication::Get().CloseProject();
    zt::win::Desktop::Reset();
}
BENCHMARK(BM_RedrawFullHdView)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
