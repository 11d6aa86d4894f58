#include "controls/office/AdvOfficeRadioButton.h"

namespace sk::office {

const ui::ClassInfo& TAdvOfficeRadioButton::staticClassInfo() {
    static const ui::ClassInfo info =
        ui::ClassBuilder<TAdvOfficeRadioButton>("TAdvOfficeRadioButton",
                                                &TCustomAdvOfficeRadioButton::staticClassInfo())
            .creatable()
            .build();
    return info;
}
const ui::ClassInfo& TAdvOfficeRadioButton::classInfo() const {
    return staticClassInfo();
}

}  // namespace sk::office
