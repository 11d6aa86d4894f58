// Instrument fonts and their text drawing.
#include "controls/instruments/ControlFont.h"

#include "drawing/Font.h"
#include "drawing/GraphicsPath.h"
#include "drawing/StringFormat.h"
#include "drawing/TextMeasurer.h"

namespace sk::instruments {

namespace {

const ui::EnumNames kFontStyleNames{"TFontStyle", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}};

// No clipping, centred both ways: the text is centred on the point it is drawn at.
drawing::StringFormat centredFormat() {
    drawing::StringFormat format(drawing::StringFormatFlagsNoClip);
    format.setAlignment(drawing::StringAlignment::Center);
    format.setLineAlignment(drawing::StringAlignment::Center);
    return format;
}

}  // namespace

const ui::ClassInfo& TULControlFont::staticClassInfo() {
    static const ui::ClassInfo info =
        ui::ClassBuilder<TULControlFont>("TULControlFont", &ui::Persistent::staticClassInfo())
            .string("Name", &TULControlFont::Name, &TULControlFont::SetName,
                    std::string("Microsoft Sans Serif"))
            .setOf("Style", &TULControlFont::Style, &TULControlFont::SetStyle, 1, kFontStyleNames)
            .object("Brush", &TULControlFont::Brush)
            .object("Pen", &TULControlFont::Pen)
            .object("Size", &TULControlFont::Size)
            .build();
    return info;
}
SK_INSTRUMENT_CLASS_INFO(TULControlFont)

TULControlFont::TULControlFont(float defaultSize, drawing::ARGB defaultColor)
    : m_brush(defaultColor, 1.98f, 2.162f), m_pen(0xFF000000, 1.98f, 2.162f), m_size(defaultSize) {
    adopt(m_brush);
    adopt(m_pen);
    adopt(m_size);
}

int TULControlFont::drawingStyle() const {
    // The stored bits (bold, italic, underline, strike-out) map onto 1, 2, 4, 8.
    return static_cast<int>(m_style & 0xF);
}

drawing::Font TULControlFont::makeFont(float points) const {
    drawing::FontFamily family(m_name);
    if (family.status() != drawing::Status::Ok) family = drawing::FontFamily("Arial");
    return drawing::Font(family, points, drawingStyle());
}

void TULControlFont::drawText(drawing::Graphics& g, const std::string& text, drawing::PointF anchor,
                              float angle, float points, float penReference) const {
    if (text.empty() || !(points > 0.0f)) return;
    const drawing::StringFormat format = centredFormat();
    const drawing::Font font = makeFont(points);
    const drawing::GraphicsState state = g.save();
    g.translateTransform(anchor.x, anchor.y);
    g.rotateTransform(angle);
    // The text box in the text's own frame: the target of gradient and texture brushes.
    const drawing::RectF box =
        drawing::TextMeasurer::shared().measureString(text, font, drawing::PointF{0, 0}, format);
    if (!m_pen.Enabled()) {
        g.drawString(text, font, drawing::PointF{0, 0}, format, m_brush.brushFor(box));
    } else {
        drawing::GraphicsPath path;
        path.addString(text, font.family(), drawingStyle(), font.emPixels(), drawing::PointF{0, 0}, format);
        g.fillPath(m_brush.brushFor(box), path);
        const float scale = 0.001f * penReference;
        g.drawPath(m_pen.makePen(scale, box), path);
        for (int i = 0; i < m_pen.additionalPens().count(); ++i)
            g.drawPath(m_pen.additionalPens()[i]->pen().makePen(scale, box), path);
    }
    g.restore(state);
}

}  // namespace sk::instruments
