// A page of a TAdvPageControl: a custom-drawn container that fills the page
// area of its page control. It paints itself in Color (or in a vertical
// gradient to ColorTo), tells its page control when its caption or tab
// settings change, and fires OnShow and OnHide whenever it comes on screen or
// goes away.
#pragma once

#include <functional>

#include "controls/office/SteppedGradient.h"
#include "ui/WinControl.h"

namespace sk::office {

class TAdvPageControl;

class TAdvTabSheet : public ui::CustomControl {
    SK_PERSISTENT_CLASS
public:
    explicit TAdvTabSheet(ui::Component* owner = nullptr);
    ~TAdvTabSheet() override;

    // The page control that holds the page (its parent), or null.
    TAdvPageControl* PageControl() const { return m_pageControl; }
    void SetPageControl(TAdvPageControl* pageControl);
    // The position in the page list; -1 outside a page control. Setting a position
    // beyond the list raises an error naming the valid range.
    int PageIndex() const;
    void SetPageIndex(int index);
    // The position among the tabs shown, -1 when the page has no tab.
    int TabIndex() const;

    ui::TColor ColorTo() const { return m_colorTo; }
    void SetColorTo(ui::TColor value);
    ui::TColor TabColor() const { return m_tabColor; }
    void SetTabColor(ui::TColor value);
    ui::TColor TabColorTo() const { return m_tabColorTo; }
    void SetTabColorTo(ui::TColor value);
    ui::TColor TextColor() const { return m_textColor; }
    void SetTextColor(ui::TColor value);
    int ImageIndex() const { return m_imageIndex; }
    void SetImageIndex(int value);
    bool TabVisible() const { return m_tabVisible; }
    void SetTabVisible(bool value);
    // A page with TabEnable false cannot become the active page; disabling the
    // active page's tab raises "Can not disable active tab.".
    bool TabEnable() const { return m_tabEnable; }
    void SetTabEnable(bool value);
    bool ShowClose() const { return m_showClose; }
    void SetShowClose(bool value);
    bool Highlighted() const { return m_highlighted; }
    void SetHighlighted(bool value);

    ui::TNotifyEvent OnShow;
    ui::TNotifyEvent OnHide;
    // A close button was clicked: OnCanClose may refuse, OnClose follows.
    std::function<void(ui::Component* sender, bool& canClose)> OnCanClose;
    ui::TNotifyEvent OnClose;

    void paint(const ui::PaintSurface& surface) override;
    void showingChanged(bool showing) override;

protected:
    void parentChanged() override;
    void textChanged() override;
    void enabledChanged() override;
    void colorChanged() override;

private:
    friend class TAdvPageControl;
    void tabAppearanceChanged();

    TAdvPageControl* m_pageControl = nullptr;
    ui::TColor m_colorTo = ui::clNone;
    ui::TColor m_tabColor = ui::clNone;
    ui::TColor m_tabColorTo = ui::clNone;
    ui::TColor m_textColor = 0;
    int m_imageIndex = 0;
    bool m_tabVisible = true;
    bool m_tabEnable = true;
    bool m_showClose = false;
    bool m_highlighted = false;
};

}  // namespace sk::office
