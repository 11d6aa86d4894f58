// TILGlassPanel: a container with a rounded, bevelled frame and a glass sheen
// that lie over its children. The panel's own window shows only its background,
// clipped to the frame's centre line; the frame and the sheen are an overlay
// picture that the framework composites above the children, rendered once per
// refresh and placed with the panel wherever it moves or is clipped.
#pragma once

#include <optional>

#include "controls/instruments/ControlBorder.h"
#include "controls/instruments/InstrumentProperties.h"
#include "controls/instruments/ULBasicControl.h"
#include "ui/Region.h"

namespace sk::instruments {

class TILGlassPanel : public TULBasicControl {
    SK_PERSISTENT_CLASS
public:
    explicit TILGlassPanel(ui::Component* owner = nullptr);

    TULControlBorder* Border() { return &m_border; }
    TILGlass* Glass() { return &m_glass; }

    // The frame's thickness D in pixels, resolved against min(Width, Height) - 1.
    float frameThickness() const;
    // The client area: the bounds shrunk by D rounded on every side.
    drawing::Rect alignRect() const override;
    // The window shape for the panel's size (the frame's centre line).
    ui::Region frameRegion() const;
    // The overlay picture (frame and glass), made when missing.
    const drawing::Bitmap& overlayPicture();
    // How often the overlay picture has been rendered (once per refresh).
    int overlayRenders() const { return m_overlayRenders; }

    void LayersChanged() override;

protected:
    void paintOverlay(const ui::PaintSurface& surface) override;
    void dropLayers() override;
    void parentChanged() override;
    void boundsChanged(const drawing::Rect& old) override;

private:
    void updateRegion();
    void drawRoundFrame(drawing::Graphics& g, const drawing::RectF& area, const FrameGeometry& f,
                        float e) const;
    void drawOtherFrame(drawing::Graphics& g, const drawing::RectF& area, const FrameGeometry& f) const;

    TULControlBorder m_border{gbsRoundRectangle, 0.05f, 0.2f};
    TILGlass m_glass;
    std::optional<drawing::Bitmap> m_overlay;
    int m_overlayRenders = 0;
};

}  // namespace sk::instruments
