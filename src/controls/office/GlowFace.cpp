// The glow face's colour blend and part painter.
#include "controls/office/GlowFace.h"

#include <algorithm>

namespace sk::office {

namespace {

// FIXME: resolve system colours through the drawing layer once it offers it.
std::uint32_t resolveToRgb(WindowColour colour) { return colour & 0xFFFFFF; }

}  // namespace

WindowColour blendColours(WindowColour c1, WindowColour c2, int percent) {
    if (percent >= 100) return c1;
    if (percent <= 0) return c2;
    const std::uint32_t a = resolveToRgb(c1), b = resolveToRgb(c2);
    WindowColour result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        // Exact in integers: hundredths of a channel value, rounded halves to even.
        const unsigned scaled = static_cast<unsigned>(percent) * ((a >> shift) & 0xFF) +
                                static_cast<unsigned>(100 - percent) * ((b >> shift) & 0xFF);
        unsigned channel = scaled / 100;
        const unsigned rest = scaled % 100;
        if (rest > 50 || (rest == 50 && channel % 2 == 1)) ++channel;
        result |= std::min(channel, 255u) << shift;
    }
    return result;
}

GlowColourSet blendFaces(const GlowColourSet& a, const GlowColourSet& b, int percent, GlowColourSet into) {
    into.upper = blendColours(a.upper, b.upper, percent);
    into.upperTo = blendColours(a.upperTo, b.upperTo, percent);
    into.mirror = blendColours(a.mirror, b.mirror, percent);
    into.mirrorTo = blendColours(a.mirrorTo, b.mirrorTo, percent);
    return into;
}

}  // namespace sk::office
