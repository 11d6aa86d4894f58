// TEditButton: the button window inside an edit's right end. It carries the
// button's width and holds the speed button that draws the face and reports the
// mouse; a completed press is passed on to the edit through onClick.
#pragma once

#include <functional>

#include "controls/office/AdvSpeedButton.h"
#include "ui/WinControl.h"

namespace sk::office {

class TEditButton : public ui::CustomControl {
    SK_PERSISTENT_CLASS
public:
    explicit TEditButton(ui::Component* owner = nullptr);

    int ButtonWidth() const { return m_buttonWidth; }
    void SetButtonWidth(int value);
    TAdvSpeedButton* speedButton() const { return m_speedButton; }

    std::function<void()> onClick;

    bool canFocus() const override { return false; }

protected:
    void enabledChanged() override;

private:
    TAdvSpeedButton* m_speedButton;
    int m_buttonWidth = 18;
};

}  // namespace sk::office
