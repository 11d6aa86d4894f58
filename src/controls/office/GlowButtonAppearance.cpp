// The glow button's colour choice: which set a paint uses, and how the fade
// blends between sets while its timer runs.
#include "controls/office/GlowButtonAppearance.h"

namespace sk::office {

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

GlowColourSet TGlowButtonAppearance::colourSetFor(const GlowPaintInputs& in) const {
    const GlowState state = normalisedState(in);
    const bool disabled = state == GlowState::Disabled || !in.enabled;
    const bool checkDown = in.style == bsCheck && state == GlowState::Down;

    // The base set of the state.
    GlowColourSet set;
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
                set.border = blendColours(m_BorderColorDown, m_BorderColorHot, in.pressPercent);
            }
        } else {
            set = blendFaces(hotSet(), normalSet(), in.hoverPercent, set);
            set.border = blendColours(m_BorderColorHot, m_BorderColor, in.hoverPercent);
        }
    }

    // Buttons joined side by side keep the plain border while one is held.
    if (in.position != bpStandalone && in.mouseHeld) set.border = m_BorderColor;
    if (disabled && in.showDisabled) set = disabledSet();
    if (in.focused && (in.focusType == ftHot || in.focusType == ftHotBorder) && !in.pressed) set = hotSet();
    return set;
}

}  // namespace sk::office
