// The plain single-line edit.
#include "ui/Edit.h"

#include <algorithm>

#include "drawing/TextMeasurer.h"
#include "platform/Platform.h"
#include "ui/Form.h"
#include "ui/Utf8.h"

namespace sk::ui {

namespace {

const EnumNames kBorderStyleNames{"TBorderStyle", {"bsNone", "bsSingle"}};

bool isWordChar(char32_t c) {
    return (c >= U'0' && c <= U'9') || (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z') || c == U'_' ||
           (c >= 0xC0 && c != 0xD7 && c != 0xF7 && c != 0x2014 && c != 0x2013 && c != 0xAB && c != 0xBB &&
            c != 0x2026);
}

}  // namespace

const ClassInfo& TEdit::staticClassInfo() {
    static const ClassInfo info =
        ClassBuilder<TEdit>("TEdit", &WinControl::staticClassInfo())
            .creatable()
            .boolean("AutoSelect", &TEdit::AutoSelect, &TEdit::SetAutoSelect, true)
            .enumeration("BorderStyle", &TEdit::BorderStyle, &TEdit::SetBorderStyle, bsEditSingle,
                         kBorderStyleNames)
            .boolean("HideSelection", &TEdit::HideSelection, &TEdit::SetHideSelection, true)
            .integer("MaxLength", &TEdit::MaxLength, &TEdit::SetMaxLength, 0LL)
            .boolean("ReadOnly", &TEdit::ReadOnly, &TEdit::SetReadOnly, false)
            .string(
                "Text", [](const TEdit& e) { return e.Text(); },
                [](TEdit& e, const std::string& t) { e.SetText(t); })
            .event("OnChange", &TEdit::OnChange)
            .changeDefault("Color", static_cast<long long>(clWindow))
            .changeDefault("TabStop", true)
            .changeDefault("Cursor", static_cast<long long>(crIBeam))
            .build();
    return info;
}
const ClassInfo& TEdit::classInfo() const {
    return staticClassInfo();
}

TEdit::TEdit(Component* owner) : WinControl(owner) {
    SetBounds(0, 0, 121, 21);
    SetColor(clWindow);
    SetTabStop(true);
    SetCursor(crIBeam);
    setWantsDoubleClicks(true);
    setClickEvents(true);
}

// ---- Properties ------------------------------------------------------------

void TEdit::SetText(const std::string& text) {
    if (text == Text()) {
        m_modified = false;
        return;
    }
    Control::SetCaption(text);
    m_modified = false;
}

void TEdit::textChanged() {
    if (encodeUtf8(m_chars) != Text()) {  // set from outside, not by editing
        m_chars = decodeUtf8(Text());
        m_caret = m_anchor = 0;
        m_scroll = 0;
    }
    invalidate();
    updateInputPosition();
    Change();
}

void TEdit::Change() {
    if (OnChange && !loading()) OnChange(this);
}

void TEdit::SetReadOnly(bool value) {
    if (value == m_readOnly) return;
    m_readOnly = value;
    invalidate();
}

void TEdit::SetHideSelection(bool value) {
    if (value == m_hideSelection) return;
    m_hideSelection = value;
    invalidate();
}

void TEdit::SetMaxLength(int value) {
    m_maxLength = std::max(0, value);
}

void TEdit::SetBorderStyle(TEditBorderStyle style) {
    if (style == m_borderStyle) return;
    m_borderStyle = style;
    invalidate();
}

void TEdit::fontChanged() {
    WinControl::fontChanged();
    scrollToCaret();
}

void TEdit::boundsChanged(const drawing::Rect& old) {
    WinControl::boundsChanged(old);
    scrollToCaret();
}

// ---- Selection -------------------------------------------------------------

int TEdit::SelStart() const {
    return std::min(m_caret, m_anchor);
}
int TEdit::SelLength() const {
    return std::abs(m_caret - m_anchor);
}

void TEdit::SetSelStart(int position) {
    setCaret(std::clamp(position, 0, characterCount()), false);
}

void TEdit::SetSelLength(int length) {
    const int start = SelStart();
    m_anchor = start;
    m_caret = std::clamp(start + std::max(0, length), 0, characterCount());
    scrollToCaret();
    invalidate();
}

std::string TEdit::utf8Of(int from, int to) const {
    return encodeUtf8(std::u32string_view(m_chars).substr(index(from), index(to) - index(from)));
}

std::string TEdit::SelText() const {
    return utf8Of(SelStart(), SelStart() + SelLength());
}

void TEdit::SetSelText(const std::string& text) {
    replaceSelection(decodeUtf8(text), false);
}

void TEdit::SelectAll() {
    m_anchor = 0;
    m_caret = characterCount();
    scrollToCaret();
    invalidate();
}

void TEdit::ClearSelection() {
    if (SelLength() > 0) replaceSelection(U"", false);
}

std::u32string::size_type TEdit::index(int position) const {
    return static_cast<std::u32string::size_type>(std::clamp(position, 0, characterCount()));
}

void TEdit::setCaret(int position, bool extend) {
    position = std::clamp(position, 0, characterCount());
    if (position == m_caret && (extend || m_anchor == position)) return;
    m_caret = position;
    if (!extend) m_anchor = position;
    scrollToCaret();
    invalidate();
    updateInputPosition();
}

void TEdit::replaceSelection(const std::u32string& text, bool byUser) {
    std::u32string insert = text;
    // Line breaks do not belong in a single line.
    insert.erase(
        std::remove_if(insert.begin(), insert.end(), [](char32_t c) { return c == U'\r' || c == U'\n'; }),
        insert.end());
    const int start = SelStart(), length = SelLength();
    if (m_maxLength > 0) {
        const int room = m_maxLength - (characterCount() - length);
        if (room <= 0 && !insert.empty()) {
            platform::currentPlatform().beep();
            insert.clear();
        } else if (static_cast<int>(insert.size()) > room) {
            insert.resize(static_cast<std::size_t>(std::max(0, room)));
        }
    }
    if (length == 0 && insert.empty()) return;
    m_chars.replace(index(start), static_cast<std::size_t>(length), insert);
    m_caret = m_anchor = start + static_cast<int>(insert.size());
    Control::SetCaption(encodeUtf8(m_chars));  // textChanged: repaint and OnChange
    if (byUser) m_modified = true;
    scrollToCaret();
    updateInputPosition();
}

// ---- Layout ----------------------------------------------------------------

drawing::Rect TEdit::editClientRect() const {
    const int b = borderWidth();
    return {b, b, std::max(0, Width() - 2 * b), std::max(0, Height() - 2 * b)};
}

void TEdit::setTextRect(const drawing::Rect& rect) {
    if (rect == m_textRect) return;
    m_textRect = rect;
    scrollToCaret();
    invalidate();
}

drawing::Rect TEdit::textRect() const {
    if (m_textRect.width != 0 || m_textRect.height != 0) return m_textRect;
    const drawing::Rect client = editClientRect();
    return {1, 1, std::max(0, client.width - 2), std::max(0, client.height - 1)};
}

const std::vector<int>& TEdit::caretOffsets() const {
    // Laid out once per text and font: every mouse move and paint asks again.
    const drawing::CanvasFont font = Font()->canvasFont();
    if (m_caretOffsets.empty() || m_offsetsText != m_chars || !(m_offsetsFont == font)) {
        m_caretOffsets = drawing::TextMeasurer::shared().caretOffsets(font, encodeUtf8(m_chars));
        m_offsetsText = m_chars;
        m_offsetsFont = font;
    }
    return m_caretOffsets;
}

int TEdit::textWidth(int from, int to) const {
    if (to <= from) return 0;
    const std::vector<int>& offsets = caretOffsets();
    const auto at = [&](int position) {
        return offsets[static_cast<std::size_t>(std::clamp(position, 0, static_cast<int>(offsets.size()) - 1))];
    };
    return at(to) - at(from);
}

int TEdit::caretX() const {
    const drawing::Rect text = textRect();
    return borderWidth() + text.left + textWidth(0, m_caret) - m_scroll;
}

int TEdit::positionAt(drawing::Point p) const {
    const drawing::Rect text = textRect();
    const int x = p.x - borderWidth() - text.left + m_scroll;
    if (x <= 0) return 0;
    // The boundary nearest to x; widths grow with the prefix.
    int previous = 0;
    for (int i = 1; i <= characterCount(); ++i) {
        const int w = textWidth(0, i);
        if (w >= x) return (x - previous) < (w - x) ? i - 1 : i;
        previous = w;
    }
    return characterCount();
}

void TEdit::scrollToCaret() {
    const drawing::Rect text = textRect();
    const int caret = textWidth(0, m_caret);
    const int visible = std::max(0, text.width - 1);
    if (caret - m_scroll > visible) m_scroll = caret - visible;
    if (caret - m_scroll < 0) m_scroll = caret;
    // No blank space at the right while text is scrolled out at the left.
    const int total = textWidth(0, characterCount());
    if (m_scroll > 0 && total - m_scroll < visible) m_scroll = std::max(0, total - visible);
}

void TEdit::updateInputPosition() {
    if (!Focused()) return;
    Form* form = parentForm();
    if (!form || !form->nativeWindow()) return;
    const drawing::Rect text = textRect();
    const drawing::Point top = toForm({caretX(), borderWidth() + text.top});
    form->nativeWindow()->setTextInputPosition({top.x, top.y, 1, Font()->pixelHeight() + 4});
}

// ---- Painting --------------------------------------------------------------

void TEdit::paint(const PaintSurface& surface) {
    drawing::Canvas canvas = surface.canvas();
    drawing::Rect r = ClientRect();
    if (m_borderStyle == bsEditSingle) {
        // The sunken 3-D border: shadow and highlight outside, dark shadow and light inside.
        canvas.frame3D(r, clBtnShadow, clBtnHighlight, 1);
        canvas.frame3D(r, cl3DDkShadow, cl3DLight, 1);
    }
    surface.fillRect(r, drawing::ColorToARGB(255, Enabled() ? Color() : clBtnFace));

    const drawing::Rect text = textRect().translated(borderWidth(), borderWidth());
    if (text.empty()) return;
    canvas.intersectClipRect(text.translated(surface.origin.x, surface.origin.y));
    canvas.font() = Font()->canvasFont();
    if (!enabledWithParents()) canvas.font().color = clGrayText;
    canvas.brush().style = drawing::CanvasBrush::Style::Clear;
    const int x = text.left - m_scroll;
    const std::string all = Text();
    canvas.drawText(all, drawing::Rect{x, text.top, 1 << 16, text.height},
                    drawing::DT_SINGLELINE | drawing::DT_NOPREFIX | drawing::DT_NOCLIP);

    const bool focused = Focused();
    if (SelLength() > 0 && (focused || !m_hideSelection)) {
        const int x0 = x + textWidth(0, SelStart()), x1 = x + textWidth(0, SelStart() + SelLength());
        const int lineHeight = canvas.textHeight("Ag");
        const drawing::Rect selection{x0, text.top, x1 - x0, lineHeight};
        canvas.brush().style = drawing::CanvasBrush::Style::Solid;
        canvas.brush().color = clHighlight;
        canvas.fillRect(selection);
        canvas.brush().style = drawing::CanvasBrush::Style::Clear;
        canvas.font().color = clHighlightText;
        canvas.drawText(SelText(), drawing::Rect{x0, text.top, 1 << 16, text.height},
                        drawing::DT_SINGLELINE | drawing::DT_NOPREFIX | drawing::DT_NOCLIP);
    }
    Form* form = parentForm();
    if (focused && form && form->active()) {
        // A steady caret, one pixel wide, as high as a line of the font.
        const int cx = x + textWidth(0, m_caret);
        canvas.brush().style = drawing::CanvasBrush::Style::Solid;
        canvas.brush().color = Font()->Color();
        canvas.fillRect({cx, text.top, 1, canvas.textHeight("Ag")});
    }
}

// ---- Keyboard --------------------------------------------------------------

int TEdit::wordStart(int position) const {
    int i = std::clamp(position, 0, characterCount());
    while (i > 0 && !isWordChar(m_chars[index(i - 1)])) --i;
    while (i > 0 && isWordChar(m_chars[index(i - 1)])) --i;
    return i;
}

int TEdit::nextWordStart(int position) const {
    int i = std::clamp(position, 0, characterCount());
    const int n = characterCount();
    while (i < n && isWordChar(m_chars[index(i)])) ++i;
    while (i < n && !isWordChar(m_chars[index(i)])) ++i;
    return i;
}

void TEdit::selectWordAt(int position) {
    const int n = characterCount();
    if (n == 0) return;
    int at = std::clamp(position, 0, n - 1);
    const bool word = isWordChar(m_chars[index(at)]);
    int start = at, end = at;
    while (start > 0 && isWordChar(m_chars[index(start - 1)]) == word) --start;
    while (end < n && isWordChar(m_chars[index(end)]) == word) ++end;
    // A word takes the blanks after it, as the classic edit selects.
    if (word)
        while (end < n && m_chars[index(end)] == U' ') ++end;
    m_anchor = start;
    m_caret = end;
    scrollToCaret();
    invalidate();
}

void TEdit::keyDown(int& key, TShiftState shift) {
    WinControl::keyDown(key, shift);  // OnKeyDown may take the key
    if (key == 0) return;
    using namespace platform;
    const bool ctrl = shift & ModCtrl, extend = shift & ModShift;
    switch (key) {
        case vk::Left:
            setCaret(ctrl ? wordStart(m_caret) : (!extend && SelLength() ? SelStart() : m_caret - 1), extend);
            break;
        case vk::Right:
            setCaret(ctrl ? nextWordStart(m_caret)
                          : (!extend && SelLength() ? SelStart() + SelLength() : m_caret + 1),
                     extend);
            break;
        case vk::Home:
            setCaret(0, extend);
            break;
        case vk::End:
            setCaret(characterCount(), extend);
            break;
        case vk::Up:
        case vk::Down:
            break;  // one line: nothing to move to
        case vk::Back:
            if (m_readOnly) break;
            if (SelLength() == 0) {
                if (m_caret == 0) break;
                m_anchor = ctrl ? wordStart(m_caret) : m_caret - 1;
            }
            replaceSelection(U"", true);
            break;
        case vk::Delete:
            if (m_readOnly) break;
            if (extend) {
                CutToClipboard();
                break;
            }
            if (SelLength() == 0) {
                if (m_caret >= characterCount()) break;
                m_anchor = ctrl ? nextWordStart(m_caret) : m_caret + 1;
            }
            replaceSelection(U"", true);
            break;
        case vk::Insert:
            if (ctrl) CopyToClipboard();
            if (extend) PasteFromClipboard();
            break;
        case 'A':
            if (ctrl) SelectAll();
            break;
        case 'C':
            if (ctrl) CopyToClipboard();
            break;
        case 'X':
            if (ctrl) CutToClipboard();
            break;
        case 'V':
            if (ctrl) PasteFromClipboard();
            break;
        default:
            return;
    }
}

void TEdit::keyPress(char32_t& ch) {
    WinControl::keyPress(ch);  // OnKeyPress may change or drop the character
    if (ch == 0 || ch < 0x20 || m_readOnly) return;
    replaceSelection(std::u32string(1, ch), true);
}

void TEdit::CopyToClipboard() {
    if (SelLength() > 0) platform::currentPlatform().setClipboardText(SelText());
}

void TEdit::CutToClipboard() {
    if (SelLength() == 0) return;
    CopyToClipboard();
    if (!m_readOnly) replaceSelection(U"", true);
}

void TEdit::PasteFromClipboard() {
    if (m_readOnly) return;
    const std::string text = platform::currentPlatform().clipboardText();
    if (text.empty()) return;
    replaceSelection(decodeUtf8(text), true);
}

// ---- Mouse and focus -------------------------------------------------------

void TEdit::mouseDown(const MouseArgs& args) {
    WinControl::mouseDown(args);
    if (args.button != MouseButton::Left) return;
    if (!Focused() && canFocus()) {
        m_mouseFocusing = true;
        SetFocus();
        m_mouseFocusing = false;
    }
    const int position = positionAt(args.pos);
    if (args.doubleClick) {
        selectWordAt(position);
        return;
    }
    setCaret(position, (args.shift & platform::ModShift) != 0);
    m_selecting = true;
}

void TEdit::mouseMove(const MouseArgs& args) {
    WinControl::mouseMove(args);
    if (m_selecting) setCaret(positionAt(args.pos), true);
}

void TEdit::mouseUp(const MouseArgs& args) {
    m_selecting = false;
    WinControl::mouseUp(args);
}

void TEdit::focusEnter() {
    if (m_autoSelect && !m_mouseFocusing) SelectAll();
    invalidate();
    updateInputPosition();
    WinControl::focusEnter();
}

void TEdit::focusExit() {
    m_selecting = false;
    invalidate();
    WinControl::focusExit();
}

}  // namespace sk::ui
