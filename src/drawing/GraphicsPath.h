// A path in float pixels: figures of lines and cubic Bézier curves, filled with a
// fill mode. Arcs take a bounding box, a start angle and a sweep in degrees, measured
// clockwise from 3 o'clock as on screen. Lines, arcs and curves continue the open
// figure (joined to its last point by a straight line); ellipses, rectangles,
// polygons and pies are closed figures of their own.
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "drawing/DrawingTypes.h"
#include "drawing/Geometry.h"
#include "drawing/Matrix.h"

namespace sk::drawing {

class FontFamily;
class Pen;
class StringFormat;

class GraphicsPath {
public:
    enum class Verb { Move, Line, Curve, Close };  // Curve uses three points
    struct Element {
        Verb verb;
        PointF points[3];
    };

    explicit GraphicsPath(FillMode mode = FillMode::Alternate) : m_fillMode(mode) {}

    FillMode fillMode() const { return m_fillMode; }
    void setFillMode(FillMode mode) { m_fillMode = mode; }

    // Figures.
    void startFigure();  // the next element starts a new, open figure
    void closeFigure();  // closes the current figure (a line back to its start)
    void closeAllFigures();
    void reset();

    // Open-figure elements.
    void addLine(PointF from, PointF to);
    void addLine(float x1, float y1, float x2, float y2) { addLine({x1, y1}, {x2, y2}); }
    void addLines(std::span<const PointF> points);
    void addArc(const RectF& box, float startAngle, float sweepAngle);
    void addArc(float x, float y, float width, float height, float startAngle, float sweepAngle) {
        addArc(RectF{x, y, width, height}, startAngle, sweepAngle);
    }
    void addBezier(PointF p1, PointF c1, PointF c2, PointF p2);
    void addBeziers(std::span<const PointF> points);  // 1 + 3n points

    // Closed figures.
    void addRectangle(const RectF& rect);
    void addEllipse(const RectF& box);
    void addEllipse(float x, float y, float width, float height) { addEllipse(RectF{x, y, width, height}); }
    void addPolygon(std::span<const PointF> points);
    void addPie(const RectF& box, float startAngle, float sweepAngle);
    // A rectangle with corner arcs of radius rx, ry (clockwise from the top-left).
    void addRoundedRectangle(const RectF& rect, float rx, float ry);
    void addPath(const GraphicsPath& other, bool connect);

    // The outline of a text, as Graphics::drawString would place it. emSize in pixels.
    // Returns FontFamilyNotFound / FontStyleNotFound like Font does, and adds the
    // outline of the substituted face all the same.
    Status addString(std::string_view utf8Text, const FontFamily& family, int fontStyle, float emSize,
                     const RectF& layout, const StringFormat& format);
    Status addString(std::string_view utf8Text, const FontFamily& family, int fontStyle, float emSize,
                     PointF origin, const StringFormat& format);

    // Transforms every point.
    void transform(const Matrix& matrix);
    // Replaces curves by lines no further than `tolerance` pixels from the curve.
    void flatten(const Matrix* matrix = nullptr, float tolerance = 0.25f);
    // The area that `pen` covers when it strokes this path, as closed figures filled
    // with the winding rule (round joins). Curves are flattened first.
    void widen(const Pen& pen, const Matrix* matrix = nullptr, float tolerance = 0.25f);

    // The bounding box of the points (control points included); empty path: {0,0,0,0}.
    RectF bounds(const Matrix* matrix = nullptr) const;
    bool empty() const { return m_elements.empty(); }
    int pointCount() const;
    std::vector<PointF> points() const;  // every point of every element, in order
    PointF lastPoint() const;
    const std::vector<Element>& elements() const { return m_elements; }
    // Points of each figure after flattening (closed figures do not repeat the start).
    std::vector<std::vector<PointF>> flattenedFigures(float tolerance = 0.25f) const;

private:
    void lineOrMoveTo(PointF p);
    void appendArcCurves(const RectF& box, float startAngle, float sweepAngle, bool connect);

    std::vector<Element> m_elements;
    FillMode m_fillMode;
    bool m_figureOpen = false;  // the last figure takes more elements
    PointF m_figureStart;
};

}  // namespace sk::drawing
