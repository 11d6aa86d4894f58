// The staging copy on real files: chunking, folders, times and each error kind.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "builder/FileStaging.h"
#include "support/ScratchFolder.h"
#include "builder/StreamErrors.h"

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
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
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

// Only a regular file gives a copy whose end is known: a pipe without a writer
// gave an empty copy, a device a copy without end.
TEST(FileStagingCopy, SourceThatIsNoRegularFileIsCannotOpen) {
    ScratchFolder folder;
    ASSERT_EQ(::mkfifo((folder / "pipe.ppt").c_str(), 0600), 0);
    for (const std::string& source : {folder / "pipe.ppt", std::string("/dev/null"), std::string("/dev/zero")}) {
        SCOPED_TRACE(source);
        EXPECT_EXIT(
            {
                ::alarm(10);  // a copy without end must not hang the tests
                const std::string message = copyError<EFOpenError>(source, folder / "view.ppt");
                std::_Exit(message == "Cannot open file " + source ? 0 : 1);
            },
            testing::ExitedWithCode(0), "");
    }
}

TEST(FileStagingCopy, SourceAsItsOwnDestinationIsRefusedIntact) {
    ScratchFolder folder;
    writeFile(folder / "talk.ppt", "precious slides");
    std::filesystem::create_hard_link(folder / "talk.ppt", folder / "hard-link.ppt");
    std::filesystem::create_directory_symlink(folder.path(), folder / "same-folder");
    std::filesystem::create_directory(folder / "talk-folder");
    std::filesystem::create_hard_link(folder / "talk.ppt", folder / "talk-folder/talk.ppt");
    const std::pair<std::string, std::string> cases[] = {
        {folder / "talk.ppt", folder / "talk.ppt"},
        {folder / "hard-link.ppt", folder / "hard-link.ppt"},
        {folder / "same-folder/talk.ppt", folder / "same-folder/talk.ppt"},
        // A folder destination receives the source's name: the same file again.
        {folder / "talk-folder", folder / "talk-folder/talk.ppt"},
    };
    for (const auto& [destination, named] : cases) {
        SCOPED_TRACE(destination);
        EXPECT_EQ(copyError<EFCreateError>(folder / "talk.ppt", destination), "Cannot create file " + named);
        EXPECT_EQ(readFile(folder / "talk.ppt"), "precious slides");
    }
}

TEST(FileStagingCopy, CopyOfOtherSizeThanTheSourceIsStreamReadError) {
    // Files whose size says more or less than they hold, as a source that was
    // truncated or grew during the copy would.
    for (const char* source : {"/sys/kernel/mm/transparent_hugepage/enabled", "/proc/self/status"}) {
        SCOPED_TRACE(source);
        if (!std::filesystem::exists(source)) GTEST_SKIP() << "no " << source;
        ScratchFolder folder;
        EXPECT_EQ(copyError<EReadError>(source, folder / "view.ppt"), "Stream read error");
    }
}

// Where the kernel refuses to copy between two files (a device, another file
// system on older kernels), the chunked copy takes over with the same result.
TEST(FileStagingCopy, KernelCopyAndItsFallbackGiveTheSameBytes) {
    ScratchFolder folder;
    const std::string content = patternOf(3 * 1024 * 1024 + 5);
    writeFile(folder / "talk.ppt", content);
    FileStaging::copyFile(folder / "talk.ppt", folder / "view.ppt");
    EXPECT_EQ(readFile(folder / "view.ppt"), content);
    EXPECT_NO_THROW(FileStaging::copyFile(folder / "talk.ppt", "/dev/null"));
    if (std::filesystem::is_directory("/dev/shm")) {
        const std::string other = "/dev/shm/slidekiln-copy-" + std::to_string(::getpid());
        FileStaging::copyFile(folder / "talk.ppt", other);
        EXPECT_EQ(readFile(other), content);
        std::filesystem::remove(other);
    }
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
