// The recipes of the build with fake outside tools in a temporary program folder:
// what is staged, which tool runs with which arguments, and what happens on the
// paths that stop early.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "builder/BuildMessages.h"
#include "builder/BuildProcedure.h"
#include "builder/FileStaging.h"
#include "builder/ProcessToolLauncher.h"
#include "builder/StreamErrors.h"
#include "platform/ProcessLauncher.h"
#include "support/FakeTools.h"
#include "support/ScratchFolder.h"
#include "support/Skip.h"
#include "support/WaitingLauncher.h"

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
          m_launcher(m_program),
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

    // Runs the build and returns the message of the error it stopped with ("" for none).
    std::string buildError(PackageKind package, const std::string& sourcePath, int level = 4,
                           const std::string& output = "/home/ann/talk.exe") {
        try {
            build(package, sourcePath, level, output);
        } catch (const platform::Exception& error) {
            return error.message();
        }
        return "";
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

TEST_F(BuildProcedureTest, FolderNamedViewPptReceivesTheSourceButStartsNoArchiver) {
    std::filesystem::create_directory(m_staging + "view.ppt");
    EXPECT_EQ(buildError(PackageKind::Package2003, source("talk.ppt", "slides")),
              BuildMessages::noStagedPresentation(m_staging + "view.ppt"));
    EXPECT_EQ(readFile(m_staging + "view.ppt/talk.ppt"), "slides");
    EXPECT_EQ(m_tools.calls(), "");
}

TEST_F(BuildProcedureTest, MissingArchiverIsReported) {
    std::filesystem::remove(m_program + "arc.dll");
    ScopedEnvironment path("PATH", "/usr/bin:/bin");
    EXPECT_EQ(buildError(PackageKind::Package2003, source("talk.ppt", "slides")),
              BuildMessages::archiverNotStarted(m_program));
    EXPECT_EQ(readFile(m_staging + "view.ppt"), "slides");
}

// A converter that cannot run, fails or leaves nothing stops the build with its
// reason; the archiver never sees a presentation that is not there.
TEST_F(BuildProcedureTest, FailedConversionStopsTheBuildWithItsReason) {
    struct Case {
        const char* name;
        std::string converter;  // "" for no converter at all
        std::string message;
    };
    const std::string converter = m_program + "pptxppt/ppt2ppt.dll";
    const Case cases[] = {
        {"missing", "", BuildMessages::converterNotStarted(converter)},
        {"not installed",
         "#!/bin/sh\necho 'Converting view.pptx'\n"
         "echo 'ppt2ppt.dll: не установлен LibreOffice (Debian: apt-get install libreoffice-impress-nogui).' "
         ">&2\n"
         "exit 3\n",
         "Презентация не преобразована: не установлен LibreOffice (Debian: apt-get install "
         "libreoffice-impress-nogui)."},
        {"silent failure", "#!/bin/sh\nexit 1\n", BuildMessages::conversionFailed(1, "")},
        {"killed", "#!/bin/sh\nkill -9 $$\n", BuildMessages::conversionFailed(-1, "")},
        {"no result", "#!/bin/sh\nexit 0\n",
         BuildMessages::conversionLeftNoResult(m_staging + "view-converted.ppt")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(converter);
        if (!c.converter.empty()) writeFile(converter, c.converter, 0755);
        stageLeftovers();
        EXPECT_EQ(buildError(PackageKind::Package2007, source("talk.pptx")), c.message);
        EXPECT_EQ(m_tools.calls(), "");
        EXPECT_FALSE(staged("view.ppt"));
    }
}

// The converter runs in a process group of its own, which is ended with it: a
// helper it left running (a LibreOffice) does not outlive it.
TEST_F(BuildProcedureTest, ConverterHelpersAreEndedWithIt) {
    writeFile(m_program + "pptxppt/ppt2ppt.dll",
              "#!/bin/sh\n"
              "cut -d' ' -f5 /proc/$$/stat > '" +
                  m_program +
                  "converter.pgid'\n"
                  "sleep 1000 &\n"
                  "echo $! > '" +
                  m_program +
                  "helper.pid'\n"
                  "echo 'ppt2ppt.dll: gave up' >&2\n"
                  "exit 1\n",
              0755);
    EXPECT_EQ(buildError(PackageKind::Package2007, source("talk.pptx")),
              "Презентация не преобразована: gave up");
    const int helper = std::stoi(readFile(m_program + "helper.pid"));
    EXPECT_NE(std::stoi(readFile(m_program + "converter.pgid")), ::getpgid(0));
    // Killed and reaped by init: gone within a moment.
    EXPECT_TRUE(test::processEnds(helper)) << "the converter's helper " << helper << " is still running";
}

// Paths the archiver would misread or misplace get a message before anything
// is staged or started.
TEST_F(BuildProcedureTest, UnusableOutputPathIsToldBeforeAnythingIsWritten) {
    const std::string talk = source("talk.ppt", "slides");
    std::filesystem::create_directories(m_scratch / "shows");
    std::filesystem::create_symlink(talk, m_scratch / "link-to-talk.exe");
    const std::pair<std::string, std::string> cases[] = {
        {m_scratch / "shows", BuildMessages::outputIsAFolder(m_scratch / "shows")},
        {m_scratch / "shows/", BuildMessages::outputIsAFolder(m_scratch / "shows/")},
        {"talk.exe", BuildMessages::outputIsRelative("talk.exe")},
        {"-sdel", BuildMessages::outputIsRelative("-sdel")},
        {"-i!/etc/shadow", BuildMessages::outputIsRelative("-i!/etc/shadow")},
        {"~/talk.exe", BuildMessages::outputIsRelative("~/talk.exe")},
        {talk, BuildMessages::outputIsTheSource(talk)},
        {m_scratch / "shows/../talk.ppt", BuildMessages::outputIsTheSource(m_scratch / "shows/../talk.ppt")},
        {m_scratch / "link-to-talk.exe", BuildMessages::outputIsTheSource(m_scratch / "link-to-talk.exe")},
    };
    for (const auto& [output, message] : cases) {
        SCOPED_TRACE(output);
        for (PackageKind package : {PackageKind::Package2003, PackageKind::Package2007}) {
            EXPECT_EQ(buildError(package, talk, 4, output), message);
            EXPECT_FALSE(staged("view.ppt"));
            EXPECT_EQ(m_tools.calls(), "");
        }
    }
    EXPECT_EQ(readFile(talk), "slides");
}

TEST_F(BuildProcedureTest, NamesOfUpTo255BytesAreStaged) {
    for (std::size_t length : {244u, 250u, 255u}) {
        SCOPED_TRACE(length);
        const std::string name = std::string(length - 4, 'n') + ".ppt";
        build(PackageKind::Package2003, source(name, "long"), 4,
              m_scratch / (std::string(length - 4, 'o') + ".exe"));
        EXPECT_EQ(m_tools.archiverSawStaged(), "long");
        EXPECT_EQ(m_tools.archiverArguments().at(3), m_scratch / (std::string(length - 4, 'o') + ".exe"));
    }
}

TEST_F(BuildProcedureTest, ArchiverIsLookedUpInTheProgramFolderThenAlongPathNeverInTheCurrentFolder) {
    std::filesystem::remove(m_program + "arc.dll");
    const std::string elsewhere = m_scratch / "elsewhere/";
    const std::string planted = m_scratch / "current/";
    std::filesystem::create_directories(elsewhere);
    std::filesystem::create_directories(planted);
    m_tools.writeArchiver(elsewhere + "arc.dll");
    m_tools.writeArchiver(planted + "arc.dll");

    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(planted);
    {
        // Empty and relative entries of PATH name the current folder: skipped.
        ScopedEnvironment path("PATH", ":.:current:" + elsewhere + ":/usr/bin:/bin");
        build(PackageKind::Package2003, source("talk.ppt"));
        EXPECT_EQ(m_tools.archiverArguments().at(0), elsewhere + "arc.dll");
    }
    {
        ScopedEnvironment path("PATH", ":/usr/bin:/bin");
        EXPECT_EQ(buildError(PackageKind::Package2003, source("talk.ppt")),
                  BuildMessages::archiverNotStarted(m_program));
    }
    // The program folder comes first.
    m_tools.writeArchiver(m_program + "arc.dll");
    build(PackageKind::Package2003, source("talk.ppt"));
    std::filesystem::current_path(previous);
    EXPECT_EQ(m_tools.archiverArguments().at(0), m_program + "arc.dll");
}

// ----------------------------------------------------------------------------
// The staging folder in a shared temporary folder that another user may use

class SharedTemporaryFolder : public testing::Test {
protected:
    SharedTemporaryFolder() {
        // A folder everyone may write into, as /tmp is.
        std::filesystem::create_directories(m_shared);
        ::chmod(m_scratch.path().c_str(), 0711);
        ::chmod(m_shared.c_str(), 01777);
        writeFile(m_home + "view.ppt", "my own talk");
        writeFile(m_home + "view.pptx", "my own draft");
        writeFile(m_home + "view-converted.ppt", "my own export");
        writeFile(m_program + "ppt2007/show.sh", "viewer");
    }

    // What the build did to the current folder and the tools.
    void expectNothingTouched() {
        EXPECT_EQ(readFile(m_home + "view.ppt"), "my own talk");
        EXPECT_EQ(readFile(m_home + "view.pptx"), "my own draft");
        EXPECT_EQ(readFile(m_home + "view-converted.ppt"), "my own export");
        EXPECT_EQ(m_tools.calls(), "");
    }

    // Builds from the home folder as current folder; the message it stopped with.
    std::string buildFromHome(PackageKind package, const std::string& sourcePath) {
        const std::filesystem::path previous = std::filesystem::current_path();
        std::filesystem::current_path(m_home);
        std::string message;
        try {
            m_procedure.run(BuildRequest{package, 4, sourcePath, m_home + "talk.exe"});
        } catch (const platform::Exception& error) {
            message = error.message();
        }
        std::filesystem::current_path(previous);
        return message;
    }

    std::string privateFolder() const { return m_shared + "slidekiln-" + std::to_string(::geteuid()); }

    ScratchFolder m_scratch;
    std::string m_shared = m_scratch / "tmp/";
    std::string m_home = (std::filesystem::create_directories(m_scratch / "home"), m_scratch / "home/");
    std::string m_program =
        (std::filesystem::create_directories(m_scratch / "program"), m_scratch / "program/");
    ScopedEnvironment m_tmpdir{"TMPDIR", m_shared};
    FakeTools m_tools{m_program};
    WaitingLauncher m_launcher{m_program};
    RecordingMessages m_messages;
    BuildProcedure m_procedure{m_messages, m_program, m_launcher};
};

TEST_F(SharedTemporaryFolder, PlantedLinkStopsTheBuildAndTouchesNothing) {
    // Dangling, to a folder of the attacker's, and to the victim's current folder.
    for (const std::string& target : {m_scratch / "not-yet", m_scratch.path(), m_home}) {
        SCOPED_TRACE(target);
        std::filesystem::remove(privateFolder());
        std::filesystem::create_symlink(target, privateFolder());
        for (PackageKind package : {PackageKind::Package2003, PackageKind::Package2007}) {
            EXPECT_EQ(buildFromHome(package, m_home + "view.ppt"),
                      BuildMessages::noPrivateStagingFolder(privateFolder()));
            EXPECT_EQ(buildFromHome(package, m_home + "view.pptx"),
                      BuildMessages::noPrivateStagingFolder(privateFolder()));
            expectNothingTouched();
        }
        EXPECT_FALSE(std::filesystem::exists(m_scratch / "not-yet"));
    }
    EXPECT_TRUE(m_messages.messages.empty());
}

TEST_F(SharedTemporaryFolder, FolderPlantedByAnotherUserStopsTheBuild) {
    if (::geteuid() != 0) SK_SKIP("needs root to act as a second user");
    // The second user makes the folder first, open to everyone.
    ASSERT_EQ(platform::ProcessLauncher::runAndWait({"/usr/bin/setpriv", "--reuid=65534", "--regid=65534",
                                                     "--clear-groups", "/bin/mkdir", "-m", "0777",
                                                     privateFolder()}),
              0);
    struct stat info {};
    ASSERT_EQ(::stat(privateFolder().c_str(), &info), 0);
    ASSERT_EQ(info.st_uid, 65534u);
    EXPECT_EQ(buildFromHome(PackageKind::Package2003, m_home + "view.ppt"),
              BuildMessages::noPrivateStagingFolder(privateFolder()));
    expectNothingTouched();
    EXPECT_TRUE(std::filesystem::is_empty(privateFolder()))
        << "the presentation went into another user's folder";
}

TEST_F(SharedTemporaryFolder, OwnFolderWithTooOpenAModeIsRepairedAndUsed) {
    ASSERT_EQ(::mkdir(privateFolder().c_str(), 0777), 0);
    ::chmod(privateFolder().c_str(), 0777);
    EXPECT_EQ(buildFromHome(PackageKind::Package2003, m_home + "view.ppt"), "");
    struct stat info {};
    ASSERT_EQ(::stat(privateFolder().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    EXPECT_EQ(readFile(privateFolder() + "/view.ppt"), "my own talk");
    EXPECT_EQ(m_tools.calls(), "archiver\n");
    EXPECT_EQ(readFile(m_home + "view.pptx"), "my own draft");
}

// The real launcher: the archiver runs detached and the build does not wait.
TEST(ProcessToolLauncher, StartsTheArchiverDetachedWithoutWaiting) {
    ScratchFolder scratch;
    const std::string program = scratch / "program/";
    std::filesystem::create_directories(program);
    // The archiver outlives the build: it releases the staged files at once and
    // records its session and standard input only after the launcher has returned.
    writeFile(program + "arc.dll",
              "#!/bin/sh\n"
              "exec 3>&-\n"
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
    ProcessToolLauncher launcher(program);
    EXPECT_TRUE(launcher.startArchiver(CommandLine{"arc.dll", {"arc.dll"}}));
    EXPECT_FALSE(std::filesystem::exists(program + "stdin")) << "the launcher waited for the archiver";

    // Nothing of ours is left to reap: no zombie stays.
    EXPECT_EQ(test::childProcesses(), before);

    for (int i = 0; i < 200 && !std::filesystem::exists(program + "stdin"); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    ASSERT_TRUE(std::filesystem::exists(program + "stdin")) << "the archiver never ran";
    EXPECT_EQ(readFile(program + "stdin"), "/dev/null\n");
    EXPECT_NE(std::stoi(readFile(program + "sid")), ::getsid(0));
}

// The launcher returns once the archiver has released the staged files (closed
// the descriptor named by SLIDEKILN_RELEASE_FD) or ended, not before.
TEST(ProcessToolLauncher, WaitsUntilTheArchiverHasReleasedTheStagedFiles) {
    ScratchFolder scratch;
    const std::string program = scratch / "program/";
    std::filesystem::create_directories(program);
    const std::pair<std::string, std::string> archivers[] = {
        {"releases",
         "sleep 0.5\necho \"$SLIDEKILN_RELEASE_FD\" > '" + program + "copied'\nexec 3>&-\nsleep 2\n"},
        {"ends", "sleep 0.5\necho 3 > '" + program + "copied'\n"},
    };
    for (const auto& [name, behaviour] : archivers) {
        SCOPED_TRACE(name);
        std::filesystem::remove(program + "copied");
        writeFile(program + "arc.dll", "#!/bin/sh\n" + behaviour, 0755);
        const auto start = std::chrono::steady_clock::now();
        EXPECT_TRUE(ProcessToolLauncher(program).startArchiver(CommandLine{"arc.dll", {"arc.dll"}}));
        EXPECT_EQ(readFile(program + "copied"), "3\n") << "returned before the archiver had its copy";
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    }
}

// No terminal window in between: the archiver shows its own window, and
// terminal emulators pass "-e" arguments through a shell.
TEST(ProcessToolLauncher, StartsTheArchiverItselfEvenWhenATerminalEmulatorIsThere) {
    ScratchFolder scratch;
    const std::string program = scratch / "program/";
    const std::string bin = scratch / "bin/";
    std::filesystem::create_directories(program);
    std::filesystem::create_directories(bin);
    writeFile(program + "arc.dll", "#!/bin/sh\necho \"$@\" > '" + scratch / "archiver ran" + "'\n", 0755);
    writeFile(bin + "x-terminal-emulator", "#!/bin/sh\necho \"$@\" > '" + scratch / "terminal ran" + "'\n",
              0755);
    ScopedEnvironment path("PATH", bin + ":/usr/bin:/bin");
    ScopedEnvironment display("DISPLAY", ":41");
    EXPECT_EQ(ProcessToolLauncher(program).archiverLaunch(CommandLine{"", {"arc.dll", "a", "-mx1"}}),
              (Arguments{program + "arc.dll", "a", "-mx1"}));

    ASSERT_TRUE(ProcessToolLauncher(program).startArchiver(CommandLine{"", {"arc.dll", "a", "-mx1"}}));
    for (int i = 0; i < 200 && !std::filesystem::exists(scratch / "archiver ran"); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
    EXPECT_EQ(readFile(scratch / "archiver ran"), "a -mx1\n");
    EXPECT_FALSE(std::filesystem::exists(scratch / "terminal ran")) << readFile(scratch / "terminal ran");
}

}  // namespace
}  // namespace sk::builder
