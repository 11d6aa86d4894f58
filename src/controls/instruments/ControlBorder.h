// The frame of an instrument: an outer bevel, a border band and an inner bevel,
// each a fraction of the instrument's side, in one of five shapes. FrameGeometry
// resolves them into pixel bands.
#pragma once

#include "controls/instruments/ElementSize.h"
#include "drawing/Color.h"

namespace sk::instruments {

enum TULBevelStyle { bvsNone, bvsRaised, bvsLowered };
enum TULBorderShape { gbsEllipse, gbsRectangle, gbsRoundRectangle, gbsDiamond, gbsRoundDiamond };

class TULControlBevel : public InstrumentProperty {
    SK_PERSISTENT_CLASS
public:
    TULControlBevel(TULBevelStyle defaultStyle, float defaultWidth);
    TULBevelStyle Style() const { return m_style; }
    void SetStyle(TULBevelStyle v) { update(m_style, v); }
    TULBevelStyle defaultStyle() const { return m_defaultStyle; }
    TULElementSize* Width() { return &m_width; }
    const TULElementSize& width() const { return m_width; }
    // The band's width in pixels, 0 without a style.
    float band(float reference) const { return m_style == bvsNone ? 0.0f : m_width.resolve(reference); }
    // First and second colour of the bevel's gradient: white and the dark shade.
    drawing::ARGB firstColor(drawing::ARGB dark) const { return m_style == bvsLowered ? dark : 0xFFFFFFFF; }
    drawing::ARGB secondColor(drawing::ARGB dark) const { return m_style == bvsLowered ? 0xFFFFFFFF : dark; }

private:
    TULBevelStyle m_style;
    TULBevelStyle m_defaultStyle;
    TULElementSize m_width;
};

// The frame bands in pixels for a reference side, outside in: outer bevel [0, u],
// border [u, u + w], inner bevel [u + w, D].
struct FrameGeometry {
    float u = 0, w = 0, v = 0;
    float thickness() const { return u + w + v; }            // D
    float strokeWidth() const { return w + u / 2 + v / 2; }  // m, the border pen
};

class TULControlBorder : public InstrumentProperty {
    SK_PERSISTENT_CLASS
public:
    // The owner's defaults (the panel's bevels are wider and its shape is rounded).
    TULControlBorder(TULBorderShape shape = gbsEllipse, float bevelWidth = 0.02f, float cornerRadius = 0.1f);

    TULControlBevel* BevelOuter() { return &m_outer; }
    TULControlBevel* BevelInner() { return &m_inner; }
    const TULControlBevel& outer() const { return m_outer; }
    const TULControlBevel& inner() const { return m_inner; }
    TULElementSize* Width() { return &m_width; }
    drawing::ARGB Color() const { return m_color; }
    void SetColor(drawing::ARGB v) { update(m_color, v); }
    TULBorderShape Shape() const { return m_shape; }
    void SetShape(TULBorderShape v) { update(m_shape, v); }
    TULBorderShape defaultShape() const { return m_defaultShape; }
    TULElementSize* CornerRadius() { return &m_corner; }
    const TULElementSize& cornerRadius() const { return m_corner; }
    // With Proportional the instrument is drawn in a centred square.
    bool Proportional() const { return m_proportional; }
    void SetProportional(bool v) { update(m_proportional, v); }

    FrameGeometry frame(float reference) const;
    // Scale(Color, 0.65): the dark colour of the bevels.
    drawing::ARGB darkShade() const { return drawing::scaleColor(m_color, 0.65); }
    bool hasBevel() const { return m_outer.Style() != bvsNone || m_inner.Style() != bvsNone; }

private:
    TULControlBevel m_outer;
    TULControlBevel m_inner;
    TULElementSize m_width;
    drawing::ARGB m_color = 0xFFD3D3D3;
    TULBorderShape m_shape;
    TULBorderShape m_defaultShape;
    TULElementSize m_corner;
    bool m_proportional = true;
};

}  // namespace sk::instruments
