// The track bar's thumb: its shape and size, and the face, mirror and border
// colors of its normal, hot, pressed and disabled looks. Changes repaint the
// owning track bar.
#pragma once

#include "controls/office/ChangingProperty.h"
#include "controls/office/GlowFace.h"
#include "controls/office/TrackBarTypes.h"
#include "drawing/Color.h"
#include "ui/Persistent.h"

namespace sk::office {

enum class ThumbLook { Normal, Hot, Down, Disabled };

// The colors of one look of the thumb.
struct ThumbColors {
    TColor color = 0;
    TColor colorTo = 0;
    TColor mirror = 0;
    TColor mirrorTo = 0;
    TColor border = 0;
};

class TTrackBarThumb : public ui::Persistent {
    SK_PERSISTENT_CLASS
public:
    TTrackBarThumb() = default;

    ThumbColors colors(ThumbLook look) const;
    // The face as a glow face (upper and mirror part) in a look.
    GlowColorSet glowSet(ThumbLook look) const;

    SK_CHANGING_PROPERTY(TColor, BorderColor, 10317632)
    SK_CHANGING_PROPERTY(TColor, BorderColorHot, 10079963)
    SK_CHANGING_PROPERTY(TColor, BorderColorDown, 4548219)
    SK_CHANGING_PROPERTY(TColor, BorderColorDisabled, 0)
    SK_CHANGING_PROPERTY(TColor, Color, 15653832)
    SK_CHANGING_PROPERTY(TColor, ColorTo, 16178633)
    SK_CHANGING_PROPERTY(TColor, ColorHot, 15465983)
    SK_CHANGING_PROPERTY(TColor, ColorHotTo, 11332863)
    SK_CHANGING_PROPERTY(TColor, ColorDown, 7778289)
    SK_CHANGING_PROPERTY(TColor, ColorDownTo, 4296947)
    SK_CHANGING_PROPERTY(TColor, ColorDisabled, 0)
    SK_CHANGING_PROPERTY(TColor, ColorDisabledTo, 0)
    SK_CHANGING_PROPERTY(TColor, ColorMirror, 15586496)
    SK_CHANGING_PROPERTY(TColor, ColorMirrorTo, 16245200)
    SK_CHANGING_PROPERTY(TColor, ColorMirrorHot, 5888767)
    SK_CHANGING_PROPERTY(TColor, ColorMirrorHotTo, 10807807)
    SK_CHANGING_PROPERTY(TColor, ColorMirrorDown, 946929)
    SK_CHANGING_PROPERTY(TColor, ColorMirrorDownTo, 5021693)
    SK_CHANGING_PROPERTY(TColor, ColorMirrorDisabled, 0)
    SK_CHANGING_PROPERTY(TColor, ColorMirrorDisabledTo, 0)
    SK_CHANGING_PROPERTY(TGDIPGradient, Gradient, ggVertical)
    SK_CHANGING_PROPERTY(TGDIPGradient, GradientMirror, ggRadial)
    SK_CHANGING_PROPERTY(TThumbShape, Shape, tsPointer)
    SK_CHANGING_PROPERTY(bool, ShowAtMinMax, true)
    SK_CHANGING_PROPERTY(int, Size, 15)
    SK_CHANGING_PROPERTY(int, Width, 10)
};

}  // namespace sk::office
