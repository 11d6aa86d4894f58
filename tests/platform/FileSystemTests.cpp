// The file stand-ins: the private staging folder, the program folder, and the
// delete and rename that keep the semantics the build relies on.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "platform/FileSystem.h"
#include "support/ScratchFolder.h"
#include "support/Skip.h"

namespace sk::platform {
namespace {

using test::ScratchFolder;

class TemporaryDirectory : public testing::Test {
protected:
    std::string expected() const { return m_scratch / ("slidekiln-" + std::to_string(::geteuid()) + "/"); }

    ScratchFolder m_scratch;
    test::ScopedEnvironment m_tmpdir{"TMPDIR", m_scratch.path()};
};

TEST_F(TemporaryDirectory, CreatesAPrivateFolderOfTheUser) {
    EXPECT_EQ(FileSystem::temporaryDirectory(), expected());
    struct stat info {};
    ASSERT_EQ(::lstat(expected().c_str(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    // Found again, not re-created.
    EXPECT_EQ(FileSystem::temporaryDirectory(), expected());
}

TEST_F(TemporaryDirectory, TmpdirWithoutTrailingSlashAndEmptyTmpdir) {
    std::string base = m_scratch.path();
    base.pop_back();
    ::setenv("TMPDIR", base.c_str(), 1);
    EXPECT_EQ(FileSystem::temporaryDirectory(), expected());
    ::setenv("TMPDIR", "", 1);
    EXPECT_EQ(FileSystem::temporaryDirectory(), "/tmp/slidekiln-" + std::to_string(::geteuid()) + "/");
}

TEST_F(TemporaryDirectory, RepairsTheModeOfItsOwnFolderThatOthersCouldEnter) {
    std::string folder = expected();
    ASSERT_EQ(::mkdir(folder.c_str(), 0700), 0);
    for (mode_t mode : {0750, 0705, 0770, 0777, 0701, 01777}) {
        ASSERT_EQ(::chmod(folder.c_str(), mode), 0);
        EXPECT_EQ(FileSystem::temporaryDirectory(), folder) << std::oct << mode;
        struct stat info {};
        ASSERT_EQ(::lstat(folder.c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 07777, 0700u) << std::oct << mode;
    }
}

TEST_F(TemporaryDirectory, RelativeTmpdirIsNotUsed) {
    ::setenv("TMPDIR", "relative/tmp", 1);
    EXPECT_EQ(FileSystem::temporaryDirectory(), "/tmp/slidekiln-" + std::to_string(::geteuid()) + "/");
}

TEST_F(TemporaryDirectory, RefusesALinkOrAFileUnderItsName) {
    std::string folder = expected();
    folder.pop_back();
    std::filesystem::create_directory(m_scratch / "elsewhere");
    ::chmod((m_scratch / "elsewhere").c_str(), 0700);
    std::filesystem::create_directory_symlink(m_scratch / "elsewhere", folder);
    EXPECT_EQ(FileSystem::temporaryDirectory(), "");

    std::filesystem::remove(folder);
    test::writeFile(m_scratch / "slidekiln-" + std::to_string(::geteuid()), "a file", 0600);
    EXPECT_EQ(FileSystem::temporaryDirectory(), "");
}

TEST_F(TemporaryDirectory, RefusesATemporaryFolderWhereOthersCouldSwapIt) {
    // Others may write into the folder above: only the sticky bit keeps them from
    // moving our folder away and putting a link of theirs under its name.
    const std::string base = m_scratch / "shared";
    ASSERT_EQ(::mkdir(base.c_str(), 0700), 0);
    ::setenv("TMPDIR", base.c_str(), 1);
    const std::string folder = base + "/slidekiln-" + std::to_string(::geteuid()) + "/";
    struct Case {
        mode_t mode;
        bool usable;
    };
    for (const Case c : {Case{0777, false}, Case{0770, false}, Case{0702, false}, Case{01777, true},
                         Case{01770, true}, Case{0755, true}, Case{0700, true}}) {
        ASSERT_EQ(::chmod(base.c_str(), c.mode), 0);
        EXPECT_EQ(FileSystem::temporaryDirectory(), c.usable ? folder : "") << std::oct << c.mode;
    }
    ::chmod(base.c_str(), 0777);
    std::filesystem::remove(folder);
    EXPECT_EQ(FileSystem::temporaryDirectory(), "");
    EXPECT_FALSE(std::filesystem::exists(folder)) << "nothing is made there";
}

TEST_F(TemporaryDirectory, RefusesAFolderOfAnotherUser) {
    if (::geteuid() != 0) SK_SKIP("needs root to give a folder away");
    ASSERT_EQ(::mkdir(expected().c_str(), 0700), 0);
    ASSERT_EQ(::chown(expected().c_str(), 65534, 65534), 0);
    EXPECT_EQ(FileSystem::temporaryDirectory(), "");
}

TEST(ProgramFolder, IsTheFolderOfTheRunningExecutable) {
    std::string folder = FileSystem::programFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    EXPECT_EQ(folder, std::filesystem::canonical("/proc/self/exe").parent_path().string() + "/");
}

TEST(DeleteFile, RefusesWhatThePlatformsPlainDeleteRefuses) {
    ScratchFolder scratch;
    test::writeFile(scratch / "plain", "x");
    test::writeFile(scratch / "readonly", "x", 0444);
    test::writeFile(scratch / "readonly-exec", "x", 0555);
    test::writeFile(scratch / "owner-writable", "x", 0200);
    std::filesystem::create_directory(scratch / "folder");
    test::writeFile(scratch / "target", "x");
    std::filesystem::create_symlink(scratch / "target", scratch / "link");

    EXPECT_TRUE(FileSystem::deleteFile(scratch / "plain"));
    EXPECT_FALSE(std::filesystem::exists(scratch / "plain"));
    // The mode decides, so this holds for root too.
    EXPECT_FALSE(FileSystem::deleteFile(scratch / "readonly"));
    EXPECT_FALSE(FileSystem::deleteFile(scratch / "readonly-exec"));
    EXPECT_TRUE(std::filesystem::exists(scratch / "readonly"));
    EXPECT_TRUE(FileSystem::deleteFile(scratch / "owner-writable"));
    EXPECT_FALSE(FileSystem::deleteFile(scratch / "missing"));
    EXPECT_FALSE(FileSystem::deleteFile(scratch / "folder"));
    EXPECT_TRUE(std::filesystem::is_directory(scratch / "folder"));
    // A link goes, its target stays.
    EXPECT_TRUE(FileSystem::deleteFile(scratch / "link"));
    EXPECT_TRUE(std::filesystem::exists(scratch / "target"));
}

TEST(RenameFile, NeverOverwrites) {
    ScratchFolder scratch;
    test::writeFile(scratch / "old", "old content");
    test::writeFile(scratch / "taken", "taken content");

    EXPECT_FALSE(FileSystem::renameFile(scratch / "old", scratch / "taken"));
    EXPECT_EQ(test::readFile(scratch / "old"), "old content");
    EXPECT_EQ(test::readFile(scratch / "taken"), "taken content");

    EXPECT_TRUE(FileSystem::renameFile(scratch / "old", scratch / "new"));
    EXPECT_FALSE(std::filesystem::exists(scratch / "old"));
    EXPECT_EQ(test::readFile(scratch / "new"), "old content");

    EXPECT_FALSE(FileSystem::renameFile(scratch / "missing", scratch / "other"));
    EXPECT_FALSE(std::filesystem::exists(scratch / "other"));
}

TEST(FileSystemQueries, KindsOfPaths) {
    ScratchFolder scratch;
    test::writeFile(scratch / "script", "#!/bin/sh\n", 0755);
    test::writeFile(scratch / "text", "x", 0644);
    std::filesystem::create_directory(scratch / "folder");
    ::chmod((scratch / "folder").c_str(), 0755);

    EXPECT_TRUE(FileSystem::isExecutableFile(scratch / "script"));
    EXPECT_FALSE(FileSystem::isExecutableFile(scratch / "text"));
    EXPECT_FALSE(FileSystem::isExecutableFile(scratch / "folder"));
    EXPECT_TRUE(FileSystem::isDirectory(scratch / "folder"));
    EXPECT_FALSE(FileSystem::isDirectory(scratch / "text"));
    EXPECT_TRUE(FileSystem::exists(scratch / "text"));
    EXPECT_FALSE(FileSystem::exists(scratch / "missing"));
    EXPECT_TRUE(FileSystem::createDirectory(scratch / "made"));
    EXPECT_FALSE(FileSystem::createDirectory(scratch / "made"));
    EXPECT_FALSE(FileSystem::createDirectory(scratch / "no/such/parent"));
}

}  // namespace
}  // namespace sk::platform
