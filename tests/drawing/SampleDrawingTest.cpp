// Two small drawings as the controls make them, written to the test output folder
// (glow-button-sample.png, gauge-sample.png) to show how the API reads; a few probes
// keep them honest.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "drawing/Canvas.h"
#include "drawing/Graphics.h"
#include "drawing/HatchBrush.h"
#include "drawing/LinearGradientBrush.h"
#include "drawing/PathGradientBrush.h"
#include "support/PixelAssertions.h"

namespace sk::drawing {
namespace {

// A glow button face: upper and mirror halves, a radial hot glow, a rounded
// 1-pixel outline and a centred caption.
Bitmap glowButton(int w, int h) {
    Bitmap b(w, h);
    b.fill(ColorToARGB(255, 0x00F2E9C4));
    Graphics g(b);
    const float h2 = static_cast<float>(h / 2);
    const float fw = static_cast<float>(w), fh = static_cast<float>(h);
    // Mirror part, then upper part: vertical gradients.
    g.fillRectangle(LinearGradientBrush(RectF{0, h2 - 1, fw, fh}, ColorToARGB(255, clTeal),
                                        ColorToARGB(255, clWhite), LinearGradientMode::Vertical),
                    RectF{0, h2 - 1, fw, fh - h2 + 1});
    g.fillRectangle(LinearGradientBrush(RectF{0, 0, fw, fh - h2}, ColorToARGB(255, clWhite),
                                        ColorToARGB(255, clNavy), LinearGradientMode::ForwardDiagonal),
                    RectF{0, 0, fw, fh - h2});
    // The hot glow on the upper half: a path gradient on an ellipse centred on the top edge.
    GraphicsPath ellipse;
    ellipse.addEllipse(0, -h2 / 2, fw, 1.5f * h2);
    PathGradientBrush glow(ellipse);
    glow.setCenterPoint({fw / 2, 0});
    glow.setCenterColor(0xC0FFFFFF);
    glow.setSurroundColors({0x00FFFFFF});
    g.save();
    g.setClip(RectF{0, 0, fw, h2});
    g.fillRectangle(glow, RectF{0, 0, fw, h2});
    g.restore(0);
    // Outline: rounded, on the outermost pixels.
    g.setSmoothingMode(SmoothingMode::AntiAlias);
    GraphicsPath outline;
    outline.addRoundedRectangle(RectF{0, 0, fw - 1, fh - 1}, 3, 3);
    g.drawPath(Pen(ColorToARGB(255, clNavy)), outline);
    // Caption.
    StringFormat format(StringFormatFlagsNoWrap);
    format.setAlignment(StringAlignment::Center);
    format.setLineAlignment(StringAlignment::Center);
    format.setHotkeyPrefix(HotkeyPrefix::Show);
    g.setTextRenderingHint(TextRenderingHint::ClearTypeGridFit);
    g.drawString("&КОМПИЛИРОВАТЬ", Font("Tahoma", 8, FontStyleBold), RectF{1, 0, fw - 2, fh}, format,
                 SolidBrush(0xFF000000));
    return b;
}

// An instrument dial: a bevelled ring, a hatched range band, ticks, labels and a hand.
Bitmap gauge(int size) {
    Bitmap b(size, size);
    Graphics g(b);
    g.setSmoothingMode(SmoothingMode::AntiAlias);
    g.setTextRenderingHint(TextRenderingHint::AntiAlias);
    const float s = static_cast<float>(size - 1);
    const float c = s / 2;
    Pen bevel(LinearGradientBrush(RectF{0, 0, s, s}, 0xFFFFFFFF, scaleColor(0xFFD3D3D3, 0.65), 45.0f), 6);
    g.fillEllipse(SolidBrush(0xFF202830), RectF{3, 3, s - 6, s - 6});
    g.drawEllipse(bevel, RectF{3, 3, s - 6, s - 6});
    Pen band(HatchBrush(HatchStyleForwardDiagonal, 0xFFFF4040, 0x40FF4040), 8);
    g.drawArc(band, RectF{20, 20, s - 40, s - 40}, 315, 90);
    const float start = 135, sweep = 270;
    Pen tick(0xFFFFFFFF, 2);
    StringFormat centred(StringFormatFlagsNoClip);
    centred.setAlignment(StringAlignment::Center);
    centred.setLineAlignment(StringAlignment::Center);
    const Font labelFont("Microsoft Sans Serif", s * 0.07f, FontStyleBold, FontUnit::Pixel);
    for (int i = 0; i <= 10; ++i) {
        const double a = (start + sweep * i / 10) * std::numbers::pi / 180;
        const float r1 = c * 0.72f, r2 = c * 0.82f, rl = c * 0.58f;
        g.drawLine(tick, c + r1 * static_cast<float>(std::cos(a)), c + r1 * static_cast<float>(std::sin(a)),
                   c + r2 * static_cast<float>(std::cos(a)), c + r2 * static_cast<float>(std::sin(a)));
        g.drawString(
            std::to_string(i * 10), labelFont,
            PointF{c + rl * static_cast<float>(std::cos(a)), c + rl * static_cast<float>(std::sin(a))},
            centred, SolidBrush(0xFFFFFFFF));
    }
    // The hand at 60, rotated about the centre.
    g.translateTransform(c, c);
    g.rotateTransform(start + sweep * 0.6f);
    const PointF hand[] = {{-8, -3}, {c * 0.8f, 0}, {-8, 3}};
    g.fillPolygon(SolidBrush(0xFFFF8000), hand);
    g.resetTransform();
    PathGradientBrush cap(
        std::vector<PointF>{{c - 8, c - 8}, {c + 8, c - 8}, {c + 8, c + 8}, {c - 8, c + 8}});
    cap.setCenterColor(0xFFFFFFFF);
    cap.setSurroundColors({0xFF404040});
    g.fillEllipse(cap, RectF{c - 8, c - 8, 16, 16});
    return b;
}

TEST(SampleDrawing, GlowButtonFace) {
    const Bitmap b = glowButton(120, 30);
    test::saveImage(b, "glow-button-sample");
    EXPECT_TRUE(test::pixelNear(b, 60, 0, 0xFF000080, 10, "glow-button-sample"));  // outline on the top row
    EXPECT_TRUE(test::pixelNear(b, 0, 15, 0xFF000080, 10, "glow-button-sample"));  // and the left column
    EXPECT_NE(b.pixel(0, 0), 0xFF000080u);                                         // rounded corner
    EXPECT_GT(argbBlue(b.pixel(100, 27)), argbBlue(b.pixel(100, 16)) + 40);        // mirror runs to white
}

TEST(SampleDrawing, InstrumentDial) {
    const Bitmap b = gauge(180);
    test::saveImage(b, "gauge-sample");
    EXPECT_EQ(alphaOf(b.pixel(0, 0)), 0);  // outside the dial stays transparent
    EXPECT_TRUE(test::pixelNear(b, 90, 90, 0xFFFFFFFF, 12, "gauge-sample"));  // the cap's centre
}

TEST(SampleDrawing, RaisedCaptionOnTheCanvas) {
    Bitmap b(240, 50);
    b.fill(0xFFFFFFFF);
    Canvas c(b);
    c.font().name = "Tahoma";
    c.font().height = -37;
    c.font().bold = true;
    c.brush().style = CanvasBrush::Style::Clear;
    const Size size = c.textExtent("Компиляция");
    const int x = (240 - size.width) / 2, y = (50 - size.height) / 2;
    c.font().color = clMoneyGreen;
    c.textOut(x + 4, y + 4, "Компиляция");
    c.font().color = clBtnHighlight;
    c.textOut(x, y, "Компиляция");
    c.font().color = clBtnShadow;
    c.textOut(x + 2, y + 2, "Компиляция");
    c.font().color = clPurple;
    c.textOut(x + 1, y + 1, "Компиляция");
    test::saveImage(b, "raised-caption-sample");
    int purple = 0;
    for (int py = 0; py < 50; ++py)
        for (int px = 0; px < 240; ++px) purple += b.pixel(px, py) == 0xFF800080;
    EXPECT_GT(purple, 200);
}

}  // namespace
}  // namespace sk::drawing
