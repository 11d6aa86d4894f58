// The staging copy on real files: chunking, folders, times and each error kind.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "builder/FileStaging.h"
#include "support/ScratchFolder.h"
#include "builder/StreamErrors.h"
#include "support/Skip.h"

namespace sk::builder {
namespace {

using test::readFile;
using test::ScratchFolder;
using test::writeFile;

std::string patternOf(std::size_t size) {
    std::string content(size, '\0');
    for (std::size_t i = 0; i < size; ++i) content[i] = static_cast<char>((i * 7919 + i / 8192) & 0xFF);
    return content;
}

timespec mtimeOf(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(::lstat(path.c_str(), &info), 0) << path;
    return info.st_mtim;
}

void setMtime(const std::string& path, time_t seconds, long nanoseconds) {
    const timespec times[2] = {{seconds, 0}, {seconds, nanoseconds}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

// Runs the copy and returns the message of the error it raised ("" for none).
template <typename Error>
std::string copyError(const std::string& source, const std::string& destination) {
    try {
        FileStaging::copyFile(source, destination);
    } catch (const Error& error) {
        return error.what();
    }
    return "";
}

TEST(FileStagingCopy, CopiesContentOfEverySizeAroundTheChunk) {
    ScratchFolder folder;
    for (std::size_t size : {0u, 1u, 8191u, 8192u, 8193u, 3u * 8192u + 17u, 200000u}) {
        SCOPED_TRACE(size);
        const std::string content = patternOf(size);
        writeFile(folder / "source.bin", content);
        writeFile(folder / "view.ppt", "older and longer content that must vanish entirely");
        FileStaging::copyFile(folder / "source.bin", folder / "view.ppt");
        EXPECT_EQ(readFile(folder / "view.ppt"), content);
    }
}

TEST(FileStagingCopy, CarriesTheModificationTimeRoundedDownToEvenSeconds) {
    ScratchFolder folder;
    const std::pair<time_t, time_t> cases[] = {
        {1700000001, 1700000000},  // odd: one second earlier
        {1700000002, 1700000002},  // even: unchanged
        {1700000003, 1700000002},
    };
    for (const auto& [source, expected] : cases) {
        writeFile(folder / "talk.ppt", "x");
        setMtime(folder / "talk.ppt", source, 987654321);
        FileStaging::copyFile(folder / "talk.ppt", folder / "view.ppt");
        timespec copied = mtimeOf(folder / "view.ppt");
        EXPECT_EQ(copied.tv_sec, expected) << source;
        EXPECT_EQ(copied.tv_nsec, 0);
    }
}

TEST(FileStagingCopy, EmptySourceGivesEmptyCopyWithItsTime) {
    ScratchFolder folder;
    writeFile(folder / "empty.ppt", "");
    setMtime(folder / "empty.ppt", 1600000000, 0);
    FileStaging::copyFile(folder / "empty.ppt", folder / "view.ppt");
    EXPECT_TRUE(std::filesystem::is_regular_file(folder / "view.ppt"));
    EXPECT_EQ(std::filesystem::file_size(folder / "view.ppt"), 0u);
    EXPECT_EQ(mtimeOf(folder / "view.ppt").tv_sec, 1600000000);
}

TEST(FileStagingCopy, FolderNamedLikeTheDestinationReceivesTheSourceName) {
    ScratchFolder folder;
    writeFile(folder / "talk.ppt", "slides");
    std::filesystem::create_directory(folder / "view.ppt");
    FileStaging::copyFile(folder / "talk.ppt", folder / "view.ppt");
    EXPECT_EQ(readFile(folder / "view.ppt/talk.ppt"), "slides");

    // A folder path that already ends in the separator gets no second one.
    std::filesystem::create_directory(folder / "into");
    FileStaging::copyFile(folder / "talk.ppt", folder / "into/");
    EXPECT_EQ(readFile(folder / "into/talk.ppt"), "slides");
}

TEST(FileStagingCopy, CreatesMissingDestinationFolders) {
    ScratchFolder folder;
    writeFile(folder / "talk.ppt", "slides");
    FileStaging::copyFile(folder / "talk.ppt", folder / "a/b/c/view.ppt");
    EXPECT_EQ(readFile(folder / "a/b/c/view.ppt"), "slides");
}

TEST(FileStagingCopy, FolderThatCannotBeMadeIsCannotCreate) {
    ScratchFolder folder;
    writeFile(folder / "talk.ppt", "slides");
    writeFile(folder / "blocker", "a file where a folder should be");
    EXPECT_EQ(copyError<EFCreateError>(folder / "talk.ppt", folder / "blocker/sub/view.ppt"),
              "Cannot create file " + (folder / "blocker/sub/view.ppt"));
}

TEST(FileStagingCopy, RelativePathsAreTakenFromTheCurrentFolder) {
    ScratchFolder folder;
    writeFile(folder / "talk.ppt", "slides");
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(folder.path());
    FileStaging::copyFile("talk.ppt", "made/view.ppt");
    std::filesystem::current_path(previous);
    EXPECT_EQ(readFile(folder / "made/view.ppt"), "slides");
}

TEST(FileStagingCopy, MissingSourceIsCannotOpenWithTheCallersPath) {
    ScratchFolder folder;
    const std::string missing = folder / "no such/talk.ppt";
    EXPECT_EQ(copyError<EFOpenError>(missing, folder / "out/view.ppt"), "Cannot open file " + missing);
    // The source is opened first: nothing of the destination is made.
    EXPECT_FALSE(std::filesystem::exists(folder / "out"));
}

TEST(FileStagingCopy, FolderAsSourceIsCannotOpen) {
    ScratchFolder folder;
    std::filesystem::create_directory(folder / "talk.ppt");
    EXPECT_EQ(copyError<EFOpenError>(folder / "talk.ppt", folder / "view.ppt"),
              "Cannot open file " + (folder / "talk.ppt"));
}

TEST(FileStagingCopy, ReadOnlyDestinationIsCannotCreateAndKeepsItsContent) {
    ScratchFolder folder;
    writeFile(folder / "talk.ppt", "new slides");
    writeFile(folder / "view.ppt", "old slides", 0444);
    // Judged from the mode, so this holds when the tests run as root as well.
    EXPECT_EQ(copyError<EFCreateError>(folder / "talk.ppt", folder / "view.ppt"),
              "Cannot create file " + (folder / "view.ppt"));
    EXPECT_EQ(readFile(folder / "view.ppt"), "old slides");
}

TEST(FileStagingCopy, CannotCreateNamesTheDestinationAsFinallyUsed) {
    ScratchFolder folder;
    writeFile(folder / "talk.ppt", "slides");
    std::filesystem::create_directory(folder / "view.ppt");
    writeFile(folder / "view.ppt/talk.ppt", "locked", 0444);
    EXPECT_EQ(copyError<EFCreateError>(folder / "talk.ppt", folder / "view.ppt"),
              "Cannot create file " + (folder / "view.ppt/talk.ppt"));
}

TEST(FileStagingCopy, LinkUnderTheDestinationNameIsNeverFollowed) {
    ScratchFolder folder;
    writeFile(folder / "talk.ppt", "slides");
    writeFile(folder / "victim.txt", "precious");
    std::filesystem::create_symlink(folder / "victim.txt", folder / "view.ppt");
    EXPECT_EQ(copyError<EFCreateError>(folder / "talk.ppt", folder / "view.ppt"),
              "Cannot create file " + (folder / "view.ppt"));
    EXPECT_EQ(readFile(folder / "victim.txt"), "precious");

    // A dangling link would otherwise create its target.
    std::filesystem::create_symlink(folder / "planted.txt", folder / "dangling.ppt");
    EXPECT_NE(copyError<EFCreateError>(folder / "talk.ppt", folder / "dangling.ppt"), "");
    EXPECT_FALSE(std::filesystem::exists(folder / "planted.txt"));
}

TEST(FileStagingCopy, FullDiskIsStreamWriteError) {
    if (!std::filesystem::exists("/dev/full")) SK_SKIP("no /dev/full");
    ScratchFolder folder;
    writeFile(folder / "talk.ppt", patternOf(10000));
    EXPECT_EQ(copyError<EWriteError>(folder / "talk.ppt", "/dev/full"), "Stream write error");
}

TEST(FileStagingCopy, FailingReadIsStreamReadError) {
    // Reading the process's own memory at offset 0 fails with an I/O error.
    ScratchFolder folder;
    EXPECT_EQ(copyError<EReadError>("/proc/self/mem", folder / "view.ppt"), "Stream read error");
    // The destination created before the error stays.
    EXPECT_TRUE(std::filesystem::exists(folder / "view.ppt"));
}

TEST(FileStagingCopy, ErrorsAreKindsOfTheGeneralError) {
    ScratchFolder folder;
    try {
        FileStaging::copyFile(folder / "missing.ppt", folder / "view.ppt");
        FAIL() << "no error raised";
    } catch (const platform::Exception& error) {
        EXPECT_EQ(error.message(), "Cannot open file " + (folder / "missing.ppt"));
    }
}

}  // namespace
}  // namespace sk::builder
