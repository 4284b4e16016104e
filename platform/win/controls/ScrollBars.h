#pragma once
// The scroll bar: its state, layout, hit test, painting and mouse tracking. One implementation
// serves the scroll bar control and the bars in a window's frame (WS_VSCROLL, WS_HSCROLL), so
// both look and behave alike; the list box and the edit also use it to repaint their own bars
// only when the thumb moves.

#include "platform/win/WinCtl.h"
#include "platform/win/WinUser.h"

namespace zt::win::controls {

enum class ScrollPart
{
    None,
    LineUp,
    LineDown,
    PageUp,
    PageDown,
    Thumb
};

struct ScrollState
{
    int min = 0;
    int max = 100;
    int page = 0;
    int pos = 0;
    int track = 0; // the thumb's position while it is dragged
    bool disabled = false;
    ScrollPart pressed = ScrollPart::None; // drawn pushed in while tracked

    int MaxPos() const { return max - (page > 0 ? page - 1 : 0); }
    int Clamp(int p) const
    {
        return p < min ? min : (p > MaxPos() ? (MaxPos() < min ? min : MaxPos()) : p);
    }
    // Whether the page leaves something to scroll.
    bool Scrollable() const { return MaxPos() > min; }
    // Takes the members of info that its mask names, as SetScrollInfo does: the page is cut to
    // the range and the position kept within the range less the page. Returns the position.
    int Set(const SCROLLINFO& info);
    void Get(SCROLLINFO* info) const;
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
    int thumbLength = 0; // 0 when there is no thumb: nothing to scroll, or no room
};

ScrollLayout LayoutScrollBar(const RECT& bar, bool vertical, const ScrollState& s);
ScrollPart HitScrollBar(const ScrollLayout& l, POINT p);
void PaintScrollBar(HDC dc, const ScrollLayout& l, const ScrollState& s);

// Where a bar is on the screen: the control's client area for SB_CTL, or the strip beside the
// window's client area for SB_VERT and SB_HORZ.
RECT ScrollBarRect(HWND hwnd, int bar);
bool ScrollBarIsVertical(HWND hwnd, int bar);

// Whether a window's own bar going from `before` to `after` moves its thumb by a pixel or more
// (or changes its enabled state). A long list scrolled by a row moves the thumb by less than a
// pixel and need not repaint it.
bool ThumbMoves(HWND hwnd, int bar, const ScrollState& before, const ScrollState& after);

// Tracks a press on a bar: sends the scroll codes (a control to its parent with its handle, a
// window's own bar to the window itself), follows the thumb while the button is down
// (SB_THUMBTRACK, with the tracking position) and ends with SB_THUMBPOSITION and SB_ENDSCROLL.
// Held arrows and track areas repeat on a timer of the window. Whoever runs the tracker feeds
// it the pointer's moves and the window's timer messages: the control's procedure, or the
// modal loop of DefWindowProc for a window's own bars.
class ScrollTracker
{
public:
    // pt in screen coordinates; true when the press was on a part of the bar.
    bool Begin(HWND hwnd, int bar, ScrollState* state, POINT pt);
    bool Active() const { return m_hwnd != nullptr; }
    void Move(POINT pt);
    void End();
    // True when the timer was the tracker's.
    bool Timer(WPARAM id);

    static constexpr UINT_PTR kRepeatTimer = 0xFFFF5C01;
    static constexpr UINT kFirstDelay = 400;
    static constexpr UINT kRepeatDelay = 50;

private:
    ScrollLayout Layout() const;
    void Send(HWND hwnd, UINT code, int pos) const;
    void SendPart() const;

    HWND m_hwnd = nullptr;
    int m_bar = SB_CTL;
    ScrollState* m_state = nullptr;
    ScrollPart m_part = ScrollPart::None;
    int m_grabOffset = 0;
};

} // namespace zt::win::controls
