// The reference host in a real window: the same session as the scripted demo, with the two host
// threads running, shown and driven through SDL. Without a display it says so and suggests the
// scripted session.
//
//     ztui-run [--project FILE] [--snapshot DIR]
//
// With --snapshot, F12 writes the desktop's own picture of the screen ("desktop.png") and the
// command line's text ("commandline.txt") into DIR and closes the window: the window test
// compares them with what the X server shows.

#include "apps/ztui-demo/run/SdlPresenter.h"
#include "apps/ztui-demo/session/DemoSession.h"
#include "platform/base/AtomicFile.h"
#include "platform/base/Encoding.h"
#include "platform/host/CommandLine.h"
#include "platform/host/Executors.h"
#include "platform/win/Desktop.h"

#include <cstring>
#include <iostream>

int main(int argc, char** argv)
{
    std::filesystem::path project = "build/demo/示例办公楼.ztproj";
    std::filesystem::path snapshot;
    for (int i = 1; i + 1 < argc; ++i) {
        if (!std::strcmp(argv[i], "--project"))
            project = argv[++i];
        else if (!std::strcmp(argv[i], "--snapshot"))
            snapshot = argv[++i];
    }

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
    if (!snapshot.empty()) {
        presenter.SetSnapshotHandler([&] {
            executors.RunOnUIAndWait([&] {
                std::error_code ec;
                std::filesystem::create_directories(snapshot, ec);
                zt::win::Desktop::WriteScreenPng((snapshot / "desktop.png").wstring().c_str());
                std::string text = zt::base::WideToUtf8(
                    TesselCommandLine::Get().GetText().GetString());
                zt::WriteFileAtomically(snapshot / "commandline.txt", text);
            });
            return true;
        });
    }
    int code = presenter.Run();
    // Closing the window saves nothing the user did not ask to save.
    executors.RunOnUIAndWait([&] { session.Close(); });
    executors.Stop();
    return code;
}
