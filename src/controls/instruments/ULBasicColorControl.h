// TULBasicColorControl: an instrument whose own ARGB Color fills its background.
#pragma once

#include "controls/instruments/ULBasicControl.h"

namespace sk::instruments {

class TULBasicColorControl : public TULBasicControl {
    SK_PERSISTENT_CLASS
public:
    explicit TULBasicColorControl(ui::Component* owner = nullptr) : TULBasicControl(owner) {}
    drawing::ARGB BackColor() const { return m_color; }
    void SetBackColor(drawing::ARGB value);

private:
    drawing::ARGB m_color = 0xFF000000;
};

}  // namespace sk::instruments
