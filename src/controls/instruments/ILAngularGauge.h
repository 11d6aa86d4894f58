// TILAngularGauge: a circular dial with a bevelled frame, a face with a caption,
// a coloured range band, numbered major ticks and minor ticks, a tapered hand
// with its shadow and facets, a two-part centre cap and a glass highlight.
//
// The static parts are drawn into three cached layers (face, frame, glass) that a
// drawing property change discards; a value change only redraws the hand and the
// cap over them.
#pragma once

#include <optional>

#include "controls/instruments/AngularGaugeParts.h"
#include "controls/instruments/Caption.h"
#include "controls/instruments/DialGeometry.h"
#include "controls/instruments/GaugeValue.h"
#include "controls/instruments/InputPin.h"
#include "controls/instruments/ULBasicControl.h"

namespace sk::instruments {

class TILAngularGauge : public TULBasicControl {
    SK_PERSISTENT_CLASS
public:
    explicit TILAngularGauge(ui::Component* owner = nullptr);

    double Value() const { return m_value.value; }
    void SetValue(double value);
    double Min() const { return m_value.min; }
    void SetMin(double value);
    double Max() const { return m_value.max; }
    void SetMax(double value);

    // The face colour (ARGB); the window colour is Background.Color.
    drawing::ARGB FaceColor() const { return m_faceColor; }
    void SetFaceColor(drawing::ARGB value);
    TULControlBorder* Border() { return &m_border; }
    TULCaption* Caption() { return &m_caption; }
    TILGlass* Glass() { return &m_glass; }
    TILAngularGaugeScale* Scale() { return &m_scale; }
    TILAnalogGaugeScaleRanges* Ranges() { return &m_ranges; }
    TILAngularGaugeHand* Hand() { return &m_hand; }
    TILAnalogGaugeCenter* Center() { return &m_center; }
    TULControlBackground* Background() { return &m_background; }
    TOWRealAndRangedSinkPin* InputPin() { return &m_inputPin; }

    // Sizes below 5 pixels are raised to 5.
    void SetBounds(int left, int top, int width, int height) override;

    DialGeometry geometry() const { return dialGeometry(Width(), Height(), m_border); }
    // The hand's angle for the current value, degrees clockwise from 3 o'clock.
    double handAngle() const;

protected:
    void Draw(drawing::Graphics& g, int width, int height, int drawWidth, int drawHeight, float scaleX,
              float scaleY) override;
    void dropLayers() override;
    void Loaded() override;

private:
    void adoptProperty(ui::Persistent& property);
    void buildLayers(const DialGeometry& d);
    void drawFace(drawing::Graphics& g, const DialGeometry& d) const;
    void drawFrame(drawing::Graphics& g, const DialGeometry& d) const;
    void drawRangeBand(drawing::Graphics& g, const DialGeometry& d) const;
    void drawTicks(drawing::Graphics& g, const DialGeometry& d) const;
    void drawHubShadow(drawing::Graphics& g, const DialGeometry& d) const;
    void drawHand(drawing::Graphics& g, const DialGeometry& d) const;
    void drawCenterCap(drawing::Graphics& g, const DialGeometry& d) const;
    drawing::GraphicsPath contentClip(const DialGeometry& d) const;
    bool movingPartsInsideClip(const DialGeometry& d) const;
    drawing::RectF area(const DialGeometry& d) const { return {0, 0, d.areaWidth, d.areaHeight}; }

    GaugeValue m_value;
    drawing::ARGB m_faceColor = 0xFFD3D3D3;
    TULControlBorder m_border;
    TULCaption m_caption;
    TILGlass m_glass;
    TILAngularGaugeScale m_scale;
    TILAnalogGaugeScaleRanges m_ranges;
    TILAngularGaugeHand m_hand;
    TILAnalogGaugeCenter m_center;
    TULControlBackground m_background;
    TOWRealAndRangedSinkPin m_inputPin;

    std::optional<drawing::Bitmap> m_faceLayer, m_frameLayer, m_glassLayer;
    bool m_layersBuilt = false;
};

}  // namespace sk::instruments
