// Owning handles for the cairo, pango, fontconfig and GObject objects of the drawing
// layer (not for controls): each releases its object with the library's own call, so
// no create/destroy pair is written by hand and no early return leaks one. The
// header names the libraries' types without including their headers, so that the
// drawing layer's public classes can hold handles as members.
//
//   CairoContext cr(cairo_create(surface));
//   GObjectHandle<PangoLayout> layout(pango_layout_new(context));
//   pango_cairo_show_layout(cr.get(), layout.get());
#pragma once

#include <memory>

typedef struct _cairo cairo_t;
typedef struct _cairo_surface cairo_surface_t;
typedef struct _cairo_pattern cairo_pattern_t;
typedef struct cairo_path cairo_path_t;
typedef struct _cairo_font_options cairo_font_options_t;
typedef struct _PangoFontDescription PangoFontDescription;
typedef struct _PangoAttrList PangoAttrList;
typedef struct _PangoLayoutIter PangoLayoutIter;
typedef struct _PangoFontMetrics PangoFontMetrics;
typedef struct _FcConfig FcConfig;
typedef struct _FcPattern FcPattern;
typedef struct _FcObjectSet FcObjectSet;
typedef struct _FcFontSet FcFontSet;

namespace sk::drawing::detail {

// Releases each kind of object with its library's call (defined in CairoHandles.cpp).
struct Release {
    void operator()(cairo_t* handle) const;
    void operator()(cairo_surface_t* handle) const;
    void operator()(cairo_pattern_t* handle) const;
    void operator()(cairo_path_t* handle) const;
    void operator()(cairo_font_options_t* handle) const;
    void operator()(PangoFontDescription* handle) const;
    void operator()(PangoAttrList* handle) const;
    void operator()(PangoLayoutIter* handle) const;
    void operator()(PangoFontMetrics* handle) const;
    void operator()(FcConfig* handle) const;
    void operator()(FcPattern* handle) const;
    void operator()(FcObjectSet* handle) const;
    void operator()(FcFontSet* handle) const;
};

struct UnrefGObject {
    void operator()(void* object) const;  // g_object_unref
};

struct FreeGlibMemory {
    void operator()(void* memory) const;  // g_free
};

using CairoContext = std::unique_ptr<cairo_t, Release>;
using CairoSurface = std::unique_ptr<cairo_surface_t, Release>;
using CairoPattern = std::unique_ptr<cairo_pattern_t, Release>;
using CairoPath = std::unique_ptr<cairo_path_t, Release>;
using CairoFontOptions = std::unique_ptr<cairo_font_options_t, Release>;
using FontDescription = std::unique_ptr<PangoFontDescription, Release>;
using AttributeList = std::unique_ptr<PangoAttrList, Release>;
using LayoutIterator = std::unique_ptr<PangoLayoutIter, Release>;
using FontMetrics = std::unique_ptr<PangoFontMetrics, Release>;
using FontConfig = std::unique_ptr<FcConfig, Release>;
using FontPattern = std::unique_ptr<FcPattern, Release>;
using FontObjectSet = std::unique_ptr<FcObjectSet, Release>;
using FontSet = std::unique_ptr<FcFontSet, Release>;
template <typename T>
using GObjectHandle = std::unique_ptr<T, UnrefGObject>;
using GlibString = std::unique_ptr<char, FreeGlibMemory>;

}  // namespace sk::drawing::detail
