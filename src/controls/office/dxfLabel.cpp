// The raised 3-D label: properties, the angle rules and the layered paint on
// the shared off-screen bitmap.
#include "controls/office/dxfLabel.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "drawing/Graphics.h"
#include "drawing/TextMeasurer.h"
#include "platform/Platform.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/WinControl.h"

namespace sk::office {

namespace {
const ui::EnumNames kLabelStyleNames{"TdxfLabelStyle",
                                     {"dxfNormal", "dxfRaised", "dxfLowered", "dxfOutLine"}};

// The button-shadow copy of a raised caption only shows from this size on.
constexpr int kShadowCopyMinPoints = 12;

// Each channel two thirds of its value, truncated: the lowered letters' colour.
ui::TColor darkenedByAThird(ui::TColor color) {
    const ui::TColor rgb = drawing::ColorToRGB(color);
    return drawing::RGB(drawing::redOf(rgb) * 2 / 3, drawing::greenOf(rgb) * 2 / 3,
                        drawing::blueOf(rgb) * 2 / 3);
}

drawing::Point shifted(drawing::Point p, int by) {
    return {p.x + by, p.y + by};
}
}  // namespace

// The published list is the plain label's without Alignment, Layout, WordWrap
// and ShowAccelChar, which this label does not offer: the class info therefore
// starts from the graphic control and names the inherited label properties itself.
const ui::ClassInfo& TdxfLabel::staticClassInfo() {
    using L = TdxfLabel;
    static const ui::ClassInfo info =
        ui::ClassBuilder<L>("TdxfLabel", &ui::GraphicControl::staticClassInfo())
            .creatable()
            .integer("Angle", &L::Angle, &L::SetAngle, 0LL)
            .boolean("AutoSize", &L::AutoSize, &L::SetAutoSize, false)
            .string("Caption", &L::Caption, &L::SetCaption)
            .object("Effect3D", &L::Effect3D)
            .reference("FocusControl", &L::FocusControl, &L::SetFocusControl)
            .object("Glyph", &L::Glyph)
            .integer("PenWidth", &L::PenWidth, &L::SetPenWidth, 1LL)
            .enumeration("Style", &L::Style, &L::SetStyle, dxfNormal, kLabelStyleNames)
            .boolean("Transparent", &L::Transparent, &L::SetTransparent, false)
            .changeDefault("ParentColor", true)
            .changeDefault("ParentFont", false)
            .build();
    return info;
}
const ui::ClassInfo& TdxfLabel::classInfo() const {
    return staticClassInfo();
}

TdxfLabel::TdxfLabel(ui::Component* owner)
    : TLabel(owner), m_effect(std::make_unique<Tdxf3DEffect>()), m_glyph(std::make_unique<ui::TPicture>()) {
    SetAutoSize(false);
    SetParentFont(false);
    SetAlignment(ui::taCenter);
    m_effect->setChangeHandler([this](ui::Persistent*) { invalidate(); });
    m_glyph->setChangeHandler([this](ui::Persistent*) { invalidate(); });
}

drawing::Bitmap& TdxfLabel::sharedBitmap() {
    static drawing::Bitmap bitmap(1, 1);
    return bitmap;
}

void TdxfLabel::SetStyle(TdxfLabelStyle value) {
    if (value == m_style) return;
    m_style = value;
    invalidate();
}

void TdxfLabel::SetAngle(int value) {
    if (value != 0 && !Font()->canvasFont().isTrueType()) {
        platform::Platform& platform = platform::currentPlatform();
        platform.beep();
        ui::Form* owner = parentForm();
        platform.messageBox(ui::Application::instance().Title(), kAngleMessage, platform::MessageIcon::None,
                            owner ? owner->nativeWindow() : nullptr);
        return;
    }
    if (value < 0 || value > 360 || value == m_angle) return;
    m_angle = value;
    invalidate();
}

void TdxfLabel::SetPenWidth(int value) {
    if (value == m_penWidth) return;
    m_penWidth = value;
    if (m_style == dxfOutLine) invalidate();
}

drawing::Point TdxfLabel::textOrigin(drawing::Size client, drawing::Size text, int angle) {
    const double theta = angle * std::numbers::pi / 180.0;
    const double c = std::cos(theta), s = std::sin(theta);
    const int x = client.width / 2 - drawing::roundHalfEven(c * text.width / 2) -
                  drawing::roundHalfEven(s * text.height / 2);
    const int y = drawing::roundHalfEven(s * text.width / 2) + client.height / 2 -
                  drawing::roundHalfEven(c * text.height / 2);
    return {x, y};
}

bool TdxfLabel::glyphFillApplies(bool trueType) const {
    return trueType && !m_glyph->empty();
}

void TdxfLabel::drawCaptionCopy(drawing::Canvas& canvas, drawing::Point at, ui::TColor color,
                                const std::string& text) {
    canvas.font().color = color;
    canvas.textOut(at.x, at.y, text);
}

void TdxfLabel::drawShadow(drawing::Canvas& canvas, drawing::Point at, ui::TColor background) const {
    for (const DxfShadowCopy& copy : m_effect->copies(background))
        drawCaptionCopy(canvas, {at.x + copy.dx, at.y + copy.dy}, copy.color, Caption());
}

void TdxfLabel::drawLetters(drawing::Canvas& canvas, drawing::Point at, bool glyphFill) {
    const ui::TColor fontColor = Font()->Color();
    switch (m_style) {
        case dxfNormal:
            if (!glyphFill) drawCaptionCopy(canvas, at, fontColor, Caption());
            break;
        case dxfRaised:
            drawCaptionCopy(canvas, at, ui::clBtnHighlight, Caption());
            if (Font()->Size() >= kShadowCopyMinPoints)
                drawCaptionCopy(canvas, shifted(at, 2), ui::clBtnShadow, Caption());
            if (!glyphFill) drawCaptionCopy(canvas, shifted(at, 1), fontColor, Caption());
            break;
        case dxfLowered:
            drawCaptionCopy(canvas, shifted(at, 2), ui::clBtnHighlight, Caption());
            // A lowered caption is cut into its parent's surface, so it takes the parent's colour.
            SetParentColor(true);
            if (!glyphFill) {
                const ui::TColor color =
                    drawing::isSystemColor(Color()) ? ui::clBtnShadow : darkenedByAThird(Color());
                drawCaptionCopy(canvas, shifted(at, 1), color, Caption());
            }
            break;
        case dxfOutLine:
            drawOutline(canvas, at);
            break;
    }
}

void TdxfLabel::drawOutline(drawing::Canvas& canvas, drawing::Point at) const {
    if (!canvas.font().isTrueType()) {
        drawCaptionCopy(canvas, at, Font()->Color(), Caption());
        return;
    }
    drawing::Graphics graphics(canvas.target());
    graphics.setClip(drawing::RectF{-0.5f, -0.5f, static_cast<float>(Width()), static_cast<float>(Height())});
    const drawing::Pen pen(drawing::ColorToARGB(255, Font()->Color()),
                           static_cast<float>(std::max(1, m_penWidth)));
    graphics.drawPath(pen, canvas.textOutline(at.x, at.y, Caption()));
}

void TdxfLabel::fillWithGlyph(drawing::Canvas& canvas, drawing::Point at) const {
    const drawing::Image* image = m_glyph->image();
    if (!image || image->width() <= 0 || image->height() <= 0) return;
    drawing::Graphics graphics(canvas.target());
    graphics.setClip(canvas.textOutline(at.x, at.y, Caption()));
    for (int x = 0; x < Width(); x += image->width())
        for (int y = 0; y < Height(); y += image->height())
            graphics.drawImage(*image, drawing::PointF{static_cast<float>(x), static_cast<float>(y)});
}

void TdxfLabel::paint(const ui::PaintSurface& surface) {
    const int w = Width(), h = Height();
    if (w <= 0 || h <= 0) return;
    drawing::Bitmap& buffer = sharedBitmap();
    if (buffer.width() < w || buffer.height() < h)
        buffer = drawing::Bitmap(std::max(buffer.width(), w), std::max(buffer.height(), h));

    drawing::Canvas canvas(buffer);
    canvas.font() = Font()->canvasFont();
    const bool trueType = canvas.font().isTrueType();
    const bool glyphFill = glyphFillApplies(trueType);
    // The colour this paint fills with and leaves out: a lowered caption switches
    // the label to its parent's colour while painting, and repaints with it then.
    const ui::TColor fill = Color();
    const ui::TColor background = drawing::isSystemColor(fill) ? ui::clSilver : fill;
    const drawing::Size text = drawing::TextMeasurer::shared().textExtent(canvas.font(), Caption());
    canvas.font().escapement = (((m_angle % 360) + 360) % 360) * 10;
    const drawing::Point at = textOrigin({w, h}, text, m_angle);

    canvas.brush().style = drawing::CanvasBrush::Style::Solid;
    canvas.brush().color = fill;
    canvas.fillRect({0, 0, buffer.width(), buffer.height()});
    canvas.brush().style = drawing::CanvasBrush::Style::Clear;
    canvas.setClipRect({0, 0, w, h});

    drawShadow(canvas, at, background);
    drawLetters(canvas, at, glyphFill);
    if (glyphFill) fillWithGlyph(canvas, m_style == dxfNormal ? at : shifted(at, 1));

    drawing::Canvas onto = surface.canvas();
    if (Transparent())
        onto.drawTransparent({0, 0, w, h}, buffer, {0, 0, w, h}, fill);
    else
        onto.copyRect({0, 0, w, h}, buffer, {0, 0, w, h});
}

}  // namespace sk::office
