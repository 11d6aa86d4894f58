// TAdvEditBtn: the edit with a push button built into its right end. The button
// fills the right ButtonWidth pixels of the client area; the text rectangle
// never reaches under it; the field is never lower than its font needs. F4
// runs the button's action, Ctrl+Enter becomes an Up-arrow press.
#pragma once

#include <memory>
#include <string>

#include "controls/office/AdvEdit.h"
#include "controls/office/EditButton.h"
#include "controls/office/EditButtonLayout.h"
#include "ui/Picture.h"

namespace sk::office {

enum class TEditButtonStyle { bsButton, bsDropDown };

class TAdvEditBtn : public TAdvEdit {
    SK_PERSISTENT_CLASS
public:
    explicit TAdvEditBtn(ui::Component* owner = nullptr);
    ~TAdvEditBtn() override;

    TEditButtonStyle ButtonStyle() const { return m_buttonStyle; }
    void SetButtonStyle(TEditButtonStyle value);
    int ButtonWidth() const { return m_button->ButtonWidth(); }
    void SetButtonWidth(int value);
    const std::string& ButtonCaption() const { return m_button->speedButton()->Caption(); }
    void SetButtonCaption(const std::string& value) { m_button->speedButton()->SetCaption(value); }
    const std::string& ButtonHint() const { return m_buttonHint; }
    void SetButtonHint(const std::string& value);
    ui::TPicture* Glyph() const { return m_glyph.get(); }
    void SetFlat(bool value) override;
    bool Etched() const { return m_button->speedButton()->Etched(); }
    void SetEtched(bool value) { m_button->speedButton()->SetEtched(value); }

    // Raised when the button's action runs (for the file name edit: before its dialog opens).
    ui::TNotifyEvent OnClickBtn;

    TEditButton* button() const { return m_button; }
    // The button works only while the field is enabled and not read-only.
    bool buttonEnabled() const { return enabledWithParents() && !ReadOnly(); }
    // The layout rules applied to the field as it is now.
    EditButtonFrame layoutFrame() const;
    int minimumHeight() const;

    // The button's action; runs only while the button is enabled.
    void clickButton();

    void keyDown(int& key, ui::TShiftState shift) override;
    void keyUp(int& key, ui::TShiftState shift) override;
    void focusEnter() override;

protected:
    // What the button does; the plain edit with a button only raises OnClickBtn.
    virtual void buttonAction();
    void boundsChanged(const drawing::Rect& old) override;
    void fontChanged() override;
    void Loaded() override;

private:
    void layout();
    void updateTextRect();
    void buttonReleased();

    TEditButton* m_button;
    std::unique_ptr<ui::TPicture> m_glyph;
    TEditButtonStyle m_buttonStyle = TEditButtonStyle::bsButton;
    std::string m_buttonHint;
    bool m_f4Pressed = false;  // the F4 press reached the field; its release runs nothing more
    bool m_inLayout = false;
};

}  // namespace sk::office
