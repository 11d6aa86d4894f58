// The instrument base control: off-screen painting, transparency and change paths.
#include "controls/instruments/ULBasicControl.h"

#include <algorithm>
#include <mutex>

#include "controls/instruments/InstrumentProperty.h"
#include "ui/Form.h"

namespace sk::instruments {

const ui::ClassInfo& TULBasicControl::staticClassInfo() {
    static const ui::ClassInfo info =
        ui::ClassBuilder<TULBasicControl>("TULBasicControl", &ui::CustomControl::staticClassInfo())
            .boolean("AntiAlias", &TULBasicControl::AntiAlias, &TULBasicControl::SetAntiAlias, true)
            .boolean("Transparent", &TULBasicControl::Transparent, &TULBasicControl::SetTransparent, false)
            .build();
    return info;
}
SK_INSTRUMENT_CLASS_INFO(TULBasicControl)

TULBasicControl::TULBasicControl(ui::Component* owner) : CustomControl(owner) {}

void TULBasicControl::SetAntiAlias(bool value) {
    if (value == m_antiAlias) return;
    m_antiAlias = value;
    LayersChanged();
}

void TULBasicControl::SetTransparent(bool value) {
    if (value == m_transparent) return;
    m_transparent = value;
    ApplyTransparent(value);
    invalidate();
}

void TULBasicControl::ApplyTransparent(bool on) {
    // The snapshot exists only in transparent mode.
    m_snapshot = drawing::Bitmap();
    m_snapshotDue = on;
}

void TULBasicControl::LayersChanged() {
    {
        std::lock_guard guard(m_lock);
        // A change made from inside Draw (an event it raises) on the drawing's own
        // thread: the layers in use go when that drawing has finished.
        if (m_drawing)
            m_dropAfterDraw = true;
        else
            dropLayers();
    }
    invalidate();
}

void TULBasicControl::ValueChanged() {
    invalidate();
}

void TULBasicControl::setGaugeValue(GaugeValue& gauge, double value) {
    bool changed = false;
    {
        std::lock_guard guard(m_lock);
        changed = gauge.set(value, loading());
    }
    if (changed) ValueChanged();
}

void TULBasicControl::setGaugeBound(double& bound, double value) {
    if (value == bound) return;
    {
        std::lock_guard guard(m_lock);
        bound = value;
    }
    LayersChanged();
}

void TULBasicControl::boundsChanged(const drawing::Rect& old) {
    CustomControl::boundsChanged(old);
    m_snapshotDue = m_transparent;
    if (old.width != Width() || old.height != Height()) LayersChanged();
}

void TULBasicControl::showingChanged(bool showing) {
    CustomControl::showingChanged(showing);
    if (showing) m_snapshotDue = m_transparent;
}

void TULBasicControl::colorChanged() {
    // The window colour is the background only; the layers do not hold it.
    invalidate();
}

void TULBasicControl::applyQuality(drawing::Graphics& g) const {
    if (m_antiAlias) {
        g.setSmoothingMode(drawing::SmoothingMode::AntiAlias);
        g.setTextRenderingHint(drawing::TextRenderingHint::AntiAlias);
    } else {
        g.setTextRenderingHint(drawing::TextRenderingHint::AntiAliasGridFit);
    }
}

// ---- Painting ----------------------------------------------------------------------

void TULBasicControl::DrawBackground(drawing::Bitmap& canvas) {
    if (m_transparent && !m_snapshot.empty()) {
        canvas.copyFrom(m_snapshot, {0, 0, m_snapshot.width(), m_snapshot.height()}, {0, 0});
        return;
    }
    canvas.fill(drawing::ColorToARGB(255, Color()));
}

void TULBasicControl::DrawContent(drawing::Bitmap& canvas, float scaleX, float scaleY) {
    drawing::Graphics g(canvas);
    g.scaleTransform(scaleX, scaleY);
    applyQuality(g);
    drawLocked(g, Width(), Height(), scaleX, scaleY);
}

void TULBasicControl::drawLocked(drawing::Graphics& g, int drawWidth, int drawHeight, float scaleX,
                                 float scaleY) {
    std::unique_lock guard(m_lock, std::try_to_lock);
    if (!guard.owns_lock() || m_drawing) return;
    m_drawing = true;
    try {
        Draw(g, Width(), Height(), drawWidth, drawHeight, scaleX, scaleY);
    } catch (...) {
        finishDrawing();
        throw;
    }
    finishDrawing();
}

void TULBasicControl::finishDrawing() {
    m_drawing = false;
    if (!m_dropAfterDraw) return;
    m_dropAfterDraw = false;
    dropLayers();
}

void TULBasicControl::Draw(drawing::Graphics&, int, int, int, int, float, float) {}

const drawing::Bitmap& TULBasicControl::render() {
    if (m_buffer.width() != Width() || m_buffer.height() != Height())
        m_buffer = drawing::Bitmap(Width(), Height());
    if (m_buffer.empty()) return m_buffer;
    DrawBackground(m_buffer);
    DrawContent(m_buffer, 1, 1);
    return m_buffer;
}

void TULBasicControl::paint(const ui::PaintSurface& surface) {
    if (Width() <= 0 || Height() <= 0) return;
    ui::PaintSurface target = surface;
    if (m_transparent && m_snapshotDue) {
        // The snapshot covers the whole control, so the whole control is painted.
        target.clip = formRect();
        takeSnapshot(target);
    }
    render();
    target.blit(m_buffer, {0, 0});
}

bool TULBasicControl::probesVisible() const {
    const drawing::Point probes[4] = {
        {9, 9}, {Width() - 9, 9}, {9, Height() - 9}, {Width() - 9, Height() - 9}};
    for (drawing::Point p : probes) {
        const Control* c = this;
        for (; c->Parent(); c = c->Parent()) {
            p = {p.x + c->Left(), p.y + c->Top()};
            if (!c->Parent()->ClientRect().contains(p) || !c->Visible()) return false;
        }
        if (!c->ClientRect().contains(p)) return false;
    }
    return true;
}

void TULBasicControl::takeSnapshot(const ui::PaintSurface& surface) {
    m_snapshotDue = false;
    if (probesVisible()) {
        paintParentBackground(surface);
        m_snapshot = readBackPixels(ClientRect());
        return;
    }
    m_snapshot = drawing::Bitmap(Width(), Height());
    m_snapshot.fill(drawing::ColorToARGB(255, Color()));
}

void TULBasicControl::DrawToBitmap(std::span<std::uint32_t> pixels, int drawWidth, int drawHeight,
                                   float scaleX, float scaleY) {
    drawing::Bitmap bitmap(std::max(0, drawWidth) + 1, std::max(0, drawHeight) + 1);
    {
        drawing::Graphics g(bitmap);
        g.scaleTransform(scaleX, scaleY);
        applyQuality(g);
        drawLocked(g, drawWidth, drawHeight, scaleX, scaleY);
    }
    std::size_t i = 0;
    for (int y = 0; y < bitmap.height(); ++y)
        for (int x = 0; x < bitmap.width() && i < pixels.size(); ++x) pixels[i++] = bitmap.pixel(x, y);
}

}  // namespace sk::instruments
