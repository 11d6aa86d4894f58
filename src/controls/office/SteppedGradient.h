// The stepped gradient of the track bar's background, slider and thumb: a run
// of flat bands from a start color towards an end color (the last band one
// step short of it), across or down a rectangle, or out from both edges to the
// middle and back (the InOut directions).
#pragma once

#include "controls/office/TrackBarTypes.h"
#include "drawing/Canvas.h"

namespace sk::office {

// Band k of n of a stepped gradient from one window color to another: each channel
// is start + round(k (end - start) / n), halves to even. The page control and its
// pages band their gradients with it too.
drawing::TColor steppedGradientColor(drawing::TColor from, drawing::TColor to, int k, int n);

// Fills r with bands (at least one) on the canvas, within its clip.
void fillSteppedGradient(drawing::Canvas& canvas, const drawing::Rect& r, drawing::TColor start,
                         drawing::TColor end, int bands, TGradientDirection direction);

}  // namespace sk::office
