// A million world-to-screen conversions, as a pass over a large model makes them: one array
// call, and one call per point.
#include "platform/cad/IndexedViewport.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

constexpr int kPoints = 1000000;

std::vector<DPoint3d> Points()
{
    std::vector<DPoint3d> pts(kPoints);
    for (int i = 0; i < kPoints; ++i)
        pts[i] = DPoint3d{double(i % 1000) * 37.0, double(i / 1000) * 41.0, double(i % 7)};
    return pts;
}

void SetUp(IndexedViewport& vp)
{
    vp.Set3dView(true);
    vp.SetRotMatrix(RotMatrix::FromStandardView(StandardView::Iso));
    vp.SetViewSize(1920, 1080);
    vp.SetScale(0.02);
    vp.CenterOn(DPoint3d{18000, 20000, 0});
}

void BM_WorldToScreenArray(benchmark::State& state)
{
    IndexedViewport vp(0);
    SetUp(vp);
    const std::vector<DPoint3d> world = Points();
    std::vector<DPoint3d> screen(kPoints);
    for (auto _ : state) {
        vp.WorldToScreen(screen.data(), world.data(), kPoints);
        benchmark::DoNotOptimize(screen.data());
    }
    state.SetItemsProcessed(state.iterations() * kPoints);
}
BENCHMARK(BM_WorldToScreenArray)->Unit(benchmark::kMillisecond);

void BM_WorldToScreenOneByOne(benchmark::State& state)
{
    IndexedViewport vp(0);
    SetUp(vp);
    const std::vector<DPoint3d> world = Points();
    for (auto _ : state) {
        double sum = 0.0;
        for (const DPoint3d& w : world)
            sum += vp.WorldToScreen(w).x;
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kPoints);
}
BENCHMARK(BM_WorldToScreenOneByOne)->Unit(benchmark::kMillisecond);

} // namespace
