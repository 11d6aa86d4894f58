// The glass panel: client inset, window shape and the overlay picture.
#include "controls/instruments/ILGlassPanel.h"

#include <algorithm>
#include <cmath>

#include "controls/instruments/FrameShapes.h"

namespace sk::instruments {

namespace {

int whole(double v) {
    return drawing::roundHalfEven(v);
}

}  // namespace

const ui::ClassInfo& TILGlassPanel::staticClassInfo() {
    static const ui::ClassInfo info =
        ui::ClassBuilder<TILGlassPanel>("TILGlassPanel", &TULBasicControl::staticClassInfo())
            .creatable()
            .object("Border", &TILGlassPanel::Border)
            .object("Glass", &TILGlassPanel::Glass)
            .changeDefault("ParentColor", true)
            .build();
    return info;
}
SK_INSTRUMENT_CLASS_INFO(TILGlassPanel)

TILGlassPanel::TILGlassPanel(ui::Component* owner) : TULBasicControl(owner) {
    m_border.setChangeHandler([this](ui::Persistent*) { LayersChanged(); });
    m_glass.setChangeHandler([this](ui::Persistent*) { LayersChanged(); });
    SetParentColor(true);
    setHasOverlay(true);
    SetBounds(0, 0, 200, 140);
}

float TILGlassPanel::frameThickness() const {
    const float e = static_cast<float>(std::min(Width() - 1, Height() - 1));
    return m_border.frame(e).thickness();
}

drawing::Rect TILGlassPanel::alignRect() const {
    const int inset = whole(frameThickness());
    return {inset, inset, std::max(0, Width() - 2 * inset), std::max(0, Height() - 2 * inset)};
}

ui::Region TILGlassPanel::frameRegion() const {
    const float e = static_cast<float>(std::min(Width() - 1, Height() - 1));
    const float h = frameThickness() / 2;
    const int left = whole(h), top = whole(h);
    const int right = whole(Width() - h + 0.5), bottom = whole(Height() - h + 0.5);
    switch (m_border.Shape()) {
        case gbsRoundRectangle: {
            const float m = static_cast<float>(std::min(Width(), Height()));
            const int corner = whole(std::min(m - 2 * h, 2 * (m_border.cornerRadius().resolve(e) - h)));
            return ui::Region::roundRect(left, top, right, bottom, std::max(0, corner), std::max(0, corner));
        }
        case gbsEllipse:
            return ui::Region::roundRect(left, top, right, bottom, right - left, bottom - top);
        default:
            // Rectangles and diamonds keep the whole frame rectangle; the overlay draws the shape.
            return ui::Region(drawing::Rect::fromEdges(left, top, right, bottom));
    }
}

void TILGlassPanel::updateRegion() {
    if (!Parent()) return;
    setWindowRegion(frameRegion());
}

void TILGlassPanel::LayersChanged() {
    TULBasicControl::LayersChanged();
    updateRegion();
}

void TILGlassPanel::dropLayers() {
    m_overlay.reset();
}

void TILGlassPanel::parentChanged() {
    TULBasicControl::parentChanged();
    updateRegion();
}

void TILGlassPanel::boundsChanged(const drawing::Rect& old) {
    TULBasicControl::boundsChanged(old);
    realign();
}

// ---- Overlay -------------------------------------------------------------------------------

void TILGlassPanel::drawRoundFrame(drawing::Graphics& g, const drawing::RectF& area, const FrameGeometry& f,
                                   float e) const {
    const float D = f.thickness();
    const float q = std::min((std::min(area.width, area.height) - D) / 2, m_border.cornerRadius().resolve(e));
    const drawing::ARGB dark = m_border.darkShade();
    if (m_border.hasBevel()) {
        const bool both = m_border.outer().Style() != bvsNone && m_border.inner().Style() != bvsNone;
        const float pen = both ? f.strokeWidth() : f.w;
        frame::strokeBorder(g, gbsRoundRectangle, area, D, pen, m_border.Color(), q - f.u, q - f.u);
        frame::drawRoundRectBevel(g, frame::inset(area, f.u / 2), q, q, f.u,
                                  {m_border.outer().firstColor(dark), m_border.outer().secondColor(dark)});
        frame::drawRoundRectBevel(g, frame::inset(area, f.u + f.w + f.v / 2), q - f.u - f.w, q - f.u - f.w,
                                  f.v,
                                  {m_border.inner().firstColor(dark), m_border.inner().secondColor(dark)});
    }
    if (m_glass.Visible()) {
        const float corner = q - f.v / 2 - f.u - f.w;
        frame::drawRoundRectGlass(g, frame::inset(area, D), corner, corner, m_glass.Color(),
                                  m_glass.LightColor());
    }
}

void TILGlassPanel::drawOtherFrame(drawing::Graphics& g, const drawing::RectF& area,
                                   const FrameGeometry& f) const {
    const TULBorderShape shape = m_border.Shape();
    const drawing::ARGB dark = m_border.darkShade();
    if (m_border.hasBevel()) {
        frame::strokeBorder(g, shape, area, f.thickness(), f.strokeWidth(), m_border.Color());
        frame::drawBevelRing(g, shape, area, 0, f.u,
                             {m_border.outer().firstColor(dark), m_border.outer().secondColor(dark)});
        frame::drawBevelRing(g, shape, area, f.u + f.w, f.v,
                             {m_border.inner().firstColor(dark), m_border.inner().secondColor(dark)});
    }
    if (m_glass.Visible())
        frame::drawGlass(g, shape, frame::inset(area, f.thickness()), m_glass.Color(), m_glass.LightColor());
}

const drawing::Bitmap& TILGlassPanel::overlayPicture() {
    if (m_overlay) return *m_overlay;
    m_overlay.emplace(std::max(1, Width()), std::max(1, Height()));
    ++m_overlayRenders;
    drawing::Graphics g(*m_overlay);
    applyQuality(g);
    const float e = static_cast<float>(std::min(Width() - 1, Height() - 1));
    const FrameGeometry f = m_border.frame(e);
    const drawing::RectF area{0, 0, static_cast<float>(Width() - 1), static_cast<float>(Height() - 1)};
    if (m_border.Shape() == gbsRoundRectangle)
        drawRoundFrame(g, area, f, e);
    else
        drawOtherFrame(g, area, f);
    return *m_overlay;
}

void TILGlassPanel::paintOverlay(const ui::PaintSurface& surface) {
    if (Width() <= 0 || Height() <= 0) return;
    surface.blend(overlayPicture(), {0, 0});
}

}  // namespace sk::instruments
