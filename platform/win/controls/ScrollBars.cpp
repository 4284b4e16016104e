// The windows' own scroll bars and the scroll bar control.
#include "platform/win/controls/ScrollBars.h"

#include <algorithm>
#include <cstdint>

namespace zt::win::controls {

namespace {

const wchar_t* const kPropNames[3][3] = {{L"zt.sb.h.range", L"zt.sb.h.page", L"zt.sb.h.state"},
                                         {L"zt.sb.v.range", L"zt.sb.v.page", L"zt.sb.v.state"},
                                         {L"zt.sb.c.range", L"zt.sb.c.page", L"zt.sb.c.state"}};

HANDLE Pack(int hi, int lo)
{
    std::uint64_t v = (static_cast<std::uint64_t>(static_cast<std::uint32_t>(hi)) << 32) |
                      static_cast<std::uint32_t>(lo);
    return reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(v));
}

void Unpack(HANDLE h, int& hi, int& lo)
{
    auto v = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(h));
    hi = static_cast<int>(static_cast<std::uint32_t>(v >> 32));
    lo = static_cast<int>(static_cast<std::uint32_t>(v));
}

bool ValidBar(int bar)
{
    return bar == SB_HORZ || bar == SB_VERT || bar == SB_CTL;
}

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

ScrollState LoadScrollState(HWND hwnd, int bar)
{
    ScrollState s;
    if (!ValidBar(bar))
        return s;
    HANDLE state = GetPropW(hwnd, kPropNames[bar][2]);
    if (!state)
        return s;
    int flags = 0;
    Unpack(state, s.track, flags);
    s.disabled = (flags & 2) != 0;
    Unpack(GetPropW(hwnd, kPropNames[bar][0]), s.min, s.max);
    Unpack(GetPropW(hwnd, kPropNames[bar][1]), s.page, s.pos);
    return s;
}

void StoreScrollState(HWND hwnd, int bar, const ScrollState& s)
{
    if (!ValidBar(bar))
        return;
    SetPropW(hwnd, kPropNames[bar][0], Pack(s.min, s.max));
    SetPropW(hwnd, kPropNames[bar][1], Pack(s.page, s.pos));
    SetPropW(hwnd, kPropNames[bar][2], Pack(s.track, 1 | (s.disabled ? 2 : 0)));
}

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

RECT WindowScrollBarRect(HWND hwnd, int bar)
{
    RECT none{};
    DWORD style = static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE));
    DWORD flag = bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL;
    if (!(style & flag))
        return none;
    RECT client;
    if (!GetClientRect(hwnd, &client))
        return none;
    POINT origin{0, 0};
    ClientToScreen(hwnd, &origin);
    OffsetRect(&client, origin.x, origin.y);
    if (bar == SB_VERT)
        return RECT{client.right, client.top, client.right + GetSystemMetrics(SM_CXVSCROLL),
                    client.bottom};
    return RECT{client.left, client.bottom, client.right,
                client.bottom + GetSystemMetrics(SM_CYHSCROLL)};
}

void PaintWindowScrollBars(HWND hwnd)
{
    RECT window;
    if (!GetWindowRect(hwnd, &window))
        return;
    HDC dc = GetWindowDC(hwnd);
    if (!dc)
        return;
    for (int bar : {SB_VERT, SB_HORZ}) {
        RECT r = WindowScrollBarRect(hwnd, bar);
        if (IsRectEmpty(&r))
            continue;
        OffsetRect(&r, -window.left, -window.top);
        ScrollState s = LoadScrollState(hwnd, bar);
        PaintScrollBar(dc, LayoutScrollBar(r, bar == SB_VERT, s), s, ScrollPart::None);
    }
    RECT v = WindowScrollBarRect(hwnd, SB_VERT);
    RECT h = WindowScrollBarRect(hwnd, SB_HORZ);
    if (!IsRectEmpty(&v) && !IsRectEmpty(&h)) {
        RECT corner{v.left, h.top, v.right, h.bottom};
        OffsetRect(&corner, -window.left, -window.top);
        FillSolid(dc, corner, COLOR_BTNFACE);
    }
    ReleaseDC(hwnd, dc);
}

void UpdateWindowScrollBar(HWND hwnd, int bar, const ScrollState& next)
{
    ScrollState before = LoadScrollState(hwnd, bar);
    ScrollState stored = next;
    stored.pos = stored.Clamp(stored.pos);
    stored.track = stored.pos;
    StoreScrollState(hwnd, bar, stored);
    RECT r = WindowScrollBarRect(hwnd, bar);
    if (IsRectEmpty(&r))
        return;
    ScrollLayout a = LayoutScrollBar(r, bar == SB_VERT, before);
    ScrollLayout b = LayoutScrollBar(r, bar == SB_VERT, stored);
    if (EqualRect(&a.thumb, &b.thumb) && a.thumbLength == b.thumbLength &&
        before.disabled == stored.disabled)
        return;
    RedrawWindow(hwnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
}

RECT ScrollTracker::BarRect() const
{
    if (bar_ != SB_CTL)
        return WindowScrollBarRect(hwnd_, bar_);
    RECT r{};
    GetClientRect(hwnd_, &r);
    POINT o{0, 0};
    ClientToScreen(hwnd_, &o);
    OffsetRect(&r, o.x, o.y);
    return r;
}

void ScrollTracker::Send(UINT code, int pos) const
{
    bool vertical =
        bar_ == SB_VERT || (bar_ == SB_CTL && (GetWindowLongPtrW(hwnd_, GWL_STYLE) & SBS_VERT));
    UINT msg = vertical ? WM_VSCROLL : WM_HSCROLL;
    WPARAM wp = MAKEWPARAM(code, static_cast<WORD>(pos));
    if (bar_ == SB_CTL)
        SendMessageW(GetParent(hwnd_), msg, wp, reinterpret_cast<LPARAM>(hwnd_));
    else
        SendMessageW(hwnd_, msg, wp, 0);
}

bool ScrollTracker::Begin(HWND hwnd, int bar, POINT pt)
{
    End();
    hwnd_ = hwnd;
    bar_ = bar;
    ScrollState s = LoadScrollState(hwnd, bar);
    bool vertical =
        bar == SB_VERT || (bar == SB_CTL && (GetWindowLongPtrW(hwnd, GWL_STYLE) & SBS_VERT));
    ScrollLayout l = LayoutScrollBar(BarRect(), vertical, s);
    part_ = s.disabled ? ScrollPart::None : HitScrollBar(l, pt);
    if (part_ == ScrollPart::None) {
        hwnd_ = nullptr;
        return false;
    }
    SetCapture(hwnd);
    if (part_ == ScrollPart::Thumb) {
        grabOffset_ = (vertical ? pt.y - l.thumb.top : pt.x - l.thumb.left);
        trackPos_ = s.pos;
        return true;
    }
    SendPart();
    if (hwnd_)
        SetTimer(hwnd_, kRepeatTimer, kFirstDelay, nullptr);
    return true;
}

bool ScrollTracker::Vertical() const
{
    return bar_ == SB_VERT || (bar_ == SB_CTL && (GetWindowLongPtrW(hwnd_, GWL_STYLE) & SBS_VERT));
}

void ScrollTracker::SendPart() const
{
    switch (part_) {
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

bool ScrollTracker::Timer(WPARAM id)
{
    if (id != kRepeatTimer)
        return false;
    if (!hwnd_ || part_ == ScrollPart::None || part_ == ScrollPart::Thumb)
        return true;
    // Repeat while the pointer stays on the pressed part; paging stops once the thumb reaches
    // the pointer.
    POINT cursor{};
    GetCursorPos(&cursor);
    ScrollState s = LoadScrollState(hwnd_, bar_);
    ScrollLayout l = LayoutScrollBar(BarRect(), Vertical(), s);
    if (HitScrollBar(l, cursor) == part_)
        SendPart();
    if (hwnd_)
        SetTimer(hwnd_, kRepeatTimer, kRepeatDelay, nullptr);
    return true;
}

void ScrollTracker::Move(POINT pt)
{
    if (!hwnd_ || part_ != ScrollPart::Thumb)
        return;
    ScrollState s = LoadScrollState(hwnd_, bar_);
    bool vertical =
        bar_ == SB_VERT || (bar_ == SB_CTL && (GetWindowLongPtrW(hwnd_, GWL_STYLE) & SBS_VERT));
    ScrollLayout l = LayoutScrollBar(BarRect(), vertical, s);
    int free = l.trackLength - l.thumbLength;
    if (free <= 0)
        return;
    int offset = std::clamp((vertical ? pt.y : pt.x) - grabOffset_ - l.trackStart, 0, free);
    long long range = static_cast<long long>(s.MaxPos()) - s.min;
    int pos = s.min + static_cast<int>((range * offset + free / 2) / free);
    if (pos == trackPos_)
        return;
    trackPos_ = pos;
    s.track = pos;
    StoreScrollState(hwnd_, bar_, s);
    Send(SB_THUMBTRACK, pos);
}

void ScrollTracker::End()
{
    if (!hwnd_)
        return;
    HWND h = hwnd_;
    ScrollPart part = part_;
    hwnd_ = nullptr;
    part_ = ScrollPart::None;
    KillTimer(h, kRepeatTimer);
    if (GetCapture() == h)
        ReleaseCapture();
    if (!IsWindow(h))
        return;
    HWND keep = hwnd_;
    hwnd_ = h;
    if (part == ScrollPart::Thumb)
        Send(SB_THUMBPOSITION, trackPos_);
    Send(SB_ENDSCROLL, 0);
    hwnd_ = keep;
}

} // namespace zt::win::controls

using namespace zt::win::controls;

namespace {

void RedrawBar(HWND hwnd, int bar)
{
    if (bar == SB_CTL)
        InvalidateRect(hwnd, nullptr, TRUE);
    else
        RedrawWindow(hwnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
}

} // namespace

int SetScrollInfo(HWND hwnd, int bar, LPCSCROLLINFO info, BOOL redraw)
{
    if (!IsWindow(hwnd) || !info || !(bar == SB_HORZ || bar == SB_VERT || bar == SB_CTL))
        return 0;
    ScrollState s = LoadScrollState(hwnd, bar);
    if (info->fMask & SIF_RANGE) {
        s.min = info->nMin;
        s.max = std::max(info->nMin, info->nMax);
    }
    if (info->fMask & SIF_PAGE)
        s.page = static_cast<int>(std::min<UINT>(info->nPage, 0x7FFFFFFF));
    if (s.page > s.max - s.min + 1)
        s.page = s.max - s.min + 1;
    if (info->fMask & SIF_POS)
        s.pos = info->nPos;
    s.pos = s.Clamp(s.pos);
    s.track = s.pos;
    StoreScrollState(hwnd, bar, s);
    if (redraw)
        RedrawBar(hwnd, bar);
    return s.pos;
}

BOOL GetScrollInfo(HWND hwnd, int bar, LPSCROLLINFO info)
{
    if (!IsWindow(hwnd) || !info || !(bar == SB_HORZ || bar == SB_VERT || bar == SB_CTL))
        return FALSE;
    ScrollState s = LoadScrollState(hwnd, bar);
    if (info->fMask & SIF_RANGE) {
        info->nMin = s.min;
        info->nMax = s.max;
    }
    if (info->fMask & SIF_PAGE)
        info->nPage = static_cast<UINT>(s.page);
    if (info->fMask & SIF_POS)
        info->nPos = s.pos;
    if (info->fMask & SIF_TRACKPOS)
        info->nTrackPos = s.track;
    return TRUE;
}

int SetScrollPos(HWND hwnd, int bar, int pos, BOOL redraw)
{
    if (!IsWindow(hwnd))
        return 0;
    int old = LoadScrollState(hwnd, bar).pos;
    SCROLLINFO si{sizeof si, SIF_POS, 0, 0, 0, pos, 0};
    SetScrollInfo(hwnd, bar, &si, redraw);
    return old;
}

int GetScrollPos(HWND hwnd, int bar)
{
    if (!IsWindow(hwnd))
        return 0;
    return LoadScrollState(hwnd, bar).pos;
}

BOOL SetScrollRange(HWND hwnd, int bar, int minPos, int maxPos, BOOL redraw)
{
    SCROLLINFO si{sizeof si, SIF_RANGE, minPos, maxPos, 0, 0, 0};
    return IsWindow(hwnd) && (SetScrollInfo(hwnd, bar, &si, redraw), TRUE);
}

BOOL GetScrollRange(HWND hwnd, int bar, int* minPos, int* maxPos)
{
    if (!IsWindow(hwnd) || !minPos || !maxPos)
        return FALSE;
    ScrollState s = LoadScrollState(hwnd, bar);
    *minPos = s.min;
    *maxPos = s.max;
    return TRUE;
}

BOOL ShowScrollBar(HWND hwnd, int bar, BOOL show)
{
    if (!IsWindow(hwnd))
        return FALSE;
    if (bar == SB_CTL)
        return ShowWindow(hwnd, show ? SW_SHOWNA : SW_HIDE), TRUE;
    DWORD flags = bar == SB_VERT   ? WS_VSCROLL
                  : bar == SB_HORZ ? WS_HSCROLL
                                   : WS_VSCROLL | WS_HSCROLL;
    DWORD style = static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE));
    DWORD next = show ? (style | flags) : (style & ~flags);
    if (next != style) {
        SetWindowLongPtrW(hwnd, GWL_STYLE, static_cast<LONG_PTR>(next));
        SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
    return TRUE;
}

BOOL EnableScrollBar(HWND hwnd, UINT bar, UINT arrows)
{
    if (!IsWindow(hwnd))
        return FALSE;
    for (int b : {SB_HORZ, SB_VERT, SB_CTL}) {
        if (!(static_cast<UINT>(b) == bar || (bar == SB_BOTH && b != SB_CTL)))
            continue;
        ScrollState s = LoadScrollState(hwnd, b);
        s.disabled = arrows == ESB_DISABLE_BOTH;
        StoreScrollState(hwnd, b, s);
        RedrawBar(hwnd, b);
    }
    return TRUE;
}
