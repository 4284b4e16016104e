#pragma once
// Scroll bar geometry, painting and mouse tracking of the scroll bar control, and the thumb
// arithmetic the list box and the edit use to repaint their own bars only when needed.

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

// Whether a window's own bar going from `before` to `after` moves its thumb by a pixel or more
// (or changes its enabled state); the window manager lays its bars out as LayoutScrollBar does.
// A long list scrolled by a row moves the thumb by less than a pixel and need not repaint it.
bool ThumbMoves(HWND hwnd, int bar, const ScrollState& before, const ScrollState& after);

// Tracks a press on a scroll bar control: sends the scroll codes to its parent, follows the
// thumb while the button is down (SB_THUMBTRACK, with the control's tracking position) and ends
// with SB_THUMBPOSITION and SB_ENDSCROLL. Held arrows and track areas repeat on a timer of the
// control. The control's procedure feeds it its mouse and timer messages.
class ScrollTracker
{
public:
    // pt in screen coordinates; true when the press was on a part of the bar.
    bool Begin(HWND hwnd, ScrollState* state, POINT pt);
    bool Active() const { return m_hwnd != nullptr; }
    void Move(POINT pt);
    void End();
    // True when the timer was the tracker's.
    bool Timer(WPARAM id);
    ScrollPart Pressed() const { return m_part; }

    static constexpr UINT_PTR kRepeatTimer = 0x5A53;
    static constexpr UINT kFirstDelay = 400;
    static constexpr UINT kRepeatDelay = 50;

private:
    RECT BarRect() const;
    bool Vertical() const;
    void Send(UINT code, int pos) const;
    void SendPart() const;

    HWND m_hwnd = nullptr;
    ScrollState* m_state = nullptr;
    ScrollPart m_part = ScrollPart::None;
    int m_grabOffset = 0;
};

} // namespace zt::win::controls
