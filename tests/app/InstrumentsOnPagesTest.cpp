// The instruments in the main window: the dial on the settings page and the
// level display in its glass frame on the compilation page carry the stored
// values of the layout, and the compilation page shows the dial's value with one
// decimal under the sheen.
#include <gtest/gtest.h>

#include <memory>

#include "app/ProgramStart.h"
#include "platform/headless/HeadlessPlatform.h"
#include "support/PixelAssertions.h"
#include "ui/Application.h"

namespace sk::app {
namespace {

class InstrumentsOnPagesTest : public ::testing::Test {
protected:
    InstrumentsOnPagesTest() {
        platform::setCurrentPlatform(&m_platform);
        m_form = createMainWindow();
    }
    ~InstrumentsOnPagesTest() override {
        m_form.reset();
        platform::setCurrentPlatform(nullptr);
    }
    void showPage(int index) {
        m_form->show();
        m_form->AdvPageControl1->SetActivePageIndex(index);
        ui::Application::instance().paintPending();
    }

    platform::HeadlessPlatform m_platform;
    std::unique_ptr<TForm1> m_form;
};

TEST_F(InstrumentsOnPagesTest, TheDialHasTheLayoutsPlaceAndGeometry) {
    instruments::TILAngularGauge* dial = m_form->ILAngularGauge4;
    EXPECT_EQ(dial->Parent(), m_form->AdvTabSheet1);
    EXPECT_EQ(dial->BoundsRect(), (drawing::Rect{520, 176, 160, 160}));
    const instruments::DialGeometry d = dial->geometry();
    EXPECT_FLOAT_EQ(d.side, 159);
    EXPECT_NEAR(d.frame.thickness(), 14.31, 1e-4);
    EXPECT_NEAR(d.radius, 65.19, 1e-4);
    EXPECT_EQ(dial->Caption()->Text(), "ILAngularGauge4");
    EXPECT_EQ(dial->FaceColor(), 0xFF000000u);
    EXPECT_TRUE(dial->Background()->UseParentColor());
    EXPECT_EQ(dial->Color(), 0x00F2E9C4u) << "the page's colour";
    EXPECT_EQ(dial->Scale()->MinorTicks()->Count(), 3u);
    EXPECT_EQ(dial->Ranges()->Ranges()->count(), 3);
    EXPECT_TRUE(dial->InputPin()->pending());
}

TEST_F(InstrumentsOnPagesTest, TheDisplayFillsTheGlassPanelOnTheCompilationPage) {
    instruments::TILGlassPanel* panel = m_form->ILGlassPanel1;
    instruments::TILSegmentGauge* display = m_form->ILSegmentGauge5;
    EXPECT_EQ(panel->Parent(), m_form->AdvTabSheet2);
    EXPECT_EQ(panel->BoundsRect(), (drawing::Rect{8, 216, 145, 49}));
    EXPECT_EQ(display->Parent(), panel);
    EXPECT_EQ(display->BoundsRect(), (drawing::Rect{5, 5, 135, 39}));
    EXPECT_EQ(*panel->windowRegion(), ui::Region::roundRect(2, 2, 143, 47, 14, 14));
    EXPECT_EQ(display->Min(), -100);
    EXPECT_EQ(display->Max(), 100);
    EXPECT_EQ(display->cellCount(), 4u);
    EXPECT_EQ(display->Segments()->Color(), 0xFF4040FFu);
    EXPECT_TRUE(display->InputPin()->pending());
}

TEST_F(InstrumentsOnPagesTest, TheDialFollowsTheTrackBarInStepsOf27Degrees) {
    showPage(0);
    EXPECT_EQ(m_form->ILAngularGauge4->Value(), 40) << "the stored position 4";
    for (int position : {0, 6, 10}) {
        m_form->AdvTrackBar1->SetPosition(position);
        EXPECT_EQ(m_form->ILAngularGauge4->Value(), 10.0 * position);
        EXPECT_NEAR(m_form->ILAngularGauge4->handAngle(), 135 + 27 * position, 1e-9);
    }
}

TEST_F(InstrumentsOnPagesTest, TheCompilationPageReadsTheDialsValueWithOneDecimal) {
    showPage(0);
    m_form->ILAngularGauge4->SetValue(60);
    showPage(1);
    EXPECT_EQ(m_form->ILSegmentGauge5->Value(), 60);
    EXPECT_EQ(m_form->ILSegmentGauge5->cellMasks(), (std::vector<unsigned>{0x3F, 0x3F | 0x80, 0x7D, 0}));
    // The sheen lies over the display: the black left end is lightened, the right end much less.
    const drawing::Rect panel = m_form->ILGlassPanel1->formRect();
    const std::uint32_t left = m_form->backBuffer().pixel(panel.left + 12, panel.top + 9);
    const std::uint32_t right = m_form->backBuffer().pixel(panel.left + 132, panel.top + 40);
    EXPECT_GT(drawing::argbRed(left), drawing::argbRed(right) + 20);
    sk::test::saveImage(m_form->backBuffer(), "compilation-page-level-60");  // a sample worth looking at
}

}  // namespace
}  // namespace sk::app
