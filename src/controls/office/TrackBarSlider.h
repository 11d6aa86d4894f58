// The track bar's slider, the groove the thumb runs on: its size and offset,
// rounded or square, its colors (the part left of the thumb in "completed"
// colors) and their disabled counterparts. Changes repaint the track bar.
#pragma once

#include "controls/office/ChangingProperty.h"
#include "controls/office/GlowFace.h"
#include "controls/office/TrackBarTypes.h"
#include "drawing/Color.h"
#include "ui/Persistent.h"

namespace sk::office {

// The colors of the slider in one look (enabled or disabled).
struct SliderColors {
    TColor color = 0;
    TColor colorTo = 0;
    TColor completed = 0;
    TColor completedTo = 0;
    TColor border = 0;
};

class TTrackBarSlider : public ui::Persistent {
    SK_PERSISTENT_CLASS
public:
    TTrackBarSlider() = default;

    SliderColors colors(bool enabled) const;

    SK_CHANGING_PROPERTY(bool, Border3D, true)
    SK_CHANGING_PROPERTY(TColor, BorderColor, 12752500)
    SK_CHANGING_PROPERTY(TColor, BorderColorDisabled, 0)
    SK_CHANGING_PROPERTY(TColor, Color, 16777215)
    SK_CHANGING_PROPERTY(TColor, ColorTo, 0)
    SK_CHANGING_PROPERTY(TColor, ColorCompleted, drawing::clNone)
    SK_CHANGING_PROPERTY(TColor, ColorCompletedTo, drawing::clNone)
    SK_CHANGING_PROPERTY(TColor, ColorCompletedDisabled, drawing::clNone)
    SK_CHANGING_PROPERTY(TColor, ColorCompletedDisabledTo, drawing::clNone)
    SK_CHANGING_PROPERTY(TColor, ColorDisabled, 0)
    SK_CHANGING_PROPERTY(TColor, ColorDisabledTo, 0)
    SK_CHANGING_PROPERTY(TGradientDirection, Direction, gdHorizontal)
    SK_CHANGING_PROPERTY(int, Offset, 10)
    SK_CHANGING_PROPERTY(bool, Rounded, false)
    SK_CHANGING_PROPERTY(int, Size, 2)
    SK_CHANGING_PROPERTY(bool, Visible, true)
};

}  // namespace sk::office
