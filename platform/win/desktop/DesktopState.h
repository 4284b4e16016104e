#pragma once
// The desktop's state and the helpers that the window functions share. Internal to ztwin.

#include "platform/win/Desktop.h"
#include "platform/win/WinUser.h"
#include "platform/win/desktop/WindowRecord.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <thread>
#include <unordered_map>
#include <vector>

namespace zt::win {

// The part of the desktop that other threads touch: posted messages, injected input, wake-ups.
// It outlives every desktop so that a late PostMessage from another thread finds it.
struct Inbox
{
    std::mutex mutex;
    std::condition_variable cv;
    std::deque<MSG> posted; // window and thread messages, in posting order
    std::deque<INPUT> raw;  // injected input not yet turned into messages
    bool woken = false;
    bool quitPosted = false;
    int quitCode = 0;
    std::function<std::size_t()> taskRunner;
    std::function<void()> idleHook;
    std::function<void()> settledHook;
    BOOL (*preTranslateHook)(MSG*) = nullptr;
    void (*creationHook)(HWND, const CREATESTRUCTW*) = nullptr;
    void (*destructionHook)(HWND) = nullptr;
    std::array<std::atomic<void (*)(HWND)>, 4> destructionObservers{};
    SIZE screenSize{Desktop::kDefaultScreenWidth, Desktop::kDefaultScreenHeight};
};
Inbox& GetInbox();

struct Timer
{
    HWND hwnd = nullptr;
    UINT_PTR id = 0;
    UINT elapse = 0;
    ULONGLONG due = 0;
    TIMERPROC proc = nullptr;
};

struct CaretState
{
    HWND owner = nullptr;
    RECT rect{}; // client coordinates of the owner
    int hideCount = 1;
    bool drawn = false;         // its pixels are inverted on the owner's surface now
    bool hiddenByPaint = false; // BeginPaint took it off; EndPaint puts it back
    ULONGLONG nextToggle = 0;
};

struct ClickRecord
{
    UINT downMessage = 0; // the client button-down message of the last press
    HWND hwnd = nullptr;
    LONG_PTR hit = 0;
    DWORD time = 0;
    POINT pt{};
};

class DesktopState
{
public:
    // Starts the desktop on the calling thread when there is none.
    static DesktopState& Get();
    static DesktopState* Current();
    static void Destroy();

    DesktopState();
    ~DesktopState();
    DesktopState(const DesktopState&) = delete;
    DesktopState& operator=(const DesktopState&) = delete;

    Window* Find(HWND hwnd) const;
    // Takes a window out of the table (its record goes to the graveyard) or empties the table.
    void Erase(HWND hwnd);
    void EraseAll();
    ULONGLONG Now() const;

    std::thread::id uiThread;
    std::unique_ptr<Window> desktopWindow;
    std::unordered_map<HWND, std::unique_ptr<Window>> windows; // erased through Erase only
    std::vector<std::unique_ptr<Window>> graveyard;
    std::uintptr_t nextHandle = 0x10020;
    std::map<std::wstring, std::shared_ptr<WndClass>> classes; // keyed by lower-case name
    ATOM nextAtom = 0xC000;

    bool realClock = false;
    ULONGLONG handClock = 0;
    ULONGLONG realClockStart = 0;

    std::deque<MSG> cooked; // input turned into messages, not yet retrieved
    DWORD messageTime = 0;
    POINT messagePos{};
    int dispatchDepth = 0;
    // Messages dispatched, and how many there were when the loop last settled.
    std::uint64_t dispatched = 0;
    std::uint64_t dispatchedAtSettle = 0;
    int sendDepth = 0;

    POINT cursor{};
    BYTE keys[256]{};      // as of the last retrieved input message
    BYTE asyncKeys[256]{}; // as of the last injected input
    HWND capture = nullptr;
    HWND focus = nullptr;
    HWND active = nullptr;
    HCURSOR currentCursor = nullptr;
    HWND trackLeave = nullptr;
    bool trackLeaveNonClient = false;
    HWND trackHover = nullptr;
    bool trackHoverNonClient = false;
    ULONGLONG hoverDue = 0;
    DWORD hoverTime = 400;
    POINT hoverOrigin{};
    HWND lastMouseWindow = nullptr;
    LONG_PTR lastMouseHit = 0;
    ClickRecord lastClick;
    bool inMoveLoop = false;

    CaretState caret;
    UINT caretBlinkTime = 530;

    std::vector<Timer> timers;
    UINT_PTR nextTimerId = 0x7FFF0000;

    cairo_surface_t* screen = nullptr;
    unsigned long long paintGeneration = 1;
    unsigned long long composedGeneration = 0;
    // What changed on the screen since it was last composed, in screen coordinates; all of it
    // when damageAll is set (or no damage region exists yet).
    cairo_region_t* damage = nullptr;
    bool damageAll = true;
    int screenDCs = 0;
    HWND paintHandedOut = nullptr;
    std::vector<Window*> paintSearchScratch;

private:
    // The windows found last, by handle: one message on its way to a control looks the same
    // few handles up dozens of times, and the table's hashing cost more than the work between.
    // Handles are never reused; a window leaves this when it leaves the table.
    static constexpr std::size_t kRecent = 64;
    static std::size_t RecentSlot(HWND hwnd)
    {
        return (reinterpret_cast<std::uintptr_t>(hwnd) >> 2) & (kRecent - 1);
    }
    mutable std::array<std::atomic<Window*>, kRecent> recent_{};
};

// Shared helpers.
DesktopState& Desk();
Window* FindWindowRecord(HWND hwnd);
LRESULT SendTo(Window* w, UINT msg, WPARAM wParam, LPARAM lParam);
HWND HandleOf(const Window* w);
Window* TopLevelOf(Window* w);
// The nearest ancestor-or-self with a backing surface.
Window* SurfaceOwnerOf(Window* w);
bool IsShownOnScreen(const Window* w);
// Something changed whose screen area is unknown: the next composition redoes the screen.
void MarkScreenDirty();
// Only this screen rectangle changed: the next composition redoes only what changed.
void MarkScreenDirty(const RECT& screenRect);
// The changes to a window's pixels or place all lie within its window rectangle.
void MarkScreenDirty(const Window* w);
void FreeGraveyardIfIdle();

// The window tree. Every change to a list of children goes through these, so that the
// pending-paint index follows the windows it leads to.
// Links w into parent's children directly above `below` (at the bottom when it is null).
void LinkChild(Window* parent, Window* w, Window* below);
void UnlinkChild(Window* w);
void SetOwner(Window* w, Window* owner);

// Geometry.
void RecomputeClientRect(Window* w);
RECT DefaultClientFromWindow(const Window* w, RECT windowRect);
void OffsetWindowTree(Window* w, int dx, int dy);
RECT ParentClientOrigin(const Window* w);
void EnsureSurface(Window* w);
void DropSurface(Window* w);
bool WantsOwnSurface(const Window* w);

// Input and focus.
void ForgetWindowForInput(Window* w);
bool ActivateWindow(Window* top, WORD how);
bool CanActivate(const Window* top);
void CookRawInput(const INPUT& in);
void CheckMouseHover();
LRESULT RunMoveLoop(Window* w, POINT start);
LRESULT RunSizeLoop(Window* w, int edge, POINT start);

// Painting.
void InvalidateWindowArea(Window* w, const RECT* clientRect, UINT flags);
void InvalidateParentArea(Window* w, const RECT& screenRect);
void PaintNow(Window* w, bool children);
// Whoever gives a window something to paint queues it; a window validated later is dropped
// from the queue lazily or when it settles (BeginPaint, ValidateAll).
void QueuePaint(Window* w);
void SettlePaint(Window* w);
// The first window in painting order under root (itself included) that needs painting and can
// be painted: the parent before its children, lower siblings before higher ones.
Window* FindWindowNeedingPaint(Window* root);
void ValidateAll(Window* w);
bool NeedsPaint(const Window* w);
void DefaultNcPaint(Window* w);
void DefaultEraseBackground(Window* w, HDC dc, LRESULT* result);
void PaintAllPending();
bool IsScreenDC(HDC dc);

// The standard scroll bars.
void DrawScrollBars(Window* w, HDC dc);
LRESULT RunScrollLoop(Window* w, int bar, POINT start);

// The caret.
void UpdateCaretBlink();
void CaretOffForPaint(HWND hwnd);
void CaretBackAfterPaint(HWND hwnd);
void ForgetCaretOf(HWND hwnd);

// Timers.
bool TakeDueTimer(HWND filter, UINT filterMin, UINT filterMax, bool remove, MSG* out);
void KillWindowTimers(HWND hwnd);
ULONGLONG NextTimerDue();

// Messages.
bool RetrieveMessage(MSG* out, HWND filter, UINT min, UINT max, bool remove);
bool WaitForMore();
bool SomethingQueued();

// Composition.
void ComposeScreenNow();
// What Desktop::ComposeScreen shows, as the desktop's own surface, for the code inside the
// window system that hands the screen to cairo (PNG files, the screen's device context).
cairo_surface_t* ComposeScreenSurface();
unsigned int SurfacePixel(cairo_surface_t* surface, int x, int y);
// Composes the windows into the screen within area (all of the screen when area is null).
void ComposeInto(cairo_surface_t* screen, const std::vector<Window*>& bottomToTop,
                 COLORREF desktopColour, const cairo_region_t* area = nullptr);

// The window manager keeps positions and sizes within 16-bit coordinates, whatever the caller
// asked for, at creation as at every move, so that no edge is beyond what a rectangle holds.
constexpr int kMinWindowCoordinate = -32768;
constexpr int kMaxWindowCoordinate = 32767;
inline int ClampWindowPosition(int v)
{
    return v < kMinWindowCoordinate ? kMinWindowCoordinate
                                    : (v > kMaxWindowCoordinate ? kMaxWindowCoordinate : v);
}
inline int ClampWindowSize(int v)
{
    return v < 0 ? 0 : (v > kMaxWindowCoordinate ? kMaxWindowCoordinate : v);
}

inline void ShiftRect(RECT* r, int dx, int dy)
{
    r->left += dx;
    r->right += dx;
    r->top += dy;
    r->bottom += dy;
}

inline bool IntersectRects(RECT* out, const RECT& a, const RECT& b)
{
    RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
           std::min(a.bottom, b.bottom)};
    if (r.left >= r.right || r.top >= r.bottom) {
        *out = RECT{0, 0, 0, 0};
        return false;
    }
    *out = r;
    return true;
}

inline bool PtInRectInclusiveExclusive(const RECT& r, POINT p)
{
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

} // namespace zt::win
