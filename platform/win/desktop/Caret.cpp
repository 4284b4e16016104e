// The caret: an inverted rectangle on its owner's pixels that blinks on the desktop's clock.
// Blinking is worked out when messages are retrieved, so it follows the hand-driven clock
// without being a timer that would keep an idle test loop busy.
#include "platform/win/desktop/DesktopState.h"

namespace zt::win {

namespace {

void Invert(const CaretState& c)
{
    HDC dc = GetDC(c.owner);
    if (!dc)
        return;
    PatBlt(dc, c.rect.left, c.rect.top, c.rect.right - c.rect.left, c.rect.bottom - c.rect.top,
           DSTINVERT);
    ReleaseDC(c.owner, dc);
}

void SetDrawn(CaretState& c, bool drawn)
{
    if (c.drawn == drawn || !c.owner || !FindWindowRecord(c.owner))
        return;
    Invert(c);
    c.drawn = drawn;
}

bool ShouldShow(const CaretState& c)
{
    Window* w = FindWindowRecord(c.owner);
    return w && c.hideCount == 0 && !c.hiddenByPaint && IsShownOnScreen(w);
}

} // namespace

void UpdateCaretBlink()
{
    DesktopState& d = Desk();
    CaretState& c = d.caret;
    if (!c.owner)
        return;
    if (!ShouldShow(c)) {
        if (!c.hiddenByPaint)
            SetDrawn(c, false);
        return;
    }
    ULONGLONG now = d.Now();
    if (now < c.nextToggle)
        return;
    // However many periods went by, the caret ends in the phase they lead to.
    ULONGLONG periods = 1 + (now - c.nextToggle) / d.caretBlinkTime;
    if (periods % 2 == 1)
        SetDrawn(c, !c.drawn);
    c.nextToggle += periods * d.caretBlinkTime;
}

void CaretOffForPaint(HWND hwnd)
{
    CaretState& c = Desk().caret;
    if (c.owner != hwnd || c.hiddenByPaint)
        return;
    SetDrawn(c, false);
    c.hiddenByPaint = true;
}

void CaretBackAfterPaint(HWND hwnd)
{
    DesktopState& d = Desk();
    CaretState& c = d.caret;
    if (c.owner != hwnd || !c.hiddenByPaint)
        return;
    c.hiddenByPaint = false;
    if (ShouldShow(c)) {
        SetDrawn(c, true);
        c.nextToggle = d.Now() + d.caretBlinkTime;
    }
}

void ForgetCaretOf(HWND hwnd)
{
    DesktopState& d = Desk();
    if (d.caret.owner == hwnd)
        d.caret = CaretState{};
}

} // namespace zt::win

using namespace zt::win;

BOOL CreateCaret(HWND hwnd, HBITMAP, int width, int height)
{
    DesktopState& d = Desk();
    if (!d.Find(hwnd))
        return FALSE;
    DestroyCaret();
    CaretState& c = d.caret;
    c.owner = hwnd;
    c.rect = RECT{0, 0, width > 0 ? width : GetSystemMetrics(SM_CXBORDER),
                  height > 0 ? height : GetSystemMetrics(SM_CYBORDER)};
    c.hideCount = 1;
    c.drawn = false;
    c.hiddenByPaint = false;
    return TRUE;
}

BOOL DestroyCaret()
{
    DesktopState& d = Desk();
    if (!d.caret.owner)
        return FALSE;
    SetDrawn(d.caret, false);
    d.caret = CaretState{};
    return TRUE;
}

BOOL ShowCaret(HWND hwnd)
{
    DesktopState& d = Desk();
    CaretState& c = d.caret;
    if (!c.owner || (hwnd && hwnd != c.owner) || c.hideCount == 0)
        return FALSE;
    if (--c.hideCount == 0 && ShouldShow(c)) {
        SetDrawn(c, true);
        c.nextToggle = d.Now() + d.caretBlinkTime;
    }
    return TRUE;
}

BOOL HideCaret(HWND hwnd)
{
    DesktopState& d = Desk();
    CaretState& c = d.caret;
    if (!c.owner || (hwnd && hwnd != c.owner))
        return FALSE;
    ++c.hideCount;
    if (!c.hiddenByPaint)
        SetDrawn(c, false);
    return TRUE;
}

BOOL SetCaretPos(int x, int y)
{
    DesktopState& d = Desk();
    CaretState& c = d.caret;
    if (!c.owner)
        return FALSE;
    bool wasDrawn = c.drawn;
    SetDrawn(c, false);
    int w = c.rect.right - c.rect.left, h = c.rect.bottom - c.rect.top;
    c.rect = RECT{x, y, x + w, y + h};
    if (wasDrawn || ShouldShow(c)) {
        // A moved caret shows at once and starts a new blink period, as typing expects.
        if (ShouldShow(c)) {
            SetDrawn(c, true);
            c.nextToggle = d.Now() + d.caretBlinkTime;
        }
    }
    return TRUE;
}

BOOL GetCaretPos(LPPOINT point)
{
    DesktopState& d = Desk();
    if (!point || !d.caret.owner)
        return FALSE;
    *point = POINT{d.caret.rect.left, d.caret.rect.top};
    return TRUE;
}

BOOL SetCaretBlinkTime(UINT milliseconds)
{
    if (milliseconds == 0)
        return FALSE;
    Desk().caretBlinkTime = milliseconds;
    return TRUE;
}

UINT GetCaretBlinkTime()
{
    return Desk().caretBlinkTime;
}
