// The default outside tools of the program folder with the real programs behind
// them: arc.dll over 7-Zip, and pptxppt/ppt2ppt.dll over LibreOffice (skipped
// when LibreOffice is not installed).
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <thread>

#include "builder/BuildCommands.h"
#include "builder/BuildProcedure.h"
#include "platform/Exception.h"
#include "platform/FileSystem.h"
#include "platform/ProcessLauncher.h"
#include "support/ScratchFolder.h"
#include "support/Skip.h"
#include "support/TestEnvironment.h"
#include "support/WaitingLauncher.h"

namespace sk::builder {
namespace {

using platform::ProcessLauncher;
using test::readFile;
using test::ScratchFolder;
using test::writeFile;

// The program folder laid out by the build, ending in "/".
std::string programFolder() {
    return test::programFolder().string() + "/";
}

std::string sevenZip() {
    for (const char* name : {"7z", "7zz", "7za"})
        if (std::string path = ProcessLauncher::findProgram(name); !path.empty()) return path;
    return "";
}

std::string office() {
    for (const char* name : {"soffice", "libreoffice"})
        if (std::string path = ProcessLauncher::findProgram(name); !path.empty()) return path;
    return "";
}

// Runs a program and returns what it wrote on standard output (through a file, so
// no shell sees the arguments).
std::string outputOf(const std::vector<std::string>& arguments, const ScratchFolder& scratch) {
    std::vector<std::string> wrapped = {"/bin/sh", "-c", "out=$1; shift; \"$@\" > \"$out\" 2>&1", "sh",
                                        scratch / "output.txt"};
    wrapped.insert(wrapped.end(), arguments.begin(), arguments.end());
    ProcessLauncher::runAndWait(wrapped);
    return readFile(scratch / "output.txt");
}

// Name and compression method of every entry of an archive, as 7-Zip lists them.
std::map<std::string, std::string> archiveEntries(const std::string& archive, const ScratchFolder& scratch) {
    std::string listing = outputOf({sevenZip(), "l", "-slt", archive}, scratch);
    std::map<std::string, std::string> entries;
    // Entries follow the "----------" line; each starts with "Path = ".
    std::size_t start = listing.find("----------");
    std::regex entry("Path = (.*)\\n(?:.*\\n)*?Method = (.*)\\n");
    std::string body = start == std::string::npos ? "" : listing.substr(start);
    for (std::sregex_iterator it(body.begin(), body.end(), entry), end; it != end; ++it)
        entries[(*it)[1]] = (*it)[2];
    return entries;
}

// A viewer folder: show.bin, readme.txt and licenses.txt.
constexpr std::size_t kViewerFiles = 3;

// The self-extractor and the viewer are linked statically and travel in every
// package: the notices of every library in them must travel too.
TEST(ProgramFolder, ViewerFoldersCarryTheLicencesOfEveryLibraryLinkedIn) {
    if (programFolder().empty()) SK_SKIP("no program folder laid out (build the program_folder target)");
    for (const char* kind : {"ppt2003/", "ppt2007/"}) {
        SCOPED_TRACE(kind);
        std::ifstream file(programFolder() + kind + "licenses.txt");
        ASSERT_TRUE(file) << "no licenses.txt beside the viewer";
        const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
        EXPECT_NE(text.find("Permission is hereby granted, free of charge"), std::string::npos);
        for (const char* library : {"libarchive.a", "liblzma.a", "libbz2.a", "libz.a", "libpng16.a", "libX11.a",
                                    "libxcb.a", "libXau.a", "libXdmcp.a", "libc.a"})
            EXPECT_NE(text.find(std::string("======== ") + library + " (Debian package "), std::string::npos)
                << library;
        EXPECT_NE(text.find("Tim Kientzle"), std::string::npos) << "libarchive's own notice, not only its name";
    }
}

class ArchiverTool : public testing::Test {
protected:
    void SetUp() override {
        if (programFolder().empty()) SK_SKIP("no program folder laid out (build the program_folder target)");
        if (sevenZip().empty()) SK_SKIP("7-Zip is not installed");
        ASSERT_TRUE(std::filesystem::exists(programFolder() + "7zs.sfx"));
        std::filesystem::create_directories(m_staging);
    }

    // Runs arc.dll with the build's own command line and waits for it.
    int archive(const std::string& output, const char* pattern, int level) {
        CommandLine line = archiverCommandLine(output, programFolder(), pattern, m_staging, level);
        line.arguments.front() = programFolder() + line.arguments.front();
        return ProcessLauncher::runAndWait(line.arguments);
    }

    // Runs the arc.dll of a program folder with these arguments in a folder;
    // what it said on standard output and error goes to m_said.
    int archiveIn(const std::string& folder, const std::vector<std::string>& arguments,
                  const std::string& program = programFolder()) {
        std::vector<std::string> command = {
            "/bin/sh",
            "-c",
            "cd \"$1\" && shift && out=$1 && shift && exec \"$@\" > \"$out\" 2>&1",
            "sh",
            folder,
            m_scratch / "said.txt",
            program + "arc.dll"};
        command.insert(command.end(), arguments.begin(), arguments.end());
        const int status = ProcessLauncher::runAndWait(command);
        m_said = readFile(m_scratch / "said.txt");
        return status;
    }

    // A copy of the program folder at the path, for tests that change it.
    std::string programCopy(const std::string& folder) {
        std::filesystem::create_directories(folder);
        std::filesystem::copy(programFolder(), folder, std::filesystem::copy_options::recursive);
        return folder + "/";
    }

    ScratchFolder m_scratch;
    std::string m_staging = m_scratch / "staging folder/";
    std::string m_said;
    // No progress window: these runs must not wait for anyone's click.
    test::ScopedEnvironment m_display{"DISPLAY", std::nullopt};
    test::ScopedEnvironment m_wayland{"WAYLAND_DISPLAY", std::nullopt};
};

std::string compressibleSlides() {
    std::string text;
    for (int i = 0; i < 4000; ++i) text += "slide " + std::to_string(i % 10) + " of a long talk\n";
    return text;
}

TEST_F(ArchiverTool, WritesAnExecutableHoldingTheViewerAndThePresentation) {
    writeFile(m_staging + "view.ppt", compressibleSlides());
    for (const char* pattern : {kViewerPattern2003, kViewerPattern2007}) {
        SCOPED_TRACE(pattern);
        const std::string output = m_scratch / "My Shows/talk \"final\".exe";
        std::filesystem::create_directories(m_scratch / "My Shows");
        ASSERT_EQ(archive(output, pattern, 5), 0);

        struct stat info {};
        ASSERT_EQ(::stat(output.c_str(), &info), 0);
        EXPECT_NE(info.st_mode & S_IXUSR, 0u) << "the executable is not marked executable";
        std::map<std::string, std::string> entries = archiveEntries(output, m_scratch);
        EXPECT_EQ(entries.size(), kViewerFiles + 1);
        EXPECT_TRUE(entries.count("view.ppt"));
        EXPECT_TRUE(entries.count("show.bin"));
        EXPECT_TRUE(entries.count("readme.txt"));
        EXPECT_TRUE(entries.count("licenses.txt"));
    }
}

TEST_F(ArchiverTool, CompressionFollowsTheLevelSwitch) {
    writeFile(m_staging + "view.ppt", compressibleSlides());
    ASSERT_EQ(archive(m_scratch / "stored.exe", kViewerPattern2003, 0), 0);
    ASSERT_EQ(archive(m_scratch / "packed.exe", kViewerPattern2003, 9), 0);
    ASSERT_EQ(archive(m_scratch / "ten.exe", kViewerPattern2003, 10), 0);

    EXPECT_EQ(archiveEntries(m_scratch / "stored.exe", m_scratch)["view.ppt"], "Copy");
    EXPECT_EQ(archiveEntries(m_scratch / "packed.exe", m_scratch)["view.ppt"].substr(0, 4), "LZMA");
    EXPECT_EQ(archiveEntries(m_scratch / "ten.exe", m_scratch)["view.ppt"].substr(0, 4), "LZMA");
    EXPECT_LT(std::filesystem::file_size(m_scratch / "packed.exe"),
              std::filesystem::file_size(m_scratch / "stored.exe"));
}

TEST_F(ArchiverTool, ExecutableUnpacksTheCurrentPresentationEvenOverAnOlderBuild) {
    const std::string output = m_scratch / "talk.exe";
    writeFile(m_staging + "view.ppt", "first version");
    ASSERT_EQ(archive(output, kViewerPattern2007, 1), 0);
    writeFile(m_staging + "view.ppt", "second version");
    ASSERT_EQ(archive(output, kViewerPattern2007, 1), 0);

    const std::string unpack = m_scratch / "unpack/";
    outputOf({output, "--extract", unpack}, m_scratch);
    EXPECT_EQ(readFile(unpack + "view.ppt"), "second version");
    struct stat info {};
    ASSERT_EQ(::stat((unpack + "show.bin").c_str(), &info), 0);
    EXPECT_NE(info.st_mode & S_IXUSR, 0u) << "the viewer launcher lost its execute bit";
}

TEST_F(ArchiverTool, FailedArchiveLeavesNoOutput) {
    // No staged presentation: 7-Zip fails and nothing is written under the name.
    const std::string output = m_scratch / "talk.exe";
    EXPECT_NE(archive(output, kViewerPattern2003, 5), 0);
    EXPECT_FALSE(std::filesystem::exists(output));
    for (const auto& entry : std::filesystem::directory_iterator(m_scratch.path()))
        EXPECT_EQ(entry.path().filename().string().find(".talk.exe"), std::string::npos) << entry.path();
}

// Every argument is read by its position: an output or a staged name that looks
// like a 7-Zip switch or list file is just a name.
TEST_F(ArchiverTool, NamesThatLookLikeSwitchesAreOnlyNames) {
    const std::string work = m_scratch / "work/";
    std::filesystem::create_directories(work);
    writeFile(work + "view.ppt", "slides");
    writeFile(work + "@list", "/etc/hostname\n");
    writeFile(work + "secret.txt", "secret");
    const std::string viewer = programFolder() + kViewerPattern2003;
    for (const char* output :
         {"-sdel", "-psecret", "-v100k", "-i!secret.txt", "-mhe=on", "-ax!view.ppt", "--"}) {
        SCOPED_TRACE(output);
        for (const char* staged : {"view.ppt", "@list"}) {
            ASSERT_EQ(archiveIn(work, {"a", "-sfx7zs.sfx", output, viewer, staged, "-mx1"}), 0) << m_said;
            const std::string written = work + output;
            std::map<std::string, std::string> entries = archiveEntries(written, m_scratch);
            EXPECT_EQ(entries.size(), kViewerFiles + 1);
            EXPECT_TRUE(entries.count(staged));
            EXPECT_FALSE(entries.count("secret.txt"));
            EXPECT_FALSE(entries.count("hostname"));
            for (const auto& [name, method] : entries)
                EXPECT_EQ(method.find("AES"), std::string::npos) << name;
            std::filesystem::remove(written);
        }
        EXPECT_EQ(readFile(work + "view.ppt"), "slides") << "the staged file was deleted";
        // Nothing else appeared: no volumes, no "*.*" in the viewer folder.
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(work), {}), 3);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(programFolder() + "ppt2003"), {}),
                  static_cast<std::ptrdiff_t>(kViewerFiles));
    }
}

TEST_F(ArchiverTool, RefusesWhatIsNotItsCommandLine) {
    writeFile(m_staging + "view.ppt", "slides");
    const std::string viewer = programFolder() + kViewerPattern2003;
    const std::string staged = m_staging + "view.ppt";
    const std::string out = m_scratch / "out.exe";
    const std::vector<std::string> wrong[] = {
        {"x", "-sfx7zs.sfx", out, viewer, staged, "-mx1"},
        {"a", out, viewer, staged, "-mx1"},
        {"a", "-sfx7zs.sfx", out, viewer, staged},
        {"a", "-sfx7zs.sfx", out, viewer, staged, "-mx11"},
        {"a", "-sfx7zs.sfx", "", viewer, staged, "-mx1"},
        {"a", "-sfx7zs.sfx", out, viewer, m_staging + "missing.ppt", "-mx1"},
    };
    for (const auto& arguments : wrong) {
        EXPECT_EQ(archiveIn(m_scratch.path(), arguments), 2) << arguments.size();
        EXPECT_NE(m_said.find("arc.dll: "), std::string::npos) << m_said;
        EXPECT_FALSE(std::filesystem::exists(out));
    }
}

// The module is the one beside arc.dll, by absolute path: never one planted in
// the current folder or named by a path.
TEST_F(ArchiverTool, SelfExtractorModuleIsOnlyTheOneBesideIt) {
    const std::string program = programCopy(m_scratch / "tools");
    std::filesystem::remove(program + "7zs.sfx");
    const std::string work = m_scratch / "work/";
    std::filesystem::create_directories(work);
    std::filesystem::copy_file(programFolder() + "7zs.sfx", work + "7zs.sfx");
    writeFile(work + "view.ppt", "slides");
    const std::string viewer = program + kViewerPattern2003;
    for (const std::string& module : {std::string("-sfx7zs.sfx"), std::string("-sfx./7zs.sfx"),
                                      "-sfx" + work + "7zs.sfx", std::string("-sfx")}) {
        SCOPED_TRACE(module);
        EXPECT_EQ(archiveIn(work, {"a", module, work + "out.exe", viewer, "view.ppt", "-mx1"}, program), 2)
            << m_said;
        EXPECT_FALSE(std::filesystem::exists(work + "out.exe"));
    }
    // Beside it, the module heads the executable.
    std::filesystem::copy_file(programFolder() + "7zs.sfx", program + "7zs.sfx");
    ASSERT_EQ(archiveIn(work, {"a", "-sfx7zs.sfx", work + "out.exe", viewer, "view.ppt", "-mx1"}, program), 0)
        << m_said;
    const std::string module = readFile(program + "7zs.sfx");
    EXPECT_EQ(readFile(work + "out.exe").substr(0, module.size()), module);
}

TEST_F(ArchiverTool, RefusesAPackageInsideTheProgramFolder) {
    const std::string program = programCopy(m_scratch / "tools");
    writeFile(m_staging + "view.ppt", "slides");
    std::filesystem::create_directory_symlink(program + "ppt2003", m_scratch / "viewer-link");
    for (const std::string& output :
         {program + "talk.exe", program + "ppt2003/talk.exe", program + "ppt2003/../ppt2007/x.exe",
          m_scratch / "viewer-link/talk.exe"}) {
        SCOPED_TRACE(output);
        EXPECT_EQ(archiveIn(m_scratch.path(),
                            {"a", "-sfx7zs.sfx", output, program + kViewerPattern2003, m_staging + "view.ppt",
                             "-mx1"},
                            program),
                  2)
            << m_said;
        EXPECT_FALSE(std::filesystem::exists(output));
    }
}

// A "*" or "?" in the program folder's path is part of a name, not a pattern.
TEST_F(ArchiverTool, WildcardsInTheProgramFolderPathPickUpNoOtherFolder) {
    const std::string program = programCopy(m_scratch / "tools*?");
    std::filesystem::create_directories(m_scratch / "toolsXY/ppt2003");
    writeFile(m_scratch / "toolsXY/ppt2003/intruder.txt", "not ours");
    writeFile(m_staging + "view.ppt", "slides");
    ASSERT_EQ(archiveIn(m_scratch.path(),
                        {"a", "-sfx7zs.sfx", m_scratch / "talk.exe", program + kViewerPattern2003,
                         m_staging + "view.ppt", "-mx1"},
                        program),
              0)
        << m_said;
    std::map<std::string, std::string> entries = archiveEntries(m_scratch / "talk.exe", m_scratch);
    EXPECT_EQ(entries.size(), kViewerFiles + 1);
    EXPECT_FALSE(entries.count("intruder.txt"));
}

TEST_F(ArchiverTool, NamesOf244To255BytesWork) {
    writeFile(m_staging + "view.ppt", "slides");
    for (std::size_t length : {244u, 250u, 255u}) {
        SCOPED_TRACE(length);
        const std::string output = m_scratch / (std::string(length - 4, 'n') + ".exe");
        EXPECT_EQ(archive(output, kViewerPattern2003, 1), 0);
        EXPECT_TRUE(std::filesystem::is_regular_file(output));
    }
}

// A 7-Zip of the test's making in front of the real one: it records where it
// was told to write and can meddle with the staged presentation, as a second
// build started meanwhile would.
class ObservedSevenZip {
public:
    ObservedSevenZip(const ScratchFolder& scratch, const std::string& meddling)
        : m_bin(scratch / "observed bin/"), m_path("PATH", m_bin + ":/usr/bin:/bin") {
        std::filesystem::create_directories(m_bin);
        writeFile(
            m_bin + "7z",
            "#!/bin/bash\n"
            "for ((i = 1; i <= $#; i++)); do [[ ${!i} == -- ]] && break; done\n"
            "j=$((i + 1)); archive=$(readlink -m -- \"${!j}\")\n"
            "folder=$(dirname -- \"$archive\")\n"
            "{ echo \"$folder\"; stat -c '%a %u' -- \"$folder\"; [[ -e $archive ]] && echo planted || echo "
            "fresh; } > '" +
                m_bin + "seen'\n" + meddling + "exec " + sevenZip() + " \"$@\"\n",
            0755);
    }
    std::string seen() const { return readFile(m_bin + "seen"); }

private:
    std::string m_bin;
    test::ScopedEnvironment m_path;
};

// The package is written in a private folder beside the output, never under a
// name that someone else could have planted in a shared folder.
TEST_F(ArchiverTool, WritesInAPrivateFolderBesideTheOutputAndMovesWithoutFollowingLinks) {
    const std::string shared = m_scratch / "shared/";
    std::filesystem::create_directories(shared);
    ::chmod(shared.c_str(), 01777);
    writeFile(m_staging + "view.ppt", "slides");
    ObservedSevenZip observed(m_scratch, "");
    ASSERT_EQ(archive(shared + "talk.exe", kViewerPattern2003, 1), 0);
    const std::string seen = observed.seen();
    EXPECT_TRUE(seen.starts_with(shared + ".slidekiln-")) << seen;
    EXPECT_NE(seen.find("\n700 " + std::to_string(::geteuid()) + "\nfresh\n"), std::string::npos) << seen;
    // Nothing of the private folder is left.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(shared), {}), 1);

    // A link planted under the output name is replaced, never written through;
    // one to a folder is refused like a folder.
    writeFile(m_scratch / "victim.txt", "precious");
    std::filesystem::remove(shared + "talk.exe");
    std::filesystem::create_symlink(m_scratch / "victim.txt", shared + "talk.exe");
    ASSERT_EQ(archive(shared + "talk.exe", kViewerPattern2003, 1), 0);
    EXPECT_FALSE(std::filesystem::is_symlink(shared + "talk.exe"));
    EXPECT_TRUE(std::filesystem::is_regular_file(shared + "talk.exe"));
    EXPECT_EQ(readFile(m_scratch / "victim.txt"), "precious");

    std::filesystem::create_directories(m_scratch / "victim folder");
    std::filesystem::create_symlink(m_scratch / "victim folder", shared + "show.exe");
    EXPECT_EQ(archive(shared + "show.exe", kViewerPattern2003, 1), 2);
    EXPECT_TRUE(std::filesystem::is_empty(m_scratch / "victim folder"));
}

TEST_F(ArchiverTool, EachRunPackagesItsOwnCopyOfTheStagedPresentation) {
    writeFile(m_staging + "view.ppt", "the first build's slides");
    // A second build cleans up and stages its own presentation while 7-Zip starts.
    ObservedSevenZip observed(m_scratch, "rm -f -- '" + m_staging + "view.ppt'; echo 'the second build' > '" +
                                             m_staging + "view.ppt'\n");
    const std::string output = m_scratch / "talk.exe";
    ASSERT_EQ(archive(output, kViewerPattern2003, 1), 0);
    const std::string unpack = m_scratch / "unpack/";
    outputOf({output, "--extract", unpack}, m_scratch);
    EXPECT_EQ(readFile(unpack + "view.ppt"), "the first build's slides");
}

TEST_F(ArchiverTool, ToldOutcomeWithPathAndSizeOrWithSevenZipsReason) {
    writeFile(m_staging + "view.ppt", "slides");
    const std::string viewer = programFolder() + kViewerPattern2003;
    const std::string output = m_scratch / "talk.exe";
    const std::vector<std::string> arguments = {"a",    "-sfx7zs.sfx",          output,
                                                viewer, m_staging + "view.ppt", "-mx1"};
    ASSERT_EQ(archiveIn(m_scratch.path(), arguments), 0);
    const std::string size = std::to_string(std::filesystem::file_size(output));
    EXPECT_NE(m_said.find("Пакет записан: " + output + " (" + size + " байт)"), std::string::npos) << m_said;

    ObservedSevenZip failing(m_scratch, "echo 'ERROR: There is not enough space on the disk' >&2; exit 2\n");
    std::filesystem::remove(output);
    EXPECT_EQ(archiveIn(m_scratch.path(), arguments), 1);
    EXPECT_NE(m_said.find("пакет " + output + " не записан"), std::string::npos) << m_said;
    EXPECT_NE(m_said.find("ERROR: There is not enough space on the disk"), std::string::npos) << m_said;
    EXPECT_FALSE(std::filesystem::exists(output));
}

// A desktop's progress window, played by a zenity of the test's making that
// records how it was called and what it was fed, and answers the outcome
// window with the button that opens the package's folder.
class FakeDesktop {
public:
    explicit FakeDesktop(const ScratchFolder& scratch)
        : m_bin(scratch / "desktop bin/"),
          m_path("PATH", m_bin + ":/usr/bin:/bin"),
          m_display("DISPLAY", ":97") {
        std::filesystem::create_directories(m_bin);
        writeFile(m_bin + "zenity",
                  "#!/bin/bash\n"
                  "printf '%s\\n' \"$*\" >> '" +
                      m_bin +
                      "calls'\n"
                      "case \" $* \" in\n"
                      "  *' --progress '*) cat > '" +
                      m_bin +
                      "fed' ;;\n"
                      "  *' --info '*) echo 'Открыть папку' ;;\n"
                      "esac\n",
                  0755);
        writeFile(m_bin + "xdg-open", "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + m_bin + "opened'\n", 0755);
    }
    std::string calls() const { return readFile(m_bin + "calls"); }
    std::string fed() const { return readFile(m_bin + "fed"); }
    // What xdg-open was asked to open (it runs detached: waited for a moment).
    std::string opened() const {
        for (int i = 0; i < 100 && !std::filesystem::exists(m_bin + "opened"); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        return readFile(m_bin + "opened");
    }

private:
    std::string m_bin;
    test::ScopedEnvironment m_path;
    test::ScopedEnvironment m_display;
};

TEST_F(ArchiverTool, OnADesktopShowsProgressAndOutcomeInAWindow) {
    FakeDesktop desktop(m_scratch);
    writeFile(m_staging + "view.ppt", compressibleSlides());
    const std::string shows = m_scratch / "My <b>Shows</b> & more/";
    std::filesystem::create_directories(shows);
    const std::string output = shows + "talk.exe";
    const std::vector<std::string> arguments = {
        "a", "-sfx7zs.sfx", output, programFolder() + kViewerPattern2003, m_staging + "view.ppt", "-mx9"};
    ASSERT_EQ(archiveIn(m_scratch.path(), arguments), 0) << m_said;

    const std::string calls = desktop.calls();
    const std::string shownFolder = m_scratch / "My &lt;b&gt;Shows&lt;/b&gt; &amp; more/";
    EXPECT_NE(calls.find("--progress"), std::string::npos) << calls;
    EXPECT_NE(calls.find("--text=Создаётся пакет " + shownFolder + "talk.exe"), std::string::npos) << calls;
    EXPECT_NE(calls.find("--info"), std::string::npos) << calls;
    EXPECT_NE(calls.find("--extra-button=Открыть папку"), std::string::npos) << calls;
    EXPECT_NE(calls.find("--text=Пакет записан: " + shownFolder + "talk.exe ("), std::string::npos) << calls;
    // 7-Zip's percentages, one a line, and nothing else.
    const std::string fed = desktop.fed();
    EXPECT_FALSE(fed.empty());
    EXPECT_TRUE(std::regex_match(fed, std::regex("([0-9]{1,3}\\n)+"))) << fed;
    EXPECT_EQ(desktop.opened(), m_scratch / "My <b>Shows</b> & more\n");

    // A failure comes as an error window with 7-Zip's reason.
    ObservedSevenZip failing(m_scratch, "echo 'ERROR: Access is denied' >&2; exit 2\n");
    test::ScopedEnvironment path(
        "PATH", m_scratch / "desktop bin" + ":" + m_scratch / "observed bin" + ":/usr/bin:/bin");
    std::filesystem::remove(output);
    EXPECT_EQ(archiveIn(m_scratch.path(), arguments), 1);
    const std::string failed = desktop.calls().substr(calls.size());
    EXPECT_NE(failed.find("--error"), std::string::npos) << failed;
    EXPECT_NE(failed.find("ERROR: Access is denied"), std::string::npos) << failed;
}

TEST(ViewerFolders, EveryFileHasAnExtensionForThePattern) {
    if (programFolder().empty()) SK_SKIP("no program folder laid out (build the program_folder target)");
    for (const char* folder : {"ppt2003", "ppt2007"}) {
        int files = 0;
        for (const auto& entry : std::filesystem::directory_iterator(programFolder() + folder)) {
            ++files;
            EXPECT_FALSE(entry.path().extension().empty()) << entry.path();
        }
        EXPECT_GE(files, 2) << folder;
    }
}

// ----------------------------------------------------------------------------
// The converter

class ConverterTool : public testing::Test {
protected:
    void SetUp() override {
        if (programFolder().empty()) SK_SKIP("no program folder laid out (build the program_folder target)");
        std::filesystem::create_directories(m_staging);
    }

    int convert() {
        CommandLine line = converterCommandLine(programFolder(), m_staging);
        return ProcessLauncher::runAndWait(line.arguments);
    }

    ScratchFolder m_scratch;
    std::string m_staging = m_scratch / "staging folder/";
};

// A one-slide presentation in LibreOffice's flat format, turned into *.pptx by
// LibreOffice itself.
bool makePptx(const std::string& office, const ScratchFolder& scratch, const std::string& target) {
    writeFile(scratch / "deck.fodp",
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<office:document xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\""
              " xmlns:draw=\"urn:oasis:names:tc:opendocument:xmlns:drawing:1.0\""
              " xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\""
              " xmlns:svg=\"urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0\""
              " office:version=\"1.2\" office:mimetype=\"application/vnd.oasis.opendocument.presentation\">"
              "<office:body><office:presentation><draw:page draw:name=\"page1\">"
              "<draw:frame svg:x=\"2cm\" svg:y=\"2cm\" svg:width=\"10cm\" svg:height=\"3cm\"><draw:text-box>"
              "<text:p>Slidekiln test slide</text:p></draw:text-box></draw:frame>"
              "</draw:page></office:presentation></office:body></office:document>\n");
    ProcessLauncher::runAndWait({office, "--headless", "--norestore",
                                 "-env:UserInstallation=file://" + (scratch / "profile"), "--convert-to",
                                 "pptx", "--outdir", scratch / "made", scratch / "deck.fodp"});
    std::error_code error;
    std::filesystem::rename(scratch / "made/deck.pptx", target, error);
    return !error;
}

TEST_F(ConverterTool, ConvertsTheStagedPptxWithLibreOffice) {
    const std::string libreOffice = office();
    if (libreOffice.empty()) SK_SKIP("LibreOffice is not installed (scripts/run installs it)");
    ASSERT_TRUE(makePptx(libreOffice, m_scratch, m_staging + "view.pptx"));

    EXPECT_EQ(convert(), 0);
    const std::string result = readFile(m_staging + kConverterResult);
    ASSERT_GT(result.size(), 8u);
    // A *.ppt is an OLE compound document.
    EXPECT_EQ(result.substr(0, 4), "\xD0\xCF\x11\xE0");
}

TEST_F(ConverterTool, WritesNothingForAnUnreadablePresentation) {
    if (office().empty()) SK_SKIP("LibreOffice is not installed (scripts/run installs it)");
    // LibreOffice ends with status 0 here: the converter must look at the result.
    writeFile(m_staging + "view.pptx", "not a presentation");
    EXPECT_NE(convert(), 0);
    EXPECT_FALSE(std::filesystem::exists(m_staging + kConverterResult));
}

TEST_F(ConverterTool, SaysSoAndWritesNothingWithoutLibreOffice) {
    // A PATH with nothing but what the converter needs before it looks for LibreOffice.
    const std::string bin = m_scratch / "bin/";
    std::filesystem::create_directories(bin);
    for (const char* tool : {"bash", "dirname", "readlink"})
        std::filesystem::create_symlink(ProcessLauncher::findProgram(tool), bin + tool);
    writeFile(m_staging + "view.pptx", "PK presentation");
    CommandLine line = converterCommandLine(programFolder(), m_staging);
    test::ScopedEnvironment path("PATH", bin);
    std::string said = outputOf(line.arguments, m_scratch);
    EXPECT_NE(said.find("не установлен LibreOffice"), std::string::npos) << said;
    EXPECT_FALSE(std::filesystem::exists(m_staging + kConverterResult));
}

// A LibreOffice of the test's making, found first along PATH: it records its
// arguments and then does what the script says.
class FakeOffice {
public:
    FakeOffice(const ScratchFolder& scratch, const std::string& behaviour)
        : m_bin(scratch / "fake office/"), m_path("PATH", m_bin + ":/usr/bin:/bin") {
        std::filesystem::create_directories(m_bin);
        writeFile(
            m_bin + "soffice",
            "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\0' \"$a\"; done > '" + m_bin + "args'\n" + behaviour,
            0755);
    }
    std::vector<std::string> arguments() const {
        std::string content = readFile(m_bin + "args");
        std::vector<std::string> result;
        for (std::size_t start = 0, end; (end = content.find('\0', start)) != std::string::npos;
             start = end + 1)
            result.push_back(content.substr(start, end - start));
        return result;
    }
    std::string folder() const { return m_bin; }

private:
    std::string m_bin;
    test::ScopedEnvironment m_path;
};

std::string percentDecoded(const std::string& text) {
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size()) {
            bytes.push_back(static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16)));
            i += 2;
        } else {
            bytes.push_back(text[i]);
        }
    }
    return bytes;
}

TEST_F(ConverterTool, EncodesTheProfilePathByteByByte) {
    // LibreOffice's profile must lie inside the converter's private work folder,
    // which goes with it; a wrongly encoded URL put it elsewhere, never removed.
    const std::string temporary = m_scratch / "временная папка ✓";
    std::filesystem::create_directories(temporary);
    test::ScopedEnvironment tmpdir("TMPDIR", temporary);
    FakeOffice office(m_scratch, "exit 0\n");
    writeFile(m_staging + "view.pptx", "PK presentation");
    EXPECT_NE(convert(), 0);

    std::string profile;
    for (const std::string& argument : office.arguments())
        if (argument.starts_with("-env:UserInstallation=file://"))
            profile = percentDecoded(argument.substr(std::string("-env:UserInstallation=file://").size()));
    EXPECT_TRUE(profile.starts_with(temporary + "/")) << profile;
    EXPECT_TRUE(profile.ends_with("/profile")) << profile;
    // Nothing is left of the work folder.
    EXPECT_TRUE(std::filesystem::is_empty(temporary));
}

class NoMessagesExpected : public MessageSink {
public:
    void showMessage(const std::string& text) override { ADD_FAILURE() << "unexpected message: " << text; }
};

// The build's message when the default converter fails with the given LibreOffice.
std::string conversionMessage(const ScratchFolder& scratch) {
    writeFile(scratch / "talk.pptx", "PK presentation");
    NoMessagesExpected messages;
    test::WaitingLauncher launcher(programFolder());
    BuildProcedure procedure(messages, programFolder(), launcher);
    try {
        procedure.run(BuildRequest{PackageKind::Package2007, 3, scratch / "talk.pptx", scratch / "talk.exe"});
    } catch (const platform::Exception& error) {
        return error.message();
    }
    return "";
}

TEST_F(ConverterTool, LibreOfficeThatFailsIsToldWithTheReason) {
    test::ScopedEnvironment tmpdir("TMPDIR", m_scratch.path());
    FakeOffice office(m_scratch, "echo 'Error: source file could not be loaded' >&2\nexit 0\n");
    const std::string staged = m_scratch / ("slidekiln-" + std::to_string(::geteuid()) + "/view.pptx");
    EXPECT_EQ(
        conversionMessage(m_scratch),
        "Презентация не преобразована: LibreOffice не смог преобразовать " + staged + " (код выхода 0).");
    EXPECT_FALSE(std::filesystem::exists(m_scratch / "talk.exe"));
}

TEST_F(ConverterTool, HangingLibreOfficeIsEndedWithItsHelpersAndTold) {
    test::ScopedEnvironment tmpdir("TMPDIR", m_scratch.path());
    test::ScopedEnvironment limit("PPT2PPT_TIME_LIMIT", "1");
    // A helper that ignores the polite request to end, and a LibreOffice that hangs.
    FakeOffice office(m_scratch,
                      "(trap '' TERM; sleep 1000) &\necho $! > \"$(dirname \"$0\")/helper\"\nsleep 1000\n");
    EXPECT_EQ(conversionMessage(m_scratch),
              "Презентация не преобразована: LibreOffice не закончил преобразование за 1 с.");
    const std::string helper = readFile(office.folder() + "helper");
    ASSERT_FALSE(helper.empty());
    EXPECT_TRUE(test::processEnds(std::stoi(helper))) << "LibreOffice's helper " << helper << " was left running";
}

// ----------------------------------------------------------------------------
// Whole builds with the default tools

class NoMessages : public MessageSink {
public:
    void showMessage(const std::string& text) override { ADD_FAILURE() << "unexpected message: " << text; }
};

class WholeBuild : public testing::Test {
protected:
    void SetUp() override {
        if (programFolder().empty()) SK_SKIP("no program folder laid out (build the program_folder target)");
        if (sevenZip().empty()) SK_SKIP("7-Zip is not installed");
    }

    // Unpacks the executable into a fresh folder and returns its "view.ppt".
    std::string unpackedPresentation(const std::string& executable) {
        const std::string unpack = m_scratch / "unpack/";
        std::filesystem::remove_all(unpack);
        outputOf({executable, "--extract", unpack}, m_scratch);
        return readFile(unpack + "view.ppt");
    }

    ScratchFolder m_scratch;
    test::ScopedEnvironment m_tmpdir{"TMPDIR", m_scratch.path()};
    test::ScopedEnvironment m_display{"DISPLAY", std::nullopt};
    test::ScopedEnvironment m_wayland{"WAYLAND_DISPLAY", std::nullopt};
    NoMessages m_messages;
    test::WaitingLauncher m_launcher{programFolder()};
    BuildProcedure m_procedure{m_messages, programFolder(), m_launcher};
};

TEST_F(WholeBuild, Package2003WritesAnExecutableThatUnpacksThePresentation) {
    writeFile(m_scratch / "talk.ppt", compressibleSlides());
    const std::string output = m_scratch / "My Shows/talk.exe";
    std::filesystem::create_directories(m_scratch / "My Shows");
    m_procedure.run(BuildRequest{PackageKind::Package2003, 7, m_scratch / "talk.ppt", output});
    EXPECT_EQ(unpackedPresentation(output), compressibleSlides());
}

// Two builds in a row with the real, detached archiver: the second build's
// clean-up must not pull the first one's presentation away from its archiver.
TEST_F(WholeBuild, SecondBuildLeavesTheFirstArchiverItsPresentation) {
    ProcessToolLauncher detached(programFolder());
    BuildProcedure procedure(m_messages, programFolder(), detached);
    writeFile(m_scratch / "first.ppt", "the first talk");
    writeFile(m_scratch / "second.ppt", "the second talk");
    procedure.run(
        BuildRequest{PackageKind::Package2003, 9, m_scratch / "first.ppt", m_scratch / "first.exe"});
    procedure.run(
        BuildRequest{PackageKind::Package2003, 9, m_scratch / "second.ppt", m_scratch / "second.exe"});
    for (int i = 0; i < 400 && !(std::filesystem::exists(m_scratch / "first.exe") &&
                                 std::filesystem::exists(m_scratch / "second.exe"));
         ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(unpackedPresentation(m_scratch / "first.exe"), "the first talk");
    EXPECT_EQ(unpackedPresentation(m_scratch / "second.exe"), "the second talk");
}

TEST_F(WholeBuild, Package2007ConvertsAPptxOnTheWay) {
    const std::string libreOffice = office();
    if (libreOffice.empty()) SK_SKIP("LibreOffice is not installed (scripts/run installs it)");
    ASSERT_TRUE(makePptx(libreOffice, m_scratch, m_scratch / "talk.pptx"));
    const std::string output = m_scratch / "talk.exe";
    m_procedure.run(BuildRequest{PackageKind::Package2007, 3, m_scratch / "talk.pptx", output});
    EXPECT_EQ(unpackedPresentation(output).substr(0, 4), "\xD0\xCF\x11\xE0");
}

}  // namespace
}  // namespace sk::builder
