// The reference host's working day in one process: the scripted session's scenes played over
// and over, each loop opening the sample project afresh, playing every scene that stays in this
// process and closing the session again. After each loop what a leak leaves behind (windows,
// GDI objects, timers, the listeners registered with the library and the platform, the views'
// transients) must be back at the counts the first loop left, and resident memory must stop
// growing after the first ten loops. One line of figures per loop.
//
//     ztui-soak [--loops N] [--out DIR] [--growth-kb K] [scene ...]
//
// Scenes named on the command line narrow the loop to them, for finding what leaks. The scenes
// that start the host a second time are left out: they run this program again.

#include "apps/ztui-demo/demo/ContextbarScenes.h"
#include "apps/ztui-demo/demo/DrawAidScenes.h"
#include "apps/ztui-demo/demo/HostScenes.h"
#include "apps/ztui-demo/demo/PanelScenes.h"
#include "apps/ztui-demo/demo/PropertyDataScenes.h"
#include "apps/ztui-demo/demo/SceneContext.h"
#include "apps/ztui-demo/demo/SceneRunner.h"
#include "apps/ztui-demo/demo/TracerScenes.h"
#include "apps/ztui-demo/session/DemoSession.h"
#include "platform/cad/IViewManager.h"
#include "platform/cad/SelectionSetManager.h"
#include "platform/host/MainFrameEvent.h"
#include "platform/win/Desktop.h"
#include "platform/win/GdiDiagnostics.h"
#include "ztui/frame/ZTCmdLineEventListener.h"
#include "ztui/frame/ZTUiEventListener.h"
#include "ztui/frame/ZTViewMsgEventListener.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

constexpr int kScreenWidth = 1600;
constexpr int kScreenHeight = 900;
// Loops allowed to grow resident memory: caches of fonts, glyphs and classes fill then.
constexpr int kWarmUpLoops = 10;
const char* const kOtherProcessScenes[] = {"panel-restart", "property-set"};

struct Counts
{
    std::size_t windows = 0;
    std::size_t gdiObjects = 0;
    std::size_t timers = 0;
    std::size_t listeners = 0;
    std::size_t transients = 0;
    bool operator==(const Counts&) const = default;
};

template <class Registry>
std::size_t Registered(const Registry& registry)
{
    const auto& listeners = registry.listeners();
    return static_cast<std::size_t>(std::count_if(listeners.begin(), listeners.end(),
                                                  [](const auto* l) { return l != nullptr; })) +
           registry.pending().size();
}

Counts Measure()
{
    Counts c;
    c.windows = zt::win::Desktop::WindowCount();
    c.gdiObjects = zt::win::GetGdiObjectCount();
    c.timers = zt::win::Desktop::TimerCount();
    c.listeners = Registered(zt::ZTUiEventListener::instance().registry()) +
                  Registered(zt::ZTViewMsgEventListener::instance().registry()) +
                  Registered(zt::ZTCmdLineEventListener::instance().registry()) +
                  Tessel::TSMainFrameEventListener::Get().GetListenerCount() +
                  SelectionSetManager::GetManager().GetListenerCount();
    c.transients = IViewManager::GetManager().GetViewTransientHandlers().size();
    return c;
}

long ResidentKb()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

struct Arguments
{
    int loops = 200;
    std::filesystem::path out = "build/soak";
    long growthKb = 2048;
    std::vector<std::string> scenes;
    bool ok = true;
};

Arguments Parse(int argc, char** argv)
{
    Arguments a;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--loops") && i + 1 < argc)
            a.loops = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--out") && i + 1 < argc)
            a.out = argv[++i];
        else if (!std::strcmp(argv[i], "--growth-kb") && i + 1 < argc)
            a.growthKb = std::atol(argv[++i]);
        else if (argv[i][0] == '-')
            a.ok = false;
        else
            a.scenes.emplace_back(argv[i]);
    }
    a.ok = a.ok && a.loops > 0;
    return a;
}

// One loop: a fresh sample project, every scene of this process, the session closed. The
// number of scenes that failed their own checks; -1 when the session did not open.
int PlayOnce(const Arguments& args)
{
    std::error_code ec;
    const std::filesystem::path project = args.out / "soak.ztproj";
    std::filesystem::remove(project, ec);
    ztdemo::DemoSession session;
    ztdemo::DemoSession::Options options;
    options.project = project;
    options.frame = RECT{0, 0, kScreenWidth, kScreenHeight};
    std::string error;
    if (!session.Open(options, error)) {
        std::cerr << "FAIL the session did not open: " << error << "\n";
        return -1;
    }
    ztdemo::SceneContext context(session);
    context.Settle();
    std::ostringstream log;
    ztdemo::SceneRunner runner(args.out, [](const std::filesystem::path&) { return true; }, log);
    ztdemo::AddHostScenes(runner);
    ztdemo::AddPanelScenes(runner);
    ztdemo::AddTracerScenes(runner);
    ztdemo::AddDrawAidScenes(runner);
    ztdemo::AddContextbarScenes(runner);
    ztdemo::AddPropertyDataScenes(runner);
    std::vector<std::string> ids;
    for (const std::string& id : args.scenes.empty() ? runner.ids() : args.scenes)
        if (std::find(std::begin(kOtherProcessScenes), std::end(kOtherProcessScenes), id) ==
            std::end(kOtherProcessScenes))
            ids.push_back(id);
    runner.select(ids);
    int failed = 0;
    for (const ztdemo::SceneOutcome& o : runner.run(context)) {
        if (o.passed())
            continue;
        ++failed;
        for (const std::string& f : o.failures)
            std::cerr << "scene " << o.id << ": " << f << "\n";
    }
    session.Close();
    context.Settle();
    return failed;
}

std::string Describe(const Counts& c)
{
    char text[160];
    std::snprintf(text, sizeof text, "windows %zu  gdi %zu  timers %zu  listeners %zu  transients %zu",
                  c.windows, c.gdiObjects, c.timers, c.listeners, c.transients);
    return text;
}

} // namespace

int main(int argc, char** argv)
{
    const Arguments args = Parse(argc, argv);
    if (!args.ok) {
        std::cerr << "usage: ztui-soak [--loops N] [--out DIR] [--growth-kb K] [scene ...]\n";
        return 2;
    }
    std::error_code ec;
    std::filesystem::create_directories(args.out / "appdata", ec);
    ::setenv("XDG_CONFIG_HOME", std::filesystem::absolute(args.out / "appdata", ec).c_str(), 1);
    zt::win::Desktop::SetScreenSize(kScreenWidth, kScreenHeight);

    const Counts before = Measure();
    std::cout << "ztui-soak: before the first loop: " << Describe(before) << "\n";
    Counts baseline;
    long residentAtWarmUp = 0;
    long residentMax = 0;
    int problems = 0;
    for (int loop = 1; loop <= args.loops; ++loop) {
        const auto start = std::chrono::steady_clock::now();
        const int failedScenes = PlayOnce(args);
        if (failedScenes < 0)
            return 1;
        const Counts now = Measure();
        const long resident = ResidentKb();
        if (loop == 1)
            baseline = now;
        if (loop == std::min(kWarmUpLoops, args.loops))
            residentAtWarmUp = resident;
        if (loop > kWarmUpLoops)
            residentMax = std::max(residentMax, resident);
        const bool back = now == baseline;
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::printf("loop %3d  %s  rss %ld kB  %.1f s%s%s\n", loop, Describe(now).c_str(),
                    resident, seconds, back ? "" : "  NOT AT BASELINE",
                    failedScenes ? "  SCENES FAILED" : "");
        std::fflush(stdout);
        problems += (back ? 0 : 1) + (failedScenes ? 1 : 0);
    }
    const long growth = args.loops > kWarmUpLoops ? residentMax - residentAtWarmUp : 0;
    std::printf("baseline after loop 1: %s\n", Describe(baseline).c_str());
    std::printf("resident memory after loop %d: %ld kB; highest after it: %ld kB; growth %ld kB "
                "(allowed %ld kB)\n",
                std::min(kWarmUpLoops, args.loops), residentAtWarmUp, residentMax, growth,
                args.growthKb);
    if (growth > args.growthKb)
        ++problems;
    std::printf("%d loops, %d problems\n", args.loops, problems);
    return problems ? 1 : 0;
}
