// The smooth label: properties, streaming and painting.
#include "controls/smooth/AdvSmoothLabel.h"

#include "controls/smooth/CaptionFont.h"
#include "controls/smooth/CaptionGlyphBrush.h"
#include "drawing/Font.h"
#include "drawing/Graphics.h"
#include "drawing/StringFormat.h"
#include "drawing/TextMeasurer.h"

namespace sk::smooth {

using L = TAdvSmoothLabel;

namespace {
const ui::EnumNames kTextRenderingNames{"TTextRenderingHint", {"tAntiAlias", "tClearType"}};
}

const ui::ClassInfo& L::staticClassInfo() {
    static const ui::ClassInfo info =
        ui::ClassBuilder<L>("TAdvSmoothLabel", &ui::GraphicControl::staticClassInfo())
            .creatable()
            .object("Fill", &L::Fill)
            .object("Caption", &L::Caption)
            .object("CaptionShadow", &L::CaptionShadow)
            .boolean("CaptionShadowVisible", &L::CaptionShadowVisible, &L::SetCaptionShadowVisible, false)
            .integer("CaptionShadowOffsetLeft", &L::CaptionShadowOffsetLeft, &L::SetCaptionShadowOffsetLeft,
                     1LL)
            .integer("CaptionShadowOffsetTop", &L::CaptionShadowOffsetTop, &L::SetCaptionShadowOffsetTop, 1LL)
            .string("Version", &L::Version, &L::SetVersion, std::string(kVersion))
            .boolean("Transparent", &L::Transparent, &L::SetTransparent, true)
            .boolean("WordWrap", &L::WordWrap, &L::SetWordWrap, false)
            .enumeration("TextRendering", &L::TextRendering, &L::SetTextRendering, tAntiAlias,
                         kTextRenderingNames)
            .event("OnChange", &L::OnChange)
            .build();
    return info;
}
const ui::ClassInfo& L::classInfo() const {
    return staticClassInfo();
}

L::TAdvSmoothLabel(ui::Component* owner)
    : ui::GraphicControl(owner),
      m_fill(std::make_unique<TGDIPFill>()),
      m_caption(std::make_unique<TAdvSmoothLabelCaption>()),
      m_captionShadow(std::make_unique<TAdvSmoothLabelCaption>()) {
    SetBounds(0, 0, 280, 50);
    m_fill->setChangeHandler([this](ui::Persistent*) { appearanceChanged(); });
    m_caption->setChangeHandler([this](ui::Persistent*) { appearanceChanged(); });
    m_captionShadow->setChangeHandler([this](ui::Persistent*) { appearanceChanged(); });
}

L::~TAdvSmoothLabel() = default;

void L::appearanceChanged() {
    if (m_assigning) return;
    invalidate();
    if (OnChange && !loading()) OnChange(this);
}

void L::Assign(const TAdvSmoothLabel& source) {
    if (&source == this) return;
    m_assigning = true;
    m_fill->assign(*source.m_fill);
    m_caption->assign(*source.m_caption);
    m_captionShadow->assign(*source.m_captionShadow);
    m_transparent = source.m_transparent;
    m_wordWrap = source.m_wordWrap;
    m_textRendering = source.m_textRendering;
    m_captionShadowVisible = source.m_captionShadowVisible;
    m_shadowOffsetLeft = source.m_shadowOffsetLeft;
    m_shadowOffsetTop = source.m_shadowOffsetTop;
    m_assigning = false;
    appearanceChanged();
}

void L::placedInDesigner() {
    if (loading()) return;
    m_caption->SetText(kDesignerText);
    m_captionShadow->SetText(kDesignerText);
}

void L::paint(const ui::PaintSurface& surface) {
    if (Width() < 2 || Height() < 2 || !surface.target) return;
    drawing::Graphics g(*surface.target);
    surface.prepare(g);
    // The library's default smoothing: only the fill's rounded shapes are smoothed.
    drawing::RectF content{0, 0, static_cast<float>(Width() - 1), static_cast<float>(Height() - 1)};
    if (!m_transparent) content = m_fill->PaintFill(g, content);
    if (m_captionShadowVisible && !m_captionShadow->Text().empty())
        drawCaption(g, *m_captionShadow, static_cast<float>(m_shadowOffsetLeft),
                    static_cast<float>(m_shadowOffsetTop), content.width, content.height);
    if (!m_caption->Text().empty()) drawCaption(g, *m_caption, 0, 0, content.width, content.height);
}

drawing::PointF L::captionPosition(const TAdvSmoothLabelCaption& caption, float tw, float th, float w,
                                   float h) const {
    // A custom place of the main caption holds for both texts, so the shadow
    // follows it; a custom shadow under a placed caption keeps its own place.
    if (m_caption->Location() == plCustom)
        return {static_cast<float>(m_caption->Left()), static_cast<float>(m_caption->Top())};
    const float sx = w - tw, sy = h - th;
    switch (caption.Location()) {
        case plTopLeft:
            return {0, 0};
        case plTopCenter:
            return {sx / 2, 0};
        case plTopRight:
            return {sx, 0};
        case plCenterLeft:
            return {0, sy / 2};
        case plCenterCenter:
            return {sx / 2, sy / 2};
        case plCenterRight:
            return {sx, sy / 2};
        case plBottomLeft:
            return {0, sy};
        case plBottomCenter:
            return {sx / 2, sy};
        case plBottomRight:
            return {sx, sy};
        case plCustom:
            break;
    }
    return {static_cast<float>(caption.Left()), static_cast<float>(caption.Top())};
}

void L::drawCaption(drawing::Graphics& g, const TAdvSmoothLabelCaption& caption, float dx, float dy, float w,
                    float h) const {
    const drawing::Font textFont = captionFont(*caption.Font());

    const drawing::StringFormat format(m_wordWrap ? 0 : drawing::StringFormatFlagsNoWrap);
    const drawing::RectF measured =
        drawing::TextMeasurer::shared().measureString(caption.Text(), textFont, {0, 0, w, h}, format).box;
    const drawing::PointF at = captionPosition(caption, measured.width, measured.height, w, h);
    const float x = at.x + dx, y = at.y + dy;

    g.setTextRenderingHint(m_textRendering == tClearType ? drawing::TextRenderingHint::ClearTypeGridFit
                                                         : drawing::TextRenderingHint::AntiAliasGridFit);
    const auto brush = captionGlyphBrush(caption.GradientType(), caption.startARGB(), caption.endARGB(),
                                         caption.HatchStyle(), *caption.Picture(),
                                         {x, y, measured.width, measured.height}, {Width(), Height()});
    if (!brush) return;
    g.drawString(caption.Text(), textFont, {x, y, w - x, h - y}, format, *brush);
}

}  // namespace sk::smooth
