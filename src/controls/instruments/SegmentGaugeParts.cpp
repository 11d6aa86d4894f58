#include "controls/instruments/SegmentGaugeParts.h"

namespace sk::instruments {

const ui::ClassInfo& TILSegment::staticClassInfo() {
    static const ui::ClassInfo info =
        ui::ClassBuilder<TILSegment>("TILSegment", &ui::Persistent::staticClassInfo())
            .object("Width", &TILSegment::Width)
            .object("Gap", &TILSegment::Gap)
            .argb("Color", &TILSegment::Color, &TILSegment::SetColor, 0xFF00FF00LL)
            .argb("CenterColor", &TILSegment::CenterColor, &TILSegment::SetCenterColor, 0xFFFFFF00LL)
            .boolean("ShowGlow", &TILSegment::ShowGlow, &TILSegment::SetShowGlow, true)
            .object("InactiveColor", &TILSegment::InactiveColor)
            .build();
    return info;
}
SK_INSTRUMENT_CLASS_INFO(TILSegment)
TILSegment::TILSegment() {
    adopt(m_width);
    adopt(m_gap);
    adopt(m_inactive);
}

const ui::ClassInfo& TILDecimalPointOffset::staticClassInfo() {
    static const ui::ClassInfo info =
        ui::ClassBuilder<TILDecimalPointOffset>("TILDecimalPointOffset", &ui::Persistent::staticClassInfo())
            .object("Right", &TILDecimalPointOffset::Right)
            .object("Bottom", &TILDecimalPointOffset::Bottom)
            .build();
    return info;
}
SK_INSTRUMENT_CLASS_INFO(TILDecimalPointOffset)
TILDecimalPointOffset::TILDecimalPointOffset() {
    adopt(m_right);
    adopt(m_bottom);
}

const ui::ClassInfo& TILDecimalPointSegment::staticClassInfo() {
    static const ui::ClassInfo info =
        ui::ClassBuilder<TILDecimalPointSegment>("TILDecimalPointSegment", &ui::Persistent::staticClassInfo())
            .boolean("Visible", &TILDecimalPointSegment::Visible, &TILDecimalPointSegment::SetVisible, true)
            .object("Size", &TILDecimalPointSegment::Size)
            .object("Offset", &TILDecimalPointSegment::Offset)
            .build();
    return info;
}
SK_INSTRUMENT_CLASS_INFO(TILDecimalPointSegment)
TILDecimalPointSegment::TILDecimalPointSegment() {
    adopt(m_size);
    adopt(m_offset);
}

const ui::ClassInfo& TILSegmentIndents::staticClassInfo() {
    static const ui::ClassInfo info =
        ui::ClassBuilder<TILSegmentIndents>("TILSegmentIndents", &ui::Persistent::staticClassInfo())
            .object("Left", &TILSegmentIndents::Left)
            .object("Right", &TILSegmentIndents::Right)
            .object("Top", &TILSegmentIndents::Top)
            .object("Bottom", &TILSegmentIndents::Bottom)
            .build();
    return info;
}
SK_INSTRUMENT_CLASS_INFO(TILSegmentIndents)
TILSegmentIndents::TILSegmentIndents() {
    adopt(m_left);
    adopt(m_right);
    adopt(m_top);
    adopt(m_bottom);
}

const ui::ClassInfo& TILSegmentGaugeDigits::staticClassInfo() {
    static const ui::ClassInfo info =
        ui::ClassBuilder<TILSegmentGaugeDigits>("TILSegmentGaugeDigits", &ui::Persistent::staticClassInfo())
            .integer("NumberDigits", &TILSegmentGaugeDigits::NumberDigits,
                     &TILSegmentGaugeDigits::SetNumberDigits, 4LL)
            .boolean("AutoSize", &TILSegmentGaugeDigits::AutoSize, &TILSegmentGaugeDigits::SetAutoSize, true)
            .integer("Base", &TILSegmentGaugeDigits::Base, &TILSegmentGaugeDigits::SetBase, 10LL)
            .build();
    return info;
}
SK_INSTRUMENT_CLASS_INFO(TILSegmentGaugeDigits)

const ui::ClassInfo& TILSignSegmentOffsets::staticClassInfo() {
    static const ui::ClassInfo info = ui::ClassBuilder<TILSignSegmentOffsets>(
                                          "TILSignSegmentOffsets", &TULElementOffsets::staticClassInfo())
                                          .object("Separation", &TILSignSegmentOffsets::Separation)
                                          .build();
    return info;
}
SK_INSTRUMENT_CLASS_INFO(TILSignSegmentOffsets)

const ui::ClassInfo& TILSignSegment::staticClassInfo() {
    static const ui::ClassInfo info =
        ui::ClassBuilder<TILSignSegment>("TILSignSegment", &ui::Persistent::staticClassInfo())
            .boolean("Visible", &TILSignSegment::Visible, &TILSignSegment::SetVisible, true)
            .object("Size", &TILSignSegment::Size)
            .object("Length", &TILSignSegment::Length)
            .object("Width", &TILSignSegment::Width)
            .object("Offsets", &TILSignSegment::Offsets)
            .boolean("ShowPlus", &TILSignSegment::ShowPlus, &TILSignSegment::SetShowPlus, false)
            .build();
    return info;
}
SK_INSTRUMENT_CLASS_INFO(TILSignSegment)
TILSignSegment::TILSignSegment() {
    adopt(m_size);
    adopt(m_length);
    adopt(m_width);
    adopt(m_offsets);
}

}  // namespace sk::instruments
