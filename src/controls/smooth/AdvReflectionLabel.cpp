// The reflection label: properties, painting with its reflection, and links.
#include "controls/smooth/AdvReflectionLabel.h"

#include <memory>

#include "controls/smooth/ReflectionPicture.h"
#include "platform/Exception.h"
#include "platform/Platform.h"
#include "ui/WinControl.h"

namespace sk::smooth {

using R = TAdvReflectionLabel;

const ui::ClassInfo& R::staticClassInfo() {
    static const ui::ClassInfo info =
        ui::ClassBuilder<R>("TAdvReflectionLabel", &ui::GraphicControl::staticClassInfo())
            .creatable()
            .strings("HTMLText", &R::HTMLText, &R::SetHTMLText)
            .color("URLColor", &R::URLColor, &R::SetURLColor, static_cast<long long>(drawing::clBlue))
            // Stored against a declared default of 100, while a new label starts at 20.
            .integer("ReflectionSize", &R::ReflectionSize, &R::SetReflectionSize, 100LL)
            .integer("ReflectionAxis", &R::ReflectionAxis, &R::SetReflectionAxis, -7LL)
            .integer("ReflectionOpacityStart", &R::ReflectionOpacityStart, &R::SetReflectionOpacityStart,
                     128LL)
            .integer("ReflectionOpacityEnd", &R::ReflectionOpacityEnd, &R::SetReflectionOpacityEnd, 0LL)
            .boolean("Transparent", &R::Transparent, &R::SetTransparent, true)
            .string("Version", &R::Version, &R::SetVersion, std::string(kVersion))
            .changeDefault("ParentColor", true)
            .build();
    return info;
}
const ui::ClassInfo& R::classInfo() const {
    return staticClassInfo();
}

R::TAdvReflectionLabel(ui::Component* owner) : ui::GraphicControl(owner) {
    SetBounds(0, 0, 185, 40);
    SetParentColor(true);
    Font()->SetSize(12);
    Font()->SetStyle(ui::fontStyle(ui::fsBold));
    // A picture fetched for the markup arrives later: the text and its
    // reflection are laid out again with it.
    m_pictureCache.OnPictureArrived = [this] { requestRebuild(); };
}

R::~TAdvReflectionLabel() = default;

// ---- Properties ----------------------------------------------------------------

void R::SetHTMLText(const std::vector<std::string>& lines) {
    if (lines == m_htmlText) return;
    m_htmlText = lines;
    requestRebuild();
}

void R::SetURLColor(drawing::TColor color) {
    if (color == m_urlColor) return;
    m_urlColor = color;
    invalidate();
}

void R::SetReflectionSize(int rows) {
    if (rows == m_reflectionSize) return;
    m_reflectionSize = rows;
    requestRebuild();
}

void R::SetReflectionAxis(int offset) {
    if (offset == m_reflectionAxis) return;
    m_reflectionAxis = offset;
    invalidate();  // the same picture, drawn elsewhere
}

void R::SetReflectionOpacityStart(int opacity) {
    if (opacity < 0 || opacity > 255 || opacity == m_opacityStart) return;
    m_opacityStart = opacity;
    requestRebuild();
}

void R::SetReflectionOpacityEnd(int opacity) {
    if (opacity < 0 || opacity > 255 || opacity == m_opacityEnd) return;
    m_opacityEnd = opacity;
    requestRebuild();
}

void R::SetTransparent(bool value) {
    if (value == m_transparent) return;
    m_transparent = value;
    invalidate();
}

void R::SetImages(const HtmlImageList* images) {
    if (images == m_images) return;
    m_images = images;
    requestRebuild();
}

void R::SetPictureContainer(const HtmlPictureContainer* container) {
    if (container == m_pictureContainer) return;
    m_pictureContainer = container;
    requestRebuild();
}

std::string R::markup() const {
    std::string joined;
    for (const std::string& line : m_htmlText)
        for (char c : line)
            if (c != '\r' && c != '\n') joined.push_back(c);
    return joined;
}

void R::requestRebuild() {
    m_rebuildPending = true;
    invalidate();
}

void R::fontChanged() {
    ui::GraphicControl::fontChanged();
    requestRebuild();
}

void R::boundsChanged(const drawing::Rect& old) {
    ui::GraphicControl::boundsChanged(old);
    if (old.width != Width() || old.height != Height()) requestRebuild();
}

void R::Loaded() {
    ui::GraphicControl::Loaded();
    requestRebuild();
}

// ---- Painting --------------------------------------------------------------------

void R::paint(const ui::PaintSurface& surface) {
    paintContent(surface);
    if (!m_rebuildPending || loading() || m_ySize <= 0) return;
    const std::string text = markup();
    const drawing::Rect block{reflectionXStart(text, Width(), m_xSize), 0, m_xSize, m_ySize};
    // The reflection is made of what the screen shows under the whole block: a
    // partial repaint waits for the full one. What no repaint can reach (outside
    // the parents or the window) does not count, or the label would wait forever.
    drawing::Rect reachable =
        formRect().intersected({0, 0, surface.target->width(), surface.target->height()});
    for (const ui::Control* parent = Parent(); parent; parent = parent->Parent())
        reachable = reachable.intersected(parent->formRect());
    const drawing::Rect needed = surface.toTarget(block).intersected(reachable);
    if (needed.intersected(surface.clip) != needed) {
        invalidate();
        return;
    }
    try {
        rebuild(surface);
    } catch (const platform::Exception& e) {
        m_rebuildPending = false;  // the previous picture stays in use
        reportLater(e.message());
    }
    if (m_transparent) paintParentBackground(surface);
    paintContent(surface);
}

void R::paintContent(const ui::PaintSurface& surface) {
    const drawing::Rect client = ClientRect();
    if (!m_transparent) surface.fillRect(client, drawing::ColorToARGB(255, Color()));
    if (m_reflection && !m_rebuildPending)
        surface.blend(*m_reflection, {m_xStart, m_ySize + m_reflectionAxis});

    drawing::Canvas canvas = surface.canvas();
    canvas.font() = Font()->canvasFont();
    const HtmlTextResult result = DrawHtmlText(canvas, markup(), htmlOptions());
    m_xSize = result.width;
    m_ySize = result.height;
}

// The renderer's settings of this label: word wrap on, no hover, shadowed text
// in grey 2 pixels off.
HtmlTextOptions R::htmlOptions() const {
    HtmlTextOptions options;
    options.rect = ClientRect();
    options.images = m_images;
    options.pictures = m_pictureContainer;
    options.pictureCache = &m_pictureCache;
    options.wordWrap = true;
    options.linkColor = m_urlColor;
    options.shadowColor = drawing::clGray;
    options.shadowOffset = 2;
    return options;
}

void R::rebuild(const ui::PaintSurface& surface) {
    const std::string text = markup();
    const int xStart = reflectionXStart(text, Width(), m_xSize);
    const drawing::Rect source = surface.toTarget({xStart, 0, m_xSize, m_ySize});
    drawing::Bitmap captured(m_xSize, m_ySize);
    const drawing::Rect inside =
        source.intersected({0, 0, surface.target->width(), surface.target->height()});
    if (!inside.empty())
        captured.copyFrom(*surface.target, inside, {inside.left - source.left, inside.top - source.top});
    m_reflection = buildReflection(captured, m_reflectionSize, m_opacityStart, m_opacityEnd);
    m_xStart = xStart;
    m_rebuildPending = false;
}

void R::reportLater(const std::string& message) {
    auto timer = std::make_shared<platform::TimerId>(0);
    *timer = startTimer(0, [this, timer, message] {
        stopTimer(*timer);
        throw platform::Exception(message);
    });
}

// ---- Links -----------------------------------------------------------------------

std::string R::linkAt(drawing::Point p) {
    drawing::Bitmap scratch(1, 1);
    drawing::Canvas canvas(scratch);
    canvas.font() = Font()->canvasFont();
    HtmlTextOptions options = htmlOptions();
    options.measureOnly = true;
    options.hitPoint = p;
    const HtmlTextResult result = DrawHtmlText(canvas, markup(), options);
    return result.onLink ? result.anchor : std::string();
}

void R::mouseMove(const ui::MouseArgs& args) {
    ui::GraphicControl::mouseMove(args);
    m_hoveredLink = linkAt(args.pos);
    SetCursor(m_hoveredLink.empty() ? ui::crDefault : ui::crHandPoint);
}

void R::mouseDown(const ui::MouseArgs& args) {
    // Any button follows a link, as a press on a link does in a browser's page.
    ui::GraphicControl::mouseDown(args);
    const std::string link = linkAt(args.pos);
    if (link.find("://") != std::string::npos || link.find("mailto:") != std::string::npos)
        platform::currentPlatform().openUrl(link);
}

void R::mouseLeave() {
    ui::GraphicControl::mouseLeave();
    m_hoveredLink.clear();
    SetCursor(ui::crDefault);
}

}  // namespace sk::smooth
