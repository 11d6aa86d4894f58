// The headless backend's scripted file dialogs and its in-memory clipboard,
// shell and beep.
#include <gtest/gtest.h>

#include "platform/headless/HeadlessPlatform.h"

namespace sk::platform {
namespace {

FileDialogRequest presentationRequest() {
    FileDialogRequest request;
    request.kind = FileDialogKind::Open;
    request.title = "Выбор файла презентации";
    request.initialFileName = "/home/u/talk";
    request.initialFolder = "/home/u";
    request.filter = "Presentations|*.ppt;*.pptx|All files|*.*";
    request.filterIndex = 2;
    request.defaultExtension = "ppt";
    return request;
}

TEST(HeadlessFileDialog, RecordsEveryRequestWithAllItsFields) {
    HeadlessPlatform platform;
    platform.acceptNextFileDialog("/data/show.pptx");
    const auto result = platform.fileDialog(presentationRequest());
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->fileName, "/data/show.pptx");
    EXPECT_EQ(result->filterIndex, 2);

    ASSERT_EQ(platform.fileDialogs().size(), 1u);
    const auto& call = platform.fileDialogs()[0];
    EXPECT_EQ(call.request.title, "Выбор файла презентации");
    EXPECT_EQ(call.request.initialFileName, "/home/u/talk");
    EXPECT_EQ(call.request.initialFolder, "/home/u");
    EXPECT_EQ(call.request.filter, "Presentations|*.ppt;*.pptx|All files|*.*");
    EXPECT_EQ(call.request.filterIndex, 2);
    EXPECT_EQ(call.request.defaultExtension, "ppt");
    ASSERT_TRUE(call.result.has_value());
    EXPECT_EQ(call.result->fileName, "/data/show.pptx");
}

TEST(HeadlessFileDialog, AnswersInOrderThenCancels) {
    HeadlessPlatform platform;
    platform.acceptNextFileDialog("/a/first", 1);
    platform.cancelNextFileDialog();
    platform.acceptNextFileDialog("/a/third.txt", 2);
    const auto request = presentationRequest();

    const auto first = platform.fileDialog(request);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->fileName, "/a/first.ppt");  // the default extension, as a real dialog adds it
    EXPECT_EQ(first->filterIndex, 1);
    EXPECT_FALSE(platform.fileDialog(request));
    const auto third = platform.fileDialog(request);
    ASSERT_TRUE(third);
    EXPECT_EQ(third->fileName, "/a/third.txt");
    EXPECT_EQ(third->filterIndex, 2);
    EXPECT_FALSE(platform.fileDialog(request));  // nothing queued: the user cancels
    EXPECT_EQ(platform.fileDialogs().size(), 4u);
    EXPECT_FALSE(platform.fileDialogs()[3].result.has_value());
}

TEST(HeadlessFileDialog, FilterIndexOutOfRangeComesBackAsTheFirst) {
    HeadlessPlatform platform;
    auto request = presentationRequest();
    request.filterIndex = 0;
    platform.acceptNextFileDialog("/x.ppt");
    EXPECT_EQ(platform.fileDialog(request)->filterIndex, 1);

    request.filter.clear();  // no filter at all: the index is handed back unchanged
    platform.acceptNextFileDialog("/x.ppt");
    EXPECT_EQ(platform.fileDialog(request)->filterIndex, 0);
}

TEST(HeadlessFileDialog, HandlerAnswersWhenNothingIsQueued) {
    HeadlessPlatform platform;
    platform.setFileDialogHandler([](const FileDialogRequest& request) {
        return HeadlessPlatform::FileDialogAnswer{request.initialFolder + "/picked", 0};
    });
    auto request = presentationRequest();
    request.defaultExtension.clear();
    const auto result = platform.fileDialog(request);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->fileName, "/home/u/picked");
}

TEST(HeadlessServices, ClipboardUrlsAndBeeps) {
    HeadlessPlatform platform;
    EXPECT_EQ(platform.clipboardText(), "");
    platform.setClipboardText("Компиляция");
    EXPECT_EQ(platform.clipboardText(), "Компиляция");

    EXPECT_TRUE(platform.openUrl("http://example.org"));
    platform.setOpenUrlResult(false);
    EXPECT_FALSE(platform.openUrl("mailto:someone@example.org"));
    EXPECT_EQ(platform.openedUrls(),
              (std::vector<std::string>{"http://example.org", "mailto:someone@example.org"}));

    platform.beep();
    platform.beep();
    EXPECT_EQ(platform.beepCount(), 2);

    platform.messageBox("a", "b", MessageIcon::Warning, nullptr);
    platform.clearRecords();
    EXPECT_TRUE(platform.openedUrls().empty());
    EXPECT_TRUE(platform.messageBoxes().empty());
    EXPECT_EQ(platform.beepCount(), 0);
    EXPECT_EQ(platform.clipboardText(), "Компиляция");  // the clipboard is no record
}

TEST(HeadlessServices, WorkAreaAtAPointIsOfTheMonitorThereOrTheNearestOne) {
    HeadlessPlatform platform;
    const drawing::Rect main{0, 0, 1280, 1024};
    const drawing::Rect right{1280, 30, 800, 570};  // a smaller monitor with a panel at its top
    platform.addMonitor(right);
    const struct {
        drawing::Point point;
        drawing::Rect expected;
    } cases[] = {
        {{640, 500}, main},    {{1279, 1023}, main}, {{1280, 30}, right}, {{2079, 599}, right},
        {{1500, 10}, right},   // on the panel: the monitor under it
        {{1500, 900}, main},   // below the small monitor, nearer the large one
        {{-50, 500}, main},    {{3000, 300}, right},
    };
    for (const auto& c : cases)
        EXPECT_EQ(platform.workAreaAt(c.point), c.expected) << c.point.x << ", " << c.point.y;
    EXPECT_EQ(platform.workArea(), main) << "the main window's monitor stays the first";
}

TEST(HeadlessServices, InstallsAsTheCurrentPlatform) {
    HeadlessPlatform platform;
    setCurrentPlatform(&platform);
    EXPECT_EQ(&currentPlatform(), &platform);
    EXPECT_EQ(currentPlatform().workArea(), (drawing::Rect{0, 0, 1280, 1024}));
    setCurrentPlatform(nullptr);
}

}  // namespace
}  // namespace sk::platform
