// TAdvSmoothPanelCaption: the smooth panel's caption (a line of text whose
// glyphs are filled like the smooth label's, with an optional rule along it)
// and its mini-HTML paragraph, with their fonts, places and colours. Every
// change, of its fonts and picture included, is reported to the panel, which
// renders anew.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "controls/smooth/AdvGDIPPicture.h"
#include "controls/smooth/AdvSmoothLabelCaption.h"
#include "controls/smooth/FillTypes.h"
#include "ui/Font.h"
#include "ui/Persistent.h"

namespace sk::smooth {

// The panel places its caption and paragraph by the smooth label's locations.
using TAdvSmoothPanelLocation = TAdvSmoothLabelLocation;

class TAdvSmoothPanelCaption : public ui::Persistent {
    SK_PERSISTENT_CLASS
public:
    // Nested: the smooth label's rendering hint has two of these names with other values.
    enum TAdvSmoothPanelTextRenderingHint { tAntiAlias, tAntiAliasGridFit, tClearType };

    static constexpr drawing::TColor kDefaultLineColor = 0xB0721C;

    TAdvSmoothPanelCaption();
    ~TAdvSmoothPanelCaption() override;

    const std::string& Text() const { return m_text; }
    void SetText(const std::string& value) { set(m_text, value); }
    TAdvSmoothPanelLocation Location() const { return m_location; }
    void SetLocation(TAdvSmoothPanelLocation value) { set(m_location, value); }
    int Left() const { return m_left; }
    void SetLeft(int value) { set(m_left, value); }
    int Top() const { return m_top; }
    void SetTop(int value) { set(m_top, value); }
    ui::TFont* Font() const { return m_font.get(); }
    drawing::TColor ColorStart() const { return m_colorStart; }
    void SetColorStart(drawing::TColor value) { set(m_colorStart, value); }
    drawing::TColor ColorEnd() const { return m_colorEnd; }
    void SetColorEnd(drawing::TColor value) { set(m_colorEnd, value); }
    std::uint8_t OpacityStart() const { return m_opacityStart; }
    void SetOpacityStart(std::uint8_t value) { set(m_opacityStart, value); }
    std::uint8_t OpacityEnd() const { return m_opacityEnd; }
    void SetOpacityEnd(std::uint8_t value) { set(m_opacityEnd, value); }
    TAdvGradientType GradientType() const { return m_gradientType; }
    void SetGradientType(TAdvGradientType value) { set(m_gradientType, value); }
    drawing::HatchStyle HatchStyle() const { return m_hatchStyle; }
    void SetHatchStyle(drawing::HatchStyle value) { set(m_hatchStyle, value); }
    TAdvGDIPPicture* Picture() const { return m_picture.get(); }
    bool Line() const { return m_line; }
    void SetLine(bool value) { set(m_line, value); }
    drawing::TColor LineColor() const { return m_lineColor; }
    void SetLineColor(drawing::TColor value) { set(m_lineColor, value); }
    TAdvSmoothPanelTextRenderingHint TextRendering() const { return m_textRendering; }
    void SetTextRendering(TAdvSmoothPanelTextRenderingHint value) { set(m_textRendering, value); }
    const std::string& HTMLText() const { return m_htmlText; }
    void SetHTMLText(const std::string& value) { set(m_htmlText, value); }
    ui::TFont* HTMLFont() const { return m_htmlFont.get(); }
    TAdvSmoothPanelLocation HTMLLocation() const { return m_htmlLocation; }
    void SetHTMLLocation(TAdvSmoothPanelLocation value) { set(m_htmlLocation, value); }
    int HTMLLeft() const { return m_htmlLeft; }
    void SetHTMLLeft(int value) { set(m_htmlLeft, value); }
    int HTMLTop() const { return m_htmlTop; }
    void SetHTMLTop(int value) { set(m_htmlTop, value); }
    drawing::TColor HTMLURLColor() const { return m_htmlUrlColor; }
    void SetHTMLURLColor(drawing::TColor value) { set(m_htmlUrlColor, value); }
    drawing::TColor HTMLShadowColor() const { return m_htmlShadowColor; }
    void SetHTMLShadowColor(drawing::TColor value) { set(m_htmlShadowColor, value); }
    int HTMLShadowOffset() const { return m_htmlShadowOffset; }
    void SetHTMLShadowOffset(int value) { set(m_htmlShadowOffset, value); }

    // The glyph colours as ARGB: ColorEnd clNone stands for ColorStart.
    drawing::ARGB startARGB() const;
    drawing::ARGB endARGB() const;

    ui::TNotifyEventPersistent OnChange;

    // Copies every value, fonts and picture by content; reports one change.
    void assign(const ui::Persistent& source) override;

protected:
    void changed() override;

private:
    template <class T>
    void set(T& member, const T& value) {
        if (member == value) return;
        member = value;
        changed();
    }

    std::string m_text;
    TAdvSmoothPanelLocation m_location = plTopLeft;
    int m_left = 0, m_top = 0;
    std::unique_ptr<ui::TFont> m_font;
    drawing::TColor m_colorStart = drawing::clWhite;
    drawing::TColor m_colorEnd = drawing::clSilver;
    std::uint8_t m_opacityStart = 255, m_opacityEnd = 255;
    TAdvGradientType m_gradientType = gtVertical;
    drawing::HatchStyle m_hatchStyle = drawing::HatchStyleHorizontal;
    std::unique_ptr<TAdvGDIPPicture> m_picture;
    bool m_line = true;
    drawing::TColor m_lineColor = kDefaultLineColor;
    TAdvSmoothPanelTextRenderingHint m_textRendering = tAntiAliasGridFit;
    std::string m_htmlText;
    std::unique_ptr<ui::TFont> m_htmlFont;
    TAdvSmoothPanelLocation m_htmlLocation = plCenterCenter;
    int m_htmlLeft = 0, m_htmlTop = 0;
    drawing::TColor m_htmlUrlColor = drawing::clBlue;
    drawing::TColor m_htmlShadowColor = drawing::clGray;
    int m_htmlShadowOffset = 5;
    bool m_assigning = false;
};

}  // namespace sk::smooth
