// Starting programs: the lookup of a bare name, running and waiting, and the
// detached start that leaves nothing behind to reap.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "platform/FileSystemScratchFolder.h"
#include "platform/ProcessLauncher.h"

namespace sk::platform {
namespace {

using test::FileSystemScratchFolder;

// Sets PATH for the lifetime of the object.
class ScopedPath {
public:
    explicit ScopedPath(const std::string& value) {
        if (const char* old = std::getenv("PATH")) m_old = old;
        ::setenv("PATH", value.c_str(), 1);
    }
    ~ScopedPath() { ::setenv("PATH", m_old.c_str(), 1); }
    ScopedPath(const ScopedPath&) = delete;
    ScopedPath& operator=(const ScopedPath&) = delete;

private:
    std::string m_old;
};

// A script that writes its arguments, NUL-terminated, into the named file.
std::string recorder(const std::string& log) {
    return "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\0' \"$a\"; done > '" + log + "'\n";
}

TEST(FindProgram, LooksInTheGivenFoldersThenAlongPath) {
    FileSystemScratchFolder scratch;
    for (const char* folder : {"first", "second", "path"})
        std::filesystem::create_directory(scratch / folder);
    scratch.write("path/tool", "#!/bin/sh\n", 0755);
    scratch.write("second/tool", "#!/bin/sh\n", 0755);
    scratch.write("first/tool", "not executable", 0644);
    scratch.write("path/other", "#!/bin/sh\n", 0755);
    ScopedPath path(scratch / "path" + ":/usr/bin");

    const std::vector<std::string> folders = {scratch / "first/", scratch / "second/"};
    EXPECT_EQ(ProcessLauncher::findProgram("tool", folders), scratch / "second/tool");
    EXPECT_EQ(ProcessLauncher::findProgram("tool"), scratch / "path/tool");
    EXPECT_EQ(ProcessLauncher::findProgram("other", folders), scratch / "path/other");
    EXPECT_EQ(ProcessLauncher::findProgram("missing", folders), "");
    EXPECT_EQ(ProcessLauncher::findProgram(""), "");
    // A name with a folder is taken as it is.
    EXPECT_EQ(ProcessLauncher::findProgram(scratch / "second/tool"), scratch / "second/tool");
    EXPECT_EQ(ProcessLauncher::findProgram(scratch / "first/tool", folders), "");
}

TEST(RunAndWait, PassesEveryArgumentVerbatimAndWaits) {
    FileSystemScratchFolder scratch;
    scratch.write("tool", "#!/bin/sh\nsleep 0.2\n" + recorder(scratch / "args"), 0755);
    const std::vector<std::string> arguments = {
        scratch / "tool", "", "two words", "\"quoted\"", "$(touch pwned)", "-mx0; rm -rf /", "tab\there"};
    EXPECT_EQ(ProcessLauncher::runAndWait(arguments), 0);
    // Written before the run returned: it was waited for.
    std::string expected;
    for (std::size_t i = 1; i < arguments.size(); ++i) expected += arguments[i] + '\0';
    EXPECT_EQ(scratch.read("args"), expected);
    EXPECT_FALSE(std::filesystem::exists("pwned"));
}

TEST(RunAndWait, ReportsTheExitStatusOrThatNothingStarted) {
    FileSystemScratchFolder scratch;
    scratch.write("fails", "#!/bin/sh\nexit 3\n", 0755);
    scratch.write("not-a-program", "data", 0755);
    EXPECT_EQ(ProcessLauncher::runAndWait({scratch / "fails"}), 3);
    EXPECT_EQ(ProcessLauncher::runAndWait({scratch / "missing"}), -1);
    EXPECT_EQ(ProcessLauncher::runAndWait({scratch / "not-a-program"}), -1);
    EXPECT_EQ(ProcessLauncher::runAndWait({}), -1);
}

TEST(RunAndWait, ChildGetsNoDescriptorsOfOursAndNoInput) {
    FileSystemScratchFolder scratch;
    // A descriptor opened without close-on-exec, as a library might leave one.
    int leaked = ::open("/dev/null", O_RDONLY);
    ASSERT_GE(leaked, 3);
    scratch.write("tool",
                  "#!/bin/sh\nls /proc/$$/fd > '" + (scratch / "fds") + "'\nreadlink /proc/$$/fd/0 > '" +
                      (scratch / "stdin") + "'\n",
                  0755);
    EXPECT_EQ(ProcessLauncher::runAndWait({scratch / "tool"}), 0);
    ::close(leaked);
    // Standard input, output and error, plus the one the shell opens to list them.
    std::string fds = scratch.read("fds");
    EXPECT_EQ(fds.find("\n" + std::to_string(leaked) + "\n"), std::string::npos) << fds;
    EXPECT_EQ(scratch.read("stdin"), "/dev/null\n");
}

TEST(StartDetached, ReturnsAtOnceAndLeavesNoZombie) {
    FileSystemScratchFolder scratch;
    const std::set<int> before = test::childProcesses();
    scratch.write("tool",
                  "#!/bin/sh\nsleep 1\nset -- $(cat /proc/$$/stat); echo $6 > '" + (scratch / "sid.tmp") +
                      "'\nmv '" + (scratch / "sid.tmp") + "' '" + (scratch / "sid") + "'\n",
                  0755);
    EXPECT_TRUE(ProcessLauncher::startDetached({scratch / "tool"}));
    EXPECT_FALSE(std::filesystem::exists(scratch / "sid")) << "the start waited for the program";
    EXPECT_EQ(test::childProcesses(), before) << "a child of ours is left to reap";

    for (int i = 0; i < 200 && !std::filesystem::exists(scratch / "sid"); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    ASSERT_TRUE(std::filesystem::exists(scratch / "sid"));
    EXPECT_NE(std::stoi(scratch.read("sid")), ::getsid(0)) << "the program shares our session";
}

TEST(StartDetached, AddsToTheInheritedEnvironment) {
    FileSystemScratchFolder scratch;
    ::setenv("SLIDEKILN_TEST_KEPT", "kept", 1);
    ::setenv("SLIDEKILN_TEST_REPLACED", "old", 1);
    scratch.write(
        "tool",
        "#!/bin/sh\necho \"$SLIDEKILN_TEST_KEPT $SLIDEKILN_TEST_REPLACED $SLIDEKILN_TEST_NEW\" > '" +
            (scratch / "env.tmp") + "'\nmv '" + (scratch / "env.tmp") + "' '" + (scratch / "env") + "'\n",
        0755);
    EXPECT_TRUE(ProcessLauncher::startDetached({scratch / "tool"},
                                               {"SLIDEKILN_TEST_REPLACED=new", "SLIDEKILN_TEST_NEW=added"}));
    ::unsetenv("SLIDEKILN_TEST_KEPT");
    ::unsetenv("SLIDEKILN_TEST_REPLACED");
    for (int i = 0; i < 200 && !std::filesystem::exists(scratch / "env"); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(scratch.read("env"), "kept new added\n");
}

TEST(StartDetached, FalseWhenNothingCouldBeStarted) {
    FileSystemScratchFolder scratch;
    const std::set<int> before = test::childProcesses();
    scratch.write("data", "data", 0644);
    EXPECT_FALSE(ProcessLauncher::startDetached({scratch / "missing"}));
    EXPECT_FALSE(ProcessLauncher::startDetached({scratch / "data"}));
    EXPECT_FALSE(ProcessLauncher::startDetached({}));
    EXPECT_EQ(test::childProcesses(), before);
}

}  // namespace
}  // namespace sk::platform
