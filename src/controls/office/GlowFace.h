// The two-part glow face shared by the glow button and other glow-faced parts:
// the colour set of one visual state, the gradient kinds, the colour blend by
// percentage, and the painter of the upper and the mirror part.
#pragma once

#include <cstdint>

namespace sk::drawing {
class Graphics;
}

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

// A part of the face given by its edges: columns x0..x1 - 1, rows y0..y1 - 1.
struct GlowPartEdges {
    int x0 = 0;
    int y0 = 0;
    int x1 = 0;
    int y1 = 0;
};

enum class GlowPartKind { Upper, Mirror };

// Paints one part: a solid fill, then the gradient from `first` to `second` of
// the given kind. Linear kinds span the part; the radial kind is an elliptic
// glow from the middle of the part's top edge (upper) or bottom edge (mirror),
// with the solid colour outside the ellipse. As the classic painter does, the
// fills take (x0, y0) with width x1 and height y1, so a part that starts below
// the top runs past the bottom edge and is clipped there.
void paintGlowPart(drawing::Graphics& g, GlowPartEdges part, WindowColour solid, WindowColour first,
                   WindowColour second, TGDIPGradient kind, GlowPartKind which);

}  // namespace sk::office
