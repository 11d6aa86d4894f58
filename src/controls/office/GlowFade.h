// The glow button's pointer and press state with its fade animation: hovering
// blends the face from the normal to the hot colours, pressing and releasing
// blend between the hot and the down colours, in steps of 20 percent, one step
// per tick of a 30 ms timer that exists only while a fade runs.
//
// This class knows no timer and no window: it says when the timer must run
// (timerWanted()) and whether a tick needs a repaint, and the button does both.
#pragma once

namespace sk::office {

class GlowFade {
public:
    static constexpr int IntervalMs = 30;
    static constexpr int Step = 20;

    enum class Kind { Hover, Press, Finished };

    // The pointer entered the button. Returns false when it was hot already and
    // nothing happened; otherwise the button repaints.
    bool enter();
    // The pointer left the button. Returns false when it was not hot.
    bool leave();
    // The left mouse button went down on the button.
    void press();
    // The left mouse button was released after a press on the button.
    void release();
    // One timer tick. Returns true when the button must repaint; false when the
    // fade has just finished (the timer is no longer wanted) or nothing ran.
    bool tick();

    // Cancels the pressed look at once (focus lost, key released).
    void clearPressed() { m_pressed = false; }
    void setPressed(bool pressed) { m_pressed = pressed; }

    bool timerWanted() const { return m_running; }
    bool hot() const { return m_hot; }
    bool pressed() const { return m_pressed; }
    bool mouseHeld() const { return m_mouseHeld; }
    bool pressedOnLeave() const { return m_pressedOnLeave; }
    int hoverPercent() const { return m_hoverPercent; }
    int pressPercent() const { return m_pressPercent; }
    int step() const { return m_step; }
    Kind kind() const { return m_kind; }

private:
    bool m_running = false;
    bool m_hot = false;
    bool m_pressed = false;
    bool m_mouseHeld = false;
    bool m_pressedOnLeave = false;
    int m_hoverPercent = 0;
    int m_pressPercent = 0;
    int m_step = 0;
    Kind m_kind = Kind::Finished;
};

}  // namespace sk::office
