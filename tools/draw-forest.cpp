// links: slidekiln_drawing
// Draws the photograph-like picture whose pixels fill the letters of the settings
// page's banner: a snowy fir forest against a blue sky, with the low sun breaking
// through in rays. 1024 x 768, written as a JPEG file.
//
//   draw-forest <resources folder>
//
// writes pictures/snowy-forest.jpg below the given folder. The banner shows the
// picture's top-left corner (its letters tile the picture from the label's
// corner), so a tall fir stands at the left edge and the sun's rays cross the
// upper band.
#include <gdk-pixbuf/gdk-pixbuf.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <vector>

namespace {

constexpr int kWidth = 1024, kHeight = 768;
constexpr double kPi = 3.14159265358979323846;
constexpr double kSunX = 560, kSunY = 215;

struct Rgb {
    double r, g, b;
};
Rgb operator+(Rgb a, Rgb b) {
    return {a.r + b.r, a.g + b.g, a.b + b.b};
}
Rgb operator*(Rgb a, double k) {
    return {a.r * k, a.g * k, a.b * k};
}
Rgb mix(Rgb a, Rgb b, double t) {
    return a * (1 - t) + b * t;
}

double clamp01(double v) {
    return std::clamp(v, 0.0, 1.0);
}
double smooth(double e0, double e1, double x) {
    const double t = clamp01((x - e0) / (e1 - e0));
    return t * t * (3 - 2 * t);
}

// ---- Noise ----------------------------------------------------------------------------

std::uint32_t hash(int x, int y, int seed) {
    std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u +
                      static_cast<std::uint32_t>(y) * 668265263u +
                      static_cast<std::uint32_t>(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return h ^ (h >> 16);
}
double random01(int x, int y, int seed) {
    return (hash(x, y, seed) & 0xFFFFFF) / double(0xFFFFFF);
}

double valueNoise(double x, double y, int seed) {
    const int xi = static_cast<int>(std::floor(x)), yi = static_cast<int>(std::floor(y));
    const double fx = x - xi, fy = y - yi;
    const double u = fx * fx * (3 - 2 * fx), v = fy * fy * (3 - 2 * fy);
    const double a = random01(xi, yi, seed), b = random01(xi + 1, yi, seed);
    const double c = random01(xi, yi + 1, seed), d = random01(xi + 1, yi + 1, seed);
    return (a * (1 - u) + b * u) * (1 - v) + (c * (1 - u) + d * u) * v;
}

double fbm(double x, double y, int seed, int octaves = 5) {
    double sum = 0, amplitude = 0.5, norm = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += amplitude * valueNoise(x, y, seed + i * 17);
        norm += amplitude;
        x *= 2.03;
        y *= 2.03;
        amplitude *= 0.5;
    }
    return sum / norm;
}

// ---- The picture ------------------------------------------------------------------------

class Picture {
public:
    Picture() : m_pixels(static_cast<std::size_t>(kWidth) * kHeight) {}
    Rgb& at(int x, int y) {
        return m_pixels[static_cast<std::size_t>(y) * kWidth + static_cast<std::size_t>(x)];
    }
    void blend(int x, int y, Rgb colour, double alpha) {
        if (x < 0 || y < 0 || x >= kWidth || y >= kHeight || alpha <= 0) return;
        at(x, y) = mix(at(x, y), colour, clamp01(alpha));
    }

private:
    std::vector<Rgb> m_pixels;
};

double sunDistance(double x, double y) {
    return std::hypot(x - kSunX, y - kSunY);
}

void paintSky(Picture& p) {
    const Rgb zenith{0.05, 0.22, 0.58}, horizon{0.74, 0.86, 0.96};
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const double t = std::pow(clamp01(y / 560.0), 1.3);
            Rgb c = mix(zenith, horizon, t);
            // Thin high clouds, brighter near the sun.
            const double cloud = smooth(0.55, 0.8, fbm(x / 260.0, y / 70.0, 3)) * (1 - t) * 0.55;
            c = mix(c, Rgb{0.93, 0.95, 0.98}, cloud);
            const double d = sunDistance(x, y);
            const double glow =
                std::exp(-d / 38.0) + 0.55 * std::exp(-d / 170.0) + 0.15 * std::exp(-d / 500.0);
            c = c + Rgb{1.0, 0.96, 0.86} * glow;
            p.at(x, y) = c;
        }
}

// A far ridge of blue-grey forest along the horizon.
void paintRidge(Picture& p) {
    for (int x = 0; x < kWidth; ++x) {
        const double top = 455 - 45 * fbm(x / 180.0, 0.5, 11, 4) - 10 * fbm(x / 9.0, 1.5, 12, 2);
        for (int y = static_cast<int>(top); y < 560; ++y) {
            const double haze = clamp01((y - top) / 90.0);
            p.blend(x, y, mix(Rgb{0.52, 0.63, 0.75}, Rgb{0.40, 0.50, 0.60}, haze), 1.0);
        }
    }
}

void paintSnowField(Picture& p) {
    for (int y = 520; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const double t = (y - 520) / double(kHeight - 520);
            Rgb c = mix(Rgb{0.86, 0.91, 0.97}, Rgb{0.97, 0.98, 1.0}, t);
            // Drifts: soft blue hollows.
            const double drift = fbm(x / 140.0, y / 30.0, 21, 4);
            c = mix(c, Rgb{0.70, 0.79, 0.92}, smooth(0.5, 0.75, drift) * 0.6);
            // Glitter where the sun catches the crust.
            if (random01(x, y, 99) > 0.9985) c = Rgb{1, 1, 1} * 1.1;
            p.at(x, y) = c;
        }
}

struct Tree {
    double x, base, height;
    int seed;
    Rgb needles, snowShadow;
    double haze;  // 0 near .. 1 far, mixing toward the sky
};

// A fir: tiers of drooping branches, wider toward the base, snow lying on the top
// of each tier, lit from the sun's side.
void paintTree(Picture& p, const Tree& t) {
    const double halfBase = t.height * 0.21;
    const int tiers = 7 + static_cast<int>(random01(t.seed, 1, 5) * 4);
    const int x0 = static_cast<int>(t.x - halfBase - 4), x1 = static_cast<int>(t.x + halfBase + 4);
    const int y0 = static_cast<int>(t.base - t.height), y1 = static_cast<int>(t.base);
    const Rgb skyTint{0.62, 0.72, 0.84};
    for (int y = std::max(0, y0); y < std::min(kHeight, y1 + 8); ++y) {
        const double v = (y - y0) / t.height;  // 0 top .. 1 base
        if (v > 1.0) {
            // The trunk below the lowest branches.
            for (int x = static_cast<int>(t.x - t.height * 0.015); x <= t.x + t.height * 0.015; ++x)
                p.blend(x, y, mix(Rgb{0.22, 0.16, 0.12}, skyTint, t.haze), 1.0);
            continue;
        }
        const double tierPhase = v * tiers - std::floor(v * tiers);
        const double half = halfBase * (0.08 + 0.92 * v) * (0.58 + 0.42 * tierPhase);
        for (int x = x0; x <= x1; ++x) {
            const double dx = x - t.x;
            // Ragged branch tips: each row of needles reaches out by its own amount.
            const double jag = (3.0 * (valueNoise(x / 3.0, y / 2.0, t.seed) - 0.5) +
                                halfBase * 0.35 * (valueNoise(0.5, y / 1.7, t.seed + 11) - 0.5)) *
                               (0.3 + v);
            const double edge = half + jag - std::abs(dx);
            if (edge <= -0.5) continue;
            const double cover = clamp01(edge + 0.5);
            // Light from the sun's side, shade on the other.
            const double side = dx / std::max(1.0, half) * (t.x > kSunX ? 1 : -1);
            Rgb c = t.needles * (1.05 - 0.35 * clamp01(side * 0.5 + 0.5));
            c = c * (0.8 + 0.4 * valueNoise(x / 2.0, y / 2.0, t.seed + 3));
            // Snow in clumps on the upper part of each tier.
            const double snowLine = 0.22 + 0.22 * valueNoise(x / 5.0, v * 40, t.seed + 7);
            const double clump = fbm(x / 6.0, y / 4.0, t.seed + 13, 3);
            if (tierPhase < snowLine && clump > 0.37) {
                const double lit = clamp01(0.75 - side * 0.4);
                const Rgb snow = mix(t.snowShadow, Rgb{0.97, 0.98, 1.0}, lit);
                c = mix(c, snow, smooth(snowLine, snowLine - 0.12, tierPhase) * smooth(0.37, 0.5, clump));
            }
            p.blend(x, y, mix(c, skyTint, t.haze), cover);
        }
    }
}

void paintForest(Picture& p) {
    std::vector<Tree> trees;
    int seed = 100;
    // Far, middle and near rows: smaller, bluer trees behind bigger, darker ones.
    struct Row {
        double base, height, spacing, haze;
        Rgb needles;
    };
    const Row rows[] = {
        {500, 70, 17, 0.55, {0.20, 0.33, 0.32}},
        {560, 150, 34, 0.28, {0.13, 0.27, 0.22}},
        {660, 290, 70, 0.08, {0.08, 0.20, 0.15}},
    };
    for (const Row& row : rows)
        for (double x = -20; x < kWidth + 20; x += row.spacing) {
            ++seed;
            // A clearing in front of the sun, where the light comes through.
            if (row.haze < 0.1 && std::abs(x - kSunX - 60) < 150) continue;
            const double jitterX = (random01(seed, 2, 1) - 0.5) * row.spacing * 0.8;
            const double jitterH = 0.7 + 0.6 * random01(seed, 3, 1);
            const double jitterBase = (random01(seed, 4, 1) - 0.5) * row.height * 0.12;
            trees.push_back({x + jitterX, row.base + jitterBase, row.height * jitterH, seed, row.needles,
                             Rgb{0.62, 0.72, 0.86}, row.haze});
        }
    // Two tall firs at the front: one at the left edge reaching above the picture,
    // one on the right.
    trees.push_back({70, 800, 860, 7, {0.06, 0.17, 0.12}, {0.60, 0.70, 0.85}, 0.0});
    trees.push_back({900, 780, 700, 8, {0.06, 0.17, 0.12}, {0.60, 0.70, 0.85}, 0.0});
    for (const Tree& t : trees) paintTree(p, t);
}

// Shafts of light fanning out from the sun, strongest over the dark trees.
void paintRays(Picture& p) {
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const double a = std::atan2(y - kSunY, x - kSunX);
            const double d = sunDistance(x, y);
            const double fan = 0.5 + 0.5 * std::sin(a * 11 + 0.7);
            const double streak = 0.5 + 0.5 * std::sin(a * 37 + 2.1 + 2 * valueNoise(a * 6, 0.3, 41));
            double ray = std::pow(fan, 3) * (0.45 + 0.55 * streak);
            ray *= std::exp(-d / 520.0) * smooth(20, 90, d);
            // Rays fall downwards from the low sun.
            ray *= clamp01(0.35 + 0.65 * std::sin(a));
            const double strength = ray * 0.42;
            Rgb& c = p.at(x, y);
            c = c + Rgb{1.0, 0.95, 0.80} * strength * (1.2 - 0.6 * (c.r + c.g + c.b) / 3);
        }
}

void finish(Picture& p, std::vector<unsigned char>& rgb) {
    rgb.resize(static_cast<std::size_t>(kWidth) * kHeight * 3);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            Rgb c = p.at(x, y);
            // A touch of lens vignette and film grain, as a camera would give.
            const double vx = (x - kWidth / 2.0) / kWidth, vy = (y - kHeight / 2.0) / kHeight;
            c = c * (1.0 - 0.28 * (vx * vx + vy * vy));
            const double grain = (random01(x, y, 7) - 0.5) * 0.035;
            const std::size_t i = (static_cast<std::size_t>(y) * kWidth + static_cast<std::size_t>(x)) * 3;
            auto channel = [&](double v) {
                // Soft highlight roll-off instead of a hard clip around the sun.
                const double toned = 1.0 - std::exp(-1.6 * std::max(0.0, v + grain));
                return static_cast<unsigned char>(std::lround(255 * clamp01(toned / (1.0 - std::exp(-1.6)))));
            };
            rgb[i] = channel(c.r);
            rgb[i + 1] = channel(c.g);
            rgb[i + 2] = channel(c.b);
        }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw-forest <resources folder>\n");
        return 2;
    }
    Picture picture;
    paintSky(picture);
    paintRidge(picture);
    paintSnowField(picture);
    paintForest(picture);
    paintRays(picture);
    std::vector<unsigned char> rgb;
    finish(picture, rgb);

    GdkPixbuf* pixbuf = gdk_pixbuf_new_from_data(rgb.data(), GDK_COLORSPACE_RGB, FALSE, 8, kWidth, kHeight,
                                                 kWidth * 3, nullptr, nullptr);
    const std::filesystem::path file = std::filesystem::path(argv[1]) / "pictures" / "snowy-forest.jpg";
    std::filesystem::create_directories(file.parent_path());
    GError* error = nullptr;
    const gboolean saved =
        gdk_pixbuf_save(pixbuf, file.c_str(), "jpeg", &error, "quality", "88", static_cast<char*>(nullptr));
    g_object_unref(pixbuf);
    if (!saved) {
        std::fprintf(stderr, "draw-forest: cannot write %s: %s\n", file.c_str(),
                     error ? error->message : "?");
        if (error) g_error_free(error);
        return 1;
    }
    std::printf("%s\n", file.c_str());
    return 0;
}
