// Our own desktop API: reset, the hand-driven clock, pumping, the screen and PNG capture.
#include "platform/win/Desktop.h"

#include "platform/win/desktop/DesktopState.h"
#include "platform/win/gdi/SurfaceDC.h"

#include <cairo.h>

namespace zt::win {

namespace {

constexpr std::size_t kPumpLimit = 200000;

} // namespace

void Desktop::Reset()
{
    DesktopState::Destroy();
}

bool Desktop::IsUIThread()
{
    DesktopState* d = DesktopState::Current();
    return d && d->uiThread == std::this_thread::get_id();
}

void Desktop::AdvanceClock(DWORD milliseconds)
{
    DesktopState& d = Desk();
    ULONGLONG target = d.handClock + milliseconds;
    Pump();
    for (;;) {
        ULONGLONG due = NextTimerDue();
        if (due > target)
            break;
        d.handClock = std::max(d.handClock, due);
        Pump();
    }
    d.handClock = target;
    Pump();
}

void Desktop::UseRealClock(bool real)
{
    DesktopState& d = Desk();
    if (d.realClock == real)
        return;
    ULONGLONG now = d.Now();
    d.realClock = real;
    if (!real)
        d.handClock = now;
}

DWORD Desktop::Now()
{
    return static_cast<DWORD>(Desk().Now());
}

std::size_t Desktop::Pump()
{
    DesktopState& d = Desk();
    Inbox& in = GetInbox();
    std::size_t dispatched = 0;
    for (;;) {
        std::function<std::size_t()> runner;
        BOOL (*hook)(MSG*) = nullptr;
        {
            std::lock_guard lock(in.mutex);
            runner = in.taskRunner;
            hook = in.preTranslateHook;
        }
        std::size_t tasks = runner ? runner() : 0;
        std::size_t round = 0;
        MSG m{};
        bool quit = false;
        while (dispatched < kPumpLimit && RetrieveMessage(&m, nullptr, 0, 0, true)) {
            if (m.message == WM_QUIT) {
                // Pumping does not swallow a quit request: the loop that owns it will see it.
                quit = true;
                std::lock_guard lock(in.mutex);
                in.quitPosted = true;
                in.quitCode = static_cast<int>(m.wParam);
                break;
            }
            d.messageTime = m.time;
            d.messagePos = m.pt;
            if (!hook || !hook(&m)) {
                TranslateMessage(&m);
                DispatchMessageW(&m);
            }
            ++round;
            ++dispatched;
            m = MSG{};
        }
        if (quit || dispatched >= kPumpLimit || (tasks == 0 && round == 0))
            break;
    }
    if (d.screenDCs > 0)
        ComposeScreenNow();
    return dispatched;
}

void Desktop::SetScreenSize(int width, int height)
{
    if (width <= 0 || height <= 0)
        return;
    Inbox& in = GetInbox();
    {
        std::lock_guard lock(in.mutex);
        in.screenSize = SIZE{width, height};
    }
    if (DesktopState* d = DesktopState::Current()) {
        d->desktopWindow->window = RECT{0, 0, width, height};
        d->desktopWindow->client = d->desktopWindow->window;
        MarkScreenDirty();
    }
}

std::size_t Desktop::WindowCount()
{
    return Desk().windows.size();
}

SIZE Desktop::ScreenSize()
{
    Inbox& in = GetInbox();
    std::lock_guard lock(in.mutex);
    return in.screenSize;
}

cairo_surface_t* ComposeScreenSurface()
{
    PaintAllPending();
    ComposeScreenNow();
    return Desk().screen;
}

ScreenPixels Desktop::ComposeScreen()
{
    cairo_surface_t* screen = ComposeScreenSurface();
    if (!screen || cairo_surface_status(screen) != CAIRO_STATUS_SUCCESS)
        return {};
    cairo_surface_flush(screen);
    const unsigned char* data = cairo_image_surface_get_data(screen);
    if (!data)
        return {};
    ScreenPixels view;
    view.pixels = reinterpret_cast<const std::uint32_t*>(data);
    view.width = cairo_image_surface_get_width(screen);
    view.height = cairo_image_surface_get_height(screen);
    // Rows of a 32-bit image surface are whole pixels apart.
    view.stride = cairo_image_surface_get_stride(screen) / 4;
    return view;
}

COLORREF Desktop::ScreenPixel(int x, int y)
{
    std::uint32_t p = ComposeScreen().at(x, y);
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

bool Desktop::WriteScreenPng(const wchar_t* path)
{
    return path && WriteSurfacePng(ComposeScreenSurface(), path);
}

bool Desktop::WriteWindowPng(HWND hwnd, const wchar_t* path)
{
    Window* w = FindWindowRecord(hwnd);
    if (!w || !path)
        return false;
    cairo_surface_t* screen = ComposeScreenSurface();
    RECT r = w->window;
    int cx = std::max<int>(1, r.right - r.left), cy = std::max<int>(1, r.bottom - r.top);
    cairo_surface_t* out = cairo_image_surface_create(CAIRO_FORMAT_RGB24, cx, cy);
    cairo_t* cr = cairo_create(out);
    // A window that is hidden or covered is written from its own backing pixels where it has
    // them, so that tests can look at windows that are not on top.
    Window* owner = SurfaceOwnerOf(w);
    if (owner && owner->surface) {
        cairo_set_source_surface(cr, owner->surface, owner->window.left - r.left,
                                 owner->window.top - r.top);
    } else {
        cairo_set_source_surface(cr, screen, -r.left, -r.top);
    }
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_paint(cr);
    cairo_destroy(cr);
    bool ok = WriteSurfacePng(out, path);
    cairo_surface_destroy(out);
    return ok;
}

void Desktop::SetTaskRunner(std::function<std::size_t()> runner)
{
    Inbox& in = GetInbox();
    std::lock_guard lock(in.mutex);
    in.taskRunner = std::move(runner);
}

void Desktop::Wake()
{
    Inbox& in = GetInbox();
    {
        std::lock_guard lock(in.mutex);
        in.woken = true;
    }
    in.cv.notify_all();
}

void Desktop::PostQuitToUIThread(int exitCode)
{
    Inbox& in = GetInbox();
    {
        std::lock_guard lock(in.mutex);
        in.quitPosted = true;
        in.quitCode = exitCode;
    }
    in.cv.notify_all();
}

void Desktop::SetPreTranslateHook(BOOL (*hook)(MSG* msg))
{
    Inbox& in = GetInbox();
    std::lock_guard lock(in.mutex);
    in.preTranslateHook = hook;
}

void Desktop::SetIdleHook(std::function<void()> hook)
{
    Inbox& in = GetInbox();
    std::lock_guard lock(in.mutex);
    in.idleHook = std::move(hook);
}

void Desktop::SetSettledHook(std::function<void()> hook)
{
    Inbox& in = GetInbox();
    std::lock_guard lock(in.mutex);
    in.settledHook = std::move(hook);
}

void Desktop::SetCreationHook(void (*hook)(HWND, const CREATESTRUCTW*))
{
    Inbox& in = GetInbox();
    std::lock_guard lock(in.mutex);
    in.creationHook = hook;
}

void Desktop::SetDestructionHook(void (*hook)(HWND))
{
    Inbox& in = GetInbox();
    std::lock_guard lock(in.mutex);
    in.destructionHook = hook;
}

void Desktop::AddDestructionObserver(void (*observer)(HWND))
{
    Inbox& in = GetInbox();
    std::lock_guard lock(in.mutex);
    for (auto& slot : in.destructionObservers) {
        if (slot.load() == observer)
            return;
        if (!slot.load()) {
            slot.store(observer, std::memory_order_release);
            return;
        }
    }
}

} // namespace zt::win
