// The main window headless: its description, the start-up order of the create
// and show handlers, the handlers' hooks for controls of the pages, the error
// box for a failing show handler, and the geometry of the tab strip in pixels.
#include <gtest/gtest.h>
#include <yaml-cpp/yaml.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/ProgramStart.h"
#include "drawing/Canvas.h"
#include "drawing/Image.h"
#include "platform/EmbeddedResources.h"
#include "platform/headless/HeadlessPlatform.h"
#include "support/PixelAssertions.h"
#include "ui/Application.h"
#include "ui/Image.h"

namespace sk::app {
namespace {

constexpr std::uint32_t kPageArgb = 0xFFC4E9F2;  // 0x00F2E9C4 as ARGB

// ---- Stand-ins for the settings and compilation pages' controls --------------------------------
// Used where the description does not hold the real control yet; the tests reach
// every control through its published values, so they hold for either.

class FakeGauge : public ui::CustomControl {
    SK_PERSISTENT_CLASS
public:
    explicit FakeGauge(ui::Component* owner) : CustomControl(owner) {}
    double Value() const { return m_value; }
    void SetValue(double v) { m_value = v; }

private:
    double m_value = 0;
};
const ui::ClassInfo& FakeGauge::staticClassInfo() {
    static const ui::ClassInfo info =
        ui::ClassBuilder<FakeGauge>("FakeGauge", &ui::CustomControl::staticClassInfo())
            .creatable()
            .floating("Value", &FakeGauge::Value, &FakeGauge::SetValue, 0.0)
            .build();
    return info;
}
const ui::ClassInfo& FakeGauge::classInfo() const {
    return staticClassInfo();
}

bool describes(const YAML::Node& node, const std::string& name) {
    if (node["object"] && node["object"].Scalar() == name) return true;
    if (node["children"])
        for (const auto& child : node["children"])
            if (describes(child, name)) return true;
    return false;
}

// The real description, with stand-ins for the controls of the settings and
// compilation pages that it does not hold yet.
std::string descriptionWithStandIns() {
    auto bytes = platform::findResource("forms/TForm1.yaml");
    YAML::Node form = YAML::Load(std::string(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
    YAML::Node sheets = form["children"][0]["children"];
    auto add = [&](int sheet, const std::string& name, const std::string& cls, const char* key = nullptr,
                   const char* value = nullptr) {
        if (describes(form, name)) return;
        YAML::Node n;
        n["object"] = name;
        n["class"] = cls;
        if (key) n[key] = value;
        sheets[sheet]["children"].push_back(n);
    };
    add(0, "ILAngularGauge4", "FakeGauge");
    for (const char* image : {"Image1", "Image2", "Image4", "Image3"}) add(1, image, "TImage");
    add(1, "ILSegmentGauge5", "FakeGauge");
    YAML::Emitter out;
    out << form;
    return out.c_str();
}

// A published number or flag of a control of the form, by names.
double number(const ui::Form& form, const std::string& component, const std::string& property) {
    const ui::Component* c = form.findComponent(component);
    const ui::PropertyInfo* p = c ? c->classInfo().findProperty(property) : nullptr;
    if (!p) throw std::runtime_error(component + "." + property + " not found");
    return p->type == ui::PropertyType::Float ? p->getFloat(*c) : static_cast<double>(p->getInt(*c));
}
void setNumber(ui::Form& form, const std::string& component, const std::string& property, long long value) {
    ui::Component* c = form.findComponent(component);
    c->classInfo().findProperty(property)->setInt(*c, value);
}
void setFlag(ui::Form& form, const std::string& component, const std::string& property, bool value) {
    ui::Component* c = form.findComponent(component);
    c->classInfo().findProperty(property)->setBool(*c, value);
}

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() {
        platform::setCurrentPlatform(&m_platform);
        registerFormClasses();
        ui::registerClass<FakeGauge>();
    }
    ~MainWindowTest() override {
        m_form.reset();
        platform::setCurrentPlatform(nullptr);
    }

    void showForm() {
        m_form->show();
        ui::Application::instance().paintPending();
    }
    platform::HeadlessWindow& window() { return *m_platform.mainWindow(); }
    // Clicks the middle of a tab of AdvPageControl1 (window coordinates differ by its place).
    void clickTab(int tab) {
        const auto* pages = m_form->AdvPageControl1;
        const drawing::Rect r = pages->tabRect(tab);
        window().click({pages->Left() + r.left + r.width / 2, pages->Top() + r.top + r.height / 2});
    }
    bool visible(const std::string& name) { return m_form->field<ui::Control>(name)->Visible(); }

    platform::HeadlessPlatform m_platform;
    std::unique_ptr<TForm1> m_form;
};

TEST_F(MainWindowTest, StartsWithTheLayoutOfItsDescription) {
    m_form = createMainWindow();
    EXPECT_EQ(ui::Application::instance().Title(), "Slidekiln 3.1");
    EXPECT_EQ(ui::Application::instance().MainForm(), m_form.get());
    EXPECT_EQ(m_form->Caption(), "Slidekiln 3.1 Build 012011");
    EXPECT_EQ(m_form->Color(), 0x00F2E9C4u);
    EXPECT_EQ(m_form->Font()->Name(), "MS Sans Serif");
    EXPECT_EQ(m_form->Font()->Height(), -11);

    auto* pages = m_form->AdvPageControl1;
    ASSERT_NE(pages, nullptr);
    EXPECT_EQ(pages->BoundsRect(), (drawing::Rect{-2, 0, 767, 465}));
    EXPECT_EQ(pages->ActivePage(), m_form->AdvTabSheet1);
    EXPECT_EQ(pages->Font()->Name(), "Arial Black");
    EXPECT_TRUE(pages->Font()->hasStyle(ui::fsBold));
    EXPECT_EQ(pages->ActiveFont()->Color(), ui::clRed);
    EXPECT_EQ(pages->ActiveFont()->Height(), -16);
    EXPECT_EQ(pages->TabHeight(), 30);
    EXPECT_EQ(pages->TabMargin()->LeftMargin() + pages->TabMargin()->RightMargin(), 144);
    EXPECT_FALSE(pages->TabStop());
    EXPECT_EQ(pages->tabCount(), 3);
    const std::vector<std::string> captions{"Установки", "Компиляция", "О программе"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(pages->Pages(i)->Caption(), captions[static_cast<std::size_t>(i)]);
        EXPECT_EQ(pages->Pages(i)->Color(), 0x00F2E9C4u);
        EXPECT_EQ(pages->Pages(i)->TabColor(), ui::clBtnFace);
        EXPECT_EQ(pages->Pages(i)->Font()->Name(), "Arial Black");
    }
    EXPECT_TRUE(m_form->AdvTabSheet1->Visible());
    EXPECT_FALSE(m_form->AdvTabSheet2->Visible());
}

TEST_F(MainWindowTest, OpensFixedSizeCentredWithTheIcon) {
    m_form = createMainWindow();
    showForm();
    const auto& w = window();
    EXPECT_EQ(w.title(), "Slidekiln 3.1 Build 012011");
    EXPECT_EQ(w.clientSize(), (drawing::Size{764, 459}));
    EXPECT_FALSE(w.options().resizable);
    EXPECT_TRUE(w.options().centred);
    ASSERT_EQ(w.icons().size(), 6u);
    EXPECT_EQ(w.icons().front().size(), (drawing::Size{16, 16}));
    EXPECT_EQ(w.icons().back().size(), (drawing::Size{256, 256}));
}

TEST_F(MainWindowTest, CreateHandlerRunsAfterLoadingAndTheSettingsPageShowsWithTheWindow) {
    m_form = std::make_unique<TForm1>(descriptionWithStandIns(), "test form");
    // FormCreate saw the loaded track bar position (4): it ran after loading.
    EXPECT_EQ(number(*m_form, "ILAngularGauge4", "Value"), 40.0);
    // The settings page's show handler runs when the window is first shown.
    setNumber(*m_form, "AdvTrackBar1", "Position", 7);
    showForm();
    EXPECT_EQ(number(*m_form, "ILAngularGauge4", "Value"), 70.0);
}

TEST_F(MainWindowTest, CompilationPageTicksThePackageAndCopiesTheLevel) {
    m_form = std::make_unique<TForm1>(descriptionWithStandIns(), "test form");
    showForm();
    for (const char* image : {"Image1", "Image2", "Image3", "Image4"}) EXPECT_TRUE(visible(image)) << image;

    clickTab(1);
    EXPECT_EQ(m_form->AdvPageControl1->ActivePage(), m_form->AdvTabSheet2);
    EXPECT_EQ(number(*m_form, "ILSegmentGauge5", "Value"), 40.0);
    EXPECT_TRUE(visible("Image1"));
    EXPECT_TRUE(visible("Image4"));
    EXPECT_FALSE(visible("Image2"));
    EXPECT_FALSE(visible("Image3"));

    // The 2007 package at level 10, and back to the compilation page.
    setFlag(*m_form, "AdvOfficeRadioButton1", "Checked", false);
    setFlag(*m_form, "AdvOfficeRadioButton2", "Checked", true);
    setNumber(*m_form, "AdvTrackBar1", "Position", 10);
    clickTab(0);
    EXPECT_EQ(number(*m_form, "ILAngularGauge4", "Value"), 100.0);  // the settings page's show handler
    clickTab(1);
    EXPECT_EQ(number(*m_form, "ILSegmentGauge5", "Value"), 100.0);
    EXPECT_TRUE(visible("Image2"));
    EXPECT_TRUE(visible("Image3"));
    EXPECT_FALSE(visible("Image1"));
    EXPECT_FALSE(visible("Image4"));
}

TEST_F(MainWindowTest, TheDialFollowsTheTrackBarButNotThePackage) {
    m_form = std::make_unique<TForm1>(descriptionWithStandIns(), "test form");
    showForm();
    m_form->AdvTrackBar1->SetPosition(10);
    EXPECT_EQ(number(*m_form, "ILAngularGauge4", "Value"), 100.0);
    m_form->AdvTrackBar1->SetPosition(0);
    EXPECT_EQ(number(*m_form, "ILAngularGauge4", "Value"), 0.0);
    m_form->AdvOfficeRadioButton2->SetChecked(true);
    EXPECT_FALSE(m_form->AdvOfficeRadioButton1->Checked());
    EXPECT_EQ(number(*m_form, "ILAngularGauge4", "Value"), 0.0);
}

TEST_F(MainWindowTest, FailingShowHandlerShowsTheErrorBoxAndThePageAllTheSame) {
    m_form = createMainWindow();
    showForm();
    m_form->AdvTabSheet2->OnShow = [](ui::Component*) {
        throw std::runtime_error("Cannot open file D:\\talk.ppt");
    };
    clickTab(1);
    ASSERT_EQ(m_platform.messageBoxes().size(), 1u);
    const auto& box = m_platform.messageBoxes()[0];
    EXPECT_EQ(box.caption, "Slidekiln 3.1");
    EXPECT_EQ(box.text, "Cannot open file D:\\talk.ppt.");
    EXPECT_EQ(box.icon, platform::MessageIcon::Error);
    EXPECT_EQ(m_form->AdvPageControl1->ActivePage(), m_form->AdvTabSheet2);
    EXPECT_TRUE(m_form->AdvTabSheet2->Visible());
    EXPECT_FALSE(m_form->AdvTabSheet1->Visible());
}

// ---- Pixels of the tab strip ---------------------------------------------------------------------

drawing::Bitmap resourceBitmap(const std::string& name) {
    auto bytes = platform::findResource(name);
    auto image = drawing::Image::fromBytes(*bytes);
    return image->bitmap();
}

// The ink box of the pixels in `area` that `ink` accepts.
template <class Ink>
drawing::Rect inkBox(const drawing::Bitmap& image, const drawing::Rect& area, Ink ink) {
    drawing::Rect box;
    for (int y = area.top; y < area.bottom(); ++y)
        for (int x = area.left; x < area.right(); ++x)
            if (ink(image.pixel(x, y))) box = box.united({x, y, 1, 1});
    return box;
}

bool reddish(std::uint32_t p) {
    return drawing::argbRed(p) > 180 && drawing::argbGreen(p) < 90 && drawing::argbBlue(p) < 90;
}
bool dark(std::uint32_t p) {
    return drawing::argbRed(p) < 90 && drawing::argbGreen(p) < 90 && drawing::argbBlue(p) < 90;
}

// Where the caption's ink lies when drawn at (28, 5) on white in the given font.
template <class Ink>
drawing::Rect referenceInk(const ui::TFont& font, ui::TColor color, const std::string& text, Ink ink) {
    drawing::Bitmap bitmap(300, 40);
    bitmap.fill(0xFFFFFFFF);
    drawing::Canvas c(bitmap);
    c.font().name = font.Name();
    c.font().height = font.Height();
    c.font().bold = font.hasStyle(ui::fsBold);
    c.font().charset = drawing::CanvasFont::Charset::Cyrillic;
    c.font().color = color;
    c.brush().style = drawing::CanvasBrush::Style::Clear;
    c.textOut(28, 5, text);
    return inkBox(bitmap, {0, 0, 300, 40}, ink);
}

void expectBoxNear(const drawing::Rect& actual, const drawing::Rect& expected, const std::string& what) {
    EXPECT_NEAR(actual.left, expected.left, 1) << what;
    EXPECT_NEAR(actual.top, expected.top, 1) << what;
    EXPECT_NEAR(actual.right(), expected.right(), 1) << what;
    EXPECT_NEAR(actual.bottom(), expected.bottom(), 1) << what;
}

TEST_F(MainWindowTest, TabStripGeometryInPixels) {
    m_form = createMainWindow();
    showForm();
    const auto* pages = m_form->AdvPageControl1;
    const drawing::Bitmap& screen = window().image();
    const int dx = pages->Left(), dy = pages->Top();  // control to window coordinates
    const int b = pages->stripBottom(), r = pages->stripRight();
    ASSERT_EQ(pages->tabRowCount(), 1);
    ASSERT_EQ(b, pages->tabRect(0).bottom());
    const drawing::Rect active = pages->tabRect(0), other = pages->tabRect(1);
    EXPECT_EQ(active.height, 30);

    // Captions: 28 pixels right of the tab's left edge and 5 below its top; red for
    // the active tab in ActiveFont, black for the others in Font.
    const drawing::Rect activeArea = active.translated(dx, dy);
    expectBoxNear(inkBox(screen, activeArea, reddish).translated(-activeArea.left, -activeArea.top),
                  referenceInk(*pages->ActiveFont(), ui::clRed, "Установки", reddish), "active caption");
    const drawing::Rect otherArea = other.translated(dx, dy);
    expectBoxNear(inkBox(screen, otherArea, dark).translated(-otherArea.left, -otherArea.top),
                  referenceInk(*pages->Font(), ui::clBlack, "Компиляция", dark), "inactive caption");

    // Skins: the active one at (left - 2, top - 2), the others at (left - 1, top - 2).
    const drawing::Bitmap activeSkin = resourceBitmap("tabs/TabBackGroundActive.bmp");
    const drawing::Bitmap skin = resourceBitmap("tabs/TabBackGround.bmp");
    for (int y : {4, 12, 20}) {
        EXPECT_TRUE(sk::test::pixelIs(screen, dx + active.left - 2 + 12, dy + active.top - 2 + y,
                                      activeSkin.pixel(12, y) | 0xFF000000u, "main-window"));
        EXPECT_TRUE(sk::test::pixelIs(screen, dx + other.left - 1 + 12, dy + other.top - 2 + y,
                                      skin.pixel(12, y) | 0xFF000000u, "main-window"));
    }
    EXPECT_NE(activeSkin.pixel(12, 12), skin.pixel(12, 12));

    // The strip background right of the tabs, in the button face colour.
    const std::uint32_t btnFace = 0xFF000000u | drawing::ColorToARGB(255, ui::clBtnFace);
    EXPECT_TRUE(sk::test::pixelIs(screen, dx + r + 20, 10, btnFace, "main-window"));
    // The page frame strips in the page colour: top strip, right strip; the join
    // line under the tabs; the raised frame's top line right of the tabs.
    EXPECT_TRUE(sk::test::pixelIs(screen, dx + r + 20, b + 2, kPageArgb, "main-window"));
    EXPECT_TRUE(sk::test::pixelIs(screen, dx + pages->Width() - 3, 200, kPageArgb, "main-window"));
    EXPECT_TRUE(sk::test::pixelIs(screen, dx + other.left + 40, b, kPageArgb, "main-window"));
    EXPECT_TRUE(sk::test::pixelIs(screen, dx + r + 20, b, 0xFFFFFFFF, "main-window"));
    // The page itself.
    EXPECT_TRUE(sk::test::pixelIs(screen, 300, 250, kPageArgb, "main-window"));
}

TEST_F(MainWindowTest, ClickedTabTakesTheActiveSkinAndTheRedCaption) {
    m_form = createMainWindow();
    showForm();
    clickTab(1);
    const auto* pages = m_form->AdvPageControl1;
    const drawing::Bitmap& screen = window().image();
    const drawing::Rect second = pages->tabRect(1).translated(pages->Left(), pages->Top());
    const drawing::Bitmap activeSkin = resourceBitmap("tabs/TabBackGroundActive.bmp");
    EXPECT_TRUE(sk::test::pixelIs(screen, second.left - 2 + 12, second.top - 2 + 12,
                                  activeSkin.pixel(12, 12) | 0xFF000000u, "second-tab"));
    EXPECT_FALSE(inkBox(screen, second, reddish).empty());
    const drawing::Rect first = pages->tabRect(0).translated(pages->Left(), pages->Top());
    EXPECT_TRUE(inkBox(screen, first, reddish).empty());
    EXPECT_FALSE(inkBox(screen, first, dark).empty());
}

}  // namespace
}  // namespace sk::app
