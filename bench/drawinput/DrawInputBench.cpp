// The layout manager on long outlines. The preview runs on every cursor motion, so its cost
// must not grow with the outline: the goal is under 2 microseconds per AddDynamicPoint
// whatever the profile length.

#include "ztui/drawinput/ZTToolLayoutMgn.h"

#include <benchmark/benchmark.h>

using zt::ZTDrawWay;
using zt::ZTToolLayoutMgn;

namespace {

// A zigzag, so that no click repeats the one before.
DPoint3d ZigZag(int i)
{
    return DPoint3d{10.0 * i, (i % 2) ? 10.0 : 0.0, 0.0};
}

// A fresh layout with `segments` straight segments.
void BuildOutline(ZTToolLayoutMgn& mgr, int segments)
{
    mgr.Begin();
    mgr.SetDrawWay(ZTDrawWay::Line);
    for (int i = 0; i <= segments; ++i)
        mgr.AddDataButtonPoint(ZigZag(i));
}

void AddDynamicPoint(benchmark::State& state, ZTDrawWay way)
{
    ZTToolLayoutMgn& mgr = ZTToolLayoutMgn::Get();
    mgr.SetRandomSeed(7u);
    int segments = static_cast<int>(state.range(0));
    BuildOutline(mgr, segments);
    DPoint3d last = ZigZag(segments);
    switch (way) {
    case ZTDrawWay::ArcCirclePointsEnd:
        // Two more circle points: the cursor then places the end of an arc about a centre.
        mgr.SetDrawWay(way);
        mgr.AddDataButtonPoint(last + DVec3d{20, 20, 0});
        mgr.AddDataButtonPoint(last + DVec3d{0, 40, 0});
        break;
    case ZTDrawWay::RectangleThreePoints:
        // Switching to a rectangle through SetDrawWay would restart the layout; the tool's
        // own way reference keeps the long profile, which is what is being measured.
        mgr.GetDrawWay() = way;
        mgr.AddDataButtonPoint(last + DVec3d{50, 0, 0});
        break;
    default:
        mgr.SetDrawWay(way);
        break;
    }
    double wobble = 0.0;
    for (auto _ : state) {
        wobble = wobble > 5.0 ? 0.0 : wobble + 0.25;
        ICurvePrimitivePtr preview = mgr.AddDynamicPoint(last + DVec3d{30.0 + wobble, -25.0, 0});
        benchmark::DoNotOptimize(preview.get());
    }
    if (mgr.GetProfileSize() != segments)
        state.SkipWithError("the preview changed the profile");
    state.counters["profile"] = mgr.GetProfileSize();
}

void BM_AddDynamicPointLine(benchmark::State& state)
{
    AddDynamicPoint(state, ZTDrawWay::Line);
}
void BM_AddDynamicPointCirclePointsEnd(benchmark::State& state)
{
    AddDynamicPoint(state, ZTDrawWay::ArcCirclePointsEnd);
}
void BM_AddDynamicPointRectangleThreePoints(benchmark::State& state)
{
    AddDynamicPoint(state, ZTDrawWay::RectangleThreePoints);
}

BENCHMARK(BM_AddDynamicPointLine)->Arg(1000)->Arg(100000);
BENCHMARK(BM_AddDynamicPointCirclePointsEnd)->Arg(1000)->Arg(100000);
BENCHMARK(BM_AddDynamicPointRectangleThreePoints)->Arg(1000)->Arg(100000);

// A 10,000-click outline, click by click.
void BM_AddDataButtonPoint(benchmark::State& state)
{
    ZTToolLayoutMgn& mgr = ZTToolLayoutMgn::Get();
    const int clicks = static_cast<int>(state.range(0));
    for (auto _ : state)
        BuildOutline(mgr, clicks - 1);
    state.SetItemsProcessed(state.iterations() * clicks);
}
BENCHMARK(BM_AddDataButtonPoint)->Arg(10000)->Unit(benchmark::kMillisecond);

// Back space through the whole 10,000-click outline.
void BM_SetBackSpace(benchmark::State& state)
{
    ZTToolLayoutMgn& mgr = ZTToolLayoutMgn::Get();
    const int clicks = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        BuildOutline(mgr, clicks - 1);
        state.ResumeTiming();
        while (mgr.GetProfileSize() > 0)
            mgr.SetBackSpace();
    }
    state.SetItemsProcessed(state.iterations() * (clicks - 1));
}
BENCHMARK(BM_SetBackSpace)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
