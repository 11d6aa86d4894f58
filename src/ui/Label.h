// TLabel, the plain label: a caption (with line breaks) in the label's font,
// aligned left, right or centred and at the top, middle or bottom, over the
// label's colour or transparent over what lies beneath; "&" marks a mnemonic
// that focuses FocusControl.
#pragma once

#include "ui/Control.h"

namespace sk::ui {

class WinControl;

class TLabel : public GraphicControl {
    SK_PERSISTENT_CLASS
public:
    explicit TLabel(Component* owner = nullptr);

    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment value);
    TTextLayout Layout() const { return m_layout; }
    void SetLayout(TTextLayout value);
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool value);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool value);
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool value);
    bool ShowAccelChar() const { return m_showAccelChar; }
    void SetShowAccelChar(bool value);
    WinControl* FocusControl() const { return m_focusControl; }
    void SetFocusControl(WinControl* control) { m_focusControl = control; }

    // The text rectangle the caption takes, for the given width (auto-size, tests).
    drawing::Size textSize() const;

    void paint(const PaintSurface& surface) override;
    bool dialogChar(char32_t ch, TShiftState shift) override;

protected:
    void textChanged() override;
    void fontChanged() override;
    void notification(Component* removed) override;
    void Loaded() override;

private:
    unsigned textFlags() const;
    void adjustBounds();

    TAlignment m_alignment = taLeftJustify;
    TTextLayout m_layout = tlTop;
    bool m_autoSize = true;
    bool m_transparent = false;
    bool m_wordWrap = false;
    bool m_showAccelChar = true;
    WinControl* m_focusControl = nullptr;
};

}  // namespace sk::ui
