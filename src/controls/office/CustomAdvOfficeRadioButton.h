// A radio button whose mark is a small glossy round picture and whose caption
// is formatted text of the mini-HTML markup. Buttons on the same parent with
// the same GroupIndex form one group: checking one unchecks the others, and
// only the checked one is a tab stop.
//
// Themed is stored and read, but the platform has no theme service that draws
// radio marks, so the picture marks are always used.
//
// Images and PictureContainer are set from code only: the framework has no
// image-list component a form description could name.
#pragma once

#include <functional>
#include <string>

#include "controls/smooth/HtmlPictureCache.h"
#include "controls/smooth/HtmlPictureSources.h"
#include "drawing/Bitmap.h"
#include "drawing/Canvas.h"
#include "ui/WinControl.h"

namespace sk::office {

enum TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };

using TAnchorClick = std::function<void(ui::Component* sender, const std::string& anchor)>;

// The six mark pictures, by state.
enum class RadioMark { Unchecked, UncheckedHot, UncheckedDown, Checked, CheckedHot, CheckedDown };

class TCustomAdvOfficeRadioButton : public ui::CustomControl {
    SK_PERSISTENT_CLASS
public:
    explicit TCustomAdvOfficeRadioButton(ui::Component* owner = nullptr);

    bool Checked() const { return m_checked; }
    // True unchecks the rest of the group and fires OnClick (not while loading);
    // false only clears this button.
    void SetChecked(bool value);
    int GroupIndex() const { return m_groupIndex; }
    void SetGroupIndex(int value);
    ui::TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(ui::TAlignment value);
    ui::TTextLayout ButtonVertAlign() const { return m_buttonVertAlign; }
    void SetButtonVertAlign(ui::TTextLayout value);
    bool Ellipsis() const { return m_ellipsis; }
    void SetEllipsis(bool value);
    drawing::TColor ShadowColor() const { return m_shadowColor; }
    void SetShadowColor(drawing::TColor value);
    int ShadowOffset() const { return m_shadowOffset; }
    void SetShadowOffset(int value);
    drawing::TColor URLColor() const { return m_urlColor; }
    void SetURLColor(drawing::TColor value);
    drawing::TColor DisabledFontColor() const { return m_disabledFontColor; }
    void SetDisabledFontColor(drawing::TColor value);
    bool ShowFocus() const { return m_showFocus; }
    void SetShowFocus(bool value);
    bool Themed() const { return m_themed; }
    void SetThemed(bool value);
    bool ReturnIsTab() const { return m_returnIsTab; }
    void SetReturnIsTab(bool value) { m_returnIsTab = value; }
    // The pressed look of the mark; setting it does not repaint by itself.
    bool Down() const { return m_down; }
    void SetDown(bool value) { m_down = value; }
    TBiDiMode BiDiMode() const { return m_biDiMode; }
    void SetBiDiMode(TBiDiMode value);
    // Pictures for "IDX:" and named sources of the caption; none by default.
    // Owned by the caller.
    const smooth::HtmlImageList* Images() const { return m_images; }
    void SetImages(const smooth::HtmlImageList* value);
    const smooth::HtmlPictureContainer* PictureContainer() const { return m_pictureContainer; }
    void SetPictureContainer(const smooth::HtmlPictureContainer* value);

    TAnchorClick OnAnchorClick;
    TAnchorClick OnAnchorEnter;
    TAnchorClick OnAnchorExit;

    // ---- Layout and state, for painting and tests ----
    bool hot() const { return m_hot; }
    // The mark on the right: right alignment or right-to-left reading.
    bool markOnRight() const;
    RadioMark mark() const;
    drawing::Rect markRect() const;
    // Where the caption lies, measured: the rectangle it is rendered into.
    drawing::Rect captionRect() const;
    drawing::Size captionSize() const;
    // The link of the caption under a point (control coordinates), or "".
    std::string anchorAt(drawing::Point p) const;
    static const drawing::Bitmap* markPicture(RadioMark mark);

protected:
    void paint(const ui::PaintSurface& surface) override;
    void mouseDown(const ui::MouseArgs& args) override;
    void mouseMove(const ui::MouseArgs& args) override;
    void mouseUp(const ui::MouseArgs& args) override;
    void mouseEnter() override;
    void mouseLeave() override;
    unsigned wantedKeys() const override { return m_returnIsTab ? ui::WantReturn : 0u; }
    void keyDown(int& key, ui::TShiftState shift) override;
    void keyUp(int& key, ui::TShiftState shift) override;
    void focusEnter() override;
    void focusExit() override;
    bool dialogChar(char32_t ch, ui::TShiftState shift) override;
    void enabledChanged() override;
    void textChanged() override;
    void fontChanged() override;

private:
    // What the caption renderer reports about one layout of the caption.
    struct CaptionLayout {
        int width = 0;
        int height = 0;
        std::string anchor;  // the link under the hit point, or ""
    };
    // Lays out the caption in r and, unless only measuring, draws it in a color.
    CaptionLayout renderCaption(drawing::Canvas& canvas, const drawing::Rect& r, bool measureOnly,
                                drawing::Point hit, drawing::TColor color) const;
    drawing::Rect captionArea() const;
    void checkFromGroup(bool fireClick);
    void uncheckGroup();
    void followAnchor(const std::string& anchor);
    void setHoveredAnchor(const std::string& anchor);
    void invalidateMark() { invalidate(markRect()); }

    bool m_checked = false;
    int m_groupIndex = 0;
    ui::TAlignment m_alignment = ui::taLeftJustify;
    ui::TTextLayout m_buttonVertAlign = ui::tlTop;
    bool m_ellipsis = false;
    drawing::TColor m_shadowColor = 0x808080;
    int m_shadowOffset = 1;
    drawing::TColor m_urlColor = 0xFF0000;
    drawing::TColor m_disabledFontColor = 0x808080;
    bool m_showFocus = true;
    bool m_themed = false;
    bool m_returnIsTab = false;
    bool m_down = false;
    TBiDiMode m_biDiMode = bdLeftToRight;
    const smooth::HtmlImageList* m_images = nullptr;
    const smooth::HtmlPictureContainer* m_pictureContainer = nullptr;
    mutable smooth::HtmlPictureCache m_pictureCache;  // pictures the caption names by address

    bool m_hot = false;
    bool m_focused = false;
    bool m_mousePressed = false;
    bool m_leftPressFocus = false;  // a left press is giving the focus: it checks silently
    std::string m_hoveredAnchor;
};

}  // namespace sk::office
