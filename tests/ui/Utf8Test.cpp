// Decoding and encoding of UTF-8 texts: Cyrillic round trips, and malformed
// bytes stay visible without swallowing the characters after them.
#include <gtest/gtest.h>

#include "ui/Utf8.h"

namespace sk::ui {
namespace {

TEST(Utf8, RoundTripsEveryLengthOfSequence) {
    const std::u32string chars = U"a\u0436\u20AC\U0001F600";  // 1, 2, 3 and 4 bytes
    const std::string text = encodeUtf8(chars);
    EXPECT_EQ(text, "a\xD0\xB6\xE2\x82\xAC\xF0\x9F\x98\x80");
    EXPECT_EQ(decodeUtf8(text), chars);
    EXPECT_EQ(decodeUtf8("\xD0\x9A\xD0\xBE\xD0\xBC"), U"\u041A\u043E\u043C");  // "Ком"
}

TEST(Utf8, MalformedBytesBecomeReplacementCharacters) {
    struct Case {
        const char* text;
        std::u32string expected;
    };
    const Case cases[] = {
        {"\x80"
         "a",
         U"\uFFFD"
         "a"},  // a lone continuation byte
        {"\xD0"
         "a",
         U"\uFFFD"
         "a"},                              // a lead byte followed by no continuation
        {"ab\xE2\x82", U"ab\uFFFD\uFFFD"},  // truncated at the end
        {"\xC0\xAF", U"\uFFFD\uFFFD"},      // an overlong lead byte
        {"\xFF"
         "b",
         U"\uFFFD"
         "b"},
    };
    for (const Case& c : cases) EXPECT_EQ(decodeUtf8(c.text), c.expected) << c.text;
}

}  // namespace
}  // namespace sk::ui
