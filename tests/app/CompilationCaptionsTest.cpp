// The compilation page's 3-D captions as the window's description makes them:
// their values, their place among the page's graphic controls, and how they
// look on the page.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "app/ProgramStart.h"
#include "controls/office/dxfLabel.h"
#include "platform/headless/HeadlessPlatform.h"
#include "support/PixelAssertions.h"
#include "ui/Application.h"

namespace sk::app {
namespace {

using office::TdxfLabel;

class CompilationCaptionsTest : public testing::Test {
protected:
    CompilationCaptionsTest() {
        platform::setCurrentPlatform(&m_platform);
        form = createMainWindow();
        form->show();
        form->AdvPageControl1->SetActivePage(form->AdvTabSheet2);
        ui::Application::instance().paintPending();
    }
    ~CompilationCaptionsTest() override {
        form.reset();
        platform::setCurrentPlatform(nullptr);
    }
    TdxfLabel& caption(const std::string& name) {
        auto* label = dynamic_cast<TdxfLabel*>(form->findComponent(name));
        if (!label) throw std::runtime_error(name + " is not a TdxfLabel of the window");
        return *label;
    }
    // How many pixels of a control's area on the window have exactly this colour.
    int count(const ui::Control& control, std::uint32_t argb) const {
        const drawing::Rect r = control.formRect();
        int n = 0;
        for (int y = r.top; y < r.bottom(); ++y)
            for (int x = r.left; x < r.right(); ++x) n += form->backBuffer().pixel(x, y) == argb;
        return n;
    }

    platform::HeadlessPlatform m_platform;
    std::unique_ptr<TForm1> form;
};

TEST_F(CompilationCaptionsTest, CaptionsCarryTheirStoredValues) {
    struct Case {
        const char* name;
        drawing::Rect bounds;
        const char* caption;
        const char* face;
        int height;
        bool bold;
        ui::TColor fontColor;
        office::TdxfLabelStyle style;
        int depth;
        ui::TColor shadow;
    };
    const Case cases[] = {
        {"dxfLabel10",
         {168, 8, 433, 25},
         "ТЕКУЩИЕ УСТАНОВКИ КОМПИЛЯТОРА",
         "Tahoma",
         -21,
         true,
         drawing::clPurple,
         office::dxfRaised,
         4,
         drawing::clMoneyGreen},
        {"dxfLabel1",
         {152, 220, 73, 41},
         "%",
         "Tahoma",
         -37,
         true,
         drawing::clPurple,
         office::dxfRaised,
         4,
         drawing::clMoneyGreen},
        {"dxfLabel2",
         {48, 304, 193, 25},
         "ИСХОДНЫЙ ФАЙЛ",
         "Impact",
         -24,
         false,
         drawing::clTeal,
         office::dxfNormal,
         0,
         drawing::clOlive},
        {"dxfLabel3",
         {408, 304, 321, 25},
         "РЕЗУЛЬТИРУЮЩИЙ ФАЙЛ *.exe",
         "Impact",
         -24,
         false,
         drawing::clTeal,
         office::dxfNormal,
         0,
         drawing::clOlive},
    };
    for (const Case& c : cases) {
        TdxfLabel& label = caption(c.name);
        EXPECT_EQ(label.Parent(), form->AdvTabSheet2) << c.name;
        EXPECT_EQ(label.BoundsRect(), c.bounds) << c.name;
        EXPECT_EQ(label.Caption(), c.caption) << c.name;
        EXPECT_EQ(label.Font()->Name(), c.face) << c.name;
        EXPECT_EQ(label.Font()->Height(), c.height) << c.name;
        EXPECT_EQ(label.Font()->hasStyle(ui::fsBold), c.bold) << c.name;
        EXPECT_EQ(label.Font()->Color(), c.fontColor) << c.name;
        EXPECT_EQ(label.Style(), c.style) << c.name;
        EXPECT_EQ(label.Effect3D()->Style(), office::dxfCool) << c.name;
        EXPECT_EQ(label.Effect3D()->Orientation(), office::dxfRightBottom) << c.name;
        EXPECT_EQ(label.Effect3D()->Depth(), c.depth) << c.name;
        EXPECT_EQ(label.Effect3D()->ShadowedColor(), c.shadow) << c.name;
        EXPECT_EQ(label.Angle(), 0) << c.name;
        EXPECT_EQ(label.PenWidth(), 1) << c.name;
        EXPECT_TRUE(label.Transparent()) << c.name;
        EXPECT_FALSE(label.AutoSize()) << c.name;
    }
    EXPECT_EQ(caption("dxfLabel10").Font()->Charset(), ui::RUSSIAN_CHARSET);
    EXPECT_EQ(caption("dxfLabel2").Font()->Charset(), ui::DEFAULT_CHARSET);
    EXPECT_TRUE(caption("dxfLabel10").ParentColor()) << "the heading takes the page colour";
    EXPECT_FALSE(caption("dxfLabel2").ParentColor());
    EXPECT_EQ(caption("dxfLabel2").Color(), drawing::clWhite);
}

TEST_F(CompilationCaptionsTest, CaptionsLieAmongTheGraphicControlsInCreationOrder) {
    std::vector<std::string> names;
    for (ui::Control* c : form->AdvTabSheet2->children())
        if (!c->isWindowed()) names.push_back(c->Name());
    const std::vector<std::string> expected = {"dxfLabel10", "Label1",    "Image1",   "Image2",
                                               "Image4",     "Image3",    "Label2",   "Label3",
                                               "dxfLabel1",  "dxfLabel2", "dxfLabel3"};
    std::vector<std::string> ours;
    for (const std::string& n : names)
        if (std::find(expected.begin(), expected.end(), n) != expected.end()) ours.push_back(n);
    EXPECT_EQ(ours, expected);
}

TEST_F(CompilationCaptionsTest, PageShowsPurpleRaisedCaptionsAndTealFieldCaptions) {
    sk::test::saveImage(form->backBuffer(), "compilation-captions");
    for (const char* name : {"dxfLabel10", "dxfLabel1"}) {
        EXPECT_GT(count(caption(name), 0xFF800080), 10) << name << ": purple letters";
        EXPECT_GT(count(caption(name), 0xFFC0DCC0), 10) << name << ": the money-green shadow";
        EXPECT_GT(count(caption(name), 0xFFFFFFFF), 0) << name << ": the highlight copy";
        EXPECT_GT(count(caption(name), 0xFFC4E9F2), 10) << name << ": the page between the letters";
    }
    for (const char* name : {"dxfLabel2", "dxfLabel3"}) {
        EXPECT_GT(count(caption(name), 0xFF008080), 10) << name << ": teal letters";
        EXPECT_EQ(count(caption(name), 0xFFFFFFFF), 0) << name << ": the white is left out";
        EXPECT_GT(count(caption(name), 0xFFC4E9F2), 10) << name << ": the page between the letters";
    }
}

}  // namespace
}  // namespace sk::app
