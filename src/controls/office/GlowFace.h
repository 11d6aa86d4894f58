// The two-part glow face shared by the glow button and other glow-faced parts:
// the colour set of one visual state, the gradient kinds, the blend of two sets
// by percentage, and the painter of the upper and the mirror part.
#pragma once

#include "drawing/Color.h"

namespace sk::drawing {
class Graphics;
}

namespace sk::office {

using drawing::TColor;

enum TGDIPGradient { ggRadial, ggVertical, ggDiagonalForward, ggDiagonalBackward };

struct GlowColorSet {
    TColor upper = 0;
    TColor upperTo = 0;
    TColor mirror = 0;
    TColor mirrorTo = 0;
    TColor border = 0;
    TGDIPGradient upperKind = ggVertical;
    TGDIPGradient mirrorKind = ggVertical;
    friend bool operator==(const GlowColorSet&, const GlowColorSet&) = default;
};

// The four face colours of two sets blended; border and kinds stay those of `into`.
GlowColorSet blendFaces(const GlowColorSet& a, const GlowColorSet& b, int percent, GlowColorSet into);

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
void paintGlowPart(drawing::Graphics& g, GlowPartEdges part, TColor solid, TColor first,
                   TColor second, TGDIPGradient kind, GlowPartKind which);

}  // namespace sk::office
