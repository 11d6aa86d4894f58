// TAdvEdit: focus and disabled colours and the editor lock over the plain edit.
#include "controls/office/AdvEdit.h"

#include "drawing/Canvas.h"

namespace sk::office {

namespace {
const ui::EnumNames kImeModeNames{"TImeMode",
                                  {"imDisable", "imClose", "imOpen", "imDontCare", "imSAlpha", "imAlpha", "imHira",
                                   "imSKata", "imKata", "imChinese", "imSHanguel", "imHanguel"}};
constexpr char32_t kCtrlC = 3, kEnter = 13, kEscape = 27;
}  // namespace

const ui::ClassInfo& TAdvEditLookup::staticClassInfo() {
    static const ui::ClassInfo info =
        ui::ClassBuilder<TAdvEditLookup>("TLookupSettings", &ui::Persistent::staticClassInfo())
            .string("Separator", &TAdvEditLookup::Separator, &TAdvEditLookup::SetSeparator, std::string(";"))
            .build();
    return info;
}
const ui::ClassInfo& TAdvEditLookup::classInfo() const { return staticClassInfo(); }

void TAdvEditLookup::SetSeparator(const std::string& value) {
    if (value == m_separator) return;
    m_separator = value;
    changed();
}

const ui::ClassInfo& TAdvEdit::staticClassInfo() {
    using E = TAdvEdit;
    static const ui::ClassInfo info =
        ui::ClassBuilder<E>("TAdvEdit", &ui::TEdit::staticClassInfo())
            .creatable()
            .color("DisabledColor", &E::DisabledColor, &E::SetDisabledColor, static_cast<long long>(ui::clSilver))
            .boolean("EditorEnabled", &E::EditorEnabled, &E::SetEditorEnabled, true)
            .boolean("Flat", &E::Flat, &E::SetFlat, false)
            .color("FocusColor", &E::FocusColor, &E::SetFocusColor, static_cast<long long>(ui::clNone))
            .color("FocusFontColor", &E::FocusFontColor, &E::SetFocusFontColor,
                   static_cast<long long>(ui::clWindowText))
            .enumeration("ImeMode", &E::ImeMode, &E::SetImeMode, imDontCare, kImeModeNames)
            .object("LabelFont", &E::LabelFont)
            .object("Lookup", &E::Lookup)
            .build();
    return info;
}
const ui::ClassInfo& TAdvEdit::classInfo() const { return staticClassInfo(); }

TAdvEdit::TAdvEdit(ui::Component* owner)
    : ui::TEdit(owner), m_labelFont(std::make_unique<ui::TFont>()), m_lookup(std::make_unique<TAdvEditLookup>()) {}

TAdvEdit::~TAdvEdit() = default;

void TAdvEdit::SetText(const std::string& text) {
    ui::TEdit::SetText(text);
    SetModified(false);
}

void TAdvEdit::SetDisabledColor(ui::TColor value) {
    if (value == m_disabledColor) return;
    m_disabledColor = value;
    if (!Enabled()) invalidate();
}

void TAdvEdit::SetFlat(bool value) {
    if (value == m_flat) return;
    m_flat = value;
    invalidate();
}

void TAdvEdit::paint(const ui::PaintSurface& surface) {
    if (Enabled()) {
        ui::TEdit::paint(surface);
        return;
    }
    // Disabled: the field in DisabledColor with grey text, no selection, no caret.
    drawing::Canvas canvas = surface.canvas();
    drawing::Rect r = ClientRect();
    if (BorderStyle() == ui::bsEditSingle) {
        canvas.frame3D(r, ui::clBtnShadow, ui::clBtnHighlight, 1);
        canvas.frame3D(r, ui::cl3DDkShadow, ui::cl3DLight, 1);
    }
    canvas.brush().color = m_disabledColor;
    canvas.fillRect(r);
    const drawing::Rect text = textRect().translated(borderWidth(), borderWidth());
    if (text.empty()) return;
    canvas.intersectClipRect(text.translated(surface.origin.x, surface.origin.y));
    canvas.font() = Font()->canvasFont();
    canvas.font().color = ui::clGrayText;
    canvas.brush().style = drawing::CanvasBrush::Style::Clear;
    canvas.drawText(Text(), drawing::Rect{text.left, text.top, 1 << 16, text.height},
                    drawing::DT_SINGLELINE | drawing::DT_NOPREFIX | drawing::DT_NOCLIP);
}

void TAdvEdit::keyDown(int& key, ui::TShiftState shift) {
    if (!m_editorEnabled) {
        // Delete, Backspace, cut and paste change the text: refused.
        const bool ctrl = (shift & platform::ModCtrl) != 0, shiftKey = (shift & platform::ModShift) != 0;
        if (key == platform::vk::Delete || key == platform::vk::Back || (ctrl && (key == 'X' || key == 'V')) ||
            (shiftKey && key == platform::vk::Insert)) {
            key = 0;
            return;
        }
    }
    ui::TEdit::keyDown(key, shift);
}

void TAdvEdit::keyPress(char32_t& ch) {
    if (!m_editorEnabled && ch != kEnter && ch != kEscape && ch != kCtrlC) {
        ch = 0;
        return;
    }
    ui::TEdit::keyPress(ch);
}

void TAdvEdit::focusEnter() {
    if (!m_focusColored) {
        m_focusColored = true;
        m_savedColor = Color();
        m_savedFontColor = Font()->Color();
        Font()->SetColor(m_focusFontColor);
        if (m_focusColor != ui::clNone) SetColor(m_focusColor);
    }
    ui::TEdit::focusEnter();
}

void TAdvEdit::focusExit() {
    if (m_focusColored) {
        m_focusColored = false;
        Font()->SetColor(m_savedFontColor);
        SetColor(m_savedColor);
    }
    ui::TEdit::focusExit();
}

void TAdvEdit::enabledChanged() {
    ui::TEdit::enabledChanged();
    invalidate();
}

}  // namespace sk::office
