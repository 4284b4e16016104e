// Update regions, WM_PAINT, and the device contexts of windows.
//
// Children draw into the backing surface of their top-level window (or of their nearest layered
// ancestor). A window's DC is clipped to its own area within every ancestor's client area; its
// visible children are excluded when the window has WS_CLIPCHILDREN, and higher overlapping
// siblings when it has WS_CLIPSIBLINGS, as GDI does. A parent without WS_CLIPCHILDREN paints
// under its children, so invalidating it invalidates the children it overlaps as well: they
// paint after it and end up on top.
#include "platform/win/desktop/DesktopState.h"
#include "platform/win/gdi/GdiObjects.h"
#include "platform/win/gdi/SurfaceDC.h"

#include <cairo.h>
#include <set>

namespace zt::win {

namespace {

std::set<HDC>& ScreenDCs()
{
    static std::set<HDC> dcs;
    return dcs;
}

RECT ClientLocal(const Window* w)
{
    return RECT{0, 0, w->client.right - w->client.left, w->client.bottom - w->client.top};
}

// The part of the client area its ancestors let show, in client coordinates: a child is drawn
// only within its parent's client area, so what lies outside it is not invalidated (a field
// below the fold of a shortened box stays unpainted while its text changes, until the box
// grows over it). A window with a surface of its own keeps all of it, for it may be moved
// into view without being painted again.
RECT VisibleClientLocal(const Window* w)
{
    RECT visible = w->client;
    for (const Window* a = w; !WantsOwnSurface(a) && a->parent; a = a->parent)
        if (!IntersectRects(&visible, visible, a->parent->client))
            return RECT{0, 0, 0, 0};
    ShiftRect(&visible, -w->client.left, -w->client.top);
    return visible;
}

bool Drawable(const Window* w)
{
    Window* desk = Desk().desktopWindow.get();
    for (const Window* p = w; p && p != desk; p = p->parent)
        if (!p->IsVisibleFlag() || !p->redraw || p->destroyed)
            return false;
    return w != nullptr;
}

void AddToUpdate(Window* w, const RECT& r)
{
    if (!w->update)
        w->update = cairo_region_create();
    cairo_rectangle_int_t cr{r.left, r.top, r.right - r.left, r.bottom - r.top};
    cairo_region_union_rectangle(w->update, &cr);
}

void SubtractFromUpdate(Window* w, const RECT& r)
{
    if (!w->update)
        return;
    cairo_rectangle_int_t cr{r.left, r.top, r.right - r.left, r.bottom - r.top};
    cairo_region_subtract_rectangle(w->update, &cr);
}

RECT UpdateBox(const Window* w)
{
    if (!w->update || cairo_region_is_empty(w->update))
        return RECT{0, 0, 0, 0};
    cairo_rectangle_int_t e;
    cairo_region_get_extents(w->update, &e);
    return RECT{e.x, e.y, e.x + e.width, e.y + e.height};
}

// Clipped children and siblings leave the DC's visible region, not its application clip: a
// paint handler that selects its own clip (or none) must still not paint over them.
void ExcludeWindow(HDC dc, const Window* other, const RECT& area)
{
    RECT r = other->window;
    ExcludeSurfaceDCVisibleRect(
        dc, RECT{r.left - area.left, r.top - area.top, r.right - area.left, r.bottom - area.top});
}

// clip: optional, in the DC's logical coordinates.
HDC MakeWindowDC(Window* w, bool client, const RECT* clip)
{
    Window* owner = SurfaceOwnerOf(w);
    if (!owner)
        return nullptr;
    EnsureSurface(owner);
    RECT area = client ? w->client : w->window;
    RECT vis = area;
    for (Window* a = w; a != owner; a = a->parent) {
        IntersectRects(&vis, vis, a->parent->client);
    }
    IntersectRects(&vis, vis, owner->window);
    if (clip) {
        RECT c = *clip;
        ShiftRect(&c, area.left, area.top);
        IntersectRects(&vis, vis, c);
    }
    POINT origin{area.left - owner->window.left, area.top - owner->window.top};
    ShiftRect(&vis, -owner->window.left, -owner->window.top);
    HDC dc = CreateSurfaceDC(owner->surface, origin, vis, w->handle);
    if (!dc)
        return nullptr;
    if (w->style & WS_CLIPCHILDREN)
        for (Window* c : w->children)
            if (c->IsVisibleFlag() && !WantsOwnSurface(c))
                ExcludeWindow(dc, c, area);
    for (Window* a = w; a != owner && a->IsChild(); a = a->parent) {
        if (!(a->style & WS_CLIPSIBLINGS))
            continue;
        for (Window* s : a->parent->children) {
            if (s == a)
                break;
            if (s->IsVisibleFlag() && !WantsOwnSurface(s))
                ExcludeWindow(dc, s, area);
        }
    }
    return dc;
}

void PaintTree(Window* w, bool children, int& budget)
{
    // Nothing under a hidden or frozen window can be drawn: a window with many hidden children
    // (the editors of rows far from view) must not cost a walk through them at every paint.
    if (w != Desk().desktopWindow.get() && (!w->IsVisibleFlag() || !w->redraw))
        return;
    HWND h = w->handle;
    if (NeedsPaint(w) && Drawable(w) && budget-- > 0) {
        SendTo(w, WM_PAINT, 0, 0);
        if ((w = FindWindowRecord(h)) && NeedsPaint(w))
            ValidateAll(w);
    }
    if (!children || !(w = FindWindowRecord(h)))
        return;
    std::vector<HWND> kids;
    for (auto it = w->children.rbegin(); it != w->children.rend(); ++it)
        kids.push_back((*it)->handle);
    for (HWND k : kids)
        if (Window* c = FindWindowRecord(k))
            PaintTree(c, true, budget);
}

} // namespace

bool NeedsPaint(const Window* w)
{
    return (w->update && !cairo_region_is_empty(w->update)) || w->internalPaint || w->ncPaint ||
           w->erase;
}

void ValidateAll(Window* w)
{
    if (w->update) {
        cairo_region_destroy(w->update);
        w->update = nullptr;
    }
    w->internalPaint = false;
    w->ncPaint = false;
    w->erase = false;
    SettlePaint(w);
}

void InvalidateWindowArea(Window* w, const RECT* clientRect, UINT flags)
{
    if (!w || w == Desk().desktopWindow.get() || !Drawable(w))
        return;
    RECT r = ClientLocal(w);
    if (clientRect && !IntersectRects(&r, *clientRect, r))
        r = RECT{0, 0, 0, 0};
    RECT shown = r;
    if (!IntersectRects(&shown, r, VisibleClientLocal(w)))
        shown = RECT{0, 0, 0, 0};
    bool any = shown.right > shown.left && shown.bottom > shown.top;
    if (flags & RDW_INVALIDATE) {
        if (any)
            AddToUpdate(w, shown);
        if ((flags & RDW_ERASE) && any)
            w->erase = true;
        if (flags & RDW_FRAME)
            w->ncPaint = true;
    }
    if (flags & RDW_INTERNALPAINT)
        w->internalPaint = true;
    if (flags & RDW_VALIDATE) {
        if (clientRect)
            SubtractFromUpdate(w, r);
        else if (w->update)
            cairo_region_subtract(w->update, w->update);
        if (flags & RDW_NOFRAME)
            w->ncPaint = false;
        if (flags & RDW_NOERASE)
            w->erase = false;
    }
    if (flags & RDW_NOINTERNALPAINT)
        w->internalPaint = false;
    if (NeedsPaint(w))
        QueuePaint(w);
    bool children =
        (flags & RDW_ALLCHILDREN) || (!(flags & RDW_NOCHILDREN) && !(w->style & WS_CLIPCHILDREN));
    if (!children || !any)
        return;
    RECT screen = shown;
    ShiftRect(&screen, w->client.left, w->client.top);
    for (Window* c : w->children) {
        if (!c->IsVisibleFlag() || WantsOwnSurface(c))
            continue;
        RECT over;
        if (!IntersectRects(&over, screen, c->window))
            continue;
        UINT childFlags = flags;
        RECT inner;
        if ((flags & RDW_INVALIDATE) &&
            !(over.left >= c->client.left && over.top >= c->client.top &&
              over.right <= c->client.right && over.bottom <= c->client.bottom))
            childFlags |= RDW_FRAME;
        if (IntersectRects(&inner, over, c->client)) {
            ShiftRect(&inner, -c->client.left, -c->client.top);
            InvalidateWindowArea(c, &inner, childFlags);
        } else if (childFlags & RDW_FRAME) {
            c->ncPaint = true;
            QueuePaint(c);
        }
    }
}

void InvalidateParentArea(Window* w, const RECT& screenRect)
{
    if (WantsOwnSurface(w) || !w->parent) {
        MarkScreenDirty(screenRect);
        return;
    }
    Window* p = w->parent;
    RECT r = screenRect;
    ShiftRect(&r, -p->client.left, -p->client.top);
    InvalidateWindowArea(p, &r, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    MarkScreenDirty(screenRect);
}

void PaintNow(Window* w, bool children)
{
    // A procedure that keeps invalidating itself while painting cannot hang the caller.
    int budget = 10000;
    PaintTree(w, children, budget);
}

void PaintAllPending()
{
    DesktopState& d = Desk();
    for (int guard = 0; guard < 10000; ++guard) {
        Window* w = FindWindowNeedingPaint(d.desktopWindow.get());
        if (!w)
            return;
        PaintNow(w, false);
    }
}

void DefaultEraseBackground(Window* w, HDC dc, LRESULT* result)
{
    HBRUSH brush = w->cls ? w->cls->background : nullptr;
    if (!brush) {
        *result = 0;
        return;
    }
    RECT rc = ClientLocal(w);
    FillRect(dc, &rc, brush);
    *result = 1;
}

void DefaultNcPaint(Window* w)
{
    RECT in = DefaultClientFromWindow(w, w->window);
    if (in.left == w->window.left && in.top == w->window.top && in.right == w->window.right &&
        in.bottom == w->window.bottom)
        return;
    HDC dc = GetWindowDC(w->handle);
    if (!dc)
        return;
    RECT r{0, 0, w->window.right - w->window.left, w->window.bottom - w->window.top};
    if (w->style & WS_THICKFRAME) {
        DrawEdge(dc, &r, EDGE_RAISED, BF_RECT | BF_ADJUST);
        FrameRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
        InflateRect(&r, -1, -1);
        FrameRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
        InflateRect(&r, -1, -1);
    } else if ((w->style & WS_DLGFRAME) || (w->exStyle & WS_EX_DLGMODALFRAME)) {
        DrawEdge(dc, &r, EDGE_RAISED, BF_RECT | BF_ADJUST);
        FrameRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
        InflateRect(&r, -1, -1);
    } else if (w->style & WS_BORDER) {
        FrameRect(dc, &r, GetSysColorBrush(COLOR_WINDOWFRAME));
        InflateRect(&r, -1, -1);
    }
    if ((w->style & WS_CAPTION) == WS_CAPTION) {
        bool active = Desk().active == w->handle;
        RECT cap{r.left, r.top, r.right, r.top + GetSystemMetrics(SM_CYCAPTION)};
        FillRect(dc, &cap, GetSysColorBrush(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION));
        HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
        RECT text = cap;
        text.left += 4;
        DrawTextW(dc, w->text.c_str(), static_cast<int>(w->text.size()), &text,
                  DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
        SelectObject(dc, oldFont);
        r.top = cap.bottom;
    }
    if (w->exStyle & WS_EX_CLIENTEDGE)
        DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    if (w->exStyle & WS_EX_STATICEDGE)
        DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    DrawScrollBars(w, dc);
    ReleaseDC(w->handle, dc);
}

bool IsScreenDC(HDC dc)
{
    return ScreenDCs().count(dc) != 0;
}

} // namespace zt::win

using namespace zt::win;

HDC BeginPaint(HWND hwnd, LPPAINTSTRUCT ps)
{
    Window* w = FindWindowRecord(hwnd);
    if (!w || !ps)
        return nullptr;
    *ps = PAINTSTRUCT{};
    CaretOffForPaint(hwnd);
    if (w->ncPaint) {
        w->ncPaint = false;
        SendTo(w, WM_NCPAINT, 1, 0);
        if (!(w = FindWindowRecord(hwnd)))
            return nullptr;
    }
    RECT box = UpdateBox(w);
    bool erase = w->erase;
    w->erase = false;
    w->internalPaint = false;
    if (w->update) {
        cairo_region_destroy(w->update);
        w->update = nullptr;
    }
    SettlePaint(w);
    HDC dc = MakeWindowDC(w, true, &box);
    if (!dc)
        return nullptr;
    ps->hdc = dc;
    ps->rcPaint = box;
    ps->fErase = FALSE;
    if (erase)
        ps->fErase = SendTo(w, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0) ? FALSE : TRUE;
    return dc;
}

BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* ps)
{
    if (!ps || !ps->hdc)
        return FALSE;
    ReleaseSurfaceDC(ps->hdc);
    // A window's DC never reaches past its window rectangle.
    MarkScreenDirty(FindWindowRecord(hwnd));
    CaretBackAfterPaint(hwnd);
    return TRUE;
}

HDC GetDC(HWND hwnd)
{
    if (!hwnd) {
        DesktopState& d = Desk();
        ComposeScreenNow();
        SIZE s = GetInbox().screenSize;
        HDC dc = CreateSurfaceDC(d.screen, POINT{0, 0}, RECT{0, 0, s.cx, s.cy}, nullptr);
        if (dc) {
            ScreenDCs().insert(dc);
            ++d.screenDCs;
        }
        return dc;
    }
    Window* w = FindWindowRecord(hwnd);
    return w ? MakeWindowDC(w, true, nullptr) : nullptr;
}

HDC GetWindowDC(HWND hwnd)
{
    Window* w = FindWindowRecord(hwnd);
    if (!hwnd || !w)
        return GetDC(nullptr);
    return MakeWindowDC(w, false, nullptr);
}

HDC GetDCEx(HWND hwnd, HRGN clip, DWORD flags)
{
    constexpr DWORD kDcxWindow = 0x1;
    constexpr DWORD kDcxIntersectRgn = 0x80;
    HDC dc = (flags & kDcxWindow) ? GetWindowDC(hwnd) : GetDC(hwnd);
    if (dc && clip && (flags & kDcxIntersectRgn))
        ExtSelectClipRgn(dc, clip, RGN_AND);
    return dc;
}

int ReleaseDC(HWND hwnd, HDC dc)
{
    if (!dc)
        return 0;
    bool screenDC = false;
    if (ScreenDCs().erase(dc)) {
        screenDC = true;
        if (DesktopState* d = DesktopState::Current())
            --d->screenDCs;
    }
    ReleaseSurfaceDC(dc);
    if (DesktopState::Current()) {
        // A window's DC given back under its own window only changed that window's pixels;
        // anything else (the screen's DC, a mismatched handle) may have changed any of them.
        if (screenDC || !hwnd)
            MarkScreenDirty();
        else
            MarkScreenDirty(FindWindowRecord(hwnd));
    }
    return 1;
}

BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase)
{
    DesktopState& d = Desk();
    UINT flags = RDW_INVALIDATE | (erase ? RDW_ERASE : 0);
    if (!hwnd) {
        for (Window* t : d.desktopWindow->children)
            InvalidateWindowArea(t, nullptr, flags | RDW_FRAME | RDW_ALLCHILDREN);
        return TRUE;
    }
    Window* w = d.Find(hwnd);
    if (!w)
        return FALSE;
    InvalidateWindowArea(w, rect, flags);
    return TRUE;
}

namespace {

template <class Fn>
bool ForEachRegionRect(HRGN rgn, Fn fn)
{
    auto obj = FindRegion(rgn);
    if (!obj || !obj->region)
        return false;
    int n = cairo_region_num_rectangles(obj->region.get());
    for (int i = 0; i < n; ++i) {
        cairo_rectangle_int_t r;
        cairo_region_get_rectangle(obj->region.get(), i, &r);
        fn(RECT{r.x, r.y, r.x + r.width, r.y + r.height});
    }
    return true;
}

} // namespace

BOOL InvalidateRgn(HWND hwnd, HRGN rgn, BOOL erase)
{
    if (!rgn)
        return InvalidateRect(hwnd, nullptr, erase);
    Window* w = FindWindowRecord(hwnd);
    if (!w)
        return FALSE;
    UINT flags = RDW_INVALIDATE | (erase ? RDW_ERASE : 0);
    return ForEachRegionRect(rgn, [&](const RECT& r) {
        if (Window* again = FindWindowRecord(hwnd))
            InvalidateWindowArea(again, &r, flags);
    });
}

BOOL ValidateRect(HWND hwnd, const RECT* rect)
{
    Window* w = FindWindowRecord(hwnd);
    if (!w)
        return FALSE;
    if (!rect) {
        if (w->update) {
            cairo_region_destroy(w->update);
            w->update = nullptr;
        }
        w->internalPaint = false;
        w->erase = false;
        return TRUE;
    }
    SubtractFromUpdate(w, *rect);
    return TRUE;
}

BOOL ValidateRgn(HWND hwnd, HRGN rgn)
{
    if (!rgn)
        return ValidateRect(hwnd, nullptr);
    Window* w = FindWindowRecord(hwnd);
    if (!w)
        return FALSE;
    return ForEachRegionRect(rgn, [&](const RECT& r) { SubtractFromUpdate(w, r); });
}

BOOL GetUpdateRect(HWND hwnd, LPRECT rect, BOOL erase)
{
    Window* w = FindWindowRecord(hwnd);
    if (!w)
        return FALSE;
    RECT box = UpdateBox(w);
    if (rect)
        *rect = box;
    bool any = box.right > box.left && box.bottom > box.top;
    if (erase && any && w->erase) {
        w->erase = false;
        if (HDC dc = MakeWindowDC(w, true, &box)) {
            SendTo(w, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
            ReleaseSurfaceDC(dc);
        }
    }
    return any ? TRUE : FALSE;
}

int GetUpdateRgn(HWND hwnd, HRGN rgn, BOOL erase)
{
    Window* w = FindWindowRecord(hwnd);
    auto obj = FindRegion(rgn);
    if (!w || !obj)
        return 0; // ERROR
    RECT box{};
    GetUpdateRect(hwnd, &box, erase);
    SetRectRgn(rgn, 0, 0, 0, 0);
    if (!w->update || cairo_region_is_empty(w->update))
        return NULLREGION;
    int n = cairo_region_num_rectangles(w->update);
    for (int i = 0; i < n; ++i) {
        cairo_rectangle_int_t r;
        cairo_region_get_rectangle(w->update, i, &r);
        cairo_region_union_rectangle(obj->region.get(), &r);
    }
    return n == 1 ? SIMPLEREGION : COMPLEXREGION;
}

BOOL RedrawWindow(HWND hwnd, const RECT* update, HRGN rgn, UINT flags)
{
    DesktopState& d = Desk();
    Window* w = hwnd ? d.Find(hwnd) : nullptr;
    if (hwnd && !w)
        return FALSE;
    std::vector<HWND> targets;
    if (w)
        targets.push_back(hwnd);
    else
        for (Window* t : d.desktopWindow->children)
            targets.push_back(t->handle);
    for (HWND t : targets) {
        Window* tw = d.Find(t);
        if (!tw)
            continue;
        UINT f = flags;
        if (!w)
            f |= RDW_ALLCHILDREN | RDW_FRAME;
        if (rgn && w) {
            ForEachRegionRect(rgn, [&](const RECT& r) {
                if (Window* again = d.Find(t))
                    InvalidateWindowArea(again, &r, f);
            });
            if ((f & RDW_FRAME) && (f & RDW_INVALIDATE)) {
                tw->ncPaint = true;
                QueuePaint(tw);
            }
        } else {
            InvalidateWindowArea(tw, w ? update : nullptr, f);
        }
        if ((tw = d.Find(t)) && (flags & (RDW_UPDATENOW | RDW_ERASENOW))) {
            bool children = (flags & RDW_ALLCHILDREN) || !(flags & RDW_NOCHILDREN);
            PaintNow(tw, children);
        }
    }
    return TRUE;
}

BOOL UpdateWindow(HWND hwnd)
{
    Window* w = FindWindowRecord(hwnd);
    if (!w)
        return FALSE;
    PaintNow(w, true);
    return TRUE;
}

BOOL LockWindowUpdate(HWND)
{
    return TRUE;
}
