#include "controls/instruments/ULBasicColorControl.h"

#include "controls/instruments/InstrumentProperty.h"

namespace sk::instruments {

const ui::ClassInfo& TULBasicColorControl::staticClassInfo() {
    static const ui::ClassInfo info =
        ui::ClassBuilder<TULBasicColorControl>("TULBasicColorControl", &TULBasicControl::staticClassInfo())
            .argb("Color", &TULBasicColorControl::BackColor, &TULBasicColorControl::SetBackColor,
                  0xFF000000LL)
            .build();
    return info;
}
SK_INSTRUMENT_CLASS_INFO(TULBasicColorControl)

void TULBasicColorControl::SetBackColor(drawing::ARGB value) {
    if (value == m_color) return;
    m_color = value;
    LayersChanged();
}

}  // namespace sk::instruments
