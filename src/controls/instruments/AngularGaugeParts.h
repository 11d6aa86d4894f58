// The drawing properties of the angular gauge: the scale with its major and
// minor ticks, tick labels and end ticks, the coloured range band, the hand and
// the two-part centre cap.
#pragma once

#include "controls/instruments/ControlFont.h"
#include "controls/instruments/InstrumentProperties.h"

namespace sk::instruments {

// Visible, for elements that can be hidden.
class TULOptionalInstrumentProperty : public InstrumentProperty {
    SK_PERSISTENT_CLASS
public:
    bool Visible() const { return m_visible; }
    void SetVisible(bool v) { update(m_visible, v); }

private:
    bool m_visible = true;
};

class TILInstrumentTicksText : public TULOptionalInstrumentProperty {
    SK_PERSISTENT_CLASS
public:
    TILInstrumentTicksText(bool visible, float position, float fontSize);
    TULElementSize* Position() { return &m_position; }
    const TULElementSize& position() const { return m_position; }
    TULControlFont* Font() { return &m_font; }
    const TULControlFont& font() const { return m_font; }
    float Angle() const { return m_angle; }
    void SetAngle(float v) { update(m_angle, v); }
    bool defaultVisible() const { return m_defaultVisible; }

private:
    TULElementSize m_position;
    TULControlFont m_font;
    float m_angle = 0;
    bool m_defaultVisible;
};

class TILInstrumentEndTick : public TULOptionalInstrumentProperty {
    SK_PERSISTENT_CLASS
public:
    TILInstrumentEndTick() { adopt(m_label); }
    TULOptionalInstrumentProperty* TickLabel() { return &m_label; }
    const TULOptionalInstrumentProperty& tickLabel() const { return m_label; }

private:
    TULOptionalInstrumentProperty m_label;
};

// Ticks with their labels (the minor ticks).
class TILInstrumentTicks : public TULOptionalInstrumentProperty {
    SK_PERSISTENT_CLASS
public:
    TILInstrumentTicks(unsigned count, float length, float thickness, bool labelsVisible, float labelPosition,
                       float labelSize);
    unsigned Count() const { return m_count; }
    void SetCount(unsigned v) { update(m_count, v); }
    unsigned defaultCount() const { return m_defaultCount; }
    TULElementSize* Length() { return &m_length; }
    const TULElementSize& length() const { return m_length; }
    TULElementSize* Thickness() { return &m_thickness; }
    const TULElementSize& thickness() const { return m_thickness; }
    TLPGPBrush* Brush() { return &m_brush; }
    const TLPGPBrush& brush() const { return m_brush; }
    TILInstrumentTicksText* Labels() { return &m_labels; }
    const TILInstrumentTicksText& labels() const { return m_labels; }

private:
    unsigned m_count;
    unsigned m_defaultCount;
    TULElementSize m_length;
    TULElementSize m_thickness;
    TLPGPBrush m_brush{0xFF000000};
    TILInstrumentTicksText m_labels;
};

class TILInstrumentMajorTicks : public TILInstrumentTicks {
    SK_PERSISTENT_CLASS
public:
    TILInstrumentMajorTicks();
    TILInstrumentEndTick* MinTick() { return &m_minTick; }
    TILInstrumentEndTick* MaxTick() { return &m_maxTick; }
    const TILInstrumentEndTick& minTick() const { return m_minTick; }
    const TILInstrumentEndTick& maxTick() const { return m_maxTick; }

private:
    TILInstrumentEndTick m_minTick, m_maxTick;
};

class TILAngularGaugeScale : public InstrumentProperty {
    SK_PERSISTENT_CLASS
public:
    TILAngularGaugeScale();
    TULElementSize* Position() { return &m_position; }
    const TULElementSize& position() const { return m_position; }
    float MinAngle() const { return m_minAngle; }
    void SetMinAngle(float v) { update(m_minAngle, v); }
    float MaxAngle() const { return m_maxAngle; }
    void SetMaxAngle(float v) { update(m_maxAngle, v); }
    bool Reversed() const { return m_reversed; }
    void SetReversed(bool v) { update(m_reversed, v); }
    TILScalePrecision* Precision() { return &m_precision; }
    const TILScalePrecision& precision() const { return m_precision; }
    TILInstrumentMajorTicks* MajorTicks() { return &m_major; }
    const TILInstrumentMajorTicks& majorTicks() const { return m_major; }
    TILInstrumentTicks* MinorTicks() { return &m_minor; }
    const TILInstrumentTicks& minorTicks() const { return m_minor; }

    // The scale's start angle (clockwise from 3 o'clock) and its clockwise span.
    double startAngle() const { return 360.0 - m_maxAngle; }
    double span() const { return 360.0 - (m_minAngle - m_maxAngle); }

private:
    TULElementSize m_position{0.9f};
    float m_minAngle = 315, m_maxAngle = 225;
    bool m_reversed = false;
    TILScalePrecision m_precision;
    TILInstrumentMajorTicks m_major;
    TILInstrumentTicks m_minor;
};

class TILAnalogGaugeRange : public ui::CollectionItem {
    SK_PERSISTENT_CLASS
public:
    explicit TILAnalogGaugeRange(ui::Collection* c) : CollectionItem(c) {}
    drawing::ARGB Color() const { return m_color; }
    void SetColor(drawing::ARGB v);
    float Range() const { return m_range; }
    void SetRange(float v);

private:
    drawing::ARGB m_color = 0xFF00FF00;
    float m_range = 0.3f;
};
using TILAnalogGaugeRanges = ui::TypedCollection<TILAnalogGaugeRange>;

class TILAnalogGaugeScaleRanges : public TULOptionalInstrumentProperty {
    SK_PERSISTENT_CLASS
public:
    TILAnalogGaugeScaleRanges();
    TULElementSize* Position() { return &m_position; }
    const TULElementSize& position() const { return m_position; }
    TULElementSize* Width() { return &m_width; }
    const TULElementSize& width() const { return m_width; }
    drawing::ARGB Color() const { return m_color; }
    void SetColor(drawing::ARGB v) { update(m_color, v); }
    TILAnalogGaugeRanges* Ranges() { return &m_ranges; }
    const TILAnalogGaugeRanges& ranges() const { return m_ranges; }

private:
    TULElementSize m_position{0.01f};
    TULElementSize m_width{0.025f};
    drawing::ARGB m_color = 0xFF808080;
    TILAnalogGaugeRanges m_ranges;
};

class TILAngularGaugeHand : public InstrumentProperty {
    SK_PERSISTENT_CLASS
public:
    TILAngularGaugeHand();
    TULElementSize* Length() { return &m_length; }
    TULElementSize* TailLength() { return &m_tailLength; }
    TULElementSize* TipWidth() { return &m_tipWidth; }
    TULElementSize* TailWidth() { return &m_tailWidth; }
    TULElementSize* TailIndentSize() { return &m_tailIndent; }
    const TULElementSize& length() const { return m_length; }
    const TULElementSize& tailLength() const { return m_tailLength; }
    const TULElementSize& tipWidth() const { return m_tipWidth; }
    const TULElementSize& tailWidth() const { return m_tailWidth; }
    const TULElementSize& tailIndentSize() const { return m_tailIndent; }
    drawing::ARGB Color() const { return m_color; }
    void SetColor(drawing::ARGB v) { update(m_color, v); }

private:
    TULElementSize m_length{0.78f}, m_tailLength{0.4f}, m_tipWidth{0.02f}, m_tailWidth{0.1f},
        m_tailIndent{0.07f};
    drawing::ARGB m_color = 0xFFFF0000;
};

class TILAnalogGaugeCenterItem : public InstrumentProperty {
    SK_PERSISTENT_CLASS
public:
    TILAnalogGaugeCenterItem(float size, drawing::ARGB color);
    TULElementSize* Size() { return &m_size; }
    const TULElementSize& size() const { return m_size; }
    drawing::ARGB Color() const { return m_color; }
    void SetColor(drawing::ARGB v) { update(m_color, v); }
    drawing::ARGB defaultColor() const { return m_defaultColor; }

private:
    TULElementSize m_size;
    drawing::ARGB m_color;
    drawing::ARGB m_defaultColor;
};

class TILAnalogGaugeCenter : public InstrumentProperty {
    SK_PERSISTENT_CLASS
public:
    TILAnalogGaugeCenter();
    TILAnalogGaugeCenterItem* Bottom() { return &m_bottom; }
    TILAnalogGaugeCenterItem* Top() { return &m_top; }
    const TILAnalogGaugeCenterItem& bottom() const { return m_bottom; }
    const TILAnalogGaugeCenterItem& top() const { return m_top; }

private:
    TILAnalogGaugeCenterItem m_bottom{0.2f, 0x64808080};
    TILAnalogGaugeCenterItem m_top{0.143f, 0xFF708090};
};

}  // namespace sk::instruments
