// The plain edit: typing, caret and selection keys, mouse selection, the
// clipboard keys, AutoSelect, OnChange, Modified, ReadOnly and the text rectangle.
#include "UiTestSupport.h"
#include "ui/Edit.h"
#include "ui/Label.h"

namespace sk::ui::test {
namespace {

using platform::ModCtrl;
using platform::ModShift;
namespace vk = platform::vk;

class EditTest : public UiTest {
protected:
    EditTest() {
        Form& f = form(300, 100);
        edit = new TEdit(&f);
        edit->SetParent(&f);
        edit->SetBounds(10, 10, 200, 24);
        edit->Font()->SetName("DejaVu Sans");
        edit->Font()->SetHeight(-13);
        edit->OnChange = [this](Component*) { changes.push_back(edit->Text()); };
        other = new TEdit(&f);
        other->SetParent(&f);
        other->SetBounds(10, 50, 200, 24);
        showForm();
        edit->SetFocus();
    }
    TEdit* edit;
    TEdit* other;
    std::vector<std::string> changes;
};

TEST_F(EditTest, TypingInsertsAtTheCaretAndFiresOnChangePerCharacter) {
    window().typeText("abc");
    EXPECT_EQ(edit->Text(), "abc");
    EXPECT_EQ(changes, (std::vector<std::string>{"a", "ab", "abc"}));
    EXPECT_TRUE(edit->Modified());
    window().pressKey(vk::Left);
    window().typeText("X");
    EXPECT_EQ(edit->Text(), "abXc");
    EXPECT_EQ(edit->caretPosition(), 3);
}

TEST_F(EditTest, CyrillicMovesByCharactersNotBytes) {
    window().inputText("Привет");
    EXPECT_EQ(edit->characterCount(), 6);
    EXPECT_EQ(edit->caretPosition(), 6);
    window().pressKey(vk::Left);
    window().pressKey(vk::Back);
    EXPECT_EQ(edit->Text(), "Привт");
    window().pressKey(vk::Home);
    window().pressKey(vk::Delete);
    EXPECT_EQ(edit->Text(), "ривт");
    window().pressKey(vk::End, ModShift);
    EXPECT_EQ(edit->SelText(), "ривт");
}

TEST_F(EditTest, CaretAndSelectionKeys) {
    struct Case {
        int key;
        unsigned mods;
        int caret;
        std::string selected;
    };
    edit->SetText("one two  three");
    const std::vector<Case> cases = {
        {vk::End, 0, 14, ""},
        {vk::Left, ModCtrl, 9, ""},  // start of "three"
        {vk::Left, ModCtrl | ModShift, 4, "two  "},
        {vk::Left, ModCtrl, 0, ""},
        {vk::Right, ModCtrl, 4, ""},  // start of "two"
        {vk::Right, ModShift, 5, "t"},
        {vk::Right, 0, 5, ""},  // collapses to the selection's end
        {vk::Home, ModShift, 0, "one t"},
        {vk::Right, ModShift, 1, "ne t"},
        {vk::End, 0, 14, ""},
    };
    edit->SetSelStart(0);
    for (const Case& c : cases) {
        window().pressKey(c.key, c.mods);
        EXPECT_EQ(edit->caretPosition(), c.caret) << "key " << c.key << " mods " << c.mods;
        EXPECT_EQ(edit->SelText(), c.selected) << "key " << c.key << " mods " << c.mods;
    }
}

TEST_F(EditTest, BackspaceAndDeleteAndWordDeletion) {
    edit->SetText("alpha beta gamma");
    window().pressKey(vk::End);
    window().pressKey(vk::Back, ModCtrl);
    EXPECT_EQ(edit->Text(), "alpha beta ");
    window().pressKey(vk::Home);
    window().pressKey(vk::Delete, ModCtrl);
    EXPECT_EQ(edit->Text(), "beta ");
    window().pressKey(vk::Back);  // at the start: nothing
    EXPECT_EQ(edit->Text(), "beta ");
    window().pressKey(vk::End, ModShift);
    window().pressKey(vk::Delete);
    EXPECT_EQ(edit->Text(), "");
}

TEST_F(EditTest, ClipboardKeys) {
    edit->SetText("copy me");
    window().pressKey('A', ModCtrl);
    window().pressKey('C', ModCtrl);
    EXPECT_EQ(headless().clipboardText(), "copy me");
    window().pressKey(vk::End);
    window().pressKey('V', ModCtrl);
    EXPECT_EQ(edit->Text(), "copy mecopy me");
    window().pressKey(vk::Home);
    window().pressKey(vk::Right, ModShift);
    window().pressKey('X', ModCtrl);
    EXPECT_EQ(edit->Text(), "opy mecopy me");
    EXPECT_EQ(headless().clipboardText(), "c");
    headless().setClipboardText("line\r\nbreak");
    window().pressKey(vk::Insert, ModShift);
    EXPECT_EQ(edit->Text(), "linebreakopy mecopy me");  // one line only
}

TEST_F(EditTest, ReadOnlyTextCanBeSelectedAndCopiedButNotChanged) {
    edit->SetText("product line");
    edit->SetReadOnly(true);
    changes.clear();
    window().pressKey('A', ModCtrl);
    window().typeText("x");
    window().pressKey(vk::Back);
    window().pressKey('X', ModCtrl);
    window().pressKey('V', ModCtrl);
    EXPECT_EQ(edit->Text(), "product line");
    EXPECT_TRUE(changes.empty());
    EXPECT_EQ(headless().clipboardText(), "product line");
}

TEST_F(EditTest, AutoSelectOnKeyboardFocusButNotOnClick) {
    edit->SetText("keep");
    other->SetText("other text");
    window().pressKey(vk::Tab);
    EXPECT_EQ(form().ActiveControl(), other);
    EXPECT_EQ(other->SelText(), "other text");
    window().pressKey(vk::Tab);
    EXPECT_EQ(edit->SelText(), "keep");
    // A click puts the caret where it lands instead.
    window().click(other->toForm({other->caretX() + 100, 12}));
    EXPECT_EQ(form().ActiveControl(), other);
    EXPECT_EQ(other->SelLength(), 0);
    EXPECT_EQ(other->caretPosition(), other->characterCount());
    other->SetAutoSelect(false);
    window().pressKey(vk::Tab);
    window().pressKey(vk::Tab);
    EXPECT_EQ(other->SelLength(), 0);
}

TEST_F(EditTest, MouseSelectsByDraggingAndWordsByDoubleClick) {
    edit->SetText("hello wide world");
    const drawing::Point start = edit->toForm({edit->borderWidth() + edit->textRect().left, 12});
    // Drag from the left end to far right: everything.
    window().drag(start, {start.x + 400, start.y});
    EXPECT_EQ(edit->SelText(), "hello wide world");
    // Double click inside "wide" selects the word and the blank after it.
    edit->SetSelStart(7);
    const drawing::Point inWide = edit->toForm({edit->caretX(), 12});
    headless().advanceClock(1000);
    window().doubleClick(inWide);
    EXPECT_EQ(edit->SelText(), "wide ");
}

TEST_F(EditTest, SetTextClearsModifiedAndFiresOnlyOnRealChange) {
    window().typeText("a");
    EXPECT_TRUE(edit->Modified());
    changes.clear();
    edit->SetText("a");
    EXPECT_TRUE(changes.empty());
    EXPECT_FALSE(edit->Modified());
    edit->SetText("b");
    EXPECT_EQ(changes, (std::vector<std::string>{"b"}));
    EXPECT_EQ(edit->caretPosition(), 0);
}

TEST_F(EditTest, MaxLengthLimitsTypingAndPasting) {
    edit->SetMaxLength(3);
    window().typeText("abcd");
    EXPECT_EQ(edit->Text(), "abc");
    EXPECT_EQ(headless().beepCount(), 1);
}

TEST_F(EditTest, TextRectangleKeepsTextOutOfReservedRoom) {
    edit->SetText("WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW");
    const drawing::Rect client = edit->editClientRect();
    edit->setTextRect({1, 1, client.width - 100 - 3 - 1, client.height});
    form().paintArea({0, 0, 300, 100});
    // The reserved right part stays in the edit's colour: no text there.
    const drawing::Point reserved = edit->toForm({edit->Width() - 50, 12});
    EXPECT_EQ(pixel(reserved.x, reserved.y), 0xFFFFFFFFu);
    // and the text area has text.
    bool inked = false;
    for (int x = 5; x < 60; ++x)
        for (int y = 4; y < 20; ++y)
            if (pixel(edit->toForm({x, y}).x, edit->toForm({x, y}).y) != 0xFFFFFFFFu) inked = true;
    EXPECT_TRUE(inked);
    // The caret at the end scrolls the text so that the caret stays inside the rectangle.
    window().pressKey(vk::End);
    EXPECT_LE(edit->caretX(), edit->borderWidth() + edit->textRect().right());
}

TEST_F(EditTest, SunkenBorderIsDrawn) {
    form().paintArea({0, 0, 300, 100});
    const drawing::Point topLeft = edit->toForm({0, 0});
    const drawing::Point bottomRight = edit->toForm({edit->Width() - 1, edit->Height() - 1});
    EXPECT_EQ(pixel(topLeft.x, topLeft.y), drawing::ColorToARGB(255, clBtnShadow));
    EXPECT_EQ(pixel(bottomRight.x, bottomRight.y), drawing::ColorToARGB(255, clBtnHighlight));
}

}  // namespace
}  // namespace sk::ui::test
