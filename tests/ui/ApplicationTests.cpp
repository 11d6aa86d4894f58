// The application: the error box and its text rule, handlers that fail, the
// message loop ending with the main form, and the plain label and picture.
#include "UiTestSupport.h"
#include "ui/Image.h"
#include "ui/Label.h"

namespace sk::ui::test {
namespace {

class ApplicationTest : public UiTest {};

TEST(ErrorBoxText, AppendsAFullStopOnlyAfterCharactersAboveIt) {
    struct Case {
        std::string message, shown;
    };
    const std::vector<Case> cases = {
        {"Cannot open file D:\\talk.pptx", "Cannot open file D:\\talk.pptx."},
        {"Done.", "Done."},
        {"Stop!", "Stop!"},
        {"(see above)", "(see above)"},
        {"", ""},
        {"Version 3", "Version 3."},               // a digit comes after "."
        {"path/", "path/."},                       // so does "/"
        {"ends with blank ", "ends with blank "},  // a blank comes before "."
        {"comma,", "comma,"},                      // "," comes before "."
        {"Файл не найден", "Файл не найден."},     // Cyrillic letters come after "."
        {"question?", "question?."},               // "?" comes after "."
    };
    for (const Case& c : cases) EXPECT_EQ(Application::errorBoxText(c.message), c.shown) << c.message;
}

TEST_F(ApplicationTest, ExceptionInAHandlerIsShownAndTheFormStaysUsable) {
    Application::instance().SetTitle("Slidekiln 3.1");
    Form& f = form();
    auto* button = new WindowedProbe(&f, &f, {10, 10, 50, 20}, 0xFF808080);
    int clicks = 0;
    button->OnClick = [&](Component*) {
        ++clicks;
        throw std::runtime_error("Cannot open file D:\\talk.pptx");
    };
    showForm();
    window().click({20, 20});
    ASSERT_EQ(headless().messageBoxes().size(), 1u);
    const auto& box = headless().messageBoxes()[0];
    EXPECT_EQ(box.caption, "Slidekiln 3.1");
    EXPECT_EQ(box.text, "Cannot open file D:\\talk.pptx.");
    EXPECT_EQ(box.icon, platform::MessageIcon::Error);
    EXPECT_EQ(box.owner, f.nativeWindow());
    window().click({20, 20});
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(headless().messageBoxes().size(), 2u);
    EXPECT_EQ(f.input().captureControl(), nullptr);  // the failed press did not leave the mouse captured
}

TEST_F(ApplicationTest, ExceptionInOnCreateIsShownAndLoadingCompletes) {
    Form f;
    f.registerHandler("FormCreate",
                      TNotifyEvent([](Component*) { throw std::runtime_error("create failed"); }));
    f.loadDescription(
        "class: TForm\nOnCreate: FormCreate\nchildren:\n  - object: Label1\n    class: TLabel\n",
        "create.yaml");
    ASSERT_EQ(headless().messageBoxes().size(), 1u);
    EXPECT_EQ(headless().messageBoxes()[0].text, "create failed.");
    EXPECT_FALSE(f.field<TLabel>("Label1")->loading());
}

TEST_F(ApplicationTest, MessageLoopRunsUntilTheMainFormCloses) {
    Form& f = form();
    Application::instance().SetMainForm(&f);
    int ticks = 0;
    f.startTimer(100, [&] {
        if (++ticks == 3) window().pressCloseBox();
    });
    Application::instance().Run();
    EXPECT_EQ(ticks, 3);
    EXPECT_TRUE(Application::instance().terminated());
    EXPECT_FALSE(f.isShown());
    Application::instance().SetMainForm(nullptr);
}

TEST_F(ApplicationTest, CloseQueryCanKeepTheFormOpen) {
    Form& f = form();
    showForm();
    bool allow = false;
    f.OnCloseQuery = [&](Component*, bool& canClose) { canClose = allow; };
    window().pressCloseBox();
    EXPECT_TRUE(f.isShown());
    allow = true;
    window().pressCloseBox();
    EXPECT_FALSE(f.isShown());
}

TEST_F(ApplicationTest, ShowingTheFormNotifiesVisibleControls) {
    struct Page : WindowedProbe {
        using WindowedProbe::WindowedProbe;
        std::vector<bool> calls;
        void showingChanged(bool showing) override { calls.push_back(showing); }
    };
    Form& f = form();
    auto* shown = new Page(&f, &f, {0, 0, 10, 10}, 0);
    auto* hidden = new Page(&f, &f, {0, 0, 10, 10}, 0);
    hidden->SetVisible(false);
    showForm();
    EXPECT_EQ(shown->calls, (std::vector<bool>{true}));
    EXPECT_TRUE(hidden->calls.empty());
    hidden->SetVisible(true);
    shown->SetVisible(false);
    EXPECT_EQ(hidden->calls, (std::vector<bool>{true}));
    EXPECT_EQ(shown->calls, (std::vector<bool>{true, false}));
}

TEST_F(ApplicationTest, LabelPaintsItsColorOrLetsTheParentShowThrough) {
    Form& f = form(200, 60);
    f.SetColor(0x00FF0000);  // blue form
    auto* opaque = new TLabel(&f);
    opaque->SetParent(&f);
    opaque->SetAutoSize(false);
    opaque->SetBounds(0, 0, 100, 30);
    opaque->SetColor(0x0000FF00);
    opaque->SetCaption("");
    auto* see = new TLabel(&f);
    see->SetParent(&f);
    see->SetAutoSize(false);
    see->SetBounds(100, 0, 100, 30);
    see->SetColor(0x0000FF00);
    see->SetTransparent(true);
    see->SetCaption("");
    showForm();
    EXPECT_EQ(pixel(50, 15), 0xFF00FF00u);
    EXPECT_EQ(pixel(150, 15), 0xFF0000FFu);
}

TEST_F(ApplicationTest, LabelDrawsItsCaptionAlignedAndAutoSizes) {
    Form& f = form(300, 60);
    auto* label = new TLabel(&f);
    label->SetParent(&f);
    label->Font()->SetName("DejaVu Sans");
    label->Font()->SetHeight(-16);
    label->Font()->SetColor(0x000000);
    label->SetCaption("Wide caption");
    const int autoWidth = label->Width();
    EXPECT_GT(autoWidth, 60);
    label->SetCaption("Two\nlines");
    EXPECT_GT(label->Height(), 30);  // the line break gives a second line
    label->SetAutoSize(false);
    label->SetBounds(0, 0, 300, 30);
    label->SetCaption("I");
    label->SetAlignment(taRightJustify);
    showForm();
    auto inked = [&](int x0, int x1) {
        for (int x = x0; x < x1; ++x)
            for (int y = 0; y < 30; ++y)
                if (pixel(x, y) != drawing::ColorToARGB(255, label->Color())) return true;
        return false;
    };
    EXPECT_TRUE(inked(280, 300));
    EXPECT_FALSE(inked(0, 250));
}

TEST_F(ApplicationTest, LabelMnemonicFocusesItsFocusControl) {
    Form& f = form();
    auto* label = new TLabel(&f);
    label->SetParent(&f);
    label->SetCaption("&Name:");
    auto* target = new WindowedProbe(&f, &f, {0, 40, 20, 20}, 0);
    target->SetTabStop(true);
    label->SetFocusControl(target);
    showForm();
    window().pressKey('N', platform::ModAlt);
    EXPECT_EQ(f.ActiveControl(), target);
    delete target;
    EXPECT_EQ(label->FocusControl(), nullptr);
}

TEST_F(ApplicationTest, ImageDrawsItsPictureAtTheTopLeftAtItsOwnSize) {
    Form& f = form(100, 100);
    auto* image = new TImage(&f);
    image->SetParent(&f);
    image->SetBounds(10, 10, 73, 105);
    ASSERT_TRUE(image->Picture()->loadFromResource("icons/slidekiln-16.png"));
    EXPECT_EQ(image->destRect(), (drawing::Rect{0, 0, 16, 16}));
    showForm();
    const drawing::Bitmap& icon = image->Picture()->image()->bitmap();
    // An opaque pixel of the icon lands at its place; beyond 16 pixels the form shows.
    int checked = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            if ((icon.pixel(x, y) >> 24) == 255) {
                EXPECT_EQ(pixel(10 + x, 10 + y), icon.pixel(x, y));
                ++checked;
            }
    EXPECT_GT(checked, 0);
    EXPECT_EQ(pixel(10 + 20, 10 + 20), 0xFFFFFFFFu);
    image->SetVisible(false);
    Application::instance().paintPending();
    EXPECT_EQ(pixel(10 + 8, 10 + 8), 0xFFFFFFFFu);
}

TEST_F(ApplicationTest, AlignedChildrenFillTheirParent) {
    struct Framed : WindowedProbe {
        using WindowedProbe::WindowedProbe;
        drawing::Rect alignRect() const override { return ClientRect().inflated(-5, -5); }
    };
    Form& f = form(200, 100);
    auto* top = new WindowedProbe(&f, &f, {0, 0, 10, 20}, 0);
    top->SetAlign(alTop);
    auto* panel = new Framed(&f, &f, {0, 0, 50, 50}, 0);
    panel->SetAlign(alClient);
    auto* inner = new WindowedProbe(&f, panel, {5, 5, 1, 1}, 0);
    inner->SetAlign(alClient);
    EXPECT_EQ(top->BoundsRect(), (drawing::Rect{0, 0, 200, 20}));
    EXPECT_EQ(panel->BoundsRect(), (drawing::Rect{0, 20, 200, 80}));
    EXPECT_EQ(inner->BoundsRect(), (drawing::Rect{5, 5, 190, 70}));
    f.SetBounds(0, 0, 300, 120);
    EXPECT_EQ(inner->BoundsRect(), (drawing::Rect{5, 5, 290, 90}));
}

}  // namespace
}  // namespace sk::ui::test
