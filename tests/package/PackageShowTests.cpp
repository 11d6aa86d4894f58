// Whole packages as the recipient meets them: a presentation made by a
// third-party generator (pandoc), built by the build procedure with the default
// tools, then run on a private X server without LibreOffice, in an empty root,
// and beside a LibreOffice that cannot show. The screen must show the first
// slide, a key the second, Esc must end the show, and nothing may stay behind.
// Also the slide renderer on its own, and arc.dll on a machine without
// LibreOffice.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "PackageSupport.h"
#include "builder/BuildProcedure.h"
#include "builder/MessageSink.h"
#include "support/WaitingLauncher.h"

namespace sk::test {
namespace {

namespace fs = std::filesystem;
using builder::PackageKind;

constexpr int kScreenWidth = 1280;
constexpr int kScreenHeight = 1024;

class NoMessages : public builder::MessageSink {
public:
    void showMessage(const std::string& text) override { ADD_FAILURE() << "unexpected message: " << text; }
};

// The presentation and one package of each kind, made once for the suite.
class Presentation {
public:
    Presentation() : m_ready(makeGeneratedPresentation(m_scratch)), m_pptx(m_scratch / "talk.pptx") {
        fs::create_directories(m_scratch / "tmp");
    }

    bool ready() const { return m_ready; }

    // The package of the kind, built by the build procedure with the real tools.
    const std::string& package(PackageKind kind) {
        std::string& path = m_packages[kind];
        if (!path.empty()) return path;
        const bool modern = kind == PackageKind::Package2007;
        path = m_scratch / (modern ? "talk-2007.exe" : "talk-2003.exe");
        ScopedEnvironment tmpdir("TMPDIR", m_scratch / "tmp");
        NoMessages messages;
        WaitingLauncher launcher(programFolder().string() + "/");
        builder::BuildProcedure procedure(messages, programFolder().string() + "/", launcher);
        procedure.run(builder::BuildRequest{kind, 5, modern ? m_pptx : m_scratch / "talk.ppt", path});
        // The rendered slides, as references for the screen.
        run({path, "--extract", path + ".files"});
        return path;
    }
    std::string slide(PackageKind kind, int number) {
        char name[32];
        std::snprintf(name, sizeof name, "/slides/slide-%03d.png", number);
        return package(kind) + ".files" + name;
    }
    std::string expectedScreen(PackageKind kind, int number) {
        const std::string file = slide(kind, number) + ".screen.png";
        if (!fs::exists(file)) test::expectedScreen(slide(kind, number), kScreenWidth, kScreenHeight, file);
        return file;
    }
    const ScratchFolder& scratch() const { return m_scratch; }

private:
    ScratchFolder m_scratch;
    bool m_ready;
    std::string m_pptx;
    std::map<PackageKind, std::string> m_packages;
};

class PackageShow : public testing::Test {
protected:
    static void SetUpTestSuite() {
        if (missingShowTool().empty()) s_presentation = new Presentation;
    }
    static void TearDownTestSuite() {
        delete s_presentation;
        s_presentation = nullptr;
    }
    void SetUp() override {
        if (const std::string missing = missingShowTool(); !missing.empty()) SK_SKIP(missing);
        ASSERT_TRUE(s_presentation && s_presentation->ready())
            << "pandoc or LibreOffice made no presentation";
        ASSERT_FALSE(m_x.display().empty()) << "Xvfb did not start";
        fs::create_directories(m_tmp);
    }

    void watchTheShow(PackageKind kind, Child& show, const std::string& name) {
        test::watchTheShow(m_x, show, s_presentation->expectedScreen(kind, 1),
                           s_presentation->expectedScreen(kind, 2), name, m_scratch / "output.txt");
    }

    static Presentation* s_presentation;
    ScratchFolder m_scratch;
    PrivateXServer m_x{kScreenWidth, kScreenHeight};
    std::string m_tmp = m_scratch / "tmp";
};

Presentation* PackageShow::s_presentation = nullptr;

TEST_F(PackageShow, EachKindHoldsTheViewerThePresentationAndItsSlides) {
    for (PackageKind kind : {PackageKind::Package2003, PackageKind::Package2007}) {
        const std::string& package = s_presentation->package(kind);
        Finished listed = run({package, "--list"});
        EXPECT_EQ(listed.status, 0) << listed.output;
        for (const char* name : {"show.bin", "readme.txt", "licenses.txt", "view.ppt", "slides/slide-001.png",
                                 "slides/slide-002.png", "slides/slide-003.png"})
            EXPECT_NE(listed.output.find(name), std::string::npos) << name << "\n" << listed.output;
        EXPECT_EQ(listed.output.find("slide-004"), std::string::npos) << "three slides, three pictures";
    }
}

TEST_F(PackageShow, EachKindShowsItsSlidesWithoutLibreOfficeAndLeavesNothing) {
    for (PackageKind kind : {PackageKind::Package2003, PackageKind::Package2007}) {
        const std::string name = kind == PackageKind::Package2003 ? "show-2003" : "show-2007";
        SCOPED_TRACE(name);
        Child show({s_presentation->package(kind)},
                   {{"PATH", "/nonexistent"},
                    {"DISPLAY", m_x.display()},
                    {"TMPDIR", m_tmp},
                    {"XDG_RUNTIME_DIR", std::nullopt},
                    {"WAYLAND_DISPLAY", std::nullopt}},
                   m_scratch.path(), m_scratch / "output.txt");
        watchTheShow(kind, show, name);
        EXPECT_TRUE(fs::is_empty(m_tmp)) << "the extraction folder must be gone";
    }
}

TEST_F(PackageShow, ALibreOfficeWithoutADisplayIsPassedOver) {
    // Like Debian's headless-only build: no display plug-in, and --show never
    // returns.
    const std::string tools = m_scratch / "tools/";
    fs::create_directories(tools + "program");
    fs::create_directories(tools + "bin");
    writeFile(tools + "program/soffice",
              "#!/bin/sh\ntouch \"" + m_scratch / "office-started" + "\"\nsleep 600\n", 0755);
    fs::create_symlink(tools + "program/soffice", tools + "bin/soffice");
    Child show({s_presentation->package(PackageKind::Package2007)},
               {{"PATH", tools + "bin"},
                {"DISPLAY", m_x.display()},
                {"TMPDIR", m_tmp},
                {"XDG_RUNTIME_DIR", std::nullopt}},
               m_scratch.path(), m_scratch / "output.txt");
    watchTheShow(PackageKind::Package2007, show, "show-beside-headless-office");
    EXPECT_FALSE(fs::exists(m_scratch / "office-started"));
    EXPECT_TRUE(fs::is_empty(m_tmp));
}

TEST_F(PackageShow, RunsInAnEmptyRootThatHoldsOnlyThePackageAndTheXSocket) {
    if (::geteuid() != 0 || platform::ProcessLauncher::findProgram("unshare").empty())
        SK_SKIP("an empty root needs root and unshare");
    // The root: the package, /tmp with the X socket, and /proc (where the module
    // reads itself). No libraries, no shell, no LibreOffice.
    const std::string root = m_scratch / "root";
    fs::create_directories(root + "/tmp/.X11-unix");
    fs::create_directories(root + "/proc");
    fs::copy_file(s_presentation->package(PackageKind::Package2007), root + "/talk.exe");
    const std::string socket = root + "/tmp/.X11-unix/X" + m_x.display().substr(1);
    writeFile(socket, "");
    Child show(
        {platform::ProcessLauncher::findProgram("unshare"), "--mount", "--fork", "--", "/bin/sh", "-c",
         "mount -t proc proc \"$1/proc\" && mount --bind \"$2\" \"$3\" && exec \"$4\" \"$1\" /talk.exe", "sh",
         root, m_x.socket(), socket, platform::ProcessLauncher::findProgram("chroot")},
        {{"PATH", "/bin"},
         {"DISPLAY", m_x.display()},
         {"TMPDIR", std::nullopt},
         {"XDG_RUNTIME_DIR", std::nullopt},
         {"HOME", std::nullopt}},
        m_scratch.path(), m_scratch / "output.txt");
    watchTheShow(PackageKind::Package2007, show, "show-in-empty-root");
    std::vector<std::string> left;
    for (const auto& entry : fs::recursive_directory_iterator(root + "/tmp")) left.push_back(entry.path());
    EXPECT_EQ(left, (std::vector<std::string>{root + "/tmp/.X11-unix", socket}))
        << "the show folder must be gone";
}

// ----------------------------------------------------------------------------
// The slide renderer and arc.dll without LibreOffice

class RenderSlides : public PackageShow {};

TEST_F(RenderSlides, RendersEverySlideAtFullWidthWhateverTheSourceIsNamed) {
    const std::string source = m_scratch / "-n odd\nname.pptx";
    fs::copy_file(s_presentation->scratch() / "talk.pptx", source);
    Finished rendered = run({programPath("render-slides/render-slides.sh"), source, m_scratch / "slides"});
    EXPECT_EQ(rendered.status, 0) << rendered.output;
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(m_scratch / "slides"))
        names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"slide-001.png", "slide-002.png", "slide-003.png"}));
    Finished identified = run({platform::ProcessLauncher::findProgram("identify"), "-format", "%w",
                               m_scratch / "slides/slide-001.png"});
    EXPECT_EQ(identified.output, "1920");
}

TEST_F(RenderSlides, RefusesWhatIsNoPresentationAndLeavesNoFolder) {
    writeFile(m_scratch / "notes.ppt", "plain text that LibreOffice would open as a document");
    Finished rendered =
        run({programPath("render-slides/render-slides.sh"), m_scratch / "notes.ppt", m_scratch / "slides"});
    EXPECT_EQ(rendered.status, 1);
    EXPECT_NE(rendered.output.find("is not a presentation"), std::string::npos) << rendered.output;
    EXPECT_FALSE(fs::exists(m_scratch / "slides"));
}

// A PATH folder with every program of /usr/bin but LibreOffice.
std::string pathWithoutOffice(const ScratchFolder& scratch) {
    const std::string folder = scratch / "no-office-bin";
    fs::create_directories(folder);
    for (const auto& entry : fs::directory_iterator("/usr/bin")) {
        const std::string name = entry.path().filename();
        if (name == "soffice" || name == "libreoffice" || name.rfind("lo", 0) == 0) continue;
        fs::create_symlink(entry.path(), folder + "/" + name);
    }
    return folder;
}

TEST_F(RenderSlides, WithoutLibreOfficeThePackageIsBuiltWithoutSlidesAndTheAuthorIsTold) {
    const std::string path = pathWithoutOffice(m_scratch);
    Finished rendered = run({programPath("render-slides/render-slides.sh"),
                             s_presentation->scratch() / "talk.pptx", m_scratch / "slides"},
                            {{"PATH", path}});
    EXPECT_EQ(rendered.status, 3);
    EXPECT_NE(rendered.output.find("the recipient will need LibreOffice"), std::string::npos)
        << rendered.output;
    EXPECT_FALSE(fs::exists(m_scratch / "slides"));

    fs::create_directories(m_scratch / "staging");
    fs::copy_file(s_presentation->scratch() / "talk.ppt", m_scratch / "staging/view.ppt");
    Finished archived = run({programPath("arc.dll"), "a", "-sfx7zs.sfx", m_scratch / "talk.exe",
                             programPath("ppt2003") + "/*.*", m_scratch / "staging/view.ppt", "-mx1"},
                            {{"PATH", path}, {"DISPLAY", std::nullopt}, {"WAYLAND_DISPLAY", std::nullopt}});
    EXPECT_EQ(archived.status, 0) << archived.output;
    EXPECT_NE(archived.output.find("получателю понадобится LibreOffice"), std::string::npos)
        << archived.output;
    Finished listed = run({m_scratch / "talk.exe", "--list"});
    EXPECT_NE(listed.output.find("view.ppt"), std::string::npos) << listed.output;
    EXPECT_EQ(listed.output.find("slides/"), std::string::npos) << listed.output;
}

}  // namespace
}  // namespace sk::test
