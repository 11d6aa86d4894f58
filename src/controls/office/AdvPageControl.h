// TAdvPageControl: a list of pages (TAdvTabSheet) of which one, the active page,
// is shown, under a strip of tabs that the control lays out and paints itself:
// skinned tab backgrounds (three-slice bitmaps with a transparent colour), its
// own fonts for the active and the other tabs, and a frame in the active page's
// colour around the page area. Clicks on tabs, Ctrl+Tab, Ctrl+Shift+Tab and the
// captions' mnemonics change the active page with the events OnCanChange,
// OnChanging, the pages' OnShow and OnHide, and OnChange, in that order.
//
// Tabs lie on top (TabPosition is kept for the form description; the strip is
// always laid out on top), and the Images list of the classic control is not
// supported: tabs show no images.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/office/AdvTabSheet.h"
#include "controls/office/TabMargin.h"
#include "controls/office/TabStripLayout.h"
#include "drawing/Bitmap.h"
#include "drawing/Canvas.h"
#include "ui/Font.h"
#include "ui/WinControl.h"

namespace sk::office {

enum TTabPosition { tpTop, tpBottom, tpLeft, tpRight };
// Outlines of tabs drawn without skins: square corners, rounded top corners, or a
// right edge slanting down like a folder tab.
enum TTabStyle { tsClassic, tsRounded, tsSlanted };
enum TClosePosition { cpLeft, cpRight };

using TTabChangingEvent = std::function<void(ui::Component* sender, bool& allowChange)>;
using TCanChangeEvent = std::function<void(ui::Component* sender, int fromPage, int toPage, bool& allowChange)>;

class TAdvPageControl : public ui::CustomControl {
    SK_PERSISTENT_CLASS
public:
    explicit TAdvPageControl(ui::Component* owner = nullptr);
    ~TAdvPageControl() override;

    // ---- Pages ----
    int PageCount() const { return static_cast<int>(m_pages.size()); }
    TAdvTabSheet* Pages(int index) const { return m_pages.at(static_cast<std::size_t>(index)); }
    TAdvTabSheet* ActivePage() const { return m_activePage; }
    // From code: shows the page and hides the old one (their OnShow and OnHide fire),
    // never OnChange. A page of another control or one with TabEnable false is ignored.
    void SetActivePage(TAdvTabSheet* page);
    int ActivePageIndex() const { return m_activePage ? m_activePage->PageIndex() : -1; }
    void SetActivePageIndex(int index);
    // What the user does with Ctrl+Tab (forward) and Ctrl+Shift+Tab: the next page
    // with an enabled tab, wrapping round, with every change event.
    void SelectNextPage(bool forward);
    // Pages whose close button was used while FreeOnClose was false.
    const std::vector<TAdvTabSheet*>& closedPages() const { return m_closedPages; }

    // ---- Appearance ----
    ui::TFont* ActiveFont() const { return m_activeFont.get(); }
    TTabMargin* TabMargin() const { return m_tabMargin.get(); }
    bool MultiLine() const { return m_multiLine; }
    void SetMultiLine(bool value);
    bool ScrollOpposite() const { return m_scrollOpposite; }
    void SetScrollOpposite(bool value);
    int TabHeight() const { return m_tabHeight; }
    void SetTabHeight(int value);
    int TabWidth() const { return m_tabWidth; }
    void SetTabWidth(int value);
    TTabPosition TabPosition() const { return m_tabPosition; }
    void SetTabPosition(TTabPosition value);
    TTabStyle TabStyle() const { return m_tabStyle; }
    void SetTabStyle(TTabStyle value);
    int TabOverlap() const { return m_tabOverlap; }
    void SetTabOverlap(int value);
    int LowerActive() const { return m_lowerActive; }
    void SetLowerActive(int value);
    ui::TColor TabBackGroundColor() const { return m_tabBackGroundColor; }
    void SetTabBackGroundColor(ui::TColor value);
    // The tab skins as their image files' bytes (any format the drawing layer reads).
    const ui::BinaryData& TabBackGround() const { return m_tabBackGround; }
    void SetTabBackGround(const ui::BinaryData& data);
    const ui::BinaryData& TabBackGroundActive() const { return m_tabBackGroundActive; }
    void SetTabBackGroundActive(const ui::BinaryData& data);
    bool TabSheet3D() const { return m_tabSheet3D; }
    void SetTabSheet3D(bool value);
    bool TabBorder3D() const { return m_tabBorder3D; }
    void SetTabBorder3D(bool value);
    bool TabSplitLine() const { return m_tabSplitLine; }
    void SetTabSplitLine(bool value);
    bool RoundEdges() const { return m_roundEdges; }
    void SetRoundEdges(bool value);
    bool ShowFocus() const { return m_showFocus; }
    void SetShowFocus(bool value);
    ui::TColor TabBorderColor() const { return m_tabBorderColor; }
    void SetTabBorderColor(ui::TColor value);
    ui::TColor TabSheetBorderColor() const { return m_tabSheetBorderColor; }
    void SetTabSheetBorderColor(ui::TColor value);
    ui::TColor DefaultTextColor() const { return m_defaultTextColor; }
    void SetDefaultTextColor(ui::TColor value);
    ui::TColor DefaultTabColor() const { return m_defaultTabColor; }
    void SetDefaultTabColor(ui::TColor value);
    ui::TColor DefaultTabColorTo() const { return m_defaultTabColorTo; }
    void SetDefaultTabColorTo(ui::TColor value);
    ui::TColor ActiveColor() const { return m_activeColor; }
    void SetActiveColor(ui::TColor value);
    ui::TColor ActiveColorTo() const { return m_activeColorTo; }
    void SetActiveColorTo(ui::TColor value);
    ui::TColor TabHoverColor() const { return m_tabHoverColor; }
    void SetTabHoverColor(ui::TColor value);
    ui::TColor TabHoverColorTo() const { return m_tabHoverColorTo; }
    void SetTabHoverColorTo(ui::TColor value);
    ui::TColor TabHoverBorder() const { return m_tabHoverBorder; }
    void SetTabHoverBorder(ui::TColor value);
    bool FreeOnClose() const { return m_freeOnClose; }
    void SetFreeOnClose(bool value) { m_freeOnClose = value; }
    TClosePosition ClosePosition() const { return m_closePosition; }
    void SetClosePosition(TClosePosition value);

    // The active page by name, for form descriptions (resolved once loading ends).
    std::string activePageName() const;
    void setActivePageName(const std::string& name);

    ui::TNotifyEvent OnChange;
    TTabChangingEvent OnChanging;
    TCanChangeEvent OnCanChange;

    // ---- Geometry (control coordinates), shared by painting and hit testing ----
    int tabCount() const { return static_cast<int>(m_tabPages.size()); }
    TAdvTabSheet* tabPage(int tabIndex) const { return m_tabPages.at(static_cast<std::size_t>(tabIndex)); }
    drawing::Rect tabRect(int tabIndex) const { return m_strip.tabRect(tabIndex); }
    // The text the tab is sized for: the caption without its last two characters,
    // blanks appended on the active tab for a bold or italic ActiveFont.
    const std::string& tabSizingText(int tabIndex) const { return m_tabTexts.at(static_cast<std::size_t>(tabIndex)); }
    int tabRowCount() const { return m_strip.rowCount(); }
    int stripBottom() const { return m_strip.stripBottom(); }
    int stripRight() const { return m_strip.stripRight(); }
    // Where the active page lies: inside the 3-pixel frame below the strip.
    drawing::Rect pageRect() const;
    drawing::Rect closeButtonRect(int tabIndex) const;  // empty without a close button
    int tabAt(drawing::Point p) const { return m_strip.hitTest(p); }
    int hoverTab() const { return m_hoverTab; }

    void paint(const ui::PaintSurface& surface) override;

protected:
    drawing::Rect alignRect() const override { return pageRect(); }
    void Loaded() override;
    void boundsChanged(const drawing::Rect& old) override;
    void fontChanged() override;
    void mouseDown(const ui::MouseArgs& args) override;
    void mouseMove(const ui::MouseArgs& args) override;
    void mouseLeave() override;
    bool dialogKey(int key, ui::TShiftState shift) override;
    bool dialogChar(char32_t ch, ui::TShiftState shift) override;
    void focusEnter() override;
    void focusExit() override;

private:
    friend class TAdvTabSheet;
    void insertPage(TAdvTabSheet* page);
    void removePage(TAdvTabSheet* page);
    void movePage(TAdvTabSheet* page, int index);
    void pageTabVisibilityChanged(TAdvTabSheet* page);
    void applyDefaultColors(TAdvTabSheet* page) const;

    // Makes a page the active one (see the class comment); false when nothing changed.
    bool activatePage(TAdvTabSheet* page);
    // The user's change to a tab: the can-change events, the change, OnChange.
    void changeToTab(int tabIndex);
    void closeTab(int tabIndex);
    TAdvTabSheet* nextTabbedPage(TAdvTabSheet* from, bool forward) const;

    // Recomputes the tab texts and the strip; realigns the page when the strip's
    // height changed. Does nothing while loading.
    void updateTabs();
    std::string sizingText(const TAdvTabSheet& page) const;
    int textWidth(const ui::TFont& font, const std::string& text) const;
    int textHeight(const ui::TFont& font) const;

    void paintFrame(drawing::Canvas& c) const;
    void paintTab(drawing::Canvas& c, int tabIndex, bool active) const;
    void paintPlainTab(drawing::Canvas& c, const drawing::Rect& r, int tabIndex, bool active) const;
    void paintCaption(drawing::Canvas& c, int tabIndex, bool active) const;

    std::vector<TAdvTabSheet*> m_pages;
    std::vector<TAdvTabSheet*> m_tabPages;  // the pages that have tabs, in page order
    std::vector<std::string> m_tabTexts;
    std::vector<TAdvTabSheet*> m_closedPages;
    TAdvTabSheet* m_activePage = nullptr;
    std::string m_pendingActivePage;
    TabStripLayout m_strip;
    int m_hoverTab = -1;
    bool m_destroying = false;

    std::unique_ptr<ui::TFont> m_activeFont;
    std::unique_ptr<TTabMargin> m_tabMargin;
    bool m_multiLine = false;
    bool m_scrollOpposite = false;
    int m_tabHeight = 0;
    int m_tabWidth = 0;
    TTabPosition m_tabPosition = tpTop;
    TTabStyle m_tabStyle = tsClassic;
    int m_tabOverlap = 0;
    int m_lowerActive = 2;
    ui::TColor m_tabBackGroundColor = ui::clBtnFace;
    ui::BinaryData m_tabBackGround;
    ui::BinaryData m_tabBackGroundActive;
    drawing::Bitmap m_tabBitmap;
    drawing::Bitmap m_tabBitmapActive;
    bool m_tabSheet3D = false;
    bool m_tabBorder3D = false;
    bool m_tabSplitLine = false;
    bool m_roundEdges = false;
    bool m_showFocus = false;
    ui::TColor m_tabBorderColor = 0x808080;
    ui::TColor m_tabSheetBorderColor = 0x808080;
    ui::TColor m_defaultTextColor = ui::clBlack;
    ui::TColor m_defaultTabColor = ui::clBtnFace;
    ui::TColor m_defaultTabColorTo = ui::clNone;
    ui::TColor m_activeColor = ui::clBtnFace;
    ui::TColor m_activeColorTo = ui::clNone;
    ui::TColor m_tabHoverColor = ui::clNone;
    ui::TColor m_tabHoverColorTo = ui::clNone;
    ui::TColor m_tabHoverBorder = ui::clNone;
    bool m_freeOnClose = false;
    TClosePosition m_closePosition = cpLeft;
};

}  // namespace sk::office
