// Scrolling a window's client pixels within its backing surface.
#include "platform/win/desktop/DesktopState.h"
#include "platform/win/gdi/GdiObjects.h"

#include <cairo.h>
#include <cstring>

using namespace zt::win;

int ScrollWindowEx(HWND hwnd, int dx, int dy, const RECT* scroll, const RECT* clip, HRGN update,
                   LPRECT updateRect, UINT flags)
{
    Window* w = FindWindowRecord(hwnd);
    if (!w)
        return 0; // ERROR
    RECT client{0, 0, w->client.right - w->client.left, w->client.bottom - w->client.top};
    RECT area = client;
    if (scroll && !IntersectRects(&area, *scroll, client))
        area = RECT{0, 0, 0, 0};
    RECT limit = area;
    if (clip && !IntersectRects(&limit, *clip, area))
        limit = RECT{0, 0, 0, 0};

    // The pixels: what lands inside the limit comes from the area shifted back.
    Window* owner = SurfaceOwnerOf(w);
    RECT target = area;
    ShiftRect(&target, dx, dy);
    RECT moved{};
    bool anyMoved = IntersectRects(&moved, target, limit);
    if (anyMoved && owner && owner->surface && IsShownOnScreen(w)) {
        cairo_surface_flush(owner->surface);
        unsigned char* data = cairo_image_surface_get_data(owner->surface);
        int stride = cairo_image_surface_get_stride(owner->surface);
        int ox = w->client.left - owner->window.left, oy = w->client.top - owner->window.top;
        int width = moved.right - moved.left;
        auto row = [&](int y) {
            unsigned char* dst = data + (oy + y) * stride + (ox + moved.left) * 4;
            const unsigned char* src = data + (oy + y - dy) * stride + (ox + moved.left - dx) * 4;
            std::memmove(dst, src, static_cast<std::size_t>(width) * 4);
        };
        if (dy > 0)
            for (int y = moved.bottom - 1; y >= moved.top; --y)
                row(y);
        else
            for (int y = moved.top; y < moved.bottom; ++y)
                row(y);
        cairo_surface_mark_dirty(owner->surface);
        MarkScreenDirty(w);
    }

    // What was already invalid moves with the pixels.
    if (w->update) {
        cairo_region_translate(w->update, dx, dy);
        cairo_rectangle_int_t c{client.left, client.top, client.right - client.left,
                                client.bottom - client.top};
        cairo_region_intersect_rectangle(w->update, &c);
    }

    // The uncovered part: the limit less what the moved pixels filled.
    cairo_rectangle_int_t lr{limit.left, limit.top, limit.right - limit.left,
                             limit.bottom - limit.top};
    cairo_region_t* exposed = cairo_region_create_rectangle(&lr);
    if (anyMoved) {
        cairo_rectangle_int_t mr{moved.left, moved.top, moved.right - moved.left,
                                 moved.bottom - moved.top};
        cairo_region_subtract_rectangle(exposed, &mr);
    }
    cairo_rectangle_int_t box{};
    cairo_region_get_extents(exposed, &box);
    if (updateRect)
        *updateRect = RECT{box.x, box.y, box.x + box.width, box.y + box.height};
    if (update) {
        if (auto obj = FindRegion(update); obj && obj->region) {
            cairo_region_subtract(obj->region.get(), obj->region.get());
            cairo_region_union(obj->region.get(), exposed);
        }
    }
    if (flags & (SW_INVALIDATE | SW_ERASE)) {
        int n = cairo_region_num_rectangles(exposed);
        for (int i = 0; i < n; ++i) {
            cairo_rectangle_int_t r;
            cairo_region_get_rectangle(exposed, i, &r);
            RECT rr{r.x, r.y, r.x + r.width, r.y + r.height};
            if (Window* again = FindWindowRecord(hwnd))
                InvalidateWindowArea(again, &rr,
                                     RDW_INVALIDATE | ((flags & SW_ERASE) ? RDW_ERASE : 0) |
                                         RDW_NOCHILDREN);
        }
    }
    int kind = cairo_region_is_empty(exposed)              ? NULLREGION
               : cairo_region_num_rectangles(exposed) == 1 ? SIMPLEREGION
                                                           : COMPLEXREGION;
    cairo_region_destroy(exposed);

    // Children drawn into the same pixels were moved with them; they are placed where their
    // pixels went, or repainted where they stand.
    if (!(w = FindWindowRecord(hwnd)))
        return kind;
    std::vector<HWND> kids;
    for (Window* c : w->children)
        kids.push_back(c->handle);
    for (HWND k : kids) {
        Window* c = FindWindowRecord(k);
        if (!c)
            continue;
        if (flags & SW_SCROLLCHILDREN) {
            RECT pos = c->window;
            ShiftRect(&pos, -w->client.left, -w->client.top);
            RECT over;
            if (!scroll || IntersectRects(&over, pos, area))
                SetWindowPos(k, nullptr, pos.left + dx, pos.top + dy, 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        } else if (c->IsVisibleFlag() && !WantsOwnSurface(c)) {
            InvalidateWindowArea(c, nullptr,
                                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        }
    }
    return kind;
}

BOOL ScrollWindow(HWND hwnd, int dx, int dy, const RECT* scroll, const RECT* clip)
{
    return ScrollWindowEx(hwnd, dx, dy, scroll, clip, nullptr, nullptr,
                          SW_INVALIDATE | SW_ERASE | (scroll ? 0 : SW_SCROLLCHILDREN)) != 0;
}
