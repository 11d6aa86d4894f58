#include "controls/instruments/Caption.h"

namespace sk::instruments {

namespace {

void drawOne(drawing::Graphics& g, const TULControlFont& font, const TULElementOffsets& position, float angle,
             const std::string& text, drawing::PointF centre, float reference) {
    const drawing::PointF anchor{centre.x + position.x().resolve(reference),
                                 centre.y + position.y().resolve(reference)};
    font.drawText(g, text, anchor, angle, font.size().resolve(reference), reference);
}

}  // namespace

const ui::ClassInfo& TULCaptionCollectionItem::staticClassInfo() {
    static const ui::ClassInfo info =
        ui::ClassBuilder<TULCaptionCollectionItem>("TULCaptionCollectionItem",
                                                   &ui::CollectionItem::staticClassInfo())
            .object("Font", &TULCaptionCollectionItem::Font)
            .object("Position", &TULCaptionCollectionItem::Position)
            .floating("Angle", &TULCaptionCollectionItem::Angle, &TULCaptionCollectionItem::SetAngle, 0.0)
            .string("Text", &TULCaptionCollectionItem::Text, &TULCaptionCollectionItem::SetText)
            .build();
    return info;
}
SK_INSTRUMENT_CLASS_INFO(TULCaptionCollectionItem)

TULCaptionCollectionItem::TULCaptionCollectionItem(ui::Collection* c) : CollectionItem(c) {
    m_font.setChangeHandler([this](ui::Persistent*) { changed(); });
    m_position.setChangeHandler([this](ui::Persistent*) { changed(); });
}
void TULCaptionCollectionItem::SetAngle(float v) {
    if (v == m_angle) return;
    m_angle = v;
    changed();
}
void TULCaptionCollectionItem::SetText(const std::string& v) {
    if (v == m_text) return;
    m_text = v;
    changed();
}

const ui::ClassInfo& TULCaption::staticClassInfo() {
    static const ui::ClassInfo info =
        ui::ClassBuilder<TULCaption>("TULCaption", &ui::Persistent::staticClassInfo())
            .string("Text", &TULCaption::Text, &TULCaption::SetText)
            .object("Position", &TULCaption::Position)
            .floating("Angle", &TULCaption::Angle, &TULCaption::SetAngle, 0.0)
            .object("Font", &TULCaption::Font)
            .collection("AdditionalCaptions", &TULCaption::AdditionalCaptions)
            .build();
    return info;
}
SK_INSTRUMENT_CLASS_INFO(TULCaption)

TULCaption::TULCaption(ui::Control& control, float defaultY)
    : m_control(control), m_position(0.0f, defaultY) {
    adopt(m_position);
    adopt(m_font);
    adopt(m_additional);
}

void TULCaption::SetText(const std::string& v) {
    if (v == m_control.Caption()) return;
    m_control.SetCaption(v);
    changed();
}

void TULCaption::draw(drawing::Graphics& g, drawing::PointF centre, float reference) const {
    if (!Text().empty()) drawOne(g, m_font, m_position, m_angle, Text(), centre, reference);
    for (int i = 0; i < m_additional.count(); ++i) {
        const TULCaptionCollectionItem& item = *m_additional[i];
        drawOne(g, item.font(), item.position(), item.Angle(), item.Text(), centre, reference);
    }
}

}  // namespace sk::instruments
