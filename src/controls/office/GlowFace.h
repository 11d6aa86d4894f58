// The two-part glow face shared by the glow button and other glow-faced parts:
// the colour set of one visual state, the gradient kinds, the colour blend by
// percentage, and the painter of the upper and the mirror part.
#pragma once

#include <cstdint>

namespace sk::office {

// A window colour: 0x00BBGGRR, or a system colour 0xFF0000nn.
using WindowColour = std::uint32_t;

enum TGDIPGradient { ggRadial, ggVertical, ggDiagonalForward, ggDiagonalBackward };

struct GlowColourSet {
    WindowColour upper = 0;
    WindowColour upperTo = 0;
    WindowColour mirror = 0;
    WindowColour mirrorTo = 0;
    WindowColour border = 0;
    TGDIPGradient upperKind = ggVertical;
    TGDIPGradient mirrorKind = ggVertical;
    friend bool operator==(const GlowColourSet&, const GlowColourSet&) = default;
};

// blend(c1, c2, p): p >= 100 gives c1, p <= 0 gives c2; between, each of red,
// green and blue is round(p/100 * c1 + (1 - p/100) * c2) with halves to even.
// System colours are resolved first; the result is a plain colour.
WindowColour blendColours(WindowColour c1, WindowColour c2, int percent);

// The four face colours of two sets blended; border and kinds stay those of `into`.
GlowColourSet blendFaces(const GlowColourSet& a, const GlowColourSet& b, int percent, GlowColourSet into);

}  // namespace sk::office
