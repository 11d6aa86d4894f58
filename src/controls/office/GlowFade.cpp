// The glow button's fade state machine.
#include "controls/office/GlowFade.h"

namespace sk::office {

bool GlowFade::enter() {
    if (m_hot) return false;
    m_hot = true;
    if (m_pressedOnLeave) m_pressed = true;
    m_running = true;
    if (!m_pressed && m_kind != Kind::Press) {
        m_step = Step;
        m_kind = Kind::Hover;
    }
    return true;
}

bool GlowFade::leave() {
    if (!m_hot) return false;
    m_hot = false;
    if (m_pressed && m_mouseHeld) {
        m_pressedOnLeave = true;
    } else {
        m_hoverPercent = 100;
    }
    m_pressed = false;
    m_step = -Step;
    m_kind = Kind::Hover;
    m_running = true;
    return true;
}

void GlowFade::press() {
    m_pressed = true;
    m_mouseHeld = true;
    m_step = Step;
    m_kind = Kind::Press;
    m_running = true;
}

void GlowFade::release() {
    m_step = -Step;
    m_kind = Kind::Press;
    m_mouseHeld = false;
    m_pressedOnLeave = false;
    m_running = true;
}

bool GlowFade::tick() {
    if (!m_running) return false;
    if (m_kind == Kind::Finished) {
        // A timer started by an entry that had no fade to run.
        m_running = false;
        return false;
    }
    int& percent = m_kind == Kind::Hover ? m_hoverPercent : m_pressPercent;
    percent += m_step;
    const bool overTop = percent > 100 && m_step > 0;
    const bool underBottom = percent < 0 && m_step < 0;
    if (!overTop && !underBottom) return true;
    percent = overTop ? 100 : 0;
    if (m_kind == Kind::Press && m_step < 0) {
        m_pressed = false;
        m_pressedOnLeave = false;
    }
    m_kind = Kind::Finished;
    m_running = false;
    return false;
}

}  // namespace sk::office
