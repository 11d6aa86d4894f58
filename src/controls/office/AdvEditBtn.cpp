// The edit with a built-in button: layout, keyboard shortcuts and the button's
// enabled state.
#include "controls/office/AdvEditBtn.h"

#include <algorithm>

#include "drawing/Bitmap.h"
#include "drawing/TextMeasurer.h"
#include "drawing/Canvas.h"

namespace sk::office {

namespace {
const ui::EnumNames kButtonStyleNames{"TButtonStyle", {"bsButton", "bsDropDown"}};
// The text height of the platform's default screen font (the classic system font).
constexpr int kScreenFontTextHeight = 16;
}  // namespace

const ui::ClassInfo& TAdvEditBtn::staticClassInfo() {
    using E = TAdvEditBtn;
    static const ui::ClassInfo info =
        ui::ClassBuilder<E>("TAdvEditBtn", &TAdvEdit::staticClassInfo())
            .creatable()
            .string("ButtonCaption", &E::ButtonCaption, &E::SetButtonCaption)
            .string("ButtonHint", &E::ButtonHint, &E::SetButtonHint)
            .enumeration("ButtonStyle", &E::ButtonStyle, &E::SetButtonStyle, TEditButtonStyle::bsButton,
                         kButtonStyleNames)
            .integer("ButtonWidth", &E::ButtonWidth, &E::SetButtonWidth, 18LL)
            .boolean("Etched", &E::Etched, &E::SetEtched, false)
            .object("Glyph", &E::Glyph)
            .event("OnClickBtn", &E::OnClickBtn)
            .build();
    return info;
}
const ui::ClassInfo& TAdvEditBtn::classInfo() const { return staticClassInfo(); }

TAdvEditBtn::TAdvEditBtn(ui::Component* owner)
    : TAdvEdit(owner), m_button(new TEditButton(this)), m_glyph(std::make_unique<ui::TPicture>()) {
    m_button->SetParent(this);
    m_button->SetCursor(ui::crArrow);
    m_button->onClick = [this] { buttonReleased(); };
    m_button->speedButton()->setGlyph(m_glyph.get());
    m_button->speedButton()->enabledQuery = [this] { return buttonEnabled(); };
    m_glyph->setChangeHandler([this](ui::Persistent*) { m_button->speedButton()->invalidate(); });
    layout();
}

TAdvEditBtn::~TAdvEditBtn() = default;

void TAdvEditBtn::SetButtonStyle(TEditButtonStyle value) {
    if (value == m_buttonStyle) return;
    m_buttonStyle = value;
    m_button->invalidate();
}

void TAdvEditBtn::SetButtonWidth(int value) {
    if (value == m_button->ButtonWidth()) return;
    m_button->SetButtonWidth(value);
    layout();
}

void TAdvEditBtn::SetButtonHint(const std::string& value) {
    m_buttonHint = value;
    m_button->SetHint(value);
    m_button->SetShowHint(!value.empty());
}

void TAdvEditBtn::SetFlat(bool value) {
    if (value == Flat()) return;
    TAdvEdit::SetFlat(value);
    m_button->speedButton()->SetFlat(value);
    layout();
}

// ---- Layout --------------------------------------------------------------------

EditButtonFrame TAdvEditBtn::layoutFrame() const {
    EditButtonFrame frame;
    frame.field = {Width(), Height()};
    const drawing::Rect client = editClientRect();
    frame.client = {client.width, client.height};
    frame.buttonWidth = m_button->ButtonWidth();
    frame.flat = Flat();
    frame.singleBorder = BorderStyle() == ui::bsEditSingle;
    frame.ctl3D = true;
    frame.newStyleControls = true;
    return frame;
}

int TAdvEditBtn::minimumHeight() const {
    return editMinimumHeight(drawing::TextMeasurer::shared().lineHeight(Font()->canvasFont()),
                             kScreenFontTextHeight);
}

void TAdvEditBtn::layout() {
    if (m_inLayout) return;
    const int least = minimumHeight();
    if (Height() < least) {
        SetHeight(least);  // the resize runs the layout again
        return;
    }
    m_inLayout = true;
    const EditButtonFrame frame = layoutFrame();
    // The button lies in the client area, inside the border.
    const drawing::Rect client = editClientRect();
    const drawing::Rect bounds = editButtonBounds(frame).translated(client.left, client.top);
    m_button->SetBounds(bounds.left, bounds.top, bounds.width, bounds.height);
    m_inLayout = false;
    updateTextRect();
}

void TAdvEditBtn::updateTextRect() {
    setTextRect(editTextRect(layoutFrame()));
    invalidate();
}

void TAdvEditBtn::boundsChanged(const drawing::Rect& old) {
    TAdvEdit::boundsChanged(old);
    if (old.width != Width() || old.height != Height()) layout();
}

void TAdvEditBtn::fontChanged() {
    TAdvEdit::fontChanged();
    updateTextRect();
}

void TAdvEditBtn::Loaded() {
    TAdvEdit::Loaded();
    layout();
}

// ---- Action and keys -------------------------------------------------------------

void TAdvEditBtn::buttonAction() {
    if (OnClickBtn) OnClickBtn(this);
}

void TAdvEditBtn::clickButton() {
    if (!buttonEnabled()) return;
    buttonAction();
}

void TAdvEditBtn::buttonReleased() {
    clickButton();
    if (canFocus() && !Focused()) SetFocus();
}

void TAdvEditBtn::keyDown(int& key, ui::TShiftState shift) {
    if (key == platform::vk::F4 && !(shift & (platform::ModCtrl | platform::ModAlt))) {
        m_f4Pressed = true;
        clickButton();
        key = 0;
        return;
    }
    if (key == platform::vk::Return && (shift & platform::ModCtrl)) {
        int up = platform::vk::Up;
        TAdvEdit::keyDown(up, 0);
        key = 0;
        return;
    }
    TAdvEdit::keyDown(key, shift);
}

void TAdvEditBtn::keyUp(int& key, ui::TShiftState shift) {
    // A release of F4 whose press went elsewhere (a dialog closed by the press)
    // runs the action; the release of a press that ran it already does not, so
    // one press never opens the dialog twice.
    if (key == platform::vk::F4) {
        if (!m_f4Pressed) clickButton();
        m_f4Pressed = false;
    }
    TAdvEdit::keyUp(key, shift);
    if (canFocus() && !Focused()) SetFocus();
}

void TAdvEditBtn::focusEnter() {
    TAdvEdit::focusEnter();
    updateTextRect();
}

}  // namespace sk::office
