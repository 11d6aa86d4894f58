// The classic push button face of the edit's button, and its press tracking.
#include "controls/office/AdvSpeedButton.h"

#include "drawing/Bitmap.h"
#include "drawing/Canvas.h"
#include "drawing/TextMeasurer.h"

namespace sk::office {

using drawing::Rect;

const ui::ClassInfo& TAdvSpeedButton::staticClassInfo() {
    static const ui::ClassInfo info =
        ui::ClassBuilder<TAdvSpeedButton>("TAdvSpeedButton", &ui::GraphicControl::staticClassInfo())
            .string("Caption", &TAdvSpeedButton::Caption, &TAdvSpeedButton::SetCaption)
            .boolean("Flat", &TAdvSpeedButton::Flat, &TAdvSpeedButton::SetFlat, false)
            .boolean("Etched", &TAdvSpeedButton::Etched, &TAdvSpeedButton::SetEtched, false)
            .build();
    return info;
}
const ui::ClassInfo& TAdvSpeedButton::classInfo() const { return staticClassInfo(); }

TAdvSpeedButton::TAdvSpeedButton(ui::Component* owner) : ui::GraphicControl(owner) {
    setClickEvents(false);
}

void TAdvSpeedButton::setGlyph(const ui::TPicture* glyph) {
    m_glyph = glyph;
    invalidate();
}

void TAdvSpeedButton::SetFlat(bool value) {
    if (value == m_flat) return;
    m_flat = value;
    invalidate();
}

void TAdvSpeedButton::SetEtched(bool value) {
    if (value == m_etched) return;
    m_etched = value;
    invalidate();
}

void TAdvSpeedButton::enabledChanged() {
    ui::GraphicControl::enabledChanged();
    if (!Enabled()) m_tracking = m_pressed = false;
    invalidate();
}

void TAdvSpeedButton::textChanged() {
    ui::GraphicControl::textChanged();
    invalidate();
}

// ---- Layout --------------------------------------------------------------------

drawing::Size TAdvSpeedButton::captionSize() const {
    if (Caption().empty()) return {};
    return drawing::TextMeasurer::shared().textExtent(Font()->canvasFont(), Caption());
}

drawing::Rect TAdvSpeedButton::glyphRect() const {
    const int gw = m_glyph ? m_glyph->width() : 0, gh = m_glyph ? m_glyph->height() : 0;
    const drawing::Size text = captionSize();
    const int gap = (gw > 0 && text.width > 0) ? kGlyphGap : 0;
    const int total = gw + gap + text.width;
    const int shift = m_pressed ? 1 : 0;
    return {(Width() - total) / 2 + shift, (Height() - gh) / 2 + shift, gw, gh};
}

drawing::Rect TAdvSpeedButton::captionRect() const {
    const Rect glyph = glyphRect();
    const drawing::Size text = captionSize();
    const int gap = (glyph.width > 0 && text.width > 0) ? kGlyphGap : 0;
    const int shift = m_pressed ? 1 : 0;
    return {glyph.left + glyph.width + gap, (Height() - text.height) / 2 + shift, text.width, text.height};
}

// ---- Painting ------------------------------------------------------------------

void TAdvSpeedButton::paint(const ui::PaintSurface& surface) {
    drawing::Canvas canvas = surface.canvas();
    Rect r = ClientRect();
    if (m_pressed) {
        canvas.frame3D(r, ui::cl3DDkShadow, ui::clBtnHighlight, 1);
        canvas.frame3D(r, ui::clBtnShadow, ui::cl3DLight, 1);
    } else if (m_flat) {
        canvas.frame3D(r, m_etched ? ui::clBtnShadow : ui::clBtnHighlight,
                       m_etched ? ui::clBtnHighlight : ui::clBtnShadow, 1);
    } else {
        canvas.frame3D(r, ui::clBtnHighlight, ui::cl3DDkShadow, 1);
        canvas.frame3D(r, ui::cl3DLight, ui::clBtnShadow, 1);
    }
    canvas.brush().color = ui::clBtnFace;
    canvas.fillRect(r);
    canvas.intersectClipRect(surface.toTarget(r));

    const bool enabled = buttonEnabled();
    const Rect glyph = glyphRect();
    if (m_glyph && m_glyph->image() && !glyph.empty()) {
        const drawing::Bitmap& bitmap = m_glyph->image()->bitmap();
        // Glyphs are 16-colour bitmaps with magenta as the transparent colour.
        const drawing::TColor transparent = drawing::clFuchsia;
        if (enabled) {
            canvas.drawTransparent(glyph, bitmap, {0, 0, bitmap.width(), bitmap.height()}, transparent);
        } else {
            // Greyed: every drawn pixel embossed, white one pixel down-right, shadow on top.
            for (int pass = 0; pass < 2; ++pass)
                for (int y = 0; y < bitmap.height(); ++y)
                    for (int x = 0; x < bitmap.width(); ++x) {
                        const std::uint32_t p = bitmap.pixel(x, y);
                        if (drawing::argbToColor(p) == transparent || drawing::alphaOf(p) == 0) continue;
                        const int light = (drawing::argbRed(p) * 30 + drawing::argbGreen(p) * 59 + drawing::argbBlue(p) * 11) / 100;
                        if (light > 192) continue;  // light pixels vanish in the greyed picture
                        if (pass == 0)
                            canvas.setPixel(glyph.left + x + 1, glyph.top + y + 1, ui::clBtnHighlight);
                        else
                            canvas.setPixel(glyph.left + x, glyph.top + y, ui::clBtnShadow);
                    }
        }
    }
    if (!Caption().empty()) {
        const Rect text = captionRect();
        canvas.font() = Font()->canvasFont();
        canvas.brush().style = drawing::CanvasBrush::Style::Clear;
        const unsigned flags = drawing::DT_SINGLELINE | drawing::DT_NOCLIP;
        if (enabled) {
            canvas.drawText(Caption(), text, flags);
        } else {
            canvas.font().color = ui::clBtnHighlight;
            canvas.drawText(Caption(), text.translated(1, 1), flags);
            canvas.font().color = ui::clBtnShadow;
            canvas.drawText(Caption(), text, flags);
        }
    }
}

// ---- Mouse ---------------------------------------------------------------------

void TAdvSpeedButton::mouseDown(const ui::MouseArgs& args) {
    ui::GraphicControl::mouseDown(args);
    if (args.button != ui::MouseButton::Left || !buttonEnabled()) return;
    m_tracking = true;
    m_pressed = true;
    invalidate();
}

void TAdvSpeedButton::mouseMove(const ui::MouseArgs& args) {
    ui::GraphicControl::mouseMove(args);
    if (!m_tracking) return;
    const bool inside = ClientRect().contains(args.pos);
    if (inside == m_pressed) return;
    m_pressed = inside;
    invalidate();
}

void TAdvSpeedButton::mouseUp(const ui::MouseArgs& args) {
    ui::GraphicControl::mouseUp(args);
    if (args.button != ui::MouseButton::Left || !m_tracking) return;
    m_tracking = false;
    m_pressed = false;
    invalidate();
    if (onRelease) onRelease();
}

}  // namespace sk::office
