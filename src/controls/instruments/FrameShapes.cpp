// Shape routines of the instrument frames.
#include "controls/instruments/FrameShapes.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "drawing/LinearGradientBrush.h"
#include "drawing/PathGradientBrush.h"
#include "drawing/Pen.h"

namespace sk::instruments::frame {

using drawing::ARGB;
using drawing::GraphicsPath;
using drawing::PointF;
using drawing::RectF;

namespace {

std::vector<PointF> diamondPoints(const RectF& r) {
    const float cx = r.x + r.width / 2, cy = r.y + r.height / 2;
    return {{cx, r.y}, {r.right(), cy}, {cx, r.bottom()}, {r.x, cy}};
}

std::vector<PointF> cornerPoints(const RectF& r) {
    return {{r.x, r.y}, {r.right(), r.y}, {r.right(), r.bottom()}, {r.x, r.bottom()}};
}

// Closed polygon sides, each in the colour its outward direction gives.
void drawStraightBevel(drawing::Graphics& g, const std::vector<PointF>& polygon, float width,
                       BevelColors colors) {
    const PointF centre{(polygon[0].x + polygon[2].x) / 2, (polygon[0].y + polygon[2].y) / 2};
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const PointF a = polygon[i], b = polygon[(i + 1) % polygon.size()];
        const float mx = (a.x + b.x) / 2 - centre.x, my = (a.y + b.y) / 2 - centre.y;
        const double direction = std::atan2(my, mx) * 180.0 / std::numbers::pi;
        drawing::Pen pen(drawing::shadeColor(colors.first, colors.second, direction), width);
        pen.setLineCap(drawing::LineCap::Square, drawing::LineCap::Square);
        g.drawLine(pen, a, b);
    }
}

// The diagonal sheen of the rounded and straight glasses: from the tint to the light
// over the square of the face's longer side, brightest near the upper left.
void fillDiagonalSheen(drawing::Graphics& g, const RectF& face, const GraphicsPath& path, ARGB tint,
                       ARGB light) {
    const float longer = std::max(face.width, face.height);
    if (!(longer > 0)) return;
    const float k = std::min(face.width, face.height) / longer;
    drawing::LinearGradientBrush sheen({face.x, face.y, longer, longer}, tint, light,
                                       drawing::LinearGradientMode::ForwardDiagonal);
    sheen.setBlend({0.35f, 1, 1, 0.5f, 0, 0}, {0, 0.1f * k, 0.3f * k, 0.5f * k, 0.7f * k, 1});
    g.fillPath(sheen, path);
}

}  // namespace

RectF inset(const RectF& r, float by) {
    return {r.x + by, r.y + by, r.width - 2 * by, r.height - 2 * by};
}

GraphicsPath outline(TULBorderShape shape, const RectF& r, float rx, float ry) {
    GraphicsPath path;
    switch (shape) {
        case gbsEllipse:
            path.addEllipse(r);
            break;
        case gbsRectangle:
            path.addRectangle(r);
            break;
        case gbsRoundRectangle:
            path.addRoundedRectangle(r, std::min(rx, r.width / 2), std::min(ry, r.height / 2));
            break;
        case gbsDiamond:
        case gbsRoundDiamond: {
            const auto points = diamondPoints(r);
            path.addPolygon(points);
            break;
        }
    }
    return path;
}

void fillFace(drawing::Graphics& g, TULBorderShape shape, const RectF& r, float m, ARGB color, float rx,
              float ry) {
    if (drawing::alphaOf(color) == 0) return;
    g.fillPath(drawing::SolidBrush(color), outline(shape, inset(r, m / 2), rx, ry));
}

void strokeBorder(drawing::Graphics& g, TULBorderShape shape, const RectF& r, float d, float m, ARGB color,
                  float rx, float ry) {
    if (!(m > 0) || drawing::alphaOf(color) == 0) return;
    drawing::Pen pen(color, m);
    if (shape == gbsRoundDiamond) pen.setLineJoin(drawing::LineJoin::Round);
    g.drawPath(pen, outline(shape, inset(r, d / 2), rx, ry));
}

void drawEllipseBevel(drawing::Graphics& g, const RectF& ellipse, float width, BevelColors colors) {
    if (!(width > 0)) return;
    const RectF span = inset(ellipse, -width / 2);
    const float longer = std::max(ellipse.width, ellipse.height);
    const float k = longer > 0 ? std::min(ellipse.width, ellipse.height) / longer : 1.0f;
    drawing::LinearGradientBrush brush(span, colors.first, colors.second,
                                       drawing::LinearGradientMode::ForwardDiagonal);
    brush.setBlend({0, 0, 1, 1}, {0, 0.14f * k, 1 - 0.14f * k, 1});
    g.drawEllipse(drawing::Pen(brush, width), ellipse);
}

void drawRoundRectBevel(drawing::Graphics& g, const RectF& r, float rx, float ry, float width,
                        BevelColors colors) {
    if (!(width > 0)) return;
    if (rx <= 0.001f || ry <= 0.001f) {
        drawStraightBevel(g, cornerPoints(r), width, colors);
        return;
    }
    rx = std::min(rx, r.width / 2);
    ry = std::min(ry, r.height / 2);
    // Corner arcs, clockwise from the top left, each from its start angle sweeping 90.
    const RectF boxes[4] = {{r.x, r.y, 2 * rx, 2 * ry},
                            {r.right() - 2 * rx, r.y, 2 * rx, 2 * ry},
                            {r.right() - 2 * rx, r.bottom() - 2 * ry, 2 * rx, 2 * ry},
                            {r.x, r.bottom() - 2 * ry, 2 * rx, 2 * ry}};
    const float starts[4] = {180, 270, 0, 90};
    for (int corner = 0; corner < 4; ++corner)
        for (float step = 0; step < 90; step += 5) {
            const float angle = starts[corner] + step;
            drawing::Pen pen(drawing::shadeColor(colors.first, colors.second, angle + 2.5), width);
            g.drawArc(pen, boxes[corner], angle, 5);
        }
    // Sides: top and left in the upper-left shade, right and bottom in the lower-right
    // one; each from half a pixel before the end of one arc to a pixel past the next.
    const ARGB upper = drawing::shadeColor(colors.first, colors.second, 270);
    const ARGB lower = drawing::shadeColor(colors.first, colors.second, 90);
    g.drawLine(drawing::Pen(upper, width), r.x + rx - 0.5f, r.y, r.right() - rx + 1, r.y);
    g.drawLine(drawing::Pen(lower, width), r.right(), r.y + ry - 0.5f, r.right(), r.bottom() - ry + 1);
    g.drawLine(drawing::Pen(lower, width), r.right() - rx + 0.5f, r.bottom(), r.x + rx - 1, r.bottom());
    g.drawLine(drawing::Pen(upper, width), r.x, r.bottom() - ry + 0.5f, r.x, r.y + ry - 1);
}

void drawBevelRing(drawing::Graphics& g, TULBorderShape shape, const RectF& r, float offset, float width,
                   BevelColors colors, float rx, float ry) {
    const RectF ring = inset(r, offset + width / 2);
    switch (shape) {
        case gbsEllipse:
            drawEllipseBevel(g, ring, width, colors);
            break;
        case gbsRoundRectangle:
            drawRoundRectBevel(g, ring, rx, ry, width, colors);
            break;
        case gbsRectangle:
            drawStraightBevel(g, cornerPoints(ring), width, colors);
            break;
        case gbsDiamond:
        case gbsRoundDiamond:
            drawStraightBevel(g, diamondPoints(ring), width, colors);
            break;
    }
}

void drawEllipseGlass(drawing::Graphics& g, const RectF& face, ARGB tint, ARGB light) {
    if (drawing::alphaOf(tint) != 0) g.fillEllipse(drawing::SolidBrush(tint), face);
    const float longer = std::max(face.width, face.height);
    if (!(longer > 0)) return;
    const float k = std::min(face.width, face.height) / longer;
    const ARGB h = (light & 0x00FFFFFFu) |
                   (static_cast<ARGB>(drawing::roundHalfEven(drawing::alphaOf(light) * 0.75)) << 24);
    const float x = face.x, y = face.y;
    const RectF highlight{x + 0.09f * longer, y + 0.03f * longer, 0.82f * longer, 0.70f * longer};
    const RectF grown{highlight.x, highlight.y, highlight.width + 1, highlight.height + 1};

    GraphicsPath grownEllipse;
    grownEllipse.addEllipse(grown);
    drawing::PathGradientBrush radial(grownEllipse);
    radial.setCenterColor(h);
    radial.setSurroundColors({0x00FFFFFF});
    radial.setCenterPoint({x + 0.5f * longer + 0.5f, y + 0.03f * longer + (0.70f * longer + 1) / 6});
    radial.setBlend({0, 0.6f, 0.9f, 1}, {0, 0.3f, 0.6f, 1});
    drawing::LinearGradientBrush fade(grown, 0x00FFFFFF, h, drawing::LinearGradientMode::Vertical);
    fade.setBlendBellShape(0.05f, 1.0f);

    const drawing::GraphicsState state = g.save();
    g.translateTransform(x + face.width / 2, y + face.height / 2);
    if (face.width < face.height)
        g.scaleTransform(k, 1);
    else
        g.scaleTransform(1, k);
    g.rotateTransform(-45);
    g.translateTransform(-(x + longer / 2), -(y + longer / 2));
    g.fillEllipse(radial, highlight);
    g.fillEllipse(fade, highlight);
    g.restore(state);
}

void drawRoundRectGlass(drawing::Graphics& g, const RectF& face, float rx, float ry, ARGB tint, ARGB light) {
    rx = std::max(rx, 0.000001f);
    ry = std::max(ry, 0.000001f);
    if (!(face.width > 0) || !(face.height > 0)) return;
    const ARGB halfLight = (light & 0x00FFFFFFu) | (static_cast<ARGB>(drawing::alphaOf(light) / 2) << 24);

    GraphicsPath cap;
    cap.addArc({face.x, face.y, 2 * rx, 2 * ry}, 180, 90);
    cap.addArc({face.right() - 2 * rx, face.y, 2 * rx, 2 * ry}, 270, 90);
    cap.closeFigure();
    drawing::LinearGradientBrush capBrush({face.x, face.y, face.width, ry + 1}, tint, halfLight,
                                          drawing::LinearGradientMode::Vertical);
    capBrush.setBlend({0, 0.36f, 0.7f, 1.0f, 0.1f}, {0, 0.35f, 0.55f, 0.85f, 1.0f});
    g.fillPath(capBrush, cap);

    fillDiagonalSheen(g, face, outline(gbsRoundRectangle, face, rx, ry), tint, light);
}

void drawGlass(drawing::Graphics& g, TULBorderShape shape, const RectF& face, ARGB tint, ARGB light, float rx,
               float ry) {
    switch (shape) {
        case gbsEllipse:
            drawEllipseGlass(g, face, tint, light);
            return;
        case gbsRoundRectangle:
            drawRoundRectGlass(g, face, rx, ry, tint, light);
            return;
        default: {
            // Straight shapes: the tint, then the diagonal sheen of the rounded glass
            // within the shape's own outline.
            const GraphicsPath path = outline(shape, face);
            if (drawing::alphaOf(tint) != 0) g.fillPath(drawing::SolidBrush(tint), path);
            fillDiagonalSheen(g, face, path, tint, light);
            return;
        }
    }
}

}  // namespace sk::instruments::frame
