// The auxiliary lines on large models. Finding the winners for one cursor position must not
// walk every reference line: the goal is under 100 microseconds at 100,000 lines, growing far
// slower than the count; the whole mouse-move path of a drawing tool on such a model (the
// view's message hook, the layout preview, the auxiliary search, the transients and the
// composed screen) under 2 milliseconds.

#include "platform/cad/DgnApplication.h"
#include "platform/cad/DgnTool.h"
#include "platform/cad/IViewManager.h"
#include "platform/cad/RedrawElems.h"
#include "platform/cad/ViewContext.h"
#include "platform/host/MainFrame.h"
#include "platform/host/TSStoreyModelViewManager.h"
#include "platform/win/Desktop.h"
#include "platform/win/SyntheticUser.h"
#include "ztui/drawinput/AuxiliaryCandidates.h"
#include "ztui/drawinput/ZTArchAuxiliaryArc.h"
#include "ztui/drawinput/ZTArchAuxiliaryBaseTool.h"
#include "ztui/drawinput/ZTArchAuxiliaryLine.h"
#include "ztui/drawinput/ZTToolLayoutMgn.h"
#include "ztui/drawinput/ZTViewBoxTransients.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <random>

namespace {

// Walls of a plan whose area grows with the count (a larger model is a larger building):
// mostly on a 3 m grid, a fifth at other angles.
bvector<ICurvePrimitivePtr> Plan(int count, std::uint32_t seed = 5)
{
    std::mt19937 rng(seed);
    const double extent = 3000.0 * std::sqrt(double(count));
    std::uniform_real_distribution<double> coord(0.0, extent);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    bvector<ICurvePrimitivePtr> lines;
    lines.reserve(count);
    for (int i = 0; i < count; ++i) {
        const DPoint3d a{std::round(coord(rng) / 3000.0) * 3000.0, coord(rng), 0};
        const double length = 500.0 + 5000.0 * unit(rng);
        const double pick = unit(rng);
        DVec3d along = pick < 0.4   ? DVec3d{1, 0, 0}
                       : pick < 0.8 ? DVec3d{0, 1, 0}
                                    : DVec3d{std::cos(7.0 * pick), std::sin(7.0 * pick), 0};
        DPoint3d start = a;
        if (pick < 0.4)
            std::swap(start.x, start.y);
        lines.push_back(ICurvePrimitive::CreateLine(start, start + along * length));
    }
    return lines;
}

std::vector<DPoint3d> Cursors(int count, int n)
{
    std::mt19937 rng(9);
    std::uniform_real_distribution<double> coord(0.0, 3000.0 * std::sqrt(double(count)));
    std::vector<DPoint3d> out;
    for (int i = 0; i < n; ++i)
        out.push_back(DPoint3d{coord(rng), coord(rng), 0});
    return out;
}

void BM_AuxiliaryWinners(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    zt::ZTArchAuxiliaryLine listener;
    listener.OnCurveLines(Plan(count));
    const std::vector<DPoint3d> cursors = Cursors(count, 256);
    bvector<ICurvePrimitivePtr> first;
    listener.CollectAuxiliaryLines(first,
                                   DgnButtonEvent(nullptr, cursors[0], cursors[0], cursors[0], 0));
    std::size_t i = 0, taken = 0;
    for (auto _ : state) {
        const DPoint3d& q = cursors[i++ % cursors.size()];
        bvector<ICurvePrimitivePtr> candidates;
        listener.CollectAuxiliaryLines(candidates, DgnButtonEvent(nullptr, q, q, q, 0));
        taken += zt::TakeAuxiliaryLines(zt::NearestAuxiliaryCandidates(candidates, q)).size();
    }
    state.counters["lines"] = count;
    state.counters["taken/move"] = double(taken) / double(state.iterations());
}
BENCHMARK(BM_AuxiliaryWinners)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

// The same search without the index: every reference line's candidates, then the winners.
void BM_AuxiliaryWinnersWalkingEveryLine(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    const bvector<ICurvePrimitivePtr> lines = Plan(count);
    const std::vector<DPoint3d> cursors = Cursors(count, 256);
    std::size_t i = 0;
    for (auto _ : state) {
        const DPoint3d& q = cursors[i++ % cursors.size()];
        bvector<ICurvePrimitivePtr> all;
        for (const ICurvePrimitivePtr& line : lines) {
            DSegment3d s;
            line->TryGetLine(s);
            for (int kind = 0; kind < zt::ZTArchAuxiliaryLine::CandidateKindCount; ++kind)
                if (ICurvePrimitivePtr c = zt::ZTArchAuxiliaryLine::Candidate(
                        s, zt::ZTArchAuxiliaryLine::CandidateKind(kind), q,
                        zt::ZTArchAuxiliaryLine::kDefaultTolerance))
                    all.push_back(c);
        }
        benchmark::DoNotOptimize(zt::TakeAuxiliaryLines(zt::NearestAuxiliaryCandidates(all, q)));
    }
}
BENCHMARK(BM_AuxiliaryWinnersWalkingEveryLine)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMicrosecond);

// A drawing tool as the host writes one: the layout manager previews the next segment, the
// auxiliary lines follow the cursor, and the preview is drawn as dynamics.
class PlanTool : public DgnPrimitiveTool
{
public:
    bool _OnDataButton(DgnButtonEventCR ev) override
    {
        zt::ZTToolLayoutMgn::Get().AddDataButtonPoint(ev.GetPoint());
        m_aux._SetButton(ev.GetPoint());
        m_aux._SetAuxiliaryAngleInfo(ev.GetPoint(), DVec3d::UnitX());
        return true;
    }
    bool _OnResetButton(DgnButtonEventCR) override { return true; }
    void _OnModelMotion(DgnButtonEventCR ev) override
    {
        m_aux._OnMove(ev);
        m_preview = zt::ZTToolLayoutMgn::Get().AddDynamicPoint(ev.GetPoint());
    }
    void _OnDynamicFrame(DgnButtonEventCR, ViewContext& context) override
    {
        if (m_preview.IsValid())
            context.GetIDrawGeom().DrawCurvePrimitive(*m_preview, false, false);
    }

    zt::ZTArchAuxiliaryBaseTool m_aux;
    ICurvePrimitivePtr m_preview;
};

void BM_MouseMovePath(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    zt::win::Desktop::Reset();
    zt::win::SyntheticUser user;
    DgnApplication::Get().NewProject();
    zt::host::HostMainFrame* frame = zt::host::CreateMainFrame(RECT{0, 0, 1280, 800});
    IndexedViewport* view = IViewManager::GetManager().GetActiveViewSet().GetSelectedViewport();
    if (!frame || !view) {
        state.SkipWithError("no main frame");
        return;
    }
    TSStoreyModelViewManager::Get().EnsureViewportView(*DgnApplication::Get().GetCurrentProject());
    const double extent = 3000.0 * std::sqrt(double(count));
    view->CenterOn(DPoint3d{extent / 2, extent / 2, 0});
    view->SetScale(0.05); // 20 mm a pixel: a few rooms across the view
    zt::ZTViewBoxTransients::instance().start(false);

    zt::ZTArchAuxiliaryLine lines;
    zt::ZTArchAuxiliaryArc arcs;
    zt::ZTArchAuxiliaryMacrosMgn::GetInstance().AddListener(&lines);
    zt::ZTArchAuxiliaryMacrosMgn::GetInstance().AddListener(&arcs);
    PlanTool tool;
    tool.InstallTool();
    tool.m_aux._StartAuxiliary();
    tool.m_aux._SetICurvePrimitiveLine(Plan(count));
    zt::ZTToolLayoutMgn::Get().Begin();
    zt::ZTToolLayoutMgn::Get().SetDrawWay(zt::ZTDrawWay::Line);
    const DPoint3d centre = view->GetViewController().GetCenter();
    const DPoint3d s = view->WorldToScreen(centre);
    user.click(int(s.x), int(s.y));
    user.pump();

    int step = 0;
    for (auto _ : state) {
        step = (step + 1) % 200;
        user.moveTo(int(s.x) + 40 + step, int(s.y) + 30 + step / 2);
        user.pump();
        benchmark::DoNotOptimize(zt::win::Desktop::ComposeScreen());
    }
    state.counters["shown"] =
        double(zt::ZTArchAuxiliaryMacrosMgn::GetInstance().GetShownLines().size());

    tool.m_aux._CloseAuxiliary();
    tool.ExitTool();
    zt::ZTArchAuxiliaryMacrosMgn::GetInstance().DropListener(&lines);
    zt::ZTArchAuxiliaryMacrosMgn::GetInstance().DropListener(&arcs);
    zt::ZTViewBoxTransients::instance().stop(false);
    RedrawElems::ClearDynamics();
    zt::host::DestroyMainFrame();
    DgnApplication::Get().CloseProject();
    IViewManager::GetManager().GetActiveViewSet().CloseAll();
}
BENCHMARK(BM_MouseMovePath)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(200);

} // namespace
