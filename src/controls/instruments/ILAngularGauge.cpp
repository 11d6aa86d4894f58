// The angular gauge: properties, layers and the per-paint drawing of the hand.
#include "controls/instruments/ILAngularGauge.h"

#include <algorithm>
#include <cmath>
#include <mutex>
#include <numbers>

#include "controls/instruments/FrameShapes.h"
#include "drawing/LinearGradientBrush.h"
#include "drawing/PathGradientBrush.h"

namespace sk::instruments {

using drawing::ARGB;
using drawing::PointF;
using drawing::RectF;

namespace {

constexpr double kDegrees = std::numbers::pi / 180.0;

PointF onCircle(const DialGeometry& d, double angle, float radius) {
    return {d.cx() + static_cast<float>(std::cos(angle * kDegrees)) * radius,
            d.cy() + static_cast<float>(std::sin(angle * kDegrees)) * radius};
}

RectF circleBox(const DialGeometry& d, float radius) {
    return {d.cx() - radius, d.cy() - radius, 2 * radius, 2 * radius};
}

// n(x) = 1 - |180 - x| / 180: how much a direction faces the light.
double facing(double x) {
    return 1 - std::fabs(180 - x) / 180;
}
double wrapped(double x) {
    while (x >= 360) x -= 360;
    while (x < 0) x += 360;
    return x;
}
ARGB whiteWithAlpha(double share) {
    const int alpha = std::min(255, drawing::roundHalfEven(170 * share) + 20);
    return (static_cast<ARGB>(alpha) << 24) | 0x00FFFFFFu;
}

}  // namespace

const ui::ClassInfo& TILAngularGauge::staticClassInfo() {
    static const ui::ClassInfo info =
        ui::ClassBuilder<TILAngularGauge>("TILAngularGauge", &TULBasicControl::staticClassInfo())
            .creatable()
            .argb("Color", &TILAngularGauge::FaceColor, &TILAngularGauge::SetFaceColor, 0xFFD3D3D3LL)
            .object("Background", &TILAngularGauge::Background)
            .object("Border", &TILAngularGauge::Border)
            .object("Caption", &TILAngularGauge::Caption)
            .object("Glass", &TILAngularGauge::Glass)
            .object("Scale", &TILAngularGauge::Scale)
            .object("Ranges", &TILAngularGauge::Ranges)
            .object("Hand", &TILAngularGauge::Hand)
            .object("Center", &TILAngularGauge::Center)
            .floating("Min", &TILAngularGauge::Min, &TILAngularGauge::SetMin, 0.0)
            .floating("Max", &TILAngularGauge::Max, &TILAngularGauge::SetMax, 100.0)
            .floating("Value", &TILAngularGauge::Value, &TILAngularGauge::SetValue, 0.0)
            .object("InputPin", &TILAngularGauge::InputPin)
            .build();
    return info;
}
SK_INSTRUMENT_CLASS_INFO(TILAngularGauge)

TILAngularGauge::TILAngularGauge(ui::Component* owner)
    : TULBasicControl(owner), m_caption(*this, 0.7f), m_background(*this), m_inputPin(*this) {
    for (ui::Persistent* p : std::initializer_list<ui::Persistent*>{&m_border, &m_caption, &m_glass, &m_scale,
                                                                    &m_ranges, &m_hand, &m_center})
        adoptProperty(*p);
    SetBounds(0, 0, 160, 160);
}

void TILAngularGauge::adoptProperty(ui::Persistent& property) {
    property.setChangeHandler([this](ui::Persistent*) { LayersChanged(); });
}

void TILAngularGauge::SetBounds(int left, int top, int width, int height) {
    TULBasicControl::SetBounds(left, top, std::max(width, 5), std::max(height, 5));
}

void TILAngularGauge::SetValue(double value) {
    setGaugeValue(m_value, value);
}

void TILAngularGauge::SetMin(double value) {
    setGaugeBound(m_value.min, value);
}

void TILAngularGauge::SetMax(double value) {
    setGaugeBound(m_value.max, value);
}

void TILAngularGauge::SetFaceColor(ARGB value) {
    if (value == m_faceColor) return;
    m_faceColor = value;
    LayersChanged();
}

void TILAngularGauge::Loaded() {
    TULBasicControl::Loaded();
    if (m_value.limit()) ValueChanged();
}

double TILAngularGauge::handAngle() const {
    return instruments::handAngle(m_scale.startAngle(), m_scale.span(), m_value.fraction(),
                                  m_scale.Reversed());
}

void TILAngularGauge::dropLayers() {
    m_faceLayer.reset();
    m_frameLayer.reset();
    m_glassLayer.reset();
    m_layersBuilt = false;
}

// ---- Layers ---------------------------------------------------------------------------------

void TILAngularGauge::buildLayers(const DialGeometry& d) {
    if (m_layersBuilt) return;
    m_layersBuilt = true;
    noteLayerBuild();
    const int w = static_cast<int>(std::ceil(d.areaWidth)) + 1,
              h = static_cast<int>(std::ceil(d.areaHeight)) + 1;
    auto newLayer = [&](std::optional<drawing::Bitmap>& layer, auto&& drawInto) {
        layer.emplace(w, h);
        drawing::Graphics g(*layer);
        applyQuality(g);
        drawInto(g);
    };
    newLayer(m_faceLayer, [&](drawing::Graphics& g) { drawFace(g, d); });
    if (m_border.outer().band(d.side) > 0 || m_border.inner().band(d.side) > 0)
        newLayer(m_frameLayer, [&](drawing::Graphics& g) { drawFrame(g, d); });
    if (m_glass.Visible())
        newLayer(m_glassLayer, [&](drawing::Graphics& g) {
            frame::drawGlass(g, m_border.Shape(), frame::inset(area(d), d.frame.thickness()), m_glass.Color(),
                             m_glass.LightColor(), m_border.cornerRadius().resolve(d.side),
                             m_border.cornerRadius().resolve(d.side));
        });
}

drawing::GraphicsPath TILAngularGauge::contentClip(const DialGeometry& d) const {
    const float corner = m_border.cornerRadius().resolve(d.side);
    return frame::outline(m_border.Shape(), frame::inset(area(d), d.frame.thickness() / 2), corner, corner);
}

void TILAngularGauge::drawFrame(drawing::Graphics& g, const DialGeometry& d) const {
    const FrameGeometry& f = d.frame;
    const ARGB dark = m_border.darkShade();
    const float corner = m_border.cornerRadius().resolve(d.side);
    const TULBorderShape shape = m_border.Shape();
    frame::strokeBorder(g, shape, area(d), f.thickness(), f.strokeWidth(), m_border.Color(), corner, corner);
    frame::drawBevelRing(g, shape, area(d), 0, f.u,
                         {m_border.outer().firstColor(dark), m_border.outer().secondColor(dark)}, corner,
                         corner);
    frame::drawBevelRing(g, shape, area(d), f.u + f.w, f.v,
                         {m_border.inner().firstColor(dark), m_border.inner().secondColor(dark)},
                         corner - f.u - f.w, corner - f.u - f.w);
}

void TILAngularGauge::drawFace(drawing::Graphics& g, const DialGeometry& d) const {
    const float corner = m_border.cornerRadius().resolve(d.side);
    frame::fillFace(g, m_border.Shape(), area(d), d.frame.strokeWidth(), m_faceColor, corner, corner);
    g.setClip(contentClip(d));
    m_caption.draw(g, {d.cx(), d.cy()}, d.radius);
    if (m_ranges.Visible()) drawRangeBand(g, d);
    drawTicks(g, d);
    drawHubShadow(g, d);
}

void TILAngularGauge::drawRangeBand(drawing::Graphics& g, const DialGeometry& d) const {
    const float gap = m_ranges.position().resolve(2 * d.radius);
    const float width = m_ranges.width().resolve(2 * d.radius);
    const RectF box = circleBox(d, d.radius - gap - width / 2);
    const double start = m_scale.startAngle(), span = m_scale.span();
    g.drawArc(drawing::Pen(m_ranges.Color(), width), box, static_cast<float>(start),
              static_cast<float>(span));
    std::vector<float> shares;
    for (int i = 0; i < m_ranges.ranges().count(); ++i) shares.push_back(m_ranges.ranges()[i]->Range());
    const auto arcs = rangeArcs(shares, start, span, m_scale.Reversed());
    for (std::size_t i = 0; i < arcs.size(); ++i)
        g.drawArc(drawing::Pen(m_ranges.ranges()[static_cast<int>(i)]->Color(), 0.8f * width), box,
                  static_cast<float>(arcs[i].start), static_cast<float>(arcs[i].sweep));
}

void TILAngularGauge::drawTicks(drawing::Graphics& g, const DialGeometry& d) const {
    const TILInstrumentMajorTicks& major = m_scale.majorTicks();
    const TILInstrumentTicks& minor = m_scale.minorTicks();
    TickRules rules;
    rules.majorCount = major.Count();
    rules.minorCount = minor.Count();
    rules.majorVisible = major.Visible();
    rules.minorVisible = minor.Visible();
    rules.majorLabels = major.labels().Visible();
    rules.minorLabels = minor.labels().Visible();
    rules.minTick = major.minTick().Visible();
    rules.minTickLabel = major.minTick().tickLabel().Visible();
    rules.maxTick = major.maxTick().Visible();
    rules.maxTickLabel = major.maxTick().tickLabel().Visible();

    const float twoR = 2 * d.radius;
    const float rs = m_scale.position().resolve(d.radius);
    const double range = std::fabs(Max() - Min());
    const TILScalePrecision& precision = m_scale.precision();
    const int majorDecimals = labelDecimals(precision.NumberDigits(), precision.FixedPrecision(), range);
    const int minorDecimals = labelDecimals(precision.NumberDigits(), precision.FixedPrecision(),
                                            major.Count() ? range / major.Count() : 0);
    const drawing::Pen majorPen(major.brush().brushFor(area(d)), major.thickness().resolve(twoR));
    const drawing::Pen minorPen(minor.brush().brushFor(area(d)), minor.thickness().resolve(twoR));

    for (const TickMark& tick :
         scaleTicks(rules, m_scale.startAngle(), m_scale.span(), m_scale.Reversed(), Min(), Max())) {
        const TILInstrumentTicks& kind = tick.major ? static_cast<const TILInstrumentTicks&>(major) : minor;
        const float inner = rs - kind.length().resolve(twoR);
        g.drawLine(tick.major ? majorPen : minorPen, onCircle(d, tick.angle, inner),
                   onCircle(d, tick.angle, rs));
        if (!tick.withLabel) continue;
        const TILInstrumentTicksText& labels = kind.labels();
        labels.font().drawText(g, formatLabel(tick.value, tick.major ? majorDecimals : minorDecimals),
                               onCircle(d, tick.angle, labels.position().resolve(rs)), labels.Angle(),
                               labels.font().size().resolve(d.radius), d.areaWidth);
    }
}

void TILAngularGauge::drawHubShadow(drawing::Graphics& g, const DialGeometry& d) const {
    const TILAnalogGaugeCenterItem& bottom = m_center.bottom();
    if (drawing::alphaOf(bottom.Color()) == 0) return;
    const float size = bottom.size().resolve(d.side);
    const float diameter = 1.1f * size, shift = 0.014f * d.side;
    const RectF box{d.cx() - diameter / 2 + shift, d.cy() - diameter / 2 + shift, diameter, diameter};
    drawing::GraphicsPath ellipse;
    ellipse.addEllipse(box);
    drawing::PathGradientBrush brush(ellipse);
    brush.setWrapMode(drawing::WrapMode::Clamp);
    const int middle = std::min(drawing::roundHalfEven(400.0 * bottom.size().Value()) + 50, 140);
    brush.setInterpolationColors({0x00FFFFFF, static_cast<ARGB>(middle) << 24, 0x8C000000u}, {0, 0.4f, 1});
    g.fillEllipse(brush, box);
}

// ---- Per paint -------------------------------------------------------------------------------

void TILAngularGauge::drawHand(drawing::Graphics& g, const DialGeometry& d) const {
    const float R = d.radius;
    const float L = m_hand.length().resolve(R), T = m_hand.tailLength().resolve(R);
    const float tw = m_hand.tipWidth().resolve(R), bw = m_hand.tailWidth().resolve(R);
    const float ti = m_hand.tailIndentSize().resolve(R);
    const double theta = handAngle();
    const std::vector<PointF> outline{{-T, -(tw + bw) / 2}, {L, -tw / 2}, {L, tw / 2}, {-T, (tw + bw) / 2}};
    const float pivotX = (d.areaWidth - 1) / 2, pivotY = (d.areaHeight - 1) / 2;

    // Shadow: shifted right and down on the screen, then turned with the hand.
    const float shift = 0.014f * std::min(d.areaWidth, d.areaHeight);
    drawing::GraphicsState state = g.save();
    g.translateTransform(pivotX + shift, pivotY + shift);
    g.rotateTransform(static_cast<float>(theta));
    drawing::PathGradientBrush shadow(outline, drawing::WrapMode::Clamp);
    shadow.setCenterPoint({-T / 2, 0});
    shadow.setInterpolationColors({0x00FFFFFF, 0x8C000000u, 0x8C000000u}, {0, 0.7f, 1});
    g.fillPolygon(shadow, outline);
    g.restore(state);

    state = g.save();
    g.translateTransform(pivotX, pivotY);
    g.rotateTransform(static_cast<float>(theta));
    g.fillPolygon(drawing::SolidBrush(m_hand.Color()), outline);
    const double a = wrapped(theta - 45), b = wrapped(theta + 45), e = wrapped(theta + 135);
    const PointF upper[3] = {{ti - T, -tw / 2}, {-T, -(tw + bw) / 2}, {L, -tw / 2}};
    const PointF lower[3] = {{ti - T, tw / 2}, {-T, (tw + bw) / 2}, {L, tw / 2}};
    g.fillPolygon(drawing::SolidBrush(whiteWithAlpha(0.75 * (1 - facing(b)) + 0.25 * facing(a))), upper);
    g.fillPolygon(drawing::SolidBrush(whiteWithAlpha(0.25 * facing(a) + 0.75 * facing(b))), lower);
    if (ti != 0) {
        const PointF notch[4] = {
            {-T, -(tw + bw) / 2}, {-T, (tw + bw) / 2}, {ti - T, tw / 2}, {ti - T, -tw / 2}};
        g.fillPolygon(drawing::SolidBrush(whiteWithAlpha(0.25 * facing(a) + 0.75 * facing(e))), notch);
    }
    g.restore(state);
}

void TILAngularGauge::drawCenterCap(drawing::Graphics& g, const DialGeometry& d) const {
    const TILAnalogGaugeCenterItem& bottom = m_center.bottom();
    const TILAnalogGaugeCenterItem& top = m_center.top();
    if (drawing::alphaOf(bottom.Color()) != 0) {
        const RectF box = circleBox(d, bottom.size().resolve(d.side) / 2);
        g.fillEllipse(drawing::LinearGradientBrush(area(d), 0xFF000000, bottom.Color(),
                                                   drawing::LinearGradientMode::Vertical),
                      box);
    }
    if (drawing::alphaOf(top.Color()) != 0) {
        const RectF box = circleBox(d, top.size().resolve(d.side) / 2);
        drawing::LinearGradientBrush brush(box, 0xFFFFFFFF, top.Color(),
                                           drawing::LinearGradientMode::ForwardDiagonal);
        brush.setInterpolationColors({drawing::blendColor(0xFFFFFFFF, top.Color(), 0.4), top.Color(),
                                      drawing::blendColor(top.Color(), 0xFF000000, 0.7)},
                                     {0, 0.5f, 1});
        g.fillEllipse(brush, box);
    }
}

bool TILAngularGauge::movingPartsInsideClip(const DialGeometry& d) const {
    if (m_border.Shape() != gbsEllipse || d.areaWidth != d.areaHeight) return false;
    const float R = d.radius;
    const float halfTail = (m_hand.tipWidth().resolve(R) + m_hand.tailWidth().resolve(R)) / 2;
    const float hand =
        std::max(m_hand.length().resolve(R), std::hypot(m_hand.tailLength().resolve(R), halfTail));
    const float shadow = 0.014f * d.areaWidth * std::numbers::sqrt2_v<float>;
    const float cap =
        std::max(m_center.bottom().size().resolve(d.side), m_center.top().size().resolve(d.side)) / 2;
    // The pivot lies half a pixel off the centre; a pixel more for smoothing.
    const float reach = std::max(hand + shadow, cap) + 1.5f;
    return reach < d.areaWidth / 2 - d.frame.thickness() / 2;
}

// The layers at the drawing area's origin, the moving parts between them.
void TILAngularGauge::Draw(drawing::Graphics& g, int, int, int, int, float, float) {
    const drawing::GraphicsState saved = g.save();
    const DialGeometry d = geometry();
    g.translateTransform(d.offsetX, d.offsetY);
    buildLayers(d);

    g.drawImage(*m_faceLayer, PointF{0, 0});
    applyQuality(g);
    const drawing::Region clip = g.clip();
    // Clipping to a curved outline costs a mask per fill; it is left out when the
    // hand and the cap lie inside the outline anyway.
    if (!movingPartsInsideClip(d)) g.intersectClip(contentClip(d));
    drawHand(g, d);
    drawCenterCap(g, d);
    g.setClip(clip);
    g.setSmoothingMode(drawing::SmoothingMode::Default);
    if (m_glassLayer) g.drawImage(*m_glassLayer, PointF{0, 0});
    if (m_frameLayer) g.drawImage(*m_frameLayer, PointF{0, 0});
    g.restore(saved);
}

}  // namespace sk::instruments
