// The release calls of the drawing layer's owning handles.
#include "drawing/CairoHandles.h"

#include <cairo.h>
#include <fontconfig/fontconfig.h>
#include <glib-object.h>
#include <pango/pango.h>

namespace sk::drawing::detail {

void Release::operator()(cairo_t* handle) const {
    cairo_destroy(handle);
}
void Release::operator()(cairo_surface_t* handle) const {
    cairo_surface_destroy(handle);
}
void Release::operator()(cairo_pattern_t* handle) const {
    cairo_pattern_destroy(handle);
}
void Release::operator()(cairo_path_t* handle) const {
    cairo_path_destroy(handle);
}
void Release::operator()(cairo_font_options_t* handle) const {
    cairo_font_options_destroy(handle);
}
void Release::operator()(PangoFontDescription* handle) const {
    pango_font_description_free(handle);
}
void Release::operator()(PangoAttrList* handle) const {
    pango_attr_list_unref(handle);
}
void Release::operator()(PangoLayoutIter* handle) const {
    pango_layout_iter_free(handle);
}
void Release::operator()(PangoFontMetrics* handle) const {
    pango_font_metrics_unref(handle);
}
void Release::operator()(FcConfig* handle) const {
    FcConfigDestroy(handle);
}
void Release::operator()(FcPattern* handle) const {
    FcPatternDestroy(handle);
}
void Release::operator()(FcObjectSet* handle) const {
    FcObjectSetDestroy(handle);
}
void Release::operator()(FcFontSet* handle) const {
    FcFontSetDestroy(handle);
}

void UnrefGObject::operator()(void* object) const {
    g_object_unref(object);
}

void FreeGlibMemory::operator()(void* memory) const {
    g_free(memory);
}

}  // namespace sk::drawing::detail
