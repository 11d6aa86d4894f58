// links: slidekiln_drawing
// Draws the pictures of the file name edit and the compilation page:
//   resources/glyphs/open-folder.bmp   the 12 x 11 open-folder glyph of the browse
//                                      button, 16 colours, magenta transparent
//   resources/pictures/box-ticked.png  a red tick over a beige box with a rounded frame
//   resources/pictures/box-empty.png   a white box with a grey rounded frame
//   resources/glyphs/ZEMOFR*.bmp       the six 12 x 12 radio marks of the office radio
//                                      button (unchecked/checked, plain/hot/pressed),
//                                      24 bits, on white, which the button keys out
// Usage: office_pictures <resources folder>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "drawing/Bitmap.h"

namespace {

// ---- the 16-colour glyph -------------------------------------------------

// The standard 16-colour palette, in the order of the classic colour numbers.
constexpr std::uint32_t kPalette[16] = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};

// One character a pixel: '.' magenta (transparent), 'k' black, 'w' white,
// 'y' yellow, 'o' olive (the shaded inside of the folder's back).
constexpr const char* kFolder[11] = {
    "..kkkk......",
    ".kwwwwk.....",
    "kwyyyyykkkk.",
    "kwooooooook.",
    "kwookkkkkkkk",
    "kwokyyyyyyyk",
    "kwkyyyyyyyk.",
    "kwkyyyyyyyk.",
    "kkyyyyyyyk..",
    "kkyyyyyyyk..",
    "kkkkkkkkk...",
};

int paletteIndex(char c) {
    switch (c) {
    case 'k': return 0;
    case 'o': return 3;
    case 'y': return 11;
    case 'w': return 15;
    default: return 13;  // magenta
    }
}

void putLe(std::vector<unsigned char>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<unsigned char>((value >> (8 * i)) & 0xFF));
}

// The bytes of one row of a bottom-up BMP, padded to whole 32-bit words.
int bmpRowBytes(int width, int bitsPerPixel) { return ((width * bitsPerPixel + 31) / 32) * 4; }

// The file and information headers of an uncompressed bottom-up BMP whose
// palette (of `paletteEntries` colours) and rows follow.
std::vector<unsigned char> bmpHeaders(int width, int height, int bitsPerPixel, int paletteEntries) {
    const int pixelOffset = 14 + 40 + paletteEntries * 4;
    const int imageSize = bmpRowBytes(width, bitsPerPixel) * height;
    std::vector<unsigned char> out{'B', 'M'};
    putLe(out, pixelOffset + imageSize, 4);
    putLe(out, 0, 4);
    putLe(out, pixelOffset, 4);
    putLe(out, 40, 4);
    putLe(out, width, 4);
    putLe(out, height, 4);
    putLe(out, 1, 2);
    putLe(out, bitsPerPixel, 2);
    putLe(out, 0, 4);  // no compression
    putLe(out, imageSize, 4);
    putLe(out, 2835, 4);  // 72 dots per inch
    putLe(out, 2835, 4);
    putLe(out, paletteEntries, 4);
    putLe(out, paletteEntries, 4);
    return out;
}

bool writeBytes(const std::filesystem::path& file, const std::vector<unsigned char>& bytes) {
    std::ofstream stream(file, std::ios::binary);
    stream.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(stream);
}

// A 4-bit bottom-up BMP with a 16-entry palette.
bool writeFolderGlyph(const std::filesystem::path& file) {
    constexpr int width = 12, height = 11;
    const int rowBytes = bmpRowBytes(width, 4);
    std::vector<unsigned char> out = bmpHeaders(width, height, 4, 16);
    for (std::uint32_t rgb : kPalette) putLe(out, rgb, 4);  // 0x00RRGGBB is stored B, G, R, 0
    for (int y = height - 1; y >= 0; --y) {
        std::vector<unsigned char> row(rowBytes, 0);
        for (int x = 0; x < width; ++x) {
            const int index = paletteIndex(kFolder[y][x]);
            row[x / 2] |= static_cast<unsigned char>(x % 2 == 0 ? index << 4 : index);
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return writeBytes(file, out);
}

// ---- the check-box pictures ------------------------------------------------

struct Rgba {
    double r = 0, g = 0, b = 0, a = 0;
};

// Source-over compositing of a colour with the given coverage.
void blendOver(Rgba& dst, double r, double g, double b, double coverage) {
    if (coverage <= 0) return;
    const double a = std::min(coverage, 1.0);
    const double outA = a + dst.a * (1 - a);
    dst.r = (r * a + dst.r * dst.a * (1 - a)) / outA;
    dst.g = (g * a + dst.g * dst.a * (1 - a)) / outA;
    dst.b = (b * a + dst.b * dst.a * (1 - a)) / outA;
    dst.a = outA;
}

// Signed distance from a point to a rounded rectangle (negative inside).
double roundedRectDistance(double x, double y, double left, double top, double right, double bottom, double radius) {
    const double cx = (left + right) / 2, cy = (top + bottom) / 2;
    const double hx = (right - left) / 2 - radius, hy = (bottom - top) / 2 - radius;
    const double qx = std::abs(x - cx) - hx, qy = std::abs(y - cy) - hy;
    const double outside = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
    return outside + std::min(std::max(qx, qy), 0.0) - radius;
}

double segmentDistance(double px, double py, double ax, double ay, double bx, double by) {
    const double vx = bx - ax, vy = by - ay;
    const double t = std::clamp(((px - ax) * vx + (py - ay) * vy) / (vx * vx + vy * vy), 0.0, 1.0);
    return std::hypot(px - (ax + t * vx), py - (ay + t * vy));
}

struct Shape {
    virtual ~Shape() = default;
    virtual bool inside(double x, double y) const = 0;
};

// Coverage of a pixel by a shape, from 8 x 8 samples.
double coverage(const Shape& shape, int px, int py) {
    constexpr int n = 8;
    int hits = 0;
    for (int sy = 0; sy < n; ++sy)
        for (int sx = 0; sx < n; ++sx)
            if (shape.inside(px + (sx + 0.5) / n, py + (sy + 0.5) / n)) ++hits;
    return static_cast<double>(hits) / (n * n);
}

struct RoundedBox : Shape {
    double left, top, right, bottom, radius, inset;
    RoundedBox(double l, double t, double r, double b, double rad, double ins)
        : left(l), top(t), right(r), bottom(b), radius(rad), inset(ins) {}
    bool inside(double x, double y) const override {
        return roundedRectDistance(x, y, left + inset, top + inset, right - inset, bottom - inset,
                                   std::max(radius - inset, 0.0)) <= 0;
    }
};

struct Tick : Shape {
    std::vector<std::pair<double, double>> points;
    double halfWidth;
    Tick(std::vector<std::pair<double, double>> p, double hw) : points(std::move(p)), halfWidth(hw) {}
    bool inside(double x, double y) const override {
        for (std::size_t i = 0; i + 1 < points.size(); ++i)
            if (segmentDistance(x, y, points[i].first, points[i].second, points[i + 1].first, points[i + 1].second) <= halfWidth)
                return true;
        return false;
    }
};

constexpr int kBoxWidth = 64, kBoxHeight = 75;
// The box sits in the lower part of the picture; the tick rises above it.
constexpr double kLeft = 3, kTop = 17, kRight = 57, kBottom = 71, kRadius = 9, kFrame = 3;

// Paints a shape over a picture of the given size, in a colour that may change from
// row to row (top to bottom).
template <class ColourAt>
void paintShadedLayer(std::vector<Rgba>& pixels, int width, int height, const Shape& shape, ColourAt colourAt) {
    for (int y = 0; y < height; ++y) {
        const std::uint32_t rgb = colourAt(y);
        const double r = ((rgb >> 16) & 0xFF) / 255.0, g = ((rgb >> 8) & 0xFF) / 255.0, b = (rgb & 0xFF) / 255.0;
        for (int x = 0; x < width; ++x) blendOver(pixels[y * width + x], r, g, b, coverage(shape, x, y));
    }
}

void paintLayer(std::vector<Rgba>& pixels, const Shape& shape, std::uint32_t rgb) {
    paintShadedLayer(pixels, kBoxWidth, kBoxHeight, shape, [rgb](int) { return rgb; });
}

std::uint32_t channelOf(double v) { return static_cast<std::uint32_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255)); }

bool writeBox(const std::filesystem::path& file, bool ticked) {
    std::vector<Rgba> pixels(kBoxWidth * kBoxHeight);
    const std::uint32_t frameColor = ticked ? 0x8C6A3E : 0x8A8A8A;   // brown frame on beige, grey on white
    const std::uint32_t faceColor = ticked ? 0xF3E3C3 : 0xFFFFFF;
    paintLayer(pixels, RoundedBox(kLeft, kTop, kRight, kBottom, kRadius, 0), frameColor);
    paintLayer(pixels, RoundedBox(kLeft, kTop, kRight, kBottom, kRadius, kFrame), faceColor);
    if (ticked) {
        const std::vector<std::pair<double, double>> stroke = {{13, 44}, {25, 60}, {58, 5}};
        paintLayer(pixels, Tick(stroke, 6.0), 0x7A0000);  // a dark edge around the tick
        paintLayer(pixels, Tick(stroke, 4.5), 0xE01010);
    }
    sk::drawing::Bitmap bitmap(kBoxWidth, kBoxHeight);
    for (int y = 0; y < kBoxHeight; ++y)
        for (int x = 0; x < kBoxWidth; ++x) {
            const Rgba& p = pixels[y * kBoxWidth + x];
            bitmap.setPixel(x, y, (channelOf(p.a) << 24) | (channelOf(p.r) << 16) | (channelOf(p.g) << 8) | channelOf(p.b));
        }
    return bitmap.savePng(file);
}

// ---- the radio marks ---------------------------------------------------------

struct Disc : Shape {
    double cx, cy, radius;
    Disc(double x, double y, double r) : cx(x), cy(y), radius(r) {}
    bool inside(double x, double y) const override { return std::hypot(x - cx, y - cy) <= radius; }
};

// A colour between two 0xRRGGBB colours, t from 0 to 1.
std::uint32_t mix(std::uint32_t a, std::uint32_t b, double t) {
    auto part = [&](int shift) {
        const double from = (a >> shift) & 0xFF, to = (b >> shift) & 0xFF;
        return static_cast<std::uint32_t>(std::lround(from + (to - from) * t)) << shift;
    };
    return part(16) | part(8) | part(0);
}

struct RadioLook {
    const char* name;
    std::uint32_t rim, insideTop, insideBottom;
    bool checked;
};

// Never pure white inside the mark: white is keyed out as the background.
constexpr RadioLook kRadioLooks[] = {
    {"ZEMOFRU", 0x8E8F8F, 0xD6D7D9, 0xFCFCFC, false},  {"ZEMOFRUH", 0x7C94B4, 0xD5E3F6, 0xF4F8FE, false},
    {"ZEMOFRUD", 0x3D6CB0, 0xA9C8EE, 0xE2EDFB, false}, {"ZEMOFRC", 0x8E8F8F, 0xD6D7D9, 0xFCFCFC, true},
    {"ZEMOFRCH", 0x7C94B4, 0xD5E3F6, 0xF4F8FE, true},  {"ZEMOFRCD", 0x3D6CB0, 0xA9C8EE, 0xE2EDFB, true},
};
constexpr int kMark = 12;

// A 24-bit bottom-up BMP of an opaque picture.
bool writeBmp24(const std::filesystem::path& file, const std::vector<Rgba>& pixels, int width, int height) {
    const int rowBytes = bmpRowBytes(width, 24);
    std::vector<unsigned char> out = bmpHeaders(width, height, 24, 0);
    for (int y = height - 1; y >= 0; --y) {
        std::vector<unsigned char> row(rowBytes, 0);
        for (int x = 0; x < width; ++x) {
            const Rgba& p = pixels[y * width + x];
            row[x * 3] = static_cast<unsigned char>(channelOf(p.b));
            row[x * 3 + 1] = static_cast<unsigned char>(channelOf(p.g));
            row[x * 3 + 2] = static_cast<unsigned char>(channelOf(p.r));
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return writeBytes(file, out);
}

// A round mark with an anti-aliased rim and a soft vertical shade; the checked
// ones carry a glossy dark-blue to cyan dot.
bool writeRadioMark(const std::filesystem::path& folder, const RadioLook& look) {
    std::vector<Rgba> pixels(kMark * kMark, Rgba{1, 1, 1, 1});
    const double c = kMark / 2.0;
    paintShadedLayer(pixels, kMark, kMark, Disc(c, c, 5.8), [&](int) { return look.rim; });
    paintShadedLayer(pixels, kMark, kMark, Disc(c, c, 4.8),
                     [&](int y) { return mix(look.insideTop, look.insideBottom, (y - 1) / 9.0); });
    if (look.checked) {
        paintShadedLayer(pixels, kMark, kMark, Disc(c, c, 2.9),
                         [](int y) { return mix(0x0B2F8E, 0x2FD3F2, (y - 3) / 5.0); });
        paintShadedLayer(pixels, kMark, kMark, Disc(c - 0.9, c - 1.1, 0.9), [](int) { return 0xDDF6FD; });
    }
    // The corners stay the pure white that is keyed out.
    for (int y : {0, kMark - 1})
        for (int x : {0, kMark - 1}) pixels[y * kMark + x] = Rgba{1, 1, 1, 1};
    return writeBmp24(folder / (std::string(look.name) + ".bmp"), pixels, kMark, kMark);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <resources folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path resources = argv[1];
    std::filesystem::create_directories(resources / "glyphs");
    std::filesystem::create_directories(resources / "pictures");
    bool ok = writeFolderGlyph(resources / "glyphs" / "open-folder.bmp");
    ok = writeBox(resources / "pictures" / "box-ticked.png", true) && ok;
    ok = writeBox(resources / "pictures" / "box-empty.png", false) && ok;
    for (const RadioLook& look : kRadioLooks) ok = writeRadioMark(resources / "glyphs", look) && ok;
    if (!ok) {
        std::fprintf(stderr, "could not write the pictures into %s\n", resources.c_str());
        return 1;
    }
    return 0;
}
