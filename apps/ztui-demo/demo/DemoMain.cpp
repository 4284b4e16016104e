// The reference host's scripted session: opens the sample project on a headless desktop,
// plays every scene with injected input, writes one picture per scene and a gallery, and
// exits non-zero when a scene fails its checks.
//
//     ztui-demo [--out DIR] [--project FILE] [--keep-project] [--appdata DIR] [--keep-appdata]
//               [scene ...]
//
// The session keeps what the library remembers for the user (the property panel's groups) in
// an application-data folder of its own, DIR/appdata unless told otherwise, emptied at the
// start unless kept, so that every run starts as a first run.

#include "apps/ztui-demo/demo/ContextbarScenes.h"
#include "apps/ztui-demo/demo/DrawAidScenes.h"
#include "apps/ztui-demo/demo/HostScenes.h"
#include "apps/ztui-demo/demo/PanelScenes.h"
#include "apps/ztui-demo/demo/PropertyDataScenes.h"
#include "apps/ztui-demo/demo/SceneContext.h"
#include "apps/ztui-demo/demo/SceneRunner.h"
#include "apps/ztui-demo/demo/TracerScenes.h"
#include "apps/ztui-demo/session/DemoSession.h"
#include "platform/win/Desktop.h"

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <iostream>

namespace {

constexpr int kScreenWidth = 1600;
constexpr int kScreenHeight = 900;

struct Arguments
{
    std::filesystem::path out = "build/demo";
    std::filesystem::path project;
    bool keepProject = false;
    std::filesystem::path appData;
    bool keepAppData = false;
    std::vector<std::string> scenes;
    bool ok = true;
};

Arguments Parse(int argc, char** argv)
{
    Arguments a;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--out") && i + 1 < argc)
            a.out = argv[++i];
        else if (!std::strcmp(argv[i], "--project") && i + 1 < argc)
            a.project = argv[++i];
        else if (!std::strcmp(argv[i], "--keep-project"))
            a.keepProject = true;
        else if (!std::strcmp(argv[i], "--appdata") && i + 1 < argc)
            a.appData = argv[++i];
        else if (!std::strcmp(argv[i], "--keep-appdata"))
            a.keepAppData = true;
        else if (argv[i][0] == '-')
            a.ok = false;
        else
            a.scenes.emplace_back(argv[i]);
    }
    if (a.project.empty())
        a.project = a.out / "示例办公楼.ztproj";
    if (a.appData.empty())
        a.appData = a.out / "appdata";
    return a;
}

} // namespace

int main(int argc, char** argv)
{
    Arguments args = Parse(argc, argv);
    if (!args.ok) {
        std::cerr
            << "usage: ztui-demo [--out DIR] [--project FILE] [--keep-project] [--appdata DIR] "
               "[--keep-appdata] [scene ...]\n";
        return 2;
    }
    auto start = std::chrono::steady_clock::now();
    std::error_code ec;
    // Each run starts from a freshly built sample unless told to keep the last one.
    if (!args.keepProject)
        std::filesystem::remove(args.project, ec);
    if (!args.keepAppData)
        std::filesystem::remove_all(args.appData, ec);
    std::filesystem::create_directories(args.appData, ec);
    ::setenv("XDG_CONFIG_HOME", std::filesystem::absolute(args.appData, ec).c_str(), 1);

    zt::win::Desktop::SetScreenSize(kScreenWidth, kScreenHeight);
    ztdemo::DemoSession session;
    std::string error;
    ztdemo::DemoSession::Options options;
    options.project = args.project;
    options.frame = RECT{0, 0, kScreenWidth, kScreenHeight};
    if (!session.Open(options, error)) {
        std::cerr << "FAIL the session did not open: " << error << "\n";
        return 1;
    }
    ztdemo::SceneContext context(session);
    context.Settle();
    std::cout << "ztui-demo: " << session.Built().total() << " elements on "
              << session.Built().storeys << " storeys in " << args.project.string() << "\n";

    ztdemo::SceneRunner runner(
        args.out,
        [](const std::filesystem::path& file) {
            return zt::win::Desktop::WriteScreenPng(file.wstring().c_str());
        },
        std::cout);
    ztdemo::AddHostScenes(runner);
    ztdemo::AddPanelScenes(runner);
    ztdemo::AddTracerScenes(runner);
    ztdemo::AddDrawAidScenes(runner);
    ztdemo::AddContextbarScenes(runner);
    // Last: they repaint walls and hide a layer.
    ztdemo::AddPropertyDataScenes(runner);
    runner.select(args.scenes);
    for (const std::string& unknown : runner.unknownSelections()) {
        std::cerr << "FAIL no scene is called " << unknown << "\n";
        return 2;
    }
    std::vector<ztdemo::SceneOutcome> outcomes = runner.run(context);
    session.Close();

    std::size_t failed = 0;
    for (const auto& o : outcomes)
        failed += o.passed() ? 0 : 1;
    double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::cout << outcomes.size() - failed << " of " << outcomes.size() << " scenes passed in "
              << seconds << " s; pictures and index.html in " << args.out.string() << "\n";
    return failed ? 1 : 0;
}
