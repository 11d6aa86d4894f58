// The font of instrument text (scale labels, captions): a face, a style, a fill
// brush, an optional outline pen with further pens, and a relative size that
// becomes the em size in points. drawText draws a text centred on its anchor,
// turned by an angle.
#pragma once

#include <string>

#include "controls/instruments/ElementSize.h"
#include "controls/instruments/GPPen.h"
#include "drawing/Graphics.h"

namespace sk::instruments {

class TULControlFont : public InstrumentProperty {
    SK_PERSISTENT_CLASS
public:
    // Instrument fonts are bold by default; their brushes scale gradient points by
    // 1.98 and 2.162.
    explicit TULControlFont(float defaultSize = 0.09f, drawing::ARGB defaultColor = 0xFF000000);

    const std::string& Name() const { return m_name; }
    void SetName(const std::string& v) { update(m_name, v); }
    unsigned Style() const { return m_style; }  // bits of ui::TFontStyle
    void SetStyle(unsigned v) { update(m_style, v); }
    TLPGPBrush* Brush() { return &m_brush; }
    TLPGPOptionalMultiPen* Pen() { return &m_pen; }
    const TLPGPOptionalMultiPen& pen() const { return m_pen; }
    TULElementSize* Size() { return &m_size; }
    const TULElementSize& size() const { return m_size; }

    // The drawing font with an em size of `points`.
    drawing::Font makeFont(float points) const;
    // Draws `text` centred on `anchor`, turned by `angle` degrees, with the em size
    // in points. Outline pens are `penReference` / 1000 per unit of their width.
    void drawText(drawing::Graphics& g, const std::string& text, drawing::PointF anchor, float angle,
                  float points, float penReference) const;

private:
    int drawingStyle() const;

    std::string m_name = "Microsoft Sans Serif";
    unsigned m_style = 1;  // bold
    TLPGPBrush m_brush;
    TLPGPOptionalMultiPen m_pen;
    TULElementSize m_size;
};

}  // namespace sk::instruments
