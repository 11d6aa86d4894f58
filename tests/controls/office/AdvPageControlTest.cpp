// The page control's behaviour: page events and their order, the active page
// from code, TabEnable, TabVisible and PageIndex rules, keyboard changes,
// focus, tab sizes and failing show handlers.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "controls/office/AdvPageControl.h"
#include "drawing/Canvas.h"
#include "platform/headless/HeadlessPlatform.h"
#include "ui/Application.h"
#include "ui/Edit.h"
#include "ui/Form.h"

namespace sk::office {
namespace {

using platform::ModCtrl;
using platform::ModShift;
namespace vk = platform::vk;

class PageControlTest : public ::testing::Test {
protected:
    PageControlTest() {
        platform::setCurrentPlatform(&m_platform);
        ui::Application::instance().SetTitle("Pages");
        m_form = std::make_unique<ui::Form>();
        m_form->SetBounds(0, 0, 400, 300);
        ui::Application::instance().SetMainForm(m_form.get());
        pages = new TAdvPageControl(m_form.get());
        pages->SetParent(m_form.get());
        pages->SetBounds(0, 0, 400, 300);
        pages->SetTabHeight(24);
        for (const char* caption : {"First", "Second", "Third"}) {
            auto* page = new TAdvTabSheet(m_form.get());
            page->SetCaption(caption);
            page->SetPageControl(pages);
            page->OnShow = [this, caption](ui::Component*) { log.push_back(std::string("show ") + caption); };
            page->OnHide = [this, caption](ui::Component*) { log.push_back(std::string("hide ") + caption); };
            sheets.push_back(page);
        }
        pages->SetActivePage(sheets[0]);
        pages->OnCanChange = [this](ui::Component*, int from, int to, bool& allow) {
            log.push_back("canchange " + std::to_string(from) + ">" + std::to_string(to));
            allow = allowCanChange;
        };
        pages->OnChanging = [this](ui::Component*, bool& allow) {
            log.push_back("changing");
            allow = allowChanging;
        };
        pages->OnChange = [this](ui::Component*) { log.push_back("change"); };
    }
    ~PageControlTest() override {
        m_form.reset();
        platform::setCurrentPlatform(nullptr);
    }

    void show() {
        m_form->show();
        ui::Application::instance().paintPending();
        log.clear();
    }
    platform::HeadlessWindow& window() { return *m_platform.mainWindow(); }
    void clickTab(int tab) {
        const drawing::Rect r = pages->tabRect(tab);
        window().click({r.left + r.width / 2, r.top + r.height / 2});
    }

    platform::HeadlessPlatform m_platform;
    std::unique_ptr<ui::Form> m_form;
    TAdvPageControl* pages = nullptr;
    std::vector<TAdvTabSheet*> sheets;
    std::vector<std::string> log;
    bool allowCanChange = true;
    bool allowChanging = true;
};

using Log = std::vector<std::string>;

TEST_F(PageControlTest, FirstPageShowsWhenTheWindowIsShown) {
    EXPECT_TRUE(log.empty());  // activated before the window was on screen
    m_form->show();
    EXPECT_EQ(log, (Log{"show First"}));
    EXPECT_TRUE(sheets[0]->Visible());
    EXPECT_FALSE(sheets[1]->Visible());
    EXPECT_EQ(sheets[0]->BoundsRect(), pages->pageRect());
}

TEST_F(PageControlTest, ClickOnATabFiresTheEventsInOrder) {
    show();
    clickTab(1);
    EXPECT_EQ(log, (Log{"canchange 0>1", "changing", "show Second", "hide First", "change"}));
    EXPECT_EQ(pages->ActivePage(), sheets[1]);
    EXPECT_TRUE(sheets[1]->Visible());
    EXPECT_FALSE(sheets[0]->Visible());
}

TEST_F(PageControlTest, ClickOnTheActiveTabFiresNothing) {
    show();
    clickTab(0);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(pages->ActivePage(), sheets[0]);
}

TEST_F(PageControlTest, CanChangeAndChangingMayRefuse) {
    show();
    allowCanChange = false;
    clickTab(2);
    EXPECT_EQ(log, (Log{"canchange 0>2"}));
    EXPECT_EQ(pages->ActivePage(), sheets[0]);

    log.clear();
    allowCanChange = true;
    allowChanging = false;
    clickTab(2);
    EXPECT_EQ(log, (Log{"canchange 0>2", "changing"}));
    EXPECT_EQ(pages->ActivePage(), sheets[0]);
}

TEST_F(PageControlTest, ActivePageFromCodeShowsAndHidesWithoutOnChange) {
    show();
    pages->SetActivePage(sheets[2]);
    EXPECT_EQ(log, (Log{"show Third", "hide First"}));
    EXPECT_EQ(pages->ActivePage(), sheets[2]);

    log.clear();
    pages->SetActivePage(sheets[2]);  // already active: the tab is only selected again
    pages->SetActivePage(nullptr);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(pages->ActivePage(), sheets[2]);
}

TEST_F(PageControlTest, ActivePageIgnoresPagesOfOtherControls) {
    show();
    auto* other = new TAdvPageControl(m_form.get());
    other->SetParent(m_form.get());
    auto* stranger = new TAdvTabSheet(m_form.get());
    stranger->SetPageControl(other);
    pages->SetActivePage(stranger);
    EXPECT_EQ(pages->ActivePage(), sheets[0]);
    EXPECT_TRUE(log.empty());
}

TEST_F(PageControlTest, DisablingTheActiveTabRaisesAndKeepsIt) {
    show();
    try {
        sheets[0]->SetTabEnable(false);
        FAIL() << "no error";
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "Can not disable active tab.");
    }
    EXPECT_TRUE(sheets[0]->TabEnable());
    EXPECT_NO_THROW(sheets[0]->SetTabEnable(true));
}

TEST_F(PageControlTest, ADisabledTabCannotBecomeActive) {
    show();
    sheets[1]->SetTabEnable(false);
    pages->SetActivePage(sheets[1]);
    clickTab(1);
    EXPECT_EQ(pages->ActivePage(), sheets[0]);
    EXPECT_TRUE(log.empty());
    // Ctrl+Tab passes over it.
    pages->SelectNextPage(true);
    EXPECT_EQ(pages->ActivePage(), sheets[2]);
}

TEST_F(PageControlTest, HidingTheActiveTabActivatesTheTabInItsPlace) {
    show();
    sheets[0]->SetTabVisible(false);
    EXPECT_EQ(pages->tabCount(), 2);
    EXPECT_EQ(pages->ActivePage(), sheets[1]);
    EXPECT_EQ(log, (Log{"show Second", "hide First"}));
    EXPECT_EQ(sheets[0]->TabIndex(), -1);
    EXPECT_EQ(sheets[0]->PageIndex(), 0);  // keeps its place in the page list

    // The last tab's place goes to the one before it.
    pages->SetActivePage(sheets[2]);
    sheets[2]->SetTabVisible(false);
    EXPECT_EQ(pages->ActivePage(), sheets[1]);

    // Tabs come back at the position that follows from the page order.
    sheets[0]->SetTabVisible(true);
    EXPECT_EQ(pages->tabPage(0), sheets[0]);
    EXPECT_EQ(pages->tabPage(1), sheets[1]);
}

TEST_F(PageControlTest, PageIndexMovesPagesAndRejectsBadValues) {
    sheets[2]->SetPageIndex(0);
    EXPECT_EQ(pages->Pages(0), sheets[2]);
    EXPECT_EQ(pages->tabPage(0), sheets[2]);
    EXPECT_EQ(sheets[0]->PageIndex(), 1);
    for (int bad : {3, 7, -1}) {
        try {
            sheets[0]->SetPageIndex(bad);
            ADD_FAILURE() << bad;
        } catch (const std::exception& e) {
            EXPECT_EQ(std::string(e.what()), std::to_string(bad) +
                                                 " is an invalid PageIndex value.  PageIndex must be between 0 and 2");
        }
    }
    EXPECT_EQ(sheets[0]->PageIndex(), 1);
}

TEST_F(PageControlTest, CtrlTabCyclesThroughThePagesBothWays) {
    show();
    pages->SetFocus();
    log.clear();
    window().pressKey(vk::Tab, ModCtrl);
    EXPECT_EQ(pages->ActivePage(), sheets[1]);
    EXPECT_EQ(log, (Log{"canchange 0>1", "changing", "show Second", "hide First", "change"}));
    window().pressKey(vk::Tab, ModCtrl);
    window().pressKey(vk::Tab, ModCtrl);
    EXPECT_EQ(pages->ActivePage(), sheets[0]);  // wrapped round
    window().pressKey(vk::Tab, ModCtrl | ModShift);
    EXPECT_EQ(pages->ActivePage(), sheets[2]);  // and back
}

TEST_F(PageControlTest, CtrlTabBelongsToThePageControlHoldingTheFocus) {
    show();
    auto* outside = new ui::TEdit(m_form.get());
    outside->SetParent(m_form.get());
    outside->SetBounds(0, 0, 50, 20);
    outside->SetFocus();
    ASSERT_TRUE(outside->Focused());
    window().pressKey(vk::Tab, ModCtrl);
    EXPECT_EQ(pages->ActivePage(), sheets[0]);
}

TEST_F(PageControlTest, MnemonicSelectsItsPage) {
    sheets[2]->SetCaption("&Third");
    show();
    window().pressKey('T', platform::ModAlt);
    EXPECT_EQ(pages->ActivePage(), sheets[2]);
    EXPECT_EQ(log.front(), "canchange 0>2");
}

TEST_F(PageControlTest, FocusMovesIntoTheNewPage) {
    auto* first = new ui::TEdit(m_form.get());
    first->SetParent(sheets[0]);
    first->SetTabStop(true);
    auto* second = new ui::TEdit(m_form.get());
    second->SetParent(sheets[1]);
    second->SetTabStop(true);
    show();
    first->SetFocus();
    ASSERT_TRUE(first->Focused());
    window().pressKey(vk::Tab, ModCtrl);
    EXPECT_EQ(pages->ActivePage(), sheets[1]);
    EXPECT_TRUE(second->Focused());
}

TEST_F(PageControlTest, FailingShowHandlerIsReportedAndThePageShownAllTheSame) {
    show();
    sheets[1]->OnShow = [](ui::Component*) { throw std::runtime_error("No viewer folder"); };
    clickTab(1);
    ASSERT_EQ(m_platform.messageBoxes().size(), 1u);
    EXPECT_EQ(m_platform.messageBoxes()[0].caption, "Pages");
    EXPECT_EQ(m_platform.messageBoxes()[0].text, "No viewer folder.");
    EXPECT_EQ(pages->ActivePage(), sheets[1]);
    EXPECT_TRUE(sheets[1]->Visible());
    EXPECT_EQ(log, (Log{"canchange 0>1", "changing", "hide First", "change"}));
}

TEST_F(PageControlTest, CloseButtonClosesThePageAndActivatesTheNext) {
    sheets[0]->SetShowClose(true);
    sheets[0]->OnCanClose = [this](ui::Component*, bool& canClose) {
        log.push_back("canclose");
        canClose = true;
    };
    sheets[0]->OnClose = [this](ui::Component*) { log.push_back("close"); };
    show();
    const drawing::Rect button = pages->closeButtonRect(0);
    ASSERT_FALSE(button.empty());
    EXPECT_TRUE(pages->tabRect(0).contains(button.topLeft()));
    window().click(button.center());
    EXPECT_EQ(log, (Log{"canclose", "close", "show Second", "hide First", "change"}));
    EXPECT_EQ(pages->ActivePage(), sheets[1]);
    EXPECT_EQ(pages->PageCount(), 2);
    ASSERT_EQ(pages->closedPages().size(), 1u);  // FreeOnClose is false: kept aside
    EXPECT_EQ(pages->closedPages()[0], sheets[0]);
    EXPECT_EQ(sheets[0]->PageControl(), nullptr);
}

TEST_F(PageControlTest, FreeOnCloseFreesTheClosedPage) {
    pages->SetFreeOnClose(true);
    sheets[2]->SetShowClose(true);
    pages->SetActivePage(sheets[2]);
    show();
    bool refuse = true;
    sheets[2]->OnCanClose = [&refuse](ui::Component*, bool& canClose) { canClose = !refuse; };
    window().click(pages->closeButtonRect(2).center());
    EXPECT_EQ(pages->PageCount(), 3);  // refused
    refuse = false;
    window().click(pages->closeButtonRect(2).center());
    EXPECT_EQ(pages->PageCount(), 2);
    EXPECT_EQ(pages->ActivePage(), sheets[0]);  // the next tab, wrapping round
    EXPECT_TRUE(pages->closedPages().empty());
}

// ---- Tab sizes ------------------------------------------------------------------------------

int widthIn(const ui::TFont& font, const std::string& text) {
    drawing::Bitmap scratch(1, 1);
    drawing::Canvas c(scratch);
    c.font().name = font.Name();
    c.font().height = font.Height();
    c.font().bold = font.hasStyle(ui::fsBold);
    c.font().italic = font.hasStyle(ui::fsItalic);
    return c.textWidth(text);
}

TEST_F(PageControlTest, TabsAreSizedForTheCaptionWithoutItsLastTwoCharacters) {
    sheets[0]->SetCaption("Установки");
    sheets[1]->SetCaption("ab");
    pages->TabMargin()->SetLeftMargin(24);
    pages->TabMargin()->SetRightMargin(120);
    pages->ActiveFont()->assign(*pages->Font());  // no padding for the active tab here
    EXPECT_EQ(pages->tabSizingText(0), "Установ");
    EXPECT_EQ(pages->tabSizingText(1), "");
    const int padding = 2 * TabStripLayout::kTabPadding;
    EXPECT_EQ(pages->tabRect(0).width, padding + 144 + widthIn(*pages->Font(), "Установ"));
    EXPECT_EQ(pages->tabRect(1).width, padding + 144);  // the image area alone
}

TEST_F(PageControlTest, ActiveTabIsPaddedForABolderActiveFont) {
    pages->Font()->SetName("DejaVu Sans");
    pages->Font()->SetHeight(-16);
    pages->ActiveFont()->assign(*pages->Font());
    pages->ActiveFont()->SetColor(ui::clRed);
    EXPECT_EQ(pages->tabSizingText(0), "Fir");  // colour alone adds nothing

    pages->ActiveFont()->SetStyle(ui::fontStyle(ui::fsBold));
    const std::string padded = pages->tabSizingText(0);
    ASSERT_GT(padded.size(), 3u);
    EXPECT_EQ(padded.substr(0, 3), "Fir");
    EXPECT_EQ(padded.find_first_not_of(' ', 3), std::string::npos);
    const int difference = widthIn(*pages->ActiveFont(), "Fir") - widthIn(*pages->Font(), "Fir");
    const std::string blanks = padded.substr(3);
    EXPECT_GE(widthIn(*pages->Font(), blanks), difference);
    EXPECT_LT(widthIn(*pages->Font(), blanks.substr(1)), difference);
    EXPECT_EQ(pages->tabSizingText(1), "Seco");  // only the active tab is padded
}

TEST_F(PageControlTest, NarrowControlWrapsTabsIntoRowsWithTheActiveRowAtThePage) {
    pages->TabMargin()->SetRightMargin(120);
    pages->SetMultiLine(true);
    pages->SetScrollOpposite(true);
    pages->SetWidth(300);
    ASSERT_GT(pages->tabRowCount(), 1);
    pages->SetActivePage(sheets[2]);
    EXPECT_EQ(pages->tabRect(2).bottom(), pages->stripBottom());
    EXPECT_EQ(sheets[2]->BoundsRect(), pages->pageRect());
    EXPECT_EQ(pages->pageRect().top, pages->stripBottom() + 4);
}

}  // namespace
}  // namespace sk::office

namespace sk::office {
namespace {

TEST(SteppedGradient, BandsStepFromStartTowardsEndRoundingHalvesToEven) {
    // Red channel 0 -> 255, blue 200 -> 100, in 16 bands (window colours 0x00BBGGRR).
    const ui::TColor from = drawing::RGB(0, 10, 200), to = drawing::RGB(255, 10, 100);
    EXPECT_EQ(steppedGradientColor(from, to, 0, 16), from);
    EXPECT_EQ(steppedGradientColor(from, to, 8, 16), drawing::RGB(128, 10, 150));  // 127.5 -> 128
    EXPECT_EQ(steppedGradientColor(from, to, 15, 16), drawing::RGB(239, 10, 106));  // 239.06, 106.25
    EXPECT_EQ(steppedGradientColor(ui::clBtnFace, ui::clBtnFace, 5, 16), drawing::ColorToRGB(ui::clBtnFace));
}

}  // namespace
}  // namespace sk::office
