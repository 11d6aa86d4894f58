// The track bar's step buttons at both ends of the track: whether they show,
// their size and spacing, the step and its repeat, and their glow-face colors
// for the normal, hot and pressed looks. Changes repaint the track bar.
#pragma once

#include "controls/office/ChangingProperty.h"
#include "controls/office/GlowFace.h"
#include "controls/office/TrackBarTypes.h"
#include "ui/Persistent.h"

namespace sk::office {

enum class ButtonLook { Normal, Hot, Down };

class TTrackBarButtons : public ui::Persistent {
    SK_PERSISTENT_CLASS
public:
    TTrackBarButtons() = default;

    // The glow face of a button in a look.
    GlowColorSet glowSet(ButtonLook look) const;

    SK_CHANGING_PROPERTY(TColor, BorderColor, 0xC0C0C0)
    SK_CHANGING_PROPERTY(TColor, BorderColorHot, 0xFF0000)
    SK_CHANGING_PROPERTY(TColor, BorderColorDown, 0x800000)
    SK_CHANGING_PROPERTY(TColor, Color, 0xFFFFFF)
    SK_CHANGING_PROPERTY(TColor, ColorTo, 0xFFFFFF)
    SK_CHANGING_PROPERTY(TColor, ColorHot, 0xF5F0E1)
    SK_CHANGING_PROPERTY(TColor, ColorHotTo, 0xF9D2B2)
    SK_CHANGING_PROPERTY(TColor, ColorDown, 0xF5D8CA)
    SK_CHANGING_PROPERTY(TColor, ColorDownTo, 0xF9BDA0)
    SK_CHANGING_PROPERTY(TColor, ColorMirror, 0xC0C0C0)
    SK_CHANGING_PROPERTY(TColor, ColorMirrorTo, 0xFFFFFF)
    SK_CHANGING_PROPERTY(TColor, ColorMirrorHot, 0xF5C8AD)
    SK_CHANGING_PROPERTY(TColor, ColorMirrorHotTo, 0xFFF8F4)
    SK_CHANGING_PROPERTY(TColor, ColorMirrorDown, 0xF5B49C)
    SK_CHANGING_PROPERTY(TColor, ColorMirrorDownTo, 0xFFDFDC)
    SK_CHANGING_PROPERTY(TGDIPGradient, Gradient, ggVertical)
    SK_CHANGING_PROPERTY(TGDIPGradient, GradientMirror, ggVertical)
    SK_CHANGING_PROPERTY(int, InitRepeatPause, 400)
    SK_CHANGING_PROPERTY(bool, RepeatClick, false)
    SK_CHANGING_PROPERTY(int, RepeatPause, 100)
    SK_CHANGING_PROPERTY(TTrackButtonShape, Shape, bsRound)
    SK_CHANGING_PROPERTY(int, Size, 16)
    SK_CHANGING_PROPERTY(int, Spacing, 4)
    SK_CHANGING_PROPERTY(int, Step, 1)
    SK_CHANGING_PROPERTY(bool, Visible, false)
};

}  // namespace sk::office
