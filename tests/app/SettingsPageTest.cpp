// The settings page of the real main window, headless: the radio buttons and the
// track bar as the description makes them, their keyboard order, and the track
// bar's ticks, thumb and groove at pixels of the window.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "app/ProgramStart.h"
#include "platform/headless/HeadlessPlatform.h"
#include "support/PixelAssertions.h"
#include "ui/Application.h"

namespace sk::app {
namespace {

constexpr std::uint32_t argbOf(drawing::TColor c) {
    return 0xFF000000u | ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

class SettingsPageTest : public testing::Test {
protected:
    SettingsPageTest() {
        platform::setCurrentPlatform(&m_platform);
        form = createMainWindow();
        form->show();
        ui::Application::instance().paintPending();
    }
    ~SettingsPageTest() override {
        form.reset();
        platform::setCurrentPlatform(nullptr);
    }
    platform::HeadlessWindow& window() {
        return *static_cast<platform::HeadlessWindow*>(form->nativeWindow());
    }
    // A pixel of the track bar, in its own coordinates.
    std::uint32_t barPixel(int x, int y) const {
        const drawing::Point o = form->AdvTrackBar1->formOrigin();
        return form->backBuffer().pixel(o.x + x, o.y + y);
    }
    void repaint() { ui::Application::instance().paintPending(); }

    platform::HeadlessPlatform m_platform;
    std::unique_ptr<TForm1> form;
};

TEST_F(SettingsPageTest, ControlsComeFromTheDescriptionWithTheirStoredValues) {
    office::TAdvOfficeRadioButton* radios[] = {form->AdvOfficeRadioButton1, form->AdvOfficeRadioButton2};
    const drawing::Rect bounds[] = {{8, 96, 737, 25}, {8, 136, 745, 25}};
    const char* captions[] = {"Собрать пакет PowerPoint 2003 (поддержка PowerPoint 97 - 2003 *.ppt)",
                              "Собрать пакет PowerPoint 2007 (поддержка PowerPoint 97 - 2007 *.pptx)"};
    for (int i = 0; i < 2; ++i) {
        const office::TAdvOfficeRadioButton& r = *radios[i];
        EXPECT_EQ(r.Parent(), form->AdvTabSheet1);
        EXPECT_EQ(r.BoundsRect(), bounds[i]);
        EXPECT_EQ(r.Caption(), captions[i]);
        EXPECT_EQ(r.Font()->Name(), "Tahoma");
        EXPECT_EQ(r.Font()->Height(), -19);
        EXPECT_TRUE(r.Font()->hasStyle(ui::fsBold));
        EXPECT_EQ(r.Font()->Charset(), ui::RUSSIAN_CHARSET);
        EXPECT_EQ(r.Alignment(), ui::taLeftJustify);
        EXPECT_EQ(r.ButtonVertAlign(), ui::tlCenter);
        EXPECT_EQ(r.BiDiMode(), office::bdRightToLeftNoAlign);
        EXPECT_TRUE(r.Ellipsis());
        EXPECT_FALSE(r.ReturnIsTab());
        EXPECT_EQ(r.ShadowOffset(), 4);
        EXPECT_EQ(r.GroupIndex(), 0);
        EXPECT_EQ(r.markRect(), (drawing::Rect{0, 6, 12, 12}));
        EXPECT_EQ(r.captionRect().left, 18);
    }
    EXPECT_TRUE(form->AdvOfficeRadioButton1->Checked());
    EXPECT_FALSE(form->AdvOfficeRadioButton2->Checked());
    EXPECT_FALSE(form->AdvOfficeRadioButton1->Themed());
    EXPECT_TRUE(form->AdvOfficeRadioButton2->Themed());

    const office::TAdvTrackBar& bar = *form->AdvTrackBar1;
    EXPECT_EQ(bar.Parent(), form->AdvTabSheet1);
    EXPECT_EQ(bar.BoundsRect(), (drawing::Rect{104, 240, 409, 45}));
    EXPECT_EQ(bar.Min(), 0);
    EXPECT_EQ(bar.Max(), 10);
    EXPECT_EQ(bar.Position(), 4);
    EXPECT_EQ(bar.MoveOnClick(), office::mcMove);
    EXPECT_TRUE(bar.TrackHint());
    EXPECT_FALSE(bar.ShowHint());
    EXPECT_EQ(bar.Hint(), "TrackBar");
    EXPECT_EQ(bar.Direction(), office::gdHorizontalInOut);
    EXPECT_EQ(bar.Buttons()->ColorMirrorTo(), 0x00E0B896u);
    EXPECT_EQ(bar.Buttons()->Gradient(), office::ggDiagonalBackward);
    EXPECT_EQ(bar.Slider()->ColorCompletedTo(), 0x008CC6FFu);
    EXPECT_EQ(bar.Thumb()->ColorMirrorDisabledTo(), drawing::clNone);
    EXPECT_EQ(bar.Thumb()->Shape(), office::tsRoundRect);
    EXPECT_EQ(bar.TickMark()->Font()->Name(), "MS Sans Serif");
    EXPECT_EQ(bar.TickMark()->Font()->Pitch(), ui::fpFixed);
    EXPECT_EQ(bar.TrackLabel()->Format(), "Pos: %d");
    EXPECT_EQ(bar.TrackLabel()->Font()->Height(), -11);
    EXPECT_EQ(bar.eventBinding("OnChange"), "AdvTrackBar1Change");
    EXPECT_TRUE(m_platform.messageBoxes().empty());
}

TEST_F(SettingsPageTest, CreationAndKeyboardOrder) {
    std::vector<ui::Control*> mine;
    for (ui::Control* c : form->AdvTabSheet1->children())
        if (c == form->AdvOfficeRadioButton1 || c == form->AdvOfficeRadioButton2 || c == form->AdvTrackBar1)
            mine.push_back(c);
    EXPECT_EQ(mine, (std::vector<ui::Control*>{form->AdvOfficeRadioButton1, form->AdvOfficeRadioButton2,
                                               form->AdvTrackBar1}));
    std::vector<ui::WinControl*> tabStops;
    for (ui::WinControl* c : form->AdvTabSheet1->tabList())
        if (c->TabStop()) tabStops.push_back(c);
    EXPECT_EQ(tabStops, (std::vector<ui::WinControl*>{form->AdvOfficeRadioButton1, form->AdvTrackBar1}))
        << "the checked button, then the track bar";

    // Checking the other package moves the tab stop with it.
    window().click({form->AdvOfficeRadioButton2->formRect().left + 40,
                    form->AdvOfficeRadioButton2->formRect().top + 12});
    EXPECT_TRUE(form->AdvOfficeRadioButton2->TabStop());
    EXPECT_FALSE(form->AdvOfficeRadioButton1->TabStop());
    window().pressKey(platform::vk::Tab);
    EXPECT_TRUE(form->AdvTrackBar1->Focused());
    window().pressKey(platform::vk::Tab, platform::ModShift);
    EXPECT_TRUE(form->AdvOfficeRadioButton2->Focused());
}

TEST_F(SettingsPageTest, TrackBarPixelsOfTheWindow) {
    const std::uint32_t maroon = argbOf(drawing::clMaroon);
    for (int x : {9, 48, 87, 126, 165, 204, 243, 282, 321, 360, 400}) {
        EXPECT_TRUE(sk::test::pixelIs(form->backBuffer(), form->AdvTrackBar1->formOrigin().x + x,
                                      form->AdvTrackBar1->formOrigin().y + 38, maroon, "settings-ticks"))
            << "tick at " << x;
    }
    // Position 4: the thumb's outline at column 159, completed colours left of its centre (165).
    EXPECT_EQ(barPixel(159, 19), argbOf(0x00D76B00));
    const std::uint32_t completedTop = argbOf(office::steppedGradientColor(0x000180FE, 0x008CC6FF, 5, 20));
    const std::uint32_t restTop = argbOf(office::steppedGradientColor(0x00FFA041, 0x00FFDBB7, 5, 20));
    EXPECT_EQ(barPixel(150, 14), completedTop);
    EXPECT_EQ(barPixel(180, 14), restTop);
    form->AdvTrackBar1->SetPosition(0);
    repaint();
    EXPECT_EQ(barPixel(20, 14), restTop) << "no completed part at 0";
    form->AdvTrackBar1->SetPosition(10);
    repaint();
    EXPECT_EQ(barPixel(390, 14), completedTop) << "all completed at 10";
}

TEST_F(SettingsPageTest, ClicksAtTheEndsAndHalfwayBetweenTicks) {
    const drawing::Point o = form->AdvTrackBar1->formOrigin();
    struct Case {
        int x;
        int position;
    } cases[] = {{3, 0}, {406, 10}, {67, 1}, {68, 2}, {106, 2}, {107, 3}};
    // Ticks 2 and 3 lie at 87 and 126: 106 is just below halfway (2.49), 107 above.
    for (const Case& c : cases) {
        window().click({o.x + c.x, o.y + 30});
        EXPECT_EQ(form->AdvTrackBar1->Position(), c.position) << "x = " << c.x;
    }
}

}  // namespace
}  // namespace sk::app
