// The compositor: stacks the backing surfaces of top-level windows (and of layered children)
// into the screen image, honouring colour keys and constant alpha.
#include "platform/win/desktop/DesktopState.h"

#include <algorithm>
#include <cairo.h>
#include <cstdint>
#include <cstring>

namespace zt::win {

namespace {

// The classic desktop colour shows where no window is.
constexpr COLORREF kDesktopColour = RGB(58, 110, 165);

std::uint32_t ToPixel(COLORREF c)
{
    return (static_cast<std::uint32_t>(GetRValue(c)) << 16) |
           (static_cast<std::uint32_t>(GetGValue(c)) << 8) | GetBValue(c);
}

struct Layer
{
    Window* window;
    RECT clip; // screen coordinates
};

void CollectLayeredChildren(Window* w, RECT clip, std::vector<Layer>& out)
{
    RECT inner;
    if (!IntersectRects(&inner, clip, w->client))
        return;
    for (auto it = w->children.rbegin(); it != w->children.rend(); ++it) {
        Window* c = *it;
        if (!c->IsVisibleFlag())
            continue;
        if (c->exStyle & WS_EX_LAYERED)
            out.push_back(Layer{c, inner});
        CollectLayeredChildren(c, inner, out);
    }
}

// A colour-keyed row: every pixel but the key's. A see-through box is keyed and is blitted on
// every cursor move, so four pixels go at a time, selected without a branch.
void KeyedRow(std::uint32_t* d, const std::uint32_t* s, int width, std::uint32_t key)
{
    using Pixels = std::uint32_t __attribute__((vector_size(16)));
    constexpr int kLanes = 4;
    const Pixels rgb = {0x00FFFFFF, 0x00FFFFFF, 0x00FFFFFF, 0x00FFFFFF};
    const Pixels keys = {key, key, key, key};
    int x = 0;
    for (; x + kLanes <= width; x += kLanes) {
        Pixels p;
        Pixels q;
        std::memcpy(&p, s + x, sizeof p);
        std::memcpy(&q, d + x, sizeof q);
        p &= rgb;
        const Pixels keep = reinterpret_cast<Pixels>(p == keys); // all ones where keyed
        q = (q & keep) | (p & ~keep);
        std::memcpy(d + x, &q, sizeof q);
    }
    for (; x < width; ++x) {
        const std::uint32_t p = s[x] & 0x00FFFFFF;
        if (p != key)
            d[x] = p;
    }
}

void Blit(cairo_surface_t* screen, const Layer& layer)
{
    Window* w = layer.window;
    if (!w->surface)
        return;
    cairo_surface_flush(w->surface);
    RECT area;
    if (!IntersectRects(&area, layer.clip, w->window))
        return;
    unsigned char* dst = cairo_image_surface_get_data(screen);
    int dstStride = cairo_image_surface_get_stride(screen);
    unsigned char* src = cairo_image_surface_get_data(w->surface);
    int srcStride = cairo_image_surface_get_stride(w->surface);
    int sw = cairo_image_surface_get_width(w->surface);
    int sh = cairo_image_surface_get_height(w->surface);
    area.right = std::min<LONG>(area.right, w->window.left + sw);
    area.bottom = std::min<LONG>(area.bottom, w->window.top + sh);
    int width = area.right - area.left;
    if (width <= 0)
        return;
    bool layered = (w->exStyle & WS_EX_LAYERED) != 0;
    bool keyed = layered && (w->layeredFlags & LWA_COLORKEY);
    bool blended = layered && (w->layeredFlags & LWA_ALPHA) && w->alpha != 255;
    if (layered && (w->layeredFlags & LWA_ALPHA) && w->alpha == 0)
        return;
    std::uint32_t key = ToPixel(w->colorKey);
    std::uint32_t a = w->alpha, na = 255 - a;
    for (LONG y = area.top; y < area.bottom; ++y) {
        auto* d = reinterpret_cast<std::uint32_t*>(dst + y * dstStride) + area.left;
        auto* s = reinterpret_cast<const std::uint32_t*>(src + (y - w->window.top) * srcStride) +
                  (area.left - w->window.left);
        if (!keyed && !blended) {
            std::memcpy(d, s, static_cast<std::size_t>(width) * 4);
            continue;
        }
        if (!blended) {
            KeyedRow(d, s, width, key);
            continue;
        }
        for (int x = 0; x < width; ++x) {
            std::uint32_t p = s[x] & 0x00FFFFFF;
            if (keyed && p == key)
                continue;
            if (!blended) {
                d[x] = p;
                continue;
            }
            std::uint32_t q = d[x];
            std::uint32_t r = (((p >> 16) & 0xFF) * a + ((q >> 16) & 0xFF) * na + 127) / 255;
            std::uint32_t g = (((p >> 8) & 0xFF) * a + ((q >> 8) & 0xFF) * na + 127) / 255;
            std::uint32_t b = ((p & 0xFF) * a + (q & 0xFF) * na + 127) / 255;
            d[x] = (r << 16) | (g << 8) | b;
        }
    }
}

} // namespace

void ComposeInto(cairo_surface_t* screen, const std::vector<Window*>& bottomToTop,
                 COLORREF desktopColour, const cairo_region_t* area)
{
    cairo_surface_flush(screen);
    int w = cairo_image_surface_get_width(screen);
    int h = cairo_image_surface_get_height(screen);
    unsigned char* data = cairo_image_surface_get_data(screen);
    int stride = cairo_image_surface_get_stride(screen);

    // Occlusion first, from the top down: each window needs only what no opaque window above
    // it covers, and the desktop only what no opaque window covers. Layered windows cover
    // nothing, since what lies below them shows through.
    cairo_rectangle_int_t all{0, 0, w, h};
    cairo_region_t* uncovered = cairo_region_create_rectangle(&all);
    if (area)
        cairo_region_intersect(uncovered, area);
    std::vector<cairo_region_t*> needed(bottomToTop.size(), nullptr);
    for (std::size_t i = bottomToTop.size(); i-- > 0;) {
        Window* top = bottomToTop[i];
        RECT r = top->window;
        cairo_rectangle_int_t wr{r.left, r.top, r.right - r.left, r.bottom - r.top};
        needed[i] = cairo_region_copy(uncovered);
        cairo_region_intersect_rectangle(needed[i], &wr);
        if (!(top->exStyle & WS_EX_LAYERED))
            cairo_region_subtract_rectangle(uncovered, &wr);
    }

    std::uint32_t fill = ToPixel(desktopColour);
    int n = cairo_region_num_rectangles(uncovered);
    for (int k = 0; k < n; ++k) {
        cairo_rectangle_int_t rr;
        cairo_region_get_rectangle(uncovered, k, &rr);
        for (int y = rr.y; y < rr.y + rr.height; ++y) {
            auto* row = reinterpret_cast<std::uint32_t*>(data + y * stride);
            std::fill(row + rr.x, row + rr.x + rr.width, fill);
        }
    }
    cairo_region_destroy(uncovered);

    std::vector<Layer> layers;
    for (std::size_t i = 0; i < bottomToTop.size(); ++i) {
        Window* top = bottomToTop[i];
        int parts = cairo_region_num_rectangles(needed[i]);
        for (int k = 0; k < parts; ++k) {
            cairo_rectangle_int_t rr;
            cairo_region_get_rectangle(needed[i], k, &rr);
            RECT clip{rr.x, rr.y, rr.x + rr.width, rr.y + rr.height};
            layers.clear();
            layers.push_back(Layer{top, clip});
            CollectLayeredChildren(top, clip, layers);
            for (const Layer& l : layers)
                Blit(screen, l);
        }
        cairo_region_destroy(needed[i]);
    }
    cairo_surface_mark_dirty(screen);
}

void ComposeScreenNow()
{
    DesktopState& d = Desk();
    SIZE s = GetInbox().screenSize;
    if (!d.screen || cairo_image_surface_get_width(d.screen) != s.cx ||
        cairo_image_surface_get_height(d.screen) != s.cy) {
        if (d.screen)
            cairo_surface_destroy(d.screen);
        d.screen = cairo_image_surface_create(CAIRO_FORMAT_RGB24, s.cx, s.cy);
        d.composedGeneration = 0;
        d.damageAll = true;
    }
    if (d.composedGeneration == d.paintGeneration)
        return;
    // While someone draws on the screen itself, only a whole composition is known to be right.
    const bool whole = d.damageAll || d.screenDCs > 0;
    if (!whole && !d.damage) {
        d.composedGeneration = d.paintGeneration;
        return;
    }
    std::vector<Window*> order;
    auto& tops = d.desktopWindow->children;
    for (auto it = tops.rbegin(); it != tops.rend(); ++it)
        if ((*it)->IsVisibleFlag() && !((*it)->style & WS_MINIMIZE))
            order.push_back(*it);
    ComposeInto(d.screen, order, kDesktopColour, whole ? nullptr : d.damage);
    d.composedGeneration = d.paintGeneration;
    d.damageAll = false;
    if (d.damage) {
        cairo_region_destroy(d.damage);
        d.damage = nullptr;
    }
}

unsigned int SurfacePixel(cairo_surface_t* surface, int x, int y)
{
    if (!surface || x < 0 || y < 0 || x >= cairo_image_surface_get_width(surface) ||
        y >= cairo_image_surface_get_height(surface))
        return 0;
    cairo_surface_flush(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    int stride = cairo_image_surface_get_stride(surface);
    return reinterpret_cast<const std::uint32_t*>(data + y * stride)[x] & 0x00FFFFFF;
}

} // namespace zt::win
