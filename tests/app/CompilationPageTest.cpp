// The compilation page of the real main window, headless: its controls as the
// description makes them, the output browse, and whole compiles through the
// window with fake outside tools in a temporary program folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/ProgramStart.h"
#include "support/FakeTools.h"
#include "builder/FileStaging.h"
#include "support/ScratchFolder.h"
#include "support/WaitingLauncher.h"
#include "drawing/Color.h"
#include "platform/headless/HeadlessPlatform.h"
#include "ui/Application.h"

namespace sk::app {
namespace {

using drawing::Point;
using test::FakeTools;
using test::ScratchFolder;
using test::ScopedEnvironment;
using test::WaitingLauncher;

class CompilationPageTest : public testing::Test {
protected:
    CompilationPageTest()
        : m_tmpdir("TMPDIR", m_scratch.path()),
          m_home("HOME", m_scratch.path() + "home"),
          m_programFolder(m_scratch / "program folder/"),
          m_tools((std::filesystem::create_directories(m_programFolder), m_programFolder)),
          m_launcher(m_programFolder) {
        platform::setCurrentPlatform(&m_platform);
        form = createMainWindow();
        page = &form->compilationPage();
        page->setBuildTools(m_programFolder, &m_launcher);
        form->show();
        ui::Application::instance().paintPending();
    }
    ~CompilationPageTest() override {
        form.reset();
        platform::setCurrentPlatform(nullptr);
    }

    platform::HeadlessWindow& window() { return *static_cast<platform::HeadlessWindow*>(form->nativeWindow()); }
    void showCompilationPage() {
        form->AdvPageControl1->SetActivePage(form->AdvTabSheet2);
        ui::Application::instance().paintPending();
    }
    // The centre of a control in window coordinates.
    static Point centreOf(const ui::Control& control) {
        const drawing::Rect r = control.formRect();
        return {r.left + r.width / 2, r.top + r.height / 2};
    }
    Point browseButtonOf(const office::TAdvFileNameEdit& edit) { return centreOf(*edit.button()); }
    std::string source(const std::string& name, const std::string& content) {
        const std::string path = m_scratch / name;
        test::writeFile(path, content);
        return path;
    }
    std::string staging() const { return builder::FileStaging::temporaryDirectory(); }

    ScratchFolder m_scratch;
    ScopedEnvironment m_tmpdir;
    ScopedEnvironment m_home;
    std::string m_programFolder;
    FakeTools m_tools;
    WaitingLauncher m_launcher;
    platform::HeadlessPlatform m_platform;
    std::unique_ptr<TForm1> form;
    CompilationPage* page = nullptr;
};

TEST_F(CompilationPageTest, ControlsComeFromTheDescriptionInCreationAndTabOrder) {
    ui::WinControl& sheet = *form->AdvTabSheet2;
    std::vector<std::string> names;
    for (ui::Control* c : sheet.children()) names.push_back(c->Name());
    const std::vector<std::string> expected = {"Label1", "Image1", "Image2", "Image4", "Image3", "Label2", "Label3",
                                               "Edit1", "AdvFileNameEdit1", "AdvGlowButton3", "AdvFileNameEdit2"};
    std::vector<std::string> ours;
    for (const std::string& n : names)
        if (std::find(expected.begin(), expected.end(), n) != expected.end()) ours.push_back(n);
    EXPECT_EQ(ours, expected);

    EXPECT_EQ(page->AdvFileNameEdit1->TabOrder(), 0);
    EXPECT_EQ(page->AdvGlowButton3->TabOrder(), 1);
    EXPECT_EQ(page->AdvFileNameEdit2->TabOrder(), 2);
    EXPECT_FALSE(page->AdvGlowButton3->TabStop());
    EXPECT_EQ(page->AdvFileNameEdit1->BoundsRect(), (drawing::Rect{22, 337, 339, 24}));
    EXPECT_EQ(page->AdvGlowButton3->BoundsRect(), (drawing::Rect{280, 384, 153, 33}));
    EXPECT_EQ(page->AdvFileNameEdit2->BoundsRect(), (drawing::Rect{632, 335, 105, 24}));
    EXPECT_EQ(page->AdvFileNameEdit2->ButtonWidth(), 100);
    EXPECT_EQ(page->AdvFileNameEdit2->Filter(), "exe");
    EXPECT_EQ(page->AdvFileNameEdit1->DialogTitle(), "Выбор файла презентации");
    EXPECT_EQ(page->AdvGlowButton3->Caption(), "КОМПИЛИРОВАТЬ");
    EXPECT_EQ(page->AdvGlowButton3->Appearance()->ColorHotTo(), drawing::clNavy);
    EXPECT_EQ(page->AdvGlowButton3->Appearance()->GradientDown(), office::ggDiagonalBackward);
    EXPECT_EQ(page->AdvGlowButton3->captionFace(), "Tahoma");
    EXPECT_EQ(page->Image1->Picture()->width(), 64);
    EXPECT_EQ(page->Image1->Picture()->height(), 75);
}

TEST_F(CompilationPageTest, OutputPathStartsInTheHomeFolder) {
    const std::string expected = m_scratch.path() + "home/presentation.exe";
    EXPECT_EQ(page->Edit1->Text(), expected);
    EXPECT_EQ(page->AdvFileNameEdit2->FileName(), expected);
    EXPECT_EQ(CompilationPage::localPath("C:\\Shows\\talk.exe"), m_scratch.path() + "home/Shows/talk.exe");
    EXPECT_EQ(CompilationPage::localPath("/already/local"), "/already/local");
}

TEST_F(CompilationPageTest, OutputBrowseAppendsExeAlways) {
    showCompilationPage();
    m_platform.acceptNextFileDialog("/data/out/show");
    window().click(browseButtonOf(*page->AdvFileNameEdit2));
    EXPECT_EQ(page->Edit1->Text(), "/data/out/show.exe");
    ASSERT_EQ(m_platform.fileDialogs().size(), 1u);
    EXPECT_EQ(m_platform.fileDialogs()[0].request.filter, "exe");

    m_platform.acceptNextFileDialog("/data/out/show.exe");
    window().click(browseButtonOf(*page->AdvFileNameEdit2));
    EXPECT_EQ(page->Edit1->Text(), "/data/out/show.exe.exe");
}

TEST_F(CompilationPageTest, SameNameOrCancelKeepsTheOutputPath) {
    showCompilationPage();
    page->Edit1->SetText("/typed/by/hand.exe");
    m_platform.acceptNextFileDialog(page->AdvFileNameEdit2->FileName());
    window().click(browseButtonOf(*page->AdvFileNameEdit2));
    EXPECT_EQ(page->Edit1->Text(), "/typed/by/hand.exe");
    m_platform.cancelNextFileDialog();
    window().click(browseButtonOf(*page->AdvFileNameEdit2));
    EXPECT_EQ(page->Edit1->Text(), "/typed/by/hand.exe");
}

TEST_F(CompilationPageTest, CompileThroughTheWindowRunsTheArchiver) {
    showCompilationPage();
    const std::string talk = source("talk.ppt", "slides of the talk");
    m_platform.acceptNextFileDialog(talk);
    window().click(browseButtonOf(*page->AdvFileNameEdit1));
    ASSERT_EQ(page->AdvFileNameEdit1->FileName(), talk);
    m_platform.acceptNextFileDialog("/data/out/talk");
    window().click(browseButtonOf(*page->AdvFileNameEdit2));

    window().click(centreOf(*page->AdvGlowButton3));
    EXPECT_TRUE(m_platform.messageBoxes().empty());
    const std::vector<std::string> args = m_tools.archiverArguments();
    ASSERT_EQ(args.size(), 7u);
    EXPECT_EQ(args[1], "a");
    EXPECT_EQ(args[2], "-sfx7zs.sfx");
    EXPECT_EQ(args[3], "/data/out/talk.exe");
    EXPECT_EQ(args[4], m_programFolder + "ppt2003/*.*");
    EXPECT_EQ(args[5], staging() + "view.ppt");
    EXPECT_EQ(args[6], "-mx4");
    EXPECT_EQ(m_tools.archiverSawStaged(), "slides of the talk");
}

TEST_F(CompilationPageTest, EmptySourceShowsTheMessageOnce) {
    showCompilationPage();
    test::writeFile(staging() + "view.ppt", "old");
    window().click(centreOf(*page->AdvGlowButton3));
    ASSERT_EQ(m_platform.messageBoxes().size(), 1u);
    EXPECT_EQ(m_platform.messageBoxes()[0].text, "Не выбран исходный файл презентации!");
    EXPECT_EQ(m_platform.messageBoxes()[0].caption, "Slidekiln 3.1");
    EXPECT_FALSE(std::filesystem::exists(staging() + "view.ppt")) << "the clean-up ran first";
    EXPECT_TRUE(m_tools.archiverArguments().empty());
}

TEST_F(CompilationPageTest, MissingSourceShowsTheCopyErrorInTheErrorBox) {
    showCompilationPage();
    const std::string missing = m_scratch / "gone.ppt";
    page->AdvFileNameEdit1->SetFileName(missing);
    window().click(centreOf(*page->AdvGlowButton3));
    ASSERT_EQ(m_platform.messageBoxes().size(), 1u);
    EXPECT_EQ(m_platform.messageBoxes()[0].text, "Cannot open file " + missing + ".");
    EXPECT_EQ(m_platform.messageBoxes()[0].caption, "Slidekiln 3.1");
    EXPECT_TRUE(m_tools.archiverArguments().empty());
}

TEST_F(CompilationPageTest, RequestReadsTheWindowAtThePress) {
    page->AdvFileNameEdit1->SetFileName("/a/b.pptx");
    page->Edit1->SetText("/out/x.exe");
    const builder::BuildRequest r = page->buildRequest();
    EXPECT_EQ(r.sourcePath, "/a/b.pptx");
    EXPECT_EQ(r.outputPath, "/out/x.exe");
    EXPECT_EQ(r.package, builder::PackageKind::Package2003);
    EXPECT_EQ(r.level, 4);
}

TEST_F(CompilationPageTest, CompileButtonFaceInTheWindowNormalHotAndDown) {
    showCompilationPage();
    const drawing::Rect r = page->AdvGlowButton3->formRect();
    const drawing::Bitmap& screen = form->backBuffer();
    auto at = [&](int x, int y) { return screen.pixel(r.left + x, r.top + y); };
    const std::uint32_t pageColour = drawing::ColorToARGB(255, TForm1::kWindowColor);
    // Normal: white upper part (rows 0..16), the mirror part from row 17 on, the
    // corners showing the page.
    EXPECT_EQ(at(6, 16), 0xFFFFFFFFu);
    EXPECT_NE(at(6, 17), 0xFFFFFFFFu);
    EXPECT_EQ(at(0, 0), pageColour);
    EXPECT_EQ(at(r.width - 1, r.height - 1), pageColour);

    // Hot, after the five fade steps: the navy glow at the top middle, the mirror
    // colour outside the bottom glow.
    window().mouseMove({r.left + 6, r.top + 6});
    for (int i = 0; i < 6; ++i) {
        m_platform.advanceClock(30);
        ui::Application::instance().paintPending();
    }
    EXPECT_FALSE(page->AdvGlowButton3->fadeTimerRunning());
    EXPECT_LT(drawing::argbRed(at(r.width / 2, 1)), 160) << "navy glow from the top edge";
    EXPECT_EQ(at(3, 17), drawing::ColorToARGB(255, 0x00F5C8AD));
    EXPECT_EQ(at(0, 0), pageColour);

    // Down: teal at the top right of the backward diagonal.
    window().mouseDown({r.left + 6, r.top + 6});
    for (int i = 0; i < 6; ++i) {
        m_platform.advanceClock(30);
        ui::Application::instance().paintPending();
    }
    const std::uint32_t topRight = at(r.width - 4, 2);
    EXPECT_LT(drawing::argbRed(topRight), 60);
    EXPECT_GT(drawing::argbGreen(topRight), 100);
    window().mouseUp({r.left + 6, r.top + 6});
}

}  // namespace
}  // namespace sk::app
