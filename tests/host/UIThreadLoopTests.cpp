// The threaded host's user-interface thread runs the window message loop: windows live there,
// posted messages from other threads are dispatched there, and queued UI tasks run there too.
#include "platform/host/Executors.h"
#include "platform/host/MainFrame.h"
#include "platform/win/Desktop.h"
#include "platform/win/afxwin.h"

#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <thread>

namespace {

using zt::host::ExecutorMode;
using zt::host::Executors;

std::promise<std::thread::id>* g_seen = nullptr;

LRESULT Proc(HWND h, UINT m, WPARAM w, LPARAM l)
{
    if (m == WM_APP + 1 && g_seen) {
        g_seen->set_value(std::this_thread::get_id());
        return 0;
    }
    return DefWindowProcW(h, m, w, l);
}

struct UIThreadLoop : ::testing::Test
{
    void SetUp() override { Executors::Get().Start(ExecutorMode::Threaded); }
    void TearDown() override { Executors::Get().Stop(); }
};

TEST_F(UIThreadLoop, MessagesPostedFromAnotherThreadAreDispatchedOnTheUIThread)
{
    HWND hwnd = nullptr;
    std::thread::id uiThread;
    Executors::Get().RunOnUIAndWait([&] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = &Proc;
        wc.lpszClassName = L"UIThreadLoopTest";
        RegisterClassExW(&wc);
        hwnd = CreateWindowExW(0, L"UIThreadLoopTest", L"", WS_POPUP, 0, 0, 10, 10, nullptr,
                               nullptr, nullptr, nullptr);
        uiThread = std::this_thread::get_id();
    });
    ASSERT_NE(hwnd, nullptr);
    std::promise<std::thread::id> seen;
    g_seen = &seen;
    PostMessageW(hwnd, WM_APP + 1, 0, 0);
    EXPECT_EQ(seen.get_future().get(), uiThread);
    g_seen = nullptr;
    EXPECT_NE(uiThread, std::this_thread::get_id());
}

TEST_F(UIThreadLoop, QueuedTasksRunWhileTheLoopWaitsForMessages)
{
    std::promise<bool> ran;
    Executors::Get().PostToUI([&] { ran.set_value(zt::win::Desktop::IsUIThread()); });
    EXPECT_TRUE(ran.get_future().get());
}

TEST_F(UIThreadLoop, MainFrameIsCreatedOnTheUIThread)
{
    zt::host::HostMainFrame* frame = zt::host::CreateMainFrame(RECT{0, 0, 640, 480}, SW_SHOW);
    ASSERT_NE(frame, nullptr);
    bool hasView = false;
    Executors::Get().RunOnUIAndWait([&] {
        hasView = frame->GetGraphicsView() && ::IsWindow(frame->GetGraphicsView()->m_hWnd);
    });
    EXPECT_TRUE(hasView);
    zt::host::DestroyMainFrame();
}

} // namespace
