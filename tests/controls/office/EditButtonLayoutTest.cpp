// The built-in button's bounds, the text rectangle and the minimum height, and
// the dialog request of the file name edit.
#include <gtest/gtest.h>

#include "controls/office/EditButtonLayout.h"
#include "controls/office/FileNameDialog.h"

namespace sk::office {
namespace {

using drawing::Rect;
using drawing::Size;

struct LayoutCase {
    const char* name;
    EditButtonFrame frame;
    Rect button;
    Rect text;
};

class EditButtonLayoutCases : public testing::TestWithParam<LayoutCase> {};

TEST_P(EditButtonLayoutCases, ButtonAndTextRectangles) {
    const LayoutCase& c = GetParam();
    EXPECT_EQ(editButtonBounds(c.frame), c.button);
    EXPECT_EQ(editTextRect(c.frame), c.text);
    EXPECT_LE(editTextRect(c.frame).right(), std::max(editButtonBounds(c.frame).left, editTextRect(c.frame).left))
        << "the text never reaches under the button";
}

INSTANTIATE_TEST_SUITE_P(
    Frames, EditButtonLayoutCases,
    testing::Values(
        // The source field of the compilation page: the button fills the right
        // 100 pixels of the 335 x 20 client area.
        LayoutCase{"SourceField", {{339, 24}, {335, 20}, 100}, {235, 0, 100, 20}, {1, 1, 231, 20}},
        // The output browse field: 105 wide, nothing of the text shows.
        LayoutCase{"OutputBrowse", {{105, 24}, {101, 20}, 100}, {1, 0, 100, 20}, {1, 1, 0, 20}},
        LayoutCase{"Flat", {{200, 21}, {196, 17}, 18, true}, {179, 2, 18, 18}, {1, 1, 174, 17}},
        LayoutCase{"NoBorder", {{200, 21}, {200, 21}, 18, false, false}, {181, 0, 18, 20}, {2, 4, 177, 18}},
        LayoutCase{"NotThreeD", {{200, 21}, {198, 19}, 18, false, true, false}, {180, 1, 18, 19}, {2, 1, 175, 19}},
        LayoutCase{"OldStyle", {{200, 21}, {196, 17}, 18, false, true, true, false}, {182, 1, 18, 19},
                   {1, 1, 174, 17}}),
    [](const testing::TestParamInfo<LayoutCase>& param) { return std::string(param.param.name); });

TEST(EditButtonLayout, MinimumHeightAddsAQuarterOfTheSmallerTextHeight) {
    EXPECT_EQ(editMinimumHeight(16, 16), 20);
    EXPECT_EQ(editMinimumHeight(30, 16), 34);
    EXPECT_EQ(editMinimumHeight(11, 16), 13);
}

TEST(FileNameDialog, InitialNameLosesOneTrailingSeparator) {
    EXPECT_EQ(initialDialogName("/home/user/data/"), "/home/user/data");
    EXPECT_EQ(initialDialogName("/home/user/talk.ppt"), "/home/user/talk.ppt");
    EXPECT_EQ(initialDialogName("/"), "/");
    EXPECT_EQ(initialDialogName(""), "");
}

TEST(FileNameDialog, RequestCarriesTheEditsSettings) {
    FileNameDialogSettings s;
    s.title = "Выбор файла презентации";
    s.filter = "exe";
    s.filterIndex = 0;
    s.defaultExt = "ppt";
    s.initialDir = "/tmp";
    const platform::FileDialogRequest r = fileDialogRequest(s, "/home/user/presentation.exe");
    EXPECT_EQ(r.kind, platform::FileDialogKind::Open);
    EXPECT_EQ(r.title, "Выбор файла презентации");
    EXPECT_EQ(r.initialFileName, "/home/user/presentation.exe");
    EXPECT_EQ(r.initialFolder, "/tmp");
    EXPECT_EQ(r.filter, "exe");
    EXPECT_EQ(r.filterIndex, 0);
    EXPECT_EQ(r.defaultExtension, "ppt");
    EXPECT_FALSE(r.fileMustExist) << "the empty option set asks for no existing file";
    EXPECT_FALSE(r.overwritePrompt);
}

TEST(FileNameDialog, KindsAndOptions) {
    FileNameDialogSettings s;
    s.kind = fdSave;
    s.options = ofOverwritePrompt | ofFileMustExist;
    platform::FileDialogRequest r = fileDialogRequest(s, "");
    EXPECT_EQ(r.kind, platform::FileDialogKind::Save);
    EXPECT_TRUE(r.overwritePrompt);
    EXPECT_TRUE(r.fileMustExist);
    s.kind = fdOpenPicture;
    r = fileDialogRequest(s, "");
    EXPECT_EQ(r.kind, platform::FileDialogKind::Open);
    EXPECT_NE(r.filter.find("*.png"), std::string::npos);
    s.filter = "Text|*.txt";
    EXPECT_EQ(fileDialogRequest(s, "").filter, "Text|*.txt") << "the edit's own filter wins";
}

}  // namespace
}  // namespace sk::office
