// How Graphics lays out a string: wrapping and clipping flags, horizontal alignment
// (`alignment`) and vertical alignment (`lineAlignment`), trimming, hot-key prefix.
//
//   StringFormat format(StringFormatFlagsNoWrap);
//   format.setAlignment(StringAlignment::Center);
//   format.setLineAlignment(StringAlignment::Center);
//   format.setHotkeyPrefix(HotkeyPrefix::Show);    // "&Open" underlines O
#pragma once

#include "drawing/DrawingTypes.h"

namespace sk::drawing {

class StringFormat {
public:
    explicit StringFormat(int flags = 0) : m_flags(flags) {}

    // The default format: a padding of 1/6 em at both ends of each line.
    static StringFormat genericDefault() { return StringFormat(); }
    // No padding, no clipping, trailing spaces measured.
    static StringFormat genericTypographic() {
        StringFormat f(StringFormatFlagsNoClip | StringFormatFlagsLineLimit);
        f.m_typographic = true;
        return f;
    }

    int flags() const { return m_flags; }
    void setFlags(int flags) { m_flags = flags; }
    StringAlignment alignment() const { return m_alignment; }
    void setAlignment(StringAlignment a) { m_alignment = a; }
    StringAlignment lineAlignment() const { return m_lineAlignment; }
    void setLineAlignment(StringAlignment a) { m_lineAlignment = a; }
    StringTrimming trimming() const { return m_trimming; }
    void setTrimming(StringTrimming t) { m_trimming = t; }
    HotkeyPrefix hotkeyPrefix() const { return m_hotkeyPrefix; }
    void setHotkeyPrefix(HotkeyPrefix p) { m_hotkeyPrefix = p; }
    bool typographic() const { return m_typographic; }

    bool noWrap() const { return (m_flags & StringFormatFlagsNoWrap) != 0; }
    bool noClip() const { return (m_flags & StringFormatFlagsNoClip) != 0; }

private:
    int m_flags;
    StringAlignment m_alignment = StringAlignment::Near;
    StringAlignment m_lineAlignment = StringAlignment::Near;
    StringTrimming m_trimming = StringTrimming::Character;
    HotkeyPrefix m_hotkeyPrefix = HotkeyPrefix::None;
    bool m_typographic = false;
};

}  // namespace sk::drawing
