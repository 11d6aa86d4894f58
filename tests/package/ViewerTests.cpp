// The parts of the slide viewer that need no display: fitting and resampling
// the pictures, the show's state under keys and clicks, the order of the slide
// files, the search for a LibreOffice that can show, and the HTML page.
#include <X11/keysym.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "PackageSupport.h"
#include "viewer/HtmlPage.h"
#include "viewer/OfficeFinder.h"
#include "viewer/Scaler.h"
#include "viewer/ShowState.h"
#include "viewer/SlideDeck.h"

namespace sk::test {
namespace {

namespace fs = std::filesystem;

// ----------------------------------------------------------------------------
// Fitting and resampling

TEST(ViewerFit, KeepsTheAspectAndCentresWithBars) {
    struct Case {
        int sourceWidth, sourceHeight, targetWidth, targetHeight;
        sv_rect expected;
    };
    const std::vector<Case> cases = {
        {1920, 1080, 1280, 1024, {0, 152, 1280, 720}},  // wide slide: bars above and below
        {1920, 1440, 1280, 1024, {0, 32, 1280, 960}},   // 4:3 on 5:4
        {1080, 1920, 1280, 1024, {352, 0, 576, 1024}},  // tall picture: bars at the sides
        {1920, 1080, 1920, 1080, {0, 0, 1920, 1080}},   // same size
        {640, 360, 1920, 1080, {0, 0, 1920, 1080}},     // enlarged
        {1920, 1081, 1280, 1024, {0, 151, 1280, 721}},  // pdftoppm's odd height rounds
        {0, 100, 1280, 1024, {0, 0, 0, 0}},             // nothing to fit
    };
    for (const Case& c : cases) {
        const sv_rect r = sv_fit(c.sourceWidth, c.sourceHeight, c.targetWidth, c.targetHeight);
        EXPECT_EQ((std::vector<int>{r.x, r.y, r.width, r.height}),
                  (std::vector<int>{c.expected.x, c.expected.y, c.expected.width, c.expected.height}))
            << c.sourceWidth << "x" << c.sourceHeight << " on " << c.targetWidth << "x" << c.targetHeight;
    }
}

class ViewerScaler : public testing::Test {
protected:
    void TearDown() override {
        sv_picture_free(&m_source);
        sv_picture_free(&m_target);
    }
    static int channel(uint32_t pixel, int shift) { return static_cast<int>(pixel >> shift & 0xFF); }
    uint32_t at(int x, int y) const { return m_target.pixels[static_cast<size_t>(y) * m_target.width + x]; }

    sv_picture m_source{};
    sv_picture m_target{};
};

TEST_F(ViewerScaler, ShrinkingAveragesFineDetailInsteadOfPickingPixels) {
    // One-pixel black and white columns: sampling single pixels would show
    // stripes or a flat black or white; averaging gives an even grey.
    ASSERT_TRUE(sv_picture_create(&m_source, 400, 200));
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 400; ++x) m_source.pixels[y * 400 + x] = x % 2 ? 0xFFFFFFFFu : 0xFF000000u;
    ASSERT_TRUE(sv_picture_create(&m_target, 133, 67));
    ASSERT_TRUE(sv_draw_fitted(&m_source, &m_target));
    const sv_rect place = sv_fit(400, 200, 133, 67);
    // Away from the edges, where the filter has all its taps.
    for (int y = place.y + 2; y < place.y + place.height - 2; ++y)
        for (int x = place.x + 2; x < place.x + place.width - 2; ++x)
            ASSERT_NEAR(channel(at(x, y), 8), 128, 20) << x << "," << y;
}

TEST_F(ViewerScaler, FlatColoursStayExactToTheEdgesAndTheBarsAreBlack) {
    ASSERT_TRUE(sv_picture_create(&m_source, 192, 108));
    for (auto& pixel : std::vector<uint32_t*>{m_source.pixels}) (void)pixel;
    for (int i = 0; i < 192 * 108; ++i) m_source.pixels[i] = 0x80336699u;  // half transparent
    for (const auto& [width, height] : std::vector<std::pair<int, int>>{{128, 102}, {640, 512}, {50, 50}}) {
        SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height));
        ASSERT_TRUE(sv_picture_create(&m_target, width, height));
        ASSERT_TRUE(sv_draw_fitted(&m_source, &m_target));
        const sv_rect place = sv_fit(192, 108, width, height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const bool inside =
                    x >= place.x && x < place.x + place.width && y >= place.y && y < place.y + place.height;
                ASSERT_EQ(at(x, y), inside ? 0xFF336699u : 0xFF000000u) << x << "," << y;
            }
        sv_picture_free(&m_target);
    }
}

TEST_F(ViewerScaler, EnlargingBlendsBetweenNeighbours) {
    ASSERT_TRUE(sv_picture_create(&m_source, 2, 1));
    m_source.pixels[0] = 0xFF000000u;
    m_source.pixels[1] = 0xFFFFFFFFu;
    ASSERT_TRUE(sv_picture_create(&m_target, 8, 4));
    ASSERT_TRUE(sv_draw_fitted(&m_source, &m_target));
    std::vector<int> row;
    for (int x = 0; x < 8; ++x) row.push_back(channel(at(x, 2), 0));
    EXPECT_EQ(row.front(), 0);
    EXPECT_EQ(row.back(), 255);
    for (int x = 1; x < 8; ++x) EXPECT_GE(row[x], row[x - 1]) << "a smooth ramp, not two blocks";
    EXPECT_GT(row[3], 0);
    EXPECT_LT(row[4], 255);
}

// ----------------------------------------------------------------------------
// Keys, clicks and the state of the show

TEST(ViewerKeys, EachKeyAndButtonHasItsAction) {
    const std::vector<std::pair<unsigned long, sv_action>> keys = {
        {XK_Right, SV_NEXT},         {XK_Down, SV_NEXT},   {XK_space, SV_NEXT},
        {XK_Page_Down, SV_NEXT},     {XK_Return, SV_NEXT}, {XK_KP_Enter, SV_NEXT},
        {XK_Left, SV_PREVIOUS},      {XK_Up, SV_PREVIOUS}, {XK_Page_Up, SV_PREVIOUS},
        {XK_BackSpace, SV_PREVIOUS}, {XK_Home, SV_FIRST},  {XK_End, SV_LAST},
        {XK_Escape, SV_QUIT},        {XK_q, SV_QUIT},      {XK_a, SV_NONE},
        {XK_Shift_L, SV_NONE},       {XK_Tab, SV_NONE},
    };
    for (const auto& [keysym, action] : keys) EXPECT_EQ(sv_action_for_key(keysym), action) << keysym;
    EXPECT_EQ(sv_action_for_button(1), SV_NEXT);
    EXPECT_EQ(sv_action_for_button(5), SV_NEXT);
    EXPECT_EQ(sv_action_for_button(4), SV_PREVIOUS);
    EXPECT_EQ(sv_action_for_button(3), SV_NONE);
}

TEST(ViewerShowState, MovesThroughTheSlidesToTheEndScreenAndOut) {
    struct Case {
        const char* name;
        std::vector<sv_action> actions;
        size_t current;
        bool finished;
    };
    const std::vector<Case> cases = {
        {"next", {SV_NEXT}, 1, false},
        {"back at the first stays", {SV_PREVIOUS}, 0, false},
        {"to the end screen", {SV_NEXT, SV_NEXT, SV_NEXT}, 3, false},
        {"past the end screen ends", {SV_LAST, SV_NEXT, SV_NEXT}, 3, true},
        {"back from the end screen", {SV_LAST, SV_NEXT, SV_PREVIOUS}, 2, false},
        {"home", {SV_NEXT, SV_NEXT, SV_FIRST}, 0, false},
        {"end", {SV_LAST}, 2, false},
        {"quit on a slide", {SV_NEXT, SV_QUIT}, 1, true},
        {"nothing moves after the end", {SV_QUIT, SV_PREVIOUS}, 0, true},
    };
    for (const Case& c : cases) {
        sv_show_state state = sv_show_start(3);
        for (sv_action action : c.actions) sv_show_apply(&state, action);
        EXPECT_EQ(state.current, c.current) << c.name;
        EXPECT_EQ(state.finished, c.finished) << c.name;
    }
    sv_show_state state = sv_show_start(3);
    EXPECT_FALSE(sv_show_apply(&state, SV_PREVIOUS)) << "no change, no repaint";
    EXPECT_TRUE(sv_show_apply(&state, SV_NEXT));
    EXPECT_FALSE(sv_show_apply(&state, SV_NONE));
}

// ----------------------------------------------------------------------------
// The slide files

TEST(ViewerDeck, SlidesAreOrderedByTheirNumbersAndOtherFilesIgnored) {
    ScratchFolder scratch;
    const std::string slides = scratch / "slides";
    fs::create_directories(slides);
    for (const char* name : {"slide-10.png", "slide-9.png", "slide-001.png", "notes.txt", "slide-x.png",
                             "slide-2.PNG", "slide-.png", "slide-3.png.part", "picture-4.png"})
        writeFile(slides + "/" + name, "");
    sv_deck deck;
    ASSERT_TRUE(sv_deck_load(&deck, slides.c_str()));
    std::vector<std::string> paths(deck.paths, deck.paths + deck.count);
    EXPECT_EQ(paths, (std::vector<std::string>{slides + "/slide-001.png", slides + "/slide-9.png",
                                               slides + "/slide-10.png"}));
    sv_deck_free(&deck);

    ASSERT_TRUE(sv_deck_load(&deck, (scratch / "missing").c_str()));
    EXPECT_EQ(deck.count, 0u);
}

// ----------------------------------------------------------------------------
// LibreOffice with a display

TEST(ViewerOfficeFinder, OnlyAnOfficeWithADisplayPluginBesideTheRealProgramCounts) {
    ScratchFolder scratch;
    auto office = [&](const std::string& folder, bool plugin, bool executable) {
        fs::create_directories(scratch / folder);
        writeFile(scratch / (folder + "/soffice"), "#!/bin/sh\n", executable ? 0755 : 0644);
        if (plugin) writeFile(scratch / (folder + "/libvclplug_gtk3lo.so"), "");
    };
    office("full/program", true, true);
    office("nogui/program", false, true);
    office("unrunnable/program", true, false);
    // Links in PATH lead to the real program, as /usr/bin/soffice does.
    fs::create_directories(scratch / "bin-full");
    fs::create_directories(scratch / "bin-nogui");
    fs::create_symlink(scratch / "full/program/soffice", scratch / "bin-full/libreoffice");
    fs::create_symlink(scratch / "nogui/program/soffice", scratch / "bin-nogui/soffice");

    struct Case {
        std::string path;
        std::string found;  // "" for none
    };
    const std::vector<Case> cases = {
        {scratch / "bin-full", scratch / "bin-full/libreoffice"},
        {scratch / "bin-nogui", ""},
        {scratch / "unrunnable/program", ""},
        {scratch / "bin-nogui:" + scratch / "full/program", scratch / "full/program/soffice"},
        {"::" + scratch / "missing:" + scratch / "bin-full", scratch / "bin-full/libreoffice"},
        {"", ""},
    };
    for (const Case& c : cases) {
        char found[4096] = "";
        const bool any = sv_find_office(c.path.c_str(), found, sizeof found);
        EXPECT_EQ(any ? std::string(found) : "", c.found) << c.path;
    }
    EXPECT_FALSE(sv_find_office(nullptr, nullptr, 0));
}

// ----------------------------------------------------------------------------
// The HTML page

std::string captured(const std::function<bool(FILE*)>& write) {
    char* buffer = nullptr;
    size_t size = 0;
    FILE* out = open_memstream(&buffer, &size);
    const bool written = write(out);
    fclose(out);
    std::string text = written ? std::string(buffer, size) : "<failed>";
    free(buffer);
    return text;
}

TEST(ViewerHtmlPage, Base64FollowsTheStandardsVectors) {
    const std::vector<std::pair<std::string, std::string>> vectors = {
        {"", ""},
        {"f", "Zg=="},
        {"fo", "Zm8="},
        {"foo", "Zm9v"},
        {"foob", "Zm9vYg=="},
        {"fooba", "Zm9vYmE="},
        {"foobar", "Zm9vYmFy"},
        {std::string("\xFF\xFE\x00", 3), "//4A"},
    };
    for (const auto& [bytes, encoded] : vectors)
        EXPECT_EQ(captured([&](FILE* out) {
                      return sv_write_base64(reinterpret_cast<const unsigned char*>(bytes.data()),
                                             bytes.size(), out);
                  }),
                  encoded);
}

TEST(ViewerHtmlPage, EmbedsEverySlideInOrder) {
    ScratchFolder scratch;
    fs::create_directories(scratch / "slides");
    // Larger than one block of the encoder, and not a multiple of three.
    std::string first(20000, '\x89'), second = "second";
    writeFile(scratch / "slides/slide-001.png", first);
    writeFile(scratch / "slides/slide-002.png", second);
    sv_deck deck;
    ASSERT_TRUE(sv_deck_load(&deck, (scratch / "slides").c_str()));
    const std::string page = captured([&](FILE* out) { return sv_write_html_page(&deck, out); });
    auto encoded = [](const std::string& bytes) {
        return captured([&](FILE* out) {
            return sv_write_base64(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), out);
        });
    };
    const std::size_t one = page.find("src=\"data:image/png;base64," + encoded(first) + "\"");
    const std::size_t two = page.find("src=\"data:image/png;base64," + encoded(second) + "\"");
    EXPECT_NE(one, std::string::npos);
    EXPECT_NE(two, std::string::npos);
    EXPECT_LT(one, two);
    EXPECT_NE(page.find("ArrowRight"), std::string::npos);
    EXPECT_EQ(page.rfind("</html>\n"), page.size() - 8);

    // A picture that cannot be read fails the page instead of leaving a hole.
    fs::remove(scratch / "slides/slide-002.png");
    EXPECT_EQ(captured([&](FILE* out) { return sv_write_html_page(&deck, out); }), "<failed>");
    sv_deck_free(&deck);
}

}  // namespace
}  // namespace sk::test
