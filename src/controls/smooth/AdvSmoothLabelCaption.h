// TAdvSmoothLabelCaption: one text of a smooth label — its words, placement,
// font, and how its glyphs are filled. A smooth label has two: the caption and
// its shadow.
#pragma once

#include "controls/smooth/SmoothCaption.h"

namespace sk::smooth {

class TAdvSmoothLabelCaption : public SmoothCaption {
    SK_PERSISTENT_CLASS
public:
    TAdvSmoothLabelCaption();
};

}  // namespace sk::smooth
