// The drawing properties of the segment gauge: the segments' look, the decimal
// point, the cell indents, the digit count rules and the sign cell.
#pragma once

#include "controls/instruments/ElementSize.h"
#include "controls/instruments/InstrumentProperties.h"

namespace sk::instruments {

class TILSegment : public InstrumentProperty {
    SK_PERSISTENT_CLASS
public:
    TILSegment();
    TULElementSize* Width() { return &m_width; }
    const TULElementSize& width() const { return m_width; }
    TULElementSize* Gap() { return &m_gap; }
    const TULElementSize& gap() const { return m_gap; }
    drawing::ARGB Color() const { return m_color; }
    void SetColor(drawing::ARGB v) { update(m_color, v); }
    drawing::ARGB CenterColor() const { return m_center; }
    void SetCenterColor(drawing::ARGB v) { update(m_center, v); }
    bool ShowGlow() const { return m_glow; }
    void SetShowGlow(bool v) { update(m_glow, v); }
    TILInactiveColor* InactiveColor() { return &m_inactive; }
    drawing::ARGB unlitColor() const { return m_inactive.colorFor(m_color); }

private:
    TULElementSize m_width{0.13f}, m_gap{0.01f};
    drawing::ARGB m_color = 0xFF00FF00, m_center = 0xFFFFFF00;
    bool m_glow = true;
    TILInactiveColor m_inactive;
};

class TILDecimalPointOffset : public InstrumentProperty {
    SK_PERSISTENT_CLASS
public:
    TILDecimalPointOffset();
    TULElementSize* Right() { return &m_right; }
    TULElementSize* Bottom() { return &m_bottom; }
    const TULElementSize& right() const { return m_right; }
    const TULElementSize& bottom() const { return m_bottom; }

private:
    TULElementSize m_right{0.04f}, m_bottom{0.1f};
};

class TILDecimalPointSegment : public InstrumentProperty {
    SK_PERSISTENT_CLASS
public:
    TILDecimalPointSegment();
    bool Visible() const { return m_visible; }
    void SetVisible(bool v) { update(m_visible, v); }
    TULElementSize* Size() { return &m_size; }
    const TULElementSize& size() const { return m_size; }
    TILDecimalPointOffset* Offset() { return &m_offset; }
    const TILDecimalPointOffset& offset() const { return m_offset; }

private:
    bool m_visible = true;
    TULElementSize m_size{0.13f};
    TILDecimalPointOffset m_offset;
};

class TILSegmentIndents : public InstrumentProperty {
    SK_PERSISTENT_CLASS
public:
    TILSegmentIndents();
    TULElementSize* Left() { return &m_left; }
    TULElementSize* Right() { return &m_right; }
    TULElementSize* Top() { return &m_top; }
    TULElementSize* Bottom() { return &m_bottom; }
    const TULElementSize& left() const { return m_left; }
    const TULElementSize& right() const { return m_right; }
    const TULElementSize& top() const { return m_top; }
    const TULElementSize& bottom() const { return m_bottom; }

private:
    TULElementSize m_left{0.1f}, m_right{0.1f}, m_top{0.1f}, m_bottom{0.1f};
};

class TILSegmentGaugeDigits : public InstrumentProperty {
    SK_PERSISTENT_CLASS
public:
    unsigned NumberDigits() const { return m_count; }
    void SetNumberDigits(unsigned v) { update(m_count, v); }
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool v) { update(m_autoSize, v); }
    unsigned Base() const { return m_base; }
    void SetBase(unsigned v) { update(m_base, v); }

private:
    unsigned m_count = 4;
    bool m_autoSize = true;
    unsigned m_base = 10;
};

class TILSignSegmentOffsets : public TULElementOffsets {
    SK_PERSISTENT_CLASS
public:
    TILSignSegmentOffsets() { adopt(m_separation); }
    TULElementSize* Separation() { return &m_separation; }
    const TULElementSize& separation() const { return m_separation; }

private:
    TULElementSize m_separation{0.3f};
};

class TILSignSegment : public InstrumentProperty {
    SK_PERSISTENT_CLASS
public:
    TILSignSegment();
    bool Visible() const { return m_visible; }
    void SetVisible(bool v) { update(m_visible, v); }
    TULElementSize* Size() { return &m_size; }
    const TULElementSize& size() const { return m_size; }
    TULElementSize* Length() { return &m_length; }
    const TULElementSize& length() const { return m_length; }
    TULElementSize* Width() { return &m_width; }
    const TULElementSize& width() const { return m_width; }
    TILSignSegmentOffsets* Offsets() { return &m_offsets; }
    const TILSignSegmentOffsets& offsets() const { return m_offsets; }
    bool ShowPlus() const { return m_showPlus; }
    void SetShowPlus(bool v) { update(m_showPlus, v); }

private:
    bool m_visible = true;
    TULElementSize m_size{0.6f}, m_length{0.4f}, m_width{0.15f};
    TILSignSegmentOffsets m_offsets;
    bool m_showPlus = false;
};

}  // namespace sk::instruments
