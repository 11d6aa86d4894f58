// An instrument's caption: the control's own window text drawn at an offset
// from the face centre, turned by an angle, in an instrument font, followed by
// any additional captions with texts of their own.
#pragma once

#include <string>

#include "controls/instruments/ControlFont.h"
#include "ui/Control.h"

namespace sk::instruments {

class TULCaptionCollectionItem : public ui::CollectionItem {
    SK_PERSISTENT_CLASS
public:
    explicit TULCaptionCollectionItem(ui::Collection* c);
    TULControlFont* Font() { return &m_font; }
    const TULControlFont& font() const { return m_font; }
    TULElementOffsets* Position() { return &m_position; }
    const TULElementOffsets& position() const { return m_position; }
    float Angle() const { return m_angle; }
    void SetAngle(float v);
    const std::string& Text() const { return m_text; }
    void SetText(const std::string& v);

private:
    TULControlFont m_font;
    TULElementOffsets m_position{0.0f, 0.45f};
    float m_angle = 0;
    std::string m_text;
};

class TULCaption : public InstrumentProperty {
    SK_PERSISTENT_CLASS
public:
    TULCaption(ui::Control& control, float defaultY);

    // The control's window text.
    const std::string& Text() const { return m_control.Caption(); }
    void SetText(const std::string& v);
    TULElementOffsets* Position() { return &m_position; }
    float Angle() const { return m_angle; }
    void SetAngle(float v) { update(m_angle, v); }
    TULControlFont* Font() { return &m_font; }
    ui::TypedCollection<TULCaptionCollectionItem>* AdditionalCaptions() { return &m_additional; }

    // Draws the caption and the additional ones around a centre: positions are
    // fractions of `reference` (the face radius), font sizes too, in points.
    void draw(drawing::Graphics& g, drawing::PointF centre, float reference) const;

private:
    ui::Control& m_control;
    TULElementOffsets m_position;
    float m_angle = 0;
    TULControlFont m_font;
    ui::TypedCollection<TULCaptionCollectionItem> m_additional;
};

}  // namespace sk::instruments
