// One frame of the interactive reference host with the sample building in view: a pointer move
// is injected, dispatched (the active tool's dynamics included), painted, composed and copied
// out as the window presenter copies it. Reports the median and the worst of the frames.

#include "apps/ztui-demo/demo/SceneContext.h"
#include "apps/ztui-demo/session/DemoSession.h"
#include "platform/win/Desktop.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <unistd.h>
#include <vector>

namespace {

void CopyScreen(std::vector<std::uint32_t>& out)
{
    const zt::win::ScreenPixels screen = zt::win::Desktop::ComposeScreen();
    const auto w = static_cast<std::size_t>(screen.width);
    out.resize(w * static_cast<std::size_t>(screen.height));
    for (int y = 0; y < screen.height; ++y)
        std::memcpy(&out[static_cast<std::size_t>(y) * w], screen.row(y), w * 4);
}

void RunFrames(benchmark::State& state, bool withTool, bool iso)
{
    namespace fs = std::filesystem;
    fs::path project = fs::temp_directory_path() / ("ztui-bench-" + std::to_string(::getpid())) /
                       "bench.ztproj";
    fs::remove_all(project.parent_path());
    zt::win::Desktop::SetScreenSize(1920, 1080);
    ztdemo::DemoSession session;
    std::string error;
    ztdemo::DemoSession::Options options;
    options.project = project;
    options.frame = RECT{0, 0, 1920, 1080};
    if (!session.Open(options, error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    ztdemo::SceneContext context(session);
    if (iso)
        session.ShowIso();
    context.Settle();
    if (withTool) {
        zt::host::RibbonBar& ribbon = session.Ribbon();
        CRect rc = ribbon.GetButtonRect(ribbon.FindButton(ztdemo::DemoSession::kWallTool));
        ribbon.ClientToScreen(&rc);
        context.user().click(rc.CenterPoint());
        context.user().click(context.ScreenOf({600, 3000, 0}));
        context.Settle();
    }
    RECT view = context.ViewRect();
    std::vector<std::uint32_t> presented;
    std::vector<double> frames;
    int step = 0;
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        int x = view.left + 100 + (step * 37) % std::max<int>(view.right - view.left - 200, 1);
        int y = view.top + 100 + (step * 23) % std::max<int>(view.bottom - view.top - 200, 1);
        ++step;
        context.user().moveTo(x, y);
        context.Settle();
        CopyScreen(presented);
        frames.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::sort(frames.begin(), frames.end());
    if (!frames.empty()) {
        state.counters["median_ms"] = frames[frames.size() / 2];
        state.counters["worst_ms"] = frames.back();
    }
    session.Close();
    fs::remove_all(project.parent_path());
}

void BM_HostFramePlan(benchmark::State& state) { RunFrames(state, false, false); }
void BM_HostFramePlanDrawingWall(benchmark::State& state) { RunFrames(state, true, false); }
void BM_HostFrameIso(benchmark::State& state) { RunFrames(state, false, true); }

BENCHMARK(BM_HostFramePlan)->Iterations(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HostFramePlanDrawingWall)->Iterations(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HostFrameIso)->Iterations(1000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
