// Starting programs: the lookup of a bare name, running and waiting, and the
// detached start that leaves nothing behind to reap.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <thread>

#include "platform/Platform.h"
#include "platform/ProcessLauncher.h"
#include "support/ScratchFolder.h"

namespace sk::platform {
namespace {

using test::ScratchFolder;

// A script that writes its arguments, NUL-terminated, into the named file.
std::string recorder(const std::string& log) {
    return "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\0' \"$a\"; done > '" + log + "'\n";
}

TEST(FindProgram, LooksInTheGivenFoldersThenAlongPath) {
    ScratchFolder scratch;
    for (const char* folder : {"first", "second", "path"})
        std::filesystem::create_directory(scratch / folder);
    test::writeFile(scratch / "path/tool", "#!/bin/sh\n", 0755);
    test::writeFile(scratch / "second/tool", "#!/bin/sh\n", 0755);
    test::writeFile(scratch / "first/tool", "not executable", 0644);
    test::writeFile(scratch / "path/other", "#!/bin/sh\n", 0755);
    test::ScopedEnvironment path("PATH", scratch / "path" + ":/usr/bin");

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

TEST(FindProgram, NeverLooksInTheCurrentFolder) {
    ScratchFolder scratch;
    std::filesystem::create_directory(scratch / "bin");
    test::writeFile(scratch / "tool", "#!/bin/sh\n", 0755);
    test::writeFile(scratch / "bin/tool", "#!/bin/sh\n", 0755);
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(scratch.path());
    // Empty and relative entries of PATH and of the given folders name the current folder.
    for (const std::string path : {"", ":", "/usr/bin::/bin", ".", "./", "bin", "bin/:/usr/bin"}) {
        test::ScopedEnvironment environment("PATH", path);
        EXPECT_EQ(ProcessLauncher::findProgram("tool"), "") << "PATH=" << path;
    }
    {
        test::ScopedEnvironment environment("PATH", ":" + (scratch / "bin"));
        EXPECT_EQ(ProcessLauncher::findProgram("tool", {"", "./"}), scratch / "bin/tool");
    }
    std::filesystem::current_path(previous);
}

// The tools start in our current folder: an empty or relative entry of the PATH
// they inherit would let a shell among them run a program planted there.
TEST(RunAndWait, ChildsPathNamesNoCurrentFolder) {
    ScratchFolder scratch;
    test::writeFile(scratch / "planted-tool", "#!/bin/sh\necho ran > planted-ran\n", 0755);
    std::filesystem::create_directory(scratch / "bin");
    test::writeFile(scratch / "bin/planted-tool", "#!/bin/sh\necho ran > planted-ran\n", 0755);
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(scratch.path());
    const std::string fallback = "/usr/local/bin:/usr/bin:/bin";
    const struct {
        std::optional<std::string> inherited;
        std::string given;
    } cases[] = {
        {":/usr/bin:/bin", "/usr/bin:/bin"},
        {"/usr/bin::/bin:", "/usr/bin:/bin"},
        {".:/usr/bin:bin:./bin:/bin", "/usr/bin:/bin"},
        {"", fallback},
        {":.:bin", fallback},
        {std::nullopt, fallback},
    };
    for (const auto& [inherited, given] : cases) {
        SCOPED_TRACE(inherited.value_or("(unset)"));
        test::ScopedEnvironment path("PATH", inherited);
        EXPECT_EQ(ProcessLauncher::runAndWait(
                      {"/bin/bash", "-c", "printf %s \"$PATH\" > path; planted-tool 2>/dev/null; exit 0"}),
                  0);
        EXPECT_FALSE(std::filesystem::remove(scratch / "planted-ran")) << "the planted program ran";
        EXPECT_EQ(test::readFile(scratch / "path"), given);
    }
    {
        // The detached start too.
        test::ScopedEnvironment path("PATH", ":/usr/bin:/bin");
        ASSERT_TRUE(ProcessLauncher::startDetached(
            {"/bin/bash", "-c",
             "planted-tool 2>/dev/null; printf %s \"$PATH\" > path.tmp; mv path.tmp detached"}));
        for (int i = 0; i < 200 && !std::filesystem::exists(scratch / "detached"); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        EXPECT_EQ(test::readFile(scratch / "detached"), "/usr/bin:/bin");
        EXPECT_FALSE(std::filesystem::exists(scratch / "planted-ran")) << "the planted program ran";
    }
    std::filesystem::current_path(previous);
}

TEST(RunAndWait, PassesEveryArgumentVerbatimAndWaits) {
    ScratchFolder scratch;
    test::writeFile(scratch / "tool", "#!/bin/sh\nsleep 0.2\n" + recorder(scratch / "args"), 0755);
    const std::vector<std::string> arguments = {
        scratch / "tool", "", "two words", "\"quoted\"", "$(touch pwned)", "-mx0; rm -rf /", "tab\there"};
    EXPECT_EQ(ProcessLauncher::runAndWait(arguments), 0);
    // Written before the run returned: it was waited for.
    std::string expected;
    for (std::size_t i = 1; i < arguments.size(); ++i) expected += arguments[i] + '\0';
    EXPECT_EQ(test::readFile(scratch / "args"), expected);
    EXPECT_FALSE(std::filesystem::exists("pwned"));
}

TEST(RunAndWait, ReportsTheExitStatusOrThatNothingStarted) {
    ScratchFolder scratch;
    test::writeFile(scratch / "fails", "#!/bin/sh\nexit 3\n", 0755);
    test::writeFile(scratch / "not-a-program", "data", 0755);
    EXPECT_EQ(ProcessLauncher::runAndWait({scratch / "fails"}), 3);
    EXPECT_EQ(ProcessLauncher::runAndWait({scratch / "missing"}), -1);
    EXPECT_EQ(ProcessLauncher::runAndWait({scratch / "not-a-program"}), -1);
    EXPECT_EQ(ProcessLauncher::runAndWait({}), -1);
}

TEST(RunAndWait, ChildGetsNoDescriptorsOfOursAndNoInput) {
    ScratchFolder scratch;
    // A descriptor opened without close-on-exec, as a library might leave one.
    int leaked = ::open("/dev/null", O_RDONLY);
    ASSERT_GE(leaked, 3);
    test::writeFile(scratch / "tool",
                    "#!/bin/sh\nls /proc/$$/fd > '" + (scratch / "fds") + "'\nreadlink /proc/$$/fd/0 > '" +
                        (scratch / "stdin") + "'\n",
                    0755);
    EXPECT_EQ(ProcessLauncher::runAndWait({scratch / "tool"}), 0);
    ::close(leaked);
    // Standard input, output and error, plus the one the shell opens to list them.
    std::string fds = test::readFile(scratch / "fds");
    EXPECT_EQ(fds.find("\n" + std::to_string(leaked) + "\n"), std::string::npos) << fds;
    EXPECT_EQ(test::readFile(scratch / "stdin"), "/dev/null\n");
}

// A started program can be watched without blocking; in a group of its own,
// whatever it left running is ended with it.
TEST(Start, WatchedWithoutBlockingAndItsGroupEndedWithIt) {
    ScratchFolder scratch;
    test::writeFile(scratch / "tool",
                    "#!/bin/sh\nsleep 1000 &\necho $! > '" + (scratch / "helper") +
                        "'\necho first >&2\nread line < '" + (scratch / "go") +
                        "'\necho last word >&2\nexit 4\n",
                    0755);
    ASSERT_EQ(::mkfifo((scratch / "go").c_str(), 0600), 0);
    auto process =
        ProcessLauncher::start({scratch / "tool"}, {.ownProcessGroup = true, .captureErrorOutput = true});
    ASSERT_TRUE(process);
    EXPECT_EQ(::getpgid(process->pid()), process->pid());
    EXPECT_FALSE(process->hasEnded());
    test::writeFile(scratch / "go", "go\n");
    platform::waitUntil([&] { return process->hasEnded(); });
    EXPECT_EQ(process->finish(), 4);
    EXPECT_EQ(process->finish(), 4);
    EXPECT_EQ(process->errorOutput(), "first\nlast word\n");
    const int helper = std::stoi(test::readFile(scratch / "helper"));
    EXPECT_TRUE(test::processEnds(helper)) << "the helper " << helper << " outlived the program";
}

TEST(Start, KeepsOnlyTheEndOfALongErrorOutput) {
    ScratchFolder scratch;
    test::writeFile(scratch / "tool",
                    "#!/bin/sh\nhead -c 100000 /dev/zero | tr '\\000' x >&2\necho end >&2\n", 0755);
    auto process = ProcessLauncher::start({scratch / "tool"}, {.captureErrorOutput = true});
    ASSERT_TRUE(process);
    EXPECT_EQ(process->finish(), 0);
    const std::string output = process->errorOutput();
    EXPECT_EQ(output.size(), ChildProcess::kErrorOutputLimit);
    EXPECT_TRUE(output.ends_with("xxxend\n")) << output.substr(output.size() - 20);
    EXPECT_FALSE(ProcessLauncher::start({scratch / "missing"}, {}));
}

TEST(StartDetached, ReturnsAtOnceAndLeavesNoZombie) {
    ScratchFolder scratch;
    const std::set<int> before = test::childProcesses();
    test::writeFile(scratch / "tool",
                    "#!/bin/sh\nsleep 1\nset -- $(cat /proc/$$/stat); echo $6 > '" + (scratch / "sid.tmp") +
                        "'\nmv '" + (scratch / "sid.tmp") + "' '" + (scratch / "sid") + "'\n",
                    0755);
    EXPECT_TRUE(ProcessLauncher::startDetached({scratch / "tool"}));
    EXPECT_FALSE(std::filesystem::exists(scratch / "sid")) << "the start waited for the program";
    EXPECT_EQ(test::childProcesses(), before) << "a child of ours is left to reap";

    for (int i = 0; i < 200 && !std::filesystem::exists(scratch / "sid"); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    ASSERT_TRUE(std::filesystem::exists(scratch / "sid"));
    EXPECT_NE(std::stoi(test::readFile(scratch / "sid")), ::getsid(0)) << "the program shares our session";
}

TEST(StartDetached, AddsToTheInheritedEnvironment) {
    ScratchFolder scratch;
    ::setenv("SLIDEKILN_TEST_KEPT", "kept", 1);
    ::setenv("SLIDEKILN_TEST_REPLACED", "old", 1);
    test::writeFile(
        scratch / "tool",
        "#!/bin/sh\necho \"$SLIDEKILN_TEST_KEPT $SLIDEKILN_TEST_REPLACED $SLIDEKILN_TEST_NEW\" > '" +
            (scratch / "env.tmp") + "'\nmv '" + (scratch / "env.tmp") + "' '" + (scratch / "env") + "'\n",
        0755);
    EXPECT_TRUE(ProcessLauncher::startDetached({scratch / "tool"},
                                               {"SLIDEKILN_TEST_REPLACED=new", "SLIDEKILN_TEST_NEW=added"}));
    ::unsetenv("SLIDEKILN_TEST_KEPT");
    ::unsetenv("SLIDEKILN_TEST_REPLACED");
    for (int i = 0; i < 200 && !std::filesystem::exists(scratch / "env"); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(test::readFile(scratch / "env"), "kept new added\n");
}

TEST(StartDetached, FalseWhenNothingCouldBeStarted) {
    ScratchFolder scratch;
    const std::set<int> before = test::childProcesses();
    test::writeFile(scratch / "data", "data", 0644);
    EXPECT_FALSE(ProcessLauncher::startDetached({scratch / "missing"}));
    EXPECT_FALSE(ProcessLauncher::startDetached({scratch / "data"}));
    EXPECT_FALSE(ProcessLauncher::startDetached({}));
    EXPECT_EQ(test::childProcesses(), before);
}

}  // namespace
}  // namespace sk::platform
