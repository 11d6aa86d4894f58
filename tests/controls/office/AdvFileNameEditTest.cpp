// The file name edit in a headless form: layout of button and text, the browse
// action with scripted dialogs, OnChange only on real change, keys and focus.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "OfficeTestSupport.h"
#include "controls/office/AdvFileNameEdit.h"
#include "drawing/Color.h"
#include "support/PixelAssertions.h"

namespace sk::office::test {
namespace {

using drawing::Point;
using drawing::Rect;

class FileNameEditTest : public OfficeTest {
protected:
    FileNameEditTest() {
        edit = make(22, 37, 339, 24);
        edit->OnChange = [this](ui::Component*) { changes.push_back(edit->Text()); };
        edit->OnClickBtn = [this](ui::Component*) { events.push_back("clickbtn"); };
        edit->OnDialogExit = [this](ui::Component*, bool accepted) {
            events.push_back(accepted ? "exit accepted" : "exit cancelled");
        };
        other = make(22, 100, 200, 24);
        showForm();
    }

    TAdvFileNameEdit* make(int left, int top, int width, int height) {
        auto* e = new TAdvFileNameEdit(&form());
        e->SetParent(&form());
        e->SetBounds(left, top, width, height);
        e->SetButtonWidth(100);
        e->SetButtonCaption("ОБЗОР");
        e->SetDialogTitle("Выбор файла презентации");
        e->Font()->SetName("Tahoma");
        e->Font()->SetHeight(-13);
        e->Font()->SetStyle(ui::fontStyle(ui::fsBold));
        return e;
    }

    Point buttonCentre() const {
        const Rect b = edit->button()->BoundsRect();
        return {edit->Left() + b.left + b.width / 2, edit->Top() + b.top + b.height / 2};
    }

    TAdvFileNameEdit* edit = nullptr;
    TAdvFileNameEdit* other = nullptr;
    std::vector<std::string> changes;
    std::vector<std::string> events;
};

TEST_F(FileNameEditTest, ButtonFillsTheRightEndAndTheTextStopsBeforeIt) {
    // 339 x 24 with the sunken border: client area 335 x 20 at (2, 2).
    EXPECT_EQ(edit->button()->BoundsRect(), (Rect{2 + 235, 2, 100, 20}));
    EXPECT_EQ(edit->textRect(), (Rect{1, 1, 231, 20}));
    EXPECT_EQ(edit->button()->speedButton()->BoundsRect(), (Rect{0, 0, 100, 20}));

    edit->SetWidth(105);
    EXPECT_EQ(edit->button()->BoundsRect(), (Rect{2 + 1, 2, 100, 20}));
    EXPECT_EQ(edit->textRect().width, 0) << "a 105-pixel field shows nothing of its text";

    edit->SetButtonWidth(40);
    EXPECT_EQ(edit->button()->BoundsRect(), (Rect{2 + 61, 2, 40, 20}));
    EXPECT_EQ(edit->textRect(), (Rect{1, 1, 57, 20}));
}

TEST_F(FileNameEditTest, FieldLowerThanItsFontNeedsGrowsToTheMinimum) {
    const int least = edit->minimumHeight();
    EXPECT_GE(least, 16);
    EXPECT_LE(least, 24);
    edit->SetHeight(8);
    EXPECT_EQ(edit->Height(), least);
    EXPECT_EQ(edit->button()->Height(), least - 4);
}

TEST_F(FileNameEditTest, ButtonShowsGlyphLeftOfTheCaption) {
    TAdvSpeedButton* b = edit->button()->speedButton();
    ASSERT_EQ(b->glyphRect().width, 12);
    ASSERT_EQ(b->glyphRect().height, 11);
    EXPECT_EQ(b->captionRect().left, b->glyphRect().right() + 4);
    const int leftSpace = b->glyphRect().left, rightSpace = b->Width() - b->captionRect().right();
    EXPECT_LE(std::abs(leftSpace - rightSpace), 1) << "glyph and caption centred together";
    // The raised frame: white at the top left, dark at the bottom right.
    const Rect r = edit->button()->BoundsRect().translated(edit->Left(), edit->Top());
    EXPECT_TRUE(sk::test::pixelIs(screen(), r.left, r.top, 0xFFFFFFFF, "edit-button"));
    EXPECT_TRUE(sk::test::pixelIs(screen(), r.right() - 1, r.bottom() - 1, drawing::ColorToARGB(255, ui::cl3DDkShadow),
                                  "edit-button"));
    // The folder glyph's magenta stays out; its black outline is drawn.
    const Rect g = b->glyphRect().translated(r.left, r.top);
    EXPECT_TRUE(sk::test::pixelIs(screen(), g.left, g.top, drawing::ColorToARGB(255, ui::clBtnFace), "edit-button"))
        << "magenta left transparent";
    EXPECT_TRUE(sk::test::pixelIs(screen(), g.left, g.top + 3, 0xFF000000, "edit-button"));
}

TEST_F(FileNameEditTest, AcceptedDialogSetsTheTextAndRaisesTheEventsInOrder) {
    headless().acceptNextFileDialog("/home/user/talk.pptx");
    window().click(buttonCentre());
    ASSERT_EQ(headless().fileDialogs().size(), 1u);
    const platform::FileDialogRequest& r = headless().fileDialogs()[0].request;
    EXPECT_EQ(r.kind, platform::FileDialogKind::Open);
    EXPECT_EQ(r.title, "Выбор файла презентации");
    EXPECT_EQ(r.initialFileName, "");
    EXPECT_FALSE(r.fileMustExist);
    EXPECT_EQ(edit->FileName(), "/home/user/talk.pptx");
    EXPECT_EQ(changes, (std::vector<std::string>{"/home/user/talk.pptx"}));
    EXPECT_EQ(events, (std::vector<std::string>{"clickbtn", "exit accepted"}));
    EXPECT_TRUE(edit->Modified());
    EXPECT_TRUE(edit->Focused()) << "the field takes the focus after the action";
}

TEST_F(FileNameEditTest, CancelledDialogChangesNothing) {
    edit->SetFileName("/data/old.ppt");
    changes.clear();
    headless().cancelNextFileDialog();
    window().click(buttonCentre());
    EXPECT_EQ(edit->FileName(), "/data/old.ppt");
    EXPECT_TRUE(changes.empty());
    EXPECT_EQ(events, (std::vector<std::string>{"clickbtn", "exit cancelled"}));
    EXPECT_FALSE(edit->Modified());
}

TEST_F(FileNameEditTest, AcceptingTheSameNameRaisesNoChangeButMarksModified) {
    edit->SetFileName("/data/old.ppt");
    changes.clear();
    headless().acceptNextFileDialog("/data/old.ppt");
    window().click(buttonCentre());
    EXPECT_TRUE(changes.empty());
    EXPECT_EQ(events.back(), "exit accepted");
    EXPECT_TRUE(edit->Modified());
    EXPECT_EQ(headless().fileDialogs()[0].request.initialFileName, "/data/old.ppt");
}

TEST_F(FileNameEditTest, FolderTextOpensTheDialogWithoutTheTrailingSlash) {
    edit->SetFileName("/data/shows/");
    headless().cancelNextFileDialog();
    window().click(buttonCentre());
    EXPECT_EQ(headless().fileDialogs()[0].request.initialFileName, "/data/shows");
}

TEST_F(FileNameEditTest, FilterIndexGoesInAndComesBack) {
    edit->SetFilter("Presentations|*.ppt;*.pptx|All|*.*");
    edit->SetFilterIndex(2);
    headless().acceptNextFileDialog("/data/a.ppt", 1);
    edit->browse();
    EXPECT_EQ(headless().fileDialogs()[0].request.filterIndex, 2);
    EXPECT_EQ(edit->FilterIndex(), 1);
}

TEST_F(FileNameEditTest, SettingTheTextRaisesOnChangeOnlyOnRealChange) {
    edit->SetText("/a");
    edit->SetText("/a");
    edit->SetFileName("/b");
    EXPECT_EQ(changes, (std::vector<std::string>{"/a", "/b"}));
    edit->SetModified(true);
    edit->SetText("/b");
    EXPECT_FALSE(edit->Modified()) << "the modified flag is cleared even when nothing changed";
}

TEST_F(FileNameEditTest, ReleaseAnywhereAfterAPressOnTheButtonBrowses) {
    headless().cancelNextFileDialog();
    window().mouseDown(buttonCentre());
    window().mouseMove({5, 5});
    window().mouseUp({5, 5});
    EXPECT_EQ(headless().fileDialogs().size(), 1u);
    window().click(buttonCentre(), platform::MouseButton::Right);
    EXPECT_EQ(headless().fileDialogs().size(), 1u) << "other mouse buttons do nothing";
}

TEST_F(FileNameEditTest, ReadOnlyOrDisabledFieldDoesNotBrowse) {
    edit->SetReadOnly(true);
    window().click(buttonCentre());
    EXPECT_TRUE(headless().fileDialogs().empty());
    EXPECT_FALSE(edit->button()->speedButton()->buttonEnabled());
    edit->SetReadOnly(false);
    edit->SetEnabled(false);
    edit->browse();  // the action itself still works when asked directly
    EXPECT_EQ(headless().fileDialogs().size(), 1u);
    edit->clickButton();
    EXPECT_EQ(headless().fileDialogs().size(), 1u);
}

TEST_F(FileNameEditTest, F4BrowsesOncePerPressAndCtrlEnterIsAnUpArrow) {
    edit->SetFocus();
    headless().cancelNextFileDialog();
    window().keyDown(platform::vk::F4);
    window().keyUp(platform::vk::F4);
    EXPECT_EQ(headless().fileDialogs().size(), 1u);
    window().keyDown(platform::vk::F4, platform::ModAlt);
    window().keyDown(platform::vk::F4, platform::ModCtrl);
    EXPECT_EQ(headless().fileDialogs().size(), 1u);
    // A release whose press went elsewhere runs the action.
    headless().cancelNextFileDialog();
    window().keyUp(platform::vk::F4);
    EXPECT_EQ(headless().fileDialogs().size(), 2u);

    edit->SetText("abc");
    edit->SetSelStart(3);
    window().keyDown(platform::vk::Return, platform::ModCtrl);
    EXPECT_EQ(edit->Text(), "abc");
}

TEST_F(FileNameEditTest, FocusColorsComeAndGo) {
    edit->SetFocusColor(0x00FFFF);
    edit->SetFocusFontColor(0x0000FF);
    edit->SetFocus();
    EXPECT_EQ(edit->Color(), 0x00FFFFu);
    EXPECT_EQ(edit->Font()->Color(), 0x0000FFu);
    other->SetFocus();
    EXPECT_EQ(edit->Color(), ui::clWindow);
    EXPECT_EQ(edit->Font()->Color(), ui::clWindowText);
}

TEST_F(FileNameEditTest, LockedEditorRefusesTypingButKeepsTheButton) {
    edit->SetText("abc");
    edit->SetEditorEnabled(false);
    edit->SetFocus();
    window().typeText("xyz");
    window().pressKey(platform::vk::Delete);
    window().pressKey(platform::vk::Back);
    EXPECT_EQ(edit->Text(), "abc");
    headless().acceptNextFileDialog("/data/new.ppt");
    window().pressKey(platform::vk::F4);
    EXPECT_EQ(edit->Text(), "/data/new.ppt");
}

}  // namespace
}  // namespace sk::office::test
