// Font descriptions as the controls store them: face name; height in pixels,
// where a negative height is the character height without internal leading
// (-11 is 8 points at 96 dots per inch); a style set of bold, italic, underline
// and strike-out; a window colour; a character set; a pitch. A change of any
// value is reported through OnChange and the change handler (the owning
// control repaints).
#pragma once

#include <cstdint>
#include <string>

#include "drawing/Canvas.h"
#include "ui/Persistent.h"
#include "ui/UiTypes.h"

namespace sk::ui {

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = unsigned;  // bit (1 << TFontStyle)
inline constexpr TFontStyles fontStyle(TFontStyle s) {
    return 1u << s;
}

enum TFontPitch { fpDefault, fpVariable, fpFixed };

// Character sets, the classic numbers.
inline constexpr int ANSI_CHARSET = 0, DEFAULT_CHARSET = 1, RUSSIAN_CHARSET = 204;

class TFont : public Persistent {
    SK_PERSISTENT_CLASS
public:
    TFont();

    const std::string& Name() const { return m_name; }
    void SetName(const std::string& name);
    int Height() const { return m_height; }
    void SetHeight(int height);
    // Points at 96 dots per inch, derived from the height.
    int Size() const;
    void SetSize(int points);
    TFontStyles Style() const { return m_style; }
    void SetStyle(TFontStyles style);
    bool hasStyle(TFontStyle s) const { return (m_style & fontStyle(s)) != 0; }
    TColor Color() const { return m_color; }
    void SetColor(TColor color);
    int Charset() const { return m_charset; }
    void SetCharset(int charset);
    TFontPitch Pitch() const { return m_pitch; }
    void SetPitch(TFontPitch pitch);

    // The pixel height of the characters (without internal leading): -Height for a
    // negative height, otherwise an estimate for a cell height.
    int pixelHeight() const;

    bool sameAs(const TFont& other) const;
    // The font for device-context drawing.
    drawing::CanvasFont canvasFont() const;

    TNotifyEventPersistent OnChange;

protected:
    void changed() override;

private:
    std::string m_name = "MS Sans Serif";
    int m_height = -11;
    TFontStyles m_style = 0;
    TColor m_color = clWindowText;
    int m_charset = DEFAULT_CHARSET;
    TFontPitch m_pitch = fpDefault;
};

}  // namespace sk::ui
