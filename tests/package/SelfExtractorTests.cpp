// The self-extractor module 7zs.sfx: which entry names it accepts, how it finds
// its archive, how it writes without following links, and the real module run
// as a recipient would (show, --list, --check, --extract) on packages made by
// 7-Zip and on damaged and hostile ones.
#include <archive.h>
#include <archive_entry.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "PackageSupport.h"
#include "sfx/EntryName.h"
#include "sfx/FolderWriter.h"
#include "sfx/PayloadLocator.h"

namespace sk::test {
namespace {

namespace fs = std::filesystem;

// ----------------------------------------------------------------------------
// Entry names

TEST(SfxEntryName, OnlyPlainRelativeNamesAreSafe) {
    struct Case {
        std::string name;
        bool safe;
    };
    const std::vector<Case> cases = {
        {"view.ppt", true},
        {"slides/slide-001.png", true},
        {"slides/", true},
        {".office-profile/user", true},
        {"a..b/c...d", true},
        {"n\xC3\xA9v.ppt", true},  // UTF-8
        {"\xFF\xFE.ppt", true},    // not UTF-8, but harmless bytes
        {"", false},
        {"/etc/passwd", false},
        {"..", false},
        {"../escaped.txt", false},
        {"slides/../../escaped.txt", false},
        {"slides/..", false},
        {".", false},
        {"./view.ppt", false},
        {"slides//slide-001.png", false},
        {"slides\\..\\escaped.txt", false},
        {"..\\escaped.txt", false},
        {"line\nbreak", false},
        {"colour\x1B[31m", false},
        {std::string(5000, 'a'), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(sfx_entry_name_is_safe(c.name.c_str()), c.safe) << '"' << c.name << '"';
}

// ----------------------------------------------------------------------------
// Finding the archive behind the module

class SfxPayload : public testing::Test {
protected:
    // Whether the locator finds an archive in the file, and where.
    std::optional<off_t> locate(const std::string& content) {
        writeFile(m_scratch / "package", content);
        int fd = ::open((m_scratch / "package").c_str(), O_RDONLY);
        off_t offset = -1;
        const bool found = sfx_find_payload(fd, &offset);
        ::close(fd);
        return found ? std::optional<off_t>(offset) : std::nullopt;
    }

    ScratchFolder m_scratch;
    std::string m_module = readFile(programPath("7zs.sfx"));
    std::string m_signature{reinterpret_cast<const char*>(sfx_7z_signature), 6};
};

TEST_F(SfxPayload, ArchiveStartsRightAfterTheProgramImage) {
    ASSERT_GT(m_module.size(), 4096u);
    EXPECT_EQ(locate(m_module + m_signature + std::string(100, 'x')), static_cast<off_t>(m_module.size()));
}

TEST_F(SfxPayload, NoArchiveIsFoundWhereThereIsNone) {
    EXPECT_FALSE(locate(m_module)) << "the module alone";
    EXPECT_FALSE(locate(m_module + "PK\x03\x04 not a 7z archive")) << "something else behind the module";
    EXPECT_FALSE(locate(m_signature + m_module)) << "a signature in front";
    EXPECT_FALSE(locate(m_module.substr(0, 2000))) << "a truncated module";
    EXPECT_FALSE(locate("#!/bin/sh\necho not a program\n"));
    EXPECT_FALSE(locate(""));
}

// ----------------------------------------------------------------------------
// Writing below a folder without following links

class SfxFolderWriter : public testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(m_scratch / "inside");
        fs::create_directories(m_scratch / "outside");
        m_inside = ::open((m_scratch / "inside").c_str(), O_RDONLY | O_DIRECTORY);
        ASSERT_GE(m_inside, 0);
    }
    void TearDown() override { ::close(m_inside); }
    bool outsideIsEmpty() const { return fs::is_empty(m_scratch / "outside"); }

    ScratchFolder m_scratch;
    int m_inside = -1;
};

TEST_F(SfxFolderWriter, CreatesFilesWithTheirFolders) {
    int fd = sfx_create_file(m_inside, "slides/deep/slide-001.png", 0600);
    ASSERT_GE(fd, 0);
    EXPECT_TRUE(sfx_write_all(fd, "png", 3));
    ::close(fd);
    EXPECT_EQ(readFile(m_scratch / "inside/slides/deep/slide-001.png"), "png");
    EXPECT_LT(sfx_create_file(m_inside, "slides/deep/slide-001.png", 0600), 0) << "a second file of one name";
}

TEST_F(SfxFolderWriter, NeverWritesThroughAPlantedLink) {
    fs::create_directory_symlink(m_scratch / "outside", m_scratch / "inside/slides");
    fs::create_symlink(m_scratch / "outside/victim.txt", m_scratch / "inside/view.ppt");
    writeFile(m_scratch / "outside/kept.txt", "mine");

    EXPECT_LT(sfx_create_file(m_inside, "slides/slide-001.png", 0600), 0) << "a linked folder";
    EXPECT_LT(sfx_create_file(m_inside, "view.ppt", 0600), 0) << "a link in the file's place";
    EXPECT_FALSE(sfx_make_folders(m_inside, "slides/sub", true));
    EXPECT_FALSE(fs::exists(m_scratch / "outside/victim.txt"));
    EXPECT_FALSE(fs::exists(m_scratch / "outside/slide-001.png"));
    EXPECT_FALSE(fs::exists(m_scratch / "outside/sub"));

    // Removing the folder removes the links, not what they point at.
    EXPECT_TRUE(sfx_remove_tree(AT_FDCWD, (m_scratch / "inside").c_str()));
    EXPECT_FALSE(fs::exists(m_scratch / "inside"));
    EXPECT_EQ(readFile(m_scratch / "outside/kept.txt"), "mine");
}

// ----------------------------------------------------------------------------
// The real module

// A launcher for the tests: it records its folder and what lies in it into
// $RECORD, then ends with the status $LAUNCHER_STATUS (sleeping first while
// $LAUNCHER_SLEEP is set, and noting a TERM signal).
const char* const kRecordingLauncher =
    "#!/bin/sh\n"
    "trap 'echo TERM >> \"$RECORD\"; exit 0' TERM\n"
    "{ pwd; stat -c %a .; ls -A; } > \"$RECORD\"\n"
    "if [ -n \"$LAUNCHER_SLEEP\" ]; then sleep \"$LAUNCHER_SLEEP\" & wait $!; fi\n"
    "exit \"${LAUNCHER_STATUS:-0}\"\n";

class SfxModule : public testing::Test {
protected:
    void SetUp() override {
        if (sevenZip().empty()) SK_SKIP("7-Zip is not installed");
        fs::create_directories(m_files + "slides");
        fs::create_directories(m_tmp);
        writeFile(m_files + "show.bin", kRecordingLauncher, 0755);
        writeFile(m_files + "view.ppt", presentation());
        writeFile(m_files + "slides/slide-001.png", "first picture");
        // A real program, so that 7-Zip applies its executable filters (BCJ, BCJ2).
        fs::copy_file(programPath("ppt2003/show.bin"), m_files + "viewer.elf");
    }

    static std::string presentation() {
        std::string text;
        for (int i = 0; i < 20000; ++i) text += "slide " + std::to_string(i % 97) + " text\n";
        return text;
    }

    bool pack(const std::string& package, int level = 5) {
        return makePackage(m_files, {"show.bin", "view.ppt", "slides", "viewer.elf"}, package, level);
    }

    Environment environment() const {
        return {{"TMPDIR", m_tmp},
                {"XDG_RUNTIME_DIR", std::nullopt},
                {"RECORD", m_scratch / "record.txt"},
                {"DISPLAY", std::nullopt},
                {"WAYLAND_DISPLAY", std::nullopt}};
    }

    Finished runPackage(const std::string& package, std::vector<std::string> options = {},
                        Environment changes = {}) {
        Environment all = environment();
        for (const auto& [name, value] : changes) all[name] = value;
        options.insert(options.begin(), package);
        return run(options, all);
    }

    // The show folders that are left in the temporary folder.
    std::vector<std::string> leftovers() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(m_tmp)) names.push_back(entry.path().filename());
        return names;
    }

    ScratchFolder m_scratch;
    std::string m_files = m_scratch / "files/";
    std::string m_tmp = m_scratch / "tmp";
};

TEST_F(SfxModule, ShowRunsTheLauncherInAPrivateFolderAndRemovesIt) {
    ASSERT_TRUE(pack(m_scratch / "talk.exe"));
    Finished shown = runPackage(m_scratch / "talk.exe", {}, {{"LAUNCHER_STATUS", "7"}});
    EXPECT_EQ(shown.status, 7) << "the launcher's status is the package's\n" << shown.output;

    const std::string record = readFile(m_scratch / "record.txt");
    EXPECT_EQ(record.rfind(m_tmp + "/slidekiln-show-", 0), 0u) << record;
    EXPECT_NE(record.find("\n700\n"), std::string::npos) << "the folder is private\n" << record;
    for (const char* name : {"show.bin", "view.ppt", "slides", "viewer.elf"})
        EXPECT_NE(record.find(std::string("\n") + name + "\n"), std::string::npos) << name;
    EXPECT_TRUE(leftovers().empty()) << "the show folder must be gone";
}

TEST_F(SfxModule, ShowPrefersTheRuntimeFolder) {
    ASSERT_TRUE(pack(m_scratch / "talk.exe"));
    const std::string runtime = m_scratch / "runtime";
    fs::create_directories(runtime);
    EXPECT_EQ(runPackage(m_scratch / "talk.exe", {}, {{"XDG_RUNTIME_DIR", runtime}}).status, 0);
    EXPECT_EQ(readFile(m_scratch / "record.txt").rfind(runtime + "/slidekiln-show-", 0), 0u);
    EXPECT_TRUE(fs::is_empty(runtime));
}

TEST_F(SfxModule, EveryCompressionLevelListsChecksAndExtractsTheSameFiles) {
    for (int level : {0, 4, 9}) {
        SCOPED_TRACE("-mx" + std::to_string(level));
        const std::string package = m_scratch / ("talk" + std::to_string(level) + ".exe");
        ASSERT_TRUE(pack(package, level));

        Finished listed = runPackage(package, {"--list"});
        EXPECT_EQ(listed.status, 0) << listed.output;
        for (const char* name : {"show.bin", "view.ppt", "slides/slide-001.png", "viewer.elf"})
            EXPECT_NE(listed.output.find(name), std::string::npos) << name << "\n" << listed.output;

        Finished checked = runPackage(package, {"--check"});
        EXPECT_EQ(checked.status, 0) << checked.output;
        EXPECT_NE(checked.output.find("All 5 files of the package are intact"), std::string::npos)
            << checked.output;

        const std::string target = m_scratch / ("unpacked" + std::to_string(level));
        Finished extracted = runPackage(package, {"--extract", target});
        EXPECT_EQ(extracted.status, 0) << extracted.output;
        for (const char* name : {"show.bin", "view.ppt", "slides/slide-001.png", "viewer.elf"})
            EXPECT_EQ(readFile(target + "/" + name), readFile(m_files + name)) << name;
        EXPECT_NE(fs::status(target + "/show.bin").permissions() & fs::perms::owner_exec, fs::perms::none);
        EXPECT_FALSE(fs::exists(m_scratch / "record.txt")) << "--extract runs nothing";
    }
}

TEST_F(SfxModule, CheckFindsAFlippedByteAndTheShowDoesNotStart) {
    const std::string package = m_scratch / "talk.exe";
    ASSERT_TRUE(pack(package, 0));  // stored: only the checksum can tell
    std::string bytes = readFile(package);
    const std::size_t module = fs::file_size(programPath("7zs.sfx"));
    const std::size_t inPresentation = bytes.find("slide 50 text", module);
    ASSERT_NE(inPresentation, std::string::npos);
    bytes[inPresentation] ^= 0x01;
    writeFile(package, bytes, 0755);

    Finished checked = runPackage(package, {"--check"});
    EXPECT_EQ(checked.status, 1);
    EXPECT_NE(checked.output.find("\"view.ppt\" is damaged"), std::string::npos) << checked.output;

    Finished shown = runPackage(package);
    EXPECT_NE(shown.status, 0);
    EXPECT_FALSE(fs::exists(m_scratch / "record.txt")) << "a damaged package must show nothing";
    EXPECT_TRUE(leftovers().empty());
}

TEST_F(SfxModule, TruncatedOrEmptyPackagesAreReported) {
    const std::string package = m_scratch / "talk.exe";
    ASSERT_TRUE(pack(package, 9));
    const std::string bytes = readFile(package);
    const std::size_t module = fs::file_size(programPath("7zs.sfx"));
    struct Case {
        std::string name;
        std::size_t length;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"cut in the archive's end header", bytes.size() - 10, "damaged or incomplete"},
        {"cut in the middle", module + (bytes.size() - module) / 2, "damaged or incomplete"},
        {"the module alone", module, "holds no presentation package"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeFile(m_scratch / "cut.exe", bytes.substr(0, c.length), 0755);
        for (const char* option : {"--check", ""}) {
            Finished result = runPackage(m_scratch / "cut.exe", *option ? std::vector<std::string>{option}
                                                                        : std::vector<std::string>{});
            EXPECT_EQ(result.status, 1) << option << result.output;
            EXPECT_NE(result.output.find(c.message), std::string::npos) << option << result.output;
        }
        EXPECT_FALSE(fs::exists(m_scratch / "record.txt"));
        EXPECT_TRUE(leftovers().empty());
    }
}

// A 7z archive written by libarchive, which stores any name and any link.
struct HostileEntry {
    std::string name;
    std::string linkTarget;  // "" for a plain file
};

bool writeArchive(const std::string& path, const std::vector<HostileEntry>& entries) {
    struct archive* writer = archive_write_new();
    archive_write_set_format_7zip(writer);
    bool written = archive_write_open_filename(writer, path.c_str()) == ARCHIVE_OK;
    for (const HostileEntry& e : entries) {
        struct archive_entry* entry = archive_entry_new();
        archive_entry_set_pathname(entry, e.name.c_str());
        const std::string content = e.linkTarget.empty() ? "#!/bin/sh\necho escaped > \"$RECORD\"\n" : "";
        if (e.linkTarget.empty()) {
            archive_entry_set_filetype(entry, AE_IFREG);
            archive_entry_set_perm(entry, 0755);
            archive_entry_set_size(entry, static_cast<la_int64_t>(content.size()));
        } else {
            archive_entry_set_filetype(entry, AE_IFLNK);
            archive_entry_set_perm(entry, 0777);
            archive_entry_set_symlink(entry, e.linkTarget.c_str());
        }
        written = written && archive_write_header(writer, entry) == ARCHIVE_OK;
        if (!content.empty())
            written = written && archive_write_data(writer, content.data(), content.size()) ==
                                     static_cast<la_ssize_t>(content.size());
        archive_entry_free(entry);
    }
    written = archive_write_close(writer) == ARCHIVE_OK && written;
    archive_write_free(writer);
    return written;
}

TEST_F(SfxModule, HostileArchivesAreRefusedAndNothingIsWrittenOutside) {
    const std::string outside = m_scratch / "outside";
    fs::create_directories(outside);
    const std::vector<std::vector<HostileEntry>> archives = {
        {{"show.bin", ""}, {"../escaped.txt", ""}},
        {{"show.bin", ""}, {"slides/../../escaped.txt", ""}},
        {{"show.bin", ""}, {outside + "/absolute.txt", ""}},
        {{"slides", outside}, {"slides/through-link.txt", ""}, {"show.bin", ""}},
        {{"show.bin", outside + "/linked-launcher"}},
        {{"show.bin", ""}, {"..\\escaped.txt", ""}},
    };
    for (const auto& entries : archives) {
        SCOPED_TRACE(entries.front().name + " " + entries.back().name);
        const std::string archive = m_scratch / "hostile.7z";
        fs::remove(archive);
        ASSERT_TRUE(writeArchive(archive, entries));
        const std::string package = m_scratch / "hostile.exe";
        writeFile(package, readFile(programPath("7zs.sfx")) + readFile(archive), 0755);

        Finished shown = runPackage(package);
        EXPECT_EQ(shown.status, 1) << shown.output;
        EXPECT_TRUE(shown.output.find("could write outside its folder") != std::string::npos ||
                    shown.output.find("neither a file nor a folder") != std::string::npos)
            << shown.output;
        const std::string target = m_scratch / "target";
        Finished extracted = runPackage(package, {"--extract", target});
        EXPECT_EQ(extracted.status, 1) << extracted.output;
        EXPECT_TRUE(fs::is_empty(target)) << "a refused package leaves nothing in the target";
        fs::remove_all(target);

        EXPECT_TRUE(fs::is_empty(outside));
        EXPECT_FALSE(fs::exists(m_scratch / "escaped.txt"));
        EXPECT_FALSE(fs::exists(m_scratch / "record.txt")) << "nothing of a hostile package may run";
        EXPECT_TRUE(leftovers().empty());
    }
}

TEST_F(SfxModule, ExtractAsksBeforeReplacingAndForceReplacesWithoutFollowingLinks) {
    ASSERT_TRUE(pack(m_scratch / "talk.exe"));
    const std::string target = m_scratch / "target";
    fs::create_directories(target + "/slides");
    writeFile(target + "/view.ppt", "my own presentation");
    writeFile(m_scratch / "elsewhere.txt", "not to be touched");
    fs::create_symlink(m_scratch / "elsewhere.txt", target + "/slides/slide-001.png");

    Finished refused = runPackage(m_scratch / "talk.exe", {"--extract", target});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.output.find("Use --force"), std::string::npos) << refused.output;
    EXPECT_EQ(readFile(target + "/view.ppt"), "my own presentation");
    EXPECT_FALSE(fs::exists(target + "/show.bin")) << "nothing is unpacked when something would be replaced";
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(target)) names.push_back(entry.path().filename());
    EXPECT_EQ(names.size(), 2u) << "no unpacking folder may stay behind";

    Finished forced = runPackage(m_scratch / "talk.exe", {"--extract", target, "--force"});
    EXPECT_EQ(forced.status, 0) << forced.output;
    EXPECT_EQ(readFile(target + "/view.ppt"), presentation());
    EXPECT_FALSE(fs::is_symlink(target + "/slides/slide-001.png"));
    EXPECT_EQ(readFile(target + "/slides/slide-001.png"), "first picture");
    EXPECT_EQ(readFile(m_scratch / "elsewhere.txt"), "not to be touched");
}

TEST_F(SfxModule, SignalsReachTheLauncherAndTheFolderIsRemoved) {
    ASSERT_TRUE(pack(m_scratch / "talk.exe"));
    Environment all = environment();
    all["LAUNCHER_SLEEP"] = "30";
    Child show({m_scratch / "talk.exe"}, all, "", m_scratch / "output.txt");
    for (int i = 0; i < 200 && readFile(m_scratch / "record.txt").empty(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
    ASSERT_FALSE(leftovers().empty());
    show.signal(SIGTERM);
    EXPECT_EQ(show.wait(10000), 0) << readFile(m_scratch / "output.txt");
    EXPECT_NE(readFile(m_scratch / "record.txt").find("TERM"), std::string::npos);
    EXPECT_TRUE(leftovers().empty());
}

TEST_F(SfxModule, AFolderOfAKilledRunIsSweptAndALiveOneIsKept) {
    ASSERT_TRUE(pack(m_scratch / "talk.exe"));
    Environment sleeping = environment();
    sleeping["LAUNCHER_SLEEP"] = "60";
    {
        Child killed({m_scratch / "talk.exe"}, sleeping, "", m_scratch / "killed.txt");
        for (int i = 0; i < 200 && readFile(m_scratch / "record.txt").empty(); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(25));
        ::kill(-killed.pid(), SIGKILL);  // the module and its launcher, with no chance to tidy up
        killed.wait(5000);
    }
    ASSERT_EQ(leftovers().size(), 1u);
    const std::string abandoned = leftovers().front();
    fs::remove(m_scratch / "record.txt");
    Child live({m_scratch / "talk.exe"}, sleeping, "", m_scratch / "live.txt");
    for (int i = 0; i < 200 && readFile(m_scratch / "record.txt").empty(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
    ASSERT_EQ(leftovers().size(), 2u);

    std::this_thread::sleep_for(std::chrono::milliseconds(3500));  // past the age a folder is left alone
    EXPECT_EQ(runPackage(m_scratch / "talk.exe").status, 0);
    const std::vector<std::string> left = leftovers();
    ASSERT_EQ(left.size(), 1u) << "the killed run's folder must be swept, the live one kept";
    EXPECT_NE(left.front(), abandoned);
}

TEST_F(SfxModule, WithoutATerminalErrorsAlsoReachTheDesktop) {
    const std::string tools = m_scratch / "tools/";
    fs::create_directories(tools);
    writeFile(tools + "zenity",
              "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$RECORD.zenity\"\n", 0755);
    writeFile(m_scratch / "broken.exe", readFile(programPath("7zs.sfx")) + "7z\xBC\xAF\x27\x1C broken", 0755);
    Finished result =
        runPackage(m_scratch / "broken.exe", {}, {{"DISPLAY", ":97"}, {"PATH", tools + ":/usr/bin:/bin"}});
    EXPECT_EQ(result.status, 1);
    const std::string said = readFile(m_scratch / "record.txt.zenity");
    EXPECT_NE(said.find("--error\n"), std::string::npos) << said;
    EXPECT_NE(said.find("--no-markup\n"), std::string::npos) << said;
    EXPECT_NE(said.find("damaged or incomplete"), std::string::npos) << said;
}

// A file manager may start the package with SIGCHLD ignored (then no dialog can
// be waited for), and a stop signal must end the package while its error
// window is open.
TEST_F(SfxModule, TheErrorReportEndsWithSigchldIgnoredAndOnAStopSignal) {
    const std::string tools = m_scratch / "tools/";
    fs::create_directories(tools);
    writeFile(m_scratch / "broken.exe", readFile(programPath("7zs.sfx")) + "7z\xBC\xAF\x27\x1C broken", 0755);
    Environment desktop = environment();
    desktop["DISPLAY"] = ":97";
    desktop["PATH"] = tools;  // no dialog program at all
    {
        Child ignoring({"/usr/bin/env", "--ignore-signal=CHLD", m_scratch / "broken.exe"}, desktop, "",
                       m_scratch / "ignoring.txt");
        EXPECT_EQ(ignoring.wait(8000), 1) << readFile(m_scratch / "ignoring.txt");
    }

    writeFile(tools + "zenity", "#!/bin/sh\necho $$ > \"$RECORD.zenity\"\nexec sleep 60\n", 0755);
    desktop["PATH"] = tools + ":/usr/bin:/bin";
    Child waiting({m_scratch / "broken.exe"}, desktop, "", m_scratch / "waiting.txt");
    for (int i = 0; i < 200 && readFile(m_scratch / "record.txt.zenity").empty(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
    const std::string dialog = readFile(m_scratch / "record.txt.zenity");
    ASSERT_FALSE(dialog.empty()) << "the error window was not opened";
    waiting.signal(SIGTERM);
    EXPECT_TRUE(waiting.wait(5000).has_value()) << "SIGTERM did not end the package";
    EXPECT_TRUE(test::processEnds(std::stoi(dialog))) << "the error window was left open";
}

TEST_F(SfxModule, OptionsAreExplainedAndWrongOnesRefused) {
    ASSERT_TRUE(pack(m_scratch / "talk.exe"));
    Finished help = runPackage(m_scratch / "talk.exe", {"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* option : {"--list", "--check", "--extract DIR", "--force"})
        EXPECT_NE(help.output.find(option), std::string::npos) << option;
    const std::vector<std::vector<std::string>> wrong = {
        {"-y"}, {"--extract"}, {"--force"}, {"--list", "--check"}, {"--", "file"}};
    for (const auto& options : wrong) {
        Finished refused = runPackage(m_scratch / "talk.exe", options);
        EXPECT_EQ(refused.status, 2) << options.front();
        EXPECT_FALSE(fs::exists(m_scratch / "record.txt"));
    }
}

}  // namespace
}  // namespace sk::test
