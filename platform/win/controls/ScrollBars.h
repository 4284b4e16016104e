#pragma once
// Scroll bar geometry, painting and mouse tracking shared by the windows' own bars (the
// non-client WS_VSCROLL/WS_HSCROLL areas) and the scroll bar control.

#include "platform/win/WinCtl.h"
#include "platform/win/WinUser.h"

namespace zt::win::controls {

struct ScrollState
{
    int min = 0;
    int max = 100;
    int page = 0;
    int pos = 0;
    int track = 0;
    bool disabled = false;

    int MaxPos() const { return max - (page > 0 ? page - 1 : 0); }
    int Clamp(int p) const
    {
        return p < min ? min : (p > MaxPos() ? (MaxPos() < min ? min : MaxPos()) : p);
    }
};

ScrollState LoadScrollState(HWND hwnd, int bar);
void StoreScrollState(HWND hwnd, int bar, const ScrollState& s);

enum class ScrollPart
{
    None,
    LineUp,
    LineDown,
    PageUp,
    PageDown,
    Thumb
};

// A bar laid out in some coordinate space: the whole bar, its two arrow buttons and its thumb.
struct ScrollLayout
{
    RECT bar{};
    RECT arrowUp{};
    RECT arrowDown{};
    RECT thumb{};
    bool vertical = true;
    int trackStart = 0; // first pixel of the track (after the first arrow)
    int trackLength = 0;
    int thumbLength = 0;
};

ScrollLayout LayoutScrollBar(const RECT& bar, bool vertical, const ScrollState& s);
ScrollPart HitScrollBar(const ScrollLayout& l, POINT p);
void PaintScrollBar(HDC dc, const ScrollLayout& l, const ScrollState& s, ScrollPart pressed);

// The rectangle of a window's own bar in screen coordinates; empty when the window has no such
// bar.
RECT WindowScrollBarRect(HWND hwnd, int bar);
// Paints the window's own bars over the default non-client area.
void PaintWindowScrollBars(HWND hwnd);
// Stores a window's own bar and repaints it only when its pixels change (the thumb moved by a
// pixel or more, or the bar was enabled or disabled): a long list scrolled by a row moves the
// thumb by less than a pixel.
void UpdateWindowScrollBar(HWND hwnd, int bar, const ScrollState& next);

// Tracks a press on a bar: sends the scroll codes to the window (own bars) or to the parent
// (scroll bar controls), follows the thumb while the button is down and ends with
// SB_THUMBPOSITION and SB_ENDSCROLL. The window procedure feeds it its mouse messages while
// Active().
class ScrollTracker
{
public:
    // pt in screen coordinates; true when the press was on a bar part.
    bool Begin(HWND hwnd, int bar, POINT pt);
    bool Active() const { return hwnd_ != nullptr; }
    void Move(POINT pt);
    void End();
    // Held arrows and track areas repeat on a timer of the tracked window: the procedure passes
    // its WM_TIMER here first; true when the timer was the tracker's.
    bool Timer(WPARAM id);
    static constexpr UINT_PTR kRepeatTimer = 0x5A53;
    static constexpr UINT kFirstDelay = 400;
    static constexpr UINT kRepeatDelay = 50;
    ScrollPart Pressed() const { return part_; }
    int Bar() const { return bar_; }

private:
    RECT BarRect() const;
    bool Vertical() const;
    void Send(UINT code, int pos) const;
    void SendPart() const;

    HWND hwnd_ = nullptr;
    int bar_ = SB_VERT;
    ScrollPart part_ = ScrollPart::None;
    int grabOffset_ = 0;
    int trackPos_ = 0;
};

} // namespace zt::win::controls
