// UTF-8, the encoding of every text in the program, to and from code points.
#pragma once

#include <string>
#include <string_view>

namespace sk::ui {

// Malformed or truncated sequences become U+FFFD, one per offending byte, so
// that they stay visible and never swallow the characters that follow.
std::u32string decodeUtf8(std::string_view text);
std::string encodeUtf8(std::u32string_view chars);

}  // namespace sk::ui
