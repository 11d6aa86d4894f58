// Owning handles for the cairo, pango and GObject objects of the drawing layer
// (not for controls): each releases its object with the library's own call, so no
// create/destroy pair is written by hand and no early return leaks one.
//
//   CairoContext cr(cairo_create(surface));
//   GObjectHandle<PangoLayout> layout(pango_layout_new(context));
//   pango_cairo_show_layout(cr.get(), layout.get());
#pragma once

#include <cairo.h>
#include <pango/pangocairo.h>

#include <memory>

namespace sk::drawing::detail {

template <typename T, void (*Release)(T*)>
struct ReleaseWith {
    void operator()(T* handle) const { Release(handle); }
};

template <typename T>
struct UnrefGObject {
    void operator()(T* handle) const { g_object_unref(handle); }
};

using CairoContext = std::unique_ptr<cairo_t, ReleaseWith<cairo_t, cairo_destroy>>;
using CairoSurface = std::unique_ptr<cairo_surface_t, ReleaseWith<cairo_surface_t, cairo_surface_destroy>>;
using CairoPattern = std::unique_ptr<cairo_pattern_t, ReleaseWith<cairo_pattern_t, cairo_pattern_destroy>>;
using CairoPath = std::unique_ptr<cairo_path_t, ReleaseWith<cairo_path_t, cairo_path_destroy>>;
using CairoFontOptions =
    std::unique_ptr<cairo_font_options_t, ReleaseWith<cairo_font_options_t, cairo_font_options_destroy>>;
using FontDescription =
    std::unique_ptr<PangoFontDescription, ReleaseWith<PangoFontDescription, pango_font_description_free>>;
using AttributeList = std::unique_ptr<PangoAttrList, ReleaseWith<PangoAttrList, pango_attr_list_unref>>;
using LayoutIterator = std::unique_ptr<PangoLayoutIter, ReleaseWith<PangoLayoutIter, pango_layout_iter_free>>;
using FontMetrics = std::unique_ptr<PangoFontMetrics, ReleaseWith<PangoFontMetrics, pango_font_metrics_unref>>;
template <typename T>
using GObjectHandle = std::unique_ptr<T, UnrefGObject<T>>;

}  // namespace sk::drawing::detail
