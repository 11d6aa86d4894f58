#include "controls/office/TrackBarPainter.h"

#include <array>
#include <limits>

#include "controls/office/SteppedGradient.h"
#include "drawing/Graphics.h"
#include "drawing/TextMeasurer.h"

namespace sk::office {

using drawing::Canvas;
using drawing::clNone;
using drawing::Point;
using drawing::Rect;
using drawing::TColor;

namespace {

// Runs `draw` once for every row of a clip region, with the canvas clipped to
// that row as well (the classic painter selects a region into the context).
template <class Draw>
void withinRegion(Canvas& c, const ui::Region& region, Draw draw) {
    const Rect base = c.clipRect();
    for (const Rect& row : region.rects()) {
        c.setClipRect(base.intersected(row.translated(c.origin().x, c.origin().y)));
        draw();
    }
    c.setClipRect(base);
}

// Copies the pixels of a picture painted for rectangle r that lie in the region.
void copyWithinRegion(Canvas& c, const ui::Region& region, const drawing::Bitmap& picture, const Rect& r) {
    for (const Rect& row : region.rects()) c.copyRect(row, picture, row.translated(-r.left, -r.top));
}

// A glow face (upper and mirror part) of the size of r.
drawing::Bitmap glowFace(const Rect& r, const GlowColorSet& set) {
    drawing::Bitmap face(std::max(1, r.width), std::max(1, r.height));
    drawing::Graphics g(face);
    const int w = r.width, h = r.height, h2 = h / 2;
    paintGlowPart(g, {0, h2 - 1, w, h}, set.mirror, set.mirrorTo, set.mirror, set.mirrorKind,
                  GlowPartKind::Mirror);
    paintGlowPart(g, {0, 0, w, h - h2}, set.upper, set.upper, set.upperTo, set.upperKind,
                  GlowPartKind::Upper);
    return face;
}

void outline(Canvas& c, const Rect& r, TColor color, int ellipse) {
    c.pen().color = color;
    c.pen().style = drawing::CanvasPen::Style::Solid;
    c.brush().style = drawing::CanvasBrush::Style::Clear;
    c.roundRect(r.left, r.top, r.right(), r.bottom(), ellipse, ellipse);
}

void line(Canvas& c, Point from, Point to, TColor color) {
    c.pen().color = color;
    c.pen().style = drawing::CanvasPen::Style::Solid;
    c.moveTo(from.x, from.y);
    c.lineTo(to.x, to.y);
}

void fillRect(Canvas& c, const Rect& r, TColor color) {
    c.brush().style = drawing::CanvasBrush::Style::Solid;
    c.brush().color = color;
    c.fillRect(r);
}

// The stepped-gradient direction that stands for a thumb's glow kind.
TGradientDirection thumbDirection(TGDIPGradient kind) {
    switch (kind) {
        case ggRadial:
            return gdHorizontal;
        case ggDiagonalForward:
            return gdHorizontalInOut;
        case ggVertical:
        case ggDiagonalBackward:
            break;
    }
    return gdVertical;
}

constexpr int kSliderCorner = 7;
constexpr int kThumbCorner = 8;
constexpr int kButtonCorner = 6;
constexpr int kTintPercent = 10;

}  // namespace

TrackBarPainter::TrackBarPainter(const TAdvTrackBar& bar)
    : m_bar(bar), m_geometry(bar.geometry()), m_enabled(bar.enabledWithParents()) {}

int TrackBarPainter::labelHeight(const TTrackBarLabel& label, int position) {
    return drawing::TextMeasurer::shared()
        .textExtent(label.Font()->canvasFont(), label.text(position))
        .height;
}

int TrackBarPainter::tickTextHeight(const TTrackBarTick& tick) {
    return drawing::TextMeasurer::shared().lineHeight(tick.Font()->canvasFont());
}

void TrackBarPainter::paint(const ui::PaintSurface& surface) const {
    if (m_bar.Transparent()) m_bar.paintParentBackground(surface);
    Canvas c = surface.canvas();
    paintBackground(c);
    paintLabel(c);
    paintSlider(c);
    paintTicks(c);
    paintThumb(c);
    if (m_bar.Buttons()->Visible()) {
        paintButton(c, m_geometry.minButton(), m_bar.buttonLook(false), false);
        paintButton(c, m_geometry.maxButton(), m_bar.buttonLook(true), true);
    }
    if (m_bar.focusShown()) c.drawFocusRect({0, 0, m_bar.Width() - 1, m_bar.Height() - 1});
}

// ---- Background and label ------------------------------------------------------------

void TrackBarPainter::paintBackground(Canvas& c) const {
    const Rect client = m_bar.ClientRect();
    const TColor from = m_enabled ? m_bar.Color() : m_bar.ColorDisabled();
    const TColor to = m_enabled ? m_bar.ColorTo() : m_bar.ColorDisabledTo();
    if (!m_bar.Transparent() && from != clNone) {
        if (to == clNone)
            fillRect(c, client, from);
        else
            fillSteppedGradient(c, client, from, to, TAdvTrackBar::BackgroundBands, m_bar.Direction());
    }
    // Over the colors, so that a picture smaller than the bar, or one with
    // transparent parts, shows them around and through it.
    if (const drawing::Image* picture = backgroundPicture()) {
        if (m_bar.BackGroundStretched())
            c.stretchDraw(client, picture->bitmap());
        else
            c.draw(client.left, client.top, picture->bitmap());
    }
    const TColor border = m_enabled ? m_bar.BorderColor() : m_bar.BorderColorDisabled();
    if (border != clNone) {
        c.brush().style = drawing::CanvasBrush::Style::Solid;
        c.brush().color = border;
        c.frameRect(client);
    }
}

const drawing::Image* TrackBarPainter::backgroundPicture() const {
    const ui::TPicture& disabled = *m_bar.BackGroundDisabled();
    if (!m_enabled && !disabled.empty()) return disabled.image();
    return m_bar.BackGround()->image();
}

void TrackBarPainter::paintLabel(Canvas& c) const {
    const TTrackBarLabel& label = *m_bar.TrackLabel();
    if (!label.Visible()) return;
    const std::string text = label.text(m_bar.Position());
    c.font() = label.Font()->canvasFont();
    c.brush().style = drawing::CanvasBrush::Style::Clear;
    const drawing::Size size = drawing::TextMeasurer::shared().textExtent(c.font(), text);
    const Rect in = m_geometry.inner();
    int x = in.left + (in.width - size.width) / 2;
    if (label.Position() == lpTopLeft || label.Position() == lpBottomLeft) x = in.left;
    if (label.Position() == lpTopRight || label.Position() == lpBottomRight) x = in.right() - size.width;
    const int y = label.atTop() ? in.top : in.bottom() - size.height;
    c.textOut(x, y, text);
}

// ---- Slider ---------------------------------------------------------------------------

void TrackBarPainter::paintSlider(Canvas& c) const {
    const TTrackBarSlider& slider = *m_bar.Slider();
    const Rect s = m_geometry.slider();
    if (!slider.Visible() || slider.Size() <= 0 || s.empty()) return;
    const SliderColors colors = slider.colors(m_enabled);
    const ui::Region clip = slider.Rounded() ? ui::Region::roundRect(s.left, s.top, s.right(), s.bottom(),
                                                                     kSliderCorner, kSliderCorner)
                                             : ui::Region(s);
    const int position = m_bar.Position();
    if (colors.completed != clNone) {
        paintSliderPart(c, clip, m_geometry.completedPart(position), colors.completed, colors.completedTo);
        paintSliderPart(c, clip, m_geometry.restPart(position), colors.color, colors.colorTo);
    } else {
        paintSliderPart(c, clip, s, colors.color, colors.colorTo);
    }
    if (colors.border == clNone) return;
    if (slider.Rounded()) {
        outline(c, s, colors.border, kSliderCorner);
        if (slider.Border3D()) outline(c, s.inflated(-1, -1), drawing::clWhite, kSliderCorner);
    } else if (slider.Border3D()) {
        Rect frame = s;
        c.frame3D(frame, colors.border, drawing::blendPercent(colors.border, drawing::clWhite, kTintPercent));
    } else {
        outline(c, s, colors.border, 0);
    }
}

void TrackBarPainter::paintSliderPart(Canvas& c, const ui::Region& clip, const Rect& part, TColor first,
                                      TColor second) const {
    if (part.empty() || (first == clNone && second == clNone)) return;
    withinRegion(c, clip, [&] {
        if (first == clNone || second == clNone)
            fillRect(c, part, first != clNone ? first : second);
        else
            fillSteppedGradient(c, part, first, second, TAdvTrackBar::SliderBands,
                                m_bar.Slider()->Direction());
    });
}

// ---- Ticks ----------------------------------------------------------------------------

void TrackBarPainter::paintTicks(Canvas& c) const {
    const TTrackBarTick& tick = *m_bar.TickMark();
    if (tick.Style() != tsAuto || tick.Size() <= 0) return;
    const bool vertical = m_bar.Orientation() == trVertical;
    const bool handler = static_cast<bool>(m_bar.OnDrawTick);
    const TColor color = m_enabled ? tick.Color() : tick.ColorDisabled();
    const int last = m_geometry.lastTickValue(tick.ShowText() || handler);
    auto drawRow = [&](const Rect& row, bool top) {
        int lastDrawn = std::numeric_limits<int>::min() / 2;
        for (int v = m_bar.Min(); v <= last; ++v) {
            const int at = m_geometry.tickOffset(v, last);
            // Crowded ticks merge: each lies more than one pixel past the one before.
            if (!handler && std::abs(at - lastDrawn) <= 1) continue;
            TickDrawing d{tick.Size(), color, tick.Font()->Color(), std::to_string(v), true};
            const Point location = vertical ? Point{row.left, at} : Point{at, row.top};
            if (handler) {
                m_bar.OnDrawTick(const_cast<TAdvTrackBar*>(&m_bar), c, location, v, at, d);
                if (!d.defaultDraw) continue;
            }
            lastDrawn = at;
            const int start = vertical ? (top ? row.right() - d.length : row.left)
                                       : (top ? row.bottom() - d.length : row.top);
            const TColor tint = drawing::blendPercent(d.color, drawing::clWhite, kTintPercent);
            if (vertical) {
                line(c, {start, at}, {start + d.length, at}, d.color);
                if (tick.Line3D()) line(c, {start, at + 1}, {start + d.length, at + 1}, tint);
            } else {
                line(c, {at, start}, {at, start + d.length}, d.color);
                if (tick.Line3D()) line(c, {at + 1, start}, {at + 1, start + d.length}, tint);
            }
            if (tick.ShowText()) {
                c.font() = tick.Font()->canvasFont();
                c.font().color = d.textColor;
                c.brush().style = drawing::CanvasBrush::Style::Clear;
                const drawing::Size size = drawing::TextMeasurer::shared().textExtent(c.font(), d.text);
                if (vertical)
                    c.textOut(start + d.length + 2, at - size.height / 2, d.text);
                else
                    c.textOut(at - size.width / 2, top ? row.top : start + d.length, d.text);
            }
        }
    };
    if (auto row = m_geometry.bottomTickRow()) drawRow(*row, false);
    if (auto row = m_geometry.topTickRow()) drawRow(*row, true);
}

// ---- Thumb ----------------------------------------------------------------------------

void TrackBarPainter::paintThumb(Canvas& c) const {
    const TTrackBarThumb& thumb = *m_bar.Thumb();
    if (thumb.Size() < 1 || thumb.Width() < 1) return;
    const int position = m_bar.Position();
    if (!thumb.ShowAtMinMax() && (position == m_bar.Min() || position == m_bar.Max())) return;
    const Rect t = m_geometry.thumb(position);
    const ThumbColors colors = thumb.colors(m_bar.thumbLook());
    if (thumb.Shape() == tsRoundRect)
        paintRoundThumb(c, t, colors);
    else
        paintOtherThumb(c, t, colors);
}

void TrackBarPainter::paintRoundThumb(Canvas& c, const Rect& t, const ThumbColors& colors) const {
    const TTrackBarThumb& thumb = *m_bar.Thumb();
    const ui::Region clip =
        ui::Region::roundRect(t.left, t.top, t.right(), t.bottom(), kThumbCorner, kThumbCorner);
    const bool face = colors.color != clNone && colors.colorTo != clNone;
    const bool mirror = colors.mirror != clNone && colors.mirrorTo != clNone;
    if (face && mirror) {
        copyWithinRegion(c, clip, glowFace(t, thumb.glowSet(m_bar.thumbLook())), t);
    } else if (face) {
        withinRegion(c, clip, [&] {
            fillSteppedGradient(c, t, colors.color, colors.colorTo, TAdvTrackBar::ThumbBands,
                                thumbDirection(thumb.Gradient()));
        });
    } else if (colors.color != clNone) {
        withinRegion(c, clip, [&] { fillRect(c, t, colors.color); });
    }
    if (colors.border == clNone) return;
    // A white rim around the thumb, the border on its edge, and the grip line.
    outline(c, t.inflated(1, 1), drawing::clWhite, kThumbCorner);
    outline(c, t, colors.border, kThumbCorner);
    if (m_bar.Orientation() == trHorizontal) {
        const int grip = t.height / 2 - 2;
        const int x = t.left + t.width / 2, y = t.top + (t.height - grip) / 2;
        line(c, {x, y}, {x, y + grip}, colors.border);
    } else {
        const int grip = t.width / 2 - 2;
        const int y = t.top + t.height / 2, x = t.left + (t.width - grip) / 2;
        line(c, {x, y}, {x + grip, y}, colors.border);
    }
}

void TrackBarPainter::paintOtherThumb(Canvas& c, const Rect& t, const ThumbColors& colors) const {
    const TColor fill = colors.color;
    c.brush().style =
        fill == clNone ? drawing::CanvasBrush::Style::Clear : drawing::CanvasBrush::Style::Solid;
    c.brush().color = fill;
    c.pen().style =
        colors.border == clNone ? drawing::CanvasPen::Style::Clear : drawing::CanvasPen::Style::Solid;
    c.pen().color = colors.border;
    const int l = t.left, r = t.right() - 1, top = t.top, b = t.bottom() - 1, cx = t.left + t.width / 2;
    const int cy = t.top + t.height / 2, tip = std::min(t.width, t.height) / 2;
    switch (m_bar.Thumb()->Shape()) {
        case tsRectangle:
            c.rectangle(t);
            return;
        case tsRound:
            c.ellipse(t.left, t.top, t.right(), t.bottom());
            return;
        case tsLine:
            line(c, {cx, top}, {cx, b + 1}, colors.border != clNone ? colors.border : fill);
            return;
        case tsPointer: {
            const std::array<Point, 5> p{Point{l, top}, {r, top}, {r, b - tip}, {cx, b}, {l, b - tip}};
            c.polygon(p);
            return;
        }
        case tsPointerLeftUp:
        case tsPointerRightUp: {
            const std::array<Point, 5> p{Point{cx, top}, {r, top + tip}, {r, b}, {l, b}, {l, top + tip}};
            c.polygon(p);
            return;
        }
        case tsTriangle: {
            const std::array<Point, 3> p{Point{l, top}, {r, top}, {cx, b}};
            c.polygon(p);
            return;
        }
        case tsTriangleLeft: {
            const std::array<Point, 3> p{Point{r, top}, {r, b}, {l, cy}};
            c.polygon(p);
            return;
        }
        case tsTriangleRight: {
            const std::array<Point, 3> p{Point{l, top}, {l, b}, {r, cy}};
            c.polygon(p);
            return;
        }
        case tsRoundRect:
            break;
    }
}

// ---- Step buttons ---------------------------------------------------------------------

void TrackBarPainter::paintButton(Canvas& c, const Rect& r, ButtonLook look, bool towardsMax) const {
    if (r.empty()) return;
    const TTrackBarButtons& buttons = *m_bar.Buttons();
    const GlowColorSet set = buttons.glowSet(look);
    const int corner = buttons.Shape() == bsRound ? kButtonCorner : 0;
    const ui::Region clip =
        corner ? ui::Region::roundRect(r.left, r.top, r.right(), r.bottom(), corner, corner) : ui::Region(r);
    copyWithinRegion(c, clip, glowFace(r, set), r);
    if (set.border != clNone) outline(c, r, set.border, corner);
    // A small arrow towards the end the button steps to.
    const TColor arrow = m_enabled ? drawing::clBlack : drawing::clGray;
    const Point m = r.center();
    const int s = std::max(2, std::min(r.width, r.height) / 5);
    const bool vertical = m_bar.Orientation() == trVertical;
    c.brush().style = drawing::CanvasBrush::Style::Solid;
    c.brush().color = arrow;
    c.pen().style = drawing::CanvasPen::Style::Solid;
    c.pen().color = arrow;
    const int d = towardsMax ? 1 : -1;
    std::array<Point, 3> p;
    if (vertical)
        p = {Point{m.x - s, m.y + d * s / 2}, {m.x + s, m.y + d * s / 2}, {m.x, m.y - d * s}};
    else
        p = {Point{m.x - d * s / 2, m.y - s}, {m.x - d * s / 2, m.y + s}, {m.x + d * s, m.y}};
    c.polygon(p);
}

}  // namespace sk::office
