// Pages of the page control: their published values, their painting and their
// show and hide events.
#include "controls/office/AdvTabSheet.h"

#include <cstdio>
#include <stdexcept>

#include "controls/office/AdvPageControl.h"
#include "ui/Application.h"

namespace sk::office {

const ui::ClassInfo& TAdvTabSheet::staticClassInfo() {
    static const ui::ClassInfo info =
        ui::ClassBuilder<TAdvTabSheet>("TAdvTabSheet", &ui::CustomControl::staticClassInfo())
            .creatable()
            .string("Caption", &TAdvTabSheet::Caption, &TAdvTabSheet::SetCaption)
            .color("ColorTo", &TAdvTabSheet::ColorTo, &TAdvTabSheet::SetColorTo, static_cast<long long>(ui::clNone))
            .color("TabColor", &TAdvTabSheet::TabColor, &TAdvTabSheet::SetTabColor, static_cast<long long>(ui::clNone))
            .color("TabColorTo", &TAdvTabSheet::TabColorTo, &TAdvTabSheet::SetTabColorTo,
                   static_cast<long long>(ui::clNone))
            .color("TextColor", &TAdvTabSheet::TextColor, &TAdvTabSheet::SetTextColor, 0LL)
            .integer("ImageIndex", &TAdvTabSheet::ImageIndex, &TAdvTabSheet::SetImageIndex, 0LL)
            .integer("PageIndex", &TAdvTabSheet::PageIndex, &TAdvTabSheet::SetPageIndex, {})
            .storedIf([](const TAdvTabSheet&) { return false; })
            .boolean("TabVisible", &TAdvTabSheet::TabVisible, &TAdvTabSheet::SetTabVisible, true)
            .boolean("TabEnable", &TAdvTabSheet::TabEnable, &TAdvTabSheet::SetTabEnable, true)
            .boolean("ShowClose", &TAdvTabSheet::ShowClose, &TAdvTabSheet::SetShowClose, false)
            .boolean("Highlighted", &TAdvTabSheet::Highlighted, &TAdvTabSheet::SetHighlighted, false)
            .event("OnShow", &TAdvTabSheet::OnShow)
            .event("OnHide", &TAdvTabSheet::OnHide)
            .event("OnCanClose", &TAdvTabSheet::OnCanClose)
            .event("OnClose", &TAdvTabSheet::OnClose)
            .changeDefault("ParentColor", true)
            .changeDefault("Visible", false)
            .build();
    return info;
}
const ui::ClassInfo& TAdvTabSheet::classInfo() const { return staticClassInfo(); }

TAdvTabSheet::TAdvTabSheet(ui::Component* owner) : CustomControl(owner) {
    // Pages take their page control's colour until they are given their own.
    SetParentColor(true);
    SetVisible(false);
}

TAdvTabSheet::~TAdvTabSheet() {
    if (m_pageControl) m_pageControl->removePage(this);
}

// ---- Page list ------------------------------------------------------------------------------

void TAdvTabSheet::SetPageControl(TAdvPageControl* pageControl) { SetParent(pageControl); }

void TAdvTabSheet::parentChanged() {
    CustomControl::parentChanged();
    auto* next = dynamic_cast<TAdvPageControl*>(Parent());
    if (next == m_pageControl) return;
    if (m_pageControl) m_pageControl->removePage(this);
    m_pageControl = next;
    if (m_pageControl) m_pageControl->insertPage(this);
}

int TAdvTabSheet::PageIndex() const {
    if (!m_pageControl) return -1;
    for (int i = 0; i < m_pageControl->PageCount(); ++i)
        if (m_pageControl->Pages(i) == this) return i;
    return -1;
}

void TAdvTabSheet::SetPageIndex(int index) {
    if (!m_pageControl) return;
    const int last = m_pageControl->PageCount() - 1;
    if (index < 0 || index > last) {
        char message[160];
        std::snprintf(message, sizeof message,
                      "%d is an invalid PageIndex value.  PageIndex must be between 0 and %d", index, last);
        throw std::out_of_range(message);
    }
    if (index == PageIndex()) return;
    m_pageControl->movePage(this, index);
}

int TAdvTabSheet::TabIndex() const {
    if (!m_pageControl) return -1;
    for (int i = 0; i < m_pageControl->tabCount(); ++i)
        if (m_pageControl->tabPage(i) == this) return i;
    return -1;
}

// ---- Tab settings ---------------------------------------------------------------------------

void TAdvTabSheet::tabAppearanceChanged() {
    if (m_pageControl) m_pageControl->invalidate();
}

void TAdvTabSheet::SetColorTo(ui::TColor value) {
    if (value == m_colorTo) return;
    m_colorTo = value;
    invalidate();
    tabAppearanceChanged();
}

void TAdvTabSheet::SetTabColor(ui::TColor value) {
    if (value == m_tabColor) return;
    m_tabColor = value;
    tabAppearanceChanged();
}

void TAdvTabSheet::SetTabColorTo(ui::TColor value) {
    if (value == m_tabColorTo) return;
    m_tabColorTo = value;
    tabAppearanceChanged();
}

void TAdvTabSheet::SetTextColor(ui::TColor value) {
    if (value == m_textColor) return;
    m_textColor = value;
    tabAppearanceChanged();
}

void TAdvTabSheet::SetImageIndex(int value) {
    if (value == m_imageIndex) return;
    m_imageIndex = value;
    tabAppearanceChanged();
}

void TAdvTabSheet::SetTabVisible(bool value) {
    if (value == m_tabVisible) return;
    m_tabVisible = value;
    if (m_pageControl) m_pageControl->pageTabVisibilityChanged(this);
}

void TAdvTabSheet::SetTabEnable(bool value) {
    if (value == m_tabEnable) return;
    if (!value && m_pageControl && m_pageControl->ActivePage() == this && m_tabVisible)
        throw std::runtime_error("Can not disable active tab.");
    m_tabEnable = value;
    tabAppearanceChanged();
}

void TAdvTabSheet::SetShowClose(bool value) {
    if (value == m_showClose) return;
    m_showClose = value;
    if (m_pageControl) m_pageControl->updateTabs();
}

void TAdvTabSheet::SetHighlighted(bool value) {
    if (value == m_highlighted) return;
    m_highlighted = value;
    tabAppearanceChanged();
}

void TAdvTabSheet::textChanged() {
    CustomControl::textChanged();
    if (m_pageControl) m_pageControl->updateTabs();
}

void TAdvTabSheet::enabledChanged() {
    CustomControl::enabledChanged();
    tabAppearanceChanged();
}

void TAdvTabSheet::colorChanged() {
    CustomControl::colorChanged();
    // The frame around the page and the join line under the tabs take this colour.
    tabAppearanceChanged();
}

// ---- Painting and events --------------------------------------------------------------------

void TAdvTabSheet::paint(const ui::PaintSurface& surface) {
    drawing::Canvas c = surface.canvas();
    const drawing::Rect area = ClientRect();
    if (m_colorTo == ui::clNone || Color() == ui::clNone) {
        if (Color() == ui::clNone) return;
        c.brush().color = Color();
        c.fillRect(area);
        return;
    }
    constexpr int kBands = 64;
    for (int k = 0; k < kBands; ++k) {
        const int top = area.top + area.height * k / kBands;
        const int bottom = area.top + area.height * (k + 1) / kBands;
        c.brush().color = steppedGradientColor(Color(), m_colorTo, k, kBands);
        c.fillRect(drawing::Rect::fromEdges(area.left, top, area.right(), bottom));
    }
}

void TAdvTabSheet::showingChanged(bool showing) {
    CustomControl::showingChanged(showing);
    const ui::TNotifyEvent& handler = showing ? OnShow : OnHide;
    if (!handler) return;
    // A failing handler is reported like any other event's failure; the page is
    // shown (or hidden) all the same and the page change goes on.
    try {
        handler(this);
    } catch (...) {
        ui::Application::instance().handleException(std::current_exception());
    }
}

}  // namespace sk::office
