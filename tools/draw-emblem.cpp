// links: slidekiln_drawing
// Draws the emblem of the about page: a stylised atom, three orbit rings (two
// red, one near black) with a glowing red sphere on each, around a glowing
// orange nucleus, on white. 600 x 600 pixels, written as a JPEG file, since the
// about page's panel stores its picture as JPEG bytes.
//
//   draw-emblem <resources folder>
//
// writes pictures/about-emblem.jpg below the given folder.
#include <cairo.h>
#include <gdk-pixbuf/gdk-pixbuf.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <numbers>
#include <string>

namespace {

constexpr int kSize = 600;
constexpr double kCentre = kSize / 2.0;

struct Rgb {
    double r, g, b;
};

void addStop(cairo_pattern_t* p, double offset, Rgb c, double alpha = 1.0) {
    cairo_pattern_add_color_stop_rgba(p, offset, c.r, c.g, c.b, alpha);
}

// A soft glow and a lit sphere of radius r at (x, y): light from the upper left.
void drawSphere(cairo_t* cr, double x, double y, double r, Rgb light, Rgb body, Rgb dark) {
    cairo_pattern_t* glow = cairo_pattern_create_radial(x, y, r * 0.8, x, y, r * 2.2);
    addStop(glow, 0, body, 0.55);
    addStop(glow, 1, body, 0.0);
    cairo_set_source(cr, glow);
    cairo_arc(cr, x, y, r * 2.2, 0, 2 * std::numbers::pi);
    cairo_fill(cr);
    cairo_pattern_destroy(glow);

    cairo_pattern_t* shade = cairo_pattern_create_radial(x - r * 0.35, y - r * 0.4, r * 0.1, x, y, r);
    addStop(shade, 0, light);
    addStop(shade, 0.55, body);
    addStop(shade, 1, dark);
    cairo_set_source(cr, shade);
    cairo_arc(cr, x, y, r, 0, 2 * std::numbers::pi);
    cairo_fill(cr);
    cairo_pattern_destroy(shade);
}

// One orbit: a thick elliptical ring turned by `degrees`, shaded from its colour
// to a darker edge, with its sphere at `phase` along it.
void drawOrbit(cairo_t* cr, double degrees, Rgb ring, Rgb edge, double phase) {
    const double a = 255, b = 92, turn = degrees * std::numbers::pi / 180.0;
    cairo_save(cr);
    cairo_translate(cr, kCentre, kCentre);
    cairo_rotate(cr, turn);
    cairo_scale(cr, 1.0, b / a);
    cairo_arc(cr, 0, 0, a, 0, 2 * std::numbers::pi);
    cairo_restore(cr);
    cairo_set_line_width(cr, 22);
    cairo_set_source_rgb(cr, edge.r, edge.g, edge.b);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 12);
    cairo_set_source_rgb(cr, ring.r, ring.g, ring.b);
    cairo_stroke(cr);

    const double px = a * std::cos(phase), py = b * std::sin(phase);
    const double x = kCentre + px * std::cos(turn) - py * std::sin(turn);
    const double y = kCentre + px * std::sin(turn) + py * std::cos(turn);
    drawSphere(cr, x, y, 26, {1.0, 0.75, 0.7}, {0.9, 0.08, 0.06}, {0.45, 0.0, 0.0});
}

void drawEmblem(cairo_t* cr) {
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    const Rgb red{0.85, 0.07, 0.07}, darkRed{0.5, 0.0, 0.0};
    const Rgb black{0.16, 0.14, 0.15}, blackEdge{0.02, 0.02, 0.02};
    drawOrbit(cr, 0, red, darkRed, 0.3);
    drawOrbit(cr, 60, black, blackEdge, 2.4);
    drawOrbit(cr, 120, red, darkRed, 4.3);
    drawSphere(cr, kCentre, kCentre, 70, {1.0, 0.95, 0.6}, {1.0, 0.55, 0.05}, {0.75, 0.25, 0.0});
}

// The surface's pixels (premultiplied BGRA, opaque here) as an RGB pixbuf.
GdkPixbuf* toPixbuf(cairo_surface_t* surface) {
    cairo_surface_flush(surface);
    GdkPixbuf* pixbuf = gdk_pixbuf_new(GDK_COLORSPACE_RGB, FALSE, 8, kSize, kSize);
    const unsigned char* from = cairo_image_surface_get_data(surface);
    const int fromStride = cairo_image_surface_get_stride(surface);
    unsigned char* to = gdk_pixbuf_get_pixels(pixbuf);
    const int toStride = gdk_pixbuf_get_rowstride(pixbuf);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            const unsigned char* p = from + y * fromStride + x * 4;
            unsigned char* q = to + y * toStride + x * 3;
            q[0] = p[2], q[1] = p[1], q[2] = p[0];
        }
    return pixbuf;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw-emblem <resources folder>\n");
        return 2;
    }
    const std::filesystem::path file = std::filesystem::path(argv[1]) / "pictures" / "about-emblem.jpg";
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kSize, kSize);
    cairo_t* cr = cairo_create(surface);
    drawEmblem(cr);
    cairo_destroy(cr);
    GdkPixbuf* pixbuf = toPixbuf(surface);
    cairo_surface_destroy(surface);
    GError* error = nullptr;
    const bool saved = gdk_pixbuf_save(pixbuf, file.c_str(), "jpeg", &error, "quality", "90", nullptr);
    g_object_unref(pixbuf);
    if (!saved) {
        std::fprintf(stderr, "could not write %s: %s\n", file.c_str(),
                     error ? error->message : "unknown error");
        if (error) g_error_free(error);
        return 1;
    }
    return 0;
}
