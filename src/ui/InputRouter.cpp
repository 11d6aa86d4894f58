// Input routing of a form: hit testing, capture, enter and leave, cursors,
// the wheel, hints, keys, dialog keys and mnemonics.
#include "ui/InputRouter.h"

#include "platform/Platform.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/Utf8.h"

namespace sk::ui {

namespace {

platform::CursorShape cursorShape(TCursor cursor) {
    switch (cursor) {
        case crHandPoint:
            return platform::CursorShape::Hand;
        case crIBeam:
            return platform::CursorShape::IBeam;
        case crSizeWE:
            return platform::CursorShape::SizeWE;
        case crSizeNS:
            return platform::CursorShape::SizeNS;
        case crHourGlass:
            return platform::CursorShape::Wait;
        default:
            return platform::CursorShape::Arrow;
    }
}

// The bit of wantedKeys() that lets a control keep a key the form would
// otherwise take as a dialog key; 0 for every other key.
unsigned dialogKeyMask(int key) {
    namespace vk = platform::vk;
    if (key == vk::Tab) return WantTab;
    if (key == vk::Left || key == vk::Right || key == vk::Up || key == vk::Down) return WantArrows;
    if (key == vk::Return) return WantReturn;
    if (key == vk::Escape) return WantEscape;
    return 0;
}

}  // namespace

InputRouter::InputRouter(Form& form) : m_form(form) {}

InputRouter::~InputRouter() = default;

// ---- Mouse -------------------------------------------------------------------

void InputRouter::setCaptureControl(Control* control) {
    if (control == m_capture) return;
    m_capture = control;
    if (platform::NativeWindow* window = m_form.nativeWindow()) window->captureMouse(control != nullptr);
}

void InputRouter::updateHover(drawing::Point p) {
    Control* hit = nullptr;
    if (drawing::Rect{0, 0, m_form.Width(), m_form.Height()}.contains(p)) {
        hit = m_form.controlAt(p);
        if (!hit) hit = &m_form;
    }
    if (hit == m_hover) return;
    Control* old = m_hover;
    m_hover = hit;
    if (old) old->setMouseInside(false);
    // The old control's leave handler may have moved the pointer's control on.
    if (m_hover == hit && hit) hit->setMouseInside(true);
    startHint();
}

void InputRouter::leaveHovered() {
    Control* old = m_hover;
    m_hover = nullptr;
    if (old) old->setMouseInside(false);
}

void InputRouter::updateCursor() {
    platform::NativeWindow* window = m_form.nativeWindow();
    if (!window) return;
    TCursor cursor = crDefault;
    for (Control* c = m_capture ? m_capture : m_hover; c && cursor == crDefault; c = c->Parent())
        cursor = c->Cursor();
    window->setCursor(cursorShape(cursor));
}

void InputRouter::mouseMove(const platform::MouseEvent& e) {
    Application::instance().runEvent([&] {
        m_lastMouse = e.position;
        updateHover(e.position);
        if (Control* target = m_capture ? m_capture : m_hover)
            target->mouseMove({e.button, e.modifiers, target->fromForm(e.position), false});
        updateCursor();
    });
}

void InputRouter::mouseLeave() {
    Application::instance().runEvent([&] {
        if (m_capture) return;  // the captured control keeps following the pointer
        cancelHint();
        leaveHovered();
    });
}

void InputRouter::mouseDown(const platform::MouseEvent& e) {
    Application::instance().runEvent([&] {
        cancelHint();
        updateHover(e.position);
        Control* target = m_capture ? m_capture : m_hover;
        if (!target) return;
        // The first button held captures the pointer until the last is let go.
        if ((e.buttons & ~platform::buttonMask(e.button)) == 0) setCaptureControl(target);
        const bool doubleClick =
            e.doubleClick && m_lastPressControl == target && m_lastPressButton == e.button;
        m_lastPressControl = target;
        m_lastPressButton = e.button;
        target->dispatchMouseDown({e.button, e.modifiers, target->fromForm(e.position), doubleClick});
        updateCursor();
    });
}

void InputRouter::mouseUp(const platform::MouseEvent& e) {
    Application::instance().runEvent([&] {
        Control* target = m_capture ? m_capture : m_hover;
        if (e.buttons == platform::ButtonNone) setCaptureControl(nullptr);
        if (target) target->dispatchMouseUp({e.button, e.modifiers, target->fromForm(e.position), false});
        updateHover(e.position);
        updateCursor();
    });
}

void InputRouter::mouseWheel(const platform::WheelEvent& e) {
    Application::instance().runEvent([&] {
        // The focused control first, then its parents; the pointer's place only
        // gives the position the control is told.
        Control* c = m_form.ActiveControl() ? static_cast<Control*>(m_form.ActiveControl()) : &m_form;
        for (; c; c = c->Parent())
            if (c->mouseWheel(e.delta, e.modifiers, c->fromForm(e.position))) return;
    });
}

// ---- Hints -------------------------------------------------------------------

void InputRouter::cancelHint() {
    if (m_hintTimer) m_form.stopTimer(m_hintTimer);
    m_hintTimer = 0;
    m_hintControl = nullptr;
    if (m_hint) m_hint->hide();
}

void InputRouter::startHint() {
    cancelHint();
    Control* c = m_hover;
    if (!c || m_capture || !c->ShowHint() || c->Hint().empty()) return;
    m_hintControl = c;
    m_hintTimer = m_form.startTimer(hintPauseMs, [this] { showHint(); });
}

void InputRouter::showHint() {
    if (m_hintTimer) m_form.stopTimer(m_hintTimer);
    m_hintTimer = 0;
    if (!m_hintControl || m_hintControl != m_hover) return;
    platform::NativeWindow* window = m_form.nativeWindow();
    if (!m_hint) m_hint = std::make_unique<HintWindow>(window);
    const std::string text = m_hintControl->Hint();
    const drawing::Size size = m_hint->textSize(text);
    const drawing::Point at = window ? window->clientToScreen(m_lastMouse) : m_lastMouse;
    const drawing::Rect rect{at.x, at.y + 20, size.width + 8, size.height + 4};
    m_hint->showAt(HintWindow::keepInside(rect, platform::currentPlatform().workAreaAt(at)), text);
    m_hintTimer = m_form.startTimer(hintHidePauseMs, [this] { cancelHint(); });
}

// ---- Keyboard ----------------------------------------------------------------

bool InputRouter::formDialogKey(int key, TShiftState shift) {
    using namespace platform;
    WinControl* active = m_form.ActiveControl();
    if (!(shift & ModAlt) && !(shift & ModCtrl)) {
        if (key == vk::Tab) {
            m_form.selectNext(active, !(shift & ModShift), true);
            return true;
        }
        if (key == vk::Left || key == vk::Right || key == vk::Up || key == vk::Down) {
            if (active && active->Parent())
                active->Parent()->selectNext(active, key == vk::Right || key == vk::Down, false);
            return true;
        }
    }
    if (m_form.dialogKey(key, shift)) return true;
    return m_form.dialogKeyToChildren(key, shift);
}

bool InputRouter::mnemonicKey(const platform::KeyEvent& e) {
    using namespace platform;
    if (!(e.modifiers & ModAlt) || (e.modifiers & ModCtrl)) return false;
    // Alt+character: the control whose caption marks it with "&". The layout's
    // character comes first (Alt+К in a Russian layout), then the key's Latin name.
    if (e.character >= 0x20 && m_form.dialogCharToChildren(e.character, e.modifiers)) return true;
    const int key = e.key;
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) {
        const char32_t ch =
            key >= 'A' && key <= 'Z' ? static_cast<char32_t>(key + 32) : static_cast<char32_t>(key);
        if (ch != e.character && m_form.dialogCharToChildren(ch, e.modifiers)) return true;
    }
    return false;
}

void InputRouter::keyDown(const platform::KeyEvent& e) {
    Application::instance().runEvent([&] {
        cancelHint();
        using namespace platform;
        if (mnemonicKey(e)) return;
        int key = e.key;
        if (key == 0) return;  // a character key without a code: nothing but mnemonics
        const TShiftState shift = e.modifiers;
        WinControl* target = m_form.ActiveControl() ? m_form.ActiveControl() : &m_form;

        // Tab, arrows, Enter and Escape are the form's unless the focused control keeps them.
        const unsigned mask = dialogKeyMask(key);
        const bool targetKeepsKey = target != &m_form && (target->wantedKeys() & mask);
        if (mask && !targetKeepsKey && formDialogKey(key, shift)) return;

        target->keyDown(key, shift);
        // Keys with Ctrl or Alt that the focused control left: its ancestors get them.
        if (key != 0 && (shift & (ModCtrl | ModAlt)) && target != &m_form) {
            for (WinControl* p = target->Parent(); p; p = p->Parent())
                if (p->dialogKey(key, shift)) return;
        }
    });
}

void InputRouter::keyUp(const platform::KeyEvent& e) {
    Application::instance().runEvent([&] {
        int key = e.key;
        WinControl* target = m_form.ActiveControl() ? m_form.ActiveControl() : &m_form;
        target->keyUp(key, e.modifiers);
    });
}

void InputRouter::textInput(const std::string& utf8) {
    Application::instance().runEvent([&] {
        for (char32_t ch : decodeUtf8(utf8)) {
            if (ch < 0x20 || ch == 0x7F) continue;
            // The focus may move between characters (a mnemonic focuses its control).
            WinControl* target = m_form.ActiveControl() ? m_form.ActiveControl() : &m_form;
            if (!(target->wantedKeys() & WantChars) && m_form.dialogCharToChildren(ch, 0)) continue;
            target->keyPress(ch);
        }
    });
}

// ---- Changes of the form -----------------------------------------------------

void InputRouter::controlRemoved(const Control* control) {
    if (control->containsControl(m_capture)) setCaptureControl(nullptr);
    if (control->containsControl(m_hover)) m_hover = nullptr;
    if (control->containsControl(m_lastPressControl)) m_lastPressControl = nullptr;
    if (control->containsControl(m_hintControl)) cancelHint();
}

void InputRouter::controlHidden(const Control* control) {
    if (control->containsControl(m_capture)) setCaptureControl(nullptr);
    if (control->containsControl(m_hover)) leaveHovered();
}

void InputRouter::forgetControls() {
    m_capture = m_hover = m_lastPressControl = m_hintControl = nullptr;
    m_hint.reset();
}

}  // namespace sk::ui
