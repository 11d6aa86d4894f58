// The track bar's thumb: its shape and size, and the face, mirror and border
// colours of its normal, hot, pressed and disabled looks. Changes repaint the
// owning track bar.
#pragma once

#include "controls/office/ChangingProperty.h"
#include "controls/office/GlowFace.h"
#include "controls/office/TrackBarTypes.h"
#include "drawing/Color.h"
#include "ui/Persistent.h"

namespace sk::office {

enum class ThumbLook { Normal, Hot, Down, Disabled };

// The colours of one look of the thumb.
struct ThumbColours {
    WindowColour color = 0;
    WindowColour colorTo = 0;
    WindowColour mirror = 0;
    WindowColour mirrorTo = 0;
    WindowColour border = 0;
};

class TTrackBarThumb : public ui::Persistent {
    SK_PERSISTENT_CLASS
public:
    TTrackBarThumb() = default;

    ThumbColours colours(ThumbLook look) const;
    // The face as a glow face (upper and mirror part) in a look.
    GlowColourSet glowSet(ThumbLook look) const;

    SK_CHANGING_PROPERTY(WindowColour, BorderColor, 10317632)
    SK_CHANGING_PROPERTY(WindowColour, BorderColorHot, 10079963)
    SK_CHANGING_PROPERTY(WindowColour, BorderColorDown, 4548219)
    SK_CHANGING_PROPERTY(WindowColour, BorderColorDisabled, 0)
    SK_CHANGING_PROPERTY(WindowColour, Color, 15653832)
    SK_CHANGING_PROPERTY(WindowColour, ColorTo, 16178633)
    SK_CHANGING_PROPERTY(WindowColour, ColorHot, 15465983)
    SK_CHANGING_PROPERTY(WindowColour, ColorHotTo, 11332863)
    SK_CHANGING_PROPERTY(WindowColour, ColorDown, 7778289)
    SK_CHANGING_PROPERTY(WindowColour, ColorDownTo, 4296947)
    SK_CHANGING_PROPERTY(WindowColour, ColorDisabled, 0)
    SK_CHANGING_PROPERTY(WindowColour, ColorDisabledTo, 0)
    SK_CHANGING_PROPERTY(WindowColour, ColorMirror, 15586496)
    SK_CHANGING_PROPERTY(WindowColour, ColorMirrorTo, 16245200)
    SK_CHANGING_PROPERTY(WindowColour, ColorMirrorHot, 5888767)
    SK_CHANGING_PROPERTY(WindowColour, ColorMirrorHotTo, 10807807)
    SK_CHANGING_PROPERTY(WindowColour, ColorMirrorDown, 946929)
    SK_CHANGING_PROPERTY(WindowColour, ColorMirrorDownTo, 5021693)
    SK_CHANGING_PROPERTY(WindowColour, ColorMirrorDisabled, 0)
    SK_CHANGING_PROPERTY(WindowColour, ColorMirrorDisabledTo, 0)
    SK_CHANGING_PROPERTY(TGDIPGradient, Gradient, ggVertical)
    SK_CHANGING_PROPERTY(TGDIPGradient, GradientMirror, ggRadial)
    SK_CHANGING_PROPERTY(TThumbShape, Shape, tsPointer)
    SK_CHANGING_PROPERTY(bool, ShowAtMinMax, true)
    SK_CHANGING_PROPERTY(int, Size, 15)
    SK_CHANGING_PROPERTY(int, Width, 10)
};

}  // namespace sk::office
