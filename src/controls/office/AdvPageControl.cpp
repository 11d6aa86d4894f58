// The page control: page list, active page and its events, tab strip sizing,
// painting and input.
#include "controls/office/AdvPageControl.h"

#include <algorithm>
#include <span>

#include "drawing/Image.h"
#include "drawing/TextMeasurer.h"
#include "ui/Form.h"
#include "ui/Utf8.h"

namespace sk::office {

namespace {

const ui::EnumNames kTabPositionNames{"TTabPosition", {"tpTop", "tpBottom", "tpLeft", "tpRight"}};
const ui::EnumNames kTabStyleNames{"TTabStyle", {"tsClassic", "tsRounded", "tsSlanted"}};
const ui::EnumNames kClosePositionNames{"TClosePosition", {"cpLeft", "cpRight"}};

constexpr int kCloseButtonSize = 11;

// Setters return early when the value is unchanged: true when it changed.
template <class T>
bool changeValue(T& member, const T& value) {
    if (member == value) return false;
    member = value;
    return true;
}
constexpr int kGradientBands = 16;

// The text without its last `count` characters.
std::string withoutLastCharacters(const std::string& text, int count) {
    std::u32string chars = ui::decodeUtf8(text);
    chars.resize(chars.size() - std::min(chars.size(), static_cast<std::size_t>(std::max(count, 0))));
    return ui::encodeUtf8(chars);
}

drawing::Bitmap decodePicture(const ui::BinaryData& data) {
    if (data.bytes.empty()) return {};
    auto image = drawing::Image::fromBytes(std::span<const unsigned char>(data.bytes.data(), data.bytes.size()));
    return image ? image->bitmap() : drawing::Bitmap();
}

// A horizontal three-slice skin: the bitmap's left half at the start, its right
// half at the end, the two middle columns stretched over the rest; pixels of the
// bottom-left pixel's colour are left out.
void drawSkin(drawing::Canvas& c, const drawing::Bitmap& skin, int x, int y, int width) {
    const int bw = skin.width(), bh = skin.height();
    if (bw < 2 || bh < 1 || width <= 0) return;
    const ui::TColor key = drawing::argbToColor(skin.pixel(0, bh - 1));
    const int half = bw / 2;
    const int rightWidth = bw - half;
    const int middle = width - half - rightWidth;
    c.drawTransparent({x, y, std::min(half, width), bh}, skin, {0, 0, std::min(half, width), bh}, key);
    if (middle > 0) c.drawTransparent({x + half, y, middle, bh}, skin, {half - 1, 0, 2, bh}, key);
    if (width > half) {
        const int shown = std::min(rightWidth, width - half);
        c.drawTransparent({x + width - shown, y, shown, bh}, skin, {bw - shown, 0, shown, bh}, key);
    }
}

// How far a row of a plainly drawn tab stays in from the tab's left and right
// edges, for the outline style (dy counts from the top row).
std::pair<int, int> rowInsets(TTabStyle style, int dy, int height) {
    switch (style) {
        case tsRounded: {
            const int inset = std::max(0, 3 - dy);
            return {inset, inset};
        }
        case tsSlanted: return {0, std::max(0, (height - 1 - dy) / 2)};
        case tsClassic: break;
    }
    return {0, 0};
}

}  // namespace

const ui::ClassInfo& TAdvPageControl::staticClassInfo() {
    static const ui::ClassInfo info =
        ui::ClassBuilder<TAdvPageControl>("TAdvPageControl", &ui::CustomControl::staticClassInfo())
            .creatable()
            .string("ActivePage", &TAdvPageControl::activePageName, &TAdvPageControl::setActivePageName)
            .object("ActiveFont", &TAdvPageControl::ActiveFont)
            .color("ActiveColor", &TAdvPageControl::ActiveColor, &TAdvPageControl::SetActiveColor,
                   static_cast<long long>(ui::clBtnFace))
            .color("ActiveColorTo", &TAdvPageControl::ActiveColorTo, &TAdvPageControl::SetActiveColorTo,
                   static_cast<long long>(ui::clNone))
            .enumeration("ClosePosition", &TAdvPageControl::ClosePosition, &TAdvPageControl::SetClosePosition, cpLeft,
                         kClosePositionNames)
            .color("DefaultTextColor", &TAdvPageControl::DefaultTextColor, &TAdvPageControl::SetDefaultTextColor, 0LL)
            .color("DefaultTabColor", &TAdvPageControl::DefaultTabColor, &TAdvPageControl::SetDefaultTabColor,
                   static_cast<long long>(ui::clBtnFace))
            .color("DefaultTabColorTo", &TAdvPageControl::DefaultTabColorTo, &TAdvPageControl::SetDefaultTabColorTo,
                   static_cast<long long>(ui::clNone))
            .boolean("FreeOnClose", &TAdvPageControl::FreeOnClose, &TAdvPageControl::SetFreeOnClose, false)
            .integer("LowerActive", &TAdvPageControl::LowerActive, &TAdvPageControl::SetLowerActive, 2LL)
            .boolean("MultiLine", &TAdvPageControl::MultiLine, &TAdvPageControl::SetMultiLine, false)
            .boolean("RoundEdges", &TAdvPageControl::RoundEdges, &TAdvPageControl::SetRoundEdges, false)
            .boolean("ScrollOpposite", &TAdvPageControl::ScrollOpposite, &TAdvPageControl::SetScrollOpposite, false)
            .boolean("ShowFocus", &TAdvPageControl::ShowFocus, &TAdvPageControl::SetShowFocus, false)
            .binary("TabBackGround", &TAdvPageControl::TabBackGround, &TAdvPageControl::SetTabBackGround)
            .binary("TabBackGroundActive", &TAdvPageControl::TabBackGroundActive,
                    &TAdvPageControl::SetTabBackGroundActive)
            .color("TabBackGroundColor", &TAdvPageControl::TabBackGroundColor,
                   &TAdvPageControl::SetTabBackGroundColor, static_cast<long long>(ui::clBtnFace))
            .boolean("TabBorder3D", &TAdvPageControl::TabBorder3D, &TAdvPageControl::SetTabBorder3D, false)
            .color("TabBorderColor", &TAdvPageControl::TabBorderColor, &TAdvPageControl::SetTabBorderColor,
                   static_cast<long long>(0x808080))
            .integer("TabHeight", &TAdvPageControl::TabHeight, &TAdvPageControl::SetTabHeight, 0LL)
            .color("TabHoverBorder", &TAdvPageControl::TabHoverBorder, &TAdvPageControl::SetTabHoverBorder,
                   static_cast<long long>(ui::clNone))
            .color("TabHoverColor", &TAdvPageControl::TabHoverColor, &TAdvPageControl::SetTabHoverColor,
                   static_cast<long long>(ui::clNone))
            .color("TabHoverColorTo", &TAdvPageControl::TabHoverColorTo, &TAdvPageControl::SetTabHoverColorTo,
                   static_cast<long long>(ui::clNone))
            .object("TabMargin", &TAdvPageControl::TabMargin)
            .integer("TabOverlap", &TAdvPageControl::TabOverlap, &TAdvPageControl::SetTabOverlap, 0LL)
            .enumeration("TabPosition", &TAdvPageControl::TabPosition, &TAdvPageControl::SetTabPosition, tpTop,
                         kTabPositionNames)
            .boolean("TabSheet3D", &TAdvPageControl::TabSheet3D, &TAdvPageControl::SetTabSheet3D, false)
            .color("TabSheetBorderColor", &TAdvPageControl::TabSheetBorderColor,
                   &TAdvPageControl::SetTabSheetBorderColor, static_cast<long long>(0x808080))
            .boolean("TabSplitLine", &TAdvPageControl::TabSplitLine, &TAdvPageControl::SetTabSplitLine, false)
            .enumeration("TabStyle", &TAdvPageControl::TabStyle, &TAdvPageControl::SetTabStyle, tsClassic,
                         kTabStyleNames)
            .integer("TabWidth", &TAdvPageControl::TabWidth, &TAdvPageControl::SetTabWidth, 0LL)
            .event("OnChange", &TAdvPageControl::OnChange)
            .event("OnChanging", &TAdvPageControl::OnChanging)
            .event("OnCanChange", &TAdvPageControl::OnCanChange)
            .changeDefault("TabStop", true)
            .build();
    return info;
}
const ui::ClassInfo& TAdvPageControl::classInfo() const { return staticClassInfo(); }

TAdvPageControl::TAdvPageControl(ui::Component* owner)
    : CustomControl(owner), m_activeFont(std::make_unique<ui::TFont>()), m_tabMargin(std::make_unique<TTabMargin>()) {
    m_activeFont->SetName("Tahoma");
    m_activeFont->setChangeHandler([this](ui::Persistent*) { updateTabs(); });
    m_tabMargin->setChangeHandler([this](ui::Persistent*) { updateTabs(); });
    SetBounds(0, 0, 289, 193);
    SetTabStop(true);
}

TAdvPageControl::~TAdvPageControl() {
    // The pages die with the base class (as children); they must not call back
    // into a page control that is already half gone.
    m_destroying = true;
    for (TAdvTabSheet* page : m_pages) page->m_pageControl = nullptr;
    m_pages.clear();
    m_tabPages.clear();
    m_activePage = nullptr;
}

// ---- Page list ------------------------------------------------------------------------------

void TAdvPageControl::insertPage(TAdvTabSheet* page) {
    m_pages.push_back(page);
    applyDefaultColors(page);
    if (page != m_activePage) page->SetVisible(false);
    page->SetAlign(ui::alClient);
    updateTabs();
}

void TAdvPageControl::applyDefaultColors(TAdvTabSheet* page) const {
    if (page->m_textColor == 0) page->m_textColor = m_defaultTextColor;
    if (page->m_tabColor == ui::clNone) page->m_tabColor = m_defaultTabColor;
    if (page->m_tabColorTo == ui::clNone) page->m_tabColorTo = m_defaultTabColorTo;
}

void TAdvPageControl::removePage(TAdvTabSheet* page) {
    auto it = std::find(m_pages.begin(), m_pages.end(), page);
    if (it == m_pages.end()) return;
    TAdvTabSheet* next = nullptr;
    if (page == m_activePage && !m_destroying) {
        next = nextTabbedPage(page, true);
        if (next == page) next = nullptr;
    }
    m_pages.erase(it);
    page->m_pageControl = nullptr;
    m_hoverTab = -1;
    if (page == m_activePage) {
        m_activePage = nullptr;
        if (next) activatePage(next);
    }
    updateTabs();
}

void TAdvPageControl::movePage(TAdvTabSheet* page, int index) {
    auto it = std::find(m_pages.begin(), m_pages.end(), page);
    if (it == m_pages.end()) return;
    m_pages.erase(it);
    m_pages.insert(m_pages.begin() + std::clamp(index, 0, PageCount()), page);
    updateTabs();
}

void TAdvPageControl::pageTabVisibilityChanged(TAdvTabSheet* page) {
    if (!page->TabVisible() && page == m_activePage && !loading()) {
        // The tab that takes the removed tab's place becomes the active one: the
        // next tab, or the previous one when the removed tab was the last.
        const int tab = page->TabIndex();
        std::vector<TAdvTabSheet*> candidates;
        for (int i = tab + 1; i < tabCount(); ++i) candidates.push_back(tabPage(i));
        for (int i = tab - 1; i >= 0; --i) candidates.push_back(tabPage(i));
        bool replaced = false;
        for (TAdvTabSheet* candidate : candidates)
            if (candidate->TabEnable() && activatePage(candidate)) {
                replaced = true;
                break;
            }
        if (!replaced) {
            m_activePage = nullptr;
            page->SetVisible(false);
        }
    }
    updateTabs();
}

// ---- Active page ----------------------------------------------------------------------------

std::string TAdvPageControl::activePageName() const { return m_activePage ? m_activePage->Name() : m_pendingActivePage; }

void TAdvPageControl::setActivePageName(const std::string& name) {
    if (loading()) {
        m_pendingActivePage = name;
        return;
    }
    for (TAdvTabSheet* page : m_pages)
        if (page->Name() == name) SetActivePage(page);
}

void TAdvPageControl::SetActivePage(TAdvTabSheet* page) {
    if (!page || page->m_pageControl != this) return;
    if (loading()) {
        m_pendingActivePage = page->Name();
        return;
    }
    if (page == m_activePage) {
        invalidate();  // only the tab is selected again
        return;
    }
    activatePage(page);
}

void TAdvPageControl::SetActivePageIndex(int index) {
    if (index >= 0 && index < PageCount()) SetActivePage(Pages(index));
}

bool TAdvPageControl::activatePage(TAdvTabSheet* page) {
    if (!page || page == m_activePage || page->m_pageControl != this || !page->TabEnable()) return false;
    TAdvTabSheet* old = m_activePage;
    ui::Form* form = parentForm();
    const bool oldHadFocus = old && form && old->containsFocus();
    if (oldHadFocus) {
        // Take the focus out of the old page first; a control that refuses to let
        // it go (an edit validating its text) stops the change.
        old->SetFocus();
        if (!old->Focused()) {
            invalidate();
            return false;
        }
    }
    page->BringToFront();
    page->SetVisible(true);
    if (oldHadFocus) {
        if (page->canFocus())
            page->SetFocus();
        else if (canFocus())
            SetFocus();
    }
    if (old) old->SetVisible(false);
    m_activePage = page;
    updateTabs();
    if (page->Focused()) page->selectNext(nullptr, true, true);
    return true;
}

TAdvTabSheet* TAdvPageControl::nextTabbedPage(TAdvTabSheet* from, bool forward) const {
    const int n = tabCount();
    if (n == 0) return nullptr;
    const int start = from ? from->TabIndex() : -1;
    int i = start < 0 ? (forward ? -1 : n) : start;
    for (int step = 0; step < n; ++step) {
        i = forward ? (i + 1) % n : (i - 1 + n) % n;
        if (tabPage(i)->TabEnable()) return tabPage(i);
    }
    return nullptr;
}

void TAdvPageControl::SelectNextPage(bool forward) {
    TAdvTabSheet* next = nextTabbedPage(m_activePage, forward);
    if (next && next != m_activePage) changeToTab(next->TabIndex());
}

void TAdvPageControl::changeToTab(int tabIndex) {
    if (tabIndex < 0 || tabIndex >= tabCount()) return;
    TAdvTabSheet* target = tabPage(tabIndex);
    // The active tab and tabs whose page cannot become active change nothing.
    if (target == m_activePage || !target->TabEnable()) return;
    bool allow = true;
    if (OnCanChange) OnCanChange(this, ActivePageIndex(), target->PageIndex(), allow);
    if (!allow) return;
    if (OnChanging) OnChanging(this, allow);
    if (!allow) return;
    if (!activatePage(target)) return;
    if (OnChange) OnChange(this);
    invalidate();
}

void TAdvPageControl::closeTab(int tabIndex) {
    TAdvTabSheet* page = tabPage(tabIndex);
    bool canClose = true;
    if (page->OnCanClose) page->OnCanClose(page, canClose);
    if (!canClose) return;
    if (page->OnClose) page->OnClose(page);
    if (page->m_pageControl != this) return;  // the handler moved it elsewhere
    if (page == m_activePage) {
        TAdvTabSheet* next = nextTabbedPage(page, true);
        if (next && next != page && activatePage(next) && OnChange) OnChange(this);
    }
    if (m_freeOnClose) {
        delete page;
    } else {
        page->SetParent(nullptr);
        m_closedPages.push_back(page);
    }
}

// ---- Tab sizes ------------------------------------------------------------------------------

int TAdvPageControl::textWidth(const ui::TFont& font, const std::string& text) const {
    if (text.empty()) return 0;
    return drawing::TextMeasurer::shared().textWidth(font.canvasFont(), text);
}

int TAdvPageControl::textHeight(const ui::TFont& font) const {
    return drawing::TextMeasurer::shared().lineHeight(font.canvasFont());
}

std::string TAdvPageControl::sizingText(const TAdvTabSheet& page) const {
    if (m_tabBorder3D) return page.Caption();
    std::string text = page.ShowClose() ? page.Caption() + " " : withoutLastCharacters(page.Caption(), 2);
    if (&page == m_activePage && (m_activeFont->hasStyle(ui::fsBold) || m_activeFont->hasStyle(ui::fsItalic))) {
        // Room for the wider active font: blanks in the tab font until they make up
        // the difference.
        const int difference = textWidth(*m_activeFont, text) - textWidth(*Font(), text);
        if (difference > 0) {
            // As many as the blank's width says, then one more while they fall short.
            const int blankWidth = std::max(1, textWidth(*Font(), " "));
            std::string blanks(static_cast<std::size_t>(std::min(512, (difference + blankWidth - 1) / blankWidth)), ' ');
            while (blanks.size() < 512 && textWidth(*Font(), blanks) < difference) blanks += ' ';
            text += blanks;
        }
    }
    return text;
}

void TAdvPageControl::updateTabs() {
    if (loading() || m_destroying) return;
    m_tabPages.clear();
    for (TAdvTabSheet* page : m_pages)
        if (page->TabVisible()) m_tabPages.push_back(page);
    m_tabTexts.clear();
    TabStripInput input;
    const int imageArea = m_tabBorder3D ? 0 : m_tabMargin->LeftMargin() + m_tabMargin->RightMargin();
    for (TAdvTabSheet* page : m_tabPages) {
        m_tabTexts.push_back(sizingText(*page));
        input.widths.push_back(m_tabWidth > 0 ? m_tabWidth
                                              : 2 * TabStripLayout::kTabPadding + imageArea +
                                                    textWidth(*Font(), m_tabTexts.back()));
        if (page == m_activePage) input.selected = static_cast<int>(input.widths.size()) - 1;
    }
    input.clientWidth = Width();
    input.tabHeight = m_tabHeight > 0 ? m_tabHeight : textHeight(*Font()) + 6;
    input.multiLine = m_multiLine;
    input.scrollOpposite = m_scrollOpposite;
    m_strip.layout(input);
    if (m_hoverTab >= tabCount()) m_hoverTab = -1;
    realign();
    invalidate();
}

drawing::Rect TAdvPageControl::pageRect() const {
    const int b = stripBottom();
    return {4, b + 4, std::max(0, Width() - 8), std::max(0, Height() - b - 8)};
}

drawing::Rect TAdvPageControl::closeButtonRect(int tabIndex) const {
    if (tabIndex < 0 || tabIndex >= tabCount() || m_tabBorder3D || !tabPage(tabIndex)->ShowClose()) return {};
    const drawing::Rect r = tabRect(tabIndex);
    const int top = r.top + (r.height - kCloseButtonSize) / 2;
    const int left = m_closePosition == cpLeft ? r.left + 4 : r.right() - 4 - kCloseButtonSize;
    return {left, top, kCloseButtonSize, kCloseButtonSize};
}

// ---- Life cycle and change hooks ------------------------------------------------------------

void TAdvPageControl::Loaded() {
    CustomControl::Loaded();
    if (!m_pendingActivePage.empty()) {
        for (TAdvTabSheet* page : m_pages)
            if (page->Name() == m_pendingActivePage) m_activePage = page;
        m_pendingActivePage.clear();
    }
    for (TAdvTabSheet* page : m_pages) page->SetVisible(page == m_activePage);
    updateTabs();
}

void TAdvPageControl::boundsChanged(const drawing::Rect& old) {
    CustomControl::boundsChanged(old);
    if (old.width != Width()) updateTabs();
}

void TAdvPageControl::fontChanged() {
    CustomControl::fontChanged();
    updateTabs();
}

void TAdvPageControl::SetMultiLine(bool value) {
    if (changeValue(m_multiLine, value)) updateTabs();
}
void TAdvPageControl::SetScrollOpposite(bool value) {
    if (changeValue(m_scrollOpposite, value)) updateTabs();
}
void TAdvPageControl::SetTabHeight(int value) {
    if (changeValue(m_tabHeight, value)) updateTabs();
}
void TAdvPageControl::SetTabWidth(int value) {
    if (changeValue(m_tabWidth, value)) updateTabs();
}
void TAdvPageControl::SetTabPosition(TTabPosition value) {
    if (changeValue(m_tabPosition, value)) updateTabs();
}
void TAdvPageControl::SetTabStyle(TTabStyle value) {
    if (changeValue(m_tabStyle, value)) invalidate();
}
void TAdvPageControl::SetTabOverlap(int value) {
    if (changeValue(m_tabOverlap, value)) invalidate();
}
void TAdvPageControl::SetLowerActive(int value) {
    if (changeValue(m_lowerActive, value)) invalidate();
}
void TAdvPageControl::SetTabBackGroundColor(ui::TColor value) {
    if (changeValue(m_tabBackGroundColor, value)) invalidate();
}
void TAdvPageControl::SetTabSheet3D(bool value) {
    if (changeValue(m_tabSheet3D, value)) invalidate();
}
void TAdvPageControl::SetTabBorder3D(bool value) {
    if (changeValue(m_tabBorder3D, value)) updateTabs();
}
void TAdvPageControl::SetTabSplitLine(bool value) {
    if (changeValue(m_tabSplitLine, value)) invalidate();
}
void TAdvPageControl::SetRoundEdges(bool value) {
    if (changeValue(m_roundEdges, value)) invalidate();
}
void TAdvPageControl::SetShowFocus(bool value) {
    if (changeValue(m_showFocus, value)) invalidate();
}
void TAdvPageControl::SetTabBorderColor(ui::TColor value) {
    if (changeValue(m_tabBorderColor, value)) invalidate();
}
void TAdvPageControl::SetTabSheetBorderColor(ui::TColor value) {
    if (changeValue(m_tabSheetBorderColor, value)) invalidate();
}
void TAdvPageControl::SetDefaultTextColor(ui::TColor value) {
    if (changeValue(m_defaultTextColor, value)) invalidate();
}
void TAdvPageControl::SetDefaultTabColor(ui::TColor value) {
    if (changeValue(m_defaultTabColor, value)) invalidate();
}
void TAdvPageControl::SetDefaultTabColorTo(ui::TColor value) {
    if (changeValue(m_defaultTabColorTo, value)) invalidate();
}
void TAdvPageControl::SetActiveColor(ui::TColor value) {
    if (changeValue(m_activeColor, value)) invalidate();
}
void TAdvPageControl::SetActiveColorTo(ui::TColor value) {
    if (changeValue(m_activeColorTo, value)) invalidate();
}
void TAdvPageControl::SetTabHoverColor(ui::TColor value) {
    if (changeValue(m_tabHoverColor, value)) invalidate();
}
void TAdvPageControl::SetTabHoverColorTo(ui::TColor value) {
    if (changeValue(m_tabHoverColorTo, value)) invalidate();
}
void TAdvPageControl::SetTabHoverBorder(ui::TColor value) {
    if (changeValue(m_tabHoverBorder, value)) invalidate();
}
void TAdvPageControl::SetClosePosition(TClosePosition value) {
    if (changeValue(m_closePosition, value)) invalidate();
}

void TAdvPageControl::SetTabBackGround(const ui::BinaryData& data) {
    if (data == m_tabBackGround) return;
    m_tabBackGround = data;
    m_tabBitmap = decodePicture(data);
    invalidate();
}

void TAdvPageControl::SetTabBackGroundActive(const ui::BinaryData& data) {
    if (data == m_tabBackGroundActive) return;
    m_tabBackGroundActive = data;
    m_tabBitmapActive = decodePicture(data);
    invalidate();
}

// ---- Input ----------------------------------------------------------------------------------

void TAdvPageControl::mouseDown(const ui::MouseArgs& args) {
    CustomControl::mouseDown(args);
    if (args.button != ui::MouseButton::Left) return;
    const int tab = tabAt(args.pos);
    if (tab < 0) return;
    if (closeButtonRect(tab).contains(args.pos)) {
        closeTab(tab);
        return;
    }
    changeToTab(tab);
    if (TabStop() && canFocus() && !containsFocus()) SetFocus();
}

void TAdvPageControl::mouseMove(const ui::MouseArgs& args) {
    CustomControl::mouseMove(args);
    const int tab = tabAt(args.pos);
    if (tab == m_hoverTab) return;
    m_hoverTab = tab;
    if (m_tabHoverColor != ui::clNone || m_tabHoverBorder != ui::clNone) invalidate();
}

void TAdvPageControl::mouseLeave() {
    CustomControl::mouseLeave();
    if (m_hoverTab < 0) return;
    m_hoverTab = -1;
    if (m_tabHoverColor != ui::clNone || m_tabHoverBorder != ui::clNone) invalidate();
}

bool TAdvPageControl::dialogKey(int key, ui::TShiftState shift) {
    using namespace platform;
    if (key != vk::Tab || !(shift & ModCtrl) || (shift & ModAlt)) return CustomControl::dialogKey(key, shift);
    // Ctrl+Tab belongs to the page control that holds the focus, or to the form's
    // page control when no control has the focus at all.
    ui::Form* form = parentForm();
    ui::WinControl* focused = form ? form->ActiveControl() : nullptr;
    if (focused && focused != this && !containsControl(focused)) return false;
    SelectNextPage(!(shift & ModShift));
    return true;
}

bool TAdvPageControl::dialogChar(char32_t ch, ui::TShiftState shift) {
    if (!(shift & platform::ModAlt) || !canFocus()) return CustomControl::dialogChar(ch, shift);
    for (int i = 0; i < tabCount(); ++i) {
        if (!isAccel(ch, tabPage(i)->Caption())) continue;
        changeToTab(i);
        return true;
    }
    return false;
}

void TAdvPageControl::focusEnter() {
    CustomControl::focusEnter();
    if (m_showFocus) invalidate();
}

void TAdvPageControl::focusExit() {
    CustomControl::focusExit();
    if (m_showFocus) invalidate();
}

// ---- Painting -------------------------------------------------------------------------------

void TAdvPageControl::paint(const ui::PaintSurface& surface) {
    drawing::Canvas c = surface.canvas();
    c.brush().style = drawing::CanvasBrush::Style::Solid;
    c.brush().color = Color();
    c.fillRect(ClientRect());
    paintFrame(c);
    // Skins and captions stay inside the strip (a skin reaches one row below it);
    // a repaint further down, such as a button fading on the page, skips them.
    if (surface.clipRect().top > stripBottom() + 1) return;

    const int activeTab = m_activePage ? m_activePage->TabIndex() : -1;
    for (int i = tabCount() - 1; i >= 0; --i) {
        if (i == activeTab) continue;
        paintTab(c, i, false);
        paintCaption(c, i, false);
    }
    if (activeTab >= 0) {
        paintTab(c, activeTab, true);
        paintCaption(c, activeTab, true);
    }
    if (m_showFocus && activeTab >= 0 && Focused()) c.drawFocusRect(tabRect(activeTab).inflated(-3, -3));
    if (m_tabHoverBorder != ui::clNone && m_hoverTab >= 0) {
        c.brush().color = m_tabHoverBorder;
        c.frameRect(tabRect(m_hoverTab));
    }
}

void TAdvPageControl::paintFrame(drawing::Canvas& c) const {
    const int w = Width(), h = Height();
    const int b = stripBottom();
    if (m_tabBackGroundColor != ui::clNone) {
        c.brush().color = m_tabBackGroundColor;
        c.fillRect({0, 0, w, b});
    }
    // The frame around the page area: raised, or a line in TabSheetBorderColor.
    drawing::Rect frame = drawing::Rect::fromEdges(0, b, w, h);
    if (m_tabSheet3D) {
        c.frame3D(frame, ui::clBtnHighlight, ui::cl3DDkShadow);
        c.frame3D(frame, ui::cl3DLight, ui::clBtnShadow);
    } else {
        c.brush().color = m_tabSheetBorderColor;
        c.frameRect(frame);
    }
    if (!m_activePage) return;
    const ui::TColor from = m_activePage->Color(), to = m_activePage->ColorTo();
    if (from != ui::clNone || to != ui::clNone) {
        // The 3-pixel strips inside the frame, in the page's colour (or its gradient).
        auto fillStrip = [&](const drawing::Rect& strip) {
            if (from == ui::clNone || to == ui::clNone) {
                c.brush().color = from == ui::clNone ? to : from;
                c.fillRect(strip);
                return;
            }
            for (int k = 0; k < kGradientBands; ++k) {
                const int top = b + (h - b) * k / kGradientBands, bottom = b + (h - b) * (k + 1) / kGradientBands;
                c.brush().color = steppedGradientColor(from, to, k, kGradientBands);
                c.fillRect(strip.intersected(drawing::Rect::fromEdges(0, top, w, bottom)));
            }
        };
        const int sideTop = m_tabSheet3D ? b + 1 : b;
        fillStrip(drawing::Rect::fromEdges(1, sideTop, 4, h - 1));
        fillStrip(drawing::Rect::fromEdges(w - 4, sideTop, w - 1, h - 1));
        fillStrip(drawing::Rect::fromEdges(1, h - 4, w - 1, h - 1));
        fillStrip(drawing::Rect::fromEdges(1, b + 1, w - 1, b + 4));
    }
    if (!m_tabSplitLine && from != ui::clNone) {
        // The page joins the tabs: no line between them.
        c.pen().color = from;
        c.pen().style = drawing::CanvasPen::Style::Solid;
        c.pen().width = 1;
        c.moveTo(3, b);
        c.lineTo(stripRight() + m_tabOverlap, b);
    }
}

void TAdvPageControl::paintTab(drawing::Canvas& c, int tabIndex, bool active) const {
    const drawing::Rect r = tabRect(tabIndex);
    const int width = r.width + 2 + m_tabOverlap;
    if (m_tabBorder3D) {
        // Tabs as the classic tab control draws them: raised, in the button face.
        drawing::Rect face{r.left, r.top - (active ? 2 : 0), r.width, r.height + (active ? 2 : 0)};
        c.brush().color = ui::clBtnFace;
        c.fillRect(face);
        c.pen().color = ui::clBtnHighlight;
        c.moveTo(face.left, face.bottom() - 1);
        c.lineTo(face.left, face.top);
        c.lineTo(face.right() - 1, face.top);
        c.pen().color = ui::cl3DDkShadow;
        c.lineTo(face.right() - 1, face.bottom());
        return;
    }
    if (active && !m_tabBitmapActive.empty()) {
        drawSkin(c, m_tabBitmapActive, r.left - 2, r.top - (m_lowerActive >= 1 ? 1 : 2), width);
        return;
    }
    if (!m_tabBitmap.empty()) {
        drawSkin(c, m_tabBitmap, r.left - 1, r.top - 2, width);
        return;
    }
    paintPlainTab(c, r, tabIndex, active);
}

void TAdvPageControl::paintPlainTab(drawing::Canvas& c, const drawing::Rect& r, int tabIndex, bool active) const {
    const TAdvTabSheet* page = tabPage(tabIndex);
    ui::TColor from = page->TabColor(), to = page->TabColorTo();
    if (active && m_activeColor != ui::clNone) {
        from = m_activeColor;
        to = m_activeColorTo;
    } else if (tabIndex == m_hoverTab && m_tabHoverColor != ui::clNone) {
        from = m_tabHoverColor;
        to = m_tabHoverColorTo;
    }
    for (int dy = 0; dy < r.height; ++dy) {
        const auto [insetLeft, insetRight] = rowInsets(m_tabStyle, dy, r.height);
        const int left = r.left + insetLeft, right = r.right() - insetRight;
        if (from != ui::clNone) {
            c.brush().color =
                to == ui::clNone ? from : steppedGradientColor(from, to, dy * kGradientBands / r.height, kGradientBands);
            c.fillRect(drawing::Rect::fromEdges(left, r.top + dy, right, r.top + dy + 1));
        }
        c.setPixel(left, r.top + dy, m_tabBorderColor);
        c.setPixel(right - 1, r.top + dy, m_tabBorderColor);
        if (dy == 0) {
            c.brush().color = m_tabBorderColor;
            c.fillRect(drawing::Rect::fromEdges(left, r.top, right, r.top + 1));
        }
    }
}

void TAdvPageControl::paintCaption(drawing::Canvas& c, int tabIndex, bool active) const {
    const TAdvTabSheet* page = tabPage(tabIndex);
    const drawing::Rect r = tabRect(tabIndex);
    c.font() = (active ? *m_activeFont : *Font()).canvasFont();
    int x = 0, y = 0;
    if (m_tabBorder3D) {
        x = r.left + TabStripLayout::kTabPadding;
        y = r.top + (r.height - c.textHeight("Ag")) / 2 - (active ? 1 : 0);
    } else {
        const bool closeOnLeft = page->ShowClose() && m_closePosition == cpLeft;
        x = r.left + (closeOnLeft ? 18 : 4) + m_tabMargin->LeftMargin();
        y = r.top + 1 + m_tabMargin->TopMargin() + (active ? m_lowerActive : 0);
    }
    if (!active) c.font().color = page->TextColor();
    if (!page->TabEnable()) c.font().color = drawing::RGB(128, 128, 128);
    if (!page->Enabled()) c.font().color = ui::clGrayText;
    c.brush().style = drawing::CanvasBrush::Style::Clear;
    c.drawText(page->Caption(), drawing::Rect{x, y, std::max(1, Width() - x), r.height},
               drawing::DT_SINGLELINE | drawing::DT_NOCLIP | drawing::DT_LEFT);
    c.brush().style = drawing::CanvasBrush::Style::Solid;

    const drawing::Rect button = closeButtonRect(tabIndex);
    if (!button.empty()) {
        c.pen().color = c.font().color;
        c.pen().width = 1;
        c.pen().style = drawing::CanvasPen::Style::Solid;
        c.brush().color = m_tabBorderColor;
        c.frameRect(button);
        c.moveTo(button.left + 3, button.top + 3);
        c.lineTo(button.right() - 3, button.bottom() - 3);
        c.moveTo(button.right() - 4, button.top + 3);
        c.lineTo(button.left + 2, button.bottom() - 3);
    }
}

}  // namespace sk::office
