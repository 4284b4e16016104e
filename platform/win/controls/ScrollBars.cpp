// The windows' own scroll bars and the scroll bar control.
#include "platform/win/controls/ScrollBars.h"

#include <algorithm>
#include <cstdint>

namespace zt::win::controls {

namespace {

void FillSolid(HDC dc, const RECT& r, int colorIndex)
{
    FillRect(dc, &r, GetSysColorBrush(colorIndex));
}

// A solid triangle drawn as a few one-pixel bars, cheaper than a polygon with a pen.
void DrawArrow(HDC dc, const RECT& r, bool vertical, bool forward, bool disabled)
{
    int cx = (r.left + r.right) / 2;
    int cy = (r.top + r.bottom) / 2;
    int s = std::max(2, std::min(r.right - r.left, r.bottom - r.top) / 4);
    HBRUSH brush = GetSysColorBrush(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT);
    int first = -s / 2;
    for (int i = 0; i < s; ++i) {
        int half = forward ? s - 1 - i : i;
        RECT bar = vertical ? RECT{cx - half, cy + first + i, cx + half + 1, cy + first + i + 1}
                            : RECT{cx + first + i, cy - half, cx + first + i + 1, cy + half + 1};
        FillRect(dc, &bar, brush);
    }
}

// The flat look: a face with a one-pixel shadow frame; pressed buttons show the shadow colour.
void DrawButton(HDC dc, RECT r, bool pressed)
{
    FillSolid(dc, r, pressed ? COLOR_BTNSHADOW : COLOR_BTNFACE);
    FrameRect(dc, &r, GetSysColorBrush(COLOR_BTNSHADOW));
}

} // namespace

ScrollLayout LayoutScrollBar(const RECT& bar, bool vertical, const ScrollState& s)
{
    ScrollLayout l;
    l.bar = bar;
    l.vertical = vertical;
    int length = vertical ? bar.bottom - bar.top : bar.right - bar.left;
    int thickness = vertical ? bar.right - bar.left : bar.bottom - bar.top;
    int arrow = std::min(thickness, length / 2);
    if (vertical) {
        l.arrowUp = RECT{bar.left, bar.top, bar.right, bar.top + arrow};
        l.arrowDown = RECT{bar.left, bar.bottom - arrow, bar.right, bar.bottom};
        l.trackStart = bar.top + arrow;
    } else {
        l.arrowUp = RECT{bar.left, bar.top, bar.left + arrow, bar.bottom};
        l.arrowDown = RECT{bar.right - arrow, bar.top, bar.right, bar.bottom};
        l.trackStart = bar.left + arrow;
    }
    l.trackLength = std::max(0, length - 2 * arrow);
    long long span = static_cast<long long>(s.max) - s.min + 1;
    bool scrollable = !s.disabled && span > 0 && s.MaxPos() > s.min;
    if (!scrollable || l.trackLength < 8) {
        l.thumb = RECT{};
        l.thumbLength = 0;
        return l;
    }
    long long page = s.page > 0 ? s.page : 1;
    int thumb = static_cast<int>(l.trackLength * page / span);
    thumb = std::clamp(thumb, std::min(8, l.trackLength), l.trackLength);
    l.thumbLength = thumb;
    long long range = static_cast<long long>(s.MaxPos()) - s.min;
    int offset = range > 0 ? static_cast<int>((l.trackLength - thumb) *
                                              (static_cast<long long>(s.pos) - s.min) / range)
                           : 0;
    offset = std::clamp(offset, 0, l.trackLength - thumb);
    if (vertical)
        l.thumb = RECT{bar.left, l.trackStart + offset, bar.right, l.trackStart + offset + thumb};
    else
        l.thumb = RECT{l.trackStart + offset, bar.top, l.trackStart + offset + thumb, bar.bottom};
    return l;
}

ScrollPart HitScrollBar(const ScrollLayout& l, POINT p)
{
    if (!PtInRect(&l.bar, p))
        return ScrollPart::None;
    if (PtInRect(&l.arrowUp, p))
        return ScrollPart::LineUp;
    if (PtInRect(&l.arrowDown, p))
        return ScrollPart::LineDown;
    if (l.thumbLength == 0)
        return ScrollPart::None;
    if (PtInRect(&l.thumb, p))
        return ScrollPart::Thumb;
    int c = l.vertical ? p.y : p.x;
    int t = l.vertical ? l.thumb.top : l.thumb.left;
    return c < t ? ScrollPart::PageUp : ScrollPart::PageDown;
}

void PaintScrollBar(HDC dc, const ScrollLayout& l, const ScrollState& s, ScrollPart pressed)
{
    if (IsRectEmpty(&l.bar))
        return;
    FillSolid(dc, l.bar, COLOR_SCROLLBAR);
    bool disabled = s.disabled || l.thumbLength == 0;
    DrawButton(dc, l.arrowUp, pressed == ScrollPart::LineUp);
    DrawArrow(dc, l.arrowUp, l.vertical, false, disabled);
    DrawButton(dc, l.arrowDown, pressed == ScrollPart::LineDown);
    DrawArrow(dc, l.arrowDown, l.vertical, true, disabled);
    if (l.thumbLength > 0)
        DrawButton(dc, l.thumb, false);
}

bool ThumbMoves(HWND hwnd, int bar, const ScrollState& before, const ScrollState& after)
{
    if (before.disabled != after.disabled)
        return true;
    RECT client{};
    if (!GetClientRect(hwnd, &client))
        return false;
    int size = GetSystemMetrics(bar == SB_VERT ? SM_CXVSCROLL : SM_CYHSCROLL);
    RECT r = bar == SB_VERT ? RECT{client.right, client.top, client.right + size, client.bottom}
                            : RECT{client.left, client.bottom, client.right, client.bottom + size};
    ScrollLayout a = LayoutScrollBar(r, bar == SB_VERT, before);
    ScrollLayout b = LayoutScrollBar(r, bar == SB_VERT, after);
    return !EqualRect(&a.thumb, &b.thumb) || a.thumbLength != b.thumbLength;
}

RECT ScrollTracker::BarRect() const
{
    RECT r{};
    GetClientRect(m_hwnd, &r);
    POINT o{0, 0};
    ClientToScreen(m_hwnd, &o);
    OffsetRect(&r, o.x, o.y);
    return r;
}

bool ScrollTracker::Vertical() const
{
    return (GetWindowLongPtrW(m_hwnd, GWL_STYLE) & SBS_VERT) != 0;
}

void ScrollTracker::Send(UINT code, int pos) const
{
    UINT msg = Vertical() ? WM_VSCROLL : WM_HSCROLL;
    SendMessageW(GetParent(m_hwnd), msg, MAKEWPARAM(code, static_cast<WORD>(pos)),
                 reinterpret_cast<LPARAM>(m_hwnd));
}

void ScrollTracker::SendPart() const
{
    switch (m_part) {
    case ScrollPart::LineUp:
        Send(SB_LINEUP, 0);
        break;
    case ScrollPart::LineDown:
        Send(SB_LINEDOWN, 0);
        break;
    case ScrollPart::PageUp:
        Send(SB_PAGEUP, 0);
        break;
    case ScrollPart::PageDown:
        Send(SB_PAGEDOWN, 0);
        break;
    default:
        break;
    }
}

bool ScrollTracker::Begin(HWND hwnd, ScrollState* state, POINT pt)
{
    End();
    if (!state || state->disabled)
        return false;
    m_hwnd = hwnd;
    m_state = state;
    ScrollLayout l = LayoutScrollBar(BarRect(), Vertical(), *state);
    m_part = HitScrollBar(l, pt);
    if (m_part == ScrollPart::None) {
        m_hwnd = nullptr;
        return false;
    }
    SetCapture(hwnd);
    if (m_part == ScrollPart::Thumb) {
        m_grabOffset = Vertical() ? pt.y - l.thumb.top : pt.x - l.thumb.left;
        m_state->track = m_state->pos;
        return true;
    }
    SendPart();
    if (m_hwnd)
        SetTimer(m_hwnd, kRepeatTimer, kFirstDelay, nullptr);
    return true;
}

void ScrollTracker::Move(POINT pt)
{
    if (!m_hwnd || m_part != ScrollPart::Thumb)
        return;
    ScrollLayout l = LayoutScrollBar(BarRect(), Vertical(), *m_state);
    int free = l.trackLength - l.thumbLength;
    if (free <= 0)
        return;
    int offset = std::clamp((Vertical() ? pt.y : pt.x) - m_grabOffset - l.trackStart, 0, free);
    long long range = static_cast<long long>(m_state->MaxPos()) - m_state->min;
    int pos = m_state->min + static_cast<int>((range * offset + free / 2) / free);
    if (pos == m_state->track)
        return;
    m_state->track = pos;
    Send(SB_THUMBTRACK, pos);
}

bool ScrollTracker::Timer(WPARAM id)
{
    if (id != kRepeatTimer)
        return false;
    if (!m_hwnd || m_part == ScrollPart::None || m_part == ScrollPart::Thumb)
        return true;
    // Repeat while the pointer stays on the pressed part; paging stops once the thumb reaches
    // the pointer.
    POINT cursor{};
    GetCursorPos(&cursor);
    ScrollLayout l = LayoutScrollBar(BarRect(), Vertical(), *m_state);
    if (HitScrollBar(l, cursor) == m_part)
        SendPart();
    if (m_hwnd)
        SetTimer(m_hwnd, kRepeatTimer, kRepeatDelay, nullptr);
    return true;
}

void ScrollTracker::End()
{
    if (!m_hwnd)
        return;
    ScrollPart part = m_part;
    m_part = ScrollPart::None;
    KillTimer(m_hwnd, kRepeatTimer);
    if (GetCapture() == m_hwnd)
        ReleaseCapture();
    if (IsWindow(m_hwnd)) {
        if (part == ScrollPart::Thumb)
            Send(SB_THUMBPOSITION, m_state->track);
        Send(SB_ENDSCROLL, 0);
    }
    m_hwnd = nullptr;
}

} // namespace zt::win::controls
