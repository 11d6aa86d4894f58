// Drawing properties of the angular gauge.
#include "controls/instruments/AngularGaugeParts.h"

namespace sk::instruments {

const ui::ClassInfo& TULOptionalInstrumentProperty::staticClassInfo() {
    static const ui::ClassInfo info = ui::ClassBuilder<TULOptionalInstrumentProperty>(
                                          "TULOptionalInstrumentProperty", &ui::Persistent::staticClassInfo())
                                          .boolean("Visible", &TULOptionalInstrumentProperty::Visible,
                                                   &TULOptionalInstrumentProperty::SetVisible, true)
                                          .build();
    return info;
}
SK_INSTRUMENT_CLASS_INFO(TULOptionalInstrumentProperty)

const ui::ClassInfo& TILInstrumentTicksText::staticClassInfo() {
    static const ui::ClassInfo info =
        ui::ClassBuilder<TILInstrumentTicksText>("TILInstrumentTicksText",
                                                 &TULOptionalInstrumentProperty::staticClassInfo())
            .boolean("Visible", &TILInstrumentTicksText::Visible, &TILInstrumentTicksText::SetVisible, {})
            .storedIf([](const TILInstrumentTicksText& t) { return t.Visible() != t.defaultVisible(); })
            .object("Position", &TILInstrumentTicksText::Position)
            .object("Font", &TILInstrumentTicksText::Font)
            .floating("Angle", &TILInstrumentTicksText::Angle, &TILInstrumentTicksText::SetAngle, 0.0)
            .build();
    return info;
}
SK_INSTRUMENT_CLASS_INFO(TILInstrumentTicksText)

TILInstrumentTicksText::TILInstrumentTicksText(bool visible, float position, float fontSize)
    : m_position(position), m_font(fontSize), m_defaultVisible(visible) {
    SetVisible(visible);
    adopt(m_position);
    adopt(m_font);
}

const ui::ClassInfo& TILInstrumentEndTick::staticClassInfo() {
    static const ui::ClassInfo info =
        ui::ClassBuilder<TILInstrumentEndTick>("TILInstrumentEndTick",
                                               &TULOptionalInstrumentProperty::staticClassInfo())
            .object("TickLabel", &TILInstrumentEndTick::TickLabel)
            .build();
    return info;
}
SK_INSTRUMENT_CLASS_INFO(TILInstrumentEndTick)

const ui::ClassInfo& TILInstrumentTicks::staticClassInfo() {
    static const ui::ClassInfo info =
        ui::ClassBuilder<TILInstrumentTicks>("TILInstrumentTicks",
                                             &TULOptionalInstrumentProperty::staticClassInfo())
            .integer("Count", &TILInstrumentTicks::Count, &TILInstrumentTicks::SetCount, {})
            .storedIf([](const TILInstrumentTicks& t) { return t.Count() != t.defaultCount(); })
            .object("Length", &TILInstrumentTicks::Length)
            .object("Thickness", &TILInstrumentTicks::Thickness)
            .object("Brush", &TILInstrumentTicks::Brush)
            .object("Labels", &TILInstrumentTicks::Labels)
            .build();
    return info;
}
SK_INSTRUMENT_CLASS_INFO(TILInstrumentTicks)

TILInstrumentTicks::TILInstrumentTicks(unsigned count, float length, float thickness, bool labelsVisible,
                                       float labelPosition, float labelSize)
    : m_count(count),
      m_defaultCount(count),
      m_length(length),
      m_thickness(thickness),
      m_labels(labelsVisible, labelPosition, labelSize) {
    adopt(m_length);
    adopt(m_thickness);
    adopt(m_brush);
    adopt(m_labels);
}

const ui::ClassInfo& TILInstrumentMajorTicks::staticClassInfo() {
    static const ui::ClassInfo info = ui::ClassBuilder<TILInstrumentMajorTicks>(
                                          "TILInstrumentMajorTicks", &TILInstrumentTicks::staticClassInfo())
                                          .object("MinTick", &TILInstrumentMajorTicks::MinTick)
                                          .object("MaxTick", &TILInstrumentMajorTicks::MaxTick)
                                          .build();
    return info;
}
SK_INSTRUMENT_CLASS_INFO(TILInstrumentMajorTicks)

TILInstrumentMajorTicks::TILInstrumentMajorTicks()
    : TILInstrumentTicks(11, 0.05f, 0.02f, true, 0.75f, 0.09f) {
    adopt(m_minTick);
    adopt(m_maxTick);
}

const ui::ClassInfo& TILAngularGaugeScale::staticClassInfo() {
    static const ui::ClassInfo info =
        ui::ClassBuilder<TILAngularGaugeScale>("TILAngularGaugeScale", &ui::Persistent::staticClassInfo())
            .object("Position", &TILAngularGaugeScale::Position)
            .floating("MinAngle", &TILAngularGaugeScale::MinAngle, &TILAngularGaugeScale::SetMinAngle, 315.0)
            .floating("MaxAngle", &TILAngularGaugeScale::MaxAngle, &TILAngularGaugeScale::SetMaxAngle, 225.0)
            .boolean("Reversed", &TILAngularGaugeScale::Reversed, &TILAngularGaugeScale::SetReversed, false)
            .object("Precision", &TILAngularGaugeScale::Precision)
            .object("MajorTicks", &TILAngularGaugeScale::MajorTicks)
            .object("MinorTicks", &TILAngularGaugeScale::MinorTicks)
            .build();
    return info;
}
SK_INSTRUMENT_CLASS_INFO(TILAngularGaugeScale)

TILAngularGaugeScale::TILAngularGaugeScale() : m_minor(4, 0.02f, 0.01f, false, 0.85f, 0.065f) {
    adopt(m_position);
    adopt(m_precision);
    adopt(m_major);
    adopt(m_minor);
}

const ui::ClassInfo& TILAnalogGaugeRange::staticClassInfo() {
    static const ui::ClassInfo info =
        ui::ClassBuilder<TILAnalogGaugeRange>("TILAnalogGaugeRange", &ui::CollectionItem::staticClassInfo())
            .argb("Color", &TILAnalogGaugeRange::Color, &TILAnalogGaugeRange::SetColor, {})
            .floating(
                "Range", [](const TILAnalogGaugeRange& r) { return storedFloat(r.Range()); },
                [](TILAnalogGaugeRange& r, double v) { r.SetRange(static_cast<float>(v)); }, {})
            .build();
    return info;
}
SK_INSTRUMENT_CLASS_INFO(TILAnalogGaugeRange)
void TILAnalogGaugeRange::SetColor(drawing::ARGB v) {
    if (v == m_color) return;
    m_color = v;
    changed();
}
void TILAnalogGaugeRange::SetRange(float v) {
    if (v == m_range) return;
    m_range = v;
    changed();
}

const ui::ClassInfo& TILAnalogGaugeScaleRanges::staticClassInfo() {
    static const ui::ClassInfo info =
        ui::ClassBuilder<TILAnalogGaugeScaleRanges>("TILAnalogGaugeScaleRanges",
                                                    &TULOptionalInstrumentProperty::staticClassInfo())
            .object("Position", &TILAnalogGaugeScaleRanges::Position)
            .object("Width", &TILAnalogGaugeScaleRanges::Width)
            .argb("Color", &TILAnalogGaugeScaleRanges::Color, &TILAnalogGaugeScaleRanges::SetColor,
                  0xFF808080LL)
            .collection("Ranges", &TILAnalogGaugeScaleRanges::Ranges)
            .build();
    return info;
}
SK_INSTRUMENT_CLASS_INFO(TILAnalogGaugeScaleRanges)

TILAnalogGaugeScaleRanges::TILAnalogGaugeScaleRanges() {
    adopt(m_position);
    adopt(m_width);
    adopt(m_ranges);
}

const ui::ClassInfo& TILAngularGaugeHand::staticClassInfo() {
    static const ui::ClassInfo info =
        ui::ClassBuilder<TILAngularGaugeHand>("TILAngularGaugeHand", &ui::Persistent::staticClassInfo())
            .object("Length", &TILAngularGaugeHand::Length)
            .object("TailLength", &TILAngularGaugeHand::TailLength)
            .object("TipWidth", &TILAngularGaugeHand::TipWidth)
            .object("TailWidth", &TILAngularGaugeHand::TailWidth)
            .object("TailIndentSize", &TILAngularGaugeHand::TailIndentSize)
            .argb("Color", &TILAngularGaugeHand::Color, &TILAngularGaugeHand::SetColor, 0xFFFF0000LL)
            .build();
    return info;
}
SK_INSTRUMENT_CLASS_INFO(TILAngularGaugeHand)

TILAngularGaugeHand::TILAngularGaugeHand() {
    adopt(m_length);
    adopt(m_tailLength);
    adopt(m_tipWidth);
    adopt(m_tailWidth);
    adopt(m_tailIndent);
}

const ui::ClassInfo& TILAnalogGaugeCenterItem::staticClassInfo() {
    static const ui::ClassInfo info =
        ui::ClassBuilder<TILAnalogGaugeCenterItem>("TILAnalogGaugeCenterItem",
                                                   &ui::Persistent::staticClassInfo())
            .object("Size", &TILAnalogGaugeCenterItem::Size)
            .argb("Color", &TILAnalogGaugeCenterItem::Color, &TILAnalogGaugeCenterItem::SetColor, {})
            .storedIf([](const TILAnalogGaugeCenterItem& c) { return c.Color() != c.defaultColor(); })
            .build();
    return info;
}
SK_INSTRUMENT_CLASS_INFO(TILAnalogGaugeCenterItem)

TILAnalogGaugeCenterItem::TILAnalogGaugeCenterItem(float size, drawing::ARGB color)
    : m_size(size), m_color(color), m_defaultColor(color) {
    adopt(m_size);
}

const ui::ClassInfo& TILAnalogGaugeCenter::staticClassInfo() {
    static const ui::ClassInfo info =
        ui::ClassBuilder<TILAnalogGaugeCenter>("TILAnalogGaugeCenter", &ui::Persistent::staticClassInfo())
            .object("Bottom", &TILAnalogGaugeCenter::Bottom)
            .object("Top", &TILAnalogGaugeCenter::Top)
            .build();
    return info;
}
SK_INSTRUMENT_CLASS_INFO(TILAnalogGaugeCenter)

TILAnalogGaugeCenter::TILAnalogGaugeCenter() {
    adopt(m_bottom);
    adopt(m_top);
}

}  // namespace sk::instruments
