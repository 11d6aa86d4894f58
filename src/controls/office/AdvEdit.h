// TAdvEdit: the single-line edit with colour and focus options — a background
// and a text colour while focused, a background while disabled, an editor that
// can refuse typing while the rest of the control works — and the settings of
// the further options (lookup, label font, input method) that forms store.
// Numeric and money input, prefix and suffix, the lookup list, error colouring,
// the label beside the field and link display are not built; their settings
// keep their defaults.
#pragma once

#include <memory>
#include <string>

#include "ui/Edit.h"
#include "ui/Font.h"

namespace sk::office {

// The input method mode of the classic controls; stored, no effect here.
enum TImeMode { imDisable, imClose, imOpen, imDontCare, imSAlpha, imAlpha, imHira, imSKata, imKata, imChinese, imSHanguel, imHanguel };

// The settings of the (not built) input lookup list.
class TAdvEditLookup : public ui::Persistent {
    SK_PERSISTENT_CLASS
public:
    const std::string& Separator() const { return m_separator; }
    void SetSeparator(const std::string& value);

private:
    std::string m_separator = ";";
};

class TAdvEdit : public ui::TEdit {
    SK_PERSISTENT_CLASS
public:
    explicit TAdvEdit(ui::Component* owner = nullptr);
    ~TAdvEdit() override;

    // Replaces the text when it differs (raising OnChange); the modified flag is
    // cleared either way.
    void SetText(const std::string& text);

    ui::TColor DisabledColor() const { return m_disabledColor; }
    void SetDisabledColor(ui::TColor value);
    ui::TColor FocusColor() const { return m_focusColor; }
    void SetFocusColor(ui::TColor value) { m_focusColor = value; }
    ui::TColor FocusFontColor() const { return m_focusFontColor; }
    void SetFocusFontColor(ui::TColor value) { m_focusFontColor = value; }
    bool EditorEnabled() const { return m_editorEnabled; }
    void SetEditorEnabled(bool value) { m_editorEnabled = value; }
    bool Flat() const { return m_flat; }
    virtual void SetFlat(bool value);
    TImeMode ImeMode() const { return m_imeMode; }
    void SetImeMode(TImeMode value) { m_imeMode = value; }
    ui::TFont* LabelFont() const { return m_labelFont.get(); }
    TAdvEditLookup* Lookup() const { return m_lookup.get(); }

    void paint(const ui::PaintSurface& surface) override;
    void keyDown(int& key, ui::TShiftState shift) override;
    void keyPress(char32_t& ch) override;
    void focusEnter() override;
    void focusExit() override;

protected:
    void enabledChanged() override;

private:
    ui::TColor m_disabledColor = ui::clSilver;
    ui::TColor m_focusColor = ui::clNone;
    ui::TColor m_focusFontColor = ui::clWindowText;
    bool m_editorEnabled = true;
    bool m_flat = false;
    TImeMode m_imeMode = imDontCare;
    std::unique_ptr<ui::TFont> m_labelFont;
    std::unique_ptr<TAdvEditLookup> m_lookup;
    // The colours to return to when the focus leaves.
    bool m_focusColored = false;
    ui::TColor m_savedColor = ui::clWindow;
    ui::TColor m_savedFontColor = ui::clWindowText;
};

}  // namespace sk::office
