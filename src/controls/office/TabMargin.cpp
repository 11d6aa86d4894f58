// Tab margins of the page control; every change is reported to the owner.
#include "controls/office/TabMargin.h"

namespace sk::office {

const ui::ClassInfo& TTabMargin::staticClassInfo() {
    static const ui::ClassInfo info =
        ui::ClassBuilder<TTabMargin>("TTabMargin", &ui::Persistent::staticClassInfo())
            .integer("LeftMargin", &TTabMargin::LeftMargin, &TTabMargin::SetLeftMargin, 0LL)
            .integer("TopMargin", &TTabMargin::TopMargin, &TTabMargin::SetTopMargin, 0LL)
            .integer("RightMargin", &TTabMargin::RightMargin, &TTabMargin::SetRightMargin, 0LL)
            .build();
    return info;
}
const ui::ClassInfo& TTabMargin::classInfo() const { return staticClassInfo(); }

void TTabMargin::SetLeftMargin(int value) {
    if (value == m_left) return;
    m_left = value;
    changed();
}

void TTabMargin::SetTopMargin(int value) {
    if (value == m_top) return;
    m_top = value;
    changed();
}

void TTabMargin::SetRightMargin(int value) {
    if (value == m_right) return;
    m_right = value;
    changed();
}

}  // namespace sk::office
