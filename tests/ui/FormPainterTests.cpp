// The form's painter driven directly: how dirty areas merge, which controls
// a dirty area repaints, overlays above every child, the background read back
// for transparent children, failures told once, and the buffer's life.
#include <stdexcept>

#include "UiTestSupport.h"

namespace sk::ui::test {
namespace {

using drawing::Rect;
constexpr std::uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF, kWhite = 0xFFFFFFFF;

class FormPainterTest : public UiTest {
protected:
    FormPainter& painter() { return form().painter(); }
};

// ---- Dirty areas -------------------------------------------------------------

TEST_F(FormPainterTest, DirtyAreasMergeOnlyWhereTheyOverlapAndStayInsideTheForm) {
    form(200, 150);
    showForm();
    std::vector<Rect> seventeen;
    for (int i = 0; i < 17; ++i) seventeen.push_back({i * 10, 0, 1, 1});
    const struct {
        const char* what;
        std::vector<Rect> invalidated;
        std::vector<Rect> expected;
    } cases[] = {
        {"overlapping", {{5, 5, 10, 10}, {8, 8, 10, 10}}, {{5, 5, 13, 13}}},
        {"apart", {{0, 0, 10, 10}, {50, 50, 10, 10}}, {{0, 0, 10, 10}, {50, 50, 10, 10}}},
        {"touching edges", {{0, 0, 10, 10}, {10, 0, 10, 10}}, {{0, 0, 10, 10}, {10, 0, 10, 10}}},
        {"a bridge", {{0, 0, 10, 10}, {20, 0, 10, 10}, {5, 0, 20, 5}}, {{0, 0, 30, 10}}},
        // Merged with the first, the new area reaches the second, which it alone does not touch.
        {"a merge that grows into another",
         {{0, 0, 10, 10}, {12, 9, 10, 10}, {8, 0, 6, 3}},
         {{0, 0, 22, 19}}},
        {"over the edges", {{-10, -10, 20, 20}, {190, 140, 50, 50}}, {{0, 0, 10, 10}, {190, 140, 10, 10}}},
        {"outside or empty", {{300, 0, 10, 10}, {5, 5, 0, 10}}, {}},
        {"too many", seventeen, {{0, 0, 161, 1}}},
    };
    for (const auto& c : cases) {
        for (const Rect& r : c.invalidated) painter().invalidateArea(r);
        EXPECT_EQ(painter().dirtyAreas(), c.expected) << c.what;
        painter().discardDirtyAreas();
    }
}

TEST_F(FormPainterTest, AHiddenFormCollectsAndPaintsNothing) {
    Form& f = form();
    auto* a = new GraphicProbe(&f, &f, {0, 0, 50, 50}, kRed);
    showForm();
    a->invalidate();
    f.hide();
    EXPECT_FALSE(painter().hasDirtyAreas());  // what was pending went with the window
    painter().invalidateArea({0, 0, 10, 10});
    EXPECT_FALSE(painter().hasDirtyAreas());
    const int paints = a->paints;
    painter().paintPending();
    EXPECT_EQ(a->paints, paints);
}

TEST_F(FormPainterTest, AResizedFormGetsANewBufferPaintedWhole) {
    Form& f = form(200, 150);
    new GraphicProbe(&f, &f, {250, 10, 20, 20}, kRed);  // beyond the old right edge
    showForm();
    window().clearPresentLog();
    f.SetBounds(0, 0, 300, 200);
    EXPECT_EQ(f.backBuffer().width(), 300);
    EXPECT_EQ(f.backBuffer().height(), 200);
    EXPECT_EQ(painter().dirtyAreas(), (std::vector<Rect>{{0, 0, 300, 200}}));
    painter().paintPending();
    EXPECT_EQ(window().presentedAreas(), (std::vector<Rect>{{0, 0, 300, 200}}));
    EXPECT_EQ(pixel(260, 20), kRed);
}

// ---- What gets repainted -----------------------------------------------------

TEST_F(FormPainterTest, ADirtyAreaRepaintsTheFormAndOnlyTheControlsItTouches) {
    Form& f = form(200, 150);
    auto* a = new GraphicProbe(&f, &f, {0, 0, 50, 50}, kRed);
    auto* panel = new WindowedProbe(&f, &f, {100, 0, 80, 80}, kBlue);
    auto* child = new GraphicProbe(&f, panel, {10, 10, 20, 20}, kGreen);
    auto* hidden = new GraphicProbe(&f, &f, {0, 0, 200, 150}, kGreen);
    hidden->SetVisible(false);
    showForm();
    const struct {
        Rect area;
        int form, a, panel, child;
    } cases[] = {
        {{5, 5, 10, 10}, 1, 1, 0, 0},
        {{105, 5, 4, 4}, 1, 0, 1, 0},  // the panel, not its child beside the area
        {{115, 15, 5, 5}, 1, 0, 1, 1},
        {{60, 60, 10, 10}, 1, 0, 0, 0},  // nobody but the form
        {{40, 20, 75, 75}, 1, 1, 1, 1},
    };
    for (const auto& c : cases) {
        const std::size_t total = painter().paintCount();
        const int aBefore = a->paints, panelBefore = panel->paints, childBefore = child->paints;
        painter().invalidateArea(c.area);
        painter().paintPending();
        EXPECT_EQ(a->paints - aBefore, c.a) << c.area.left << "," << c.area.top;
        EXPECT_EQ(panel->paints - panelBefore, c.panel) << c.area.left << "," << c.area.top;
        EXPECT_EQ(child->paints - childBefore, c.child) << c.area.left << "," << c.area.top;
        EXPECT_EQ(painter().paintCount() - total, static_cast<std::size_t>(c.form + c.a + c.panel + c.child));
    }
    EXPECT_EQ(hidden->paints, 0);
}

TEST_F(FormPainterTest, InvalidatingDuringPaintingWaitsForTheNextPass) {
    struct Restless : GraphicProbe {
        using GraphicProbe::GraphicProbe;
        bool again = true;
        void paint(const PaintSurface& surface) override {
            GraphicProbe::paint(surface);
            if (!again) return;
            again = false;
            invalidate();
            update();  // no painting inside painting
        }
    };
    Form& f = form();
    auto* restless = new Restless(&f, &f, {0, 0, 20, 20}, kRed);
    showForm();
    EXPECT_EQ(restless->paints, 2);  // the show's pass, then the one the paint asked for
    EXPECT_FALSE(painter().hasDirtyAreas());
    restless->again = true;
    restless->invalidate();
    painter().paintPending();
    EXPECT_EQ(restless->paints, 3);
    EXPECT_TRUE(painter().hasDirtyAreas());
}

// ---- Z-order and overlays ----------------------------------------------------

TEST_F(FormPainterTest, AnOverlayLiesAboveItsChildrenEvenWhenOnlyAChildIsRepainted) {
    struct Glass : WindowedProbe {
        using WindowedProbe::WindowedProbe;
        void paintOverlay(const PaintSurface& surface) override {
            surface.fillRect(ClientRect(), 0x80FFFFFF);
        }
    };
    Form& f = form();
    auto* glass = new Glass(&f, &f, {0, 0, 60, 60}, kBlue);
    glass->setHasOverlay(true);
    auto* child = new WindowedProbe(&f, glass, {5, 5, 30, 30}, kRed);
    new GraphicProbe(&f, child, {0, 0, 10, 10}, kGreen);
    new WindowedProbe(&f, &f, {40, 40, 40, 40}, kGreen);  // a later sibling lies above the overlay
    showForm();
    const struct {
        int x, y;
        std::uint32_t expected;
    } probes[] = {{20, 20, 0xFFFF8080}, {7, 7, 0xFF80FF80}, {2, 2, 0xFF8080FF}, {50, 50, kGreen}};
    for (int pass = 0; pass < 2; ++pass) {
        for (const auto& p : probes) EXPECT_EQ(pixel(p.x, p.y), p.expected) << std::hex << p.x << "," << p.y;
        child->repaintNow();  // the second pass checks the same after the child alone repainted
    }
}

// ---- Transparency ------------------------------------------------------------

TEST_F(FormPainterTest, TheBackgroundOfAChildIsItsParentAndTheGraphicSiblingsBelowIt) {
    Form& f = form(200, 150);
    auto* panel = new WindowedProbe(&f, &f, {10, 10, 150, 100}, kBlue);
    new GraphicProbe(&f, panel, {0, 0, 30, 30}, kGreen);  // below the transparent one
    auto* clear = new GraphicProbe(&f, panel, {10, 10, 60, 60}, kWhite);
    new GraphicProbe(&f, panel, {40, 40, 60, 60}, kRed);  // above it
    new WindowedProbe(&f, panel, {0, 50, 20, 20}, kRed);  // windowed: always above
    showForm();

    drawing::Bitmap target(200, 150);
    const drawing::Point origin = clear->formOrigin();  // (20, 20)
    painter().paintBackgroundOf(*clear, {&target, origin, {20, 20, 50, 60}});
    const struct {
        int x, y;
        std::uint32_t expected;
    } probes[] = {
        {25, 25, kGreen},  // the sibling below
        {60, 60, kBlue},   // the parent, not the sibling above
        {22, 65, kBlue},   // nor the windowed child
        {75, 25, 0},       // the child's area beyond the clip: untouched
        {15, 15, 0},       // outside the child: untouched
    };
    for (const auto& p : probes) EXPECT_EQ(target.pixel(p.x, p.y), p.expected) << p.x << "," << p.y;
}

// ---- Failures ----------------------------------------------------------------

TEST_F(FormPainterTest, EachFailingControlIsToldOnceWhereverItsPaintingFails) {
    struct Failing : WindowedProbe {
        using WindowedProbe::WindowedProbe;
        bool inPaint = false, inOverlay = false;
        void paint(const PaintSurface& surface) override {
            WindowedProbe::paint(surface);
            if (inPaint) throw std::runtime_error("no face");
        }
        void paintOverlay(const PaintSurface&) override {
            if (inOverlay) throw std::runtime_error("no glass");
        }
    };
    Form& f = form();
    auto* panel = new Failing(&f, &f, {0, 0, 100, 100}, kBlue);
    panel->SetName("Panel");
    panel->inPaint = true;
    auto* first = new WindowedProbe(&f, panel, {0, 0, 20, 20}, 0);
    first->setTransparentPaint(true);  // reads the failing panel back as its background
    auto* second = new WindowedProbe(&f, panel, {30, 0, 20, 20}, 0);
    second->setTransparentPaint(true);
    auto* glass = new Failing(&f, &f, {120, 0, 50, 50}, kGreen);
    glass->SetName("Glass");
    glass->inOverlay = true;
    glass->setHasOverlay(true);

    testing::internal::CaptureStderr();
    showForm();
    for (WindowedProbe* c : {first, second, static_cast<WindowedProbe*>(glass)}) c->repaintNow();
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "slidekiln: TCustomControl \"Panel\" cannot paint: no face\n"
              "slidekiln: TCustomControl \"Glass\" cannot paint: no glass\n");
    EXPECT_EQ(pixel(5, 5), kBlue);  // what the panel painted before failing shows through
    EXPECT_EQ(pixel(130, 10), kGreen);
}

}  // namespace
}  // namespace sk::ui::test
