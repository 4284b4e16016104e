// The reference host in a real window: the same session as the scripted demo, with the two host
// threads running, shown and driven through SDL. Without a display it says so and suggests the
// scripted session.
//
//     ztui-run [--project FILE]

#include "apps/ztui-demo/run/SdlPresenter.h"
#include "apps/ztui-demo/session/DemoSession.h"
#include "platform/host/Executors.h"

#include <cstring>
#include <iostream>

int main(int argc, char** argv)
{
    std::filesystem::path project = "build/demo/示例办公楼.ztproj";
    for (int i = 1; i + 1 < argc; ++i)
        if (!std::strcmp(argv[i], "--project"))
            project = argv[++i];

    ztdemo::SdlPresenter presenter;
    std::string whyNot;
    if (!presenter.Open("ZTUi reference host", 1600, 900, whyNot)) {
        std::cout << "make run needs a display: " << whyNot
                  << "; `make demo` shows the same session as pictures in build/demo/.\n";
        return 2;
    }
    zt::host::Executors& executors = zt::host::Executors::Get();
    executors.Start(zt::host::ExecutorMode::Threaded);
    ztdemo::DemoSession session;
    std::string error;
    bool opened = false;
    executors.RunOnUIAndWait([&] {
        ztdemo::DemoSession::Options options;
        options.project = project;
        opened = session.Open(options, error);
    });
    if (!opened) {
        std::cerr << "the session did not open: " << error << "\n";
        executors.RunOnUIAndWait([&] { session.Close(); });
        executors.Stop();
        return 1;
    }
    presenter.SetResizeHandler([&](int w, int h) { session.FitFrameTo(w, h); });
    presenter.SetTitleSource([&] { return session.Caption(); });
    int code = presenter.Run();
    // Closing the window saves nothing the user did not ask to save.
    executors.RunOnUIAndWait([&] { session.Close(); });
    executors.Stop();
    return code;
}
