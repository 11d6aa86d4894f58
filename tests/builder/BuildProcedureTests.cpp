// The recipes of the build with fake outside tools in a temporary program folder:
// what is staged, which tool runs with which arguments, and what happens on the
// paths that stop early.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "builder/BuildProcedure.h"
#include "support/FakeTools.h"
#include "builder/FileStaging.h"
#include "builder/ProcessToolLauncher.h"
#include "support/ScratchFolder.h"
#include "builder/StreamErrors.h"
#include "support/WaitingLauncher.h"
#include "platform/ProcessLauncher.h"

namespace sk::builder {
namespace {

using Arguments = std::vector<std::string>;
using test::FakeTools;
using test::readFile;
using test::ScopedEnvironment;
using test::ScratchFolder;
using test::WaitingLauncher;
using test::writeFile;

class RecordingMessages : public MessageSink {
public:
    void showMessage(const std::string& text) override { messages.push_back(text); }
    std::vector<std::string> messages;
};

class BuildProcedureTest : public testing::Test {
protected:
    BuildProcedureTest()
        : m_tmpdir("TMPDIR", m_scratch.path()),
          m_program(m_scratch / "program folder/"),
          m_tools((std::filesystem::create_directories(m_program), m_program)),
          m_launcher(m_program, ProcessToolLauncher::Terminal::Never),
          m_procedure(m_messages, m_program, m_launcher) {
        m_staging = FileStaging::temporaryDirectory();
    }

    std::string source(const std::string& name, const std::string& content = "slides") {
        std::string path = m_scratch / name;
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        writeFile(path, content);
        return path;
    }

    void build(PackageKind package, const std::string& sourcePath, int level = 4,
               const std::string& output = "/home/ann/talk.exe") {
        m_procedure.run(BuildRequest{package, level, sourcePath, output});
    }

    void stageLeftovers() {
        writeFile(m_staging + "view.ppt", "old");
        writeFile(m_staging + "view.pptx", "old");
        writeFile(m_staging + "view-converted.ppt", "old");
    }
    bool staged(const std::string& name) const { return std::filesystem::exists(m_staging + name); }

    ScratchFolder m_scratch;
    ScopedEnvironment m_tmpdir;
    std::string m_program;
    FakeTools m_tools;
    WaitingLauncher m_launcher;
    RecordingMessages m_messages;
    BuildProcedure m_procedure;
    std::string m_staging;
};

TEST_F(BuildProcedureTest, StagingFolderIsPrivateInsideTmpdir) {
    EXPECT_EQ(m_staging, m_scratch / ("slidekiln-" + std::to_string(::geteuid()) + "/"));
}

TEST_F(BuildProcedureTest, Package2003StagesAnySourceAndStartsTheArchiver) {
    // A *.pptx in the 2003 package is staged as it is, without conversion.
    build(PackageKind::Package2003, source("X.pptx", "pptx bytes"), 4);
    EXPECT_EQ(readFile(m_staging + "view.ppt"), "pptx bytes");
    EXPECT_EQ(m_tools.archiverArguments(),
              (Arguments{m_program + "arc.dll", "a", "-sfx7zs.sfx", "/home/ann/talk.exe",
                         m_program + "ppt2003/*.*", m_staging + "view.ppt", "-mx4"}));
    EXPECT_EQ(m_tools.archiverSawStaged(), "pptx bytes");
    EXPECT_EQ(m_tools.calls(), "archiver\n");
    EXPECT_TRUE(m_messages.messages.empty());
}

TEST_F(BuildProcedureTest, Package2007StagesPptWithoutConversion) {
    build(PackageKind::Package2007, source("talk.ppt", "ppt bytes"), 10);
    EXPECT_EQ(m_tools.archiverArguments(),
              (Arguments{m_program + "arc.dll", "a", "-sfx7zs.sfx", "/home/ann/talk.exe",
                         m_program + "ppt2007/*.*", m_staging + "view.ppt", "-mx10"}));
    EXPECT_EQ(m_tools.archiverSawStaged(), "ppt bytes");
    EXPECT_EQ(m_tools.calls(), "archiver\n");
}

TEST_F(BuildProcedureTest, Package2007ConvertsPptxThenArchives) {
    build(PackageKind::Package2007, source("talk.pptx", "pptx bytes"), 6);
    EXPECT_EQ(m_tools.calls(), "converter\narchiver\n");
    EXPECT_EQ(m_tools.converterArguments(),
              (Arguments{m_program + "pptxppt/ppt2ppt.dll",
                         "/P:Source=" + m_staging + "view.pptx;RunAndClose=true;PureConsole=true"}));
    EXPECT_EQ(readFile(m_staging + "view.pptx"), "pptx bytes");
    EXPECT_EQ(m_tools.archiverSawStaged(), "converted:pptx bytes");
    EXPECT_FALSE(staged("view-converted.ppt"));
    EXPECT_EQ(m_tools.archiverArguments().at(4), m_program + "ppt2007/*.*");
    EXPECT_EQ(m_tools.archiverArguments().back(), "-mx6");
}

TEST_F(BuildProcedureTest, Package2007IgnoresOtherExtensionsSilentlyAfterTheCleanUp) {
    for (const std::string name :
         {"X.PPT", "X.PPTX", "noextension", "a.b/file", "talk.pdf", "talk.ppt.bak"}) {
        SCOPED_TRACE(name);
        stageLeftovers();
        build(PackageKind::Package2007, source(name));
        EXPECT_FALSE(staged("view.ppt"));
        EXPECT_FALSE(staged("view.pptx"));
        EXPECT_FALSE(staged("view-converted.ppt"));
        EXPECT_EQ(m_tools.calls(), "");
        EXPECT_TRUE(m_messages.messages.empty());
    }
}

TEST_F(BuildProcedureTest, EmptySourceShowsTheMessageOnceAfterTheCleanUp) {
    for (PackageKind package : {PackageKind::Package2003, PackageKind::Package2007}) {
        stageLeftovers();
        m_messages.messages.clear();
        build(package, "");
        EXPECT_EQ(m_messages.messages, (std::vector<std::string>{"Не выбран исходный файл презентации!"}));
        EXPECT_FALSE(staged("view.ppt"));
        EXPECT_FALSE(staged("view.pptx"));
        EXPECT_FALSE(staged("view-converted.ppt"));
        EXPECT_EQ(m_tools.calls(), "");
    }
}

TEST_F(BuildProcedureTest, OutputPathWithBlanksAndQuotesArrivesAsOneArgument) {
    const std::string output = "/home/ann/My Shows/\"talk\" -mx0 $(touch pwned).exe";
    for (PackageKind package : {PackageKind::Package2003, PackageKind::Package2007}) {
        build(package, source("talk.pptx"), 3, output);
        Arguments arguments = m_tools.archiverArguments();
        ASSERT_EQ(arguments.size(), 7u);
        EXPECT_EQ(arguments[3], output);
        EXPECT_EQ(arguments[6], "-mx3");
    }
    EXPECT_FALSE(std::filesystem::exists("pwned"));
}

TEST_F(BuildProcedureTest, EmptyOutputPathIsAnEmptyArgument) {
    build(PackageKind::Package2003, source("talk.ppt"), 0, "");
    Arguments arguments = m_tools.archiverArguments();
    ASSERT_EQ(arguments.size(), 7u);
    EXPECT_EQ(arguments[3], "");
    EXPECT_EQ(arguments[6], "-mx0");
}

TEST_F(BuildProcedureTest, CopyErrorStopsTheBuildBeforeAnyTool) {
    EXPECT_THROW(build(PackageKind::Package2007, m_scratch / "missing.pptx"), EFOpenError);
    EXPECT_THROW(build(PackageKind::Package2003, m_scratch / "missing.ppt"), EFOpenError);
    EXPECT_EQ(m_tools.calls(), "");
}

TEST_F(BuildProcedureTest, ReadOnlyStagedPresentationSurvivesTheCleanUpAndFailsTheCopy) {
    writeFile(m_staging + "view.ppt", "locked", 0444);
    try {
        build(PackageKind::Package2003, source("talk.ppt"));
        FAIL() << "the copy did not fail";
    } catch (const EFCreateError& error) {
        EXPECT_EQ(error.message(), "Cannot create file " + m_staging + "view.ppt");
    }
    EXPECT_EQ(readFile(m_staging + "view.ppt"), "locked");
    EXPECT_EQ(m_tools.calls(), "");
}

TEST_F(BuildProcedureTest, FolderNamedViewPptReceivesTheSourceUnderItsOwnName) {
    std::filesystem::create_directory(m_staging + "view.ppt");
    build(PackageKind::Package2003, source("talk.ppt", "slides"));
    EXPECT_EQ(readFile(m_staging + "view.ppt/talk.ppt"), "slides");
    EXPECT_EQ(m_tools.calls(), "archiver\n");
}

TEST_F(BuildProcedureTest, MissingArchiverIsNotReported) {
    std::filesystem::remove(m_program + "arc.dll");
    EXPECT_NO_THROW(build(PackageKind::Package2003, source("talk.ppt", "slides")));
    EXPECT_EQ(readFile(m_staging + "view.ppt"), "slides");
    EXPECT_TRUE(m_messages.messages.empty());
}

TEST_F(BuildProcedureTest, MissingConverterStillStartsTheArchiver) {
    std::filesystem::remove(m_program + "pptxppt/ppt2ppt.dll");
    build(PackageKind::Package2007, source("talk.pptx"));
    EXPECT_EQ(m_tools.calls(), "archiver\n");
    EXPECT_FALSE(staged("view.ppt"));
    EXPECT_EQ(m_tools.archiverArguments().at(5), m_staging + "view.ppt");
}

TEST_F(BuildProcedureTest, ArchiverIsLookedUpInTheCurrentFolderThenAlongPath) {
    std::filesystem::remove(m_program + "arc.dll");
    const std::string elsewhere = m_scratch / "elsewhere/";
    std::filesystem::create_directories(elsewhere);
    m_tools.writeArchiver(elsewhere + "arc.dll");

    {
        ScopedEnvironment path("PATH", elsewhere + ":/usr/bin:/bin");
        build(PackageKind::Package2003, source("talk.ppt"));
        EXPECT_EQ(m_tools.archiverArguments().at(0), elsewhere + "arc.dll");
    }

    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(elsewhere);
    build(PackageKind::Package2003, source("talk.ppt"));
    std::filesystem::current_path(previous);
    EXPECT_EQ(m_tools.archiverArguments().at(0), elsewhere + "arc.dll");

    // The program folder comes first.
    m_tools.writeArchiver(m_program + "arc.dll");
    std::filesystem::current_path(elsewhere);
    build(PackageKind::Package2003, source("talk.ppt"));
    std::filesystem::current_path(previous);
    EXPECT_EQ(m_tools.archiverArguments().at(0), m_program + "arc.dll");
}

TEST_F(BuildProcedureTest, StagesBareNamesWhenThereIsNoPrivateFolder) {
    // A staging folder that others can enter is refused; the names become relative.
    std::filesystem::create_directories(m_staging);
    std::filesystem::permissions(m_staging, std::filesystem::perms::all);
    EXPECT_EQ(FileStaging::temporaryDirectory(), "");

    const std::filesystem::path previous = std::filesystem::current_path();
    const std::string work = m_scratch / "work/";
    std::filesystem::create_directories(work);
    std::filesystem::current_path(work);
    build(PackageKind::Package2003, source("talk.ppt", "slides"));
    std::filesystem::current_path(previous);
    EXPECT_EQ(readFile(work + "view.ppt"), "slides");
    EXPECT_EQ(m_tools.archiverArguments().at(5), "view.ppt");
}

// The real launcher: the archiver runs detached and the build does not wait.
TEST(ProcessToolLauncher, StartsTheArchiverDetachedWithoutWaiting) {
    ScratchFolder scratch;
    const std::string program = scratch / "program/";
    std::filesystem::create_directories(program);
    // The archiver outlives the build: it records its session and standard input
    // only after the launcher has returned.
    writeFile(program + "arc.dll",
              "#!/bin/sh\n"
              "sleep 1\n"
              "set -- $(cat /proc/$$/stat); echo $6 > '" +
                  program +
                  "sid.tmp'\n"
                  "readlink /proc/$$/fd/0 > '" +
                  program +
                  "stdin.tmp'\n"
                  "mv '" +
                  program + "sid.tmp' '" + program +
                  "sid'\n"
                  "mv '" +
                  program + "stdin.tmp' '" + program + "stdin'\n",
              0755);
    const std::set<int> before = test::childProcesses();
    ProcessToolLauncher launcher(program, ProcessToolLauncher::Terminal::Never);
    launcher.startArchiver(CommandLine{"arc.dll", {"arc.dll"}});
    EXPECT_FALSE(std::filesystem::exists(program + "stdin")) << "the launcher waited for the archiver";

    // Nothing of ours is left to reap: no zombie stays.
    EXPECT_EQ(test::childProcesses(), before);

    for (int i = 0; i < 200 && !std::filesystem::exists(program + "stdin"); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    ASSERT_TRUE(std::filesystem::exists(program + "stdin")) << "the archiver never ran";
    EXPECT_EQ(readFile(program + "stdin"), "/dev/null\n");
    EXPECT_NE(std::stoi(readFile(program + "sid")), ::getsid(0));
}

TEST(ProcessToolLauncher, UsesTheDesktopsTerminalEmulatorWhenThereIsOne) {
    ScratchFolder scratch;
    const std::string program = scratch / "program/";
    const std::string bin = scratch / "bin/";
    std::filesystem::create_directories(program);
    std::filesystem::create_directories(bin);
    writeFile(program + "arc.dll", "#!/bin/sh\n", 0755);
    writeFile(bin + "x-terminal-emulator", "#!/bin/sh\n", 0755);
    ScopedEnvironment path("PATH", bin + ":/usr/bin:/bin");
    const CommandLine command{"", {"arc.dll", "a", "-mx1"}};

    ProcessToolLauncher automatic(program);
    ProcessToolLauncher never(program, ProcessToolLauncher::Terminal::Never);
    const Arguments plain = {program + "arc.dll", "a", "-mx1"};
    {
        ScopedEnvironment display("DISPLAY", ":41");
        ProcessToolLauncher::Launch launch = automatic.archiverLaunch(command);
        EXPECT_EQ(launch.arguments,
                  (Arguments{bin + "x-terminal-emulator", "-e", program + "arc.dll", "a", "-mx1"}));
        EXPECT_EQ(launch.environment, (Arguments{"SLIDEKILN_HOLD_WINDOW=1"}));
        EXPECT_EQ(never.archiverLaunch(command).arguments, plain);
        EXPECT_TRUE(never.archiverLaunch(command).environment.empty());
    }
    {
        ScopedEnvironment display("DISPLAY", std::nullopt);
        EXPECT_EQ(automatic.archiverLaunch(command).arguments, plain);
        EXPECT_TRUE(automatic.archiverLaunch(command).environment.empty());
    }
    {
        ScopedEnvironment display("DISPLAY", ":41");
        std::filesystem::remove(bin + "x-terminal-emulator");
        ScopedEnvironment plainPath("PATH", bin);
        EXPECT_EQ(automatic.archiverLaunch(command).arguments, plain);
    }
}

}  // namespace
}  // namespace sk::builder
