#include "controls/instruments/ControlBorder.h"

namespace sk::instruments {

namespace {
const ui::EnumNames kBevelNames{"TULBevelStyle", {"bvsNone", "bvsRaised", "bvsLowered"}};
const ui::EnumNames kShapeNames{
    "TULBorderShape", {"gbsEllipse", "gbsRectangle", "gbsRoundRectangle", "gbsDiamond", "gbsRoundDiamond"}};
}  // namespace

const ui::ClassInfo& TULControlBevel::staticClassInfo() {
    static const ui::ClassInfo info =
        ui::ClassBuilder<TULControlBevel>("TULControlBevel", &ui::Persistent::staticClassInfo())
            .enumeration("Style", &TULControlBevel::Style, &TULControlBevel::SetStyle, bvsRaised, kBevelNames)
            .alwaysStored()
            .storedIf([](const TULControlBevel& b) { return b.Style() != b.defaultStyle(); })
            .object("Width", &TULControlBevel::Width)
            .build();
    return info;
}
SK_INSTRUMENT_CLASS_INFO(TULControlBevel)

TULControlBevel::TULControlBevel(TULBevelStyle defaultStyle, float defaultWidth)
    : m_style(defaultStyle), m_defaultStyle(defaultStyle), m_width(defaultWidth) {
    adopt(m_width);
}

const ui::ClassInfo& TULControlBorder::staticClassInfo() {
    static const ui::ClassInfo info =
        ui::ClassBuilder<TULControlBorder>("TULControlBorder", &ui::Persistent::staticClassInfo())
            .object("BevelOuter", &TULControlBorder::BevelOuter)
            .object("BevelInner", &TULControlBorder::BevelInner)
            .object("Width", &TULControlBorder::Width)
            .argb("Color", &TULControlBorder::Color, &TULControlBorder::SetColor, 0xFFD3D3D3LL)
            .enumeration("Shape", &TULControlBorder::Shape, &TULControlBorder::SetShape, gbsEllipse,
                         kShapeNames)
            .alwaysStored()
            .storedIf([](const TULControlBorder& b) { return b.Shape() != b.defaultShape(); })
            .object("CornerRadius", &TULControlBorder::CornerRadius)
            .boolean("Proportional", &TULControlBorder::Proportional, &TULControlBorder::SetProportional,
                     true)
            .build();
    return info;
}
SK_INSTRUMENT_CLASS_INFO(TULControlBorder)

TULControlBorder::TULControlBorder(TULBorderShape shape, float bevelWidth, float cornerRadius)
    : m_outer(bvsRaised, bevelWidth),
      m_inner(bvsLowered, bevelWidth),
      m_shape(shape),
      m_defaultShape(shape),
      m_corner(cornerRadius) {
    adopt(m_outer);
    adopt(m_inner);
    adopt(m_width);
    adopt(m_corner);
}

FrameGeometry TULControlBorder::frame(float reference) const {
    return {m_outer.band(reference), m_width.resolve(reference), m_inner.band(reference)};
}

}  // namespace sk::instruments
