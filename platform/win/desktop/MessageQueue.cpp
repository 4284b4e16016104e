// Sending, posting and retrieving messages; the message loop's waits.
#include "platform/win/WinError.h"
#include "platform/win/desktop/DesktopState.h"

#include <chrono>

namespace zt::win {

namespace {

bool InRange(UINT msg, UINT min, UINT max)
{
    return (min == 0 && max == 0) || (msg >= min && msg <= max);
}

bool MatchesWindow(HWND hwnd, HWND filter)
{
    if (filter == reinterpret_cast<HWND>(-1))
        return hwnd == nullptr;
    if (!filter)
        return true;
    return hwnd == filter || ::IsChild(filter, hwnd);
}

void StampFromDesktop(MSG* m)
{
    DesktopState& d = Desk();
    if (m->time == 0) {
        m->time = static_cast<DWORD>(d.Now());
        m->pt = d.cursor;
    }
}

} // namespace

// Windows' order: posted messages, input, WM_QUIT, WM_PAINT, WM_TIMER.
bool RetrieveMessage(MSG* out, HWND filter, UINT min, UINT max, bool remove)
{
    DesktopState& d = Desk();
    Inbox& in = GetInbox();
    // A WM_PAINT that a loop retrieved but never dispatched (a pre-translate hook ate it)
    // would come back forever: its window counts as painted.
    if (remove && d.paintHandedOut) {
        if (Window* w = d.Find(d.paintHandedOut); w && w->paintHandedOut) {
            w->paintHandedOut = false;
            ValidateAll(w);
        }
        d.paintHandedOut = nullptr;
    }
    bool found = false;
    {
        std::lock_guard lock(in.mutex);
        for (auto it = in.posted.begin(); it != in.posted.end(); ++it) {
            if (!InRange(it->message, min, max) || !MatchesWindow(it->hwnd, filter))
                continue;
            *out = *it;
            found = true;
            if (remove)
                in.posted.erase(it);
            break;
        }
    }
    if (found) {
        StampFromDesktop(out);
        return true;
    }
    // Deadlines that are not timers: the caret's blink and the hover of a resting pointer.
    UpdateCaretBlink();
    CheckMouseHover();
    for (;;) {
        for (auto it = d.cooked.begin(); it != d.cooked.end(); ++it) {
            if (!InRange(it->message, min, max) || !MatchesWindow(it->hwnd, filter))
                continue;
            *out = *it;
            if (remove)
                d.cooked.erase(it);
            return true;
        }
        INPUT raw;
        {
            std::lock_guard lock(in.mutex);
            if (in.raw.empty())
                break;
            raw = in.raw.front();
            in.raw.pop_front();
        }
        CookRawInput(raw);
    }
    {
        std::lock_guard lock(in.mutex);
        if (in.quitPosted) {
            *out = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(in.quitCode), 0, 0, {}};
            if (remove)
                in.quitPosted = false;
            StampFromDesktop(out);
            return true;
        }
    }
    if (InRange(WM_PAINT, min, max)) {
        Window* root =
            filter && filter != reinterpret_cast<HWND>(-1) ? d.Find(filter) : d.desktopWindow.get();
        if (Window* p = root ? FindWindowNeedingPaint(root) : nullptr) {
            *out = MSG{p->handle, WM_PAINT, 0, 0, 0, {}};
            if (remove) {
                p->paintHandedOut = true;
                d.paintHandedOut = p->handle;
            }
            StampFromDesktop(out);
            return true;
        }
    }
    if (TakeDueTimer(filter, min, max, remove, out)) {
        StampFromDesktop(out);
        return true;
    }
    return false;
}

bool SomethingQueued()
{
    Inbox& in = GetInbox();
    {
        std::lock_guard lock(in.mutex);
        if (!in.posted.empty() || !in.raw.empty() || in.quitPosted)
            return true;
    }
    DesktopState& d = Desk();
    return !d.cooked.empty() || FindWindowNeedingPaint(d.desktopWindow.get()) ||
           NextTimerDue() <= d.Now();
}

// Waits until something may be retrievable. False when, on the hand-driven clock, nothing can
// ever arrive: no task, no input, no timer.
bool WaitForMore()
{
    DesktopState& d = Desk();
    Inbox& in = GetInbox();
    std::function<std::size_t()> runner;
    {
        std::lock_guard lock(in.mutex);
        runner = in.taskRunner;
    }
    if (runner && runner() > 0)
        return true;
    if (SomethingQueued())
        return true;
    if (d.realClock) {
        if (d.dispatched != d.dispatchedAtSettle) {
            d.dispatchedAtSettle = d.dispatched;
            std::function<void()> settled;
            {
                std::lock_guard lock(in.mutex);
                settled = in.settledHook;
            }
            if (settled)
                settled();
        }
        ULONGLONG due = NextTimerDue();
        // The caret and hover tracking have deadlines of their own.
        if (d.caret.owner && d.caret.hideCount == 0)
            due = std::min(due, d.caret.nextToggle);
        if (d.trackHover)
            due = std::min(due, d.hoverDue);
        std::unique_lock lock(in.mutex);
        auto ready = [&] {
            return in.woken || !in.posted.empty() || !in.raw.empty() || in.quitPosted;
        };
        if (due == ~0ULL) {
            in.cv.wait(lock, ready);
        } else {
            ULONGLONG now = d.Now();
            auto wait = std::chrono::milliseconds(due > now ? due - now : 0);
            in.cv.wait_for(lock, wait, ready);
        }
        in.woken = false;
        return true;
    }
    std::function<void()> idle;
    {
        std::lock_guard lock(in.mutex);
        idle = in.idleHook;
    }
    if (idle) {
        idle();
        if (SomethingQueued())
            return true;
    }
    ULONGLONG due = NextTimerDue();
    if (due != ~0ULL) {
        // Time passes only while the loop waits: jump to the next deadline.
        d.handClock = std::max(d.handClock, due);
        return true;
    }
    return false;
}

} // namespace zt::win

using namespace zt::win;

LRESULT SendMessageW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (hwnd == HWND_BROADCAST) {
        std::vector<HWND> tops;
        for (Window* t : Desk().desktopWindow->children)
            tops.push_back(t->handle);
        for (HWND t : tops)
            if (Window* w = FindWindowRecord(t))
                SendTo(w, msg, wParam, lParam);
        return 0;
    }
    Window* w = FindWindowRecord(hwnd);
    if (!w) {
        SetLastError(1400); // ERROR_INVALID_WINDOW_HANDLE
        return 0;
    }
    return SendTo(w, msg, wParam, lParam);
}

BOOL PostMessageW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    DesktopState* d = DesktopState::Current();
    bool onUI = d && d->uiThread == std::this_thread::get_id();
    if (onUI && hwnd == HWND_BROADCAST) {
        std::vector<HWND> tops;
        for (Window* t : d->desktopWindow->children)
            tops.push_back(t->handle);
        for (HWND t : tops)
            PostMessageW(t, msg, wParam, lParam);
        return TRUE;
    }
    if (onUI && hwnd && hwnd != HWND_BROADCAST && !d->Find(hwnd)) {
        SetLastError(1400);
        return FALSE;
    }
    Inbox& in = GetInbox();
    {
        std::lock_guard lock(in.mutex);
        MSG m{hwnd, msg, wParam, lParam, 0, {}};
        if (onUI) {
            m.time = static_cast<DWORD>(d->Now());
            m.pt = d->cursor;
        }
        in.posted.push_back(m);
    }
    in.cv.notify_all();
    return TRUE;
}

BOOL PostThreadMessageW(DWORD, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_QUIT) {
        zt::win::Desktop::PostQuitToUIThread(static_cast<int>(wParam));
        return TRUE;
    }
    Inbox& in = GetInbox();
    {
        std::lock_guard lock(in.mutex);
        in.posted.push_back(MSG{nullptr, msg, wParam, lParam, 0, {}});
    }
    in.cv.notify_all();
    return TRUE;
}

void PostQuitMessage(int exitCode)
{
    zt::win::Desktop::PostQuitToUIThread(exitCode);
}

BOOL GetMessageW(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax)
{
    if (!msg)
        return -1;
    for (;;) {
        *msg = MSG{};
        if (RetrieveMessage(msg, hwnd, filterMin, filterMax, true)) {
            DesktopState& d = Desk();
            d.messageTime = msg->time;
            d.messagePos = msg->pt;
            return msg->message == WM_QUIT ? FALSE : TRUE;
        }
        if (!WaitForMore())
            return -1;
    }
}

BOOL PeekMessageW(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeMsg)
{
    if (!msg)
        return FALSE;
    MSG m{};
    if (!RetrieveMessage(&m, hwnd, filterMin, filterMax, (removeMsg & PM_REMOVE) != 0))
        return FALSE;
    *msg = m;
    if (removeMsg & PM_REMOVE) {
        DesktopState& d = Desk();
        d.messageTime = m.time;
        d.messagePos = m.pt;
    }
    return TRUE;
}

BOOL WaitMessage()
{
    while (!SomethingQueued())
        if (!WaitForMore())
            return FALSE;
    return TRUE;
}

LRESULT DispatchMessageW(const MSG* msg)
{
    if (!msg)
        return 0;
    DesktopState& d = Desk();
    ++d.dispatched;
    if (msg->message == WM_TIMER && msg->lParam) {
        auto proc = reinterpret_cast<TIMERPROC>(msg->lParam);
        proc(msg->hwnd, WM_TIMER, msg->wParam, static_cast<DWORD>(d.Now()));
        return 0;
    }
    Window* w = d.Find(msg->hwnd);
    if (!w)
        return 0;
    if (msg->message == WM_PAINT)
        w->paintHandedOut = false;
    ++d.dispatchDepth;
    LRESULT r = SendTo(w, msg->message, msg->wParam, msg->lParam);
    --d.dispatchDepth;
    if (msg->message == WM_PAINT) {
        // A procedure that neither painted nor validated would otherwise get WM_PAINT forever.
        if ((w = d.Find(msg->hwnd)) && NeedsPaint(w))
            ValidateAll(w);
    }
    FreeGraveyardIfIdle();
    return r;
}

LONG GetMessageTime()
{
    return static_cast<LONG>(Desk().messageTime);
}

DWORD GetMessagePos()
{
    POINT p = Desk().messagePos;
    return static_cast<DWORD>(MAKELONG(static_cast<WORD>(p.x), static_cast<WORD>(p.y)));
}

BOOL InSendMessage()
{
    return FALSE;
}

namespace {

wchar_t ShiftedDigit(int digit)
{
    static const wchar_t kShifted[] = L")!@#$%^&*(";
    return kShifted[digit];
}

wchar_t CharForKey(int vk, bool shift, bool caps, bool ctrl)
{
    if (vk >= 'A' && vk <= 'Z') {
        if (ctrl)
            return static_cast<wchar_t>(vk - 'A' + 1);
        bool upper = shift != caps;
        return static_cast<wchar_t>(upper ? vk : vk - 'A' + 'a');
    }
    if (ctrl) {
        if (vk == VK_RETURN)
            return L'\n';
        if (vk == VK_BACK)
            return 0x7F;
        return 0;
    }
    if (vk >= '0' && vk <= '9')
        return shift ? ShiftedDigit(vk - '0') : static_cast<wchar_t>(vk);
    if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD0 + 9)
        return static_cast<wchar_t>(L'0' + (vk - VK_NUMPAD0));
    switch (vk) {
    case VK_SPACE:
        return L' ';
    case VK_RETURN:
        return L'\r';
    case VK_BACK:
        return 8;
    case VK_TAB:
        return L'\t';
    case VK_ESCAPE:
        return 0x1B;
    case VK_MULTIPLY:
        return L'*';
    case VK_ADD:
        return L'+';
    case VK_SUBTRACT:
        return L'-';
    case VK_DECIMAL:
        return L'.';
    case VK_DIVIDE:
        return L'/';
    case VK_OEM_1:
        return shift ? L':' : L';';
    case VK_OEM_PLUS:
        return shift ? L'+' : L'=';
    case VK_OEM_COMMA:
        return shift ? L'<' : L',';
    case VK_OEM_MINUS:
        return shift ? L'_' : L'-';
    case VK_OEM_PERIOD:
        return shift ? L'>' : L'.';
    case VK_OEM_2:
        return shift ? L'?' : L'/';
    case 0xC0:
        return shift ? L'~' : L'`';
    case 0xDB:
        return shift ? L'{' : L'[';
    case 0xDC:
        return shift ? L'|' : L'\\';
    case 0xDD:
        return shift ? L'}' : L']';
    case 0xDE:
        return shift ? L'"' : L'\'';
    default:
        return 0;
    }
}

} // namespace

BOOL TranslateMessage(const MSG* msg)
{
    if (!msg || (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN))
        return FALSE;
    DesktopState& d = Desk();
    int vk = static_cast<int>(msg->wParam);
    wchar_t ch = 0;
    if (vk == VK_PACKET) {
        // The injected character travels above the documented 32 bits of lParam.
        ch = static_cast<wchar_t>((static_cast<ULONGLONG>(msg->lParam) >> 32) & 0xFFFFFFFF);
    } else {
        bool shift = d.keys[VK_SHIFT] & 0x80;
        bool ctrl = d.keys[VK_CONTROL] & 0x80;
        bool alt = d.keys[VK_MENU] & 0x80;
        bool caps = d.keys[VK_CAPITAL] & 0x01;
        if (ctrl && alt)
            return FALSE;
        ch = CharForKey(vk, shift, caps, ctrl);
    }
    if (!ch)
        return FALSE;
    UINT charMsg = msg->message == WM_SYSKEYDOWN ? WM_SYSCHAR : WM_CHAR;
    Inbox& in = GetInbox();
    {
        std::lock_guard lock(in.mutex);
        // The character is read before any message posted later, as on Windows.
        in.posted.push_front(MSG{msg->hwnd, charMsg, static_cast<WPARAM>(ch),
                                 msg->lParam & 0xFFFFFFFF, msg->time, msg->pt});
    }
    return TRUE;
}
