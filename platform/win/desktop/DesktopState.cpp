#include "platform/win/desktop/DesktopState.h"

#include <atomic>
#include <cairo.h>
#include <cassert>
#include <chrono>
#include <cstdio>

namespace zt::win {

namespace {

std::atomic<DesktopState*> g_desktop{nullptr};

ULONGLONG SteadyMilliseconds()
{
    using namespace std::chrono;
    return static_cast<ULONGLONG>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

} // namespace

Window::~Window()
{
    if (update)
        cairo_region_destroy(update);
    if (surface)
        cairo_surface_destroy(surface);
}

Inbox& GetInbox()
{
    static Inbox inbox;
    return inbox;
}

DesktopState& DesktopState::Get()
{
    DesktopState* d = g_desktop.load();
    if (!d) {
        d = new DesktopState();
        g_desktop.store(d);
    }
    // Windows belong to the thread that started the desktop.
    assert(d->uiThread == std::this_thread::get_id() && "window function called off the UI thread");
    return *d;
}

DesktopState* DesktopState::Current()
{
    return g_desktop.load();
}

DesktopState::DesktopState()
{
    uiThread = std::this_thread::get_id();
    realClockStart = SteadyMilliseconds();
    // A start value far from zero makes code that treats 0 as "never" behave.
    handClock = 10000;
    desktopWindow = std::make_unique<Window>();
    desktopWindow->handle = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(0x10010));
    desktopWindow->style = WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    SIZE s = GetInbox().screenSize;
    desktopWindow->window = {0, 0, s.cx, s.cy};
    desktopWindow->client = desktopWindow->window;
    desktopWindow->text = L"Desktop";
    cursor = {s.cx / 2, s.cy / 2};
}

DesktopState::~DesktopState()
{
    if (screen)
        cairo_surface_destroy(screen);
    if (damage)
        cairo_region_destroy(damage);
}

void DesktopState::Destroy()
{
    DesktopState* d = g_desktop.load();
    if (!d)
        return;
    // Top-level windows are destroyed as an application would destroy them, so that window
    // objects of the class library are told and freed.
    for (;;) {
        auto& top = d->desktopWindow->children;
        if (top.empty())
            break;
        HWND h = top.back()->handle;
        DestroyWindow(h);
        if (d->windows.count(h)) {
            // A window that refuses to go is removed by force.
            UnlinkChild(d->windows[h].get());
        }
    }
    d->EraseAll();
    d->graveyard.clear();
    {
        Inbox& in = GetInbox();
        std::lock_guard lock(in.mutex);
        in.posted.clear();
        in.raw.clear();
        in.quitPosted = false;
        in.woken = false;
    }
    g_desktop.store(nullptr);
    delete d;
}

Window* DesktopState::Find(HWND hwnd) const
{
    if (!hwnd)
        return nullptr;
    if (hwnd == desktopWindow->handle)
        return desktopWindow.get();
    std::atomic<Window*>& slot = recent_[RecentSlot(hwnd)];
    if (Window* w = slot.load(std::memory_order_relaxed); w && w->handle == hwnd)
        return w->destroyed ? nullptr : w;
    auto it = windows.find(hwnd);
    if (it == windows.end() || it->second->destroyed)
        return nullptr;
    slot.store(it->second.get(), std::memory_order_relaxed);
    return it->second.get();
}

void DesktopState::Erase(HWND hwnd)
{
    auto it = windows.find(hwnd);
    if (it == windows.end())
        return;
    Window* expected = it->second.get();
    recent_[RecentSlot(hwnd)].compare_exchange_strong(expected, nullptr);
    graveyard.push_back(std::move(it->second));
    windows.erase(it);
}

void DesktopState::EraseAll()
{
    for (std::atomic<Window*>& slot : recent_)
        slot.store(nullptr, std::memory_order_relaxed);
    windows.clear();
}

ULONGLONG DesktopState::Now() const
{
    if (realClock)
        return SteadyMilliseconds() - realClockStart + 10000;
    return handClock;
}

DesktopState& Desk()
{
    return DesktopState::Get();
}

Window* FindWindowRecord(HWND hwnd)
{
    return Desk().Find(hwnd);
}

HWND HandleOf(const Window* w)
{
    return w ? w->handle : nullptr;
}

LRESULT SendTo(Window* w, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (!w || w->destroyed || !w->proc)
        return 0;
    DesktopState& d = Desk();
    ++d.sendDepth;
    // An exception escaping a window procedure would take a Windows host down; here it is not
    // hidden either. It travels on to whoever sent or dispatched the message (a test fails on
    // it), and the window manager's own bookkeeping is put right on the way.
    struct Depth
    {
        DesktopState& d;
        ~Depth()
        {
            --d.sendDepth;
            FreeGraveyardIfIdle();
        }
    } depth{d};
    try {
        return w->proc(w->handle, msg, wParam, lParam);
    } catch (...) {
        std::fprintf(stderr, "ztwin: exception escaped a window procedure (message 0x%04x)\n", msg);
        throw;
    }
}

Window* TopLevelOf(Window* w)
{
    Desk();
    Window* desk = DesktopState::Current()->desktopWindow.get();
    while (w && w->parent && w->parent != desk && w->IsChild())
        w = w->parent;
    return w;
}

bool WantsOwnSurface(const Window* w)
{
    return !w->IsChild() || (w->exStyle & WS_EX_LAYERED);
}

Window* SurfaceOwnerOf(Window* w)
{
    while (w && !WantsOwnSurface(w))
        w = w->parent;
    return w;
}

bool IsShownOnScreen(const Window* w)
{
    Window* desk = Desk().desktopWindow.get();
    for (const Window* p = w; p && p != desk; p = p->parent)
        if (!p->IsVisibleFlag() || p->destroyed)
            return false;
    return w != nullptr;
}

void MarkScreenDirty()
{
    DesktopState& d = Desk();
    ++d.paintGeneration;
    d.damageAll = true;
}

void MarkScreenDirty(const RECT& r)
{
    DesktopState& d = Desk();
    ++d.paintGeneration;
    if (d.damageAll || r.right <= r.left || r.bottom <= r.top)
        return;
    if (!d.damage)
        d.damage = cairo_region_create();
    cairo_rectangle_int_t cr{r.left, r.top, r.right - r.left, r.bottom - r.top};
    cairo_region_union_rectangle(d.damage, &cr);
}

void MarkScreenDirty(const Window* w)
{
    if (w)
        MarkScreenDirty(w->window);
    else
        MarkScreenDirty();
}

void FreeGraveyardIfIdle()
{
    DesktopState& d = Desk();
    if (d.sendDepth == 0 && d.dispatchDepth == 0 && !d.graveyard.empty())
        d.graveyard.clear();
}

} // namespace zt::win
