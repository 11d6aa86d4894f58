// TULBasicControl, the base of the instrument controls: a windowed control that
// paints itself off-screen, first its background (the window colour, or in
// transparent mode a snapshot of what lies behind it), then its vector drawing.
//
// Change paths: a drawing property that changes calls LayersChanged (cached
// layers are dropped and rebuilt at the next paint); the displayed value calls
// ValueChanged (a repaint that keeps the layers). Draw runs under the control's
// re-entrant lock; a paint that cannot take it draws nothing. A drawing property
// changed from inside Draw (by an event Draw raises, on the same thread) takes
// the lock again; the layers that drawing uses are dropped once it has finished.
#pragma once

#include <cstdint>
#include <span>

#include "controls/instruments/GaugeValue.h"
#include "controls/instruments/InstrumentLock.h"
#include "drawing/Bitmap.h"
#include "drawing/Graphics.h"
#include "ui/WinControl.h"

namespace sk::instruments {

class TULBasicControl : public ui::CustomControl {
    SK_PERSISTENT_CLASS
public:
    explicit TULBasicControl(ui::Component* owner = nullptr);

    bool AntiAlias() const { return m_antiAlias; }
    void SetAntiAlias(bool value);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool value);

    // A drawing property changed: the cached layers go, the control repaints.
    virtual void LayersChanged();
    // The displayed value changed: the control repaints over its cached layers.
    virtual void ValueChanged();
    void Redraw() { invalidate(); }

    // Renders Draw into an ARGB bitmap one pixel larger than the drawn area in each
    // direction and copies its rows into `pixels` ((drawWidth + 1) x (drawHeight + 1),
    // row after row); a smaller buffer takes what fits.
    void DrawToBitmap(std::span<std::uint32_t> pixels, int drawWidth, int drawHeight, float scaleX = 1,
                      float scaleY = 1);

    InstrumentLock& lock() const { return m_lock; }
    // The control's picture as a paint makes it (background and drawing).
    const drawing::Bitmap& render();
    // How often cached layers have been built (for tests of the cache rules).
    int layerBuilds() const { return m_layerBuilds; }

protected:
    // Fills the canvas behind the picture.
    virtual void DrawBackground(drawing::Bitmap& canvas);
    // Draws the picture onto the canvas: Draw under the lock, scaled.
    virtual void DrawContent(drawing::Bitmap& canvas, float scaleX, float scaleY);
    virtual void ApplyTransparent(bool on);
    // The control's vector drawing; empty here.
    virtual void Draw(drawing::Graphics& g, int width, int height, int drawWidth, int drawHeight,
                      float scaleX, float scaleY);
    // Drops cached layers and geometry; LayersChanged calls it under the lock.
    virtual void dropLayers() {}
    void noteLayerBuild() { ++m_layerBuilds; }
    // The gauges' Value, Min and Max setters: under the lock, then the change path
    // (a value repaints over the layers, a bound rebuilds them).
    void setGaugeValue(GaugeValue& gauge, double value);
    void setGaugeBound(double& bound, double value);
    // Smoothing and text hints as AntiAlias asks.
    void applyQuality(drawing::Graphics& g) const;

    void paint(const ui::PaintSurface& surface) override;
    void boundsChanged(const drawing::Rect& old) override;
    void showingChanged(bool showing) override;
    void colorChanged() override;

private:
    // Draw under the lock, unless another thread holds it or a drawing is under way.
    void drawLocked(drawing::Graphics& g, int drawWidth, int drawHeight, float scaleX, float scaleY);
    void finishDrawing();
    bool probesVisible() const;
    void takeSnapshot(const ui::PaintSurface& surface);

    bool m_antiAlias = true;
    bool m_transparent = false;
    mutable InstrumentLock m_lock;
    drawing::Bitmap m_buffer;
    drawing::Bitmap m_snapshot;
    bool m_snapshotDue = true;
    int m_layerBuilds = 0;
    bool m_drawing = false;        // Draw is under way (guarded by the lock)
    bool m_dropAfterDraw = false;  // LayersChanged came while drawing
};

}  // namespace sk::instruments
