// The track bar's label: the position written with a format ("Pos: %d") above
// or below the track. Changes repaint the track bar.
#pragma once

#include <memory>
#include <string>

#include "controls/office/ChangingProperty.h"
#include "controls/office/TrackBarTypes.h"
#include "ui/Font.h"
#include "ui/Persistent.h"

namespace sk::office {

class TTrackBarLabel : public ui::Persistent {
    SK_PERSISTENT_CLASS
public:
    TTrackBarLabel();

    ui::TFont* Font() const { return m_font.get(); }
    // The label for a position: each "%d" of the format becomes the number and
    // "%%" a percent sign; any other "%" is kept as it is.
    std::string text(int position) const;
    bool atTop() const { return m_Position <= lpTopRight; }

    SK_CHANGING_PROPERTY(std::string, Format, "Pos: %d")
    SK_CHANGING_PROPERTY(TLabelPosition, Position, lpTopCenter)
    SK_CHANGING_PROPERTY(bool, Visible, false)

private:
    std::unique_ptr<ui::TFont> m_font;
};

}  // namespace sk::office
