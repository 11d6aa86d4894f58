// The office radio button as form descriptions create it.
#pragma once

#include "controls/office/CustomAdvOfficeRadioButton.h"

namespace sk::office {

class TAdvOfficeRadioButton : public TCustomAdvOfficeRadioButton {
    SK_PERSISTENT_CLASS
public:
    explicit TAdvOfficeRadioButton(ui::Component* owner = nullptr) : TCustomAdvOfficeRadioButton(owner) {}
};

}  // namespace sk::office
