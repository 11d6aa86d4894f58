// The default outside tools of the program folder with the real programs behind
// them: arc.dll over 7-Zip, and pptxppt/ppt2ppt.dll over LibreOffice (skipped
// when LibreOffice is not installed).
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <regex>
#include <thread>

#include "builder/BuildCommands.h"
#include "builder/BuildProcedure.h"
#include "support/ScratchFolder.h"
#include "support/WaitingLauncher.h"
#include "platform/Exception.h"
#include "platform/FileSystem.h"
#include "platform/ProcessLauncher.h"
#include "support/TestEnvironment.h"

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
std::string outputOf(const std::vector<std::string>& arguments, const ScratchFolder& scratch,
                     const std::string& shell = "/bin/sh") {
    std::vector<std::string> wrapped = {shell, "-c", "out=$1; shift; \"$@\" > \"$out\" 2>&1", "sh",
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

class ArchiverTool : public testing::Test {
protected:
    void SetUp() override {
        if (programFolder().empty())
            GTEST_SKIP() << "no program folder laid out (build the program_folder target)";
        if (sevenZip().empty()) GTEST_SKIP() << "7-Zip is not installed";
        ASSERT_TRUE(std::filesystem::exists(programFolder() + "7zs.sfx"));
        std::filesystem::create_directories(m_staging);
    }

    // Runs arc.dll with the build's own command line and waits for it.
    int archive(const std::string& output, const char* pattern, int level) {
        CommandLine line = archiverCommandLine(output, programFolder(), pattern, m_staging, level);
        line.arguments.front() = programFolder() + line.arguments.front();
        return ProcessLauncher::runAndWait(line.arguments);
    }

    ScratchFolder m_scratch;
    std::string m_staging = m_scratch / "staging folder/";
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
        EXPECT_EQ(entries.size(), 3u);
        EXPECT_TRUE(entries.count("view.ppt"));
        EXPECT_TRUE(entries.count("show.bin"));
        EXPECT_TRUE(entries.count("readme.txt"));
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

TEST(ViewerFolders, EveryFileHasAnExtensionForThePattern) {
    if (programFolder().empty())
        GTEST_SKIP() << "no program folder laid out (build the program_folder target)";
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
        if (programFolder().empty())
            GTEST_SKIP() << "no program folder laid out (build the program_folder target)";
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
    if (libreOffice.empty()) GTEST_SKIP() << "LibreOffice is not installed (scripts/run installs it)";
    ASSERT_TRUE(makePptx(libreOffice, m_scratch, m_staging + "view.pptx"));

    EXPECT_EQ(convert(), 0);
    const std::string result = readFile(m_staging + kConverterResult);
    ASSERT_GT(result.size(), 8u);
    // A *.ppt is an OLE compound document.
    EXPECT_EQ(result.substr(0, 4), "\xD0\xCF\x11\xE0");
}

TEST_F(ConverterTool, WritesNothingForAnUnreadablePresentation) {
    if (office().empty()) GTEST_SKIP() << "LibreOffice is not installed (scripts/run installs it)";
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
    const std::string sh = ProcessLauncher::findProgram("sh");
    test::ScopedEnvironment path("PATH", bin);
    std::string said = outputOf(line.arguments, m_scratch, sh);
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
        writeFile(m_bin + "soffice",
                  "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\0' \"$a\"; done > '" + m_bin + "args'\n" + behaviour,
                  0755);
    }
    std::vector<std::string> arguments() const {
        std::string content = readFile(m_bin + "args");
        std::vector<std::string> result;
        for (std::size_t start = 0, end; (end = content.find('\0', start)) != std::string::npos; start = end + 1)
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
    EXPECT_EQ(conversionMessage(m_scratch),
              "Презентация не преобразована: LibreOffice не смог преобразовать " + staged + " (код выхода 0).");
    EXPECT_FALSE(std::filesystem::exists(m_scratch / "talk.exe"));
}

TEST_F(ConverterTool, HangingLibreOfficeIsEndedWithItsHelpersAndTold) {
    test::ScopedEnvironment tmpdir("TMPDIR", m_scratch.path());
    test::ScopedEnvironment limit("PPT2PPT_TIME_LIMIT", "1");
    // A helper that ignores the polite request to end, and a LibreOffice that hangs.
    FakeOffice office(m_scratch, "(trap '' TERM; sleep 1000) &\necho $! > \"$(dirname \"$0\")/helper\"\nsleep 1000\n");
    EXPECT_EQ(conversionMessage(m_scratch), "Презентация не преобразована: LibreOffice не закончил преобразование за 1 с.");
    const std::string helper = readFile(office.folder() + "helper");
    ASSERT_FALSE(helper.empty());
    bool gone = false;
    for (int i = 0; i < 100 && !gone; ++i) {
        const std::string stat = readFile("/proc/" + std::to_string(std::stoi(helper)) + "/stat");
        gone = stat.empty() || stat.find(") Z") != std::string::npos;
        if (!gone) std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    EXPECT_TRUE(gone) << "LibreOffice's helper " << helper << " was left running";
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
        if (programFolder().empty())
            GTEST_SKIP() << "no program folder laid out (build the program_folder target)";
        if (sevenZip().empty()) GTEST_SKIP() << "7-Zip is not installed";
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

TEST_F(WholeBuild, Package2007ConvertsAPptxOnTheWay) {
    const std::string libreOffice = office();
    if (libreOffice.empty()) GTEST_SKIP() << "LibreOffice is not installed (scripts/run installs it)";
    ASSERT_TRUE(makePptx(libreOffice, m_scratch, m_scratch / "talk.pptx"));
    const std::string output = m_scratch / "talk.exe";
    m_procedure.run(BuildRequest{PackageKind::Package2007, 3, m_scratch / "talk.pptx", output});
    EXPECT_EQ(unpackedPresentation(output).substr(0, 4), "\xD0\xCF\x11\xE0");
}

}  // namespace
}  // namespace sk::builder
