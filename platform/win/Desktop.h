#pragma once
// The process-wide desktop: our own small API next to the Win32 functions, for hosts and tests.
//
// The desktop starts on first use of any window function, on the calling thread, which becomes
// its user-interface thread; every window function must then be called on that thread (posting
// messages, injecting input and waking the loop are the exceptions: they work from any thread).
// Time comes from a clock that tests advance by hand; a host running its own threads switches
// to the real clock.

#include "platform/win/WinUserDefs.h"

#include <cstddef>
#include <cstdint>
#include <functional>

namespace zt::win {

// A read-only view of the composed screen. Rows run top to bottom; each pixel is one 32-bit
// value 0x00RRGGBB in the machine's byte order (the top byte is not defined, so compare
// `value & 0xFFFFFF` or use at()). stride counts pixels, not bytes, from the start of one row
// to the start of the next; it may be larger than width. A view with no pixels (width and
// height 0) means the screen could not be composed.
struct ScreenPixels
{
    const std::uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0;

    explicit operator bool() const { return pixels && width > 0 && height > 0; }
    // The first pixel of row y (null outside the screen).
    const std::uint32_t* row(int y) const
    {
        if (!pixels || y < 0 || y >= height)
            return nullptr;
        return pixels + static_cast<std::ptrdiff_t>(y) * stride;
    }
    // The pixel at (x, y) as 0x00RRGGBB; black outside the screen.
    std::uint32_t at(int x, int y) const
    {
        const std::uint32_t* r = row(y);
        return r && x >= 0 && x < width ? r[x] & 0x00FFFFFFu : 0;
    }
};

class Desktop
{
public:
    static constexpr int kDefaultScreenWidth = 1920;
    static constexpr int kDefaultScreenHeight = 1080;

    // Destroys every window, forgets every class, timer, queued message and input, and resets
    // the clock, the key state and the cursor. The next window call starts a new desktop on
    // the calling thread. Must be called on the user-interface thread (or before any use).
    static void Reset();
    // True when a desktop exists and the calling thread is its user-interface thread.
    static bool IsUIThread();

    // The hand-driven clock. Advances the clock in steps to every timer deadline on the way and
    // pumps at each step, so that a 100 ms timer fires five times in AdvanceClock(500).
    static void AdvanceClock(DWORD milliseconds);
    // Switches to the real (monotonic) clock: waiting for messages then sleeps until the next
    // timer is due. Used by the threaded host.
    static void UseRealClock(bool real);
    static DWORD Now();

    // Runs everything that is ready: queued tasks (see SetTaskRunner), posted messages, queued
    // input, paints and due timers, through the pre-translate hook (SetPreTranslateHook), until
    // nothing is left. Returns the number of messages dispatched. Does not wait.
    static std::size_t Pump();

    // How many windows (every level, the desktop window not counted) and timers exist: for
    // finding what a long session leaks. On the desktop's thread.
    static std::size_t WindowCount();
    static std::size_t TimerCount();

    // The screen size in pixels (default 1920 x 1080). Changing it does not move windows.
    static void SetScreenSize(int width, int height);
    static SIZE ScreenSize();

    // The screen composed from every window's current pixels, after running pending paints.
    // The pixels belong to the desktop and are valid until the next composition (a later
    // ComposeScreen, ScreenPixel, PNG writer or GetDC of the screen), a change of screen size
    // or a reset.
    static ScreenPixels ComposeScreen();
    // One pixel of the composed screen as a COLORREF (black outside the screen).
    static COLORREF ScreenPixel(int x, int y);
    // PNG files of the screen, of a window as it appears on the screen (its window rectangle,
    // cut from the composed screen), or of a window's own pixels (its backing surface area).
    static bool WriteScreenPng(const wchar_t* path);
    static bool WriteWindowPng(HWND hwnd, const wchar_t* path);

    // Work that the message loop runs while it waits, e.g. the host's queued user-interface
    // tasks. The runner returns how many tasks it ran. Wake may be called from any thread to
    // interrupt a waiting GetMessage so that it calls the runner.
    static void SetTaskRunner(std::function<std::size_t()> runner);
    static void Wake();
    // Posts WM_QUIT to the user-interface thread's queue; from any thread.
    static void PostQuitToUIThread(int exitCode);

    // Called by Pump (and by GetMessage loops of the class library) for each retrieved message
    // before TranslateMessage/DispatchMessage; true consumes the message. The class library
    // installs its pre-translate chain here.
    static void SetPreTranslateHook(BOOL (*hook)(MSG* msg));
    // Called in hand-clock mode when GetMessage has nothing to return and nothing can arrive
    // any more (no task, no timer): a test can inject input or post messages here. If the hook
    // adds nothing, GetMessage returns -1 instead of waiting forever.
    static void SetIdleHook(std::function<void()> hook);
    // Called on the user-interface thread in real-clock mode when the message loop has
    // dispatched messages since it last waited and is about to wait again: the screen may have
    // changed. A presenter that shows the screen in a window of another thread composes then.
    static void SetSettledHook(std::function<void()> hook);

    // Called right after a window record exists and before WM_NCCREATE is sent: the class
    // library attaches its window object here, as it does with a CBT hook on Windows.
    static void SetCreationHook(void (*hook)(HWND hwnd, const CREATESTRUCTW* cs));
    // Called just before a window record is freed (after WM_NCDESTROY).
    static void SetDestructionHook(void (*hook)(HWND hwnd));
    // Called, like the destruction hook, just before a window record is freed, for the parts
    // of the window system that keep something of their own per window (the dialog manager's
    // records): a window whose procedure never passes WM_NCDESTROY on to them must still
    // leave nothing behind. Up to four observers; adding one twice adds it once.
    static void AddDestructionObserver(void (*observer)(HWND hwnd));

    // The system's own window classes ("Button", "Static", "#32770", ...). When a class name
    // is looked up that no registered class has, each provider is asked in turn with the name
    // in lower case and registers the class if it is one of its own, so that the classes exist
    // again in every new desktop without set-up. Providers are kept for the process.
    static void AddClassProvider(bool (*provider)(const wchar_t* lowerName));
};

} // namespace zt::win
