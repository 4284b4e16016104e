// Timers on the desktop's clock.
#include "platform/win/desktop/DesktopState.h"

#include <algorithm>
#include <climits>
#include <thread>

namespace zt::win {

namespace {

constexpr UINT kMinimumElapse = 10;         // USER_TIMER_MINIMUM
constexpr UINT kMaximumElapse = 0x7FFFFFFF; // USER_TIMER_MAXIMUM

bool TimerMatches(const Timer& t, HWND filter)
{
    if (filter == reinterpret_cast<HWND>(-1))
        return t.hwnd == nullptr;
    if (!filter)
        return true;
    return t.hwnd == filter || ::IsChild(filter, t.hwnd);
}

} // namespace

bool TakeDueTimer(HWND filter, UINT min, UINT max, bool remove, MSG* out)
{
    if ((min || max) && (WM_TIMER < min || WM_TIMER > max))
        return false;
    DesktopState& d = Desk();
    ULONGLONG now = d.Now();
    Timer* best = nullptr;
    for (Timer& t : d.timers)
        if (t.due <= now && TimerMatches(t, filter) && (!best || t.due < best->due))
            best = &t;
    if (!best)
        return false;
    *out = MSG{best->hwnd, WM_TIMER, best->id, reinterpret_cast<LPARAM>(best->proc), 0, {}};
    // One WM_TIMER however late the loop is; the next one is due a full period from now.
    if (remove)
        best->due = now + best->elapse;
    return true;
}

void KillWindowTimers(HWND hwnd)
{
    std::erase_if(Desk().timers, [&](const Timer& t) { return t.hwnd == hwnd; });
}

ULONGLONG NextTimerDue()
{
    ULONGLONG due = ~0ULL;
    for (const Timer& t : Desk().timers)
        due = std::min(due, t.due);
    return due;
}

} // namespace zt::win

using namespace zt::win;

std::size_t Desktop::TimerCount()
{
    return Desk().timers.size();
}

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc)
{
    DesktopState& d = Desk();
    if (hwnd && !d.Find(hwnd))
        return 0;
    elapse = std::clamp(elapse, kMinimumElapse, kMaximumElapse);
    if (!hwnd) {
        auto it = std::find_if(d.timers.begin(), d.timers.end(),
                               [&](const Timer& t) { return !t.hwnd && t.id == id; });
        if (id == 0 || it == d.timers.end())
            id = d.nextTimerId++;
    }
    for (Timer& t : d.timers) {
        if (t.hwnd == hwnd && t.id == id) {
            t.elapse = elapse;
            t.proc = proc;
            t.due = d.Now() + elapse;
            return hwnd ? (id ? id : 1) : id;
        }
    }
    d.timers.push_back(Timer{hwnd, id, elapse, d.Now() + elapse, proc});
    GetInbox().cv.notify_all();
    return hwnd ? (id ? id : 1) : id;
}

BOOL KillTimer(HWND hwnd, UINT_PTR id)
{
    auto& timers = Desk().timers;
    auto n = std::erase_if(timers, [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; });
    return n ? TRUE : FALSE;
}

DWORD GetTickCount()
{
    return static_cast<DWORD>(Desk().Now());
}

ULONGLONG GetTickCount64()
{
    return Desk().Now();
}
