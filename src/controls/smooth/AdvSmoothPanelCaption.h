// TAdvSmoothPanelCaption: the smooth panel's caption (a line of text whose
// glyphs are filled like the smooth label's, with an optional rule along it)
// and its mini-HTML paragraph, with their fonts, places and colours. Every
// change, of its fonts and picture included, is reported to the panel (one per
// assign), which renders anew.
#pragma once

#include <memory>
#include <string>

#include "controls/smooth/SmoothCaption.h"

namespace sk::smooth {

// The panel places its caption and paragraph by the smooth label's locations.
using TAdvSmoothPanelLocation = TAdvSmoothLabelLocation;

class TAdvSmoothPanelCaption : public SmoothCaption {
    SK_PERSISTENT_CLASS
public:
    // Nested: the smooth label's rendering hint has two of these names with other values.
    enum TAdvSmoothPanelTextRenderingHint { tAntiAlias, tAntiAliasGridFit, tClearType };

    static constexpr drawing::TColor kDefaultLineColor = 0xB0721C;

    TAdvSmoothPanelCaption();

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

private:
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
};

}  // namespace sk::smooth
