// links: slidekiln_drawing
// Draws the pictures of the main window that we make ourselves: the two tab
// skins of the page control (58 x 33, 24 bits per pixel, magenta ground) and the
// application icon (an open album of compact discs in clear sleeves) in six sizes.
//
//   draw-pictures <resources folder>
//
// writes tabs/TabBackGround.bmp, tabs/TabBackGroundActive.bmp and
// icons/slidekiln-<size>.png below the given folder.
#include <cairo.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Rgb {
    double r, g, b;
};

Rgb rgb(int r, int g, int b) { return {r / 255.0, g / 255.0, b / 255.0}; }

void setSource(cairo_t* cr, Rgb c, double alpha = 1.0) { cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha); }

void addStop(cairo_pattern_t* p, double offset, Rgb c, double alpha = 1.0) {
    cairo_pattern_add_color_stop_rgba(p, offset, c.r, c.g, c.b, alpha);
}

// ---- Windows bitmap writer ------------------------------------------------------------------

void put16(std::vector<unsigned char>& out, unsigned v) {
    out.push_back(static_cast<unsigned char>(v & 0xFF));
    out.push_back(static_cast<unsigned char>((v >> 8) & 0xFF));
}

void put32(std::vector<unsigned char>& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

// A 24-bit bottom-up BI_RGB bitmap of an opaque cairo image surface.
bool writeBmp24(cairo_surface_t* surface, const fs::path& file) {
    cairo_surface_flush(surface);
    const int width = cairo_image_surface_get_width(surface);
    const int height = cairo_image_surface_get_height(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int rowBytes = (width * 3 + 3) / 4 * 4;
    const std::uint32_t imageSize = static_cast<std::uint32_t>(rowBytes * height);

    std::vector<unsigned char> out;
    out.push_back('B');
    out.push_back('M');
    put32(out, 14 + 40 + imageSize);
    put32(out, 0);
    put32(out, 14 + 40);
    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(width));
    put32(out, static_cast<std::uint32_t>(height));
    put16(out, 1);
    put16(out, 24);
    put32(out, 0);  // BI_RGB
    put32(out, imageSize);
    put32(out, 3780);  // 96 dots per inch
    put32(out, 3780);
    put32(out, 0);
    put32(out, 0);
    for (int y = height - 1; y >= 0; --y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(data + y * stride);
        for (int x = 0; x < width; ++x) {
            const std::uint32_t p = row[x];  // opaque, so premultiplication changes nothing
            out.push_back(static_cast<unsigned char>(p & 0xFF));
            out.push_back(static_cast<unsigned char>((p >> 8) & 0xFF));
            out.push_back(static_cast<unsigned char>((p >> 16) & 0xFF));
        }
        for (int pad = width * 3; pad < rowBytes; ++pad) out.push_back(0);
    }
    std::ofstream stream(file, std::ios::binary);
    stream.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
    return static_cast<bool>(stream);
}

// ---- Tab skins ------------------------------------------------------------------------------

struct TabColors {
    Rgb outline, top, bottom;
    bool highlight;
};

// The folder-tab outline: the left edge in column 1 (column 0 and the bottom row stay
// magenta, so the bottom-left pixel names the transparent colour and the row that the
// page joins at stays clear), a rounded top-left corner, a top edge of about 30 pixels
// and a right edge slanting down to the right over the remaining width. The page
// control stretches the two middle columns (28 and 29), which lie on the top edge.
// The outline is left open along the bottom: the tab joins the page there.
void tabPath(cairo_t* cr, bool closed) {
    const double left = 1.5, top = 0.5, bottom = 32.0, radius = 5.0;
    cairo_new_path(cr);
    cairo_move_to(cr, left, bottom);
    cairo_line_to(cr, left, top + radius);
    cairo_arc(cr, left + radius, top + radius, radius, M_PI, 1.5 * M_PI);
    cairo_line_to(cr, 32.5, top);
    cairo_curve_to(cr, 38.0, top, 39.5, 4.0, 42.0, 10.0);
    cairo_line_to(cr, 50.0, 27.0);
    cairo_curve_to(cr, 52.0, 31.0, 54.0, 32.0, 57.0, bottom);
    if (closed) cairo_close_path(cr);
}

cairo_surface_t* drawTab(const TabColors& colours) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 58, 33);
    cairo_t* cr = cairo_create(surface);
    // Hard edges: blended edge pixels would turn pink once magenta is keyed out.
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_set_source_rgb(cr, 1, 0, 1);
    cairo_paint(cr);

    tabPath(cr, true);
    cairo_pattern_t* fill = cairo_pattern_create_linear(0, 1, 0, 30);
    addStop(fill, 0, colours.top);
    addStop(fill, 1, colours.bottom);
    cairo_set_source(cr, fill);
    cairo_fill(cr);
    cairo_pattern_destroy(fill);
    tabPath(cr, false);
    setSource(cr, colours.outline);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);

    if (colours.highlight) {
        // A white sheen under the top edge, fading out towards the middle of the tab.
        cairo_save(cr);
        tabPath(cr, true);
        cairo_clip(cr);
        cairo_pattern_t* sheen = cairo_pattern_create_linear(0, 2, 0, 14);
        addStop(sheen, 0, rgb(255, 255, 255), 0.85);
        addStop(sheen, 1, rgb(255, 255, 255), 0.0);
        cairo_set_source(cr, sheen);
        cairo_rectangle(cr, 3, 2, 54, 12);
        cairo_fill(cr);
        cairo_pattern_destroy(sheen);
        cairo_restore(cr);
        // Redraw the outline over the sheen.
        tabPath(cr, false);
        setSource(cr, colours.outline);
        cairo_stroke(cr);
    }
    // Keep the bottom row clear of the outline's closing stroke.
    cairo_set_source_rgb(cr, 1, 0, 1);
    cairo_rectangle(cr, 0, 32, 58, 1);
    cairo_fill(cr);
    cairo_destroy(cr);
    return surface;
}

// ---- Application icon -----------------------------------------------------------------------

void roundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 1.5 * M_PI);
    cairo_close_path(cr);
}

// A compact disc: a silver disc with a rainbow shimmer, the clear inner ring and the hole.
void drawDisc(cairo_t* cr, double cx, double cy, double radius, bool detailed) {
    cairo_pattern_t* silver = cairo_pattern_create_linear(cx - radius, cy - radius, cx + radius, cy + radius);
    addStop(silver, 0.0, rgb(236, 240, 246));
    addStop(silver, 0.30, rgb(190, 200, 215));
    addStop(silver, 0.45, rgb(250, 214, 236));
    addStop(silver, 0.55, rgb(196, 236, 250));
    addStop(silver, 0.65, rgb(240, 246, 200));
    addStop(silver, 1.0, rgb(160, 170, 188));
    cairo_arc(cr, cx, cy, radius, 0, 2 * M_PI);
    cairo_set_source(cr, silver);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(silver);
    setSource(cr, rgb(110, 120, 140));
    cairo_set_line_width(cr, std::max(0.6, radius * 0.04));
    cairo_stroke(cr);

    if (detailed) {
        // Faint track rings.
        cairo_set_line_width(cr, std::max(0.5, radius * 0.015));
        for (double f : {0.55, 0.72, 0.88}) {
            cairo_arc(cr, cx, cy, radius * f, 0, 2 * M_PI);
            setSource(cr, rgb(255, 255, 255), 0.35);
            cairo_stroke(cr);
        }
    }
    cairo_arc(cr, cx, cy, radius * 0.30, 0, 2 * M_PI);
    setSource(cr, rgb(225, 232, 240));
    cairo_fill_preserve(cr);
    setSource(cr, rgb(140, 150, 165));
    cairo_set_line_width(cr, std::max(0.5, radius * 0.02));
    cairo_stroke(cr);
    cairo_arc(cr, cx, cy, radius * 0.12, 0, 2 * M_PI);
    setSource(cr, rgb(60, 45, 80));
    cairo_fill(cr);
}

// A clear plastic sleeve over a page area: a faint bluish film with a glossy diagonal sheen.
void drawSleeve(cairo_t* cr, double x, double y, double w, double h, double unit, bool small) {
    roundedRect(cr, x, y, w, h, unit * 0.6);
    setSource(cr, rgb(200, 225, 255), small ? 0.0 : 0.28);
    cairo_fill_preserve(cr);
    setSource(cr, rgb(255, 255, 255), 0.9);
    cairo_set_line_width(cr, std::max(0.6, unit * 0.35));
    cairo_stroke(cr);

    cairo_save(cr);
    roundedRect(cr, x, y, w, h, unit * 0.6);
    cairo_clip(cr);
    cairo_pattern_t* sheen = cairo_pattern_create_linear(x, y, x + w, y + h);
    addStop(sheen, 0.0, rgb(255, 255, 255), 0.0);
    addStop(sheen, 0.35, rgb(255, 255, 255), 0.0);
    addStop(sheen, 0.42, rgb(255, 255, 255), 0.55);
    addStop(sheen, 0.52, rgb(255, 255, 255), 0.0);
    cairo_set_source(cr, sheen);
    cairo_paint(cr);
    cairo_pattern_destroy(sheen);
    cairo_restore(cr);
}

// The icon in a 256-unit design, scaled to the target size. Below 32 pixels the
// album keeps one disc per page and drops the track rings so that it stays legible.
cairo_surface_t* drawIcon(int size) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size);
    cairo_t* cr = cairo_create(surface);
    const double s = size / 256.0;
    cairo_scale(cr, s, s);
    const bool small = size < 32;
    const double unit = 256.0 / size;  // one device pixel in design units

    // Shadow under the album.
    cairo_save(cr);
    cairo_translate(cr, 128, 236);
    cairo_scale(cr, 1.0, 0.12);
    cairo_arc(cr, 0, 0, 118, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.25);
    cairo_fill(cr);

    // The cover behind the open pages: dark navy leather.
    roundedRect(cr, 6, 38, 244, 190, 14);
    cairo_pattern_t* cover = cairo_pattern_create_linear(0, 38, 0, 228);
    addStop(cover, 0, rgb(44, 70, 140));
    addStop(cover, 1, rgb(22, 36, 86));
    cairo_set_source(cr, cover);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(cover);
    setSource(cr, rgb(14, 22, 56));
    cairo_set_line_width(cr, std::max(2.0, unit));
    cairo_stroke(cr);

    // The two pages, slightly fanned from the spine.
    for (int side = 0; side < 2; ++side) {
        const double x = side == 0 ? 16 : 132;
        cairo_new_path(cr);
        if (side == 0) {
            cairo_move_to(cr, x, 34);
            cairo_curve_to(cr, 60, 26, 100, 30, 124, 42);
            cairo_line_to(cr, 124, 218);
            cairo_curve_to(cr, 100, 206, 60, 204, x, 212);
        } else {
            cairo_move_to(cr, 132, 42);
            cairo_curve_to(cr, 156, 30, 196, 26, 240, 34);
            cairo_line_to(cr, 240, 212);
            cairo_curve_to(cr, 196, 204, 156, 206, 132, 218);
        }
        cairo_close_path(cr);
        cairo_pattern_t* paper = cairo_pattern_create_linear(side == 0 ? 16 : 240, 0, 128, 0);
        addStop(paper, 0, rgb(250, 250, 252));
        addStop(paper, 1, rgb(214, 218, 228));
        cairo_set_source(cr, paper);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(paper);
        setSource(cr, rgb(120, 128, 150));
        cairo_set_line_width(cr, std::max(1.5, unit));
        cairo_stroke(cr);
    }
    // The spine's fold.
    cairo_move_to(cr, 128, 40);
    cairo_line_to(cr, 128, 220);
    setSource(cr, rgb(70, 80, 110));
    cairo_set_line_width(cr, std::max(2.0, unit * 1.2));
    cairo_stroke(cr);

    if (small) {
        drawDisc(cr, 72, 126, 50, false);
        drawSleeve(cr, 20, 70, 104, 112, unit, true);
        drawDisc(cr, 184, 126, 50, false);
        drawSleeve(cr, 132, 70, 104, 112, unit, true);
    } else {
        // Two sleeves on each page, the lower disc partly slid out of its sleeve.
        const double r = 36;
        for (int side = 0; side < 2; ++side) {
            const double px = side == 0 ? 26 : 142;
            drawDisc(cr, px + 48, 88, r, true);
            drawSleeve(cr, px, 48, 90, 80, unit, false);
            drawDisc(cr, px + 48 + (side == 1 ? 10 : 0), 168, r, true);
            drawSleeve(cr, px, 134, 90, 76, unit, false);
        }
    }
    cairo_destroy(cr);
    return surface;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <resources folder>\n", argv[0]);
        return 2;
    }
    const fs::path root = argv[1];
    fs::create_directories(root / "tabs");
    fs::create_directories(root / "icons");
    bool ok = true;

    const TabColors normal{rgb(129, 151, 197), rgb(152, 173, 218), rgb(197, 214, 243), false};
    const TabColors active{rgb(154, 181, 236), rgb(182, 207, 255), rgb(236, 255, 255), true};
    for (const auto& [name, colours] : {std::pair{"TabBackGround.bmp", normal}, std::pair{"TabBackGroundActive.bmp", active}}) {
        cairo_surface_t* tab = drawTab(colours);
        ok = writeBmp24(tab, root / "tabs" / name) && ok;
        cairo_surface_destroy(tab);
    }
    for (int size : {16, 32, 48, 64, 128, 256}) {
        cairo_surface_t* icon = drawIcon(size);
        const std::string file = (root / "icons" / ("slidekiln-" + std::to_string(size) + ".png")).string();
        ok = cairo_surface_write_to_png(icon, file.c_str()) == CAIRO_STATUS_SUCCESS && ok;
        cairo_surface_destroy(icon);
    }
    if (!ok) std::fprintf(stderr, "could not write every picture below %s\n", root.c_str());
    return ok ? 0 : 1;
}
