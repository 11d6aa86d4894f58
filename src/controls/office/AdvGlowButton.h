// A push button whose face is painted in two horizontal parts, an upper part and
// a lower "mirror" part, each filled with a two-colour gradient, with an
// anti-aliased rounded outline and an anti-aliased caption. Every visual state
// has its own colours (TGlowButtonAppearance); hovering and pressing blend the
// colours in 20 percent steps on a 30 ms timer (GlowFade).
//
// Built here: the face, the caption, focus, states, fade, click rules, dialog
// keys, mnemonics, check and group behaviour, OnDrawButton, ShowDisabled,
// Transparent and Rounded. Images, pictures, notes, the drop-down part,
// automatic sizing, repeat clicks and the open outlines of buttons joined side
// by side are not built: the outline is the closed one for every Position.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "controls/office/GlowButtonAppearance.h"
#include "controls/office/GlowFade.h"
#include "drawing/Canvas.h"
#include "drawing/Font.h"
#include "ui/Form.h"
#include "ui/WinControl.h"

namespace sk::drawing {
class Graphics;
}

namespace sk::office {

enum TGlowButtonState { gsNormal, gsHot, gsDown };
enum TAntiAlias { aaNone, aaClearType, aaAntiAlias };
enum TButtonLayout {
    blGlyphLeft,
    blGlyphTop,
    blGlyphRight,
    blGlyphBottom,
    blGlyphLeftAdjusted,
    blGlyphRightAdjusted,
    blGlyphTopAdjusted,
    blGlyphBottomAdjusted
};
enum StringTrimming {
    StringTrimmingNone,
    StringTrimmingCharacter,
    StringTrimmingWord,
    StringTrimmingEllipsisCharacter,
    StringTrimmingEllipsisWord,
    StringTrimmingEllipsisPath
};

using TGlowButtonDrawEvent =
    std::function<void(ui::Component* sender, drawing::Canvas& canvas, drawing::Rect rect, TGlowButtonState state)>;

class TAdvGlowButton : public ui::CustomControl {
    SK_PERSISTENT_CLASS
public:
    explicit TAdvGlowButton(ui::Component* owner = nullptr);
    ~TAdvGlowButton() override;

    TGlowButtonAppearance* Appearance() const { return m_appearance.get(); }
    ui::TFont* NotesFont() const { return m_notesFont.get(); }

    TAntiAlias AntiAlias() const { return m_antiAlias; }
    void SetAntiAlias(TAntiAlias value);
    ui::TBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(ui::TBorderStyle value);
    bool Rounded() const { return m_rounded; }
    void SetRounded(bool value);
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool value);
    int Spacing() const { return m_spacing; }
    void SetSpacing(int value);
    bool ShowCaption() const { return m_showCaption; }
    void SetShowCaption(bool value);
    bool ShowDisabled() const { return m_showDisabled; }
    void SetShowDisabled(bool value);
    TFocusType FocusType() const { return m_focusType; }
    void SetFocusType(TFocusType value);
    TButtonPosition Position() const { return m_position; }
    void SetPosition(TButtonPosition value);
    TAdvButtonStyle Style() const { return m_style; }
    void SetStyle(TAdvButtonStyle value);
    bool Down() const { return m_down; }
    void SetDown(bool value);
    int GroupIndex() const { return m_groupIndex; }
    void SetGroupIndex(int value);
    bool AllowAllUp() const { return m_allowAllUp; }
    void SetAllowAllUp(bool value) { m_allowAllUp = value; }
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool value);
    StringTrimming Trimming() const { return m_trimming; }
    void SetTrimming(StringTrimming value);
    TButtonLayout Layout() const { return m_layout; }
    void SetLayout(TButtonLayout value);
    bool Default() const { return m_default; }
    void SetDefault(bool value) { m_default = value; }
    bool Cancel() const { return m_cancel; }
    void SetCancel(bool value) { m_cancel = value; }
    int ModalResult() const { return m_modalResult; }
    void SetModalResult(int value) { m_modalResult = value; }
    int MarginHorz() const { return m_marginHorz; }
    void SetMarginHorz(int value) { m_marginHorz = value; }
    int MarginVert() const { return m_marginVert; }
    void SetMarginVert(int value) { m_marginVert = value; }

    TGlowButtonDrawEvent OnDrawButton;

    // ---- Run-time state, for painting and tests ----
    GlowState state() const { return m_state; }
    const GlowFade& fade() const { return m_fade; }
    bool fadeTimerRunning() const { return m_fadeTimer != 0; }
    bool tracking() const { return m_tracking; }
    // The colours the next paint uses.
    GlowColorSet currentColors() const;
    // The face of the caption: the font's, or "Tahoma" for the system face.
    std::string captionFace() const;
    // The caption with every backslash-n turned into a line break.
    static std::string captionLines(const std::string& caption);
    // Whether this button answers Enter now.
    bool isActiveDefault() const;

    // Paints the button into a bitmap of its size over the given background.
    void paintFace(drawing::Bitmap& buffer, const drawing::Bitmap& background) const;

protected:
    void paint(const ui::PaintSurface& surface) override;
    void mouseDown(const ui::MouseArgs& args) override;
    void mouseMove(const ui::MouseArgs& args) override;
    void mouseUp(const ui::MouseArgs& args) override;
    void mouseEnter() override;
    void mouseLeave() override;
    unsigned wantedKeys() const override { return ui::WantChars; }
    void keyDown(int& key, ui::TShiftState shift) override;
    void keyUp(int& key, ui::TShiftState shift) override;
    void keyPress(char32_t& ch) override;
    void focusEnter() override;
    void focusExit() override;
    bool dialogKey(int key, ui::TShiftState shift) override;
    bool dialogChar(char32_t ch, ui::TShiftState shift) override;
    void enabledChanged() override;
    void textChanged() override;
    void fontChanged() override;

private:
    GlowPaintInputs paintInputs() const;
    void updateState();
    void startFadeTimer();
    void fadeTick();
    void doClick();
    void releaseGroup();
    // Draws the caption with anti-aliasing into g and returns true, or returns
    // false when the plain text fallback must draw it (paintPlainCaption).
    bool paintSmoothCaption(drawing::Graphics& g) const;
    void paintPlainCaption(drawing::Bitmap& buffer) const;
    drawing::CanvasFont captionCanvasFont() const;

    // The caption's outline font, looked up once per face, size and style.
    struct CaptionFont {
        std::string face;
        int height = 0;
        unsigned style = 0;
        bool outline = false;  // an installed outline face: anti-aliased text
        std::optional<drawing::Font> font;
    };
    const CaptionFont& captionFont() const;
    mutable std::optional<CaptionFont> m_captionFont;

    std::unique_ptr<TGlowButtonAppearance> m_appearance;
    std::unique_ptr<ui::TFont> m_notesFont;
    TAntiAlias m_antiAlias = aaClearType;
    ui::TBorderStyle m_borderStyle = ui::bsSingle;
    bool m_rounded = true;
    bool m_wordWrap = true;
    int m_spacing = 2;
    bool m_showCaption = true;
    bool m_showDisabled = true;
    TFocusType m_focusType = ftBorder;
    TButtonPosition m_position = bpStandalone;
    TAdvButtonStyle m_style = bsButton;
    bool m_down = false;
    int m_groupIndex = 0;
    bool m_allowAllUp = false;
    bool m_transparent = false;
    StringTrimming m_trimming = StringTrimmingNone;
    TButtonLayout m_layout = blGlyphLeft;
    bool m_default = false;
    bool m_cancel = false;
    int m_modalResult = 0;
    int m_marginHorz = 1;
    int m_marginVert = 1;

    GlowState m_state = GlowState::Up;
    GlowFade m_fade;
    platform::TimerId m_fadeTimer = 0;
    bool m_tracking = false;
    bool m_focused = false;
};

}  // namespace sk::office
