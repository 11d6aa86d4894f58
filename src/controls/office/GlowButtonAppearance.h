// The glow button's colours: five sets (normal, hot, down, checked, disabled) of
// upper, upper "to", mirror, mirror "to" and border colour with the gradient
// kinds of the two face parts, and the switch for the system caption face.
// Changing any value tells the owning button, which repaints.
#pragma once

#include <cstdint>

#include "controls/office/GlowFace.h"
#include "ui/Persistent.h"

namespace sk::office {

enum TFocusType { ftBorder, ftHot, ftHotBorder, ftNone };
enum TButtonPosition { bpStandalone, bpLeft, bpMiddle, bpRight };
enum TAdvButtonStyle { bsButton, bsCheck };

// The button's run-time state.
enum class GlowState { Up, Disabled, Down, Checked };

// What the colour choice of one paint looks at.
struct GlowPaintInputs {
    GlowState state = GlowState::Up;
    bool enabled = true;
    bool showDisabled = true;
    TAdvButtonStyle style = bsButton;
    bool down = false;  // the Down property
    int groupIndex = 0;
    bool hot = false;
    bool pressed = false;
    bool mouseHeld = false;
    bool fadeRunning = false;
    int hoverPercent = 0;
    int pressPercent = 0;
    bool transparent = false;
    TButtonPosition position = bpStandalone;
    bool focused = false;
    TFocusType focusType = ftBorder;
};

// The state after the enabled and Down rules: disabled while not enabled, back to
// checked or up when enabled again, down for a check button that is Down.
GlowState normalisedState(const GlowPaintInputs& inputs);

// The names of TGDIPGradient for form descriptions.
const ui::EnumNames& gradientNames();

class TGlowButtonAppearance : public ui::Persistent {
    SK_PERSISTENT_CLASS
public:
    TGlowButtonAppearance() = default;

    GlowColorSet normalSet() const {
        return {m_Color, m_ColorTo, m_ColorMirror, m_ColorMirrorTo, m_BorderColor, m_Gradient, m_GradientMirror};
    }
    GlowColorSet hotSet() const {
        return {m_ColorHot, m_ColorHotTo, m_ColorMirrorHot, m_ColorMirrorHotTo, m_BorderColorHot, m_GradientHot,
                m_GradientMirrorHot};
    }
    GlowColorSet downSet() const {
        return {m_ColorDown, m_ColorDownTo, m_ColorMirrorDown, m_ColorMirrorDownTo, m_BorderColorDown, m_GradientDown,
                m_GradientMirrorDown};
    }
    GlowColorSet checkedSet() const {
        return {m_ColorChecked,   m_ColorCheckedTo,     m_ColorMirrorChecked,   m_ColorMirrorCheckedTo,
                m_BorderColorChecked, m_GradientChecked, m_GradientMirrorChecked};
    }
    // The colours and gradient kinds of one paint of the button.
    GlowColorSet colourSetFor(const GlowPaintInputs& inputs) const;

    GlowColorSet disabledSet() const {
        return {m_ColorDisabled,       m_ColorDisabledTo,  m_ColorMirrorDisabled,   m_ColorMirrorDisabledTo,
                m_BorderColorDisabled, m_GradientDisabled, m_GradientMirrorDisabled};
    }

#define SK_GLOW_PROPERTY(Type, Name, Default)          \
public:                                                \
    Type Name() const { return m_##Name; }             \
    void Set##Name(Type value) {                       \
        if (value == m_##Name) return;                 \
        m_##Name = value;                              \
        changed();                                     \
    }                                                  \
                                                       \
private:                                               \
    Type m_##Name = Default;

    SK_GLOW_PROPERTY(TColor, Color, 0xFFFFFF)
    SK_GLOW_PROPERTY(TColor, ColorTo, 0xFFFFFF)
    SK_GLOW_PROPERTY(TColor, ColorMirror, 0xC0C0C0)
    SK_GLOW_PROPERTY(TColor, ColorMirrorTo, 0xFFFFFF)
    SK_GLOW_PROPERTY(TColor, BorderColor, 0xC0C0C0)
    SK_GLOW_PROPERTY(TGDIPGradient, Gradient, ggVertical)
    SK_GLOW_PROPERTY(TGDIPGradient, GradientMirror, ggVertical)

    SK_GLOW_PROPERTY(TColor, ColorHot, 0xF5F0E1)
    SK_GLOW_PROPERTY(TColor, ColorHotTo, 0xF9D2B2)
    SK_GLOW_PROPERTY(TColor, ColorMirrorHot, 0xF5C8AD)
    SK_GLOW_PROPERTY(TColor, ColorMirrorHotTo, 0xFFF8F4)
    SK_GLOW_PROPERTY(TColor, BorderColorHot, 0xFF0000)
    SK_GLOW_PROPERTY(TGDIPGradient, GradientHot, ggRadial)
    SK_GLOW_PROPERTY(TGDIPGradient, GradientMirrorHot, ggRadial)

    SK_GLOW_PROPERTY(TColor, ColorDown, 0xF5D8CA)
    SK_GLOW_PROPERTY(TColor, ColorDownTo, 0xF9BDA0)
    SK_GLOW_PROPERTY(TColor, ColorMirrorDown, 0xF5B49C)
    SK_GLOW_PROPERTY(TColor, ColorMirrorDownTo, 0xFFDFDC)
    SK_GLOW_PROPERTY(TColor, BorderColorDown, 0x800000)
    SK_GLOW_PROPERTY(TGDIPGradient, GradientDown, ggRadial)
    SK_GLOW_PROPERTY(TGDIPGradient, GradientMirrorDown, ggRadial)

    SK_GLOW_PROPERTY(TColor, ColorChecked, 0xF5D8CA)
    SK_GLOW_PROPERTY(TColor, ColorCheckedTo, 0xF9BDA0)
    SK_GLOW_PROPERTY(TColor, ColorMirrorChecked, 0xF5B49C)
    SK_GLOW_PROPERTY(TColor, ColorMirrorCheckedTo, 0xFFDFDC)
    SK_GLOW_PROPERTY(TColor, BorderColorChecked, 0xFF0000)
    SK_GLOW_PROPERTY(TGDIPGradient, GradientChecked, ggRadial)
    SK_GLOW_PROPERTY(TGDIPGradient, GradientMirrorChecked, ggVertical)

    SK_GLOW_PROPERTY(TColor, ColorDisabled, 0xF2F2F2)
    SK_GLOW_PROPERTY(TColor, ColorDisabledTo, 0xF2F2F2)
    SK_GLOW_PROPERTY(TColor, ColorMirrorDisabled, 0xB6B6B6)
    SK_GLOW_PROPERTY(TColor, ColorMirrorDisabledTo, 0xF2F2F2)
    SK_GLOW_PROPERTY(TColor, BorderColorDisabled, 0x808080)
    SK_GLOW_PROPERTY(TGDIPGradient, GradientDisabled, ggRadial)
    SK_GLOW_PROPERTY(TGDIPGradient, GradientMirrorDisabled, ggRadial)

    SK_GLOW_PROPERTY(bool, SystemFont, true)

#undef SK_GLOW_PROPERTY
};

}  // namespace sk::office
