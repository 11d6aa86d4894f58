// The about page of the real main window, headless: the stored values of its
// panel, labels and edit, the page as drawn, the link to the maker's site and
// the read-only product line.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/ProgramStart.h"
#include "drawing/Image.h"
#include "platform/EmbeddedResources.h"
#include "platform/headless/HeadlessPlatform.h"
#include "support/PixelAssertions.h"
#include "ui/Application.h"

namespace sk::app {
namespace {

using drawing::Point;
using drawing::Rect;

class AboutPageTest : public testing::Test {
protected:
    AboutPageTest() {
        platform::setCurrentPlatform(&m_platform);
        form = createMainWindow();
        page = &form->aboutPage();
        form->show();
        form->AdvPageControl1->SetActivePage(form->AdvTabSheet3);
        ui::Application::instance().paintPending();
    }
    ~AboutPageTest() override {
        form.reset();
        platform::setCurrentPlatform(nullptr);
    }
    platform::HeadlessWindow& window() { return *static_cast<platform::HeadlessWindow*>(form->nativeWindow()); }
    static Point centreOf(const ui::Control& control) {
        const Rect r = control.formRect();
        return {r.left + r.width / 2, r.top + r.height / 2};
    }
    const drawing::Bitmap& screen() const { return form->backBuffer(); }

    platform::HeadlessPlatform m_platform;
    std::unique_ptr<TForm1> form;
    AboutPage* page = nullptr;
};

TEST_F(AboutPageTest, PanelCarriesItsStoredValues) {
    const smooth::TAdvSmoothPanel& panel = *page->AdvSmoothPanel4;
    EXPECT_EQ(panel.Parent(), form->AdvTabSheet3);
    EXPECT_EQ(panel.BoundsRect(), (Rect{1, 1, 752, 419}));
    EXPECT_TRUE(panel.Transparent());
    const smooth::TAdvSmoothPanelCaption& c = *panel.Caption();
    EXPECT_EQ(c.Text(), AboutPage::kMakerName);
    EXPECT_EQ(c.Location(), smooth::plTopCenter);
    EXPECT_EQ(c.Font()->Name(), "Verdana");
    EXPECT_EQ(c.Font()->Height(), -32);
    EXPECT_TRUE(c.Font()->hasStyle(ui::fsBold));
    EXPECT_EQ(c.GradientType(), smooth::gtHatch);
    EXPECT_EQ(c.HatchStyle(), drawing::HatchStyleHorizontalBrick);
    EXPECT_EQ(c.ColorStart(), drawing::clBlack);
    EXPECT_EQ(c.ColorEnd(), drawing::clGreen);
    EXPECT_EQ(c.LineColor(), drawing::clNone);
    EXPECT_EQ(c.HTMLLocation(), smooth::plTopCenter);
    EXPECT_EQ(c.HTMLLeft(), 60);
    EXPECT_EQ(c.HTMLTop(), 10);
    EXPECT_EQ(c.HTMLFont()->Name(), "Tahoma");
    EXPECT_EQ(c.HTMLFont()->Height(), -11);
    EXPECT_EQ(c.HTMLFont()->Color(), drawing::clWhite);
    EXPECT_EQ(c.HTMLFont()->Charset(), ui::RUSSIAN_CHARSET);
    const smooth::TGDIPFill& f = *panel.Fill();
    EXPECT_EQ(f.Color(), drawing::clWhite);
    EXPECT_EQ(f.ColorTo(), drawing::clWhite);
    EXPECT_EQ(f.ColorMirror(), drawing::clNone);
    EXPECT_EQ(f.GradientType(), smooth::gtBackwardDiagonal);
    EXPECT_EQ(f.GradientMirrorType(), smooth::gtVertical);
    EXPECT_EQ(f.Opacity(), 28);
    EXPECT_EQ(f.OpacityTo(), 89);
    EXPECT_EQ(f.BorderColor(), drawing::clBlack);
    EXPECT_EQ(f.Rounding(), 10);
    EXPECT_EQ(f.ShadowColor(), drawing::clNone);
    EXPECT_EQ(f.ShadowOffset(), 10);
    EXPECT_EQ(f.PicturePosition(), smooth::ppBottomCenter);
    EXPECT_EQ(f.PictureTop(), -50);
    EXPECT_EQ(f.PictureSize(), smooth::psCustom);
    EXPECT_EQ(f.PictureWidth(), 90);
    EXPECT_EQ(f.PictureHeight(), 90);
    // The emblem is stored as the bytes of a 600 x 600 JPEG file.
    const auto& bytes = f.Picture()->Data().bytes;
    ASSERT_GT(bytes.size(), 3u);
    EXPECT_EQ(bytes[0], 0xFF);
    EXPECT_EQ(bytes[1], 0xD8);
    EXPECT_EQ(f.Picture()->Width(), 600);
    EXPECT_EQ(f.Picture()->Height(), 600);
}

TEST_F(AboutPageTest, ProseIsOneCentredPurpleParagraphWithRunsOfBlanks) {
    const std::string& markup = page->AdvSmoothPanel4->Caption()->HTMLText();
    const std::string head = "<FONT color=\"#800080\" face=\"Tahoma\"><B><P align=\"center\">";
    const std::string tail = "</P></B></FONT>";
    ASSERT_EQ(markup.rfind(head, 0), 0u) << markup.substr(0, 80);
    ASSERT_GE(markup.size(), head.size() + tail.size());
    EXPECT_EQ(markup.substr(markup.size() - tail.size()), tail);
    const std::string prose = markup.substr(head.size(), markup.size() - head.size() - tail.size());
    EXPECT_EQ(prose.find('<'), std::string::npos) << "one paragraph, no further markup";
    for (const char* part : {"*.ppt", "*.pptx", "*.exe", "PowerPoint 2007", "конвертер", AboutPage::kMakerName,
                             AboutPage::kMakerYears})
        EXPECT_NE(prose.find(part), std::string::npos) << part;
    EXPECT_NE(prose.find("   "), std::string::npos) << "runs of several blanks";
}

TEST_F(AboutPageTest, LabelsAndTheProductLineCarryTheMakersValues) {
    const ui::TLabel& l6 = *page->Label6;
    EXPECT_EQ(l6.Parent(), page->AdvSmoothPanel4);
    EXPECT_EQ(l6.Left(), 248);
    EXPECT_EQ(l6.Top(), 232);
    EXPECT_TRUE(l6.Transparent());
    EXPECT_EQ(l6.Font()->Color(), drawing::clPurple);
    EXPECT_EQ(l6.Font()->Name(), "Arial Black");
    EXPECT_EQ(l6.Font()->Height(), -16);
    EXPECT_EQ(l6.Caption(), std::string(AboutPage::kMakerName) + " " + AboutPage::kMakerYears + "\r\n    e-mail: " +
                                AboutPage::kMakerEmail);

    const ui::TLabel& l7 = *page->Label7;
    EXPECT_EQ(l7.Parent(), page->AdvSmoothPanel4);
    EXPECT_EQ(l7.Caption(), "gornostai.example");
    EXPECT_NE(std::string(AboutPage::kMakerWebAddress).find(l7.Caption()), std::string::npos)
        << "the link shows the host it opens";
    EXPECT_EQ(l7.Cursor(), ui::crHandPoint);
    EXPECT_TRUE(l7.Font()->hasStyle(ui::fsUnderline));
    EXPECT_TRUE(l7.Font()->hasStyle(ui::fsBold));

    const ui::TEdit& e = *page->Edit2;
    EXPECT_EQ(e.Parent(), page->AdvSmoothPanel4);
    EXPECT_EQ(e.BoundsRect(), (Rect{224, 200, 305, 23}));
    EXPECT_EQ(e.Text(), "           Slidekiln 3.1 Build 012011");
    EXPECT_TRUE(e.ReadOnly());
    EXPECT_FALSE(e.TabStop());
}

TEST_F(AboutPageTest, LinkOpensTheMakersSiteAndReportsNothing) {
    window().mouseMove(centreOf(*page->Label7));
    EXPECT_EQ(window().cursor(), platform::CursorShape::Hand);
    window().click(centreOf(*page->Label7));
    EXPECT_EQ(m_platform.openedUrls(), std::vector<std::string>{AboutPage::kMakerWebAddress});
    // No browser: still nothing reported, and the program goes on.
    m_platform.setOpenUrlResult(false);
    window().click(centreOf(*page->Label7));
    EXPECT_EQ(m_platform.openedUrls().size(), 2u);
    EXPECT_TRUE(m_platform.messageBoxes().empty());
}

TEST_F(AboutPageTest, ProductLineCanBeSelectedAndCopiedButNotChanged) {
    ui::TEdit& edit = *page->Edit2;
    const std::string line = edit.Text();
    // The Tab key never brings the focus to it.
    for (int i = 0; i < 6; ++i) {
        window().pressKey(platform::vk::Tab);
        EXPECT_NE(form->ActiveControl(), &edit);
    }
    window().click(centreOf(edit));
    EXPECT_EQ(form->ActiveControl(), &edit) << "a click does";
    window().pressKey('A', platform::ModCtrl);
    window().pressKey('C', platform::ModCtrl);
    EXPECT_EQ(m_platform.clipboardText(), line);
    window().typeText("x");
    window().pressKey(platform::vk::Delete);
    window().pressKey(platform::vk::Back);
    window().pressKey('X', platform::ModCtrl);
    m_platform.setClipboardText("pasted");
    window().pressKey('V', platform::ModCtrl);
    EXPECT_EQ(edit.Text(), line);
}

TEST_F(AboutPageTest, PageShowsTheEmblemTheHatchedCaptionAndThePurpleProse) {
    sk::test::saveImage(screen(), "about-page");
    const Point panel = page->AdvSmoothPanel4->formOrigin();
    // The emblem's orange nucleus at the centre of its 90 x 90 place at (330, 328).
    const std::uint32_t nucleus = screen().pixel(panel.x + 330 + 45, panel.y + 328 + 45);
    EXPECT_GT(drawing::argbRed(nucleus), 0xC0) << sk::test::hexColor(nucleus);
    EXPECT_GT(drawing::argbGreen(nucleus), 0x50);
    EXPECT_LT(drawing::argbBlue(nucleus), 0x60);
    int green = 0, purple = 0;
    for (int y = panel.y; y < panel.y + 419; ++y)
        for (int x = panel.x; x < panel.x + 752; ++x) {
            green += screen().pixel(x, y) == 0xFF008000;
            purple += screen().pixel(x, y) == 0xFF800080;
        }
    EXPECT_GT(green, 100) << "the hatched caption";
    EXPECT_GT(purple, 500) << "the prose and the maker's lines";
}

}  // namespace
}  // namespace sk::app
