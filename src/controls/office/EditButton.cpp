// The edit's button window.
#include "controls/office/EditButton.h"

namespace sk::office {

const ui::ClassInfo& TEditButton::staticClassInfo() {
    static const ui::ClassInfo info =
        ui::ClassBuilder<TEditButton>("TEditButton", &ui::CustomControl::staticClassInfo())
            .integer("ButtonWidth", &TEditButton::ButtonWidth, &TEditButton::SetButtonWidth, 18LL)
            .build();
    return info;
}
const ui::ClassInfo& TEditButton::classInfo() const { return staticClassInfo(); }

TEditButton::TEditButton(ui::Component* owner) : ui::CustomControl(owner), m_speedButton(new TAdvSpeedButton(this)) {
    m_speedButton->SetParent(this);
    m_speedButton->SetAlign(ui::alClient);
    m_speedButton->onRelease = [this] {
        if (onClick) onClick();
    };
    setClickEvents(false);
}

void TEditButton::SetButtonWidth(int value) {
    if (value == m_buttonWidth) return;
    m_buttonWidth = value;
    SetWidth(value);
}

void TEditButton::enabledChanged() {
    ui::CustomControl::enabledChanged();
    m_speedButton->SetEnabled(Enabled());
}

}  // namespace sk::office
