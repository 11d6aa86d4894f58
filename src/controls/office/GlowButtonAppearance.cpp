// The glow button's colour choice: which set a paint uses, and how the fade
// blends between sets while its timer runs.
#include "controls/office/GlowButtonAppearance.h"

namespace sk::office {

const ui::EnumNames& gradientNames() {
    static const ui::EnumNames names{"TGDIPGradient", {"ggRadial", "ggVertical", "ggDiagonalForward", "ggDiagonalBackward"}};
    return names;
}

const ui::ClassInfo& TGlowButtonAppearance::staticClassInfo() {
    using A = TGlowButtonAppearance;
    using B = ui::ClassBuilder<A>;
    static const ui::ClassInfo info = [] {
        B b("TGlowButtonAppearance", &ui::Persistent::staticClassInfo());
        auto colour = [&b](const char* name, TColor (A::*get)() const, void (A::*set)(TColor), TColor def) {
            b.color(name, get, set, static_cast<long long>(def));
        };
        auto kind = [&b](const char* name, TGDIPGradient (A::*get)() const, void (A::*set)(TGDIPGradient), TGDIPGradient def) {
            b.enumeration(name, get, set, def, gradientNames());
        };
        // In the order the classic streaming stores them: alphabetical.
        colour("BorderColor", &A::BorderColor, &A::SetBorderColor, 0xC0C0C0);
        colour("BorderColorHot", &A::BorderColorHot, &A::SetBorderColorHot, 0xFF0000);
        colour("BorderColorDown", &A::BorderColorDown, &A::SetBorderColorDown, 0x800000);
        colour("BorderColorChecked", &A::BorderColorChecked, &A::SetBorderColorChecked, 0xFF0000);
        colour("BorderColorDisabled", &A::BorderColorDisabled, &A::SetBorderColorDisabled, 0x808080);
        colour("Color", &A::Color, &A::SetColor, 0xFFFFFF);
        colour("ColorTo", &A::ColorTo, &A::SetColorTo, 0xFFFFFF);
        colour("ColorChecked", &A::ColorChecked, &A::SetColorChecked, 0xF5D8CA);
        colour("ColorCheckedTo", &A::ColorCheckedTo, &A::SetColorCheckedTo, 0xF9BDA0);
        colour("ColorDisabled", &A::ColorDisabled, &A::SetColorDisabled, 0xF2F2F2);
        colour("ColorDisabledTo", &A::ColorDisabledTo, &A::SetColorDisabledTo, 0xF2F2F2);
        colour("ColorDown", &A::ColorDown, &A::SetColorDown, 0xF5D8CA);
        colour("ColorDownTo", &A::ColorDownTo, &A::SetColorDownTo, 0xF9BDA0);
        colour("ColorHot", &A::ColorHot, &A::SetColorHot, 0xF5F0E1);
        colour("ColorHotTo", &A::ColorHotTo, &A::SetColorHotTo, 0xF9D2B2);
        colour("ColorMirror", &A::ColorMirror, &A::SetColorMirror, 0xC0C0C0);
        colour("ColorMirrorTo", &A::ColorMirrorTo, &A::SetColorMirrorTo, 0xFFFFFF);
        colour("ColorMirrorHot", &A::ColorMirrorHot, &A::SetColorMirrorHot, 0xF5C8AD);
        colour("ColorMirrorHotTo", &A::ColorMirrorHotTo, &A::SetColorMirrorHotTo, 0xFFF8F4);
        colour("ColorMirrorDown", &A::ColorMirrorDown, &A::SetColorMirrorDown, 0xF5B49C);
        colour("ColorMirrorDownTo", &A::ColorMirrorDownTo, &A::SetColorMirrorDownTo, 0xFFDFDC);
        colour("ColorMirrorChecked", &A::ColorMirrorChecked, &A::SetColorMirrorChecked, 0xF5B49C);
        colour("ColorMirrorCheckedTo", &A::ColorMirrorCheckedTo, &A::SetColorMirrorCheckedTo, 0xFFDFDC);
        colour("ColorMirrorDisabled", &A::ColorMirrorDisabled, &A::SetColorMirrorDisabled, 0xB6B6B6);
        colour("ColorMirrorDisabledTo", &A::ColorMirrorDisabledTo, &A::SetColorMirrorDisabledTo, 0xF2F2F2);
        kind("Gradient", &A::Gradient, &A::SetGradient, ggVertical);
        kind("GradientMirror", &A::GradientMirror, &A::SetGradientMirror, ggVertical);
        kind("GradientHot", &A::GradientHot, &A::SetGradientHot, ggRadial);
        kind("GradientMirrorHot", &A::GradientMirrorHot, &A::SetGradientMirrorHot, ggRadial);
        kind("GradientDown", &A::GradientDown, &A::SetGradientDown, ggRadial);
        kind("GradientMirrorDown", &A::GradientMirrorDown, &A::SetGradientMirrorDown, ggRadial);
        kind("GradientChecked", &A::GradientChecked, &A::SetGradientChecked, ggRadial);
        kind("GradientMirrorChecked", &A::GradientMirrorChecked, &A::SetGradientMirrorChecked, ggVertical);
        kind("GradientDisabled", &A::GradientDisabled, &A::SetGradientDisabled, ggRadial);
        kind("GradientMirrorDisabled", &A::GradientMirrorDisabled, &A::SetGradientMirrorDisabled, ggRadial);
        b.boolean("SystemFont", &A::SystemFont, &A::SetSystemFont, true);
        return b.build();
    }();
    return info;
}

const ui::ClassInfo& TGlowButtonAppearance::classInfo() const { return staticClassInfo(); }

GlowState normalisedState(const GlowPaintInputs& in) {
    GlowState state = in.state;
    if (!in.enabled) {
        state = GlowState::Disabled;
    } else if (state == GlowState::Disabled) {
        state = (in.down && in.groupIndex != 0) ? GlowState::Checked : GlowState::Up;
    }
    if (in.style == bsCheck && in.down) state = GlowState::Down;
    return state;
}

GlowColorSet TGlowButtonAppearance::colourSetFor(const GlowPaintInputs& in) const {
    const GlowState state = normalisedState(in);
    const bool disabled = state == GlowState::Disabled || !in.enabled;
    const bool checkDown = in.style == bsCheck && state == GlowState::Down;

    // The base set of the state.
    GlowColorSet set;
    if (disabled && in.showDisabled) {
        set = disabledSet();
    } else if (state == GlowState::Down && in.style == bsButton) {
        set = downSet();
    } else if (state == GlowState::Checked || checkDown) {
        set = checkedSet();
        if (in.fadeRunning && (in.hot || (in.style == bsButton && in.groupIndex < 1) || state == GlowState::Down))
            set = blendFaces(checkedSet(), downSet(), in.pressPercent, set);
    } else if (in.hot) {
        set = hotSet();
    } else {
        set = normalSet();
    }

    // The fade blends the face towards where it is going while the timer runs.
    if (in.fadeRunning) {
        if (in.pressed || in.transparent || state == GlowState::Checked || checkDown) {
            if (in.style == bsCheck && in.pressed) {
                set = blendFaces(downSet(), checkedSet(), in.pressPercent, set);
            } else if (in.style == bsButton && in.pressed && state != GlowState::Checked) {
                set = blendFaces(downSet(), hotSet(), in.pressPercent, set);
                set.border = drawing::blendPercent(m_BorderColorDown, m_BorderColorHot, in.pressPercent);
            }
        } else {
            set = blendFaces(hotSet(), normalSet(), in.hoverPercent, set);
            set.border = drawing::blendPercent(m_BorderColorHot, m_BorderColor, in.hoverPercent);
        }
    }

    // Buttons joined side by side keep the plain border while one is held.
    if (in.position != bpStandalone && in.mouseHeld) set.border = m_BorderColor;
    if (disabled && in.showDisabled) set = disabledSet();
    if (in.focused && (in.focusType == ftHot || in.focusType == ftHotBorder) && !in.pressed) set = hotSet();
    return set;
}

}  // namespace sk::office
