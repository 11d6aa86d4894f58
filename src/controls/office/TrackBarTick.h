// The track bar's tick marks: where the row lies, how long the ticks are, their
// colors and font, and whether they carry a second, lighter line (Line3D) or
// the value as text. Changes repaint the track bar.
#pragma once

#include <memory>

#include "controls/office/ChangingProperty.h"
#include "controls/office/GlowFace.h"
#include "controls/office/TrackBarTypes.h"
#include "ui/Font.h"
#include "ui/Persistent.h"

namespace sk::office {

class TTrackBarTick : public ui::Persistent {
    SK_PERSISTENT_CLASS
public:
    TTrackBarTick();

    ui::TFont* Font() const { return m_font.get(); }

    SK_CHANGING_PROPERTY(TColor, Color, 0)
    SK_CHANGING_PROPERTY(TColor, ColorDisabled, 0)
    SK_CHANGING_PROPERTY(bool, Line3D, false)
    SK_CHANGING_PROPERTY(TTickMark, Position, tmBottomRight)
    SK_CHANGING_PROPERTY(bool, ShowText, false)
    SK_CHANGING_PROPERTY(int, Size, 4)
    SK_CHANGING_PROPERTY(int, Spacing, 8)
    SK_CHANGING_PROPERTY(TTickStyle, Style, tsAuto)

private:
    std::unique_ptr<ui::TFont> m_font;
};

}  // namespace sk::office
