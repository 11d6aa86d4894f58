// Building a reflection label's reflection.
#include "controls/smooth/ReflectionPicture.h"

#include <algorithm>
#include <cstdint>
#include <memory_resource>
#include <new>
#include <string>
#include <vector>

#include "controls/smooth/ImageMemory.h"
#include "drawing/Color.h"
#include "platform/Exception.h"

namespace sk::smooth {

int reflectionRowOpacity(int row, int size, int start, int end) {
    if (row < 0 || row >= size) return 0;
    const double n = size;
    const double q = (n - row) / n * start + row / n * end;
    return std::clamp(drawing::roundHalfEven(q), 0, 255);
}

int reflectionXStart(std::string_view markup, int labelWidth, int blockWidth) {
    std::string squeezed;
    squeezed.reserve(markup.size());
    for (char c : markup)
        if (c != ' ') squeezed.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
    if (squeezed.find("align=\"center\"") != std::string::npos) return (labelWidth - blockWidth) / 2;
    if (squeezed.find("align=\"right\"") != std::string::npos) return labelWidth - blockWidth;
    return 0;
}

drawing::Bitmap buildReflection(const drawing::Bitmap& captured, int size, int opacityStart, int opacityEnd) {
    const int w = captured.width(), h = captured.height();
    // The captured block is handed over as an image in memory of its own, flipped
    // on the way; that memory may not be there.
    std::pmr::vector<std::uint32_t> flipped(imageMemory());
    try {
        flipped.resize(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
    } catch (const std::bad_alloc&) {
        throw platform::Exception("Could not allocate memory for reflection Label");
    }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            flipped[static_cast<std::size_t>(y) * static_cast<std::size_t>(w) + static_cast<std::size_t>(x)] =
                captured.pixel(x, h - 1 - y);

    drawing::Bitmap reflection(w, h);  // fully transparent
    for (int row = 0; row < h; ++row) {
        const int q = reflectionRowOpacity(row, size, opacityStart, opacityEnd);
        if (q == 0) continue;
        for (int x = 0; x < w; ++x) {
            const std::uint32_t source = flipped[static_cast<std::size_t>(row) * static_cast<std::size_t>(w) +
                                                 static_cast<std::size_t>(x)];
            const int alpha = static_cast<int>(source >> 24);
            if (alpha == 0) continue;
            const int a = drawing::roundHalfEven(q * alpha / 255.0);
            reflection.setPixel(x, row, (static_cast<std::uint32_t>(a) << 24) | (source & 0x00FFFFFFu));
        }
    }
    return reflection;
}

}  // namespace sk::smooth
