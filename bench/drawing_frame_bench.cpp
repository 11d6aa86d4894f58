// links: slidekiln_drawing slidekiln_test_support
// A synthetic 764 x 459 frame of about 200 mixed drawing operations (the main
// window's size): gradient fills, path gradients, hatches, textures, strokes and
// 30 text runs. Target: median under 4 ms per frame. And a 200 x 200 path-gradient
// hexagon: under 1 ms.
#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>
#include <string>

#include "drawing/Graphics.h"
#include "drawing/HatchBrush.h"
#include "drawing/LinearGradientBrush.h"
#include "drawing/PathGradientBrush.h"
#include "drawing/TextureBrush.h"

using namespace sk::drawing;

namespace {

Bitmap makeTexture() {
    Bitmap tile(32, 32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) tile.setPixel(x, y, makeARGB(255, x * 8, y * 8, (x ^ y) * 8));
    return tile;
}

std::vector<PointF> hexagon(float cx, float cy, float r) {
    std::vector<PointF> points;
    for (int i = 0; i < 6; ++i) {
        const double a = i * std::numbers::pi / 3;
        points.push_back(
            {cx + r * static_cast<float>(std::cos(a)), cy + r * static_cast<float>(std::sin(a))});
    }
    return points;
}

// One frame: 200 operations.
void drawFrame(Graphics& g, const Bitmap& texture, const Font& font) {
    g.setSmoothingMode(SmoothingMode::AntiAlias);
    g.setTextRenderingHint(TextRenderingHint::AntiAlias);
    g.clear(0xFFC4E9F2);
    const TextureBrush textureBrush(texture);
    StringFormat format(StringFormatFlagsNoWrap);
    format.setAlignment(StringAlignment::Center);
    format.setLineAlignment(StringAlignment::Center);
    int ops = 0;
    for (int i = 0; i < 34; ++i) {  // 34 x 5 shape operations = 170
        const float x = static_cast<float>((i * 97) % 700), y = static_cast<float>((i * 53) % 400);
        const RectF r{x, y, 60, 40};
        GraphicsPath rounded;
        rounded.addRoundedRectangle(r, 6, 6);
        g.fillPath(LinearGradientBrush(r, 0xFFFFFFFF, 0xFF008080, static_cast<LinearGradientMode>(i % 4)),
                   rounded);
        g.drawPath(Pen(0xFF000080), rounded);
        PathGradientBrush glow(hexagon(x + 30, y + 20, 18));
        glow.setCenterColor(0xC0FFFFFF);
        glow.setSurroundColors({0x00FFFFFF});
        g.fillRectangle(glow, RectF{x + 10, y + 2, 40, 36});
        switch (i % 3) {
            case 0:
                g.fillRectangle(
                    HatchBrush(static_cast<HatchStyle>(i % HatchStyleTotal), 0xFF800080, 0x40FFFFFF),
                    RectF{x, y + 42, 60, 10});
                break;
            case 1:
                g.fillRectangle(textureBrush, RectF{x, y + 42, 60, 10});
                break;
            default:
                g.fillEllipse(SolidBrush(0x80FF8000), RectF{x, y + 42, 60, 10});
                break;
        }
        g.drawLine(Pen(0xFF404040, 2), x, y + 55, x + 60, y + 55);
        ops += 5;
    }
    for (int i = 0; i < 30; ++i) {  // 30 text runs
        const float x = static_cast<float>((i * 131) % 680), y = static_cast<float>((i * 37) % 430);
        g.drawString(i % 2 ? "Компиляция" : "Установки 60%", font, RectF{x, y, 84, 20}, format,
                     SolidBrush(0xFF000000));
        ++ops;
    }
    benchmark::DoNotOptimize(ops);
}

void BM_MixedFrame(benchmark::State& state) {
    Bitmap frame(764, 459);
    const Bitmap texture = makeTexture();
    const Font font("Tahoma", 8, FontStyleBold);
    Graphics g(frame);
    drawFrame(g, texture, font);  // warm the font caches
    for (auto _ : state) {
        drawFrame(g, texture, font);
        benchmark::DoNotOptimize(frame.pixel(0, 0));
    }
}
BENCHMARK(BM_MixedFrame)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_PathGradientHexagon(benchmark::State& state) {
    Bitmap target(200, 200);
    Graphics g(target);
    g.setSmoothingMode(SmoothingMode::AntiAlias);
    const auto points = hexagon(100, 100, 100);
    for (auto _ : state) {
        PathGradientBrush brush(points);
        brush.setCenterColor(0xFFFFFFFF);
        brush.setSurroundColors({0xFF0000FF});
        g.fillPolygon(brush, points);
        benchmark::DoNotOptimize(target.pixel(100, 100));
    }
}
BENCHMARK(BM_PathGradientHexagon)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
