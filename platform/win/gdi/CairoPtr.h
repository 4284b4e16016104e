#pragma once
// Owning pointers for cairo, pango and GLib objects, so that no drawing path can leak one on an
// early return.

#include <cairo.h>
#include <glib-object.h>
#include <pango/pango.h>

#include <memory>

namespace zt::win {

struct CairoDeleter
{
    void operator()(cairo_t* p) const noexcept { cairo_destroy(p); }
    void operator()(cairo_surface_t* p) const noexcept { cairo_surface_destroy(p); }
    void operator()(cairo_pattern_t* p) const noexcept { cairo_pattern_destroy(p); }
    void operator()(cairo_region_t* p) const noexcept { cairo_region_destroy(p); }
    void operator()(cairo_font_options_t* p) const noexcept { cairo_font_options_destroy(p); }
    void operator()(PangoFontDescription* p) const noexcept { pango_font_description_free(p); }
    void operator()(PangoAttrList* p) const noexcept { pango_attr_list_unref(p); }
    void operator()(PangoFontMetrics* p) const noexcept { pango_font_metrics_unref(p); }
};

using CairoPtr = std::unique_ptr<cairo_t, CairoDeleter>;
using SurfacePtr = std::unique_ptr<cairo_surface_t, CairoDeleter>;
using PatternPtr = std::unique_ptr<cairo_pattern_t, CairoDeleter>;
using RegionPtr = std::unique_ptr<cairo_region_t, CairoDeleter>;
using FontOptionsPtr = std::unique_ptr<cairo_font_options_t, CairoDeleter>;
using FontDescriptionPtr = std::unique_ptr<PangoFontDescription, CairoDeleter>;
using AttrListPtr = std::unique_ptr<PangoAttrList, CairoDeleter>;
using FontMetricsPtr = std::unique_ptr<PangoFontMetrics, CairoDeleter>;

// Any GObject (pango layouts, contexts, font maps, fonts).
template <class T>
struct GObjectDeleter
{
    void operator()(T* p) const noexcept
    {
        if (p)
            g_object_unref(p);
    }
};
template <class T>
using GObjectPtr = std::unique_ptr<T, GObjectDeleter<T>>;

// A new reference to a surface, for objects that share one.
inline SurfacePtr RefSurface(cairo_surface_t* s)
{
    return SurfacePtr(s ? cairo_surface_reference(s) : nullptr);
}

} // namespace zt::win
