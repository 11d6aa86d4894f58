// The office radio button: the group rule, the state rules of mouse, focus and
// keys, links in the caption, and the painter of mark, caption and focus.
#include "controls/office/CustomAdvOfficeRadioButton.h"

#include <array>
#include <optional>

#include "controls/smooth/HtmlText.h"
#include "drawing/Image.h"
#include "platform/EmbeddedResources.h"
#include "ui/Form.h"

namespace sk::office {

using drawing::Point;
using drawing::Rect;

namespace {

const ui::EnumNames kAlignmentNames{"TAlignment", {"taLeftJustify", "taRightJustify"}};
const ui::EnumNames kVertAlignNames{"TTextLayout", {"tlTop", "tlCenter", "tlBottom"}};
const ui::EnumNames kBiDiModeNames{
    "TBiDiMode", {"bdLeftToRight", "bdRightToLeft", "bdRightToLeftNoAlign", "bdRightToLeftReadingOnly"}};

constexpr int kMarkSize = 12;
constexpr int kCaptionLeft = 18;
constexpr int kCaptionTop = 4;

constexpr std::array<const char*, 6> kMarkResources{"glyphs/ZEMOFRU.bmp",  "glyphs/ZEMOFRUH.bmp",
                                                    "glyphs/ZEMOFRUD.bmp", "glyphs/ZEMOFRC.bmp",
                                                    "glyphs/ZEMOFRCH.bmp", "glyphs/ZEMOFRCD.bmp"};

// A rectangle outline of every other pixel, starting at the top-left corner.
void dottedFrame(drawing::Canvas& canvas, const Rect& r, drawing::TColor color) {
    auto dot = [&](int x, int y) {
        if (((x - r.left) + (y - r.top)) % 2 == 0) canvas.setPixel(x, y, color);
    };
    for (int x = r.left; x < r.right(); ++x) {
        dot(x, r.top);
        dot(x, r.bottom() - 1);
    }
    for (int y = r.top + 1; y < r.bottom() - 1; ++y) {
        dot(r.left, y);
        dot(r.right() - 1, y);
    }
}

bool insideInclusive(const Rect& client, Point p) {
    return p.x >= 0 && p.x <= client.width && p.y >= 0 && p.y <= client.height;
}

}  // namespace

const ui::ClassInfo& TCustomAdvOfficeRadioButton::staticClassInfo() {
    using T = TCustomAdvOfficeRadioButton;
    static const ui::ClassInfo info =
        ui::ClassBuilder<T>("TCustomAdvOfficeRadioButton", &ui::CustomControl::staticClassInfo())
            .string("Caption", &T::Caption, &T::SetCaption)
            .enumeration("Alignment", &T::Alignment, &T::SetAlignment, ui::taLeftJustify, kAlignmentNames)
            .enumeration("BiDiMode", &T::BiDiMode, &T::SetBiDiMode, bdLeftToRight, kBiDiModeNames)
            .enumeration("ButtonVertAlign", &T::ButtonVertAlign, &T::SetButtonVertAlign, ui::tlTop,
                         kVertAlignNames)
            .boolean("Checked", &T::Checked, &T::SetChecked, false)
            .color("DisabledFontColor", &T::DisabledFontColor, &T::SetDisabledFontColor, 0x808080LL)
            .boolean("Down", &T::Down, &T::SetDown, false)
            .boolean("Ellipsis", &T::Ellipsis, &T::SetEllipsis, false)
            .integer("GroupIndex", &T::GroupIndex, &T::SetGroupIndex, 0LL)
            .boolean("ReturnIsTab", &T::ReturnIsTab, &T::SetReturnIsTab, false)
            .color("ShadowColor", &T::ShadowColor, &T::SetShadowColor, 0x808080LL)
            .integer("ShadowOffset", &T::ShadowOffset, &T::SetShadowOffset, 1LL)
            .boolean("ShowFocus", &T::ShowFocus, &T::SetShowFocus, true)
            .boolean("Themed", &T::Themed, &T::SetThemed, false)
            .color("URLColor", &T::URLColor, &T::SetURLColor, 0xFF0000LL)
            .event("OnAnchorClick", &T::OnAnchorClick)
            .event("OnAnchorEnter", &T::OnAnchorEnter)
            .event("OnAnchorExit", &T::OnAnchorExit)
            .build();
    return info;
}
const ui::ClassInfo& TCustomAdvOfficeRadioButton::classInfo() const {
    return staticClassInfo();
}

TCustomAdvOfficeRadioButton::TCustomAdvOfficeRadioButton(ui::Component* owner) : ui::CustomControl(owner) {
    SetBounds(0, 0, 135, 20);
    setClickEvents(false);  // the button decides about its clicks itself
    m_pictureCache.OnPictureArrived = [this] { invalidate(); };
}

// ---- Properties ----------------------------------------------------------------

#define SK_RADIO_SETTER(Name, Type, member)                   \
    void TCustomAdvOfficeRadioButton::Set##Name(Type value) { \
        if (value == member) return;                          \
        member = value;                                       \
        invalidate();                                         \
    }

SK_RADIO_SETTER(GroupIndex, int, m_groupIndex)
SK_RADIO_SETTER(Alignment, ui::TAlignment, m_alignment)
SK_RADIO_SETTER(ButtonVertAlign, ui::TTextLayout, m_buttonVertAlign)
SK_RADIO_SETTER(Ellipsis, bool, m_ellipsis)
SK_RADIO_SETTER(ShadowColor, drawing::TColor, m_shadowColor)
SK_RADIO_SETTER(ShadowOffset, int, m_shadowOffset)
SK_RADIO_SETTER(URLColor, drawing::TColor, m_urlColor)
SK_RADIO_SETTER(DisabledFontColor, drawing::TColor, m_disabledFontColor)
SK_RADIO_SETTER(ShowFocus, bool, m_showFocus)
SK_RADIO_SETTER(Themed, bool, m_themed)
SK_RADIO_SETTER(BiDiMode, TBiDiMode, m_biDiMode)
SK_RADIO_SETTER(Images, const smooth::HtmlImageList*, m_images)
SK_RADIO_SETTER(PictureContainer, const smooth::HtmlPictureContainer*, m_pictureContainer)
#undef SK_RADIO_SETTER

void TCustomAdvOfficeRadioButton::SetChecked(bool value) {
    if (value == m_checked) return;
    if (value) {
        checkFromGroup(!loading());
    } else {
        m_checked = false;
        SetTabStop(false);
        invalidate();
    }
}

// ---- The group rule ------------------------------------------------------------------

void TCustomAdvOfficeRadioButton::checkFromGroup(bool fireClick) {
    m_checked = true;
    SetTabStop(true);
    uncheckGroup();
    invalidate();
    if (fireClick) click();
}

void TCustomAdvOfficeRadioButton::uncheckGroup() {
    if (!Parent()) return;
    for (ui::Control* c : Parent()->children()) {
        auto* other = dynamic_cast<TCustomAdvOfficeRadioButton*>(c);
        if (!other || other == this || other->m_groupIndex != m_groupIndex || !other->m_checked) continue;
        other->m_checked = false;
        other->SetTabStop(false);
        other->invalidate();
    }
}

// ---- Mouse ---------------------------------------------------------------------

void TCustomAdvOfficeRadioButton::mouseDown(const ui::MouseArgs& args) {
    m_mousePressed = true;
    if (!Focused() && canFocus()) {
        // A left press checks through the focus silently; other buttons fire OnClick there.
        m_leftPressFocus = args.button == ui::MouseButton::Left;
        SetFocus();
        m_leftPressFocus = false;
    }
    const std::string anchor = Focused() ? anchorAt(args.pos) : std::string();
    if (!anchor.empty()) {
        followAnchor(anchor);
        return;
    }
    ui::CustomControl::mouseDown(args);
    m_down = true;
    invalidate();
}

void TCustomAdvOfficeRadioButton::mouseMove(const ui::MouseArgs& args) {
    ui::CustomControl::mouseMove(args);
    if (mouseCaptured()) {
        const bool down = insideInclusive(ClientRect(), args.pos);
        if (down != m_down) {
            m_down = down;
            invalidateMark();
        }
    }
    if (Focused()) setHoveredAnchor(anchorAt(args.pos));
}

void TCustomAdvOfficeRadioButton::mouseUp(const ui::MouseArgs& args) {
    const bool pressBegan = m_mousePressed;
    m_mousePressed = false;
    m_down = false;
    if (insideInclusive(ClientRect(), args.pos) && !m_checked && pressBegan) checkFromGroup(true);
    if (pressBegan) click();
    invalidate();
    ui::CustomControl::mouseUp(args);
}

void TCustomAdvOfficeRadioButton::mouseEnter() {
    ui::CustomControl::mouseEnter();
    m_hot = true;
    invalidateMark();
}

void TCustomAdvOfficeRadioButton::mouseLeave() {
    ui::CustomControl::mouseLeave();
    m_hot = false;
    setHoveredAnchor("");
    invalidateMark();
}

// ---- Links ---------------------------------------------------------------------

void TCustomAdvOfficeRadioButton::followAnchor(const std::string& anchor) {
    if (anchor.find("://") != std::string::npos || anchor.find("mailto:") != std::string::npos) {
        platform::currentPlatform().openUrl(anchor);
    } else if (OnAnchorClick) {
        OnAnchorClick(this, anchor);
    }
}

void TCustomAdvOfficeRadioButton::setHoveredAnchor(const std::string& anchor) {
    if (anchor == m_hoveredAnchor) return;
    const std::string old = m_hoveredAnchor;
    m_hoveredAnchor = anchor;
    if (!old.empty() && OnAnchorExit) OnAnchorExit(this, old);
    SetCursor(anchor.empty() ? ui::crDefault : ui::crHandPoint);
    if (!anchor.empty() && OnAnchorEnter) OnAnchorEnter(this, anchor);
}

// ---- Keys and focus ---------------------------------------------------------------

void TCustomAdvOfficeRadioButton::keyDown(int& key, ui::TShiftState shift) {
    ui::CustomControl::keyDown(key, shift);
    if (key == platform::vk::Space) {
        m_down = true;
        invalidateMark();
    } else if (key == platform::vk::Return && m_returnIsTab) {
        key = 0;
        if (ui::Form* form = parentForm()) form->selectNext(this, true, true);
    }
}

void TCustomAdvOfficeRadioButton::keyUp(int& key, ui::TShiftState shift) {
    ui::CustomControl::keyUp(key, shift);
    if (key != platform::vk::Space) return;
    m_down = false;
    if (!m_checked) checkFromGroup(true);
    invalidateMark();
}

void TCustomAdvOfficeRadioButton::focusEnter() {
    m_focused = true;
    if (!m_checked) checkFromGroup(!m_leftPressFocus && !loading());
    invalidate();
    ui::CustomControl::focusEnter();
}

void TCustomAdvOfficeRadioButton::focusExit() {
    m_focused = false;
    invalidate();
    ui::CustomControl::focusExit();
}

bool TCustomAdvOfficeRadioButton::dialogChar(char32_t ch, ui::TShiftState shift) {
    if (isAccel(ch, Caption()) && canFocus()) {
        if (!m_checked) checkFromGroup(true);
        if (TabStop()) SetFocus();
        return true;
    }
    return ui::CustomControl::dialogChar(ch, shift);
}

void TCustomAdvOfficeRadioButton::enabledChanged() {
    ui::CustomControl::enabledChanged();
    invalidate();
}

void TCustomAdvOfficeRadioButton::textChanged() {
    ui::CustomControl::textChanged();
    invalidate();
}

void TCustomAdvOfficeRadioButton::fontChanged() {
    ui::CustomControl::fontChanged();
    invalidate();
}

// ---- Layout ------------------------------------------------------------------------

bool TCustomAdvOfficeRadioButton::markOnRight() const {
    return m_alignment == ui::taRightJustify || m_biDiMode == bdRightToLeft;
}

RadioMark TCustomAdvOfficeRadioButton::mark() const {
    const int variant = m_down ? 2 : (m_hot ? 1 : 0);
    return static_cast<RadioMark>((m_checked ? 3 : 0) + variant);
}

Rect TCustomAdvOfficeRadioButton::markRect() const {
    const int x = markOnRight() ? Width() - kMarkSize - 1 : 0;
    int y = 4;
    if (m_buttonVertAlign == ui::tlCenter) y = Height() / 2 - kMarkSize / 2;
    if (m_buttonVertAlign == ui::tlBottom) y = Height() - kMarkSize - 2;
    return {x, y, kMarkSize, kMarkSize};
}

Rect TCustomAdvOfficeRadioButton::captionArea() const {
    Rect r = ClientRect();
    if (markOnRight()) {
        r.width -= kCaptionLeft;
    } else {
        r.left = kCaptionLeft;
        r.width -= kCaptionLeft;
    }
    r.top += kCaptionTop;
    r.height -= kCaptionTop;
    return r;
}

drawing::Size TCustomAdvOfficeRadioButton::captionSize() const {
    drawing::Bitmap scratch(1, 1);
    drawing::Canvas canvas(scratch);
    const CaptionLayout layout = renderCaption(canvas, captionArea(), true, {-1, -1}, Font()->Color());
    return {layout.width, layout.height};
}

Rect TCustomAdvOfficeRadioButton::captionRect() const {
    Rect r = captionArea();
    const drawing::Size size = captionSize();
    const int bottom = r.bottom();
    if (m_biDiMode == bdRightToLeft) {
        const int right = r.right();
        r.left = right - size.width - 3;
        r.width = right - r.left;
    }
    if (m_buttonVertAlign == ui::tlCenter) r.top = r.top + (bottom - r.top - size.height) / 2 - 3;
    if (m_buttonVertAlign == ui::tlBottom) r.top = bottom - size.height - 3;
    r.height = bottom - r.top;
    return r;
}

std::string TCustomAdvOfficeRadioButton::anchorAt(Point p) const {
    drawing::Bitmap scratch(1, 1);
    drawing::Canvas canvas(scratch);
    return renderCaption(canvas, captionRect(), true, p, Font()->Color()).anchor;
}

const drawing::Bitmap* TCustomAdvOfficeRadioButton::markPicture(RadioMark mark) {
    static const std::array<std::optional<drawing::Bitmap>, 6> pictures = [] {
        std::array<std::optional<drawing::Bitmap>, 6> loaded;
        for (std::size_t i = 0; i < kMarkResources.size(); ++i) {
            const auto bytes = platform::findResource(kMarkResources[i]);
            if (!bytes) continue;
            if (auto image = drawing::Image::fromBytes(*bytes)) loaded[i] = image->bitmap();
        }
        return loaded;
    }();
    const auto& picture = pictures.at(static_cast<std::size_t>(mark));
    return picture ? &*picture : nullptr;
}

// ---- Painting ------------------------------------------------------------------------

TCustomAdvOfficeRadioButton::CaptionLayout TCustomAdvOfficeRadioButton::renderCaption(
    drawing::Canvas& canvas, const Rect& r, bool measureOnly, Point hit, drawing::TColor color) const {
    canvas.font() = Font()->canvasFont();
    canvas.font().color = color;
    smooth::HtmlTextOptions options;
    options.rect = r;
    options.measureOnly = measureOnly;
    options.wordWrap = !m_ellipsis;
    options.linkColor = m_urlColor;
    options.shadowColor = m_shadowColor;
    options.shadowOffset = m_shadowOffset;
    options.hitPoint = hit;
    options.images = m_images;
    options.pictures = m_pictureContainer;
    options.pictureCache = &m_pictureCache;
    const smooth::HtmlTextResult result = smooth::DrawHtmlText(canvas, Caption(), options);
    return {result.width, result.height, result.onLink ? result.anchor : std::string()};
}

void TCustomAdvOfficeRadioButton::paint(const ui::PaintSurface& surface) {
    paintParentBackground(surface);
    drawing::Canvas canvas = surface.canvas();
    if (const drawing::Bitmap* picture = markPicture(mark())) {
        const Rect source{0, 0, picture->width(), picture->height()};
        const drawing::TColor transparent = drawing::argbToColor(picture->pixel(0, picture->height() - 1));
        canvas.drawTransparent(markRect(), *picture, source, transparent);
    }
    // A hot change repaints only the mark: the caption is laid out only when the
    // repainted area reaches it or the focus frame, which runs past the mark.
    const bool focusShown = m_focused && m_checked && TabStop() && m_showFocus;
    if (!focusShown && surface.clipRect().intersected(captionArea()).empty()) return;
    const Rect caption = captionRect();
    if (enabledWithParents()) {
        renderCaption(canvas, caption, false, {-1, -1}, Font()->Color());
    } else {
        renderCaption(canvas, caption.translated(1, 1), false, {-1, -1}, drawing::clWhite);
        renderCaption(canvas, caption, false, {-1, -1}, m_disabledFontColor);
    }
    if (focusShown) {
        const drawing::Size size = captionSize();
        dottedFrame(canvas, Rect::fromEdges(0, caption.top - 1, caption.left + size.width + 1, Height() - 1),
                    Font()->Color());
    }
}

}  // namespace sk::office
