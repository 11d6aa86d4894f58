// links: slidekiln_drawing
// Draws the pictures of the file name edit and the compilation page:
//   resources/glyphs/open-folder.bmp   the 12 x 11 open-folder glyph of the browse
//                                      button, 16 colours, magenta transparent
//   resources/pictures/box-ticked.png  a red tick over a beige box with a rounded frame
//   resources/pictures/box-empty.png   a white box with a grey rounded frame
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

// A 4-bit bottom-up BMP with a 16-entry palette.
bool writeFolderGlyph(const std::filesystem::path& file) {
    constexpr int width = 12, height = 11;
    constexpr int rowBytes = ((width * 4 + 31) / 32) * 4;
    constexpr int pixelOffset = 14 + 40 + 16 * 4;
    constexpr int imageSize = rowBytes * height;
    std::vector<unsigned char> out;
    out.push_back('B');
    out.push_back('M');
    putLe(out, pixelOffset + imageSize, 4);
    putLe(out, 0, 4);
    putLe(out, pixelOffset, 4);
    putLe(out, 40, 4);
    putLe(out, width, 4);
    putLe(out, height, 4);
    putLe(out, 1, 2);
    putLe(out, 4, 2);
    putLe(out, 0, 4);  // no compression
    putLe(out, imageSize, 4);
    putLe(out, 2835, 4);  // 72 dots per inch
    putLe(out, 2835, 4);
    putLe(out, 16, 4);
    putLe(out, 16, 4);
    for (std::uint32_t rgb : kPalette) putLe(out, rgb, 4);  // 0x00RRGGBB is stored B, G, R, 0
    for (int y = height - 1; y >= 0; --y) {
        std::vector<unsigned char> row(rowBytes, 0);
        for (int x = 0; x < width; ++x) {
            const int index = paletteIndex(kFolder[y][x]);
            row[x / 2] |= static_cast<unsigned char>(x % 2 == 0 ? index << 4 : index);
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    std::ofstream stream(file, std::ios::binary);
    stream.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
    return static_cast<bool>(stream);
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

void paintLayer(std::vector<Rgba>& pixels, const Shape& shape, std::uint32_t rgb) {
    const double r = ((rgb >> 16) & 0xFF) / 255.0, g = ((rgb >> 8) & 0xFF) / 255.0, b = (rgb & 0xFF) / 255.0;
    for (int y = 0; y < kBoxHeight; ++y)
        for (int x = 0; x < kBoxWidth; ++x) blendOver(pixels[y * kBoxWidth + x], r, g, b, coverage(shape, x, y));
}

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
            auto channel = [](double v) { return static_cast<std::uint32_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255)); };
            bitmap.setPixel(x, y, (channel(p.a) << 24) | (channel(p.r) << 16) | (channel(p.g) << 8) | channel(p.b));
        }
    return bitmap.savePng(file);
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
    if (!ok) {
        std::fprintf(stderr, "could not write the pictures into %s\n", resources.c_str());
        return 1;
    }
    return 0;
}
