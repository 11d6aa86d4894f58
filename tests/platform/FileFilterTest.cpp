// The filter-string helpers that both dialog backends share.
#include <gtest/gtest.h>

#include "platform/Platform.h"

namespace sk::platform {
namespace {

TEST(FileFilter, ParsesDescriptionsAndPatternLists) {
    const auto filters = parseFileFilter("Presentations (*.ppt, *.pptx)|*.ppt; *.pptx|All files|*.*");
    ASSERT_EQ(filters.size(), 2u);
    EXPECT_EQ(filters[0].description, "Presentations (*.ppt, *.pptx)");
    EXPECT_EQ(filters[0].patterns, (std::vector<std::string>{"*.ppt", "*.pptx"}));
    EXPECT_EQ(filters[1].description, "All files");
    EXPECT_EQ(filters[1].patterns, (std::vector<std::string>{"*.*"}));
}

TEST(FileFilter, DescriptionWithoutPatternIsAnEntryThatShowsEverything) {
    const auto filters = parseFileFilter("exe");
    ASSERT_EQ(filters.size(), 1u);
    EXPECT_EQ(filters[0].description, "exe");
    EXPECT_TRUE(filters[0].patterns.empty());
}

TEST(FileFilter, EmptyAndDegenerateStrings) {
    EXPECT_TRUE(parseFileFilter("").empty());
    EXPECT_EQ(parseFileFilter("Text|*.txt|").size(), 1u);            // a trailing separator adds nothing
    EXPECT_TRUE(parseFileFilter("Text|;;").at(0).patterns.empty());  // empty patterns are dropped
}

TEST(FileFilter, EffectiveIndexFallsBackToTheFirstEntry) {
    struct Case {
        int requested;
        std::size_t count;
        int expected;
    };
    for (const Case c : {Case{1, 3, 1}, Case{3, 3, 3}, Case{0, 3, 1}, Case{4, 3, 1}, Case{-2, 3, 1},
                         Case{0, 0, 0}, Case{5, 0, 5}}) {
        EXPECT_EQ(effectiveFilterIndex(c.requested, c.count), c.expected)
            << "requested " << c.requested << " of " << c.count;
    }
}

TEST(FileFilter, DefaultExtensionIsAppendedOnlyToNamesWithoutOne) {
    struct Case {
        const char* path;
        const char* extension;
        const char* expected;
    };
    for (const Case c :
         {Case{"/home/u/talk", "exe", "/home/u/talk.exe"},
          Case{"/home/u/talk.exe", "exe", "/home/u/talk.exe"},
          Case{"/home/u/talk.ppt", "exe", "/home/u/talk.ppt"},
          Case{"/home/u.d/talk", "exe", "/home/u.d/talk.exe"},
          Case{"/home/u/talk", ".exe", "/home/u/talk.exe"}, Case{"/home/u/talk", "", "/home/u/talk"},
          Case{"talk", "ppt", "talk.ppt"}, Case{"/home/u/", "exe", "/home/u/"}, Case{"", "exe", ""}}) {
        EXPECT_EQ(withDefaultExtension(c.path, c.extension), c.expected) << c.path << " + " << c.extension;
    }
}

TEST(FileFilter, PatternsMatchWithWildcardsIgnoringCase) {
    struct Case {
        const char* name;
        const char* pattern;
        bool matches;
    };
    for (const Case c :
         {Case{"talk.ppt", "*.ppt", true}, Case{"TALK.PPT", "*.ppt", true}, Case{"talk.pptx", "*.ppt", false},
          Case{"talk.pptx", "*.ppt?", true}, Case{"README", "*.*", true}, Case{"a.b.c", "*.c", true},
          Case{"abc", "a?c", true}, Case{"ac", "a?c", false}, Case{"x.exe", "*", true},
          Case{"view.ppt", "view*.p*t", true}}) {
        EXPECT_EQ(matchesFilterPattern(c.name, c.pattern), c.matches) << c.name << " ~ " << c.pattern;
    }
}

TEST(CurrentPlatform, ThrowsWhenNoneIsInstalled) {
    setCurrentPlatform(nullptr);
    EXPECT_THROW(currentPlatform(), std::logic_error);
}

}  // namespace
}  // namespace sk::platform
