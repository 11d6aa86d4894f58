// The smooth panel: properties, the cached rendering of its body, caption and
// paragraph, and the paragraph's links.
#include "controls/smooth/AdvSmoothPanel.h"

#include "controls/smooth/CaptionFont.h"
#include "controls/smooth/CaptionGlyphBrush.h"
#include "controls/smooth/SmoothPanelLayout.h"
#include "drawing/Graphics.h"
#include "drawing/Pen.h"
#include "drawing/StringFormat.h"
#include "drawing/TextMeasurer.h"

namespace sk::smooth {

namespace {

// The paragraph is laid out in an area of unlimited height: its bottom is far below any panel.
constexpr int kParagraphAreaBottom = 10000;
// The paragraph's lines are 2 pixels further apart than its fonts alone would set them.
constexpr int kParagraphLineSpacing = 2;

drawing::TextRenderingHint renderingHint(TAdvSmoothPanelCaption::TAdvSmoothPanelTextRenderingHint hint) {
    switch (hint) {
        case TAdvSmoothPanelCaption::tAntiAlias:
            return drawing::TextRenderingHint::AntiAlias;
        case TAdvSmoothPanelCaption::tClearType:
            return drawing::TextRenderingHint::ClearTypeGridFit;
        case TAdvSmoothPanelCaption::tAntiAliasGridFit:
            break;
    }
    return drawing::TextRenderingHint::AntiAliasGridFit;
}

}  // namespace

const ui::ClassInfo& TAdvSmoothPanel::staticClassInfo() {
    using P = TAdvSmoothPanel;
    static const ui::ClassInfo info =
        ui::ClassBuilder<P>("TAdvSmoothPanel", &ui::CustomControl::staticClassInfo())
            .creatable()
            .boolean("Transparent", &P::Transparent, &P::SetTransparent, true)
            .object("Caption", &P::Caption)
            .object("Fill", &P::Fill)
            .string("Version", &P::Version, &P::SetVersion, std::string(kVersion))
            .event("OnAnchorClick", &P::OnAnchorClick)
            .event("OnDraw", &P::OnDraw)
            .build();
    return info;
}
const ui::ClassInfo& TAdvSmoothPanel::classInfo() const {
    return staticClassInfo();
}

TAdvSmoothPanel::TAdvSmoothPanel(ui::Component* owner)
    : CustomControl(owner),
      m_caption(std::make_unique<TAdvSmoothPanelCaption>()),
      m_fill(std::make_unique<TGDIPFill>()) {
    SetBounds(0, 0, 256, 128);
    m_caption->setChangeHandler([this](ui::Persistent*) { contentChanged(); });
    m_fill->setChangeHandler([this](ui::Persistent*) { contentChanged(); });
    m_pictureCache.OnPictureArrived = [this] {
        m_paragraphMeasure.reset();  // a picture that arrived takes room
        contentChanged();
    };
}

TAdvSmoothPanel::~TAdvSmoothPanel() = default;

void TAdvSmoothPanel::contentChanged() {
    m_cacheStale = true;
    invalidate();
}

void TAdvSmoothPanel::SetTransparent(bool value) {
    if (value == m_transparent) return;
    m_transparent = value;
    contentChanged();
}

void TAdvSmoothPanel::setImages(const HtmlImageList* images) {
    if (images == m_images) return;
    m_images = images;
    m_paragraphMeasure.reset();
    contentChanged();
}

void TAdvSmoothPanel::setPictureContainer(const HtmlPictureContainer* pictures) {
    if (pictures == m_pictures) return;
    m_pictures = pictures;
    m_paragraphMeasure.reset();
    contentChanged();
}

void TAdvSmoothPanel::assign(const ui::Persistent& source) {
    const auto* other = dynamic_cast<const TAdvSmoothPanel*>(&source);
    if (!other) {
        CustomControl::assign(source);
        return;
    }
    if (other == this) return;
    m_caption->assign(*other->m_caption);
    m_fill->assign(*other->m_fill);
    m_transparent = other->m_transparent;
    contentChanged();
}

void TAdvSmoothPanel::boundsChanged(const drawing::Rect& old) {
    CustomControl::boundsChanged(old);
    if (old.width != Width() || old.height != Height()) contentChanged();
}

// ---- Painting ---------------------------------------------------------------

void TAdvSmoothPanel::paint(const ui::PaintSurface& surface) {
    if (m_transparent)
        paintParentBackground(surface);
    else
        surface.fillRect(ClientRect(), drawing::ColorToARGB(255, Color()));
    if (Width() > 1 && Height() > 1) {
        if (m_cacheStale) render();
        // Composited by the 2-D library in one go: the cache is large and mostly translucent.
        surface.canvas().draw(0, 0, m_cache);
    }
    if (OnDraw) {
        drawing::Canvas canvas = surface.canvas();
        OnDraw(this, canvas, ClientRect());
    }
}

void TAdvSmoothPanel::render() {
    m_cache = drawing::Bitmap(Width(), Height());
    drawing::Graphics graphics(m_cache);
    graphics.setSmoothingMode(drawing::SmoothingMode::AntiAlias);
    graphics.setTextRenderingHint(renderingHint(m_caption->TextRendering()));
    m_content = paintBody(graphics);
    const CaptionBox caption = m_caption->Text().empty() ? CaptionBox{} : paintCaption(graphics, m_content);
    m_htmlBlock.reset();
    if (!m_caption->HTMLText().empty()) paintParagraph(graphics, m_content, caption.textHeight);
    m_cacheStale = false;
    ++m_cacheRenders;
}

int TAdvSmoothPanel::shadowSize() const {
    return m_fill->ShadowColor() == drawing::clNone ? 0 : m_fill->ShadowOffset();
}

drawing::RectF TAdvSmoothPanel::paintBody(drawing::Graphics& graphics) const {
    // A border is stroked on pixel centres: it needs the last row and column inside.
    const bool bordered = m_fill->BorderColor() != drawing::clNone && m_fill->BorderWidth() != 0;
    const float inset = bordered ? 1.0f : 0.0f;
    const drawing::RectF body{0, 0, static_cast<float>(Width()) - inset,
                              static_cast<float>(Height()) - inset};
    return m_fill->PaintFill(graphics, body);
}

TAdvSmoothPanel::CaptionBox TAdvSmoothPanel::paintCaption(drawing::Graphics& graphics,
                                                          const drawing::RectF& content) const {
    const TAdvSmoothPanelCaption& caption = *m_caption;
    const PanelCaptionArea area = captionArea(content, *m_fill, caption.Location());
    const drawing::Font font = captionFont(*caption.Font());
    const drawing::StringFormat format;
    const drawing::TextMeasure measured =
        drawing::TextMeasurer::shared().measureString(caption.Text(), font, area.rect, format);
    const drawing::Size text{drawing::roundHalfEven(measured.box.width),
                             drawing::roundHalfEven(measured.box.height)};
    const drawing::Point at =
        placeBlock(caption.Location(), area.rect, text, {caption.Left(), caption.Top()});

    const drawing::RectF textBox{static_cast<float>(at.x), static_cast<float>(at.y),
                                 static_cast<float>(text.width), static_cast<float>(text.height)};
    if (auto brush = captionGlyphBrush(caption.GradientType(), caption.startARGB(), caption.endARGB(),
                                       caption.HatchStyle(), *caption.Picture(), textBox)) {
        const drawing::RectF layout{textBox.x, textBox.y, area.rect.width - 2,
                                    static_cast<float>(Height() - shadowSize() - 1)};
        graphics.drawString(caption.Text(), font, layout, format, *brush);
    }
    if (caption.Line() && caption.LineColor() != drawing::clNone) {
        const PanelRule rule = captionRule(caption.Location(), area.rect, at.y, text.height);
        const drawing::Pen pen(drawing::ColorToARGB(255, caption.LineColor()));
        graphics.drawLine(pen, static_cast<float>(rule.x0), static_cast<float>(rule.y),
                          static_cast<float>(rule.x1), static_cast<float>(rule.y));
    }
    return {text.height};
}

HtmlTextOptions TAdvSmoothPanel::htmlOptions(const drawing::Rect& rect, bool measureOnly) const {
    HtmlTextOptions options;
    options.rect = rect;
    options.extraSpacing = kParagraphLineSpacing;
    options.images = m_images;
    options.pictures = m_pictures;
    options.pictureCache = &m_pictureCache;
    options.measureOnly = measureOnly;
    options.wordWrap = true;
    options.linkColor = m_caption->HTMLURLColor();
    options.shadowColor = m_caption->HTMLShadowColor();
    options.shadowOffset = m_caption->HTMLShadowOffset();
    return options;
}

void TAdvSmoothPanel::paintParagraph(drawing::Graphics& graphics, const drawing::RectF& content,
                                     int captionHeight) {
    const TAdvSmoothPanelCaption& caption = *m_caption;
    const bool custom = caption.HTMLLocation() == plCustom;
    const int rightEdge = Width() - shadowSize() - 2 * m_fill->BorderWidth();
    const int left = custom ? 0 : caption.HTMLLeft();
    const int right = custom ? rightEdge - caption.HTMLLeft() : rightEdge;
    const drawing::Rect area{left, captionHeight, right - left, kParagraphAreaBottom - captionHeight};
    const drawing::Size measured = paragraphSize(graphics, area);

    drawing::Point at{caption.HTMLLeft(), caption.HTMLTop()};
    int blockWidth = rightEdge - caption.HTMLLeft();
    if (!custom) {
        const drawing::RectF below{content.x, content.y, content.width, content.height - captionHeight};
        at = placeBlock(caption.HTMLLocation(), below, measured, {});
        at.y += captionHeight;
        blockWidth = measured.width;
    }
    // A paragraph taller than the panel is left out rather than cut.
    if (measured.height >= Height()) return;
    const drawing::Rect block{at.x, at.y, blockWidth, measured.height};
    DrawHtmlText(graphics, caption.HTMLFont()->canvasFont(), caption.HTMLText(), htmlOptions(block, false));
    m_htmlBlock = block;
}

drawing::Size TAdvSmoothPanel::paragraphSize(drawing::Graphics& graphics, const drawing::Rect& area) {
    const TAdvSmoothPanelCaption& caption = *m_caption;
    ParagraphMeasure key{
        caption.HTMLText(),        caption.HTMLFont()->canvasFont(), area, caption.HTMLURLColor(),
        caption.HTMLShadowColor(), caption.HTMLShadowOffset(),       {}};
    const ParagraphMeasure* last = m_paragraphMeasure ? &*m_paragraphMeasure : nullptr;
    if (last && last->markup == key.markup && last->font == key.font && last->area == key.area &&
        last->linkColor == key.linkColor && last->shadowColor == key.shadowColor &&
        last->shadowOffset == key.shadowOffset)
        return last->size;
    const HtmlTextResult measured = DrawHtmlText(graphics, key.font, key.markup, htmlOptions(area, true));
    key.size = {measured.width, measured.height};
    m_paragraphMeasure = std::move(key);
    return m_paragraphMeasure->size;
}

// ---- Links ------------------------------------------------------------------

std::optional<std::string> TAdvSmoothPanel::anchorAt(drawing::Point p) const {
    if (!m_htmlBlock || !m_htmlBlock->contains(p)) return std::nullopt;
    drawing::Bitmap scratch(1, 1);
    drawing::Graphics graphics(scratch);
    HtmlTextOptions options = htmlOptions(*m_htmlBlock, true);
    options.hitPoint = p;
    const HtmlTextResult hit =
        DrawHtmlText(graphics, m_caption->HTMLFont()->canvasFont(), m_caption->HTMLText(), options);
    if (!hit.onLink) return std::nullopt;
    return hit.anchor;
}

void TAdvSmoothPanel::setOverLink(bool over) {
    if (over == m_overLink) return;
    m_overLink = over;
    if (over) {
        m_cursorOutsideLinks = Cursor();
        SetCursor(ui::crHandPoint);
    } else {
        SetCursor(m_cursorOutsideLinks);
    }
}

void TAdvSmoothPanel::mouseMove(const ui::MouseArgs& args) {
    CustomControl::mouseMove(args);
    setOverLink(anchorAt(args.pos).has_value());
}

void TAdvSmoothPanel::mouseDown(const ui::MouseArgs& args) {
    CustomControl::mouseDown(args);
    if (auto anchor = anchorAt(args.pos); anchor && OnAnchorClick) OnAnchorClick(this, *anchor);
}

void TAdvSmoothPanel::mouseLeave() {
    CustomControl::mouseLeave();
    setOverLink(false);
}

}  // namespace sk::smooth
