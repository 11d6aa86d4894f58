// The office radio button in a headless form: the group rule, OnClick counts of
// every kind of press, focus and keyboard paths, mnemonics, and the mark and
// caption at probe pixels.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "OfficeTestSupport.h"
#include "controls/office/AdvOfficeRadioButton.h"
#include "controls/office/AdvTrackBar.h"
#include "support/PixelAssertions.h"
#include "ui/FormReader.h"

namespace sk::office::test {
namespace {

using drawing::Point;

class RadioButtonTest : public OfficeTest {
protected:
    RadioButtonTest() {
        form().SetBounds(0, 0, 420, 220);
        first = make(96, "Собрать пакет PowerPoint 2003");
        second = make(136, "Собрать пакет PowerPoint 2007");
        first->SetChecked(true);
        after = new TAdvTrackBar(&form());
        after->SetParent(&form());
        after->SetBounds(10, 170, 150, 26);
        first->OnClick = [this](ui::Component*) { ++firstClicks; };
        second->OnClick = [this](ui::Component*) { ++secondClicks; };
        showForm();
    }

    TAdvOfficeRadioButton* make(int top, const std::string& caption) {
        auto* b = new TAdvOfficeRadioButton(&form());
        b->SetParent(&form());
        b->SetBounds(8, top, 380, 25);
        b->SetCaption(caption);
        b->SetParentFont(false);
        b->Font()->SetName("Tahoma");
        b->Font()->SetHeight(-19);
        b->Font()->SetStyle(ui::fontStyle(ui::fsBold));
        b->SetButtonVertAlign(ui::tlCenter);
        b->SetEllipsis(true);
        b->SetShadowOffset(4);
        return b;
    }
    Point on(const TAdvOfficeRadioButton* b, int x = 40, int y = 12) const {
        return {b->Left() + x, b->Top() + y};
    }

    TAdvOfficeRadioButton* first = nullptr;
    TAdvOfficeRadioButton* second = nullptr;
    TAdvTrackBar* after = nullptr;
    int firstClicks = 0;
    int secondClicks = 0;
};

// ---- The group rule ---------------------------------------------------------------

TEST_F(RadioButtonTest, CheckingOneUnchecksTheGroupAndTabStopFollowsChecked) {
    EXPECT_TRUE(first->Checked());
    EXPECT_TRUE(first->TabStop());
    EXPECT_FALSE(second->TabStop());
    second->SetChecked(true);
    EXPECT_FALSE(first->Checked());
    EXPECT_FALSE(first->TabStop());
    EXPECT_TRUE(second->TabStop());
    EXPECT_EQ(secondClicks, 1) << "checking from code fires OnClick";
    EXPECT_EQ(firstClicks, 0) << "the unchecked one fires nothing";
    second->SetChecked(false);
    EXPECT_FALSE(first->Checked());
    EXPECT_FALSE(second->Checked()) << "no button checked is allowed";
    EXPECT_EQ(secondClicks, 1);
}

TEST_F(RadioButtonTest, GroupsAreKeptApartByIndexAndParent) {
    second->SetGroupIndex(1);
    second->SetChecked(true);
    EXPECT_TRUE(first->Checked()) << "another GroupIndex";
    second->SetChecked(false);
    second->SetGroupIndex(0);
    auto* panel = new ui::CustomControl(&form());
    panel->SetParent(&form());
    panel->SetBounds(0, 0, 10, 10);
    second->SetParent(panel);
    second->SetChecked(true);
    EXPECT_TRUE(first->Checked()) << "another parent";
}

// ---- OnClick counts --------------------------------------------------------------

TEST_F(RadioButtonTest, OnClickCountsOfEveryPress) {
    struct Case {
        const char* what;
        bool startChecked;  // second button
        bool startFocused;
        platform::MouseButton button;
        bool releaseOutside;
        int clicks;
    } cases[] = {
        {"left click on an unchecked button", false, false, platform::MouseButton::Left, false, 1},
        {"left click on the checked button", true, true, platform::MouseButton::Left, false, 1},
        {"right click on an unchecked button without focus", false, false, platform::MouseButton::Right,
         false, 2},
        {"press, move off, release outside", false, false, platform::MouseButton::Left, true, 1},
        {"middle click on the checked focused button", true, true, platform::MouseButton::Middle, false, 1},
    };
    for (const Case& c : cases) {
        first->SetChecked(true);
        after->SetFocus();
        if (c.startChecked) second->SetChecked(true);
        if (c.startFocused) second->SetFocus();
        secondClicks = 0;
        window().mouseMove(on(second));
        window().mouseDown(on(second), c.button);
        if (c.releaseOutside) {
            window().mouseMove({300, 5});
            EXPECT_FALSE(second->Down()) << c.what;
            window().mouseUp({300, 5}, c.button);
        } else {
            EXPECT_TRUE(second->Down()) << c.what;
            window().mouseUp(on(second), c.button);
        }
        EXPECT_EQ(secondClicks, c.clicks) << c.what;
        EXPECT_TRUE(second->Checked()) << c.what;
        EXPECT_FALSE(first->Checked()) << c.what;
        EXPECT_FALSE(second->Down()) << c.what;
        EXPECT_TRUE(second->Focused()) << c.what;
    }
}

// ---- Focus and keys --------------------------------------------------------------

TEST_F(RadioButtonTest, TabLandsOnTheCheckedButtonOnly) {
    after->SetFocus();
    window().pressKey(platform::vk::Tab);
    EXPECT_TRUE(first->Focused());
    window().pressKey(platform::vk::Tab);
    EXPECT_TRUE(after->Focused()) << "the unchecked button is no tab stop";
    EXPECT_EQ(firstClicks, 0) << "focus on the checked button changes nothing";
}

TEST_F(RadioButtonTest, ArrowsMoveTheFocusAndCheck) {
    first->SetFocus();
    window().pressKey(platform::vk::Down);
    EXPECT_TRUE(second->Focused());
    EXPECT_TRUE(second->Checked());
    EXPECT_FALSE(first->Checked());
    EXPECT_EQ(secondClicks, 1) << "focus by the keyboard fires OnClick";
}

TEST_F(RadioButtonTest, SpaceChecksAtKeyUp) {
    second->SetChecked(false);
    first->SetChecked(false);
    first->SetFocus();  // an unchecked button focused without checking: from code while unchecked
    ASSERT_TRUE(first->Checked()) << "focus checks";
    first->SetChecked(false);
    firstClicks = 0;
    window().keyDown(platform::vk::Space);
    EXPECT_TRUE(first->Down());
    EXPECT_FALSE(first->Checked());
    window().keyUp(platform::vk::Space);
    EXPECT_FALSE(first->Down());
    EXPECT_TRUE(first->Checked());
    EXPECT_EQ(firstClicks, 1);
}

TEST_F(RadioButtonTest, ReturnIsTabMovesTheFocusOn) {
    first->SetFocus();
    window().pressKey(platform::vk::Return);
    EXPECT_TRUE(first->Focused()) << "without ReturnIsTab Enter stays";
    first->SetReturnIsTab(true);
    window().pressKey(platform::vk::Return);
    EXPECT_TRUE(after->Focused());
}

TEST_F(RadioButtonTest, MnemonicsChecksAndFocusesLatinAndCyrillic) {
    second->SetCaption("Пакет 200&7");
    after->SetFocus();
    window().pressKey('7', platform::ModAlt);
    EXPECT_TRUE(second->Checked());
    EXPECT_TRUE(second->Focused());
    EXPECT_EQ(secondClicks, 1);

    first->SetCaption("&Старый пакет");
    after->SetFocus();
    window().inputText("с");  // the form passes plain characters to mnemonics
    EXPECT_TRUE(first->Checked());
    EXPECT_TRUE(first->Focused());
    EXPECT_EQ(firstClicks, 1);
}

TEST_F(RadioButtonTest, LoadingAFormFiresNoOnClick) {
    int clicks = 0;
    ui::registerClass<TAdvOfficeRadioButton>();
    ui::Form loaded;
    loaded.registerHandler("RadioClick", ui::TNotifyEvent([&](ui::Component*) { ++clicks; }));
    loaded.loadDescription(R"(
object: Form2
class: TForm
children:
  - object: Radio1
    class: TAdvOfficeRadioButton
    OnClick: RadioClick
    Checked: true
  - object: Radio2
    class: TAdvOfficeRadioButton
)",
                           "test");
    auto* radio = loaded.field<TAdvOfficeRadioButton>("Radio1");
    EXPECT_TRUE(radio->Checked());
    EXPECT_TRUE(radio->TabStop());
    EXPECT_FALSE(loaded.field<TAdvOfficeRadioButton>("Radio2")->TabStop());
    EXPECT_EQ(clicks, 0);
}

// ---- Links in the caption --------------------------------------------------------

TEST_F(RadioButtonTest, LinksInTheCaptionOpenOrReportAndSetTheHandCursor) {
    struct Case {
        const char* target;
        bool opened;  // by the platform; otherwise OnAnchorClick
    } cases[] = {
        {"https://gornostai.example/", true}, {"mailto:info@gornostai.example", true}, {"help", false}};
    for (const Case& c : cases) {
        second->SetCaption(std::string("<A href=\"") + c.target + "\">ссылка</A> и текст");
        std::vector<std::string> events;
        second->OnAnchorClick = [&](ui::Component*, const std::string& a) { events.push_back("click " + a); };
        second->OnAnchorEnter = [&](ui::Component*, const std::string& a) { events.push_back("enter " + a); };
        second->OnAnchorExit = [&](ui::Component*, const std::string& a) { events.push_back("exit " + a); };
        second->SetFocus();  // links answer only while the button has the focus
        const drawing::Rect caption = second->captionRect();
        const Point onLink = on(second, caption.left + 10, caption.top + 10);
        ASSERT_FALSE(second->anchorAt({caption.left + 10, caption.top + 10}).empty()) << c.target;
        const std::size_t urls = headless().openedUrls().size();
        window().mouseMove(onLink);
        EXPECT_EQ(window().cursor(), platform::CursorShape::Hand) << c.target;
        window().click(onLink);
        window().mouseMove(on(second, 300, 12));
        EXPECT_EQ(window().cursor(), platform::CursorShape::Arrow) << c.target;
        if (c.opened) {
            ASSERT_EQ(headless().openedUrls().size(), urls + 1) << c.target;
            EXPECT_EQ(headless().openedUrls().back(), c.target);
            EXPECT_EQ(events, (std::vector<std::string>{std::string("enter ") + c.target,
                                                        std::string("exit ") + c.target}));
        } else {
            EXPECT_EQ(headless().openedUrls().size(), urls);
            EXPECT_EQ(events, (std::vector<std::string>{"enter help", "click help", "exit help"}));
        }
        first->SetFocus();
    }
}

// ---- Painting ----------------------------------------------------------------------

TEST_F(RadioButtonTest, MarkAndCaptionPlacement) {
    EXPECT_EQ(first->markRect(), (drawing::Rect{0, 6, 12, 12})) << "centred: 25 div 2 - 6";
    EXPECT_EQ(first->captionRect().left, 18);
    second->SetButtonVertAlign(ui::tlTop);
    EXPECT_EQ(second->markRect().top, 4);
    second->SetButtonVertAlign(ui::tlBottom);
    EXPECT_EQ(second->markRect().top, 25 - 14);
    second->SetAlignment(ui::taRightJustify);
    EXPECT_EQ(second->markRect().left, 380 - 13);
    EXPECT_EQ(second->captionRect().left, 0);
    second->SetAlignment(ui::taLeftJustify);
    second->SetBiDiMode(bdRightToLeftNoAlign);
    EXPECT_EQ(second->markRect().left, 0) << "NoAlign moves nothing";
}

TEST_F(RadioButtonTest, EllipsisKeepsOneLineAndWithoutItTheCaptionWraps) {
    first->SetWidth(200);
    const drawing::Size cut = first->captionSize();
    first->SetEllipsis(false);
    const drawing::Size wrapped = first->captionSize();
    EXPECT_GE(wrapped.height, 2 * cut.height - 2) << "the wrapped caption takes two lines or more";
}

TEST_F(RadioButtonTest, MarkPicturesFollowTheState) {
    for (RadioMark m : {RadioMark::Unchecked, RadioMark::UncheckedHot, RadioMark::UncheckedDown,
                        RadioMark::Checked, RadioMark::CheckedHot, RadioMark::CheckedDown}) {
        const drawing::Bitmap* picture = TCustomAdvOfficeRadioButton::markPicture(m);
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->width(), 12);
        EXPECT_EQ(picture->pixel(0, 11), 0xFFFFFFFFu) << "white bottom-left: the transparent color";
    }
    EXPECT_EQ(first->mark(), RadioMark::Checked);
    window().mouseMove(on(second));
    EXPECT_EQ(second->mark(), RadioMark::UncheckedHot);
    window().mouseDown(on(second));
    EXPECT_EQ(second->mark(), RadioMark::CheckedDown);
    window().mouseUp(on(second));
    EXPECT_EQ(second->mark(), RadioMark::CheckedHot);
}

TEST_F(RadioButtonTest, PaintedMarkCaptionFocusAndDisabledCaption) {
    const std::uint32_t page = 0xFF000000u | 0xC4E9F2u;
    const std::uint32_t corner = screen().pixel(first->Left(), first->Top() + 6);
    EXPECT_EQ(corner, page) << "the mark's white corner is transparent";
    const std::uint32_t dot = screen().pixel(first->Left() + 6, first->Top() + 12);
    EXPECT_LT(drawing::argbRed(dot), 120) << "the checked dot is dark blue to cyan";
    const std::uint32_t ring = screen().pixel(second->Left() + 6, second->Top() + 12);
    EXPECT_GT(drawing::argbRed(ring), 200) << "no dot in the unchecked mark";

    // Text pixels: some dark ones in the caption's first letters.
    auto darkPixels = [&](const TAdvOfficeRadioButton* b, std::uint32_t near, int tolerance) {
        int count = 0;
        for (int y = 0; y < 25; ++y)
            for (int x = 18; x < 60; ++x)
                if (sk::test::channelDistance(screen().pixel(b->Left() + x, b->Top() + y), near) <= tolerance)
                    ++count;
        return count;
    };
    EXPECT_GT(darkPixels(first, 0xFF000000u, 40), 20);
    second->SetEnabled(false);
    ui::Application::instance().paintPending();
    EXPECT_GT(darkPixels(second, 0xFF808080u, 10), 20) << "the caption in DisabledFontColor";
    EXPECT_GT(darkPixels(second, 0xFFFFFFFFu, 10), 10) << "with its white copy one pixel down and right";

    first->SetFocus();
    ui::Application::instance().paintPending();
    const int focusTop = first->captionRect().top - 1;
    // The frame's bottom edge is probed: its top edge lies above the client when the
    // caption is as tall as the area (bold Tahoma at 19 pixels in a 25-pixel button).
    const int focusBottom = first->Height() - 2;
    auto dotAt = [&](int x) {
        return screen().pixel(first->Left() + x, first->Top() + focusBottom) == 0xFF000000u;
    };
    int dots = 0;
    for (int x = 2; x < 40; ++x) {
        if (dotAt(x)) ++dots;
        EXPECT_FALSE(dotAt(x) && dotAt(x + 1)) << "every other pixel of the focus line, x = " << x;
    }
    EXPECT_EQ(dots, 19);
    const drawing::Size caption = first->captionSize();
    EXPECT_TRUE(dotAt(first->captionRect().left + caption.width) ||
                dotAt(first->captionRect().left + caption.width - 1))
        << "the focus line reaches the caption's end";
    // A hot change repaints the mark, across which the focus frame's left edge runs.
    const int y = focusTop + 8;
    ASSERT_GE(y, first->markRect().top);
    ASSERT_LT(y, first->markRect().bottom());
    EXPECT_EQ(screen().pixel(first->Left(), first->Top() + y), 0xFF000000u);
    window().mouseMove(on(first));
    ui::Application::instance().paintPending();
    EXPECT_TRUE(first->hot());
    EXPECT_EQ(screen().pixel(first->Left(), first->Top() + y), 0xFF000000u) << "the focus frame survives";
    sk::test::saveImage(screen(), "radio-buttons");
}

// ---- Pictures in the caption -------------------------------------------------------

class CaptionPictures final : public smooth::HtmlImageList, public smooth::HtmlPictureContainer {
public:
    CaptionPictures() {
        m_square.fill(kPicture);
        m_wide.fill(kPicture);
    }
    const drawing::Bitmap* imageAt(int index) const override { return index == 0 ? &m_square : nullptr; }
    const drawing::Bitmap* pictureNamed(std::string_view name) const override {
        return name == "wide" ? &m_wide : nullptr;
    }
    static constexpr std::uint32_t kPicture = 0xFFFF8000;

private:
    drawing::Bitmap m_square{10, 20};
    drawing::Bitmap m_wide{30, 16};
};

TEST_F(RadioButtonTest, CaptionPicturesComeFromTheImagesThePictureContainerOrAnAddress) {
    CaptionPictures pictures;
    TAdvOfficeRadioButton* b = make(20, "");
    b->SetButtonVertAlign(ui::tlTop);  // the caption starts at (18, 4)
    b->Font()->SetHeight(-11);         // lower than the pictures: their tops start the line
    b->SetImages(&pictures);
    b->SetPictureContainer(&pictures);
    auto picturePixels = [&] {
        ui::Application::instance().paintPending();
        int count = 0;
        for (int y = 0; y < b->Height(); ++y)
            for (int x = 0; x < b->Width(); ++x)
                if (screen().pixel(b->Left() + x, b->Top() + y) == CaptionPictures::kPicture) ++count;
        return count;
    };
    const struct {
        const char* caption;
        drawing::Rect picture;  // in button coordinates; empty: nothing drawn
    } cases[] = {
        {"<IMG src=\"idx:0\">", {18, 4, 10, 20}},
        {"<IMG src=\"IDX:0\"> 2003", {18, 4, 10, 20}},
        {"<IMG src=\"wide\">", {18, 4, 30, 16}},
        {"<IMG src=\"idx:1\">", {}},
        {"<IMG src=\"idx:-1\">", {}},
        {"<IMG src=\"idx:\">", {}},
        {"<IMG src=\"narrow\">", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        b->SetCaption(c.caption);
        EXPECT_EQ(picturePixels(), c.picture.width * c.picture.height);
        if (c.picture.empty()) continue;
        const int left = b->Left() + c.picture.left, top = b->Top() + c.picture.top;
        EXPECT_TRUE(sk::test::pixelIs(screen(), left, top, CaptionPictures::kPicture, "radio-picture"));
        EXPECT_TRUE(sk::test::pixelIs(screen(), left + c.picture.width - 1, top + c.picture.height - 1,
                                      CaptionPictures::kPicture, "radio-picture"));
        EXPECT_NE(screen().pixel(left - 1, top), CaptionPictures::kPicture);
    }

    b->SetImages(nullptr);
    b->SetCaption("<IMG src=\"idx:0\">");
    EXPECT_EQ(picturePixels(), 0) << "without an image list nothing is drawn";

    // A picture named by address is drawn once it has come, without another change.
    b->SetCaption("<IMG src=\"http://example.org/mark.png\">");
    EXPECT_EQ(picturePixels(), 0);
    ASSERT_EQ(headless().fetchedUrls().size(), 1u);
    drawing::Bitmap fetched(8, 18);
    fetched.fill(CaptionPictures::kPicture);
    headless().completeFetch(0, fetched.pngBytes());
    EXPECT_EQ(picturePixels(), 8 * 18) << "its arrival repaints the button";
    EXPECT_TRUE(sk::test::pixelIs(screen(), b->Left() + 18, b->Top() + 4, CaptionPictures::kPicture));
}

}  // namespace
}  // namespace sk::office::test
