// The segment gauge: properties, cached cell geometry and the per-paint drawing.
#include "controls/instruments/ILSegmentGauge.h"

#include <algorithm>
#include <cmath>
#include <mutex>

namespace sk::instruments {

using drawing::ARGB;
using drawing::PointF;

namespace {

const ui::EnumNames kSegmentsTypeNames{"TILSegmentsType", {"stSeven", "stNine", "stFourteen", "stSixteen"}};

std::vector<PointF> rectanglePoints(float x, float y, float w, float h) {
    return {{x, y}, {x + w, y}, {x + w, y + h}, {x, y + h}};
}

// A plus: a twelve-point cross of arms `length` long and `bar` wide around a centre.
std::vector<PointF> crossPoints(PointF c, float length, float bar) {
    const float a = length / 2, b = bar / 2;
    return {{c.x - b, c.y - a}, {c.x + b, c.y - a}, {c.x + b, c.y - b}, {c.x + a, c.y - b},
            {c.x + a, c.y + b}, {c.x + b, c.y + b}, {c.x + b, c.y + a}, {c.x - b, c.y + a},
            {c.x - b, c.y + b}, {c.x - a, c.y + b}, {c.x - a, c.y - b}, {c.x - b, c.y - b}};
}

std::vector<PointF> circlePoints(const drawing::RectF& box) {
    drawing::GraphicsPath path;
    path.addEllipse(box);
    auto figures = path.flattenedFigures(0.1f);
    return figures.empty() ? std::vector<PointF>{} : figures.front();
}

}  // namespace

// Everything the painting needs that only drawing properties decide.
struct TILSegmentGauge::Cache {
    unsigned cells = 1;
    CellLayout layout;
    std::array<Lit, 7> segments;
    Lit point;
    Lit minus;
    std::optional<Lit> plus;
    ARGB unlit = 0;

    // Pictures for painting at the control's own scale: the background with every
    // part unlit, and each lit part with its glow at its place in every cell (index 7
    // of a cell is its decimal point), so that a new value only composites pictures.
    drawing::Bitmap unlitPicture;
    std::vector<std::array<Sprite, 8>> cellSprites;
    Sprite minusSprite;
    std::optional<Sprite> plusSprite;
};

const ui::ClassInfo& TILSegmentGauge::staticClassInfo() {
    static const ui::ClassInfo info =
        ui::ClassBuilder<TILSegmentGauge>("TILSegmentGauge", &TULBasicColorControl::staticClassInfo())
            .creatable()
            .enumeration("SegmentsType", &TILSegmentGauge::SegmentsType, &TILSegmentGauge::SetSegmentsType,
                         stSeven, kSegmentsTypeNames)
            .object("Segments", &TILSegmentGauge::Segments)
            .object("DecimalPoint", &TILSegmentGauge::DecimalPoint)
            .object("Indents", &TILSegmentGauge::Indents)
            .object("Digits", &TILSegmentGauge::Digits)
            .object("Precision", &TILSegmentGauge::Precision)
            .boolean("LeadingZero", &TILSegmentGauge::LeadingZero, &TILSegmentGauge::SetLeadingZero, false)
            .object("Sign", &TILSegmentGauge::Sign)
            .floating("Min", &TILSegmentGauge::Min, &TILSegmentGauge::SetMin, 0.0)
            .floating("Max", &TILSegmentGauge::Max, &TILSegmentGauge::SetMax, 100.0)
            .floating("Value", &TILSegmentGauge::Value, &TILSegmentGauge::SetValue, 0.0)
            .object("InputPin", &TILSegmentGauge::InputPin)
            .event("OnCustomSymbol", &TILSegmentGauge::OnCustomSymbol)
            .build();
    return info;
}
SK_INSTRUMENT_CLASS_INFO(TILSegmentGauge)

TILSegmentGauge::TILSegmentGauge(ui::Component* owner) : TULBasicColorControl(owner), m_inputPin(*this) {
    for (ui::Persistent* p : std::initializer_list<ui::Persistent*>{&m_segments, &m_point, &m_indents,
                                                                    &m_digits, &m_precision, &m_sign})
        p->setChangeHandler([this](ui::Persistent*) { LayersChanged(); });
    SetBounds(0, 0, 108, 40);
}

TILSegmentGauge::~TILSegmentGauge() = default;

void TILSegmentGauge::SetValue(double value) {
    setGaugeValue(m_value, value);
}

void TILSegmentGauge::SetMin(double value) {
    setGaugeBound(m_value.min, value);
}

void TILSegmentGauge::SetMax(double value) {
    setGaugeBound(m_value.max, value);
}

void TILSegmentGauge::SetSegmentsType(TILSegmentsType value) {
    if (value == m_type) return;
    m_type = value;
    LayersChanged();
}

void TILSegmentGauge::SetLeadingZero(bool value) {
    if (value == m_leadingZero) return;
    m_leadingZero = value;
    LayersChanged();
}

void TILSegmentGauge::Loaded() {
    TULBasicColorControl::Loaded();
    if (m_value.limit()) ValueChanged();
}

void TILSegmentGauge::dropLayers() {
    m_cache.reset();
}

DigitRules TILSegmentGauge::rules() const {
    DigitRules r;
    r.autoSize = m_digits.AutoSize();
    r.numberDigits = m_digits.NumberDigits();
    r.base = m_digits.Base();
    r.fixedPrecision = m_precision.FixedPrecision();
    r.precisionDigits = m_precision.NumberDigits();
    r.leadingZero = m_leadingZero;
    return r;
}

unsigned TILSegmentGauge::cellCount() const {
    return digitCount(rules(), Min(), Max());
}

CellLayout TILSegmentGauge::layout() const {
    return cellLayout(Width(), cellCount(), m_sign.Visible(), m_sign.size().Value(),
                      m_sign.size().Proportional());
}

std::vector<unsigned> TILSegmentGauge::cellMasks() const {
    const auto symbols = cellSymbols(rules(), m_type, cellCount(), Value());
    std::vector<unsigned> masks;
    for (std::size_t col = 0; col < symbols.size(); ++col) {
        unsigned mask = symbols[col].mask;
        if (OnCustomSymbol)
            OnCustomSymbol(const_cast<TILSegmentGauge*>(this), static_cast<unsigned>(col), 0,
                           symbols[col].symbol, mask);
        masks.push_back(mask);
    }
    return masks;
}

// ---- Cached geometry ---------------------------------------------------------------------------

TILSegmentGauge::Lit TILSegmentGauge::makeLit(std::vector<PointF> outline, float glowBy) const {
    Lit lit;
    lit.outline = std::move(outline);
    lit.fill = std::make_unique<drawing::PathGradientBrush>(lit.outline);
    lit.fill->setCenterColor(m_segments.CenterColor());
    lit.fill->setSurroundColors({m_segments.Color()});
    if (m_segments.ShowGlow()) {
        lit.glowOutline = grownOutline(lit.outline, glowBy);
        lit.glow = std::make_unique<drawing::PathGradientBrush>(lit.glowOutline);
        const unsigned halfAlpha = static_cast<unsigned>(
            std::min(255, drawing::roundHalfEven(drawing::alphaOf(m_segments.Color()) / 2.0)));
        lit.glow->setCenterColor((m_segments.Color() & 0x00FFFFFFu) | (halfAlpha << 24));
        lit.glow->setSurroundColors({0x00FFFFFF});
        lit.glow->setBlend({0, 0.32f, 1, 1, 1}, {0, 0.2f, 0.5f, 0.7f, 1});
    }
    return lit;
}

void TILSegmentGauge::buildCache(int height) {
    if (m_cache) return;
    noteLayerBuild();
    auto cache = std::make_unique<Cache>();
    cache->cells = cellCount();
    cache->layout = layout();
    const float wc = cache->layout.cellWidth - 1, hc = static_cast<float>(height - 1);
    const float shorterSide = std::min(wc, hc);
    CellSizes sizes;
    sizes.left = m_indents.left().resolve(wc);
    sizes.right = m_indents.right().resolve(wc);
    sizes.top = m_indents.top().resolve(hc);
    sizes.bottom = m_indents.bottom().resolve(hc);
    sizes.thickness = m_segments.width().resolve(shorterSide);
    sizes.gap = m_segments.gap().resolve(shorterSide);
    sizes.pointSize = m_point.size().resolve(shorterSide);
    sizes.pointRight = m_point.offset().right().resolve(wc);
    sizes.pointBottom = m_point.offset().bottom().resolve(hc);
    const CellGeometry cell = cellGeometry(wc, hc, sizes);
    for (std::size_t i = 0; i < cell.segments.size(); ++i)
        cache->segments[i] = makeLit({cell.segments[i].begin(), cell.segments[i].end()}, cell.thickness);
    cache->point = makeLit(circlePoints(cell.point), 0);
    if (m_segments.ShowGlow()) {
        // The point's glow is its own wider ellipse rather than the grown circle.
        cache->point.glowOutline = circlePoints(cell.pointGlow);
        auto glow = std::make_unique<drawing::PathGradientBrush>(cache->point.glowOutline);
        glow->setCenterColor(cache->segments[0].glow->centerColor());
        glow->setSurroundColors({0x00FFFFFF});
        glow->setBlend({0, 0.32f, 1, 1, 1}, {0, 0.2f, 0.5f, 0.7f, 1});
        cache->point.glow = std::move(glow);
    }

    const float sw = cache->layout.signWidth, cw = cache->layout.cellWidth;
    const float e = std::min(hc, sw), shorter = std::min(hc, cw);
    const float length = m_sign.length().resolve(shorter), bar = m_sign.width().resolve(shorter);
    const float x = m_sign.offsets().x().resolve(e) + (e - length) / 2;
    float y = m_sign.offsets().y().resolve(e) + (hc - bar) / 2;
    if (m_sign.ShowPlus()) {
        const float shift = m_sign.offsets().separation().resolve(hc) / 2;
        cache->plus = makeLit(crossPoints({x + length / 2, y + bar / 2 - shift}, length, bar), bar);
        y += shift;
    }
    cache->minus = makeLit(rectanglePoints(x, y, length, bar), bar);
    cache->unlit = m_segments.unlitColor();
    m_cache = std::move(cache);
}

TILSegmentGauge::Sprite TILSegmentGauge::makeSprite(const Lit& part, float dx) const {
    const auto render = [&](const std::vector<PointF>& outline, const drawing::Brush& brush,
                            drawing::Bitmap& picture, drawing::Point& at) {
        float minX = 1e9f, minY = 1e9f, maxX = -1e9f, maxY = -1e9f;
        for (const PointF& p : outline) {
            minX = std::min(minX, p.x + dx);
            maxX = std::max(maxX, p.x + dx);
            minY = std::min(minY, p.y);
            maxY = std::max(maxY, p.y);
        }
        at = {static_cast<int>(std::floor(minX)) - 1, static_cast<int>(std::floor(minY)) - 1};
        picture = drawing::Bitmap(static_cast<int>(std::ceil(maxX)) - at.x + 2,
                                  static_cast<int>(std::ceil(maxY)) - at.y + 2);
        drawing::Graphics g(picture);
        applyQuality(g);
        g.translateTransform(dx - static_cast<float>(at.x), -static_cast<float>(at.y));
        g.fillPolygon(brush, outline);
    };
    Sprite sprite;
    if (part.glow) render(part.glowOutline, *part.glow, sprite.glow, sprite.glowAt);
    render(part.outline, *part.fill, sprite.lit, sprite.litAt);
    return sprite;
}

void TILSegmentGauge::buildPictures(int width, int height) {
    Cache& c = *m_cache;
    c.unlitPicture = drawing::Bitmap(width, height);
    drawing::Graphics g(c.unlitPicture);
    g.clear(BackColor());
    applyQuality(g);
    const drawing::SolidBrush unlit(c.unlit);
    c.cellSprites.resize(c.cells);
    for (unsigned col = 0; col < c.cells; ++col) {
        const float left = c.layout.cellLeft(col);
        const drawing::GraphicsState state = g.save();
        g.translateTransform(left, 0);
        for (std::size_t i = 0; i < c.segments.size(); ++i) {
            g.fillPolygon(unlit, c.segments[i].outline);
            c.cellSprites[col][i] = makeSprite(c.segments[i], left);
        }
        if (m_point.Visible()) g.fillPolygon(unlit, c.point.outline);
        c.cellSprites[col][7] = makeSprite(c.point, left);
        g.restore(state);
    }
    if (!m_sign.Visible()) return;
    g.fillPolygon(unlit, c.minus.outline);
    c.minusSprite = makeSprite(c.minus, 0);
    if (c.plus) {
        g.fillPolygon(unlit, c.plus->outline);
        c.plusSprite = makeSprite(*c.plus, 0);
    }
}

// ---- Painting ------------------------------------------------------------------------------

void TILSegmentGauge::drawSprites(drawing::Graphics& g, const std::vector<const Sprite*>& parts) const {
    for (const Sprite* part : parts)
        if (!part->glow.empty())
            g.drawImage(part->glow,
                        PointF{static_cast<float>(part->glowAt.x), static_cast<float>(part->glowAt.y)});
    for (const Sprite* part : parts)
        g.drawImage(part->lit, PointF{static_cast<float>(part->litAt.x), static_cast<float>(part->litAt.y)});
}

void TILSegmentGauge::drawFromPictures(drawing::Graphics& g) const {
    const Cache& c = *m_cache;
    g.drawImage(c.unlitPicture, PointF{0, 0});
    const std::vector<unsigned> masks = cellMasks();
    for (std::size_t col = 0; col < masks.size(); ++col) {
        std::vector<const Sprite*> lit;
        for (std::size_t i = 0; i < 7; ++i)
            if (masks[col] & (1u << i)) lit.push_back(&c.cellSprites[col][i]);
        drawSprites(g, lit);
        if (m_point.Visible() && (masks[col] & decimalPointBit(m_type)))
            drawSprites(g, {&c.cellSprites[col][7]});
    }
    if (!m_sign.Visible()) return;
    if (Value() < 0) drawSprites(g, {&c.minusSprite});
    if (c.plusSprite && Value() > 0) drawSprites(g, {&*c.plusSprite});
}

void TILSegmentGauge::drawLitParts(drawing::Graphics& g, const std::vector<const Lit*>& parts) const {
    for (const Lit* part : parts)
        if (part->glow) g.fillPolygon(*part->glow, part->glowOutline);
    for (const Lit* part : parts) g.fillPolygon(*part->fill, part->outline);
}

void TILSegmentGauge::drawCell(drawing::Graphics& g, unsigned mask) const {
    const Cache& c = *m_cache;
    const drawing::SolidBrush unlit(c.unlit);
    std::vector<const Lit*> lit;
    for (std::size_t i = 0; i < c.segments.size(); ++i) {
        if (mask & (1u << i))
            lit.push_back(&c.segments[i]);
        else
            g.fillPolygon(unlit, c.segments[i].outline);
    }
    const bool pointLit = (mask & decimalPointBit(m_type)) != 0;
    if (m_point.Visible() && !pointLit) g.fillPolygon(unlit, c.point.outline);
    drawLitParts(g, lit);
    if (m_point.Visible() && pointLit) drawLitParts(g, {&c.point});
}

void TILSegmentGauge::drawSign(drawing::Graphics& g) const {
    const Cache& c = *m_cache;
    const drawing::SolidBrush unlit(c.unlit);
    const auto part = [&](const Lit& shape, bool on) {
        if (on)
            drawLitParts(g, {&shape});
        else
            g.fillPolygon(unlit, shape.outline);
    };
    part(c.minus, Value() < 0);
    if (c.plus) part(*c.plus, Value() > 0);
}

void TILSegmentGauge::DrawSymbols(drawing::Graphics& g, int, int height) {
    buildCache(height);
    const std::vector<unsigned> masks = cellMasks();
    for (std::size_t col = 0; col < masks.size(); ++col) {
        const drawing::GraphicsState state = g.save();
        g.translateTransform(m_cache->layout.cellLeft(static_cast<unsigned>(col)), 0);
        drawCell(g, masks[col]);
        g.restore(state);
    }
    if (m_sign.Visible()) drawSign(g);
}

void TILSegmentGauge::Draw(drawing::Graphics& g, int width, int height, int, int, float scaleX,
                           float scaleY) {
    if (scaleX == 1 && scaleY == 1 && width == Width() && height == Height()) {
        // At the control's own scale the cached pictures make the same picture faster.
        buildCache(height);
        if (m_cache->unlitPicture.empty()) buildPictures(width, height);
        drawFromPictures(g);
        return;
    }
    g.fillRectangle(drawing::SolidBrush(BackColor()),
                    drawing::RectF{-0.5f, -0.5f, static_cast<float>(width), static_cast<float>(height)});
    applyQuality(g);
    DrawSymbols(g, width, height);
}

}  // namespace sk::instruments
