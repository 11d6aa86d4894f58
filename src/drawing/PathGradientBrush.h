// A path gradient: the colour follows each point's position between the centre
// point (centre colour) and the edge of a path (surround colours), along the ray from
// the centre through the point. Positions run from 0 at the edge to 1 at the centre;
// blends and preset colours use that scale. Outside the path nothing is painted
// (Clamp, the default) or the brush's bounding box repeats (Tile modes).
//
//   PathGradientBrush glow(ellipse);
//   glow.setCenterPoint({x + w / 2, y});
//   glow.setCenterColor(0xFFFFFFFF);
//   glow.setSurroundColors({0xFF0000FF});
//   g.fillRectangle(glow, rect);
#pragma once

#include <vector>

#include "drawing/GradientBrush.h"
#include "drawing/GraphicsPath.h"

namespace sk::drawing {

class PathGradientBrush final : public GradientBrush {
public:
    // The path is flattened; every figure shares the centre.
    explicit PathGradientBrush(const GraphicsPath& path);
    explicit PathGradientBrush(std::vector<PointF> polygon, WrapMode wrap = WrapMode::Clamp);

    // Defaults: centre point the average of the outline's points, centre colour white,
    // surround colour white.
    void setCenterPoint(PointF center) { m_center = center; }
    PointF centerPoint() const { return m_center; }
    void setCenterColor(ARGB color) { m_centerColor = color; }
    ARGB centerColor() const { return m_centerColor; }
    // One colour for the whole edge, or one per point of the path (more colours than
    // points: InvalidParameter, nothing changed). Between points the colour runs linearly.
    Status setSurroundColors(std::vector<ARGB> colors);
    const std::vector<ARGB>& surroundColors() const { return m_surround; }

    // The centre colour fills the path scaled by (sx, sy) around the centre point; the
    // gradient runs between that inner outline and the edge. 0, 0: a single point.
    void setFocusScales(float sx, float sy) {
        m_focusX = sx;
        m_focusY = sy;
    }
    void setWrapMode(WrapMode mode) { m_wrap = mode; }
    WrapMode wrapMode() const { return m_wrap; }

    RectF rectangle() const;  // bounding box of the outline
    // The colour at position t (0 edge .. 1 centre) for a point of the edge colour `edge`.
    ARGB colorAt(float t, ARGB edge) const;

    BrushType type() const override { return BrushType::PathGradient; }
    std::unique_ptr<Brush> clone() const override { return std::make_unique<PathGradientBrush>(*this); }
    detail::CairoPattern createPattern(cairo_t* cr) const override;

private:
    struct OutlinePoint {
        PointF point;
        float source;  // index into the original points, fractional between them
    };
    detail::CairoPattern createMesh() const;
    detail::CairoPattern createTriangles(cairo_t* cr) const;

    std::vector<std::vector<OutlinePoint>> m_figures;
    int m_sourcePointCount = 0;
    PointF m_center;
    ARGB m_centerColor = 0xFFFFFFFF;
    std::vector<ARGB> m_surround{0xFFFFFFFF};
    float m_focusX = 0, m_focusY = 0;
    WrapMode m_wrap = WrapMode::Clamp;
};

}  // namespace sk::drawing
