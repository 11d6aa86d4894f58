// The segment gauge with the main window's values: digit masks, the readings of
// the compilation page, overflow, LeadingZero, the custom symbol hook, the cell
// layout, the lit and unlit colours at probe pixels, the sign and the cache.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <mutex>
#include <thread>

#include "InstrumentTestSupport.h"
#include "support/PixelAssertions.h"

namespace sk::instruments::test {
namespace {

constexpr int kGaugeLeft = 8 + 5, kGaugeTop = 216 + 5;  // inside the panel in the test form
constexpr std::uint32_t kPoint = 0x80;

class SegmentGaugeTest : public InstrumentTest {
protected:
    SegmentGaugeTest() {
        load(kFormPanel);
        gauge = field<TILSegmentGauge>("ILSegmentGauge5");
        // The panel's sheen would lighten the probes; the panel has tests of its own.
        field<TILGlassPanel>("ILGlassPanel1")->Glass()->SetVisible(false);
        showForm();
    }
    // The screen pixel at the centre of segment `index` of the cell `col` from the right.
    std::uint32_t segmentPixel(unsigned col, int index) {
        const CellLayout layout = gauge->layout();
        const CellGeometry cell =
            cellGeometry(layout.cellWidth - 1, gauge->Height() - 1.0f, formSizes(layout));
        drawing::PointF centre{0, 0};
        for (const auto& p : cell.segments[static_cast<std::size_t>(index)]) {
            centre.x += p.x / 6;
            centre.y += p.y / 6;
        }
        return screen().pixel(kGaugeLeft + static_cast<int>(std::lround(layout.cellLeft(col) + centre.x)),
                              kGaugeTop + static_cast<int>(std::lround(centre.y)));
    }
    CellSizes formSizes(const CellLayout& layout) const {
        const float wc = layout.cellWidth - 1, hc = gauge->Height() - 1.0f, shorter = std::min(wc, hc);
        return {0.1f * wc,       0.1f * wc,       0.1f * hc,  0.1f * hc, 0.13f * shorter,
                0.01f * shorter, 0.13f * shorter, 0.04f * wc, 0.1f * hc};
    }
    std::uint32_t minusPixel() {
        const CellLayout layout = gauge->layout();
        return screen().pixel(kGaugeLeft + static_cast<int>(layout.signWidth / 2),
                              kGaugeTop + gauge->Height() / 2);
    }

    TILSegmentGauge* gauge = nullptr;
};

bool lit(std::uint32_t p) {
    return drawing::argbBlue(p) > 200 && drawing::argbGreen(p) > 120;
}
bool unlit(std::uint32_t p) {
    return sk::test::channelDistance(p, 0xFF0E0E38) <= 12;
}

TEST(SegmentMasks, DigitsZeroToFifteenAndThePointBits) {
    const std::uint32_t expected[16] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07,
                                        0x7F, 0x6F, 0x77, 0x7C, 0x39, 0x5E, 0x79, 0x71};
    for (unsigned d = 0; d < 16; ++d) EXPECT_EQ(digitMask(d), expected[d]) << d;
    EXPECT_EQ(decimalPointBit(stSeven), 0x80u);
    EXPECT_EQ(decimalPointBit(stNine), 0x200u);
    EXPECT_EQ(decimalPointBit(stFourteen), 0x4000u);
    EXPECT_EQ(decimalPointBit(stSixteen), 0x10000u);
    EXPECT_EQ(kOverflowMask, 0x40u);
}

TEST_F(SegmentGaugeTest, FormReadingsFromTheRight) {
    struct Case {
        double value;
        std::vector<unsigned> masks;  // from the right
    };
    const Case cases[] = {
        {0, {0x3F, 0x3F | kPoint, 0, 0}},
        {40, {0x3F, 0x3F | kPoint, 0x66, 0}},
        {100, {0x3F, 0x3F | kPoint, 0x3F, 0x06}},
        {-5, {0x3F, 0x6D | kPoint, 0, 0}},
        {-100, {0x3F, 0x3F | kPoint, 0x3F, 0x06}},
        {12.34, {0x4F, 0x5B | kPoint, 0x06, 0}},   // 12.3: rounded to one decimal
        {150, {0x3F, 0x3F | kPoint, 0x3F, 0x06}},  // limited to Max
    };
    for (const Case& c : cases) {
        gauge->SetValue(c.value);
        EXPECT_EQ(gauge->cellMasks(), c.masks) << c.value;
    }
}

TEST_F(SegmentGaugeTest, TheFormsLayoutHasFourCellsAndASignCell) {
    EXPECT_EQ(gauge->cellCount(), 4u);
    const CellLayout layout = gauge->layout();
    EXPECT_NEAR(layout.cellWidth, 134 / 4.6, 1e-4);
    EXPECT_NEAR(layout.cellWidth, 29.13, 0.01);
    EXPECT_NEAR(layout.signWidth, 17.48, 0.01);
    EXPECT_NEAR(layout.cellLeft(0), 134 - layout.cellWidth, 1e-4) << "right-aligned";
}

TEST_F(SegmentGaugeTest, LitAndUnlitSegmentsAndTheMinusAtProbePixels) {
    gauge->SetValue(-5);
    paint();
    EXPECT_TRUE(lit(segmentPixel(1, 0))) << "5: top bar " << sk::test::hexColor(segmentPixel(1, 0)) << " "
                                         << sk::test::saveImage(screen(), "segments-minus-5");
    EXPECT_TRUE(lit(segmentPixel(1, 6))) << "5: middle bar";
    EXPECT_TRUE(unlit(segmentPixel(1, 1)))
        << "5: upper right is dark " << sk::test::hexColor(segmentPixel(1, 1));
    EXPECT_TRUE(unlit(segmentPixel(3, 6))) << "a blank cell shows its unlit bars";
    EXPECT_TRUE(unlit(segmentPixel(0, 6))) << "0 has no middle bar";
    EXPECT_TRUE(lit(minusPixel())) << "minus lit " << sk::test::hexColor(minusPixel());
    gauge->SetValue(0);
    paint();
    EXPECT_TRUE(unlit(minusPixel())) << "minus dim at 0 " << sk::test::hexColor(minusPixel());
    gauge->Segments()->SetColor(0xFF40FF40);
    paint();
    EXPECT_LE(sk::test::channelDistance(segmentPixel(3, 6), drawing::scaleColor(0xFF40FF40, 0.22)), 12)
        << "the automatic unlit colour follows the segment colour";
}

TEST_F(SegmentGaugeTest, LeadingZeroFillsTheLeftCells) {
    gauge->SetLeadingZero(true);
    gauge->SetValue(40);
    EXPECT_EQ(gauge->cellMasks(), (std::vector<unsigned>{0x3F, 0x3F | kPoint, 0x66, 0x3F}));
}

TEST_F(SegmentGaugeTest, NoDecimalsLightThePointOfTheRightmostCell) {
    gauge->Precision()->SetNumberDigits(0);
    gauge->SetValue(40);
    EXPECT_EQ(gauge->cellCount(), 3u);
    EXPECT_EQ(gauge->cellMasks(), (std::vector<unsigned>{0x3F | kPoint, 0x66, 0}));
}

TEST_F(SegmentGaugeTest, AValueNeedingMoreCellsShowsTheOverflowBarEverywhere) {
    gauge->Digits()->SetAutoSize(false);
    gauge->Digits()->SetNumberDigits(2);
    gauge->SetMax(200);
    gauge->SetValue(123);
    EXPECT_EQ(gauge->cellMasks(), (std::vector<unsigned>{0x40, 0x40}));
    paint();
    EXPECT_TRUE(lit(segmentPixel(0, 6)) && lit(segmentPixel(1, 6)));
    EXPECT_TRUE(unlit(segmentPixel(0, 0)));
}

TEST_F(SegmentGaugeTest, CustomSymbolSeesEveryCellAndMayChangeItsMask) {
    std::vector<std::pair<unsigned, char>> seen;
    gauge->OnCustomSymbol = [&](ui::Component* sender, unsigned col, unsigned row, char symbol,
                                unsigned& segments) {
        EXPECT_EQ(sender, gauge);
        EXPECT_EQ(row, 0u);
        seen.emplace_back(col, symbol);
        if (col == 3) segments = 0x40;
    };
    gauge->SetValue(40);
    const auto masks = gauge->cellMasks();
    EXPECT_EQ(seen, (std::vector<std::pair<unsigned, char>>{{0, '0'}, {1, '0'}, {2, '4'}, {3, ' '}}));
    EXPECT_EQ(masks[3], 0x40u);
    paint();
    EXPECT_TRUE(lit(segmentPixel(3, 6))) << "drawn as changed";
}

TEST_F(SegmentGaugeTest, GeometryIsCachedUntilADrawingPropertyChanges) {
    EXPECT_EQ(gauge->layerBuilds(), 1);
    for (double v : {5.0, -40.0, 99.9}) {
        gauge->SetValue(v);
        paint();
    }
    EXPECT_EQ(gauge->layerBuilds(), 1) << "values only repaint";
    gauge->Segments()->Width()->SetValue(0.2f);
    paint();
    EXPECT_EQ(gauge->layerBuilds(), 2);
    gauge->SetMin(-1000);
    paint();
    EXPECT_EQ(gauge->layerBuilds(), 3);
    EXPECT_EQ(gauge->cellCount(), 5u) << "the digit count follows the range";

    // The gauge fills the panel's client area: the panel's size is the gauge's.
    auto* panel = field<TILGlassPanel>("ILGlassPanel1");
    const int width = gauge->Width();
    panel->SetWidth(panel->Width() + 20);
    paint();
    ASSERT_EQ(gauge->Width(), width + 20);
    EXPECT_EQ(gauge->layerBuilds(), 4) << "a resize rebuilds";
    panel->SetLeft(panel->Left() + 7);
    paint();
    EXPECT_EQ(gauge->layerBuilds(), 4) << "a move only repaints";
}

TEST_F(SegmentGaugeTest, APropertyChangedWhileDrawingReentersTheLockAndTakesEffectAtTheNextPaint) {
    // OnCustomSymbol runs inside Draw, which holds the lock: the setter takes it
    // again on the same thread, and the geometry the drawing is using stays until
    // it has finished.
    int calls = 0;
    bool heldByDraw = false;
    gauge->OnCustomSymbol = [&](ui::Component*, unsigned col, unsigned, char, unsigned&) {
        if (col != 0 || calls++ > 0) return;
        std::thread probe([&] {
            std::unique_lock other(gauge->lock(), std::try_to_lock);
            heldByDraw = !other.owns_lock();
        });
        probe.join();
        gauge->Segments()->SetColor(0xFFFF0000);
    };
    gauge->SetValue(40);
    const int builds = gauge->layerBuilds();
    paint();
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(heldByDraw) << "the handler runs under the drawing's lock";
    EXPECT_EQ(gauge->Segments()->Color(), 0xFFFF0000u) << "the change was made";
    EXPECT_EQ(gauge->layerBuilds(), builds) << "the geometry in use was kept";
    EXPECT_TRUE(form().hasDirtyAreas()) << "and the gauge is due to be painted again";
    const std::uint32_t before = segmentPixel(2, 1);  // the 4's upper right segment, still blue
    paint();
    EXPECT_EQ(gauge->layerBuilds(), builds + 1) << "rebuilt with the new colour";
    const std::uint32_t after = segmentPixel(2, 1);
    EXPECT_GT(drawing::argbRed(after), drawing::argbRed(before) + 40) << sk::test::hexColor(after);
    EXPECT_LT(drawing::argbBlue(after), drawing::argbBlue(before)) << sk::test::hexColor(after);
}

TEST_F(SegmentGaugeTest, DrawingAtAnotherScaleShowsTheSameReading) {
    gauge->SetValue(40);
    const int w = 2 * gauge->Width() + 1, h = 2 * gauge->Height() + 1;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(w * h));
    gauge->DrawToBitmap(pixels, w - 1, h - 1, 2, 2);
    const CellLayout layout = gauge->layout();
    const CellGeometry cell = cellGeometry(layout.cellWidth - 1, gauge->Height() - 1.0f, formSizes(layout));
    auto at = [&](unsigned col, int index) {
        drawing::PointF c{0, 0};
        for (const auto& p : cell.segments[static_cast<std::size_t>(index)]) {
            c.x += p.x / 6;
            c.y += p.y / 6;
        }
        const int x = static_cast<int>(std::lround(2 * (layout.cellLeft(col) + c.x)));
        return pixels[static_cast<std::size_t>(static_cast<int>(std::lround(2 * c.y)) * w + x)];
    };
    EXPECT_TRUE(lit(at(2, 6))) << "4: middle bar " << sk::test::hexColor(at(2, 6));
    EXPECT_TRUE(unlit(at(2, 0))) << "4: no top bar";
    EXPECT_TRUE(lit(at(0, 0)) && unlit(at(0, 6))) << "0";
}

TEST(DigitRules, CountsAndDecimalsForOtherSettings) {
    DigitRules rules;
    rules.precisionDigits = 1;
    EXPECT_EQ(digitCount(rules, -100, 100), 4u);
    EXPECT_EQ(digitCount(rules, 0, 0), 2u) << "a zero range still has one integer digit";
    rules.base = 16;
    EXPECT_EQ(digitCount(rules, 0, 255), 3u);
    rules = DigitRules{};
    rules.fixedPrecision = false;
    EXPECT_EQ(decimalsFor(rules, 4, 0), 3);
    EXPECT_EQ(decimalsFor(rules, 4, 12.5), 2);
    EXPECT_EQ(decimalsFor(rules, 4, 0.05), 3) << "at most one less than the cells";
    EXPECT_EQ(decimalsFor(rules, 4, 123456), 0) << "never negative";
    EXPECT_EQ(cellSymbols(rules, stSeven, 4, 12.5)[2].mask, digitMask(2) | 0x80u);
    EXPECT_EQ(cellSymbols(rules, stNine, 2, 1)[1].mask, digitMask(1) | 0x200u);
}

TEST(GrownOutline, AddsRoundedCornersAtTheGivenDistance) {
    const std::vector<drawing::PointF> square{{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    const auto grown = grownOutline(square, 2);
    float minX = 1e9f, maxX = -1e9f, minY = 1e9f, maxY = -1e9f;
    for (const auto& p : grown) {
        minX = std::min(minX, p.x);
        maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
        // Every point lies at distance 2 from the square.
        const float dx = std::max({0.0f, -p.x, p.x - 10}), dy = std::max({0.0f, -p.y, p.y - 10});
        EXPECT_NEAR(std::hypot(dx, dy), 2, 1e-4);
    }
    EXPECT_NEAR(minX, -2, 1e-4);
    EXPECT_NEAR(maxX, 12, 1e-4);
    EXPECT_NEAR(minY, -2, 1e-4);
    EXPECT_NEAR(maxY, 12, 1e-4);
    EXPECT_GT(grown.size(), 12u) << "arcs at the corners";
}

}  // namespace
}  // namespace sk::instruments::test
