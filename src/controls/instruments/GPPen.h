// A pen described by properties: its brush, width, alignment, joins, dashes and
// compound bands; the optional pen adds Enabled, the multi pen further pens that
// outline after it.
#pragma once

#include "controls/instruments/GPBrush.h"
#include "drawing/Pen.h"

namespace sk::instruments {

class TLPGPFloatItem : public ui::CollectionItem {
    SK_PERSISTENT_CLASS
public:
    explicit TLPGPFloatItem(ui::Collection* c) : CollectionItem(c) {}
    float Value() const { return m_value; }
    void SetValue(float v);

private:
    float m_value = 0;
};
using TLPGPFloats = ui::TypedCollection<TLPGPFloatItem>;

class TLPGPDashStyle : public InstrumentProperty {
    SK_PERSISTENT_CLASS
public:
    TLPGPDashStyle() { adopt(m_custom); }
    drawing::DashStyle Style() const { return m_style; }
    void SetStyle(drawing::DashStyle v) { update(m_style, v); }
    float Offset() const { return m_offset; }
    void SetOffset(float v) { update(m_offset, v); }
    TLPGPFloats* CustomDash() { return &m_custom; }
    const TLPGPFloats& customDash() const { return m_custom; }

private:
    drawing::DashStyle m_style = drawing::DashStyle::Solid;
    float m_offset = 0;
    TLPGPFloats m_custom;
};

class TLPGPPen : public InstrumentProperty {
    SK_PERSISTENT_CLASS
public:
    explicit TLPGPPen(drawing::ARGB defaultColor = 0xFFFF0000, float scaleX = 1.0f, float scaleY = 1.0f);

    TLPGPBrush* Brush() { return &m_brush; }
    const TLPGPBrush& brush() const { return m_brush; }
    float Width() const { return m_width; }
    void SetWidth(float v) { update(m_width, v); }
    drawing::PenAlignment Alignment() const { return m_alignment; }
    void SetAlignment(drawing::PenAlignment v) { update(m_alignment, v); }
    float MiterLimit() const { return m_miterLimit; }
    void SetMiterLimit(float v) { update(m_miterLimit, v); }
    TLPGPDashStyle* DashStyle() { return &m_dash; }
    drawing::LineJoin LineJoin() const { return m_join; }
    void SetLineJoin(drawing::LineJoin v) { update(m_join, v); }
    TLPGPFloats* Compound() { return &m_compound; }

    // The drawing pen: Width x scale x the brush's first scale factor wide, its brush
    // made for the target rectangle.
    drawing::Pen makePen(float scale, const drawing::RectF& target) const;

private:
    TLPGPBrush m_brush;
    float m_width = 1.0f;
    drawing::PenAlignment m_alignment = drawing::PenAlignment::Center;
    float m_miterLimit = 10.0f;
    TLPGPDashStyle m_dash;
    drawing::LineJoin m_join = drawing::LineJoin::Miter;
    TLPGPFloats m_compound;
};

class TLPGPOptionalPen : public TLPGPPen {
    SK_PERSISTENT_CLASS
public:
    using TLPGPPen::TLPGPPen;
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool v) { update(m_enabled, v); }

private:
    bool m_enabled = false;
};

class TLPGPPenItem : public ui::CollectionItem {
    SK_PERSISTENT_CLASS
public:
    explicit TLPGPPenItem(ui::Collection* c);
    TLPGPPen* Pen() { return &m_pen; }
    const TLPGPPen& pen() const { return m_pen; }

private:
    TLPGPPen m_pen;
};
using TLPGPPens = ui::TypedCollection<TLPGPPenItem>;

class TLPGPOptionalMultiPen : public TLPGPOptionalPen {
    SK_PERSISTENT_CLASS
public:
    TLPGPOptionalMultiPen(drawing::ARGB defaultColor = 0xFF000000, float scaleX = 1.0f, float scaleY = 1.0f);
    TLPGPPens* AdditionalPens() { return &m_additional; }
    const TLPGPPens& additionalPens() const { return m_additional; }

private:
    TLPGPPens m_additional;
};

}  // namespace sk::instruments
