// Pen properties and the drawing pens made from them.
#include "controls/instruments/GPPen.h"

namespace sk::instruments {

namespace {
const ui::EnumNames kAlignmentNames{"TGPPenAlignment", {"PenAlignmentCenter", "PenAlignmentInset"}};
const ui::EnumNames kDashNames{"TGPDashStyle",
                               {"DashStyleSolid", "DashStyleDash", "DashStyleDot", "DashStyleDashDot",
                                "DashStyleDashDotDot", "DashStyleCustom"}};
const ui::EnumNames kJoinNames{"TGPLineJoin",
                               {"LineJoinMiter", "LineJoinBevel", "LineJoinRound", "LineJoinMiterClipped"}};
}  // namespace

const ui::ClassInfo& TLPGPFloatItem::staticClassInfo() {
    static const ui::ClassInfo info =
        ui::ClassBuilder<TLPGPFloatItem>("TLPGPFloatItem", &ui::CollectionItem::staticClassInfo())
            .floating("Value", &TLPGPFloatItem::Value, &TLPGPFloatItem::SetValue, 0.0)
            .build();
    return info;
}
SK_INSTRUMENT_CLASS_INFO(TLPGPFloatItem)
void TLPGPFloatItem::SetValue(float v) {
    if (v == m_value) return;
    m_value = v;
    changed();
}

const ui::ClassInfo& TLPGPDashStyle::staticClassInfo() {
    static const ui::ClassInfo info =
        ui::ClassBuilder<TLPGPDashStyle>("TLPGPDashStyle", &ui::Persistent::staticClassInfo())
            .enumeration("Style", &TLPGPDashStyle::Style, &TLPGPDashStyle::SetStyle,
                         drawing::DashStyle::Solid, kDashNames)
            .floating("Offset", &TLPGPDashStyle::Offset, &TLPGPDashStyle::SetOffset, 0.0)
            .collection("CustomDash", &TLPGPDashStyle::CustomDash)
            .build();
    return info;
}
SK_INSTRUMENT_CLASS_INFO(TLPGPDashStyle)

const ui::ClassInfo& TLPGPPen::staticClassInfo() {
    static const ui::ClassInfo info =
        ui::ClassBuilder<TLPGPPen>("TLPGPPen", &ui::Persistent::staticClassInfo())
            .object("Brush", &TLPGPPen::Brush)
            .floating("Width", &TLPGPPen::Width, &TLPGPPen::SetWidth, 1.0)
            .enumeration("Alignment", &TLPGPPen::Alignment, &TLPGPPen::SetAlignment,
                         drawing::PenAlignment::Center, kAlignmentNames)
            .floating("MiterLimit", &TLPGPPen::MiterLimit, &TLPGPPen::SetMiterLimit, 10.0)
            .object("DashStyle", &TLPGPPen::DashStyle)
            .enumeration("LineJoin", &TLPGPPen::LineJoin, &TLPGPPen::SetLineJoin, drawing::LineJoin::Miter,
                         kJoinNames)
            .collection("Compound", &TLPGPPen::Compound)
            .build();
    return info;
}
SK_INSTRUMENT_CLASS_INFO(TLPGPPen)

TLPGPPen::TLPGPPen(drawing::ARGB defaultColor, float scaleX, float scaleY)
    : m_brush(defaultColor, scaleX, scaleY) {
    adopt(m_brush);
    adopt(m_dash);
    adopt(m_compound);
}

drawing::Pen TLPGPPen::makePen(float scale, const drawing::RectF& target) const {
    drawing::Pen pen(m_brush.brushFor(target), m_width * scale * m_brush.scaleX());
    pen.setAlignment(m_alignment);
    pen.setMiterLimit(m_miterLimit);
    pen.setLineJoin(m_join);
    pen.setDashOffset(m_dash.Offset());
    if (m_dash.Style() == drawing::DashStyle::Custom) {
        std::vector<float> lengths;
        for (int i = 0; i < m_dash.customDash().count(); ++i)
            lengths.push_back(m_dash.customDash()[i]->Value());
        if (pen.setDashPattern(lengths) != drawing::Status::Ok) pen.setDashStyle(drawing::DashStyle::Solid);
    } else {
        pen.setDashStyle(m_dash.Style());
    }
    if (m_compound.count() > 0) {
        std::vector<float> bands;
        for (int i = 0; i < m_compound.count(); ++i) bands.push_back(m_compound[i]->Value());
        pen.setCompoundArray(bands);  // an invalid array leaves the pen solid
    }
    return pen;
}

const ui::ClassInfo& TLPGPOptionalPen::staticClassInfo() {
    static const ui::ClassInfo info =
        ui::ClassBuilder<TLPGPOptionalPen>("TLPGPOptionalPen", &TLPGPPen::staticClassInfo())
            .boolean("Enabled", &TLPGPOptionalPen::Enabled, &TLPGPOptionalPen::SetEnabled, false)
            .build();
    return info;
}
SK_INSTRUMENT_CLASS_INFO(TLPGPOptionalPen)

const ui::ClassInfo& TLPGPPenItem::staticClassInfo() {
    static const ui::ClassInfo info =
        ui::ClassBuilder<TLPGPPenItem>("TLPGPPenItem", &ui::CollectionItem::staticClassInfo())
            .object("Pen", &TLPGPPenItem::Pen)
            .build();
    return info;
}
SK_INSTRUMENT_CLASS_INFO(TLPGPPenItem)
TLPGPPenItem::TLPGPPenItem(ui::Collection* c) : CollectionItem(c) {
    m_pen.setChangeHandler([this](ui::Persistent*) { changed(); });
}

const ui::ClassInfo& TLPGPOptionalMultiPen::staticClassInfo() {
    static const ui::ClassInfo info =
        ui::ClassBuilder<TLPGPOptionalMultiPen>("TLPGPOptionalMultiPen", &TLPGPOptionalPen::staticClassInfo())
            .collection("AdditionalPens", &TLPGPOptionalMultiPen::AdditionalPens)
            .build();
    return info;
}
SK_INSTRUMENT_CLASS_INFO(TLPGPOptionalMultiPen)
TLPGPOptionalMultiPen::TLPGPOptionalMultiPen(drawing::ARGB defaultColor, float scaleX, float scaleY)
    : TLPGPOptionalPen(defaultColor, scaleX, scaleY) {
    adopt(m_additional);
}

}  // namespace sk::instruments
