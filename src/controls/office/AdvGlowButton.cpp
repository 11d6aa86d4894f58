// The glow button: behaviour (press, track, release, keys, fade timer) first,
// then the painter of the face and the caption.
#include "controls/office/AdvGlowButton.h"

#include "drawing/Brush.h"
#include "drawing/Color.h"
#include "drawing/Font.h"
#include "drawing/Graphics.h"
#include "drawing/GraphicsPath.h"
#include "drawing/Pen.h"
#include "drawing/StringFormat.h"
#include "ui/Form.h"

namespace sk::office {

using drawing::ARGB;
using drawing::Bitmap;
using drawing::Rect;
using drawing::RectF;

namespace {

const ui::EnumNames kAntiAliasNames{"TAntiAlias", {"aaNone", "aaClearType", "aaAntiAlias"}};
const ui::EnumNames kBorderStyleNames{"TBorderStyle", {"bsNone", "bsSingle"}};
const ui::EnumNames kFocusTypeNames{"TFocusType", {"ftBorder", "ftHot", "ftHotBorder", "ftNone"}};
const ui::EnumNames kPositionNames{"TButtonPosition", {"bpStandalone", "bpLeft", "bpMiddle", "bpRight"}};
const ui::EnumNames kStyleNames{"TAdvButtonStyle", {"bsButton", "bsCheck"}};
const ui::EnumNames kLayoutNames{"TButtonLayout",
                                 {"blGlyphLeft", "blGlyphTop", "blGlyphRight", "blGlyphBottom", "blGlyphLeftAdjusted",
                                  "blGlyphRightAdjusted", "blGlyphTopAdjusted", "blGlyphBottomAdjusted"}};
const ui::EnumNames kTrimmingNames{"StringTrimming",
                                   {"StringTrimmingNone", "StringTrimmingCharacter", "StringTrimmingWord",
                                    "StringTrimmingEllipsisCharacter", "StringTrimmingEllipsisWord",
                                    "StringTrimmingEllipsisPath"}};

constexpr drawing::TColor kFocusOuterColor = 14986633;  // RGB(137, 173, 228)
constexpr drawing::TColor kFocusDotColor = 0x808080;
constexpr drawing::TColor kDisabledCaptionColor = 0x808080;

ARGB opaque(TColor colour) { return drawing::ColorToARGB(255, colour); }

drawing::GraphicsPath roundedOutline(float left, float top, float width, float height, float radius) {
    drawing::GraphicsPath path;
    if (radius <= 0) {
        path.addRectangle({left, top, width, height});
        return path;
    }
    const float d = 2 * radius;
    path.addArc(left, top, d, d, 180, 90);
    path.addArc(left + width - d, top, d, d, 270, 90);
    path.addArc(left + width - d, top + height - d, d, d, 0, 90);
    path.addArc(left, top + height - d, d, d, 90, 90);
    path.closeFigure();
    return path;
}

}  // namespace

const ui::ClassInfo& TAdvGlowButton::staticClassInfo() {
    using B = TAdvGlowButton;
    static const ui::ClassInfo info =
        ui::ClassBuilder<B>("TAdvGlowButton", &ui::CustomControl::staticClassInfo())
            .creatable()
            .string("Caption", &B::Caption, &B::SetCaption)
            .enumeration("AntiAlias", &B::AntiAlias, &B::SetAntiAlias, aaClearType, kAntiAliasNames)
            .object("Appearance", &B::Appearance)
            .enumeration("BorderStyle", &B::BorderStyle, &B::SetBorderStyle, ui::bsSingle, kBorderStyleNames)
            .boolean("Rounded", &B::Rounded, &B::SetRounded, true)
            .boolean("WordWrap", &B::WordWrap, &B::SetWordWrap, true)
            .integer("Spacing", &B::Spacing, &B::SetSpacing, 2LL)
            .boolean("ShowCaption", &B::ShowCaption, &B::SetShowCaption, true)
            .boolean("ShowDisabled", &B::ShowDisabled, &B::SetShowDisabled, true)
            .enumeration("FocusType", &B::FocusType, &B::SetFocusType, ftBorder, kFocusTypeNames)
            .enumeration("Position", &B::Position, &B::SetPosition, bpStandalone, kPositionNames)
            .enumeration("Style", &B::Style, &B::SetStyle, bsButton, kStyleNames)
            .integer("GroupIndex", &B::GroupIndex, &B::SetGroupIndex, 0LL)
            .boolean("Down", &B::Down, &B::SetDown, false)
            .boolean("AllowAllUp", &B::AllowAllUp, &B::SetAllowAllUp, false)
            .boolean("Transparent", &B::Transparent, &B::SetTransparent, false)
            .enumeration("Trimming", &B::Trimming, &B::SetTrimming, StringTrimmingNone, kTrimmingNames)
            .enumeration("Layout", &B::Layout, &B::SetLayout, blGlyphLeft, kLayoutNames)
            .boolean("Default", &B::Default, &B::SetDefault, false)
            .boolean("Cancel", &B::Cancel, &B::SetCancel, false)
            .integer("ModalResult", &B::ModalResult, &B::SetModalResult, 0LL)
            .integer("MarginHorz", &B::MarginHorz, &B::SetMarginHorz, 1LL)
            .integer("MarginVert", &B::MarginVert, &B::SetMarginVert, 1LL)
            .object("NotesFont", &B::NotesFont)
            .event("OnDrawButton", &B::OnDrawButton)
            .build();
    return info;
}
const ui::ClassInfo& TAdvGlowButton::classInfo() const { return staticClassInfo(); }

TAdvGlowButton::TAdvGlowButton(ui::Component* owner)
    : ui::CustomControl(owner),
      m_appearance(std::make_unique<TGlowButtonAppearance>()),
      m_notesFont(std::make_unique<ui::TFont>()) {
    m_appearance->setChangeHandler([this](ui::Persistent*) { invalidate(); });
    m_notesFont->SetName("Tahoma");
    m_notesFont->SetHeight(-11);
    m_notesFont->setChangeHandler([this](ui::Persistent*) { invalidate(); });
    SetBounds(0, 0, 100, 41);
    setClickEvents(false);  // the button decides about its clicks itself
}

TAdvGlowButton::~TAdvGlowButton() {
    if (m_fadeTimer) stopTimer(m_fadeTimer);
}

// ---- Properties --------------------------------------------------------------

#define SK_GLOW_SETTER(Name, Type, member) \
    void TAdvGlowButton::Set##Name(Type value) { \
        if (value == member) return;             \
        member = value;                          \
        invalidate();                            \
    }

SK_GLOW_SETTER(AntiAlias, TAntiAlias, m_antiAlias)
SK_GLOW_SETTER(BorderStyle, ui::TBorderStyle, m_borderStyle)
SK_GLOW_SETTER(Rounded, bool, m_rounded)
SK_GLOW_SETTER(WordWrap, bool, m_wordWrap)
SK_GLOW_SETTER(Spacing, int, m_spacing)
SK_GLOW_SETTER(ShowCaption, bool, m_showCaption)
SK_GLOW_SETTER(ShowDisabled, bool, m_showDisabled)
SK_GLOW_SETTER(FocusType, TFocusType, m_focusType)
SK_GLOW_SETTER(Position, TButtonPosition, m_position)
SK_GLOW_SETTER(Transparent, bool, m_transparent)
SK_GLOW_SETTER(Trimming, StringTrimming, m_trimming)
SK_GLOW_SETTER(Layout, TButtonLayout, m_layout)
#undef SK_GLOW_SETTER

void TAdvGlowButton::SetStyle(TAdvButtonStyle value) {
    if (value == m_style) return;
    m_style = value;
    updateState();
    invalidate();
}

void TAdvGlowButton::SetGroupIndex(int value) {
    if (value == m_groupIndex) return;
    m_groupIndex = value;
    updateState();
    invalidate();
}

void TAdvGlowButton::SetDown(bool value) {
    if (value == m_down) return;
    m_down = value;
    if (m_down) releaseGroup();
    m_state = (m_down && m_groupIndex != 0 && m_style == bsButton) ? GlowState::Checked : GlowState::Up;
    updateState();
    invalidate();
}

void TAdvGlowButton::releaseGroup() {
    if (m_groupIndex == 0 || !Parent()) return;
    for (ui::Control* c : Parent()->children()) {
        auto* b = dynamic_cast<TAdvGlowButton*>(c);
        if (!b || b == this || b->m_groupIndex != m_groupIndex || !b->m_down) continue;
        b->m_down = false;
        b->m_state = GlowState::Up;
        b->updateState();
        b->invalidate();
    }
}

// ---- State -------------------------------------------------------------------

GlowPaintInputs TAdvGlowButton::paintInputs() const {
    GlowPaintInputs in;
    in.state = m_state;
    in.enabled = Enabled();
    in.showDisabled = m_showDisabled;
    in.style = m_style;
    in.down = m_down;
    in.groupIndex = m_groupIndex;
    in.hot = m_fade.hot();
    in.pressed = m_fade.pressed();
    in.mouseHeld = m_fade.mouseHeld();
    in.fadeRunning = m_fadeTimer != 0;
    in.hoverPercent = m_fade.hoverPercent();
    in.pressPercent = m_fade.pressPercent();
    in.transparent = m_transparent;
    in.position = m_position;
    in.focused = m_focused;
    in.focusType = m_focusType;
    return in;
}

void TAdvGlowButton::updateState() {
    m_state = normalisedState(paintInputs());
    if (m_state == GlowState::Disabled) m_tracking = false;
}

GlowColorSet TAdvGlowButton::currentColors() const { return m_appearance->colourSetFor(paintInputs()); }

bool TAdvGlowButton::isActiveDefault() const {
    if (m_focused) return true;
    const ui::Form* form = parentForm();
    const ui::WinControl* active = form ? form->ActiveControl() : nullptr;
    return m_default && !dynamic_cast<const TAdvGlowButton*>(active);
}

void TAdvGlowButton::startFadeTimer() {
    if (m_fade.timerWanted() && !m_fadeTimer) m_fadeTimer = startTimer(GlowFade::IntervalMs, [this] { fadeTick(); });
}

void TAdvGlowButton::fadeTick() {
    const bool repaint = m_fade.tick();
    if (!m_fade.timerWanted() && m_fadeTimer) {
        stopTimer(m_fadeTimer);
        m_fadeTimer = 0;
    }
    if (repaint) invalidate();
}

void TAdvGlowButton::doClick() {
    if (m_groupIndex != 0 && m_style == bsButton) SetDown(!(m_down && m_allowAllUp));
    if (ui::Form* form = parentForm()) form->SetModalResult(m_modalResult);
    click();
}

// ---- Mouse -------------------------------------------------------------------

void TAdvGlowButton::mouseDown(const ui::MouseArgs& args) {
    ui::CustomControl::mouseDown(args);
    if (args.button != ui::MouseButton::Left || !Enabled()) return;
    if (TabStop() && canFocus() && !Focused()) SetFocus();
    m_fade.press();
    startFadeTimer();
    m_tracking = true;
    if (m_style == bsCheck) {
        m_down = !m_down;
        if (m_down) releaseGroup();
        m_state = GlowState::Down;
    } else {
        m_state = GlowState::Down;
    }
    invalidate();
}

void TAdvGlowButton::mouseMove(const ui::MouseArgs& args) {
    ui::CustomControl::mouseMove(args);
    if (!m_tracking) return;
    const bool inside = ClientRect().contains(args.pos);
    GlowState next = inside ? GlowState::Down : GlowState::Up;
    if (m_down && m_style == bsCheck) next = GlowState::Down;
    if (m_down && m_style == bsButton && m_groupIndex != 0) next = GlowState::Checked;
    if (next == m_state) return;
    m_state = next;
    invalidate();
}

void TAdvGlowButton::mouseUp(const ui::MouseArgs& args) {
    ui::CustomControl::mouseUp(args);
    if (args.button != ui::MouseButton::Left) return;
    const bool pressBegan = m_tracking;
    m_fade.release();
    startFadeTimer();
    if (m_tracking) {
        m_tracking = false;
        m_state = GlowState::Up;
        updateState();
        // The framework sends the leave after the release when the pointer is outside.
        invalidate();
    }
    if (pressBegan && ClientRect().contains(args.pos)) doClick();
}

void TAdvGlowButton::mouseEnter() {
    if (m_fade.hot()) return;
    ui::CustomControl::mouseEnter();
    m_fade.enter();
    startFadeTimer();
    invalidate();
}

void TAdvGlowButton::mouseLeave() {
    if (!m_fade.hot()) return;
    ui::CustomControl::mouseLeave();
    m_fade.leave();
    invalidate();
    startFadeTimer();
}

// ---- Keyboard and focus --------------------------------------------------------

void TAdvGlowButton::keyDown(int& key, ui::TShiftState shift) {
    ui::CustomControl::keyDown(key, shift);
    if (key == platform::vk::Space) {
        m_fade.setPressed(true);
        m_state = GlowState::Down;
        invalidate();
    }
}

void TAdvGlowButton::keyUp(int& key, ui::TShiftState shift) {
    ui::CustomControl::keyUp(key, shift);
    if (!m_fade.pressed() && m_state != GlowState::Down) return;
    m_fade.clearPressed();
    m_state = GlowState::Up;
    updateState();
    invalidate();
}

void TAdvGlowButton::keyPress(char32_t& ch) {
    ui::CustomControl::keyPress(ch);
    if (ch == U' ') doClick();
}

void TAdvGlowButton::focusEnter() {
    m_focused = true;
    invalidate();
    ui::CustomControl::focusEnter();
}

void TAdvGlowButton::focusExit() {
    m_focused = false;
    m_fade.clearPressed();
    m_state = GlowState::Up;
    updateState();
    invalidate();
    ui::CustomControl::focusExit();
}

bool TAdvGlowButton::dialogKey(int key, ui::TShiftState shift) {
    const bool enter = key == platform::vk::Return && shift == 0 && isActiveDefault();
    const bool escape = key == platform::vk::Escape && m_cancel;
    if ((enter || escape) && canFocus()) {
        doClick();
        m_state = GlowState::Up;
        updateState();
        invalidate();
        return true;
    }
    return ui::CustomControl::dialogKey(key, shift);
}

bool TAdvGlowButton::dialogChar(char32_t ch, ui::TShiftState shift) {
    if ((shift & platform::ModAlt) && isAccel(ch, Caption()) && canFocus()) {
        doClick();
        return true;
    }
    return ui::CustomControl::dialogChar(ch, shift);
}

void TAdvGlowButton::enabledChanged() {
    ui::CustomControl::enabledChanged();
    updateState();
    invalidate();
}

void TAdvGlowButton::textChanged() {
    ui::CustomControl::textChanged();
    invalidate();
}

void TAdvGlowButton::fontChanged() {
    ui::CustomControl::fontChanged();
    invalidate();
}

// ---- Painting ------------------------------------------------------------------

std::string TAdvGlowButton::captionFace() const {
    // The system face of the classic platform; ours offers no locale function
    // that would choose the newer face.
    if (!ParentFont() && m_appearance->SystemFont()) return "Tahoma";
    return Font()->Name();
}

std::string TAdvGlowButton::captionLines(const std::string& caption) {
    std::string out;
    out.reserve(caption.size());
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '\\' && i + 1 < caption.size() && caption[i + 1] == 'n') {
            out += '\n';
            ++i;
        } else {
            out += caption[i];
        }
    }
    return out;
}

void TAdvGlowButton::paint(const ui::PaintSurface& surface) {
    const Bitmap background = readBackPixels(ClientRect());
    Bitmap buffer = background;
    paintFace(buffer, background);
    if (OnDrawButton) {
        drawing::Canvas canvas(buffer);
        const TGlowButtonState st = m_state == GlowState::Down ? gsDown : (m_fade.hot() ? gsHot : gsNormal);
        OnDrawButton(this, canvas, ClientRect(), st);
    }
    surface.blit(buffer, {0, 0});
}

void TAdvGlowButton::paintFace(Bitmap& buffer, const Bitmap& background) const {
    const int w = Width(), h = Height();
    if (w <= 0 || h <= 0) return;
    const int h2 = h / 2;
    const GlowColorSet colours = currentColors();
    const bool shownHotForFocus = m_focused && (m_focusType == ftHot || m_focusType == ftHotBorder);
    const bool transparentFace = m_transparent && !m_fade.hot() && !shownHotForFocus && m_state != GlowState::Down;

    bool smoothCaption = false;
    {
        drawing::Graphics g(buffer);
        if (!transparentFace) {
            paintGlowPart(g, {0, h2 - 1, w, h}, colours.mirror, colours.mirrorTo, colours.mirror, colours.mirrorKind,
                          GlowPartKind::Mirror);
            paintGlowPart(g, {0, 0, w, h - h2}, colours.upper, colours.upper, colours.upperTo, colours.upperKind,
                          GlowPartKind::Upper);
        }
        g.setSmoothingMode(drawing::SmoothingMode::AntiAlias);
        const float radius = m_rounded ? 3.0f : 0.0f;
        if (m_borderStyle == ui::bsSingle && !transparentFace)
            g.drawPath(drawing::Pen(opaque(colours.border)),
                       roundedOutline(0, 0, static_cast<float>(w - 1), static_cast<float>(h - 1), radius));
        if (m_focused && (m_focusType == ftBorder || m_focusType == ftHotBorder)) {
            g.drawPath(drawing::Pen(opaque(kFocusOuterColor)),
                       roundedOutline(1, 1, static_cast<float>(w - 3), static_cast<float>(h - 3), radius));
            drawing::Pen dots(opaque(kFocusDotColor));
            dots.setDashStyle(drawing::DashStyle::Dot);
            g.drawPath(dots, roundedOutline(2, 2, static_cast<float>(w - 5), static_cast<float>(h - 5), radius));
        }
        smoothCaption = paintSmoothCaption(g);
    }
    if (!smoothCaption) paintPlainCaption(buffer);

    // The corners outside the rounded outline show the parent again.
    if (m_rounded && Parent() && (!m_transparent || m_fade.hot() || m_state == GlowState::Down)) {
        const bool left = m_position == bpStandalone || m_position == bpLeft;
        const bool right = m_position == bpStandalone || m_position == bpRight;
        auto restore = [&](int x, int y) { buffer.setPixel(x, y, background.pixel(x, y)); };
        if (left) {
            restore(0, 0);
            restore(0, h - 1);
        }
        if (right) {
            restore(w - 1, 0);
            restore(w - 1, h - 1);
        }
    }
}

drawing::CanvasFont TAdvGlowButton::captionCanvasFont() const {
    drawing::CanvasFont canvasFont = Font()->canvasFont();
    canvasFont.name = captionFace();
    canvasFont.color = Enabled() ? Font()->Color() : kDisabledCaptionColor;
    return canvasFont;
}

const TAdvGlowButton::CaptionFont& TAdvGlowButton::captionFont() const {
    const std::string face = captionFace();
    const int height = Font()->Height();
    const unsigned style = Font()->Style();
    if (m_captionFont && m_captionFont->face == face && m_captionFont->height == height &&
        m_captionFont->style == style)
        return *m_captionFont;
    CaptionFont cached;
    cached.face = face;
    cached.height = height;
    cached.style = style;
    cached.outline = captionCanvasFont().isTrueType();
    if (cached.outline) {
        drawing::FontFamily family(face);
        if (family.status() != drawing::Status::Ok) family = drawing::FontFamily("Arial");
        int gdipStyle = drawing::FontStyleRegular;
        if (Font()->hasStyle(ui::fsBold)) gdipStyle |= drawing::FontStyleBold;
        if (Font()->hasStyle(ui::fsItalic)) gdipStyle |= drawing::FontStyleItalic;
        if (Font()->hasStyle(ui::fsUnderline)) gdipStyle |= drawing::FontStyleUnderline;
        drawing::Font font(family, static_cast<float>(Font()->Size()), gdipStyle);
        if (font.status() != drawing::Status::Ok)
            font = drawing::Font(drawing::FontFamily("Arial"), static_cast<float>(Font()->Size()), gdipStyle);
        cached.font = font;
    }
    m_captionFont = std::move(cached);
    return *m_captionFont;
}

bool TAdvGlowButton::paintSmoothCaption(drawing::Graphics& g) const {
    const std::string text = captionLines(Caption());
    if (!m_showCaption || text.empty()) return true;
    if (m_antiAlias == aaNone) return false;
    const CaptionFont& font = captionFont();
    if (!font.outline || !font.font) return false;

    drawing::StringFormat format(m_wordWrap ? 0 : drawing::StringFormatFlagsNoWrap);
    drawing::StringAlignment horizontal = drawing::StringAlignment::Center;
    if (m_layout == blGlyphLeftAdjusted) horizontal = drawing::StringAlignment::Near;
    if (m_layout == blGlyphRightAdjusted) horizontal = drawing::StringAlignment::Far;
    drawing::StringAlignment vertical = drawing::StringAlignment::Center;
    if (m_layout == blGlyphTopAdjusted) vertical = drawing::StringAlignment::Near;
    if (m_layout == blGlyphBottomAdjusted) vertical = drawing::StringAlignment::Far;
    format.setAlignment(horizontal);
    format.setLineAlignment(vertical);
    format.setHotkeyPrefix(drawing::HotkeyPrefix::Show);
    format.setTrimming(static_cast<drawing::StringTrimming>(m_trimming));

    g.setTextRenderingHint(m_antiAlias == aaClearType ? drawing::TextRenderingHint::ClearTypeGridFit
                                                      : drawing::TextRenderingHint::AntiAlias);
    // No glyph is built, so the caption has the whole face but a pixel at each side.
    const RectF layout{1.0f, 0.0f, static_cast<float>(Width() - 2), static_cast<float>(Height())};
    const drawing::TColor colour = Enabled() ? Font()->Color() : kDisabledCaptionColor;
    g.drawString(text, *font.font, layout, format, drawing::SolidBrush(opaque(colour)));
    return true;
}

void TAdvGlowButton::paintPlainCaption(Bitmap& buffer) const {
    // Plain window text for raster faces and without anti-aliasing.
    const std::string text = captionLines(Caption());
    if (!m_showCaption || text.empty()) return;
    const int w = Width(), h = Height();
    drawing::Canvas canvas(buffer);
    canvas.font() = captionCanvasFont();
    canvas.brush().style = drawing::CanvasBrush::Style::Clear;
    if (m_wordWrap) {
        Rect measure{0, 0, w, h};
        const int textHeight =
            canvas.drawText(text, measure, drawing::DT_CALCRECT | drawing::DT_WORDBREAK | drawing::DT_CENTER);
        canvas.drawText(text, Rect{0, (h - textHeight) / 2, w, textHeight}, drawing::DT_WORDBREAK | drawing::DT_CENTER);
    } else {
        canvas.drawText(text, Rect{0, 0, w, h}, drawing::DT_SINGLELINE | drawing::DT_VCENTER | drawing::DT_CENTER);
    }
}

}  // namespace sk::office
