// The track bar's slider, the groove the thumb runs on: its size and offset,
// rounded or square, its colours (the part left of the thumb in "completed"
// colours) and their disabled counterparts. Changes repaint the track bar.
#pragma once

#include "controls/office/ChangingProperty.h"
#include "controls/office/GlowFace.h"
#include "controls/office/TrackBarTypes.h"
#include "drawing/Color.h"
#include "ui/Persistent.h"

namespace sk::office {

// The colours of the slider in one look (enabled or disabled).
struct SliderColours {
    WindowColour color = 0;
    WindowColour colorTo = 0;
    WindowColour completed = 0;
    WindowColour completedTo = 0;
    WindowColour border = 0;
};

class TTrackBarSlider : public ui::Persistent {
    SK_PERSISTENT_CLASS
public:
    TTrackBarSlider() = default;

    SliderColours colours(bool enabled) const;

    SK_CHANGING_PROPERTY(bool, Border3D, true)
    SK_CHANGING_PROPERTY(WindowColour, BorderColor, 12752500)
    SK_CHANGING_PROPERTY(WindowColour, BorderColorDisabled, 0)
    SK_CHANGING_PROPERTY(WindowColour, Color, 16777215)
    SK_CHANGING_PROPERTY(WindowColour, ColorTo, 0)
    SK_CHANGING_PROPERTY(WindowColour, ColorCompleted, drawing::clNone)
    SK_CHANGING_PROPERTY(WindowColour, ColorCompletedTo, drawing::clNone)
    SK_CHANGING_PROPERTY(WindowColour, ColorCompletedDisabled, drawing::clNone)
    SK_CHANGING_PROPERTY(WindowColour, ColorCompletedDisabledTo, drawing::clNone)
    SK_CHANGING_PROPERTY(WindowColour, ColorDisabled, 0)
    SK_CHANGING_PROPERTY(WindowColour, ColorDisabledTo, 0)
    SK_CHANGING_PROPERTY(TGradientDirection, Direction, gdHorizontal)
    SK_CHANGING_PROPERTY(int, Offset, 10)
    SK_CHANGING_PROPERTY(bool, Rounded, false)
    SK_CHANGING_PROPERTY(int, Size, 2)
    SK_CHANGING_PROPERTY(bool, Visible, true)
};

}  // namespace sk::office
