// TILSegmentGauge: a number on a row of lit seven-segment digits, right-aligned,
// with a decimal point in every cell and a sign cell at the left end. Lit
// segments shade from a centre colour to the segment colour under a soft glow;
// unlit ones show in a dim colour.
//
// The digit count, the cell polygons, their brushes and glows are computed at the
// first paint after a drawing property changes and kept; a value change only
// repaints with the new symbols.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "controls/instruments/GaugeValue.h"
#include "controls/instruments/InputPin.h"
#include "controls/instruments/SegmentGaugeParts.h"
#include "controls/instruments/SegmentLayout.h"
#include "controls/instruments/ULBasicColorControl.h"
#include "drawing/PathGradientBrush.h"

namespace sk::instruments {

// Col counts cells from the right, Row is 0; the handler may change the mask.
using TILCustomSegmentSymbol =
    std::function<void(ui::Component* sender, unsigned col, unsigned row, char symbol, unsigned& segments)>;

class TILSegmentGauge : public TULBasicColorControl {
    SK_PERSISTENT_CLASS
public:
    explicit TILSegmentGauge(ui::Component* owner = nullptr);
    ~TILSegmentGauge() override;

    double Value() const { return m_value.value; }
    void SetValue(double value);
    double Min() const { return m_value.min; }
    void SetMin(double value);
    double Max() const { return m_value.max; }
    void SetMax(double value);

    TILSegmentsType SegmentsType() const { return m_type; }
    void SetSegmentsType(TILSegmentsType value);
    TILSegment* Segments() { return &m_segments; }
    TILDecimalPointSegment* DecimalPoint() { return &m_point; }
    TILSegmentIndents* Indents() { return &m_indents; }
    TILSegmentGaugeDigits* Digits() { return &m_digits; }
    TILScalePrecision* Precision() { return &m_precision; }
    bool LeadingZero() const { return m_leadingZero; }
    void SetLeadingZero(bool value);
    TILSignSegment* Sign() { return &m_sign; }
    TOWRealAndRangedSinkPin* InputPin() { return &m_inputPin; }
    TILCustomSegmentSymbol OnCustomSymbol;

    // The masks the cells show now, from the right, after OnCustomSymbol.
    std::vector<unsigned> cellMasks() const;
    unsigned cellCount() const;
    CellLayout layout() const;

protected:
    void Draw(drawing::Graphics& g, int width, int height, int drawWidth, int drawHeight, float scaleX,
              float scaleY) override;
    virtual void DrawSymbols(drawing::Graphics& g, int width, int height);
    void dropLayers() override;
    void Loaded() override;

private:
    struct Lit {
        std::vector<drawing::PointF> outline;
        std::unique_ptr<drawing::PathGradientBrush> fill;
        std::unique_ptr<drawing::PathGradientBrush> glow;
        std::vector<drawing::PointF> glowOutline;
    };
    struct Sprite {
        drawing::Bitmap glow, lit;
        drawing::Point glowAt, litAt;
    };
    struct Cache;
    DigitRules rules() const;
    void buildCache(int height);
    Lit makeLit(std::vector<drawing::PointF> outline, float glowBy) const;
    void drawCell(drawing::Graphics& g, unsigned mask) const;
    void drawSign(drawing::Graphics& g) const;
    void drawLitParts(drawing::Graphics& g, const std::vector<const Lit*>& parts) const;
    Sprite makeSprite(const Lit& part, float dx) const;
    void buildPictures(int width, int height);
    void drawSprites(drawing::Graphics& g, const std::vector<const Sprite*>& parts) const;
    void drawFromPictures(drawing::Graphics& g) const;

    GaugeValue m_value;
    TILSegmentsType m_type = stSeven;
    TILSegment m_segments;
    TILDecimalPointSegment m_point;
    TILSegmentIndents m_indents;
    TILSegmentGaugeDigits m_digits;
    TILScalePrecision m_precision{true};
    bool m_leadingZero = false;
    TILSignSegment m_sign;
    TOWRealAndRangedSinkPin m_inputPin;
    std::unique_ptr<Cache> m_cache;
};

}  // namespace sk::instruments
