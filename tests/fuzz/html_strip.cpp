// links: slidekiln_controls_smooth
// The plain text of arbitrary markup: valid UTF-8, and never longer than the
// text with every byte turned into a replacement character.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "controls/smooth/HtmlText.h"
#include "ui/Utf8.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view markup(reinterpret_cast<const char*>(data), size);
    const std::string plain = sk::smooth::StripHtmlText(markup);
    if (plain.size() > 3 * size) __builtin_trap();
    if (sk::ui::encodeUtf8(sk::ui::decodeUtf8(plain)) != plain) __builtin_trap();
    return 0;
}
