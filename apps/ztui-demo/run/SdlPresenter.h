#pragma once
// The desktop in a real window: the composed screen shown in an SDL window at the window's
// pixel size, and the window's mouse, wheel, keys and text injected into the desktop as a
// user's input. The host runs threaded: the desktop lives on the user-interface thread of the
// executors, with the real clock, and this loop on the program's main thread only moves input
// in and pictures out. It sleeps until SDL has an event or the desktop has settled after
// dispatching messages; an idle host uses no processor time.

#include <functional>
#include <memory>
#include <string>

namespace ztdemo {

class SdlPresenter
{
public:
    SdlPresenter();
    ~SdlPresenter();
    SdlPresenter(const SdlPresenter&) = delete;
    SdlPresenter& operator=(const SdlPresenter&) = delete;

    // Opens the window. False with a one-line reason when there is no display.
    bool Open(const char* title, int width, int height, std::string& whyNot);

    // Called on the user-interface thread with the desktop's new size in pixels when the
    // window's size changes (and once at the start), so the host can lay its main frame over
    // the whole screen.
    void SetResizeHandler(std::function<void(int, int)> handler) { m_onResize = std::move(handler); }
    // Asked on the user-interface thread, with every new picture, for the window's caption.
    void SetTitleSource(std::function<std::wstring()> source) { m_title = std::move(source); }

    // Called on the main thread when F12 is pressed, instead of giving the key to the
    // desktop; returning true closes the window. For scripted checks of the real window.
    void SetSnapshotHandler(std::function<bool()> handler) { m_snapshot = std::move(handler); }

    // Runs until the window is closed, on the thread that opened the window, with the
    // executors in threaded mode. Returns the process exit code.
    int Run();

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
    std::function<void(int, int)> m_onResize;
    std::function<std::wstring()> m_title;
    std::function<bool()> m_snapshot;
};

} // namespace ztdemo
