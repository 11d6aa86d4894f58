#include "platform/headless/HeadlessWindow.h"

#include <algorithm>
#include <cstdlib>

#include <glib.h>

#include "platform/headless/HeadlessPlatform.h"

namespace sk::platform {

using drawing::Point;
using drawing::Rect;
using drawing::Size;

namespace {

// A character that a key of a US keyboard types, with the key and whether
// Shift is needed for it.
struct KeyChar {
    char character;
    int key;
    bool shift;
};

constexpr KeyChar kPunctuation[] = {
    {' ', vk::Space, false},    {'-', vk::OemMinus, false}, {'_', vk::OemMinus, true},
    {'=', vk::OemPlus, false},  {'+', vk::OemPlus, true},   {'[', vk::Oem4, false},
    {'{', vk::Oem4, true},      {']', vk::Oem6, false},     {'}', vk::Oem6, true},
    {'\\', vk::Oem5, false},    {'|', vk::Oem5, true},      {';', vk::Oem1, false},
    {':', vk::Oem1, true},      {'\'', vk::Oem7, false},    {'"', vk::Oem7, true},
    {',', vk::OemComma, false}, {'<', vk::OemComma, true},  {'.', vk::OemPeriod, false},
    {'>', vk::OemPeriod, true}, {'/', vk::Oem2, false},     {'?', vk::Oem2, true},
    {'`', vk::Oem3, false},     {'~', vk::Oem3, true},      {')', '0', true},
    {'!', '1', true},           {'@', '2', true},           {'#', '3', true},
    {'$', '4', true},           {'%', '5', true},           {'^', '6', true},
    {'&', '7', true},           {'*', '8', true},           {'(', '9', true},
};

std::optional<KeyChar> keyForCharacter(char c) {
    if (c >= 'a' && c <= 'z') return KeyChar{c, c - 'a' + 'A', false};
    if (c >= 'A' && c <= 'Z') return KeyChar{c, c, true};
    if (c >= '0' && c <= '9') return KeyChar{c, c, false};
    for (const auto& entry : kPunctuation)
        if (entry.character == c) return entry;
    return std::nullopt;
}

std::optional<char> characterForKey(int key, bool shift) {
    if (key >= 'A' && key <= 'Z') return static_cast<char>(shift ? key : key - 'A' + 'a');
    if (key >= '0' && key <= '9' && !shift) return static_cast<char>(key);
    for (const auto& entry : kPunctuation)
        if (entry.key == key && entry.shift == shift) return entry.character;
    return std::nullopt;
}

// The length of the UTF-8 sequence that starts with this byte (1 for stray bytes).
std::size_t sequenceLength(unsigned char lead) {
    if (lead >= 0xF0) return 4;
    if (lead >= 0xE0) return 3;
    if (lead >= 0xC0) return 2;
    return 1;
}

}  // namespace

HeadlessWindow::HeadlessWindow(HeadlessPlatform* platform, const WindowOptions& options)
    : m_platform(platform),
      m_options(options),
      m_title(options.title),
      m_clientSize{std::max(0, options.clientSize.width), std::max(0, options.clientSize.height)},
      m_position(options.position),
      m_positioned(!options.centred || options.kind == WindowKind::Popup),
      m_image(m_clientSize.width, m_clientSize.height) {
    if (m_platform) m_platform->addWindow(this);
}

HeadlessWindow::~HeadlessWindow() {
    if (m_platform) m_platform->removeWindow(this);
}

void HeadlessWindow::setClient(WindowClient* client) {
    m_client = client;
}

void HeadlessWindow::setTitle(const std::string& title) {
    m_title = title;
}

void HeadlessWindow::setClientSize(Size size) {
    size = {std::max(0, size.width), std::max(0, size.height)};
    if (size == m_clientSize) return;
    drawing::Bitmap image(size.width, size.height);
    image.copyFrom(m_image, Rect{0, 0, m_image.width(), m_image.height()}, Point{0, 0});
    m_image = std::move(image);
    m_clientSize = size;
}

Size HeadlessWindow::clientSize() const {
    return m_clientSize;
}

void HeadlessWindow::setPosition(Point screenTopLeft) {
    m_position = screenTopLeft;
    m_positioned = true;
}

void HeadlessWindow::setIcon(const std::vector<drawing::Bitmap>& sizes) {
    m_icons = sizes;
}

void HeadlessWindow::show() {
    if (!m_positioned && m_platform) {
        // Centred on the work area at the first show, as the real backend does.
        const Rect area = m_platform->workArea();
        m_position = {area.left + (area.width - m_clientSize.width) / 2,
                      area.top + (area.height - m_clientSize.height) / 2};
        m_positioned = true;
    }
    if (m_visible) return;
    m_visible = true;
    ++m_showCount;
    if (m_options.kind == WindowKind::Main && m_platform && m_platform->m_modalDepth == 0) activate();
}

void HeadlessWindow::hide() {
    if (!m_visible) return;
    m_visible = false;
    m_heldButtons = ButtonNone;
    m_pointerInside = false;
    if (active()) deactivate();
}

bool HeadlessWindow::visible() const {
    return m_visible;
}

void HeadlessWindow::present(const drawing::Bitmap& backBuffer, const Rect& area) {
    const Rect clipped = area.intersected(Rect{0, 0, m_clientSize.width, m_clientSize.height})
                             .intersected(Rect{0, 0, backBuffer.width(), backBuffer.height()});
    m_presented.push_back(area);
    if (clipped.empty()) return;
    m_image.copyFrom(backBuffer, clipped, clipped.topLeft());
}

void HeadlessWindow::setCursor(CursorShape shape) {
    m_cursor = shape;
}

void HeadlessWindow::captureMouse(bool capture) {
    if (capture == m_captured) return;
    m_captured = capture;
    // Releasing the capture with the pointer already outside ends the stay in the window.
    if (!capture && m_heldButtons == ButtonNone && m_pointerInside &&
        !Rect{0, 0, m_clientSize.width, m_clientSize.height}.contains(m_pointer)) {
        m_pointerInside = false;
        if (m_client && acceptsInput()) m_client->mouseLeave();
    }
}

void HeadlessWindow::setTextInputPosition(const Rect& caret) {
    m_textInputPosition = caret;
}

Point HeadlessWindow::clientToScreen(Point clientPoint) const {
    return {m_position.x + clientPoint.x, m_position.y + clientPoint.y};
}

Rect HeadlessWindow::screenRect() const {
    return {m_position.x, m_position.y, m_clientSize.width, m_clientSize.height};
}

bool HeadlessWindow::active() const {
    return m_platform && m_platform->m_active == this;
}

bool HeadlessWindow::enabled() const {
    return !m_platform || m_platform->m_modalDepth == 0;
}

bool HeadlessWindow::savePng(const std::filesystem::path& file) const {
    return m_image.savePng(file);
}

// ---- Injected input ----

bool HeadlessWindow::acceptsInput() const {
    return m_client && m_visible && enabled();
}

MouseEvent HeadlessWindow::makeEvent(Point at, MouseButton button, unsigned modifiers) const {
    MouseEvent event;
    event.position = at;
    event.button = button;
    event.modifiers = modifiers;
    event.timeMs = m_platform ? m_platform->nowMs() : 0;
    event.buttons = m_heldButtons;
    return event;
}

void HeadlessWindow::mouseDown(Point at, MouseButton button, unsigned modifiers) {
    if (!acceptsInput()) return;
    if (m_options.kind == WindowKind::Main && !active()) activate();
    if (!acceptsInput()) return;  // activation may have closed the window's client
    m_pointer = at;
    m_pointerInside = true;
    m_heldButtons |= buttonMask(button);
    MouseEvent event = makeEvent(at, button, modifiers);
    if (m_platform)
        event.doubleClick =
            m_platform->m_doubleClicks.press(this, button, at, event.timeMs, m_platform->doubleClickTimeMs());
    m_client->mouseDown(event);
}

void HeadlessWindow::mouseUp(Point at, MouseButton button, unsigned modifiers) {
    if (!acceptsInput()) return;
    m_pointer = at;
    m_heldButtons &= ~buttonMask(button);
    m_client->mouseUp(makeEvent(at, button, modifiers));
    const bool inside = Rect{0, 0, m_clientSize.width, m_clientSize.height}.contains(at);
    if (!inside && m_heldButtons == ButtonNone && !m_captured && m_pointerInside && acceptsInput()) {
        m_pointerInside = false;
        m_client->mouseLeave();
    }
}

void HeadlessWindow::mouseMove(Point to, unsigned modifiers) {
    if (!acceptsInput()) return;
    m_pointer = to;
    const bool inside = Rect{0, 0, m_clientSize.width, m_clientSize.height}.contains(to);
    if (inside || m_heldButtons != ButtonNone || m_captured) {
        if (inside) m_pointerInside = true;
        m_client->mouseMove(makeEvent(to, MouseButton::Left, modifiers));
    } else if (m_pointerInside) {
        m_pointerInside = false;
        m_client->mouseLeave();
    }
}

void HeadlessWindow::mouseLeave() {
    if (!acceptsInput() || !m_pointerInside) return;
    m_pointerInside = false;
    m_client->mouseLeave();
}

void HeadlessWindow::click(Point at, MouseButton button, unsigned modifiers) {
    mouseDown(at, button, modifiers);
    mouseUp(at, button, modifiers);
}

void HeadlessWindow::doubleClick(Point at, MouseButton button, unsigned modifiers) {
    // A double click needs a fresh first press, whatever came before.
    if (m_platform) m_platform->m_doubleClicks.reset();
    click(at, button, modifiers);
    click(at, button, modifiers);
}

void HeadlessWindow::drag(Point from, Point to, int steps, MouseButton button) {
    steps = std::max(1, steps);
    mouseMove(from);
    mouseDown(from, button);
    for (int i = 1; i <= steps; ++i)
        mouseMove({from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps});
    mouseUp(to, button);
}

void HeadlessWindow::wheel(Point at, int delta, unsigned modifiers) {
    if (!acceptsInput()) return;
    m_client->mouseWheel(WheelEvent{at, delta, modifiers});
}

void HeadlessWindow::keyDown(int key, unsigned modifiers) {
    const auto character = characterForKey(key, false);
    sendKeyDown(key, modifiers, character ? static_cast<char32_t>(*character) : 0);
}

void HeadlessWindow::sendKeyDown(int key, unsigned modifiers, char32_t character) {
    if (!acceptsInput() || !active()) return;
    KeyEvent event;
    event.key = key;
    event.modifiers = modifiers;
    event.repeat = !m_keysDown.insert(key).second;
    event.character = character;
    m_client->keyDown(event);
}

void HeadlessWindow::pressLayoutKey(int key, char32_t character, unsigned modifiers) {
    sendKeyDown(key, modifiers, g_unichar_tolower(character));
    if ((modifiers & (ModCtrl | ModAlt)) == 0) {
        char utf8[8] = {};
        g_unichar_to_utf8((modifiers & ModShift) ? g_unichar_toupper(character) : character, utf8);
        inputText(utf8);
    }
    keyUp(key, modifiers);
}

void HeadlessWindow::keyUp(int key, unsigned modifiers) {
    if (!acceptsInput() || !active()) return;
    m_keysDown.erase(key);
    m_client->keyUp(KeyEvent{key, modifiers, false});
}

void HeadlessWindow::pressKey(int key, unsigned modifiers) {
    keyDown(key, modifiers);
    if ((modifiers & (ModCtrl | ModAlt)) == 0) {
        if (const auto character = characterForKey(key, (modifiers & ModShift) != 0))
            inputText(std::string(1, *character));
    }
    keyUp(key, modifiers);
}

void HeadlessWindow::typeText(const std::string& utf8) {
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t length =
            std::min(sequenceLength(static_cast<unsigned char>(utf8[i])), utf8.size() - i);
        const std::string character = utf8.substr(i, length);
        i += length;
        if (character == "\n") {
            pressKey(vk::Return);
        } else if (character == "\t") {
            pressKey(vk::Tab);
        } else if (const auto key = length == 1 ? keyForCharacter(character[0]) : std::nullopt) {
            const unsigned modifiers = key->shift ? ModShift : ModNone;
            keyDown(key->key, modifiers);
            inputText(character);
            keyUp(key->key, modifiers);
        } else {
            inputText(character);
        }
    }
}

void HeadlessWindow::inputText(const std::string& utf8) {
    if (!acceptsInput() || !active() || utf8.empty()) return;
    m_client->textInput(utf8);
}

// ---- Focus and closing ----

void HeadlessWindow::activate() {
    if (m_platform && m_options.kind == WindowKind::Main) m_platform->setActive(this);
}

void HeadlessWindow::deactivate() {
    if (m_platform && active()) m_platform->setActive(nullptr);
}

void HeadlessWindow::notifyActive(bool isActive) {
    if (!isActive) m_keysDown.clear();
    if (m_client) m_client->activeChanged(isActive);
}

bool HeadlessWindow::pressCloseBox() {
    if (!m_client || !enabled()) return false;
    return m_client->closeRequested();
}

}  // namespace sk::platform
