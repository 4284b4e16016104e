// The scroll bar shared by the scroll bar control and the windows' own bars.
#include "platform/win/controls/ScrollBars.h"

#include <algorithm>
#include <cstdint>

namespace zt::win::controls {

namespace {

constexpr int kMinimumThumb = 8;

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

int ScrollState::Set(const SCROLLINFO& info)
{
    if (info.fMask & SIF_RANGE) {
        min = info.nMin;
        max = std::max(info.nMin, info.nMax);
    }
    if (info.fMask & SIF_PAGE)
        page = static_cast<int>(std::min<UINT>(info.nPage, 0x7FFFFFFF));
    long long range = static_cast<long long>(max) - min + 1;
    if (page > range)
        page = static_cast<int>(range);
    if (info.fMask & SIF_POS)
        pos = info.nPos;
    pos = Clamp(pos);
    return pos;
}

void ScrollState::Get(SCROLLINFO* info) const
{
    if (info->fMask & SIF_RANGE) {
        info->nMin = min;
        info->nMax = max;
    }
    if (info->fMask & SIF_PAGE)
        info->nPage = static_cast<UINT>(page);
    if (info->fMask & SIF_POS)
        info->nPos = pos;
    if (info->fMask & SIF_TRACKPOS)
        info->nTrackPos = track;
}

ScrollLayout LayoutScrollBar(const RECT& bar, bool vertical, const ScrollState& s)
{
    ScrollLayout l;
    l.bar = bar;
    l.vertical = vertical;
    int length = vertical ? bar.bottom - bar.top : bar.right - bar.left;
    int thickness = vertical ? bar.right - bar.left : bar.bottom - bar.top;
    int arrow = std::max(0, std::min(thickness, length / 2));
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
    if (s.disabled || span <= 0 || !s.Scrollable() || l.trackLength < kMinimumThumb)
        return l;
    // Without a page the thumb has the system's size, as on Windows; with one it shows the
    // page's share of the range.
    int thumb = s.page > 0 ? static_cast<int>(l.trackLength * static_cast<long long>(s.page) / span)
                           : GetSystemMetrics(vertical ? SM_CYVTHUMB : SM_CXHTHUMB);
    thumb = std::clamp(thumb, kMinimumThumb, l.trackLength);
    l.thumbLength = thumb;
    long long range = static_cast<long long>(s.MaxPos()) - s.min;
    int offset =
        static_cast<int>((l.trackLength - thumb) * (static_cast<long long>(s.pos) - s.min) / range);
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

void PaintScrollBar(HDC dc, const ScrollLayout& l, const ScrollState& s)
{
    if (IsRectEmpty(&l.bar))
        return;
    FillSolid(dc, l.bar, COLOR_SCROLLBAR);
    bool disabled = s.disabled || l.thumbLength == 0;
    DrawButton(dc, l.arrowUp, s.pressed == ScrollPart::LineUp);
    DrawArrow(dc, l.arrowUp, l.vertical, false, disabled);
    DrawButton(dc, l.arrowDown, s.pressed == ScrollPart::LineDown);
    DrawArrow(dc, l.arrowDown, l.vertical, true, disabled);
    if (l.thumbLength > 0)
        DrawButton(dc, l.thumb, false);
}

RECT ScrollBarRect(HWND hwnd, int bar)
{
    RECT client{};
    GetClientRect(hwnd, &client);
    POINT origin{0, 0};
    ClientToScreen(hwnd, &origin);
    OffsetRect(&client, origin.x, origin.y);
    if (bar == SB_VERT)
        return RECT{client.right, client.top, client.right + GetSystemMetrics(SM_CXVSCROLL),
                    client.bottom};
    if (bar == SB_HORZ)
        return RECT{client.left, client.bottom, client.right,
                    client.bottom + GetSystemMetrics(SM_CYHSCROLL)};
    return client;
}

bool ScrollBarIsVertical(HWND hwnd, int bar)
{
    if (bar == SB_CTL)
        return (GetWindowLongPtrW(hwnd, GWL_STYLE) & SBS_VERT) != 0;
    return bar == SB_VERT;
}

bool ThumbMoves(HWND hwnd, int bar, const ScrollState& before, const ScrollState& after)
{
    if (before.disabled != after.disabled)
        return true;
    if (!IsWindow(hwnd))
        return false;
    RECT r = ScrollBarRect(hwnd, bar);
    ScrollLayout a = LayoutScrollBar(r, bar == SB_VERT, before);
    ScrollLayout b = LayoutScrollBar(r, bar == SB_VERT, after);
    return !EqualRect(&a.thumb, &b.thumb) || a.thumbLength != b.thumbLength;
}

ScrollLayout ScrollTracker::Layout() const
{
    return LayoutScrollBar(ScrollBarRect(m_hwnd, m_bar), ScrollBarIsVertical(m_hwnd, m_bar),
                           *m_state);
}

void ScrollTracker::Send(HWND hwnd, UINT code, int pos) const
{
    UINT msg = ScrollBarIsVertical(hwnd, m_bar) ? WM_VSCROLL : WM_HSCROLL;
    WPARAM wParam = MAKEWPARAM(code, static_cast<WORD>(pos));
    if (m_bar == SB_CTL)
        SendMessageW(GetParent(hwnd), msg, wParam, reinterpret_cast<LPARAM>(hwnd));
    else
        SendMessageW(hwnd, msg, wParam, 0);
}

void ScrollTracker::SendPart() const
{
    switch (m_part) {
    case ScrollPart::LineUp:
        Send(m_hwnd, SB_LINEUP, 0);
        break;
    case ScrollPart::LineDown:
        Send(m_hwnd, SB_LINEDOWN, 0);
        break;
    case ScrollPart::PageUp:
        Send(m_hwnd, SB_PAGEUP, 0);
        break;
    case ScrollPart::PageDown:
        Send(m_hwnd, SB_PAGEDOWN, 0);
        break;
    default:
        break;
    }
}

bool ScrollTracker::Begin(HWND hwnd, int bar, ScrollState* state, POINT pt)
{
    End();
    if (!state || state->disabled || !IsWindow(hwnd))
        return false;
    m_hwnd = hwnd;
    m_bar = bar;
    m_state = state;
    ScrollLayout l = Layout();
    m_part = HitScrollBar(l, pt);
    if (m_part == ScrollPart::None) {
        m_hwnd = nullptr;
        return false;
    }
    m_state->pressed = m_part;
    SetCapture(hwnd);
    if (m_part == ScrollPart::Thumb) {
        m_grabOffset = l.vertical ? pt.y - l.thumb.top : pt.x - l.thumb.left;
        m_state->track = m_state->pos;
        return true;
    }
    SendPart();
    if (m_hwnd && IsWindow(m_hwnd))
        SetTimer(m_hwnd, kRepeatTimer, kFirstDelay, nullptr);
    return true;
}

void ScrollTracker::Move(POINT pt)
{
    if (!m_hwnd || m_part != ScrollPart::Thumb || !IsWindow(m_hwnd))
        return;
    ScrollLayout l = Layout();
    int free = l.trackLength - l.thumbLength;
    if (l.thumbLength == 0 || free <= 0)
        return;
    int offset = std::clamp((l.vertical ? pt.y : pt.x) - m_grabOffset - l.trackStart, 0, free);
    long long range = static_cast<long long>(m_state->MaxPos()) - m_state->min;
    int pos = m_state->min + static_cast<int>((range * offset + free / 2) / free);
    if (pos == m_state->track)
        return;
    m_state->track = pos;
    Send(m_hwnd, SB_THUMBTRACK, pos);
}

bool ScrollTracker::Timer(WPARAM id)
{
    if (id != kRepeatTimer)
        return false;
    if (!m_hwnd || m_part == ScrollPart::None || m_part == ScrollPart::Thumb || !IsWindow(m_hwnd))
        return true;
    // Repeat while the pointer stays on the pressed part; paging stops once the thumb reaches
    // the pointer.
    POINT cursor{};
    GetCursorPos(&cursor);
    if (HitScrollBar(Layout(), cursor) == m_part)
        SendPart();
    if (m_hwnd && IsWindow(m_hwnd))
        SetTimer(m_hwnd, kRepeatTimer, kRepeatDelay, nullptr);
    return true;
}

void ScrollTracker::End()
{
    if (!m_hwnd)
        return;
    HWND hwnd = m_hwnd;
    ScrollPart part = m_part;
    m_part = ScrollPart::None;
    m_hwnd = nullptr;
    if (!IsWindow(hwnd))
        return;
    m_state->pressed = ScrollPart::None;
    KillTimer(hwnd, kRepeatTimer);
    if (GetCapture() == hwnd)
        ReleaseCapture();
    if (part == ScrollPart::Thumb)
        Send(hwnd, SB_THUMBPOSITION, m_state->track);
    if (IsWindow(hwnd))
        Send(hwnd, SB_ENDSCROLL, 0);
}

} // namespace zt::win::controls
